// Push button: per-state styles in and out of JSON, the compact "style"
// writing, states and the hover fade, icons and their geometry, the
// extension strip and language-key texts.

#include "CVNQWindow.h"
#include "CVNQPushButton.h"
#include "CVNQPushButtonImpl.h"
#include "ControlsTestUtil.h"
#include "LanguageManager.h"
#include "TestUtil.h"

#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace ControlsTest;

namespace {

int styleEntries(const Json::Value& node)
{
    return jsonSize(jsonGet(node, "style"));
}

} // namespace

TEST(PushButton, StyleEntriesFillStatesByIndex)
{
    defineFill("pb_a", Qt::red);
    defineFill("pb_b", Qt::green);
    defineText("pb_t", Qt::blue);
    defineText("pb_u", Qt::yellow);

    QWidget host_b;
    CVNQPushButton b(&host_b);
    Json::Value node = TestUtil::json(R"({"style": [["pb_a", 1, 0], ["pb_b", 1, 2], ["pb_t", 2, 4],
        ["pb_u", 2, 9], ["missing", 1, 1], "junk", [5, 1, 0], ["pb_b", 1, "x"]]})");
    EXPECT_TRUE(b.readJsonValue(&node));
    EXPECT_EQ(b.getBackground(0).name, "pb_a");
    EXPECT_EQ(b.getBackground(1).name, "pb_a");
    EXPECT_EQ(b.getBackground(2).name, "pb_b");
    EXPECT_EQ(b.getBackground(3).name, "pb_a");
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(b.getTextStyle(s).name, "pb_t") << s;

    b.setUseFillStyle(4, false);
    EXPECT_FALSE(b.getUseFillStyle(2));
    b.setUseFillStyle(1, true);
    EXPECT_TRUE(b.getUseFillStyle(1));
    EXPECT_FALSE(b.getUseFillStyle(0));
}

TEST(PushButton, CompactStyleWriting)
{
    const FillStyle a = defineFill("pw_a", Qt::red);
    const FillStyle b2 = defineFill("pw_b", Qt::green);
    const TextStyleDesc t = defineText("pw_t", Qt::black);

    // Same record in every state: one entry per group.
    QWidget host_same;
    CVNQPushButton same(&host_same);
    same.setBackground(4, a);
    same.setTextStyle(4, t);
    Json::Value node = written(same);
    ASSERT_EQ(styleEntries(node), 2);
    EXPECT_EQ(jsonAt(jsonGet(node, "style"), 0), TestUtil::json(R"(["pw_a", 1, 0])"));
    EXPECT_EQ(jsonAt(jsonGet(node, "style"), 1), TestUtil::json(R"(["pw_t", 2, 4])"));

    // A different hover style: every named state under its own index.
    QWidget host_hover;
    CVNQPushButton hover(&host_hover);
    hover.setBackground(4, a);
    hover.setBackground(1, b2);
    node = written(hover);
    EXPECT_EQ(styleEntries(node), 4);
    QWidget host_back;
    CVNQPushButton back(&host_back);
    back.readJsonValue(&node);
    EXPECT_EQ(back.getBackground(1).name, "pw_b");
    EXPECT_EQ(back.getBackground(2).name, "pw_a");

    // An unnamed state between two named ones must not hide a state that
    // differs from state 0: reading the list back restores it.
    QWidget host_gap;
    CVNQPushButton gap(&host_gap);
    FillStyle unnamed = a;
    unnamed.name.clear();
    gap.setBackground(4, a);
    gap.setBackground(1, unnamed);
    gap.setBackground(2, b2);
    gap.setBackground(3, unnamed);
    node = written(gap);
    QWidget host_gapBack;
    CVNQPushButton gapBack(&host_gapBack);
    gapBack.readJsonValue(&node);
    EXPECT_EQ(gapBack.getBackground(0).name, "pw_a");
    EXPECT_EQ(gapBack.getBackground(2).name, "pw_b");

    // No named style at all: no "style" key.
    QWidget host_none;
    CVNQPushButton none(&host_none);
    EXPECT_FALSE(written(none).isMember("style"));
}

