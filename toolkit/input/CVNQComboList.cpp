#include "CVNQComboList.h"

#include "CVNQComboBoxImpl.h"

#include <QEvent>
#include <QPainter>

namespace CVNQtLib {

CVNQComboList::CVNQComboList(CVNQComboBoxImpl* impl, QWidget* parent)
    : QListView(parent)
    , m_impl(impl)
    , m_delegate(impl)
{
    setItemDelegate(&m_delegate);
    viewport()->installEventFilter(this);
    setFrameStyle(0);
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
}

void CVNQComboList::setImpl(CVNQComboBoxImpl* impl)
{
    m_impl = impl;
    m_delegate.setImpl(impl);
}

bool CVNQComboList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Paint) {
        if (m_impl) {
            QPainter painter(viewport());
            CVNQWidgetBaseImpl::drawFillStyle(&painter, m_impl->popupBackground,
                                              QRect(0, 0, viewport()->width(), viewport()->height()));
        }
        // The rows paint over the background.
        return false;
    }
    return QAbstractItemView::eventFilter(watched, event);
}

} // namespace CVNQtLib

#include "moc_CVNQComboList.cpp"
