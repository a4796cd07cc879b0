#include "CVNQRibbonGroup.h"

#include "CVNQRibbonBar.h"
#include "CVNQRibbonBarImpl.h"
#include "CVNQRibbonButton.h"
#include "CVNQRibbonFocus.h"
#include "CVNQRibbonGallery.h"
#include "CVNQRibbonGeometry.h"
#include "CVNQRibbonMenu.h"
#include "CVNQRibbonPage.h"
#include "CVNQRibbonRetire.h"

#include <QAction>
#include <QEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>

namespace CVNQtLib {

namespace {

// The vertical line a group draws between items.
class RibbonSeparator : public QWidget
{
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return QSize(7, 52); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QColor(180, 188, 200));
        painter.drawLine(width() / 2, 5, width() / 2, height() - 5);
    }
};

} // namespace

CVNQRibbonGroup::CVNQRibbonGroup(const QString& id, const QString& title, QWidget* parent)
    : CVNQContainer(parent)
    , m_id(id)
    , m_title(title)
    , m_page(qobject_cast<CVNQRibbonPage*>(parent))
{
    setDrawBackground(false);
    setChildLayout(NoUse);
}

CVNQRibbonGroup::~CVNQRibbonGroup()
{
    // The items go with the group, while it is still whole; their records
    // first, so that their destruction reports to nobody.
    const QVector<Item> items = m_items;
    m_items.clear();
    for (const Item& item : items) {
        disconnect(item.widget, nullptr, this, nullptr);
        if (item.action)
            disconnect(item.action, nullptr, this, nullptr);
        delete item.widget;
    }
    // Deleted by its owner: the page closes the gap and the bar lets its
    // commands go.
    if (m_page)
        m_page->forgetGroup(this);
}

void CVNQRibbonGroup::appendItem(const Item& item)
{
    m_items.append(item);
    m_hintWidth = -1;
    // A widget deleted by its owner leaves the group and its columns.
    connect(item.widget, &QObject::destroyed, this, [this, widget = item.widget]() { forgetItem(widget); });
    if (!item.action || item.action->isVisible())
        item.widget->show();
    updateGeometry();
    updateItemLayout();
    ribbonOrderFocusSoon(this);
}

bool CVNQRibbonGroup::forgetItem(QWidget* widget)
{
    const auto gone =
        std::find_if(m_items.begin(), m_items.end(), [widget](const Item& it) { return it.widget == widget; });
    if (gone == m_items.end())
        return false;
    QAction* action = gone->action;
    m_items.erase(gone);
    // A command no other item shows no longer reports through the group.
    if (action &&
        std::none_of(m_items.cbegin(), m_items.cend(), [action](const Item& it) { return it.action == action; }))
        disconnect(action, nullptr, this, nullptr);
    if (CVNQRibbonBar* bar = ribbonBar())
        bar->dropUnshownCommands();
    m_hintWidth = -1;
    updateGeometry();
    updateItemLayout();
    return true;
}

CVNQRibbonButton* CVNQRibbonGroup::addAction(QAction* action, CVN_RIBBON_ITEM_SIZE size, CVN_RIBBON_POPUP_MODE mode,
                                             CVNQRibbonMenu* menu)
{
    if (!action)
        return nullptr;
    auto* button = new CVNQRibbonButton(this, size);
    button->setRibbonAction(action);
    button->setPopupMode(mode);
    button->setPopupMenu(menu);
    if (CVNQRibbonBar* bar = ribbonBar()) {
        bar->registerCommand(action);
        bar->registerMenuActions(menu);
        bar->applyCommandStyles(button);
    }
    connect(action, &QAction::triggered, this, [this, action]() {
        const RibbonHandlingScope scope(action);
        emit actionTriggered(action);
    });
    // A command deleted by its owner takes its button along.
    connect(action, &QObject::destroyed, this, [this, button = QPointer<CVNQRibbonButton>(button)]() {
        if (!button)
            return;
        const RibbonFocusKeeper keeper(this);
        disconnect(button, nullptr, this, nullptr);
        if (forgetItem(button))
            ribbonRetire(button);
    });
    appendItem({button, size, QStringLiteral("button"), action});
    return button;
}

