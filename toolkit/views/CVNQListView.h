#pragma once

// The toolkit's template list ("qtlistview"): rows are not widgets of their
// own. One hidden container, the item template, is filled by a callback,
// laid out and painted for every row that is painted. Its controls still
// answer the mouse in a limited way: a press on one is reported with
// pressCtrl, the one under the pointer is drawn hovered, and the text of
// selectable extended labels can be selected across rows.

#include "CVNQControl.h"
#include "CVNQScrollBarForwarders.h"

#include <QListView>
#include <QModelIndex>
#include <QPointer>

class QStyleOptionViewItem;

namespace CVNQtLib {

class CVNQContainer;
class CVNQLabelEx;
class CVNQListView;
class CVNQListViewImpl;
class CVNQListViewItemDelegate;
class CVNQScrollBar;

// Copies one model row into the template's controls just before the row is
// painted or hit-tested.
typedef void (*ItemDisplayCallBack)(const CVNQListView* view, const QWidget* itemTemplate, const QModelIndex& index);
// The size of one row.
typedef QSize (*ItemForSizeCallBack)(const CVNQListView* view, const QStyleOptionViewItem& option,
                                     const QModelIndex& index);
// Stored for the caller; the view never calls it.
typedef void (*LabelExCallBack)(const CVNQListView* view, CVNQLabelEx* label, const QModelIndex& index);

class CVNQ_EXPORT CVNQListView : public QListView, public ICVNQWidgetBase, public CVNQScrollBarForwarders
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQListView, CVNQListViewImpl)
public:
    explicit CVNQListView(QWidget* parent = nullptr);
    ~CVNQListView() override;

    static ControlInfo getProps();

    // The template must be a CVNQContainer: it is hidden and its controls
    // collected. Null, or any other widget, is refused and changes nothing.
    // The template stays owned by its parent; once deleted, rows are blank.
    void setItemTemplate(QWidget* w);
    QWidget* getitemTemplate() const;

    void setItemDisplayCallBack(ItemDisplayCallBack callBack);
    ItemDisplayCallBack getItemDisplayCallBack() const;
    void setItemForSizeCallBack(ItemForSizeCallBack callBack);
    ItemForSizeCallBack getItemForSizeCallBack() const;
    void setLabelExCallBack(LabelExCallBack callBack);
    LabelExCallBack getLabelExCallBack() const;

    // Row height, and item width in icon mode; 0 counts as 20.
    void setItemHeight(int height);
    int getItemHeight() const;
    void setItemWidth(int width);
    int getItemWidth() const;

    // Mouse text selection across rows in selectable template labels.
    void setEnableSelection(bool enable);
    bool getEnableSelection() const;
    // Ends the selection without repainting.
    void clearHighLight();

    // The viewport fill; the state is ignored.
    void setBackground(CommonCtrlState state, const FillStyle& style);
    const FillStyle& getBackground(CommonCtrlState state) const;
    // Item fill per state: 0 normal, 1 hover, 2 selected, 3 disabled (kept,
    // never painted), or CtrlStateAll for all four. Any other state
    // addresses state 0.
    void setItemBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getItemBackground(CtrlState state) const;

    // Scroll-bar sizes by style sheet; each call replaces the sheet.
    // setScrollbarSize with horizontal true does nothing.
    void setScrollbarSize(bool horizontal, int size);
    void setScrollbarBtnSize(bool horizontal, int size);
    CVNQScrollBar* themedScrollBar(bool horizontal) const override;

    // Inside the maker's emulator or designer only: a model of 20 empty rows,
    // owned by the view.
    void initDemoData();

    CVNQListViewImpl* getImpl() const { return m_impl.get(); }
    CVNQListViewItemDelegate* getDelegate() const;

Q_SIGNALS:
    // A template control was pressed in the row index.
    void pressCtrl(QWidget* pWidget, QModelIndex index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointer<CVNQScrollBar> m_horizontalScrollBar;
    QPointer<CVNQScrollBar> m_verticalScrollBar;
    QPointer<CVNQListViewItemDelegate> m_delegate;
};

} // namespace CVNQtLib
