#pragma once

// JSON helpers shared by the input controls' routines.

#include "CVNJson.h"

#include <initializer_list>

namespace CVNQtLib {

// Takes the node's "attr" object out of the node for a control's writer,
// after the common routine has written the free-form attributes read
// earlier into it: the control's own keys are dropped, since a stored copy
// of one would otherwise be written back after its value went back to the
// default (writers leave defaults out). Always returns an object.
Json::Value cvnTakeAttr(Json::Value& node, std::initializer_list<const char*> ownKeys);
// Puts attr back as the node's "attr": when it has no keys, as JSON null
// (nullWhenEmpty) or not at all.
void cvnPutAttr(Json::Value& node, const Json::Value& attr, bool nullWhenEmpty);

// Sets "style" to list, or to null when the list has no entries.
void cvnWriteStyleList(Json::Value& node, const Json::Value& list);

} // namespace CVNQtLib
