#include "CVNQTreeViewImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQItemViewSetup.h"
#include "CVNQScrollBarNode.h"
#include "CVNQTreeView.h"
#include "CVNQtLib.h"

#include <QStandardItemModel>

namespace CVNQtLib {

CVNQTreeViewImpl::CVNQTreeViewImpl(CVNQTreeView* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{}

CVNQTreeViewImpl::~CVNQTreeViewImpl() = default;

CVNQTreeView* CVNQTreeViewImpl::view() const
{
    return static_cast<CVNQTreeView*>(m_owner);
}

void CVNQTreeViewImpl::draw(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, background, rect);
}

void CVNQTreeViewImpl::createComplete()
{
    if (!m_owner)
        return;
    cvnDeleteBuiltScrollBarNodes(m_owner);
    if (!cvnIsQtEmulator())
        return;
    CVNQTreeView* v = view();
    auto* model = new QStandardItemModel(v);
    for (int i = 0; i < 100; ++i) {
        auto* parent = new QStandardItem(QStringLiteral("item1"));
        parent->setCheckable(true);
        parent->appendRow({new QStandardItem(QStringLiteral("item2")), new QStandardItem(QStringLiteral("item3"))});
        model->appendRow(parent);
    }
    v->setModel(model);
}

void CVNQTreeViewImpl::readJson(const Json::Value& node)
{
    if (!m_owner)
        return;
    CVNQTreeView* v = view();
    cvnForEachStyleEntry(node, [this](const QString& name, int, int slot) {
        using Slots = CVNQItemViewSlots;
        cvnReadSlotEntry(Slots::background, slot, name, background) ||
            itemBackgrounds.readEntry(Slots::item, slot, name) || itemTextStyles.readEntry(Slots::itemText, slot, name);
    });

    cvnReadScrollBarNodesOf(node, v);

    // An "attr" of null has every key: the height becomes 0.
    if (jsonHasMember(node, "attr")) {
        const Json::Value& attr = jsonGet(node, "attr");
        int height = itemHeight;
        if (attr.isNull() || attr.isObject()) {
            if (jsonRead(attr, "itemHeight", height))
                v->setItemHeight(height);
        }
    }
}

void CVNQTreeViewImpl::writeJson(Json::Value& node) const
{
    Json::Value list(Json::arrayValue);
    using Slots = CVNQItemViewSlots;
    cvnWriteSlotEntry(list, Slots::background, background);
    itemBackgrounds.writeCompact(list, Slots::item);
    itemTextStyles.writeCompact(list, Slots::itemText);
    jsonMember(node, "style") = list;
    // A view never given a height writes 0; 20 is the height it shows.
    cvnWriteOwnAttr(node, "itemHeight", itemHeight != 20, itemHeight);
    cvnDropEmptyAttr(node);
}

} // namespace CVNQtLib

#include "moc_CVNQTreeViewImpl.cpp"
