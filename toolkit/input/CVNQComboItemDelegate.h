#pragma once

// Draws one row of the combo box's popup: the item's icon in a 20-pixel
// column, then the row background and text of the normal, hovered or
// selected look (hover wins over selection). Every row is the combo box's
// item height high.

#include "CVNQGlobal.h"
#include "CVNQItemDelegate.h"

namespace CVNQtLib {

class CVNQComboBoxImpl;

class CVNQ_EXPORT CVNQComboItemDelegate : public CVNQItemDelegate
{
    Q_OBJECT
public:
    explicit CVNQComboItemDelegate(CVNQComboBoxImpl* impl, QObject* parent = nullptr);

    void setImpl(CVNQComboBoxImpl* impl) { m_impl = impl; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The style slot of a row: 1 hovered, else 2 selected, else 0.
    static int rowSlot(QStyle::State state);

private:
    CVNQComboBoxImpl* m_impl;
};

} // namespace CVNQtLib
