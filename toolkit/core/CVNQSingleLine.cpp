#include "CVNQSingleLine.h"

#include <algorithm>

namespace CVNQtLib {

namespace {

bool breaksLine(QChar c)
{
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// Explicit direction embeddings, overrides and isolates: one left open
// turns round whatever is drawn after the text on its line.
bool steersDirection(QChar c)
{
    return (c.unicode() >= 0x202A && c.unicode() <= 0x202E) || (c.unicode() >= 0x2066 && c.unicode() <= 0x2069);
}

} // namespace

bool cvnIsSingleLine(const QString& text)
{
    return std::none_of(text.begin(), text.end(), breaksLine);
}

QString cvnSingleLine(const QString& text)
{
    if (cvnIsSingleLine(text))
        return text;
    QString line;
    line.reserve(text.size());
    bool inBreak = false;
    for (const QChar c : text) {
        const bool breaking = breaksLine(c);
        if (!breaking)
            line += c;
        else if (!inBreak)
            line += QLatin1Char(' ');
        inBreak = breaking;
    }
    return line;
}

QString cvnShownOnOneLine(const QString& text)
{
    if (std::none_of(text.begin(), text.end(), steersDirection))
        return cvnSingleLine(text);
    // An isolate ends every direction change begun inside it (its own end
    // mark kept out of the text), so an override never reverses what is
    // drawn after it.
    return QChar(0x2068) + cvnSingleLine(text).remove(QChar(0x2069)) + QChar(0x2069);
}

} // namespace CVNQtLib
