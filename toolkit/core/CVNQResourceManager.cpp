#include "CVNQResourceManager.h"

#include "CVNJson.h"
#include "CVNQLogging.h"
#include "CVNQResourceLocator.h"
#include "CVNQResourceManagerImpl.h"
#include "CVNQTextLayoutCache.h"
#include "CVNQWidgetBase.h"
#include "ICVNQWidgetBase.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QWidget>
#include <cmath>
#include <memory>

// The library is static: the resource file's initialiser must be called
// explicitly or the linker drops it. Outside any namespace, as Qt requires.
static void initToolkitResources()
{
    Q_INIT_RESOURCE(corvane);
}

namespace CVNQtLib {

namespace {

const char kDefaultStyleResource[] = ":/style/resources/style/defaultStyle.json";

QByteArray textUpToNul(const QByteArray& bytes)
{
    const int nul = bytes.indexOf('\0');
    return nul < 0 ? bytes : bytes.left(nul);
}

// A style file must parse to an object with "style".
bool parseStyleFile(const QByteArray& bytes, Json::Value& root)
{
    if (bytes.isEmpty()) {
        qCWarning(lcStyle) << "style.json is empty";
        return false;
    }
    QString error;
    if (!jsonParse(textUpToNul(bytes), root, &error)) {
        qCWarning(lcStyle).noquote() << "style.json does not parse:" << error.trimmed();
        return false;
    }
    if (!root.isObject() || !jsonHasMember(root, "style")) {
        qCWarning(lcStyle) << "style.json has no \"style\"";
        return false;
    }
    return true;
}

bool readWholeFile(const QString& path, QByteArray& out)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    out = f.readAll();
    return f.error() == QFile::NoError;
}

bool addWindow(QVector<QPointer<QWidget>>& list, QWidget* w)
{
    if (!w)
        return false;
    list.removeAll(QPointer<QWidget>());
    for (const QPointer<QWidget>& p : list)
        if (p == w)
            return true;
    list.append(w);
    return true;
}

bool removeWindow(QVector<QPointer<QWidget>>& list, QWidget* w)
{
    if (!w)
        return false;
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i) == w) {
            list.remove(i);
            return true;
        }
    }
    return false;
}

// Calls act on every control below widget (not on widget itself), each
// before its own children. A control may delete a sibling while it is
// handled, so the walk holds guarded copies of the child lists.
void forEachControlBelow(QWidget* widget, const std::function<void(ICVNQWidgetBase*)>& act)
{
    if (!widget)
        return;
    QVector<QPointer<QObject>> children;
    children.reserve(widget->children().size());
    for (QObject* child : widget->children())
        children.append(child);
    for (const QPointer<QObject>& child : children) {
        QWidget* w = qobject_cast<QWidget*>(child.data());
        if (!w)
            continue;
        if (ICVNQWidgetBase* control = dynamic_cast<ICVNQWidgetBase*>(w))
            act(control);
        forEachControlBelow(w, act);
    }
}

} // namespace

CVNQResourceManager* CVNQResourceManager::getInstance()
{
    static CVNQResourceManager instance;
    return &instance;
}

CVNQResourceManager::CVNQResourceManager()
    : m_default(new CVNQResourceManagerImpl)
{
    // The built-in images and default styles live in the toolkit's resources.
    initToolkitResources();
    connectLanguageManager();
}

CVNQResourceManager::~CVNQResourceManager()
{
    releaseRes();
    m_default.reset();
    m_project.reset();
    m_theme.reset();
}

void CVNQResourceManager::setScaleFactor(float factor)
{
    // A factor of 0, a negative one or NaN would collapse every image and
    // margin to nothing; keep the previous factor instead.
    if (!(factor > 0.0f))
        return;
    m_scaleFactor = factor;
}

float CVNQResourceManager::effectiveScale() const
{
    return (m_scaleFactor > 0.0f && m_scaleFactor < 1.0f) ? m_scaleFactor : 0.0f;
}

// --- configuration -----------------------------------------------------------

void CVNQResourceManager::setGlobalConfig(const CVNGlobalConfig& config)
{
    m_config = config;
    if (m_config.buttonFadeDuration < 1)
        m_config.buttonFadeDuration = kCvnDefaultFadeDuration;
    if (!m_config.fontFamily.isEmpty() && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QFont font = QApplication::font();
        font.setFamily(m_config.fontFamily);
        QApplication::setFont(font);
    }
    themeChange();
}

void CVNQResourceManager::setGlobalFontFamily(const QString& family)
{
    CVNGlobalConfig config = m_config;
    config.fontFamily = family;
    setGlobalConfig(config);
}

int CVNQResourceManager::getButtonFadeDuration() const
{
    return m_config.buttonFadeDuration > 0 ? m_config.buttonFadeDuration : kCvnDefaultFadeDuration;
}

