// ECG and ICD traces: the point feed and its guards, fills that need three
// points, the sweep snapshot right of the new tip, the ICD trace types.

#include "../controls/ControlsTestUtil.h"
#include "CVNQECGChart.h"
#include "CVNQICDChart.h"
#include "CVNQWidgetBaseImpl.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <type_traits>

using namespace CVNQtLib;

namespace {

template <class Chart>
QImage render(Chart& chart)
{
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    chart.getControlImpl()->draw(&p, chart.rect());
    return image;
}

template <class Chart>
void horizontalLine(Chart& chart, int fromX, int toX, float y)
{
    for (int x = fromX; x <= toX; x += 10)
        chart.addData(float(x), y);
}

bool nearly(QRgb pixel, QColor c)
{
    const QColor p = QColor::fromRgba(pixel);
    return p.alpha() > 200 && qAbs(p.red() - c.red()) < 40 && qAbs(p.green() - c.green()) < 40 &&
           qAbs(p.blue() - c.blue()) < 40;
}

} // namespace

template <class Chart>
class TraceFeed : public ::testing::Test
{};
using TraceTypes = ::testing::Types<CVNQECGChart, CVNQICDChart>;
TYPED_TEST_SUITE(TraceFeed, TraceTypes);

TYPED_TEST(TraceFeed, PointsAndTheirGuards)
{
    TypeParam chart;
    EXPECT_EQ(chart.getTypeName(), "qtecgchart");
    EXPECT_EQ(chart.dataSize(), 0);
    // Removing from an empty trace does nothing.
    chart.popFront();
    chart.popBack();
    EXPECT_EQ(chart.dataSize(), 0);
    EXPECT_EQ(chart.getAt(0), QPointF(0, 0));

    chart.addData(1, 2);
    chart.addData(3, 4);
    chart.addData(5, 6);
    EXPECT_EQ(chart.getAt(1), QPointF(3, 4));
    EXPECT_EQ(chart.getAt(3), QPointF(0, 0));
    EXPECT_EQ(chart.getAt(-1), QPointF(0, 0));
    chart.popFront();
    EXPECT_EQ(chart.getAt(0), QPointF(3, 4));
    chart.popBack();
    EXPECT_EQ(chart.dataSize(), 1);
    chart.clearData();
    EXPECT_EQ(chart.dataSize(), 0);

    chart.setLineWeight(2.5f);
    EXPECT_EQ(chart.getLineWeight(), 2.5f);
}

TYPED_TEST(TraceFeed, SweepKeepsTheOldPictureRightOfTheTip)
{
    TypeParam chart;
    chart.resize(300, 100);
    chart.setLineWeight(3);
    const QColor green(0, 255, 0);
    EXPECT_EQ(render(chart).pixel(150, 50), qRgba(0, 0, 0, 0)); // a new control is transparent

    horizontalLine(chart, 0, 300, 20);
    chart.swapData();
    chart.clearData();
    horizontalLine(chart, 0, 100, 80);

    const QImage image = render(chart);
    EXPECT_TRUE(nearly(image.pixel(50, 80), green));   // the new trace
    EXPECT_TRUE(nearly(image.pixel(200, 20), green));  // the old picture beyond tip + 40
    EXPECT_FALSE(nearly(image.pixel(120, 20), green)); // the gap after the tip
    EXPECT_FALSE(nearly(image.pixel(50, 20), green));  // overwritten part

    // Without points the snapshot shows whole.
    chart.clearData();
    const QImage whole = render(chart);
    EXPECT_TRUE(nearly(whole.pixel(50, 20), green));

    // A tip beyond the right edge hides the snapshot; one far left of the
    // widget shows it whole; absurd tips are harmless.
    chart.addData(1e30f, 50);
    EXPECT_FALSE(nearly(render(chart).pixel(250, 20), green));
    chart.clearData();
    chart.addData(-1e30f, 50);
    const QImage left = render(chart);
    EXPECT_TRUE(nearly(left.pixel(5, 20), green));
    EXPECT_TRUE(nearly(left.pixel(295, 20), green));
}

