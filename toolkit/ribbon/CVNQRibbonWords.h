#pragma once

// The words a ribbon configuration uses for the ribbon enumerations; the
// reader compares them ignoring case, the writer writes them lower case.

#include "CVNQRibbonTypes.h"

#include <QString>

namespace CVNQtLib {

CVN_RIBBON_LAYOUT_MODE ribbonLayoutModeFromWord(const QString& word);
CVN_RIBBON_ITEM_SIZE ribbonItemSizeFromWord(const QString& word);
CVN_RIBBON_POPUP_MODE ribbonPopupModeFromWord(const QString& word);

QString ribbonLayoutModeWord(CVN_RIBBON_LAYOUT_MODE mode);
QString ribbonItemSizeWord(CVN_RIBBON_ITEM_SIZE size);
QString ribbonPopupModeWord(CVN_RIBBON_POPUP_MODE mode);

} // namespace CVNQtLib
