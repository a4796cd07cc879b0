#pragma once

// State and drawing of the ICD trace: the points or a base line, then the
// sweep snapshot; drawn without antialiasing.

#include "CVNQICDChart.h"
#include "CVNQWidgetBaseImpl.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QVector>

namespace CVNQtLib {

class CVNQICDChartImpl : public CVNQWidgetBaseImpl {
    Q_OBJECT
public:
    explicit CVNQICDChartImpl(QWidget* owner);

    void draw(QPainter* painter, const QRect& rect) override;

    QColor lineColor1{0, 255, 0}; // the trace colour
    QColor lineColor2{0, 255, 0}; // stored only
    QVector<QPointF> points;
    QImage snapshot;
    float lineWeight = 1.0f;
    CVNQtICDType icdType = CVNQtICDTrace;
};

} // namespace CVNQtLib
