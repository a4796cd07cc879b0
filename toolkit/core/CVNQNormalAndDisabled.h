#pragma once

#include "CVNQTypes.h"

namespace CVNQtLib {

// A style for state 0, the normal one, and one for every other state: what
// a control keeps that tells only enabled from disabled. CtrlStateAll sets both.
template <class T>
struct CVNQNormalAndDisabled
{
    T normal;
    T disabled;

    void set(int state, const T& style)
    {
        if (cvnSetterAddresses(state, CtrlStateNormal))
            normal = style;
        if (state != CtrlStateNormal)
            disabled = style;
    }
    T& forState(int state) { return state == CtrlStateNormal ? normal : disabled; }
    const T& forState(int state) const { return state == CtrlStateNormal ? normal : disabled; }
};

} // namespace CVNQtLib
