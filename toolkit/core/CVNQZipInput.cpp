#include "CVNQZipImpl.h"

#include <cstring>

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
        if (in->pos >= in->length)
            return 0;
        const quint64 n = qMin<quint64>(size, in->length - in->pos);
        memcpy(buf, in->data + in->pos, size_t(n));
        in->pos += n;
        return uLong(n);
    }
    const qint64 at = ftello(in->file) - in->base;
    if (at < 0 || quint64(at) >= in->length)
        return 0;
    const size_t want = size_t(qMin<quint64>(size, in->length - quint64(at)));
    const size_t n = fread(buf, 1, want, in->file);
    if (n < want && ferror(in->file))
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
// before that start or past its length. minizip moves back with a relative
// seek by an unsigned offset that wraps around, so the sum wraps the same way.
long ZCALLBACK inputSeek(voidpf opaque, voidpf, ZPOS64_T offset, int origin)
{
    ZipInput* in = inputOf(opaque);
    quint64 start = 0;
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: start = 0; break;
    case ZLIB_FILEFUNC_SEEK_CUR: {
        const qint64 at = in->isMemory ? qint64(in->pos) : ftello(in->file) - in->base;
        if (at < 0)
            return -1;
        start = quint64(at);
        break;
    }
    case ZLIB_FILEFUNC_SEEK_END: start = in->length; break;
    default: return -1;
    }
    const quint64 target = start + quint64(offset);
    if (target > in->length)
        return -1;
    if (in->isMemory) {
        in->pos = target;
        return 0;
    }
    return fseeko(in->file, off_t(in->base + qint64(target)), SEEK_SET) == 0 ? 0 : -1;
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

bool ZipInput::measure()
{
    if (isMemory)
        return true;
    if (fseeko(file, 0, SEEK_END) != 0)
        return false;
    const qint64 end = ftello(file);
    if (end < base)
        return false;
    length = quint64(end - base);
    return true;
}

bool ZipInput::readAt(quint64 at, void* buffer, quint64 n)
{
    if (at > length || n > length - at)
        return false;
    if (isMemory) {
        memcpy(buffer, data + at, size_t(n));
        return true;
    }
    if (fseeko(file, off_t(base + qint64(at)), SEEK_SET) != 0)
        return false;
    return fread(buffer, 1, size_t(n), file) == size_t(n);
}

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
