#include "CVNQZipImpl.h"

#include "CVNQLogging.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
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

quint16 le16(const unsigned char* p)
{
    return quint16(p[0] | (p[1] << 8));
}

quint32 le32(const unsigned char* p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

quint64 le64(const unsigned char* p)
{
    return quint64(le32(p)) | (quint64(le32(p + 4)) << 32);
}

// The ZIP format's minimum sizes: an end record, a central directory entry.
constexpr quint64 kEndRecordSize = 22;
constexpr quint64 kCentralEntrySize = 46;
// Deflate cannot expand a byte of input to more than 1032 bytes of output.
constexpr quint64 kDeflateMaxRatio = 1032;

// minizip looks for the end record only within the last 64 KiB, so a
// comment near the format's maximum hides it. Nothing reads the comment:
// the archive minizip sees ends with its end record.
void cutComment(ZipInput& in)
{
    const quint64 tail = qMin<quint64>(in.length, kEndRecordSize + 0xFFFF);
    if (tail < kEndRecordSize)
        return;
    std::vector<unsigned char> bytes(static_cast<size_t>(tail));
    if (!in.readAt(in.length - tail, bytes.data(), tail))
        return;
    for (qint64 at = qint64(tail - kEndRecordSize); at >= 0; --at) {
        const unsigned char* p = bytes.data() + at;
        if (p[0] == 'P' && p[1] == 'K' && p[2] == 5 && p[3] == 6 &&
            quint64(at) + kEndRecordSize + le16(p + 20) == tail) {
            in.length -= le16(p + 20);
            return;
        }
    }
}

// Finds the first block of an extra field (id, size, body) with that id
// and a body of at least minSize bytes: its body runs from body to end.
// The walk stops at a block that overruns the field.
bool findExtraBlock(const unsigned char* extra, int length, int id, int minSize, int& body, int& end)
{
    int p = 0;
    while (p + 4 <= length) {
        const int size = le16(extra + p + 2);
        body = p + 4;
        end = body + size;
        if (end > length)
            return false;
        if (le16(extra + p) == id && size >= minSize)
            return true;
        p = end;
    }
    return false;
}

// Sizes and offset that did not fit their 32-bit fields are in the zip64
// extended-information block (0x0001), each present only when its field
// holds 0xFFFFFFFF, in this order. minizip 1.1 compares those fields with
// an unsigned long -1 and so never decodes them on 64-bit systems.
void decodeZip64(const unsigned char* extra, int length, ZipEntryRecord& rec)
{
    int q = 0;
    int end = 0;
    if (!findExtraBlock(extra, length, 0x0001, 0, q, end))
        return;
    for (quint64* field : {&rec.uncompressedSize, &rec.compressedSize, &rec.localOffset}) {
        if (*field != 0xFFFFFFFFu)
            continue;
        if (q + 8 > end)
            return;
        *field = le64(extra + q);
        q += 8;
        rec.zip64 = true;
    }
}

// Why an entry's data cannot be read, known from its record alone.
ZipResult recordRefusal(const ZipEntryRecord& rec, quint64 archiveLength)
{
    if (rec.method != 0 && rec.method != Z_DEFLATED)
        return ZipUnsupportedMethod;
    if (rec.compressedSize > archiveLength)
        return ZipCorrupt;
    if (rec.uncompressedSize > kZipMaxEntrySize)
        return ZipTooLarge;
    if (rec.uncompressedSize > qMax<quint64>(rec.compressedSize, 1) * kDeflateMaxRatio)
        return ZipCorrupt;
    return ZipOk;
}

QString describeSize(quint64 bytes)
{
    return QStringLiteral("%1 bytes").arg(bytes);
}

QString methodName(int method)
{
    switch (method) {
    case 1: return QStringLiteral("Shrink");
    case 6: return QStringLiteral("Implode");
    case 9: return QStringLiteral("Deflate64");
    case 12: return QStringLiteral("bzip2");
    case 14: return QStringLiteral("LZMA");
    case 93: return QStringLiteral("Zstandard");
    case 95: return QStringLiteral("XZ");
    case 98: return QStringLiteral("PPMd");
    case 99: return QStringLiteral("AES encryption");
    default: return QStringLiteral("unknown");
    }
}

// The reason an entry is refused, for the log and cvnZipReadAll's error.
QString refusalReason(const ZipReader* r, int index, ZipResult code)
{
    const ZipEntryRecord& rec = r->records[size_t(index)];
    switch (code) {
    case ZipUnsupportedMethod:
        return QStringLiteral("compression method %1 (%2) is not supported")
            .arg(rec.method)
            .arg(methodName(rec.method));
    case ZipTooLarge:
        return QStringLiteral("it declares %1, above the cap of %2 per entry")
            .arg(describeSize(rec.uncompressedSize), describeSize(kZipMaxEntrySize));
    case ZipCorrupt:
        if (rec.compressedSize > r->input->length)
            return QStringLiteral("it declares %1 of data, more than the archive's %2")
                .arg(describeSize(rec.compressedSize), describeSize(r->input->length));
        if (rec.uncompressedSize > qMax<quint64>(rec.compressedSize, 1) * kDeflateMaxRatio)
            return QStringLiteral("it declares %1, more than its %2 of data can hold")
                .arg(describeSize(rec.uncompressedSize), describeSize(rec.compressedSize));
        return QStringLiteral("its header is corrupt");
    case ZipCrcMismatch: return QStringLiteral("its data does not match its CRC-32");
    case ZipPassword:
        return r->hasPassword ? QStringLiteral("the password is wrong")
                              : QStringLiteral("it is encrypted and no password was given");
    case ZipInflateError: return QStringLiteral("its data cannot be inflated or ends early");
    case ZipReadError: return QStringLiteral("it cannot be read");
    default: return QStringLiteral("code 0x%1").arg(unsigned(code), 0, 16);
    }
}

void refuseArchive(const QString& source, const QString& why)
{
    qCWarning(lcZip).noquote() << QStringLiteral("Zip archive %1 is refused: %2").arg(source, why);
}

// Walks the central directory once: every entry must be readable; its
// position and what its record says are kept, and the sizes are capped.
ZipResult indexEntries(ZipReader* r)
{
    const quint64 length = r->input->length;
    unz_global_info64 gi;
    if (unzGetGlobalInfo64(r->uf, &gi) != UNZ_OK) {
        refuseArchive(r->source, QStringLiteral("its central directory cannot be read"));
        return ZipNoFile;
    }
    // Never trust a count the archive's length cannot hold.
    if (gi.number_entry > length / kCentralEntrySize || gi.number_entry > ZPOS64_T(INT_MAX)) {
        refuseArchive(r->source, QStringLiteral("it declares %1 entries, more than its %2 can hold")
                                     .arg(gi.number_entry)
                                     .arg(describeSize(length)));
        return ZipNoFile;
    }
    const int count = int(gi.number_entry);
    r->records.reserve(size_t(count));
    int err = unzGoToFirstFile(r->uf);
    quint64 total = 0;
    std::vector<unsigned char> extra(0xFFFF);
    for (int i = 0; i < count; ++i) {
        ZipEntryRecord rec;
        unz_file_info64 info;
        if (err != UNZ_OK ||
            unzGetCurrentFileInfo64(r->uf, &info, nullptr, 0, extra.data(), uLong(extra.size()), nullptr, 0) !=
                UNZ_OK ||
            unzGetFilePos64(r->uf, &rec.pos) != UNZ_OK) {
            refuseArchive(r->source, QStringLiteral("its central directory cannot be read at entry %1").arg(i));
            return ZipNoFile;
        }
        rec.compressedSize = info.compressed_size;
        rec.uncompressedSize = info.uncompressed_size;
        rec.crc = quint32(info.crc);
        rec.method = quint16(info.compression_method);
        rec.flag = quint16(info.flag);
        rec.dosDate = quint32(info.dosDate);
        decodeZip64(extra.data(), int(qMin<uLong>(info.size_file_extra, uLong(extra.size()))), rec);
        rec.refusal = recordRefusal(rec, length);
        // An oversized entry is refused on its own; it does not count here.
        if (rec.uncompressedSize <= kZipMaxEntrySize)
            total += rec.uncompressedSize;
        r->records.push_back(rec);
        if (total > kZipMaxArchiveSize) {
            refuseArchive(r->source, QStringLiteral("its entries declare more than the cap of %1 in all")
                                         .arg(describeSize(kZipMaxArchiveSize)));
            return ZipTooLarge;
        }
        err = unzGoToNextFile(r->uf);
    }
    if (count > 0 && err != UNZ_END_OF_LIST_OF_FILE) {
        refuseArchive(r->source, QStringLiteral("its central directory holds more entries than it declares"));
        return ZipNoFile;
    }
    r->entryCount = count;
    return ZipOk;
}

ZipArchive* openReader(std::unique_ptr<ZipInput> input, const char* password, const QString& source)
{
    auto* r = new ZipReader;
    r->input = std::move(input);
    r->source = source;
    if (password) {
        r->password = QByteArray(password);
        r->hasPassword = true;
    }
    r->rootFolder = workingFolder();

    if (!r->input->measure()) {
        refuseArchive(source, QStringLiteral("the file cannot seek"));
        destroyReader(r);
        setResult(ZipNoSeek);
        return nullptr;
    }
    cutComment(*r->input);
    zlib_filefunc64_def funcs;
    r->input->fillFunctions(funcs);
    r->uf = unzOpen2_64("", &funcs);
    if (!r->uf) {
        refuseArchive(source, QStringLiteral("it is not a ZIP archive (no readable end record or central directory)"));
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
    r->ownReader.reset();
}

// Reads from the open entry, through our own reader where minizip cannot.
int readCurrent(ZipReader* r, void* buffer, quint32 length)
{
    if (r->ownReader)
        return r->ownReader->read(static_cast<char*>(buffer), length);
    return unzReadCurrentFile(r->uf, buffer, length);
}

bool currentAtEnd(ZipReader* r)
{
    if (r->ownReader)
        return r->ownReader->remaining == 0;
    return unzeof(r->uf) == 1;
}

ZipResult goToEntry(ZipReader* r, int index)
{
    return unzGoToFilePos64(r->uf, &r->records[size_t(index)].pos) == UNZ_OK ? ZipOk : ZipCorrupt;
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

// Applies an extended-timestamp ("UT") block of an extra field.
void applyExtendedTimes(const unsigned char* extra, int length, ZipEntry& e)
{
    int body = 0;
    int end = 0;
    if (!findExtraBlock(extra, length, 0x5455, 1, body, end))
        return;
    const unsigned flags = extra[body];
    int q = body + 1;
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
    const ZipEntryRecord& rec = r->records[size_t(index)];
    unz_file_info64 info;
    // One byte more than the name field so a name that fills it still ends in NUL.
    char rawName[kZipMaxName + 1];
    if (unzGetCurrentFileInfo64(r->uf, &info, rawName, kZipMaxName, nullptr, 0, nullptr, 0) != UNZ_OK)
        return ZipCorrupt;
    rawName[qMin<uLong>(info.size_filename, kZipMaxName)] = '\0';

    // Opening raw checks the local header and gives access to its extra
    // field; minizip opens no method it does not know, and that entry is
    // described from its central record alone.
    QByteArray localExtra;
    if (rec.refusal != ZipUnsupportedMethod) {
        if (unzOpenCurrentFile2(r->uf, nullptr, nullptr, 1) != UNZ_OK)
            return ZipCorrupt;
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
    }

    e = ZipEntry();
    e.index = index;
    const QByteArray clean = cvnZipCleanName(QByteArray(rawName));
    memcpy(e.name, clean.constData(), size_t(clean.size()));
    e.name[clean.size()] = '\0';
    e.attributes = entryAttributes(info);
    const qint64 dosTime = dosToTime(info.tmu_date);
    e.accessTime = e.creationTime = e.modificationTime = dosTime;
    applyExtendedTimes(reinterpret_cast<const unsigned char*>(localExtra.constData()), localExtra.size(), e);
    e.compressedSize = quint32(qMin<quint64>(rec.compressedSize, 0xFFFFFFFFu));
    e.uncompressedSize = quint32(qMin<quint64>(rec.uncompressedSize, 0xFFFFFFFFu));
    return ZipOk;
}

// Opens an entry that we read ourselves: minizip checks its local header
// and tells where its data starts; the sizes are the record's.
ZipResult openOwnReader(ZipReader* r, const ZipEntryRecord& rec)
{
    auto reader = std::make_unique<ZipEntryReader>();
    reader->input = r->input.get();
    reader->inputPos = unzGetCurrentFileZStreamPos64(r->uf);
    reader->inputLeft = rec.compressedSize;
    unzCloseCurrentFile(r->uf);
    ZipResult res = reader->start(rec.method, rec.uncompressedSize, rec.crc);
    if (res == ZipOk && rec.encrypted()) {
        // With a data descriptor the header ends in the time's high byte.
        const unsigned char check = (rec.flag & 8) ? ((rec.dosDate >> 8) & 0xFF) : ((rec.crc >> 24) & 0xFF);
        res = reader->startDecryption(r->password, check);
    }
    if (res == ZipOk)
        r->ownReader = std::move(reader);
    return res;
}

ZipResult openEntry(ZipReader* r, int index)
{
    const ZipEntryRecord& rec = r->records[size_t(index)];
    if (rec.refusal != ZipOk)
        return rec.refusal;
    if (goToEntry(r, index) != ZipOk)
        return ZipCorrupt;
    if (rec.encrypted() && !r->hasPassword)
        return ZipPassword;
    const bool own = rec.encrypted() || rec.zip64;
    const int err = own ? unzOpenCurrentFile2(r->uf, nullptr, nullptr, 1) : unzOpenCurrentFile(r->uf);
    if (err == UNZ_BADZIPFILE)
        return ZipCorrupt;
    if (err == UNZ_INTERNALERROR)
        return ZipInflateError;
    if (err != UNZ_OK)
        return ZipReadError;
    if (own) {
        const ZipResult res = openOwnReader(r, rec);
        if (res != ZipOk)
            return res;
    }
    r->currentEntry = index;
    return ZipOk;
}

// Closes the finished entry; minizip compares the CRC-32 here.
ZipResult finishEntry(ZipReader* r)
{
    if (r->ownReader) {
        const bool crcOk = r->ownReader->crc == r->ownReader->expectedCrc;
        closeCurrent(r);
        return crcOk ? ZipOk : ZipCrcMismatch;
    }
    const int err = unzCloseCurrentFile(r->uf);
    r->currentEntry = -1;
    if (err == UNZ_CRCERROR)
        return ZipCrcMismatch;
    return err == UNZ_OK ? ZipOk : ZipReadError;
}

// The code for a read that delivered nothing, or failed, before the end. An
// encrypted entry's password already passed its header check on opening, so a
// short or undecodable entry is reported as such, not as a wrong password.
ZipResult failedRead(ZipReader* r)
{
    closeCurrent(r);
    return ZipInflateError;
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

// The entry's name as stored, for a message about an entry that cannot be described.
QByteArray storedName(ZipReader* r, int index)
{
    char name[kZipMaxName + 1] = {};
    unz_file_info64 info;
    if (goToEntry(r, index) != ZipOk ||
        unzGetCurrentFileInfo64(r->uf, &info, name, kZipMaxName, nullptr, 0, nullptr, 0) != UNZ_OK)
        return QByteArray::number(index);
    name[qMin<uLong>(info.size_filename, kZipMaxName)] = '\0';
    return QByteArray(name);
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
    const QString source = QStringLiteral("'%1'").arg(QFile::decodeName(fileName));
    FILE* f = fopen(fileName, "rb");
    if (!f) {
        refuseArchive(source, QString::fromLocal8Bit(strerror(errno)));
        setResult(ZipNoFile);
        return nullptr;
    }
    auto input = std::make_unique<ZipInput>();
    input->file = f;
    input->ownsFile = true;
    return openReader(std::move(input), password, source);
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
    input->length = data ? size : 0;
    // Named before the call: the argument that moves `input` may run first.
    const QString source = QStringLiteral("in memory (%1 bytes)").arg(input->length);
    return openReader(std::move(input), password, source);
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
    return openReader(std::move(input), password, QStringLiteral("in an open file"));
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
    ZipReader* r = readerOf(zip);
    if (!r) {
        setResult(zip ? ZipWrongKind : ZipBadArgs);
        if (error)
            *error = QStringLiteral("No archive to read.");
        return false;
    }
    auto fail = [&](int index, const QByteArray& name, ZipResult code) {
        const QString text = QStringLiteral("Zip archive %1: entry '%2' is refused: %3")
                                 .arg(r->source, QString::fromUtf8(name), refusalReason(r, index, code));
        qCWarning(lcZip).noquote() << text;
        if (error)
            *error = text;
        return false;
    };
    for (int i = 0; i < r->entryCount; ++i) {
        ZipEntry e;
        ZipResult res = cvnZipGetEntry(zip, i, e);
        if (res != ZipOk)
            return fail(i, storedName(r, i), res);
        if (e.uncompressedSize == 0)
            continue;
        ZipFileData file;
        file.name = QByteArray(e.name);
        // Refused before anything of its declared size is allocated.
        if (r->records[size_t(i)].refusal != ZipOk)
            return fail(i, file.name, setResult(r->records[size_t(i)].refusal));
        file.data.resize(int(e.uncompressedSize));
        res = cvnZipUnzipToMemory(zip, i, file.data.data(), e.uncompressedSize);
        if (res != ZipOk) {
            closeCurrent(r);
            return fail(i, file.name, res);
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
