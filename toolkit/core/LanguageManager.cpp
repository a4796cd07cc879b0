#include "LanguageManager.h"

#include "CVNQLogging.h"

#include <QDebug>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>

namespace CVNQtLib {

namespace {

bool failWith(QString* error, const QString& message)
{
    qCWarning(lcLanguage).noquote() << message;
    if (error)
        *error = message;
    return false;
}

} // namespace

LanguageManager* LanguageManager::instance()
{
    static LanguageManager manager;
    return &manager;
}

bool LanguageManager::loadFromFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failWith(error, tr("Unable to open language file '%1': %2").arg(path, file.errorString()));
    return loadFromJson(file.readAll(), error);
}

bool LanguageManager::loadFromJson(const QByteArray& json, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        const QString reason = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                            : tr("the document is not an object");
        if (parseError.error != QJsonParseError::NoError)
            qCWarning(lcLanguage) << "language JSON does not parse at offset" << parseError.offset;
        return failWith(error, tr("Invalid language JSON: %1").arg(reason));
    }
    const QJsonObject root = doc.object();
    // A non-string value reads as empty and so counts as missing.
    const QString defaultLanguage = root.value(QStringLiteral("defaultLanguage")).toString();
    const QJsonValue languagesValue = root.value(QStringLiteral("languages"));
    if (defaultLanguage.isEmpty() || !languagesValue.isObject())
        return failWith(error, tr("Language JSON requires defaultLanguage and a languages object."));

    QHash<QString, QHash<QString, QString>> languages;
    const QJsonObject languagesObject = languagesValue.toObject();
    for (auto it = languagesObject.constBegin(); it != languagesObject.constEnd(); ++it) {
        const QString name = it.key();
        if (!it.value().isObject() || it.value().toObject().isEmpty())
            return failWith(error, tr("Language '%1' must contain at least one translation.").arg(name));
        const QJsonObject texts = it.value().toObject();
        QHash<QString, QString> table;
        table.reserve(texts.size());
        for (auto t = texts.constBegin(); t != texts.constEnd(); ++t) {
            if (!t.value().isString())
                return failWith(error, tr("Translation '%1' in language '%2' must be a string.").arg(t.key(), name));
            table.insert(t.key(), t.value().toString());
        }
        languages.insert(name, table);
    }
    if (!languages.contains(defaultLanguage))
        return failWith(error, tr("Default language '%1' does not exist in languages.").arg(defaultLanguage));

    const QString current = languages.contains(m_currentLanguage) ? m_currentLanguage : defaultLanguage;
    m_languages = languages;
    m_defaultLanguage = defaultLanguage;
    m_currentLanguage = current;
    m_warnedKeys.clear();
    emit languageChanged(m_currentLanguage);
    return true;
}

bool LanguageManager::setLanguage(const QString& language)
{
    if (!m_languages.contains(language))
        return false;
    if (language == m_currentLanguage)
        return true;
    m_currentLanguage = language;
    m_warnedKeys.clear();
    emit languageChanged(language);
    return true;
}

QString LanguageManager::currentLanguage() const
{
    return m_currentLanguage;
}

QString LanguageManager::defaultLanguage() const
{
    return m_defaultLanguage;
}

QStringList LanguageManager::languages() const
{
    QStringList names = m_languages.keys();
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    return names;
}

bool LanguageManager::contains(const QString& key, const QString& language) const
{
    const QString searched = language.isEmpty() ? m_currentLanguage : language;
    auto it = m_languages.constFind(searched);
    if (it != m_languages.constEnd() && it->contains(key))
        return true;
    if (language.isEmpty() && m_currentLanguage != m_defaultLanguage) {
        auto def = m_languages.constFind(m_defaultLanguage);
        return def != m_languages.constEnd() && def->contains(key);
    }
    return false;
}

QString LanguageManager::text(const QString& key, const QString& fallback)
{
    QString found = lookup(m_currentLanguage, key);
    if (found.isNull() && m_currentLanguage != m_defaultLanguage)
        found = lookup(m_defaultLanguage, key);
    if (!found.isNull())
        return found;
    if (!fallback.isNull())
        return fallback;
    const QString entry = m_currentLanguage + QLatin1Char(':') + key;
    if (!m_warnedKeys.contains(entry)) {
        m_warnedKeys.insert(entry);
        qCWarning(lcLanguage) << "Missing translation key" << key << "for language" << m_currentLanguage;
    }
    return key;
}

QString LanguageManager::lookup(const QString& language, const QString& key) const
{
    auto it = m_languages.constFind(language);
    if (it == m_languages.constEnd())
        return QString();
    auto t = it->constFind(key);
    if (t == it->constEnd())
        return QString();
    // An empty translation is still a translation.
    return t->isNull() ? QString(QLatin1String("")) : *t;
}

} // namespace CVNQtLib

#include "moc_LanguageManager.cpp"
