#include "AppTestSupport.h"

#include "CVNQChartRegistration.h"
#include "CVNQtLib.h"
#include "GustrelFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace AppTest {

QString themeDir()
{
    return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath("../../app/windfarm-theme");
}

bool startToolkit()
{
    static const bool loaded = []() {
        installGustrelFontSubstitutes();
        CVNQtLib::init();
        CVNQtLib::cvnRegisterChartControls();
        CVNQtLib::CVNGlobalConfig config;
        config.fontFamily = gustrelFontFamily();
        config.buttonFadeEnabled = false;
        config.buttonFadeDuration = 140;
        CVNQtLib::cvnSetGlobalConfig(config);
        return CVNQtLib::cvnLoadThemeDir(QFile::encodeName(themeDir()).constData());
    }();
    return loaded;
}

QString gustrelExecutable()
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../app/gustrel");
    return QFileInfo(path).isExecutable() ? QFileInfo(path).canonicalFilePath() : QString();
}

} // namespace AppTest
