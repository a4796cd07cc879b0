// What the data grid paints: row fills per state, the check-box column and
// its offsets, icons beside left-aligned and centred text, the themed
// header with its check box, and template columns (also after their
// container is gone).

#include "CVNQContainer.h"
#include "CVNQPushButton.h"
#include "TableViewTestUtil.h"
#include "TestUtil.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QPaintEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace TableTest;

namespace {

const QColor kBackground(0x10, 0x10, 0x10);
const QColor kNormal(0x20, 0x40, 0x60);
const QColor kHover(0x30, 0x70, 0x30);
const QColor kSelected(0x70, 0x30, 0x70);
const QColor kDisabled(0x50, 0x50, 0x50);
const QColor kText(0xFF, 0x00, 0x00);
const QColor kHeader(0x00, 0x00, 0x90);
const QColor kIcon(0x00, 0xFF, 0x00);
const QColor kButton(0x00, 0x80, 0xFF);

} // namespace

class TableViewPaint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        initToolkit();
        QImage icon(10, 10, QImage::Format_ARGB32);
        icon.fill(kIcon);
        ASSERT_TRUE(icon.save(m_dir.filePath("icon.png")));
        m_icon = m_dir.filePath("icon.png");

        m_view.resize(420, 300);
        m_view.setBackground(0, fill("pt_bg", kBackground));
        m_view.setItemBackground(CtrlStateNormal, fill("pt_row", kNormal));
        m_view.setItemBackground(CtrlStateHover, fill("pt_hot", kHover));
        m_view.setItemBackground(CtrlStatePressed, fill("pt_sel", kSelected));
        m_view.setItemBackground(CtrlStateDisabled, fill("pt_off", kDisabled));
        m_view.setItemTextStyle(CtrlStateAll, text("pt_txt", kText));
        m_view.setHeaderBackground(CtrlStateAll, fill("pt_head", kHeader));
        m_view.setHeaderTextStyle(CtrlStateAll, text("pt_head_txt", kText));
        m_model = showGrid(m_view);
    }

    // Vertical middle of a row in viewport coordinates.
    int rowY(int row) const { return m_view.rowViewportPosition(row) + 15; }
    QImage grab() { return grabViewport(m_view); }

    QTemporaryDir m_dir;
    QString m_icon;
    CVNQTableView m_view;
    QStandardItemModel* m_model = nullptr;
};

TEST_F(TableViewPaint, RowsAreFilledByState)
{
    for (int c = 0; c < 3; ++c)
        m_model->item(3, c)->setEnabled(false);
    m_view.getImpl()->setHoveredRow(1);
    m_view.selectRow(2);
    QImage img = grab();
    EXPECT_EQ(img.pixelColor(125, rowY(0)), kNormal);
    EXPECT_EQ(img.pixelColor(125, rowY(1)), kHover);
    EXPECT_EQ(img.pixelColor(255, rowY(2)), kSelected);
    // A disabled item is not painted in state 3.
    EXPECT_EQ(img.pixelColor(125, rowY(3)), kNormal);
    // The selected row stays selected-looking under the mouse.
    m_view.getImpl()->setHoveredRow(2);
    img = grab();
    EXPECT_EQ(img.pixelColor(125, rowY(2)), kSelected);
    EXPECT_EQ(img.pixelColor(125, rowY(1)), kNormal);
    // Past the last column only the control background shows.
    EXPECT_EQ(img.pixelColor(405, rowY(0)), kBackground);

    // Styles changed on screen show at once.
    const QColor other(0x60, 0x60, 0x10);
    m_view.setItemBackground(CtrlStateNormal, fill("pt_row2", other));
    EXPECT_EQ(grab().pixelColor(125, rowY(0)), other);
    m_view.setBackground(0, fill("pt_bg2", other));
    EXPECT_EQ(grab().pixelColor(405, rowY(0)), other);
    m_view.setItemTextStyle(CtrlStateAll, text("pt_txt2", QColor(0, 255, 255)));
    EXPECT_TRUE(hasColorIn(grab(), QRect(0, rowY(0) - 8, 130, 16), QColor(0, 255, 255), 60));

    // Without item backgrounds the rows are not filled.
    CVNQTableView bare;
    bare.resize(200, 100);
    bare.setBackground(0, fill("pt_bg", kBackground));
    bare.setModel(model(&bare, 3, 1));
    ASSERT_TRUE(TestUtil::showExposed(&bare));
    EXPECT_EQ(grabViewport(bare).pixelColor(110, 10), kBackground);
}

