#pragma once

// A grid of command buttons inside a ribbon group, paged by an up and a
// down arrow; a "..." button lists every item in a menu.

#include "CVNQContainer.h"

#include <QList>

class QAction;

namespace CVNQtLib {

class CVNQRibbonButton;
class CVNQRibbonMenu;

class CVNQ_EXPORT CVNQRibbonGallery : public CVNQContainer
{
    Q_OBJECT
public:
    explicit CVNQRibbonGallery(QWidget* parent = nullptr);
    ~CVNQRibbonGallery() override;

    // An action owned by the gallery with objectName id; the icon path goes
    // to "cvnRibbonIconPath" (and, when not empty, the action's icon).
    QAction* addItem(const QString& id, const QString& text, const QString& iconPath = QString());
    // Null or an action already present: nothing.
    void addAction(QAction* action);
    // Removes every item; the actions addItem made go too, a caller's stay.
    void clearItems();
    int count() const { return m_actions.size(); }
    QList<QAction*> actions() const { return m_actions; }

    // Values below 1 count as 1; the largest keep the gallery a widget size.
    void setColumnCount(int columns);
    int columnCount() const { return m_columns; }
    void setVisibleRowCount(int rows);
    int visibleRowCount() const { return m_rows; }
    // Index of the first item shown.
    int offset() const { return m_offset; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void itemTriggered(const QString& commandId);

public Q_SLOTS:
    void pageUp() { changePage(-1); }
    void pageDown() { changePage(1); }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateGalleryLayout();
    void changePage(int pages);
    void showMoreMenu();
    int pageSize() const;
    // The items whose command is not hidden.
    int shownCount() const;

    QList<QAction*> m_actions;
    QList<CVNQRibbonButton*> m_buttons;
    CVNQRibbonButton* m_upButton = nullptr;
    CVNQRibbonButton* m_downButton = nullptr;
    CVNQRibbonButton* m_moreButton = nullptr;
    // The "..." menu, made once and refilled each time it opens: one that
    // deleted itself on closing could go while Qt still delivers the click
    // that closed it (the minimised bar's pop-up closes with it).
    CVNQRibbonMenu* m_moreMenu = nullptr;
    int m_columns = 3;
    int m_rows = 2;
    int m_offset = 0;
};

} // namespace CVNQtLib
