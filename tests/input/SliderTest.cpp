// The slider: channel and fill geometry, the thumb through the application
// style, the thumb's look under the mouse, and its JSON node.

#include "CScrollBarStyle.h"
#include "CVNQSlider.h"
#include "CVNQSliderImpl.h"
#include "InputTestUtil.h"
#include "TestUtil.h"

#include <QProxyStyle>
#include <QStyleOptionSlider>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace InputTest;

namespace {

struct SliderFixture : ::testing::Test
{
    void SetUp() override { initToolkit(); }
};

// A slider 200 x 30 (or 30 x 200) with distinct colours for its parts.
struct ColouredSlider
{
    CVNQSlider slider;
    explicit ColouredSlider(Qt::Orientation o)
        : slider(nullptr, o)
    {
        slider.resize(o == Qt::Horizontal ? QSize(200, 30) : QSize(30, 200));
        slider.setBackgroundStyle(0, fill("bg", Qt::blue));
        slider.setForegroundStyle(0, fill("fg", Qt::green));
        for (int s = 0; s < 4; ++s)
            slider.setThumbStyle(s, fill("th", QColor(200, 0, 0)));
        slider.setThumbStyle(1, fill("hot", Qt::yellow));
        slider.setThumbStyle(2, fill("down", Qt::magenta));
        slider.setThumbStyle(3, fill("off", Qt::gray));
    }
};

} // namespace

TEST_F(SliderFixture, ChannelAndFillGeometry)
{
    CVNQSliderBars h = cvnSliderBars(QRect(0, 0, 200, 30), true, 10, 25, 0, 100);
    EXPECT_EQ(h.channel, QRect(0, 10, 200, 10));
    EXPECT_EQ(h.fill, QRect(0, 10, 50, 10));

    CVNQSliderBars v = cvnSliderBars(QRect(0, 0, 30, 200), false, 10, 25, 0, 100);
    EXPECT_EQ(v.channel, QRect(10, 0, 10, 200));
    EXPECT_EQ(v.fill, QRect(10, 149, 10, 50));

    EXPECT_EQ(cvnSliderBars(QRect(0, 0, 200, 30), true, 10, 100, 50, 150).fill.width(), 100);
    EXPECT_TRUE(cvnSliderBars(QRect(0, 0, 200, 30), true, 10, 50, 50, 150).fill.isEmpty());
    EXPECT_TRUE(cvnSliderBars(QRect(0, 0, 200, 30), true, 10, 0, 0, 0).fill.isEmpty());
    // A full int range does not overflow.
    EXPECT_EQ(cvnSliderBars(QRect(0, 0, 200, 30), true, 10, INT_MAX, INT_MIN, INT_MAX).fill.width(), 200);

    // The same rectangles on screen.
    ColouredSlider s(Qt::Horizontal);
    s.slider.setValue(25);
    QImage img = s.slider.grab().toImage();
    EXPECT_EQ(colourBox(img, QColor(200, 0, 0)), QRect(45, 5, 20, 20));
    EXPECT_TRUE(near(img.pixelColor(199, 10), Qt::blue));
    EXPECT_TRUE(near(img.pixelColor(199, 19), Qt::blue));
    EXPECT_FALSE(near(img.pixelColor(199, 20), Qt::blue));
    FillStyle none;
    none.valid = false;
    s.slider.setThumbStyle(0, none);
    img = s.slider.grab().toImage();
    EXPECT_EQ(colourBox(img, Qt::green), QRect(0, 10, 50, 10));
    // Inverted, or laid out right to left, the minimum's end is the right
    // one, where Qt puts the thumb: the fill runs from there to the thumb.
    for (bool inverted : {true, false}) {
        s.slider.setInvertedAppearance(inverted);
        s.slider.setLayoutDirection(inverted ? Qt::LeftToRight : Qt::RightToLeft);
        EXPECT_EQ(s.slider.getThumbRect(), QRect(135, 5, 20, 20));
        EXPECT_EQ(colourBox(s.slider.grab().toImage(), Qt::green), QRect(150, 10, 50, 10));
    }
}

