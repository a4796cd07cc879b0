#include "CVNQZip.h"
#include "ReferencePicture.h"

#include <gtest/gtest.h>
#include <minizip/zip.h>
#include <zlib.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstring>
#include <ctime>
#include <utility>

using namespace CVNQtLib;

namespace {

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray randomBytes(int n, quint32 seed)
{
    QRandomGenerator gen(seed);
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = char(gen.bounded(256));
    return b;
}

// Text that compresses well but is not trivial.
QByteArray sampleText(int lines)
{
    QByteArray b;
    for (int i = 0; i < lines; ++i)
        b += "{\"name\": \"style" + QByteArray::number(i) + "\", \"color\": \"FF" +
             QByteArray::number(i * 7919 % 65536, 16) + "\"}\n";
    return b;
}

struct MinizipEntry
{
    QByteArray name;
    QByteArray data;
    QByteArray localExtra;
    bool raw = false;   // data written as is, with the declared size and CRC below
    bool zip64 = false; // sizes in a zip64 extra field
    quint64 declaredSize = 0;
    quint32 declaredCrc = 0;
    quint32 externalAttributes = 0;
    bool unixHost = false; // made on Unix: the attributes' high half is a file mode
};

// Writes an archive with minizip's own zip API.
bool writeWithMinizip(const QString& path, const QList<MinizipEntry>& entries)
{
    const QByteArray name = QFile::encodeName(path);
    zipFile zf = zipOpen64(name.constData(), APPEND_STATUS_CREATE);
    if (!zf)
        return false;
    bool ok = true;
    for (const MinizipEntry& e : entries) {
        zip_fileinfo info;
        memset(&info, 0, sizeof info);
        info.tmz_date.tm_year = 2021;
        info.tmz_date.tm_mon = 5;
        info.tmz_date.tm_mday = 14;
        info.tmz_date.tm_hour = 10;
        info.external_fa = e.externalAttributes;
        ok = ok && zipOpenNewFileInZip4_64(
                       zf, e.name.constData(), &info, e.localExtra.isEmpty() ? nullptr : e.localExtra.constData(),
                       uInt(e.localExtra.size()), nullptr, 0, nullptr, e.raw ? 0 : Z_DEFLATED, Z_DEFAULT_COMPRESSION,
                       e.raw ? 1 : 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0,
                       e.unixHost ? (3 << 8) | 20 : 0, 0, e.zip64 ? 1 : 0) == ZIP_OK;
        ok = ok && zipWriteInFileInZip(zf, e.data.constData(), unsigned(e.data.size())) == ZIP_OK;
        if (e.raw)
            ok = ok && zipCloseFileInZipRaw64(zf, e.declaredSize, e.declaredCrc) == ZIP_OK;
        else
            ok = ok && zipCloseFileInZip(zf) == ZIP_OK;
    }
    return zipClose(zf, nullptr) == ZIP_OK && ok;
}

// What a program prints when it ends well; empty when it fails.
QString toolOutput(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << ": " << p.readAllStandardError().toStdString();
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

class ZipArchiveTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.path() + "/" + name; }

    // style.json (deflated), images/ (folder), images/a.png (stored), big.bin (deflated).
    QString writeSample(const char* password = nullptr)
    {
        const QString file = path("sample.zip");
        ZipArchive* w = cvnZipCreateFile(QFile::encodeName(file).constData(), password);
        EXPECT_NE(w, nullptr);
        EXPECT_TRUE(cvnZipIsWriter(w));
        EXPECT_EQ(cvnZipAddMemory(w, "style.json", style.constData(), quint32(style.size())), ZipOk);
        EXPECT_EQ(cvnZipAddMemory(w, "images/", nullptr, 0), ZipOk);
        EXPECT_EQ(cvnZipAddMemory(w, "images/a.png", png.constData(), quint32(png.size()), false), ZipOk);
        EXPECT_EQ(cvnZipAddMemory(w, "big.bin", big.constData(), quint32(big.size())), ZipOk);
        EXPECT_EQ(cvnZipCloseWriter(w), ZipOk);
        return file;
    }

    const QByteArray style = sampleText(400);
    const QByteArray png = randomBytes(3000, 7);
    const QByteArray big = sampleText(5000) + randomBytes(70000, 11);
};

// Entry index read in pieces of several sizes gives expected each time.
bool readsAlikeInPieces(ZipArchive* zip, int index, const QByteArray& expected)
{
    for (int piece : {1000, 4093, 20000}) {
        QByteArray pieces;
        ZipResult res = ZipMore;
        while (res == ZipMore && pieces.size() < expected.size()) {
            QByteArray part(qMin(piece, expected.size() - pieces.size()), '\0');
            res = cvnZipUnzipToMemory(zip, index, part.data(), quint32(part.size()));
            pieces += part;
        }
        if (res != ZipOk || pieces != expected)
            return false;
    }
    return true;
}

} // namespace

