// Line chart: category count, value range and label steps, plot and
// legend layout, hover in item and axis mode with their tooltips, legend
// clicks, the intro animation and guards against empty or broken data.

#include "CVNQLineChart.h"
#include "CVNQLineChartImpl.h"
#include "ChartFixture.h"

#include <QPainterPath>
#include <QtMath>
#include <gtest/gtest.h>
#include <set>
#include <limits>

using namespace CVNQtLib;

namespace {

struct Chart : ChartFixture<CVNQLineChart, CVNQLineChartImpl>
{
    explicit Chart(QSize size = QSize(800, 500))
        : ChartFixture(size)
    {}
    ChartCategoryFrame frame() const { return impl->frame(widget.size()); }
};

ChartSeries series(const QString& name, const QVector<double>& values)
{
    ChartSeries s;
    s.name = name;
    s.values = values;
    return s;
}

} // namespace

TEST(LineChart, DemonstrationContent)
{
    Chart c;
    EXPECT_EQ(c.impl->title(), "Basic Line Chart");
    EXPECT_EQ(c.impl->categories().size(), 7);
    ASSERT_EQ(c.widget.series().size(), 1);
    EXPECT_EQ(c.widget.series().first().name, "Data");
    EXPECT_EQ(c.widget.series().first().values.last(), 260);
    EXPECT_EQ(c.impl->tooltipMode(), 0);
    EXPECT_FALSE(c.impl->tooltipEnabled());
    EXPECT_EQ(c.widget.minimumSize(), QSize(420, 260));
    EXPECT_EQ(c.widget.getTypeName(), "qtlinechart");
}

TEST(LineChart, EmptyChartShowsTheUnitRange)
{
    Chart c;
    c.widget.setSeries({});
    c.widget.setCategories({});
    const ChartCategoryFrame f = c.frame();
    EXPECT_EQ(f.count, 1);
    EXPECT_EQ(f.first, 0);
    EXPECT_EQ(f.last, 0);
    EXPECT_EQ(f.lo, 0.0);
    EXPECT_EQ(f.hi, 1.0);
    // Without series the legend takes no room: bottom inset 42 whatever the position.
    EXPECT_EQ(f.plot, QRectF(56, 48, 800 - 40 - 56, 500 - 42 - 48));
    c.widget.setLegendPosition(0);
    EXPECT_EQ(c.frame().plot.top(), 48);
    EXPECT_EQ(c.impl->categoryLabel(0), "Item 1");
    EXPECT_TRUE(c.impl->legendItems(f.plot, c.widget.size()).isEmpty());
}

TEST(LineChart, ValueRanges)
{
    Chart c;
    c.widget.setSeries({series("a", {5, 5, 5})});
    ChartCategoryFrame f = c.frame();
    EXPECT_DOUBLE_EQ(f.lo, 0.0);
    EXPECT_DOUBLE_EQ(f.hi, 6.16);

    c.widget.setSeries({series("a", {-10, 30}), series("b", {0, 12})});
    f = c.frame();
    EXPECT_DOUBLE_EQ(f.lo, -12.0);
    EXPECT_DOUBLE_EQ(f.hi, 33.2);

    // Hidden series take no part; all-zero values widen around zero.
    c.widget.setSeriesVisible(0, false);
    f = c.frame();
    EXPECT_DOUBLE_EQ(f.lo, -0.6);
    EXPECT_DOUBLE_EQ(f.hi, 12 + 0.96);
    c.widget.setSeries({series("z", {0, 0})});
    f = c.frame();
    EXPECT_DOUBLE_EQ(f.lo, -1.1);
    EXPECT_DOUBLE_EQ(f.hi, 1.16);
    EXPECT_GT(f.span, 0.0);
}

