// Pie chart: slice geometry and totals, the pie square per legend
// position, legend layout and clicks, hit tests (hole, outside, across
// 12 o'clock, a slice that fills the circle) and tooltips.

#include "CVNQOpenGLPieChart.h"
#include "CVNQOpenGLPieChartImpl.h"
#include "ChartFixture.h"

#include <QtMath>
#include <gtest/gtest.h>
#include <limits>

using namespace CVNQtLib;

namespace {

struct Pie : ChartFixture<CVNQOpenGLPieChart, CVNQOpenGLPieChartImpl>
{
    explicit Pie(QSize size = QSize(800, 600))
        : ChartFixture(size)
    {}
    QRectF pie() const { return impl->pieRect(widget.size()); }
    // The point at angle degrees clockwise from 12 o'clock, at fraction of the radius.
    QPointF at(double degrees, double fraction) const
    {
        const QRectF r = pie();
        const double a = qDegreesToRadians(degrees);
        const double d = r.width() / 2 * fraction;
        return QPointF(r.center().x() + std::sin(a) * d, r.center().y() - std::cos(a) * d);
    }
    int hit(double degrees, double fraction) const { return impl->hitTest(at(degrees, fraction), pie()); }
};

PieSlice slice(const QString& name, double value, bool visible = true)
{
    return PieSlice{name, value, QColor(), visible};
}

} // namespace

TEST(PieChart, DemonstrationContent)
{
    Pie p;
    ASSERT_EQ(p.widget.slices().size(), 5);
    EXPECT_EQ(p.widget.slices().first().name, "Search Engine");
    EXPECT_DOUBLE_EQ(p.impl->total(), 1048 + 735 + 580 + 484 + 300);
    EXPECT_EQ(p.impl->title(), "Basic Pie Chart");
    EXPECT_TRUE(p.impl->tooltipEnabled());
    EXPECT_EQ(p.widget.getTypeName(), "qtopenglpiechart");
}

TEST(PieChart, GeometryTotalsAndAnimation)
{
    Pie p;
    p.widget.setSlices({slice("a", 30), slice("zero", 0), slice("neg", -5), slice("hidden", 50, false), slice("b", 60),
                        slice("nan", std::numeric_limits<double>::quiet_NaN())});
    EXPECT_DOUBLE_EQ(p.impl->total(), 90);
    QVector<PieSliceGeometry> g = p.impl->geometry();
    ASSERT_EQ(g.size(), 2);
    EXPECT_EQ(g.at(0).index, 0);
    EXPECT_DOUBLE_EQ(g.at(0).sweep, 120);
    EXPECT_EQ(g.at(1).index, 4);
    EXPECT_DOUBLE_EQ(g.at(1).startAngle, 120);
    EXPECT_DOUBLE_EQ(g.at(1).midAngle, 240);
    EXPECT_EQ(g.at(1).color, CVNQChartBase::presetTheme(0).palette.at(4));
    // Slices without angle keep their legend entries.
    EXPECT_EQ(p.impl->legendItems(p.impl->legendArea(p.pie(), p.widget.size())).size(), 6);

    // Mid-animation every slice keeps its final start; only the sweep grows.
    p.widget.setAnimationEnabled(true);
    p.widget.setAnimationDuration(100000);
    p.widget.replayAnimation();
    QCoreApplication::processEvents();
    g = p.impl->geometry();
    ASSERT_EQ(g.size(), 2);
    EXPECT_DOUBLE_EQ(g.at(1).startAngle, 120);
    EXPECT_LT(g.at(1).sweep, 240 * 0.5);
    p.widget.setAnimationEnabled(false);

    // All hidden or all non-positive: nothing to draw or hit.
    p.widget.setSlices({slice("a", 0), slice("b", -1), slice("c", 5, false)});
    EXPECT_TRUE(p.impl->geometry().isEmpty());
    EXPECT_EQ(p.hit(90, 0.5), -1);
}