TEST_F(ZipArchiveTest, WriterArchiveReadsBackFromFileMemoryAndStream)
{
    const QString file = writeSample();
    const QByteArray bytes = readFile(file);
    ASSERT_FALSE(bytes.isEmpty());

    // Other tools read the same names and find every CRC right.
    const QStringList names = {"style.json", "images/", "images/a.png", "big.bin"};
    EXPECT_EQ(toolOutput("unzip", {"-Z1", file}).split('\n', Qt::SkipEmptyParts), names);
    EXPECT_FALSE(toolOutput("unzip", {"-tq", file}).isEmpty());
    const QString listed = toolOutput("python3", {"-c",
                                                  "import sys, zipfile\n"
                                                  "z = zipfile.ZipFile(sys.argv[1])\n"
                                                  "assert z.testzip() is None\n"
                                                  "print('\\n'.join(z.namelist()))",
                                                  file});
    EXPECT_EQ(listed.split('\n', Qt::SkipEmptyParts), names);

    // The same archive after 37 bytes of something else, read from that offset.
    const QString prefixed = path("prefixed.bin");
    {
        QFile f(prefixed);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(37, 'x') + bytes);
    }
    FILE* stream = fopen(QFile::encodeName(prefixed).constData(), "rb");
    ASSERT_NE(stream, nullptr);
    fseek(stream, 37, SEEK_SET);

    ZipArchive* handles[] = {cvnZipOpenFile(QFile::encodeName(file).constData()),
                             cvnZipOpenMemory(bytes.constData(), quint64(bytes.size())), cvnZipOpenStream(stream)};
    for (ZipArchive* zip : handles) {
        ASSERT_NE(zip, nullptr);
        EXPECT_FALSE(cvnZipIsWriter(zip));
        ZipEntry e;
        ASSERT_EQ(cvnZipGetEntry(zip, -1, e), ZipOk);
        EXPECT_EQ(e.index, 4);
        EXPECT_STREQ(e.name, "");
        EXPECT_EQ(cvnZipGetEntry(zip, 4, e), ZipBadArgs);
        EXPECT_EQ(cvnZipGetEntry(zip, -2, e), ZipBadArgs);

        ASSERT_EQ(cvnZipGetEntry(zip, 1, e), ZipOk);
        EXPECT_STREQ(e.name, "images/");
        EXPECT_TRUE(e.isDirectory());
        ASSERT_EQ(cvnZipGetEntry(zip, 2, e), ZipOk);
        EXPECT_STREQ(e.name, "images/a.png");
        EXPECT_FALSE(e.isDirectory());
        EXPECT_EQ(e.uncompressedSize, quint32(png.size()));
        EXPECT_EQ(e.compressedSize, quint32(png.size())); // stored
        EXPECT_EQ(e.attributes & 0x1FF, 0644u);
        EXPECT_GT(e.modificationTime, 0);

        // Exactly its size: one call.
        QByteArray out(png.size(), '\0');
        EXPECT_EQ(cvnZipUnzipToMemory(zip, 2, out.data(), quint32(out.size())), ZipOk);
        EXPECT_EQ(out, png);

        // Half its size: more, then the rest.
        ASSERT_EQ(cvnZipGetEntry(zip, 3, e), ZipOk);
        EXPECT_LT(e.compressedSize, e.uncompressedSize);
        QByteArray whole(int(e.uncompressedSize), '\0');
        const quint32 half = e.uncompressedSize / 2;
        EXPECT_EQ(cvnZipUnzipToMemory(zip, 3, whole.data(), half), ZipMore);
        EXPECT_EQ(cvnZipLastReadResult(), ZipMore);
        EXPECT_EQ(cvnZipUnzipToMemory(zip, 3, whole.data() + half, e.uncompressedSize - half), ZipOk);
        EXPECT_EQ(whole, big);
        EXPECT_TRUE(readsAlikeInPieces(zip, 3, big));

        QList<ZipFileData> files;
        QString error;
        ASSERT_TRUE(cvnZipReadAll(zip, files, &error)) << error.toStdString();
        ASSERT_EQ(files.size(), 3); // the folder has no bytes
        EXPECT_EQ(files[0].name, "style.json");
        EXPECT_EQ(files[0].data, style);
        EXPECT_EQ(files[1].data, png);
        EXPECT_EQ(files[2].data, big);
        EXPECT_EQ(cvnZipClose(zip), ZipOk);
    }
    fclose(stream);

    // An archive comment that starts like an end record is not taken for one.
    QByteArray commented = bytes;
    const QByteArray comment = QByteArray("PK\x05!", 4) + QByteArray(30, 'x');
    const int end = commented.size() - 22;
    ASSERT_EQ(commented.mid(end, 4), QByteArray("PK\x05\x06", 4));
    commented[end + 20] = char(comment.size());
    commented += comment;
    ZipArchive* zip = cvnZipOpenMemory(commented.constData(), quint64(commented.size()));
    ASSERT_NE(zip, nullptr);
    QList<ZipFileData> files;
    EXPECT_TRUE(cvnZipReadAll(zip, files));
    ASSERT_EQ(files.size(), 3);
    EXPECT_EQ(files[2].data, big);
    cvnZipClose(zip);

    // The longest comment the format allows puts the end record farther from
    // the end than minizip looks; the archive still reads.
    QByteArray longest = bytes;
    longest[end + 20] = char(0xFF);
    longest[end + 21] = char(0xFF);
    longest += QByteArray(0xFFFF, 'c');
    zip = cvnZipOpenMemory(longest.constData(), quint64(longest.size()));
    ASSERT_NE(zip, nullptr);
    files.clear();
    EXPECT_TRUE(cvnZipReadAll(zip, files));
    EXPECT_EQ(files.size(), 3);
    cvnZipClose(zip);
}

