#pragma once

// The process-wide theme and resource singleton every control consults:
// named fill and text styles, the per-control-type theme entries of the
// loaded theme, images and SVG renderers, fonts, skin translations and the
// toolkit-wide configuration. It holds up to three packages: the default
// package (always present; built-in styles, skins), the project package
// (a designer project folder) and the theme package (a theme folder or
// archive). GUI thread only.

#include "CVNGlobalConfig.h"
#include "CVNJsonFwd.h"
#include "CVNQGlobal.h"
#include "CVNQStyleDefs.h"

#include <QByteArray>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>

class QImage;
class QSvgRenderer;
class QWidget;

namespace CVNQtLib {

class CVNQResourceManagerImpl;

// Where getResource found a file.
enum ResSourceType : int
{
    ResSourceDefault = 0,
    ResSourceTheme = 1,
    ResSourceProject = 2
};

class CVNQ_EXPORT CVNQResourceManager
{
public:
    static CVNQResourceManager* getInstance();

    // --- mode flags ----------------------------------------------------------
    bool isCreatedByFile() const { return m_createdByFile; }
    void setCreatedByFile(bool on) { m_createdByFile = on; }
    // Set while a theme entry is applied to a control: style lookups then
    // use the theme package, and JSON routines skip names, geometry, content.
    bool isLoadFromThemeRes() const { return m_loadFromTheme; }
    void setSwitchToThemeRes(bool on) { m_loadFromTheme = on; }
    // Set by the project variants of the style functions: lookups and
    // setFillStyle then use the project package.
    bool isProjectRes() const { return m_projectRes; }
    void setSwitchToProjectRes(bool on) { m_projectRes = on; }
    bool isDesigner() const { return m_designer; }
    void setIsDesigner(bool on) { m_designer = on; }
    // Only a factor in (0, 1) has an effect (margins, images, painted sizes);
    // a factor <= 0 (or NaN) is ignored and the previous one kept.
    float getScaleFactor() const { return m_scaleFactor; }
    void setScaleFactor(float factor);
    // The factor to multiply by, or 0 when no scaling applies.
    float effectiveScale() const;

    CVNQResourceManagerImpl* getDefaultManagerImpl() const { return m_default.get(); }
    CVNQResourceManagerImpl* getProjectManagerImpl() const { return m_project.get(); }
    CVNQResourceManagerImpl* getThemeManagerIml() const { return m_theme.get(); }

    // --- configuration -------------------------------------------------------
    const CVNGlobalConfig& getGlobalConfig() const { return m_config; }
    void setGlobalConfig(const CVNGlobalConfig& config);
    void setGlobalFontFamily(const QString& family);
    QString getGlobalFontFamily() const { return m_config.fontFamily; }
    bool getButtonFadeEnabled() const { return m_config.buttonFadeEnabled; }
    int getButtonFadeDuration() const;

    // --- packages ------------------------------------------------------------
    // Theme folder. A failed load keeps the previously loaded theme; the
    // loaded theme's folder, however spelled, returns true without reading
    // again.
    bool loadThemeDir(const QString& dir);
    // Theme archive; always read again; notifies no window.
    bool loadThemeFile(const QString& zipFile);
    // Skin archive into the default package; false when the archive does not
    // open or holds no "style.json" of its own.
    bool loadSkinFile(const QString& zipFile);
    bool loadSkinFile(const char* data, int size);
    // Skin folder into the default package ("style.json", "language.txt").
    bool setSkinDirPath(const QString& dir);
    // Designer project folder into a new project package.
    bool setProjectDirPath(const QString& dir);
    // Built-in ":/style/resources/style/defaultStyle.json" when shipped.
    void initDefaultStyleRes();
    // The four built-in check and radio images ("IDB_..."), default package.
    void initDefaultImageRes();
    // Registers skin fonts: from the skin folder's "fonts" folder, or from
    // the default package's files whose path contains "fonts".
    void initFontRes(bool fromFolder);
    // Drops the default package's caches (built-in "IDB_" images stay) and
    // its style tables.
    void releaseRes();
    QString getThemePath() const;
    QString getSkinDirPath() const;
    QString getFileSkinPath() const;

    // --- styles --------------------------------------------------------------
    // Look a name up in exactly one package (theme while a theme is applied,
    // else project while the project flag is set, else default). "empty" and
    // "emptyRect" are reserved invisible fill styles. False leaves out as is.
    bool getFillStyle(const QString& name, FillStyle& out) const;
    bool getTextStyle(const QString& name, TextStyleDesc& out) const;
    void setFillStyle(const QString& name, FillStyle& style);
    void setFillStyle(CVNQResourceManagerImpl* package, const QString& name, FillStyle& style);
    void setTextStyle(CVNQResourceManagerImpl* package, const QString& name, TextStyleDesc& style);
    // Stores like its fill-style twin (project package with the project flag,
    // else the default package).
    void setTextStyle(const QString& name, TextStyleDesc& style);
    QVector<FillStyle>& getFillStyles();
    QVector<TextStyleDesc>& getTextStyles();
    // The project package's styles as styled JSON {"style": [...]}.
    QString toProjectStyleString() const;
    // Style file "style" array into a package's tables; true (false for a
    // null package). Never throws on malformed entries: they are skipped.
    bool readStyle(CVNQResourceManagerImpl* package, const Json::Value& styleArray);
    // Appends the package's fill styles, then its text styles; false for null.
    bool writeStyle(CVNQResourceManagerImpl* package, Json::Value& outArray) const;

