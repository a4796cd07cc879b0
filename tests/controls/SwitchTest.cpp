// The switch: first-paint thumb place, the slide and when the position
// flips, texts by position, thumb styles by state, the JSON rules.

#include "CVNQSwitch.h"
#include "CVNQSwitchImpl.h"
#include "ControlsTestUtil.h"

#include <QVariantAnimation>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace ControlsTest;
using ControlsTest::render;

namespace {

const QColor kThumb(0x43, 0xA0, 0x47);

class SwitchTest : public ::testing::Test
{
protected:
    // Never shown: controls built under it open no window of their own.
    QWidget host;

    static void SetUpTestSuite() { startToolkit(); }

    // Runs the event loop until the slide is over (bounded).
    static bool settle(CVNQSwitch& s)
    {
        return TestUtil::waitFor([&s] { return !s.getImpl()->animating; });
    }
    // A 60 x 30 switch with a coloured thumb in every state and no texts.
    static void colour(CVNQSwitch& s)
    {
        s.resize(60, 30);
        const FillStyle thumb = fill("sw_thumb", kThumb);
        for (int state = 0; state < 4; ++state)
            s.setThumbStyle(state, thumb);
        s.setLeftText("");
        s.setRightText("");
    }
};

} // namespace

TEST_F(SwitchTest, FirstPaintPlacesTheThumbByThePositionFlag)
{
    CVNQSwitch sw(&host);
    EXPECT_EQ(sw.getLeftText(), "On");
    EXPECT_EQ(sw.getRightText(), "Off");
    EXPECT_EQ(sw.getThumbBtnSize(), QSize(25, 25));
    EXPECT_EQ(sw.getSwitchSpeed(), 300u);
    EXPECT_FALSE(sw.getIsSwitchToLeft());
    colour(sw);
    EXPECT_EQ(colourBox(render(&sw), kThumb), QRect(33, 2, 25, 25));
    EXPECT_EQ(sw.getImpl()->thumbOffset, 31);

    CVNQSwitch left(&host);
    colour(left);
    left.setSwitchToLeft(true);
    EXPECT_EQ(colourBox(render(&left), kThumb), QRect(2, 2, 25, 25));
}

TEST_F(SwitchTest, PressSlidesTheThumbAndFlipsThePositionWhenTheSlideEnds)
{
    CVNQSwitch sw(&host);
    colour(sw);
    sw.setSwitchSpeed(120);
    render(&sw);
    TestUtil::press(&sw, QPointF(5, 5));
    EXPECT_TRUE(sw.getImpl()->animating);
    EXPECT_EQ(sw.getImpl()->getState(), CtrlStatePressed);
    EXPECT_FALSE(sw.getIsSwitchToLeft()); // still the starting side
    EXPECT_EQ(sw.getImpl()->animation->startValue().toInt(), 31);
    EXPECT_EQ(sw.getImpl()->animation->endValue().toInt(), 0);
    TestUtil::press(&sw, QPointF(5, 5)); // ignored during the slide
    ASSERT_TRUE(settle(sw));
    EXPECT_TRUE(sw.getIsSwitchToLeft());
    EXPECT_EQ(colourBox(render(&sw), kThumb), QRect(2, 2, 25, 25));

    // A flag set after the first paint moves the thumb; the next slide
    // starts from there.
    sw.setSwitchToLeft(false);
    EXPECT_EQ(colourBox(render(&sw), kThumb), QRect(33, 2, 25, 25));
    sw.setSwitchSpeed(0);
    TestUtil::press(&sw, QPointF(5, 5));
    EXPECT_EQ(sw.getImpl()->animation->startValue().toInt(), 31);
    ASSERT_TRUE(settle(sw));
    EXPECT_TRUE(sw.getIsSwitchToLeft());
    EXPECT_EQ(colourBox(render(&sw), kThumb), QRect(2, 2, 25, 25));

    // On screen the thumb shows where the slide is, not only its ends.
    CVNQSwitch shown;
    colour(shown);
    shown.setSwitchSpeed(400);
    ASSERT_TRUE(TestUtil::showExposed(&shown));
    TestUtil::press(&shown, QPointF(5, 5));
    QVariantAnimation* slide = shown.getImpl()->animation;
    slide->pause();
    slide->setCurrentTime(slide->duration() / 2);
    const QRect halfway = colourBox(TestUtil::screenShot(&shown), kThumb);
    EXPECT_GT(halfway.left(), 2);
    EXPECT_LT(halfway.left(), 33);
    slide->resume();
    ASSERT_TRUE(settle(shown));
    EXPECT_EQ(colourBox(TestUtil::screenShot(&shown), kThumb), QRect(2, 2, 25, 25));

    // Destroying the control mid-slide is safe.
    auto* doomed = new CVNQSwitch(&host);
    doomed->setSwitchSpeed(1000);
    TestUtil::press(doomed, QPointF(5, 5));
    ASSERT_TRUE(TestUtil::waitFor([doomed] { return doomed->getImpl()->animation->currentTime() > 0; }));
    delete doomed;
    TestUtil::flushEvents();
}

