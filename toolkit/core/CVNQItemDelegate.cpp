#include "CVNQItemDelegate.h"

namespace CVNQtLib {

bool CVNQItemDelegate::editorEvent(QEvent*, QAbstractItemModel*, const QStyleOptionViewItem&, const QModelIndex&)
{
    return false;
}

} // namespace CVNQtLib

#include "moc_CVNQItemDelegate.cpp"
