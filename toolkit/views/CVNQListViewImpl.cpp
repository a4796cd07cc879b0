#include "CVNQListViewImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQContainer.h"
#include "CVNQItemViewSetup.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollBarNode.h"
#include "CVNQtLib.h"

namespace CVNQtLib {

namespace {

using Slots = CVNQItemViewSlots;

enum : int
{
    // The first item slot fills normal, hover and selected; the disabled
    // fill is read from its own slot only.
    ItemSlotCovers = CtrlStateDisabled
};

} // namespace

CVNQListViewImpl::CVNQListViewImpl(CVNQListView* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{}

CVNQListViewImpl::~CVNQListViewImpl() = default;

CVNQListView* CVNQListViewImpl::view() const
{
    return static_cast<CVNQListView*>(m_owner);
}

void CVNQListViewImpl::createComplete()
{
    if (!m_owner)
        return;
    CVNQListView* v = view();
    cvnDeleteBuiltScrollBarNodes(v);
    if (CVNQContainer* first = v->findChild<CVNQContainer*>(QString(), Qt::FindDirectChildrenOnly))
        v->setItemTemplate(first);
}

void CVNQListViewImpl::keepTemplateNode(CVNQContainer* itemTemplate)
{
    CVNQWriteModeScope withChildren(true);
    templateNode = Json::Value(Json::objectValue);
    itemTemplate->serializeJsonValue(&templateNode, false);
}

void CVNQListViewImpl::writeTemplate(Json::Value& node) const
{
    // The template goes first, so that reading the node adopts it again;
    // it is part of the view even when children are not written.
    const bool hasTemplate = itemTemplate && !templateNode.isNull();
    Json::Value children(Json::arrayValue);
    if (hasTemplate)
        children.append(templateNode);
    if (cvnIsSerializeChild()) {
        const QObjectList written = serializedChildren(m_owner);
        const Json::Value& old = jsonGet(node, "child");
        for (int i = 0; i < jsonSize(old); ++i)
            if (!hasTemplate || written.value(i) != itemTemplate.data())
                children.append(jsonAt(old, i));
    }
    if (children.size() > 0)
        jsonMember(node, "child") = children;
}

void CVNQListViewImpl::readJson(const Json::Value& node)
{
    if (!m_owner)
        return;
    CVNQListView* v = view();
    cvnForEachStyleEntry(node, [this](const QString& name, int, int slot) {
        cvnReadSlotEntry(Slots::background, slot, name, background) ||
            itemBackground.readEntry(Slots::item, slot, name, ItemSlotCovers);
    });

    // An absent or null "attr" has every key: sizes 0, spacing 0, list mode.
    const Json::Value& attr = jsonGet(node, "attr");
    int value = 0;
    if (!cvnThemeEntryWithoutAttr(node)) {
        jsonRead(attr, "itemHeight", itemHeight);
        jsonRead(attr, "itemWidth", itemWidth);
        if (jsonRead(attr, "spacing", value))
            v->setSpacing(value);
        if (jsonRead(attr, "itemMode", value))
            v->setViewMode(value == 0 ? QListView::ListMode : QListView::IconMode);
    }

    cvnReadScrollBarNodesOf(node, v);
}

void CVNQListViewImpl::writeJson(Json::Value& node) const
{
    if (!m_owner)
        return;
    Json::Value list(Json::arrayValue);
    cvnWriteSlotEntry(list, Slots::background, background);
    // The reader's first slot leaves the disabled fill alone, so a named
    // disabled fill is always written under its own slot.
    itemBackground.writeCompactCovering(list, Slots::item, ItemSlotCovers);
    jsonMember(node, "style") = list;

    const CVNQListView* v = view();
    Json::Value& attr = cvnOwnAttr(node, {"itemHeight", "itemWidth", "spacing", "itemMode"});
    if (itemHeight != 20)
        jsonMember(attr, "itemHeight") = itemHeight;
    if (itemWidth != 20)
        jsonMember(attr, "itemWidth") = itemWidth;
    // Always: a view starts with spacing 1, so a 0 left out would come back
    // as 1.
    jsonMember(attr, "spacing") = v->spacing();
    jsonMember(attr, "itemMode") = v->viewMode() == QListView::IconMode ? 1 : 0;

    writeTemplate(node);
}

} // namespace CVNQtLib

#include "moc_CVNQListViewImpl.cpp"
