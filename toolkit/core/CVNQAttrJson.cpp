#include "CVNQAttrJson.h"

#include "CVNJson.h"
#include "CVNQResourceManager.h"
#include "CVNQStyleDefs.h"
#include "CVNQWidgetBaseImpl.h"

namespace CVNQtLib {

const Json::Value* cvnAttrObject(const Json::Value& node)
{
    const Json::Value& attr = jsonGet(node, "attr");
    return attr.isObject() ? &attr : nullptr;
}

bool cvnThemeEntryWithoutAttr(const Json::Value& node)
{
    return CVNQResourceManager::getInstance()->isLoadFromThemeRes() && !cvnAttrObject(node);
}

Json::Value& cvnOwnAttr(Json::Value& node, std::initializer_list<const char*> ownKeys)
{
    Json::Value& attr = jsonMember(node, "attr");
    if (attr.isNull())
        attr = Json::Value(Json::objectValue);
    if (attr.isObject()) {
        for (const char* key : ownKeys)
            attr.removeMember(key);
    }
    return attr;
}

void cvnDropEmptyAttr(Json::Value& node)
{
    if (node.isObject() && node.isMember("attr")) {
        const Json::Value& attr = node["attr"];
        if (attr.isObject() && attr.empty())
            node.removeMember("attr");
    }
}

void cvnNullEmptyAttr(Json::Value& node)
{
    if (!node.isObject() && !node.isNull())
        return;
    const Json::Value& attr = jsonGet(node, "attr");
    if (attr.isNull() || (attr.isObject() && attr.empty()))
        jsonMember(node, "attr") = Json::Value();
}

void cvnWriteFlag(Json::Value& attr, const char* key, bool value)
{
    jsonMember(attr, key) = value ? 1 : 0;
}

void cvnReadIconPlacement(const Json::Value& attr, IconStyleDesc& icon, bool withColor)
{
    jsonRead(attr, "iconHor", icon.hor);
    jsonRead(attr, "iconVer", icon.ver);
    jsonRead(attr, "iconX", icon.x);
    jsonRead(attr, "iconY", icon.y);
    if (!withColor)
        return;
    jsonRead(attr, "iconUseColor", icon.useColor);
    std::string color;
    if (jsonRead(attr, "iconColor", color))
        icon.color = cvnColorFromText(color, true); // the alpha the writer wrote
}

void cvnWriteIconPlacement(Json::Value& attr, const IconStyleDesc& icon, const IconStyleDesc& reference, bool withColor)
{
    if (attr.isObject()) {
        for (const char* key : {"iconX", "iconY", "iconHor", "iconVer"})
            attr.removeMember(key);
        if (withColor) {
            attr.removeMember("iconUseColor");
            attr.removeMember("iconColor");
        }
    }
    if (icon.hor != reference.hor)
        jsonMember(attr, "iconHor") = icon.hor;
    if (icon.ver != reference.ver)
        jsonMember(attr, "iconVer") = icon.ver;
    if (icon.x != reference.x)
        jsonMember(attr, "iconX") = icon.x;
    if (icon.y != reference.y)
        jsonMember(attr, "iconY") = icon.y;
    if (!withColor)
        return;
    if (icon.useColor != reference.useColor)
        cvnWriteFlag(attr, "iconUseColor", icon.useColor);
    const std::string color = cvnColorToText(icon.color);
    if (color != cvnColorToText(reference.color))
        jsonMember(attr, "iconColor") = color;
}

void cvnWriteOwnAttr(Json::Value& node, const char* key, bool write, const Json::Value& value)
{
    if (write) {
        jsonMember(jsonMember(node, "attr"), key) = value;
        return;
    }
    if (node.isObject() && node.isMember("attr") && node["attr"].isObject())
        node["attr"].removeMember(key);
}

} // namespace CVNQtLib
