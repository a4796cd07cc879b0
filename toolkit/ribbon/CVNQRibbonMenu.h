#pragma once

// The ribbon's drop-down menu: the toolkit menu with check marks on checked
// commands and drawn separator lines.

#include "CVNQMenu.h"

namespace CVNQtLib {

class CVNQ_EXPORT CVNQRibbonMenu : public CVNQMenu
{
    Q_OBJECT
public:
    explicit CVNQRibbonMenu(QWidget* parent = nullptr);
    CVNQRibbonMenu(const QString& title, QWidget* parent);

    // A command item: objectName id, the icon path kept in the action's
    // "cvnRibbonIconPath" property (and shown through the menu's icon path).
    QAction* addCommand(const QString& id, const QString& text, const QString& iconPath = QString(),
                        bool checkable = false);

protected:
    void actionEvent(QActionEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace CVNQtLib
