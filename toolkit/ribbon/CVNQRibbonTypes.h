#pragma once

// Enumerations of the ribbon command bar. Each is an int: a caller or a
// file may give any int, and holding one the enumeration does not name is
// defined (the users treat it as the first value or as none).

namespace CVNQtLib {

enum CVN_RIBBON_LAYOUT_MODE : int
{
    CVN_RIBBON_LAYOUT_OFFICE = 0, // tab row below a separate top row
    CVN_RIBBON_LAYOUT_COMPACT = 1 // one row for the top-row items and the tabs
};

enum CVN_RIBBON_ITEM_SIZE : int
{
    CVN_RIBBON_ITEM_LARGE = 0,
    CVN_RIBBON_ITEM_MEDIUM = 1,
    CVN_RIBBON_ITEM_SMALL = 2
};

enum CVN_RIBBON_POPUP_MODE : int
{
    CVN_RIBBON_POPUP_NONE = 0,    // the menu opens only through showPopupMenu()
    CVN_RIBBON_POPUP_INSTANT = 1, // a press opens the menu, a click never triggers
    CVN_RIBBON_POPUP_SPLIT = 2    // the indicator strip opens the menu, the rest clicks
};

} // namespace CVNQtLib