// --- packages ----------------------------------------------------------------

bool CVNQResourceManager::readLastStyleBlob(CVNQResourceManagerImpl* package, int firstNewBlob)
{
    const QVector<QByteArray>& blobs = package->styleBlobs();
    if (blobs.size() <= firstNewBlob || blobs.isEmpty())
        return false;
    Json::Value root;
    if (!parseStyleFile(blobs.last(), root))
        return false;
    return readStyle(package, jsonGet(root, "style"));
}

bool CVNQResourceManager::installTheme(std::unique_ptr<CVNQResourceManagerImpl> package)
{
    // The package is swapped in only when it loaded, so a broken theme leaves
    // the running one intact.
    if (!readLastStyleBlob(package.get(), 0)) {
        qCWarning(lcTheme) << "theme" << (package->dirPath().isEmpty() ? package->filePath() : package->dirPath())
                           << "has no usable style.json";
        return false;
    }
    if (const QByteArray* theme = package->file("theme.json")) {
        package->setThemeText(*theme);
        package->indexThemeElements();
    }
    m_theme = std::move(package);
    dropRenderedSvgs();
    m_loadedThemeDir.clear();
    return true;
}

bool CVNQResourceManager::loadThemeDir(const QString& dir)
{
    const QString identity = CVNQResourceLocator::packageIdentity(dir);
    if (m_theme && !m_loadedThemeDir.isEmpty() && m_loadedThemeDir == identity)
        return true;
    auto package = std::make_unique<CVNQResourceManagerImpl>();
    package->setDirPath(dir);
    if (!package->readFolder(dir)) {
        qCWarning(lcTheme) << "theme folder" << dir << "cannot be read";
        return false;
    }
    if (!installTheme(std::move(package)))
        return false;
    m_loadedThemeDir = identity;
    themeChange();
    return true;
}

bool CVNQResourceManager::loadThemeFile(const QString& zipFile)
{
    auto package = std::make_unique<CVNQResourceManagerImpl>();
    package->setFilePath(zipFile);
    if (!package->readArchiveFile(zipFile)) {
        qCWarning(lcTheme) << "theme archive" << zipFile << "cannot be read";
        return false;
    }
    return installTheme(std::move(package));
}

bool CVNQResourceManager::loadSkinArchive(const std::function<bool()>& readArchive)
{
    const int blobsBefore = m_default->styleBlobs().size();
    dropRenderedSvgs();
    if (!readArchive())
        return false;
    initFontRes(false);
    // The style file must come from this archive, not from an earlier skin.
    return readLastStyleBlob(m_default.get(), blobsBefore);
}

bool CVNQResourceManager::loadSkinFile(const QString& zipFile)
{
    m_default->setFilePath(zipFile);
    if (!loadSkinArchive([&] { return m_default->readArchiveFile(zipFile); }))
        return false;
    if (const QByteArray* language = m_default->file("language.txt"))
        readLanguage(*language);
    return true;
}

bool CVNQResourceManager::loadSkinFile(const char* data, int size)
{
    if (!data || size <= 0)
        return false;
    return loadSkinArchive([&] { return m_default->readArchiveMemory(data, size); });
}

bool CVNQResourceManager::setSkinDirPath(const QString& dir)
{
    if (dir.isEmpty())
        return false;
    QString path = dir;
    if (!path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('\\')))
        path += QLatin1Char('/');
    m_default->setDirPath(path);
    dropRenderedSvgs();
    QByteArray bytes;
    Json::Value root;
    if (!readWholeFile(path + QLatin1String("style.json"), bytes) || !parseStyleFile(bytes, root))
        return false;
    readStyle(m_default.get(), jsonGet(root, "style"));
    QByteArray language;
    if (readWholeFile(path + QLatin1String("language.txt"), language) && !language.isEmpty())
        readLanguage(language);
    return true;
}

bool CVNQResourceManager::setProjectDirPath(const QString& dir)
{
    m_project.reset(new CVNQResourceManagerImpl);
    dropRenderedSvgs();
    m_project->setFilePath(dir);
    if (!m_project->readFolder(dir) || !readLastStyleBlob(m_project.get(), 0))
        return false;
    if (const QByteArray* theme = m_project->file("theme.json"))
        m_project->setThemeText(*theme);
    return true;
}

void CVNQResourceManager::initDefaultStyleRes()
{
    QByteArray bytes;
    Json::Value root;
    if (readWholeFile(QString::fromLatin1(kDefaultStyleResource), bytes) && parseStyleFile(bytes, root))
        readStyle(m_default.get(), jsonGet(root, "style"));
}

