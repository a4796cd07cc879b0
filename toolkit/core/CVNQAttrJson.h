#pragma once

// Helpers for a control's own keys in its JSON "attr" object, shared by the
// controls that read and write such keys (buttons, check and radio boxes,
// labels, pictures, ...).
//
// The common implementation routine keeps every "attr" member it ever read
// (also those of theme entries) and writes them all back. A control's own
// keys must reflect its current state instead, so a writer first drops its
// own keys from the written object (cvnOwnAttr) and then writes each under
// its rule; a key whose value went back to the default is then absent.

#include "CVNJsonFwd.h"
#include "CVNQGlobal.h"
#include "CVNQTypes.h"

#include <initializer_list>

namespace CVNQtLib {

// node's "attr" when it is an object, else null: a control reads nothing
// from an absent or null "attr" (the lenient member test would otherwise
// read every key of a null object as 0, false or "").
CVNQ_EXPORT const Json::Value* cvnAttrObject(const Json::Value& node);

// True while a theme entry whose "attr" is no object is read: such an entry
// restyles only, and the page's own keys stay (a page node without "attr"
// still reads each of them as empty or 0).
CVNQ_EXPORT bool cvnThemeEntryWithoutAttr(const Json::Value& node);

// node's "attr" for writing (created when absent) with ownKeys removed.
CVNQ_EXPORT Json::Value& cvnOwnAttr(Json::Value& node, std::initializer_list<const char*> ownKeys);

// Sets node["attr"][key] = value when write is true, else removes the key
// (for writers that decide key by key instead of dropping a list first).
CVNQ_EXPORT void cvnWriteOwnAttr(Json::Value& node, const char* key, bool write, const Json::Value& value);

// Removes node's "attr" when it ended up an empty object.
CVNQ_EXPORT void cvnDropEmptyAttr(Json::Value& node);
// Sets node's "attr" to JSON null when it ended up an empty object or is
// absent, for writers whose node always carries the key (cvnAttrObject
// reads a null "attr" as absent).
CVNQ_EXPORT void cvnNullEmptyAttr(Json::Value& node);

// Flags are written as the JSON integers 0 and 1; readers take booleans
// and integers alike (jsonRead).
CVNQ_EXPORT void cvnWriteFlag(Json::Value& attr, const char* key, bool value);

// Icon placement keys: "iconX", "iconY", "iconHor", "iconVer" and, with
// withColor, "iconUseColor" and "iconColor" (colour text, read opaque).
// Each key only when present and of a usable type.
CVNQ_EXPORT void cvnReadIconPlacement(const Json::Value& attr, IconStyleDesc& icon, bool withColor);
// Drops the same keys from attr (a control without withColor leaves
// "iconUseColor" and "iconColor" to the common attributes, as any other key
// it does not own), then writes each whose value differs from reference
// (the control's own rule for what counts as default).
CVNQ_EXPORT void cvnWriteIconPlacement(Json::Value& attr, const IconStyleDesc& icon, const IconStyleDesc& reference,
                                       bool withColor);

} // namespace CVNQtLib
