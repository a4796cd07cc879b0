// Scatter chart: padded ranges and their labels, screen positions during
// the intro animation, nearest-point hover (reach, ties, tooltip), legend
// clicks, rendered rings and guards against empty or broken data.

#include "CVNQScatterChart.h"
#include "CVNQScatterChartImpl.h"
#include "ChartFixture.h"
#include "TestUtil.h"

#include <gtest/gtest.h>
#include <limits>

using namespace CVNQtLib;

namespace {

struct Scatter : ChartFixture<CVNQScatterChart, CVNQScatterChartImpl>
{
    explicit Scatter(QSize size = QSize(800, 500))
        : ChartFixture(size)
    {}
    ScatterChartFrame frame() const { return impl->frame(widget.size()); }
    QPointF at(const QPointF& data) const { return impl->screenPos(frame(), data); }
    QVector<ChartLegendItem> legend() const
    {
        const QRectF plot = impl->plotRect(widget.size());
        return impl->legendItems(plot, widget.size());
    }
};

ScatterSeries points(const QString& name, const QVector<QPointF>& pts, double size = 8)
{
    ScatterSeries s;
    s.name = name;
    s.points = pts;
    s.symbolSize = size;
    return s;
}

// x labels as the chart prints them: xlo + j * (xhi - xlo) / 5.
QStringList xLabels(const ScatterChartFrame& f)
{
    QStringList out;
    for (int j = 0; j <= 5; ++j)
        out << cvnChartNumber(f.xlo + j * (f.xhi - f.xlo) / 5);
    return out;
}

} // namespace

TEST(ScatterChart, DemonstrationContentAndRanges)
{
    Scatter c;
    ASSERT_EQ(c.widget.series().size(), 2);
    EXPECT_EQ(c.widget.series().at(0).name, "Series A");
    EXPECT_EQ(c.widget.series().at(1).symbolSize, 10);
    EXPECT_EQ(c.impl->title(), "Basic Scatter Chart");
    EXPECT_TRUE(c.impl->tooltipEnabled());
    EXPECT_EQ(c.impl->tooltipMode(), 1);
    EXPECT_EQ(c.widget.minimumSize(), QSize(420, 260));
    EXPECT_EQ(c.widget.getTypeName(), "qtscatterchart");
    const ScatterChartFrame f = c.frame();
    EXPECT_DOUBLE_EQ(f.xlo, 5.76);
    EXPECT_DOUBLE_EQ(f.xhi, 38.24);
    EXPECT_DOUBLE_EQ(f.ylo, 5.44);
    EXPECT_DOUBLE_EQ(f.yhi, 42.56);
    EXPECT_EQ(xLabels(f), QStringList({"5.76", "12.26", "18.75", "25.25", "31.74", "38.24"}));

    // The drawn labels, read back from the painter.
    ChartPaintProbe probe(c.widget.size());
    QPainter p(&probe);
    c.impl->draw(&p, c.widget.rect());
    p.end();
    for (const char* y : {"42.56", "35.14", "27.71", "20.29", "12.86", "5.44"})
        EXPECT_TRUE(probe.texts().contains(QString::fromLatin1(y))) << y;
    EXPECT_TRUE(probe.texts().contains("12.26"));
    EXPECT_TRUE(probe.texts().contains("Series B"));
    EXPECT_EQ(probe.badCoordinates(), 0);
}

TEST(ScatterChart, RangesOfSpecialData)
{
    Scatter c;
    c.widget.setSeries({});
    ScatterChartFrame f = c.frame();
    EXPECT_EQ(std::make_tuple(f.xlo, f.xhi, f.ylo, f.yhi), std::make_tuple(0.0, 1.0, 0.0, 1.0));
    EXPECT_EQ(f.plot, QRectF(56, 48, 800 - 24 - 56, 500 - 42 - 48));
    EXPECT_TRUE(c.legend().isEmpty());

    // Equal x: one either side, then 8 % of a span of 2. Zero is not forced in.
    c.widget.setSeries({points("v", {{8, 100}, {8, 140}})});
    f = c.frame();
    EXPECT_DOUBLE_EQ(f.xlo, 8 - 1 - 0.16);
    EXPECT_DOUBLE_EQ(f.xhi, 8 + 1 + 0.16);
    EXPECT_DOUBLE_EQ(f.ylo, 100 - 3.2);
    // A span below 1 pads by 8 % of 1.
    c.widget.setSeries({points("s", {{0, 0}, {0.5, 0.25}})});
    f = c.frame();
    EXPECT_DOUBLE_EQ(f.xhi, 0.58);
    EXPECT_DOUBLE_EQ(f.ylo, -0.08);
    // A single point, and points that are not numbers take no part.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    c.widget.setSeries({points("one", {{3, -4}, {nan, 1}, {2, std::numeric_limits<double>::infinity()}})});
    f = c.frame();
    EXPECT_DOUBLE_EQ(f.xlo, 3 - 1 - 0.16);
    EXPECT_DOUBLE_EQ(f.yhi, -4 + 1 + 0.16);
    EXPECT_EQ(c.at({3, -4}), f.plot.center());
}

