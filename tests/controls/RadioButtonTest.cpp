// The radio button: whole-area clicks, fitted icons and the text beside
// them, icon choice with gray fallback, JSON rules (theme entries set no
// icons or texts, language keys).

#include "CVNQControlFactory.h"
#include "CVNQRadioButton.h"
#include "CVNQRadioButtonImpl.h"
#include "IndicatorTestUtil.h"
#include "LanguageManager.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace IndicatorTest;
using ControlsTest::render;

namespace {

const QColor kIconColour(0x2E, 0x7D, 0x32);
const QColor kHotColour(0xF5, 0x7F, 0x17);

class RadioButtonTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        startToolkit();
        dir = new QTemporaryDir;
        ASSERT_TRUE(TestUtil::writeFile(dir->path(), "icon16.png",
                                        ControlsTest::pngBytes(ControlsTest::solidImage(16, 16, kIconColour))));
        ASSERT_TRUE(TestUtil::writeFile(dir->path(), "icon64.png",
                                        ControlsTest::pngBytes(ControlsTest::solidImage(64, 64, kIconColour))));
        ASSERT_TRUE(TestUtil::writeFile(dir->path(), "hot16.png",
                                        ControlsTest::pngBytes(ControlsTest::solidImage(16, 16, kHotColour))));
        ASSERT_TRUE(TestUtil::writeFile(dir->path(), "icon8.png",
                                        ControlsTest::pngBytes(ControlsTest::solidImage(8, 8, kIconColour))));
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    static QString file(const char* name) { return dir->filePath(QLatin1String(name)); }

