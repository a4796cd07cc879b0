// The radio button: whole-area clicks, fitted icons and the text beside
// them, icon choice with gray fallback, JSON rules (theme entries set no
// icons or texts, language keys).

#include "CVNQWindow.h"
#include "CVNQRadioButton.h"
#include "CVNQRadioButtonImpl.h"
#include "ControlsTestUtil.h"
#include "LanguageManager.h"

#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace ControlsTest;
using ControlsTest::render;

namespace {

const QColor kIcon(0x2E, 0x7D, 0x32);
const QColor kHot(0xF5, 0x7F, 0x17);

class RadioButtonTest : public ::testing::Test
{
protected:
    // Never shown: controls built under it open no window of their own.
    QWidget host;

    static void SetUpTestSuite()
    {
        startToolkit();
        dir = new QTemporaryDir;
        const std::pair<const char*, QImage> files[] = {{"icon16.png", ControlsTest::solidImage(16, 16, kIcon)},
                                                        {"icon64.png", ControlsTest::solidImage(64, 64, kIcon)},
                                                        {"icon8.png", ControlsTest::solidImage(8, 8, kIcon)},
                                                        {"hot16.png", ControlsTest::solidImage(16, 16, kHot)}};
        for (const auto& f : files)
            ASSERT_TRUE(TestUtil::writeFile(dir->path(), f.first, ControlsTest::pngBytes(f.second)));
    }
    static void TearDownTestSuite() { delete dir; }
    static QString file(const char* name) { return dir->filePath(QLatin1String(name)); }
    static int textLeft(CVNQRadioButton& r) { return r.getImpl()->textRect(r.rect()).left(); }

    static QTemporaryDir* dir;
};

QTemporaryDir* RadioButtonTest::dir = nullptr;

} // namespace

TEST_F(RadioButtonTest, PressAnywhereChecksAndEveryPressIsReported)
{
    CVNQRadioButton radio(&host);
    CVNQRadioButton sibling(&host); // a group: the checked one stays checked
    radio.resize(200, 30);
    int pressed = 0;
    QObject::connect(&radio, &CVNQRadioButton::pressedEvent, [&] { ++pressed; });
    for (int i = 0; i < 2; ++i) {
        TestUtil::press(&radio, QPointF(197, 27));
        EXPECT_EQ(radio.getImpl()->getState(), CtrlStatePressed);
        TestUtil::release(&radio, QPointF(197, 27));
        EXPECT_TRUE(radio.isChecked());
    }
    EXPECT_EQ(pressed, 2);
}

TEST_F(RadioButtonTest, UnthemedButtonDrawsTextFromZeroAndFillsWhenChecked)
{
    CVNQRadioButton radio(&host);
    radio.resize(120, 24);
    radio.setText("Plain");
    auto look = [&](QColor ground, bool checked) {
        return expected(
            radio.size(),
            [&](QPainter* p) { CVNQWidgetBaseImpl::drawText(p, "Plain", radio.getTextStyle(checked), radio.rect()); },
            ground);
    };
    EXPECT_EQ(differingPixels(render(&radio, Qt::black), look(Qt::black, false)), 0);
    radio.setChecked(true);
    EXPECT_EQ(differingPixels(render(&radio, Qt::black), look(Qt::white, true)), 0);
    // Without its text shown only the fill is left, in every state.
    radio.setShowText(false);
    for (int state = CtrlStateNormal; state <= CtrlStateDisabled; ++state) {
        radio.getImpl()->setState(state);
        EXPECT_EQ(differingPixels(render(&radio, Qt::black), expected(
                                                                 radio.size(), [](QPainter*) {}, Qt::white)),
                  0)
            << state;
    }
}

