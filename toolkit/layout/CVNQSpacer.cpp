#include "CVNQSpacer.h"

#include "CVNQAttrJson.h"
#include "CVNQContainer.h"
#include "CVNJson.h"
#include "CVNQControlInfo.h"
#include "CVNQSpacerImpl.h"

#include <algorithm>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQSpacer, CVNQSpacerImpl, "qtspacer")
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQSpacer)

CVNQSpacerImpl::CVNQSpacerImpl(CVNQSpacer* owner)
    : CVNQControlImpl(owner, QString::fromLatin1(CVNQSpacer::typeName()))
{}

static CVNQSpacer::Direction toDirection(int value)
{
    return (value < 0 || value > 2) ? CVNQSpacer::Auto : CVNQSpacer::Direction(value);
}

void CVNQSpacerImpl::readJson(const Json::Value& n)
{
    if (jsonHasMember(n, "attr")) {
        const Json::Value& attr = jsonGet(n, "attr");
        int d = int(direction);
        if (jsonRead(attr, "direction", d))
            direction = toDirection(d);
        jsonRead(attr, "thickness", thickness);
        thickness = std::max(thickness, 0);
    }
}

void CVNQSpacerImpl::writeJson(Json::Value& n) const
{
    cvnWriteOwnAttr(n, "direction", direction != CVNQSpacer::Auto, int(direction));
    cvnWriteOwnAttr(n, "thickness", thickness != 0, thickness);
    cvnDropEmptyAttr(n);
}

CVNQSpacer::CVNQSpacer(QWidget* parent)
    : QWidget(parent)
{
    m_impl.reset(new CVNQSpacerImpl(this));
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_MouseTracking, false);
    setMinimumSize(0, 0);
    m_impl->applyTheme();
}

CVNQSpacer::~CVNQSpacer() = default;

ControlInfo CVNQSpacer::getProps()
{
    ControlInfo info = cvnMakeControlInfo(typeName(), "Spacer", "Elastic spacer", "CVNQSpacer", "container");
    info.properties.push_back(cvnIntRow<CVNQSpacer>(QStringLiteral("Direction"), PropChoice, &CVNQSpacer::setDirection,
                                                    &CVNQSpacer::getDirection,
                                                    cvnChoices({{0, "Auto"}, {1, "Horizontal"}, {2, "Vertical"}})));
    info.properties.push_back(cvnIntRow<CVNQSpacer>(QStringLiteral("Thickness"), PropInt, &CVNQSpacer::setThickness,
                                                    &CVNQSpacer::getThickness));
    return info;
}

void CVNQSpacer::setDirection(Direction d)
{
    // Taken as unsigned: anything negative is out of range too.
    m_impl->direction = toDirection(int(d));
    if (CVNQContainer* c = qobject_cast<CVNQContainer*>(parentWidget()))
        c->forceResize();
}

CVNQSpacer::Direction CVNQSpacer::getDirection() const
{
    return m_impl->direction;
}

void CVNQSpacer::setThickness(int t)
{
    m_impl->thickness = std::max(t, 0);
    if (CVNQContainer* c = qobject_cast<CVNQContainer*>(parentWidget()))
        c->forceResize();
}

int CVNQSpacer::getThickness() const
{
    return m_impl->thickness;
}

} // namespace CVNQtLib

#include "moc_CVNQSpacer.cpp"
#include "moc_CVNQSpacerImpl.cpp"
