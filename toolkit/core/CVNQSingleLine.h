#pragma once

// Texts that come from users or data and are drawn in a box of one line:
// a line break would draw the next line over what lies below, and an open
// direction override would turn round whatever is drawn after the text.

#include "CVNQGlobal.h"

#include <QString>

namespace CVNQtLib {

// Whether text holds nothing that would start a new line where it is drawn
// (a line or paragraph break or another control character).
CVNQ_EXPORT bool cvnIsSingleLine(const QString& text);

// The text on one line: every run of such characters becomes one space.
// Any other text comes back as it is.
CVNQ_EXPORT QString cvnSingleLine(const QString& text);

// The text as it is drawn among others: on one line, and when it holds
// direction marks, as an isolate, which keeps them from reordering what is
// drawn after it.
CVNQ_EXPORT QString cvnShownOnOneLine(const QString& text);

} // namespace CVNQtLib
