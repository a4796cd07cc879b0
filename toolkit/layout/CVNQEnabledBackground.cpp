#include "CVNQEnabledBackground.h"

#include "CVNQWidgetBaseImpl.h"

#include <QWidget>

namespace CVNQtLib {

void CVNQEnabledBackground::paint(QPainter* painter, const QWidget* owner, const QRect& rect) const
{
    if (!draw || !owner)
        return;
    CVNQWidgetBaseImpl::drawFillStyle(painter, owner->isEnabled() ? normal : disabled, rect);
}

} // namespace CVNQtLib