    static void press(QWidget* w, QPoint at, QEvent::Type type)
    {
        QMouseEvent e(type, at, Qt::LeftButton, type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    static QTemporaryDir* dir;
};

QTemporaryDir* RadioButtonTest::dir = nullptr;

} // namespace

TEST_F(RadioButtonTest, PressAnywhereChecksAndEveryPressIsReported)
{
    CVNQRadioButton radio;
    radio.resize(200, 30);
    radio.setText("Far away");
    int pressed = 0;
    QObject::connect(&radio, &CVNQRadioButton::pressedEvent, [&] { ++pressed; });
    const QPoint corner(197, 27);
    press(&radio, corner, QEvent::MouseButtonPress);
    EXPECT_EQ(radio.getImpl()->getState(), CtrlStatePressed);
    press(&radio, corner, QEvent::MouseButtonRelease);
    EXPECT_TRUE(radio.isChecked());
    EXPECT_EQ(pressed, 1);
    press(&radio, corner, QEvent::MouseButtonPress);
    press(&radio, corner, QEvent::MouseButtonRelease);
    EXPECT_TRUE(radio.isChecked());
    EXPECT_EQ(pressed, 2);
}

TEST_F(RadioButtonTest, UnthemedButtonDrawsNoIconTextFromZeroAndFillsWhenChecked)
{
    CVNQRadioButton radio;
    radio.resize(120, 24);
    radio.setText("Plain");
    const TextStyleDesc style = radio.getTextStyle(false);
    EXPECT_EQ(radio.getImpl()->textRect(QRect(0, 0, 120, 24)).left(), 0);
    EXPECT_EQ(differingPixels(render(&radio, Qt::black), expected(radio.size(), [&](QPainter* p) {
                  CVNQWidgetBaseImpl::drawText(p, "Plain", style, QRect(0, 0, 120, 24));
              }, Qt::black)),
              0);
    radio.setChecked(true);
    EXPECT_EQ(differingPixels(render(&radio, Qt::black), expected(radio.size(), [&](QPainter* p) {
                  CVNQWidgetBaseImpl::drawText(p, "Plain", radio.getTextStyle(true), QRect(0, 0, 120, 24));
              }, Qt::white)),
              0);
}

TEST_F(RadioButtonTest, IconIsFittedIntoHalfTheHeightAndTheTextStartsBesideIt)
{
    CVNQRadioButton radio;
    radio.resize(100, 20);
    radio.setText("Option");
    radio.setIcon(file("icon16.png"));
    const QImage shot = render(&radio);
    EXPECT_EQ(colourBox(shot, kIconColour, 2), QRect(10, 5, 10, 10));
    EXPECT_EQ(radio.getImpl()->textRect(QRect(0, 0, 100, 20)), QRect(12, 0, 88, 20));
    const QImage textOnly = expected(radio.size(), [&](QPainter* p) {
        CVNQWidgetBaseImpl::drawText(p, "Option", radio.getTextStyle(false), QRect(12, 0, 88, 20));
    });
    const QImage withoutIcon = shot.copy(20, 0, 80, 20);
    EXPECT_EQ(differingPixels(withoutIcon, textOnly.copy(20, 0, 80, 20)), 0);

    CVNQRadioButton wide;
    wide.resize(200, 30);
    wide.setIcon(file("icon64.png"));
    EXPECT_EQ(colourBox(render(&wide), kIconColour, 2), QRect(10, 7, 15, 15));

    // Small icons grow to the fitted size; right alignment and offsets.
    CVNQRadioButton small;
    small.resize(100, 20);
    small.setIcon(file("icon8.png"));
    small.setIconHorAlign(2);
    small.setIconOffsetX(-3);
    small.setIconOffsetY(1);
    EXPECT_EQ(colourBox(render(&small), kIconColour, 2), QRect(87, 6, 10, 10));
    EXPECT_EQ(small.getImpl()->textRect(QRect(0, 0, 100, 20)).left(), 12);

    // An icon that fits unscaled is drawn at its own size.
    CVNQRadioButton exact;
    exact.resize(100, 32);
    exact.setIcon(file("icon16.png"));
    exact.setIconOffsetX(0);
    EXPECT_EQ(colourBox(render(&exact), kIconColour, 2), QRect(0, 8, 16, 16));
}

TEST_F(RadioButtonTest, FitIconSizeHandlesDegenerateInput)
{
    EXPECT_FALSE(CVNQRadioButtonImpl::fitIconSize(QSize(), QRect(0, 0, 10, 10)).isValid());
    EXPECT_FALSE(CVNQRadioButtonImpl::fitIconSize(QSize(16, 16), QRect(0, 0, 0, 10)).isValid());
    EXPECT_EQ(CVNQRadioButtonImpl::fitIconSize(QSize(16, 16), QRect(0, 0, 5, 1)), QSize(1, 1));
    EXPECT_EQ(CVNQRadioButtonImpl::fitIconSize(QSize(8, 4), QRect(0, 0, 100, 40)), QSize(40, 20));
}

TEST_F(RadioButtonTest, HoverUsesTheHotIconOnlyWhenOneIsSet)
{
    CVNQRadioButton radio;
    radio.resize(100, 20);
    Json::Value node = TestUtil::json(QString(R"({"attr": {"iconPath": "%1", "siconPath": "%1"}})")
                                          .arg(file("icon16.png")).toUtf8().constData());
    radio.readJsonValue(&node);
    radio.getImpl()->setState(CtrlStateHover);
    const QImage hover = render(&radio);
    EXPECT_EQ(colourBox(hover, kIconColour, 2), QRect(10, 5, 10, 10));
    // The text keeps clear of the icon that is drawn, also without a hot one.
    EXPECT_EQ(radio.getImpl()->textRect(QRect(0, 0, 100, 20)).left(), 12);

    radio.setUncheckHotIcon(file("hot16.png"));
    const QImage hot = render(&radio);
    EXPECT_EQ(colourBox(hot, kHotColour, 2), QRect(10, 5, 10, 10));
    EXPECT_FALSE(colourBox(hot, kIconColour, 2).isValid());
}

TEST_F(RadioButtonTest, DisabledButtonShowsItsDisabledIconOrTheNormalOneGray)
{
    CVNQRadioButton radio;
    radio.resize(100, 20);
    radio.setIcon(file("icon16.png"));
    radio.setEnabled(false);
    const QImage gray = render(&radio);
    EXPECT_EQ(radio.getImpl()->getState(), CtrlStateDisabled);
    EXPECT_FALSE(colourBox(gray, kIconColour, 6).isValid());
    EXPECT_TRUE(ControlsTest::inkBox(gray).isValid());
    EXPECT_EQ(radio.getImpl()->textRect(QRect(0, 0, 100, 20)).left(), 12);

    radio.setDisableIcon(file("hot16.png"));
    const QImage own = render(&radio);
    EXPECT_EQ(colourBox(own, kHotColour, 2), QRect(10, 5, 10, 10));
    EXPECT_EQ(radio.getImpl()->textRect(QRect(0, 0, 100, 20)).left(), 12);
}

TEST_F(RadioButtonTest, ThemeEntryNeverSetsIconsOrTextButAPageNodeDoes)
{
    QTemporaryDir theme;
    ASSERT_TRUE(loadTheme(theme, R"([{"name": "rb_theme_probe",
        "attr": {"iconPath": "theme.png", "text": "Theme text", "pushlike": 1, "iconVer": 2}}])"));
    CVNQRadioButton radio;
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

