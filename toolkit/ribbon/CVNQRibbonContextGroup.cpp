#include "CVNQRibbonContextGroup.h"

#include "CVNQRibbonBar.h"
#include "CVNQRibbonPage.h"

namespace CVNQtLib {

CVNQRibbonContextGroup::CVNQRibbonContextGroup(const QString& id, const QString& title, const QColor& color,
                                               CVNQRibbonBar* bar)
    : QObject(bar)
    , m_id(id)
    , m_title(title)
    , m_color(color)
    , m_bar(bar)
{}

CVNQRibbonContextGroup::~CVNQRibbonContextGroup() = default;

void CVNQRibbonContextGroup::setColor(const QColor& color)
{
    m_color = color;
    if (m_bar)
        m_bar->rebuildTabs();
}

CVNQRibbonPage* CVNQRibbonContextGroup::addPage(const QString& id, const QString& title)
{
    if (!m_bar)
        return nullptr;
    // Whether the page became current is told once it belongs to the group.
    m_bar->beginPageChange();
    CVNQRibbonPage* page = m_bar->insertPage(m_bar->pageCount(), id, title);
    page->setContextGroup(this);
    m_pages.append(page);
    m_bar->rebuildTabs();
    m_bar->endPageChange();
    return page;
}

CVNQRibbonPage* CVNQRibbonContextGroup::pageAt(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages.at(index) : nullptr;
}

} // namespace CVNQtLib

#include "moc_CVNQRibbonContextGroup.cpp"
