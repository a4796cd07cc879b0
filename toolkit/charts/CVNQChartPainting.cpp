#include "CVNQChartPainting.h"

#include <QFontMetricsF>
#include <QPainter>

namespace CVNQtLib {

void cvnChartSetFont(QPainter& painter, int pixelSize, bool bold)
{
    QFont font = painter.font();
    font.setPixelSize(qMax(pixelSize, 1));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    painter.setFont(font);
}

void cvnChartDrawPlot(QPainter& painter, const ChartTheme& theme, const QRectF& plot, double baseY, bool verticalGrid)
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
                             int inset, int pixelSize)
{
    cvnChartSetFont(painter, pixelSize, false);
    painter.setPen(theme.secondaryTextColor);
    for (int j = 0; j <= 5; ++j) {
        const double y = plot.top() + plot.height() * j / 5;
        painter.drawText(QRectF(4, y - 8, inset - 10, 16), Qt::AlignRight | Qt::AlignVCenter,
                         cvnChartNumber(hi - j * (hi - lo) / 5));
    }
}

void cvnChartDrawAxisLabels(QPainter& painter, const QVector<ChartAxisLabel>& labels, double top, double boxWidth)
{
    for (const ChartAxisLabel& label : labels)
        painter.drawText(QRectF(label.x - boxWidth / 2, top, boxWidth, 18), Qt::AlignCenter, label.text);
}

void cvnChartPaintLegend(QPainter& painter, const ChartTheme& theme, const QColor& background,
                         const QVector<ChartLegendItem>& items, ChartLegendMarker marker, int pixelSize,
                         const QRect& clip, const std::function<QString(const ChartLegendItem&)>& text)
{
    cvnChartSetFont(painter, pixelSize, false);
    for (const ChartLegendItem& item : items) {
        if (!item.rect.intersects(clip))
            continue;
        const QRectF& r = item.rect;
        const QColor colour = item.visible ? item.color : cvnChartDimmed(item.color, background, 160);
        const QBrush fill = item.visible ? QBrush(colour) : QBrush(theme.plotBackgroundColor);
        const QRectF box(r.left(), r.top() + 3, 12, 12);
        switch (marker) {
        case ChartLegendMarker::Line: {
            const double cy = r.center().y();
            painter.setPen(QPen(colour, 2.0));
            painter.drawLine(QPointF(r.left(), cy), QPointF(r.left() + 12, cy));
            painter.setBrush(fill);
            painter.drawEllipse(QPointF(r.left() + 6, cy), 3.5, 3.5);
            break;
        }
        case ChartLegendMarker::Square:
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawRoundedRect(box, 3, 3);
            break;
        case ChartLegendMarker::Ring:
            painter.setPen(QPen(colour, 1.4));
            painter.setBrush(fill);
            painter.drawEllipse(box);
            break;
        case ChartLegendMarker::Disc:
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(box);
            break;
        }
        painter.setPen(item.visible ? theme.secondaryTextColor
                                    : cvnChartDimmed(theme.secondaryTextColor, background, 145));
        painter.drawText(QRectF(r.left() + 18, r.top(), r.width() - 18, r.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         text ? text(item) : item.label);
    }
}

} // namespace CVNQtLib
