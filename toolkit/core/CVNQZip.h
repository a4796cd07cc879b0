#pragma once

// Handle-based ZIP archive access used for theme and skin archives.
// Reading goes through minizip over our own input layer (a file, an open
// FILE* at its current offset, or a memory block); the writer produces
// plain archives (stored or deflated entries, optional traditional
// encryption of entry data).
//
// Every operation returns a ZipResult and records it as the last result of
// its side (reader or writer). A refused archive, and an entry that
// cvnZipReadAll refuses, are reported with the reason through the logging
// category corvane.zip (CVNQLogging.h).

#include "CVNQGlobal.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace CVNQtLib {

enum ZipResult : unsigned
{
    ZipOk = 0,
    ZipNoFile = 0x200,                // cannot be opened / created, or not a ZIP archive
    ZipWriteError = 0x400,            // a write failed
    ZipMore = 0x600,                  // the entry did not fit: call again for the rest
    ZipCorrupt = 0x700,               // corrupt entry header, or sizes beyond what its data can hold
    ZipReadError = 0x800,             // read error
    ZipPassword = 0x1000,             // wrong password
    ZipBadArgs = 0x10000,             // null handle, index out of range, bad argument
    ZipMemoryFull = 0x30000,          // the writer's memory block is full
    ZipWrongKind = 0x80000,           // a reader handle given to the writer or vice versa
    ZipNotInitialised = 0x1000000,    // the writer has no output / the reader is in use
    ZipNoSeek = 0x2000000,            // the given FILE* cannot report its position
    ZipInflateError = 0x5000000,      // inflating failed or the data ended early
    ZipCrcMismatch = 0x6000000,       // the entry's data does not match its CRC-32
    ZipTooLarge = 0x7000000,          // an entry or the whole archive exceeds the size caps
    ZipUnsupportedMethod = 0x8000000, // the entry's compression method (bzip2, LZMA, AES, ...) is not read
};

// Uncompressed size caps. Declared sizes are checked before anything is
// allocated or inflated, and minizip never inflates past the declared size,
// so these bound the memory an archive can make us use.
constexpr quint64 kZipMaxEntrySize = quint64(64) << 20;    // 64 MiB per entry
constexpr quint64 kZipMaxArchiveSize = quint64(256) << 20; // 256 MiB for all entries
// Length of ZipEntry::name including its terminating NUL.
constexpr int kZipMaxName = 1024;

// Opaque archive handle (reader or writer).
struct ZipArchive;

// Description of one entry.
struct CVNQ_EXPORT ZipEntry
{
    int index = -1;              // entry index; for the query with index -1 the entry count
    char name[kZipMaxName] = {}; // sanitised relative path, always NUL-terminated
    unsigned attributes = 0;     // Unix-style mode bits; 0x4000 directory, 0x80 writable
    qint64 accessTime = 0;       // seconds since the epoch
    qint64 creationTime = 0;
    qint64 modificationTime = 0;
    quint32 compressedSize = 0;
    quint32 uncompressedSize = 0;

    bool isDirectory() const { return (attributes & 0x4000) != 0; }
};

// ---- reader -------------------------------------------------------------

// Opens an archive by file name (bytes used unchanged); null on failure.
CVNQ_EXPORT ZipArchive* cvnZipOpenFile(const char* fileName, const char* password = nullptr);
// Opens an archive held in memory; the block must outlive the handle.
CVNQ_EXPORT ZipArchive* cvnZipOpenMemory(const void* data, quint64 size, const char* password = nullptr);
// Opens an archive that starts at the current position of an open file.
// The handle does not own the file.
CVNQ_EXPORT ZipArchive* cvnZipOpenStream(FILE* file, const char* password = nullptr);

// Number of entries of a reader, -1 for a null or writer handle.
CVNQ_EXPORT int cvnZipEntryCount(ZipArchive* zip);
// Describes entry index; index -1 describes the archive (index = entry count).
CVNQ_EXPORT ZipResult cvnZipGetEntry(ZipArchive* zip, int index, ZipEntry& entry);
// Inflates entry index into buffer. ZipMore: the buffer was filled and more
// remains; the next call with the same index continues.
CVNQ_EXPORT ZipResult cvnZipUnzipToMemory(ZipArchive* zip, int index, void* buffer, quint32 length);
// Extracts entry index to a file (folders are created; relative names are
// taken under the working directory at opening) or to an open file.
CVNQ_EXPORT ZipResult cvnZipUnzipToFile(ZipArchive* zip, int index, const char* fileName);
CVNQ_EXPORT ZipResult cvnZipUnzipToFile(ZipArchive* zip, int index, FILE* file);

// One extracted entry of cvnZipReadAll.
struct ZipFileData
{
    QByteArray name; // sanitised path bytes, as stored (usually UTF-8)
    QByteArray data;
};
// Reads every entry whose uncompressed size is above 0, in archive order.
// False on the first entry that cannot be read completely (size cap,
// inflate or CRC failure); error then names the entry and the result code.
CVNQ_EXPORT bool cvnZipReadAll(ZipArchive* zip, QList<ZipFileData>& files, QString* error = nullptr);

CVNQ_EXPORT ZipResult cvnZipCloseReader(ZipArchive* zip);
CVNQ_EXPORT ZipResult cvnZipLastReadResult();

// ---- writer -------------------------------------------------------------

// Creates an archive file (truncated when it exists); null on failure.
CVNQ_EXPORT ZipArchive* cvnZipCreateFile(const char* fileName, const char* password = nullptr);
// Writes the archive into a caller's block of size bytes.
CVNQ_EXPORT ZipArchive* cvnZipCreateMemory(void* buffer, quint32 size, const char* password = nullptr);
// Writes the archive to an open file from its current position; the handle
// does not own the file.
CVNQ_EXPORT ZipArchive* cvnZipCreateStream(FILE* file, const char* password = nullptr);

// Adds an entry from memory, deflated or stored. A name ending in "/" adds
// a folder (data ignored).
CVNQ_EXPORT ZipResult cvnZipAddMemory(ZipArchive* zip, const char* name, const void* data, quint32 length,
                                      bool deflate = true);
// Writes the central directory and the end record, closes an owned file and
// frees the handle. bytesWritten (optional) receives the archive's length.
CVNQ_EXPORT ZipResult cvnZipCloseWriter(ZipArchive* zip, quint32* bytesWritten = nullptr);
CVNQ_EXPORT ZipResult cvnZipLastWriteResult();

// ---- either -------------------------------------------------------------

// True for a non-null writer handle.
CVNQ_EXPORT bool cvnZipIsWriter(ZipArchive* zip);
// Closes either kind (the writer's or the reader's close, by kind).
CVNQ_EXPORT ZipResult cvnZipClose(ZipArchive* zip);

// The sanitised form of a stored entry name: drive prefixes and leading
// separators are skipped and no ".." component survives. At most
// kZipMaxName - 1 bytes.
CVNQ_EXPORT QByteArray cvnZipCleanName(const QByteArray& storedName);

} // namespace CVNQtLib