TEST_F(RadioButtonTest, IconIsFittedIntoHalfTheHeightAndTheTextStartsBesideIt)
{
    CVNQRadioButton radio(&host);
    radio.resize(100, 20);
    radio.setText("Option");
    radio.setIcon(file("icon16.png"));
    const QImage shot = render(&radio);
    EXPECT_EQ(colourBox(shot, kIcon, 2), QRect(10, 5, 10, 10));
    EXPECT_EQ(radio.getImpl()->textRect(radio.rect()), QRect(12, 0, 88, 20));
    const QImage text = expected(radio.size(), [&](QPainter* p) {
        CVNQWidgetBaseImpl::drawText(p, "Option", radio.getTextStyle(false), QRect(12, 0, 88, 20));
    });
    EXPECT_EQ(differingPixels(shot.copy(20, 0, 80, 20), text.copy(20, 0, 80, 20)), 0);

    radio.resize(200, 30);
    radio.setIcon(file("icon64.png"));
    EXPECT_EQ(colourBox(render(&radio), kIcon, 2), QRect(10, 7, 15, 15));

    // Small icons grow; right alignment with offsets.
    radio.resize(100, 20);
    radio.setIcon(file("icon8.png"));
    radio.setIconHorAlign(2);
    radio.setIconOffsetX(-3);
    radio.setIconOffsetY(1);
    EXPECT_EQ(colourBox(render(&radio), kIcon, 2), QRect(87, 6, 10, 10));
    EXPECT_EQ(textLeft(radio), 12);

    // An icon that fits unscaled is drawn at its own size.
    radio.resize(100, 32);
    radio.setIcon(file("icon16.png"));
    radio.setIconHorAlign(0);
    radio.setIconOffsetX(0);
    radio.setIconOffsetY(0);
    EXPECT_EQ(colourBox(render(&radio), kIcon, 2), QRect(0, 8, 16, 16));

    EXPECT_FALSE(CVNQRadioButtonImpl::fitIconSize(QSize(), QRect(0, 0, 10, 10)).isValid());
    EXPECT_FALSE(CVNQRadioButtonImpl::fitIconSize(QSize(16, 16), QRect(0, 0, 0, 10)).isValid());
    EXPECT_EQ(CVNQRadioButtonImpl::fitIconSize(QSize(16, 16), QRect(0, 0, 5, 1)), QSize(1, 1));
}

TEST_F(RadioButtonTest, HotAndDisabledIconsFallBackButTheTextRoomFollowsTheState)
{
    CVNQRadioButton radio(&host);
    radio.resize(100, 20);
    Json::Value node = TestUtil::json(
        QString(R"({"attr": {"iconPath": "%1", "siconPath": "%1"}})").arg(file("icon16.png")).toUtf8().constData());
    radio.readJsonValue(&node);
    radio.getImpl()->setState(CtrlStateHover);
    EXPECT_EQ(colourBox(render(&radio), kIcon, 2), QRect(10, 5, 10, 10));
    // The text room follows the state's own icon: no hot icon, no room.
    EXPECT_EQ(textLeft(radio), 0);
    radio.setUncheckHotIcon(file("hot16.png"));
    EXPECT_EQ(colourBox(render(&radio), kHot, 2), QRect(10, 5, 10, 10));
    EXPECT_EQ(textLeft(radio), 12);

    // Disabled: the normal icon gray, or the disabled icon as it is.
    radio.setEnabled(false);
    const QImage gray = render(&radio);
    EXPECT_EQ(radio.getImpl()->getState(), CtrlStateDisabled);
    EXPECT_FALSE(colourBox(gray, kIcon, 6).isValid());
    EXPECT_TRUE(ControlsTest::inkBox(gray).isValid());
    EXPECT_EQ(textLeft(radio), 0);
    radio.setDisableIcon(file("hot16.png"));
    EXPECT_EQ(colourBox(render(&radio), kHot, 2), QRect(10, 5, 10, 10));
    EXPECT_EQ(textLeft(radio), 12);
}

TEST_F(RadioButtonTest, ThemeEntryNeverSetsIconsOrTextButAPageNodeDoes)
{
    QTemporaryDir theme;
    ASSERT_TRUE(loadTheme(theme, R"([{"name": "rb_theme_probe",
        "attr": {"iconPath": "theme.png", "text": "Theme text", "pushlike": 1, "iconVer": 2}}])"));
    CVNQRadioButton radio(&host);
    radio.setText("Mine");
    radio.setThemeName("rb_theme_probe");
    EXPECT_EQ(radio.getUncheckIcon(), "");
    EXPECT_EQ(radio.text(), "Mine");
    EXPECT_TRUE(radio.getPushlike());
    EXPECT_EQ(radio.getIconVerAlign(), 2);

    Json::Value page = TestUtil::json(R"({"attr": {"iconPath": "page.png", "text": "Page text"}})");
    radio.readJsonValue(&page);
    EXPECT_EQ(radio.getUncheckIcon(), "page.png");
    EXPECT_EQ(radio.text(), "Page text");

    radio.setIconHorAlign(2);
    Json::Value keep = TestUtil::json(R"({"attr": {"iconHor": -1, "iconVer": -1}})");
    radio.readJsonValue(&keep);
    EXPECT_EQ(radio.getIconHorAlign(), 2);
    EXPECT_EQ(radio.getIconVerAlign(), 2);
    EXPECT_EQ(radio.text(), ""); // "text" absent
}

