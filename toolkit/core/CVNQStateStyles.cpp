#include "CVNQStateStyles.h"

#include "CVNQLogging.h"
#include "CVNQResourceManager.h"

namespace CVNQtLib {

bool cvnLookupStyle(const QString& name, FillStyle& out)
{
    if (CVNQResourceManager::getInstance()->getFillStyle(name, out))
        return true;
    if (cvnFirstMiss("fill style", name))
        qCWarning(lcStyle) << "no package has the fill style" << name;
    return false;
}

bool cvnLookupStyle(const QString& name, TextStyleDesc& out)
{
    if (CVNQResourceManager::getInstance()->getTextStyle(name, out))
        return true;
    if (cvnFirstMiss("text style", name))
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
