#pragma once

// Monitor-style waveform trace: the caller feeds points in widget pixels
// and the control draws them as one polyline over a transparent
// background, optionally with gradient fills below and above. swapData
// keeps the current picture, which then stays visible 40 px right of the
// next trace's tip, so a new sweep overwrites the old one from left to
// right. Type name "qtecgchart"; not in the control registry.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QColor>
#include <QPointF>
#include <QWidget>

namespace CVNQtLib {

class CVNQECGChartImpl;

class CVNQ_EXPORT CVNQECGChart : public QWidget, public ICVNQWidgetBase {
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQECGChart, CVNQECGChartImpl)
    CVNQ_FORWARD_MOUSE_EVENTS(QWidget)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQECGChart(QWidget* parent = nullptr);
    ~CVNQECGChart() override;


    // Appends a point and repaints; the other operations only store.
    void addData(float x, float y);
    void clearData();
    // Remove the first or last point; nothing on an empty trace.
    void popFront();
    void popBack();
    int dataSize() const;
    // The point at index; (0, 0) for an index outside the trace.
    QPointF getAt(int index) const;
    // The trace is drawn in first; second is stored only.
    void setLineColor(QColor first, QColor second);
    void setBelowFillColor(QColor first, QColor second);
    void setAboveFillColor(QColor first, QColor second);
    void enableFillColor(bool below, bool above);
    void setLineWeight(float weight);
    float getLineWeight() const;
    // Keeps the control's current picture; the points stay.
    void swapData();

};

} // namespace CVNQtLib