TEST(LineChart, CategoryCountAndLabels)
{
    Chart c;
    c.widget.setCategories({"a", "b"});
    ChartSeries hidden = series("long", QVector<double>(9, 1.0));
    hidden.visible = false;
    c.widget.setSeries({series("s", {1, 2, 3, 4}), hidden});
    EXPECT_EQ(c.impl->categoryCount(), 4);
    EXPECT_EQ(c.impl->categoryLabel(1), "b");
    EXPECT_EQ(c.impl->categoryLabel(3), "Item 4");
    EXPECT_EQ(c.impl->categoryLabel(-1), "Item 0");

    EXPECT_EQ(CVNQLineChartImpl::labelStep(30, 600), 4);
    EXPECT_EQ(CVNQLineChartImpl::labelStep(1, 600), 1);
    EXPECT_EQ(CVNQLineChartImpl::labelStep(7, 600), 1);
    EXPECT_EQ(CVNQLineChartImpl::labelStep(30, 1), 15);
}

TEST(LineChart, PointPositionsAndAnimation)
{
    Chart c;
    c.widget.setCategories({"only"});
    c.widget.setSeries({series("s", {3})});
    ChartCategoryFrame f = c.frame();
    EXPECT_DOUBLE_EQ(c.impl->pointPos(f, 0, 3).x(), f.plot.left());

    c.widget.setSeries({series("s", {0, 10, 20})});
    f = c.frame();
    EXPECT_DOUBLE_EQ(c.impl->pointPos(f, 2, 0).x(), f.plot.right());
    EXPECT_DOUBLE_EQ(c.impl->pointPos(f, 1, f.lo).y(), f.plot.bottom());
    EXPECT_DOUBLE_EQ(c.impl->pointPos(f, 1, f.hi).y(), f.plot.top());

    // Points rise from the floor one after another.
    EXPECT_DOUBLE_EQ(CVNQLineChartImpl::animatedValue(10, 0, 3, -2, 0.0), -2.0);
    EXPECT_DOUBLE_EQ(CVNQLineChartImpl::animatedValue(10, 2, 3, -2, 1.0), 10.0);
    const double early = CVNQLineChartImpl::animatedValue(10, 0, 3, 0, 0.3);
    const double late = CVNQLineChartImpl::animatedValue(10, 2, 3, 0, 0.3);
    EXPECT_GT(early, late);
    EXPECT_DOUBLE_EQ(late, 0.0);
    EXPECT_DOUBLE_EQ(CVNQLineChartImpl::animatedValue(8, 0, 1, 0, 0.5), 4.0);
    // Half-way through, the first of three is up and the last only starts.
    EXPECT_DOUBLE_EQ(CVNQLineChartImpl::animatedValue(10, 0, 3, 0, 0.5), 10.0);
    EXPECT_DOUBLE_EQ(CVNQLineChartImpl::animatedValue(10, 2, 3, 0, 0.5), 0.0);
}

