#include "CVNQLogging.h"

namespace CVNQtLib {

Q_LOGGING_CATEGORY(lcFactory, "corvane.factory")
Q_LOGGING_CATEGORY(lcTheme, "corvane.theme")
Q_LOGGING_CATEGORY(lcStyle, "corvane.style")
Q_LOGGING_CATEGORY(lcZip, "corvane.zip")
Q_LOGGING_CATEGORY(lcLanguage, "corvane.language")
Q_LOGGING_CATEGORY(lcPage, "corvane.page")
Q_LOGGING_CATEGORY(lcRibbon, "corvane.ribbon")

} // namespace CVNQtLib
