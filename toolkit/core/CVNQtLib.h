#pragma once

// The toolkit's programming interface as free functions: start-up, the
// process-wide switches and thin entry points to the registry, the
// resource manager and the language manager.

#include "CVNGlobalConfig.h"
#include "CVNQControlFactory.h"
#include "CVNQGlobal.h"

#include <QString>
#include <QVector>

class QStyle;

namespace CVNQtLib {

struct FillStyle;
struct TextStyleDesc;
class LanguageManager;

// Start-up, once: application style, control registry, built-in images,
// default style resource. Later calls do nothing.
CVNQ_EXPORT void init();
// Nothing to release: singletons and registries live until exit.
CVNQ_EXPORT void shutdown();

// The single application style (a CScrollBarStyle), created on first call.
CVNQ_EXPORT QStyle* cvnGetStyle();
// Sets Qt::AA_EnableHighDpiScaling and Qt::AA_UseHighDpiPixmaps.
CVNQ_EXPORT void cvnEnableHighDpi(bool enable);

// Process-wide switches.
CVNQ_EXPORT void cvnSetIsInDesigner(bool inDesigner);
CVNQ_EXPORT bool cvnIsInDesigner();
CVNQ_EXPORT void cvnEnableSerializeChild(bool enable);
CVNQ_EXPORT bool cvnIsSerializeChild();
// How controls write themselves while the scope lasts, then restores both
// switches: with or without their children, and whether in designer mode
// (places and sizes taken from the live widgets instead of the controls'
// layout records). A writer that needs a whole subtree must not depend on
// the caller's settings.
class CVNQWriteModeScope
{
public:
    explicit CVNQWriteModeScope(bool children, bool inDesigner = cvnIsInDesigner())
        : m_children(cvnIsSerializeChild())
        , m_inDesigner(cvnIsInDesigner())
    {
        cvnEnableSerializeChild(children);
        cvnSetIsInDesigner(inDesigner);
    }
    ~CVNQWriteModeScope()
    {
        cvnEnableSerializeChild(m_children);
        cvnSetIsInDesigner(m_inDesigner);
    }
    CVNQWriteModeScope(const CVNQWriteModeScope&) = delete;
    CVNQWriteModeScope& operator=(const CVNQWriteModeScope&) = delete;

private:
    bool m_children;
    bool m_inDesigner;
};
// True when the executable is the maker's emulator or designer tool.
CVNQ_EXPORT bool cvnIsQtEmulator();

// Resource manager entry points. The loaders return false and change
// nothing until init() has run.
CVNQ_EXPORT bool cvnLoadSkinFile(const QString& path, float scale);
CVNQ_EXPORT bool cvnSetSkinFilePath(const QString& path, float scale);
CVNQ_EXPORT bool cvnLoadThemeDir(const char* dir);
CVNQ_EXPORT bool cvnLoadThemeFile(const char* zipFile);
CVNQ_EXPORT bool cvnNotifyThemeChange();
CVNQ_EXPORT bool cvnSetProjectFilePath(const QString& path);

CVNQ_EXPORT const QVector<FillStyle>& cvnGetAllFillStyle();
CVNQ_EXPORT const QVector<TextStyleDesc>& cvnGetAllTextStyle();
CVNQ_EXPORT bool cvnGetFillStyle(const QString& name, FillStyle& out);
CVNQ_EXPORT bool cvnGetTextStyle(const QString& name, TextStyleDesc& out);
CVNQ_EXPORT void cvnSetFillStyle(const QString& name, FillStyle& style);
CVNQ_EXPORT void cvnSetTextStyle(const QString& name, TextStyleDesc& style);
// The same with the project package selected for the duration of the call.
CVNQ_EXPORT bool cvnGetProjectFillStyle(const QString& name, FillStyle& out);
CVNQ_EXPORT bool cvnGetProjectTextStyle(const QString& name, TextStyleDesc& out);
CVNQ_EXPORT void cvnSetProjectFillStyle(const QString& name, FillStyle& style);
CVNQ_EXPORT void cvnSetProjectTextStyle(const QString& name, TextStyleDesc& style);

CVNQ_EXPORT const CVNGlobalConfig& cvnGetGlobalConfig();
CVNQ_EXPORT void cvnSetGlobalConfig(const CVNGlobalConfig& config);
CVNQ_EXPORT QString cvnGetGlobalFontFamily();
CVNQ_EXPORT void cvnSetGlobalFontFamily(const QString& family);

// Language manager entry points.
CVNQ_EXPORT QString cvnGetLanguage();
CVNQ_EXPORT LanguageManager* cvnGetLanguageManager();
CVNQ_EXPORT bool cvnLoadLanguageFile(const QString& path, QString* error = nullptr);
CVNQ_EXPORT bool cvnSetLanguage(const QString& language);
CVNQ_EXPORT QString cvnText(const QString& key, const QString& fallback = QString());

} // namespace CVNQtLib
