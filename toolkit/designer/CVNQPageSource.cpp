#include "CVNQPageSource.h"

#include "CVNJson.h"
#include "CVNQtLib.h"
#include "CVNQWidgetBaseImpl.h"
#include "ICVNQWidgetBase.h"

#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

namespace CVNQtLib {

namespace {

// Dynamic property of a page's controls: the address of the node a control
// was built from, 0 for one created on the canvas. Widgets without it were
// made by a control.
const char* const kNodeProperty = "cvnPageNode";

const Json::Value* nodeOf(const QVariant& mark)
{
    return reinterpret_cast<const Json::Value*>(quintptr(mark.toULongLong()));
}

// What a control writes of itself, without children.
Json::Value ownKeys(QWidget* w)
{
    ICVNQWidgetBase* control = dynamic_cast<ICVNQWidgetBase*>(w);
    if (!control)
        return Json::Value();
    Json::Value node(Json::objectValue);
    control->serializeJsonValue(&node, false);
    node.removeMember("child");
    return node;
}

// The page's controls directly below w: marked widgets, found also inside
// widgets that a control made itself (a scroll view's viewport, say).
void collectControls(const QWidget* w, std::vector<QWidget*>& out)
{
    for (QObject* child : w->children()) {
        if (!child->isWidgetType())
            continue;
        QWidget* cw = static_cast<QWidget*>(child);
        if (cw->property(kNodeProperty).isValid())
            out.push_back(cw);
        else
            collectControls(cw, out);
    }
}

Json::Value mergedValue(const Json::Value& orig, const Json::Value& base, const Json::Value& fresh);

// The changes from base to fresh (two objects) made to out, which holds what
// was read: a key whose written value did not change keeps what was read.
void applyChanges(Json::Value& out, const Json::Value& orig, const Json::Value& base, const Json::Value& fresh)
{
    static const Json::Value none;
    auto apply = [&](const std::string& key) {
        const Json::Value* b = base.find(key.data(), key.data() + key.size());
        const Json::Value* f = fresh.find(key.data(), key.data() + key.size());
        if (b && f && *b == *f)
            return;
        if (!f) {
            out.removeMember(key);
            return;
        }
        const Json::Value* o = orig.isObject() ? orig.find(key.data(), key.data() + key.size()) : nullptr;
        out[key] = o ? mergedValue(*o, b ? *b : none, *f) : *f;
    };
    for (const std::string& key : fresh.getMemberNames())
        apply(key);
    for (const std::string& key : base.getMemberNames()) {
        if (!fresh.isMember(key))
            apply(key);
    }
}

Json::Value mergedValue(const Json::Value& orig, const Json::Value& base, const Json::Value& fresh)
{
    if (base == fresh)
        return orig;
    if (!orig.isObject() || !base.isObject() || !fresh.isObject())
        return fresh;
    Json::Value out = orig;
    applyChanges(out, orig, base, fresh);
    return out;
}

// orig's members except skip (whose value the caller writes), with the
// changes from base to fresh applied.
Json::Value mergedNode(const Json::Value& orig, const Json::Value& base, const Json::Value& fresh, const char* skip)
{
    Json::Value out(Json::objectValue);
    for (auto it = orig.begin(); it != orig.end(); ++it) {
        if (it.name() != skip)
            out[it.name()] = *it;
    }
    if (base.isObject() && fresh.isObject())
        applyChanges(out, orig, base, fresh);
    else if (fresh.isObject())
        applyChanges(out, orig, Json::Value(Json::objectValue), fresh);
    out.removeMember(skip);
    return out;
}

// Whether the record of fresh (what a control writes now) places it
// elsewhere than base (what it wrote when the page was ready).
bool recordChanged(const Json::Value& base, const Json::Value& fresh)
{
    for (const char* key : {"x", "y", "w", "h", "layout"}) {
        if (jsonGet(base, key) != jsonGet(fresh, key))
            return true;
    }
    return false;
}

// Makes the page loader apply a nested control's "x", "y", "w", "h": bare,
// it only records them, and the control's container places it by its
// geometry.
void placeByRecord(Json::Value& node)
{
    Json::Value& layout = node["layout"];
    if (!layout.isObject())
        layout = Json::Value(Json::objectValue);
    layout["type"] = 1;
}

} // namespace

CVNQPageSource::CVNQPageSource(Json::Value root)
    : m_root(std::move(root))
{}

void CVNQPageSource::markBuilt(QWidget* control, const Json::Value& node)
{
    control->setProperty(kNodeProperty, qulonglong(reinterpret_cast<quintptr>(&node)));
}

void CVNQPageSource::markCreated(QWidget* control)
{
    control->setProperty(kNodeProperty, qulonglong(0));
}

void CVNQPageSource::finishBuild(QWidget* page, Json::Value pageKeys)
{
    m_pageKeys = std::move(pageKeys);
    CVNQWriteModeScope ownRecords(false, false);
    for (QWidget* w : page->findChildren<QWidget*>()) {
        const QVariant mark = w->property(kNodeProperty);
        if (!mark.isValid() || !nodeOf(mark))
            continue;
        m_built.insert(nodeOf(mark));
        m_written.emplace(nodeOf(mark), ownKeys(w));
    }
}

Json::Value CVNQPageSource::write(const QWidget* page, const Json::Value& pageKeys) const
{
    // The records, not the live widgets, even in designer mode: the canvas's
    // edits go into the records, while its hidden widgets may never have
    // been laid out (sized 0 x 0) or are placed by their containers.
    CVNQWriteModeScope ownRecords(false, false);
    Json::Value out = mergedNode(m_root, m_pageKeys, pageKeys, "elements");
    const Json::Value& read = jsonGet(m_root, "elements");
    Json::Value elements = writeChildren(page, read, false);
    // Written also when empty: the canvas refuses a page file without it.
    if (elements.empty() && !read.isArray() && !read.isNull())
        out["elements"] = read;
    else
        out["elements"] = std::move(elements);
    return out;
}

Json::Value CVNQPageSource::writeNode(QWidget* control, const Json::Value* node, bool nested, bool placed) const
{
    const Json::Value fresh = ownKeys(control);
    auto written = node ? m_written.find(node) : m_written.end();
    const Json::Value& base = written == m_written.end() ? Json::Value::nullSingleton() : written->second;
    Json::Value out = node ? mergedNode(*node, base, fresh, "child") : fresh;
    // An absolute record (no "layout" written) set on the canvas: the page
    // runs the control where the canvas showed it. A record left as read
    // keeps its keys, and the page runs as it did.
    const bool record = fresh.isObject() && !fresh.isMember("layout");
    if (nested && record && (placed || !node || recordChanged(base, fresh)))
        placeByRecord(out);
    static const Json::Value none;
    const Json::Value& read = node ? jsonGet(*node, "child") : none;
    Json::Value children = writeChildren(control, read, true);
    if (children.size() > 0 || read.isArray())
        out["child"] = std::move(children);
    else if (!read.isNull())
        out["child"] = read;
    return out;
}

Json::Value CVNQPageSource::writeChildren(const QWidget* parent, const Json::Value& nodes, bool nested) const
{
    std::vector<QWidget*> controls;
    collectControls(parent, controls);
    // A control that keeps an order of its own (a stack's pages, which
    // showing a page reorders among Qt's children) gives it to the controls
    // created on the canvas too; the others (a scroll view's content) keep
    // their places.
    if (auto* owner = dynamic_cast<const ICVNQWidgetBase*>(parent)) {
        if (CVNQWidgetBaseImpl* impl = const_cast<ICVNQWidgetBase*>(owner)->getControlImpl()) {
            const QObjectList order = impl->childrenInWrittenOrder();
            std::vector<size_t> places;
            std::vector<QWidget*> ordered;
            for (size_t i = 0; i < controls.size(); ++i) {
                if (order.contains(controls[i])) {
                    places.push_back(i);
                    ordered.push_back(controls[i]);
                }
            }
            std::sort(ordered.begin(), ordered.end(),
                      [&order](QWidget* a, QWidget* b) { return order.indexOf(a) < order.indexOf(b); });
            for (size_t k = 0; k < places.size(); ++k)
                controls[places[k]] = ordered[k];
        }
    }
    std::unordered_map<const Json::Value*, QWidget*> byNode;
    for (QWidget* w : controls) {
        if (const Json::Value* node = nodeOf(w->property(kNodeProperty)))
            byNode.emplace(node, w);
    }

    Json::Value out(Json::arrayValue);
    std::unordered_set<const QWidget*> done;
    const int count = jsonSize(nodes);
    for (int i = 0; i < count; ++i) {
        const Json::Value* node = &jsonAt(nodes, i);
        auto found = byNode.find(node);
        if (found != byNode.end()) {
            out.append(writeNode(found->second, node, nested, false));
            done.insert(found->second);
        } else if (!m_built.count(node)) {
            // Built nothing (an unknown type) or a control that was consumed
            // while the page was built: kept as read, in its place.
            out.append(*node);
        }
        // Otherwise its control was deleted on the canvas.
    }
    for (QWidget* w : controls) {
        if (done.count(w))
            continue;
        // Created on the canvas, or moved here from another parent.
        const Json::Value* node = nodeOf(w->property(kNodeProperty));
        out.append(writeNode(w, m_built.count(node) ? node : nullptr, nested, true));
    }
    return out;
}

} // namespace CVNQtLib
