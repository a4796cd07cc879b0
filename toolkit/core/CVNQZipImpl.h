#pragma once

// Internal state behind a ZipArchive handle: the input layers minizip reads
// through, the reader state and the writer state.

#include "CVNQZip.h"

#include <minizip/ioapi.h>
#include <minizip/unzip.h>
#include <zlib.h>

#include <memory>
#include <vector>

namespace CVNQtLib {

// What minizip reads through: a FILE* whose archive starts at `base`, or a
// memory block. Every read and seek is bounded by `length`, the archive as
// minizip may see it (its comment can be cut off, see openReader).
struct ZipInput
{
    // file
    FILE* file = nullptr;
    bool ownsFile = false;
    qint64 base = 0;
    // memory
    const unsigned char* data = nullptr;
    quint64 pos = 0;
    bool isMemory = false;
    bool error = false;
    quint64 length = 0; // bytes of the archive from its start

    // Measures a file input's length from base to its end; false when the
    // file cannot seek.
    bool measure();
    // Reads n bytes at an archive position; false when they are not all there.
    bool readAt(quint64 at, void* buffer, quint64 n);
    // Fills the minizip function table; opaque is this input.
    void fillFunctions(zlib_filefunc64_def& funcs);
    void release();
};

// Traditional PKWARE encryption keys.
struct ZipCryptKeys
{
    quint32 k0 = 305419896u, k1 = 591751049u, k2 = 878082192u;
    void init(const QByteArray& password);
    void update(unsigned char c);
    unsigned char streamByte() const;
    unsigned char encrypt(unsigned char c);
    unsigned char decrypt(unsigned char c);
};

// Reads an entry's data ourselves where minizip cannot: an encrypted entry
// (minizip here is built without decryption) and an entry whose sizes or
// offset are only in its zip64 extra field (minizip 1.1 does not decode
// it on 64-bit systems). The raw bytes come from minizip's raw-opened entry
// or straight from the input; they are decrypted when asked and inflated.
struct ZipEntryReader
{
    unzFile uf = nullptr;      // raw bytes through minizip, or
    ZipInput* input = nullptr; // straight from the input
    quint64 inputPos = 0;
    quint64 inputLeft = 0; // compressed bytes not yet taken from the input
    bool decrypting = false;
    ZipCryptKeys keys;
    z_stream zs;
    bool deflated = false;
    bool streamEnd = false;
    quint64 remaining = 0; // uncompressed bytes still expected
    quint32 crc = 0;
    quint32 expectedCrc = 0;
    std::vector<char> buffer;

    ~ZipEntryReader();
    // Sets up inflating (method 8) or copying (method 0).
    ZipResult start(int method, quint64 uncompressedSize, quint32 crc32);
    // Reads the 12-byte encryption header and checks it against the
    // password; check is the byte the header must end in.
    ZipResult startDecryption(const QByteArray& password, unsigned char check);
    // Like unzReadCurrentFile: bytes delivered, 0 at the end, negative on error.
    int read(char* out, quint32 length);

private:
    int pull(char* out, quint32 length); // raw bytes, decrypted when asked
};

// What the central directory says about one entry, zip64 fields decoded.
struct ZipEntryRecord
{
    unz64_file_pos pos;
    quint64 compressedSize = 0;
    quint64 uncompressedSize = 0;
    quint64 localOffset = 0;
    quint32 crc = 0;
    quint32 dosDate = 0;
    quint16 method = 0;
    quint16 flag = 0;
    bool zip64 = false;        // read by ZipEntryReader straight from the input
    ZipResult refusal = ZipOk; // why the entry's data cannot be read, known from its record

    bool encrypted() const { return (flag & 1) != 0; }
};

struct ZipReader
{
    unzFile uf = nullptr;
    std::unique_ptr<ZipInput> input;
    int entryCount = 0;
    std::vector<ZipEntryRecord> records;       // per entry
    int currentEntry = -1;                     // entry open for reading
    std::unique_ptr<ZipEntryReader> ownReader; // set while we read the open entry ourselves
    QString source;                            // the archive in messages: its file name or kind
    ZipEntry cached;
    int cachedIndex = -1;
    QByteArray password;
    bool hasPassword = false;
    std::vector<char> buffer; // extraction to files, allocated on first use
    QByteArray rootFolder;    // working directory at opening, ending in "/"
};

struct ZipWriterEntry
{
    QByteArray name;
    quint32 crc = 0;
    quint32 compressedSize = 0;
    quint32 uncompressedSize = 0;
    quint16 method = 0;
    quint16 flags = 0;
    quint32 dosDateTime = 0;
    quint32 externalAttributes = 0;
    quint32 localHeaderOffset = 0;
};

struct ZipWriter
{
    FILE* file = nullptr;
    bool ownsFile = false;
    unsigned char* memory = nullptr;
    quint32 memorySize = 0;
    quint64 written = 0; // bytes of the archive written so far
    QByteArray password;
    bool hasPassword = false;
    bool closed = false;
    bool failed = false; // a file write failed: the output may be partial
    std::vector<ZipWriterEntry> entries;
};

struct ZipArchive
{
    enum Kind
    {
        Reader = 1,
        Writer = 2
    };
    int kind = Reader;
    ZipReader* reader = nullptr;
    ZipWriter* writer = nullptr;
};

} // namespace CVNQtLib
