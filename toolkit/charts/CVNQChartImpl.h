#pragma once

// What the implementation objects of the OpenGL charts share: the OpenGL
// frame around a chart's painting, the title, the hover switches and the
// hover target with its tooltip, and the mouse entry points the chart
// widget routes to them (CVNQChartBase).

#include "CVNQChartLayout.h"
#include "CVNQGlobal.h"
#include "CVNQWidgetBaseImpl.h"

#include <QColor>
#include <QOpenGLFunctions>
#include <QPoint>
#include <QString>
#include <QVector>

namespace CVNQtLib {

class CVNQChartBase;

class CVNQ_EXPORT CVNQChartImpl : public CVNQWidgetBaseImpl, protected QOpenGLFunctions
{
    Q_OBJECT
public:
    CVNQChartImpl(CVNQChartBase* chart, const char* typeName);

    void initGL();
    // The OpenGL frame, then draw() over the whole widget.
    void paintGL();

    void setTitle(const QString& title);
    const QString& title() const { return m_title; }
    // Switching hover tracking or tooltips off clears the hover target.
    void setHoverEnabled(bool enabled);
    bool hoverEnabled() const { return m_hoverEnabled; }
    void setTooltipEnabled(bool enabled);
    bool tooltipEnabled() const { return m_tooltipEnabled; }
    // 0 switches hover tracking off (and clears the target); each chart
    // gives the other values their meaning.
    void setTooltipMode(int mode);
    int tooltipMode() const { return m_tooltipMode; }

    // The hover target: a category or point index and, where the chart
    // tells series apart, the series.
    bool hoverActive() const { return m_hoverActive; }
    int hoverIndex() const { return m_hoverIndex; }
    int hoverSeries() const { return m_hoverSeries; }

    // --- mouse, as the chart widget routes it ---------------------------
    // A left-button press; true when the chart consumed it.
    virtual bool handlePress(const QPoint& pos) = 0;
    // A move while the chart drags something (its zoom slider); true when consumed.
    virtual bool handleDrag(const QPoint& pos);
    // Release of the left button.
    virtual void handleRelease();
    // The hover pass of a move; true when the chart must repaint.
    virtual bool updateHover(const QPoint& pos) = 0;
    // The mouse left the widget: the target goes, with a repaint when there was one.
    void handleLeave();
    // No target: inactive, both indices -1, the tooltip hidden.
    virtual void clearHover();

protected:
    bool hasHover() const { return m_hoverActive || m_hoverIndex != -1 || m_hoverSeries != -1; }
    // Clears the target; true when there was one (the chart must repaint).
    bool dropHover();
    // Makes (index, series) the target at the mouse position; true unless
    // the same target was already active at the same position.
    bool setHover(int index, int series, const QPoint& mouse);
    // The tooltip of the current target: text at the mouse when tooltips
    // are on and the text is not empty, else none.
    void showHoverTooltip(const QString& text);
    // A press on a legend entry toggles the visibility of its series or
    // slice in items and clears the hover target; true when one was hit.
    template <class Item>
    bool toggleByLegend(const QVector<ChartLegendItem>& legend, const QPoint& pos, QVector<Item>& items)
    {
        const int hit = cvnChartLegendHit(legend, pos);
        if (hit < 0 || hit >= items.size())
            return false;
        items[hit].visible = !items[hit].visible;
        clearHover();
        updateChart();
        return true;
    }
    void updateChart();
    // Takes new data (a copy, unless data already shares the stored
    // vector) and replays the intro animation.
    template <class T>
    void replaceData(QVector<T>& stored, const QVector<T>& data)
    {
        if (!data.isSharedWith(stored))
            stored = data;
        replayAnimation();
    }
    void replayAnimation();
    // While paintGL draws: the colour the surface was just cleared with,
    // which every pixel still shows until the first drawing; else invalid.
    const QColor& clearedWith() const { return m_clearedWith; }

    CVNQChartBase* m_chart;
    QString m_title;
    bool m_tooltipEnabled = false;
    bool m_hoverEnabled = true;
    int m_tooltipMode = ChartTooltipNone;
    bool m_hoverActive = false;
    int m_hoverIndex = -1;
    int m_hoverSeries = -1;
    QPoint m_hoverMousePos;
    QColor m_clearedWith;
    bool m_painted = false; // paintGL ran before
};

} // namespace CVNQtLib
