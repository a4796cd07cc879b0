#pragma once

// The one safe accessor layer over JsonCpp. JsonCpp throws Json::LogicError
// on type mismatches (asInt on a string, operator[] on an array), so every
// toolkit reader goes through these functions: a value of the wrong type is
// treated as absent, and nothing here ever throws.

#include "CVNQGlobal.h"

#include <QByteArray>
#include <QString>
#include <json/json.h>
#include <string>

namespace CVNQtLib {

// True when the value is JSON null (without any lookup), otherwise true
// exactly when the value is an object that has the key. Readers rely on the
// null case: the keys of an absent sub-object read as 0, false or "".
CVNQ_EXPORT bool jsonHasMember(const Json::Value& v, const char* key);

// The member, or a shared null value when v is not an object or lacks it.
CVNQ_EXPORT const Json::Value& jsonGet(const Json::Value& v, const char* key);
// The element, or a shared null value when v is not an array or too short.
CVNQ_EXPORT const Json::Value& jsonAt(const Json::Value& v, int index);
// out[i] = the element i (jsonAt's result) for i below count, in one walk.
CVNQ_EXPORT void jsonFirstElements(const Json::Value& v, const Json::Value** out, int count);
// Size of an array, 0 for anything else.
CVNQ_EXPORT int jsonSize(const Json::Value& v);

// Conversions of one value; a value of another type yields def.
// Numbers convert between int, unsigned, real and bool; out-of-range reals clamp.
CVNQ_EXPORT bool jsonIsNumber(const Json::Value& v);
CVNQ_EXPORT int jsonToInt(const Json::Value& v, int def = 0);
CVNQ_EXPORT unsigned int jsonToUInt(const Json::Value& v, unsigned int def = 0);
CVNQ_EXPORT double jsonToDouble(const Json::Value& v, double def = 0.0);
CVNQ_EXPORT bool jsonToBool(const Json::Value& v, bool def = false);
CVNQ_EXPORT std::string jsonToStdString(const Json::Value& v, const std::string& def = std::string());
CVNQ_EXPORT QString jsonToQString(const Json::Value& v, const QString& def = QString());

// The members of one node for a fixed list of keys, found in a single walk
// over the node instead of one lookup per key. read(i, out) gives what
// jsonRead(node, keys[i], out) gives, has(i) and get(i) what jsonHasMember and
// jsonGet give. The node and the keys must outlive the object.
class CVNQ_EXPORT CVNJsonMembers
{
public:
    static constexpr int kMaxKeys = 24;
    CVNJsonMembers(const Json::Value& node, const char* const* keys, int count);

    bool has(int i) const;
    const Json::Value& get(int i) const;
    bool read(int i, int& out) const;
    bool read(int i, bool& out) const;
    bool read(int i, QString& out) const;

private:
    const Json::Value* found(int i) const;
    const char* key(int i) const;

    const char* const* m_keys = nullptr;
    const Json::Value* m_found[kMaxKeys] = {};
    bool m_null = false;
};

// Keyed reads with a default.
inline int jsonInt(const Json::Value& o, const char* key, int def = 0)
{
    return jsonToInt(jsonGet(o, key), def);
}
inline unsigned int jsonUInt(const Json::Value& o, const char* key, unsigned int def = 0)
{
    return jsonToUInt(jsonGet(o, key), def);
}
inline double jsonDouble(const Json::Value& o, const char* key, double def = 0.0)
{
    return jsonToDouble(jsonGet(o, key), def);
}
inline bool jsonBool(const Json::Value& o, const char* key, bool def = false)
{
    return jsonToBool(jsonGet(o, key), def);
}
inline QString jsonString(const Json::Value& o, const char* key, const QString& def = QString())
{
    return jsonToQString(jsonGet(o, key), def);
}
inline std::string jsonStdString(const Json::Value& o, const char* key, const std::string& def = std::string())
{
    return jsonToStdString(jsonGet(o, key), def);
}

// The guarded read every control routine uses: "if the node has the key,
// take its value". Keeps jsonHasMember's lenience (a null node assigns
// 0 / false / ""), but a member of the wrong type leaves out unchanged.
// Returns true when out was assigned.
CVNQ_EXPORT bool jsonRead(const Json::Value& o, const char* key, int& out);
CVNQ_EXPORT bool jsonRead(const Json::Value& o, const char* key, unsigned int& out);
CVNQ_EXPORT bool jsonRead(const Json::Value& o, const char* key, double& out);
CVNQ_EXPORT bool jsonRead(const Json::Value& o, const char* key, bool& out);
CVNQ_EXPORT bool jsonRead(const Json::Value& o, const char* key, QString& out);
CVNQ_EXPORT bool jsonRead(const Json::Value& o, const char* key, std::string& out);

// While one that reports lives on the thread, a guarded read (jsonRead,
// CVNJsonMembers::read) that meets a member of the wrong type, not null,
// says so under corvane.factory, once per key name. The control JSON routine
// opens one, so a control's attributes speak and other readers stay quiet.
class CVNQ_EXPORT CVNJsonWrongTypeScope
{
public:
    explicit CVNJsonWrongTypeScope(bool report);
    ~CVNJsonWrongTypeScope();
    CVNJsonWrongTypeScope(const CVNJsonWrongTypeScope&) = delete;
    CVNJsonWrongTypeScope& operator=(const CVNJsonWrongTypeScope&) = delete;

private:
    bool m_saved;
};

// Writable member of a node; turns a null node into an object first and
// returns a scratch value when the node is some other type, so writers
// never throw either.
CVNQ_EXPORT Json::Value& jsonMember(Json::Value& node, const char* key);
// Appends to an array node (a null node becomes an array); returns the new
// element, or a scratch value when node is not an array.
CVNQ_EXPORT Json::Value& jsonAppend(Json::Value& node, const Json::Value& element);

// Parses text (comments allowed); false and a null out on any error.
CVNQ_EXPORT bool jsonParse(const std::string& text, Json::Value& out, QString* error = nullptr);
CVNQ_EXPORT bool jsonParse(const QByteArray& text, Json::Value& out, QString* error = nullptr);
// Text of a value in JsonCpp's styled form.
CVNQ_EXPORT std::string jsonStyled(const Json::Value& v);
// How deep jsonParse reads: a value inside this many levels of arrays and
// objects (the root and each scalar counting as one) parses; a deeper one
// is refused.
constexpr int kJsonReadDepth = 1000;
// Whether text written from v reads back: no value lies deeper than
// kJsonReadDepth.
CVNQ_EXPORT bool jsonReadable(const Json::Value& v);

// UTF-8 conversions used for every text key.
inline QString jsonQString(const std::string& s)
{
    return QString::fromUtf8(s.data(), int(s.size()));
}
inline std::string jsonUtf8(const QString& s)
{
    return s.toUtf8().toStdString();
}

} // namespace CVNQtLib
