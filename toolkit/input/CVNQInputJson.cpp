#include "CVNQInputJson.h"

namespace CVNQtLib {

Json::Value cvnTakeAttr(Json::Value& node, std::initializer_list<const char*> ownKeys)
{
    Json::Value attr(Json::objectValue);
    if (!node.isObject())
        return attr;
    const Json::Value& written = jsonGet(node, "attr");
    if (written.isObject())
        attr = written;
    node.removeMember("attr");
    for (const char* key : ownKeys)
        attr.removeMember(key);
    return attr;
}

void cvnPutAttr(Json::Value& node, const Json::Value& attr, bool nullWhenEmpty)
{
    if (attr.isObject() && !attr.empty())
        jsonMember(node, "attr") = attr;
    else if (nullWhenEmpty)
        jsonMember(node, "attr") = Json::Value();
}

void cvnWriteStyleList(Json::Value& node, const Json::Value& list)
{
    jsonMember(node, "style") = (list.isArray() && list.size() > 0) ? list : Json::Value();
}

} // namespace CVNQtLib
