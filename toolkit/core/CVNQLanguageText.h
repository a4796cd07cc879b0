#pragma once

// Texts that name a language key. A text read from a control's JSON that
// begins with "|->" is not shown as is: the rest is a key, the control
// keeps the key and shows its translation, and shows the new translation
// after a language change. Shared by every control with such texts.

#include "CVNQGlobal.h"

#include <QString>
#include <functional>

namespace CVNQtLib {

// The prefix that marks a language key: "|->".
CVNQ_EXPORT extern const char* const kLanguageKeyPrefix;

// True when text begins with the prefix.
CVNQ_EXPORT bool cvnIsLanguageKeyText(const QString& text);

// The text a control shows for a text read from JSON. When text names a
// key, key receives it and the result is its translation (the resource
// manager's getString: language file first, then the skin table; empty
// when neither knows it); with resolveTwice a translation that again names
// a key is replaced once more by that key's translation (key is not changed
// by that second step). A text without the prefix is returned unchanged and
// key is left as it was.
CVNQ_EXPORT QString cvnResolveLanguageText(const QString& text, QString& key, bool resolveTwice = false);

// The translation of a stored key (the resource manager's getString).
CVNQ_EXPORT QString cvnTranslateKey(const QString& key);

// A control's language hook. keyText is the text the key last gave (the
// JSON reader records it). While the control still shows that text, apply
// receives the key's new translation, which keyText records; a text set
// another way since (by code) is the user's and stays: the key is dropped.
CVNQ_EXPORT void cvnRetranslate(QString& key, QString& keyText, const QString& current,
                                const std::function<void(const QString&)>& apply);

} // namespace CVNQtLib
