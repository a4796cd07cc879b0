#include "CVNQListImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQItemViewSetup.h"
#include "CVNQList.h"
#include "CVNQScrollBarNode.h"
#include "CVNQtLib.h"

namespace CVNQtLib {

CVNQListImpl::CVNQListImpl(CVNQList* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{}

CVNQListImpl::~CVNQListImpl() = default;

CVNQList* CVNQListImpl::list() const
{
    return static_cast<CVNQList*>(m_owner);
}

void CVNQListImpl::createComplete()
{
    if (!m_owner)
        return;
    cvnDeleteBuiltScrollBarNodes(list());
    if (!cvnIsQtEmulator())
        return;
    for (int i = 0; i < 20; ++i)
        list()->addItem(QStringLiteral("item %1").arg(i));
}

void CVNQListImpl::readJson(const Json::Value& node)
{
    if (!m_owner)
        return;
    CVNQList* l = list();
    cvnForEachStyleEntry(node, [this](const QString& name, int, int slot) {
        using Slots = CVNQItemViewSlots;
        cvnReadSlotEntry(Slots::background, slot, name, background) ||
            itemBackground.readEntry(Slots::item, slot, name) || itemTextStyle.readEntry(Slots::itemText, slot, name);
    });

    // An absent or null "attr" has every key: single selection, height 0.
    const Json::Value& attr = jsonGet(node, "attr");
    bool multi = false;
    if (!cvnThemeEntryWithoutAttr(node)) {
        if (jsonRead(attr, "multiselect", multi))
            l->setIsMultiSelected(multi);
        jsonRead(attr, "itemHeight", itemHeight);
    }

    cvnReadScrollBarNodesOf(node, l);
}

void CVNQListImpl::writeJson(Json::Value& node) const
{
    if (!m_owner)
        return;
    Json::Value styles(Json::arrayValue);
    using Slots = CVNQItemViewSlots;
    cvnWriteSlotEntry(styles, Slots::background, background);
    itemBackground.writeCompact(styles, Slots::item);
    itemTextStyle.writeCompact(styles, Slots::itemText);
    jsonMember(node, "style") = styles;

    Json::Value& attr = cvnOwnAttr(node, {"multiselect", "itemHeight"});
    if (list()->getIsMultiSelected())
        jsonMember(attr, "multiselect") = 1;
    if (itemHeight != 20)
        jsonMember(attr, "itemHeight") = itemHeight;
}

} // namespace CVNQtLib

#include "moc_CVNQListImpl.cpp"
