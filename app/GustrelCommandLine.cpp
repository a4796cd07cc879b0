#include "GustrelCommandLine.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace {

// A decimal number as QString::toInt reads one, but one too long for an int
// is taken at the end of the range it lies beyond rather than as 0: the
// window bounds then clamp it like any other too large side. Anything that
// is no number counts as 0.
int saturatedDecimal(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (ok)
        return value;
    static const QRegularExpression digits(QStringLiteral("^\\s*([+-]?)[0-9]+\\s*$"));
    const QRegularExpressionMatch match = digits.match(text);
    if (!match.hasMatch())
        return 0;
    return match.captured(1) == QLatin1String("-") ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
}

} // namespace

QSize parseSizeOption(const QString& value, const QSize& previous)
{
    const QStringList parts = value.toLower().split(QLatin1Char('x'), Qt::KeepEmptyParts);
    if (parts.size() != 2)
        return previous;
    return QSize(saturatedDecimal(parts[0]), saturatedDecimal(parts[1]));
}

QSize expandedWindowSize(const QSize& requested, const QSize& minimum)
{
    const int w = std::max(requested.width(), minimum.width());
    const int h = std::max(requested.height(), minimum.height());
    return QSize(std::min(w, kGustrelMaxWindowSide), std::min(h, kGustrelMaxWindowSide));
}

GustrelOptions parseGustrelOptions(const QStringList& arguments)
{
    GustrelOptions options;
    const int n = arguments.size();
    for (int i = 0; i < n; ++i) {
        const QString& arg = arguments[i];
        const bool hasValue = i + 1 < n;
        if (arg == QLatin1String("--screenshot")) {
            if (hasValue)
                options.screenshotPath = arguments[++i];
        } else if (arg == QLatin1String("--size")) {
            if (hasValue)
                options.size = parseSizeOption(arguments[++i], options.size);
        } else if (arg == QLatin1String("--page")) {
            if (hasValue)
                options.page = arguments[++i].compare(QLatin1String("turbines"), Qt::CaseInsensitive) == 0
                                   ? PageTurbines
                                   : PageOverview;
        } else if (arg == QLatin1String("--drawer")) {
            options.drawer = true;
        } else if (arg == QLatin1String("--zh")) {
            options.chinese = true;
        }
    }
    return options;
}
