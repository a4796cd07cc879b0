// The check box: icon and text geometry, icon choice by state, JSON rules
// (icons and text also from theme entries, compact style list), and its
// use as a drawing stamp.

#include "CVNQWindow.h"
#include "CVNQCheckBox.h"
#include "CVNQCheckBoxImpl.h"
#include "ControlsTestUtil.h"
#include "LanguageManager.h"

#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace ControlsTest;
using ControlsTest::render;

namespace {

class CheckBoxTest : public ::testing::Test
{
protected:
    // Never shown: controls built under it open no window of their own.
    QWidget host;

    static void SetUpTestSuite() { startToolkit(); }

    // What a box shows: the text from textX, then the icon at its own size
    // placed by placement in the whole rectangle (left, centred by default).
    static QImage looks(QSize size, const QString& icon, const QString& text, const TextStyleDesc& style, int textX,
                        int iconHor = 0)
    {
        IconStyleDesc placement;
        placement.hor = iconHor;
        return expected(size, [&](QPainter* p) {
            CVNQWidgetBaseImpl::drawTextAt(p, text, style, textX, 0, size.width() - textX, size.height(), true);
            if (!icon.isEmpty())
                CVNQWidgetBaseImpl::drawImage(p, icon, placement, QRect(QPoint(), size), false);
        });
    }
};

} // namespace

TEST_F(CheckBoxTest, IconAndTextGeometryByStateAndAlignment)
{
    CVNQCheckBox box(&host);
    box.resize(100, 20);
    box.setText("Check me");
    // No background, the built-in icon at (0, 2), the text in (16, 0, 84, 20).
    const QImage shot = render(&box);
    EXPECT_EQ(differingPixels(shot, looks(box.size(), "IDB_UNCHECK", "Check me", box.getTextStyle(false), 16)), 0);
    const QRect icon = ControlsTest::inkBox(shot.copy(0, 0, 16, 20));
    EXPECT_TRUE(icon.isValid());
    EXPECT_GE(icon.top(), 2);

    box.setChecked(true);
    EXPECT_EQ(differingPixels(render(&box), looks(box.size(), "IDB_CHECKED", "Check me", box.getTextStyle(true), 16)),
              0);

    // A disabled box: disabled text, no icon until one is set, same offset.
    TextStyleDesc grey;
    grey.clr = QColor(150, 150, 150);
    box.setDisableTextStyle(grey);
    box.setEnabled(false);
    EXPECT_EQ(differingPixels(render(&box), looks(box.size(), QString(), "Check me", grey, 16)), 0);
    box.setDisableCheckIcon("IDB_UNCHECK");
    EXPECT_EQ(differingPixels(render(&box), looks(box.size(), "IDB_UNCHECK", "Check me", grey, 16)), 0);

    // A centred icon leaves the text at 0, under the icon.
    box.setEnabled(true);
    box.setIconHorAlign(1);
    EXPECT_EQ(differingPixels(render(&box), looks(box.size(), "IDB_CHECKED", "Check me", box.getTextStyle(true), 0, 1)),
              0);
    box.setIconHorAlign(0);
    box.setIconOffsetX(5);
    EXPECT_EQ(box.getImpl()->textOffset(), 21);
}

TEST_F(CheckBoxTest, HotIconsFollowTheNormalOnesUntilSetApart)
{
    CVNQCheckBox box(&host);
    EXPECT_EQ(box.getImpl()->iconFor(true, CtrlStateHover), "IDB_CHECKED");
    box.setCheckedIcon("a.png");
    EXPECT_EQ(box.getCheckedHotIcon(), "a.png");
    // Only the built-in name follows.
    box.setCheckedIcon("b.png");
    EXPECT_EQ(box.getCheckedHotIcon(), "a.png");
    box.setCheckedHotIcon("hot.png");
    box.setCheckedIcon("c.png");
    EXPECT_EQ(box.getImpl()->iconFor(true, CtrlStateHover), "hot.png");
    EXPECT_EQ(box.getImpl()->iconFor(true, CtrlStatePressed), "c.png");
    EXPECT_EQ(box.getImpl()->iconFor(false, CtrlStateDisabled), "");
    EXPECT_EQ(box.getImpl()->iconFor(false, 7), "");

    // A press holds the pressed look through every move of the held button; the release checks it.
    box.resize(80, 20);
    const bool checked = box.isChecked();
    TestUtil::press(&box, QPointF(10, 10));
    for (int x : {12, 40, 70, 10}) {
        TestUtil::move(&box, QPointF(x, 10), Qt::LeftButton);
        EXPECT_EQ(box.getImpl()->getState(), CtrlStatePressed) << x;
    }
    TestUtil::release(&box, QPointF(10, 10));
    EXPECT_NE(box.isChecked(), checked);
    EXPECT_NE(box.getImpl()->getState(), CtrlStatePressed);
}

