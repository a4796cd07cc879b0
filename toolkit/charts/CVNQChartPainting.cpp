#include "CVNQChartPainting.h"

#include "CVNQChartCoords.h"
#include "CVNQChartText.h"
#include "CVNQPainters.h"

#include <QCache>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <cmath>

namespace CVNQtLib {

QRectF cvnChartPainterPicture(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    if (!device)
        return QRectF();
    const QRectF rect(0, 0, device->width(), device->height());
    bool invertible = false;
    const QTransform toLogical = painter.deviceTransform().inverted(&invertible);
    return invertible ? rect.united(toLogical.mapRect(rect)) : rect;
}

void cvnChartSetFont(QPainter& painter, int pixelSize, bool bold)
{
    QFont font = painter.font();
    font.setPixelSize(cvnChartFontSize(pixelSize, cvnChartPainterPicture(painter)));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    painter.setFont(font);
}

namespace {

// Whether painting colour would change no pixel of a surface that shows
// showing everywhere.
bool alreadyShows(const QPainter& painter, const QColor& colour, const QColor& showing)
{
    return colour.alpha() == 255 && showing.isValid() && showing.rgba() == colour.rgba() &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver;
}

} // namespace

void cvnChartFillBackground(QPainter& painter, const QRect& rect, const QColor& background, const QColor& showing)
{
    if (!alreadyShows(painter, background, showing))
        painter.fillRect(rect, background);
}

void cvnChartDrawPlot(QPainter& painter, const ChartTheme& theme, const QRectF& plot, double baseY, bool verticalGrid,
                      const QColor& showing)
{
    const QColor& background = theme.plotBackgroundColor;
    if (!alreadyShows(painter, background, showing)) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(background);
        painter.drawRect(plot);
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(theme.gridColor, 1.0));
    for (int j = 0; j <= 5; ++j) {
        const double y = plot.top() + plot.height() * j / 5;
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    for (int j = 0; verticalGrid && j <= 5; ++j) {
        const double x = plot.left() + plot.width() * j / 5;
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    painter.setPen(QPen(theme.axisColor, 1.0));
    painter.drawLine(QPointF(plot.left(), plot.top()), QPointF(plot.left(), plot.bottom()));
    painter.drawLine(QPointF(plot.left(), baseY), QPointF(plot.right(), baseY));
}

void cvnChartDrawTitle(QPainter& painter, const ChartTheme& theme, int width, const QString& title, int pixelSize)
{
    painter.setPen(theme.textColor);
    cvnChartSetFont(painter, pixelSize, true);
    cvnChartDrawText(painter, QRectF(0, 10, width, 24), Qt::AlignHCenter | Qt::AlignTop, title);
}

void cvnChartDrawValueLabels(QPainter& painter, const ChartTheme& theme, const QRectF& plot, double lo, double hi,
                             int inset, int pixelSize)
{
    cvnChartSetFont(painter, pixelSize, false);
    painter.setPen(theme.secondaryTextColor);
    for (int j = 0; j <= 5; ++j) {
        const double y = plot.top() + plot.height() * j / 5;
        cvnChartDrawText(painter, QRectF(4, y - 8, inset - 10, 16), Qt::AlignRight | Qt::AlignVCenter,
                         cvnChartNumber(hi - j * (hi - lo) / 5));
    }
}

void cvnChartDrawAxisLabels(QPainter& painter, const QVector<ChartAxisLabel>& labels, double top, double boxWidth)
{
    for (const ChartAxisLabel& label : labels)
        cvnChartDrawText(painter, QRectF(label.x - boxWidth / 2, top, boxWidth, 18), Qt::AlignCenter, label.text);
}

double cvnChartAxisLabelReach(const QFontMetricsF& metrics, const QString& text, double boxWidth)
{
    return qMin(metrics.horizontalAdvance(text), boxWidth) / 2 + 2;
}

void cvnChartPaintLegend(QPainter& painter, const ChartTheme& theme, const QColor& background,
                         const QVector<ChartLegendItem>& items, ChartLegendMarker marker, int pixelSize,
                         const QRect& clip, const std::function<QString(const ChartLegendItem&)>& text)
{
    cvnChartSetFont(painter, pixelSize, false);
    for (const ChartLegendItem& item : items) {
        if (!item.rect.intersects(clip))
            continue;
        const QRectF& r = item.rect;
        const QColor colour = item.visible ? item.color : cvnChartDimmed(item.color, background, 160);
        const QBrush fill = item.visible ? QBrush(colour) : QBrush(theme.plotBackgroundColor);
        const QRectF box(r.left(), r.top() + 3, 12, 12);
        switch (marker) {
        case ChartLegendMarker::Line: {
            const double cy = r.center().y();
            painter.setPen(QPen(colour, 2.0));
            painter.drawLine(QPointF(r.left(), cy), QPointF(r.left() + 12, cy));
            painter.setBrush(fill);
            painter.drawEllipse(QPointF(r.left() + 6, cy), 3.5, 3.5);
            break;
        }
        case ChartLegendMarker::Square:
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawRoundedRect(box, 3, 3);
            break;
        case ChartLegendMarker::Ring:
            painter.setPen(QPen(colour, 1.4));
            painter.setBrush(fill);
            painter.drawEllipse(box);
            break;
        case ChartLegendMarker::Disc:
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(box);
            break;
        }
        painter.setPen(item.visible ? theme.secondaryTextColor
                                    : cvnChartDimmed(theme.secondaryTextColor, background, 145));
        cvnChartDrawText(painter, QRectF(r.left() + 18, r.top(), r.width() - 18, r.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text ? text(item) : item.label);
    }
}

// --- bars ---------------------------------------------------------------------

namespace {

// Sub-pixel steps per pixel: the thin-line stroker places its pixels in
// 1/65536 px, so a short copy at that precision paints exactly like the bar.
constexpr qint64 kSteps = 65536;
// The straight edges of a bar only tell 1/256 px apart (the path
// rasteriser 1/64 px, the thin-line stroker 256 alpha levels).
constexpr int kStraightShift = 8;
// Rows of a kept middle image; taller middles take several copies.
constexpr int kMiddleRows = 64;
// Straight rows a short copy of a bar keeps between its corners.
constexpr int kStraightRows = 10;
// Kept images, in kB.
constexpr int kShortBudget = 6 * 1024;
constexpr int kMiddleBudget = 4 * 1024;

// Colours and pen of a bar.
struct BarPaint
{
    quint64 fill = 0;
    quint64 line = 0;
    double penWidth = 0;
    int penShape = 0; // cap and join

    bool operator==(const BarPaint& o) const
    {
        return fill == o.fill && line == o.line && penWidth == o.penWidth && penShape == o.penShape;
    }
};

// A short copy of a bar: sub-pixel offsets of its left and top edges,
// its size in steps, the corner radius.
struct ShortBarKey
{
    BarPaint paint;
    qint64 fx = 0;
    qint64 fy = 0;
    qint64 width = 0;
    qint64 height = 0;
    double radius = 0;

    bool operator==(const ShortBarKey& o) const
    {
        return paint == o.paint && fx == o.fx && fy == o.fy && width == o.width && height == o.height &&
               radius == o.radius;
    }
};

// One straight middle row: where its edges fall and its width in pixels.
struct MiddleKey
{
    BarPaint paint;
    qint64 left = 0;
    qint64 right = 0;
    int cols = 0;

    bool operator==(const MiddleKey& o) const
    {
        return paint == o.paint && left == o.left && right == o.right && cols == o.cols;
    }
};

inline uint combine(uint seed, uint value)
{
    return seed ^ (value + 0x9e3779b9u + (seed << 6) + (seed >> 2));
}

uint qHash(const BarPaint& k, uint seed = 0)
{
    seed = combine(seed, ::qHash(k.fill));
    seed = combine(seed, ::qHash(k.line));
    seed = combine(seed, ::qHash(k.penWidth));
    return combine(seed, ::qHash(k.penShape));
}

uint qHash(const ShortBarKey& k, uint seed = 0)
{
    seed = combine(qHash(k.paint, seed), ::qHash(k.fx));
    seed = combine(seed, ::qHash(k.fy));
    seed = combine(seed, ::qHash(k.width));
    seed = combine(seed, ::qHash(k.height));
    return combine(seed, ::qHash(k.radius));
}

uint qHash(const MiddleKey& k, uint seed = 0)
{
    seed = combine(qHash(k.paint, seed), ::qHash(k.left));
    seed = combine(seed, ::qHash(k.right));
    return combine(seed, ::qHash(k.cols));
}

struct ShortBar
{
    QImage image;
    int split = -1; // a row of the straight middle, -1 when there is none
};

inline qint64 floorDiv(qint64 a, qint64 b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

struct ChartBarPainter::Cache
{
    QCache<ShortBarKey, ShortBar> bars{kShortBudget};
    QCache<MiddleKey, QImage> middles{kMiddleBudget};
};

ChartBarPainter::ChartBarPainter()
    : m_cache(new Cache)
{}

ChartBarPainter::~ChartBarPainter() = default;

void ChartBarPainter::begin(QPainter& painter)
{
    m_kept = cvnCopiesInWholePixels(&painter) && painter.testRenderHint(QPainter::Antialiasing);
    m_paintable = cvnPaintableRect(&painter);
    if (m_kept) {
        // Smooth pixmap scaling turns whole-pixel image copies into filtered ones.
        m_smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
}

void ChartBarPainter::end(QPainter& painter)
{
    if (m_kept && m_smooth)
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_kept = false;
}

void ChartBarPainter::paint(QPainter& painter, const QRectF& rect, double cornerRadius, const QColor& fill,
                            const QPen& outline)
{
    // The painter never rounds a corner by more than half the bar.
    const double radius = cvnChartExtent(cornerRadius, 0.0, cvnChartPainterPicture(painter).united(rect));
    const double penWidth = outline.style() == Qt::NoPen ? 0.0 : qMax(outline.widthF(), 1.0);
    const double reach = penWidth / 2 + 2;
    const QRectF area = rect.normalized().adjusted(-reach, -reach, reach, reach);
    if (!(std::abs(area.left()) < 1e7 && std::abs(area.right()) < 1e7 && std::abs(area.top()) < 1e7 &&
          std::abs(area.bottom()) < 1e7)) {
        painter.setPen(outline);
        painter.setBrush(fill);
        painter.drawRoundedRect(rect, radius, radius, Qt::AbsoluteSize);
        return;
    }
    if (!area.intersects(m_paintable))
        return; // nothing of it would show

    const qint64 left = qRound64(rect.left() * kSteps);
    const qint64 top = qRound64(rect.top() * kSteps);
    const qint64 width = qRound64(rect.right() * kSteps) - left;
    const qint64 height = qRound64(rect.bottom() * kSteps) - top;
    const bool plainPen =
        outline.style() == Qt::NoPen ||
        (outline.style() == Qt::SolidLine && outline.brush().style() == Qt::SolidPattern && outline.widthF() <= 8);
    if (!m_kept || !plainPen || width <= 0 || height <= 0 || !(radius >= 0 && radius <= 1000) ||
        width > 4096 * kSteps) {
        painter.setPen(outline);
        painter.setBrush(fill);
        painter.drawRoundedRect(rect, radius, radius, Qt::AbsoluteSize);
        return;
    }

    // The bar is its short copy with `extra` copies of a straight middle row.
    const int margin = 2 + int(std::ceil(penWidth / 2));
    const qint64 straight = 2 * qint64(std::ceil(radius)) + kStraightRows;
    const qint64 extra = height > (straight + 1) * kSteps ? (height - straight * kSteps) / kSteps : 0;
    const qint64 x0 = floorDiv(left, kSteps);
    const qint64 y0 = floorDiv(top, kSteps);

    ShortBarKey key;
    key.paint.fill = fill.rgba64();
    key.paint.line = outline.style() == Qt::NoPen ? 0 : outline.color().rgba64();
    key.paint.penWidth = outline.style() == Qt::NoPen ? -1.0 : outline.widthF();
    key.paint.penShape = int(outline.capStyle()) | int(outline.joinStyle());
    key.fx = left - x0 * kSteps;
    key.width = width;
    key.fy = top - y0 * kSteps;
    key.height = height - extra * kSteps;
    key.radius = radius;

    ShortBar* bar = m_cache->bars.object(key);
    if (!bar) {
        const double lx = margin + double(key.fx) / kSteps;
        const double ly = margin + double(key.fy) / kSteps;
        const double w = double(width) / kSteps;
        const double h = double(key.height) / kSteps;
        auto* made = new ShortBar;
        made->image = QImage(int(std::ceil(lx + w)) + margin, int(std::ceil(ly + h)) + margin,
                             QImage::Format_ARGB32_Premultiplied);
        made->image.fill(Qt::transparent);
        QPainter copy(&made->image);
        copy.setRenderHint(QPainter::Antialiasing);
        copy.setPen(outline);
        copy.setBrush(fill);
        copy.drawRoundedRect(QRectF(lx, ly, w, h), radius, radius, Qt::AbsoluteSize);
        copy.end();
        if (key.height >= straight * kSteps)
            made->split = int(std::ceil(ly + radius)) + 1;
        const int cost = int(made->image.sizeInBytes() / 1024) + 1;
        if (!m_cache->bars.insert(key, made, cost)) {
            painter.setPen(outline);
            painter.setBrush(fill);
            painter.drawRoundedRect(rect, radius, radius, Qt::AbsoluteSize);
            return;
        }
        bar = m_cache->bars.object(key);
    }

    const QImage& image = bar->image;
    const QPoint origin(int(x0) - margin, int(y0) - margin);
    if (extra == 0) {
        painter.drawImage(origin, image);
        return;
    }
    const int split = bar->split;
    const int cols = image.width();
    painter.drawImage(origin, image, QRect(0, 0, cols, split));
    // Only the middle rows the painter can change are copied.
    const qint64 firstRow = origin.y() + split;
    const qint64 lastRow = firstRow + extra; // inclusive
    const qint64 shownFirst = qMax<qint64>(firstRow, m_paintable.top());
    qint64 shownLast = qMin<qint64>(lastRow, m_paintable.bottom());
    if (shownFirst <= shownLast) {
        const MiddleKey middleKey{key.paint, key.fx >> kStraightShift, (key.fx + width) >> kStraightShift, cols};
        QImage* middle = m_cache->middles.object(middleKey);
        if (!middle) {
            auto* made = new QImage(cols, kMiddleRows, QImage::Format_ARGB32_Premultiplied);
            const uchar* pattern = image.constScanLine(split);
            for (int y = 0; y < kMiddleRows; ++y)
                memcpy(made->scanLine(y), pattern, size_t(cols) * 4);
            const int cost = int(made->sizeInBytes() / 1024) + 1;
            m_cache->middles.insert(middleKey, made, cost);
            middle = m_cache->middles.object(middleKey);
        }
        if (!middle) {
            // Too wide to keep: the straight part as the rasteriser fills it.
            painter.save();
            painter.setClipRect(QRect(origin.x(), int(shownFirst), cols, int(shownLast - shownFirst + 1)),
                                Qt::IntersectClip);
            painter.setPen(outline);
            painter.setBrush(fill);
            painter.drawRoundedRect(rect, radius, radius, Qt::AbsoluteSize);
            painter.restore();
            shownLast = shownFirst - 1;
        }
        for (qint64 y = shownFirst; y <= shownLast; y += kMiddleRows) {
            const int rows = int(qMin<qint64>(kMiddleRows, shownLast - y + 1));
            painter.drawImage(QPoint(origin.x(), int(y)), *middle, QRect(0, 0, cols, rows));
        }
    }
    painter.drawImage(QPoint(origin.x(), int(lastRow) + 1), image,
                      QRect(0, split + 1, cols, image.height() - split - 1));
}

} // namespace CVNQtLib
