#include "CVNQComboItemDelegate.h"

#include "CVNQComboBox.h"
#include "CVNQComboBoxImpl.h"

#include <QPainter>

namespace CVNQtLib {

CVNQComboItemDelegate::CVNQComboItemDelegate(CVNQComboBoxImpl* impl, QObject* parent)
    : CVNQItemDelegate(parent)
    , m_impl(impl)
{}

int CVNQComboItemDelegate::rowSlot(QStyle::State state)
{
    if (state & QStyle::State_MouseOver)
        return 1;
    if (state & QStyle::State_Selected)
        return 2;
    return 0;
}

void CVNQComboItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!m_impl || !index.isValid() || !painter)
        return;
    // The item's first value by role: the display text in practice, but an
    // item that only carries user data shows that.
    const QMap<int, QVariant> data = index.model()->itemData(index);
    const QString text = data.isEmpty() ? QString() : data.first().toString();

    int iconColumn = 0;
    const QIcon icon = m_impl->combo() ? m_impl->combo()->itemIcon(index.row()) : QIcon();
    if (!icon.isNull()) {
        CVNQWidgetBaseImpl::drawIcon(painter, icon, QSize(16, 16), IconStyleDesc(),
                                     QRect(option.rect.x(), option.rect.y(), 20, option.rect.height()));
        iconColumn = 20;
    }

    painter->save();
    QRect row = option.rect;
    row.setLeft(row.left() + iconColumn);
    const int slot = rowSlot(option.state);
    CVNQWidgetBaseImpl::drawFillStyle(painter, m_impl->itemBackgrounds.get(slot), row);
    CVNQWidgetBaseImpl::drawText(painter, text, CVNQComboBoxImpl::indentedText(m_impl->itemTextStyles.get(slot)), row);
    painter->restore();
}

QSize CVNQComboItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), m_impl ? m_impl->itemHeight : 25);
}

} // namespace CVNQtLib

#include "moc_CVNQComboItemDelegate.cpp"
