#pragma once

// The styles shared in shape by the check box and the radio button: an
// unchecked and a checked background per control state and three text
// styles, with the same "style" list indexes:
//   0..3  unchecked background (0 sets all four states)
//   4..7  checked background   (4 sets all four states)
//   8     unchecked text, 9 checked text, 10 disabled text

#include "CVNQStateStyles.h"

namespace CVNQtLib {

struct CVNQCheckStyles {
    enum : int {
        UncheckedFirst = 0,
        CheckedFirst = 4,
        UncheckedTextIndex = 8,
        CheckedTextIndex = 9,
        DisabledTextIndex = 10
    };

    CVNQFillStyles unchecked;
    CVNQFillStyles checked;
    TextStyleDesc uncheckedText;
    TextStyleDesc checkedText;
    TextStyleDesc disabledText;

    // Applies node's "style" entries in list order; unknown names and other
    // indexes are ignored.
    void read(const Json::Value& node);
    // Appends the entries: each background group in the compact form, then
    // every text style that has a name.
    void write(Json::Value& list) const;
};

} // namespace CVNQtLib
