#pragma once

// What a page file held when the canvas opened it. The toolkit's controls
// write only the keys they know, so a page written from its controls alone
// would lose everything else the file held. A save therefore writes the
// file as it was read, with only what changed on the canvas since the page
// was opened applied: changed values, removed controls and controls created
// there. A page's controls are the widgets built from its file and those
// created on the canvas; widgets a control makes itself (a ribbon's
// buttons, a table's bars) are never written as children, the control
// writes them through its own keys.

#include <json/json.h>

#include <unordered_map>
#include <unordered_set>

class QWidget;

namespace CVNQtLib {

class CVNQPageSource
{
public:
    explicit CVNQPageSource(Json::Value root);
    CVNQPageSource(const CVNQPageSource&) = delete;
    CVNQPageSource& operator=(const CVNQPageSource&) = delete;

    // The root as read. The page is built from this very value: its nodes
    // are how the controls are told apart from widgets they made.
    const Json::Value& root() const { return m_root; }

    // Marks control as built from node, a node of root().
    static void markBuilt(QWidget* control, const Json::Value& node);
    // Marks a control created on the canvas as one of the page's.
    static void markCreated(QWidget* control);

    // Once the page is built and ready: which nodes built a control, and
    // what the page (its window keys) and each control write at this point.
    void finishBuild(QWidget* page, Json::Value pageKeys);
    // Whether some node built a control that still exists.
    bool builtAny() const { return !m_built.empty(); }

    // The page file's root, pageKeys being the page's window keys now.
    Json::Value write(const QWidget* page, const Json::Value& pageKeys) const;

private:
    // nested: the control lies inside another control; placed: it was put
    // where it is on the canvas (created, or moved to another parent).
    Json::Value writeNode(QWidget* control, const Json::Value* node, bool nested, bool placed) const;
    Json::Value writeChildren(const QWidget* parent, const Json::Value& nodes, bool nested) const;

    const Json::Value m_root;
    Json::Value m_pageKeys;
    // Nodes that built a control still alive when the page was ready; one
    // of them without its control now was deleted on the canvas.
    std::unordered_set<const Json::Value*> m_built;
    // What each control built from a node wrote when the page was ready.
    std::unordered_map<const Json::Value*, Json::Value> m_written;
};

} // namespace CVNQtLib
