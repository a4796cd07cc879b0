#pragma once

// Draws the tree's cells: the item fill and text of the selected, hovered
// or normal look and the item's icon (a QIcon, or an image path) in a
// column sized by the row height.

#include "CVNQGlobal.h"
#include "CVNQItemDelegate.h"

namespace CVNQtLib {

class CVNQTreeViewImpl;

class CVNQ_EXPORT CVNQTreeViewItemDelegate : public CVNQItemDelegate
{
    Q_OBJECT
public:
    CVNQTreeViewItemDelegate(CVNQTreeViewImpl* impl, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The row height, and a width made of the item's texts and icons.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Icon side for a row height: 16 up to 24, 24 up to 32, else 32.
    static int iconSizeFor(int rowHeight);

private:
    int rowHeight() const;
    int textWidth(const QString& text, const QWidget* view) const;

    CVNQTreeViewImpl* m_impl;
};

} // namespace CVNQtLib