TEST(LineChart, SmoothPathsBendThroughEveryPoint)
{
    // Each segment P1-P2 is a cubic with controls P1 + (P2 - P0) k and
    // P2 - (P3 - P1) k; P0 is P1 itself at the start, P3 is P2 at the end.
    const QVector<QPointF> p = {{0, 0}, {10, 20}, {20, 0}, {30, 10}};
    const double k = 0.85 / 6;
    const QPainterPath path = CVNQLineChartImpl::linePath(p, true);
    const QVector<QPointF> expected = {
        p[0],
        p[0] + (p[1] - p[0]) * k,
        p[1] - (p[2] - p[0]) * k,
        p[1], // first segment
        p[1] + (p[2] - p[0]) * k,
        p[2] - (p[3] - p[1]) * k,
        p[2], // middle
        p[2] + (p[3] - p[1]) * k,
        p[3] - (p[3] - p[2]) * k,
        p[3], // last
    };
    ASSERT_EQ(path.elementCount(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(path.elementAt(i).x, expected.at(i).x(), 1e-9) << i;
        EXPECT_NEAR(path.elementAt(i).y, expected.at(i).y(), 1e-9) << i;
    }
    EXPECT_TRUE(path.elementAt(1).isCurveTo());

    // Two points, or smoothing off: straight lines.
    const QPainterPath two = CVNQLineChartImpl::linePath(p.mid(0, 2), true);
    ASSERT_EQ(two.elementCount(), 2);
    EXPECT_TRUE(two.elementAt(1).isLineTo());
    EXPECT_EQ(CVNQLineChartImpl::linePath(p, false).elementCount(), 4);
}

TEST(LineChart, PlotRectMakesRoomForTheLegend)
{
    Chart c;
    const QSize size = c.widget.size();
    c.widget.setLegendPosition(0);
    EXPECT_EQ(c.impl->plotRect(size), QRectF(56, 88, 800 - 40 - 56, 500 - 42 - 88));
    c.widget.setLegendPosition(1);
    EXPECT_EQ(c.impl->plotRect(size), QRectF(56, 48, 800 - 216 - 56, 500 - 42 - 48));
    c.widget.setLegendPosition(3);
    EXPECT_EQ(c.impl->plotRect(size), QRectF(232, 48, 800 - 40 - 232, 500 - 42 - 48));
    c.widget.setLegendPosition(2);
    const QRectF bottom = c.impl->plotRect(size);
    EXPECT_EQ(bottom, QRectF(56, 48, 800 - 40 - 56, 500 - 76 - 48));
    c.widget.setLegendPosition(9);
    EXPECT_EQ(c.impl->plotRect(size), bottom);
    // A tiny widget still gets a plot of at least 1 x 1.
    EXPECT_EQ(c.impl->plotRect(QSize(10, 10)).size(), QSizeF(1, 1));
}

TEST(LineChart, LegendLayout)
{
    Chart c(QSize(420, 400));
    c.widget.setSeries(
        {series("First series with a long name", {1}), series("", {2}), series("Third series, long name too", {3})});
    QRectF plot = c.impl->plotRect(c.widget.size());
    QVector<ChartLegendItem> items = c.impl->legendItems(plot, c.widget.size());
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items.at(1).label, "Series 2");
    EXPECT_EQ(items.at(0).rect.topLeft(), QPointF(plot.left(), plot.bottom() + 34));
    EXPECT_EQ(items.at(0).rect.height(), 18);
    EXPECT_EQ(items.at(1).rect.left(), items.at(0).rect.right() + 10);
    // The third does not fit in the row and wraps to the left edge, 24 px lower.
    EXPECT_EQ(items.at(2).rect.left(), plot.left());
    EXPECT_EQ(items.at(2).rect.top(), items.at(0).rect.top() + 24);
    EXPECT_EQ(items.at(0).color, QColor(84, 112, 198));

    c.widget.setLegendPosition(1);
    plot = c.impl->plotRect(c.widget.size());
    items = c.impl->legendItems(plot, c.widget.size());
    EXPECT_EQ(items.at(0).rect, QRectF(plot.right() + 20, plot.top(), qMax(420 - plot.right() - 28, 96.0) - 6, 18));
    EXPECT_EQ(items.at(2).rect.top(), plot.top() + 2 * 26);
}

TEST(LineChart, LegendClickTogglesASeries)
{
    Chart c;
    c.widget.setSeries({series("a", {1, 2, 3}), series("b", {3, 2, 1})});
    const QVector<ChartLegendItem> items = c.impl->legendItems(c.impl->plotRect(c.widget.size()), c.widget.size());
    const QPoint onSecond = items.at(1).rect.center().toPoint();
    EXPECT_TRUE(c.press(onSecond));
    EXPECT_FALSE(c.widget.series().at(1).visible);
    // The hidden entry stays in the legend.
    EXPECT_EQ(c.impl->legendItems(c.impl->plotRect(c.widget.size()), c.widget.size()).size(), 2);
    EXPECT_TRUE(c.press(onSecond));
    EXPECT_TRUE(c.widget.series().at(1).visible);
    EXPECT_FALSE(c.press(QPoint(5, 5)));
}

