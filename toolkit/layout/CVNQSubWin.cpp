#include "CVNQSubWin.h"

#include "CVNQWindowCommon.h"
#include "CVNQWindowImpl.h"

#include <QMouseEvent>

namespace CVNQtLib {

CVNQSubWin::CVNQSubWin(QWidget* parent) : QWidget(parent)
{
    m_impl = new CVNQWindowImpl(this, typeName(), false);
    setAttribute(Qt::WA_MouseTracking, true);
}

CVNQSubWin::~CVNQSubWin() { delete m_impl; }

void CVNQSubWin::setCanDrag(bool canDrag) { m_impl->canDrag = canDrag; }
bool CVNQSubWin::getCanGrag() const { return m_impl->canDrag; }
void CVNQSubWin::setOnlyDragCaption(bool only) { m_impl->onlyDragCaption = only; }
bool CVNQSubWin::getOnlyDragCaption() const { return m_impl->onlyDragCaption; }

void CVNQSubWin::setResizeable(bool resizeable)
{
    m_impl->resizeable = resizeable;
    setAttribute(Qt::WA_MouseTracking, resizeable);
}

bool CVNQSubWin::getResizeable() const { return m_impl->resizeable; }
void CVNQSubWin::setCaptionHeight(int height) { m_impl->captionHeight = height; }
int CVNQSubWin::getCaptionHeight() const { return m_impl->captionHeight; }
void CVNQSubWin::setMinWidth(int w) { m_impl->minWidth = w; }
void CVNQSubWin::setMinHeight(int h) { m_impl->minHeight = h; }
void CVNQSubWin::setTransparent(bool on) { WindowCommon::setTransparent(this, on); }
void CVNQSubWin::setShowBackground(bool show) { m_impl->showBackground = show; }
void CVNQSubWin::setUseFillColor(bool useColor) { m_impl->useFillColor = useColor; }
void CVNQSubWin::setBackgroundColor(const FillRes& fill) { m_impl->backgroundFill = fill; }

void CVNQSubWin::setBackgroundImage(const QString& image, const ImageDesc& desc)
{
    m_impl->backgroundImageDesc = desc;
    m_impl->backgroundImage = image;
}

void CVNQSubWin::setX(int x) { WindowCommon::setX(this, x); }
void CVNQSubWin::setY(int y) { WindowCommon::setY(this, y); }
void CVNQSubWin::centerWindow() { WindowCommon::centerWindow(this); }
void CVNQSubWin::setDoubleClickMaximize(bool on) { m_impl->doubleClickMaximize = on; }
bool CVNQSubWin::getDoubleClickMaximize() const { return m_impl->doubleClickMaximize; }
void CVNQSubWin::toggleMaximized() { m_impl->toggleMaximized(); }

QWidget* CVNQSubWin::hitTest(QWidget* root, QWidget* w, int x, int y)
{
    return CVNQWindowImpl::hitTestWidget(root, w, x, y);
}

void CVNQSubWin::mousePressEvent(QMouseEvent* event)
{
    if (m_impl->press(event))
        QWidget::mousePressEvent(event);
}

void CVNQSubWin::mouseMoveEvent(QMouseEvent* event)
{
    if (m_impl->move(event))
        QWidget::mouseMoveEvent(event);
}

void CVNQSubWin::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_impl->release(event))
        QWidget::mouseReleaseEvent(event);
}

void CVNQSubWin::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_impl->doubleClick(event))
        QWidget::mouseDoubleClickEvent(event);
}

void CVNQSubWin::paintEvent(QPaintEvent*) { WindowCommon::paint(this, m_impl); }

void CVNQSubWin::resizeEvent(QResizeEvent* event)
{
    WindowCommon::resizeChildren(this);
    QWidget::resizeEvent(event);
}

} // namespace CVNQtLib
