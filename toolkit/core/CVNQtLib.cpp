#include "CVNQtLib.h"

#include "CScrollBarStyle.h"
#include "CVNQResourceManager.h"
#include "CVNQStartup.h"
#include "CVNQStyleDefs.h"
#include "LanguageManager.h"

#include <QApplication>

namespace CVNQtLib {

namespace {

bool g_inDesigner = false;
bool g_serializeChild = true;

CVNQResourceManager* rm()
{
    return CVNQResourceManager::getInstance();
}

// Selects the project package for the duration of one style call.
class ProjectResScope
{
public:
    ProjectResScope()
        : m_old(rm()->isProjectRes())
    {
        rm()->setSwitchToProjectRes(true);
    }
    ~ProjectResScope() { rm()->setSwitchToProjectRes(m_old); }

private:
    bool m_old;
};

} // namespace

bool& initialisedFlag()
{
    static bool flag = false;
    return flag;
}

bool& emulatorFlag()
{
    static bool flag = false;
    return flag;
}

void shutdown() {}

QStyle* cvnGetStyle()
{
    // QApplication::setStyle takes ownership, so the style lives on the heap;
    // the function-local static makes the first creation thread-safe.
    static QStyle* style = new CScrollBarStyle;
    return style;
}

void cvnEnableHighDpi(bool enable)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, enable);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, enable);
}

void cvnSetIsInDesigner(bool inDesigner)
{
    g_inDesigner = inDesigner;
}
bool cvnIsInDesigner()
{
    return g_inDesigner;
}
void cvnEnableSerializeChild(bool enable)
{
    g_serializeChild = enable;
}
bool cvnIsSerializeChild()
{
    return g_serializeChild;
}
bool cvnIsQtEmulator()
{
    return emulatorFlag();
}

bool cvnLoadSkinFile(const QString& path, float scale)
{
    if (!initialisedFlag())
        return false;
    rm()->setScaleFactor(scale);
    return rm()->loadSkinFile(path);
}

bool cvnSetSkinFilePath(const QString& path, float scale)
{
    if (!initialisedFlag())
        return false;
    rm()->setScaleFactor(scale);
    return rm()->setSkinDirPath(path);
}

bool cvnLoadThemeDir(const char* dir)
{
    if (!initialisedFlag() || !dir)
        return false;
    return rm()->loadThemeDir(QString::fromUtf8(dir));
}

bool cvnLoadThemeFile(const char* zipFile)
{
    if (!initialisedFlag() || !zipFile)
        return false;
    return rm()->loadThemeFile(QString::fromUtf8(zipFile));
}

bool cvnNotifyThemeChange()
{
    if (!initialisedFlag())
        return false;
    return rm()->themeChange();
}

bool cvnSetProjectFilePath(const QString& path)
{
    if (!initialisedFlag())
        return false;
    return rm()->setProjectDirPath(path);
}

const QVector<FillStyle>& cvnGetAllFillStyle()
{
    return rm()->getFillStyles();
}
const QVector<TextStyleDesc>& cvnGetAllTextStyle()
{
    return rm()->getTextStyles();
}
bool cvnGetFillStyle(const QString& name, FillStyle& out)
{
    return rm()->getFillStyle(name, out);
}
bool cvnGetTextStyle(const QString& name, TextStyleDesc& out)
{
    return rm()->getTextStyle(name, out);
}
void cvnSetFillStyle(const QString& name, FillStyle& style)
{
    rm()->setFillStyle(name, style);
}
void cvnSetTextStyle(const QString& name, TextStyleDesc& style)
{
    rm()->setTextStyle(name, style);
}

bool cvnGetProjectFillStyle(const QString& name, FillStyle& out)
{
    ProjectResScope scope;
    return rm()->getFillStyle(name, out);
}

bool cvnGetProjectTextStyle(const QString& name, TextStyleDesc& out)
{
    ProjectResScope scope;
    return rm()->getTextStyle(name, out);
}

void cvnSetProjectFillStyle(const QString& name, FillStyle& style)
{
    ProjectResScope scope;
    rm()->setFillStyle(name, style);
}

void cvnSetProjectTextStyle(const QString& name, TextStyleDesc& style)
{
    ProjectResScope scope;
    rm()->setTextStyle(name, style);
}

const CVNGlobalConfig& cvnGetGlobalConfig()
{
    return rm()->getGlobalConfig();
}
void cvnSetGlobalConfig(const CVNGlobalConfig& config)
{
    rm()->setGlobalConfig(config);
}
QString cvnGetGlobalFontFamily()
{
    return rm()->getGlobalFontFamily();
}
void cvnSetGlobalFontFamily(const QString& family)
{
    rm()->setGlobalFontFamily(family);
}

QString cvnGetLanguage()
{
    return LanguageManager::instance()->currentLanguage();
}
LanguageManager* cvnGetLanguageManager()
{
    return LanguageManager::instance();
}

bool cvnLoadLanguageFile(const QString& path, QString* error)
{
    return LanguageManager::instance()->loadFromFile(path, error);
}

bool cvnSetLanguage(const QString& language)
{
    return LanguageManager::instance()->setLanguage(language);
}

QString cvnText(const QString& key, const QString& fallback)
{
    return LanguageManager::instance()->text(key, fallback);
}

} // namespace CVNQtLib

#include "moc_CVNQDockFrame.cpp"
#include "moc_CVNQMDIArea.cpp"
#include "moc_CVNQView.cpp"
