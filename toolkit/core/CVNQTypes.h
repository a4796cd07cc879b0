#pragma once

// Small value types shared by every control: layout placement, control
// states and the icon placement record.
//
// The placement and state types are plain ints on purpose: JSON readers,
// property grids and callers pass numbers straight through (a per-state
// setter takes 0..3, or 4 for all states), and out-of-range values are
// checked where they are used, not by the type.

#include "CVNQGlobal.h"

#include <QColor>

namespace CVNQtLib {

// Qt's widget size range (QWIDGETSIZE_MAX). Positions, sizes, offsets and
// margins from page and style files are held to it when read: a sum of a
// few of them then stays far inside int wherever they meet a widget's size.
constexpr int kCvnWidgetRange = (1 << 24) - 1;

inline int cvnClampToWidgetRange(qint64 v)
{
    return v < -kCvnWidgetRange ? -kCvnWidgetRange : (v > kCvnWidgetRange ? kCvnWidgetRange : int(v));
}

// How a control is placed in its container: 0 by ratio in the container's
// child layout, 1 by an absolute record x, y, w, h. -1 means "not set".
typedef int LayoutType;
enum : int
{
    LayoutTypeUnset = -1,
    LayoutTypeRatio = 0,
    LayoutTypeAbsolute = 1
};

// Width or height policy in a container layout: -1 unset; 0 and 1 are
// interpreted by the container.
typedef int LayoutSizePolicy;
enum : int
{
    LayoutSizePolicyUnset = -1,
    LayoutSizePolicyFill = 0,
    LayoutSizePolicyFixed = 1
};

// Anchor of an absolutely docked control per direction.
typedef int DockLayoutType;
enum : int
{
    DockNear = 0,
    DockCenter = 1,
    DockFar = 2
};

// Control state: the index of per-state styles and the state an
// implementation object keeps. CtrlStateCount is how many there are.
typedef int CtrlState;
enum : int
{
    CtrlStateNormal = 0,
    CtrlStateHover = 1,
    CtrlStatePressed = 2,
    CtrlStateDisabled = 3,
    CtrlStateCount = 4
};
// The setters' state that addresses every state at once. Its value belongs
// to the public interface, not to the count: it must never name a state.
enum : int
{
    CtrlStateAll = 4
};
static_assert(int(CtrlStateAll) >= int(CtrlStateCount), "CtrlStateAll must not name a state");
// Whether a per-state setter given argument sets state: its own state, or
// every state for CtrlStateAll. Every per-state setter decides through it.
constexpr bool cvnSetterAddresses(int argument, int state)
{
    return argument == state || argument == CtrlStateAll;
}

// Kind of an entry of a node's "style" list.
enum : int
{
    StyleKindFill = 1,
    StyleKindText = 2
};

// One group of a control's slot map: the property-table row that edits it
// (group), whether it keeps fill or text styles (kind), the index of its
// first state in the "style" list (first) and how many states it keeps
// (states), which take the indexes first to first + states - 1. A control
// lists its groups once, as constants its reader, its writer and its
// property table all use.
struct CVNQStyleSlot
{
    const char* group;
    int kind;
    int first;
    int states;

    constexpr int end() const { return first + states; }
    constexpr bool holds(int index) const { return index >= first && index < end(); }
    // The same group under another property-row label.
    constexpr CVNQStyleSlot named(const char* otherGroup) const
    {
        return CVNQStyleSlot{otherGroup, kind, first, states};
    }
    // The group that follows this one in the list.
    constexpr CVNQStyleSlot next(const char* nextGroup, int nextKind, int nextStates) const
    {
        return CVNQStyleSlot{nextGroup, nextKind, end(), nextStates};
    }
};

// Reduced state of controls that keep a single background or foreground:
// 0 normal, 1 disabled. Such controls ignore it.
typedef int CommonCtrlState;
enum : int
{
    CommonCtrlStateNormal = 0,
    CommonCtrlStateDisabled = 1
};

// Text style index of the check box and the radio button.
typedef int CheckBoxTextState;
enum : int
{
    CheckBoxTextChecked = 0,
    CheckBoxTextUnchecked = 1,
    CheckBoxTextDisabled = 2
};

// Where and how a control draws its icon or a named image inside a
// rectangle: offsets, optional tint, alignment (0 near, 1 centre, 2 far;
// any other value puts the item at coordinate 0 of that axis).
struct CVNQ_EXPORT IconStyleDesc
{
    int x = 0;
    int y = 0;
    bool useColor = false;
    QColor color{0, 0, 0, 255};
    int hor = 1;
    int ver = 1;
};

// Largest window or control side taken from a page file: a window beyond
// it cannot get a backing store from the window system (a 99999-pixel page
// crashed when shown), and an OpenGL control would ask for gigabytes.
constexpr int kCVNMaxWidgetSide = 8192;
inline int cvnBoundedSide(int side)
{
    return side < kCVNMaxWidgetSide ? side : kCVNMaxWidgetSide;
}

} // namespace CVNQtLib