TEST_F(CheckBoxTest, DrawsAsAStampIntoAnyRectangleWithoutBeingShown)
{
    CVNQCheckBox stamp(&host);
    stamp.setShowText(false);
    stamp.setBackground(CtrlStateAll, FillStyle());
    stamp.setCheckedBackground(CtrlStateAll, FillStyle());
    stamp.setChecked(true);
    QImage cell(80, 40, QImage::Format_ARGB32);
    cell.fill(Qt::black);
    {
        QPainter p(&cell);
        stamp.getImpl()->draw(&p, QRect(40, 8, 24, 24));
    }
    EXPECT_EQ(colourBox(cell, Qt::white, 0), QRect(40, 8, 24, 24));
    EXPECT_EQ(differingPixels(cell.copy(40, 8, 24, 24), looks(QSize(24, 24), "IDB_CHECKED", "", TextStyleDesc(), 0)),
              0);
}

TEST_F(CheckBoxTest, StateSettersTakeFourForAllAndIgnoreOtherStates)
{
    CVNQCheckBox box(&host);
    EXPECT_FALSE(box.getBackground(0).valid);
    EXPECT_FALSE(box.getCheckedBackground(3).valid);
    box.setBackground(CtrlStateAll, fill("cb_red", Qt::red));
    box.setBackground(5, fill("cb_blue", Qt::blue));
    box.setBackground(-1, fill("cb_blue", Qt::blue));
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(box.getBackground(s).name, "cb_red");

    TextStyleDesc t;
    t.name = "probe";
    box.setTextStyleByState(5, t);
    EXPECT_TRUE(box.getTextStyle(true).name.isEmpty());
    EXPECT_TRUE(box.getDisableTextStyle().name.isEmpty());
    box.setTextStyleByState(CheckBoxTextChecked, t);
    EXPECT_EQ(box.getTextStyleByState(5).name, "probe");
}

TEST_F(CheckBoxTest, AttributesReadAndWrite)
{
    CVNQCheckBox fresh(&host);
    const Json::Value plain = written(fresh);
    EXPECT_FALSE(plain.isMember("style"));
    EXPECT_EQ(plain["attr"], TestUtil::json(R"({"iconHor": 0, "iconPath": "IDB_UNCHECK",
        "hotIconPath": "IDB_UNCHECK", "siconPath": "IDB_CHECKED", "sHotIconPath": "IDB_CHECKED"})"));

    CVNQCheckBox box(&host);
    Json::Value node = TestUtil::json(R"({"attr": {"iconHor": 2, "iconVer": 0, "iconPath": "u.png",
        "sHotIconPath": "ch.png", "disableIconPath": "du.png", "iconY": -2, "showIcon": false, "text": "Box"}})");
    box.readJsonValue(&node);
    EXPECT_EQ(box.getIconHorAlign(), 2);
    EXPECT_EQ(box.getIconVerAlign(), 0);
    EXPECT_EQ(box.getUncheckIcon(), "u.png");
    EXPECT_EQ(box.getUncheckHotIcon(), "IDB_UNCHECK"); // "iconPath" alone
    Json::Value hot = TestUtil::json(R"({"attr": {"hotIconPath": "IDB_UNCHECK", "text": "Box"}})");
    box.readJsonValue(&hot);
    EXPECT_EQ(box.getUncheckHotIcon(), "u.png");
    EXPECT_EQ(box.getCheckedHotIcon(), "ch.png");
    EXPECT_EQ(box.text(), "Box");
    Json::Value out = written(box);
    EXPECT_TRUE(TestUtil::keepsEveryKey(node, out));
    CVNQCheckBox copy(&host);
    copy.readJsonValue(&out);
    EXPECT_EQ(written(copy), out);
    EXPECT_EQ(out["attr"]["showIcon"], 0);

    // Icon-colour keys are not the box's own: kept like any other key.
    Json::Value tinted = TestUtil::json(R"({"attr": {"iconColor": "FF102030", "iconUseColor": 1}})");
    copy.readJsonValue(&tinted);
    EXPECT_EQ(written(copy)["attr"]["iconColor"], "FF102030");
    EXPECT_EQ(written(copy)["attr"]["iconUseColor"], 1);

    // Keys read pass through a write; set in code they are written as set.
    CVNQCheckBox coded(&host);
    coded.setIconVerAlign(DockFar);
    coded.setIconOffsetX(4);
    coded.setIconOffsetY(-3);
    const Json::Value placed = written(coded)["attr"];
    EXPECT_EQ(placed["iconVer"], 2);
    EXPECT_EQ(placed["iconX"], 4);
    EXPECT_EQ(placed["iconY"], -3);

    // Centre (the record's default) survives a round trip; values back at
    // their defaults are not written again.
    box.setIconHorAlign(1);
    box.setShowIcon(true);
    box.setText("");
    out = written(box);
    EXPECT_FALSE(out["attr"].isMember("showIcon"));
    EXPECT_FALSE(out["attr"].isMember("text"));
    copy.readJsonValue(&out);
    EXPECT_EQ(copy.getIconHorAlign(), 1);

    // An "attr" without "text" empties the text; a null "attr" reads nothing.
    copy.setText("Keep");
    Json::Value nullAttr = TestUtil::json(R"({"attr": null})");
    copy.readJsonValue(&nullAttr);
    EXPECT_EQ(copy.text(), "Keep");
    EXPECT_EQ(copy.getIconHorAlign(), 1);
    Json::Value noText = TestUtil::json(R"({"attr": {}})");
    copy.readJsonValue(&noText);
    EXPECT_EQ(copy.text(), "");
}

