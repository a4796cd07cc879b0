#include "AppTestSupport.h"

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
    // Every case: the theme a case loads is dropped after it (a loaded folder is not read again).
    return startGustrelToolkit(themeDir());
}

bool waitDrawersAtRest(const WindFarmWindow& window)
{
    return TestUtil::waitFor([&window]() { return window.drawersAtRest(); });
}

bool waitWindowAtRest(WindFarmWindow& window)
{
    return TestUtil::waitFor([&window]() { return window.isAtRest(); }) && TestUtil::waitPainted(&window);
}

QString gustrelExecutable()
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../app/gustrel");
    return QFileInfo(path).isExecutable() ? QFileInfo(path).canonicalFilePath() : QString();
}

} // namespace AppTest
