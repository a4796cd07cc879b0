// The progress bar: covered share of the range, bar geometry in both
// orientations, the circle wedge, the value text and the JSON rules.

#include "CVNQProgressBar.h"
#include "CVNQProgressBarImpl.h"
#include "ControlsTestUtil.h"

#include <climits>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace ControlsTest;
using ControlsTest::near;
using ControlsTest::render;

namespace {

const QColor kBack(0xE0, 0xE0, 0xE0);
const QColor kFore(0x1E, 0x88, 0xE5);

class ProgressBarTest : public ::testing::Test
{
protected:
    // Never shown: controls built under it open no window of their own.
    QWidget host;

    static void SetUpTestSuite() { startToolkit(); }

    static void setUp(CVNQProgressBar& bar, QSize size, int minimum, int maximum, int value)
    {
        bar.resize(size);
        bar.setBackground(0, fill("pb_back", kBack));
        bar.setForeground(1, fill("pb_fore", kFore)); // the state is ignored
        bar.setRange(minimum, maximum);
        bar.setValue(value);
    }
};

} // namespace

TEST_F(ProgressBarTest, FractionIsTheShareOfTheRangeClampedAndZeroForAnEmptyRange)
{
    EXPECT_DOUBLE_EQ(CVNQProgressBarImpl::fraction(100, 50, 150), 0.5);
    EXPECT_DOUBLE_EQ(CVNQProgressBarImpl::fraction(-50, -100, 0), 0.5);
    EXPECT_DOUBLE_EQ(CVNQProgressBarImpl::fraction(-1, 0, 100), 0.0);
    EXPECT_DOUBLE_EQ(CVNQProgressBarImpl::fraction(300, 0, 100), 1.0);
    EXPECT_DOUBLE_EQ(CVNQProgressBarImpl::fraction(5, 5, 5), 0.0);
    EXPECT_DOUBLE_EQ(CVNQProgressBarImpl::fraction(INT_MAX, INT_MIN, INT_MAX), 1.0);

    // Empty range and Qt's reset value draw no foreground, in both modes.
    CVNQProgressBar bar(&host);
    setUp(bar, QSize(100, 100), 7, 7, 7);
    EXPECT_FALSE(colourBox(render(&bar), kFore).isValid());
    bar.setCircleProgressBar(true);
    EXPECT_FALSE(colourBox(render(&bar), kFore).isValid());
    bar.setRange(0, 100);
    bar.reset();
    EXPECT_FALSE(colourBox(render(&bar), kFore).isValid());
    EXPECT_TRUE(colourBox(render(&bar), kBack).isValid());
}

TEST_F(ProgressBarTest, BarGrowsFromTheLeftOrFromTheBottom)
{
    CVNQProgressBar bar(&host);
    setUp(bar, QSize(200, 20), 0, 100, 30);
    QImage shot = render(&bar);
    EXPECT_EQ(colourBox(shot, kFore), QRect(0, 0, 60, 20));
    EXPECT_EQ(colourBox(shot, kBack), QRect(60, 0, 140, 20));

    bar.setOrientation(Qt::Vertical);
    bar.resize(20, 200);
    shot = render(&bar);
    EXPECT_EQ(colourBox(shot, kFore), QRect(0, 140, 20, 60));
    EXPECT_EQ(colourBox(shot, kBack), QRect(0, 0, 20, 140));

    bar.setOrientation(Qt::Horizontal);
    bar.resize(200, 20);
    bar.setRange(50, 150);
    bar.setValue(100);
    EXPECT_EQ(colourBox(render(&bar), kFore), QRect(0, 0, 100, 20));
}

TEST_F(ProgressBarTest, ValueTextShowsTheValueNotTheShare)
{
    CVNQProgressBar bar(&host);
    setUp(bar, QSize(200, 20), 0, 200, 100);
    TextStyleDesc style;
    style.hor = 1;
    style.clr = QColor(0xC6, 0x28, 0x28);
    bar.getImpl()->textStyle = style;
    bar.setShowText(true);
    EXPECT_EQ(
        differingPixels(render(&bar),
                        expected(bar.size(),
                                 [&](QPainter* p) {
                                     CVNQWidgetBaseImpl::drawFillStyle(p, bar.getBackground(0), QRect(0, 0, 200, 20));
                                     CVNQWidgetBaseImpl::drawFillStyle(p, bar.getForeground(0), QRect(0, 0, 100, 20));
                                     CVNQWidgetBaseImpl::drawTextAt(p, "100%", style, 0, 0, 200, 20, true);
                                 })),
        0);
}

