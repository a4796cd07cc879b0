#include "CVNQChartPlotPainter.h"

#include "CVNQChartCoords.h"
#include "CVNQChartPainting.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>
#include <limits>
#include <vector>

namespace CVNQtLib {

namespace {

// Segments per stroked run of a sparse line.
constexpr int kStrokeRun = 16;
// Below this mean spacing of points (pixels) a line is painted as its
// stroke band sampled per pixel column, which then loses nothing visible.
constexpr double kDenseSpacing = 3.0;
// Mean jump (pixels) of a dense band's two edges between neighbouring
// columns above which the band is painted column by column.
constexpr double kJaggedBand = 6.0;
// Pixel columns per whole-pixel rectangle under an area.
constexpr int kFillRun = 16;
// Device pixels across the largest stamped symbol image.
constexpr double kMaxStampSide = 128;
// Pictures' worth of area that the large symbols of one run may cover.
constexpr double kSymbolPictures = 12;
// Columns whose covered rows are looked at together first.
constexpr int kCoverBlock = 16;

// A device pixel in the painter's logical units.
double cvnChartDevicePixel(const QPainter& painter)
{
    const QTransform t = painter.deviceTransform();
    const double scale = qMin(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22()));
    return scale > 1e-3 ? 1 / scale : 1000.0;
}

bool onOpenGL(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::OpenGL2;
}

struct Interval
{
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    void add(double a, double b)
    {
        lo = qMin(lo, qMin(a, b));
        hi = qMax(hi, qMax(a, b));
    }
    bool isEmpty() const { return lo > hi; }
};

// What a line's round-capped stroke of radius r covers on the centre line
// of each pixel column, from column x0 on.
struct StrokeCover
{
    int x0 = 0;
    std::vector<Interval> columns;
    double centre(size_t k) const { return x0 + double(k) + 0.5; }
};

// The stroke around one point: the round cap or join there. A point's
// square of side 2r stands in for its disk; on the column centres that
// differs by well under a pixel, and it keeps the square root out of the
// loop that runs for every point of a long series.
void addPoint(StrokeCover& c, const QPointF& p, double r)
{
    const int kFirst = qMax(0, int(std::ceil(p.x() - r - 0.5 - c.x0)));
    const int kLast = qMin(int(c.columns.size()) - 1, int(std::floor(p.x() + r - 0.5 - c.x0)));
    for (int k = kFirst; k <= kLast; ++k)
        c.columns[size_t(k)].add(p.y() - r, p.y() + r);
}

// The body of a segment's stroke: within r of the segment's line, between
// the ends' heights widened by r (which keeps steep bodies from reaching
// past their caps).
void addBody(StrokeCover& c, const QPointF& a, const QPointF& b, double r)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double len = std::sqrt(dx * dx + dy * dy);
    if (len < 1e-12)
        return;
    // Horizontal reach of the body beyond the ends.
    const double reach = r * qAbs(dy) / len;
    const int kFirst = qMax(0, int(std::ceil(qMin(a.x(), b.x()) - reach - 0.5 - c.x0)));
    const int kLast = qMin(int(c.columns.size()) - 1, int(std::floor(qMax(a.x(), b.x()) + reach - 0.5 - c.x0)));
    const double yMin = qMin(a.y(), b.y()) - r;
    const double yMax = qMax(a.y(), b.y()) + r;
    if (qAbs(dx) < 1e-9) {
        for (int k = kFirst; k <= kLast; ++k)
            c.columns[size_t(k)].add(yMin + r, yMax - r);
        return;
    }
    const double slope = dy / dx;
    const double h = r * len / qAbs(dx);
    for (int k = kFirst; k <= kLast; ++k) {
        const double yl = a.y() + (c.centre(size_t(k)) - a.x()) * slope;
        const double lo = qMax(yl - h, yMin);
        const double hi = qMin(yl + h, yMax);
        if (lo <= hi)
            c.columns[size_t(k)].add(lo, hi);
    }
}

