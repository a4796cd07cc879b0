#pragma once

// Paints the data grid's cells (row state, icon, text, check box, template
// controls) and handles their mouse input: check-box clicks, the hovered
// row and clicks on template controls.

#include "CVNQGlobal.h"

#include <QItemDelegate>

namespace CVNQtLib {

class CVNQTableView;
class CVNQTableViewImpl;

class CVNQ_EXPORT CVNQTableViewitemDelegate : public QItemDelegate {
    Q_OBJECT
public:
    CVNQTableViewitemDelegate(CVNQTableView* view, CVNQTableViewImpl* impl);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    // Row state of a cell: 3 disabled, 2 selected, 1 hovered, 0 normal.
    int cellState(const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void paintTemplate(QPainter* painter, const QRect& cell, int column) const;
    // Object name of the template control under the cursor, or a null text.
    QString templateHit(const QRect& cell, int column) const;

    CVNQTableView* m_view;
    CVNQTableViewImpl* m_impl;
};

} // namespace CVNQtLib
