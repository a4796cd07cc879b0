#include "CVNQControl.h"

#include "CVNJson.h"
#include "CVNQOutlives.h"
#include "CVNQWidgetBaseImpl.h"

#include <QWidget>
#include <json/json.h>

namespace CVNQtLib {
namespace ControlCommon {

bool serialize(CVNQWidgetBase& base, CVNQWidgetBaseImpl* impl, Json::Value* node, bool read)
{
    // A "theme" key switches the node to a theme entry and sets the
    // theme-applying flag for the control's own keys; it must not outlive
    // this routine, or every later read would skip names and geometry.
    CVNQThemeFlagGuard guard;
    // The control's attributes of the wrong type are reported as read.
    CVNJsonWrongTypeScope wrongTypes(read);
    base.serializeJsonValue(node, read);
    if (!impl)
        return false;
    Json::Value* current = node;
    bool result = false;
    QWidget* owner = impl->getOwner();
    // A slot reached from the read may delete the control. What was read
    // shows at once: many keys are read into the fields themselves, past
    // the setters that would ask for the repaint, or tell a layout of the
    // size the control now asks for.
    if (cvnOutlives(owner, [&] { result = impl->serializeJsonValue(&current, read); }) && read) {
        owner->update();
        owner->updateGeometry();
    }
    return result;
}

void setJsonData(ICVNQWidgetBase* control, QString& stored, const QString& text)
{
    if (text == stored)
        return;
    const bool first = stored.isEmpty();
    // Stored before the read: a slot reached from the read may delete the
    // control, and with it the string.
    stored = text;
    if (first && !text.isEmpty()) {
        Json::Value node;
        if (jsonParse(text.toUtf8(), node) && node.isObject())
            control->readJsonValue(&node);
    }
}

void setInnerVisible(QWidget* owner, bool visible)
{
    owner->setProperty("visibility", visible);
    owner->setVisible(visible);
}

bool getInnerVisible(const QWidget* owner)
{
    // A control never hidden by JSON or the designer has no property: visible.
    const QVariant v = owner->property("visibility");
    return v.isValid() ? v.toBool() : true;
}

void paint(ICVNQWidgetBase* control)
{
    if (CVNQWidgetBaseImpl* impl = control->getControlImpl())
        impl->paint();
}

void mousePress(ICVNQWidgetBase* control, QMouseEvent* event)
{
    if (CVNQWidgetBaseImpl* impl = control->getControlImpl())
        impl->mousePressEvent(event);
}

void mouseRelease(ICVNQWidgetBase* control, QMouseEvent* event)
{
    if (CVNQWidgetBaseImpl* impl = control->getControlImpl())
        impl->mouseReleaseEvent(event);
}

void mouseMove(ICVNQWidgetBase* control, QMouseEvent* event)
{
    if (CVNQWidgetBaseImpl* impl = control->getControlImpl())
        impl->mouseMoveEvent(event);
}

void enter(ICVNQWidgetBase* control, QEvent* event)
{
    if (CVNQWidgetBaseImpl* impl = control->getControlImpl())
        impl->enterEvent(event);
}

void leave(ICVNQWidgetBase* control, QEvent* event)
{
    if (CVNQWidgetBaseImpl* impl = control->getControlImpl())
        impl->leaveEvent(event);
}

} // namespace ControlCommon
} // namespace CVNQtLib