// The columns from the line's reach, but no more than a column past either
// side of what the painter shows (shown): the band's edges there lie
// outside it, so the picture is the same.
StrokeCover strokeCover(const QPolygonF& line, double r, const QRectF& shown)
{
    StrokeCover c;
    const bool bounded = !shown.isEmpty();
    c.x0 = int(std::floor(bounded ? qMax(line.first().x() - r, shown.left() - 2) : line.first().x() - r));
    const int end = int(std::floor(bounded ? qMin(line.last().x() + r, shown.right() + 2) : line.last().x() + r));
    c.columns.resize(size_t(qMax(end - c.x0 + 1, 0)));
    for (int i = 0; i < line.size(); ++i) {
        addPoint(c, line.at(i), r);
        if (i + 1 < line.size())
            addBody(c, line.at(i), line.at(i + 1), r);
    }
    return c;
}

// Whether a round stroke of radius r along line covers all of shown: some
// point of the line lies within r of the whole of it.
bool strokeCoversAll(const QPolygonF& line, double r, const QRectF& shown)
{
    if (shown.isEmpty())
        return false;
    const double reach = r - std::hypot(shown.width(), shown.height()) / 2;
    const QPointF centre = shown.center();
    for (const QPointF& p : line)
        if (std::hypot(p.x() - centre.x(), p.y() - centre.y()) <= reach)
            return true;
    return false;
}

// How far the band's edges jump from column to column, per column.
double bandJumpiness(const StrokeCover& c)
{
    double jumps = 0;
    int counted = 0;
    const Interval* previous = nullptr;
    for (const Interval& col : c.columns) {
        if (col.isEmpty())
            continue;
        if (previous)
            jumps += qAbs(col.lo - previous->lo) + qAbs(col.hi - previous->hi);
        previous = &col;
        ++counted;
    }
    return counted ? jumps / counted : 0.0;
}

// A band whose edges jump by pixels from column to column (jagged data)
// as one rectangle per column: the same coverage, without the long
// zig-zag outline that antialiased polygon filling pays for per pixel.
QVector<QRectF> bandColumns(const StrokeCover& c)
{
    QVector<QRectF> rects;
    rects.reserve(int(c.columns.size()));
    for (size_t k = 0; k < c.columns.size(); ++k)
        if (!c.columns[k].isEmpty())
            rects.append(QRectF(c.x0 + double(k), c.columns[k].lo, 1, c.columns[k].hi - c.columns[k].lo));
    return rects;
}

// The band's pixel columns as strokes of vertical segments with flat caps:
// an OpenGL painter turns an opaque stroke into a single triangle strip,
// where a filled polygon of the same outline would go through the stencil
// buffer (a fan over the whole band, then a cover pass) and separate
// rectangles would each be a draw call of their own. The rasteriser works
// in blocks of 4 x 4 pixels, so a 1-px column costs a whole block per 4 rows:
// rows that the columns of a block (or of half a block) share go as one
// segment as wide as those columns, only the rest column by column.
constexpr int kBlock = 4;

struct BandStrokes
{
    QPainterPath byWidth[kBlock + 1]; // segments 1, 2 and 4 px wide
};

// Shortest shared run (px) worth a wider segment.
constexpr double kSharedRun = 1.0;

