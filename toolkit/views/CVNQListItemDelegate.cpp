#include "CVNQListItemDelegate.h"

#include "CVNQListImpl.h"

#include <QIcon>
#include <QPainter>

namespace CVNQtLib {

CVNQListItemDelegate::CVNQListItemDelegate(QObject* parent, CVNQListImpl* impl)
    : CVNQItemDelegate(parent)
    , m_impl(impl)
{}

int CVNQListItemDelegate::iconSize(int rowHeight)
{
    return rowHeight <= 24 ? 16 : rowHeight <= 32 ? 24 : 32;
}

void CVNQListItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!index.isValid() || !m_impl)
        return;
    painter->save();
    const QRect rect = option.rect;
    // Hover wins over selection.
    const int state = (option.state & QStyle::State_MouseOver)  ? CtrlStateHover
                      : (option.state & QStyle::State_Selected) ? CtrlStatePressed
                                                                : CtrlStateNormal;
    CVNQWidgetBaseImpl::drawFillStyle(painter, m_impl->itemBackground.get(state), rect);

    const QString text = index.data(Qt::DisplayRole).toString();
    QRect textRect = rect;
    const QVariant decoration = index.data(Qt::DecorationRole);
    if (decoration.isValid()) {
        const int size = iconSize(rect.height());
        const QRect iconRect(rect.left(), rect.top(), size + 4, rect.height());
        textRect.setLeft(rect.left() + 4 + size);
        const IconStyleDesc centred;
        if (decoration.type() == QVariant::Icon)
            CVNQWidgetBaseImpl::drawIcon(painter, decoration.value<QIcon>(), QSize(size, size), centred, iconRect);
        else if (decoration.type() == QVariant::String)
            CVNQWidgetBaseImpl::drawImage(painter, decoration.toString(), centred, iconRect, false);
    }
    CVNQWidgetBaseImpl::drawText(painter, text, m_impl->itemTextStyle.get(state), textRect);
    painter->restore();
}

QSize CVNQListItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!m_impl)
        return QItemDelegate::sizeHint(option, index);
    return QSize(option.rect.width(), m_impl->itemHeight == 0 ? 20 : m_impl->itemHeight);
}

} // namespace CVNQtLib

#include "moc_CVNQListItemDelegate.cpp"
