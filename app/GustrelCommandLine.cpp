#include "GustrelCommandLine.h"

#include <algorithm>

QSize parseSizeOption(const QString& value, const QSize& previous)
{
    const QStringList parts = value.toLower().split(QLatin1Char('x'), Qt::KeepEmptyParts);
    if (parts.size() != 2)
        return previous;
    // toInt answers 0 for anything that is not a decimal number.
    return QSize(parts[0].toInt(nullptr, 10), parts[1].toInt(nullptr, 10));
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
