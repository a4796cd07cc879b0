#include "CVNQRibbonPage.h"

#include "CVNQRibbonBar.h"
#include "CVNQRibbonButton.h"
#include "CVNQRibbonFocus.h"
#include "CVNQRibbonGeometry.h"
#include "CVNQRibbonGroup.h"
#include "CVNQRibbonRetire.h"

#include <QEvent>
#include <QVarLengthArray>
#include <QWheelEvent>

namespace CVNQtLib {

CVNQRibbonPage::CVNQRibbonPage(const QString& id, const QString& title, QWidget* parent)
    : CVNQContainer(parent)
    , m_id(id)
    , m_title(title.isEmpty() ? id : title)
{
    m_leftButton = new CVNQRibbonButton(this, CVN_RIBBON_ITEM_SMALL);
    m_leftButton->setText(QStringLiteral("<"));
    m_rightButton = new CVNQRibbonButton(this, CVN_RIBBON_ITEM_SMALL);
    m_rightButton->setText(QStringLiteral(">"));
    m_leftButton->hide();
    m_rightButton->hide();
    setDrawBackground(false);
    setChildLayout(NoUse);
    connect(m_leftButton, &QAbstractButton::clicked, this, [this]() { scrollBy(-120); });
    connect(m_rightButton, &QAbstractButton::clicked, this, [this]() { scrollBy(120); });
}

CVNQRibbonPage::~CVNQRibbonPage()
{
    // The groups go with the page's widget, after this part of it.
    for (CVNQRibbonGroup* group : qAsConst(m_groups))
        group->m_page = nullptr;
}

void CVNQRibbonPage::setTitle(const QString& title)
{
    m_title = title;
    if (m_bar)
        m_bar->rebuildTabs();
}

CVNQRibbonGroup* CVNQRibbonPage::addGroup(const QString& id, const QString& title)
{
    return insertGroup(groupCount(), id, title);
}

CVNQRibbonGroup* CVNQRibbonPage::insertGroup(int index, const QString& id, const QString& title)
{
    auto* group = new CVNQRibbonGroup(id, title, this);
    group->show();
    m_groups.insert(qBound(0, index, m_groups.size()), group);
    updateGroupLayout();
    return group;
}

bool CVNQRibbonPage::removeGroup(CVNQRibbonGroup* group)
{
    if (!group || !m_groups.removeOne(group))
        return false;
    const RibbonFocusKeeper keeper(m_bar);
    releaseGroup(group);
    if (m_bar)
        m_bar->dropUnshownCommands();
    updateGroupLayout();
    return true;
}

void CVNQRibbonPage::clearGroups()
{
    const RibbonFocusKeeper keeper(m_bar);
    const QList<CVNQRibbonGroup*> groups = m_groups;
    m_groups.clear();
    for (CVNQRibbonGroup* group : groups)
        releaseGroup(group);
    if (m_bar)
        m_bar->dropUnshownCommands();
    m_scrollOffset = 0;
}

void CVNQRibbonPage::releaseGroup(CVNQRibbonGroup* group)
{
    // A command of the group may be what removes it, and a group still in
    // use may outlive the page.
    group->m_page = nullptr;
    ribbonRetire(group);
}

CVNQRibbonGroup* CVNQRibbonPage::groupAt(int index) const
{
    return index >= 0 && index < m_groups.size() ? m_groups.at(index) : nullptr;
}

CVNQRibbonGroup* CVNQRibbonPage::groupById(const QString& id) const
{
    for (CVNQRibbonGroup* group : m_groups)
        if (group->groupId() == id)
            return group;
    return nullptr;
}

bool CVNQRibbonPage::isOverflowing() const
{
    return m_contentWidth > width();
}

QSize CVNQRibbonPage::sizeHint() const
{
    return QSize(m_contentWidth, m_bar ? m_bar->m_pageHeight : 96);
}

int CVNQRibbonPage::maxScroll() const
{
    const int avail = qMax(width() - (isOverflowing() ? 40 : 0), 0);
    return qMax(m_contentWidth - avail, 0);
}

void CVNQRibbonPage::updateGroupLayout()
{
    int content = 4;
    int expanding = 0;
    QVarLengthArray<int, 64> widths;
    for (CVNQRibbonGroup* group : qAsConst(m_groups)) {
        widths.append(group->sizeHint().width());
        content += widths.last() + 4;
        if (group->isExpanding())
            ++expanding;
    }
    m_contentWidth = content + 4;

    const bool overflow = isOverflowing();
    int extra = 0;
    if (overflow) {
        m_scrollOffset = qBound(0, m_scrollOffset, maxScroll());
    } else {
        m_scrollOffset = 0;
        extra = expanding > 0 ? qMax(width() - m_contentWidth, 0) / expanding : 0;
    }

    int x = (overflow ? 20 : 0) - m_scrollOffset + 4;
    for (int i = 0; i < m_groups.size(); ++i) {
        CVNQRibbonGroup* group = m_groups.at(i);
        const int w = widths.at(i) + (group->isExpanding() ? extra : 0);
        ribbonPlace(group, QRect(x, 4, w, qMax(height() - 8, 0)));
        x += w + 4;
    }

    m_leftButton->setVisible(overflow);
    m_rightButton->setVisible(overflow);
    m_leftButton->setEnabled(m_scrollOffset > 0);
    m_rightButton->setEnabled(m_scrollOffset < maxScroll());
    if (overflow) {
        ribbonPlace(m_leftButton, QRect(0, 0, 20, height()));
        ribbonPlace(m_rightButton, QRect(width() - 20, 0, 20, height()));
        m_leftButton->raise();
        m_rightButton->raise();
    }
}

void CVNQRibbonPage::scrollBy(int dx)
{
    m_scrollOffset = int(qBound<qint64>(0, qint64(m_scrollOffset) + dx, maxScroll()));
    updateGroupLayout();
}

void CVNQRibbonPage::reveal(const QWidget* widget)
{
    // The arrows themselves are always in view.
    if (!isOverflowing() || !isAncestorOf(widget) || widget == m_leftButton || widget == m_rightButton)
        return;
    const QRect r(widget->mapTo(this, QPoint(0, 0)), widget->size());
    // Between the arrows, with the gap the groups keep; the left edge wins
    // for a widget wider than that.
    const int right = width() - 24;
    if (r.x() + r.width() > right)
        scrollBy(r.x() + r.width() - right);
    const int left = widget->mapTo(this, QPoint(0, 0)).x();
    if (left < 24)
        scrollBy(left - 24);
}

void CVNQRibbonPage::forgetGroup(CVNQRibbonGroup* group)
{
    group->m_page = nullptr;
    m_groups.removeAll(group);
    updateGroupLayout();
    if (m_bar)
        m_bar->dropUnshownCommands();
}

bool CVNQRibbonPage::event(QEvent* event)
{
    // A group asking for another width (an item added or gone, expanding).
    if (event->type() == QEvent::LayoutRequest)
        updateGroupLayout();
    // A group its owner takes back (gives another parent) leaves the page
    // as a deleted one does (that one has left before).
    if (event->type() == QEvent::ChildRemoved) {
        const QObject* child = static_cast<QChildEvent*>(event)->child();
        for (CVNQRibbonGroup* group : qAsConst(m_groups))
            if (group == child) {
                forgetGroup(group);
                break;
            }
    }
    return CVNQContainer::event(event);
}

void CVNQRibbonPage::resizeEvent(QResizeEvent* event)
{
    CVNQContainer::resizeEvent(event);
    updateGroupLayout();
}

void CVNQRibbonPage::wheelEvent(QWheelEvent* event)
{
    if (m_contentWidth <= width()) {
        CVNQContainer::wheelEvent(event);
        return;
    }
    scrollBy(event->angleDelta().y() < 0 ? 80 : -80);
    event->accept();
}

} // namespace CVNQtLib

#include "moc_CVNQRibbonPage.cpp"
