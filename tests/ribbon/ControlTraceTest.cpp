// The ribbon bar used as a user would, against its record: the realistic
// configuration in both modes, narrow (groups collapse into menus) and wide.

#include "ControlTrace.h"
#include "RibbonTestUtil.h"

#include <QDir>

using namespace CVNQtLib;

TEST(ControlTrace, EveryControl)
{
    TestUtil::startToolkit();
    qRegisterMetaType<CVN_RIBBON_LAYOUT_MODE>("CVNQtLib::CVN_RIBBON_LAYOUT_MODE");
    // Icons through a search path: the record names no folder of this machine.
    QDir::setSearchPaths(QStringLiteral("ribbonicons"), {RibbonTest::iconDir()});
    const QString config = RibbonTest::realisticConfig().replace(RibbonTest::iconDir(), QStringLiteral("ribbonicons:"));
    for (const CVN_RIBBON_LAYOUT_MODE mode : {CVN_RIBBON_LAYOUT_OFFICE, CVN_RIBBON_LAYOUT_COMPACT})
        for (const int width : {520, 1180}) {
            auto* bar = new CVNQRibbonBar;
            ASSERT_TRUE(bar->loadConfigJson(config)) << bar->lastError().toStdString();
            bar->setLayoutMode(mode);
            const QString name = QStringLiteral("ribbonbar-%1-%2")
                                     .arg(mode == CVN_RIBBON_LAYOUT_OFFICE ? "office" : "compact")
                                     .arg(width);
            TestUtil::expectTraceMatches(bar, name, QSize(width, bar->sizeHint().height()));
        }
}