TEST_F(RadioButtonTest, LanguageKeyIsKeptButTheShownTextIsWritten)
{
    LanguageManager* lm = LanguageManager::instance();
    ASSERT_TRUE(lm->loadFromJson(R"({"defaultLanguage": "en",
        "languages": {"en": {"rb.yes": "Yes"}, "zh": {"rb.yes": "是"}}})"));
    ASSERT_TRUE(lm->setLanguage("en"));
    CVNQWindow window; // the switch reaches the registered window's controls
    CVNQRadioButton radio(&window);
    Json::Value node = TestUtil::json(R"({"attr": {"text": "|->rb.yes"}})");
    radio.readJsonValue(&node);
    EXPECT_EQ(radio.text(), "Yes");
    ASSERT_TRUE(lm->setLanguage("zh"));
    EXPECT_EQ(radio.text(), QString::fromUtf8("是"));
    EXPECT_EQ(written(radio)["attr"]["text"].asString(), "是");
    lm->setLanguage("en");
}

TEST_F(RadioButtonTest, NodeRoundTripKeepsStylesAlignmentAndFlags)
{
    fill("rb_sel", QColor(0x19, 0x76, 0xD2));
    fill("rb_sel_hot", QColor(0x42, 0xA5, 0xF5));
    fill("rb_off", QColor(0xEE, 0xEE, 0xEE));
    ControlsTest::defineText("rb_t_on", Qt::white);
    ControlsTest::defineText("rb_t_dis", Qt::gray);

    CVNQRadioButton fresh(&host);
    const Json::Value plain = written(fresh);
    EXPECT_TRUE(plain.isMember("style"));
    EXPECT_TRUE(plain["style"].isNull());
    EXPECT_EQ(plain["attr"], TestUtil::json(R"({"iconX": 10})"));
    EXPECT_TRUE(fresh.getSelectedBackground(2).valid);
    EXPECT_FALSE(fresh.getBackground(2).valid);

    CVNQRadioButton radio(&host);
    Json::Value node = TestUtil::json(R"({"style": [["rb_off", 1, 0], ["rb_sel", 1, 4], ["rb_sel_hot", 1, 5],
        ["rb_t_on", 2, 9], ["rb_t_dis", 2, 10]],
        "attr": {"iconVer": 0, "iconHor": 1, "iconX": 0, "iconY": 3, "pushlike": true, "showText": 0,
                 "hotIconPath": "h.png", "text": "Round"}})");
    radio.readJsonValue(&node);
    EXPECT_EQ(radio.getSelectedBackground(2).name, "rb_sel");
    EXPECT_EQ(radio.getTextStyleByState(7).name, ""); // the unchecked style
    const Json::Value out = written(radio);
    EXPECT_EQ(out["attr"], TestUtil::json(R"({"iconVer": 0, "iconHor": 1, "iconX": 0, "iconY": 3, "pushlike": 1,
        "showText": 0, "hotIconPath": "h.png", "text": "Round"})"));
    CVNQRadioButton copy(&host);
    Json::Value in = out;
    copy.readJsonValue(&in);
    EXPECT_EQ(written(copy), out);
    EXPECT_EQ(copy.getTextStyleByState(CheckBoxTextDisabled).name, "rb_t_dis");
    EXPECT_EQ(copy.getSelectedBackground(1).fill.clr, QColor(0x42, 0xA5, 0xF5));

    copy.setIcon(RadioIconAll, "all.png");
    copy.setIcon(RadioIconCheckedHot, "ch.png");
    copy.setIcon(9, "nine.png");
    EXPECT_EQ(copy.getCheckedHotIcon(), "ch.png");
    EXPECT_EQ(copy.getUncheckIcon(), "all.png");
    EXPECT_EQ(copy.getDisableIcon(), "");
}