TEST_F(ZipArchiveTest, MinizipArchiveNamesAreCleanedAndTimesRead)
{
    const QByteArray longName = "long/" + QByteArray(1100, 'n') + ".txt";
    QList<MinizipEntry> entries;
    auto add = [&](const QByteArray& name, const QByteArray& extra = QByteArray()) {
        MinizipEntry e;
        e.name = name;
        e.data = "data of " + name.left(20);
        e.localExtra = extra;
        entries << e;
    };
    // An "UT" block with the times flagged (mtime 1, atime 2, ctime 4) in that order. With some of the three the
    // rest keep the DOS time, as do flagged times the block is too short for.
    auto ut = [](unsigned flags, QVector<quint32> times) {
        QByteArray block("\x55\x54", 2);
        block.append(char(1 + 4 * times.size())).append('\0').append(char(flags));
        for (quint32 t : times)
            for (int i = 0; i < 4; ++i)
                block.append(char((t >> (8 * i)) & 0xFF));
        return block;
    };
    add("c:\\..\\x/../images/a.png", ut(7, {1600000000, 1600000100, 1600000200}));
    add("plain/relative.txt", ut(6, {1500000100, 1500000200}));
    add("../../evil.txt", ut(5, {1400000000, 1400000200}));
    add("a/..\\..//b.txt", ut(7, {1300000000}));
    add("/etc/..");
    add(longName);
    const QString file = path("minizip.zip");
    ASSERT_TRUE(writeWithMinizip(file, entries));

    ZipArchive* zip = cvnZipOpenFile(QFile::encodeName(file).constData());
    ASSERT_NE(zip, nullptr);
    ASSERT_EQ(cvnZipEntryCount(zip), entries.size());
    const char* expected[] = {"images/a.png", "plain/relative.txt", "evil.txt", "b.txt", "etc/"};
    for (int i = 0; i < 5; ++i) {
        ZipEntry e;
        ASSERT_EQ(cvnZipGetEntry(zip, i, e), ZipOk);
        EXPECT_STREQ(e.name, expected[i]) << i;
        EXPECT_EQ(QByteArray(e.name).indexOf(".."), -1);
    }
    ZipEntry e;
    ASSERT_EQ(cvnZipGetEntry(zip, 4, e), ZipOk);
    const qint64 dos = e.modificationTime; // no block: all three from the DOS time
    const QVector<QVector<qint64>> times = {{1600000000, 1600000100, 1600000200},
                                            {dos, 1500000100, 1500000200},
                                            {1400000000, dos, 1400000200},
                                            {1300000000, dos, dos},
                                            {dos, dos, dos}};
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(cvnZipGetEntry(zip, i, e), ZipOk);
        EXPECT_EQ((QVector<qint64>{e.modificationTime, e.accessTime, e.creationTime}), times[i]) << i;
    }
    // Out of range, every reading entry point says so; -1 describes the archive.
    char buffer[8];
    const QByteArray out = QFile::encodeName(path("out.bin"));
    for (int index : {-2, int(entries.size())}) {
        EXPECT_EQ(cvnZipGetEntry(zip, index, e), ZipBadArgs) << index;
        EXPECT_EQ(cvnZipUnzipToMemory(zip, index, buffer, sizeof buffer), ZipBadArgs) << index;
        EXPECT_EQ(cvnZipUnzipToFile(zip, index, out.constData()), ZipBadArgs) << index;
        EXPECT_EQ(cvnZipUnzipToFile(zip, index, stdout), ZipBadArgs) << index;
    }
    EXPECT_EQ(cvnZipUnzipToFile(zip, 0, static_cast<FILE*>(nullptr)), ZipBadArgs);
    EXPECT_EQ(cvnZipUnzipToFile(zip, 0, static_cast<const char*>(nullptr)), ZipBadArgs);
    ASSERT_EQ(cvnZipGetEntry(zip, -1, e), ZipOk);
    EXPECT_EQ(e.index, entries.size());

    // A name longer than the field ends in NUL inside it.
    ASSERT_EQ(cvnZipGetEntry(zip, 5, e), ZipOk);
    EXPECT_EQ(strlen(e.name), size_t(kZipMaxName - 1));
    EXPECT_TRUE(longName.startsWith(QByteArray(e.name)));

    // The cleaned name survives extraction of everything.
    QList<ZipFileData> files;
    EXPECT_TRUE(cvnZipReadAll(zip, files));
    EXPECT_EQ(files.size(), entries.size());
    EXPECT_EQ(cvnZipCloseReader(zip), ZipOk);

    // That entry's local header broken: the failure names it as stored, cut
    // to the name field.
    QByteArray broken = readFile(file);
    const int local = broken.indexOf(longName) - 30;
    ASSERT_EQ(broken.mid(local, 4), QByteArray("PK\x03\x04", 4));
    broken[local + 3] = 9;
    zip = cvnZipOpenMemory(broken.constData(), quint64(broken.size()));
    ASSERT_NE(zip, nullptr);
    QString error;
    EXPECT_FALSE(cvnZipReadAll(zip, files, &error));
    EXPECT_TRUE(error.contains(QString::fromLatin1(longName.left(kZipMaxName)))) << error.toStdString();
    EXPECT_FALSE(error.contains(QString::fromLatin1(longName.left(kZipMaxName + 1))));
    cvnZipClose(zip);
}

