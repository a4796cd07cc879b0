// The check box: icon and text geometry, icon choice by state, JSON rules
// (icons and text also from theme entries, compact style list), and its
// use as a drawing stamp.

#include "CVNQCheckBox.h"
#include "CVNQCheckBoxImpl.h"
#include "IndicatorTestUtil.h"
#include "CVNQControlFactory.h"
#include "LanguageManager.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace IndicatorTest;
using ControlsTest::render;

namespace {

class CheckBoxTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { startToolkit(); }

    // What a box of size shows: icon at its own size, placed by placement
    // in the whole rectangle, then text from x offset.
    static QImage looks(QSize size, const QString& icon, const IconStyleDesc& placement, const QString& text,
                        const TextStyleDesc& style, int textX)
    {
        return expected(size, [&](QPainter* p) {
            CVNQWidgetBaseImpl::drawTextAt(p, text, style, textX, 0, size.width() - textX, size.height(), true);
            if (!icon.isEmpty())
                CVNQWidgetBaseImpl::drawImage(p, icon, placement, QRect(QPoint(), size), false);
        });
    }
    static IconStyleDesc leftCentred()
    {
        IconStyleDesc d;
        d.hor = 0;
        return d;
    }
};

} // namespace

TEST_F(CheckBoxTest, DefaultBoxDrawsBuiltInIconLeftAndTextAfterIt)
{
    CVNQCheckBox box;
    box.resize(100, 20);
    box.setText("Check me");
    EXPECT_EQ(box.getImpl()->textOffset(), 16);
    const QImage shot = render(&box);

    // The icon at (0, 2) at its own 16 x 16 size, the text in (16, 0, 84, 20),
    // no background anywhere.
    EXPECT_EQ(differingPixels(shot, looks(box.size(), "IDB_UNCHECK", leftCentred(), "Check me",
                                          box.getTextStyle(false), 16)),
              0);
    const QRect icon = ControlsTest::inkBox(shot.copy(0, 0, 16, 20));
    EXPECT_GE(icon.top(), 2);
    EXPECT_LE(icon.bottom(), 17);
}

TEST_F(CheckBoxTest, IconFollowsCheckedAndHoverStateHotIconsFollowNormalOnes)
{
    CVNQCheckBox box;
    box.resize(100, 20);
    box.setChecked(true);
    const QImage checked = render(&box);
    EXPECT_EQ(differingPixels(checked, looks(box.size(), "IDB_CHECKED", leftCentred(), "", TextStyleDesc(), 16)), 0);

    // Hover shows the hot icon, which is the normal one until set apart.
    box.getImpl()->setState(CtrlStateHover);
    EXPECT_EQ(box.getImpl()->iconFor(true, CtrlStateHover), "IDB_CHECKED");
    box.setCheckedIcon("a.png");
    EXPECT_EQ(box.getCheckedHotIcon(), "a.png");
    box.setCheckedIcon("b.png");
    EXPECT_EQ(box.getCheckedHotIcon(), "b.png");
    box.setCheckedHotIcon("hot.png");
    box.setCheckedIcon("c.png");
    EXPECT_EQ(box.getCheckedHotIcon(), "hot.png");
    EXPECT_EQ(box.getImpl()->iconFor(true, CtrlStateHover), "hot.png");
    EXPECT_EQ(box.getImpl()->iconFor(true, CtrlStatePressed), "c.png");

    box.setUncheckIcon("u.png");
    EXPECT_EQ(box.getUncheckHotIcon(), "u.png");
    EXPECT_EQ(box.getImpl()->iconFor(false, 7), QString());
}

TEST_F(CheckBoxTest, DisabledBoxDrawsDisabledTextNoIconAndKeepsTheTextOffset)
{
    CVNQCheckBox box;
    box.resize(120, 24);
    box.setText("Off");
    TextStyleDesc grey;
    grey.clr = QColor(150, 150, 150);
    grey.size = 14;
    box.setDisableTextStyle(grey);
    box.setEnabled(false);
    const QImage shot = render(&box);
    EXPECT_EQ(box.getImpl()->getState(), CtrlStateDisabled);
    EXPECT_EQ(differingPixels(shot, looks(box.size(), QString(), leftCentred(), "Off", grey, 16)), 0);

    box.setDisableUncheckIcon("IDB_UNCHECK");
    EXPECT_EQ(differingPixels(render(&box), looks(box.size(), "IDB_UNCHECK", leftCentred(), "Off", grey, 16)), 0);
}

