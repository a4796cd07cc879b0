#pragma once

// Guards between chart data and the painter: data may hold NaN, infinity
// or values so large that a range or a scale overflows, and none of that
// may reach QPainter as a coordinate.

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
