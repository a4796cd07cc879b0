#include "CVNQTableCellLayout.h"

#include "CVNQWidgetBaseImpl.h"
#include "ICVNQWidgetBase.h"

#include <QFontMetricsF>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace CVNQtLib {
namespace TableCellLayout {

QRect textRect(const QRect& cell)
{
    QRect r = cell.adjusted(2, 2, -2, -2);
    r.setWidth(std::max(r.width(), 0));
    r.setHeight(std::max(r.height(), 0));
    return r;
}

QRect contentRect(const QRect& cell, bool withCheckBox, const QSize& checkImageSize)
{
    QRect r = textRect(cell);
    if (withCheckBox) {
        const int right = r.right();
        r.setLeft(r.left() + 10 + checkImageSize.width());
        if (r.left() > right + 1)
            r.setWidth(0);
    }
    return r;
}

QRect checkRect(const QRect& cell, const QSize& checkImageSize)
{
    return QRect(cell.left() + 5, cell.top(), checkImageSize.height(), cell.height());
}

void applyAlignment(TextStyleDesc& style, const QVariant& alignment)
{
    if (!alignment.isValid())
        return;
    const int a = alignment.toInt();
    if (a & Qt::AlignHCenter) {
        style.hor = 1;
        style.x = 0;
    } else if (a & Qt::AlignRight) {
        style.hor = 2;
    } else if (a & Qt::AlignLeft) {
        style.hor = 0;
    }
    if (a & Qt::AlignTop)
        style.ver = 0;
    else if (a & Qt::AlignBottom)
        style.ver = 2;
    else if (a & Qt::AlignVCenter)
        style.ver = 1;
}

IconPlacement placeIcon(const QRect& contentRect, const QSize& iconSize, const QString& text,
                        const TextStyleDesc& style, const QWidget* view)
{
    IconPlacement p;
    p.content = contentRect;
    const int w = iconSize.width();
    const int spacing = text.isEmpty() ? 0 : 6;
    if (style.hor != 1) {
        p.icon = QRect(contentRect.left(), contentRect.top(), w + 10, contentRect.height());
        const int right = p.content.right();
        p.content.setLeft(p.content.left() + w + 10);
        if (p.content.left() > right + 1)
            p.content.setWidth(0);
        return p;
    }
    // Centred in the content rectangle: beside a check box the group keeps
    // clear of it, as a text alone does.
    const int x = contentRect.left();
    const int y = contentRect.top();
    const int W = contentRect.width();
    const int H = contentRect.height();
    // The text's width rounded up, not to the nearest pixel: drawText elides
    // at 2 px less than its box, and a box cut to a rounded-down width would
    // elide a text that fits.
    const QFontMetricsF metrics(CVNQWidgetBaseImpl::fontForStyle(style, view), view);
    const int textWidth = int(std::ceil(metrics.horizontalAdvance(text))) + 2;
    const int t = std::min(std::max(W - spacing - w, 0), textWidth);
    const int x0 = x + std::max((W - (t + w + spacing)) / 2, 0);
    p.icon = QRect(x0, y, w, H);
    p.content = QRect(x0 + w + spacing, y, t, H);
    return p;
}

namespace {

void collect(QWidget* widget, const QPoint& offset, QVector<TemplateEntry>& out)
{
    for (QObject* child : widget->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w)
            continue;
        // Only what is not a control is left out, with all it holds.
        auto* control = dynamic_cast<ICVNQWidgetBase*>(w);
        CVNQWidgetBaseImpl* impl = control ? control->getControlImpl() : nullptr;
        if (!impl)
            continue;
        const QPoint pos = offset + w->pos();
        out.push_back({impl, w, pos});
        collect(w, pos, out);
    }
}

} // namespace

QVector<TemplateEntry> templateList(QWidget* container)
{
    QVector<TemplateEntry> list;
    auto* control = dynamic_cast<ICVNQWidgetBase*>(container);
    CVNQWidgetBaseImpl* impl = control ? control->getControlImpl() : nullptr;
    if (!impl)
        return list;
    list.push_back({impl, container, QPoint()});
    collect(container, QPoint(), list);
    return list;
}

int hitTemplate(const QVector<TemplateEntry>& list, const QPoint& cellTopLeft, const QPoint& point)
{
    for (int i = 1; i < list.size(); ++i) {
        if (entryRect(list.at(i), cellTopLeft).contains(point))
            return i;
    }
    return -1;
}

} // namespace TableCellLayout
} // namespace CVNQtLib
