// The theme style file "style.json": {"style": [entries]} with fill-style
// entries ("type" 1) and text-style entries ("type" 2), read into and
// written from a package's tables.

#include "CVNJson.h"
#include "CVNQResourceManager.h"
#include "CVNQResourceManagerImpl.h"
#include "CVNQTypes.h"

#include <cmath>

namespace CVNQtLib {

namespace {

// A colour key of another type than text counts as absent.
QColor readColor(const Json::Value& entry, const char* key, const char* def, bool keepAlpha)
{
    std::string text = def;
    jsonRead(entry, key, text);
    return cvnColorFromText(text, keepAlpha);
}

FillStyle readFillEntry(const Json::Value& e, float scale)
{
    FillStyle s;
    FillRes& f = s.fill;
    jsonRead(e, "name", s.name);
    jsonRead(e, "border", f.border);
    // The file's defaults differ from the record's: a one-pixel white border
    // and, without "drawImg", an image style.
    f.borderSize = 1;
    jsonRead(e, "borderSize", f.borderSize);
    f.borderSize = cvnClampToWidgetRange(f.borderSize);
    f.borderclr = readColor(e, "borderclr", "ffffffff", true);
    bool drawImg = true;
    jsonRead(e, "drawImg", drawImg);
    s.useColor = !drawImg;
    f.clr = readColor(e, "clr", "ffffffff", true);
    jsonRead(e, "img", s.img);
    jsonRead(e, "round", f.round);
    jsonRead(e, "roundTopLeft", f.roundTopLeft);
    jsonRead(e, "roundTopRight", f.roundTopRight);
    jsonRead(e, "roundBottomRight", f.roundBottomRight);
    jsonRead(e, "roundBottomLeft", f.roundBottomLeft);
    jsonRead(e, "leftBorder", f.leftBorder);
    jsonRead(e, "rightBorder", f.rightBorder);
    jsonRead(e, "topBorder", f.topBorder);
    jsonRead(e, "bottomBorder", f.bottomBorder);
    ImageDesc& d = s.imgDesc;
    jsonRead(e, "repeatLeft", d.repeatLeft);
    jsonRead(e, "repeatTop", d.repeatTop);
    jsonRead(e, "repeatRight", d.repeatRight);
    jsonRead(e, "repeatBottom", d.repeatBottom);
    jsonRead(e, "repeatCenter", d.repeatCenter);
    const Json::Value& m = jsonGet(e, "margin");
    if (m.isArray()) {
        // The file order is top, right, bottom, left.
        const int fileToRecord[4] = {MarginTop, MarginRight, MarginBottom, MarginLeft};
        for (int i = 0; i < 4; ++i) {
            // Held to the widget size range: the painter adds margins to
            // the control's size.
            int v = jsonToInt(jsonAt(m, i), 0);
            if (scale > 0.0f) {
                const float scaled = float(v) * scale;
                v = std::fabs(scaled) < float(kCvnWidgetRange) ? int(scaled)
                                                               : (scaled < 0 ? -kCvnWidgetRange : kCvnWidgetRange);
            }
            d.margin[fileToRecord[i]] = cvnClampToWidgetRange(v);
        }
    }
    if (s.name == QLatin1String("empty"))
        s.valid = false;
    return s;
}

TextStyleDesc readTextEntry(const Json::Value& e)
{
    TextStyleDesc s;
    jsonRead(e, "name", s.name);
    s.clr = readColor(e, "clr", "ff000000", false);
    jsonRead(e, "hor", s.hor);
    jsonRead(e, "ver", s.ver);
    // Offsets meet the control's size in the text painter.
    if (jsonRead(e, "x", s.x))
        s.x = cvnClampToWidgetRange(s.x);
    if (jsonRead(e, "y", s.y))
        s.y = cvnClampToWidgetRange(s.y);
    jsonRead(e, "bold", s.bold);
    jsonRead(e, "underline", s.underline);
    jsonRead(e, "italic", s.italic);
    jsonRead(e, "isHor", s.isHor);
    jsonRead(e, "singleline", s.singleline);
    jsonRead(e, "size", s.size);
    jsonRead(e, "family", s.family);
    return s;
}

Json::Value writeFillEntry(const FillStyle& s)
{
    const FillRes& f = s.fill;
    const ImageDesc& d = s.imgDesc;
    Json::Value e(Json::objectValue);
    e["type"] = 1;
    e["name"] = jsonUtf8(s.name);
    if (f.border)
        e["border"] = true;
    e["borderSize"] = f.borderSize;
    e["borderclr"] = cvnColorToText(f.borderclr);
    e["drawImg"] = !s.useColor;
    e["clr"] = cvnColorToText(f.clr);
    e["img"] = jsonUtf8(s.img);
    if (f.round != 0)
        e["round"] = f.round;
    if (!f.roundTopLeft)
        e["roundTopLeft"] = false;
    if (!f.roundTopRight)
        e["roundTopRight"] = false;
    if (!f.roundBottomRight)
        e["roundBottomRight"] = false;
    if (!f.roundBottomLeft)
        e["roundBottomLeft"] = false;
    if (f.border) {
        if (!f.leftBorder)
            e["leftBorder"] = false;
        if (!f.rightBorder)
            e["rightBorder"] = false;
        if (!f.topBorder)
            e["topBorder"] = false;
        if (!f.bottomBorder)
            e["bottomBorder"] = false;
    }
    if (d.repeatLeft)
        e["repeatLeft"] = true;
    if (d.repeatTop)
        e["repeatTop"] = true;
    if (d.repeatRight)
        e["repeatRight"] = true;
    if (d.repeatBottom)
        e["repeatBottom"] = true;
    if (d.repeatCenter)
        e["repeatCenter"] = true;
    if (d.margin[0] || d.margin[1] || d.margin[2] || d.margin[3]) {
        Json::Value m(Json::arrayValue);
        m.append(d.margin[MarginTop]);
        m.append(d.margin[MarginRight]);
        m.append(d.margin[MarginBottom]);
        m.append(d.margin[MarginLeft]);
        e["margin"] = m;
    }
    return e;
}

Json::Value writeTextEntry(const TextStyleDesc& s)
{
    Json::Value e(Json::objectValue);
    e["type"] = 2;
    e["name"] = jsonUtf8(s.name);
    e["clr"] = cvnColorToText(s.clr);
    e["hor"] = s.hor;
    e["ver"] = s.ver;
    if (s.x != 0)
        e["x"] = s.x;
    if (s.y != 0)
        e["y"] = s.y;
    if (s.bold)
        e["bold"] = true;
    if (s.underline)
        e["underline"] = true;
    if (s.italic)
        e["italic"] = true;
    if (!s.isHor)
        e["isHor"] = false;
    if (s.size != 12)
        e["size"] = s.size;
    e["family"] = jsonUtf8(s.family);
    return e;
}

} // namespace

bool CVNQResourceManager::readStyle(CVNQResourceManagerImpl* package, const Json::Value& styleArray)
{
    if (!package)
        return false;
    const float scale = effectiveScale();
    const int n = jsonSize(styleArray);
    for (int i = 0; i < n; ++i) {
        const Json::Value& e = jsonAt(styleArray, i);
        if (!e.isObject())
            continue;
        const int type = jsonInt(e, "type", 0);
        if (type == 1) {
            FillStyle s = readFillEntry(e, scale);
            package->setFillStyle(s.name, s);
        } else if (type == 2) {
            TextStyleDesc s = readTextEntry(e);
            package->setTextStyle(s.name, s);
        }
    }
    return true;
}

bool CVNQResourceManager::writeStyle(CVNQResourceManagerImpl* package, Json::Value& outArray) const
{
    if (!package)
        return false;
    for (const FillStyle& s : package->fillStyles())
        jsonAppend(outArray, writeFillEntry(s));
    for (const TextStyleDesc& s : package->textStyles())
        jsonAppend(outArray, writeTextEntry(s));
    return true;
}

QString CVNQResourceManager::toProjectStyleString() const
{
    Json::Value root(Json::objectValue);
    Json::Value styles(Json::arrayValue);
    if (m_project && writeStyle(m_project.get(), styles))
        root["style"] = styles;
    else
        root["style"] = Json::Value();
    return QString::fromStdString(jsonStyled(root));
}

} // namespace CVNQtLib
