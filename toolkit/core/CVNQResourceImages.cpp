// Package files, images and SVG renderers by short name with their
// per-package caches, the built-in check and radio images, and skin fonts.
// Where each is looked for is the locator's.

#include "CVNQLogging.h"
#include "CVNQResourceLocator.h"
#include "CVNQResourceManager.h"
#include "CVNQResourceManagerImpl.h"
#include "CVNQTextLayoutCache.h"

#include <QCache>
#include <QFontDatabase>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <QtMath>
#include <algorithm>
#include <memory>

namespace CVNQtLib {

namespace {

// Painters ask for a missing image again at every paint.
void reportMissing(const char* kind, const QString& name)
{
    if (cvnFirstMiss(kind, name))
        qCWarning(lcTheme) << "no package, skin folder or file gives a readable" << kind << name;
}

} // namespace

bool CVNQResourceManager::getResource(const QString& name, const char*& data, unsigned& size, ResSourceType& type) const
{
    const QByteArray* blob = CVNQResourceLocator(*this).packageFile(name, type);
    if (!blob)
        return false;
    data = blob->constData();
    size = unsigned(blob->size());
    return true;
}

template <class T>
T* CVNQResourceManager::findCached(T* (CVNQResourceManagerImpl::*cached)(const QString&) const,
                                   const QString& key) const
{
    for (const CVNQResourceManagerImpl* package : CVNQResourceLocator(*this).cacheOrder()) {
        if (package)
            if (T* hit = (package->*cached)(key))
                return hit;
    }
    return nullptr;
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
        const QString path = CVNQResourceLocator(*this).imageFile(name);
        if (path.isEmpty() || !img.load(path)) {
            reportMissing("image", name);
            return nullptr; // nothing cached: a later call may find the file
        }
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
    CVNQResourceLocator(*this).cachePackage(type)->cacheImage(key, cached);
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
        const QString path = CVNQResourceLocator(*this).imageFile(name);
        if (path.isEmpty() || !renderer->load(path)) {
            reportMissing("SVG", name);
            return nullptr;
        }
    }
    if (!renderer->isValid()) {
        reportMissing("SVG", name);
        return nullptr;
    }
    QSvgRenderer* cached = renderer.release();
    CVNQResourceLocator(*this).cachePackage(type)->cacheSvg(name, cached);
    return cached;
}

namespace {

// Rendered SVG parts by source, size, part, tint and pixel ratio; the cost
// is the image's size in kB.
QCache<QString, QImage>& renderedSvgs()
{
    static QCache<QString, QImage> cache(32 * 1024);
    return cache;
}

} // namespace

void CVNQResourceManager::dropRenderedSvgs()
{
    renderedSvgs().clear();
}

const QImage* CVNQResourceManager::getRenderedSvg(const QString& name, const QSize& size, const QRect& part,
                                                  const QColor& tint, bool gray, qreal dpr)
{
    const QRect shown = part & QRect(QPoint(0, 0), size);
    if (shown.isEmpty() || !(dpr > 0))
        return nullptr;
    QSvgRenderer* renderer = getSvgRenderer(name);
    if (!renderer)
        return nullptr;
    // The renderer's address tells apart sources of one name in different
    // packages; every package change empties the cache.
    const QString key = QStringLiteral("%1|%2|%3x%4|%5,%6,%7x%8|%9|%10|%11")
                            .arg(name)
                            .arg(quintptr(renderer))
                            .arg(size.width())
                            .arg(size.height())
                            .arg(shown.x())
                            .arg(shown.y())
                            .arg(shown.width())
                            .arg(shown.height())
                            .arg(tint.isValid() ? tint.name(QColor::HexArgb) : QString(gray ? "gray" : "-"))
                            .arg(dpr);
    if (const QImage* hit = renderedSvgs().object(key))
        return hit;

    // Only the part is made: the whole drawing moved by a whole number of
    // pixels, so its pixels are those of the same part of the whole.
    const QSize pixels(qCeil(shown.width() * dpr), qCeil(shown.height() * dpr));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return nullptr;
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.scale(dpr, dpr);
        p.translate(-shown.x(), -shown.y());
        renderer->render(&p, QRectF(0, 0, size.width(), size.height()));
        if (tint.isValid()) {
            p.setCompositionMode(QPainter::CompositionMode_SourceIn);
            p.fillRect(shown, tint);
        }
    }
    if (!tint.isValid() && gray) {
        const QIcon icon(QPixmap::fromImage(image));
        image = icon.pixmap(image.size(), QIcon::Disabled).toImage();
    }
    image.setDevicePixelRatio(dpr);
    auto* cached = new QImage(image);
    const int cost = std::max(1, int(qint64(image.width()) * image.height() * 4 / 1024));
    if (!renderedSvgs().insert(key, cached, cost))
        return nullptr; // larger than the whole cache: not kept, not shown
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
    // New families may change which font draws a kept text.
    cvnClearTextLayoutCache();
    QMap<QString, int>& fonts = m_default->fontMap();
    auto remember = [&fonts](int id) {
        if (id == -1)
            return;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            fonts.insert(families.first(), id);
    };
    const CVNQResourceLocator locator(*this);
    if (fromFolder) {
        for (const QString& path : locator.skinFolderFonts())
            remember(QFontDatabase::addApplicationFont(path));
        return;
    }
    for (const QByteArray& font : locator.skinPackageFonts())
        remember(QFontDatabase::addApplicationFontFromData(font));
}

} // namespace CVNQtLib
