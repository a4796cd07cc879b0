#include "CVNQZipImpl.h"

#include <cstring>
#include <limits>

namespace CVNQtLib {

namespace {

ZipInput* inputOf(voidpf opaque)
{
    return static_cast<ZipInput*>(opaque);
}

// minizip calls open with a name we ignore: the input is already there.
voidpf ZCALLBACK inputOpen(voidpf opaque, const void*, int mode)
{
    if (mode & ZLIB_FILEFUNC_MODE_WRITE)
        return nullptr; // read-only layer
    return opaque;
}

uLong ZCALLBACK inputRead(voidpf opaque, voidpf, void* buf, uLong size)
{
    ZipInput* in = inputOf(opaque);
    if (in->isMemory) {
        if (in->pos >= in->size)
            return 0;
        const quint64 n = qMin<quint64>(size, in->size - in->pos);
        memcpy(buf, in->data + in->pos, size_t(n));
        in->pos += n;
        return uLong(n);
    }
    const size_t n = fread(buf, 1, size, in->file);
    if (n < size && ferror(in->file))
        in->error = true;
    return uLong(n);
}

uLong ZCALLBACK inputWrite(voidpf, voidpf, const void*, uLong)
{
    return 0;
}

ZPOS64_T ZCALLBACK inputTell(voidpf opaque, voidpf)
{
    ZipInput* in = inputOf(opaque);
    if (in->isMemory)
        return in->pos;
    const qint64 p = ftello(in->file);
    if (p < in->base)
        return ZPOS64_T(-1);
    return ZPOS64_T(p - in->base);
}

// Positions are relative to the start of the archive; nothing may move
// before that start or, for memory, past the end of the block.
long ZCALLBACK inputSeek(voidpf opaque, voidpf, ZPOS64_T offset, int origin)
{
    ZipInput* in = inputOf(opaque);
    if (in->isMemory) {
        quint64 start = 0;
        switch (origin) {
        case ZLIB_FILEFUNC_SEEK_SET: start = 0; break;
        case ZLIB_FILEFUNC_SEEK_CUR: start = in->pos; break;
        case ZLIB_FILEFUNC_SEEK_END: start = in->size; break;
        default: return -1;
        }
        if (offset > in->size - start)
            return -1;
        in->pos = start + offset;
        return 0;
    }
    if (offset > ZPOS64_T(std::numeric_limits<qint64>::max() - in->base))
        return -1;
    int whence = SEEK_SET;
    qint64 target = qint64(offset);
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: target += in->base; break;
    case ZLIB_FILEFUNC_SEEK_CUR: whence = SEEK_CUR; break;
    case ZLIB_FILEFUNC_SEEK_END: whence = SEEK_END; break;
    default: return -1;
    }
    if (fseeko(in->file, off_t(target), whence) != 0)
        return -1;
    if (ftello(in->file) < in->base)
        return -1;
    return 0;
}

int ZCALLBACK inputClose(voidpf, voidpf)
{
    return 0;
} // released by the reader

int ZCALLBACK inputError(voidpf opaque, voidpf)
{
    ZipInput* in = inputOf(opaque);
    if (in->isMemory)
        return in->error ? 1 : 0;
    return (in->error || ferror(in->file)) ? 1 : 0;
}

} // namespace

void ZipInput::fillFunctions(zlib_filefunc64_def& funcs)
{
    funcs.zopen64_file = inputOpen;
    funcs.zread_file = inputRead;
    funcs.zwrite_file = inputWrite;
    funcs.ztell64_file = inputTell;
    funcs.zseek64_file = inputSeek;
    funcs.zclose_file = inputClose;
    funcs.zerror_file = inputError;
    funcs.opaque = this;
}

void ZipInput::release()
{
    if (file && ownsFile)
        fclose(file);
    file = nullptr;
    data = nullptr;
}

} // namespace CVNQtLib
