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
#include <vector>

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
    // Stamps at every centre but the one at skip (-1: none). Opaque symbols
    // hide those before them: a symbol that the ones drawn after it cover
    // is left out, and when many large ones would still cover the picture
    // many times over, also one they cover but for a thin sliver; so a
    // dense run costs about what shows of it, not its count times its area.
    void stampAll(QPainter& painter, const QVector<QPointF>& centres, int skip = -1);

private:
    const QImage& imageFor(int phaseX, int phaseY);
    // Marks in hidden the symbols at centres that those drawn after them
    // cover but for a sliver (logical units; none when negative); answers
    // in pictures what the others cover, stopping early past the budget
    // while sliver < most.
    double hideCovered(const QPainter& painter, const QVector<QPointF>& centres, int skip, double sliver, double most,
                       std::vector<bool>& hidden) const;

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
