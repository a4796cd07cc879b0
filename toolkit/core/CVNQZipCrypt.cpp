#include "CVNQZipImpl.h"

#include <cstring>

namespace CVNQtLib {

void ZipCryptKeys::init(const QByteArray& password)
{
    k0 = 305419896u;
    k1 = 591751049u;
    k2 = 878082192u;
    for (char c : password)
        update(static_cast<unsigned char>(c));
}

void ZipCryptKeys::update(unsigned char c)
{
    const auto* table = get_crc_table();
    k0 = quint32(table[(k0 ^ c) & 0xFF]) ^ (k0 >> 8);
    k1 = (k1 + (k0 & 0xFF)) * 134775813u + 1;
    k2 = quint32(table[(k2 ^ (k1 >> 24)) & 0xFF]) ^ (k2 >> 8);
}

unsigned char ZipCryptKeys::streamByte() const
{
    const quint32 t = (k2 & 0xFFFF) | 2;
    return static_cast<unsigned char>(((t * (t ^ 1)) >> 8) & 0xFF);
}

unsigned char ZipCryptKeys::encrypt(unsigned char c)
{
    const unsigned char out = c ^ streamByte();
    update(c);
    return out;
}

unsigned char ZipCryptKeys::decrypt(unsigned char c)
{
    const unsigned char plain = c ^ streamByte();
    update(plain);
    return plain;
}

ZipEntryReader::~ZipEntryReader()
{
    if (deflated)
        inflateEnd(&zs);
}

ZipResult ZipEntryReader::start(int method, quint64 uncompressedSize, quint32 crc32)
{
    if (method != 0 && method != Z_DEFLATED)
        return ZipUnsupportedMethod;
    remaining = uncompressedSize;
    expectedCrc = crc32;
    if (method == Z_DEFLATED) {
        memset(&zs, 0, sizeof zs);
        if (inflateInit2(&zs, -MAX_WBITS) != Z_OK)
            return ZipInflateError;
        deflated = true;
        buffer.resize(16384);
    }
    return ZipOk;
}

ZipResult ZipEntryReader::startDecryption(const QByteArray& password, unsigned char check)
{
    unsigned char header[12];
    if (pull(reinterpret_cast<char*>(header), 12) != 12)
        return ZipCorrupt;
    keys.init(password);
    for (unsigned char& c : header)
        c = keys.decrypt(c);
    if (header[11] != check)
        return ZipPassword;
    decrypting = true;
    return ZipOk;
}

int ZipEntryReader::pull(char* out, quint32 length)
{
    int n = 0;
    if (uf) {
        n = unzReadCurrentFile(uf, out, length);
    } else {
        const quint32 take = quint32(qMin<quint64>(length, inputLeft));
        if (take > 0 && !input->readAt(inputPos, out, take))
            return -1;
        inputPos += take;
        inputLeft -= take;
        n = int(take);
    }
    if (decrypting)
        for (int i = 0; i < n; ++i)
            out[i] = char(keys.decrypt(static_cast<unsigned char>(out[i])));
    return n;
}

int ZipEntryReader::read(char* out, quint32 length)
{
    quint32 produced = 0;
    while (produced < length && remaining > 0 && !streamEnd) {
        const quint32 want = quint32(qMin<quint64>(length - produced, remaining));
        char* to = out + produced;
        quint32 got = 0;
        if (!deflated) {
            const int n = pull(to, want);
            if (n < 0)
                return n;
            if (n == 0)
                break; // the data ended before its declared size
            got = quint32(n);
        } else {
            if (zs.avail_in == 0) {
                const int n = pull(buffer.data(), quint32(buffer.size()));
                if (n < 0)
                    return n;
                zs.next_in = reinterpret_cast<Bytef*>(buffer.data());
                zs.avail_in = uInt(n);
            }
            zs.next_out = reinterpret_cast<Bytef*>(to);
            zs.avail_out = want;
            const int err = inflate(&zs, Z_SYNC_FLUSH);
            got = want - zs.avail_out;
            if (err == Z_STREAM_END)
                streamEnd = true;
            else if (err != Z_OK && err != Z_BUF_ERROR)
                return -1;
            else if (got == 0)
                break; // no progress: the data ended early
        }
        crc = quint32(::crc32(crc, reinterpret_cast<const Bytef*>(to), got));
        produced += got;
        remaining -= got;
    }
    return int(produced);
}

} // namespace CVNQtLib
