#include "CVNJson.h"

#include "CVNQLogging.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace CVNQtLib {

namespace {
const Json::Value& nullValue()
{
    static const Json::Value v;
    return v;
}

// Readers of an absent/mistyped member must still be handed something they
// can write into without touching the caller's tree.
Json::Value& scratch()
{
    static Json::Value v;
    v = Json::Value();
    return v;
}

template <typename T>
T clampReal(double d)
{
    if (std::isnan(d))
        return T(0);
    if (d <= double(std::numeric_limits<T>::lowest()))
        return std::numeric_limits<T>::lowest();
    if (d >= double(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return T(d);
}
} // namespace

bool jsonHasMember(const Json::Value& v, const char* key)
{
    if (v.isNull())
        return true;
    return v.isObject() && key && v.isMember(key);
}

const Json::Value& jsonGet(const Json::Value& v, const char* key)
{
    if (!key || !v.isObject())
        return nullValue();
    const Json::Value* found = v.find(key, key + std::char_traits<char>::length(key));
    return found ? *found : nullValue();
}

const Json::Value& jsonAt(const Json::Value& v, int index)
{
    if (!v.isArray() || index < 0 || Json::ArrayIndex(index) >= v.size())
        return nullValue();
    return v[Json::ArrayIndex(index)];
}

void jsonFirstElements(const Json::Value& v, const Json::Value** out, int count)
{
    for (int i = 0; i < count; ++i)
        out[i] = &nullValue();
    if (!v.isArray())
        return;
    for (auto it = v.begin(); it != v.end(); ++it) {
        const Json::ArrayIndex index = it.index();
        if (index >= Json::ArrayIndex(count))
            break;
        out[index] = &*it;
    }
}

int jsonSize(const Json::Value& v)
{
    return v.isArray() ? int(v.size()) : 0;
}

bool jsonIsNumber(const Json::Value& v)
{
    return v.isInt() || v.isUInt() || v.isInt64() || v.isUInt64() || v.isDouble() || v.isBool();
}

int jsonToInt(const Json::Value& v, int def)
{
    if (v.isBool())
        return v.asBool() ? 1 : 0;
    if (v.isInt())
        return v.asInt();
    if (v.isInt64())
        return clampReal<int>(double(v.asInt64()));
    if (v.isUInt64())
        return clampReal<int>(double(v.asUInt64()));
    if (v.isDouble())
        return clampReal<int>(v.asDouble());
    return def;
}

unsigned int jsonToUInt(const Json::Value& v, unsigned int def)
{
    if (v.isBool())
        return v.asBool() ? 1u : 0u;
    if (v.isUInt())
        return v.asUInt();
    if (v.isInt64() || v.isUInt64() || v.isDouble())
        return clampReal<unsigned int>(v.asDouble());
    return def;
}

double jsonToDouble(const Json::Value& v, double def)
{
    if (v.isBool())
        return v.asBool() ? 1.0 : 0.0;
    if (v.isNumeric())
        return v.asDouble();
    return def;
}

bool jsonToBool(const Json::Value& v, bool def)
{
    if (v.isBool())
        return v.asBool();
    if (v.isNumeric())
        return v.asDouble() != 0.0;
    return def;
}

std::string jsonToStdString(const Json::Value& v, const std::string& def)
{
    return v.isString() ? v.asString() : def;
}

QString jsonToQString(const Json::Value& v, const QString& def)
{
    if (!v.isString())
        return def;
    const char* b = nullptr;
    const char* e = nullptr;
    if (!v.getString(&b, &e) || !b)
        return QString(QLatin1String(""));
    return QString::fromUtf8(b, int(e - b));
}

namespace {
thread_local bool t_reportWrongType = false;

void reportWrongType(const Json::Value& member, const char* key)
{
    if (!t_reportWrongType || member.isNull() || !key)
        return;
    const QString name = QString::fromUtf8(key);
    if (cvnFirstMiss("attribute type", name))
        qCWarning(lcFactory) << "attribute" << name << "of the wrong type is ignored";
}

// Shared shape of the guarded reads: a null node "has" every key and reads
// as the type's zero; a member that is missing or of the wrong type is
// ignored (one that is there but null fails the type test as a missing one).
template <typename T, typename Conv>
bool readFound(bool nodeIsNull, const Json::Value* m, const char* key, T& out, T zero, Conv conv,
               bool (*typeOk)(const Json::Value&))
{
    if (nodeIsNull) {
        out = zero;
        return true;
    }
    if (!m)
        return false;
    if (!typeOk(*m)) {
        reportWrongType(*m, key);
        return false;
    }
    out = conv(*m);
    return true;
}
// One lookup of key in an object node.
const Json::Value* findMember(const Json::Value& o, const char* key)
{
    if (!key || !o.isObject())
        return nullptr;
    return o.find(key, key + std::char_traits<char>::length(key));
}
template <typename T, typename Conv>
bool guardedRead(const Json::Value& o, const char* key, T& out, T zero, Conv conv, bool (*typeOk)(const Json::Value&))
{
    return readFound(o.isNull(), findMember(o, key), key, out, zero, conv, typeOk);
}
bool isNumberOk(const Json::Value& v)
{
    return jsonIsNumber(v);
}
bool isStringOk(const Json::Value& v)
{
    return v.isString();
}
int toInt(const Json::Value& m)
{
    return jsonToInt(m);
}
bool toBool(const Json::Value& m)
{
    return jsonToBool(m);
}
QString toQString(const Json::Value& m)
{
    return jsonToQString(m);
}
} // namespace

bool jsonRead(const Json::Value& o, const char* key, int& out)
{
    return guardedRead<int>(o, key, out, 0, toInt, isNumberOk);
}
bool jsonRead(const Json::Value& o, const char* key, unsigned int& out)
{
    return guardedRead<unsigned int>(
        o, key, out, 0u, [](const Json::Value& m) { return jsonToUInt(m); }, isNumberOk);
}
bool jsonRead(const Json::Value& o, const char* key, double& out)
{
    return guardedRead<double>(
        o, key, out, 0.0, [](const Json::Value& m) { return jsonToDouble(m); }, isNumberOk);
}
bool jsonRead(const Json::Value& o, const char* key, bool& out)
{
    return guardedRead<bool>(o, key, out, false, toBool, isNumberOk);
}
bool jsonRead(const Json::Value& o, const char* key, QString& out)
{
    return guardedRead<QString>(o, key, out, QString(), toQString, isStringOk);
}
bool jsonRead(const Json::Value& o, const char* key, std::string& out)
{
    return guardedRead<std::string>(
        o, key, out, std::string(), [](const Json::Value& m) { return jsonToStdString(m); }, isStringOk);
}

CVNJsonWrongTypeScope::CVNJsonWrongTypeScope(bool report)
    : m_saved(t_reportWrongType)
{
    t_reportWrongType = report;
}

CVNJsonWrongTypeScope::~CVNJsonWrongTypeScope()
{
    t_reportWrongType = m_saved;
}

CVNJsonMembers::CVNJsonMembers(const Json::Value& node, const char* const* keys, int count)
    : m_keys(keys)
    , m_null(node.isNull())
{
    if (!node.isObject() || !keys)
        return;
    count = std::min(count, kMaxKeys);
    size_t lengths[kMaxKeys];
    for (int i = 0; i < count; ++i)
        lengths[i] = keys[i] ? std::char_traits<char>::length(keys[i]) : 0;
    for (auto it = node.begin(); it != node.end(); ++it) {
        const char* end = nullptr;
        const char* name = it.memberName(&end);
        if (!name || !end)
            continue;
        const size_t length = size_t(end - name);
        for (int i = 0; i < count; ++i) {
            if (keys[i] && lengths[i] == length && std::char_traits<char>::compare(keys[i], name, length) == 0) {
                m_found[i] = &*it;
                break;
            }
        }
    }
}

bool CVNJsonMembers::has(int i) const
{
    return m_null || found(i);
}

const Json::Value& CVNJsonMembers::get(int i) const
{
    const Json::Value* m = found(i);
    return m ? *m : nullValue();
}

const Json::Value* CVNJsonMembers::found(int i) const
{
    return i >= 0 && i < kMaxKeys ? m_found[i] : nullptr;
}

const char* CVNJsonMembers::key(int i) const
{
    // found(i) is null for any index past the keys given.
    return found(i) ? m_keys[i] : nullptr;
}

bool CVNJsonMembers::read(int i, int& out) const
{
    return readFound(m_null, found(i), key(i), out, 0, toInt, isNumberOk);
}

bool CVNJsonMembers::read(int i, bool& out) const
{
    return readFound(m_null, found(i), key(i), out, false, toBool, isNumberOk);
}

bool CVNJsonMembers::read(int i, QString& out) const
{
    return readFound(m_null, found(i), key(i), out, QString(), toQString, isStringOk);
}

Json::Value& jsonMember(Json::Value& node, const char* key)
{
    if (node.isNull())
        node = Json::Value(Json::objectValue);
    if (!node.isObject() || !key)
        return scratch();
    return node[key];
}

Json::Value& jsonAppend(Json::Value& node, const Json::Value& element)
{
    if (node.isNull())
        node = Json::Value(Json::arrayValue);
    if (!node.isArray())
        return scratch();
    return node.append(element);
}

bool jsonParse(const std::string& text, Json::Value& out, QString* error)
{
    out = Json::Value();
    // Windows editors start UTF-8 files with a byte-order mark; JsonCpp
    // takes it for a syntax error.
    static const char kBom[] = "\xEF\xBB\xBF";
    const bool bom = text.compare(0, 3, kBom) == 0;
    try {
        Json::Reader reader;
        if (!reader.parse(bom ? text.data() + 3 : text.data(), text.data() + text.size(), out, true)) {
            if (error)
                *error = QString::fromStdString(reader.getFormattedErrorMessages());
            out = Json::Value();
            return false;
        }
    } catch (const std::exception& e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        out = Json::Value();
        return false;
    }
    return true;
}

bool jsonParse(const QByteArray& text, Json::Value& out, QString* error)
{
    return jsonParse(std::string(text.constData(), size_t(text.size())), out, error);
}

std::string jsonStyled(const Json::Value& v)
{
    Json::StyledWriter writer;
    return writer.write(v);
}

namespace {

// Whether v, at depth (1 for the root), lies within the reader's depth.
bool readableAt(const Json::Value& v, int depth)
{
    if (depth > kJsonReadDepth)
        return false;
    if (!v.isArray() && !v.isObject())
        return true;
    for (const Json::Value& member : v) {
        if (!readableAt(member, depth + 1))
            return false;
    }
    return true;
}

} // namespace

bool jsonReadable(const Json::Value& v)
{
    return readableAt(v, 1);
}

} // namespace CVNQtLib