TEST(PushButton, AttributesRoundTripAsWrittenRules)
{
    QWidget host_b;
    CVNQPushButton b(&host_b);
    Json::Value node = TestUtil::json(R"({"attr": {"hasIcon": 0, "iconPath": "a.png", "isExtBtn": true,
        "extWidth": 30, "extIconPath": "e.png", "extHotIconPath": "eh.png", "text": "Go", "hotIconPath": "h.png",
        "showText": false, "drawBackground": 0, "fadeDuration": 0, "iconHor": 2, "iconVer": 0, "iconX": -3,
        "iconY": 4, "iconUseColor": 1, "iconColor": "80FF0000", "txtX": 5, "txtY": -2}})");
    b.readJsonValue(&node);
    EXPECT_FALSE(b.getUseIcon());
    EXPECT_EQ(b.getIcon(), "a.png");
    EXPECT_EQ(b.text(), "Go");
    EXPECT_FALSE(b.getShowText());
    EXPECT_FALSE(b.getDrawBackground());
    EXPECT_EQ(b.getFadeDuration(), 150);
    EXPECT_EQ(b.getIconStyle().hor, 2);
    EXPECT_EQ(b.getIconStyle().x, -3);
    EXPECT_TRUE(b.getIconStyle().useColor);
    EXPECT_EQ(b.getIconStyle().color, QColor(255, 0, 0, 0x80)); // the alpha comes back too
    EXPECT_EQ(b.getTextOffsetX(), 5);
    EXPECT_TRUE(b.testAttribute(Qt::WA_MouseTracking));

    const Json::Value attr = jsonGet(written(b), "attr");
    const Json::Value expected = TestUtil::json(R"({"hasIcon": 0, "iconPath": "a.png", "isExtBtn": 1,
        "extWidth": 30, "extIconPath": "e.png", "extHotIconPath": "eh.png", "text": "Go", "hotIconPath": "h.png",
        "showText": 0, "drawBackground": 0, "iconHor": 2, "iconVer": 0, "iconX": -3, "iconY": 4,
        "iconUseColor": 1, "iconColor": "80FF0000", "txtX": 5, "txtY": -2})");
    EXPECT_EQ(attr, expected) << jsonStyled(attr);

    // Back to the defaults: the keys read earlier are not written again.
    b.setUseIcon(true);
    b.setShowText(true);
    b.setDrawBackground(true);
    b.setIconStyle(IconStyleDesc());
    b.setTextOffsetX(0);
    b.setTextOffsetY(0);
    const Json::Value attr2 = jsonGet(written(b), "attr");
    for (const char* key : {"hasIcon", "showText", "drawBackground", "iconHor", "iconColor", "txtX"})
        EXPECT_FALSE(attr2.isMember(key)) << key;

    // Fading is written only where it differs from the global default.
    QWidget host_plain;
    CVNQPushButton plain(&host_plain);
    const bool globalFade = rm()->getButtonFadeEnabled();
    EXPECT_EQ(plain.getFadeEnabled(), globalFade);
    EXPECT_FALSE(jsonGet(written(plain), "attr").isMember("fadeEnabled"));
    plain.setFadeEnabled(!globalFade);
    plain.setFadeDuration(-5);
    EXPECT_EQ(plain.getFadeDuration(), 150);
    EXPECT_EQ(jsonGet(written(plain), "attr")["fadeEnabled"], Json::Value(globalFade ? 0 : 1));

    // A theme entry never sets content: text and icon path stay.
    rm()->setSwitchToThemeRes(true);
    Json::Value theme = TestUtil::json(R"({"name": "x", "attr": {"text": "Theme", "iconPath": "t.png", "txtY": 9}})");
    Json::Value* themeNode = &theme;
    b.getImpl()->serializeJsonValue(&themeNode, true);
    rm()->setSwitchToThemeRes(false);
    EXPECT_EQ(b.text(), "Go");
    EXPECT_EQ(b.getIcon(), "a.png");
    EXPECT_EQ(b.getTextOffsetY(), 9);
}

