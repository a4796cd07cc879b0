#pragma once

// Internal: the setters and handlers CVNQWindow and CVNQSubWin share,
// written once over the widget type.

#include "CVNQWidgetBase.h"
#include "CVNQWindowImpl.h"
#include "ICVNQWidgetBase.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace CVNQtLib {
namespace WindowCommon {

inline void setTransparent(QWidget* w, bool on)
{
    if (on) {
        w->setWindowFlag(Qt::FramelessWindowHint, true);
        w->setAttribute(Qt::WA_TranslucentBackground, true);
    } else {
        w->setAttribute(Qt::WA_TranslucentBackground, false);
    }
}

inline void setX(QWidget* w, int x)
{
    QRect g = w->geometry();
    g.setLeft(x);
    w->setGeometry(g);
}

inline void setY(QWidget* w, int y)
{
    QRect g = w->geometry();
    g.setTop(y);
    w->setGeometry(g);
}

inline void centerWindow(QWidget* w)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect s = screen->geometry();
    w->move((s.width() - w->width()) / 2, (s.height() - w->height()) / 2);
}

// A root container (or any direct child control) follows the window.
inline void resizeChildren(QWidget* w)
{
    for (QObject* child : w->children()) {
        if (!child->isWidgetType())
            continue;
        if (ICVNQWidgetBase* c = dynamic_cast<ICVNQWidgetBase*>(child))
            if (CVNQWidgetBase* base = c->getControlBase())
                base->resizeWidget();
    }
}

inline void paint(QWidget* w, CVNQWindowImpl* impl)
{
    if (!impl->showBackground)
        return;
    QPainter painter(w);
    impl->draw(&painter, QRect(0, 0, w->width(), w->height()));
}

} // namespace WindowCommon
} // namespace CVNQtLib