TEST(ScatterChart, PlotInsetsByLegendPosition)
{
    Scatter c;
    const QSize size = c.widget.size();
    c.widget.setLegendPosition(0);
    EXPECT_EQ(c.impl->plotRect(size), QRectF(56, 88, 800 - 24 - 56, 500 - 42 - 88));
    c.widget.setLegendPosition(1);
    EXPECT_EQ(c.impl->plotRect(size), QRectF(56, 48, 800 - 200 - 56, 500 - 42 - 48));
    EXPECT_EQ(c.legend().at(1).rect.top(), c.legend().at(0).rect.top() + 26);
    c.widget.setLegendPosition(3);
    EXPECT_EQ(c.impl->plotRect(size).left(), 56 + 176);
    c.widget.setLegendPosition(2);
    const QRectF plot = c.impl->plotRect(size);
    EXPECT_EQ(plot.bottom(), 500 - 76);
    const QVector<ChartLegendItem> items = c.legend();
    EXPECT_EQ(items.at(0).rect.topLeft(), QPointF(plot.left(), plot.bottom() + 34));
    EXPECT_EQ(items.at(0).rect.height(), 18);
    EXPECT_EQ(items.at(1).rect.left(), items.at(0).rect.right() + 10);
}

TEST(ScatterChart, HoverFindsTheNearestPoint)
{
    Scatter c;
    const QPointF a = c.at({25, 40});
    c.move(a + QPointF(3, 0));
    EXPECT_TRUE(c.impl->hoverActive());
    EXPECT_EQ(c.impl->hoverSeries(), 0);
    EXPECT_EQ(c.impl->hoverPointIndex(), 3);
    EXPECT_EQ(c.widget.tooltipText(), "Series A\nx: 25\ny: 40");

    // The reach is symbolSize + 6 px around the point (8 + 6 for series A);
    // mouse positions are whole pixels.
    int inside = 0;
    for (int dy = 0; dy <= 20; ++dy) {
        const QPoint q(qRound(a.x()), qRound(a.y()) + dy);
        const bool near = QLineF(a, q).length() <= 14;
        c.move(q);
        EXPECT_EQ(c.impl->hoverActive(), near) << dy;
        inside += near ? 1 : 0;
    }
    EXPECT_GE(inside, 13);
    EXPECT_TRUE(c.widget.tooltipText().isEmpty());

    // Two series with a point at the same place: the earlier series wins the tie.
    c.widget.setSeries({points("", {{5, 5}, {0, 0}}), points("second", {{5, 5}, {10, 10}})});
    c.move(c.at({5, 5}));
    EXPECT_EQ(c.impl->hoverSeries(), 0);
    EXPECT_EQ(c.impl->hoverPointIndex(), 0);
    EXPECT_EQ(c.widget.tooltipText(), "Series\nx: 5\ny: 5");
    c.move(c.at({10, 10}) + QPointF(-2, 1));
    EXPECT_EQ(c.impl->hoverSeries(), 1);
    EXPECT_EQ(c.impl->hoverPointIndex(), 1);
    const QPointF mid = c.at({5, 5});

    // Outside the plot, with hover off or in mode 0 nothing is hovered.
    c.move(QPointF(10, 10));
    EXPECT_FALSE(c.impl->hoverActive());
    c.widget.setTooltipMode(0);
    c.move(mid);
    EXPECT_FALSE(c.impl->hoverActive());
    c.widget.setTooltipMode(1);
    c.widget.setTooltipEnabled(false);
    c.move(mid);
    EXPECT_TRUE(c.impl->hoverActive());
    EXPECT_TRUE(c.widget.tooltipText().isEmpty());
    c.leave();
    EXPECT_FALSE(c.impl->hoverActive());
    EXPECT_EQ(c.impl->hoverSeries(), -1);
}

