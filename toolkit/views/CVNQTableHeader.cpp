#include "CVNQTableHeader.h"

#include "CVNQCheckBox.h"
#include "CVNQOutlives.h"
#include "CVNQTableCellLayout.h"
#include "CVNQTableView.h"
#include "CVNQTableViewImpl.h"

#include <QMouseEvent>
#include <QPainter>

namespace CVNQtLib {

using namespace TableCellLayout;

CVNQTableHeader::CVNQTableHeader(Qt::Orientation orientation, CVNQTableView* view, CVNQTableViewImpl* impl)
    : QHeaderView(orientation, view)
    , m_view(view)
    , m_impl(impl)
{}

QRect CVNQTableHeader::sectionRect(int logicalIndex) const
{
    if (orientation() == Qt::Horizontal)
        return QRect(sectionViewportPosition(logicalIndex), 0, sectionSize(logicalIndex), height());
    return QRect(0, sectionViewportPosition(logicalIndex), width(), sectionSize(logicalIndex));
}

void CVNQTableHeader::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const FillStyle& fill = m_impl->headerBackgrounds.get(CtrlStateNormal);
    CVNQWidgetBaseImpl::drawFillStyle(&painter, fill, viewport()->rect());
    QAbstractItemModel* m = model();
    if (!m || count() == 0)
        return;

    // Only the sections in the exposed area: a vertical header over a long
    // model must not walk every row.
    const QRect exposed = event->rect();
    const bool horizontal = orientation() == Qt::Horizontal;
    const int start = horizontal ? exposed.left() : exposed.top();
    if ((!horizontal || !isRightToLeft()) && start >= length() - offset())
        return; // only the space past the last section is exposed
    int first = visualIndexAt(start);
    int last = visualIndexAt(horizontal ? exposed.right() : exposed.bottom());
    if (first < 0)
        first = 0;
    if (last < 0)
        last = count() - 1;

    const TextStyleDesc& baseText = m_impl->headerTextStyles.get(CtrlStateNormal);
    for (int visual = first; visual <= last; ++visual) {
        const int section = logicalIndex(visual);
        if (section < 0 || isSectionHidden(section))
            continue;
        const QRect rect = sectionRect(section);
        CVNQWidgetBaseImpl::drawFillStyle(&painter, fill, rect);
        const QString text = m->headerData(section, orientation(), Qt::DisplayRole).toString();
        if (!horizontal) {
            CVNQWidgetBaseImpl::drawText(&painter, text, baseText, textRect(rect));
            continue;
        }
        TextStyleDesc style = baseText;
        applyAlignment(style, m->headerData(section, Qt::Horizontal, Qt::TextAlignmentRole));
        const bool checkSection = section == 0 && m_impl->checkstyle;
        CVNQWidgetBaseImpl::drawText(&painter, text, style, contentRect(rect, checkSection, m_impl->checkImageSize));
        if (checkSection && m_impl->headerCheckBox) {
            m_impl->headerCheckBox->setChecked(m_impl->headerChecked);
            if (CVNQWidgetBaseImpl* box = m_impl->headerCheckBox->getControlImpl())
                box->draw(&painter, checkRect(rect, m_impl->checkImageSize));
        }
    }
}

void CVNQTableHeader::mousePressEvent(QMouseEvent* event)
{
    if (orientation() == Qt::Horizontal && m_impl->checkstyle && count() > 0) {
        const QRect section = sectionRect(0);
        if (checkRect(section, m_impl->checkImageSize).contains(event->pos())) {
            m_impl->headerChecked = !m_impl->headerChecked;
            viewport()->repaint(section);
            // A slot may delete the view, and this header with it.
            if (!cvnOutlives(this, [&] { m_view->headerChecked(m_impl->headerChecked); }))
                return;
            viewport()->update();
        }
    }
    // Section clicks keep their meaning (sorting) also on the check box.
    QHeaderView::mousePressEvent(event);
}

} // namespace CVNQtLib

#include "moc_CVNQTableHeader.cpp"
