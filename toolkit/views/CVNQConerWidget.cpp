#include "CVNQConerWidget.h"

#include "CVNQTableViewImpl.h"
#include "CVNQViewport.h"

#include <QPainter>

namespace CVNQtLib {

CVNQConerWidget::CVNQConerWidget(CVNQTableViewImpl* impl, QWidget* parent)
    : QWidget(parent)
    , m_impl(impl)
{}

void CVNQConerWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    CVNQWidgetBaseImpl::drawFillStyle(&painter, m_impl->background, rect());
}

CVNQViewport::CVNQViewport(CVNQTableViewImpl* impl, QWidget* parent)
    : CVNQConerWidget(impl, parent)
{}

} // namespace CVNQtLib

#include "moc_CVNQConerWidget.cpp"
