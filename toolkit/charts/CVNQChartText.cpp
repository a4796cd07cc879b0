#include "CVNQChartText.h"

#include "CVNQSingleLine.h"
#include "CVNQTextLayoutCache.h"

#include <QCache>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <cmath>

namespace CVNQtLib {

namespace {

// Kept images, in kB.
constexpr int kBudget = 4096;
// Room around the box for glyphs that reach past it.
constexpr int kMargin = 4;
// Texts wider or taller than this are drawn directly.
constexpr double kMaxExtent = 2048;
// Texts remembered as drawn once, enough for the texts of several charts.
constexpr int kSeenTexts = 4096;

struct TextKey
{
    QString font;
    QString text;
    int align = 0;
    quint64 colour = 0;
    bool smooth = false;
    bool rightToLeft = false;
    int dpiX = 0;
    int dpiY = 0;
    // The box size and where its corner lies inside its device pixel, exactly:
    // glyphs are placed from these in 1/64 px, so any rounding here could
    // move a glyph by a pixel.
    double width = 0;
    double height = 0;
    double fx = 0;
    double fy = 0;

    bool operator==(const TextKey& o) const
    {
        return font == o.font && text == o.text && align == o.align && colour == o.colour && smooth == o.smooth &&
               rightToLeft == o.rightToLeft && dpiX == o.dpiX && dpiY == o.dpiY && width == o.width &&
               height == o.height && fx == o.fx && fy == o.fy;
    }
};

uint qHash(const TextKey& k, uint seed = 0)
{
    return ::qHash(k.text, seed) ^ ::qHash(k.font) ^ ::qHash(k.colour) ^ ::qHash(k.fx) ^ ::qHash(k.fy * 31) ^
           ::qHash(k.width) ^ uint(k.align);
}

// A drawn text trimmed to its pixels, where its top-left pixel lies
// relative to the device pixel of the box corner, and whether the text
// overflows its box: then the image holds all of it, and the painter clips
// it to the box as it clips a text drawn directly.
struct TextImage
{
    QImage image;
    QPoint offset;
    bool clipped = false;
};

// Texts drawn once and not kept. Only a text seen again earns a kept
// image: one whose value changes with every paint (a live reading) is drawn
// directly each time and never pays for an image it would not show again.
struct Seen
{};

struct TextImages
{
    QCache<TextKey, TextImage> kept{kBudget};
    QCache<TextKey, Seen> seen{kSeenTexts};
    // Charts draw many texts in one font: its key is made once.
    QFont keyed;
    QString fontKey;
    bool hasKey = false;

    const QString& keyOf(const QFont& font)
    {
        if (!hasKey || !(font == keyed)) {
            keyed = font;
            fontKey = font.key();
            hasKey = true;
        }
        return fontKey;
    }

    void clear()
    {
        kept.clear();
        seen.clear();
        keyed = QFont();
        hasKey = false;
    }
};

// Texts are kept at once (cvnChartTextFirstPaint).
bool firstPaint = false;

TextImages& images()
{
    static TextImages cache;
    // Images may hold textures of an OpenGL context: they go while the
    // application still stands. A font added to the application may change
    // which font draws a kept text.
    static const bool cleared = [] {
        qAddPostRoutine(cvnChartClearTextImages);
        if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            QObject::connect(app, &QGuiApplication::fontDatabaseChanged, app, &cvnChartClearTextImages);
        return true;
    }();
    Q_UNUSED(cleared);
    return cache;
}

// The smallest rectangle holding every pixel that is not transparent (a
// premultiplied transparent pixel is all zero). Each row is searched from
// its ends, and only up to the columns already known to hold ink.
QRect usedPixels(const QImage& image)
{
    const int w = image.width();
    int top = image.height(), bottom = -1, left = w, right = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < left && line[x] == 0)
            ++x;
        bool ink = x < left;
        if (ink)
            left = x;
        if (ink || right >= 0) {
            int r = w - 1;
            while (r > right && line[r] == 0)
                --r;
            if (r > right) {
                right = r;
                ink = true;
            }
        }
        if (!ink && right >= 0)
            ink = std::any_of(line + left, line + right + 1, [](QRgb p) { return p != 0; });
        if (ink) {
            top = qMin(top, y);
            bottom = y;
        }
    }
    return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The box grown away from the alignment edge by grow, so the text keeps its
// place but fits.
QRectF widened(const QRectF& box, int align, double grow)
{
    const double left = (align & Qt::AlignRight) ? grow : (align & Qt::AlignHCenter) ? grow / 2 : 0;
    const double top = (align & Qt::AlignBottom) ? grow : (align & Qt::AlignVCenter) ? grow / 2 : 0;
    return box.adjusted(-left, -top, grow - left, grow - top);
}

// Draws the text into drawn as cvnDrawCachedText draws it (in the
// painter's font, pen, direction and text antialiasing), on a transparent
// canvas that holds box with pad pixels around it.
QImage canvasFor(const QPainter& painter, const QRectF& box, const QRectF& drawn, int pad, int align,
                 const QString& text)
{
    const QPaintDevice* device = painter.device();
    QImage canvas(int(std::ceil(box.right())) + 2 * pad, int(std::ceil(box.bottom())) + 2 * pad,
                  QImage::Format_ARGB32_Premultiplied);
    // The device's resolution, for fonts sized in points.
    canvas.setDotsPerMeterX(qRound(device->logicalDpiX() / 0.0254));
    canvas.setDotsPerMeterY(qRound(device->logicalDpiY() / 0.0254));
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setFont(painter.font());
    p.setPen(painter.pen().color());
    p.setLayoutDirection(painter.layoutDirection());
    p.setRenderHint(QPainter::TextAntialiasing, painter.testRenderHint(QPainter::TextAntialiasing));
    cvnDrawCachedText(&p, drawn.translated(pad, pad), align, text);
    return canvas;
}

// Whether a canvas holds all of what was drawn on it: nothing touches its edges.
bool holdsAll(const QImage& canvas, const QRect& used)
{
    return used.isEmpty() || QRect(1, 1, canvas.width() - 2, canvas.height() - 2).contains(used);
}

// box lies at (fx, fy) inside its device pixel. Null for a text too large to keep.
TextImage* render(const QPainter& painter, const QRectF& box, int align, const QString& text)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    // Room around the box for glyphs that reach past their advance; a text
    // that needs more (it overflows its box) is drawn again with room for
    // all of it.
    const int near = int(std::ceil(metrics.height() / 2)) + kMargin;
    const int far = int(std::ceil(metrics.horizontalAdvance(text) + metrics.height())) + kMargin;
    if (!(far < kMaxExtent))
        return nullptr;
    for (const int pad : {near, far}) {
        const bool last = pad >= far;
        const QImage inBox = canvasFor(painter, box, box, pad, align, text);
        const QRect inBoxUsed = usedPixels(inBox);
        if (!last && !holdsAll(inBox, inBoxUsed))
            continue;
        // A text that does not fit its box is clipped to it: that clip is
        // left to the surface's painter, which may round the box otherwise.
        const QImage whole = canvasFor(painter, box, widened(box, align, 2 * far), pad, align, text);
        const bool clipped = inBox != whole;
        const QRect used = clipped ? usedPixels(whole) : inBoxUsed;
        if (!last && !holdsAll(whole, used))
            continue;

        auto* made = new TextImage;
        made->clipped = clipped;
        if (!used.isEmpty()) {
            made->image = (clipped ? whole : inBox).copy(used);
            made->offset = used.topLeft() - QPoint(pad, pad);
        }
        return made;
    }
    return nullptr;
}

} // namespace

