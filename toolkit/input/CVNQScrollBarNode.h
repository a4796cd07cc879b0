#pragma once

// Bound scroll-bar child nodes: entries of a control's "child" array whose
// "type" names a scroll bar configure one of the two scroll bars the control
// already owns instead of creating a control. Scroll views, text edits and
// item views all read them here, each with its own bars and size hooks.

#include "CVNQGlobal.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <json/json.h>

namespace CVNQtLib {

class CVNQScrollBar;

struct CVNQ_EXPORT CVNScrollBarNodeTarget
{
    CVNQScrollBar* horizontal = nullptr;
    CVNQScrollBar* vertical = nullptr;
    // "size" of a node: the owner's button size for that axis.
    std::function<void(bool horizontal, int size)> setButtonSize;
    // "h" (horizontal node) or "w" (vertical node), 0 when absent: the
    // owner's bar thickness. Called for every node.
    std::function<void(bool horizontal, int size)> setThickness;
};

// True when the entry's "type" is a string that contains "scrollbar".
CVNQ_EXPORT bool cvnIsScrollBarNode(const Json::Value& child);

// Applies every scroll-bar node of node's "child" array, in order. A node
// without "attr" configures the vertical bar and clears its icons.
CVNQ_EXPORT void cvnReadScrollBarNodes(const Json::Value& node, const CVNScrollBarNodeTarget& target);

// The same for an owner with the usual operations: themedScrollBar(bool),
// setScrollbarBtnSize(bool, int) and setScrollbarSize(bool, int).
template <class Owner>
void cvnReadScrollBarNodesOf(const Json::Value& node, Owner* owner)
{
    CVNScrollBarNodeTarget target;
    target.horizontal = owner->themedScrollBar(true);
    target.vertical = owner->themedScrollBar(false);
    target.setButtonSize = [owner](bool hor, int size) { owner->setScrollbarBtnSize(hor, size); };
    target.setThickness = [owner](bool hor, int size) { owner->setScrollbarSize(hor, size); };
    cvnReadScrollBarNodes(node, target);
}

// After a page built owner: deletes the scroll-bar controls the page
// builder made from those nodes as owner's direct children (they would float
// over its content). Bars installed in a scroll area are not direct children.
CVNQ_EXPORT void cvnDeleteBuiltScrollBarNodes(QWidget* owner);

// Style sheet of the line-button size of one bar (two rules, add-line first).
CVNQ_EXPORT QString cvnScrollBarButtonSizeSheet(bool horizontal, int size);
// Style sheet of the bar thickness, set on both bars; buttonSize fills the
// line-button rules of the vertical bar.
CVNQ_EXPORT QString cvnScrollBarThicknessSheet(int thickness, int buttonSize);
// An owner's setScrollbarSize: both bars (either may be null) take one
// thickness, and the line-button rules take it too.
CVNQ_EXPORT void cvnSetScrollBarThickness(CVNQScrollBar* horizontal, CVNQScrollBar* vertical, int size);

} // namespace CVNQtLib
