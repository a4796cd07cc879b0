#include "CVNQChartPainting.h"

#include <QPainter>

namespace CVNQtLib {

void cvnChartSetFont(QPainter& painter, int pixelSize, bool bold)
{
    QFont font = painter.font();
    font.setPixelSize(qMax(pixelSize, 1));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    painter.setFont(font);
}

void cvnChartDrawPlot(QPainter& painter, const ChartTheme& theme, const QRectF& plot, double baseY,
                      bool verticalGrid)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme.plotBackgroundColor);
    painter.drawRect(plot);

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
    painter.drawText(QRectF(0, 10, width, 24), Qt::AlignHCenter | Qt::AlignTop, title);
}

void cvnChartDrawValueLabels(QPainter& painter, const ChartTheme& theme, const QRectF& plot, double lo, double hi,
                             int stripWidth, int pixelSize)
{
    cvnChartSetFont(painter, pixelSize, false);
    painter.setPen(theme.secondaryTextColor);
    for (int j = 0; j <= 5; ++j) {
        const double y = plot.top() + plot.height() * j / 5;
        painter.drawText(QRectF(4, y - 8, stripWidth, 16), Qt::AlignRight | Qt::AlignVCenter,
                         cvnChartNumber(hi - j * (hi - lo) / 5));
    }
}

} // namespace CVNQtLib
