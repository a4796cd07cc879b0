#pragma once

// Guards between chart data and the painter: data may hold NaN, infinity
// or values so large that a range or a scale overflows, and none of that
// may reach QPainter as a coordinate.

#include <QRectF>
#include <QtGlobal>
#include <cmath>

namespace CVNQtLib {

// A value that takes part in ranges and sizes: NaN and infinity are left
// out (callers skip them or use the fallback).
inline double cvnChartFinite(double v, double fallback)
{
    return std::isfinite(v) ? v : fallback;
}

// A finite value as it enters a range: magnitudes beyond 1e300 are pinned
// there, so that a span and its padding cannot overflow to infinity.
inline double cvnChartRangeValue(double v)
{
    constexpr double kLimit = 1e300;
    return qBound(-kLimit, v, kLimit);
}

// A screen coordinate the painter can take: NaN becomes fallback and
// anything beyond a million pixels (an overflowing scale) is pinned there.
inline double cvnChartCoord(double v, double fallback)
{
    constexpr double kLimit = 1000000.0;
    if (std::isnan(v))
        return fallback;
    return qBound(-kLimit, v, kLimit);
}

// Widths, radii and sizes (line and pen widths, symbol sizes, corner
// radii, font sizes) from data, a theme or a caller, as painting and layout
// take them. picture holds what is drawn and what shows: a stroke, symbol
// or corner wider than its perimeter covers or misses every pixel of it
// just as a larger one would, and no text that large can be read in it; so
// painting costs what the picture holds, never what the number says. NaN
// gives lo, and the value is kept within [lo, the picture's limit].
inline double cvnChartExtent(double value, double lo, const QRectF& picture)
{
    if (std::isnan(value))
        return lo;
    // The picture's perimeter and a little: more than its diagonal, with
    // room for an outline pen, from wherever inside it a stroke starts.
    const double limit = 2.0 * (qAbs(picture.width()) + qAbs(picture.height())) + 16.0;
    return qBound(lo, value, qMax(lo, cvnChartFinite(limit, lo)));
}

// A font pixel size the same way, at least 1 and within what font engines
// take (their glyph metrics are fixed point).
inline int cvnChartFontSize(int pixels, const QRectF& picture)
{
    return int(qMin(cvnChartExtent(pixels, 1.0, picture), 32767.0));
}

// The range of the values added, those that are not finite left out and
// the others pinned by cvnChartRangeValue; 0 to 1 while nothing was added.
struct ChartValueRange
{
    double lo = 0.0;
    double hi = 1.0;
    bool any = false;

    void add(double value)
    {
        if (!std::isfinite(value))
            return;
        const double v = cvnChartRangeValue(value);
        if (!any) {
            lo = hi = v;
            any = true;
        } else {
            lo = qMin(lo, v);
            hi = qMax(hi, v);
        }
    }
};

} // namespace CVNQtLib
