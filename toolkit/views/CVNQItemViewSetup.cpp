#include "CVNQItemViewSetup.h"

#include "CVNQScrollBar.h"
#include "CVNQWidgetBaseImpl.h"

#include <QAbstractItemView>
#include <QPainter>

namespace CVNQtLib {

void cvnSetUpItemView(QAbstractItemView* view, QPointer<CVNQScrollBar>& horizontal, QPointer<CVNQScrollBar>& vertical)
{
    horizontal = new CVNQScrollBar(Qt::Horizontal, view);
    vertical = new CVNQScrollBar(Qt::Vertical, view);
    view->setHorizontalScrollBar(horizontal);
    view->setVerticalScrollBar(vertical);
    view->setFrameStyle(0);
    view->viewport()->installEventFilter(view);
    view->setMouseTracking(true);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void cvnPaintViewportBackground(QWidget* viewport, const FillStyle& style)
{
    QPainter painter(viewport);
    CVNQWidgetBaseImpl::drawFillStyleAt(&painter, style, 0, 0, viewport->width(), viewport->height());
}

void cvnDeleteItemDelegate(QAbstractItemView* view, QAbstractItemDelegate* delegate)
{
    if (view->itemDelegate() == delegate)
        view->setItemDelegate(nullptr);
    delete delegate;
}

} // namespace CVNQtLib
