#include "CVNQRibbonWords.h"

namespace CVNQtLib {

namespace {

// Index of word in words ignoring case; fallback for any other word.
int indexOfWord(const QString& word, const char* const* words, int count, int fallback)
{
    for (int i = 0; i < count; ++i)
        if (word.compare(QLatin1String(words[i]), Qt::CaseInsensitive) == 0)
            return i;
    return fallback;
}

const char* const kLayoutWords[] = {"office", "compact"};
const char* const kSizeWords[] = {"large", "medium", "small"};
const char* const kPopupWords[] = {"none", "instant", "split"};

template <int N>
QString wordAt(const char* const (&words)[N], int index)
{
    return QLatin1String(words[index >= 0 && index < N ? index : 0]);
}

} // namespace

CVN_RIBBON_LAYOUT_MODE ribbonLayoutModeFromWord(const QString& word)
{
    return CVN_RIBBON_LAYOUT_MODE(indexOfWord(word, kLayoutWords, 2, 0));
}

CVN_RIBBON_ITEM_SIZE ribbonItemSizeFromWord(const QString& word)
{
    return CVN_RIBBON_ITEM_SIZE(indexOfWord(word, kSizeWords, 3, 0));
}

CVN_RIBBON_POPUP_MODE ribbonPopupModeFromWord(const QString& word)
{
    return CVN_RIBBON_POPUP_MODE(indexOfWord(word, kPopupWords, 3, 0));
}

QString ribbonLayoutModeWord(CVN_RIBBON_LAYOUT_MODE mode)
{
    return wordAt(kLayoutWords, mode);
}

QString ribbonItemSizeWord(CVN_RIBBON_ITEM_SIZE size)
{
    return wordAt(kSizeWords, size);
}

QString ribbonPopupModeWord(CVN_RIBBON_POPUP_MODE mode)
{
    return wordAt(kPopupWords, mode);
}

} // namespace CVNQtLib
