// The switch: first-paint thumb place, the slide and when the position
// flips, texts by position, thumb styles by state, the JSON rules.

#include "CVNQControlFactory.h"
#include "CVNQSwitch.h"
#include "CVNQSwitchImpl.h"
#include "IndicatorTestUtil.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QVariantAnimation>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace IndicatorTest;
using ControlsTest::render;

namespace {

const QColor kTrack(0xCF, 0xD8, 0xDC);
const QColor kThumb(0x43, 0xA0, 0x47);

class SwitchTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { startToolkit(); }

    static void press(CVNQSwitch& s)
    {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&s, &e);
    }
    // Runs the event loop until the slide is over (bounded).
    static bool settle(CVNQSwitch& s)
    {
        QElapsedTimer t;
        t.start();
        while (s.getImpl()->animating && t.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return !s.getImpl()->animating;
    }
    static void colour(CVNQSwitch& s)
    {
        s.setBackgroundStyle(0, fill("sw_track", kTrack));
        const FillStyle thumb = fill("sw_thumb", kThumb);
        for (int state = 0; state < 4; ++state)
            s.setThumbStyle(state, thumb);
        s.setTextStyle(0, TextStyleDesc());
        s.setLeftText("");
        s.setRightText("");
    }
};

} // namespace

TEST_F(SwitchTest, NewSwitchHasItsDefaultsAndPaintsTheThumbOnTheRight)
{
    CVNQSwitch sw;
    EXPECT_EQ(sw.getLeftText(), "On");
    EXPECT_EQ(sw.getRightText(), "Off");
    EXPECT_EQ(sw.getThumbBtnSize(), QSize(25, 25));
    EXPECT_EQ(sw.getMargin(), 2);
    EXPECT_EQ(sw.getSwitchSpeed(), 300u);
    EXPECT_FALSE(sw.getIsSwitchToLeft());
    EXPECT_TRUE(sw.getShowAllText());

    colour(sw);
    sw.resize(60, 30);
    EXPECT_EQ(sw.getImpl()->thumbOffset, -1);
    const QImage shot = render(&sw);
    EXPECT_EQ(sw.getImpl()->thumbOffset, 31);
    EXPECT_EQ(colourBox(shot, kThumb), QRect(33, 2, 25, 25));

    // Set before the first paint, the flag places the thumb on the left.
    CVNQSwitch left;
    colour(left);
    left.resize(60, 30);
    left.setSwitchToLeft(true);
    EXPECT_EQ(colourBox(render(&left), kThumb), QRect(2, 2, 25, 25));
}

TEST_F(SwitchTest, PressSlidesTheThumbAndFlipsThePositionWhenTheSlideEnds)
{
    CVNQSwitch sw;
    colour(sw);
    sw.resize(60, 30);
    sw.setSwitchSpeed(120);
    render(&sw);
    press(sw);
    EXPECT_TRUE(sw.getImpl()->animating);
    EXPECT_EQ(sw.getImpl()->getState(), CtrlStatePressed);
    EXPECT_FALSE(sw.getIsSwitchToLeft()); // still the starting side
    EXPECT_EQ(sw.getImpl()->animation->startValue().toInt(), 31);
    EXPECT_EQ(sw.getImpl()->animation->endValue().toInt(), 0);

    // A second press during the slide changes nothing but the style.
    press(sw);
    EXPECT_EQ(sw.getImpl()->animation->endValue().toInt(), 0);
    ASSERT_TRUE(settle(sw));
    EXPECT_TRUE(sw.getIsSwitchToLeft());
    EXPECT_EQ(sw.getImpl()->thumbOffset, 0);
    EXPECT_EQ(colourBox(render(&sw), kThumb), QRect(2, 2, 25, 25));

    // And back.
    press(sw);
    ASSERT_TRUE(settle(sw));
    EXPECT_FALSE(sw.getIsSwitchToLeft());
    EXPECT_EQ(sw.getImpl()->thumbOffset, 31);
}