TEST_F(TableViewPaint, CheckBoxColumnMovesTheTextAndDrawsBoxes)
{
    EXPECT_LE(leftmostColor(grab(), rowY(0) - 6, rowY(0) + 6, kText), 5);

    m_view.setCheckstyle(true);
    m_view.viewport()->update(); // the check-box settings leave the repaint to their caller
    // Default 24 x 24 check image: text 2 + 10 + 24 px into the cell.
    const int textLeft = leftmostColor(grab(), rowY(0) - 6, rowY(0) + 6, kText);
    EXPECT_GE(textLeft, 36);
    EXPECT_LE(textLeft, 39);

    QImage on(12, 12, QImage::Format_ARGB32);
    on.fill(Qt::cyan);
    QImage off(12, 12, QImage::Format_ARGB32);
    off.fill(Qt::magenta);
    ASSERT_TRUE(on.save(m_dir.filePath("on.png")));
    ASSERT_TRUE(off.save(m_dir.filePath("off.png")));
    m_view.setCheckBoxImage(true, m_dir.filePath("on.png"));
    m_view.setCheckBoxImage(false, m_dir.filePath("off.png"));
    m_view.viewport()->update();
    grab();
    // Checked through the model: the cell repaints by itself.
    m_model->item(1, 0)->setData(true, Qt::CheckStateRole);
    QImage img = grab();
    EXPECT_EQ(leftmostColor(img, rowY(0) - 6, rowY(0) + 6, QColor(Qt::magenta), 2), 5);
    EXPECT_EQ(leftmostColor(img, rowY(1) - 6, rowY(1) + 6, QColor(Qt::cyan), 2), 5);
    EXPECT_FALSE(hasColorIn(img, QRect(0, rowY(1) - 10, 130, 20), QColor(Qt::magenta), 2));
    // Only column 0 carries boxes; the text now starts 2 + 10 + 12 px in.
    EXPECT_FALSE(hasColorIn(img, QRect(130, 0, 290, img.height()), QColor(Qt::magenta), 2));
    const int left = leftmostColor(img, rowY(2) - 6, rowY(2) + 6, kText);
    EXPECT_GE(left, 24);
    EXPECT_LE(left, 27);

    // The header box follows headerChecked.
    QImage header = m_view.horizontalHeader()->grab().toImage();
    EXPECT_TRUE(hasColorIn(header, QRect(0, 0, 30, 30), QColor(Qt::magenta), 2));
    m_view.getImpl()->headerChecked = true;
    header = m_view.horizontalHeader()->grab().toImage();
    EXPECT_TRUE(hasColorIn(header, QRect(0, 0, 30, 30), QColor(Qt::cyan), 2));
    EXPECT_FALSE(hasColorIn(header, QRect(30, 0, 390, 30), QColor(Qt::cyan), 2));
}

TEST_F(TableViewPaint, HeaderIsThemedAndAligned)
{
    m_model->setHorizontalHeaderLabels({"A", "B", "C"});
    m_model->setHeaderData(1, Qt::Horizontal, int(Qt::AlignRight | Qt::AlignVCenter), Qt::TextAlignmentRole);
    TestUtil::flushEvents();
    const QImage header = m_view.horizontalHeader()->grab().toImage();
    EXPECT_EQ(header.pixelColor(60, 3), kHeader);
    EXPECT_EQ(header.pixelColor(header.width() - 3, 3), kHeader); // past the sections too
    // Section 0 left-aligned, section 1 right-aligned.
    EXPECT_TRUE(hasColorIn(header, QRect(0, 0, 20, 30), kText, 60));
    EXPECT_FALSE(hasColorIn(header, QRect(130, 0, 90, 30), kText, 60));
    EXPECT_TRUE(hasColorIn(header, QRect(235, 0, 25, 30), kText, 60));
}