TEST_F(CheckBoxTest, CentredIconLeavesTheTextAtZero)
{
    CVNQCheckBox box;
    box.resize(100, 20);
    box.setText("Under");
    box.setIconHorAlign(1);
    EXPECT_EQ(box.getImpl()->textOffset(), 0);
    IconStyleDesc centred;
    EXPECT_EQ(differingPixels(render(&box), looks(box.size(), "IDB_UNCHECK", centred, "Under",
                                                  box.getTextStyle(false), 0)),
              0);
    // An offset icon pushes the text by its offset as well.
    box.setIconHorAlign(0);
    box.setIconOffsetX(5);
    EXPECT_EQ(box.getImpl()->textOffset(), 21);
    box.setShowIcon(false);
    EXPECT_EQ(box.getImpl()->textOffset(), 0);

    // A centred icon survives a round trip although centre is the
    // record's default alignment.
    box.setIconHorAlign(1);
    Json::Value node = written(box);
    CVNQCheckBox copy;
    copy.readJsonValue(&node);
    EXPECT_EQ(copy.getIconHorAlign(), 1);
}

TEST_F(CheckBoxTest, DrawsAsAStampIntoAnyRectangleWithoutBeingShown)
{
    CVNQCheckBox stamp;
    stamp.setShowText(false);
    FillStyle white;
    stamp.setBackground(CtrlStateAll, white);
    stamp.setCheckedBackground(CtrlStateAll, white);
    QImage cell(80, 40, QImage::Format_ARGB32);
    cell.fill(Qt::black);
    {
        QPainter p(&cell);
        stamp.setChecked(true);
        stamp.getImpl()->draw(&p, QRect(40, 8, 24, 24));
    }
    EXPECT_FALSE(stamp.isVisible());
    // Background fills exactly the rectangle; the icon lies inside it.
    EXPECT_EQ(colourBox(cell, Qt::white, 0), QRect(40, 8, 24, 24));
    const QImage inner = cell.copy(40, 8, 24, 24);
    EXPECT_TRUE(ControlsTest::inkBox(inner).isValid());
    EXPECT_EQ(differingPixels(inner, looks(QSize(24, 24), "IDB_CHECKED", leftCentred(), "", TextStyleDesc(), 0)),
              0);
}

TEST_F(CheckBoxTest, StateSettersTakeFourForAllAndIgnoreOtherStates)
{
    CVNQCheckBox box;
    const FillStyle red = fill("cb_red", Qt::red);
    const FillStyle blue = fill("cb_blue", Qt::blue);
    EXPECT_FALSE(box.getBackground(0).valid);
    EXPECT_FALSE(box.getCheckedBackground(3).valid);
    box.setBackground(CtrlStateAll, red);
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(box.getBackground(s).name, "cb_red");
    box.setBackground(5, blue);
    box.setBackground(-1, blue);
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(box.getBackground(s).name, "cb_red");

    TextStyleDesc t;
    t.name = "probe";
    box.setTextStyleByState(5, t);
    EXPECT_TRUE(box.getTextStyle(true).name.isEmpty());
    EXPECT_TRUE(box.getTextStyle(false).name.isEmpty());
    EXPECT_TRUE(box.getDisableTextStyle().name.isEmpty());
    box.setTextStyleByState(CheckBoxTextChecked, t);
    EXPECT_EQ(box.getTextStyleByState(5).name, "probe");
    EXPECT_EQ(box.getTextStyle(true).name, "probe");
}

TEST_F(CheckBoxTest, ReadsAttributesAndWritesTheDefaultBox)
{
    CVNQCheckBox box;
    Json::Value node = TestUtil::json(R"({"attr": {"iconHor": 2, "iconVer": 0, "text": "Hi", "showText": 0}})");
    ASSERT_TRUE(box.readJsonValue(&node));
    EXPECT_EQ(box.getIconHorAlign(), 2);
    EXPECT_EQ(box.getIconVerAlign(), 0);
    EXPECT_EQ(box.text(), "Hi");
    EXPECT_FALSE(box.getShowText());

    CVNQCheckBox fresh;
    const Json::Value out = written(fresh);
    EXPECT_FALSE(out.isMember("style"));
    EXPECT_EQ(out["attr"], TestUtil::json(R"({"iconHor": 0, "iconPath": "IDB_UNCHECK",
        "hotIconPath": "IDB_UNCHECK", "siconPath": "IDB_CHECKED", "sHotIconPath": "IDB_CHECKED"})"));

    // An "attr" without "text" empties the text; a null "attr" reads nothing.
    box.setText("Keep");
    Json::Value nullAttr = TestUtil::json(R"({"attr": null})");
    box.readJsonValue(&nullAttr);
    EXPECT_EQ(box.text(), "Keep");
    EXPECT_FALSE(box.getShowText());
    Json::Value noText = TestUtil::json(R"({"attr": {"showText": true}})");
    box.readJsonValue(&noText);
    EXPECT_EQ(box.text(), "");
    EXPECT_TRUE(box.getShowText());
}

