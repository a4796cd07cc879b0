#include "CVNQScrollBarForwarders.h"

#include "CVNQScrollBar.h"

namespace CVNQtLib {

void CVNQScrollBarForwarders::setScrollbarBackgroundStyle(bool horizontal, const FillStyle& style)
{
    if (CVNQScrollBar* bar = themedScrollBar(horizontal))
        bar->setScrollbarBackground(CommonCtrlStateNormal, style);
}

void CVNQScrollBarForwarders::setScrollbarButtonIcon(bool horizontal, bool up, const QString& path)
{
    if (CVNQScrollBar* bar = themedScrollBar(horizontal))
        bar->setScrollbarBtnIcon(up, path);
}

void CVNQScrollBarForwarders::setScrollbarButtonIconStyle(bool horizontal, bool up, const IconStyleDesc& style)
{
    if (CVNQScrollBar* bar = themedScrollBar(horizontal))
        bar->setScrollbarIconStyle(up, style);
}

void CVNQScrollBarForwarders::setScrollbarButtonStyle(bool horizontal, bool up, CtrlState state, const FillStyle& style)
{
    if (CVNQScrollBar* bar = themedScrollBar(horizontal))
        bar->setScrollbarButton(up, state, style);
}

void CVNQScrollBarForwarders::setScrollbarThumb(bool horizontal, const QString& path)
{
    if (CVNQScrollBar* bar = themedScrollBar(horizontal))
        bar->setScrollbarThumbIcon(path);
}

void CVNQScrollBarForwarders::setScrollbarThumbStyle(bool horizontal, CtrlState state, const FillStyle& style)
{
    if (CVNQScrollBar* bar = themedScrollBar(horizontal))
        bar->setScrollbarThumb(state, style);
}

} // namespace CVNQtLib