    // --- theme entries -------------------------------------------------------
    // The theme node indexed under name, or null. A hash lookup.
    Json::Value* getThemeJsonValue(const char* name) const;

    // --- windows -------------------------------------------------------------
    // CVNQWindow / CVNQWindowDesigner register themselves here; taken as
    // QWidget so the core does not depend on the window classes.
    bool registerWindow(QWidget* window);
    bool unregisterWindow(QWidget* window);
    bool registerDesignerWindow(QWidget* window);
    bool unregisterDesignerWindow(QWidget* window);
    // notifyThemeChange for every registered window, then designer window.
    bool themeChange();
    // Refreshes the theme of every control below widget (not widget itself).
    void notifyThemeChange(QWidget* widget);
    // Calls notifyChangeLanguage of every control below widget.
    void notifyChangeLanguage(QWidget* widget);

    // --- resources -----------------------------------------------------------
    // Bytes of a package file (project, then default, then theme package);
    // data points into the package and stays valid while it lives.
    bool getResource(const QString& name, const char*& data, unsigned& size, ResSourceType& type) const;
    // Cached, manager-owned image (grayed when asked) or null; never free it.
    QImage* getImage(const QString& name, bool gray = false);
    // Cached, manager-owned renderer or null; never free it.
    QSvgRenderer* getSvgRenderer(const QString& name);
    // The SVG of that name rendered at size (logical pixels) times dpr, of
    // which only part (logical pixels inside (0, 0, size)) is made: tinted
    // with tint when it is valid, else grayed like a disabled icon when
    // gray is set. Cached by all of these, dropped when a theme, project or
    // skin changes; manager-owned, valid until the next call. Null when the
    // SVG does not load or part is empty.
    const QImage* getRenderedSvg(const QString& name, const QSize& size, const QRect& part, const QColor& tint,
                                 bool gray, qreal dpr);

    // --- skin translations -----------------------------------------------------
    // Language manager first, then the skin table of "language.txt".
    QString getString(const QString& key) const;
    bool setCurrentLanguage(const QString& language);
    QString getCurrentLanguage() const;
    QStringList getLanguageList() const;
    // Skin "language.txt": UTF-16LE, CR LF lines, TAB fields.
    bool readLanguage(const QByteArray& bytes);

private:
    CVNQResourceManager();
    ~CVNQResourceManager();
    CVNQResourceManager(const CVNQResourceManager&) = delete;
    CVNQResourceManager& operator=(const CVNQResourceManager&) = delete;

    CVNQResourceManagerImpl* stylePackage() const;
    // Parses the package's last style blob (which must be one of the blobs
    // from index firstNewBlob on) and reads its "style"; false when missing
    // or unparsable.
    bool readLastStyleBlob(CVNQResourceManagerImpl* package, int firstNewBlob);
    // Reads the package's style file and theme entries and makes it the
    // theme package; false (package dropped) when its style file is bad.
    bool installTheme(std::unique_ptr<CVNQResourceManagerImpl> package);
    // Reads a skin archive into the default package; false when it does not
    // open or brings no style file of its own.
    bool loadSkinArchive(const std::function<bool()>& readArchive);
    // Forgets every rendered SVG (their sources may have changed).
    void dropRenderedSvgs();
    // The first hit in the caches, in the locator's order.
    template <class T>
    T* findCached(T* (CVNQResourceManagerImpl::*cached)(const QString&) const, const QString& key) const;
    // The bytes of a package file (not copied), empty when there is none.
    QByteArray packageBytes(const QString& name, ResSourceType& type) const;
    void notifyLanguageToWindows();
    void connectLanguageManager();

    bool m_createdByFile = false;
    bool m_loadFromTheme = false;
    bool m_projectRes = false;
    bool m_designer = false;
    float m_scaleFactor = 100.0f;
    CVNGlobalConfig m_config;
    QString m_currentSkinLanguage; // empty: none
    QMap<QString, QMap<QString, QString>> m_skinLanguages;
    QVector<QPointer<QWidget>> m_windows;
    QVector<QPointer<QWidget>> m_designerWindows;
    std::unique_ptr<CVNQResourceManagerImpl> m_default;
    std::unique_ptr<CVNQResourceManagerImpl> m_project;
    std::unique_ptr<CVNQResourceManagerImpl> m_theme;
    // Identity of the theme folder whose load succeeded last (same-folder
    // shortcut), as the locator gives it.
    QString m_loadedThemeDir;
};

} // namespace CVNQtLib
