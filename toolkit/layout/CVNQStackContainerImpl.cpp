#include "CVNQStackContainerImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQStateStyles.h"

#include <QPainter>

namespace CVNQtLib {

CVNQStackContainerImpl::CVNQStackContainerImpl(CVNQStackContainer* owner)
    : CVNQWidgetBaseImpl(owner, QString::fromLatin1(CVNQStackContainer::typeName()))
{
}

int CVNQStackContainerImpl::indexOf(const QObject* page) const
{
    if (!page)
        return -1;
    for (int i = 0; i < pages.size(); ++i)
        if (pages.at(i).data() == page)
            return i;
    return -1;
}

void CVNQStackContainerImpl::draw(QPainter* painter, const QRect& rect)
{
    if (!drawBackground || !m_owner)
        return;
    drawFillStyle(painter, m_owner->isEnabled() ? background : disabledBackground, rect);
}

bool CVNQStackContainerImpl::serializeJsonValue(Json::Value** node, bool read)
{
    const bool result = CVNQWidgetBaseImpl::serializeJsonValue(node, read);
    if (!node || !*node)
        return result;
    Json::Value& n = **node;

    if (read) {
        cvnForEachStyleEntry(n, [this](const QString& name, int, int index) {
            if (index == 0)
                cvnLookupStyle(name, background);
            else if (index == 1)
                cvnLookupStyle(name, disabledBackground);
        });
        // Only a key that is really there: a node (or theme entry) without
        // "attr" must not switch the background off.
        if (n.isObject() && jsonGet(n, "attr").isObject())
            jsonRead(jsonGet(n, "attr"), "drawBackground", drawBackground);
        return result;
    }

    Json::Value list(Json::arrayValue);
    if (!background.name.isEmpty())
        cvnAppendStyleEntry(list, background, 0);
    if (!disabledBackground.name.isEmpty())
        cvnAppendStyleEntry(list, disabledBackground, 1);
    jsonMember(n, "style") = list.empty() ? Json::Value() : list;
    cvnWriteOwnAttr(n, "drawBackground", !drawBackground, 0);
    cvnDropEmptyAttr(n);
    return result;
}

} // namespace CVNQtLib