TEST(LineChart, HoverInItemMode)
{
    Chart c;
    c.widget.setCategories({"Mon", "Tue", "Wed"});
    // Two series with equal values: the earlier series wins the tie.
    c.widget.setSeries({series("first", {10, 20, 30}), series("second", {10, 20, 30})});
    c.widget.setTooltipMode(1);
    c.widget.setTooltipEnabled(true);
    const ChartCategoryFrame f = c.frame();
    const QPointF p = c.impl->pointPos(f, 1, 20);

    c.move((p + QPointF(3, 4)).toPoint());
    EXPECT_TRUE(c.impl->hoverActive());
    EXPECT_EQ(c.impl->hoverIndex(), 1);
    EXPECT_EQ(c.impl->hoverSeries(), 0);
    EXPECT_EQ(c.widget.tooltipText(), "first\nTue: 20");

    // More than 14 px from every point: nothing.
    c.move((p + QPointF(0, 30)).toPoint());
    EXPECT_FALSE(c.impl->hoverActive());
    EXPECT_TRUE(c.widget.tooltipText().isEmpty());

    // Without tooltips the point is still tracked.
    c.widget.setTooltipEnabled(false);
    c.move(p.toPoint());
    EXPECT_TRUE(c.impl->hoverActive());
    EXPECT_TRUE(c.widget.tooltipText().isEmpty());

    // Leaving clears it.
    c.leave();
    EXPECT_FALSE(c.impl->hoverActive());
    EXPECT_EQ(c.impl->hoverIndex(), -1);
}

TEST(LineChart, HoverInAxisMode)
{
    Chart c;
    c.widget.setCategories({"Mon", "Tue", "Wed", "Thu"});
    ChartSeries hidden = series("hidden", {1, 1, 1, 1});
    hidden.visible = false;
    c.widget.setSeries({series("", {1, 2.5, 3, 4}), series("short", {7}), hidden});
    c.widget.setTooltipMode(2);
    c.widget.setTooltipEnabled(true);
    const ChartCategoryFrame f = c.frame();

    c.move(QPoint(int(f.plot.left() + f.plot.width() * 0.3), int(f.plot.center().y())));
    EXPECT_EQ(c.impl->hoverIndex(), 1);
    EXPECT_EQ(c.impl->hoverSeries(), -1);
    EXPECT_EQ(c.widget.tooltipText(), "Tue\nSeries: 2.5");

    c.move(QPoint(int(f.plot.left() + 2), int(f.plot.center().y())));
    EXPECT_EQ(c.widget.tooltipText(), "Mon\nSeries: 1\nshort: 7");
    // Across the whole plot the nearest category is hovered, the last one too.
    std::set<int> hovered;
    for (int x = int(f.plot.left()) + 1; x < f.plot.right(); x += 3) {
        const double at = (x - f.plot.left()) * (f.last - f.first) / f.plot.width();
        if (qAbs(at - qFloor(at) - 0.5) < 0.05)
            continue; // halfway: either neighbour
        c.move(QPoint(x, int(f.plot.center().y())));
        EXPECT_EQ(c.impl->hoverIndex(), f.first + qRound(at)) << x;
        hovered.insert(c.impl->hoverIndex());
    }
    EXPECT_EQ(hovered, (std::set<int>{0, 1, 2, 3}));

    // Outside the plot nothing is hovered.
    c.move(QPoint(5, 5));
    EXPECT_FALSE(c.impl->hoverActive());

    // Mode 0 never tracks, whatever hoverEnabled says.
    c.widget.setTooltipMode(0);
    c.widget.setHoverEnabled(true);
    c.move(f.plot.center().toPoint());
    EXPECT_FALSE(c.impl->hoverActive());

    // Switching hover off clears an active target.
    c.widget.setTooltipMode(2);
    c.move(f.plot.center().toPoint());
    ASSERT_TRUE(c.impl->hoverActive());
    c.widget.setHoverEnabled(false);
    EXPECT_FALSE(c.impl->hoverActive());
    EXPECT_TRUE(c.widget.tooltipText().isEmpty());
}

TEST(LineChart, LineWidthRule)
{
    // 0.5 is drawn 1.0 wide; 0 takes the theme's width (2.0).
    auto render = [](double width) {
        Chart c(QSize(500, 300));
        ChartSeries s = series("s", {1, 3, 2, 5});
        s.lineWidth = width;
        s.showSymbols = false;
        c.widget.setSeries({s});
        return c.render();
    };
    EXPECT_EQ(render(0.5), render(1.0));
    EXPECT_EQ(render(0.0), render(2.0));
    EXPECT_NE(render(1.0), render(2.0));
}