CVNQRibbonButton* CVNQRibbonGroup::addLargeAction(QAction* action)
{
    return addAction(action, CVN_RIBBON_ITEM_LARGE);
}

CVNQRibbonButton* CVNQRibbonGroup::addMediumAction(QAction* action)
{
    return addAction(action, CVN_RIBBON_ITEM_MEDIUM);
}

CVNQRibbonButton* CVNQRibbonGroup::addSmallAction(QAction* action)
{
    return addAction(action, CVN_RIBBON_ITEM_SMALL);
}

CVNQRibbonButton* CVNQRibbonGroup::addMenu(CVNQRibbonMenu* menu, CVN_RIBBON_ITEM_SIZE size, CVN_RIBBON_POPUP_MODE mode)
{
    auto* action = new QAction(menu ? menu->title() : QStringLiteral("Menu"), this);
    return addAction(action, size, mode, menu);
}

CVNQRibbonGallery* CVNQRibbonGroup::addGallery(int columns, int rows)
{
    auto* gallery = new CVNQRibbonGallery(this);
    gallery->setColumnCount(qMax(columns, 1));
    gallery->setVisibleRowCount(qMax(rows, 1));
    if (CVNQRibbonBar* bar = ribbonBar()) {
        connect(gallery, &CVNQRibbonGallery::itemTriggered, bar,
                [bar](const QString& id) { bar->emitCommand(id, false); });
        bar->applyGalleryStyle(gallery);
    }
    appendItem({gallery, CVN_RIBBON_ITEM_LARGE, QStringLiteral("gallery"), nullptr});
    return gallery;
}

QWidget* CVNQRibbonGroup::addWidget(QWidget* widget, CVN_RIBBON_ITEM_SIZE size)
{
    if (!widget)
        return nullptr;
    widget->setParent(this);
    appendItem({widget, size, QStringLiteral("widget"), nullptr});
    return widget;
}

void CVNQRibbonGroup::addSeparator()
{
    appendItem({new RibbonSeparator(this), CVN_RIBBON_ITEM_LARGE, QStringLiteral("separator"), nullptr});
}

void CVNQRibbonGroup::clearItems()
{
    const RibbonFocusKeeper keeper(this);
    const QVector<Item> items = m_items;
    m_items.clear();
    m_hintWidth = -1;
    // A command of the group may be what clears it. What the group made or
    // was given to keep (addMenu's action, a configured menu) goes with its
    // item; a caller's action is only let go, or adding it again would
    // report it twice.
    QList<QPointer<QObject>> owned;
    for (const Item& item : items) {
        disconnect(item.widget, nullptr, this, nullptr);
        auto* button = qobject_cast<CVNQRibbonButton*>(item.widget);
        if (CVNQRibbonMenu* menu = button ? button->popupMenu() : nullptr)
            if (menu->parent() == this)
                owned << menu;
        if (item.action) {
            disconnect(item.action, nullptr, this, nullptr);
            if (item.action->parent() == this)
                owned << item.action;
        }
        ribbonRetire(item.widget);
    }
    for (const QPointer<QObject>& object : qAsConst(owned))
        if (object)
            ribbonRetire(object);
    if (CVNQRibbonBar* bar = ribbonBar())
        bar->dropUnshownCommands();
}

void CVNQRibbonGroup::setTitle(const QString& title)
{
    m_title = title;
    update();
}

void CVNQRibbonGroup::setExpanding(bool expanding)
{
    m_expanding = expanding;
    updateGeometry();
}

CVNQRibbonBar* CVNQRibbonGroup::ribbonBar() const
{
    return m_page ? m_page->ribbonBar() : nullptr;
}

int CVNQRibbonGroup::rowCount() const
{
    const CVNQRibbonBar* bar = ribbonBar();
    return qMax(bar ? bar->m_groupRows : 3, 2);
}

