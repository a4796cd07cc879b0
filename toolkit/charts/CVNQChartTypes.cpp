#include "CVNQChartTypes.h"

#include <QtMath>

namespace CVNQtLib {

QColor cvnChartColor(const ChartTheme& theme, const QColor& own, int index)
{
    if (own.isValid())
        return own;
    const int n = theme.palette.size();
    if (n == 0)
        return QColor(84, 112, 198);
    int i = index % n;
    if (i < 0)
        i += n;
    return theme.palette.at(i);
}

QString cvnChartNumber(double value)
{
    if (!qIsFinite(value))
        return QStringLiteral("0");
    QString text = QString::number(value, 'f', 2);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    // A tiny negative value (a label step that lands a hair below zero)
    // would otherwise read "-0".
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

} // namespace CVNQtLib
