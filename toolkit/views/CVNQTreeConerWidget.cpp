#include "CVNQTreeConerWidget.h"

#include "CVNQTreeViewImpl.h"

#include <QPainter>

namespace CVNQtLib {

CVNQTreeConerWidget::CVNQTreeConerWidget(QWidget* parent)
    : QWidget(parent)
{}

void CVNQTreeConerWidget::paintEvent(QPaintEvent*)
{
    if (!m_impl)
        return;
    QPainter painter(this);
    CVNQWidgetBaseImpl::drawFillStyle(&painter, m_impl->background, rect());
}

} // namespace CVNQtLib

#include "moc_CVNQTreeConerWidget.cpp"
