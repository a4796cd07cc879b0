#pragma once

// The toolkit's themed tree ("qttree", alias "tree"): a QTreeView with a
// hidden header, row selection, per-pixel scrolling and two toolkit scroll
// bars, whose background, corner and viewport take one fill style and whose
// cells are drawn with per-state fill and text styles and an optional icon.
// The model comes from the view's user; demonstration rows appear only
// inside the maker's tools.

#include "CVNQControl.h"
#include "CVNQScrollBarForwarders.h"

#include <QPointer>
#include <QTreeView>

namespace CVNQtLib {

class CVNQTreeViewImpl;
class CVNQTreeViewItemDelegate;
class CVNQTreeConerWidget;
class CVNQTreeViewport;
class CVNQScrollBar;

class CVNQ_EXPORT CVNQTreeView : public QTreeView, public ICVNQWidgetBase, public CVNQScrollBarForwarders
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQTreeView, CVNQTreeViewImpl)

public:
    explicit CVNQTreeView(QWidget* parent = nullptr);
    ~CVNQTreeView() override;

    static ControlInfo getProps();

    // Styles. The per-state setters take states 0 to 3, or CtrlStateAll for
    // all four; other states are ignored and getters read state 0 for
    // them. None repaints.
    void setBackground(CommonCtrlState state, const FillStyle& style);
    const FillStyle& getBackground(CommonCtrlState state) const;
    void setItemBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getItemBackground(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getItemTextStyle(CtrlState state) const;
    // Kept for the hidden header.
    void setHeaderBgStyle(CtrlState state, const FillStyle& style);
    void setHeaderTextStyle(CtrlState state, const TextStyleDesc& style);
    // Row height; 0 (or less) means 20. The rows are laid out again.
    void setItemHeight(int height);
    int getItemHeight() const;

    // Scroll bars (their styling calls come with CVNQScrollBarForwarders):
    // horizontal true addresses the horizontal bar. They act
    // on the view's current toolkit bars.
    void setScrollbarSize(bool horizontal, int size);
    void setScrollbarBtnSize(bool horizontal, int size);
    CVNQScrollBar* themedScrollBar(bool horizontal) const override;

    // Fills the demonstration rows (inside the maker's tools only).
    void initDemoData();

    CVNQTreeViewImpl* getImpl() const { return m_impl.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Guarded: a caller may delete the delegate, and Qt deletes a replaced
    // corner widget or viewport.
    QPointer<CVNQTreeViewItemDelegate> m_delegate;
    QPointer<CVNQTreeConerWidget> m_cornerWidget;
    QPointer<CVNQTreeViewport> m_viewport;
};

} // namespace CVNQtLib
