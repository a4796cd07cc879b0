#pragma once

// Value records that the charts and their users exchange, and the two rules
// every chart applies to them: the colour rule and the number format.

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

namespace CVNQtLib {

// A chart colour theme. A default-built value holds the "Default" colours
// with an empty name and an empty palette.
struct ChartTheme
{
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

// Tooltip modes of the charts: none tracks no hover at all, item follows
// one point or bar, category takes a whole category (line and bar charts).
enum : int
{
    ChartTooltipNone = 0,
    ChartTooltipItem = 1,
    ChartTooltipCategory = 2
};

// One series of the line chart.
struct ChartSeries
{
    QString name;
    QVector<double> values;
    QColor color;     // invalid: palette colour of the series index
    QColor fillColor; // invalid: the resolved line colour
    bool showSymbols = true;
    bool smooth = false;
    bool area = false;
    bool visible = true;
    double lineWidth = 2.0;    // not above 0: the theme's width; never below 1
    double fillOpacity = 0.22; // clamped to [0, 1]
};

// One slice of the pie chart.
struct PieSlice
{
    QString name;
    double value = 0.0; // negative counts as 0
    QColor color;       // invalid: palette colour of the slice index
    bool visible = true;
};

// One legend entry, built afresh for each paint and each click.
struct ChartLegendItem
{
    int seriesIndex = -1;
    QRectF rect;
    QColor color;
    QString label;
    bool visible = true;
};

// Colour rule: a valid own colour as is, else the palette entry at index
// modulo the palette size, rgb(84, 112, 198) with an empty palette.
QColor cvnChartColor(const ChartTheme& theme, const QColor& own, int index);

// Whether a background is dark (lightness below 140), as tooltips and
// dimmed legend entries judge it.
inline bool cvnChartIsDark(const QColor& background)
{
    return background.lightness() < 140;
}

// A colour dimmed towards the background by factor (as QColor::lighter
// and darker take it): lighter on a light background, darker on a dark
// one, so a hidden legend entry always looks fainter than a shown one.
inline QColor cvnChartDimmed(const QColor& color, const QColor& background, int factor)
{
    return cvnChartIsDark(background) ? color.darker(factor) : color.lighter(factor);
}

// Number format: two decimals, then trailing zeros and a trailing point
// removed (150.00 -> "150", 2.50 -> "2.5"). A value that rounds to zero
// never prints as "-0"; a value that is not finite prints as "0" so that
// broken data cannot put "nan" into a label.
QString cvnChartNumber(double value);

// Category data of the line and bar charts, whose series hold one value
// per category and a visibility flag.

// A series with that name, values and colour, its other fields at their defaults.
template <class Series>
Series cvnChartSeries(const QString& name, const QVector<double>& values, const QColor& color)
{
    Series s;
    s.name = name;
    s.values = values;
    s.color = color;
    return s;
}

// The number of categories: the labels, every visible series' values, at least 1.
template <class Series>
int cvnChartCategoryCount(const QStringList& categories, const QVector<Series>& series)
{
    int n = qMax(categories.size(), 1);
    for (const Series& s : series)
        if (s.visible)
            n = qMax(n, s.values.size());
    return n;
}

// The label of category index, "Item %1" (1-based) where there is none.
inline QString cvnChartCategoryLabel(const QStringList& categories, int index)
{
    if (index >= 0 && index < categories.size())
        return categories.at(index);
    return QStringLiteral("Item %1").arg(index + 1);
}

// Whether a visible series has a value at index (at 0: has any value).
template <class Series>
bool cvnChartHasValueAt(const QVector<Series>& series, int index)
{
    if (index < 0)
        return false;
    for (const Series& s : series)
        if (s.visible && index < s.values.size())
            return true;
    return false;
}

// The name a tooltip shows for a series.
inline QString cvnChartSeriesName(const QString& name)
{
    return name.isEmpty() ? QStringLiteral("Series") : name;
}

// The tooltip of a whole category: its label, then "name: value" for each
// visible series with a value there.
template <class Series>
QString cvnChartCategoryTooltip(const QString& label, const QVector<Series>& series, int index)
{
    QStringList lines{label};
    for (const Series& s : series)
        if (s.visible && index >= 0 && index < s.values.size())
            lines << QStringLiteral("%1: %2").arg(cvnChartSeriesName(s.name), cvnChartNumber(s.values.at(index)));
    return lines.join(QLatin1Char('\n'));
}

// The tooltip of one value: series name, then "category: value".
inline QString cvnChartItemTooltip(const QString& seriesName, const QString& label, double value)
{
    return QStringLiteral("%1\n%2: %3").arg(cvnChartSeriesName(seriesName), label, cvnChartNumber(value));
}

// Qt's fuzzy equality of two range ends, the test every chart uses before
// dividing by a span.
inline bool cvnChartSameValue(double a, double b)
{
    return qAbs(a - b) * 1000000000000.0 <= qMin(qAbs(a), qAbs(b));
}

// Range ends that compare equal move 1 apart each way; true when they did.
inline bool cvnChartSeparateEnds(double& lo, double& hi)
{
    if (!cvnChartSameValue(lo, hi))
        return false;
    lo -= 1;
    hi += 1;
    return true;
}

// Gives a value range room in its plot: lo moves down by below and hi up
// by above, both fractions of the span, which counts as at least minSpan.
inline void cvnChartPadRange(double& lo, double& hi, double below, double above, double minSpan)
{
    const double span = qMax(hi - lo, minSpan);
    lo -= below * span;
    hi += above * span;
}

} // namespace CVNQtLib
