#pragma once

// One chart under test: the widget with its animation off at a given size,
// its implementation object, mouse events sent to it, and its painting
// rendered into an image or recorded by a ChartPaintProbe.

#include "ChartPaintProbe.h"
#include "TestUtil.h"

#include <QImage>
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

    // Left-button events sent ignored: true when the chart took them.
    bool press(const QPointF& pos)
    {
        return TestUtil::taken(
            &widget, TestUtil::mouseEvent(&widget, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton));
    }
    bool move(const QPointF& pos, Qt::MouseButtons held = Qt::NoButton)
    {
        return TestUtil::taken(&widget, TestUtil::mouseEvent(&widget, QEvent::MouseMove, pos, Qt::NoButton, held));
    }
    bool release(const QPointF& pos)
    {
        return TestUtil::taken(
            &widget, TestUtil::mouseEvent(&widget, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton));
    }
    void leave() { TestUtil::leave(&widget); }

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
