#pragma once

// Paints every row of the template list through its one template
// container and routes presses, hover and the cross-row text selection to
// the template's controls.

#include "CVNQGlobal.h"
#include "CVNQItemDelegate.h"
#include "CVNQLabelEx.h"

#include <QPointer>
#include <QRect>
#include <QVector>

namespace CVNQtLib {

class CVNQContainer;
class CVNQListView;
class CVNQListViewImpl;
class CVNQWidgetBaseImpl;

class CVNQ_EXPORT CVNQListViewItemDelegate : public CVNQItemDelegate
{
    Q_OBJECT
public:
    CVNQListViewItemDelegate(CVNQListView* view, CVNQListViewImpl* impl);

    // Collects the template's controls: the template first, then every
    // control below it, depth first, parents before children; a widget that
    // is not a control is skipped with everything below it.
    void collectTemplateControls(CVNQContainer* itemTemplate);
    int templateControlCount() const { return m_templateControls.size(); }
    void clearHighLight();
    void endSelecting() { m_selecting = false; }

    QWidget* hoveredWidget() const { return m_hoveredWidget.data(); }
    int anchorRow() const { return m_anchorRow; }
    int focusRow() const { return m_focusRow; }
    LabelExPosition anchorPosition() const { return m_anchorPosition; }
    LabelExPosition focusPosition() const { return m_focusPosition; }
    bool isSelecting() const { return m_selecting; }

    // Keeps the pointer from the viewport's own pointer events (enter,
    // leave, moves, presses): rows draw the control under it hovered, and
    // asking the window system on every paint costs a round trip on X11.
    void trackPointer(const QEvent* event);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    // A template control placed in a row, in viewport coordinates.
    struct Placed
    {
        QWidget* widget = nullptr;
        CVNQWidgetBaseImpl* impl = nullptr;
        QRect rect;
    };

    CVNQContainer* itemTemplate() const;
    // Fills the template with the row (display callback), lays it out at the
    // row's size and places its drawn controls in rowRect. Painting and the
    // mouse both go through here, so a hit always meets the controls where
    // the row is now and with the row's current content.
    QVector<Placed> layOutRow(const QModelIndex& index, const QRect& rowRect) const;
    // The topmost placed control under point, -1 for none.
    static int hitAt(const QVector<Placed>& placed, const QPoint& point);
    // Loads the row's label as laid out for hit-testing text positions.
    static void prepareLabelDocument(CVNQLabelEx* label, const QRect& rect);
    // Gives a selectable label of row its part of the selection; false when
    // the row has none.
    bool applySelection(CVNQLabelEx* label, int row) const;
    bool onPress(QMouseEvent* event, const QStyleOptionViewItem& option, const QModelIndex& index);
    void onMove(QMouseEvent* event, const QStyleOptionViewItem& option, const QModelIndex& index);

    QPointer<QWidget> m_hoveredWidget;
    QPointer<CVNQListViewImpl> m_impl;
    // Guarded: a control deleted after collection is skipped.
    QVector<QPointer<QWidget>> m_templateControls;
    int m_anchorRow = -1;
    LabelExPosition m_anchorPosition;
    int m_focusRow = -1;
    LabelExPosition m_focusPosition;
    bool m_selecting = false;
    bool m_cursorChanged = false;
    bool m_pointerOver = false;
    QPoint m_pointerGlobal;
};

} // namespace CVNQtLib