TEST_F(SwitchTest, FlagChangedAfterTheFirstPaintMovesOnlyTheNextSlide)
{
    CVNQSwitch sw;
    colour(sw);
    sw.resize(60, 30);
    sw.setSwitchSpeed(0);
    render(&sw);
    sw.setSwitchToLeft(true);
    EXPECT_EQ(colourBox(render(&sw), kThumb), QRect(33, 2, 25, 25)); // drawn where it was
    press(sw);
    EXPECT_EQ(sw.getImpl()->animation->startValue().toInt(), 0);
    ASSERT_TRUE(settle(sw));
    EXPECT_FALSE(sw.getIsSwitchToLeft());
    EXPECT_EQ(sw.getImpl()->thumbOffset, 31);
}

TEST_F(SwitchTest, TextsFollowThePositionFlag)
{
    TextStyleDesc leftStyle;
    leftStyle.clr = QColor(0xD3, 0x2F, 0x2F);
    leftStyle.hor = 1;
    TextStyleDesc rightStyle;
    rightStyle.clr = QColor(0x30, 0x3F, 0x9F);
    rightStyle.hor = 1;
    auto look = [&](bool showAll, bool left) {
        CVNQSwitch sw;
        sw.resize(80, 29);
        sw.setTextStyle(CVNQSwitch::SwitchLeft, leftStyle);
        sw.setTextStyle(CVNQSwitch::SwitchRight, rightStyle);
        sw.setLeftText("L");
        sw.setRightText("R");
        sw.setShowAllText(showAll);
        sw.setSwitchToLeft(left);
        sw.getImpl()->thumbOffset = 100; // thumb out of sight
        return render(&sw);
    };
    auto bothSlots = [&](const TextStyleDesc* inLeft, const TextStyleDesc* inRight) {
        return expected(QSize(80, 29), [&](QPainter* p) {
            FillStyle track;
            CVNQWidgetBaseImpl::drawFillStyle(p, track, QRect(0, 0, 80, 29));
            if (inLeft)
                CVNQWidgetBaseImpl::drawText(p, "L", *inLeft, QRect(2, 2, 25, 25));
            if (inRight)
                CVNQWidgetBaseImpl::drawText(p, "R", *inRight, QRect(55, 2, 25, 25));
        });
    };
    auto textOnly = [&](const TextStyleDesc* inLeft, const TextStyleDesc* inRight, const char* text, bool leftSlot) {
        return expected(QSize(80, 29), [&](QPainter* p) {
            FillStyle track;
            CVNQWidgetBaseImpl::drawFillStyle(p, track, QRect(0, 0, 80, 29));
            CVNQWidgetBaseImpl::drawText(p, text, inLeft ? *inLeft : *inRight,
                                         leftSlot ? QRect(2, 2, 25, 25) : QRect(55, 2, 25, 25));
        });
    };
    EXPECT_EQ(differingPixels(look(true, true), bothSlots(&leftStyle, &rightStyle)), 0);
    EXPECT_EQ(differingPixels(look(true, false), bothSlots(&rightStyle, &leftStyle)), 0);
    EXPECT_EQ(differingPixels(look(false, true), textOnly(nullptr, &rightStyle, "R", false)), 0);
    EXPECT_EQ(differingPixels(look(false, false), textOnly(&leftStyle, nullptr, "L", true)), 0);
}