TEST(PushButton, StatesFollowTheMouse)
{
    QWidget host_b;
    CVNQPushButton b(&host_b);
    b.resize(80, 30);
    CVNQPushButtonImpl* impl = b.getImpl();
    int entered = 0, left = 0;
    QObject::connect(&b, &CVNQPushButton::enterSignal, [&] { ++entered; });
    QObject::connect(&b, &CVNQPushButton::leaveSignal, [&] { ++left; });

    TestUtil::enter(&b);
    EXPECT_EQ(impl->getState(), 1);
    TestUtil::press(&b, QPointF(5, 5));
    EXPECT_EQ(impl->getState(), 2);
    TestUtil::leave(&b);
    EXPECT_EQ(impl->getState(), 0);
    TestUtil::release(&b, QPointF(5, 5));
    EXPECT_EQ(impl->getState(), 0);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);

    // A disabled button paints in state 3, and from 0 again once enabled.
    b.setEnabled(false);
    render(&b);
    EXPECT_EQ(impl->getState(), 3);
    b.setEnabled(true);
    render(&b);
    EXPECT_EQ(impl->getState(), 0);
}

TEST(PushButton, FadeRunsItsTicksAndStopsWhenNothingIsLeft)
{
    defineFill("fd_normal", QColor(0, 0, 0));
    defineFill("fd_hover", QColor(200, 100, 0));
    QWidget host_b;
    CVNQPushButton b(&host_b);
    Json::Value node = TestUtil::json(R"({"style": [["fd_normal", 1, 0], ["fd_hover", 1, 1]]})");
    b.readJsonValue(&node);
    b.resize(40, 20);
    b.setFadeEnabled(true);
    CVNQPushButtonImpl* impl = b.getImpl();

    // Fade-in: ten ticks of 16 / 150. A repaint before the first tick (Qt
    // repaints a hovered widget by itself) shows where the fade starts, the
    // normal look, not a flash of the hover look.
    TestUtil::enter(&b);
    EXPECT_TRUE(impl->fadeTimer->isActive());
    EXPECT_EQ(impl->getState(), 1);
    EXPECT_TRUE(near(render(&b).pixelColor(20, 10), QColor(0, 0, 0), 1));
    for (int i = 1; i < 10; ++i) {
        impl->onFadeTimer();
        EXPECT_LT(impl->fadeProgress, 1.0) << i;
    }
    // Half-way faces are blends of the two looks.
    impl->fadeProgress = 0.5;
    const QColor mid = render(&b).pixelColor(20, 10);
    EXPECT_TRUE(near(mid, QColor(100, 50, 0), 3)) << mid.name().toStdString();
    impl->fadeProgress = 0.96;
    impl->onFadeTimer();
    EXPECT_EQ(impl->fadeProgress, 1.0);
    EXPECT_FALSE(impl->fadeTimer->isActive());
    EXPECT_TRUE(near(render(&b).pixelColor(20, 10), QColor(200, 100, 0), 1));

    // Fade-out: starts at the hover look, ends at the normal one in state 0.
    TestUtil::leave(&b);
    EXPECT_EQ(impl->getState(), 1);
    impl->onFadeTimer();
    EXPECT_TRUE(near(render(&b).pixelColor(20, 10), QColor(200, 100, 0), 25));
    int ticks = 1;
    while (impl->fadeTimer->isActive() && ticks < 50) {
        impl->onFadeTimer();
        ++ticks;
    }
    EXPECT_EQ(ticks, 10);
    EXPECT_EQ(impl->getState(), 0);
    EXPECT_TRUE(near(render(&b).pixelColor(20, 10), QColor(0, 0, 0), 1));

    // Entering again during a fade-out: nothing to animate, no timer left.
    TestUtil::enter(&b);
    impl->onFadeTimer();
    TestUtil::leave(&b);
    impl->onFadeTimer();
    TestUtil::enter(&b);
    EXPECT_EQ(impl->fadeFrom, impl->fadeTo);
    EXPECT_FALSE(impl->fadeTimer->isActive());
    EXPECT_EQ(impl->getState(), 1);

    // Leaving a disabled button: no fade, no timer.
    b.setEnabled(false);
    TestUtil::leave(&b);
    EXPECT_EQ(impl->getState(), 3);
    EXPECT_FALSE(impl->fadeTimer->isActive());
    impl->onFadeTimer();
    EXPECT_FALSE(impl->fadeTimer->isActive());
    b.setEnabled(true);

    // Switching fading off mid-way stops the timer and settles the look.
    TestUtil::enter(&b);
    impl->onFadeTimer();
    TestUtil::leave(&b);
    impl->onFadeTimer();
    Json::Value off = TestUtil::json(R"({"attr": {"fadeEnabled": false}})");
    b.readJsonValue(&off);
    EXPECT_FALSE(impl->fadeTimer->isActive());
    EXPECT_EQ(impl->fadeProgress, 1.0);
    EXPECT_EQ(impl->getState(), 0);

    // Steps that land on the end exactly stop there, fading in and out.
    b.setFadeEnabled(true);
    b.setFadeDuration(2 * impl->fadeTimer->interval());
    TestUtil::enter(&b);
    impl->onFadeTimer();
    impl->onFadeTimer();
    EXPECT_FALSE(impl->fadeTimer->isActive());
    EXPECT_EQ(impl->fadeProgress, 1.0);
    TestUtil::leave(&b);
    impl->onFadeTimer();
    impl->onFadeTimer();
    EXPECT_FALSE(impl->fadeTimer->isActive());
    EXPECT_EQ(impl->getState(), 0);
}

