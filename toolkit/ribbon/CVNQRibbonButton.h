#pragma once

// A command button of the ribbon: a themed push button bound to a QAction
// and optionally to a drop-down menu, drawn large (icon over text), medium
// or small (icon beside text).

#include "CVNQPushButton.h"
#include "CVNQRibbonTypes.h"

#include <QAction>
#include <QPointer>
#include <QVector>

namespace CVNQtLib {

class CVNQRibbonMenu;

class CVNQ_EXPORT CVNQRibbonButton : public CVNQPushButton
{
    Q_OBJECT
public:
    explicit CVNQRibbonButton(QWidget* parent = nullptr, CVN_RIBBON_ITEM_SIZE size = CVN_RIBBON_ITEM_LARGE);
    ~CVNQRibbonButton() override;

    CVN_RIBBON_ITEM_SIZE itemSize() const { return m_itemSize; }
    void setItemSize(CVN_RIBBON_ITEM_SIZE size);
    CVN_RIBBON_POPUP_MODE popupMode() const { return m_popupMode; }
    void setPopupMode(CVN_RIBBON_POPUP_MODE mode);

    // The button follows the action's text, tooltip, enabled, checkable and
    // checked state, visibility and its icon ("cvnRibbonIconPath", else its QIcon).
    void setRibbonAction(QAction* action);
    QAction* ribbonAction() const { return m_action; }
    // A menu without parent becomes the button's child.
    void setPopupMenu(CVNQRibbonMenu* menu);
    CVNQRibbonMenu* popupMenu() const;
    void setRibbonIcon(const QString& path);
    QString ribbonIcon() const { return m_iconPath; }

    // Where a press opens the menu: empty without a menu or in mode none.
    QRect popupIndicatorRect() const;
    void showPopupMenu();

    QSize sizeHint() const override;
    // The horizontal advance of the text in the button's font.
    int textAdvance() const;

Q_SIGNALS:
    void menuAboutToShow();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private Q_SLOTS:
    void syncFromAction();
    void onClicked();

private:
    // The push button moves its icon beside its text when given one; the
    // ribbon places icons and texts in its own rectangles, so the placement
    // is kept. Icon: a path or a QIcon.
    template <class Icon>
    void setIconKeepingPlacement(const Icon& icon);
    // Tells the parent that the size hint may have changed.
    void announceSizeHint();

    CVN_RIBBON_ITEM_SIZE m_itemSize;
    CVN_RIBBON_POPUP_MODE m_popupMode = CVN_RIBBON_POPUP_NONE;
    QPointer<QAction> m_action;
    QPointer<CVNQRibbonMenu> m_menu;
    QString m_iconPath;
    bool m_menuOpenedByPress = false;
    bool m_shownForAction = true; // what the action's visibility last made of the button
    mutable QString m_measuredText;
    mutable QVector<QFont> m_measuredFonts;
    mutable int m_textAdvance = -1;
};

} // namespace CVNQtLib