TEST(ScatterChart, LegendHidesASeries)
{
    Scatter c;
    c.move(c.at({25, 40}));
    ASSERT_TRUE(c.impl->hoverActive());
    EXPECT_TRUE(c.press(c.legend().at(0).rect.center()));
    EXPECT_FALSE(c.widget.series().at(0).visible);
    EXPECT_FALSE(c.impl->hoverActive());
    // The ranges narrow to series B: x 10..36, y 8..26.
    const ScatterChartFrame f = c.frame();
    EXPECT_DOUBLE_EQ(f.xlo, 10 - 0.08 * 26);
    EXPECT_DOUBLE_EQ(f.yhi, 26 + 0.08 * 18);
    EXPECT_FALSE(c.legend().at(0).visible);

    // Its legend marker becomes a hollow ring in a lighter colour.
    const QImage image = c.render();
    const QRectF marker(c.legend().at(0).rect.left(), c.legend().at(0).rect.top() + 3, 12, 12);
    EXPECT_EQ(image.pixelColor(marker.center().toPoint()), QColor(255, 255, 255));
    EXPECT_TRUE(TestUtil::hasColor(image.copy(marker.toAlignedRect()), QColor(84, 112, 198).lighter(160), 6));

    EXPECT_TRUE(c.press(c.legend().at(0).rect.center()));
    EXPECT_TRUE(c.widget.series().at(0).visible);
    EXPECT_FALSE(c.press(c.frame().plot.center()));
}

TEST(ScatterChart, IntroAnimationRaisesPointsFromTheBottom)
{
    Scatter c;
    c.widget.setAnimationEnabled(true);
    c.widget.replayAnimation();
    ASSERT_EQ(c.widget.animationProgress(), 0.0);
    const ScatterChartFrame f = c.frame();
    for (const ScatterSeries& s : c.widget.series())
        for (const QPointF& p : s.points)
            EXPECT_DOUBLE_EQ(c.at(p).y(), f.plot.bottom());
    EXPECT_DOUBLE_EQ(c.impl->symbolRadius(8), 0.55 * 4);
    // x positions do not move.
    EXPECT_DOUBLE_EQ(c.at({25, 40}).x(), f.plot.left() + f.plot.width() * (25 - f.xlo) / (f.xhi - f.xlo));

    EXPECT_TRUE(TestUtil::waitFor([&c] { return c.widget.animationProgress() >= 1.0; }));
    ASSERT_EQ(c.widget.animationProgress(), 1.0);
    EXPECT_DOUBLE_EQ(c.impl->symbolRadius(8), 4.0);
    EXPECT_DOUBLE_EQ(c.at({25, f.yhi}).y(), f.plot.top());
}

