// Painting the data grid: one visible page of rows must cost the same over
// 1,000 and 100,000 rows, also while scrolling; with a check-box column,
// icons and a template column of two buttons.

#include "CVNQContainer.h"
#include "CVNQPushButton.h"
#include "CVNQResourceManager.h"
#include "CVNQTableView.h"
#include "CVNQtLib.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace CVNQtLib;

namespace table_bench {

// Rows computed on request, so only painting is measured.
class RowsModel : public QAbstractTableModel
{
public:
    RowsModel(int rows, QString icon)
        : m_rows(rows)
        , m_icon(std::move(icon))
    {}
    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : 5; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        switch (role) {
        case Qt::DisplayRole: return QStringLiteral("WT-%1 / %2").arg(index.row()).arg(index.column());
        case Qt::CheckStateRole: return index.column() == 0 ? QVariant(index.row() % 3 == 0) : QVariant();
        case Qt::TextAlignmentRole: return index.column() == 2 ? QVariant(int(Qt::AlignCenter)) : QVariant();
        case CellIconRole: return index.column() == 2 ? QVariant(m_icon) : QVariant();
        default: return QVariant();
        }
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (role == Qt::DisplayRole && o == Qt::Horizontal)
            return QStringLiteral("Column %1").arg(section);
        return QVariant();
    }

private:
    int m_rows;
    QString m_icon;
};

FillStyle colour(const char* name, QColor c)
{
    FillStyle s;
    s.name = QString::fromLatin1(name);
    s.fill.clr = c;
    return s;
}

struct Grid
{
    QTemporaryDir dir;
    QWidget templateOwner;
    CVNQTableView view;
    RowsModel* model = nullptr;
    QImage target;

    explicit Grid(int rows)
    {
        CVNQtLib::init();
        QImage icon(14, 14, QImage::Format_ARGB32);
        icon.fill(QColor(0x2E, 0xCC, 0x71));
        icon.save(dir.filePath("icon.png"));
        model = new RowsModel(rows, dir.filePath("icon.png"));
        model->setParent(&view);

        view.resize(900, 640);
        view.setBackground(0, colour("b_bg", QColor(0x12, 0x1A, 0x24)));
        view.setItemBackground(CtrlStateAll, colour("b_row", QColor(0x17, 0x21, 0x2E)));
        view.setItemBackground(CtrlStatePressed, colour("b_sel", QColor(0x1F, 0x4E, 0x79)));
        TextStyleDesc t;
        t.clr = QColor(0xD8, 0xE2, 0xEC);
        view.setItemTextStyle(CtrlStateAll, t);
        view.setHeaderBackground(CtrlStateAll, colour("b_head", QColor(0x0D, 0x13, 0x1B)));
        view.setItemHeight(34);
        view.setCheckstyle(true);
        view.setModel(model);
        for (int c = 0; c < 5; ++c)
            view.setColumnWidth(c, 170);

        auto* actions = new CVNQContainer(&templateOwner);
        actions->setDrawBackground(false);
        // Laid out for every cell, as a real template column is.
        actions->setChildLayout(CVNQContainer::Horizontal);
        actions->setChildSpace(6);
        actions->setChildPadding(6, 5, 6, 5);
        for (const char* name : {"edit", "remove"}) {
            auto* b = new CVNQPushButton;
            b->setObjectName(QString::fromLatin1(name));
            b->setText(QString::fromLatin1(name));
            b->setBackground(CtrlStateAll, colour("b_btn", QColor(0x2E, 0x3B, 0x4E)));
            b->setFixedSize(60, 24);
            b->setWidthPolicy(1);
            actions->addChildWidget(b, 0);
        }
        view.setColumnWidget(4, actions);
        view.setAttribute(Qt::WA_DontShowOnScreen);
        view.show();
        view.selectRow(1);
        target = QImage(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    }

    void paint()
    {
        view.viewport()->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    int visibleRows() const { return view.viewport()->height() / 34 + 1; }
};

void BM_TablePaintPage(benchmark::State& state)
{
    Grid grid(int(state.range(0)));
    QScrollBar* bar = grid.view.verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    for (auto _ : state)
        grid.paint();
    state.SetItemsProcessed(state.iterations() * grid.visibleRows());
}

void BM_TableScrollAndPaint(benchmark::State& state)
{
    Grid grid(int(state.range(0)));
    QScrollBar* bar = grid.view.verticalScrollBar();
    const int step = 97; // a few rows and a part of one, per step
    int value = 0;
    for (auto _ : state) {
        value = (value + step) % (bar->maximum() + 1);
        bar->setValue(value);
        grid.paint();
    }
    state.SetItemsProcessed(state.iterations() * grid.visibleRows());
}

} // namespace table_bench

BENCHMARK(table_bench::BM_TablePaintPage)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(table_bench::BM_TableScrollAndPaint)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