TEST_F(CheckBoxTest, IconsAndFlagsRoundTripAndStaleKeysAreNotWritten)
{
    CVNQCheckBox box;
    Json::Value node = TestUtil::json(R"({"attr": {"iconPath": "u.png", "siconPath": "c.png",
        "sHotIconPath": "ch.png", "disableIconPath": "du.png", "disableSIconPath": "dc.png",
        "iconX": 3, "iconY": -2, "showIcon": false, "text": "Box"}})");
    box.readJsonValue(&node);
    EXPECT_EQ(box.getUncheckIcon(), "u.png");
    EXPECT_EQ(box.getUncheckHotIcon(), "u.png"); // followed the normal icon
    EXPECT_EQ(box.getCheckedHotIcon(), "ch.png");
    EXPECT_EQ(box.getDisableUncheckIcon(), "du.png");
    EXPECT_EQ(box.getDisableCheckIcon(), "dc.png");

    CVNQCheckBox copy;
    Json::Value out = written(box);
    copy.readJsonValue(&out);
    EXPECT_EQ(written(copy), out);
    EXPECT_EQ(out["attr"]["showIcon"], 0);
    EXPECT_EQ(out["attr"]["iconY"], -2);

    // A key read once but back at its default is not written again.
    box.setShowIcon(true);
    box.setText("");
    const Json::Value again = written(box);
    EXPECT_FALSE(again["attr"].isMember("showIcon"));
    EXPECT_FALSE(again["attr"].isMember("text"));
}

TEST_F(CheckBoxTest, BackgroundGroupsAreWrittenCompactly)
{
    fill("cb_a", QColor(10, 20, 30));
    fill("cb_b", QColor(40, 50, 60));
    fill("cb_a2", QColor(10, 20, 30)); // same look as cb_a, other name
    CVNQCheckBox box;

    Json::Value same = TestUtil::json(R"({"style": [["cb_a", 1, 0], ["cb_a2", 1, 2], ["cb_b", 1, 4]]})");
    box.readJsonValue(&same);
    EXPECT_EQ(box.getBackground(2).name, "cb_a2");
    EXPECT_EQ(box.getCheckedBackground(3).name, "cb_b");
    EXPECT_EQ(written(box)["style"], TestUtil::json(R"([["cb_a", 1, 0], ["cb_b", 1, 4]])"));

    // a, b, a, a: four entries; reading them back restores each state.
    box.setBackground(1, fill("cb_b", QColor(40, 50, 60)));
    Json::Value out = written(box);
    EXPECT_EQ(out["style"], TestUtil::json(R"([["cb_a", 1, 0], ["cb_b", 1, 1], ["cb_a2", 1, 2], ["cb_a", 1, 3],
        ["cb_b", 1, 4]])"));
    CVNQCheckBox copy;
    copy.readJsonValue(&out);
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(copy.getBackground(s).name, box.getBackground(s).name) << s;

    // Later entries override their own state; unknown names change nothing.
    Json::Value order = TestUtil::json(R"({"style": [["cb_a", 1, 4], ["cb_b", 1, 5], ["nope", 1, 6],
        ["cb_b", 1, 11], ["cb_a", 2, 8]]})");
    CVNQCheckBox third;
    third.readJsonValue(&order);
    EXPECT_EQ(third.getCheckedBackground(0).name, "cb_a");
    EXPECT_EQ(third.getCheckedBackground(1).name, "cb_b");
    EXPECT_EQ(third.getCheckedBackground(2).name, "cb_a");
    EXPECT_FALSE(third.getBackground(0).valid);
}

TEST_F(CheckBoxTest, TextStylesRoundTripUnderTheirIndexes)
{
    ControlsTest::defineText("cb_t_off", Qt::darkGray);
    ControlsTest::defineText("cb_t_on", Qt::darkGreen);
    ControlsTest::defineText("cb_t_dis", Qt::lightGray);
    CVNQCheckBox box;
    Json::Value node = TestUtil::json(R"({"style": [["cb_t_off", 2, 8], ["cb_t_on", 2, 9], ["cb_t_dis", 2, 10]]})");
    box.readJsonValue(&node);
    EXPECT_EQ(box.getTextStyleByState(CheckBoxTextUnchecked).name, "cb_t_off");
    EXPECT_EQ(box.getTextStyleByState(CheckBoxTextChecked).clr, QColor(Qt::darkGreen));
    EXPECT_EQ(box.getDisableTextStyle().name, "cb_t_dis");
    EXPECT_EQ(written(box)["style"], node["style"]);
}