TEST(ScatterChart, RenderedRings)
{
    Scatter c;
    c.widget.setSeries({points("big", {{0, 0}, {10, 10}}, 20)});
    const QPointF centre = c.at({0, 0});
    const QImage image = c.render();
    // Hollow ring: plot background inside, the series colour on the outline.
    EXPECT_EQ(image.pixelColor(centre.toPoint()), QColor(255, 255, 255));
    EXPECT_TRUE(TestUtil::hasColor(image.copy(QRectF(centre.x() + 8, centre.y() - 1, 4, 3).toAlignedRect()),
                                   QColor(84, 112, 198), 10));
    // The hovered point is filled and grows by 2.5 px.
    c.move(c.at({10, 10}));
    const QImage hot = c.render();
    EXPECT_EQ(hot.pixelColor(c.at({10, 10}).toPoint()), QColor(84, 112, 198));
    // Reach of the series colour from a centre, summed over the four ways: the hovered disc (radius +1.25,
    // pen 2.2) reaches about 6.6 px further than a plain ring (pen 1.4).
    const auto reach = [](const QImage& im, const QPointF& at) {
        int sum = 0;
        for (const QPoint& step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            for (int k = 29; k > 0; --k)
                if (TestUtil::hasColor(im.copy(QRect(at.toPoint() + k * step, QSize(1, 1))), QColor(84, 112, 198),
                                       40)) {
                    sum += k;
                    break;
                }
        return sum;
    };
    EXPECT_GE(reach(hot, c.at({10, 10})), reach(image, centre) + 5);
    EXPECT_EQ(reach(hot, centre), reach(image, centre)); // the other point stays as it was
    // Scatter charts fill the whole widget with the background colour.
    EXPECT_EQ(hot.pixelColor(2, 2), QColor(255, 255, 255));
    c.widget.setTheme(3);
    EXPECT_EQ(c.render().pixelColor(2, 2), QColor(16, 20, 28));

    // Grid lines at every fifth of the plot, down and across, every edge
    // included (axes drawn clear leave the left and bottom ones seen).
    ChartTheme red = CVNQChartBase::presetTheme(0);
    red.gridColor = QColor(255, 0, 0);
    red.axisColor = Qt::transparent;
    c.widget.setTheme(red);
    c.widget.setSeries({});
    c.leave();
    const QImage grid = c.render();
    const QRectF plot = c.frame().plot;
    auto lineAt = [&grid](const QPointF& at, const QPoint& across) {
        for (int k = -1; k <= 1; ++k) {
            const QColor p = grid.pixelColor(at.toPoint() + k * across);
            if (p.red() > 200 && p.green() < 200)
                return true;
        }
        return false;
    };
    for (int j = 0; j <= 5; ++j) {
        EXPECT_TRUE(lineAt({plot.left() + plot.width() * j / 5, plot.center().y()}, {1, 0})) << "down " << j;
        EXPECT_TRUE(lineAt({plot.center().x(), plot.top() + plot.height() * j / 5}, {0, 1})) << "across " << j;
    }
}

TEST(ScatterChart, TooltipFlipsAndStaysInside)
{
    Scatter c;
    c.widget.setLegendPosition(0);
    c.widget.setSeries({points("corner", {{0, 10}, {10, 0}})});
    const QPoint anchor = c.at({10, 0}).toPoint();
    c.move(anchor);
    ASSERT_EQ(c.widget.tooltipText(), "corner\nx: 10\ny: 0");
    const QImage image = c.render();
    // The box's border: pushed left to end 8 px inside the widget, and
    // flipped above the anchor because it would pass the bottom inset.
    // (Its colour rgb(198, 207, 222) at alpha 218 lies over white here.)
    auto over = [](int c) { return (c * 218 + 255 * 37) / 255; };
    QRect border;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (qAbs(p.red() - over(198)) <= 2 && qAbs(p.green() - over(207)) <= 2 && qAbs(p.blue() - over(222)) <= 2)
                border |= QRect(x, y, 1, 1);
        }
    ASSERT_FALSE(border.isEmpty());
    EXPECT_NEAR(border.right(), 800 - 8, 1);
    EXPECT_LT(border.left(), anchor.x() + 16); // left of where it would start unpushed
    EXPECT_NEAR(border.bottom(), anchor.y() - 16, 1);
}

TEST(ScatterChart, BrokenDataNeverReachesThePainter)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QVector<QVector<ScatterSeries>> cases = {
        {},
        {points("empty", {})},
        {points("one", {{1, 1}})},
        {points("same", {{2, 2}, {2, 2}, {2, 2}})},
        {points("nan", {{nan, 1}, {1, inf}, {-inf, nan}})},
        {points("huge", {{1e308, -1e308}, {-1e308, 1e308}, {1e-300, 0}})},
        {points("negative size", {{1, 2}, {3, 4}}, -5), points("nan size", {{1, 2}}, nan)},
    };
    for (const QSize& size : {QSize(800, 500), QSize(10, 10), QSize(0, 0)}) {
        for (int legend = 0; legend < 4; ++legend) {
            for (const QVector<ScatterSeries>& s : cases) {
                Scatter c(size);
                c.widget.setLegendPosition(legend);
                c.widget.setSeries(s);
                c.move(QPointF(size.width() / 2.0, size.height() / 2.0));
                const ScatterChartFrame f = c.frame();
                EXPECT_TRUE(qIsFinite(f.dx) && qIsFinite(f.dy) && f.dx > 0 && f.dy > 0);
                ChartPaintProbe probe(size);
                QPainter p(&probe);
                c.impl->draw(&p, c.widget.rect());
                p.end();
                EXPECT_EQ(probe.badCoordinates(), 0) << "legend " << legend << ", " << s.size() << " series";
            }
        }
    }
}