TEST_F(ZipArchiveTest, CrcMismatchAndSizeCapsAreReported)
{
    const QByteArray payload = "payload whose CRC does not match";
    MinizipEntry bad;
    bad.name = "style.json";
    bad.data = payload;
    bad.raw = true;
    bad.declaredSize = quint64(payload.size());
    bad.declaredCrc = quint32(crc32(0, reinterpret_cast<const Bytef*>(payload.constData()), uInt(payload.size()))) ^ 1;
    // Declares more than an entry may have; the data itself is tiny.
    MinizipEntry bomb;
    bomb.name = "bomb.bin";
    bomb.data = "x";
    bomb.raw = true;
    bomb.declaredSize = kZipMaxEntrySize + 1;
    MinizipEntry bad64 = bad;
    bad64.name = "wide.json";
    bad64.zip64 = true;
    const QString file = path("bad.zip");
    ASSERT_TRUE(writeWithMinizip(file, {bad, bomb, bad64}));

    ZipArchive* zip = cvnZipOpenFile(QFile::encodeName(file).constData());
    ASSERT_NE(zip, nullptr);
    QByteArray out(payload.size(), '\0');
    EXPECT_EQ(cvnZipUnzipToMemory(zip, 0, out.data(), quint32(out.size())), ZipCrcMismatch);
    EXPECT_EQ(cvnZipUnzipToMemory(zip, 2, out.data(), quint32(out.size())), ZipCrcMismatch);
    QByteArray small(16, '\0');
    EXPECT_EQ(cvnZipUnzipToMemory(zip, 1, small.data(), 16), ZipTooLarge);
    QList<ZipFileData> files;
    QString error;
    EXPECT_FALSE(cvnZipReadAll(zip, files, &error));
    EXPECT_TRUE(error.contains("style.json")) << error.toStdString();
    cvnZipClose(zip);

    // An encrypted entry of the toolkit's writer whose stored CRC is one bit
    // off (the byte the password check uses is kept).
    QByteArray secret = readFile(writeSample("secret"));
    const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(style.constData()), uInt(style.size())));
    const QByteArray stored(reinterpret_cast<const char*>(&crc), 4); // little-endian, as the format stores it
    int copies = 0;
    for (int at = secret.indexOf(stored); at >= 0; at = secret.indexOf(stored, at + 4), ++copies)
        secret[at] = char(secret[at] ^ 1);
    ASSERT_GE(copies, 2); // local and central header
    zip = cvnZipOpenMemory(secret.constData(), quint64(secret.size()), "secret");
    ASSERT_NE(zip, nullptr);
    QByteArray plain(style.size(), '\0');
    EXPECT_EQ(cvnZipUnzipToMemory(zip, 0, plain.data(), quint32(plain.size())), ZipCrcMismatch);
    cvnZipClose(zip);

    // Entries within the per-entry cap that add up to more than the archive cap.
    QList<MinizipEntry> many;
    for (int i = 0; i < 5; ++i) {
        MinizipEntry e;
        e.name = "part" + QByteArray::number(i);
        e.data = "y";
        e.raw = true;
        e.declaredSize = kZipMaxEntrySize;
        many << e;
    }
    const QString huge = path("huge.zip");
    ASSERT_TRUE(writeWithMinizip(huge, many));
    EXPECT_EQ(cvnZipOpenFile(QFile::encodeName(huge).constData()), nullptr);
    EXPECT_EQ(cvnZipLastReadResult(), ZipTooLarge);
    // Exactly the archive cap is allowed.
    many.removeLast();
    const QString full = path("full.zip");
    ASSERT_TRUE(writeWithMinizip(full, many));
    ZipArchive* atCap = cvnZipOpenFile(QFile::encodeName(full).constData());
    EXPECT_NE(atCap, nullptr);
    cvnZipClose(atCap);

    // One byte of data can hold what deflate packs into it at most, not one
    // byte more: the claim is refused as corrupt only past that.
    QList<MinizipEntry> claims;
    for (const quint64 declared : {1032u, 1033u}) {
        MinizipEntry e;
        e.name = "claim" + QByteArray::number(declared);
        e.data = "z";
        e.raw = true;
        e.declaredSize = declared;
        claims << e;
    }
    const QString claimed = path("claims.zip");
    ASSERT_TRUE(writeWithMinizip(claimed, claims));
    zip = cvnZipOpenFile(QFile::encodeName(claimed).constData());
    ASSERT_NE(zip, nullptr);
    QByteArray room(1033, '\0');
    EXPECT_NE(cvnZipUnzipToMemory(zip, 0, room.data(), 1032), ZipCorrupt);
    EXPECT_EQ(cvnZipUnzipToMemory(zip, 1, room.data(), 1033), ZipCorrupt);
    cvnZipClose(zip);
}

