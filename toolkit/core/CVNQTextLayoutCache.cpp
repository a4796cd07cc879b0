#include "CVNQTextLayoutCache.h"

#include <QCache>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QVector>

namespace CVNQtLib {

namespace {

// Lines kept over all fonts; a layout of a short text takes about a kB.
constexpr int kMaxLines = 4096;
// Distinct painter fonts before everything is forgotten.
constexpr int kMaxFonts = 64;

struct LineKey
{
    int font;
    QString text;
    bool operator==(const LineKey& o) const { return font == o.font && text == o.text; }
};

uint qHash(const LineKey& key, uint seed = 0)
{
    return ::qHash(key.text, seed) ^ uint(key.font);
}

struct FontEntry
{
    QFont font;
    int dpi;
    // The last metrics font this font was compared with, and the answer.
    QFont metrics;
    bool compared = false;
    bool sameMeasure = false;
};

// Whether QFontMetrics(metrics) measures a text as wide as a line laid out
// in the painter's font: the same pixel-sized font, where the painter may
// have added the family itself as its only family.
bool measuresAlike(const QFont& metrics, const QFont& painted)
{
    if (metrics.pixelSize() <= 0)
        return false;
    const QStringList families = painted.families();
    if (families == metrics.families())
        return metrics == painted;
    if (families.size() != 1 || families.first() != painted.family())
        return false;
    QFont same(painted);
    same.setFamilies(metrics.families());
    return same == metrics;
}

struct TextCache
{
    QVector<FontEntry> fonts;
    QCache<LineKey, QTextLayout> lines{kMaxLines};

    int fontId(const QFont& font, int dpi)
    {
        for (int i = 0; i < fonts.size(); ++i)
            if (fonts.at(i).dpi == dpi && fonts.at(i).font == font)
                return i;
        if (fonts.size() >= kMaxFonts) {
            lines.clear();
            fonts.clear();
        }
        fonts.append({font, dpi, QFont(), false, false});
        return fonts.size() - 1;
    }

    bool sameMeasure(int id, const QFont& metrics)
    {
        FontEntry& e = fonts[id];
        if (!e.compared || !(e.metrics == metrics)) {
            e.compared = true;
            e.metrics = metrics;
            e.sameMeasure = measuresAlike(metrics, e.font);
        }
        return e.sameMeasure;
    }
};

TextCache& cache()
{
    static TextCache c;
    // Kept lines hold font engines, and those may hold glyph caches of an
    // OpenGL painter: they must go while the application still stands.
    static const bool cleared = [] {
        qAddPostRoutine(cvnClearTextLayoutCache);
        return true;
    }();
    Q_UNUSED(cleared);
    return c;
}

// Texts that QPainter::drawText lays out as one plain line.
bool isPlainLine(const QString& text)
{
    if (text.isEmpty() || text.front().isSpace() || text.back().isSpace())
        return false;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\n' || u == '\r' || u == '\t' || u == 0x9c || u == 0x2028 || u == 0x2029)
            return false;
    }
    return true;
}

// One line laid out as drawText lays it out: left-aligned in a line as wide
// as it needs, at the top of the box.
QTextLayout* makeLine(const QString& text, const QFont& font)
{
    auto* layout = new QTextLayout(text, font);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    line.setLineWidth(0x01000000);
    line.setPosition(QPointF(0, 0));
    const bool more = layout->createLine().isValid();
    layout->endLayout();
    if (more || layout->lineCount() != 1) {
        delete layout;
        return nullptr;
    }
    return layout;
}

} // namespace

namespace {

void drawKeptLine(QPainter* painter, const QRectF& rect, int align, const QString& text, bool elide, int elideWidth)
{
    if (!painter || text.isEmpty() || painter->pen().style() == Qt::NoPen)
        return;
    const QFont font = painter->font();
    // An automatic direction lays a text out left to right unless its first
    // strong character reads right to left (as image painters start).
    const Qt::LayoutDirection direction = painter->layoutDirection();
    const bool leftToRight =
        direction == Qt::LeftToRight || (direction == Qt::LayoutDirectionAuto && !text.isRightToLeft());
    if (!isPlainLine(text) || !leftToRight || font.underline() || font.overline() || font.strikeOut()) {
        const QString shown =
            elide ? QFontMetrics(font, painter->device()).elidedText(text, Qt::ElideRight, elideWidth) : text;
        painter->drawText(rect, align, shown);
        return;
    }

    TextCache& c = cache();
    const QPaintDevice* device = painter->device();
    const LineKey key{c.fontId(font, device ? device->logicalDpiY() : 0), text};
    QTextLayout* layout = c.lines.object(key);
    if (!layout) {
        layout = makeLine(text, font);
        if (!layout) {
            painter->drawText(rect, align, text);
            return;
        }
        c.lines.insert(key, layout, 1 + text.size() / 64);
    }
    QTextLine line = layout->lineAt(0);
    const qreal width = line.naturalTextWidth();

    if (elide && text.size() > 1) {
        // The line's width is what the metrics measure for a pixel-sized
        // font; otherwise ask the metrics.
        if (!c.sameMeasure(key.font, font) || width > elideWidth) {
            const QString elided = QFontMetrics(font, painter->device()).elidedText(text, Qt::ElideRight, elideWidth);
            if (elided != text) {
                drawKeptLine(painter, rect, align, elided, false, 0);
                return;
            }
        }
    }

    // Placement and clipping as QPainter::drawText does them.
    const QRectF& r = rect;
    const qreal height = line.ascent() + line.descent();
    qreal yoff = 0;
    if (align & Qt::AlignBottom)
        yoff = r.height() - height;
    else if (align & Qt::AlignVCenter)
        yoff = (r.height() - height) / 2;
    qreal xoff = 0;
    if (align & Qt::AlignRight)
        xoff = r.width() - width;
    else if (align & Qt::AlignHCenter)
        xoff = (r.width() - width) / 2;
    const bool clip = !r.contains(QRectF(r.x() + xoff, r.y() + yoff, width, height));
    if (clip) {
        painter->save();
        painter->setClipRect(r, Qt::IntersectClip);
    }
    const qreal advance = line.horizontalAdvance();
    xoff = 0;
    if (align & Qt::AlignRight)
        xoff = r.width() - advance;
    else if (align & Qt::AlignHCenter)
        xoff = (r.width() - advance) / 2;
    line.draw(painter, QPointF(r.x() + xoff, r.y() + yoff));
    if (clip)
        painter->restore();
}

} // namespace

void cvnDrawCachedText(QPainter* painter, const QRect& rect, int align, const QString& text, bool elide, int elideWidth)
{
    drawKeptLine(painter, QRectF(rect), align, text, elide, elideWidth);
}

void cvnDrawCachedText(QPainter* painter, const QRectF& rect, int align, const QString& text)
{
    drawKeptLine(painter, rect, align, text, false, 0);
}

void cvnClearTextLayoutCache()
{
    TextCache& c = cache();
    c.lines.clear();
    c.fonts.clear();
}

} // namespace CVNQtLib
