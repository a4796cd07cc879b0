#include "CVNQRibbonMenu.h"
#include "CVNQMenuImpl.h"

#include <QAction>
#include <QActionEvent>
#include <QPainter>
#include <QPainterPath>

namespace CVNQtLib {

CVNQRibbonMenu::CVNQRibbonMenu(QWidget* parent)
    : CVNQMenu(parent)
{}

CVNQRibbonMenu::CVNQRibbonMenu(const QString& title, QWidget* parent)
    : CVNQMenu(title, parent)
{}

QAction* CVNQRibbonMenu::addCommand(const QString& id, const QString& text, const QString& iconPath, bool checkable)
{
    QAction* action = iconPath.isEmpty() ? QMenu::addAction(text) : addIconAction(iconPath, text);
    action->setObjectName(id);
    action->setCheckable(checkable);
    action->setProperty("cvnRibbonIconPath", iconPath);
    return action;
}

namespace {

// The check mark spans x 4 to 16 of an item (its pen included): texts of a
// menu with checkable items start after that column.
constexpr int kCheckColumn = 18;

} // namespace

void CVNQRibbonMenu::actionEvent(QActionEvent* event)
{
    CVNQMenu::actionEvent(event);
    if (event->type() != QEvent::ActionRemoved && event->action() && event->action()->isCheckable() &&
        getImpl()->iconOffset < kCheckColumn)
        setIconOffset(kCheckColumn);
}

void CVNQRibbonMenu::paintEvent(QPaintEvent* event)
{
    CVNQMenu::paintEvent(event);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QList<QAction*> list = actions();
    for (QAction* action : list) {
        const QRect r = actionGeometry(action);
        const int cy = r.center().y();
        if (action->isSeparator()) {
            painter.setPen(QPen(QColor(190, 197, 207), 1));
            painter.drawLine(r.left() + 8, cy, r.right() - 8, cy);
        } else if (action->isCheckable() && action->isChecked()) {
            QPainterPath mark;
            mark.moveTo(r.left() + 5, cy);
            mark.lineTo(r.left() + 9, cy + 4);
            mark.lineTo(r.left() + 15, cy - 5);
            painter.setPen(QPen(QColor(62, 111, 210), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(mark);
        }
    }
}

} // namespace CVNQtLib

#include "moc_CVNQRibbonMenu.cpp"