void addBand(BandStrokes& out, double left, int width, const Interval* parts)
{
    Interval shared{-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
    for (int k = 0; k < width; ++k) {
        shared.lo = qMax(shared.lo, parts[k].lo);
        shared.hi = qMin(shared.hi, parts[k].hi);
    }
    if (width == 1 || shared.hi - shared.lo >= kSharedRun) {
        if (!(shared.lo < shared.hi))
            return;
        out.byWidth[width].moveTo(left + width / 2.0, shared.lo);
        out.byWidth[width].lineTo(left + width / 2.0, shared.hi);
        if (width == 1)
            return;
        // What is left of each column lies above and below the shared rows.
        Interval above[kBlock], below[kBlock];
        for (int k = 0; k < width; ++k) {
            above[k] = {parts[k].lo, shared.lo};
            below[k] = {shared.hi, parts[k].hi};
        }
        for (int half = 0; half < width; half += width / 2) {
            addBand(out, left + half, width / 2, above + half);
            addBand(out, left + half, width / 2, below + half);
        }
        return;
    }
    for (int half = 0; half < width; half += width / 2)
        addBand(out, left + half, width / 2, parts + half);
}

BandStrokes bandStrokes(const StrokeCover& c)
{
    BandStrokes out;
    const int count = int(c.columns.size());
    // Groups of columns that share a block, by device column.
    for (int first = -(((c.x0 % kBlock) + kBlock) % kBlock); first < count; first += kBlock) {
        Interval parts[kBlock];
        for (int k = 0; k < kBlock; ++k)
            if (first + k >= 0 && first + k < count)
                parts[k] = c.columns[size_t(first + k)];
        addBand(out, c.x0 + first, kBlock, parts);
    }
    return out;
}

QPolygonF bandPolygon(const StrokeCover& c)
{
    QPolygonF band;
    band.reserve(int(2 * c.columns.size()));
    for (size_t k = 0; k < c.columns.size(); ++k)
        if (!c.columns[k].isEmpty())
            band.append(QPointF(c.centre(k), c.columns[k].lo));
    for (size_t k = c.columns.size(); k-- > 0;)
        if (!c.columns[k].isEmpty())
            band.append(QPointF(c.centre(k), c.columns[k].hi));
    return band;
}

// The upper edge for the area under a dense line: a path that stays inside
// the line's stroke and moves only where the stroke forces it to, so the
// fill's antialiased edge stays short however jagged the data are. The
// stroke is painted over it, so the edge itself never shows.
QPolygonF hiddenUpperEdge(const QPolygonF& line, const StrokeCover& c, double r)
{
    const double xFirst = line.first().x();
    const double xLast = line.last().x();
    QPolygonF out;
    out.reserve(int(c.columns.size()) + 2);
    out.append(line.first());
    double y = line.first().y();
    for (size_t k = 0; k < c.columns.size(); ++k) {
        const double xc = c.centre(k);
        const Interval& col = c.columns[k];
        if (xc <= xFirst || xc >= xLast || col.isEmpty())
            continue;
        y = qBound(col.lo + r / 2, y, col.hi - r / 2);
        out.append(QPointF(xc, y));
    }
    out.append(line.last());
    return out;
}

void fillUnder(QPainter& painter, const QPolygonF& curve, double bottom, const QColor& color)
{
    const double xFirst = curve.first().x();
    const double xLast = curve.last().x();
    const int colFirst = int(std::ceil(xFirst));
    const int colEnd = int(std::floor(xLast));
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    if (colEnd - colFirst < 1) {
        QPolygonF poly = curve;
        poly << QPointF(xLast, bottom) << QPointF(xFirst, bottom);
        painter.drawPolygon(poly);
        return;
    }

    // Lowest point of the curve in each whole column between colFirst and colEnd.
    const int columns = colEnd - colFirst;
    std::vector<double> low(size_t(columns), -std::numeric_limits<double>::infinity());
    auto touch = [&](double x, double y) {
        const int k = int(std::floor(x)) - colFirst;
        if (k >= 0 && k < columns)
            low[size_t(k)] = qMax(low[size_t(k)], y);
        // A point on a column boundary belongs to both columns.
        if (x == std::floor(x) && k - 1 >= 0 && k - 1 < columns)
            low[size_t(k - 1)] = qMax(low[size_t(k - 1)], y);
    };
    for (int i = 0; i + 1 < curve.size(); ++i) {
        const QPointF& a = curve.at(i);
        const QPointF& b = curve.at(i + 1);
        touch(a.x(), a.y());
        touch(b.x(), b.y());
        const double dx = b.x() - a.x();
        if (dx <= 0)
            continue;
        for (int x = int(std::ceil(a.x())); x <= int(std::floor(b.x())); ++x)
            touch(x, a.y() + (x - a.x()) * (b.y() - a.y()) / dx);
    }

    // Whole-pixel rectangles under the curve, kFillRun columns at a time;
    // their tops form the staircase that closes the antialiased strip.
    // Rectangle and strip meet on whole pixels, so no seam shows.
    QPolygonF strip = curve;
    strip << QPointF(xLast, bottom) << QPointF(colEnd, bottom);
    struct Run
    {
        int x;
        int width;
        double top;
    };
    std::vector<Run> runs;
    for (int k = 0; k < columns; k += kFillRun) {
        const int width = qMin(kFillRun, columns - k);
        double lowest = -std::numeric_limits<double>::infinity();
        for (int j = k; j < k + width; ++j)
            lowest = qMax(lowest, low[size_t(j)]);
        const double top = qMin(std::ceil(lowest), bottom);
        runs.push_back({colFirst + k, width, top});
        if (bottom > top)
            painter.fillRect(QRectF(colFirst + k, top, width, bottom - top), color);
    }
    for (auto it = runs.rbegin(); it != runs.rend(); ++it)
        strip << QPointF(it->x + it->width, it->top) << QPointF(it->x, it->top);
    strip << QPointF(colFirst, bottom) << QPointF(xFirst, bottom);
    painter.drawPolygon(strip);
}

} // namespace