TEST(LineChart, GuardsEmptySingleEqualAndBrokenData)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QVector<QVector<double>> cases = {{}, {7}, {4, 4, 4}, {nan, 2, inf, 3}, {nan}, {-inf, inf}, {-1e308, 1e308}};
    // A dense series holding the largest double among ordinary values.
    cases << QVector<double>(600, -5.0);
    cases.last()[300] = std::numeric_limits<double>::max();
    for (const QVector<double>& values : cases) {
        for (bool area : {false, true}) {
            Chart c;
            ChartSeries s = series("s", values);
            s.area = area;
            s.smooth = true;
            c.widget.setSeries({s});
            c.widget.setTooltipMode(1);
            c.widget.setTooltipEnabled(true);
            const ChartCategoryFrame f = c.frame();
            EXPECT_TRUE(qIsFinite(f.lo) && qIsFinite(f.hi) && f.span > 0);
            for (const QPointF& p : c.impl->seriesPoints(f, s))
                EXPECT_TRUE(qIsFinite(p.x()) && qIsFinite(p.y()));
            c.move(f.plot.center().toPoint());
            EXPECT_FALSE(c.widget.tooltipText().contains("nan"));
            // The surface's clear paints the background; the plot is painted.
            const QImage image = c.render();
            EXPECT_EQ(QColor(image.pixel(int(f.plot.left()) + 3, int(f.plot.top()) + 5)), QColor(255, 255, 255));
            ChartPaintProbe probe(c.widget.size());
            c.probe(probe);
            EXPECT_EQ(probe.badCoordinates(), 0);
        }
    }
}

TEST(LineChart, RendersSeriesAreaAndHover)
{
    Chart c(QSize(600, 400));
    ChartSeries s = series("s", {10, 40, 20, 30});
    s.color = QColor(200, 30, 30);
    s.area = true;
    c.widget.setSeries({s});
    c.widget.setTooltipMode(2);
    c.widget.setTooltipEnabled(true);
    const ChartCategoryFrame f = c.frame();
    c.move(c.impl->pointPos(f, 1, 40).toPoint() + QPoint(0, 60));
    const QImage image = c.render();
    // The line in its colour, the area as a light tint of it just above the axis.
    bool lineFound = false;
    for (int y = int(f.plot.top()); y < int(f.plot.bottom()) && !lineFound; ++y)
        lineFound = QColor(image.pixel(int(f.plot.left() + f.plot.width() / 6), y)) == QColor(200, 30, 30);
    EXPECT_TRUE(lineFound);
    const QColor outside(image.pixel(int(f.plot.right()) - 3, int(f.plot.bottom()) - 3));
    EXPECT_EQ(outside, QColor(255, 255, 255));
    const QColor tint(image.pixel(int(c.impl->pointPos(f, 1, 0).x()) + 20, int(f.plot.bottom()) - 3));
    EXPECT_GT(tint.red(), 220);
    EXPECT_LT(tint.green(), 230);
    EXPECT_FALSE(c.widget.tooltipText().isEmpty());
}

TEST(LineChart, HiddenSeriesLegendEntryLooksFainterOnLightAndDarkThemes)
{
    // How far the legend text of an entry stands out from the background.
    auto contrast = [](const QImage& image, const QRectF& entry, const QColor& background) {
        int best = 0;
        for (int y = int(entry.top()); y < int(entry.bottom()); ++y)
            for (int x = int(entry.left()) + 18; x < int(entry.right()); ++x)
                best = qMax(best, qAbs(QColor(image.pixel(x, y)).lightness() - background.lightness()));
        return best;
    };
    for (int preset : {0, 3}) {
        Chart c(QSize(640, 400));
        c.widget.setTheme(preset);
        c.widget.setLegendPosition(1);
        ChartSeries hidden = series("Shown series", {1, 2});
        hidden.visible = false;
        c.widget.setSeries({series("Shown series", {2, 1}), hidden});
        c.underlay = c.widget.backgroundColor();
        const QImage image = c.render();
        const QVector<ChartLegendItem> items = c.impl->legendItems(c.impl->plotRect(c.widget.size()), c.widget.size());
        const int shown = contrast(image, items.at(0).rect, c.underlay);
        const int faint = contrast(image, items.at(1).rect, c.underlay);
        EXPECT_GT(faint, 0) << preset;
        EXPECT_LT(faint, shown) << preset;
    }
}
