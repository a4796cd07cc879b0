#include "CVNQResourceManagerImpl.h"

#include "CVNJson.h"
#include "CVNQLogging.h"
#include "CVNQResourceLocator.h"
#include "CVNQZip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSvgRenderer>
#include <cstring>

namespace CVNQtLib {

namespace {

bool readWhole(const QString& path, QByteArray& out)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    out = f.readAll();
    return f.error() == QFile::NoError;
}

// Text of a blob up to its first NUL, the way the files were always parsed.
QByteArray textUpToNul(const QByteArray& bytes)
{
    const int nul = bytes.indexOf('\0');
    return nul < 0 ? bytes : bytes.left(nul);
}

bool readArchive(CVNQResourceManagerImpl& package, ZipArchive* zip)
{
    if (!zip)
        return false;
    QList<ZipFileData> entries;
    const bool ok = cvnZipReadAll(zip, entries);
    cvnZipClose(zip);
    if (!ok)
        return false;
    // Some Windows tools store "\" separators; lookups treat both alike.
    for (const ZipFileData& e : entries)
        package.addFile(CVNQResourceLocator::packageKey(e.name), e.data);
    return true;
}

// A named style table: a name already indexed is replaced at its position,
// a new one appended and indexed. The record carries the name it is indexed
// under, so that a written style file reads back under that name.
template <class T>
void putStyle(QVector<T>& table, QHash<QString, int>& index, const QString& name, const T& style)
{
    T named = style;
    named.name = name;
    auto it = index.constFind(name);
    if (it != index.constEnd() && it.value() < table.size()) {
        table[it.value()] = named;
        return;
    }
    table.append(named);
    index.insert(name, table.size() - 1);
}

template <class T>
const T* findStyle(const QVector<T>& table, const QHash<QString, int>& index, const QString& name)
{
    auto it = index.constFind(name);
    if (it == index.constEnd() || it.value() < 0 || it.value() >= table.size())
        return nullptr;
    return &table.at(it.value());
}

// A cache owns its entries: a replaced one is freed.
template <class T>
void putCached(QHash<QString, T*>& cache, const QString& key, T* item)
{
    T* old = cache.value(key, nullptr);
    if (old == item)
        return;
    delete old;
    cache.insert(key, item);
}

} // namespace

CVNQResourceManagerImpl::CVNQResourceManagerImpl() = default;

CVNQResourceManagerImpl::~CVNQResourceManagerImpl()
{
    qDeleteAll(m_images);
    qDeleteAll(m_svgs);
}

bool CVNQResourceManagerImpl::readFolder(const QString& dir)
{
    if (dir.isEmpty())
        return false;
    QDir root(dir);
    if (!root.exists())
        return false;
    const QFileInfoList list = root.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                                  QDir::DirsFirst | QDir::Name);
    for (const QFileInfo& info : list) {
        if (info.isDir()) {
            if (info.fileName() != QLatin1String("images"))
                continue;
            const QFileInfoList images =
                QDir(info.filePath()).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
            for (const QFileInfo& img : images) {
                QByteArray bytes;
                if (readWhole(img.filePath(), bytes))
                    addFile("images/" + CVNQResourceLocator::packageKey(img.fileName()), bytes);
            }
            continue;
        }
        if (info.fileName() == QLatin1String("tmpTheme.zip"))
            continue;
        QByteArray bytes;
        if (!readWhole(info.filePath(), bytes))
            continue;
        const QByteArray key = CVNQResourceLocator::packageKey(info.fileName());
        if (key == "style.json")
            m_styleBlobs.append(bytes);
        else
            addFile(key, bytes);
    }
    return true;
}

bool CVNQResourceManagerImpl::readArchiveFile(const QString& zipFile)
{
    if (zipFile.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(zipFile);
    return readArchive(*this, cvnZipOpenFile(name.constData()));
}

bool CVNQResourceManagerImpl::readArchiveMemory(const char* data, int size)
{
    if (!data || size <= 0)
        return false;
    return readArchive(*this, cvnZipOpenMemory(data, quint64(size)));
}

const QByteArray* CVNQResourceManagerImpl::file(const QByteArray& lowerPath) const
{
    auto it = m_files.constFind(lowerPath);
    return it == m_files.constEnd() ? nullptr : &it.value();
}

void CVNQResourceManagerImpl::addFile(const QByteArray& lowerPath, const QByteArray& bytes)
{
    if (lowerPath == "style.json") {
        m_styleBlobs.append(bytes);
        return;
    }
    if (!m_files.contains(lowerPath))
        m_files.insert(lowerPath, bytes);
}

void CVNQResourceManagerImpl::setThemeText(const QByteArray& bytes)
{
    m_themeIndex.clear();
    QString error;
    if (!jsonParse(textUpToNul(bytes), m_themeRoot, &error)) {
        qCWarning(lcTheme).noquote() << "theme.json does not parse:" << error.trimmed();
        m_themeRoot = Json::Value();
    }
}

void CVNQResourceManagerImpl::indexThemeElements()
{
    m_themeIndex.clear();
    const Json::Value& children = jsonGet(jsonAt(jsonGet(m_themeRoot, "elements"), 0), "child");
    const int n = jsonSize(children);
    m_themeIndex.reserve(n);
    for (int i = 0; i < n; ++i) {
        const Json::Value& node = jsonAt(children, i);
        const Json::Value& name = jsonGet(node, "name");
        if (!name.isString())
            continue;
        const QByteArray key = QByteArray::fromStdString(name.asString());
        if (!m_themeIndex.contains(key))
            m_themeIndex.insert(key, const_cast<Json::Value*>(&node)); // the root is ours
    }
}

Json::Value* CVNQResourceManagerImpl::themeElement(const char* name) const
{
    if (!name || m_themeIndex.isEmpty())
        return nullptr;
    // No copy of the name: this runs in every control constructor.
    return m_themeIndex.value(QByteArray::fromRawData(name, int(std::strlen(name))), nullptr);
}

void CVNQResourceManagerImpl::setFillStyle(const QString& name, const FillStyle& style)
{
    putStyle(m_fillStyles, m_fillIndex, name, style);
}

void CVNQResourceManagerImpl::setTextStyle(const QString& name, const TextStyleDesc& style)
{
    putStyle(m_textStyles, m_textIndex, name, style);
}

const FillStyle* CVNQResourceManagerImpl::findFillStyle(const QString& name) const
{
    return findStyle(m_fillStyles, m_fillIndex, name);
}

const TextStyleDesc* CVNQResourceManagerImpl::findTextStyle(const QString& name) const
{
    return findStyle(m_textStyles, m_textIndex, name);
}

void CVNQResourceManagerImpl::clearStyles()
{
    m_fillStyles.clear();
    m_textStyles.clear();
    m_fillIndex.clear();
    m_textIndex.clear();
}

void CVNQResourceManagerImpl::cacheImage(const QString& key, QImage* image)
{
    putCached(m_images, key, image);
}

void CVNQResourceManagerImpl::cacheSvg(const QString& key, QSvgRenderer* renderer)
{
    putCached(m_svgs, key, renderer);
}

void CVNQResourceManagerImpl::releaseImages(const QString& keepMarker)
{
    for (auto it = m_images.begin(); it != m_images.end();) {
        if (!keepMarker.isEmpty() && it.key().contains(keepMarker)) {
            ++it;
            continue;
        }
        delete it.value();
        it = m_images.erase(it);
    }
    qDeleteAll(m_svgs);
    m_svgs.clear();
}

} // namespace CVNQtLib
