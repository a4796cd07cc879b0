#pragma once

// Second monitor trace, the twin of CVNQECGChart without fills: the trace
// type draws either the fed points or a flat base line at y 40. Same point
// feed and sweep snapshot; type name "qtecgchart"; not in the control
// registry.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QColor>
#include <QPointF>
#include <QWidget>

namespace CVNQtLib {

class CVNQICDChartImpl;

// What an ICD chart draws: the points, a base line, or (any other value) nothing.
enum CVNQtICDType : int { CVNQtICDTrace = 0, CVNQtICDBaseLine = 1 };

class CVNQ_EXPORT CVNQICDChart : public QWidget, public ICVNQWidgetBase {
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQICDChart, CVNQICDChartImpl)
    CVNQ_FORWARD_MOUSE_EVENTS(QWidget)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQICDChart(QWidget* parent = nullptr);
    ~CVNQICDChart() override;


    // Appends a point and repaints; the other operations only store.
    void addData(float x, float y);
    void clearData();
    // Remove the first or last point; nothing on an empty trace.
    void popFront();
    void popBack();
    int dataSize() const;
    // The point at index; (0, 0) for an index outside the trace.
    QPointF getAt(int index) const;
    void setLineColor(QColor first, QColor second);
    void setLineWeight(float weight);
    float getLineWeight() const;
    void swapData();
    void setICDType(CVNQtICDType type);
    // Accepted for compatibility with callers of the device interface; markers are not drawn.
    void addMarker(float position, bool flag);
    void addMarkerValue(float position, int a, int b, int c);

};

} // namespace CVNQtLib