int CVNQRibbonGroup::walkItems(bool place) const
{
    const int rows = rowCount();
    const int avail = qMax(height() - 27, 0);
    const int rowHeight = qMax(avail / rows, 20);
    int x = 4;
    QVector<QWidget*> column;
    int colWidth = 0;
    auto flush = [&]() {
        if (place)
            for (int i = 0; i < column.size(); ++i)
                ribbonPlace(column.at(i), QRect(x, i * rowHeight + 4, colWidth, rowHeight - 2));
        if (!column.isEmpty())
            x += colWidth + 4;
        column.clear();
        colWidth = 0;
    };
    for (const Item& item : m_items) {
        // A hidden item (a hidden command) takes no room.
        if (item.widget->isHidden())
            continue;
        // A configured "width" is a minimum: the column is as wide as its
        // widgets are, or they would cover the next one.
        const int hintWidth = ribbonTakenWidth(item.widget, item.widget->sizeHint().width());
        if (item.size == CVN_RIBBON_ITEM_LARGE) {
            flush();
            if (place)
                ribbonPlace(item.widget, QRect(x, 4, hintWidth, avail));
            x += hintWidth + 4;
        } else {
            column.append(item.widget);
            colWidth = qMax(colWidth, hintWidth);
            if (column.size() == rows)
                flush();
        }
    }
    flush();
    return x;
}

void CVNQRibbonGroup::updateItemLayout()
{
    walkItems(true);
}

QSize CVNQRibbonGroup::sizeHint() const
{
    // The page asks every group on every insert: the width is walked again
    // only after the items, the row count or an item's size hint changed.
    const int rows = rowCount();
    if (m_hintWidth < 0 || m_hintRows != rows) {
        m_hintWidth = qMax(walkItems(false) + 4, 80);
        m_hintRows = rows;
    }
    const CVNQRibbonBar* bar = ribbonBar();
    return QSize(m_hintWidth, bar ? bar->m_pageHeight - 8 : 92);
}

bool CVNQRibbonGroup::event(QEvent* event)
{
    // An item's updateGeometry (a new text, a wider widget) or an item shown
    // or hidden reaches the group as a layout request: it is placed at once
    // for what it now asks, or it would show squeezed until the page is next
    // resized. A hidden group hears of none of it: it looks again when shown.
    // A new font or style (the bar's, reaching its items first) changes what
    // every item asks for as well.
    const QEvent::Type type = event->type();
    if (type == QEvent::LayoutRequest || type == QEvent::Show || type == QEvent::FontChange ||
        type == QEvent::StyleChange) {
        m_hintWidth = -1;
        if (m_page)
            m_page->updateGroupLayout();
        updateItemLayout();
    }
    // An item widget its owner takes back (gives another parent) leaves the
    // group as a deleted one does (that one has left before): the group
    // would go on placing and writing it.
    if (event->type() == QEvent::ChildRemoved) {
        const QObject* child = static_cast<QChildEvent*>(event)->child();
        const auto taken =
            std::find_if(m_items.cbegin(), m_items.cend(), [child](const Item& it) { return it.widget == child; });
        if (taken != m_items.cend()) {
            QWidget* widget = taken->widget;
            disconnect(widget, nullptr, this, nullptr);
            forgetItem(widget);
        }
    }
    return CVNQContainer::event(event);
}

void CVNQRibbonGroup::paintEvent(QPaintEvent*)
{
    CVNQRibbonBar* bar = ribbonBar();
    if (!bar)
        return;
    const CVNQRibbonBarImpl* impl = static_cast<const CVNQRibbonBarImpl*>(bar->getControlImpl());
    QPainter painter(this);
    const QRect r = rect();
    CVNQWidgetBaseImpl::drawFillStyle(&painter, impl->fill(CVNQRibbonBarImpl::GroupBackground), r);
    CVNQWidgetBaseImpl::drawText(&painter, m_title, impl->text(CVNQRibbonBarImpl::GroupTitleText),
                                 QRect(5, r.bottom() - 18, r.width() - 10, 17));
}

void CVNQRibbonGroup::resizeEvent(QResizeEvent* event)
{
    CVNQContainer::resizeEvent(event);
    updateItemLayout();
}

} // namespace CVNQtLib

#include "moc_CVNQRibbonGroup.cpp"