    Json::Value keep = TestUtil::json(R"({"attr": {"iconHor": -1, "iconVer": -1}})");
    radio.setIconHorAlign(2);
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
    CVNQRadioButton radio;
    Json::Value node = TestUtil::json(R"({"attr": {"text": "|->rb.yes"}})");
    radio.readJsonValue(&node);
    EXPECT_EQ(radio.getImpl()->textKey, "rb.yes");
    EXPECT_EQ(radio.text(), "Yes");
    ASSERT_TRUE(lm->setLanguage("zh"));
    radio.notifyChangeLanguage();
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
    ControlsTest::defineText("rb_t_off", Qt::black);
    ControlsTest::defineText("rb_t_dis", Qt::gray);

    CVNQRadioButton fresh;
    const Json::Value plain = written(fresh);
    EXPECT_TRUE(plain.isMember("style"));
    EXPECT_TRUE(plain["style"].isNull());
    EXPECT_EQ(plain["attr"], TestUtil::json(R"({"iconX": 10})"));

    CVNQRadioButton radio;
    Json::Value node = TestUtil::json(R"({"style": [["rb_off", 1, 0], ["rb_sel", 1, 4], ["rb_sel_hot", 1, 5],
        ["rb_t_off", 2, 8], ["rb_t_on", 2, 9], ["rb_t_dis", 2, 10]],
        "attr": {"iconVer": 0, "iconHor": 1, "iconX": 0, "iconY": 3, "pushlike": true, "showText": 0,
                 "hotIconPath": "h.png", "text": "Round"}})");
    radio.readJsonValue(&node);
    EXPECT_EQ(radio.getSelectedBackground(1).name, "rb_sel_hot");
    EXPECT_EQ(radio.getSelectedBackground(2).name, "rb_sel");
    EXPECT_EQ(radio.getTextStyleByState(7).name, "rb_t_off");

    const Json::Value out = written(radio);
    EXPECT_EQ(out["attr"], TestUtil::json(R"({"iconVer": 0, "iconHor": 1, "iconX": 0, "iconY": 3, "pushlike": 1,
        "showText": 0, "hotIconPath": "h.png", "text": "Round"})"));
    CVNQRadioButton copy;
    Json::Value in = out;
    copy.readJsonValue(&in);
    EXPECT_EQ(written(copy), out);
    EXPECT_EQ(copy.getIconVerAlign(), 0);
    EXPECT_EQ(copy.getTextStyleByState(CheckBoxTextChecked).name, "rb_t_on");
    EXPECT_EQ(copy.getTextStyleByState(CheckBoxTextDisabled).name, "rb_t_dis");
    EXPECT_EQ(copy.getSelectedBackground(1).fill.clr, QColor(0x42, 0xA5, 0xF5));
}

TEST_F(RadioButtonTest, IconSettersByStateAndTheirLimits)
{
    CVNQRadioButton radio;
    radio.setIcon(RadioIconAll, "all.png");
    EXPECT_EQ(radio.getCheckedHotIcon(), "all.png");
    EXPECT_EQ(radio.getUncheckIcon(), "all.png");
    radio.setIcon(RadioIconCheckedHot, "ch.png");
    radio.setIcon(9, "nine.png");
    radio.setIcon(-1, "neg.png");
    EXPECT_EQ(radio.getCheckedHotIcon(), "ch.png");
    EXPECT_EQ(radio.getCheckedIcon(), "all.png");
    radio.setIcon(QStringLiteral("four.png"));
    EXPECT_EQ(radio.getUncheckHotIcon(), "four.png");
    EXPECT_EQ(radio.getDisableIcon(), "");

    FillStyle red = fill("rb_red", Qt::red);
    radio.setSelectedBackground(CtrlStateAll, red);
    radio.setSelectedBackground(6, FillStyle());
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(radio.getSelectedBackground(s).name, "rb_red");
    EXPECT_FALSE(radio.getBackground(0).valid);
    EXPECT_TRUE(CVNQRadioButton().getSelectedBackground(2).valid);
}

TEST_F(RadioButtonTest, RegisteredWithItsPropertyTableAndAliases)
{
    const ControlInfo info = CVNQRadioButton::getProps();
    ASSERT_EQ(info.properties.size(), 7u + 15u);
    EXPECT_EQ(info.key, "radio");
    EXPECT_EQ(info.properties[11].name, "PushLike");
    EXPECT_EQ(info.properties[13].name, "ShowText");
    for (const char* name : {"qtradiobox", "radio", "radiobox"}) {
        QWidget* w = createControlByTypeName(name, nullptr);
        EXPECT_NE(qobject_cast<CVNQRadioButton*>(w), nullptr) << name;
        delete w;
    }
}
