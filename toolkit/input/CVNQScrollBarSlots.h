#pragma once

// The scroll bar's slot map. Scroll bars read and write it; every owner of
// bound scroll-bar nodes (scroll views, text edits, item views) reads those
// nodes' "style" lists by it as well.

#include "CVNQTypes.h"

namespace CVNQtLib {

struct CVNQScrollBarSlots
{
    // The background keeps one style; only its first index is read.
    static constexpr CVNQStyleSlot background{"Background", StyleKindFill, 0, 2};
    static constexpr CVNQStyleSlot up = background.next("UpButton", StyleKindFill, CtrlStateCount);
    static constexpr CVNQStyleSlot down = up.next("DownButton", StyleKindFill, CtrlStateCount);
    static constexpr CVNQStyleSlot thumb = down.next("Thumb", StyleKindFill, CtrlStateCount);

    enum Part
    {
        NoPart,
        Background,
        UpButton,
        DownButton,
        Thumb
    };
    // The part a "style" index styles and the state it names there.
    struct Target
    {
        Part part = NoPart;
        CtrlState state = CtrlStateNormal;
    };
    static constexpr Target target(int index)
    {
        if (index == background.first)
            return {Background, CtrlStateNormal};
        if (up.holds(index))
            return {UpButton, index - up.first};
        if (down.holds(index))
            return {DownButton, index - down.first};
        if (thumb.holds(index))
            return {Thumb, index - thumb.first};
        return {};
    }
};

} // namespace CVNQtLib
