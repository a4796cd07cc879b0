#pragma once

// Second monitor trace (CVNQTraceChart), the twin of CVNQECGChart without
// fills: the trace type draws either the fed points or a flat base line at
// y 40. Type name "qtecgchart"; not in the control registry.

#include "CVNQControl.h"
#include "CVNQGlobal.h"
#include "CVNQTraceChart.h"

namespace CVNQtLib {

class CVNQICDChartImpl;

// What an ICD chart draws: the points, a base line, or (any other value) nothing.
enum CVNQtICDType : int
{
    CVNQtICDTrace = 0,
    CVNQtICDBaseLine = 1
};

class CVNQ_EXPORT CVNQICDChart : public CVNQTraceChart, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQICDChart, CVNQICDChartImpl)
    CVNQ_FORWARD_MOUSE_EVENTS()
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQICDChart(QWidget* parent = nullptr);
    ~CVNQICDChart() override;

    void setICDType(CVNQtICDType type);
    // Accepted for compatibility with callers of the device interface; markers are not drawn.
    void addMarker(float position, bool flag);
    void addMarkerValue(float position, int a, int b, int c);

protected:
    CVNQTraceChartImpl* traceImpl() const override;
};

} // namespace CVNQtLib