// However the position changes after the first paint, the screen shows the
// thumb at rest where the position puts it in the switch's current size.
TEST_F(SwitchTest, ThumbShowsThePositionHoweverItChanges)
{
    CVNQSwitch sw;
    colour(sw);
    ASSERT_TRUE(TestUtil::showExposed(&sw));
    auto shows = [&sw](const char* change) {
        const int m = sw.getMargin(), x = sw.getIsSwitchToLeft() ? m : sw.width() - m - sw.getThumbBtnSize().width();
        EXPECT_FALSE(sw.getImpl()->animating) << change;
        EXPECT_EQ(colourBox(TestUtil::screenShot(&sw), kThumb), QRect(QPoint(x, m), sw.getThumbBtnSize())) << change;
    };
    Json::Value on = TestUtil::json(R"({"attr": {"on": 1}})");
    sw.setSwitchToLeft(true);
    shows("setter");
    sw.readJsonValue(&on); // as a theme entry is read
    shows("file");
    sw.resize(90, 30);
    sw.setMargin(5);
    sw.setThumbSize(20, 14);
    shows("size");
    sw.setEnabled(false);
    sw.setSwitchToLeft(true);
    shows("disabled");
    sw.setEnabled(true);
    sw.setSwitchSpeed(5000);
    TestUtil::press(&sw, QPointF(5, 5)); // slides to the right
    sw.setSwitchToLeft(true);
    shows("setter against a slide");
    sw.setSwitchSpeed(100);
    TestUtil::press(&sw, QPointF(5, 5));
    sw.setSwitchToLeft(false);
    EXPECT_TRUE(settle(sw));
    shows("setter with a slide");
}

TEST_F(SwitchTest, TextsFollowThePositionFlag)
{
    TextStyleDesc styles[2];
    styles[0].clr = QColor(0xD3, 0x2F, 0x2F);
    styles[1].clr = QColor(0x30, 0x3F, 0x9F);
    styles[0].hor = styles[1].hor = 1;
    auto look = [&](bool showAll, bool left) {
        CVNQSwitch sw(&host);
        sw.resize(80, 29);
        sw.setTextStyle(CVNQSwitch::SwitchLeft, styles[0]);
        sw.setTextStyle(CVNQSwitch::SwitchRight, styles[1]);
        sw.setLeftText("L");
        sw.setRightText("R");
        sw.setShowAllText(showAll);
        sw.setSwitchToLeft(left);
        sw.getImpl()->animating = true; // a slide with the thumb out of sight
        sw.getImpl()->thumbOffset = 100;
        return render(&sw);
    };
    // Style index (or -1 for none) of the left and the right slot's text.
    auto slotTexts = [&](int leftStyle, int rightStyle) {
        return expected(QSize(80, 29), [&](QPainter* p) {
            CVNQWidgetBaseImpl::drawFillStyle(p, FillStyle(), QRect(0, 0, 80, 29));
            if (leftStyle >= 0)
                CVNQWidgetBaseImpl::drawText(p, "L", styles[leftStyle], QRect(2, 2, 25, 25));
            if (rightStyle >= 0)
                CVNQWidgetBaseImpl::drawText(p, "R", styles[rightStyle], QRect(55, 2, 25, 25));
        });
    };
    EXPECT_EQ(differingPixels(look(true, true), slotTexts(0, 1)), 0);
    EXPECT_EQ(differingPixels(look(true, false), slotTexts(1, 0)), 0);
    EXPECT_EQ(differingPixels(look(false, true), slotTexts(-1, 1)), 0);
    EXPECT_EQ(differingPixels(look(false, false), slotTexts(0, -1)), 0);
}

