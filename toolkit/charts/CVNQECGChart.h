#pragma once

// Monitor-style waveform trace (CVNQTraceChart): the fed points as one
// polyline, optionally with gradient fills below and above it. Type name
// "qtecgchart"; not in the control registry.

#include "CVNQControl.h"
#include "CVNQGlobal.h"
#include "CVNQTraceChart.h"

namespace CVNQtLib {

class CVNQECGChartImpl;

class CVNQ_EXPORT CVNQECGChart : public CVNQTraceChart, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQECGChart, CVNQECGChartImpl)
    CVNQ_FORWARD_MOUSE_EVENTS()
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQECGChart(QWidget* parent = nullptr);
    ~CVNQECGChart() override;

    // Gradient stops (top, bottom) of the fills, and which fills show;
    // fills need three points.
    void setBelowFillColor(QColor first, QColor second);
    void setAboveFillColor(QColor first, QColor second);
    void enableFillColor(bool below, bool above);

protected:
    CVNQTraceChartImpl* traceImpl() const override;
};

} // namespace CVNQtLib