void cvnChartDrawText(QPainter& painter, const QRectF& rect, int align, const QString& given)
{
    if (given.isEmpty() || painter.pen().style() == Qt::NoPen)
        return;
    // Every chart text has a box of one line: names and categories come from
    // data, and a second line would be drawn over the first.
    const QString text = cvnShownOnOneLine(given);
    const QPaintEngine* engine = painter.paintEngine();
    const QTransform device = painter.deviceTransform();
    const bool kept = engine && engine->type() == QPaintEngine::OpenGL2 && painter.device() &&
                      device.type() <= QTransform::TxTranslate && painter.pen().brush().style() == Qt::SolidPattern &&
                      painter.compositionMode() == QPainter::CompositionMode_SourceOver && rect.width() > 0 &&
                      rect.height() > 0 && rect.width() < kMaxExtent && rect.height() < kMaxExtent &&
                      qIsFinite(rect.x()) && qIsFinite(rect.y()) && text.size() < 256;
    if (!kept) {
        cvnDrawCachedText(&painter, rect, align, text);
        return;
    }

    // The box corner on the device: a whole pixel and the rest.
    const QPointF corner = device.map(rect.topLeft());
    const double px = std::floor(corner.x());
    const double py = std::floor(corner.y());

    TextImages& cache = images();
    TextKey key;
    key.font = cache.keyOf(painter.font());
    key.text = text;
    key.align = align;
    key.colour = painter.pen().color().rgba64();
    key.smooth = painter.testRenderHint(QPainter::TextAntialiasing);
    key.rightToLeft = painter.layoutDirection() == Qt::RightToLeft;
    key.dpiX = painter.device()->logicalDpiX();
    key.dpiY = painter.device()->logicalDpiY();
    key.width = rect.width();
    key.height = rect.height();
    key.fx = corner.x() - px;
    key.fy = corner.y() - py;

    TextImage* shown = cache.kept.object(key);
    if (!shown && !firstPaint && !cache.seen.contains(key)) {
        cache.seen.insert(key, new Seen);
        cvnDrawCachedText(&painter, rect, align, text);
        return;
    }
    if (!shown) {
        cache.seen.remove(key);
        TextImage* made = render(painter, QRectF(QPointF(key.fx, key.fy), rect.size()), align, text);
        const int cost = made ? int(made->image.sizeInBytes() / 1024) + 1 : 0;
        if (!made || !cache.kept.insert(key, made, cost)) {
            cvnDrawCachedText(&painter, rect, align, text);
            return;
        }
        shown = cache.kept.object(key);
    }
    if (shown->image.isNull())
        return;
    // The image's top-left pixel in logical coordinates: the inverse of the
    // device translation, so it lands on a whole device pixel.
    const QPointF at(px + shown->offset.x() - device.dx(), py + shown->offset.y() - device.dy());
    if (shown->clipped) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
        painter.drawImage(at, shown->image);
        painter.restore();
    } else {
        painter.drawImage(at, shown->image);
    }
}

bool& cvnChartTextFirstPaint()
{
    return firstPaint;
}

void cvnChartClearTextImages()
{
    images().clear();
}

} // namespace CVNQtLib