TEST_F(ZipArchiveTest, BadFilesHandlesAndKindsFailCleanly)
{
    EXPECT_EQ(cvnZipOpenFile(QFile::encodeName(path("missing.zip")).constData()), nullptr);
    EXPECT_EQ(cvnZipLastReadResult(), ZipNoFile);
    const QByteArray text = "this is not a zip archive at all";
    {
        QFile f(path("text.zip"));
        f.open(QIODevice::WriteOnly);
        f.write(text);
    }
    EXPECT_EQ(cvnZipOpenFile(QFile::encodeName(path("text.zip")).constData()), nullptr);
    EXPECT_EQ(cvnZipLastReadResult(), ZipNoFile);
    EXPECT_EQ(cvnZipOpenMemory(text.constData(), quint64(text.size())), nullptr);
    EXPECT_EQ(cvnZipOpenMemory(nullptr, 0), nullptr);

    EXPECT_EQ(cvnZipCloseReader(nullptr), ZipBadArgs);
    EXPECT_EQ(cvnZipClose(nullptr), ZipBadArgs);
    EXPECT_EQ(cvnZipCloseWriter(nullptr), ZipBadArgs);
    ZipEntry e;
    EXPECT_EQ(cvnZipGetEntry(nullptr, 0, e), ZipBadArgs);

    // A handle of the other kind is refused and stays usable.
    QByteArray block(256, '\0');
    ZipArchive* w = cvnZipCreateMemory(block.data(), quint32(block.size()));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(cvnZipCloseReader(w), ZipWrongKind);
    EXPECT_EQ(cvnZipGetEntry(w, 0, e), ZipWrongKind);
    // Every reading call without a reader fails and says why.
    for (ZipArchive* none : {static_cast<ZipArchive*>(nullptr), w}) {
        const ZipResult why = none ? ZipWrongKind : ZipBadArgs;
        char byte = 0;
        EXPECT_EQ(cvnZipUnzipToMemory(none, 0, &byte, 1), why);
        EXPECT_EQ(cvnZipUnzipToFile(none, 0, QFile::encodeName(path("out.bin")).constData()), why);
        EXPECT_EQ(cvnZipUnzipToFile(none, 0, stdout), why);
        QList<ZipFileData> files;
        QString error;
        EXPECT_FALSE(cvnZipReadAll(none, files, &error));
        EXPECT_EQ(cvnZipLastReadResult(), why);
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_EQ(cvnZipAddMemory(w, "a.txt", "abc", 3), ZipOk);
    EXPECT_EQ(cvnZipClose(w), ZipOk);
}

TEST_F(ZipArchiveTest, MemoryWriterFillsItsBlockExactlyAndReportsOverflow)
{
    // Measure the archive, then write it into a block of exactly that size.
    QByteArray roomy(64 * 1024, '\0');
    ZipArchive* w = cvnZipCreateMemory(roomy.data(), quint32(roomy.size()));
    ASSERT_EQ(cvnZipAddMemory(w, "style.json", style.constData(), quint32(style.size())), ZipOk);
    quint32 length = 0;
    ASSERT_EQ(cvnZipCloseWriter(w, &length), ZipOk);
    ASSERT_GT(length, 0u);

    QByteArray exact(int(length), '\0');
    w = cvnZipCreateMemory(exact.data(), length);
    ASSERT_EQ(cvnZipAddMemory(w, "style.json", style.constData(), quint32(style.size())), ZipOk);
    ASSERT_EQ(cvnZipCloseWriter(w), ZipOk);
    ZipArchive* zip = cvnZipOpenMemory(exact.constData(), length);
    ASSERT_NE(zip, nullptr);
    QList<ZipFileData> files;
    ASSERT_TRUE(cvnZipReadAll(zip, files));
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0].data, style);
    cvnZipClose(zip);

    // One byte short: the end record no longer fits.
    QByteArray tight(int(length) - 1, '\0');
    w = cvnZipCreateMemory(tight.data(), length - 1);
    ASSERT_EQ(cvnZipAddMemory(w, "style.json", style.constData(), quint32(style.size())), ZipOk);
    EXPECT_EQ(cvnZipCloseWriter(w), ZipWriteError);
    EXPECT_EQ(cvnZipLastWriteResult(), ZipWriteError);

    // Entry data that does not fit is refused at once.
    QByteArray tiny(64, '\0');
    w = cvnZipCreateMemory(tiny.data(), 64);
    EXPECT_EQ(cvnZipAddMemory(w, "big.bin", big.constData(), quint32(big.size()), false), ZipMemoryFull);
    EXPECT_EQ(cvnZipCloseWriter(w), ZipOk); // an empty archive still fits

    // A device that takes nothing: the failure surfaces at the latest on close.
    if (FILE* full = fopen("/dev/full", "wb")) {
        w = cvnZipCreateStream(full);
        cvnZipAddMemory(w, "big.bin", big.constData(), quint32(big.size()));
        EXPECT_EQ(cvnZipCloseWriter(w), ZipWriteError);
        fclose(full);
    }
}

