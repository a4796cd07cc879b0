#pragma once

// Where the toolkit says why it refused input. Return values stay as they
// are; these categories carry the reason (parser message and position, the
// unknown type or style name, the refused zip entry) to whoever listens.
// Enable or silence them with QT_LOGGING_RULES, e.g. "corvane.*=false".

#include "CVNQGlobal.h"

#include <QLoggingCategory>

namespace CVNQtLib {

CVNQ_EXPORT const QLoggingCategory& lcFactory();  // corvane.factory: control types and creation
CVNQ_EXPORT const QLoggingCategory& lcTheme();    // corvane.theme: theme packages and their theme.json
CVNQ_EXPORT const QLoggingCategory& lcStyle();    // corvane.style: style.json and style names
CVNQ_EXPORT const QLoggingCategory& lcZip();      // corvane.zip: archives and their entries
CVNQ_EXPORT const QLoggingCategory& lcLanguage(); // corvane.language: language files and keys
CVNQ_EXPORT const QLoggingCategory& lcPage();     // corvane.page: page and menu files
CVNQ_EXPORT const QLoggingCategory& lcRibbon();   // corvane.ribbon: ribbon configurations

} // namespace CVNQtLib