void CVNQResourceManager::releaseRes()
{
    // The built-in "IDB_" images are made once at start-up and must survive.
    m_default->releaseImages(QStringLiteral("IDB_"));
    m_default->clearStyles();
    dropRenderedSvgs();
}

QString CVNQResourceManager::getThemePath() const
{
    if (!m_theme)
        return QString();
    if (!m_theme->filePath().isEmpty())
        return m_theme->filePath();
    return m_theme->dirPath();
}

QString CVNQResourceManager::getSkinDirPath() const
{
    return m_default->dirPath();
}

QString CVNQResourceManager::getFileSkinPath() const
{
    return m_default->filePath();
}

// --- styles ------------------------------------------------------------------

CVNQResourceManagerImpl* CVNQResourceManager::stylePackage() const
{
    if (m_loadFromTheme)
        return m_theme.get();
    if (m_projectRes)
        return m_project.get();
    return m_default.get();
}

bool CVNQResourceManager::getFillStyle(const QString& name, FillStyle& out) const
{
    if (name == QLatin1String("empty") || name == QLatin1String("emptyRect")) {
        out.name = name;
        out.valid = false;
        return true;
    }
    const CVNQResourceManagerImpl* package = stylePackage();
    const FillStyle* found = package ? package->findFillStyle(name) : nullptr;
    if (!found)
        return false;
    out = *found;
    out.valid = true;
    return true;
}

bool CVNQResourceManager::getTextStyle(const QString& name, TextStyleDesc& out) const
{
    const CVNQResourceManagerImpl* package = stylePackage();
    const TextStyleDesc* found = package ? package->findTextStyle(name) : nullptr;
    if (!found)
        return false;
    out = *found;
    return true;
}

void CVNQResourceManager::setFillStyle(const QString& name, FillStyle& style)
{
    CVNQResourceManagerImpl* package = m_projectRes ? m_project.get() : m_default.get();
    if (package)
        package->setFillStyle(name, style);
}

void CVNQResourceManager::setFillStyle(CVNQResourceManagerImpl* package, const QString& name, FillStyle& style)
{
    if (package)
        package->setFillStyle(name, style);
}

void CVNQResourceManager::setTextStyle(CVNQResourceManagerImpl* package, const QString& name, TextStyleDesc& style)
{
    if (package)
        package->setTextStyle(name, style);
}

void CVNQResourceManager::setTextStyle(const QString& name, TextStyleDesc& style)
{
    CVNQResourceManagerImpl* package = m_projectRes ? m_project.get() : m_default.get();
    if (package)
        package->setTextStyle(name, style);
}

QVector<FillStyle>& CVNQResourceManager::getFillStyles()
{
    return (m_project ? m_project.get() : m_default.get())->fillStyles();
}

QVector<TextStyleDesc>& CVNQResourceManager::getTextStyles()
{
    return (m_project ? m_project.get() : m_default.get())->textStyles();
}

Json::Value* CVNQResourceManager::getThemeJsonValue(const char* name) const
{
    return m_theme ? m_theme->themeElement(name) : nullptr;
}

// --- windows -----------------------------------------------------------------

bool CVNQResourceManager::registerWindow(QWidget* window)
{
    return addWindow(m_windows, window);
}

bool CVNQResourceManager::unregisterWindow(QWidget* window)
{
    return removeWindow(m_windows, window);
}

bool CVNQResourceManager::registerDesignerWindow(QWidget* window)
{
    return addWindow(m_designerWindows, window);
}

bool CVNQResourceManager::unregisterDesignerWindow(QWidget* window)
{
    return removeWindow(m_designerWindows, window);
}

bool CVNQResourceManager::themeChange()
{
    dropRenderedSvgs();
    cvnClearTextLayoutCache();
    // Copies: a refreshed control may open or close a window.
    const QVector<QPointer<QWidget>> windows = m_windows;
    for (const QPointer<QWidget>& w : windows)
        notifyThemeChange(w.data());
    const QVector<QPointer<QWidget>> designers = m_designerWindows;
    for (const QPointer<QWidget>& w : designers)
        notifyThemeChange(w.data());
    return true;
}

void CVNQResourceManager::notifyThemeChange(QWidget* widget)
{
    forEachControlBelow(widget, [](ICVNQWidgetBase* control) {
        if (CVNQWidgetBase* base = control->getControlBase())
            base->refreshTheme();
    });
}

void CVNQResourceManager::notifyChangeLanguage(QWidget* widget)
{
    forEachControlBelow(widget, [](ICVNQWidgetBase* control) { control->notifyChangeLanguage(); });
}

void CVNQResourceManager::notifyLanguageToWindows()
{
    const QVector<QPointer<QWidget>> windows = m_windows;
    for (const QPointer<QWidget>& w : windows)
        notifyChangeLanguage(w.data());
}

} // namespace CVNQtLib