TEST_F(SwitchTest, ThumbStyleFollowsTheStateAndTakesNoAllStatesValue)
{
    CVNQSwitch sw(&host);
    colour(sw);
    const QColor hot(0x81, 0xC7, 0x84), off(0x9E, 0x9E, 0x9E);
    sw.setThumbStyle(1, fill("sw_hot", hot));
    sw.setThumbStyle(3, fill("sw_off", off));
    sw.getImpl()->setState(CtrlStateHover);
    EXPECT_EQ(colourBox(render(&sw), hot), QRect(33, 2, 25, 25));
    sw.setEnabled(false);
    EXPECT_EQ(colourBox(render(&sw), off), QRect(33, 2, 25, 25));

    sw.setThumbStyle(-2, fill("sw_neg", Qt::red));
    EXPECT_EQ(sw.getThumbStyle(0).name, "sw_thumb");
    EXPECT_EQ(sw.getThumbStyle(3).name, "sw_off");
    EXPECT_EQ(sw.getThumbStyle(9).name, "sw_thumb");
    sw.setThumbStyle(CtrlStateAll, fill("sw_all", Qt::red));
    EXPECT_EQ(sw.getThumbStyle(3).name, "sw_all");
}

TEST_F(SwitchTest, ReadingAttrSetsTextsThumbAndPosition)
{
    CVNQSwitch sw(&host);
    sw.setSwitchSpeed(120);
    sw.setMargin(4);
    sw.setThumbSize(10, 12);
    Json::Value empty = TestUtil::json(R"({"attr": {}})");
    sw.readJsonValue(&empty);
    EXPECT_EQ(sw.getLeftText(), "");
    EXPECT_EQ(sw.getRightText(), "");
    EXPECT_EQ(sw.getThumbBtnSize(), QSize(25, 25));
    EXPECT_TRUE(sw.getIsSwitchToLeft());
    EXPECT_EQ(sw.getSwitchSpeed(), 120u);
    EXPECT_EQ(sw.getMargin(), 4);

    Json::Value a = TestUtil::json(R"({"attr": {"leftText": "A", "on": true, "thumbW": 30}})");
    sw.readJsonValue(&a);
    EXPECT_EQ(sw.getLeftText(), "A");
    EXPECT_FALSE(sw.getIsSwitchToLeft());
    EXPECT_EQ(sw.getThumbBtnSize(), QSize(30, 25));
    Json::Value zero = TestUtil::json(R"({"attr": {"on": 0}})");
    sw.readJsonValue(&zero);
    EXPECT_TRUE(sw.getIsSwitchToLeft());

    // A null "attr" is no "attr": nothing changes.
    sw.setLeftText("Keep");
    Json::Value null = TestUtil::json(R"({"attr": null})");
    sw.readJsonValue(&null);
    EXPECT_EQ(sw.getLeftText(), "Keep");
    EXPECT_EQ(sw.getMargin(), 4);

    // Also a theme entry sets texts and the position.
    QTemporaryDir theme;
    ASSERT_TRUE(loadTheme(theme, R"([{"name": "sw_theme_probe", "attr": {"leftText": "Yes", "on": 1}}])"));
    sw.setThemeName("sw_theme_probe");
    EXPECT_EQ(sw.getLeftText(), "Yes");
    EXPECT_FALSE(sw.getIsSwitchToLeft());
}

