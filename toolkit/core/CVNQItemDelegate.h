#pragma once

// The base of the toolkit's item delegates. They draw their rows
// themselves and never Qt's check indicator, so Qt's own handling of a
// user-checkable item (a click near the cell's left edge, Space or Select
// on the current item) would change a check state the view does not show:
// this base takes no event. A view that draws a check box flips it itself.

#include "CVNQGlobal.h"

#include <QItemDelegate>

namespace CVNQtLib {

class CVNQ_EXPORT CVNQItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    using QItemDelegate::QItemDelegate;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

} // namespace CVNQtLib
