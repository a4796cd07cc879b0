#include "CVNQZipImpl.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <zlib.h>

#include <cstring>

namespace CVNQtLib {

namespace {

ZipResult g_lastWriteResult = ZipOk;

ZipResult setResult(ZipResult r)
{
    g_lastWriteResult = r;
    return r;
}

ZipWriter* writerOf(ZipArchive* zip)
{
    return (zip && zip->kind == ZipArchive::Writer) ? zip->writer : nullptr;
}

void put16(QByteArray& b, quint32 v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray& b, quint32 v)
{
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

quint32 dosDateTimeNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    const quint32 date = quint32(((qMax(d.year(), 1980) - 1980) << 9) | (d.month() << 5) | d.day());
    const quint32 time = quint32((t.hour() << 11) | (t.minute() << 5) | (t.second() / 2));
    return (date << 16) | time;
}

// The one write step: to the caller's block (never past its end) or to the file.
ZipResult writeBytes(ZipWriter* w, const char* data, quint32 count)
{
    if (w->memory) {
        if (w->written + count > w->memorySize)
            return ZipMemoryFull;
        memcpy(w->memory + w->written, data, count);
    } else if (w->file) {
        if (fwrite(data, 1, count, w->file) != count) {
            w->failed = true;
            return ZipWriteError;
        }
    } else {
        return ZipNotInitialised;
    }
    w->written += count;
    return ZipOk;
}

ZipResult writeBytes(ZipWriter* w, const QByteArray& b)
{
    return writeBytes(w, b.constData(), quint32(b.size()));
}

bool deflateRaw(const void* data, quint32 length, QByteArray& out)
{
    z_stream zs;
    memset(&zs, 0, sizeof zs);
    if (deflateInit2(&zs, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    out.resize(int(deflateBound(&zs, length)));
    zs.next_in = static_cast<Bytef*>(const_cast<void*>(data));
    zs.avail_in = length;
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = uInt(out.size());
    const int err = deflate(&zs, Z_FINISH);
    const uLong produced = zs.total_out;
    deflateEnd(&zs);
    if (err != Z_STREAM_END)
        return false;
    out.resize(int(produced));
    return true;
}

ZipArchive* newWriter(ZipWriter* w, const char* password)
{
    if (password) {
        w->password = QByteArray(password);
        w->hasPassword = true;
    }
    auto* zip = new ZipArchive;
    zip->kind = ZipArchive::Writer;
    zip->writer = w;
    setResult(ZipOk);
    return zip;
}

// The fields the local and the central header share, from the version
// needed to extract to the name length.
void putEntryFields(QByteArray& b, const ZipWriterEntry& e)
{
    put16(b, 20); // needed to extract
    put16(b, e.flags);
    put16(b, e.method);
    put32(b, e.dosDateTime);
    put32(b, e.crc);
    put32(b, e.compressedSize);
    put32(b, e.uncompressedSize);
    put16(b, quint32(e.name.size()));
}

QByteArray centralHeader(const ZipWriterEntry& e)
{
    QByteArray b;
    b.append("\x50\x4B\x01\x02", 4);
    put16(b, (3u << 8) | 20u); // made by: Unix host, so the attributes are mode bits
    putEntryFields(b, e);
    put16(b, 0); // extra field
    put16(b, 0); // comment
    put16(b, 0); // disk number
    put16(b, 0); // internal attributes
    put32(b, e.externalAttributes);
    put32(b, e.localHeaderOffset);
    b.append(e.name);
    return b;
}

} // namespace

ZipArchive* cvnZipCreateFile(const char* fileName, const char* password)
{
    FILE* f = fileName ? fopen(fileName, "wb") : nullptr;
    if (!f) {
        setResult(ZipNoFile);
        return nullptr;
    }
    auto* w = new ZipWriter;
    w->file = f;
    w->ownsFile = true;
    return newWriter(w, password);
}

ZipArchive* cvnZipCreateMemory(void* buffer, quint32 size, const char* password)
{
    if (!buffer || size == 0) {
        setResult(ZipBadArgs);
        return nullptr;
    }
    auto* w = new ZipWriter;
    w->memory = static_cast<unsigned char*>(buffer);
    w->memorySize = size;
    return newWriter(w, password);
}

ZipArchive* cvnZipCreateStream(FILE* file, const char* password)
{
    if (!file) {
        setResult(ZipBadArgs);
        return nullptr;
    }
    auto* w = new ZipWriter;
    w->file = file;
    return newWriter(w, password);
}

ZipResult cvnZipAddMemory(ZipArchive* zip, const char* name, const void* data, quint32 length, bool deflate)
{
    ZipWriter* w = writerOf(zip);
    if (!zip)
        return setResult(ZipBadArgs);
    if (!w)
        return setResult(ZipWrongKind);
    if (w->closed)
        return setResult(ZipNotInitialised);
    if (!name || !*name || (!data && length > 0))
        return setResult(ZipBadArgs);
    ZipWriterEntry e;
    e.name = QByteArray(name);
    if (e.name.size() > 0xFFFF || w->written > 0xFFFFFFFFu)
        return setResult(ZipBadArgs);
    const bool folder = e.name.endsWith('/');
    if (folder)
        length = 0;
    e.uncompressedSize = length;
    e.crc = quint32(crc32(0, static_cast<const Bytef*>(data), length));
    e.dosDateTime = dosDateTimeNow();
    e.externalAttributes = folder ? ((040755u << 16) | 0x10u) : (0100644u << 16);
    e.localHeaderOffset = quint32(w->written);
    for (char c : e.name)
        if (static_cast<unsigned char>(c) >= 0x80)
            e.flags |= 0x800; // the name is UTF-8

    QByteArray payload;
    if (deflate && length > 0) {
        if (!deflateRaw(data, length, payload))
            return setResult(ZipWriteError);
        e.method = Z_DEFLATED;
    } else {
        payload = QByteArray(static_cast<const char*>(data), int(length));
    }
    if (w->hasPassword && !folder) {
        // A 12-byte header whose last byte is the CRC's high byte lets
        // readers tell a wrong password; header and data are encrypted.
        e.flags |= 1;
        ZipCryptKeys keys;
        keys.init(w->password);
        QByteArray sealed(12, '\0');
        for (int i = 0; i < 11; ++i)
            sealed[i] = char(QRandomGenerator::global()->bounded(256));
        sealed[11] = char(e.crc >> 24);
        sealed += payload;
        for (int i = 0; i < sealed.size(); ++i)
            sealed[i] = char(keys.encrypt(static_cast<unsigned char>(sealed[i])));
        payload = sealed;
    }
    if (quint64(payload.size()) + w->written > 0xFFFFFFFFu)
        return setResult(ZipBadArgs);
    e.compressedSize = quint32(payload.size());

    QByteArray local;
    local.append("\x50\x4B\x03\x04", 4);
    putEntryFields(local, e);
    put16(local, 0); // extra field
    local.append(e.name);
    // One write, so a block that cannot take the whole entry takes none of it.
    const ZipResult res = writeBytes(w, local + payload);
    if (res != ZipOk)
        return setResult(res);
    w->entries.push_back(e);
    return setResult(ZipOk);
}

ZipResult cvnZipCloseWriter(ZipArchive* zip, quint32* bytesWritten)
{
    if (!zip)
        return setResult(ZipBadArgs);
    if (zip->kind != ZipArchive::Writer)
        return setResult(ZipWrongKind);
    ZipWriter* w = zip->writer;
    ZipResult res = w->failed ? ZipWriteError : ZipOk;
    if (!w->closed) {
        w->closed = true;
        const quint64 directoryOffset = w->written;
        for (const ZipWriterEntry& e : w->entries) {
            if (res != ZipOk)
                break;
            res = writeBytes(w, centralHeader(e));
            if (res != ZipOk)
                break;
        }
        if (res == ZipOk) {
            QByteArray end;
            end.append("\x50\x4B\x05\x06", 4);
            put16(end, 0);
            put16(end, 0);
            put16(end, quint32(w->entries.size()));
            put16(end, quint32(w->entries.size()));
            put32(end, quint32(w->written - directoryOffset));
            put32(end, quint32(directoryOffset));
            put16(end, 0);
            res = writeBytes(w, end);
        }
    }
    if (w->file) {
        // Buffered bytes can still fail to reach the disk here.
        const int flushed = w->ownsFile ? fclose(w->file) : fflush(w->file);
        if (flushed != 0)
            res = ZipWriteError;
    }
    if (bytesWritten)
        *bytesWritten = quint32(w->written);
    delete w;
    delete zip;
    // Any failed write is reported as a write failure.
    return setResult(res == ZipOk ? ZipOk : ZipWriteError);
}

ZipResult cvnZipLastWriteResult()
{
    return g_lastWriteResult;
}

} // namespace CVNQtLib
