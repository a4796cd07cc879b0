#include "CVNQScrollView.h"

#include "CVNQControlInfo.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollBarNode.h"
#include "CVNQScrollViewImpl.h"

#include <QEvent>
#include <QPainter>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQScrollView, CVNQScrollViewImpl, "qtscrollview")

CVNQScrollView::CVNQScrollView(QWidget* parent)
    : CVNQScrollView(parent, [](CVNQScrollView* owner) { return new CVNQScrollViewImpl(owner); })
{}

CVNQScrollView::CVNQScrollView(QWidget* parent, ImplFactory makeImpl)
    : QScrollArea(parent)
{
    m_impl.reset(makeImpl(this));
    auto* vertical = new CVNQScrollBar(Qt::Vertical, this);
    setHorizontalScrollBar(new CVNQScrollBar(Qt::Horizontal, this));
    setVerticalScrollBar(vertical);
    setFrameStyle(0);
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    viewport()->installEventFilter(this);
    m_impl->applyTheme();
}

CVNQScrollView::~CVNQScrollView()
{
    if (QWidget* vp = viewport())
        vp->removeEventFilter(this);
}

ControlInfo CVNQScrollView::getProps()
{
    ControlInfo info =
        cvnMakeControlInfo(typeName(), "ScrollView", "Control ScrollView", "CVNQScrollView", "scrollview");
    info.properties.push_back(cvnStyleRow<CVNQScrollView>(
        CVNQScrollViewImpl::Slots::background, &CVNQScrollView::setBackground, &CVNQScrollView::getBackground));
    return info;
}

CVNQScrollBar* CVNQScrollView::scrollBar(bool hor) const
{
    // Looked up each time: a caller may have installed other bars, and Qt
    // deletes the ones they replaced.
    return qobject_cast<CVNQScrollBar*>(hor ? horizontalScrollBar() : verticalScrollBar());
}

const FillStyle& CVNQScrollView::getBackground(CommonCtrlState) const
{
    return m_impl->background;
}

void CVNQScrollView::setBackground(CommonCtrlState, const FillStyle& style)
{
    m_impl->background = style;
    update();
}

int CVNQScrollView::getHScrollPos() const
{
    return horizontalScrollBar()->value();
}

void CVNQScrollView::setHScrollPos(int pos)
{
    horizontalScrollBar()->setValue(pos);
}

int CVNQScrollView::getVScrollPos() const
{
    return verticalScrollBar()->value();
}

void CVNQScrollView::setVScrollPos(int pos)
{
    verticalScrollBar()->setValue(pos);
}

CVNQScrollBar* CVNQScrollView::themedScrollBar(bool horizontal) const
{
    return scrollBar(horizontal);
}

void CVNQScrollView::setScrollbarBtnSize(bool hor, int size)
{
    if (CVNQScrollBar* bar = scrollBar(hor))
        bar->setStyleSheet(cvnScrollBarButtonSizeSheet(hor, size));
}

void CVNQScrollView::setScrollbarSize(bool, int size)
{
    cvnSetScrollBarThickness(scrollBar(true), scrollBar(false), size);
}

bool CVNQScrollView::event(QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        // No frame is drawn (frame style 0), so nothing of the base is lost.
        QPainter painter(this);
        CVNQWidgetBaseImpl::drawFillStyle(&painter, m_impl->background, QRect(0, 0, width(), height()));
        return true;
    }
    return QScrollArea::event(event);
}

bool CVNQScrollView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Paint) {
        QWidget* vp = viewport();
        QPainter painter(vp);
        CVNQWidgetBaseImpl::drawFillStyle(&painter, m_impl->background, QRect(0, 0, vp->width(), vp->height()));
        return false;
    }
    return QScrollArea::eventFilter(watched, event);
}

void CVNQScrollView::paintEvent(QPaintEvent*) {}

void CVNQScrollView::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
}

void CVNQScrollView::scrollContentsBy(int dx, int dy)
{
    QScrollArea::scrollContentsBy(dx, dy);
    emit scrollPosChanged(dx, dy);
}

} // namespace CVNQtLib

#include "moc_CVNQScrollView.cpp"
