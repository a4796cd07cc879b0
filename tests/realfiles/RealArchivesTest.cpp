// Theme archives written by Python's zipfile and Info-ZIP's zip, and the
// hostile or unsupported kinds: each opens, or is refused with its reason
// on corvane.zip.

#include "CVNQResourceManager.h"
#include "CVNQStyleDefs.h"
#include "CVNQZip.h"
#include "RealFilesSupport.h"
#include "TestUtil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

class RealArchives : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString error;
        folder = RealFiles::archiveFolder(&error);
        ASSERT_FALSE(folder.isEmpty()) << error.toStdString();
    }

    QString archive(const char* name) const { return QDir(folder).filePath(QString::fromLatin1(name)); }

    static bool themeHasFill(const char* name)
    {
        CVNQResourceManager* rm = CVNQResourceManager::getInstance();
        FillStyle fill;
        rm->setSwitchToThemeRes(true);
        const bool found = rm->getFillStyle(QString::fromLatin1(name), fill);
        rm->setSwitchToThemeRes(false);
        return found;
    }

    QString folder;
};

} // namespace

TEST_F(RealArchives, ArchivesOfOtherToolsLoadAsThemes)
{
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    TestUtil::LogCapture log("corvane.zip");
    // zip -fz keeps the sizes in the zip64 extra field only; the comment is
    // the format's largest; the last one names its image with a backslash.
    for (const char* name : {"python.zip", "infozip.zip", "infozip-zip64.zip", "comment-64k.zip", "backslash.zip"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(rm->loadThemeFile(archive(name)));
        EXPECT_TRUE(themeHasFill("rf_fill"));
        EXPECT_TRUE(themeHasFill("pad59"));
        EXPECT_NE(rm->getThemeJsonValue("rf_node"), nullptr);
        const char* data = nullptr;
        unsigned size = 0;
        ResSourceType type;
        ASSERT_TRUE(rm->getResource(QStringLiteral("images/logo.svg"), data, size, type));
        EXPECT_TRUE(QByteArray(data, int(size)).startsWith("<svg"));
    }
    EXPECT_TRUE(log.messages().isEmpty()) << log.messages().join('\n').toStdString();
}

TEST_F(RealArchives, RefusedArchivesSayWhy)
{
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    TestUtil::LogCapture log("corvane.zip");
    const struct
    {
        const char* file;
        const char* method;
    } unsupported[] = {{"bzip2.zip", "12 (bzip2)"},
                       {"lzma.zip", "14 (LZMA)"},
                       {"deflate64.zip", "9 (Deflate64)"},
                       {"ppmd.zip", "98 (PPMd)"},
                       {"aes.zip", "99 (AES encryption)"}};
    for (const auto& c : unsupported) {
        SCOPED_TRACE(c.file);
        EXPECT_FALSE(rm->loadThemeFile(archive(c.file)));
        const QStringList said = log.take();
        ASSERT_EQ(said.size(), 1);
        EXPECT_TRUE(said[0].contains(QStringLiteral("entry 'style.json'"))) << said[0].toStdString();
        EXPECT_TRUE(said[0].contains(QStringLiteral("compression method %1").arg(c.method))) << said[0].toStdString();
    }
    // The other methods no writer here makes: the bzip2 archive's method
    // fields (local and central header) rewritten.
    QFile bzip2(archive("bzip2.zip"));
    ASSERT_TRUE(bzip2.open(QIODevice::ReadOnly));
    const QByteArray original = bzip2.readAll();
    QTemporaryDir dir;
    for (const auto& [method, name] : std::vector<std::pair<int, QString>>{
             {1, "Shrink"}, {6, "Implode"}, {93, "Zstandard"}, {95, "XZ"}, {7, "unknown"}}) {
        QByteArray bytes = original;
        for (const auto& [signature, at] : {std::pair{QByteArray("PK\3\4"), 8}, std::pair{QByteArray("PK\1\2"), 10}})
            for (int i = bytes.indexOf(signature); i >= 0; i = bytes.indexOf(signature, i + 4))
                bytes[i + at] = char(method), bytes[i + at + 1] = 0;
        const QString path = dir.filePath(QString::number(method) + ".zip");
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), QString::number(method) + ".zip", bytes));
        EXPECT_FALSE(rm->loadThemeFile(path));
        const QString said = log.take().value(0);
        EXPECT_TRUE(said.contains(QStringLiteral("compression method %1 (%2)").arg(method).arg(name)))
            << said.toStdString();
    }

    // 2^31 - 1 entries declared by a file of a few hundred bytes: refused
    // before anything is allocated for them, from a file and from memory.
    const QString count = archive("zip64-count.zip");
    EXPECT_EQ(cvnZipOpenFile(QFile::encodeName(count).constData()), nullptr);
    EXPECT_EQ(cvnZipLastReadResult(), ZipNoFile);
    EXPECT_FALSE(rm->loadThemeFile(count));
    QFile file(count);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(rm->loadSkinFile(bytes.constData(), bytes.size()));
    const QStringList said = log.take();
    ASSERT_EQ(said.size(), 3);
    for (const QString& text : said)
        EXPECT_TRUE(text.contains(
            QStringLiteral("declares 2147483647 entries, more than its %1 bytes can hold").arg(bytes.size())))
            << text.toStdString();
    EXPECT_TRUE(said[0].contains(count));

    EXPECT_FALSE(rm->loadThemeFile(archive("missing.zip")));
    EXPECT_TRUE(log.take().value(0).contains(QStringLiteral("No such file"))) << "a missing file says so";
}
