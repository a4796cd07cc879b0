// A 1,000-row grid with every row state, icons, a check-box column and a
// template column, shown on the real window system and saved as PNG
// (CVN_GALLERY_DIR, else the temp folder) at the top and after scrolling.

#include "CVNQContainer.h"
#include "CVNQLabel.h"
#include "CVNQPushButton.h"
#include "CVNQScrollBar.h"
#include "TableViewTestUtil.h"
#include "TestUtil.h"

#include <QCursor>
#include <QDir>
#include <QHeaderView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace TableTest;

namespace {

QByteArray svgDot(const char* colour)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"14\" height=\"14\">"
                          "<circle cx=\"7\" cy=\"7\" r=\"6\" fill=\"%1\"/></svg>")
        .arg(QLatin1String(colour))
        .toUtf8();
}

CVNQPushButton* templateButton(const QString& name, const QString& caption)
{
    auto* b = new CVNQPushButton;
    b->setObjectName(name);
    b->setText(caption);
    b->setBackground(CtrlStateAll, fill("gal_btn", QColor(0x2E, 0x3B, 0x4E)));
    b->setBackground(CtrlStateHover, fill("gal_btn_hot", QColor(0x3D, 0x8B, 0xFD)));
    b->setTextStyle(CtrlStateAll, text("gal_btn_txt", QColor(0xF0, 0xF4, 0xF8), 1, 12));
    b->setWidthPolicy(1);
    b->setFixedSize(64, 24);
    return b;
}

} // namespace

TEST(TableViewGallery, ThousandRowsWhileScrolling)
{
    initToolkit();
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "ok.svg", svgDot("#2ECC71")));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "warn.svg", svgDot("#F39C12")));
    const QString okIcon = dir.filePath("ok.svg");
    const QString warnIcon = dir.filePath("warn.svg");

    CVNQTableView view;
    view.resize(760, 420);
    view.setBackground(0, fill("gal_bg", QColor(0x12, 0x1A, 0x24)));
    view.setItemBackground(CtrlStateNormal, fill("gal_row", QColor(0x17, 0x21, 0x2E)));
    view.setItemBackground(CtrlStateHover, fill("gal_row_hot", QColor(0x22, 0x33, 0x47)));
    view.setItemBackground(CtrlStatePressed, fill("gal_row_sel", QColor(0x1F, 0x4E, 0x79)));
    view.setItemBackground(CtrlStateDisabled, fill("gal_row_off", QColor(0x30, 0x30, 0x30)));
    view.setItemTextStyle(CtrlStateAll, text("gal_txt", QColor(0xD8, 0xE2, 0xEC), 0));
    view.setItemTextStyle(CtrlStatePressed, text("gal_txt_sel", QColor(0xFF, 0xFF, 0xFF), 0));
    view.setItemTextStyle(CtrlStateDisabled, text("gal_txt_off", QColor(0x80, 0x80, 0x80), 0));
    view.setHeaderBackground(CtrlStateAll, fill("gal_head", QColor(0x0D, 0x13, 0x1B)));
    view.setHeaderTextStyle(CtrlStateAll, text("gal_head_txt", QColor(0x8F, 0xA8, 0xC0), 0, 12));
    view.setItemHeight(34);
    view.horizontalHeader()->setFixedHeight(34);
    view.setCheckstyle(true);
    view.setScrollbarBackgroundStyle(false, fill("gal_bar", QColor(0x12, 0x1A, 0x24)));
    view.setScrollbarThumbStyle(false, CtrlStateAll, fill("gal_thumb", QColor(0x3A, 0x4A, 0x5E)));
    view.setScrollbarButtonStyle(false, true, CtrlStateAll, fill("gal_bar", QColor(0x12, 0x1A, 0x24)));
    view.setScrollbarButtonStyle(false, false, CtrlStateAll, fill("gal_bar", QColor(0x12, 0x1A, 0x24)));
    view.setScrollbarSize(false, 10);

    auto* model = new QStandardItemModel(1000, 5, &view);
    const QStringList headers = {"Turbine", "Output", "Status", "Note", "Actions"};
    for (int c = 0; c < 5; ++c) {
        model->setHorizontalHeaderItem(c, new QStandardItem(headers.at(c)));
        model->setHeaderData(c, Qt::Horizontal, int(c == 1 || c == 2 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter),
                             Qt::TextAlignmentRole);
    }
    for (int r = 0; r < 1000; ++r) {
        auto* id = new QStandardItem(QStringLiteral("WT-%1").arg(r + 1, 4, 10, QLatin1Char('0')));
        id->setData(r % 3 == 0, Qt::CheckStateRole);
        auto* output = new QStandardItem(QStringLiteral("%1 kW").arg(1200 + (r * 37) % 900));
        output->setData(int(Qt::AlignCenter), Qt::TextAlignmentRole);
        auto* status = new QStandardItem(r % 7 == 3 ? "Maintenance" : "Active");
        status->setData(r % 7 == 3 ? warnIcon : okIcon, CellIconRole);
        status->setData(int(Qt::AlignCenter), Qt::TextAlignmentRole);
        auto* note = new QStandardItem(QStringLiteral("Yaw aligned, row %1").arg(r));
        note->setData(okIcon, CellIconRole);
        auto* actions = new QStandardItem;
        if (r == 4)
            for (QStandardItem* i : {id, output, status, note, actions})
                i->setEnabled(false);
        model->setItem(r, 0, id);
        model->setItem(r, 1, output);
        model->setItem(r, 2, status);
        model->setItem(r, 3, note);
        model->setItem(r, 4, actions);
    }
    view.setModel(model);
    view.setColumnWidth(0, 130);
    view.setColumnWidth(1, 110);
    view.setColumnWidth(2, 150);
    view.setColumnWidth(3, 200);
    view.setColumnWidth(4, 150);

    QWidget templateOwner;
    auto* actions = new CVNQContainer(&templateOwner);
    actions->setDrawBackground(false);
    actions->setChildLayout(CVNQContainer::Horizontal);
    actions->setChildSpace(8);
    actions->setChildPadding(6, 5, 6, 5);
    actions->addChildWidget(templateButton("edit", "Edit"), 0);
    actions->addChildWidget(templateButton("remove", "Remove"), 0);
    view.setColumnWidget(4, actions);

    view.move(40, 40);
    view.show();
    TestUtil::spin(50);
    view.selectRow(2);
    // The real pointer over row 1's "Edit" button: the row and the button hover.
    const QRect editCell = view.visualRect(model->index(1, 4));
    QCursor::setPos(view.viewport()->mapToGlobal(editCell.topLeft() + QPoint(20, 15)));
    TestUtil::spin(50);
    EXPECT_EQ(view.getImpl()->hoveredRow, 1);
    const QString out = qEnvironmentVariable("CVN_GALLERY_DIR", QDir::tempPath());
    QImage top = view.grab().toImage();
    top.save(out + "/views-table-top.png");

    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2 + 13);
    TestUtil::spin(20);
    QImage middle = view.grab().toImage();
    middle.save(out + "/views-table-middle.png");

    // The selected row's fill and the template buttons' fill are on the page.
    EXPECT_TRUE(hasColorIn(top, top.rect(), QColor(0x1F, 0x4E, 0x79), 2));
    EXPECT_TRUE(hasColorIn(top, top.rect(), QColor(0x2E, 0x3B, 0x4E), 2));
    EXPECT_TRUE(hasColorIn(top, top.rect(), QColor(0x3D, 0x8B, 0xFD), 2));
    EXPECT_TRUE(hasColorIn(middle, middle.rect(), QColor(0x2E, 0x3B, 0x4E), 2));
}
