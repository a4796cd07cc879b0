#include "CVNQSubWin.h"

#include "CVNQWindowImpl.h"

namespace CVNQtLib {

CVNQSubWin::CVNQSubWin(QWidget* parent)
    : CVNQFramelessWidget<QWidget>(parent, typeName(), false)
{
    setAttribute(Qt::WA_MouseTracking, true);
}

CVNQSubWin::~CVNQSubWin() = default;

void CVNQSubWin::setMinWidth(int w)
{
    m_impl->minWidth = w;
}
void CVNQSubWin::setMinHeight(int h)
{
    m_impl->minHeight = h;
}

} // namespace CVNQtLib

#include "moc_CVNQSubWin.cpp"
