// The ribbon bar used as a user would, against its record: the realistic
// configuration in both modes, narrow (groups collapse into menus) and wide.

#include "CVNQControlFactory.h"
#include "ControlTrace.h"
#include "RibbonTestUtil.h"
#include "TestUtil.h"

#include <QDir>
#include <json/json.h>

using namespace CVNQtLib;

TEST(ControlTrace, EveryControl)
{
    TestUtil::startToolkit();
    qRegisterMetaType<CVN_RIBBON_LAYOUT_MODE>("CVNQtLib::CVN_RIBBON_LAYOUT_MODE");
    // Icons through a search path: the record names no folder of this machine.
    QDir::setSearchPaths(QStringLiteral("ribbonicons"), {RibbonTest::iconDir()});
    const QString config = RibbonTest::realisticConfig().replace(RibbonTest::iconDir(), QStringLiteral("ribbonicons:"));
    CVNQRibbonBar source;
    ASSERT_TRUE(source.loadConfigJson(config)) << source.lastError().toStdString();
    const Json::Value node = TestUtil::written(&source);
    for (const char* mode : {"office", "compact"})
        for (const int width : {520, 1180}) {
            // From the node a page file holds; the wide compact bar minimised,
            // its page a pop-up under the tab.
            Json::Value json = node;
            json["attr"]["layoutMode"] = mode;
            json["attr"]["minimized"] = width > 600 && mode == std::string("compact");
            auto* bar = dynamic_cast<CVNQRibbonBar*>(createControl(CVNQRibbonBar::typeName(), json, nullptr));
            ASSERT_TRUE(bar);
            // Keys reach the split button with its menu, or the next page's tab.
            for (CVNQRibbonButton* button : bar->findChildren<CVNQRibbonButton*>())
                if (button->ribbonAction() == bar->findAction("paste") && mode == std::string("office"))
                    bar->setFocusProxy(button);
            if (mode == std::string("compact"))
                bar->setFocusProxy(RibbonTest::tab(*bar, "insert"));
            const QString name = QStringLiteral("ribbonbar-%1-%2").arg(mode).arg(width);
            TestUtil::expectTraceMatches(bar, name, QSize(width, bar->sizeHint().height()));
        }
}
