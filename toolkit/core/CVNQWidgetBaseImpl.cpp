#include "CVNQWidgetBaseImpl.h"

#include "CVNJson.h"
#include "CVNQLogging.h"
#include "CVNQResourceManager.h"
#include "CVNQtLib.h"
#include "ICVNQWidgetBase.h"

#include <QMenu>
#include <QPainter>
#include <QWidget>
#include <limits>
#include <utility>

namespace CVNQtLib {

namespace {

// The loaded theme's entry of name. A control's own type entry is optional;
// a name asked for (a node's "theme" key, setThemeName) that the loaded
// theme lacks is reported, once: controls look it up at every refresh.
Json::Value* themeEntry(const QString& name, bool asked)
{
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    Json::Value* entry = rm->getThemeJsonValue(name.toUtf8().constData());
    if (!entry && asked && rm->getThemeManagerIml() && cvnFirstMiss("theme entry", name))
        qCWarning(lcTheme) << "the theme has no entry" << name;
    return entry;
}

} // namespace

CVNQThemeFlagGuard::CVNQThemeFlagGuard()
    : m_saved(CVNQResourceManager::getInstance()->isLoadFromThemeRes())
{}

CVNQThemeFlagGuard::~CVNQThemeFlagGuard()
{
    CVNQResourceManager::getInstance()->setSwitchToThemeRes(m_saved);
}

CVNQWidgetBaseImpl::CVNQWidgetBaseImpl(QWidget* owner, const QString& typeName)
    : m_typeName(typeName)
    , m_themeName(typeName)
    , m_owner(owner)
{
    if (m_owner)
        m_owner->setProperty("impl", QVariant::fromValue(static_cast<void*>(this)));
}

// The "impl" property is left alone: the object dies with its control, and
// changing a property there would send an event to a half-destroyed widget.
CVNQWidgetBaseImpl::~CVNQWidgetBaseImpl() = default;

void CVNQWidgetBaseImpl::paint()
{
    if (!m_owner)
        return;
    if (!m_owner->isEnabled())
        m_state = CtrlStateDisabled;
    else if (m_state == CtrlStateDisabled)
        m_state = CtrlStateNormal;
    QPainter painter(m_owner);
    draw(&painter, QRect(0, 0, m_owner->width(), m_owner->height()));
}

void CVNQWidgetBaseImpl::draw(QPainter*, const QRect&) {}

void CVNQWidgetBaseImpl::notifyChangeLanguage() {}

void CVNQWidgetBaseImpl::createComplete() {}

void CVNQWidgetBaseImpl::mousePressEvent(QMouseEvent*)
{
    m_state = CtrlStatePressed;
    if (m_owner)
        m_owner->repaint();
}

void CVNQWidgetBaseImpl::mouseReleaseEvent(QMouseEvent*)
{
    m_state = m_hovered ? CtrlStateHover : CtrlStateNormal;
    if (m_owner)
        m_owner->repaint();
}

void CVNQWidgetBaseImpl::enterEvent(QEvent*)
{
    m_hovered = true;
    m_state = CtrlStateHover;
    if (m_owner)
        m_owner->repaint();
}

void CVNQWidgetBaseImpl::leaveEvent(QEvent*)
{
    m_hovered = false;
    m_state = (!m_owner || m_owner->isEnabled()) ? CtrlStateNormal : CtrlStateDisabled;
    if (m_owner)
        m_owner->repaint();
}

void CVNQWidgetBaseImpl::mouseMoveEvent(QMouseEvent*) {}

void CVNQWidgetBaseImpl::mouseDoubleClickEvent(QMouseEvent*) {}

void CVNQWidgetBaseImpl::applyTheme()
{
    if (cvnIsInDesigner() || m_themeName.isEmpty())
        return;
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    Json::Value* entry = themeEntry(m_themeName, m_themeName != m_typeName);
    if (!entry)
        return;
    if (ICVNQWidgetBase* control = dynamic_cast<ICVNQWidgetBase*>(m_owner)) {
        CVNQThemeFlagGuard guard;
        rm->setSwitchToThemeRes(true);
        control->serializeJsonValue(entry, true);
    }
    if (m_owner)
        m_owner->update();
}

QVariant CVNQWidgetBaseImpl::getAttribute(const std::string& name) const
{
    auto it = m_attributes.find(name);
    return it == m_attributes.end() ? QVariant() : it->second.value;
}

void CVNQWidgetBaseImpl::setAttribute(const std::string& name, int tag, const QVariant& value)
{
    CVNQAttribute& a = m_attributes[name];
    a.tag = tag;
    a.value = value;
}

namespace {

// The attribute a JSON member becomes, by the first rule that holds; false
// for a member no rule matches (null, object, empty array, array of
// non-strings), which is then skipped.
bool attributeFromJson(const Json::Value& v, CVNQAttribute& out)
{
    if (v.isBool()) {
        out.tag = CVNQAttribute::Bool;
        out.value = v.asBool();
    } else if (v.isString()) {
        out.tag = CVNQAttribute::String;
        out.value = jsonToQString(v);
    } else if (v.isInt()) {
        out.tag = CVNQAttribute::Int32;
        out.value = qint64(v.asInt());
    } else if (v.isUInt()) {
        out.tag = CVNQAttribute::UInt32;
        out.value = quint64(v.asUInt());
    } else if (v.isNumeric()) {
        out.tag = CVNQAttribute::Double;
        out.value = v.asDouble();
    } else if (v.isArray() && v.size() > 0 && v[0u].isString()) {
        QStringList list;
        for (Json::ArrayIndex i = 0; i < v.size(); ++i) {
            const Json::Value& e = v[i];
            // Elements after the first are taken as strings too; non-string
            // scalars keep their text, anything else becomes empty.
            if (e.isString())
                list << jsonToQString(e);
            else if (e.isNumeric() || e.isBool())
                list << QString::fromStdString(e.asString());
            else
                list << QString();
        }
        out.tag = CVNQAttribute::StringList;
        out.value = list;
    } else {
        return false;
    }
    return true;
}

Json::Value attributeToJson(const CVNQAttribute& a, bool& ok)
{
    ok = true;
    switch (a.tag) {
    case CVNQAttribute::Bool: return Json::Value(a.value.toBool());
    case CVNQAttribute::String: return Json::Value(jsonUtf8(a.value.toString()));
    case CVNQAttribute::Int8:
    case CVNQAttribute::UInt8:
    case CVNQAttribute::Int16:
    case CVNQAttribute::UInt16:
    case CVNQAttribute::Int32: return Json::Value(Json::Int(a.value.toLongLong()));
    case CVNQAttribute::UInt32: return Json::Value(Json::UInt(a.value.toULongLong()));
    case CVNQAttribute::Int64: return Json::Value(Json::Int64(a.value.toLongLong()));
    case CVNQAttribute::UInt64: return Json::Value(Json::UInt64(a.value.toULongLong()));
    case CVNQAttribute::Float:
    case CVNQAttribute::Double: return Json::Value(a.value.toDouble());
    case CVNQAttribute::StringList: {
        Json::Value arr(Json::arrayValue);
        for (const QString& s : a.value.toStringList())
            arr.append(jsonUtf8(s));
        return arr;
    }
    default: ok = false; return Json::Value();
    }
}

} // namespace

QObjectList CVNQWidgetBaseImpl::serializedChildren(const QWidget* owner)
{
    QObjectList list;
    if (!owner)
        return list;
    for (QObject* child : owner->children()) {
        // A pop-up menu has no node of its own (its items come from menu
        // files or code); an empty entry would be dropped when read.
        if (dynamic_cast<ICVNQWidgetBase*>(child) && !qobject_cast<QMenu*>(child))
            list.append(child);
    }
    return list;
}

QObjectList CVNQWidgetBaseImpl::childrenInWrittenOrder() const
{
    return serializedChildren(m_owner);
}

bool CVNQWidgetBaseImpl::serializeJsonValue(Json::Value** node, bool read)
{
    if (!node || !*node)
        return false;
    Json::Value& n = **node;
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();

    if (read) {
        if (!jsonHasMember(n, "attr"))
            return true;
        const Json::Value& attr = jsonGet(n, "attr");
        if (attr.isObject()) {
            for (const std::string& name : attr.getMemberNames()) {
                CVNQAttribute a;
                if (attributeFromJson(attr[name], a))
                    m_attributes[name] = a;
            }
        }
        QString theme;
        if (jsonRead(n, "theme", theme) && !rm->isDesigner()) {
            if (Json::Value* entry = themeEntry(theme, true)) {
                *node = entry;
                rm->setSwitchToThemeRes(true);
            }
        }
        return true;
    }

    // Every control takes its type's theme entry anyway; written out, that
    // key would switch the node to the entry when it is read back and lose
    // the node's own styles and content.
    if (!m_themeName.isEmpty() && m_themeName != m_typeName)
        jsonMember(n, "theme") = jsonUtf8(m_themeName);
    if (!m_attributes.empty()) {
        Json::Value& attr = jsonMember(n, "attr");
        for (const auto& kv : m_attributes) {
            bool ok = false;
            Json::Value v = attributeToJson(kv.second, ok);
            if (ok)
                jsonMember(attr, kv.first.c_str()) = v;
        }
    }
    if (cvnIsSerializeChild() && m_owner) {
        Json::Value children(Json::arrayValue);
        for (QObject* child : childrenInWrittenOrder()) {
            ICVNQWidgetBase* control = dynamic_cast<ICVNQWidgetBase*>(child);
            Json::Value childNode(Json::objectValue);
            control->serializeJsonValue(&childNode, false);
            children.append(std::move(childNode));
        }
        if (children.size() > 0)
            jsonMember(n, "child") = std::move(children);
    }
    return true;
}

} // namespace CVNQtLib

#include "moc_CVNQWidgetBaseImpl.cpp"
