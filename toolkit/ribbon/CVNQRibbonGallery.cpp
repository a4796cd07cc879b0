#include "CVNQRibbonGallery.h"

#include "CVNQRibbonButton.h"
#include "CVNQRibbonFocus.h"
#include "CVNQRibbonMenu.h"
#include "CVNQRibbonRetire.h"

#include <QAction>
#include <QEvent>
#include <QIcon>

#include <algorithm>
#include <climits>

namespace CVNQtLib {

namespace {

// Largest counts whose size hint (columns x 66 + 20, rows x 28 + 4) is
// still a widget size.
constexpr int kMaxColumns = (QWIDGETSIZE_MAX - 20) / 66;
constexpr int kMaxRows = (QWIDGETSIZE_MAX - 4) / 28;

} // namespace

CVNQRibbonGallery::CVNQRibbonGallery(QWidget* parent)
    : CVNQContainer(parent)
{
    setChildLayout(NoUse);
    m_upButton = new CVNQRibbonButton(this, CVN_RIBBON_ITEM_SMALL);
    m_upButton->setText(QStringLiteral("^"));
    m_downButton = new CVNQRibbonButton(this, CVN_RIBBON_ITEM_SMALL);
    m_downButton->setText(QStringLiteral("v"));
    m_moreButton = new CVNQRibbonButton(this, CVN_RIBBON_ITEM_SMALL);
    m_moreButton->setText(QStringLiteral("..."));
    connect(m_upButton, &QAbstractButton::clicked, this, &CVNQRibbonGallery::pageUp);
    connect(m_downButton, &QAbstractButton::clicked, this, &CVNQRibbonGallery::pageDown);
    connect(m_moreButton, &QAbstractButton::clicked, this, &CVNQRibbonGallery::showMoreMenu);
    updateGalleryLayout();
}

CVNQRibbonGallery::~CVNQRibbonGallery()
{
    // The actions it made go with its children, after it.
    for (QAction* action : qAsConst(m_actions))
        disconnect(action, nullptr, this, nullptr);
}

QAction* CVNQRibbonGallery::addItem(const QString& id, const QString& text, const QString& iconPath)
{
    auto* action = new QAction(text, this);
    action->setObjectName(id);
    action->setProperty("cvnRibbonIconPath", iconPath);
    if (!iconPath.isEmpty())
        action->setIcon(QIcon(iconPath));
    addAction(action);
    return action;
}

void CVNQRibbonGallery::addAction(QAction* action)
{
    if (!action || m_actions.contains(action))
        return;
    m_actions.append(action);
    auto* button = new CVNQRibbonButton(this, CVN_RIBBON_ITEM_SMALL);
    button->setRibbonAction(action);
    m_buttons.append(button);
    connect(action, &QAction::triggered, this, [this, action]() {
        const RibbonHandlingScope scope(action);
        emit itemTriggered(action->objectName());
    });
    // An item deleted by its owner leaves the grid.
    connect(action, &QObject::destroyed, this, [this, action]() {
        const int index = m_actions.indexOf(action);
        if (index < 0)
            return;
        const RibbonFocusKeeper keeper(this);
        m_actions.removeAt(index);
        ribbonRetire(m_buttons.takeAt(index));
        changePage(0);
    });
    updateGalleryLayout();
    ribbonOrderFocusSoon(this);
}

void CVNQRibbonGallery::clearItems()
{
    // A gallery may be refilled from the item chosen in it, also in its
    // "..." menu.
    const RibbonFocusKeeper keeper(this);
    const QList<CVNQRibbonButton*> buttons = m_buttons;
    const QList<QAction*> actions = m_actions;
    m_buttons.clear();
    m_actions.clear();
    m_offset = 0;
    for (CVNQRibbonButton* button : buttons)
        ribbonRetire(button);
    // The items made by addItem go; a caller's action is only let go, or
    // adding it again would report it twice.
    for (QAction* action : actions) {
        disconnect(action, nullptr, this, nullptr);
        if (action->parent() == this)
            ribbonRetire(action);
    }
    updateGalleryLayout();
}

void CVNQRibbonGallery::setColumnCount(int columns)
{
    m_columns = qBound(1, columns, kMaxColumns);
    updateGeometry();
    updateGalleryLayout();
}

void CVNQRibbonGallery::setVisibleRowCount(int rows)
{
    m_rows = qBound(1, rows, kMaxRows);
    updateGeometry();
    updateGalleryLayout();
}

QSize CVNQRibbonGallery::sizeHint() const
{
    return QSize(m_columns * 66 + 20, m_rows * 28 + 4);
}

void CVNQRibbonGallery::resizeEvent(QResizeEvent* event)
{
    CVNQContainer::resizeEvent(event);
    updateGalleryLayout();
}

int CVNQRibbonGallery::pageSize() const
{
    // Both counts may be large on their own; their product must not wrap.
    return int(qMin<qint64>(qint64(m_columns) * m_rows, INT_MAX));
}

void CVNQRibbonGallery::updateGalleryLayout()
{
    const int w = width();
    const int h = height();
    const int bx = qMax(w - 20, 0);
    const int bh = qMax(h / 3, 16);
    m_upButton->setGeometry(QRect(bx, 0, 20, bh));
    m_downButton->setGeometry(QRect(bx, bh, 20, bh));
    m_moreButton->setGeometry(QRect(bx, 2 * bh, 20, h - 2 * bh));

    const int cellW = qMax(qMax(qMax(w - 20, 0) - 2, 0) / m_columns, 1);
    const int cellH = qMax(h / m_rows, 1);
    const int page = pageSize();
    // Hidden commands take no cell: the grid counts the others.
    int r = -m_offset;
    for (int i = 0; i < m_buttons.size(); ++i) {
        CVNQRibbonButton* button = m_buttons.at(i);
        if (!m_actions.at(i)->isVisible()) {
            button->setVisible(false);
            continue;
        }
        const bool shown = r >= 0 && r < page;
        button->setVisible(shown);
        if (shown)
            button->setGeometry(QRect(r % m_columns * cellW, r / m_columns * cellH, cellW - 1, cellH - 1));
        ++r;
    }
    m_upButton->setEnabled(m_offset >= 1);
    m_downButton->setEnabled(qint64(m_offset) + page < shownCount());
}

int CVNQRibbonGallery::shownCount() const
{
    return int(std::count_if(m_actions.cbegin(), m_actions.cend(), [](const QAction* a) { return a->isVisible(); }));
}

bool CVNQRibbonGallery::event(QEvent* event)
{
    // An item's command shown or hidden.
    if (event->type() == QEvent::LayoutRequest)
        changePage(0);
    return CVNQContainer::event(event);
}

void CVNQRibbonGallery::changePage(int pages)
{
    const qint64 step = qMax(pageSize(), 1);
    const qint64 last = qMax<qint64>(shownCount() - step, 0);
    m_offset = int(qBound<qint64>(0, m_offset + pages * step, last));
    updateGalleryLayout();
}

void CVNQRibbonGallery::showMoreMenu()
{
    if (!m_moreMenu)
        m_moreMenu = new CVNQRibbonMenu(this);
    // The items are the gallery's or the caller's; clearing only lets them go.
    m_moreMenu->clear();
    m_moreMenu->addActions(m_actions);
    m_moreMenu->popup(mapToGlobal(QPoint(0, height())));
}

} // namespace CVNQtLib

#include "moc_CVNQRibbonGallery.cpp"
