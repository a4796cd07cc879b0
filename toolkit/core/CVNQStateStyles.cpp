#include "CVNQStateStyles.h"

#include "CVNQLogging.h"
#include "CVNQResourceManager.h"

#include <QSet>

namespace CVNQtLib {

namespace {

// Controls look their style names up again at every read and theme refresh;
// an unknown name is worth one message, not one per lookup.
bool firstMiss(const QString& name, bool textStyle)
{
    static QSet<QString> missedFill;
    static QSet<QString> missedText;
    QSet<QString>& missed = textStyle ? missedText : missedFill;
    if (missed.contains(name))
        return false;
    missed.insert(name);
    return true;
}

} // namespace

bool cvnLookupStyle(const QString& name, FillStyle& out)
{
    if (CVNQResourceManager::getInstance()->getFillStyle(name, out))
        return true;
    if (firstMiss(name, false))
        qCWarning(lcStyle) << "no package has the fill style" << name;
    return false;
}

bool cvnLookupStyle(const QString& name, TextStyleDesc& out)
{
    if (CVNQResourceManager::getInstance()->getTextStyle(name, out))
        return true;
    if (firstMiss(name, true))
        qCWarning(lcStyle) << "no package has the text style" << name;
    return false;
}

bool cvnStyleAlike(const FillStyle& a, const FillStyle& b)
{
    return fillStyleLooksEqual(a, b);
}

bool cvnStyleAlike(const TextStyleDesc& a, const TextStyleDesc& b)
{
    return a.name == b.name;
}

void cvnAppendStyleEntry(Json::Value& list, const QString& name, bool isTextStyle, int index)
{
    Json::Value entry(Json::arrayValue);
    entry.append(jsonUtf8(name));
    entry.append(isTextStyle ? StyleKindText : StyleKindFill);
    entry.append(index);
    jsonAppend(list, entry);
}

void cvnSetStyleList(Json::Value& node, const Json::Value& list)
{
    if (list.isArray() && list.size() > 0)
        jsonMember(node, "style") = list;
}

} // namespace CVNQtLib
