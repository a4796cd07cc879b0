#include "CVNQStackContainerImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQStateStyles.h"

#include <QPainter>

namespace CVNQtLib {

CVNQStackContainerImpl::CVNQStackContainerImpl(CVNQStackContainer* owner)
    : CVNQControlImpl(owner, QString::fromLatin1(CVNQStackContainer::typeName()))
{}

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
    backgrounds.paint(painter, m_owner, rect);
}

void CVNQStackContainerImpl::createComplete()
{
    CVNQStackContainer* stack = qobject_cast<CVNQStackContainer*>(m_owner);
    if (!stack)
        return;
    for (QObject* child : serializedChildren(stack))
        if (indexOf(child) < 0)
            stack->addWidget(qobject_cast<QWidget*>(child));
}

QObjectList CVNQStackContainerImpl::childrenInWrittenOrder() const
{
    const QObjectList written = serializedChildren(m_owner);
    QObjectList ordered;
    for (const QPointer<QWidget>& page : pages)
        if (written.contains(page.data()))
            ordered.append(page.data());
    for (QObject* child : written)
        if (!ordered.contains(child))
            ordered.append(child);
    return ordered;
}

void CVNQStackContainerImpl::readJson(const Json::Value& n)
{
    cvnForEachStyleEntry(n, [this](const QString& name, int, int index) {
        const CVNQStyleSlot& slot = CVNQEnabledBackground::slot;
        if (slot.holds(index))
            cvnLookupStyle(name, backgrounds.forState(index - slot.first));
    });
    // Only a key that is really there: a node (or theme entry) without
    // "attr" must not switch the background off.
    if (n.isObject() && jsonGet(n, "attr").isObject())
        jsonRead(jsonGet(n, "attr"), "drawBackground", backgrounds.draw);
}

void CVNQStackContainerImpl::writeJson(Json::Value& n) const
{
    Json::Value list(Json::arrayValue);
    const CVNQStyleSlot& slot = CVNQEnabledBackground::slot;
    for (int state = 0; state < slot.states; ++state)
        if (!backgrounds.forState(state).name.isEmpty())
            cvnAppendStyleEntry(list, backgrounds.forState(state), slot.first + state);
    jsonMember(n, "style") = list.empty() ? Json::Value() : list;
    cvnWriteOwnAttr(n, "drawBackground", !backgrounds.draw, 0);
    cvnDropEmptyAttr(n);
}

} // namespace CVNQtLib

#include "moc_CVNQStackContainerImpl.cpp"