TEST_F(ZipArchiveTest, TruncatedAndCorruptedArchivesNeverCrash)
{
    const QByteArray bytes = readFile(writeSample());
    ASSERT_GT(bytes.size(), 1000);

    auto readEverything = [](const QByteArray& data) {
        ZipArchive* zip = cvnZipOpenMemory(data.constData(), quint64(data.size()));
        if (!zip)
            return false;
        QList<ZipFileData> files;
        const bool ok = cvnZipReadAll(zip, files);
        for (int i = 0; i < cvnZipEntryCount(zip); ++i) {
            ZipEntry e;
            if (cvnZipGetEntry(zip, i, e) == ZipOk) {
                EXPECT_LT(strlen(e.name), size_t(kZipMaxName));
            }
        }
        EXPECT_EQ(cvnZipClose(zip), ZipOk);
        return ok;
    };

    // Cut anywhere: the end record is gone, so nothing opens.
    for (int cut = 0; cut < bytes.size(); cut += 97)
        EXPECT_FALSE(readEverything(bytes.left(cut))) << cut;

    // Every single byte of the local headers and data damaged in turn, and
    // random bursts anywhere: a damaged entry must be reported, not returned.
    int failures = 0;
    for (int at = 0; at < bytes.size(); at += 41) {
        QByteArray damaged = bytes;
        damaged[at] = char(damaged[at] ^ 0x5A);
        if (!readEverything(damaged))
            ++failures;
    }
    EXPECT_GT(failures, 0);
    QRandomGenerator gen(42);
    for (int round = 0; round < 300; ++round) {
        QByteArray damaged = bytes;
        const int start = int(gen.bounded(quint32(bytes.size())));
        for (int i = start; i < qMin(bytes.size(), start + 8); ++i)
            damaged[i] = char(gen.bounded(256));
        readEverything(damaged);
    }
    // Damage inside the compressed data of big.bin is caught by inflate or the CRC.
    QByteArray damaged = bytes;
    const int inData = bytes.indexOf("big.bin") + 7 + 500;
    damaged[inData] = char(damaged[inData] ^ 0xFF);
    EXPECT_FALSE(readEverything(damaged));

    // Every entry's data declared half as long in both its headers, plain and
    // encrypted (each of the two readers, stored and deflated): the read ends
    // and reports the short entry (the password passed its check, so it is not
    // called wrong); an encrypted entry too short for its 12-byte header is corrupt.
    for (const auto& [password, shorten] :
         {std::pair{static_cast<const char*>(nullptr), 0u}, {"secret", 0u}, {"secret", 11u}, {"secret", 1u}}) {
        QByteArray cut = readFile(writeSample(password));
        for (const auto& [header, offset] : {std::pair{QByteArray("PK\3\4"), 18}, {QByteArray("PK\1\2"), 20}})
            for (int at = cut.indexOf(header); at >= 0; at = cut.indexOf(header, at + 4)) {
                quint32 size = 0;
                memcpy(&size, cut.constData() + at + offset, 4);
                size = shorten && size ? shorten : size / 2;
                memcpy(cut.data() + at + offset, &size, 4);
            }
        ZipArchive* zip = cvnZipOpenMemory(cut.constData(), quint64(cut.size()), password);
        ASSERT_NE(zip, nullptr);
        for (int i = 0; i < cvnZipEntryCount(zip); ++i) {
            ZipEntry e;
            ASSERT_EQ(cvnZipGetEntry(zip, i, e), ZipOk);
            QByteArray out(int(e.uncompressedSize), '\0');
            if (e.uncompressedSize > 0) {
                EXPECT_EQ(cvnZipUnzipToMemory(zip, i, out.data(), e.uncompressedSize),
                          shorten ? ZipCorrupt : ZipInflateError)
                    << e.name << " " << shorten;
            }
        }
        EXPECT_EQ(cvnZipClose(zip), ZipOk);
    }
}

