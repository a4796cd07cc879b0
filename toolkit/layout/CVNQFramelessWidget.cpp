#include "CVNQFramelessWidget.h"

#include "CVNQStyleDefs.h"
#include "CVNQWindowImpl.h"

#include <QMouseEvent>

namespace CVNQtLib {

template <class QtBase>
CVNQFramelessWidget<QtBase>::CVNQFramelessWidget(QWidget* parent, const QString& typeName, bool topLevel)
    : QtBase(parent)
    , m_impl(new CVNQWindowImpl(this, typeName, topLevel))
{}

template <class QtBase>
CVNQFramelessWidget<QtBase>::~CVNQFramelessWidget() = default;

template <class QtBase>
bool CVNQFramelessWidget<QtBase>::getCanGrag() const
{
    return m_impl->canDrag;
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::setCanDrag(bool canDrag)
{
    m_impl->canDrag = canDrag;
}
template <class QtBase>
bool CVNQFramelessWidget<QtBase>::getOnlyDragCaption() const
{
    return m_impl->onlyDragCaption;
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::setOnlyDragCaption(bool only)
{
    m_impl->onlyDragCaption = only;
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::setResizeable(bool resizeable)
{
    m_impl->resizeable = resizeable;
    this->setAttribute(Qt::WA_MouseTracking, resizeable);
}
template <class QtBase>
bool CVNQFramelessWidget<QtBase>::getResizeable() const
{
    return m_impl->resizeable;
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::setCaptionHeight(int height)
{
    m_impl->captionHeight = height;
}
template <class QtBase>
int CVNQFramelessWidget<QtBase>::getCaptionHeight() const
{
    return m_impl->captionHeight;
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::setTransparent(bool on)
{
    m_impl->setTransparent(on);
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::setShowBackground(bool show)
{
    m_impl->showBackground = show;
    this->update();
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::setUseFillColor(bool useColor)
{
    m_impl->useFillColor = useColor;
    this->update();
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::setBackgroundColor(const FillRes& fill)
{
    m_impl->backgroundFill = fill;
    this->update();
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::setBackgroundImage(const QString& image, const ImageDesc& desc)
{
    m_impl->backgroundImageDesc = desc;
    m_impl->backgroundImage = image;
    this->update();
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::setX(int x)
{
    m_impl->setEdgeX(x);
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::setY(int y)
{
    m_impl->setEdgeY(y);
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::centerWindow()
{
    m_impl->centerOnScreen();
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::setDoubleClickMaximize(bool on)
{
    m_impl->doubleClickMaximize = on;
}
template <class QtBase>
bool CVNQFramelessWidget<QtBase>::getDoubleClickMaximize() const
{
    return m_impl->doubleClickMaximize;
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::toggleMaximized()
{
    m_impl->toggleMaximized();
}
template <class QtBase>
QWidget* CVNQFramelessWidget<QtBase>::hitTest(QWidget* root, QWidget* w, int x, int y)
{
    return CVNQWindowImpl::hitTestWidget(root, w, x, y);
}

template <class QtBase>
void CVNQFramelessWidget<QtBase>::mousePressEvent(QMouseEvent* event)
{
    if (m_impl->press(event))
        QtBase::mousePressEvent(event);
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::mouseMoveEvent(QMouseEvent* event)
{
    if (m_impl->move(event))
        QtBase::mouseMoveEvent(event);
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_impl->release(event))
        QtBase::mouseReleaseEvent(event);
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_impl->doubleClick(event))
        QtBase::mouseDoubleClickEvent(event);
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::paintEvent(QPaintEvent*)
{
    m_impl->paint();
}
template <class QtBase>
void CVNQFramelessWidget<QtBase>::resizeEvent(QResizeEvent* event)
{
    CVNQWindowImpl::resizeChildren(this);
    QtBase::resizeEvent(event);
}

template class CVNQFramelessWidget<QDialog>;
template class CVNQFramelessWidget<QWidget>;

} // namespace CVNQtLib
