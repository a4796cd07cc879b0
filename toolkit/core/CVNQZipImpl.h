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
// memory block. Every read and seek is bounded by the data that exists.
struct ZipInput
{
    // file
    FILE* file = nullptr;
    bool ownsFile = false;
    qint64 base = 0;
    // memory
    const unsigned char* data = nullptr;
    quint64 size = 0;
    quint64 pos = 0;
    bool isMemory = false;
    bool error = false;

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

// Reads an encrypted entry: minizip here is built without decryption, so
// the entry is opened raw and decrypted and inflated by us.
struct ZipDecryptor
{
    ZipCryptKeys keys;
    z_stream zs;
    bool deflated = false;
    bool streamEnd = false;
    quint64 remaining = 0; // uncompressed bytes still expected
    quint32 crc = 0;
    quint32 expectedCrc = 0;
    std::vector<char> input;

    ~ZipDecryptor();
    // Reads the 12-byte header and checks it against the password.
    // check is the byte the header must end in.
    ZipResult start(unzFile uf, const QByteArray& password, int method, unsigned char check, quint64 uncompressedSize,
                    quint32 crc32);
    // Like unzReadCurrentFile: bytes delivered, 0 at the end, negative on error.
    int read(unzFile uf, char* buffer, quint32 length);
};

struct ZipReader
{
    unzFile uf = nullptr;
    std::unique_ptr<ZipInput> input;
    int entryCount = 0;
    std::vector<unz64_file_pos> positions;   // per entry, for direct moves
    std::vector<quint64> declaredSizes;      // per entry, uncompressed
    std::vector<bool> encrypted;             // per entry
    int currentEntry = -1;                   // entry open for reading
    std::unique_ptr<ZipDecryptor> decryptor; // set while an encrypted entry is open
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
