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
            item->setParent(host);
            item->setVisible(!hidden);
        }
    };
    adopt(m_appButton);
    for (CVNQRibbonButton* button : qAsConst(m_quickButtons))
        adopt(button);
    for (QWidget* widget : qAsConst(m_topRightWidgets))
        adopt(widget);

    int x = 4;
    if (!m_appButton->isHidden()) {
        const int bw = qMax(m_appButton->sizeHint().width(), 54);
        ribbonPlace(m_appButton, QRect(4, 2, bw, top - 4));
        x = bw + 8;
    }
    for (CVNQRibbonButton* button : qAsConst(m_quickButtons)) {
        const int bw = button->getShowText() ? qBound(24, button->sizeHint().width(), 90) : 28;
        ribbonPlace(button, QRect(x, 3, bw, top - 6));
        x += bw + 2;
    }
    int right = w - 4;
    for (int i = m_topRightWidgets.size() - 1; i >= 0; --i) {
        QWidget* widget = m_topRightWidgets.at(i);
        // A widget takes at least its minimum width (a configured "width")
        // whatever it is given: the row makes room for what it takes.
        const int ww = ribbonTakenWidth(widget, qBound(40, widget->sizeHint().width(), 180));
        ribbonPlace(widget, QRect(right - ww, 3, ww, top - 6));
        right -= ww + 4;
    }

    m_tabRow->setProperty("cvnRibbonContentLeft", office ? 4 : x + 4);
    m_tabRow->setProperty("cvnRibbonContentRight", (office ? w : right) - 4);
    updateTabLayout();

    if (!m_minimized && m_pageStack->parentWidget() == m_popup) {
        if (m_popup->isVisible())
            m_popup->hide();
        if (m_pageStack->parentWidget() != this) {
            m_pageStack->setParent(this);
            m_pageStack->hide();
        }
    }
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
        const int tw = qBound(68, button->textAdvance() + 28, 150);
        widths.append(tw);
        total += tw + 2;
    }
    m_tabTotalWidth = int(qMin<qint64>(total, INT_MAX));

    const int available = qMax(right - left, 0);
    const bool overflow = m_tabTotalWidth > available;
    m_tabMaxScroll = 0;
    if (overflow) {
        left += 20;
        right -= 20;
        m_tabMaxScroll = qMax(m_tabTotalWidth - (right - left), 0);
        m_tabScrollOffset = qBound(0, m_tabScrollOffset, m_tabMaxScroll);
    } else {
        m_tabScrollOffset = 0;
    }

    int x = left - m_tabScrollOffset;
    for (int i = 0; i < m_tabButtons.size(); ++i) {
        CVNQRibbonButton* button = m_tabButtons.at(i);
        const int tw = widths.at(i);
        ribbonPlace(button, QRect(x, 1, tw, qMax(rowHeight - 2, 0)));
        {
            const QSignalBlocker blocker(button);
            button->setChecked(m_tabPages.at(i) == m_currentPage);
        }
        button->setVisible(x + tw > left && x < right);
        x += tw + 2;
    }

    m_tabScrollLeft->setVisible(overflow);
    m_tabScrollRight->setVisible(overflow);
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
    if (m_currentPage && !m_tabPages.contains(m_currentPage))
        m_currentPage = m_tabPages.isEmpty() ? nullptr : m_tabPages.first();
    updatePageVisibility();
    updateTabLayout();
    // The clicked tab may still be in its handler when a slot rebuilds them.
    for (CVNQRibbonButton* button : old)
        release(button);
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
    if (!m_tearingDown && m_pageStack->parentWidget() != this) {
        m_pageStack->setParent(this);
        m_pageStack->hide();
    }
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
