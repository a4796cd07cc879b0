// Zoom slider: range normalisation, handle and window drags, hit priority
// and the empty track.

#include "ChartZoomSlider.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <limits>

using namespace CVNQtLib;

namespace {

ChartZoomSlider enabledSlider(int count)
{
    ChartZoomSlider s;
    s.setEnabled(true);
    s.setCount(count);
    return s;
}

const QRectF kPlot(50, 40, 400, 200);

} // namespace

TEST(ZoomSlider, RangeNormalisation)
{
    ChartZoomSlider s;
    s.setRange(0.7, 0.3);
    EXPECT_DOUBLE_EQ(s.start(), 0.3);
    EXPECT_DOUBLE_EQ(s.end(), 0.7);

    s.setRange(0.5, 0.505);
    EXPECT_DOUBLE_EQ(s.start(), 0.5);
    EXPECT_DOUBLE_EQ(s.end(), 0.52);

    s.setRange(0.995, 1.0);
    EXPECT_DOUBLE_EQ(s.start(), 0.98);
    EXPECT_DOUBLE_EQ(s.end(), 1.0);

    s.setRange(-3, 7);
    EXPECT_DOUBLE_EQ(s.start(), 0.0);
    EXPECT_DOUBLE_EQ(s.end(), 1.0);

    s.setRange(std::numeric_limits<double>::quiet_NaN(), 0.5);
    EXPECT_DOUBLE_EQ(s.start(), 0.0);
    EXPECT_DOUBLE_EQ(s.end(), 0.5);

    s.setCount(-4);
    EXPECT_EQ(s.count(), 1);

    // Turning the slider off resets the range.
    s.setEnabled(true);
    s.setRange(0.2, 0.4);
    s.setEnabled(false);
    EXPECT_DOUBLE_EQ(s.start(), 0.0);
    EXPECT_DOUBLE_EQ(s.end(), 1.0);
}

TEST(ZoomSlider, TrackNeedsTwoCategoriesAndTheSwitch)
{
    ChartZoomSlider off;
    off.setCount(10);
    EXPECT_TRUE(off.trackRect(kPlot, 40).isEmpty());

    ChartZoomSlider one = enabledSlider(1);
    const QRectF empty = one.trackRect(kPlot, 40);
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(one.press(QPoint(60, 290), empty));
    EXPECT_FALSE(one.drag(QPoint(70, 290), empty));
    EXPECT_TRUE(one.selectionRect(empty).isEmpty());

    ChartZoomSlider s = enabledSlider(10);
    EXPECT_EQ(s.trackRect(kPlot, 76), QRectF(50, 316, 400, 18));
}

TEST(ZoomSlider, HandlesAndWindowDrags)
{
    ChartZoomSlider s = enabledSlider(20);
    const QRectF track = s.trackRect(kPlot, 40); // (50, 280, 400, 18)
    s.setRange(0.25, 0.75);                      // selection x 150 .. 350

    // Left handle dragged onto the right one stops minSpan short.
    ASSERT_TRUE(s.press(QPoint(151, 289), track));
    EXPECT_EQ(s.dragMode(), 1);
    EXPECT_TRUE(s.drag(QPoint(440, 289), track));
    EXPECT_NEAR(s.start(), 0.75 - s.minSpan(), 1e-12);
    EXPECT_DOUBLE_EQ(s.end(), 0.75);
    s.release();
    EXPECT_FALSE(s.isDragging());

    // Panning past the right end keeps the width and pins the end at 1.
    s.setRange(0.25, 0.75);
    ASSERT_TRUE(s.press(QPoint(250, 289), track));
    EXPECT_EQ(s.dragMode(), 3);
    s.drag(QPoint(250 + 300, 289), track);
    EXPECT_DOUBLE_EQ(s.end(), 1.0);
    EXPECT_NEAR(s.start(), 0.5, 1e-12);
    s.drag(QPoint(250 - 1000, 289), track);
    EXPECT_DOUBLE_EQ(s.start(), 0.0);
    EXPECT_NEAR(s.end(), 0.5, 1e-12);
    s.release();

    // Right handle.
    s.setRange(0.25, 0.75);
    ASSERT_TRUE(s.press(QPoint(349, 285), track));
    EXPECT_EQ(s.dragMode(), 2);
    s.drag(QPoint(100, 285), track);
    EXPECT_NEAR(s.end(), 0.25 + s.minSpan(), 1e-12);

    // A drag ends where the pointer is, whatever way it took there: either handle or the window, moved at once or
    // in steps; the window keeps its width.
    for (const QPoint grab : {QPoint(151, 289), QPoint(349, 285), QPoint(250, 289)}) {
        QVector<QPair<double, double>> ends;
        for (int steps : {1, 4}) {
            s.release();
            s.setRange(0.25, 0.75);
            ASSERT_TRUE(s.press(grab, track));
            for (int i = 1; i <= steps; ++i)
                s.drag(grab + QPoint(40 * i / steps, 0), track);
            ends.append({s.start(), s.end()});
        }
        EXPECT_NEAR(ends[1].first, ends[0].first, 1e-12) << grab.x();
        EXPECT_NEAR(ends[1].second, ends[0].second, 1e-12) << grab.x();
    }
    EXPECT_NEAR(s.start(), 0.35, 1e-12);
    EXPECT_NEAR(s.end(), 0.85, 1e-12);

    // Far outside: no drag starts.
    s.release();
    EXPECT_FALSE(s.press(QPoint(60, 200), track));
    EXPECT_FALSE(s.drag(QPoint(80, 200), track));
}

TEST(ZoomSlider, HandlesWinOverTheWindow)
{
    ChartZoomSlider s = enabledSlider(20);
    const QRectF track = s.trackRect(kPlot, 40);
    // A narrow window: both handle zones overlap it; the left one is tested first.
    s.setRange(0.5, 0.52); // x 250 .. 258
    ASSERT_TRUE(s.press(QPoint(254, 289), track));
    EXPECT_EQ(s.dragMode(), 1);
    s.release();
    ASSERT_TRUE(s.press(QPoint(262, 289), track));
    EXPECT_EQ(s.dragMode(), 2);
}

TEST(ZoomSlider, LabelsOfTheShownRange)
{
    ChartZoomSlider s = enabledSlider(11);
    s.setRange(0.25, 0.62);
    EXPECT_EQ(s.firstLabelIndex(), 2);
    EXPECT_EQ(s.lastLabelIndex(), 7);
    EXPECT_EQ(s.label(3), "Item 4");
    s.setLabels({"a", "b"});
    EXPECT_EQ(s.label(1), "b");
    EXPECT_EQ(s.label(5), "Item 6");
    s.setLabelProvider([](int i) { return QString("L%1").arg(i); });
    EXPECT_EQ(s.label(1), "L1");
    s.setLabelProvider({});
    EXPECT_EQ(s.label(0), "a");

    // Painting draws the track and selection only for a real track.
    QImage image(500, 400, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        s.paint(p, s.trackRect(kPlot, 40), true);
    }
    EXPECT_EQ(QColor(image.pixel(60, 289)), QColor(231, 237, 247));
    EXPECT_EQ(QColor(image.pixel(150, 260)), QColor(Qt::white));
}
