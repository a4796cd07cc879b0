#include "CVNQZipImpl.h"

#include <QDir>
#include <QFileInfo>

#include <climits>
#include <cstring>
#include <ctime>
#include <sys/stat.h>
#include <utime.h>

namespace CVNQtLib {

namespace {

ZipResult g_lastReadResult = ZipOk;

ZipResult setResult(ZipResult r)
{
    g_lastReadResult = r;
    return r;
}

ZipReader* readerOf(ZipArchive* zip)
{
    return (zip && zip->kind == ZipArchive::Reader) ? zip->reader : nullptr;
}

QByteArray workingFolder()
{
    QByteArray root = QFile::encodeName(QDir::currentPath());
    if (!root.endsWith('/') && !root.endsWith('\\'))
        root += '/';
    return root;
}

void destroyReader(ZipReader* r)
{
    if (!r)
        return;
    if (r->uf) {
        if (r->currentEntry >= 0)
            unzCloseCurrentFile(r->uf);
        unzClose(r->uf);
    }
    if (r->input)
        r->input->release();
    delete r;
}

// Walks the central directory once: every entry must be readable, its
// position is kept for direct moves and the declared sizes are capped.
ZipResult indexEntries(ZipReader* r)
{
    unz_global_info64 gi;
    if (unzGetGlobalInfo64(r->uf, &gi) != UNZ_OK || gi.number_entry > ZPOS64_T(INT_MAX))
        return ZipNoFile;
    const int count = int(gi.number_entry);
    r->positions.reserve(size_t(count));
    int err = unzGoToFirstFile(r->uf);
    quint64 total = 0;
    for (int i = 0; i < count; ++i) {
        if (err != UNZ_OK)
            return ZipNoFile;
        unz_file_info64 info;
        unz64_file_pos pos;
        if (unzGetCurrentFileInfo64(r->uf, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
            unzGetFilePos64(r->uf, &pos) != UNZ_OK)
            return ZipNoFile;
        r->positions.push_back(pos);
        r->declaredSizes.push_back(info.uncompressed_size);
        r->encrypted.push_back((info.flag & 1) != 0);
        // An oversized entry is refused on its own; it does not count here.
        if (info.uncompressed_size <= kZipMaxEntrySize)
            total += info.uncompressed_size;
        if (total > kZipMaxArchiveSize)
            return ZipTooLarge;
        err = unzGoToNextFile(r->uf);
    }
    if (count > 0 && err != UNZ_END_OF_LIST_OF_FILE)
        return ZipNoFile;
    r->entryCount = count;
    return ZipOk;
}

ZipArchive* openReader(std::unique_ptr<ZipInput> input, const char* password)
{
    auto* r = new ZipReader;
    r->input = std::move(input);
    if (password) {
        r->password = QByteArray(password);
        r->hasPassword = true;
    }
    r->rootFolder = workingFolder();

    zlib_filefunc64_def funcs;
    r->input->fillFunctions(funcs);
    r->uf = unzOpen2_64("", &funcs);
    if (!r->uf) {
        destroyReader(r);
        setResult(ZipNoFile);
        return nullptr;
    }
    const ZipResult indexed = indexEntries(r);
    if (indexed != ZipOk) {
        destroyReader(r);
        setResult(indexed);
        return nullptr;
    }
    auto* zip = new ZipArchive;
    zip->kind = ZipArchive::Reader;
    zip->reader = r;
    setResult(ZipOk);
    return zip;
}

void closeCurrent(ZipReader* r)
{
    if (r->currentEntry >= 0)
        unzCloseCurrentFile(r->uf);
    r->currentEntry = -1;
    r->decryptor.reset();
}

// Reads from the open entry, through the decryptor for an encrypted one.
int readCurrent(ZipReader* r, void* buffer, quint32 length)
{
    if (r->decryptor)
        return r->decryptor->read(r->uf, static_cast<char*>(buffer), length);
    return unzReadCurrentFile(r->uf, buffer, length);
}

bool currentAtEnd(ZipReader* r)
{
    if (r->decryptor)
        return r->decryptor->remaining == 0;
    return unzeof(r->uf) == 1;
}

ZipResult goToEntry(ZipReader* r, int index)
{
    return unzGoToFilePos64(r->uf, &r->positions[size_t(index)]) == UNZ_OK ? ZipOk : ZipCorrupt;
}

qint64 dosToTime(const tm_unz& d)
{
    struct tm t;
    memset(&t, 0, sizeof t);
    t.tm_sec = int(d.tm_sec);
    t.tm_min = int(d.tm_min);
    t.tm_hour = int(d.tm_hour);
    t.tm_mday = int(d.tm_mday);
    t.tm_mon = int(d.tm_mon);
    t.tm_year = int(d.tm_year) - 1900;
    t.tm_isdst = -1;
    const time_t v = mktime(&t);
    return v == time_t(-1) ? 0 : qint64(v);
}

quint32 le32(const unsigned char* p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

// Applies an extended-timestamp ("UT") block of an extra field.
void applyExtendedTimes(const unsigned char* extra, int length, ZipEntry& e)
{
    int p = 0;
    while (p + 4 <= length) {
        const int id = extra[p] | (extra[p + 1] << 8);
        const int size = extra[p + 2] | (extra[p + 3] << 8);
        const int body = p + 4;
        if (body + size > length)
            return;
        if (id == 0x5455 && size >= 1) {
            const unsigned flags = extra[body];
            int q = body + 1;
            const int end = body + size;
            if ((flags & 1) && q + 4 <= end) {
                e.modificationTime = qint64(le32(extra + q));
                q += 4;
            }
            if ((flags & 2) && q + 4 <= end) {
                e.accessTime = qint64(le32(extra + q));
                q += 4;
            }
            if ((flags & 4) && q + 4 <= end)
                e.creationTime = qint64(le32(extra + q));
            return;
        }
        p = body + size;
    }
}

unsigned entryAttributes(const unz_file_info64& info)
{
    const quint32 ext = quint32(info.external_fa);
    const unsigned host = unsigned(info.version >> 8) & 0xFF;
    bool readOnly;
    bool directory;
    if (host == 0 || host == 7 || host == 11 || host == 14) {
        readOnly = (ext & 0x1) != 0;
        directory = (ext & 0x10) != 0;
    } else {
        readOnly = (ext & 0x800000) == 0;
        directory = (ext & 0x40000000) != 0;
    }
    unsigned a = ext >> 16;
    if (directory)
        a |= 0x4000;
    if (readOnly)
        a &= ~0x80u;
    return a;
}

ZipResult describeEntry(ZipReader* r, int index, ZipEntry& e)
{
    if (goToEntry(r, index) != ZipOk)
        return ZipCorrupt;
    unz_file_info64 info;
    // One byte more than the name field so a name that fills it still ends in NUL.
    char rawName[kZipMaxName + 1];
    if (unzGetCurrentFileInfo64(r->uf, &info, rawName, kZipMaxName, nullptr, 0, nullptr, 0) != UNZ_OK)
        return ZipCorrupt;
    rawName[qMin<uLong>(info.size_filename, kZipMaxName)] = '\0';

    // Opening raw checks the local header and gives access to its extra field.
    if (unzOpenCurrentFile2(r->uf, nullptr, nullptr, 1) != UNZ_OK)
        return ZipCorrupt;
    QByteArray localExtra;
    const int extraLen = unzGetLocalExtrafield(r->uf, nullptr, 0);
    if (extraLen < 0) {
        unzCloseCurrentFile(r->uf);
        return ZipReadError;
    }
    if (extraLen > 0) {
        localExtra.resize(extraLen);
        if (unzGetLocalExtrafield(r->uf, localExtra.data(), unsigned(extraLen)) != extraLen) {
            unzCloseCurrentFile(r->uf);
            return ZipReadError;
        }
    }
    unzCloseCurrentFile(r->uf);

    e = ZipEntry();
    e.index = index;
    const QByteArray clean = cvnZipCleanName(QByteArray(rawName));
    memcpy(e.name, clean.constData(), size_t(clean.size()));
    e.name[clean.size()] = '\0';
    e.attributes = entryAttributes(info);
    const qint64 dosTime = dosToTime(info.tmu_date);
    e.accessTime = e.creationTime = e.modificationTime = dosTime;
    applyExtendedTimes(reinterpret_cast<const unsigned char*>(localExtra.constData()), localExtra.size(), e);
    e.compressedSize = quint32(qMin<ZPOS64_T>(info.compressed_size, 0xFFFFFFFFu));
    e.uncompressedSize = quint32(qMin<ZPOS64_T>(info.uncompressed_size, 0xFFFFFFFFu));
    return ZipOk;
}

ZipResult openEntry(ZipReader* r, int index)
{
    if (goToEntry(r, index) != ZipOk)
        return ZipCorrupt;
    const bool encrypted = r->encrypted[size_t(index)];
    if (encrypted && !r->hasPassword)
        return ZipPassword;
    unz_file_info64 info;
    if (encrypted && unzGetCurrentFileInfo64(r->uf, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return ZipCorrupt;
    int method = 0;
    int level = 0;
    const int err = encrypted ? unzOpenCurrentFile2(r->uf, &method, &level, 1) : unzOpenCurrentFile(r->uf);
    if (err == UNZ_OK && encrypted) {
        // With a data descriptor the header ends in the time's high byte.
        const unsigned char check = (info.flag & 8) ? ((info.dosDate >> 8) & 0xFF) : ((info.crc >> 24) & 0xFF);
        auto decryptor = std::make_unique<ZipDecryptor>();
        const ZipResult res =
            decryptor->start(r->uf, r->password, method, check, info.uncompressed_size, quint32(info.crc));
        if (res != ZipOk) {
            unzCloseCurrentFile(r->uf);
            return res;
        }
        r->decryptor = std::move(decryptor);
    }
    if (err == UNZ_BADZIPFILE)
        return ZipCorrupt;
    if (err == UNZ_INTERNALERROR)
        return ZipInflateError;
    if (err != UNZ_OK)
        return ZipReadError;
    r->currentEntry = index;
    return ZipOk;
}

// Closes the finished entry; minizip compares the CRC-32 here.
ZipResult finishEntry(ZipReader* r)
{
    if (r->decryptor) {
        const bool crcOk = r->decryptor->crc == r->decryptor->expectedCrc;
        closeCurrent(r);
        return crcOk ? ZipOk : ZipCrcMismatch;
    }
    const int err = unzCloseCurrentFile(r->uf);
    r->currentEntry = -1;
    if (err == UNZ_CRCERROR)
        return ZipCrcMismatch;
    return err == UNZ_OK ? ZipOk : ZipReadError;
}

// The code for a read that delivered nothing, or failed, before the end.
ZipResult failedRead(ZipReader* r)
{
    const int index = r->currentEntry;
    closeCurrent(r);
    return (r->hasPassword && r->encrypted[size_t(index)]) ? ZipPassword : ZipInflateError;
}

bool makePath(const QByteArray& path)
{
    return path.isEmpty() || QDir().mkpath(QFile::decodeName(path));
}

QByteArray absoluteUnderRoot(const ZipReader* r, const QByteArray& name)
{
    const bool absolute = name.startsWith('/') || name.startsWith('\\') || (name.size() > 1 && name[1] == ':');
    return absolute ? name : r->rootFolder + name;
}

void setFileTimes(const QByteArray& path, const ZipEntry& e)
{
    struct utimbuf t;
    t.actime = time_t(e.accessTime);
    t.modtime = time_t(e.modificationTime);
    utime(path.constData(), &t);
}

// Common body of both extraction-to-file forms; out is an open file.
ZipResult copyEntry(ZipReader* r, int index, FILE* out)
{
    if (r->declaredSizes[size_t(index)] > kZipMaxEntrySize)
        return ZipTooLarge;
    closeCurrent(r);
    ZipResult res = openEntry(r, index);
    if (res != ZipOk)
        return res;
    if (r->buffer.empty())
        r->buffer.resize(16384);
    for (;;) {
        const int n = readCurrent(r, r->buffer.data(), quint32(r->buffer.size()));
        if (n < 0)
            return failedRead(r);
        if (n == 0)
            break;
        if (fwrite(r->buffer.data(), 1, size_t(n), out) != size_t(n)) {
            closeCurrent(r);
            return ZipWriteError;
        }
    }
    if (!currentAtEnd(r))
        return failedRead(r);
    return finishEntry(r);
}

// The checks both extractions to a file start with, then the entry's
// description; a result other than ZipOk is already recorded.
ZipResult prepareExtraction(ZipArchive* zip, int index, bool haveTarget, ZipReader*& r, ZipEntry& e)
{
    r = readerOf(zip);
    if (!zip || !haveTarget)
        return setResult(ZipBadArgs);
    if (!r)
        return setResult(ZipWrongKind);
    if (index < 0 || index >= r->entryCount)
        return setResult(ZipBadArgs);
    return cvnZipGetEntry(zip, index, e);
}

} // namespace

QByteArray cvnZipCleanName(const QByteArray& storedName)
{
    static const char* const kUpSequences[] = {"\\..\\", "\\../", "/../", "/..\\"};
    QByteArray name = storedName;
    for (;;) {
        const QByteArray before = name;
        if (name.size() >= 2 && name[1] == ':')
            name.remove(0, 2);
        if (!name.isEmpty() && (name[0] == '/' || name[0] == '\\'))
            name.remove(0, 1);
        int first = -1;
        for (const char* seq : kUpSequences) {
            const int at = name.indexOf(seq);
            if (at >= 0 && (first < 0 || at < first))
                first = at;
        }
        if (first >= 0)
            name.remove(0, first + 4);
        // No ".." component may survive, wherever it stands.
        QByteArray kept;
        int start = 0;
        while (start <= name.size()) {
            int sep = start;
            while (sep < name.size() && name[sep] != '/' && name[sep] != '\\')
                ++sep;
            const QByteArray part = name.mid(start, sep - start);
            const bool hasSep = sep < name.size();
            if (part != "..") {
                kept += part;
                if (hasSep)
                    kept += name[sep];
            }
            if (!hasSep)
                break;
            start = sep + 1;
        }
        name = kept;
        if (name == before)
            break;
    }
    return name.left(kZipMaxName - 1);
}

ZipArchive* cvnZipOpenFile(const char* fileName, const char* password)
{
    if (!fileName) {
        setResult(ZipNoFile);
        return nullptr;
    }
    FILE* f = fopen(fileName, "rb");
    if (!f) {
        setResult(ZipNoFile);
        return nullptr;
    }
    auto input = std::make_unique<ZipInput>();
    input->file = f;
    input->ownsFile = true;
    return openReader(std::move(input), password);
}

ZipArchive* cvnZipOpenMemory(const void* data, quint64 size, const char* password)
{
    if (!data && size > 0) {
        setResult(ZipBadArgs);
        return nullptr;
    }
    auto input = std::make_unique<ZipInput>();
    input->isMemory = true;
    input->data = static_cast<const unsigned char*>(data);
    input->size = data ? size : 0;
    return openReader(std::move(input), password);
}

ZipArchive* cvnZipOpenStream(FILE* file, const char* password)
{
    if (!file) {
        setResult(ZipBadArgs);
        return nullptr;
    }
    const qint64 at = ftello(file);
    if (at < 0) {
        setResult(ZipNoSeek);
        return nullptr;
    }
    auto input = std::make_unique<ZipInput>();
    input->file = file;
    input->base = at;
    return openReader(std::move(input), password);
}

int cvnZipEntryCount(ZipArchive* zip)
{
    ZipReader* r = readerOf(zip);
    return r ? r->entryCount : -1;
}

ZipResult cvnZipGetEntry(ZipArchive* zip, int index, ZipEntry& entry)
{
    ZipReader* r = readerOf(zip);
    if (!zip)
        return setResult(ZipBadArgs);
    if (!r)
        return setResult(ZipWrongKind);
    if (index < -1 || index >= r->entryCount)
        return setResult(ZipBadArgs);
    closeCurrent(r);
    if (index != -1 && index == r->cachedIndex) {
        entry = r->cached;
        return setResult(ZipOk);
    }
    if (index == -1) {
        entry = ZipEntry();
        entry.index = r->entryCount;
        return setResult(ZipOk);
    }
    const ZipResult res = describeEntry(r, index, entry);
    if (res != ZipOk)
        return setResult(res);
    r->cached = entry;
    r->cachedIndex = index;
    return setResult(ZipOk);
}

ZipResult cvnZipUnzipToMemory(ZipArchive* zip, int index, void* buffer, quint32 length)
{
    ZipReader* r = readerOf(zip);
    if (!zip)
        return setResult(ZipBadArgs);
    if (!r)
        return setResult(ZipWrongKind);
    if (!buffer && length > 0)
        return setResult(ZipBadArgs);
    if (index != r->currentEntry) {
        closeCurrent(r);
        if (index < 0 || index >= r->entryCount)
            return setResult(ZipBadArgs);
        if (r->declaredSizes[size_t(index)] > kZipMaxEntrySize)
            return setResult(ZipTooLarge);
        const ZipResult res = openEntry(r, index);
        if (res != ZipOk)
            return setResult(res);
    }
    const int n = readCurrent(r, buffer, length);
    const bool atEnd = currentAtEnd(r);
    if (n > 0) {
        if (atEnd)
            return setResult(finishEntry(r));
        if (quint32(n) == length)
            return setResult(ZipMore); // the entry stays open for the next call
        // The data stopped before the declared size.
        return setResult(failedRead(r));
    }
    if (n == 0 && atEnd)
        return setResult(finishEntry(r));
    if (n == 0 && length == 0)
        return setResult(ZipMore);
    return setResult(failedRead(r));
}

ZipResult cvnZipUnzipToFile(ZipArchive* zip, int index, const char* fileName)
{
    ZipReader* r = nullptr;
    ZipEntry e;
    ZipResult res = prepareExtraction(zip, index, fileName != nullptr, r, e);
    if (res != ZipOk)
        return res;
    const QByteArray target = absoluteUnderRoot(r, QByteArray(fileName));
    if (e.isDirectory())
        return setResult(makePath(target) ? ZipOk : ZipNoFile);
    const int slash = qMax(target.lastIndexOf('/'), target.lastIndexOf('\\'));
    if (slash > 0 && !makePath(target.left(slash)))
        return setResult(ZipNoFile);
    FILE* out = fopen(target.constData(), "wb");
    if (!out)
        return setResult(ZipNoFile);
    res = copyEntry(r, index, out);
    if (fclose(out) != 0 && res == ZipOk)
        res = ZipWriteError;
    if (res == ZipOk)
        setFileTimes(target, e);
    return setResult(res);
}

ZipResult cvnZipUnzipToFile(ZipArchive* zip, int index, FILE* file)
{
    ZipReader* r = nullptr;
    ZipEntry e;
    const ZipResult res = prepareExtraction(zip, index, file != nullptr, r, e);
    if (res != ZipOk)
        return res;
    if (e.isDirectory())
        return setResult(ZipOk);
    return setResult(copyEntry(r, index, file));
}

bool cvnZipReadAll(ZipArchive* zip, QList<ZipFileData>& files, QString* error)
{
    auto fail = [&](const QByteArray& name, ZipResult code) {
        if (error)
            *error = QStringLiteral("Entry '%1' of the archive cannot be read (code 0x%2).")
                         .arg(QString::fromUtf8(name))
                         .arg(unsigned(code), 0, 16);
        return false;
    };
    ZipReader* r = readerOf(zip);
    if (!r) {
        setResult(zip ? ZipWrongKind : ZipBadArgs);
        if (error)
            *error = QStringLiteral("No archive to read.");
        return false;
    }
    for (int i = 0; i < r->entryCount; ++i) {
        ZipEntry e;
        ZipResult res = cvnZipGetEntry(zip, i, e);
        if (res != ZipOk)
            return fail(QByteArray::number(i), res);
        if (r->declaredSizes[size_t(i)] > kZipMaxEntrySize)
            return fail(QByteArray(e.name), setResult(ZipTooLarge));
        if (e.uncompressedSize == 0)
            continue;
        ZipFileData file;
        file.name = QByteArray(e.name);
        file.data.resize(int(e.uncompressedSize));
        res = cvnZipUnzipToMemory(zip, i, file.data.data(), e.uncompressedSize);
        if (res != ZipOk) {
            closeCurrent(r);
            return fail(file.name, res);
        }
        files.append(file);
    }
    return true;
}

ZipResult cvnZipCloseReader(ZipArchive* zip)
{
    if (!zip)
        return setResult(ZipBadArgs);
    if (zip->kind != ZipArchive::Reader)
        return setResult(ZipWrongKind);
    destroyReader(zip->reader);
    delete zip;
    return setResult(ZipOk);
}

ZipResult cvnZipLastReadResult()
{
    return g_lastReadResult;
}

bool cvnZipIsWriter(ZipArchive* zip)
{
    return zip && zip->kind == ZipArchive::Writer;
}

ZipResult cvnZipClose(ZipArchive* zip)
{
    return cvnZipIsWriter(zip) ? cvnZipCloseWriter(zip) : cvnZipCloseReader(zip);
}

} // namespace CVNQtLib
