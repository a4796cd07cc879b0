// Skin translations: the second translation source beside the language
// manager, read from a skin's "language.txt".

#include "CVNQResourceManager.h"
#include "LanguageManager.h"

#include <QObject>

namespace CVNQtLib {

void CVNQResourceManager::connectLanguageManager()
{
    // The manager is not a QObject; the language manager itself is the
    // context object, and both live until exit.
    LanguageManager* lm = LanguageManager::instance();
    QObject::connect(lm, &LanguageManager::languageChanged, lm,
                     [](const QString&) { CVNQResourceManager::getInstance()->notifyLanguageToWindows(); });
}

QString CVNQResourceManager::getString(const QString& key) const
{
    LanguageManager* lm = LanguageManager::instance();
    if (lm->contains(key, QString()))
        return lm->text(key, QString());
    if (!m_currentSkinLanguage.isEmpty()) {
        auto lang = m_skinLanguages.constFind(m_currentSkinLanguage);
        if (lang != m_skinLanguages.constEnd()) {
            auto it = lang->constFind(key);
            if (it != lang->constEnd())
                return it.value();
        }
    }
    return QString();
}

bool CVNQResourceManager::setCurrentLanguage(const QString& language)
{
    LanguageManager* lm = LanguageManager::instance();
    if (!lm->languages().isEmpty())
        return lm->setLanguage(language);
    if (!m_skinLanguages.contains(language))
        return false;
    m_currentSkinLanguage = language;
    notifyLanguageToWindows();
    return true;
}

QString CVNQResourceManager::getCurrentLanguage() const
{
    LanguageManager* lm = LanguageManager::instance();
    if (lm->languages().isEmpty())
        return m_currentSkinLanguage;
    return lm->currentLanguage();
}

QStringList CVNQResourceManager::getLanguageList() const
{
    const QStringList json = LanguageManager::instance()->languages();
    if (!json.isEmpty())
        return json;
    return m_skinLanguages.keys();
}

bool CVNQResourceManager::readLanguage(const QByteArray& bytes)
{
    // UTF-16 little-endian without a byte-order mark; an odd last byte is
    // not a code unit.
    const int units = bytes.size() / 2;
    QString text;
    text.reserve(units);
    const uchar* p = reinterpret_cast<const uchar*>(bytes.constData());
    for (int i = 0; i < units; ++i)
        text.append(QChar(ushort(p[2 * i] | (p[2 * i + 1] << 8))));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.size() < 2)
        return false;
    const QStringList header = lines.first().split(QLatin1Char('\t'));
    if (header.size() < 2 || header.first() != QLatin1String("Language"))
        return false;
    QStringList columns;
    for (int j = 1; j < header.size(); ++j) {
        m_skinLanguages[header.at(j)].clear();
        columns.append(header.at(j));
    }
    if (m_currentSkinLanguage.isEmpty() && !columns.isEmpty())
        m_currentSkinLanguage = columns.first();
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines.at(i).split(QLatin1Char('\t'));
        if (fields.size() < 2)
            continue;
        for (int j = 0; j < columns.size() && j + 1 < fields.size(); ++j)
            m_skinLanguages[columns.at(j)].insert(fields.first(), fields.at(j + 1));
    }
    return true;
}

} // namespace CVNQtLib
