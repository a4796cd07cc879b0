#include "CVNQWindow.h"

#include "CVNQResourceManager.h"
#include "CVNQWindowCommon.h"
#include "CVNQWindowImpl.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMouseEvent>

#ifdef Q_OS_WIN
#include <windows.h>
#include <windowsx.h>
#endif

#include <algorithm>

namespace CVNQtLib {

CVNQWindow::CVNQWindow(QWidget* parent) : QDialog(parent)
{
    m_impl = new CVNQWindowImpl(this, typeName(), true);
    CVNQResourceManager::getInstance()->registerWindow(this);
}

CVNQWindow::~CVNQWindow()
{
    CVNQResourceManager::getInstance()->unregisterWindow(this);
    delete m_impl;
}

void CVNQWindow::setCanDrag(bool canDrag) { m_impl->canDrag = canDrag; }
bool CVNQWindow::getCanGrag() const { return m_impl->canDrag; }
void CVNQWindow::setOnlyDragCaption(bool only) { m_impl->onlyDragCaption = only; }
bool CVNQWindow::getOnlyDragCaption() const { return m_impl->onlyDragCaption; }

void CVNQWindow::setResizeable(bool resizeable)
{
    m_impl->resizeable = resizeable;
    setAttribute(Qt::WA_MouseTracking, resizeable);
}

bool CVNQWindow::getResizeable() const { return m_impl->resizeable; }
void CVNQWindow::setCaptionHeight(int height) { m_impl->captionHeight = height; }
int CVNQWindow::getCaptionHeight() const { return m_impl->captionHeight; }

void CVNQWindow::setMinWidth(int w)
{
    m_impl->minWidth = std::max(w, 0);
    setMinimumWidth(m_impl->minWidth);
}

void CVNQWindow::setMinHeight(int h)
{
    m_impl->minHeight = std::max(h, 0);
    setMinimumHeight(m_impl->minHeight);
}

void CVNQWindow::setMinSize(int w, int h)
{
    m_impl->minWidth = std::max(w, 0);
    m_impl->minHeight = std::max(h, 0);
    setMinimumSize(m_impl->minWidth, m_impl->minHeight);
}

QSize CVNQWindow::getMinSize() const { return QSize(m_impl->minWidth, m_impl->minHeight); }
void CVNQWindow::setTransparent(bool on) { WindowCommon::setTransparent(this, on); }
void CVNQWindow::setShowBackground(bool show) { m_impl->showBackground = show; }
void CVNQWindow::setUseFillColor(bool useColor) { m_impl->useFillColor = useColor; }
void CVNQWindow::setBackgroundColor(const FillRes& fill) { m_impl->backgroundFill = fill; }

void CVNQWindow::setBackgroundImage(const QString& image, const ImageDesc& desc)
{
    m_impl->backgroundImageDesc = desc;
    m_impl->backgroundImage = image;
}

void CVNQWindow::setX(int x) { WindowCommon::setX(this, x); }
void CVNQWindow::setY(int y) { WindowCommon::setY(this, y); }
void CVNQWindow::centerWindow() { WindowCommon::centerWindow(this); }

void CVNQWindow::doModal()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    m_impl->eventLoop->exec();
}

void CVNQWindow::closeModal()
{
    if (m_impl->eventLoop)
        m_impl->eventLoop->exit(0);
}

void CVNQWindow::setMDIArea(CVNQMDIArea* area) { m_impl->mdiArea = area; }
CVNQMDIArea* CVNQWindow::getMDIArea() const { return m_impl->mdiArea; }
void CVNQWindow::setDoubleClickMaximize(bool on) { m_impl->doubleClickMaximize = on; }
bool CVNQWindow::getDoubleClickMaximize() const { return m_impl->doubleClickMaximize; }
void CVNQWindow::toggleMaximized() { m_impl->toggleMaximized(); }

QWidget* CVNQWindow::hitTest(QWidget* root, QWidget* w, int x, int y)
{
    return CVNQWindowImpl::hitTestWidget(root, w, x, y);
}

void CVNQWindow::ToJsonString(QString&) {}

void CVNQWindow::mousePressEvent(QMouseEvent* event)
{
    if (m_impl->press(event))
        QDialog::mousePressEvent(event);
}

void CVNQWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_impl->move(event))
        QDialog::mouseMoveEvent(event);
}

void CVNQWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_impl->release(event))
        QDialog::mouseReleaseEvent(event);
}

void CVNQWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_impl->doubleClick(event))
        QDialog::mouseDoubleClickEvent(event);
}

void CVNQWindow::paintEvent(QPaintEvent*) { WindowCommon::paint(this, m_impl); }

void CVNQWindow::resizeEvent(QResizeEvent* event)
{
    WindowCommon::resizeChildren(this);
    QDialog::resizeEvent(event);
}

void CVNQWindow::closeEvent(QCloseEvent* event)
{
    if (m_impl->eventLoop)
        m_impl->eventLoop->exit(0);
    QDialog::closeEvent(event);
}

bool CVNQWindow::nativeEvent(const QByteArray& eventType, void* message, long* result)
{
#ifdef Q_OS_WIN
    // Only Windows messages are Windows messages: anything else goes to Qt.
    if (eventType == "windows_generic_MSG" && message && result && (windowFlags() & Qt::FramelessWindowHint)) {
        MSG* msg = static_cast<MSG*>(message);
        switch (msg->message) {
        case WM_NCPAINT:
            *result = 0;
            return true;
        case WM_NCACTIVATE:
            *result = 1;
            return true;
        case WM_NCCALCSIZE:
            *result = 0;
            return true;
        case WM_GETMINMAXINFO: {
            MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(msg->lParam);
            HMONITOR monitor = msg->hwnd ? MonitorFromWindow(msg->hwnd, MONITOR_DEFAULTTONEAREST) : nullptr;
            MONITORINFO mi;
            mi.cbSize = sizeof(mi);
            if (!info || !monitor || !GetMonitorInfoA(monitor, &mi))
                break;
            info->ptMaxPosition.x = mi.rcWork.left - mi.rcMonitor.left;
            info->ptMaxPosition.y = mi.rcWork.top - mi.rcMonitor.top;
            info->ptMaxSize.x = mi.rcWork.right - mi.rcWork.left;
            info->ptMaxSize.y = mi.rcWork.bottom - mi.rcWork.top;
            if (IsZoomed(msg->hwnd))
                info->ptMaxTrackSize = info->ptMaxSize;
            info->ptMinTrackSize.x = qRound(m_impl->minWidth * devicePixelRatioF());
            info->ptMinTrackSize.y = qRound(m_impl->minHeight * devicePixelRatioF());
            *result = 0;
            return true;
        }
        case WM_NCHITTEST: {
            const LONG_PTR style = GetWindowLongPtrA(msg->hwnd, GWL_STYLE);
            const LONG_PTR wanted = WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
            if ((style & wanted) != wanted) {
                SetWindowLongPtrA(msg->hwnd, GWL_STYLE, style | wanted);
                SetWindowPos(msg->hwnd, nullptr, 0, 0, 0, 0,
                             SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            }
            const QPoint global(GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam));
            const QPoint pos = mapFromGlobal(global);
            const int zone = cvnWindowHitTest(m_impl->hitState(), pos, this, QApplication::widgetAt(global));
            if (zone == CVNHitBase)
                break;
            *result = zone;
            return true;
        }
        default:
            break;
        }
    }
#endif
    return QDialog::nativeEvent(eventType, message, result);
}

} // namespace CVNQtLib
