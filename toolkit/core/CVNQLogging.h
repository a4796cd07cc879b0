#pragma once

// Where the toolkit says why it refused input. Return values stay as they
// are; these categories carry the reason (parser message and position, the
// unknown type or style name, the refused zip entry) to whoever listens.
// Enable or silence them with QT_LOGGING_RULES, e.g. "corvane.*=false".

#include "CVNQGlobal.h"

#include <QLoggingCategory>

namespace CVNQtLib {

CVNQ_EXPORT const QLoggingCategory& lcFactory();  // corvane.factory: control types, creation, attributes
CVNQ_EXPORT const QLoggingCategory& lcTheme();    // corvane.theme: theme packages, entries and images
CVNQ_EXPORT const QLoggingCategory& lcStyle();    // corvane.style: style.json and style names
CVNQ_EXPORT const QLoggingCategory& lcZip();      // corvane.zip: archives and their entries
CVNQ_EXPORT const QLoggingCategory& lcLanguage(); // corvane.language: language files and keys
CVNQ_EXPORT const QLoggingCategory& lcPage();     // corvane.page: page and menu files
CVNQ_EXPORT const QLoggingCategory& lcRibbon();   // corvane.ribbon: ribbon configurations

// True the first time kind and name come together, false ever after.
// Lookups that run again at every read, theme refresh or paint report a
// miss (an unknown style, image or theme entry, an attribute of the wrong
// type) once per name, not at every call.
CVNQ_EXPORT bool cvnFirstMiss(const char* kind, const QString& name);

} // namespace CVNQtLib
