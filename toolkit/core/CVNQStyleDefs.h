#pragma once

// The style records every themed control paints with: named fill styles
// (colour part FillRes plus nine-patch image part ImageDesc) and named text
// styles, and the colour text form used by all toolkit JSON.
// The records are plain values; the named tables live in the resource
// manager's packages (CVNQResourceManagerImpl).

#include "CVNQGlobal.h"

#include <QColor>
#include <QString>
#include <string>

namespace CVNQtLib {

// Family of a text style that names none. A CJK family, so Chinese texts
// render sensibly when no global font family is configured.
CVNQ_EXPORT extern const char* const kDefaultTextStyleFamily;

// Colour part of a fill style; window backgrounds take it alone.
struct CVNQ_EXPORT FillRes
{
    QColor clr{255, 255, 255, 255};  // fill colour, gradient start
    QColor clr2{255, 255, 255, 255}; // gradient end
    QColor borderclr{128, 128, 128, 255};
    bool gradient = false; // horizontal gradient clr -> clr2
    int round = 0;         // corner radius, 0 = square
    int borderSize = 0;    // border pen width
    bool border = false;
    bool leftBorder = true;
    bool topBorder = true;
    bool rightBorder = true;
    bool bottomBorder = true;
    bool roundTopLeft = true;
    bool roundTopRight = true;
    bool roundBottomRight = true;
    bool roundBottomLeft = true;
};

// How a fill style's image is stretched (nine-patch).
struct CVNQ_EXPORT ImageDesc
{
    // Fixed slices in image pixels, order: left, right, top, bottom.
    int margin[4] = {0, 0, 0, 0};
    bool repeatLeft = false;
    bool repeatRight = false;
    bool repeatTop = false;
    bool repeatBottom = false;
    bool repeatCenter = false; // tile the centre instead of stretching it
};

// Index names for ImageDesc::margin.
enum ImageMargin
{
    MarginLeft = 0,
    MarginRight = 1,
    MarginTop = 2,
    MarginBottom = 3
};

// A named background: a colour fill (fill) or a nine-patch image (img).
struct CVNQ_EXPORT FillStyle
{
    bool isTextStyle = false; // record kind; a "style" writer emits kind 1 for it
    QString name;
    bool valid = true;    // false: painters draw nothing
    bool useColor = true; // true: paint fill; false: paint img with imgDesc
    FillRes fill;
    QString img; // image name, resolved by the resource manager
    ImageDesc imgDesc;
};

// A named text style.
struct CVNQ_EXPORT TextStyleDesc
{
    bool isTextStyle = true; // record kind; a "style" writer emits kind 2 for it
    QString name;
    bool bold = false;
    bool italic = false;
    int size = 12; // pixel size
    bool underline = false;
    QString family{QString::fromLatin1(kDefaultTextStyleFamily)};
    QColor clr{Qt::black};
    int x = 0; // offsets of the text rectangle
    int y = 0;
    bool isHor = true; // false: text rotated by 90 degrees
    bool singleline = true;
    int hor = 0;       // 0 left, 1 centre, 2 right
    int ver = 1;       // 0 top, 1 centre, 2 bottom
    int elideMode = 1; // 3: draw the whole text; else elide at the right
};

// Whether two fill styles paint the same: valid and useColor agree and then,
// for colour styles, the whole colour part, for image styles the image name.
// Used where neighbouring per-state styles are folded together.
CVNQ_EXPORT bool fillStyleLooksEqual(const FillStyle& a, const FillStyle& b);

// Whether two text styles draw the same: every field but the name.
CVNQ_EXPORT bool textStyleLooksEqual(const TextStyleDesc& a, const TextStyleDesc& b);

// Colour text: the whole text parsed as one hexadecimal number the way
// strtoul(.., 16) does (case-insensitive, optional 0x, stops at the first
// non-hex character, unparsable = 0), saturated to 32 bits, taken as AARRGGBB.
CVNQ_EXPORT quint32 cvnParseHexColorNumber(const char* text);
// keepAlpha false gives an opaque colour (text styles ignore the alpha byte).
CVNQ_EXPORT QColor cvnColorFromText(const std::string& text, bool keepAlpha = true);
CVNQ_EXPORT QColor cvnColorFromText(const char* text, bool keepAlpha = true);
// Eight upper-case hex digits alpha, red, green, blue ("FFFFFFFF").
CVNQ_EXPORT std::string cvnColorToText(const QColor& c);

// The text decoded as UTF-8; null gives an empty text.
CVNQ_EXPORT QString utf8ToQString(const char* text);

} // namespace CVNQtLib
