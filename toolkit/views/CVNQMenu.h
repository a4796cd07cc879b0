#pragma once

// The toolkit's themed pop-up menu ("qtmenu"): a QMenu that paints its own
// background, its items in a normal and a hovered look, an icon column and
// sub-menu arrows, and that builds a tree of items and sub-menus from a JSON
// node. Menu files (cvnCreateMenuByFileName) and application code create it;
// it is not a page control type.

#include "CVNQControl.h"

#include <QMenu>
#include <QVector>

class QAction;
class QHideEvent;

namespace CVNQtLib {

class CVNQMenuImpl;

class CVNQ_EXPORT CVNQMenu : public QMenu, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQMenu, CVNQMenuImpl)
    CVNQ_FORWARD_PAINT_EVENT()

public:
    // Frameless, translucent, and themed by the "qtmenu" entry.
    explicit CVNQMenu(QWidget* parent = nullptr);
    // The same menu with a title (a sub-menu's caption).
    explicit CVNQMenu(const QString& title, QWidget* parent = nullptr);
    ~CVNQMenu() override;

    // An item whose icon is drawn from iconPath (SVG files as vectors; other
    // images also become the item's QIcon).
    QAction* addIconAction(const QString& iconPath, const QString& text);

    // Styles; the per-state setters take 0 to 3, or CtrlStateAll for all
    // four; other states are ignored. None repaints.
    void setBackground(const FillStyle& style);
    void setItemStyle(CtrlState state, const FillStyle& style);
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style);
    // Width of the icon column at the left of every item; 0 means none.
    // Every column of the pop-up grows by it, so the texts keep their room.
    void setIconOffset(int offset);

    CVNQMenuImpl* getImpl() const { return m_impl.get(); }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void actionEvent(QActionEvent* event) override;
    void changeEvent(QEvent* event) override;
    QSize sizeHint() const override;

private:
    // Qt sizes the items from their texts, icons and arrows alone, in the
    // menu's font; makes them the icon column wider, and wide enough for
    // the texts in their styles' fonts, through the minimum width Qt honours.
    void fitIconColumn();
    // The minimum width that makes every column offset wider than Qt's and
    // at least as wide as each item draws.
    int widenedMinimumWidth(int offset) const;
    // What an item's text needs drawn in its styles, with what lies beside it.
    int drawnItemWidth(const QAction* action, int offset) const;
    // The fonts items draw their texts in, normal and hovered.
    QVector<QFont> itemFonts() const;
    void markItemsDirty();

    bool m_fitPending = true;
    QVector<QFont> m_fittedFonts;
    bool m_fitting = false;
    int m_ownMinimumWidth = 0;    // the minimum width a user set
    int m_fittedMinimumWidth = 0; // the one the icon column asked for
};

} // namespace CVNQtLib