TEST_F(SliderFixture, ThumbComesFromTheApplicationStyle)
{
    CVNQSlider slider;
    slider.resize(200, 30);
    slider.setValue(25);
    // Qt's handle position for a 20-pixel slider length: (200 - 20) * 25%.
    EXPECT_EQ(slider.getThumbRect(), QRect(45, 5, 20, 20));

    slider.setThumbSize(30, 16);
    EXPECT_EQ(slider.getSliderLength(), 30);
    EXPECT_EQ(slider.getThumbBtnSize(), QSize(30, 16));
    EXPECT_EQ(slider.getThumbRect(), QRect(43, 7, 30, 16));

    QStyle* style = cvnGetStyle();
    EXPECT_EQ(style->pixelMetric(QStyle::PM_SliderLength, nullptr, &slider), 30);
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = Qt::Horizontal;
    option.minimum = 0;
    option.maximum = 100;
    option.sliderPosition = 100;
    const QRect handle = style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
    EXPECT_EQ(handle, QRect(170, 7, 30, 16));

    CVNQSlider vertical(nullptr, Qt::Vertical);
    vertical.resize(30, 200);
    vertical.setThumbSize(12, 24);
    EXPECT_EQ(style->pixelMetric(QStyle::PM_SliderLength, nullptr, &vertical), 24);
    EXPECT_EQ(vertical.getThumbRect().left(), 9);
    EXPECT_EQ(vertical.getThumbRect().size(), QSize(12, 24));

    // Any other slider gets the base style's answer.
    QSlider plain(Qt::Horizontal);
    QProxyStyle reference;
    EXPECT_EQ(style->pixelMetric(QStyle::PM_SliderLength, nullptr, &plain),
              reference.pixelMetric(QStyle::PM_SliderLength, nullptr, &plain));

    // Qt's own dragging uses the same thumb: pressing on the painted thumb
    // and moving by 90 pixels moves the value by half the range.
    slider.setThumbSize(20, 20);
    const QPoint centre = slider.getThumbRect().center();
    TestUtil::drag(&slider, centre, QPoint(90, 0));
    EXPECT_NEAR(slider.value(), 75, 1);
}

TEST_F(SliderFixture, ThumbLookFollowsTheMouse)
{
    ColouredSlider s(Qt::Horizontal);
    CVNQSlider& slider = s.slider;
    CVNQWidgetBaseImpl* impl = slider.getControlImpl();
    const QRect thumb = slider.getThumbRect();
    const QPoint outside(150, 3);
    ASSERT_TRUE(TestUtil::showExposed(&slider)); // each look is checked on screen

    TestUtil::enter(&slider);
    EXPECT_TRUE(slider.hasMouseTracking());
    EXPECT_EQ(impl->getState(), 0);
    TestUtil::move(&slider, thumb.center());
    EXPECT_EQ(impl->getState(), 1);
    EXPECT_EQ(colourBox(TestUtil::screenShot(&slider), Qt::yellow), thumb);
    TestUtil::move(&slider, outside);
    EXPECT_EQ(impl->getState(), 0);

    TestUtil::press(&slider, thumb.center());
    EXPECT_EQ(impl->getState(), 2);
    TestUtil::move(&slider, QPoint(slider.getThumbRect().center().x(), 29), Qt::LeftButton);
    EXPECT_EQ(impl->getState(), 2);
    TestUtil::release(&slider, QPoint(slider.getThumbRect().right() + 30, 29));
    EXPECT_EQ(impl->getState(), 0);

    TestUtil::press(&slider, slider.getThumbRect().center());
    TestUtil::leave(&slider);
    EXPECT_EQ(impl->getState(), 0);
    EXPECT_FALSE(slider.hasMouseTracking());
    TestUtil::release(&slider, slider.getThumbRect().center());

    slider.setEnabled(false);
    EXPECT_EQ(colourBox(TestUtil::screenShot(&slider), Qt::gray), slider.getThumbRect());
    EXPECT_EQ(impl->getState(), 3);

    // The thumb takes states 0..3 and 4 for all; anything else is ignored.
    slider.setThumbStyle(4, fill("all", Qt::blue));
    slider.setThumbStyle(-1, fill("neg", Qt::blue));
    for (int st = 0; st < 4; ++st)
        EXPECT_EQ(slider.getThumbStyle(st).name, "all");
    EXPECT_EQ(slider.getThumbStyle(9).name, slider.getThumbStyle(0).name);
}

