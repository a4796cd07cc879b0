#include "CVNQStyleDefs.h"

#include <cstdio>
#include <cstring>

namespace CVNQtLib {

const char* const kDefaultTextStyleFamily = "Microsoft YaHei";

bool fillStyleLooksEqual(const FillStyle& a, const FillStyle& b)
{
    if (a.valid != b.valid || a.useColor != b.useColor)
        return false;
    if (!a.useColor)
        return a.img == b.img;
    const FillRes& x = a.fill;
    const FillRes& y = b.fill;
    return x.clr == y.clr && x.clr2 == y.clr2 && x.borderclr == y.borderclr && x.gradient == y.gradient &&
           x.round == y.round && x.borderSize == y.borderSize && x.border == y.border && x.leftBorder == y.leftBorder &&
           x.topBorder == y.topBorder && x.rightBorder == y.rightBorder && x.bottomBorder == y.bottomBorder &&
           x.roundTopLeft == y.roundTopLeft && x.roundTopRight == y.roundTopRight &&
           x.roundBottomRight == y.roundBottomRight && x.roundBottomLeft == y.roundBottomLeft;
}

bool textStyleLooksEqual(const TextStyleDesc& a, const TextStyleDesc& b)
{
    return a.isTextStyle == b.isTextStyle && a.bold == b.bold && a.italic == b.italic && a.size == b.size &&
           a.underline == b.underline && a.family == b.family && a.clr == b.clr && a.x == b.x && a.y == b.y &&
           a.isHor == b.isHor && a.singleline == b.singleline && a.hor == b.hor && a.ver == b.ver &&
           a.elideMode == b.elideMode;
}

namespace {
int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
} // namespace

quint32 cvnParseHexColorNumber(const char* text)
{
    // strtoul semantics with a 32-bit unsigned long, as stored theme files
    // expect: leading blanks and a sign are accepted, overflow saturates.
    if (!text)
        return 0;
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && hexDigit(p[2]) >= 0)
        p += 2;
    if (hexDigit(*p) < 0)
        return 0;
    quint64 value = 0;
    bool overflow = false;
    for (int d; (d = hexDigit(*p)) >= 0; ++p) {
        value = value * 16 + quint64(d);
        if (value > 0xFFFFFFFFull) {
            overflow = true;
            value = 0xFFFFFFFFull;
        }
    }
    if (overflow)
        return 0xFFFFFFFFu;
    quint32 v = quint32(value);
    return negative ? quint32(0u - v) : v;
}

QColor cvnColorFromText(const char* text, bool keepAlpha)
{
    const quint32 v = cvnParseHexColorNumber(text);
    QColor c = QColor::fromRgba(QRgb(v));
    if (!keepAlpha)
        c.setAlpha(255);
    return c;
}

QColor cvnColorFromText(const std::string& text, bool keepAlpha)
{
    return cvnColorFromText(text.c_str(), keepAlpha);
}

std::string cvnColorToText(const QColor& c)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02X%02X%02X%02X", unsigned(c.alpha()) & 0xFF, unsigned(c.red()) & 0xFF,
                  unsigned(c.green()) & 0xFF, unsigned(c.blue()) & 0xFF);
    return std::string(buf);
}

QString utf8ToQString(const char* text)
{
    if (!text)
        return QString();
    return QString::fromUtf8(text, int(std::strlen(text)));
}

} // namespace CVNQtLib
