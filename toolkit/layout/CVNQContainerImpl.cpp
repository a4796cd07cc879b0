#include "CVNQContainerImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQContainer.h"
#include "CVNQScrollBar.h"
#include "CVNQStateStyles.h"

#include <QPainter>
#include <QTimer>
#include <QVariantAnimation>

namespace CVNQtLib {

const char* const kCvnBoundScrollBarProperty = "_cvn_container_bound_scrollbar";
const char* const kCvnBaseGeometryProperty = "_cvn_container_base_geometry";

static FillStyle defaultContainerBackground()
{
    FillStyle s;
    s.fill.clr = QColor(128, 128, 128, 255);
    return s;
}

CVNQContainerImpl::CVNQContainerImpl(CVNQContainer* owner)
    : CVNQControlImpl(owner, QString::fromLatin1(CVNQContainer::typeName()))
{
    m_backgrounds.normal = defaultContainerBackground();
    m_backgrounds.disabled = defaultContainerBackground();
}

CVNQContainerImpl::~CVNQContainerImpl()
{
    if (m_animation)
        m_animation->stop();
}

CVNQContainer* CVNQContainerImpl::container() const
{
    return static_cast<CVNQContainer*>(m_owner);
}

void CVNQContainerImpl::setPadding(int l, int t, int r, int b)
{
    m_paddingLeft = l;
    m_paddingTop = t;
    m_paddingRight = r;
    m_paddingBottom = b;
}

void CVNQContainerImpl::getPadding(int& l, int& t, int& r, int& b) const
{
    l = m_paddingLeft;
    t = m_paddingTop;
    r = m_paddingRight;
    b = m_paddingBottom;
}

void CVNQContainerImpl::draw(QPainter* painter, const QRect& rect)
{
    m_backgrounds.paint(painter, m_owner, rect);
}

void CVNQContainerImpl::readJson(const Json::Value& n)
{
    cvnForEachStyleEntry(n, [this](const QString& name, int, int index) {
        // The first index sets both backgrounds, the second the disabled one.
        const CVNQStyleSlot& slot = CVNQEnabledBackground::slot;
        if (index == slot.first) {
            FillStyle s = m_backgrounds.normal;
            if (cvnLookupStyle(name, s)) {
                m_backgrounds.normal = s;
                m_backgrounds.disabled = s;
            }
        } else if (index == slot.first + 1) {
            cvnLookupStyle(name, m_backgrounds.disabled);
        }
    });
    if (jsonHasMember(n, "attr")) {
        const Json::Value& attr = jsonGet(n, "attr");
        int mode = CVNQContainer::NoUse;
        if (jsonRead(attr, "childLayout", mode) && (mode < CVNQContainer::Horizontal || mode > CVNQContainer::VerFloat))
            mode = CVNQContainer::NoUse;
        m_childLayout = mode;
        // Held to the widget size range, like every length a page gives.
        for (auto key : {std::make_pair("space", &m_space), std::make_pair("paddingLeft", &m_paddingLeft),
                         std::make_pair("paddingTop", &m_paddingTop), std::make_pair("paddingRight", &m_paddingRight),
                         std::make_pair("paddingBottom", &m_paddingBottom)})
            if (jsonRead(attr, key.first, *key.second))
                *key.second = cvnClampToWidgetRange(*key.second);
        jsonRead(attr, "absoluteDockAutoSize", m_absoluteDockAutoSize);
        // Not in the container's own key list, but a page must keep a
        // background switched off: the stack container's key.
        jsonRead(attr, "drawBackground", m_backgrounds.draw);
    }
}

void CVNQContainerImpl::writeJson(Json::Value& n) const
{
    Json::Value list(Json::arrayValue);
    const FillStyle& normal = m_backgrounds.normal;
    const FillStyle& disabled = m_backgrounds.disabled;
    const CVNQStyleSlot& slot = CVNQEnabledBackground::slot;
    if (!normal.name.isEmpty())
        cvnAppendStyleEntry(list, normal, slot.first);
    if (!disabled.name.isEmpty() && !fillStyleLooksEqual(disabled, normal))
        cvnAppendStyleEntry(list, disabled, slot.first + 1);
    cvnSetStyleList(n, list);

    // Each own key follows the current state (a key read earlier and now at
    // its default goes away).
    cvnWriteOwnAttr(n, "childLayout", true, m_childLayout);
    cvnWriteOwnAttr(n, "space", m_space != 0, m_space);
    cvnWriteOwnAttr(n, "paddingLeft", m_paddingLeft != 0, m_paddingLeft);
    cvnWriteOwnAttr(n, "paddingTop", m_paddingTop != 0, m_paddingTop);
    cvnWriteOwnAttr(n, "paddingRight", m_paddingRight != 0, m_paddingRight);
    cvnWriteOwnAttr(n, "paddingBottom", m_paddingBottom != 0, m_paddingBottom);
    cvnWriteOwnAttr(n, "absoluteDockAutoSize", m_absoluteDockAutoSize, true);
    cvnWriteOwnAttr(n, "drawBackground", !m_backgrounds.draw, 0);
}

void CVNQContainerImpl::relayout()
{
    m_relayoutPending = false; // this pass serves a scheduled one too
    if (m_childLayout != CVNQContainer::NoUse)
        layoutPass();
    scrollUpdate();
}

void CVNQContainerImpl::scheduleRelayout()
{
    // Many children added in one go need one relayout, not one each.
    if (m_relayoutPending || !m_owner)
        return;
    m_relayoutPending = true;
    QTimer::singleShot(0, m_owner, [this]() { runPendingRelayout(); });
}

void CVNQContainerImpl::runPendingRelayout()
{
    if (m_relayoutPending)
        relayout();
}

bool CVNQContainerImpl::isBoundBar(const QObject* o) const
{
    return o == m_hBar.data() || o == m_vBar.data();
}

void CVNQContainerImpl::watchChild(QWidget* child)
{
    if (!child || !m_owner || isBoundBar(child) || cvnIsBoundScrollBar(child))
        return;
    child->installEventFilter(m_owner);
}

void CVNQContainerImpl::unwatchChild(QObject* child)
{
    m_children.erase(child);
    if (child && m_owner)
        child->removeEventFilter(m_owner);
}

bool cvnIsBoundScrollBar(const QWidget* w)
{
    // Most widgets carry a few dynamic properties and none of them is this
    // one: looking through their names spares the walk through the
    // meta-object that property() starts with.
    return w && w->dynamicPropertyNames().contains(kCvnBoundScrollBarProperty) &&
           w->property(kCvnBoundScrollBarProperty).toBool();
}

} // namespace CVNQtLib

#include "moc_CVNQContainerImpl.cpp"
