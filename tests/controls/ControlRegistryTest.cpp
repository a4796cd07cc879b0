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

    // Every control, made by its type name or in code, takes its own theme
    // entry when it is made (it writes what asking for that entry gives), but
    // the text edit and the tree, which take it only when asked.
    QVector<QPair<QString, std::function<QWidget*()>>> makers;
    for (ControlInfo* info : cvnGetAllControlInfo()) {
        const std::string type = info->typeName;
        makers.append(
            {QString::fromStdString(type), [&host, type] { return createControlByTypeName(type.c_str(), &host); }});
    }
    makers.append({"qtlabelex", [&host]() -> QWidget* { return new CVNQLabelEx(&host); }});
    QStringList entries;
    for (const auto& maker : makers)
        entries << QString(R"({"name": "%1", "style": [["th_btn", 1, 0], ["th_btn", 1, 1], ["th_txt", 2, 0]]})")
                       .arg(maker.first);
    ASSERT_TRUE(TestUtil::writeFile(theme.path(), "theme.json",
                                    QString(R"({"elements": [{"child": [%1]}]})").arg(entries.join(',')).toUtf8()));
    const auto written = [](QWidget* w) {
        Json::Value n(Json::objectValue);
        dynamic_cast<ICVNQWidgetBase*>(w)->serializeJsonValue(&n, false);
        n.removeMember("child"); // made under either theme
        return n.toStyledString();
    };
    int themed = 0;
    for (const auto& maker : makers) {
        ASSERT_TRUE(rm()->loadThemeDir(empty.path()));
        QWidget* asked = maker.second();
        if (!dynamic_cast<ICVNQWidgetBase*>(asked))
            continue; // a window is not made inside another
        const std::string plain = written(asked);
        ASSERT_TRUE(rm()->loadThemeDir(theme.path()));
        QWidget* made = maker.second();
        dynamic_cast<ICVNQWidgetBase*>(asked)->setThemeName(maker.first);
        const bool asksOnly = maker.first == "qttext" || maker.first == "qttree";
        EXPECT_EQ(written(made), asksOnly ? plain : written(asked)) << maker.first.toStdString();
        themed += written(asked) != plain;
    }
    EXPECT_GT(themed, makers.size() / 2);
    ASSERT_TRUE(rm()->loadThemeDir(empty.path()));
}
