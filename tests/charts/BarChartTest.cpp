// Bar chart: category count and value range (zero always inside it), the
// geometry of grouped bars, legend clicks, hover in bar and category mode
// with their tooltips, the intro animation, rendered colours and guards
// against empty or broken data.

#include "CVNQBarChart.h"
#include "CVNQBarChartImpl.h"
#include "ChartFixture.h"
#include "TestUtil.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <limits>

using namespace CVNQtLib;

namespace {

struct Bars : ChartFixture<CVNQBarChart, CVNQBarChartImpl>
{
    explicit Bars(QSize size = QSize(800, 500))
        : ChartFixture(size, Qt::white)
    {}
    BarChartFrame frame() const { return impl->frame(widget.size()); }
    QVector<BarItem> bars() const { return impl->bars(frame()); }
    QRectF legendRect(int index) const
    {
        const QRectF plot = impl->plotRect(widget.size());
        return impl->legendItems(plot, widget.size()).at(index).rect;
    }
};

BarSeries bar(const QString& name, const QVector<double>& values, bool visible = true)
{
    BarSeries s;
    s.name = name;
    s.values = values;
    s.visible = visible;
    return s;
}

} // namespace

TEST(BarChart, DemonstrationContent)
{
    Bars c;
    EXPECT_EQ(c.impl->title(), "Basic Bar Chart");
    EXPECT_EQ(c.impl->categories(), QStringList({"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}));
    ASSERT_EQ(c.widget.series().size(), 1);
    EXPECT_EQ(c.widget.series().first().name, "Data");
    EXPECT_EQ(c.widget.series().first().values, QVector<double>({120, 200, 150, 80, 70, 110, 130}));
    EXPECT_FALSE(c.widget.series().first().color.isValid());
    EXPECT_EQ(c.widget.minimumSize(), QSize(420, 260));
    EXPECT_TRUE(c.widget.hasMouseTracking());
    EXPECT_EQ(c.widget.getTypeName(), "qtbarchart");

    // As constructed the chart tracks no hover: no highlight, no tooltip.
    c.move(c.bars().at(1).rect.center());
    EXPECT_FALSE(c.impl->hoverActive());
    EXPECT_TRUE(c.widget.tooltipText().isEmpty());
}

TEST(BarChart, EmptyChartDrawsTheUnitRange)
{
    Bars c;
    c.widget.setCategories({});
    c.widget.setSeries({});
    const BarChartFrame f = c.frame();
    EXPECT_EQ(f.count, 1);
    EXPECT_EQ(f.lo, 0.0);
    EXPECT_EQ(f.hi, 1.0);
    // No series: the legend takes no room whatever its position.
    EXPECT_EQ(f.plot, QRectF(56, 48, 800 - 40 - 56, 500 - 42 - 48));
    c.widget.setLegendPosition(1);
    EXPECT_EQ(c.frame().plot, f.plot);
    EXPECT_TRUE(c.impl->legendItems(f.plot, c.widget.size()).isEmpty());
    EXPECT_TRUE(c.bars().isEmpty());

    ChartPaintProbe probe(c.widget.size());
    c.probe(probe);
    EXPECT_EQ(probe.badCoordinates(), 0);
    for (const char* text : {"Basic Bar Chart", "1", "0.8", "0.2", "0", "Item 1"})
        EXPECT_TRUE(probe.texts().contains(QString::fromLatin1(text))) << text;

    c.widget.setCategories({"a", "b", "c"});
    EXPECT_EQ(c.impl->categoryCount(), 3);
    EXPECT_EQ(c.impl->categoryLabel(2), "c");
    EXPECT_EQ(c.impl->categoryLabel(5), "Item 6");
}

TEST(BarChart, ValueRangeFloorHoldsZero)
{
    Bars c;
    auto range = [&](const QVector<BarSeries>& s) {
        c.widget.setSeries(s);
        const BarChartFrame f = c.frame();
        return std::make_pair(f.lo, f.hi);
    };
    EXPECT_EQ(range({bar("z", {0, 0, 0})}), std::make_pair(0.0, 1.08));
    EXPECT_EQ(range({bar("a", {100, 50})}), std::make_pair(0.0, 108.0));
    auto mixed = range({bar("a", {-10, 30})});
    EXPECT_DOUBLE_EQ(mixed.first, -12.0);
    EXPECT_DOUBLE_EQ(mixed.second, 33.2);
    // Hidden series and values that are not numbers take no part.
    auto partial =
        range({bar("a", {100, 50}), bar("b", {-400}, false),
               bar("c", {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})});
    EXPECT_EQ(partial, std::make_pair(0.0, 108.0));
    EXPECT_EQ(c.impl->categoryCount(), 7); // the demonstration categories

    // All-negative values: the floor holds zero but the top is not raised
    // to it, so the zero line and every bar's top lie above the plot.
    auto negative = range({bar("n", {-10, -20})});
    EXPECT_DOUBLE_EQ(negative.first, -20.5);
    EXPECT_DOUBLE_EQ(negative.second, -9.2);
    const BarChartFrame f = c.frame();
    EXPECT_LT(f.zeroY, f.plot.top());
    for (const BarItem& b : c.bars())
        EXPECT_DOUBLE_EQ(b.rect.top(), f.zeroY);
}

TEST(BarChart, GroupedBarGeometry)
{
    // A plot 500 px wide over five categories: a step of 100 px.
    Bars c(QSize(596, 500));
    c.widget.setCategories({"a", "b", "c", "d", "e"});
    c.widget.setSeries({bar("x", {1, 2, 3, 4, 5}), bar("y", {5, 4}), bar("z", {1, 2, 3, 4, -5})});
    const BarChartFrame f = c.frame();
    ASSERT_EQ(f.plot.width(), 500);
    const QVector<BarItem> items = c.bars();
    ASSERT_EQ(items.size(), 5 + 2 + 5);

    // groupPad 16, gap 8, inner 68, bar width 52 / 3.
    const double w = 52.0 / 3;
    EXPECT_DOUBLE_EQ(items.at(0).rect.left(), 56 + 16);
    EXPECT_DOUBLE_EQ(items.at(0).rect.width(), w);
    EXPECT_DOUBLE_EQ(items.at(1).rect.left(), 56 + 16 + w + 8);
    EXPECT_DOUBLE_EQ(items.at(2).rect.left(), 56 + 16 + 2 * (w + 8));
    EXPECT_DOUBLE_EQ(items.at(3).rect.left(), 56 + 100 + 16);
    // From category 2 on "y" has no value: "z" moves into its slot.
    const BarItem& zAtC = items.at(7);
    EXPECT_EQ(zAtC.seriesIndex, 2);
    EXPECT_EQ(zAtC.categoryIndex, 2);
    EXPECT_DOUBLE_EQ(zAtC.rect.left(), 56 + 200 + 16 + w + 8);
    // Colours follow the series index, not the slot.
    EXPECT_EQ(zAtC.color, QColor(250, 200, 88));
    // A negative bar hangs down from the zero line, a positive one stands on it.
    EXPECT_DOUBLE_EQ(items.last().rect.top(), f.zeroY);
    EXPECT_DOUBLE_EQ(items.first().rect.bottom(), f.zeroY);
    EXPECT_DOUBLE_EQ(items.first().rect.top(), CVNQBarChartImpl::valueY(f, 1));

    // Narrow steps keep bars at least 8 px wide (and let them overlap).
    c.widget.setSeries({bar("x", QVector<double>(200, 1.0)), bar("y", QVector<double>(200, 2.0))});
    EXPECT_DOUBLE_EQ(c.bars().first().rect.width(), 8.0);
}

TEST(BarChart, LegendTogglesSeries)
{
    Bars c;
    c.widget.setCategories({"a", "b"});
    c.widget.setSeries({bar("long", {10, 20, 30, 40}), bar("short", {5, 6})});
    c.widget.setTooltipMode(1);
    c.move(c.bars().first().rect.center());
    ASSERT_TRUE(c.impl->hoverActive());

    EXPECT_TRUE(c.press(c.legendRect(0).center()));
    EXPECT_FALSE(c.widget.series().at(0).visible);
    EXPECT_FALSE(c.impl->hoverActive());
    EXPECT_EQ(c.impl->categoryCount(), 2);
    const QVector<BarItem> items = c.bars();
    ASSERT_EQ(items.size(), 2);
    // The remaining series moves into the first slot.
    EXPECT_EQ(items.at(0).seriesIndex, 1);
    EXPECT_DOUBLE_EQ(items.at(0).rect.left(), c.frame().plot.left() + qMin(0.16 * c.frame().plot.width() / 2, 18.0));
    EXPECT_DOUBLE_EQ(c.frame().hi, 6 + 0.48);
    // The hidden entry stays in the legend, drawn as hidden.
    const QRectF plot = c.frame().plot;
    const QVector<ChartLegendItem> legend = c.impl->legendItems(plot, c.widget.size());
    ASSERT_EQ(legend.size(), 2);
    EXPECT_FALSE(legend.at(0).visible);

    EXPECT_TRUE(c.press(c.legendRect(0).center()));
    EXPECT_TRUE(c.widget.series().at(0).visible);
    EXPECT_EQ(c.impl->categoryCount(), 4);
    EXPECT_FALSE(c.press(plot.center())); // a press on the plot is not consumed
}

TEST(BarChart, HoverOneBar)
{
    Bars c;
    c.widget.setCategories({"Mon", "Tue"});
    c.widget.setSeries({bar("North", {120, 200}), bar("", {90, 160})});
    c.widget.setTooltipMode(1);
    c.widget.setTooltipEnabled(true);

    const QVector<BarItem> items = c.bars();
    c.move(items.at(2).rect.center()); // North on Tue
    EXPECT_TRUE(c.impl->hoverActive());
    EXPECT_EQ(c.impl->hoverIndex(), 1);
    EXPECT_EQ(c.impl->hoverSeries(), 0);
    EXPECT_EQ(c.widget.tooltipText(), "North\nTue: 200");
    EXPECT_EQ(c.widget.tooltipPos(), items.at(2).rect.center().toPoint());

    // Two pixels around a bar still hit it; an unnamed series reads "Series".
    c.move(QPointF(items.at(3).rect.right() + 1.5, items.at(3).rect.center().y()));
    EXPECT_EQ(c.widget.tooltipText(), "Series\nTue: 160");

    // Empty plot area and the outside clear the hover.
    const BarChartFrame f = c.frame();
    c.move(QPointF(items.at(3).rect.right() + 30, f.plot.top() + 5));
    EXPECT_FALSE(c.impl->hoverActive());
    EXPECT_TRUE(c.widget.tooltipText().isEmpty());
    c.move(items.at(0).rect.center());
    c.move(QPointF(f.plot.left() - 10, f.plot.center().y()));
    EXPECT_FALSE(c.impl->hoverActive());

    // Any mode but 0 and 2 picks single bars; without tooltips only the highlight remains.
    c.widget.setTooltipMode(7);
    c.widget.setTooltipEnabled(false);
    c.move(items.at(0).rect.center());
    EXPECT_TRUE(c.impl->hoverActive());
    EXPECT_TRUE(c.widget.tooltipText().isEmpty());

    c.leave();
    EXPECT_FALSE(c.impl->hoverActive());
    EXPECT_EQ(c.impl->hoverIndex(), -1);
}

TEST(BarChart, HoverWholeCategory)
{
    Bars c(QSize(596, 500));
    c.widget.setCategories({"Mon", "Tue", "Wed", "Thu", "Fri"});
    c.widget.setSeries({bar("North", {120, 200, 150}), bar("South", {90, 160, 170, 110}), bar("Off", {1}, false)});
    c.widget.setTooltipMode(2);
    c.widget.setTooltipEnabled(true);
    const BarChartFrame f = c.frame();

    // Anywhere in a category's column, bars or not.
    c.move(QPointF(f.plot.left() + 250, f.plot.top() + 3));
    EXPECT_EQ(c.impl->hoverIndex(), 2);
    EXPECT_EQ(c.impl->hoverSeries(), -1);
    EXPECT_EQ(c.widget.tooltipText(), "Wed\nNorth: 150\nSouth: 170");
    c.move(QPointF(f.plot.left() + 399, f.plot.center().y()));
    EXPECT_EQ(c.widget.tooltipText(), "Thu\nSouth: 110");
    // A category without any visible value is not hovered.
    c.move(QPointF(f.plot.left() + 450, f.plot.center().y()));
    EXPECT_FALSE(c.impl->hoverActive());
    // The right edge belongs to the last category.
    c.widget.setCategories({});
    c.move(QPointF(f.plot.right(), f.plot.center().y()));
    EXPECT_EQ(c.impl->hoverIndex(), 3);
}

TEST(BarChart, IntroAnimationGrowsBarsFromZero)
{
    Bars c;
    c.widget.setAnimationEnabled(true);
    c.widget.setSeries({bar("a", {50, -30})});
    ASSERT_EQ(c.widget.animationProgress(), 0.0);
    const BarChartFrame f = c.frame();
    for (const BarItem& b : c.bars()) {
        EXPECT_DOUBLE_EQ(b.rect.height(), 1.0);
        EXPECT_DOUBLE_EQ(b.rect.top(), f.zeroY);
    }
    EXPECT_TRUE(TestUtil::waitFor([&c] { return c.widget.animationProgress() >= 1.0; }));
    ASSERT_EQ(c.widget.animationProgress(), 1.0);
    EXPECT_DOUBLE_EQ(c.bars().first().rect.top(), CVNQBarChartImpl::valueY(f, 50));
}

TEST(BarChart, BrokenDataNeverReachesThePainter)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QVector<double> many(100000);
    for (int i = 0; i < many.size(); ++i)
        many[i] = (i % 7) - 2.5;
    const QVector<QVector<BarSeries>> cases = {
        {bar("many", many), bar("more", many)},
        {},
        {bar("empty", {})},
        {bar("one", {7})},
        {bar("nan", {nan, inf, -inf})},
        {bar("huge", {1e308, -1e308}), bar("tiny", {1e-300})},
        {bar("hidden", {1, 2}, false)},
    };
    for (const QSize& size : {QSize(800, 500), QSize(10, 10), QSize(0, 0)}) {
        for (int legend = 0; legend < 4; ++legend) {
            for (const QVector<BarSeries>& s : cases) {
                Bars c(size);
                c.widget.setLegendPosition(legend);
                c.widget.setSeries(s);
                c.widget.setTooltipMode(2);
                c.widget.setTooltipEnabled(true);
                c.move(QPointF(size.width() / 2.0, size.height() / 2.0));
                const BarChartFrame f = c.frame();
                EXPECT_TRUE(qIsFinite(f.lo) && qIsFinite(f.hi) && f.span > 0);
                ChartPaintProbe probe(size);
                c.probe(probe);
                EXPECT_EQ(probe.badCoordinates(), 0) << "legend " << legend << ", " << s.size() << " series";
                // However many categories, a paint costs what the plot holds and no label covers another.
                EXPECT_LE(probe.shapes(), 4 * (size.width() + qAbs(f.plot.width())) + 100);
                EXPECT_TRUE(size.width() <= 100 ||
                            probe.overlaps().filter(QRegularExpression("^Item .* \\| Item ")).isEmpty());
            }
        }
    }
}

TEST(BarChart, RenderedColours)
{
    Bars c;
    c.widget.setCategories({"a", "b"});
    c.widget.setSeries({bar("one", {4, 8}), bar("two", {6, 2}), bar("three", {5, 5}, false)});
    c.widget.setTooltipMode(1);
    const QVector<BarItem> items = c.bars();
    c.move(items.at(0).rect.center());
    const QImage image = c.render();

    const QColor first(84, 112, 198);
    const QColor second(145, 204, 117);
    EXPECT_EQ(image.pixelColor(items.at(1).rect.center().toPoint()), second);
    EXPECT_EQ(image.pixelColor(items.at(2).rect.center().toPoint()), first);
    // The hovered bar is lighter; the hidden series has no bar (its legend marker is lighter still).
    const QColor hot = image.pixelColor(items.at(0).rect.center().toPoint());
    EXPECT_TRUE(
        TestUtil::hasColor(image.copy(QRect(items.at(0).rect.center().toPoint(), QSize(1, 1))), first.lighter(115), 2))
        << hot.name().toStdString();
    EXPECT_FALSE(TestUtil::hasColor(image, QColor(250, 200, 88), 0));
    // The zero line runs in the axis colour between the groups (antialiased
    // over two rows of pixels); above it the plot is blank.
    const BarChartFrame f = c.frame();
    const int x = int(f.plot.center().x());
    const int y = int(f.zeroY);
    EXPECT_LT(qMin(image.pixelColor(x, y - 1).red(), image.pixelColor(x, y).red()), 215);
    EXPECT_EQ(image.pixelColor(x, y - 6), QColor(255, 255, 255));
}
