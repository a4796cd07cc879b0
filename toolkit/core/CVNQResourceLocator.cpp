#include "CVNQResourceLocator.h"

#include "CVNQLogging.h"
#include "CVNQResourceManager.h"
#include "CVNQResourceManagerImpl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace CVNQtLib {

namespace {

bool readFileBytes(const QString& path, QByteArray& out)
{
    QFile f(path);
    if (path.isEmpty() || !f.exists() || !f.open(QIODevice::ReadOnly))
        return false;
    out = f.readAll();
    return true;
}

// The skin folder is stored with a trailing separator; a page file in it is
// joined with exactly one "/".
QString joinPath(const QString& dir, const QString& name)
{
    if (dir.isEmpty())
        return name;
    QString d = dir;
    while (d.endsWith(QLatin1Char('\\')) || d.endsWith(QLatin1Char('/')))
        d.chop(1);
    return d + QLatin1Char('/') + name;
}

} // namespace

CVNQResourceLocator::CVNQResourceLocator(const CVNQResourceManager& manager)
    : m_manager(manager)
{}

const QByteArray* CVNQResourceLocator::packageFile(const QString& name, ResSourceType& source) const
{
    source = ResSourceDefault;
    const QByteArray key = packageKey(name);
    const struct
    {
        const CVNQResourceManagerImpl* package;
        ResSourceType source;
    } order[] = {{m_manager.getProjectManagerImpl(), ResSourceProject},
                 {m_manager.getDefaultManagerImpl(), ResSourceDefault},
                 {m_manager.getThemeManagerIml(), ResSourceTheme}};
    for (const auto& step : order) {
        if (!step.package)
            continue;
        if (const QByteArray* blob = step.package->file(key)) {
            source = step.source;
            return blob;
        }
    }
    return nullptr;
}

std::array<CVNQResourceManagerImpl*, 3> CVNQResourceLocator::cacheOrder() const
{
    return {m_manager.getDefaultManagerImpl(), m_manager.getProjectManagerImpl(), m_manager.getThemeManagerIml()};
}

CVNQResourceManagerImpl* CVNQResourceLocator::cachePackage(ResSourceType source) const
{
    if (source == ResSourceTheme && m_manager.getThemeManagerIml())
        return m_manager.getThemeManagerIml();
    if (source == ResSourceProject && m_manager.getProjectManagerImpl())
        return m_manager.getProjectManagerImpl();
    return m_manager.getDefaultManagerImpl();
}

QString CVNQResourceLocator::imageFile(const QString& name) const
{
    const QString dir = m_manager.getSkinDirPath();
    for (const QString& path : {dir + name, name, dir + QLatin1String("images/") + name}) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

const QByteArray* CVNQResourceLocator::definitionSource(const QString& fileName, QString& diskFile) const
{
    diskFile.clear();
    ResSourceType source = ResSourceDefault;
    if (const QByteArray* blob = packageFile(fileName, source))
        return blob;
    for (const QString& path : {joinPath(m_manager.getSkinDirPath(), fileName), fileName}) {
        if (!path.isEmpty() && QFileInfo(path).isFile()) {
            diskFile = path;
            break;
        }
    }
    return nullptr;
}

bool CVNQResourceLocator::definitionText(const QString& fileName, QByteArray& text) const
{
    QString diskFile;
    if (const QByteArray* blob = definitionSource(fileName, diskFile)) {
        // A copy: the caller trims it, the package keeps its bytes.
        text = QByteArray(blob->constData(), blob->size());
        return true;
    }
    if (readFileBytes(diskFile, text))
        return true;
    qCWarning(lcPage) << "no file" << fileName << "in the loaded packages, the skin folder or on disk";
    return false;
}

QStringList CVNQResourceLocator::skinFolderFonts() const
{
    QStringList paths;
    const QDir dir(m_manager.getSkinDirPath() + QLatin1String("/fonts/"));
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name))
        paths.append(info.filePath());
    return paths;
}

QList<QByteArray> CVNQResourceLocator::skinPackageFonts() const
{
    QList<QByteArray> fonts;
    const QMap<QByteArray, QByteArray>& files = m_manager.getDefaultManagerImpl()->files();
    for (auto it = files.constBegin(); it != files.constEnd(); ++it) {
        if (it.key().size() >= 5 && it.key().contains("fonts"))
            fonts.append(it.value());
    }
    return fonts;
}

QByteArray CVNQResourceLocator::packageKey(QByteArray utf8Path)
{
    // ASCII letters only, so the bytes of other UTF-8 characters stay whole.
    char* c = utf8Path.data();
    for (char* end = c + utf8Path.size(); c != end; ++c) {
        if (*c >= 'A' && *c <= 'Z')
            *c = char(*c - 'A' + 'a');
        else if (*c == '\\')
            *c = '/';
    }
    return utf8Path;
}

bool CVNQResourceLocator::isArchivePath(const QString& path)
{
    return path.contains(QLatin1String(".data"));
}

QString CVNQResourceLocator::packageIdentity(const QString& path)
{
    if (path.isEmpty())
        return QString();
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace CVNQtLib
