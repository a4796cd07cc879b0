#include "AppTestSupport.h"

#include "CVNQChartBase.h"
#include "CVNQContainer.h"
#include "GustrelApp.h"
#include "TestUtil.h"
#include "WindFarmWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace AppTest {

QString themeDir()
{
    return TestUtil::sourcePath("app/windfarm-theme");
}

bool startToolkit()
{
    static const bool loaded = startGustrelToolkit(themeDir());
    return loaded;
}

namespace {

bool drawersAtRest(const WindFarmWindow& window)
{
    const auto atRest = [&window](const char* name, bool expanded) {
        auto* drawer = window.findChild<CVNQtLib::CVNQContainer*>(QString::fromLatin1(name));
        return drawer && !drawer->isResizeAnimationRunning() &&
               drawer->getChildLayout() == CVNQtLib::CVNQContainer::Vertical && drawer->isHidden() != expanded;
    };
    return atRest("detailDrawer", window.isDetailExpanded()) && atRest("editorDrawer", window.isEditorExpanded());
}

bool chartsAtRest(const WindFarmWindow& window)
{
    for (CVNQtLib::CVNQChartBase* chart : window.findChildren<CVNQtLib::CVNQChartBase*>())
        if (chart->animationProgress() < 1.0)
            return false;
    return true;
}

} // namespace

bool waitDrawersAtRest(const WindFarmWindow& window)
{
    return TestUtil::waitFor([&window]() { return drawersAtRest(window); });
}

bool waitWindowAtRest(WindFarmWindow& window)
{
    return TestUtil::waitFor([&window]() { return drawersAtRest(window) && chartsAtRest(window); }) &&
           TestUtil::waitPainted(&window);
}

QString gustrelExecutable()
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../app/gustrel");
    return QFileInfo(path).isExecutable() ? QFileInfo(path).canonicalFilePath() : QString();
}

} // namespace AppTest
