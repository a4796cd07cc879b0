// The controls of this folder in the start-up table: type names, aliases,
// property tables, building from page nodes and theme entries.

#include "CVNQControlFactory.h"
#include "CVNQImage.h"
#include "CVNQLCDNumber.h"
#include "CVNQLabel.h"
#include "CVNQLabelEx.h"
#include "CVNQPushButton.h"
#include "CVNQtLib.h"
#include "ControlsTestUtil.h"
#include "CVNQControlInfo.h"
#include "TestUtil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace ControlsTest;

TEST(ControlRegistry, TypeNamesAliasesAndTables)
{
    init();
    QWidget host;
    const struct
    {
        const char* name;
        const char* className;
    } types[] = {{"qtbutton", "CVNQtLib::CVNQPushButton"},  {"button", "CVNQtLib::CVNQPushButton"},
                 {"qtlabel", "CVNQtLib::CVNQLabel"},        {"label", "CVNQtLib::CVNQLabel"},
                 {"qtlabelex", "CVNQtLib::CVNQLabelEx"},    {"qtpicture", "CVNQtLib::CVNQImage"},
                 {"picture", "CVNQtLib::CVNQImage"},        {"image", "CVNQtLib::CVNQImage"},
                 {"qtlcdnumber", "CVNQtLib::CVNQLCDNumber"}};
    for (const auto& t : types) {
        QWidget* w = createControlByTypeName(t.name, &host);
        ASSERT_NE(w, nullptr) << t.name;
        EXPECT_STREQ(w->metaObject()->className(), t.className);
        EXPECT_EQ(w->parentWidget(), &host);
    }
    for (const char* name : {"qtbutton", "qtlabel", "qtpicture", "qtlcdnumber"}) {
        const ControlInfo* info = cvnGetControlInfo(name);
        ASSERT_NE(info, nullptr) << name;
        EXPECT_EQ(info->typeName, name);
        EXPECT_EQ(info->properties.front().name, "Name");
        EXPECT_EQ(info->properties[6].name, "Line");
    }
    // Rows of each table after the seven common ones.
    const std::vector<std::vector<const char*>> rows = {{"Background", "DrawBackground", "FadeEnabled", "FadeDuration"},
                                                        {"Text", "TextStyle"},
                                                        {"ImagePath", "Stretch"},
                                                        {"Background", "DigitCount", "TextColor", "Text"}};
    const char* tables[] = {"qtbutton", "qtlabel", "qtpicture", "qtlcdnumber"};
    for (int t = 0; t < 4; ++t) {
        const ControlInfo* info = cvnGetControlInfo(tables[t]);
        ASSERT_EQ(info->properties.size(), 7 + rows[t].size()) << tables[t];
        for (size_t r = 0; r < rows[t].size(); ++r)
            EXPECT_EQ(info->properties[7 + r].name, rows[t][r]);
    }
    // The colour row sets and reads the digits' colour.
    CVNQLCDNumber lcd(&host);
    const PropertyDef& colour = TestUtil::propertyRow(cvnGetControlInfo("qtlcdnumber"), "TextColor");
    EXPECT_EQ(colour.type, PropColor);
    colour.setColor(&lcd, QColor(0x11, 0x22, 0x33));
    render(&lcd);
    EXPECT_EQ(colour.getColor(&lcd), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(cvnGetControlInfo("qtlabelex"), nullptr);
    EXPECT_EQ(cvnGetControlInfo("picture"), nullptr);
    EXPECT_EQ(cvnGetControlInfo("qtpicture")->className, "CVNQImage");
}

TEST(ControlRegistry, PageNodesAndThemeEntries)
{
    init();
    QTemporaryDir theme;
    ASSERT_TRUE(TestUtil::writeFile(theme.path(), "style.json", R"({"style": [
        {"type": 1, "name": "th_btn", "drawImg": false, "clr": "ff336699"},
        {"type": 2, "name": "th_txt", "clr": "ffffffff", "hor": 1}]})"));
    ASSERT_TRUE(TestUtil::writeFile(theme.path(), "theme.json", R"({"elements": [{"child": [
        {"name": "qtbutton", "style": [["th_btn", 1, 0], ["th_txt", 2, 4]],
         "attr": {"text": "Theme text", "iconPath": "theme.png", "showText": false}},
        {"name": "accent", "style": [["th_txt", 2, 4]], "attr": {"txtY": 3}}]}]})"));
    ASSERT_TRUE(rm()->loadThemeDir(theme.path()));

    QWidget host;
    Json::Value node = TestUtil::json(R"({"type": "button", "name": "go", "x": 4, "y": 5, "w": 90, "h": 28,
        "attr": {"text": "Start", "showText": true}})");
    auto* b = dynamic_cast<CVNQPushButton*>(createControlTree(node, &host));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->objectName(), "go");
    EXPECT_EQ(b->text(), "Start");
    EXPECT_TRUE(b->getShowText());
    EXPECT_EQ(b->getBackground(2).name, "th_btn");
    EXPECT_EQ(b->getBackground(2).fill.clr, QColor(0x33, 0x66, 0x99));
    EXPECT_TRUE(b->getIcon().isEmpty()) << "a theme entry sets no content";
    EXPECT_FALSE(rm()->isLoadFromThemeRes());

    // A "theme" key switches the node to another entry.
    Json::Value accent = TestUtil::json(R"({"type": "qtbutton", "theme": "accent", "attr": {"txtY": 9}})");
    auto* a = dynamic_cast<CVNQPushButton*>(createControlTree(accent, &host));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->getTextOffsetY(), 3);
    EXPECT_FALSE(rm()->isLoadFromThemeRes());

    QTemporaryDir empty;
    ASSERT_TRUE(TestUtil::writeFile(empty.path(), "style.json", R"({"style": []})"));
    ASSERT_TRUE(rm()->loadThemeDir(empty.path()));
}