bool cvnChartIsDense(const QPolygonF& line)
{
    return line.size() >= 2 && (line.size() - 1) * kDenseSpacing > line.last().x() - line.first().x();
}

void cvnChartPaintLine(QPainter& painter, const QPolygonF& data, const QPen& pen, const QColor& areaColor,
                       double areaBottom)
{
    const int n = data.size();
    if (n < 2)
        return;
    // Points from overflowing scales are pinned where the painter and the
    // pixel columns below can take them; NaN lies on the area's bottom.
    QPolygonF line = data;
    for (QPointF& p : line)
        p = QPointF(cvnChartCoord(p.x(), 0.0), cvnChartCoord(p.y(), cvnChartCoord(areaBottom, 0.0)));
    painter.save();
    // A stroke wider than the picture covers all of it it can reach: its
    // width is bounded there, and so is its cost.
    const QRectF shown = cvnChartPainterPicture(painter);
    const double width = cvnChartExtent(pen.widthF(), 0.0, shown.united(line.boundingRect()));
    if (cvnChartIsDense(line)) {
        const double r = qMax(width, 1.0) / 2;
        if (strokeCoversAll(line, r, shown)) {
            // Its cover would cost every point the picture's width. The
            // area's edge stays level, as hiddenUpperEdge keeps it inside
            // such a band: the jagged line itself would be slow to fill.
            if (areaColor.isValid()) {
                const QPointF level(line.last().x(), line.first().y());
                fillUnder(painter, QPolygonF({line.first(), level, line.last()}), areaBottom, areaColor);
            }
            painter.fillRect(shown, pen.color());
            painter.restore();
            return;
        }
        const StrokeCover cover = strokeCover(line, r, shown);
        if (areaColor.isValid())
            fillUnder(painter, hiddenUpperEdge(line, cover, r), areaBottom, areaColor);
        painter.setPen(Qt::NoPen);
        painter.setBrush(pen.color());
        if (onOpenGL(painter) && pen.color().alpha() == 255) {
            const BandStrokes strokes = bandStrokes(cover);
            for (int width = 1; width <= kBlock; width *= 2)
                if (!strokes.byWidth[width].isEmpty())
                    painter.strokePath(strokes.byWidth[width], QPen(pen.color(), width, Qt::SolidLine, Qt::FlatCap));
        } else if (bandJumpiness(cover) > kJaggedBand)
            painter.drawRects(bandColumns(cover));
        else
            painter.drawPolygon(bandPolygon(cover));
    } else {
        if (areaColor.isValid())
            fillUnder(painter, line, areaBottom, areaColor);
        // Long wide polylines are slow to stroke in one go.
        QPen bounded = pen;
        bounded.setWidthF(width);
        painter.setPen(bounded);
        painter.setBrush(Qt::NoBrush);
        for (int i = 0; i + 1 < n; i += kStrokeRun)
            painter.drawPolyline(line.constData() + i, qMin(kStrokeRun + 1, n - i));
    }
    painter.restore();
}

void cvnChartDrawCircle(QPainter& painter, const QPointF& centre, double radius)
{
    if (!qIsFinite(centre.x()) || !qIsFinite(centre.y()))
        return;
    const QRectF around(centre - QPointF(1, 1), QSizeF(2, 2));
    const double r = cvnChartExtent(radius, 0.0, cvnChartPainterPicture(painter).united(around));
    painter.drawEllipse(centre, r, r);
}

void ChartSymbolStamp::setLook(double radius, const QColor& outline, double outlineWidth, const QColor& fill, qreal dpr)
{
    if (!(dpr > 0))
        dpr = 1;
    // A huge radius is bounded where a symbol is drawn (cvnChartDrawCircle).
    radius = std::isnan(radius) ? 0.0 : qMax(radius, 0.0);
    outlineWidth = qMax(cvnChartFinite(outlineWidth, 0.0), 0.0);
    if (radius == m_radius && outline == m_outline && outlineWidth == m_outlineWidth && fill == m_fill && dpr == m_dpr)
        return;
    m_radius = radius;
    m_outline = outline;
    m_outlineWidth = outlineWidth;
    m_fill = fill;
    m_dpr = dpr;
    // Large symbols are drawn as they are: images of them would cost more
    // than the pixels they cover.
    const double side = std::ceil(2 * radius + outlineWidth) + 4;
    m_direct = side * dpr > kMaxStampSide;
    m_side = m_direct ? 0 : int(side);
    for (QImage& image : m_images)
        image = QImage();
}

