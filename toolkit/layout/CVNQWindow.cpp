#include "CVNQWindow.h"

#include "CVNQResourceManager.h"
#include "CVNQWindowImpl.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>

#ifdef Q_OS_WIN
#include <windows.h>
#include <windowsx.h>
#endif

#include <algorithm>

namespace CVNQtLib {

CVNQWindow::CVNQWindow(QWidget* parent)
    : CVNQFramelessWidget<QDialog>(parent, typeName(), true)
{
    CVNQResourceManager::getInstance()->registerWindow(this);
    // Escape in a modal window rejects and hides it without a close event:
    // doModal() must return then too.
    connect(this, &QDialog::finished, this, &CVNQWindow::closeModal);
}

CVNQWindow::~CVNQWindow()
{
    CVNQResourceManager::getInstance()->unregisterWindow(this);
}

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

QSize CVNQWindow::getMinSize() const
{
    return QSize(m_impl->minWidth, m_impl->minHeight);
}

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

void CVNQWindow::setMDIArea(CVNQMDIArea* area)
{
    m_impl->mdiArea = area;
}
CVNQMDIArea* CVNQWindow::getMDIArea() const
{
    return m_impl->mdiArea;
}

void CVNQWindow::ToJsonString(QString&) {}

void CVNQWindow::closeEvent(QCloseEvent* event)
{
    if (m_impl->eventLoop)
        m_impl->eventLoop->exit(0);
    QDialog::closeEvent(event);
}

void CVNQWindow::keyPressEvent(QKeyEvent* event)
{
    if (isModal())
        QDialog::keyPressEvent(event);
    else
        QWidget::keyPressEvent(event);
}

bool CVNQWindow::nativeEvent(const QByteArray& eventType, void* message, long* result)
{
#ifdef Q_OS_WIN
    // Only Windows messages are Windows messages: anything else goes to Qt.
    if (eventType == "windows_generic_MSG" && message && result && (windowFlags() & Qt::FramelessWindowHint)) {
        MSG* msg = static_cast<MSG*>(message);
        switch (msg->message) {
        case WM_NCPAINT: *result = 0; return true;
        case WM_NCACTIVATE: *result = 1; return true;
        case WM_NCCALCSIZE: *result = 0; return true;
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
        default: break;
        }
    }
#endif
    return QDialog::nativeEvent(eventType, message, result);
}

} // namespace CVNQtLib

#include "moc_CVNQWindow.cpp"
