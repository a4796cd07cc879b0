#pragma once

// State and drawing of the ICD trace: the points or a base line, then the
// sweep snapshot; drawn without antialiasing.

#include "CVNQGlobal.h"
#include "CVNQICDChart.h"
#include "CVNQTraceChartImpl.h"

namespace CVNQtLib {

class CVNQ_EXPORT CVNQICDChartImpl : public CVNQTraceChartImpl
{
    Q_OBJECT
public:
    explicit CVNQICDChartImpl(QWidget* owner);

    void draw(QPainter* painter, const QRect& rect) override;

    CVNQtICDType icdType = CVNQtICDTrace;
};

} // namespace CVNQtLib