TEST_F(SliderFixture, JsonReadAndWrite)
{
    addFill("sl.T", Qt::red);
    addFill("sl.H", Qt::yellow);
    addFill("sl.bg", Qt::blue);

    CVNQSlider slider;
    slider.setRange(10, 50);
    slider.setValue(30);
    slider.setThumbSize(8, 9);
    ASSERT_TRUE(read(&slider, TestUtil::json(R"({"attr":{}})")));
    EXPECT_TRUE(slider.getIsHorizontal());
    EXPECT_EQ(slider.value(), 10); // position 0, clamped into the range
    EXPECT_EQ(slider.minimum(), 10);
    EXPECT_EQ(slider.maximum(), 50);
    int w = 0, h = 0;
    slider.getThumbSize(w, h);
    EXPECT_EQ(w, 8);
    // Thumb sizes from a file stay within widget sizes.
    ASSERT_TRUE(read(&slider, TestUtil::json(R"({"attr":{"thumbW":-5,"thumbH":2147483647}})")));
    slider.getThumbSize(w, h);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, QWIDGETSIZE_MAX);

    CVNQSlider v;
    const Json::Value input = TestUtil::json(R"({"attr":{"isHor":false,"min":10,"max":20,"val":15,"channelSize":7},
        "style":[["sl.T",1,4],["sl.H",1,5],["sl.bg",1,0],["missing",1,2],["sl.bg",1,8]]})");
    ASSERT_TRUE(read(&v, input));
    EXPECT_FALSE(v.getIsHorizontal());
    EXPECT_EQ(v.minimum(), 10);
    EXPECT_EQ(v.maximum(), 20);
    EXPECT_EQ(v.value(), 15);
    EXPECT_EQ(v.getThumbStyle(0).name, "sl.T");
    EXPECT_EQ(v.getThumbStyle(1).name, "sl.H");
    EXPECT_EQ(v.getThumbStyle(3).name, "sl.T");
    EXPECT_EQ(v.getBackgroundStyle(0).name, "sl.bg");
    EXPECT_TRUE(v.getForegroundStyle(0).name.isEmpty());

    Json::Value out = written(&v);
    EXPECT_TRUE(TestUtil::keepsEveryKey(input["attr"], out["attr"]));
    EXPECT_EQ(out["attr"]["isHor"], Json::Value(0));
    EXPECT_EQ(out["attr"]["min"].asInt(), 10);
    EXPECT_EQ(out["attr"]["max"].asInt(), 20);
    EXPECT_EQ(out["attr"]["val"].asInt(), 15);
    EXPECT_FALSE(out["attr"].isMember("thumbW"));
    // Hover differs from normal: every named thumb state is written.
    ASSERT_EQ(out["style"].size(), 5u);
    EXPECT_EQ(out["style"][0], TestUtil::json(R"(["sl.bg",1,0])"));
    EXPECT_EQ(out["style"][1], TestUtil::json(R"(["sl.T",1,4])"));
    EXPECT_EQ(out["style"][2], TestUtil::json(R"(["sl.H",1,5])"));
    EXPECT_EQ(out["style"][4], TestUtil::json(R"(["sl.T",1,7])"));

    // Read back into a fresh slider: the same slider again.
    CVNQSlider copy;
    ASSERT_TRUE(read(&copy, out));
    EXPECT_EQ(written(&copy), out);

    // Moving back to a default value is written as the default, not as the
    // value that was read.
    v.setMinimum(0);
    v.setValue(0);
    v.setOrientation(Qt::Horizontal);
    out = written(&v);
    EXPECT_FALSE(out["attr"].isMember("val"));
    EXPECT_FALSE(out["attr"].isMember("min"));
    EXPECT_FALSE(out["attr"].isMember("isHor"));
    EXPECT_EQ(out["attr"]["max"].asInt(), 20);
}

TEST_F(SliderFixture, DefaultSliderSurvivesARoundTrip)
{
    CVNQSlider slider;
    Json::Value out = written(&slider);
    EXPECT_TRUE(out.isMember("attr"));
    EXPECT_TRUE(out["attr"].isNull());
    EXPECT_TRUE(out["style"].isNull());

    CVNQSlider copy;
    copy.setValue(40);
    ASSERT_TRUE(read(&copy, out));
    EXPECT_TRUE(copy.getIsHorizontal());
    EXPECT_EQ(copy.maximum(), 100);
    EXPECT_EQ(copy.getSliderLength(), 20);
    EXPECT_EQ(copy.getChannelHeight(), 10);
}

TEST_F(SliderFixture, ThemeEntrySetsOrientationAndPosition)
{
    ScopedTheme theme({{"style.json", R"({"style":[{"type":1,"name":"thm.thumb","drawImg":false,"clr":"FF102030"}]})"},
                       {"theme.json", R"({"elements":[{"child":[{"name":"qtslider","type":"qtslider",
                           "style":[["thm.thumb",1,4]],"attr":{"val":30,"channelSize":4}}]}]})"}});
    ASSERT_TRUE(theme.ok);

    CVNQSlider slider(nullptr, Qt::Vertical);
    EXPECT_TRUE(slider.getIsHorizontal());
    EXPECT_EQ(slider.value(), 30);
    EXPECT_EQ(slider.getChannelHeight(), 4);
    EXPECT_EQ(slider.getThumbStyle(2).name, "thm.thumb");
    EXPECT_FALSE(CVNQResourceManager::getInstance()->isLoadFromThemeRes());
}
