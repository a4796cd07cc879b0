#include "CVNQLanguageText.h"

#include "CVNQResourceManager.h"

namespace CVNQtLib {

const char* const kLanguageKeyPrefix = "|->";

bool cvnIsLanguageKeyText(const QString& text)
{
    return text.startsWith(QLatin1String(kLanguageKeyPrefix));
}

QString cvnTranslateKey(const QString& key)
{
    return CVNQResourceManager::getInstance()->getString(key);
}

void cvnRetranslate(QString& key, QString& keyText, const QString& current,
                    const std::function<void(const QString&)>& apply)
{
    if (key.isEmpty())
        return;
    if (current != keyText) {
        key.clear();
        return;
    }
    keyText = cvnTranslateKey(key);
    apply(keyText);
}

QString cvnResolveLanguageText(const QString& text, QString& key, bool resolveTwice)
{
    if (!cvnIsLanguageKeyText(text))
        return text;
    const int prefixLength = int(qstrlen(kLanguageKeyPrefix));
    key = text.mid(prefixLength);
    QString shown = cvnTranslateKey(key);
    if (resolveTwice && cvnIsLanguageKeyText(shown))
        shown = cvnTranslateKey(shown.mid(prefixLength));
    return shown;
}

} // namespace CVNQtLib