TEST(PushButton, IconsByStateAndTheirGeometry)
{
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "blue.png", pngBytes(solidImage(10, 10, QColor(0, 0, 255)))));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "red.png", pngBytes(solidImage(10, 10, QColor(255, 0, 0)))));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "dot.svg", svgCircle(16, 16, "#00ff00")));
    const QString blue = dir.filePath("blue.png");

    QWidget host_b;
    CVNQPushButton b(&host_b);
    b.resize(60, 30);
    b.setDrawBackground(false);
    b.setIcon(blue);
    b.setHotIcon(dir.filePath("red.png"));
    EXPECT_TRUE(near(render(&b).pixelColor(30, 15), QColor(0, 0, 255)));
    b.getImpl()->setState(1);
    EXPECT_TRUE(near(render(&b).pixelColor(30, 15), QColor(255, 0, 0)));
    b.setEnabled(false);
    const QColor gray = render(&b).pixelColor(30, 15);
    EXPECT_NE(gray, QColor(0, 0, 255));
    EXPECT_EQ(gray.red(), gray.green()) << "disabled icon drawn gray";
    b.setEnabled(true);

    // SVG icon beside a 40-pixel text: icon left of it, text moved right.
    TextStyleDesc t;
    t.family = "DejaVu Sans";
    t.hor = 1;
    b.setTextStyle(4, t);
    QString text = "W";
    while (CVNQWidgetBaseImpl::getTextSize(text, t).width() < 40)
        text += "i";
    b.setText(text);
    const int tw = CVNQWidgetBaseImpl::getTextSize(text, t).width();
    b.setIcon(dir.filePath("dot.svg"));
    EXPECT_EQ(b.getIcon(), dir.filePath("dot.svg"));
    EXPECT_EQ(b.getIconStyle().x, -(16 + tw / 2));
    EXPECT_EQ(b.getTextOffsetX(), 8);
    // Drawn: the icon left of the centred text, the text shifted right.
    resizeNow(&b, 200, 30);
    const QImage drawn = render(&b);
    QRect icon, ink;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            if (c.green() > 150 && c.red() < 100)
                icon |= QRect(x, y, 1, 1);
            else if (c.red() < 120 && c.green() < 120)
                ink |= QRect(x, y, 1, 1);
        }
    EXPECT_EQ(icon, QRect((200 - 16) / 2 - (16 + tw / 2), 7, 16, 16));
    const int textCentre = 8 + (200 - 8) / 2;
    EXPECT_NEAR(ink.center().x(), textCentre, 2);
    EXPECT_GT(ink.left(), icon.right());
    b.setShowText(false);
    b.setIcon(dir.filePath("dot.svg"));
    EXPECT_EQ(b.getIconStyle().x, 0);
    EXPECT_EQ(b.getTextOffsetX(), 0);

    // A Qt resource raster name becomes a QIcon; the path stays.
    b.setIcon(QStringLiteral(":/no/such/icon.png"));
    EXPECT_EQ(b.getIcon(), dir.filePath("dot.svg"));
    EXPECT_TRUE(b.getUseIcon());
}

