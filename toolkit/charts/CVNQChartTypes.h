#pragma once

// Value records that the charts and their users exchange, and the two rules
// every chart applies to them: the colour rule and the number format.

#include <QColor>
#include <QRectF>
#include <QString>
#include <QVector>

namespace CVNQtLib {

// A chart colour theme. A default-built value holds the "Default" colours
// with an empty name and an empty palette.
struct ChartTheme {
    QString name;
    QColor backgroundColor{255, 255, 255};
    QColor plotBackgroundColor{255, 255, 255};
    QColor textColor{67, 76, 94};
    QColor axisColor{145, 154, 170};
    QColor secondaryTextColor{101, 111, 128};
    QColor gridColor{229, 233, 242};
    QColor crosshairColor{171, 179, 191, 180};
    QVector<QColor> palette;
    int titleFontSize = 16;
    int labelFontSize = 11;
    int tooltipFontSize = 12;
    double lineWidth = 2.0;
    double symbolRadius = 4.0;
    double hoverSymbolRadius = 5.5;
    double barCornerRadius = 6.0;
};

// One series of the line chart.
struct ChartSeries {
    QString name;
    QVector<double> values;
    QColor color;      // invalid: palette colour of the series index
    QColor fillColor;  // invalid: the resolved line colour
    bool showSymbols = true;
    bool smooth = false;
    bool area = false;
    bool visible = true;
    double lineWidth = 2.0;    // not above 0: the theme's width; never below 1
    double fillOpacity = 0.22; // clamped to [0, 1]
};

// One slice of the pie chart.
struct PieSlice {
    QString name;
    double value = 0.0; // negative counts as 0
    QColor color;       // invalid: palette colour of the slice index
    bool visible = true;
};

// One legend entry, built afresh for each paint and each click.
struct ChartLegendItem {
    int seriesIndex = -1;
    QRectF rect;
    QColor color;
    QString label;
    bool visible = true;
};

// Colour rule: a valid own colour as is, else the palette entry at index
// modulo the palette size, rgb(84, 112, 198) with an empty palette.
QColor cvnChartColor(const ChartTheme& theme, const QColor& own, int index);

// Number format: two decimals, then trailing zeros and a trailing point
// removed (150.00 -> "150", 2.50 -> "2.5"). A value that rounds to zero
// never prints as "-0"; a value that is not finite prints as "0" so that
// broken data cannot put "nan" into a label.
QString cvnChartNumber(double value);

// Qt's fuzzy equality of two range ends, the test every chart uses before
// dividing by a span.
inline bool cvnChartSameValue(double a, double b)
{
    return qAbs(a - b) * 1000000000000.0 <= qMin(qAbs(a), qAbs(b));
}

} // namespace CVNQtLib