TEST_F(SwitchTest, ThumbStyleFollowsTheControlStateIncludingDisabled)
{
    CVNQSwitch sw;
    colour(sw);
    sw.resize(60, 30);
    const QColor hot(0x81, 0xC7, 0x84), down(0x2E, 0x7D, 0x32), off(0x9E, 0x9E, 0x9E);
    sw.setThumbStyle(1, fill("sw_hot", hot));
    sw.setThumbStyle(2, fill("sw_down", down));
    sw.setThumbStyle(3, fill("sw_off", off));
    sw.getImpl()->setState(CtrlStateHover);
    EXPECT_EQ(colourBox(render(&sw), hot), QRect(33, 2, 25, 25));
    sw.setEnabled(false);
    EXPECT_EQ(colourBox(render(&sw), off), QRect(33, 2, 25, 25));

    // No "all states" value here, and nothing out of range.
    sw.setThumbStyle(CtrlStateAll, fill("sw_all", Qt::red));
    sw.setThumbStyle(-2, fill("sw_all", Qt::red));
    EXPECT_EQ(sw.getThumbStyle(0).name, "sw_thumb");
    EXPECT_EQ(sw.getThumbStyle(3).name, "sw_off");
    EXPECT_EQ(sw.getThumbStyle(9).name, "sw_thumb");
}

TEST_F(SwitchTest, ReadingAttrSetsTextsThumbAndPosition)
{
    CVNQSwitch sw;
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

    Json::Value a = TestUtil::json(R"({"attr": {"leftText": "A", "on": true, "thumbW": 30, "margin": 1}})");
    sw.readJsonValue(&a);
    EXPECT_EQ(sw.getLeftText(), "A");
    EXPECT_EQ(sw.getRightText(), "");
    EXPECT_FALSE(sw.getIsSwitchToLeft());
    EXPECT_EQ(sw.getThumbBtnSize(), QSize(30, 25));
    Json::Value zero = TestUtil::json(R"({"attr": {"on": 0}})");
    sw.readJsonValue(&zero);
    EXPECT_TRUE(sw.getIsSwitchToLeft());

    // No "attr", or a null one, leaves everything as it is.
    sw.setLeftText("Keep");
    Json::Value none = TestUtil::json(R"({"name": "s"})");
    sw.readJsonValue(&none);
    Json::Value null = TestUtil::json(R"({"attr": null})");
    sw.readJsonValue(&null);
    EXPECT_EQ(sw.getLeftText(), "Keep");
    EXPECT_EQ(sw.getThumbBtnSize(), QSize(25, 25));
    EXPECT_EQ(sw.getMargin(), 1);
}

TEST_F(SwitchTest, WritingKeepsWhatDiffersAndRoundTrips)
{
    CVNQSwitch sw;
    EXPECT_EQ(written(sw)["attr"], TestUtil::json(R"({"leftText": "On", "rightText": "Off", "thumbW": 25,
        "thumbH": 25, "on": true})"));
    EXPECT_TRUE(written(sw)["style"].isNull());

    sw.setThumbSize(0, 0);
    sw.setLeftText("");
    sw.setRightText("");
    sw.setSwitchToLeft(true);
    const Json::Value bare = written(sw);
    EXPECT_TRUE(bare["attr"].isObject());
    EXPECT_EQ(bare["attr"].size(), 0u);
    Json::Value in = bare;
    CVNQSwitch back;
    back.readJsonValue(&in);
    EXPECT_EQ(back.getThumbBtnSize(), QSize(25, 25));
    EXPECT_TRUE(back.getIsSwitchToLeft());
    EXPECT_EQ(back.getLeftText(), "");

    sw.setSwitchSpeed(80);
    sw.setMargin(3);
    sw.setLeftText(QString::fromUtf8("开"));
    sw.setSwitchToLeft(false);
    sw.setThumbSize(20, 18);
    Json::Value full = written(sw);
    CVNQSwitch copy;
    copy.readJsonValue(&full);
    EXPECT_EQ(written(copy), full);
    EXPECT_EQ(copy.getLeftText(), QString::fromUtf8("开"));
    EXPECT_EQ(copy.getSwitchSpeed(), 80u);
}