TEST_F(CheckBoxTest, StyleListIsWrittenCompactlyAndReadInOrder)
{
    fill("cb_a", QColor(10, 20, 30));
    fill("cb_a2", QColor(10, 20, 30)); // same look as cb_a, other name
    fill("cb_b", QColor(40, 50, 60));
    ControlsTest::defineText("cb_t_on", Qt::darkGreen);
    CVNQCheckBox box(&host);
    Json::Value same = TestUtil::json(R"({"style": [["cb_a", 1, 0], ["cb_a2", 1, 2], ["cb_b", 1, 4],
        ["cb_t_on", 2, 9], ["nope", 1, 5], ["cb_b", 1, 11]]})");
    box.readJsonValue(&same);
    EXPECT_EQ(box.getBackground(2).name, "cb_a2");
    EXPECT_EQ(box.getCheckedBackground(1).name, "cb_b");
    EXPECT_EQ(box.getTextStyle(true).clr, QColor(Qt::darkGreen));
    EXPECT_EQ(written(box)["style"], TestUtil::json(R"([["cb_a", 1, 0], ["cb_b", 1, 4], ["cb_t_on", 2, 9]])"));

    // a, b, a, a: four entries, and reading them back restores each state.
    box.setBackground(1, fill("cb_b", QColor(40, 50, 60)));
    Json::Value out = written(box);
    EXPECT_EQ(out["style"], TestUtil::json(R"([["cb_a", 1, 0], ["cb_b", 1, 1], ["cb_a2", 1, 2], ["cb_a", 1, 3],
        ["cb_b", 1, 4], ["cb_t_on", 2, 9]])"));
    CVNQCheckBox copy(&host);
    copy.readJsonValue(&out);
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(copy.getBackground(s).name, box.getBackground(s).name) << s;
}

TEST_F(CheckBoxTest, ThemeEntrySetsIconsAndTextButNeverTheName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(loadTheme(dir, R"([{"name": "cb_theme_probe", "style": [["cb_theme_bg", 1, 0]],
        "attr": {"iconPath": "theme.png", "showIcon": 0}}])",
                          R"([{"type": 1, "name": "cb_theme_bg", "drawImg": false, "clr": "FF336699"}])"));
    CVNQCheckBox box(&host);
    box.setText("Page text");
    box.setThemeName("cb_theme_probe");
    EXPECT_EQ(box.getBackground(3).fill.clr, QColor(0x33, 0x66, 0x99));
    EXPECT_EQ(box.getUncheckIcon(), "theme.png");
    EXPECT_FALSE(box.getShowIcon());
    EXPECT_EQ(box.text(), ""); // the entry's "attr" has no "text"
    EXPECT_FALSE(CVNQResourceManager::getInstance()->isLoadFromThemeRes());

    Json::Value named = TestUtil::json(R"({"name": "mine", "theme": "cb_theme_probe", "attr": {"text": "x"}})");
    box.readJsonValue(&named);
    EXPECT_EQ(box.objectName(), "mine");
    EXPECT_EQ(box.text(), "");
}

TEST_F(CheckBoxTest, LanguageKeyTextFollowsTheLanguage)
{
    LanguageManager* lm = LanguageManager::instance();
    ASSERT_TRUE(lm->loadFromJson(R"({"defaultLanguage": "en",
        "languages": {"en": {"cb.accept": "Accept"}, "zh": {"cb.accept": "接受"}}})"));
    ASSERT_TRUE(lm->setLanguage("en"));
    // Through the public path: the switch reaches the registered window's controls.
    CVNQWindow window;
    CVNQCheckBox box(&window);
    Json::Value node = TestUtil::json(R"({"attr": {"text": "|->cb.accept"}})");
    box.readJsonValue(&node);
    EXPECT_EQ(box.text(), "Accept");
    ASSERT_TRUE(lm->setLanguage("zh"));
    EXPECT_EQ(box.text(), QString::fromUtf8("接受"));
    lm->setLanguage("en");
}
