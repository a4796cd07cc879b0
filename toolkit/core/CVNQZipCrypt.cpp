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

ZipDecryptor::~ZipDecryptor()
{
    if (deflated)
        inflateEnd(&zs);
}

ZipResult ZipDecryptor::start(unzFile uf, const QByteArray& password, int method, unsigned char check,
                              quint64 uncompressedSize, quint32 crc32)
{
    if (method != 0 && method != Z_DEFLATED)
        return ZipInflateError;
    unsigned char header[12];
    if (unzReadCurrentFile(uf, header, 12) != 12)
        return ZipCorrupt;
    keys.init(password);
    for (unsigned char& c : header)
        c = keys.decrypt(c);
    if (header[11] != check)
        return ZipPassword;
    remaining = uncompressedSize;
    expectedCrc = crc32;
    if (method == Z_DEFLATED) {
        memset(&zs, 0, sizeof zs);
        if (inflateInit2(&zs, -MAX_WBITS) != Z_OK)
            return ZipInflateError;
        deflated = true;
        input.resize(16384);
    }
    return ZipOk;
}

int ZipDecryptor::read(unzFile uf, char* buffer, quint32 length)
{
    quint32 produced = 0;
    while (produced < length && remaining > 0 && !streamEnd) {
        const quint32 want = quint32(qMin<quint64>(length - produced, remaining));
        char* out = buffer + produced;
        quint32 got = 0;
        if (!deflated) {
            const int n = unzReadCurrentFile(uf, out, want);
            if (n < 0)
                return n;
            if (n == 0)
                break; // the data ended before its declared size
            for (int i = 0; i < n; ++i)
                out[i] = char(keys.decrypt(static_cast<unsigned char>(out[i])));
            got = quint32(n);
        } else {
            if (zs.avail_in == 0) {
                const int n = unzReadCurrentFile(uf, input.data(), unsigned(input.size()));
                if (n < 0)
                    return n;
                for (int i = 0; i < n; ++i)
                    input[size_t(i)] = char(keys.decrypt(static_cast<unsigned char>(input[size_t(i)])));
                zs.next_in = reinterpret_cast<Bytef*>(input.data());
                zs.avail_in = uInt(n);
            }
            zs.next_out = reinterpret_cast<Bytef*>(out);
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
        crc = quint32(::crc32(crc, reinterpret_cast<const Bytef*>(out), got));
        produced += got;
        remaining -= got;
    }
    return int(produced);
}

} // namespace CVNQtLib
