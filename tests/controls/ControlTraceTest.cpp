// Each control of this folder used as a user would, against its record.

#include "CVNQControlFactory.h"
#include "ControlTrace.h"
#include "TestUtil.h"

#include <QWidget>
#include <json/json.h>
#include <gtest/gtest.h>

using namespace CVNQtLib;

TEST(ControlTrace, EveryControl)
{
    TestUtil::startToolkit();
    const std::vector<std::tuple<const char*, const char*, QSize>> controls = {
        {"qtbutton", R"({"w": 160, "h": 36, "attr": {"text": "Start turbine"}})", {160, 36}},
        {"qtcheckbox", R"({"w": 160, "h": 28, "attr": {"text": "Auto yaw"}})", {160, 28}},
    };
    for (const auto& c : controls) {
        QWidget* w = createControl(std::get<0>(c), TestUtil::json(std::get<1>(c)), nullptr);
        ASSERT_TRUE(w) << std::get<0>(c);
        TestUtil::expectTraceMatches(w, QString::fromLatin1(std::get<0>(c)), std::get<2>(c));
    }
}