TEST_F(CheckBoxTest, ThemeEntrySetsIconsAndTextAsWell)
{
    QTemporaryDir dir;
    ASSERT_TRUE(loadTheme(dir, R"([{"name": "cb_theme_probe", "style": [["cb_theme_bg", 1, 0]],
        "attr": {"iconPath": "theme.png", "showIcon": 0}}])",
                          R"([{"type": 1, "name": "cb_theme_bg", "drawImg": false, "clr": "FF336699"}])"));
    CVNQCheckBox box;
    box.setText("Page text");
    box.setThemeName("cb_theme_probe");
    EXPECT_EQ(box.getBackground(3).fill.clr, QColor(0x33, 0x66, 0x99));
    EXPECT_EQ(box.getUncheckIcon(), "theme.png");
    EXPECT_FALSE(box.getShowIcon());
    EXPECT_EQ(box.text(), ""); // the entry's "attr" has no "text"
    EXPECT_FALSE(CVNQResourceManager::getInstance()->isLoadFromThemeRes());

    // The theme applies styles and attributes, never the name.
    Json::Value named = TestUtil::json(R"({"name": "mine", "theme": "cb_theme_probe", "attr": {"text": "x"}})");
    box.readJsonValue(&named);
    EXPECT_EQ(box.objectName(), "mine");
    EXPECT_EQ(box.text(), "");
}

TEST_F(CheckBoxTest, LanguageKeyTextIsTranslatedAndFollowsTheLanguage)
{
    LanguageManager* lm = LanguageManager::instance();
    ASSERT_TRUE(lm->loadFromJson(R"({"defaultLanguage": "en",
        "languages": {"en": {"cb.accept": "Accept"}, "zh": {"cb.accept": "接受"}}})"));
    ASSERT_TRUE(lm->setLanguage("en"));
    CVNQCheckBox box;
    Json::Value node = TestUtil::json(R"({"attr": {"text": "|->cb.accept"}})");
    box.readJsonValue(&node);
    EXPECT_EQ(box.text(), "Accept");
    ASSERT_TRUE(lm->setLanguage("zh"));
    box.notifyChangeLanguage();
    EXPECT_EQ(box.text(), QString::fromUtf8("接受"));
    EXPECT_EQ(written(box)["attr"]["text"].asString(), "接受");
    lm->setLanguage("en");
}

TEST_F(CheckBoxTest, MouseDrivesStateAndQtTogglesTheCheck)
{
    CVNQCheckBox box;
    box.resize(100, 20);
    box.setText("Toggle");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&box, &enter);
    EXPECT_EQ(box.getImpl()->getState(), CtrlStateHover);
    const QPoint inside(8, 10);
    QMouseEvent press(QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &press);
    EXPECT_EQ(box.getImpl()->getState(), CtrlStatePressed);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &release);
    EXPECT_EQ(box.getImpl()->getState(), CtrlStateHover);
    EXPECT_TRUE(box.isChecked());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&box, &leave);
    EXPECT_EQ(box.getImpl()->getState(), CtrlStateNormal);
}

TEST_F(CheckBoxTest, PropertyTableListsItsRowsAfterTheCommonOnes)
{
    const ControlInfo info = CVNQCheckBox::getProps();
    EXPECT_EQ(info.typeName, "qtcheckbox");
    EXPECT_EQ(info.shortName, "Checkbox");
    ASSERT_EQ(info.properties.size(), 7u + 13u);
    EXPECT_EQ(info.properties[6].name, "Line");
    EXPECT_EQ(info.properties[7].name, "UncheckBg");
    EXPECT_EQ(info.properties[19].name, "OffsetY");

    CVNQCheckBox box;
    const PropertyDef& hor = info.properties[16];
    ASSERT_EQ(hor.name, "HorAlign");
    hor.setInt(&box, 2);
    EXPECT_EQ(box.getIconHorAlign(), 2);
    const PropertyDef& checkedBg = info.properties[8];
    checkedBg.setFillStyle(&box, 1, fill("cb_prop", Qt::green));
    EXPECT_EQ(box.getCheckedBackground(1).name, "cb_prop");
    EXPECT_EQ(checkedBg.getFillStyle(&box, 1).name, "cb_prop");

    EXPECT_NE(cvnGetControlInfo("qtcheckbox"), nullptr);
    QWidget* viaAlias = createControlByTypeName("checkbox", nullptr);
    EXPECT_NE(qobject_cast<CVNQCheckBox*>(viaAlias), nullptr);
    delete viaAlias;
}