TEST(PieChart, InnerRadiusIsClamped)
{
    Pie p;
    p.widget.setInnerRadiusRatio(0.95);
    EXPECT_DOUBLE_EQ(p.impl->innerRadiusRatio(), 0.8);
    p.widget.setInnerRadiusRatio(-1);
    EXPECT_DOUBLE_EQ(p.impl->innerRadiusRatio(), 0.0);
    p.widget.setInnerRadiusRatio(std::numeric_limits<double>::quiet_NaN());
    EXPECT_DOUBLE_EQ(p.impl->innerRadiusRatio(), 0.0);
}

TEST(PieChart, PieSquarePerLegendPosition)
{
    Pie p(QSize(800, 600));
    EXPECT_EQ(p.pie(), QRectF((800 - 412) / 2.0, 68, 412, 412)); // bottom: min(420, 600-188, 704)
    p.widget.setLegendPosition(0);
    EXPECT_EQ(p.pie(), QRectF((800 - 420) / 2.0, 132, 420, 420)); // min(420, 430, 704)
    p.widget.setLegendPosition(1);
    EXPECT_EQ(p.pie(), QRectF((800 - 284 - 420) / 2.0 + 24, 68, 420, 420));
    p.widget.setLegendPosition(3);
    const int L = 220 + 40;
    EXPECT_EQ(p.pie(), QRectF((800 - L - 420 - 28) / 2.0 + L, 68, 420, 420));

    // Every position is bound by the height on a wide surface and by the
    // width on a tall one.
    const struct
    {
        int position;
        double wide, tall;
    } sides[] = {{2, 400 - 188, 500 - 96}, {0, 400 - 170, 500 - 96}, {1, 400 - 116, 500 - 284}, {3, 400 - 116, 266}};
    for (const auto& s : sides) {
        p.widget.setLegendPosition(s.position);
        EXPECT_EQ(p.impl->pieRect(QSize(1400, 400)).width(), s.wide) << s.position;
        EXPECT_EQ(p.impl->pieRect(QSize(500, 1200)).width(), s.tall) << s.position;
    }

    // A surface too small for a pie gets a side of 0, and nothing is hit.
    const QRectF tiny = p.impl->pieRect(QSize(100, 120));
    EXPECT_EQ(tiny.width(), 0.0);
    EXPECT_EQ(p.impl->hitTest(tiny.center(), tiny), -1);
    QImage image(100, 120, QImage::Format_ARGB32);
    QPainter painter(&image);
    p.impl->draw(&painter, QRect(0, 0, 100, 120));
}