TEST_F(SwitchTest, ThumbStylesAreWrittenCompactly)
{
    const FillStyle a = fill("sw_a", QColor(1, 2, 3));
    const FillStyle a2 = fill("sw_a2", QColor(1, 2, 3));
    const FillStyle b = fill("sw_b", QColor(4, 5, 6));
    fill("sw_track", kTrack);
    ControlsTest::defineText("sw_tl", Qt::black);
    ControlsTest::defineText("sw_tr", Qt::white);

    CVNQSwitch sw;
    Json::Value node = TestUtil::json(R"({"style": [["sw_track", 1, 0], ["sw_a", 1, 2], ["sw_a2", 1, 4],
        ["sw_tl", 2, 6], ["sw_tr", 2, 7], ["sw_b", 1, 1], ["sw_b", 1, 9]]})");
    sw.readJsonValue(&node);
    EXPECT_EQ(sw.getThumbStyle(1).name, "sw_a");
    EXPECT_EQ(sw.getThumbStyle(2).name, "sw_a2");
    EXPECT_EQ(sw.getTextStyle(1).name, "sw_tr");
    EXPECT_EQ(sw.getTextStyle(5).name, "sw_tr");
    // Four thumbs that look the same: one entry under slot 2.
    EXPECT_EQ(written(sw)["style"], TestUtil::json(R"([["sw_track", 1, 0], ["sw_a", 1, 2], ["sw_tl", 2, 6],
        ["sw_tr", 2, 7]])"));
    Json::Value out = written(sw);
    CVNQSwitch copy;
    copy.readJsonValue(&out);
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(copy.getThumbStyle(s).name, "sw_a") << s;

    // Hover and pressed differ: every named state under its own slot.
    sw.setThumbStyle(2, b);
    EXPECT_EQ(written(sw)["style"], TestUtil::json(R"([["sw_track", 1, 0], ["sw_a", 1, 2], ["sw_a", 1, 3],
        ["sw_b", 1, 4], ["sw_a", 1, 5], ["sw_tl", 2, 6], ["sw_tr", 2, 7]])"));
    Q_UNUSED(a);
    Q_UNUSED(a2);
}

TEST_F(SwitchTest, ThemeEntrySetsTextsAndPositionToo)
{
    QTemporaryDir theme;
    ASSERT_TRUE(loadTheme(theme, R"([{"name": "sw_theme_probe", "attr": {"leftText": "Yes", "rightText": "No",
        "speed": 90}}])"));
    CVNQSwitch sw;
    sw.setThemeName("sw_theme_probe");
    EXPECT_EQ(sw.getLeftText(), "Yes");
    EXPECT_EQ(sw.getRightText(), "No");
    EXPECT_EQ(sw.getSwitchSpeed(), 90u);
    EXPECT_TRUE(sw.getIsSwitchToLeft()); // "on" absent
}

TEST_F(SwitchTest, PropertyTableAndRegistration)
{
    const ControlInfo info = CVNQSwitch::getProps();
    ASSERT_EQ(info.properties.size(), 7u + 9u);
    EXPECT_EQ(info.className, "CVNQSwitch");
    EXPECT_EQ(info.key, "switch");
    const PropertyDef& size = info.properties[13];
    ASSERT_EQ(size.name, "ThumbSize");
    EXPECT_EQ(size.type, 11);
    CVNQSwitch sw;
    size.setFourInts(&sw, 31, 17, 0, 0);
    EXPECT_EQ(sw.getThumbBtnSize(), QSize(31, 17));
    EXPECT_EQ(size.getFourInts(&sw), QVector<int>({31, 17}));
    info.properties[14].setBool(&sw, true);
    EXPECT_TRUE(sw.getIsSwitchToLeft());

    QWidget* w = createControlByTypeName("switch", nullptr);
    EXPECT_NE(qobject_cast<CVNQSwitch*>(w), nullptr);
    delete w;
}

TEST_F(SwitchTest, ControlDestroyedMidSlide)
{
    auto* sw = new CVNQSwitch;
    sw->resize(60, 30);
    sw->setSwitchSpeed(1000);
    press(*sw);
    TestUtil::spin(20);
    delete sw;
    TestUtil::spin(20);
    SUCCEED();
}
