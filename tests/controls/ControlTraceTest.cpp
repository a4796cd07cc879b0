// Each control of this folder used as a user would, against its record:
// in the application's wind-farm theme, which themes each type it names.

#include "CVNQControlFactory.h"
#include "CVNQLabelEx.h"
#include "CVNQProgressBar.h"
#include "ControlTraceTable.h"
#include "ControlsTestUtil.h"
#include "TestUtil.h"

#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <json/json.h>
#include <gtest/gtest.h>

using namespace CVNQtLib;

TEST(ControlTrace, EveryControl)
{
    TestUtil::startToolkit();
    QTemporaryDir dir;
    ASSERT_TRUE(ControlsTest::writeTheme(dir.path()) && ControlsTest::rm()->loadThemeDir(dir.path()));
    const std::vector<TestUtil::TracedControl> controls = {
        {"qtbutton", "qtbutton", R"({"attr": {"text": "Start turbine"}})", {160, 36}},
        {"qtcheckbox", "qtcheckbox", R"({"attr": {"text": "Auto yaw"}})", {160, 28}},
        {"qtlabel", "qtlabel", R"({"attr": {"text": "Rotor speed 14.2 rpm"}})", {160, 26}},
        {"qtradiobox", "qtradiobox", R"({"attr": {"text": "Curtailed", "pushlike": false}})", {140, 28}},
        // A slide of no length: the position settles within the step.
        {"qtswitch",
         "qtswitch",
         R"({"attr": {"leftText": "On", "rightText": "Off", "speed": 0, "margin": 3,
            "thumbW": 22, "thumbH": 22}})",
         {64, 28}},
        // The built-in slide, from on: presses that come while it moves.
        {"qtswitch-sliding", "qtswitch", R"({"attr": {"leftText": "On", "rightText": "Off", "on": true}})", {64, 28}},
        {"qtprogressbar", "qtprogressbar", R"({"attr": {"val": 64, "showText": true}})", {200, 20}},
        {"qtprogressbar-circle",
         "qtprogressbar",
         R"({"attr": {"val": 80, "showText": true}})",
         {80, 80},
         [](QWidget* w) { static_cast<CVNQProgressBar*>(w)->setCircleProgressBar(true); }},
        {"qtlcdnumber", "qtlcdnumber", R"({"attr": {"digitCount": 6, "text": "1234.5"}})", {190, 60}},
        {"qtpicture", "qtpicture", R"({"attr": {"path": "photo.png"}})", {60, 40}},
        {"qtpicture-svg",
         "qtpicture",
         R"({"attr": {"svgPath": "turbine.svg", "svgColor": "FF00EF86",
            "svgUseColor": true}})",
         {40, 40}},
        {"qtlabelex",
         "qtlabelex",
         "{}",
         {150, 70},
         [](QWidget* w) {
             static_cast<CVNQLabelEx*>(w)->setHtmlContent("<b>Rich</b> text, <i>wrapped</i> over the lines of a note");
         }},
        // Theme entries the application names, with icons.
        {"themed-button",
         "qtbutton",
         R"({"theme": "WindNavButton", "attr": {"text": "Turbines",
            "iconPath": "turbine.svg", "hasIcon": true, "fadeEnabled": false}})",
         {150, 34}},
        {"themed-radiobox",
         "qtradiobox",
         R"({"attr": {"text": "Curtailed", "iconPath": "dot.svg",
            "siconPath": "dot-on.svg", "iconX": 6}})",
         {140, 30}},
    };
    TestUtil::expectTracesMatch(controls);
    QTemporaryDir empty;
    ASSERT_TRUE(TestUtil::writeFile(empty.path(), "style.json", R"({"style": []})"));
    ASSERT_TRUE(ControlsTest::rm()->loadThemeDir(empty.path()));
}