TEST_F(TableViewPaint, IconsBesideLeftAlignedAndCentredText)
{
    m_model->item(0, 1)->setData(m_icon, CellIconRole);
    m_model->item(1, 1)->setData(m_icon, CellIconRole);
    m_model->item(1, 1)->setData(int(Qt::AlignCenter), Qt::TextAlignmentRole);
    m_model->item(2, 1)->setData(m_icon, CellIconRole);
    m_model->item(2, 1)->setText(QString());
    m_model->item(2, 1)->setData(int(Qt::AlignCenter), Qt::TextAlignmentRole);
    const QImage img = grab();
    const QRect cell0 = m_view.visualRect(m_model->index(0, 1));

    // Left-aligned: a fixed slot of 10 + 10 px, the icon centred in it.
    const int iconLeft = leftmostColor(img, rowY(0) - 6, rowY(0) + 6, kIcon, 2);
    EXPECT_EQ(iconLeft, cell0.left() + 2 + 5);
    const int textLeft = leftmostColor(img.copy(cell0), 9, 21, kText);
    EXPECT_GE(textLeft, 2 + 20);
    EXPECT_LE(textLeft, 2 + 20 + 3);

    // Centred: icon, 6 px and text centred together in the text rectangle.
    const TextStyleDesc style = m_view.getItemTextStyle(0);
    const int t = int(std::ceil(QFontMetricsF(CVNQWidgetBaseImpl::fontForStyle(style)).horizontalAdvance("1 1"))) + 2;
    const int W = 130 - 4;
    const int x0 = cell0.left() + 2 + (W - (t + 10 + 6)) / 2;
    EXPECT_EQ(leftmostColor(img, rowY(1) - 6, rowY(1) + 6, kIcon, 2), x0);
    const QRect cell1 = m_view.visualRect(m_model->index(1, 1));
    const int centredText = leftmostColor(img.copy(cell1), 9, 21, kText);
    EXPECT_GE(centredText + cell1.left(), x0 + 16);
    // Without text there is no gap; the empty text still counts 2 px.
    EXPECT_EQ(leftmostColor(img, rowY(2) - 6, rowY(2) + 6, kIcon, 2), cell0.left() + 2 + (W - (2 + 10)) / 2);

    // Beside a check box the group is centred in the room the box leaves,
    // as a text alone is, and never runs under the box.
    m_view.setCheckstyle(true);
    m_view.setColumnWidth(0, 60);
    m_model->item(0, 0)->setData(m_icon, CellIconRole);
    m_model->item(0, 0)->setText("0 0 0");
    m_model->item(0, 0)->setData(int(Qt::AlignCenter), Qt::TextAlignmentRole);
    const QImage boxed = grab();
    const int room = 60 - 4 - 34;
    const int groupLeft = leftmostColor(boxed, rowY(0) - 6, rowY(0) + 6, kIcon, 2);
    EXPECT_GE(groupLeft, 2 + 34);
    EXPECT_LE(groupLeft, 2 + 34 + room);
}

TEST_F(TableViewPaint, TemplateColumnsStampTheirControlsUntilTheContainerGoes)
{
    QWidget owner;
    auto* container = new CVNQContainer(&owner);
    container->setDrawBackground(false);
    container->setChildLayout(CVNQContainer::Horizontal);
    container->setChildPadding(40, 5, 0, 5);
    auto* button = new CVNQPushButton;
    button->setObjectName("go");
    button->setBackground(CtrlStateAll, fill("pt_btn", kButton));
    button->setFixedSize(50, 20);
    button->setWidthPolicy(1);
    container->addChildWidget(button, 0);
    m_model->item(0, 2)->setData(m_icon, CellIconRole);
    m_view.setColumnWidget(2, container);

    QImage img = grab();
    for (int row = 0; row < 5; ++row) {
        const QRect cell = m_view.visualRect(m_model->index(row, 2));
        EXPECT_TRUE(hasColorIn(img, QRect(cell.left() + 45, cell.top() + 10, 20, 10), kButton, 2)) << row;
        EXPECT_FALSE(hasColorIn(img, QRect(cell.left(), cell.top(), 38, cell.height()), kButton, 2)) << row;
    }
    // Cell text is still drawn; the template column draws no icon.
    EXPECT_TRUE(hasColorIn(img, m_view.visualRect(m_model->index(0, 2)), kText, 60));
    EXPECT_FALSE(hasColorIn(img, m_view.visualRect(m_model->index(0, 2)), kIcon, 2));
    EXPECT_TRUE(container->isHidden());

    // Controls marked as not drawn in item views are left out; hidden ones
    // are stamped like the rest.
    button->setDelegateItemVisible(false);
    m_view.viewport()->update(); // the stamped control's flags are not the view's
    EXPECT_FALSE(hasColorIn(grab(), QRect(260, 0, 130, 150), kButton, 2));
    button->setDelegateItemVisible(true);
    button->hide();
    m_view.viewport()->update();
    EXPECT_TRUE(hasColorIn(grab(), QRect(260, 0, 130, 150), kButton, 2));
    button->show();
    // The root is stamped too, under its controls.
    container->setDrawBackground(true);
    container->setBackground(fill("pt_box", QColor(0xC0, 0xC0, 0x00)));
    m_view.viewport()->update();
    img = grab();
    for (int row = 0; row < 5; ++row) {
        const QRect cell = m_view.visualRect(m_model->index(row, 2));
        EXPECT_TRUE(hasColorIn(img, QRect(cell.left(), cell.top(), 38, cell.height()), QColor(0xC0, 0xC0, 0), 2))
            << row;
    }

    // The container's owner deletes it: nothing is stamped, nothing breaks,
    // and the column draws its icons again like any other.
    delete container;
    img = grab();
    EXPECT_FALSE(hasColorIn(img, img.rect(), kButton, 2));
    EXPECT_TRUE(hasColorIn(img, m_view.visualRect(m_model->index(0, 2)), kText, 60));
    EXPECT_TRUE(hasColorIn(img, m_view.visualRect(m_model->index(0, 2)), kIcon, 2));
}

