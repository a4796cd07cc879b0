#include "CVNQLogging.h"

#include <QMutex>
#include <QSet>

namespace CVNQtLib {

Q_LOGGING_CATEGORY(lcFactory, "corvane.factory")
Q_LOGGING_CATEGORY(lcTheme, "corvane.theme")
Q_LOGGING_CATEGORY(lcStyle, "corvane.style")
Q_LOGGING_CATEGORY(lcZip, "corvane.zip")
Q_LOGGING_CATEGORY(lcLanguage, "corvane.language")
Q_LOGGING_CATEGORY(lcPage, "corvane.page")
Q_LOGGING_CATEGORY(lcRibbon, "corvane.ribbon")

bool cvnFirstMiss(const char* kind, const QString& name)
{
    static QMutex mutex;
    static QSet<QString> missed;
    const QString key = QLatin1String(kind) + QLatin1Char('\0') + name;
    QMutexLocker lock(&mutex);
    if (missed.contains(key))
        return false;
    missed.insert(key);
    return true;
}

} // namespace CVNQtLib
