#pragma once

// One resource package of the resource manager: the files of a theme folder
// or archive held in memory, the parsed "theme.json" with its name index,
// the named fill and text style tables, and the image, SVG and font caches.
// The manager holds three of them (default, project, theme).

#include "CVNQGlobal.h"
#include "CVNQStyleDefs.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <QVector>
#include <json/json.h>

class QImage;
class QSvgRenderer;

namespace CVNQtLib {

class CVNQ_EXPORT CVNQResourceManagerImpl
{
public:
    CVNQResourceManagerImpl();
    ~CVNQResourceManagerImpl(); // frees blobs, cached images and renderers
    CVNQResourceManagerImpl(const CVNQResourceManagerImpl&) = delete;
    CVNQResourceManagerImpl& operator=(const CVNQResourceManagerImpl&) = delete;

    // --- files -----------------------------------------------------------
    // Reads a folder: top-level files (every "style.json" to the style
    // blobs, "tmpTheme.zip" skipped) and the files of its "images" folder.
    // False when the folder is missing.
    bool readFolder(const QString& dir);
    // Reads every entry of an archive into memory. False when the archive
    // does not open (or an entry cannot be extracted whole).
    bool readArchiveFile(const QString& zipFile);
    bool readArchiveMemory(const char* data, int size);

    // The package file under a lower-case path, or null.
    const QByteArray* file(const QByteArray& lowerPath) const;
    // Puts a file unless the path is taken (the first blob wins).
    void addFile(const QByteArray& lowerPath, const QByteArray& bytes);
    const QMap<QByteArray, QByteArray>& files() const { return m_files; }
    const QVector<QByteArray>& styleBlobs() const { return m_styleBlobs; }

    // --- theme.json ------------------------------------------------------
    // Parses the bytes (up to the first NUL) into the theme root; a parse
    // failure leaves it null.
    void setThemeText(const QByteArray& bytes);
    const Json::Value& themeRoot() const { return m_themeRoot; }
    // Indexes the nodes of "elements"[0]["child"] by "name" (first wins).
    void indexThemeElements();
    // Entry of the index, or null.
    Json::Value* themeElement(const char* name) const;
    // How many entries the index holds (0 when theme.json was missing or
    // did not parse).
    int themeElementCount() const { return m_themeIndex.size(); }

    // --- styles ----------------------------------------------------------
    // Replaces the record of that name at its position, or appends it.
    void setFillStyle(const QString& name, const FillStyle& style);
    void setTextStyle(const QString& name, const TextStyleDesc& style);
    const FillStyle* findFillStyle(const QString& name) const;
    const TextStyleDesc* findTextStyle(const QString& name) const;
    QVector<FillStyle>& fillStyles() { return m_fillStyles; }
    QVector<TextStyleDesc>& textStyles() { return m_textStyles; }
    void clearStyles();

    // --- caches (the package owns what it caches) ------------------------
    QImage* cachedImage(const QString& key) const { return m_images.value(key, nullptr); }
    void cacheImage(const QString& key, QImage* image); // replaces and frees an older entry
    QSvgRenderer* cachedSvg(const QString& key) const { return m_svgs.value(key, nullptr); }
    void cacheSvg(const QString& key, QSvgRenderer* renderer);
    // Frees every cached image whose key does not contain keepMarker
    // (all when it is empty) and every SVG renderer.
    void releaseImages(const QString& keepMarker);
    int cachedImageCount() const { return m_images.size(); }
    int cachedSvgCount() const { return m_svgs.size(); }

    // --- fonts -----------------------------------------------------------
    QMap<QString, int>& fontMap() { return m_fontMap; }

    // --- paths -----------------------------------------------------------
    // The folder read from (default package: the skin folder).
    const QString& dirPath() const { return m_dirPath; }
    void setDirPath(const QString& path) { m_dirPath = path; }
    // The archive read from (project package: the project folder).
    const QString& filePath() const { return m_filePath; }
    void setFilePath(const QString& path) { m_filePath = path; }

private:
    QString m_dirPath;
    QString m_filePath;
    Json::Value m_themeRoot;
    QMap<QByteArray, QByteArray> m_files;
    QHash<QByteArray, Json::Value*> m_themeIndex;
    QVector<QByteArray> m_styleBlobs;
    QHash<QString, QImage*> m_images;
    QHash<QString, QSvgRenderer*> m_svgs;
    QVector<FillStyle> m_fillStyles;
    QVector<TextStyleDesc> m_textStyles;
    QMap<QString, int> m_fontMap;
    QHash<QString, int> m_fillIndex;
    QHash<QString, int> m_textIndex;
};

} // namespace CVNQtLib
