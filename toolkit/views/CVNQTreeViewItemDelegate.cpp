#include "CVNQTreeViewItemDelegate.h"

#include <algorithm>

#include "CVNQTreeViewImpl.h"

#include <QIcon>
#include <QPainter>

namespace CVNQtLib {

CVNQTreeViewItemDelegate::CVNQTreeViewItemDelegate(CVNQTreeViewImpl* impl, QObject* parent)
    : CVNQItemDelegate(parent)
    , m_impl(impl)
{}

int CVNQTreeViewItemDelegate::iconSizeFor(int rowHeight)
{
    if (rowHeight <= 24)
        return 16;
    return rowHeight <= 32 ? 24 : 32;
}

int CVNQTreeViewItemDelegate::rowHeight() const
{
    return m_impl->itemHeight > 0 ? m_impl->itemHeight : 20;
}

void CVNQTreeViewItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    if (!index.isValid() || !index.model())
        return;
    painter->save();
    const QRect cell = option.rect;
    QRect textRect = cell;
    // Selection wins over hover.
    const CtrlState state = option.state.testFlag(QStyle::State_Selected)    ? CtrlStatePressed
                            : option.state.testFlag(QStyle::State_MouseOver) ? CtrlStateHover
                                                                             : CtrlStateNormal;
    CVNQWidgetBaseImpl::drawFillStyle(painter, m_impl->itemBackgrounds[state], cell);

    const QMap<int, QVariant> data = index.model()->itemData(index);
    QString text;
    if (!data.isEmpty()) {
        text = data.value(Qt::DisplayRole).toString();
        const QVariant decoration = data.value(Qt::DecorationRole);
        if (decoration.isValid()) {
            const int side = iconSizeFor(cell.height());
            QRect iconRect = cell;
            iconRect.setWidth(side + 4);
            textRect.setLeft(cell.left() + 4 + side);
            const IconStyleDesc placement; // centred, untinted
            if (decoration.userType() == QMetaType::QIcon)
                CVNQWidgetBaseImpl::drawIcon(painter, decoration.value<QIcon>(), QSize(side, side), placement,
                                             iconRect);
            else if (decoration.userType() == QMetaType::QString)
                CVNQWidgetBaseImpl::drawImage(painter, decoration.toString(), placement, iconRect);
        }
    }
    CVNQWidgetBaseImpl::drawText(painter, text, m_impl->itemTextStyles[state], textRect);
    painter->restore();
}

// The widest the text draws in any state's style on the view: a hovered or
// selected item may draw in a wider font than a plain one.
int CVNQTreeViewItemDelegate::textWidth(const QString& text, const QWidget* view) const
{
    int width = 0;
    for (int state = 0; state < CtrlStateCount; ++state)
        width = std::max(width, CVNQWidgetBaseImpl::getTextSize(text, m_impl->itemTextStyles[state], view).width());
    return width;
}

QSize CVNQTreeViewItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QMap<int, QVariant> data = index.model() ? index.model()->itemData(index) : QMap<int, QVariant>();
    if (data.isEmpty()) {
        QSize size = QItemDelegate::sizeHint(option, index);
        size.setHeight(rowHeight());
        return size;
    }
    // The width is made of the item's own texts and icons below; Qt's
    // measure (a full text layout) would only be thrown away.
    const int height = rowHeight();
    const int iconColumn = 4 + iconSizeFor(height);
    int width = 0;
    for (auto it = data.constBegin(); it != data.constEnd(); ++it) {
        const int type = it.value().userType();
        if (type == QMetaType::QIcon)
            width += iconColumn;
        else if (type == QMetaType::QString && it.key() == Qt::DecorationRole)
            width += iconColumn;
        else if (type == QMetaType::QString)
            width += 4 + textWidth(it.value().toString(), option.widget);
    }
    return QSize(width, height);
}

} // namespace CVNQtLib

#include "moc_CVNQTreeViewItemDelegate.cpp"
