#pragma once

// Paints the data grid's cells (row state, icon, text, check box, template
// controls) and handles their mouse input: check-box clicks, the hovered
// row and clicks on template controls.

#include "CVNQGlobal.h"
#include "CVNQItemDelegate.h"
#include "CVNQTableCellLayout.h"

namespace CVNQtLib {

class CVNQContainer;
class CVNQTableView;
class CVNQTableViewImpl;

class CVNQ_EXPORT CVNQTableViewitemDelegate : public CVNQItemDelegate
{
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
    // Whether the column's cells draw the check box: column 0 with the box
    // on, not a template column. Only a drawn box takes clicks.
    bool drawsCheckBox(int column) const;
    // The container laid out at the cell's size, and its template list.
    static QVector<TableCellLayout::TemplateEntry> layOutTemplate(CVNQContainer* container, const QSize& cell);
    // Draws the column's template into the cell; a disabled row draws its
    // controls disabled.
    void paintTemplate(QPainter* painter, const QRect& cell, CVNQContainer* container) const;

    CVNQTableView* m_view;
    CVNQTableViewImpl* m_impl;
};

} // namespace CVNQtLib