TEST(PieChart, LegendLayout)
{
    Pie p(QSize(800, 600));
    p.widget.setSlices(
        {slice("One", 1), slice("", 2), slice("Three", 3), slice("Four", 4), slice("Five", 5), slice("Six", 6)});
    const QRectF area = p.impl->legendArea(p.pie(), p.widget.size());
    EXPECT_EQ(area, QRectF(48, p.pie().bottom() + 24, 800 - 96, 88));
    const QVector<ChartLegendItem> items = p.impl->legendItems(area);
    ASSERT_EQ(items.size(), 6);
    EXPECT_EQ(items.at(1).label, "Slice 2");
    EXPECT_EQ(items.at(0).rect.topLeft(), QPointF(48, qRound(area.top())));
    EXPECT_EQ(items.at(1).rect.left(), items.at(0).rect.right() + 10);
    // A row ends once the next item's start + 140 passes the right edge.
    for (int i = 1; i < items.size(); ++i) {
        if (items.at(i).rect.top() > items.at(i - 1).rect.top()) {
            EXPECT_EQ(items.at(i).rect.left(), 48);
            EXPECT_EQ(items.at(i).rect.top(), items.at(i - 1).rect.top() + 22);
            EXPECT_GT(items.at(i - 1).rect.right() + 10 + 140, area.right());
        } else {
            EXPECT_EQ(items.at(i).rect.left(), items.at(i - 1).rect.right() + 10);
        }
    }

    p.widget.setLegendPosition(3);
    const QRectF left = p.impl->legendArea(p.pie(), p.widget.size());
    const QVector<ChartLegendItem> column = p.impl->legendItems(left);
    EXPECT_EQ(column.at(2).rect, QRectF(24, 72 + 48, 220 - 6, 18));

    // Clicking an entry hides its slice; clicking again shows it.
    EXPECT_TRUE(p.press(column.at(2).rect.center()));
    EXPECT_FALSE(p.widget.slices().at(2).visible);
    EXPECT_TRUE(p.press(column.at(2).rect.center()));
    EXPECT_TRUE(p.widget.slices().at(2).visible);

    // Entries run on below the widget; the first one past its bottom still
    // takes a press on the last row, which its 2-px margin reaches, on a
    // wide chart and on one taller than wide.
    QVector<PieSlice> many;
    for (int i = 0; i < 24; ++i)
        many << slice(QStringLiteral("s%1").arg(i), 1);
    p.widget.setLegendPosition(1);
    for (int last : {10, 20}) { // entry last starts a pixel below the bottom
        p.widget.setSlices(many);
        p.widget.resize(last == 10 ? 800 : p.widget.minimumWidth(), 72 + last * 24 - 1);
        EXPECT_TRUE(p.press(QPointF(p.pie().right() + 30, p.widget.height() - 1))) << last;
        EXPECT_FALSE(p.widget.slices().at(last).visible) << last;
    }
    p.widget.resize(800, 600);

    p.widget.setSlices({});
    EXPECT_TRUE(p.impl->legendArea(p.pie(), p.widget.size()).isEmpty());
}

TEST(PieChart, HitTests)
{
    Pie p;
    p.widget.setSlices({slice("a", 150), slice("b", 150), slice("c", 60)});
    EXPECT_EQ(p.hit(100, 0.5), 0);
    EXPECT_EQ(p.hit(200, 0.5), 1);
    EXPECT_EQ(p.hit(330, 0.9), 2); // the last slice ends at 12 o'clock
    EXPECT_EQ(p.hit(0, 1.2), -1);  // outside the circle

    // A donut: the hole hits nothing.
    p.widget.setSlices({slice("a", 1), slice("b", 1)});
    p.widget.setInnerRadiusRatio(0.6);
    EXPECT_EQ(p.hit(45, 0.5), -1);
    EXPECT_EQ(p.hit(45, 0.7), 0);
    EXPECT_EQ(p.hit(225, 0.7), 1);
}

TEST(PieChart, SliceAcrossTwelveOClock)
{
    using Impl = CVNQOpenGLPieChartImpl;
    EXPECT_TRUE(Impl::sliceContainsAngle(350, 300, 90));
    EXPECT_TRUE(Impl::sliceContainsAngle(10, 300, 90));
    EXPECT_TRUE(Impl::sliceContainsAngle(0, 300, 90));
    EXPECT_FALSE(Impl::sliceContainsAngle(40, 300, 90));
    EXPECT_FALSE(Impl::sliceContainsAngle(200, 300, 90));
    EXPECT_TRUE(Impl::sliceContainsAngle(120, 100, 40));
    EXPECT_FALSE(Impl::sliceContainsAngle(99, 100, 40));
    // Both ends belong to the slice, on either side of 12 o'clock.
    EXPECT_TRUE(Impl::sliceContainsAngle(100, 100, 40));
    EXPECT_TRUE(Impl::sliceContainsAngle(140, 100, 40));
    EXPECT_FALSE(Impl::sliceContainsAngle(140.5, 100, 40));
    EXPECT_TRUE(Impl::sliceContainsAngle(300, 300, 90));
    EXPECT_TRUE(Impl::sliceContainsAngle(30, 300, 90));
    EXPECT_FALSE(Impl::sliceContainsAngle(299.5, 300, 90));
    EXPECT_FALSE(Impl::sliceContainsAngle(30.5, 300, 90));
    EXPECT_FALSE(Impl::sliceContainsAngle(10, 100, 0));
    // A full circle owns every angle, though its ends normalise to one angle.
    EXPECT_TRUE(Impl::sliceContainsAngle(123, 0, 360));
    EXPECT_TRUE(Impl::sliceContainsAngle(0, 45, 360));
}