const QImage& ChartSymbolStamp::imageFor(int phaseX, int phaseY)
{
    QImage& image = m_images[phaseX * 4 + phaseY];
    if (!image.isNull())
        return image;
    image = QImage(QSize(m_side, m_side) * m_dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(m_dpr);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(m_outline, m_outlineWidth));
    p.setBrush(m_fill);
    const double half = m_side / 2;
    p.drawEllipse(QPointF(half + phaseX / 4.0, half + phaseY / 4.0), m_radius, m_radius);
    return image;
}

double ChartSymbolStamp::hideCovered(const QPainter& painter, const QVector<QPointF>& centres, int skip, double sliver,
                                     double most, std::vector<bool>& hidden) const
{
    const QRectF shown = cvnChartPainterPicture(painter);
    const double pixel = cvnChartDevicePixel(painter);
    // Per column of what shows, the one run of rows [lo, hi) that the
    // opaque cores of the symbols drawn later cover wholly.
    const double left = std::floor(shown.left());
    const double top = std::floor(shown.top());
    const double bottom = std::ceil(shown.bottom());
    const int columns = int(std::ceil(shown.right()) - left);
    std::vector<Interval> covered(size_t(qMax(columns, 0)));
    // Columns covered from top to bottom: once all are, every symbol
    // before hides, and is marked so without a look at each column.
    int full = 0;
    // Per block of kCoverBlock columns, the rows all of them cover, made
    // again when a column of it changed.
    std::vector<Interval> blocks(size_t(qMax(columns, 0) / kCoverBlock + 1));
    std::vector<bool> changed(blocks.size(), false);
    auto shared = [&](int b) -> const Interval& {
        Interval& meet = blocks[size_t(b)];
        if (changed[size_t(b)]) {
            changed[size_t(b)] = false;
            meet = Interval{-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
            for (int col = b * kCoverBlock; col < qMin(columns, (b + 1) * kCoverBlock); ++col) {
                meet.lo = qMax(meet.lo, covered[size_t(col)].lo);
                meet.hi = qMin(meet.hi, covered[size_t(col)].hi);
            }
        }
        return meet;
    };
    const double picture = qMax(shown.width() * shown.height(), 1.0);
    const double budget = sliver < most ? kSymbolPictures * picture : 0.0;
    double drawn = 0;
    for (int k = centres.size() - 1; k >= 0; --k) {
        const QPointF& c = centres.at(k);
        if (k == skip || !qIsFinite(c.x()) || !qIsFinite(c.y()))
            continue;
        const QRectF around(c - QPointF(1, 1), QSizeF(2, 2));
        const double r = cvnChartExtent(m_radius, 0.0, shown.united(around));
        // What it paints, with a device pixel of antialiasing (and the
        // quarter pixel a stamp's place is rounded by); what it paints
        // opaque: the fill, and the outline with it when that is opaque.
        const double rounded = m_direct ? 0.0 : 0.25;
        const double extent = r + m_outlineWidth / 2 + pixel + rounded;
        const double core =
            (m_outline.alpha() == 255 ? r + m_outlineWidth / 2 : r - m_outlineWidth / 2) - pixel - rounded;
        // Columns (relative to left) within reach of a disk of radius d.
        int first = 0, last = -1;
        auto span = [&](double d) {
            first = int(qBound(0.0, std::floor(c.x() - d - left), double(columns)));
            last = int(qBound(-1.0, std::ceil(c.x() + d - left), double(columns - 1)));
        };
        const double check = extent - sliver;
        // Whether run covers the rows the symbol reaches in columns
        // [c0, c1], at most its rows in the column nearest its centre.
        auto rowsCovered = [&](int c0, int c1, const Interval& run) {
            const double x0 = left + c0;
            const double x1 = left + c1 + 1;
            const double dx = c.x() < x0 ? x0 - c.x() : c.x() > x1 ? c.x() - x1 : 0.0;
            if (dx >= check)
                return true;
            const double h = std::sqrt(check * check - dx * dx);
            const double lo = qMax(std::floor(c.y() - h), top);
            const double hi = qMin(std::ceil(c.y() + h), bottom);
            return lo >= hi || (run.lo <= lo && hi <= run.hi);
        };
        bool isHidden = sliver >= 0;
        span(check);
        // A block at a time while the rows all its columns share cover the
        // symbol's; column by column where they do not.
        for (int b = first / kCoverBlock; isHidden && first <= last && b <= last / kCoverBlock; ++b) {
            const int c0 = qMax(first, b * kCoverBlock);
            const int c1 = qMin(last, b * kCoverBlock + kCoverBlock - 1);
            if (rowsCovered(c0, c1, shared(b)))
                continue;
            for (int col = c0; col <= c1 && isHidden; ++col)
                isHidden = rowsCovered(col, col, covered[size_t(col)]);
        }
        hidden[size_t(k)] = isHidden;
        if (isHidden)
            continue;
        const QRectF box = QRectF(c - QPointF(r, r), QSizeF(2 * r, 2 * r)) & shown;
        drawn += box.width() * box.height();
        if (budget > 0 && drawn > budget)
            break;
        span(core);
        for (int col = first; col <= last; ++col) {
            const double x0 = left + col;
            const double dx = qMax(qAbs(x0 - c.x()), qAbs(x0 + 1 - c.x()));
            if (dx >= core)
                continue;
            const double h = std::sqrt(core * core - dx * dx);
            const double lo = std::ceil(c.y() - h);
            const double hi = std::floor(c.y() + h);
            Interval& run = covered[size_t(col)];
            if (lo >= hi)
                continue;
            const bool wasFull = run.lo <= top && run.hi >= bottom;
            changed[size_t(col / kCoverBlock)] = true;
            if (run.isEmpty() || (lo <= run.hi && hi >= run.lo))
                run.add(lo, hi);
            else if (hi - lo > run.hi - run.lo)
                run = Interval{lo, hi};
            full += int(run.lo <= top && run.hi >= bottom) - int(wasFull);
        }
        if (sliver >= 0 && columns > 0 && full == columns) {
            for (int before = k - 1; before >= 0; --before)
                hidden[size_t(before)] = true;
            break;
        }
    }
    return drawn / picture;
}

void ChartSymbolStamp::stampAll(QPainter& painter, const QVector<QPointF>& centres, int skip)
{
    std::vector<bool> hidden(size_t(centres.size()), false);
    if (painter.compositionMode() == QPainter::CompositionMode_SourceOver && painter.opacity() >= 1) {
        // Left out first what an opaque fill hides wholly, which changes no
        // pixel; while what is left would cover the picture more than
        // kSymbolPictures times, also what hides but for a sliver of two
        // device pixels, then of wider ones, up to all but a tenth of the
        // radius (a translucent fill then counts as hiding too: many layers
        // of it show little of what lies under them).
        const double pixel = cvnChartDevicePixel(painter);
        const double most = 0.9 * cvnChartExtent(m_radius, 0.0, cvnChartPainterPicture(painter));
        double sliver = m_fill.alpha() == 255 ? 0.0 : -1.0; // -1: none hides, only the cost is counted
        while (hideCovered(painter, centres, skip, sliver, most, hidden) > kSymbolPictures && sliver < most)
            sliver = qMin(qMax(2 * sliver, 2 * pixel), most);
    }
    for (int k = 0; k < centres.size(); ++k)
        if (k != skip && !hidden[size_t(k)])
            stamp(painter, centres.at(k));
}

void ChartSymbolStamp::stamp(QPainter& painter, const QPointF& centre)
{
    if (!qIsFinite(centre.x()) || !qIsFinite(centre.y()))
        return;
    if (m_direct) {
        painter.save();
        painter.setPen(QPen(m_outline, m_outlineWidth));
        painter.setBrush(m_fill);
        cvnChartDrawCircle(painter, centre, m_radius);
        painter.restore();
        return;
    }
    if (m_side <= 0)
        return;
    // Quarter-pixel steps keep stamped symbols centred on the line.
    const double qx = std::floor(centre.x() * 4 + 0.5);
    const double qy = std::floor(centre.y() * 4 + 0.5);
    const double ix = std::floor(qx / 4);
    const double iy = std::floor(qy / 4);
    const int half = m_side / 2;
    painter.drawImage(QPointF(ix - half, iy - half), imageFor(int(qx - 4 * ix), int(qy - 4 * iy)));
}

} // namespace CVNQtLib
