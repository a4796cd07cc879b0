#pragma once

// Fast painting of series lines, areas and point symbols. Wide
// antialiased strokes and large antialiased fills cost the raster engine
// time in proportion to the length of their outlines, which makes long or
// jagged series expensive; these routines give the same picture at a
// fraction of the cost:
//  - a line whose points lie at least 3 px apart on average is stroked in
//    short runs (round caps meet like round joins); a denser line is
//    painted as the band its stroke covers in each pixel column (one
//    polygon, or one rectangle per column when the data are jagged);
//  - the area under a line is painted as whole-pixel rectangles plus one
//    thin antialiased strip along the line;
//  - many equal symbols are stamped from pre-rendered images.
// Points must run left to right (x ascending), as category series do.

#include <QColor>
#include <QImage>
#include <QPen>
#include <QPolygonF>

class QPainter;

namespace CVNQtLib {

// Paints the area between the polyline and the horizontal line at
// areaBottom (only when areaColor is valid), then strokes the polyline
// with pen (its colour, width, round caps and joins).
void cvnChartPaintLine(QPainter& painter, const QPolygonF& line, const QPen& pen, const QColor& areaColor,
                       double areaBottom);

// True when the polyline's points lie less than 3 px apart on average.
bool cvnChartIsDense(const QPolygonF& line);

// Draws a circle in the painter's pen and brush; a radius beyond what the
// painter shows is bounded there (cvnChartExtent), NaN draws a point.
void cvnChartDrawCircle(QPainter& painter, const QPointF& centre, double radius);

// Stamps circles of one look (radius, outline pen width and colour, fill)
// at many points; the images are made once per look and quarter-pixel phase.
class ChartSymbolStamp
{
public:
    void setLook(double radius, const QColor& outline, double outlineWidth, const QColor& fill, qreal dpr);
    // Large symbols are drawn with cvnChartDrawCircle instead.
    void stamp(QPainter& painter, const QPointF& centre);
    // Stamps at every centre but the one at skip (-1: none). Symbols so
    // large that one covers all the painter shows with its opaque fill
    // paint over every symbol before it: such a run starts at the last one.
    void stampAll(QPainter& painter, const QVector<QPointF>& centres, int skip = -1);

private:
    const QImage& imageFor(int phaseX, int phaseY);

    double m_radius = 0;
    QColor m_outline;
    double m_outlineWidth = 0;
    QColor m_fill;
    qreal m_dpr = 1;
    int m_side = 0;
    bool m_direct = false; // too large for images
    QImage m_images[16];
};

} // namespace CVNQtLib
