#pragma once

// Small builders shared by the layout tests.

#include "CVNQContainer.h"
#include "CVNQtLib.h"

#include <QApplication>
#include <QWidget>

namespace LayoutTest {

inline void initToolkit()
{
    CVNQtLib::init();
}

// A toolkit child of the given size with optional size policies.
inline CVNQtLib::CVNQContainer* box(QWidget* parent, int w, int h, int widthPolicy = -1, int heightPolicy = -1)
{
    auto* c = new CVNQtLib::CVNQContainer(parent);
    c->resize(w, h);
    c->setWidthPolicy(widthPolicy);
    c->setHeightPolicy(heightPolicy);
    return c;
}

// A plain Qt child (no toolkit interface).
inline QWidget* plain(QWidget* parent, int w, int h)
{
    auto* p = new QWidget(parent);
    p->resize(w, h);
    return p;
}

inline CVNQtLib::CVNQContainer* root(int w, int h, CVNQtLib::CVNQContainer::AutoChildLayout mode)
{
    auto* c = new CVNQtLib::CVNQContainer();
    c->resize(w, h);
    c->setChildLayout(mode);
    return c;
}

} // namespace LayoutTest
