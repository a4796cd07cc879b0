#pragma once

// Geometry shared by the data grid's header and its cell delegate: the
// text, content and check rectangles of a cell or header section, the
// icon placement beside the text, the mapping of Qt's alignment role onto a
// text style, and the template list of a template column.

#include "CVNQGlobal.h"
#include "CVNQStyleDefs.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVariant>
#include <QVector>
#include <QWidget>

namespace CVNQtLib {

class CVNQWidgetBaseImpl;

namespace TableCellLayout {

// The cell shrunk by 2 px on every side, never negative in size.
CVNQ_EXPORT QRect textRect(const QRect& cell);
// The text rectangle; with a check box in the cell its left edge moves
// right by 10 + the check image width.
CVNQ_EXPORT QRect contentRect(const QRect& cell, bool withCheckBox, const QSize& checkImageSize);
// Where the check box is drawn: 5 px into the cell, as wide as the check
// image is high, over the cell's full height.
CVNQ_EXPORT QRect checkRect(const QRect& cell, const QSize& checkImageSize);

// Applies a valid Qt::TextAlignmentRole value to a copy of a text style.
CVNQ_EXPORT void applyAlignment(TextStyleDesc& style, const QVariant& alignment);

// An icon of iconSize beside text in the content rectangle: a fixed slot
// of icon width + 10 at its left, or, for a centred style, icon and text
// centred together in it with a 6 px gap when there is text.
struct IconPlacement
{
    QRect icon;
    QRect content;
};
CVNQ_EXPORT IconPlacement placeIcon(const QRect& contentRect, const QSize& iconSize, const QString& text,
                                    const TextStyleDesc& style, const QWidget* view);

// One control of a template: its implementation object, its widget and its
// position relative to the template container.
struct TemplateEntry
{
    CVNQWidgetBaseImpl* impl = nullptr;
    QWidget* widget = nullptr;
    QPoint offset;
};
// The container's entry first, then its controls in pre-order. Children
// that are not toolkit controls are skipped with their subtrees, and so are
// controls hidden explicitly or marked as not drawn in item views.
CVNQ_EXPORT QVector<TemplateEntry> templateList(QWidget* container);
// Where an entry lies in a cell whose top-left corner is at cellTopLeft.
inline QRect entryRect(const TemplateEntry& entry, const QPoint& cellTopLeft)
{
    return QRect(cellTopLeft + entry.offset, entry.widget->size());
}
// The first control (after the container) whose rectangle, placed in a
// cell at cellTopLeft, contains point; -1 for none.
CVNQ_EXPORT int hitTemplate(const QVector<TemplateEntry>& list, const QPoint& cellTopLeft, const QPoint& point);

} // namespace TableCellLayout
} // namespace CVNQtLib
