#pragma once

// One chart under test: the widget with its animation off at a given size,
// its implementation object, mouse events sent to it, and its painting
// rendered into an image or recorded by a ChartPaintProbe.

#include "ChartPaintProbe.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

template <class Widget, class Impl>
struct ChartFixture
{
    Widget widget;
    Impl* impl;
    QColor underlay; // what render() paints the chart over

    explicit ChartFixture(QSize size, QColor under = Qt::black)
        : underlay(under)
    {
        widget.setAnimationEnabled(false);
        widget.resize(size);
        impl = static_cast<Impl*>(widget.getControlImpl());
    }

    // Sends a mouse event (a move carries no button); true when the chart accepted it.
    bool mouse(QEvent::Type type, const QPointF& pos, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        QMouseEvent e(type, pos, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        e.setAccepted(false);
        QCoreApplication::sendEvent(&widget, &e);
        return e.isAccepted();
    }
    void move(const QPointF& pos) { mouse(QEvent::MouseMove, pos, Qt::NoButton); }
    bool click(const QPointF& pos) { return mouse(QEvent::MouseButtonPress, pos); }
    void leave()
    {
        QEvent e(QEvent::Leave);
        QCoreApplication::sendEvent(&widget, &e);
    }

    QImage render() const
    {
        QImage image(widget.size(), QImage::Format_ARGB32);
        image.fill(underlay);
        QPainter p(&image);
        impl->draw(&p, widget.rect());
        return image;
    }
    void probe(ChartPaintProbe& device) const
    {
        QPainter p(&device);
        impl->draw(&p, widget.rect());
    }
};