TEST_F(SwitchTest, WritingKeepsWhatDiffersAndNullsAnEmptyAttr)
{
    CVNQSwitch sw(&host);
    EXPECT_EQ(written(sw)["attr"], TestUtil::json(R"({"leftText": "On", "rightText": "Off", "thumbW": 25,
        "thumbH": 25, "on": true})"));
    EXPECT_TRUE(written(sw)["style"].isNull());

    sw.setThumbSize(0, 0);
    sw.setLeftText("");
    sw.setRightText("");
    sw.setSwitchToLeft(true);
    Json::Value bare = written(sw);
    EXPECT_TRUE(bare.isMember("attr"));
    EXPECT_TRUE(bare["attr"].isNull());
    // Read back, a null "attr" changes nothing.
    CVNQSwitch back(&host);
    back.readJsonValue(&bare);
    EXPECT_EQ(back.getThumbBtnSize(), QSize(25, 25));
    EXPECT_FALSE(back.getIsSwitchToLeft());

    sw.setSwitchSpeed(80);
    sw.setMargin(3);
    sw.setLeftText(QString::fromUtf8("开"));
    sw.setSwitchToLeft(false);
    sw.setThumbSize(20, 18);
    Json::Value full = written(sw);
    CVNQSwitch copy(&host);
    copy.readJsonValue(&full);
    EXPECT_EQ(written(copy), full);
    EXPECT_EQ(copy.getLeftText(), QString::fromUtf8("开"));
}

TEST_F(SwitchTest, ThumbStylesAreWrittenCompactly)
{
    fill("sw_a", QColor(1, 2, 3));
    fill("sw_a2", QColor(1, 2, 3));
    const FillStyle b = fill("sw_b", QColor(4, 5, 6));
    fill("sw_track", QColor(9, 9, 9));
    ControlsTest::defineText("sw_tl", Qt::black);
    ControlsTest::defineText("sw_tr", Qt::white);

    CVNQSwitch sw(&host);
    Json::Value node = TestUtil::json(R"({"style": [["sw_track", 1, 0], ["sw_b", 1, 3], ["sw_a", 1, 2],
        ["sw_a2", 1, 4], ["sw_tl", 2, 6], ["sw_tr", 2, 7], ["sw_b", 1, 1], ["sw_b", 1, 9]]})");
    sw.readJsonValue(&node);
    EXPECT_EQ(sw.getThumbStyle(1).name, "sw_a"); // slot 2 after slot 3 overwrote hover
    EXPECT_EQ(sw.getThumbStyle(2).name, "sw_a2");
    EXPECT_EQ(sw.getTextStyle(5).name, "sw_tr");
    // Four thumbs that look the same: one entry under slot 2.
    Json::Value out = written(sw);
    EXPECT_EQ(out["style"], TestUtil::json(R"([["sw_track", 1, 0], ["sw_a", 1, 2], ["sw_tl", 2, 6],
        ["sw_tr", 2, 7]])"));
    CVNQSwitch copy(&host);
    copy.readJsonValue(&out);
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(copy.getThumbStyle(s).name, "sw_a") << s;

    // Hover and pressed differ: every named state under its own slot.
    sw.setThumbStyle(2, b);
    EXPECT_EQ(written(sw)["style"], TestUtil::json(R"([["sw_track", 1, 0], ["sw_a", 1, 2], ["sw_a", 1, 3],
        ["sw_b", 1, 4], ["sw_a", 1, 5], ["sw_tl", 2, 6], ["sw_tr", 2, 7]])"));
}
