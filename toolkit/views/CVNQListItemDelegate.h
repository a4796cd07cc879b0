#pragma once

// Draws one row of the simple list: fill, optional icon and text by the
// item's state.

#include "CVNQGlobal.h"
#include "CVNQItemDelegate.h"

#include <QPointer>

namespace CVNQtLib {

class CVNQListImpl;

class CVNQ_EXPORT CVNQListItemDelegate : public CVNQItemDelegate
{
    Q_OBJECT
public:
    CVNQListItemDelegate(QObject* parent, CVNQListImpl* impl);

    // The icon square for a row height: 16 up to 24, 24 up to 32, else 32.
    static int iconSize(int rowHeight);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QPointer<CVNQListImpl> m_impl;
};

} // namespace CVNQtLib
