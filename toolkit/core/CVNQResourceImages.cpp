// Resource lookup by short name, the per-package image and SVG caches, the
// built-in check and radio images, and skin fonts.

#include "CVNQResourceManager.h"
#include "CVNQResourceManagerImpl.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSvgRenderer>

#include <memory>

namespace CVNQtLib {

bool CVNQResourceManager::getResource(const QString& name, const char*& data, unsigned& size, ResSourceType& type) const
{
    type = ResSourceDefault;
    QString lower = name.toLower();
    lower.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QByteArray key = lower.toLatin1();
    const QByteArray* blob = nullptr;
    if (m_project && (blob = m_project->file(key)))
        type = ResSourceProject;
    else if ((blob = m_default->file(key)))
        type = ResSourceDefault;
    else if (m_theme && (blob = m_theme->file(key)))
        type = ResSourceTheme;
    if (!blob)
        return false;
    data = blob->constData();
    size = unsigned(blob->size());
    return true;
}

QString CVNQResourceManager::filePathFor(const QString& name) const
{
    const QString dir = m_default->dirPath;
    const QString inSkin = dir + name;
    if (QFileInfo(inSkin).isFile())
        return inSkin;
    if (QFileInfo(name).isFile())
        return name;
    const QString inImages = dir + QLatin1String("images/") + name;
    if (QFileInfo(inImages).isFile())
        return inImages;
    return QString();
}

template <class T>
T* CVNQResourceManager::findCached(T* (CVNQResourceManagerImpl::*cached)(const QString&) const,
                                   const QString& key) const
{
    for (const CVNQResourceManagerImpl* package : {m_default.get(), m_project.get(), m_theme.get()}) {
        if (package)
            if (T* hit = (package->*cached)(key))
                return hit;
    }
    return nullptr;
}

CVNQResourceManagerImpl* CVNQResourceManager::cachePackage(ResSourceType type) const
{
    if (type == ResSourceTheme && m_theme)
        return m_theme.get();
    if (type == ResSourceProject && m_project)
        return m_project.get();
    return m_default.get();
}

QByteArray CVNQResourceManager::packageBytes(const QString& name, ResSourceType& type) const
{
    const char* data = nullptr;
    unsigned size = 0;
    type = ResSourceDefault;
    if (!getResource(name, data, size, type) || !data || size == 0)
        return QByteArray();
    return QByteArray::fromRawData(data, int(size));
}

QImage* CVNQResourceManager::getImage(const QString& name, bool gray)
{
    if (name.isEmpty())
        return nullptr;
    const QString key = gray ? name + QLatin1String("_gray") : name;
    if (QImage* hit = findCached(&CVNQResourceManagerImpl::cachedImage, key))
        return hit;

    QImage img;
    ResSourceType type = ResSourceDefault;
    const QByteArray bytes = packageBytes(name, type);
    if (bytes.isEmpty() || !img.loadFromData(bytes)) {
        const QString path = filePathFor(name);
        if (path.isEmpty() || !img.load(path))
            return nullptr; // nothing cached: a later call may find the file
    }
    const float scale = effectiveScale();
    if (scale > 0.0f)
        img = img.scaled(int(img.width() * scale), int(img.height() * scale), Qt::IgnoreAspectRatio,
                         Qt::FastTransformation);
    // Never hand out an uncached image: the caller does not own what we return.
    if (img.width() == 0)
        return nullptr;
    if (gray) {
        const QIcon icon(QPixmap::fromImage(img));
        img = icon.pixmap(img.size(), QIcon::Disabled, QIcon::Off).toImage();
        if (img.width() == 0)
            return nullptr;
    }
    QImage* cached = new QImage(img);
    cachePackage(type)->cacheImage(key, cached);
    return cached;
}

QSvgRenderer* CVNQResourceManager::getSvgRenderer(const QString& name)
{
    if (name.isEmpty())
        return nullptr;
    if (QSvgRenderer* hit = findCached(&CVNQResourceManagerImpl::cachedSvg, name))
        return hit;

    auto renderer = std::make_unique<QSvgRenderer>();
    ResSourceType type = ResSourceDefault;
    const QByteArray bytes = packageBytes(name, type);
    if (bytes.isEmpty() || !renderer->load(bytes)) {
        const QString path = filePathFor(name);
        if (path.isEmpty() || !renderer->load(path))
            return nullptr;
    }
    if (!renderer->isValid())
        return nullptr;
    QSvgRenderer* cached = renderer.release();
    cachePackage(type)->cacheSvg(name, cached);
    return cached;
}

void CVNQResourceManager::initDefaultImageRes()
{
    // The images are drawn once by scripts/builtin-images and shipped in the
    // toolkit's resources; painters expect 32-bit ARGB like every other image.
    static const char* const names[4] = {"IDB_UNSELECT", "IDB_SELECTED", "IDB_UNCHECK", "IDB_CHECKED"};
    for (const char* name : names) {
        const QImage shipped(QStringLiteral(":/style/resources/images/%1.png").arg(QLatin1String(name)));
        if (!shipped.isNull())
            m_default->cacheImage(QString::fromLatin1(name),
                                  new QImage(shipped.convertToFormat(QImage::Format_ARGB32)));
    }
}

void CVNQResourceManager::initFontRes(bool fromFolder)
{
    QMap<QString, int>& fonts = m_default->fontMap();
    auto remember = [&fonts](int id) {
        if (id == -1)
            return;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            fonts.insert(families.first(), id);
    };
    if (fromFolder) {
        const QDir dir(m_default->dirPath + QLatin1String("/fonts/"));
        const QFileInfoList list = dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
        for (const QFileInfo& info : list)
            remember(QFontDatabase::addApplicationFont(info.filePath()));
        return;
    }
    const QMap<QByteArray, QByteArray>& files = m_default->files();
    for (auto it = files.constBegin(); it != files.constEnd(); ++it) {
        if (it.key().size() >= 5 && it.key().contains("fonts"))
            remember(QFontDatabase::addApplicationFontFromData(it.value()));
    }
}

} // namespace CVNQtLib
