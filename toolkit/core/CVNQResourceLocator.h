#pragma once

// Where the toolkit looks for a resource, written once: the order of the
// packages for a file's bytes and for the caches, the files on disk tried
// for an image or a page, the fonts of a skin, whether a theme path names an
// archive or a folder, and when two paths name the same package. Paths are
// QStrings throughout; where they become bytes they are UTF-8. Internal to
// the toolkit; GUI thread only, like the resource manager it reads.

#include "CVNQGlobal.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace CVNQtLib {

class CVNQResourceManager;
class CVNQResourceManagerImpl;
enum ResSourceType : int;

class CVNQ_EXPORT CVNQResourceLocator
{
public:
    explicit CVNQResourceLocator(const CVNQResourceManager& manager);

    // --- packages --------------------------------------------------------
    // A package file: the project, then the default, then the theme
    // package, so a default file hides the theme's of the same path. Null
    // when none has it; source tells which package had it.
    const QByteArray* packageFile(const QString& name, ResSourceType& source) const;
    // The packages whose caches are searched, in order: default, project,
    // theme (null where not loaded).
    std::array<CVNQResourceManagerImpl*, 3> cacheOrder() const;
    // The package that keeps what was decoded from a file of that source.
    CVNQResourceManagerImpl* cachePackage(ResSourceType source) const;

    // --- files on disk ---------------------------------------------------
    // An image or SVG: skin folder + name, then name itself, then skin
    // folder + "images/" + name. Empty when none is a file.
    QString imageFile(const QString& name) const;
    // Where a page or menu file is: the package file, then the file in the
    // skin folder, then name as a path. The package's bytes, or null with
    // diskFile the file on disk (empty when there is none).
    const QByteArray* definitionSource(const QString& fileName, QString& diskFile) const;
    // The text of that file. False (and said under corvane.page) when none
    // is found.
    bool definitionText(const QString& fileName, QByteArray& text) const;

    // --- fonts of the skin -----------------------------------------------
    // The files of the skin folder's "fonts" folder, by name.
    QStringList skinFolderFonts() const;
    // The default package's files whose path holds "fonts", by path.
    QList<QByteArray> skinPackageFonts() const;

    // --- paths -----------------------------------------------------------
    // The key a package file is stored and looked up under: the UTF-8 path
    // with ASCII letters lowered and backslashes made slashes.
    static QByteArray packageKey(QByteArray utf8Path);
    static QByteArray packageKey(const QString& path) { return packageKey(path.toUtf8()); }
    // A theme path holding ".data" names an archive; any other a folder.
    static bool isArchivePath(const QString& path);
    // The path a package is known by, so that two spellings of one folder
    // are one package: canonical, or absolute and cleaned where the path
    // does not exist (yet). Empty for an empty path.
    static QString packageIdentity(const QString& path);

private:
    const CVNQResourceManager& m_manager;
};

} // namespace CVNQtLib
