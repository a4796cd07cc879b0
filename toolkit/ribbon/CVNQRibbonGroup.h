#pragma once

// A titled group of a ribbon page: command buttons, galleries, separators
// and widgets in columns of two or three rows, large items taking the full
// height; the title is drawn under them.

#include "CVNQContainer.h"
#include "CVNQRibbonTypes.h"

#include <QVector>

class QAction;

namespace CVNQtLib {

class CVNQRibbonBar;
class CVNQRibbonButton;
class CVNQRibbonGallery;
class CVNQRibbonMenu;
class CVNQRibbonPage;

class CVNQ_EXPORT CVNQRibbonGroup : public CVNQContainer
{
    Q_OBJECT
public:
    explicit CVNQRibbonGroup(const QString& id = QString(), const QString& title = QString(),
                             QWidget* parent = nullptr);
    ~CVNQRibbonGroup() override;

    // A button bound to the action; null for a null action. On a page of a
    // bar the bar registers the action and the menu's actions.
    CVNQRibbonButton* addAction(QAction* action, CVN_RIBBON_ITEM_SIZE size = CVN_RIBBON_ITEM_LARGE,
                                CVN_RIBBON_POPUP_MODE mode = CVN_RIBBON_POPUP_NONE, CVNQRibbonMenu* menu = nullptr);
    CVNQRibbonButton* addLargeAction(QAction* action);
    CVNQRibbonButton* addMediumAction(QAction* action);
    CVNQRibbonButton* addSmallAction(QAction* action);
    // A button for the menu, on an action owned by the group titled as the menu.
    CVNQRibbonButton* addMenu(CVNQRibbonMenu* menu, CVN_RIBBON_ITEM_SIZE size = CVN_RIBBON_ITEM_LARGE,
                              CVN_RIBBON_POPUP_MODE mode = CVN_RIBBON_POPUP_INSTANT);
    CVNQRibbonGallery* addGallery(int columns = 3, int rows = 2);
    QWidget* addWidget(QWidget* widget, CVN_RIBBON_ITEM_SIZE size = CVN_RIBBON_ITEM_SMALL);
    void addSeparator();
    // Removes every item with its widget, and what the group made for it or
    // holds as its child (addMenu's action, a menu); a caller's action stays.
    void clearItems();
    int itemCount() const { return m_items.size(); }

    QString groupId() const { return m_id; }
    QString title() const { return m_title; }
    void setTitle(const QString& title);
    bool isExpanding() const { return m_expanding; }
    void setExpanding(bool expanding);

    CVNQRibbonPage* ribbonPage() const { return m_page; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void actionTriggered(QAction* action);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class CVNQRibbonBar;
    friend class CVNQRibbonPage;
    struct Item
    {
        QWidget* widget = nullptr;
        CVN_RIBBON_ITEM_SIZE size = CVN_RIBBON_ITEM_LARGE;
        QString kind; // "button", "gallery", "separator" or "widget"
        QAction* action = nullptr;
    };

    void appendItem(const Item& item);
    // Drops the widget's records; false when it had none.
    bool forgetItem(QWidget* widget);
    void updateItemLayout();
    CVNQRibbonBar* ribbonBar() const;
    int rowCount() const;
    // Walks the items in columns as the layout places them, placing each
    // when place is set; returns the x after the last column.
    int walkItems(bool place) const;

    QString m_id;
    QString m_title;
    bool m_expanding = false;
    QVector<Item> m_items;
    CVNQRibbonPage* m_page = nullptr;
    mutable int m_hintWidth = -1; // size-hint width for m_hintRows rows; -1 unknown
    mutable int m_hintRows = 0;
};

} // namespace CVNQtLib