TEST(PushButton, ExtensionStripHitTestAndLook)
{
    defineFill("ex_normal", QColor(255, 255, 255));
    defineFill("ex_hover", QColor(0, 0, 200));
    QWidget host_b;
    CVNQPushButton b(&host_b);
    Json::Value node = TestUtil::json(R"({"style": [["ex_normal", 1, 0], ["ex_hover", 1, 1]],
        "attr": {"isExtBtn": 1, "extWidth": 30}})");
    b.readJsonValue(&node);
    b.resize(100, 20);
    b.setFadeEnabled(false);                     // a fade's own repaints would hide a missing one
    b.setAttribute(Qt::WA_Hover, false);         // so would Qt's hover repaints, which styles may ask for
    ASSERT_TRUE(TestUtil::showExposed(&host_b)); // the strip's look is checked on screen
    TestUtil::enter(&b);
    TestUtil::flushEvents(); // the hover look is on screen: the strip must ask for its own repaint
    auto move = [&](int x) { TestUtil::move(&b, QPointF(x, 5)); };
    move(70);
    EXPECT_FALSE(b.getImpl()->extHot);
    move(71);
    EXPECT_TRUE(b.getImpl()->extHot);
    const QImage img = TestUtil::screenShot(&b);
    EXPECT_TRUE(near(img.pixelColor(85, 10), QColor(0, 0, 200)));
    EXPECT_TRUE(near(img.pixelColor(30, 10), QColor(255, 255, 255)));
}

TEST(PushButton, LanguageKeyTextsFollowTheLanguage)
{
    ASSERT_TRUE(LanguageManager::instance()->loadFromJson(R"({"defaultLanguage": "en", "languages": {
        "en": {"pb.ok": "OK", "pb.alias": "|->pb.ok"}, "zh": {"pb.ok": "好", "pb.alias": "|->pb.ok"}}})"));
    ASSERT_TRUE(LanguageManager::instance()->setLanguage("en"));
    CVNQWindow host_b; // the switch reaches the registered window's controls
    CVNQPushButton b(&host_b);
    Json::Value node = TestUtil::json(R"({"attr": {"text": "|->pb.ok"}})");
    b.readJsonValue(&node);
    EXPECT_EQ(b.text(), "OK");
    EXPECT_EQ(b.getImpl()->textKey, "pb.ok");
    // The writer writes the shown text, never the key.
    EXPECT_EQ(jsonGet(written(b), "attr")["text"], Json::Value("OK"));

    ASSERT_TRUE(LanguageManager::instance()->setLanguage("zh"));
    EXPECT_EQ(b.text(), QString::fromUtf8("好"));

    // A translation that itself names a key is looked up once more.
    Json::Value alias = TestUtil::json(R"({"attr": {"text": "|->pb.alias"}})");
    b.readJsonValue(&alias);
    EXPECT_EQ(b.text(), QString::fromUtf8("好"));
    EXPECT_EQ(b.getImpl()->textKey, "pb.alias");

    // A plain text keeps the key it had.
    Json::Value plain = TestUtil::json(R"({"attr": {"text": "Plain"}})");
    b.readJsonValue(&plain);
    EXPECT_EQ(b.text(), "Plain");
    EXPECT_EQ(b.getImpl()->textKey, "pb.alias");
    LanguageManager::instance()->setLanguage("en");
}