// A change report repaints the shown cells whose contents changed, and only
// them; what the grid shows afterwards is the new text.
TEST_F(TableViewPaint, ChangeReportRepaintsOnlyChangedCells)
{
    struct PaintRegions : QObject
    {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                painted += static_cast<QPaintEvent*>(e)->region();
            return false;
        }
    } spy;
    m_view.viewport()->installEventFilter(&spy);
    auto flush = [&] {
        spy.painted = QRegion();
        QCoreApplication::processEvents();
    };
    flush();

    // Everything reported, nothing changed: nothing repaints.
    emit m_model->dataChanged(m_model->index(0, 0), m_model->index(19, 2));
    flush();
    EXPECT_TRUE(spy.painted.isEmpty());

    // Two cells change under one report for the whole block.
    {
        const QSignalBlocker block(m_model);
        m_model->item(1, 1)->setText(QStringLiteral("changed"));
        m_model->item(3, 2)->setText(QStringLiteral("also"));
    }
    spy.painted = QRegion();
    emit m_model->dataChanged(m_model->index(0, 0), m_model->index(19, 2));
    QCoreApplication::processEvents();
    const QRegion cells = QRegion(m_view.visualRect(m_model->index(1, 1))) + m_view.visualRect(m_model->index(3, 2));
    EXPECT_EQ(spy.painted, cells);

    // The icon and the check state count as contents too.
    m_model->item(2, 0)->setData(m_icon, CellIconRole);
    flush();
    EXPECT_EQ(spy.painted, QRegion(m_view.visualRect(m_model->index(2, 0))));

    // A cell drawn by a delegate of its own, its row's or its column's, may
    // show more than its data: every report repaints it, changed or not.
    QStyledItemDelegate own;
    m_view.setItemDelegateForRow(4, &own);
    m_view.setItemDelegateForColumn(2, &own);
    TestUtil::flushEvents();
    flush();
    emit m_model->dataChanged(m_model->index(0, 0), m_model->index(19, 2));
    QCoreApplication::processEvents();
    QRegion owned;
    for (int r = 0; r < 20; ++r)
        owned += m_view.visualRect(m_model->index(r, 2));
    for (int c = 0; c < 3; ++c)
        owned += m_view.visualRect(m_model->index(4, c));
    EXPECT_EQ(spy.painted, owned & m_view.viewport()->rect());
    m_view.setItemDelegateForRow(4, nullptr);
    m_view.setItemDelegateForColumn(2, nullptr);
    m_view.removeEventFilter(&spy);

    const QImage shown = grab();
    const QRect changed = m_view.visualRect(m_model->index(1, 1));
    EXPECT_TRUE(hasColorIn(shown, changed, kText, 60));
}

// The last row shown (in part), the last column and the last header section show their changes as
// the first ones do, and hold their texts when the whole view is repainted.
TEST_F(TableViewPaint, LastRowColumnAndSectionShowTheirChanges)
{
    m_view.resize(420, 287);
    TestUtil::flushEvents();
    const int lastShown = m_view.rowAt(m_view.viewport()->height() - 1);
    ASSERT_GT(lastShown, 1);
    ASSERT_GT(m_view.rowViewportPosition(lastShown) + m_view.rowHeight(lastShown), m_view.viewport()->height());
    QHeaderView* header = m_view.horizontalHeader();
    const auto section = [header](int c) {
        return QRect(header->sectionViewportPosition(c), 0, header->sectionSize(c), header->height());
    };
    for (const QPoint cell : {QPoint(0, 0), QPoint(2, lastShown - 1), QPoint(2, lastShown), QPoint(0, lastShown)}) {
        m_model->blockSignals(true);
        m_model->item(cell.y(), cell.x())->setText(QStringLiteral("changed %1 %2").arg(cell.x()).arg(cell.y()));
        m_model->setHeaderData(cell.x(), Qt::Horizontal, QStringLiteral("head %1").arg(cell.y()));
        m_model->blockSignals(false);
        emit m_model->dataChanged(m_model->index(0, 0), m_model->index(19, 2)); // one report for the whole model
        header->viewport()->update(section(cell.x()));
        EXPECT_TRUE(TestUtil::screenIsCurrent(&m_view)) << "row " << cell.y() << " column " << cell.x();
    }
    header->viewport()->update();
    m_view.viewport()->update();
    const QImage heads = TestUtil::screenShot(header->viewport());
    const QImage cells = TestUtil::screenShot(m_view.viewport());
    for (int c = 0; c < 3; ++c) {
        EXPECT_TRUE(hasColorIn(heads, section(c), kText, 60)) << "section " << c;
        for (int r = 0; r <= lastShown; ++r)
            EXPECT_TRUE(hasColorIn(cells, m_view.visualRect(m_model->index(r, c)), kText, 60))
                << "row " << r << " column " << c;
    }
}