// Every pen width, thin, wide short of the corners or reaching them all
// (filled at once), shows as the line stroked on its own.
TYPED_TEST(TraceFeed, EveryPenWidthShowsAsTheStrokedLine)
{
    TypeParam chart;
    chart.resize(60, 40);
    chart.addData(10, 20);
    chart.addData(20, 20);
    chart.addData(25, 30);
    for (const float weight : {1.0f, 3.0f, 30.0f, 60.0f, 100.0f, 120.0f, 400.0f}) {
        chart.setLineWeight(weight);
        QImage expected(chart.size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter p(&expected);
        p.setRenderHint(QPainter::Antialiasing, std::is_same<TypeParam, CVNQECGChart>::value);
        p.setPen(QPen(QColor(0, 255, 0), qMin(weight, 216.0f), Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        const QPointF line[] = {{10, 20}, {20, 20}, {25, 30}};
        p.drawPolyline(line, 3);
        p.end();
        EXPECT_EQ(render(chart), expected) << weight;
    }
}

TEST(ECGChart, FillsNeedThreePointsAndTheLineColourIsTheFirst)
{
    CVNQECGChart chart;
    chart.resize(200, 100);
    chart.setLineColor(QColor(255, 0, 0), QColor(0, 0, 255));
    chart.enableFillColor(true, true);
    chart.setBelowFillColor(QColor(0, 0, 200), QColor(0, 0, 200));
    chart.setAboveFillColor(QColor(200, 200, 0), QColor(200, 200, 0));
    chart.addData(0, 50);
    chart.addData(199, 50);
    QImage image = render(chart);
    EXPECT_TRUE(nearly(image.pixel(100, 50), QColor(255, 0, 0)));
    EXPECT_EQ(qAlpha(image.pixel(100, 90)), 0);
    EXPECT_EQ(qAlpha(image.pixel(100, 10)), 0);

    chart.clearData();
    chart.addData(0, 50);
    chart.addData(100, 50);
    chart.addData(199, 50);
    image = render(chart);
    EXPECT_TRUE(nearly(image.pixel(100, 90), QColor(0, 0, 200)));
    EXPECT_TRUE(nearly(image.pixel(100, 10), QColor(200, 200, 0)));
}

TEST(ICDChart, TraceTypesAndNoAntialiasing)
{
    // Built beside a theme entry of their shared type name, the ECG trace
    // takes it and the ICD trace does not.
    QTemporaryDir theme;
    ASSERT_TRUE(ControlsTest::loadTheme(theme, R"([{"name": "qtecgchart", "attr": {"mark": "themed"}}])"));
    EXPECT_EQ(CVNQECGChart().getControlImpl()->getAttribute("mark"), "themed");
    EXPECT_EQ(CVNQICDChart().getControlImpl()->getAttribute("mark"), QVariant());
    ASSERT_TRUE(ControlsTest::loadTheme(theme, "[]"));

    CVNQICDChart chart;
    chart.resize(200, 100);
    chart.setLineColor(QColor(255, 200, 0), QColor());

    // Type 1: a base line at y 40 even without points.
    chart.setICDType(CVNQtICDBaseLine);
    QImage image = render(chart);
    EXPECT_TRUE(nearly(image.pixel(100, 40), QColor(255, 200, 0)));

    // Type 0 draws the points, aliased: every pixel is fully on or off.
    chart.setICDType(CVNQtICDTrace);
    chart.addData(0, 0);
    chart.addData(199, 99);
    image = render(chart);
    int partial = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            partial += (qAlpha(image.pixel(x, y)) != 0 && qAlpha(image.pixel(x, y)) != 255) ? 1 : 0;
    EXPECT_EQ(partial, 0);
    EXPECT_EQ(qAlpha(image.pixel(100, 40)), 0);

    // Markers change nothing.
    chart.addMarker(10, true);
    chart.addMarkerValue(10, 1, 2, 3);
    EXPECT_EQ(render(chart), image);

    // Type 2 hides the trace; the snapshot still shows.
    chart.swapData();
    chart.setICDType(static_cast<CVNQtICDType>(2));
    chart.clearData();
    image = render(chart);
    EXPECT_TRUE(nearly(image.pixel(100, 49), QColor(255, 200, 0)) || nearly(image.pixel(100, 50), QColor(255, 200, 0)));
    chart.addData(0, 0);
    chart.addData(20, 0);
    image = render(chart);
    EXPECT_EQ(qAlpha(image.pixel(10, 0)), 0);
}