TEST_F(ZipArchiveTest, PasswordProtectedEntriesAndExtractionToFiles)
{
    const QString file = writeSample("secret");
    const QByteArray name = QFile::encodeName(file);

    ZipArchive* zip = cvnZipOpenFile(name.constData(), "secret");
    ASSERT_NE(zip, nullptr);
    QList<ZipFileData> files;
    QString error;
    ASSERT_TRUE(cvnZipReadAll(zip, files, &error)) << error.toStdString();
    ASSERT_EQ(files.size(), 3);
    EXPECT_EQ(files[0].data, style);
    EXPECT_EQ(files[2].data, big);
    EXPECT_TRUE(readsAlikeInPieces(zip, 3, big));
    cvnZipClose(zip);

    // Without a password an encrypted entry is refused as such.
    zip = cvnZipOpenFile(name.constData());
    ASSERT_NE(zip, nullptr);
    QByteArray out(png.size(), '\0');
    EXPECT_EQ(cvnZipUnzipToMemory(zip, 2, out.data(), quint32(out.size())), ZipPassword);
    cvnZipClose(zip);

    // A wrong password passes the header's one-byte check once in 256
    // (its other bytes are random); inflating the garbage or the entry's
    // CRC-32 then refuses the data. Either way no entry reads as a success.
    zip = cvnZipOpenFile(name.constData(), "wrong");
    ASSERT_NE(zip, nullptr);
    const QByteArray expected[] = {style, QByteArray(), png, big};
    for (int index : {0, 2, 3}) {
        QByteArray got(expected[index].size(), '\0');
        const ZipResult res = cvnZipUnzipToMemory(zip, index, got.data(), quint32(got.size()));
        EXPECT_TRUE(res == ZipPassword || res == ZipCrcMismatch || res == ZipInflateError)
            << index << ": " << std::hex << res;
        EXPECT_NE(got, expected[index]) << index;
    }
    cvnZipClose(zip);

    // Extraction to files: folders are created on the way, data and time kept.
    zip = cvnZipOpenFile(QFile::encodeName(writeSample()).constData());
    ASSERT_NE(zip, nullptr);
    const QByteArray target = QFile::encodeName(dir.path() + "/out/deep/style.json");
    ASSERT_EQ(cvnZipUnzipToFile(zip, 0, target.constData()), ZipOk);
    EXPECT_EQ(readFile(QFile::decodeName(target)), style);
    const QByteArray folder = QFile::encodeName(dir.path() + "/out/images");
    EXPECT_EQ(cvnZipUnzipToFile(zip, 1, folder.constData()), ZipOk);
    EXPECT_TRUE(QDir(QFile::decodeName(folder)).exists());
    FILE* f = fopen(QFile::encodeName(dir.path() + "/out/a.png").constData(), "wb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(cvnZipUnzipToFile(zip, 2, f), ZipOk);
    fclose(f);
    EXPECT_EQ(readFile(dir.path() + "/out/a.png"), png);
    cvnZipClose(zip);
}

// What the reader makes of an archive through each of its entry points:
// per entry its metadata, what reading it to memory, to a stream and all
// at once gives. Every byte damaged in turn and every cut: a record of what
// changes, against the one kept beside the references.
TEST_F(ZipArchiveTest, EveryDamagedByteIsReadAsItWasBefore)
{
    // DOS times are local times: the record is made in one zone.
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "UTC");
    tzset();
    auto ut = [](quint32 m, quint32 a, quint32 c) {
        QByteArray block("\x55\x54\x0d\x00\x07", 5);
        for (quint32 t : {m, a, c})
            block.append(reinterpret_cast<const char*>(&t), 4);
        return block;
    };
    QList<MinizipEntry> entries;
    entries << MinizipEntry{"theme/style.v2.json", sampleText(12), ut(1600000000, 1600000100, 1600000200)};
    entries.last().externalAttributes = 0x21; // read-only
    entries << MinizipEntry{"images/", QByteArray()};
    entries.last().externalAttributes = 0x10;
    entries << MinizipEntry{"read.only", "kept"}; // a Unix mode without write bits
    entries.last().externalAttributes = 0100444u << 16;
    entries.last().unixHost = true;
    MinizipEntry stored{"images/a.b.png", randomBytes(90, 3)};
    stored.raw = true;
    stored.declaredSize = quint64(stored.data.size());
    stored.declaredCrc = quint32(crc32(0, reinterpret_cast<const Bytef*>(stored.data.constData()), 90));
    entries << stored;
    const QString file = path("record.zip");
    ASSERT_TRUE(writeWithMinizip(file, entries));
    // And the writer's own archive (Unix attributes), its times fixed.
    QByteArray own;
    {
        ZipArchive* w = cvnZipCreateFile(QFile::encodeName(path("own.zip")).constData());
        const QByteArray text = sampleText(9), picture = randomBytes(70, 5);
        EXPECT_EQ(cvnZipAddMemory(w, "style.json", text.constData(), quint32(text.size())), ZipOk);
        EXPECT_EQ(cvnZipAddMemory(w, "images/", nullptr, 0), ZipOk);
        EXPECT_EQ(cvnZipAddMemory(w, "images/a.png", picture.constData(), quint32(picture.size()), false), ZipOk);
        EXPECT_EQ(cvnZipCloseWriter(w), ZipOk);
        own = readFile(path("own.zip"));
        for (const auto& [header, offset] : {std::pair{QByteArray("PK\3\4"), 10}, {QByteArray("PK\1\2"), 12}})
            for (int at = own.indexOf(header); at >= 0; at = own.indexOf(header, at + 4))
                memcpy(own.data() + at + offset, "\x00\x50\x2e\x52", 4);
    }
    const QByteArray streamed = QFile::encodeName(path("streamed.bin"));

    auto describe = [&](const QByteArray& data, bool toStream) {
        ZipArchive* zip = cvnZipOpenMemory(data.constData(), quint64(data.size()));
        if (!zip)
            return QStringLiteral("no archive %1").arg(cvnZipLastReadResult(), 0, 16);
        QStringList out;
        for (int i = 0; i < cvnZipEntryCount(zip); ++i) {
            ZipEntry e;
            const ZipResult got = cvnZipGetEntry(zip, i, e);
            QByteArray content(int(qMin<quint32>(e.uncompressedSize, 4096)), '\0');
            const ZipResult read = cvnZipUnzipToMemory(zip, i, content.data(), quint32(content.size()));
            out << QStringLiteral("%1 %2 %3 a%4 t%5/%6/%7 %8/%9 read %10 %11")
                       .arg(i)
                       .arg(got, 0, 16)
                       .arg(QString::fromLatin1(e.name))
                       .arg(e.attributes, 0, 16)
                       .arg(e.modificationTime)
                       .arg(e.accessTime)
                       .arg(e.creationTime)
                       .arg(e.compressedSize)
                       .arg(e.uncompressedSize)
                       .arg(read, 0, 16)
                       .arg(qHash(content));
            if (toStream) {
                FILE* f = fopen(streamed.constData(), "wb");
                const ZipResult res = cvnZipUnzipToFile(zip, i, f);
                fclose(f);
                out << QStringLiteral("  stream %1 %2").arg(res, 0, 16).arg(qHash(readFile(streamed)));
            }
        }
        QList<ZipFileData> files;
        QString error;
        const bool all = cvnZipReadAll(zip, files, &error);
        out << QStringLiteral("all %1 %2 %3").arg(all).arg(files.size()).arg(error);
        cvnZipClose(zip);
        return out.join(QLatin1String("; "));
    };
    // Only the parts that differ from the whole archive's.
    auto changed = [](const QString& seen, const QString& whole) {
        const QStringList now = seen.split(QLatin1String("; ")), was = whole.split(QLatin1String("; "));
        QStringList out;
        for (int i = 0; i < now.size(); ++i)
            if (now[i] != was.value(i))
                out << now[i];
        return out.join(QLatin1String("; "));
    };
    QStringList record;
    for (const QByteArray& bytes : {readFile(file), own}) {
        const QString whole[] = {describe(bytes, false), describe(bytes, true)};
        record << QStringLiteral("whole: ") + whole[1];
        for (int at = 0; at < bytes.size(); ++at) {
            QByteArray damaged = bytes;
            damaged[at] = char(damaged[at] ^ 0x5A);
            const QString seen = describe(damaged, at % 5 == 0);
            if (seen != whole[at % 5 == 0])
                record << QStringLiteral("byte %1: ").arg(at) + changed(seen, whole[at % 5 == 0]);
        }
        QString last;
        for (int cut = 0; cut < bytes.size(); ++cut) {
            const QString seen = describe(bytes.left(cut), false);
            if (seen != std::exchange(last, seen))
                record << QStringLiteral("cut %1: ").arg(cut) + changed(seen, whole[0]);
        }
    }
    TestUtil::expectMatchesReferenceText(record.join(QLatin1Char('\n')), QStringLiteral("zip-damage"));
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();
}