TEST_F(ProgressBarTest, CircleWedgeRunsClockwiseFromStraightDown)
{
    CVNQProgressBar bar(&host);
    int start = 0, end = 0;
    bar.getCirleAngleRange(start, end);
    EXPECT_TRUE(start >= 1 && start < end);
    bar.setCircleAngleRange(1, 361);
    bar.setCircleAngleRange(0, 360);
    bar.setCircleAngleRange(90, 90);
    bar.getCirleAngleRange(start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 361);

    // Half of 1..361: one point per degree 1 to 180 between two centres.
    const QPolygon half = CVNQProgressBarImpl::wedgePolygon(QRect(0, 0, 100, 100), 1, 361, 0.5);
    ASSERT_EQ(half.size(), 182);
    EXPECT_EQ(half.first(), QPoint(50, 50));
    EXPECT_EQ(half[1], QPoint(49, 149));
    EXPECT_LT(half[90].x(), 0);  // 90 degrees: left
    EXPECT_LT(half[180].y(), 0); // 180 degrees: up

    setUp(bar, QSize(100, 100), 0, 100, 50);
    bar.setCircleProgressBar(true);
    QImage shot = render(&bar);
    EXPECT_TRUE(near(shot.pixelColor(20, 50), kFore)); // left
    EXPECT_TRUE(near(shot.pixelColor(44, 90), kFore)); // just past straight down
    EXPECT_TRUE(near(shot.pixelColor(56, 90), kBack)); // just before it
    EXPECT_TRUE(near(shot.pixelColor(80, 50), kBack)); // right
    EXPECT_TRUE(near(shot.pixelColor(3, 3), kFore));   // the wedge reaches the corners
    bar.setValue(100);
    EXPECT_EQ(colourBox(render(&bar), kFore), QRect(0, 0, 100, 100));

    // 90..450 at 25 of 100: the angles 90 to 179, left to top.
    bar.setCircleAngleRange(90, 450);
    bar.setValue(25);
    shot = render(&bar);
    EXPECT_TRUE(near(shot.pixelColor(20, 30), kFore));
    EXPECT_TRUE(near(shot.pixelColor(20, 70), kBack));
    EXPECT_TRUE(near(shot.pixelColor(70, 20), kBack));

    // Ranges of many turns keep the polygon small.
    EXPECT_LE(CVNQProgressBarImpl::wedgePolygon(QRect(0, 0, 50, 50), 1, INT_MAX, 0.5).size(), 722);
}

TEST_F(ProgressBarTest, JsonReadsValueAndShowTextAndWritesOnlyWhatDiffers)
{
    fill("pb_back", kBack);
    fill("pb_fore", kFore);
    CVNQProgressBar bar(&host);
    bar.setValue(33);
    Json::Value none = TestUtil::json(R"({"attr": {}})");
    bar.readJsonValue(&none);
    EXPECT_EQ(bar.value(), 0);
    const Json::Value plain = written(bar);
    EXPECT_TRUE(plain["style"].isNull());
    EXPECT_EQ(plain["attr"], Json::Value(Json::objectValue));

    Json::Value seven = TestUtil::json(R"({"attr": {"val": 7}, "style": [["pb_fore", 1, 2], ["pb_back", 1, 0]]})");
    bar.readJsonValue(&seven);
    EXPECT_EQ(bar.value(), 7);
    Json::Value out = written(bar);
    EXPECT_EQ(out["attr"], TestUtil::json(R"({"val": 7})"));
    EXPECT_EQ(out["style"], TestUtil::json(R"([["pb_back", 1, 0], ["pb_fore", 1, 2]])"));

    Json::Value shown = TestUtil::json(R"({"attr": {"showText": 1, "val": 0}})");
    bar.readJsonValue(&shown);
    EXPECT_TRUE(bar.getShowText());
    EXPECT_EQ(written(bar)["attr"], TestUtil::json(R"({"showText": 1})"));
}

TEST_F(ProgressBarTest, ThemeEntryStylesTheBarButLeavesItsValue)
{
    QTemporaryDir theme;
    ASSERT_TRUE(loadTheme(theme, R"([{"name": "pb_theme_probe", "style": [["pb_theme_fg", 1, 2]],
        "attr": {"showText": true}}])",
                          R"([{"type": 1, "name": "pb_theme_fg", "drawImg": false, "clr": "FF00897B"}])"));
    CVNQProgressBar bar(&host);
    bar.setValue(42);
    bar.setThemeName("pb_theme_probe");
    EXPECT_EQ(bar.getForeground(0).fill.clr, QColor(0x00, 0x89, 0x7B));
    EXPECT_TRUE(bar.getShowText());
    EXPECT_EQ(bar.value(), 42);
}
