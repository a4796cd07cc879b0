// Layout, tabs, the minimised pop-up and the style set of CVNQRibbonBar.

#include "CVNQRibbonBar.h"

#include "CVNQContainer.h"
#include "CVNQRibbonBarImpl.h"
#include "CVNQRibbonButton.h"
#include "CVNQRibbonContextGroup.h"
#include "CVNQRibbonFocus.h"
#include "CVNQRibbonGallery.h"
#include "CVNQRibbonGeometry.h"
#include "CVNQRibbonRetire.h"
#include "CVNQRibbonPage.h"

#include <QPaintEvent>

namespace CVNQtLib {

namespace {

const char* const SqueezedKey = "_cvn_ribbon_squeezed";

// Hidden for want of room and not by its owner since: the row's own hide
// is left unmarked as explicit, so an owner's hide() of a squeezed item is
// not dropped as a repeat and marks it (else it would show again once
// there is room).
bool ribbonSqueezedOnly(const QWidget* item)
{
    return item->property(SqueezedKey).toBool() && !item->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

void ribbonMarkSqueezed(QWidget* item)
{
    item->setProperty(SqueezedKey, true);
    item->setAttribute(Qt::WA_WState_ExplicitShowHide, false);
}

// Hides an item of the top row for want of room, or shows it again once
// there is; an item its owner hid stays hidden.
void ribbonSqueeze(QWidget* item, bool out)
{
    if (out && !item->isHidden()) {
        item->hide();
        ribbonMarkSqueezed(item);
    } else if (!out && item->property(SqueezedKey).toBool()) {
        item->setProperty(SqueezedKey, QVariant());
        item->show();
    }
}

// Hidden by its owner or, for a command, by the application: it takes no
// room in the row (one hidden for want of room is still the row's).
bool ribbonHeldHidden(const QWidget* item)
{
    const auto* button = qobject_cast<const CVNQRibbonButton*>(item);
    const QAction* action = button ? button->ribbonAction() : nullptr;
    if (action && !action->isVisible())
        return true;
    return item->isHidden() && !ribbonSqueezedOnly(item);
}

} // namespace

int CVNQRibbonBar::topHeight() const
{
    return qMax(m_topRowHeight, 24);
}

int CVNQRibbonBar::tabHeight() const
{
    return qMax(m_tabRowHeight, 24);
}

QSize CVNQRibbonBar::sizeHint() const
{
    const bool office = m_layoutMode == CVN_RIBBON_LAYOUT_OFFICE;
    const int rows = office ? topHeight() + tabHeight() : qMax(topHeight(), tabHeight());
    return QSize(720, rows + (m_minimized ? 0 : qMax(m_pageHeight, 64)));
}

void CVNQRibbonBar::updateLayout()
{
    const bool office = m_layoutMode == CVN_RIBBON_LAYOUT_OFFICE;
    const int top = topHeight();
    const int tab = tabHeight();
    const int w = width();
    const int contentTop = office ? top + tab : qMax(top, tab);

    ribbonPlace(m_topRow, QRect(0, 0, w, top));
    ribbonPlace(m_tabRow, QRect(0, office ? top : 0, w, tab));
    m_topRow->setVisible(office);

    CVNQContainer* host = office ? m_topRow : m_tabRow;
    auto adopt = [host](QWidget* item) {
        if (item->parentWidget() != host) {
            const bool hidden = item->isHidden();
            const bool squeezed = hidden && ribbonSqueezedOnly(item);
            item->setParent(host);
            item->setVisible(!hidden);
            if (squeezed)
                ribbonMarkSqueezed(item);
        }
    };
    adopt(m_appButton);
    for (CVNQRibbonButton* button : qAsConst(m_quickButtons))
        adopt(button);
    for (QWidget* widget : qAsConst(m_topRightWidgets))
        adopt(widget);

    // Nothing in the row covers anything else: the quick-access commands
    // that do not fit the row wholly are hidden; the top-right widgets stay
    // clear of what the left side holds (in the compact row also of room
    // for a tab between the arrows), each shrinking and then hiding.
    int x = 4;
    if (!m_appButton->isHidden()) {
        const int bw = qMax(m_appButton->sizeHint().width(), 54);
        ribbonPlace(m_appButton, QRect(4, 2, bw, top - 4));
        x = bw + 8;
    }
    // The compact row keeps a narrow tab between the arrows before them.
    const int quickEnd = office ? w - 4 : w - 14 - tabAreaReserve(26);
    bool full = false;
    for (CVNQRibbonButton* button : qAsConst(m_quickButtons)) {
        if (ribbonHeldHidden(button))
            continue;
        const int bw = button->getShowText() ? qBound(24, button->sizeHint().width(), 90) : 28;
        full = full || x + bw > quickEnd;
        ribbonSqueeze(button, full);
        if (full)
            continue;
        ribbonPlace(button, QRect(x, 3, bw, top - 6));
        x += bw + 2;
    }
    const int floor = office ? x + 2 : x + 12 + tabAreaReserve(-1);
    int right = w - 4;
    full = false;
    for (int i = m_topRightWidgets.size() - 1; i >= 0; --i) {
        QWidget* widget = m_topRightWidgets.at(i);
        if (ribbonHeldHidden(widget))
            continue;
        // A widget takes at least its minimum width (a configured "width")
        // whatever it is given: the row makes room for what it takes.
        const int taken = ribbonTakenWidth(widget, qBound(40, widget->sizeHint().width(), 180));
        const int ww = qMin(taken, right - floor);
        full = full || ww < qMin(taken, qMax(40, widget->minimumWidth()));
        ribbonSqueeze(widget, full);
        if (full)
            continue;
        ribbonPlace(widget, QRect(right - ww, 3, ww, top - 6));
        right -= ww + 4;
    }

    m_tabRow->setProperty("cvnRibbonContentLeft", office ? 4 : x + 4);
    m_tabRow->setProperty("cvnRibbonContentRight", (office ? w : right) - 4);
    updateTabLayout();

    if (!m_minimized && m_pageStack->parentWidget() == m_popup)
        hideMinimizedPopup();
    if (m_pageStack->parentWidget() != this) {
        updatePageVisibility();
        update();
        return;
    }
    ribbonPlace(m_pageStack, QRect(0, contentTop, w, qMax(height() - contentTop, 0)));
    m_pageStack->setVisible(!m_minimized);
    updatePageVisibility();
    update();
}

int CVNQRibbonBar::tabWidth(const CVNQRibbonButton* tab)
{
    return qBound(68, tab->textAdvance() + 28, 150);
}

int CVNQRibbonBar::tabAreaReserve(int oneTab) const
{
    // All the tabs, or one of them between the two arrows.
    qint64 total = 0;
    int widest = 0;
    for (const CVNQRibbonButton* button : m_tabButtons) {
        total += tabWidth(button) + 2;
        widest = qMax(widest, tabWidth(button));
    }
    const int one = oneTab < 0 ? widest + 2 : oneTab;
    return m_tabButtons.isEmpty() ? 0 : int(qMin<qint64>(total, one + 40));
}

void CVNQRibbonBar::scrollTabs(bool forward)
{
    // A click brings the next tab that is cut off wholly into view, so each
    // tab can be reached whatever its width.
    int target = forward ? m_tabMaxScroll : 0;
    const int n = m_tabButtons.size();
    for (int k = 0; k < n; ++k) {
        const int i = forward ? k : n - 1 - k;
        const QRect r = m_tabButtons.at(i)->geometry();
        if (forward && r.right() + 1 > m_tabAreaRight) {
            if (i < n - 1)
                target = m_tabScrollOffset + r.right() + 1 - m_tabAreaRight;
            break;
        }
        if (!forward && r.left() < m_tabAreaLeft) {
            target = m_tabScrollOffset - (m_tabAreaLeft - r.left());
            break;
        }
    }
    m_tabScrollOffset = target;
    updateTabLayout();
}

void CVNQRibbonBar::updateTabLayout()
{
    const bool compact = m_layoutMode == CVN_RIBBON_LAYOUT_COMPACT;
    const int rowWidth = m_tabRow->width();
    const int rowHeight = m_tabRow->height();
    int left = compact ? m_tabRow->property("cvnRibbonContentLeft").toInt() : 4;
    int right = compact ? m_tabRow->property("cvnRibbonContentRight").toInt() : rowWidth - 4;
    if (right <= left)
        right = rowWidth - 4;

    QVector<int> widths;
    qint64 total = 0;
    for (CVNQRibbonButton* button : qAsConst(m_tabButtons)) {
        widths.append(tabWidth(button));
        total += widths.last() + 2;
    }
    m_tabTotalWidth = int(qMin<qint64>(total, INT_MAX));

    const int available = qMax(right - left, 0);
    const bool overflow = m_tabTotalWidth > available;
    // Without room for a tab of 24 px between the arrows, neither shows.
    const bool room = !overflow || right - left - 40 >= 24 + 2;
    m_tabMaxScroll = 0;
    if (overflow) {
        left += 20;
        right -= 20;
        // A tab wider than the area is narrowed to it: it can be shown.
        total = 0;
        for (int& tw : widths) {
            if (room)
                tw = qMin(tw, right - left - 2);
            total += tw + 2;
        }
        m_tabMaxScroll = int(qBound<qint64>(0, total - (right - left), INT_MAX));
        // The current page's tab comes into view whenever the current page,
        // the tabs or their area changed; only the arrows scroll it away.
        const int current = m_tabPages.indexOf(m_currentPage);
        if (current >= 0 && room && (m_revealCurrentTab || left != m_tabAreaLeft || right != m_tabAreaRight)) {
            qint64 start = 0;
            for (int i = 0; i < current; ++i)
                start += widths.at(i) + 2;
            const qint64 end = start + widths.at(current);
            if (start < m_tabScrollOffset)
                m_tabScrollOffset = int(start);
            else if (end > m_tabScrollOffset + (right - left))
                m_tabScrollOffset = int(qMin<qint64>(end - (right - left), INT_MAX));
        }
        m_tabScrollOffset = qBound(0, m_tabScrollOffset, m_tabMaxScroll);
    } else {
        m_tabScrollOffset = 0;
    }
    m_revealCurrentTab = false;
    m_tabOverflow = overflow;
    m_tabAreaLeft = left;
    m_tabAreaRight = right;

    // Only a tab wholly inside the area shows; the arrows reach the others.
    int x = left - m_tabScrollOffset;
    for (int i = 0; i < m_tabButtons.size(); ++i) {
        CVNQRibbonButton* button = m_tabButtons.at(i);
        const int tw = widths.at(i);
        ribbonPlace(button, QRect(x, 1, tw, qMax(rowHeight - 2, 0)));
        {
            const QSignalBlocker blocker(button);
            button->setChecked(m_tabPages.at(i) == m_currentPage);
        }
        button->setVisible(room && x >= left && x + tw <= right);
        x += tw + 2;
    }

    m_tabScrollLeft->setVisible(overflow && room);
    m_tabScrollRight->setVisible(overflow && room);
    m_tabScrollLeft->setEnabled(m_tabScrollOffset > 0);
    m_tabScrollRight->setEnabled(m_tabScrollOffset < m_tabMaxScroll);
    if (overflow) {
        ribbonPlace(m_tabScrollLeft, QRect(compact ? left - 20 : 0, 0, 20, rowHeight));
        // In the compact row the top-right widgets follow the tab area:
        // ">" closes the area instead of covering them.
        ribbonPlace(m_tabScrollRight, QRect(compact ? right : rowWidth - 20, 0, 20, rowHeight));
        m_tabScrollLeft->raise();
        m_tabScrollRight->raise();
    }
}

void CVNQRibbonBar::rebuildTabs()
{
    const RibbonFocusKeeper keeper(this);
    const QList<CVNQRibbonButton*> old = m_tabButtons;
    m_revealCurrentTab = true;
    m_tabButtons.clear();
    m_tabPages.clear();

    for (CVNQRibbonPage* page : qAsConst(m_pages)) {
        CVNQRibbonContextGroup* group = page->contextGroup();
        if (group && !group->isVisible())
            continue;
        m_tabPages.append(page);
        auto* button = new CVNQRibbonButton(m_tabRow, CVN_RIBBON_ITEM_SMALL);
        button->setObjectName(QStringLiteral("ribbonTab_%1").arg(page->pageId()));
        button->setText(page->title());
        button->setCheckable(true);
        button->setChecked(page == m_currentPage);
        button->setProperty("cvnRibbonContextColor", group ? group->color() : QColor());
        connect(button, &QAbstractButton::clicked, this, [this, page]() { onTabClicked(page); });
        applyTabStyles(button);
        m_tabButtons.append(button);
    }
    // A bar with tabs always has a current page, one with a tab.
    if (!m_tabPages.contains(m_currentPage))
        m_currentPage = m_tabPages.isEmpty() ? nullptr : m_tabPages.first();
    // The compact row keeps room for the tabs beside the top-right widgets.
    if (m_layoutMode == CVN_RIBBON_LAYOUT_COMPACT) {
        updateLayout();
    } else {
        updatePageVisibility();
        updateTabLayout();
    }
    // The clicked tab may still be in its handler when a slot rebuilds them.
    for (CVNQRibbonButton* button : old)
        release(button);
    orderFocusChain();
    // Every change of the pages ends here.
    announceCurrentPage();
}

void CVNQRibbonBar::updatePageVisibility()
{
    const bool shown = !m_minimized || m_popup->isVisible();
    for (CVNQRibbonPage* page : qAsConst(m_pages))
        page->setVisible(page == m_currentPage && shown);
    if (m_currentPage) {
        ribbonPlace(m_currentPage, QRect(0, 0, m_pageStack->width(), m_pageStack->height()));
        m_currentPage->raise();
    }
}

void CVNQRibbonBar::showMinimizedPopup()
{
    if (!m_minimized || !m_currentPage)
        return;
    if (m_pageStack->parentWidget() != m_popup)
        m_pageStack->setParent(m_popup);
    const int y = m_topRowHeight + (m_layoutMode == CVN_RIBBON_LAYOUT_OFFICE ? m_tabRowHeight : 0);
    m_popup->setGeometry(QRect(mapToGlobal(QPoint(0, y)), QSize(width(), m_pageHeight)));
    ribbonPlace(m_pageStack, QRect(0, 0, m_popup->width(), m_popup->height()));
    m_pageStack->show();
    m_popup->show();
    updatePageVisibility();
    m_popup->raise();
}

void CVNQRibbonBar::hideMinimizedPopup()
{
    if (m_popup->isVisible())
        m_popup->hide();
    if (!m_tearingDown && m_pageStack->parentWidget() != this)
        takePageStackBack();
}

void CVNQRibbonBar::takePageStackBack()
{
    m_pageStack->setParent(this);
    m_pageStack->hide();
    // It comes back at the end of the window's focus chain.
    orderFocusChain();
}

// --- styles -----------------------------------------------------------------

namespace {

void applyButtonStyles(CVNQRibbonButton* button, const CVNQRibbonBarImpl* impl, int firstFill, int textSlot)
{
    for (int state = 0; state < CtrlStateCount; ++state) {
        button->setUseFillStyle(state, true);
        button->setBackground(state, impl->fill(firstFill + state));
        button->setTextStyle(state, impl->text(textSlot));
    }
    button->update();
}

} // namespace

void CVNQRibbonBar::applyCommandStyles(CVNQRibbonButton* button) const
{
    applyButtonStyles(button, m_impl.get(), CVNQRibbonBarImpl::CommandFirst, CVNQRibbonBarImpl::CommandText);
}

void CVNQRibbonBar::applyTabStyles(CVNQRibbonButton* button) const
{
    applyButtonStyles(button, m_impl.get(), CVNQRibbonBarImpl::TabFirst, CVNQRibbonBarImpl::TabText);
}

void CVNQRibbonBar::applyGalleryStyle(CVNQRibbonGallery* gallery) const
{
    gallery->setBackground(m_impl->fill(CVNQRibbonBarImpl::GalleryBackground));
}

void CVNQRibbonBar::applyRibbonStyles()
{
    if (!m_impl)
        return;
    m_topRow->setBackground(m_impl->fill(CVNQRibbonBarImpl::RowBackground));
    m_tabRow->setBackground(m_impl->fill(CVNQRibbonBarImpl::RowBackground));
    m_pageStack->setBackground(m_impl->fill(CVNQRibbonBarImpl::PageBackground));
    applyCommandStyles(m_appButton);
    applyCommandStyles(m_tabScrollLeft);
    applyCommandStyles(m_tabScrollRight);
    for (CVNQRibbonButton* tab : qAsConst(m_tabButtons))
        applyTabStyles(tab);
    // The page stack may sit in the pop-up, outside the bar's children.
    QList<QWidget*> roots = {this};
    if (m_pageStack->parentWidget() != this)
        roots.append(m_pageStack);
    for (QWidget* root : roots) {
        const QList<CVNQRibbonButton*> buttons = root->findChildren<CVNQRibbonButton*>();
        for (CVNQRibbonButton* button : buttons)
            if (!m_tabButtons.contains(button))
                applyCommandStyles(button);
        const QList<CVNQRibbonGallery*> galleries = root->findChildren<CVNQRibbonGallery*>();
        for (CVNQRibbonGallery* gallery : galleries)
            applyGalleryStyle(gallery);
    }
    update();
}

void CVNQRibbonBar::paintEvent(QPaintEvent*)
{
    if (m_impl)
        m_impl->paint();
}

void CVNQRibbonBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateLayout();
}

} // namespace CVNQtLib
