#pragma once

// Painting steps the charts share: plot background with grid and axes,
// the title, the value-axis labels and the legend.

#include "CVNQChartTypes.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <functional>
#include <memory>

class QFontMetricsF;
class QPainter;
class QPen;

namespace CVNQtLib {

// Plot background (no pen), six horizontal grid lines (and six vertical
// ones with verticalGrid), the left axis and a horizontal axis at baseY
// (the plot bottom, or a bar chart's zero line). showing is the colour the
// plot already shows when it does so everywhere (a surface just cleared
// with it): an opaque background of that colour would change no pixel and
// is not painted again, which spares the surface shading the whole plot.
void cvnChartDrawPlot(QPainter& painter, const ChartTheme& theme, const QRectF& plot, double baseY,
                      bool verticalGrid = false, const QColor& showing = QColor());

// Fills rect with the chart background, unless the surface shows that
// opaque colour everywhere already (showing, as in cvnChartDrawPlot).
void cvnChartFillBackground(QPainter& painter, const QRect& rect, const QColor& background, const QColor& showing);

// Bold title centred in (0, 10, width, 24) with the given pixel size.
void cvnChartDrawTitle(QPainter& painter, const ChartTheme& theme, int width, const QString& title, int pixelSize);

// Six value labels from hi at the plot top down to lo at the bottom,
// right-aligned at each grid line in (4, y - 8, inset - 10, 16): the strip
// stays at the widget's left edge wherever the plot is.
void cvnChartDrawValueLabels(QPainter& painter, const ChartTheme& theme, const QRectF& plot, double lo, double hi,
                             int inset, int pixelSize);

// One label under the plot, centred on x.
struct ChartAxisLabel
{
    double x;
    QString text;
};

// Draws every label in the painter's font, each centred in a box of
// boxWidth at (x - boxWidth / 2, top, boxWidth, 18).
void cvnChartDrawAxisLabels(QPainter& painter, const QVector<ChartAxisLabel>& labels, double top, double boxWidth);

// How far a label drawn so reaches from its centre (its text, clipped to the
// box), with half the gap kept between two labels: two whose centres lie
// closer than the sum of their reaches would cover each other.
double cvnChartAxisLabelReach(const QFontMetricsF& metrics, const QString& text, double boxWidth);

// The legend marker of each chart kind, 12 px wide at an entry's left:
// Line a short line with a dot (a hollow dot for a hidden series), Square
// a rounded square, Ring a circle outlined in the colour (hollow when
// hidden), Disc a plain circle.
enum class ChartLegendMarker
{
    Line,
    Square,
    Ring,
    Disc
};

// Paints the entries that meet clip: the marker, then the text (the label,
// or what text gives for the entry) left-aligned beside it. A hidden
// entry's marker and text are dimmed towards background.
void cvnChartPaintLegend(QPainter& painter, const ChartTheme& theme, const QColor& background,
                         const QVector<ChartLegendItem>& items, ChartLegendMarker marker, int pixelSize,
                         const QRect& clip, const std::function<QString(const ChartLegendItem&)>& text = {});

// Paints bars as QPainter::drawRoundedRect(rect, radius, radius,
// Qt::AbsoluteSize) with a solid fill and an outline pen paints them. On a
// raster painter that maps straight to device pixels, an antialiased path
// fill and stroke over the whole height of every bar would cost far more
// than the pixels it touches: a bar is painted there from a short copy of
// itself (the corners, rendered once per sub-pixel position, size and
// colours, and kept) and one kept image of its straight middle rows.
// Positions are taken to 1/64 px, the precision of the path rasteriser.
class ChartBarPainter
{
public:
    ChartBarPainter();
    ~ChartBarPainter();
    ChartBarPainter(const ChartBarPainter&) = delete;
    ChartBarPainter& operator=(const ChartBarPainter&) = delete;

    // Starts a run of bars on painter; its pen, brush and render hints
    // may change until end().
    void begin(QPainter& painter);
    void paint(QPainter& painter, const QRectF& rect, double radius, const QColor& fill, const QPen& outline);
    void end(QPainter& painter);

private:
    struct Cache;
    std::unique_ptr<Cache> m_cache;
    bool m_kept = false;   // painting from kept images in this run
    bool m_smooth = false; // the painter's SmoothPixmapTransform hint before the run
    QRect m_paintable;     // device area the painter can change
};

// Sets the painter font to its own family with a pixel size (at least 1,
// bounded by what the painter shows) and weight.
void cvnChartSetFont(QPainter& painter, int pixelSize, bool bold);

// What a painter shows, in its logical coordinates (its device's rectangle
// as the device and as the painter's transform measure it): the picture
// that bounds widths and sizes (cvnChartExtent).
QRectF cvnChartPainterPicture(const QPainter& painter);

} // namespace CVNQtLib
