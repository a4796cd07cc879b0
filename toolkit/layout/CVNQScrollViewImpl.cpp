#include "CVNQScrollViewImpl.h"

#include "CVNJson.h"
#include "CVNQContainer.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollBarNode.h"
#include "CVNQStateStyles.h"
#include "CVNQtLib.h"

#include <QPainter>

namespace CVNQtLib {

CVNQScrollViewImpl::CVNQScrollViewImpl(CVNQScrollView* owner)
    : CVNQScrollViewImpl(owner, QString::fromLatin1(CVNQScrollView::typeName()))
{}

CVNQScrollViewImpl::CVNQScrollViewImpl(CVNQScrollView* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{}

CVNQScrollView* CVNQScrollViewImpl::view() const
{
    return static_cast<CVNQScrollView*>(m_owner);
}

void CVNQScrollViewImpl::draw(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, background, rect);
}

void CVNQScrollViewImpl::createComplete()
{
    CVNQScrollView* v = view();
    if (!v || content)
        return;
    for (QObject* child : v->children()) {
        // Scroll-bar nodes of the page configure the view's own bars; the
        // bars the factory also built from them would only cover the view.
        if (CVNQScrollBar* stray = qobject_cast<CVNQScrollBar*>(child))
            stray->hide();
    }
    for (QObject* child : v->children()) {
        if (CVNQContainer* c = qobject_cast<CVNQContainer*>(child)) {
            content = c;
            v->setWidget(c);
            return;
        }
    }
}

void CVNQScrollViewImpl::readJson(const Json::Value& n)
{
    CVNQScrollView* v = view();
    cvnForEachStyleEntry(n, [this](const QString& name, int, int index) {
        if (index >= Slots::background.first)
            cvnLookupStyle(name, background);
    });
    if (v) {
        CVNScrollBarNodeTarget target;
        target.horizontal = qobject_cast<CVNQScrollBar*>(v->horizontalScrollBar());
        target.vertical = qobject_cast<CVNQScrollBar*>(v->verticalScrollBar());
        target.setButtonSize = [v](bool hor, int size) { v->setScrollbarBtnSize(hor, size); };
        target.setThickness = [v](bool hor, int size) { v->setScrollbarSize(hor, size); };
        cvnReadScrollBarNodes(n, target);
    }
}

void CVNQScrollViewImpl::writeJson(Json::Value& n) const
{
    Json::Value list(Json::arrayValue);
    cvnWriteSlotEntry(list, Slots::background, background);
    jsonMember(n, "style") = list.empty() ? Json::Value() : list;

    // The content now lives under the viewport, so the shared routine did
    // not see it; without it a saved view would come back empty. It goes
    // first, so that reading the node adopts it again.
    ICVNQWidgetBase* inner = dynamic_cast<ICVNQWidgetBase*>(content.data());
    if (cvnIsSerializeChild() && inner) {
        Json::Value contentNode;
        inner->serializeJsonValue(&contentNode, false);
        Json::Value children(Json::arrayValue);
        children.append(contentNode);
        const Json::Value& old = jsonGet(n, "child");
        for (int i = 0; i < jsonSize(old); ++i)
            children.append(jsonAt(old, i));
        jsonMember(n, "child") = children;
    }
}

} // namespace CVNQtLib

#include "moc_CVNQScrollViewImpl.cpp"
