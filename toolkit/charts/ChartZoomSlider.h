#pragma once

// The data-zoom bar a category chart shows under its plot: a track, a
// translucent window over the shown part of the category axis with a
// handle at each end, and the labels of the first and last shown
// categories. A plain value the chart feeds with its plot rectangle, the
// mouse and the painter; the range is two fractions of the axis.

#include <QColor>
#include <QPoint>
#include <QRectF>
#include <QStringList>
#include <functional>

class QPainter;

namespace CVNQtLib {

class ChartZoomSlider
{
public:
    using LabelProvider = std::function<QString(int)>;

    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    // Stores both ends, then keeps them in 0..1, ordered, at least minSpan apart.
    void setRange(double start, double end);
    double start() const { return m_start; }
    double end() const { return m_end; }
    double minSpan() const { return m_minSpan; }

    void setCount(int count) { m_count = qMax(count, 1); }
    int count() const { return m_count; }

    void setLabelColor(const QColor& color) { m_labelColor = color; }
    void setLabels(const QStringList& labels) { m_labels = labels; }
    // An empty callable removes the provider.
    void setLabelProvider(LabelProvider provider) { m_labelProvider = std::move(provider); }
    QString label(int index) const;

    // The track below plot at offset; empty while disabled or with fewer than two categories.
    QRectF trackRect(const QRectF& plot, double offset) const;
    QRectF selectionRect(const QRectF& track) const;

    // True when the press hits a handle or the window and starts a drag.
    bool press(const QPoint& pos, const QRectF& track);
    // One drag step; true when the state changed.
    bool drag(const QPoint& pos, const QRectF& track);
    void release() { m_dragMode = 0; }
    bool isDragging() const { return m_dragMode != 0; }
    int dragMode() const { return m_dragMode; }

    // The category indices a chart shows of count categories: all of them
    // while the slider is off or with fewer than two, else those under the window.
    void visibleRange(int count, int& first, int& last) const;

    // Index of the first and last category the window shows.
    int firstLabelIndex() const;
    int lastLabelIndex() const;

    void paint(QPainter& painter, const QRectF& track, bool withLabels) const;

private:
    void normalise();
    double fraction(double x, const QRectF& track) const;

    bool m_enabled = false;
    double m_start = 0.0;
    double m_end = 1.0;
    double m_minSpan = 0.02;
    int m_count = 1;
    QColor m_trackColor{231, 237, 247};
    QColor m_selectionColor{37, 99, 235, 54};
    QColor m_selectionBorderColor{37, 99, 235};
    QColor m_handleColor{37, 99, 235};
    QColor m_labelColor{87, 103, 132};
    double m_trackHeight = 18.0;
    double m_cornerRadius = 4.0;
    double m_handleWidth = 6.0;
    double m_handleOverhang = 3.0;
    double m_labelGap = 4.0;
    double m_labelHeight = 16.0;
    int m_labelFontSize = 10;
    QStringList m_labels;
    LabelProvider m_labelProvider;
    int m_dragMode = 0; // 0 none, 1 left handle, 2 right handle, 3 window
    QPoint m_pressPos;
    double m_pressStart = 0.0;
    double m_pressEnd = 1.0;
};

} // namespace CVNQtLib
