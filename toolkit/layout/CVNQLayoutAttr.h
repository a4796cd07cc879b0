#pragma once

// Writing a control's own "attr" keys. The shared implementation routine has
// already copied every attribute it ever read into "attr", so a key whose
// value is back at its default must be taken out again; otherwise the stale
// value would return on the next read.

#include "CVNJson.h"

#include <json/json.h>

namespace CVNQtLib {

// Sets node["attr"][key] = value when write is true, else removes the key.
inline void cvnWriteOwnAttr(Json::Value& node, const char* key, bool write, const Json::Value& value)
{
    if (write) {
        jsonMember(jsonMember(node, "attr"), key) = value;
        return;
    }
    if (node.isObject() && node.isMember("attr") && node["attr"].isObject())
        node["attr"].removeMember(key);
}

// Removes an "attr" object that ended up empty.
inline void cvnDropEmptyAttr(Json::Value& node)
{
    if (node.isObject() && node.isMember("attr") && node["attr"].isObject() && node["attr"].empty())
        node.removeMember("attr");
}

} // namespace CVNQtLib
