#pragma once

// Process-wide translation table loaded from a JSON language file:
// {"defaultLanguage": "en", "languages": {"en": {"key": "text"}, ...}}.
// Texts come from the current language, falling back to the default one.

#include "CVNQGlobal.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

namespace CVNQtLib {

class CVNQ_EXPORT LanguageManager : public QObject
{
    Q_OBJECT
public:
    static LanguageManager* instance();

    // Loads a language file; on failure nothing changes and error (when
    // given) receives the reason.
    bool loadFromFile(const QString& path, QString* error = nullptr);
    bool loadFromJson(const QByteArray& json, QString* error = nullptr);

    // False when the language is not loaded.
    bool setLanguage(const QString& language);
    QString currentLanguage() const;
    QString defaultLanguage() const;
    // Loaded language names, sorted case-insensitively.
    QStringList languages() const;

    // Whether key has a text in language (empty: the current language,
    // falling back to the default language).
    bool contains(const QString& key, const QString& language = QString()) const;
    // The text of key; when missing, fallback when it is not a null string,
    // else the key itself (warned about once per language and key).
    QString text(const QString& key, const QString& fallback = QString());

Q_SIGNALS:
    void languageChanged(const QString& language);

private:
    LanguageManager() = default;
    QString lookup(const QString& language, const QString& key) const;

    QHash<QString, QHash<QString, QString>> m_languages;
    QString m_defaultLanguage;
    QString m_currentLanguage;
    QSet<QString> m_warnedKeys; // "language:key"
};

} // namespace CVNQtLib