TEST(PieChart, FullCircleSliceIsHitEverywhereInItsRing)
{
    Pie p;
    p.widget.setSlices({slice("all", 42)});
    for (double deg : {0.0, 1.0, 90.0, 179.0, 180.0, 270.0, 359.5})
        EXPECT_EQ(p.hit(deg, 0.5), 0) << deg;
    p.widget.setInnerRadiusRatio(0.5);
    EXPECT_EQ(p.hit(0, 0.3), -1);
    EXPECT_EQ(p.hit(0, 0.8), 0);
    // With a hidden neighbour the visible slice still fills the circle.
    p.widget.setSlices({slice("hidden", 5, false), slice("all", 42)});
    EXPECT_EQ(p.hit(10, 0.9), 1);
}

TEST(PieChart, HoverAndTooltip)
{
    Pie p;
    p.widget.setSlices({slice("Direct", 735), slice("Email", 580), slice("", 300)});
    const QImage still = p.render();
    p.move(p.at(60, 0.5));
    EXPECT_TRUE(p.impl->hoverActive());
    EXPECT_EQ(p.impl->hoverIndex(), 0);
    // Only the slice under the pointer is lit.
    const QImage lit = p.render();
    for (double degrees : {20.0, 230.0, 330.0}) {
        const QPoint in = p.at(degrees, 0.85).toPoint();
        EXPECT_EQ(lit.pixel(in) != still.pixel(in), degrees == 20.0) << degrees;
    }
    EXPECT_EQ(p.widget.tooltipText(), "Direct\n735 (45.51%)");
    p.move(p.at(340, 0.5));
    EXPECT_EQ(p.widget.tooltipText(), "Slice\n300 (18.58%)");

    p.impl->setTooltipEnabled(false);
    p.move(p.at(60, 0.5));
    EXPECT_TRUE(p.impl->hoverActive());
    EXPECT_TRUE(p.widget.tooltipText().isEmpty());

    p.widget.setHoverEnabled(false);
    EXPECT_FALSE(p.impl->hoverActive());
    p.move(p.at(60, 0.5));
    EXPECT_FALSE(p.impl->hoverActive());

    p.widget.setHoverEnabled(true);
    p.move(p.at(60, 0.5));
    p.leave();
    EXPECT_FALSE(p.impl->hoverActive());
    EXPECT_EQ(p.impl->hoverIndex(), -1);
}

TEST(PieChart, RendersSlicesHoleAndLabels)
{
    Pie p(QSize(700, 600));
    p.widget.setTheme(3);
    p.widget.setSlices({PieSlice{"red", 1, QColor(220, 20, 20), true}, PieSlice{"blue", 1, QColor(20, 20, 220), true}});
    p.widget.setInnerRadiusRatio(0.5);
    p.widget.setLabelsVisible(true);
    QImage image(700, 600, QImage::Format_ARGB32);
    {
        QPainter painter(&image);
        p.impl->draw(&painter, QRect(0, 0, 700, 600));
    }
    EXPECT_EQ(QColor(image.pixel(3, 3)), QColor(16, 20, 28));
    EXPECT_EQ(QColor(image.pixelColor(p.at(90, 0.8).toPoint())), QColor(220, 20, 20));
    EXPECT_EQ(QColor(image.pixelColor(p.at(270, 0.8).toPoint())), QColor(20, 20, 220));
    EXPECT_EQ(QColor(image.pixelColor(p.pie().center().toPoint())), QColor(24, 30, 42));
}
