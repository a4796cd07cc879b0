#include "CVNQWidgetBase.h"

#include "CVNJson.h"
#include "CVNQControlFactory.h"
#include "CVNQResourceManager.h"
#include "CVNQWidgetBaseImpl.h"
#include "CVNQtLib.h"
#include "ICVNQLayoutContainer.h"
#include "ICVNQPageFrame.h"
#include "ICVNQWidgetBase.h"

#include <QMenu>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace CVNQtLib {

namespace {

int clampDock(int v)
{
    return qBound<int>(DockNear, v, DockFar);
}

// The rectangle Qt is given: its right and bottom edges must fit in int,
// and no widget is larger than Qt's widget size range anyway.
QRect widgetRect(int x, int y, int w, int h)
{
    return QRect(cvnClampToWidgetRange(x), cvnClampToWidgetRange(y), cvnClampToWidgetRange(w),
                 cvnClampToWidgetRange(h));
}

// The keys of the common part, looked up in one walk over a node.
enum CommonKey
{
    KeyName,
    KeyTooltip,
    KeyVisibility,
    KeyEnable,
    KeyLayout,
    KeyX,
    KeyY,
    KeyW,
    KeyH,
    KeyDockHor,
    KeyDockVer,
    KeyDockOffsetX,
    KeyDockOffsetY,
    KeyAbsoluteLayout,
    KeyWidthPolicy,
    KeyHeightPolicy,
    KeyMinWidth,
    KeyMinHeight,
    KeyMaxWidth,
    KeyMaxHeight,
    KeyCount
};

const char* const kCommonKeys[KeyCount] = {"name",
                                           "tooltip",
                                           "visibility",
                                           "enable",
                                           "layout",
                                           "x",
                                           "y",
                                           "w",
                                           "h",
                                           "absoluteDockHor",
                                           "absoluteDockVer",
                                           "absoluteDockOffsetX",
                                           "absoluteDockOffsetY",
                                           "absoluteLayout",
                                           "widthPolicy",
                                           "heightPolicy",
                                           "minWidth",
                                           "minHeight",
                                           "maxWidth",
                                           "maxHeight"};

// A position or length read from a page file.
bool readLength(const CVNJsonMembers& node, int key, int& out)
{
    if (!node.read(key, out))
        return false;
    out = cvnClampToWidgetRange(out);
    return true;
}

} // namespace

CVNQWidgetBaseImpl* cvnGetWidgetImpl(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    const QVariant v = widget->property("impl");
    if (v.userType() != QMetaType::VoidStar)
        return nullptr;
    return static_cast<CVNQWidgetBaseImpl*>(v.value<void*>());
}

CVNQWidgetBase::CVNQWidgetBase(QWidget* owner)
    : m_owner(owner)
{}

void CVNQWidgetBase::setLayoutRatio(int r)
{
    m_layoutType = LayoutTypeRatio;
    m_layoutData[0] = r > 0 ? r : 1;
    QWidget* parent = m_owner ? m_owner->parentWidget() : nullptr;
    if (ICVNQLayoutContainer* container = dynamic_cast<ICVNQLayoutContainer*>(parent))
        container->relayoutForChild();
}

int CVNQWidgetBase::getLayoutRatio() const
{
    if (m_layoutType != LayoutTypeRatio)
        return 1;
    return m_layoutData[0] < 1 ? 1 : m_layoutData[0];
}

void CVNQWidgetBase::setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX, int offsetY)
{
    m_absoluteLayout = true;
    m_dockHor = clampDock(hor);
    m_dockVer = clampDock(ver);
    m_dockOffsetX = offsetX;
    m_dockOffsetY = offsetY;
}

void CVNQWidgetBase::getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver, int& offsetX, int& offsetY) const
{
    hor = m_dockHor;
    ver = m_dockVer;
    offsetX = m_dockOffsetX;
    offsetY = m_dockOffsetY;
}

void CVNQWidgetBase::getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver) const
{
    hor = m_dockHor;
    ver = m_dockVer;
}

void CVNQWidgetBase::getLayoutData(void*& data) const
{
    data = nullptr;
    if (m_layoutType == LayoutTypeRatio || m_layoutType == LayoutTypeAbsolute)
        data = const_cast<int*>(m_layoutData);
}

void CVNQWidgetBase::setGeometry(int x, int y, int w, int h)
{
    m_layoutType = LayoutTypeAbsolute;
    m_layoutData[0] = x;
    m_layoutData[1] = y;
    m_layoutData[2] = w;
    m_layoutData[3] = h;
    if (m_owner)
        m_owner->QWidget::setGeometry(widgetRect(x, y, w, h));
}

void CVNQWidgetBase::setGeometry(const QRect& r)
{
    setGeometry(r.left(), r.top(), r.width(), r.height());
}

void CVNQWidgetBase::setOpacity(int opacity)
{
    opacity = qBound(0, opacity, 255); // an alpha
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    if (m_owner)
        m_owner->update();
}

QString CVNQWidgetBase::getThemeName() const
{
    CVNQWidgetBaseImpl* impl = cvnGetWidgetImpl(m_owner);
    return impl ? impl->getThemeName() : QString();
}

void CVNQWidgetBase::setThemeName(const QString& name)
{
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    if (!rm->getThemeManagerIml() || rm->isDesigner())
        return;
    CVNQWidgetBaseImpl* impl = cvnGetWidgetImpl(m_owner);
    if (!impl)
        return;
    impl->setThemeName(name);
    refreshTheme();
}

void CVNQWidgetBase::refreshTheme()
{
    if (CVNQWidgetBaseImpl* impl = cvnGetWidgetImpl(m_owner))
        impl->applyTheme();
}

void CVNQWidgetBase::resizeWidget()
{
    if (!m_owner)
        return;
    QWidget* parent = m_owner->parentWidget();
    if (!parent)
        return;
    if (dynamic_cast<ICVNQLayoutContainer*>(m_owner) && (dynamic_cast<ICVNQPageFrame*>(parent) || parent->isWindow()) &&
        (m_layoutType == LayoutTypeUnset || m_layoutType == LayoutTypeAbsolute)) {
        // A page's top container fills its window.
        setGeometry(0, 0, parent->width(), parent->height());
        return;
    }
    if (m_layoutType == LayoutTypeAbsolute)
        m_owner->QWidget::setGeometry(widgetRect(m_layoutData[0], m_layoutData[1], m_layoutData[2], m_layoutData[3]));
}

QWidget* CVNQWidgetBase::cloneWidget(const QString&)
{
    const ICVNQWidgetBase* control = dynamic_cast<const ICVNQWidgetBase*>(m_owner);
    if (!control)
        return nullptr;
    const QByteArray type = control->getTypeName().toUtf8();
    return createControl(type.constData(), Json::Value(), m_owner->parentWidget());
}

void CVNQWidgetBase::LoadLayout(const Json::Value& node)
{
    loadLayout(CVNJsonMembers(node, kCommonKeys, KeyCount));
}

void CVNQWidgetBase::loadLayout(const CVNJsonMembers& node)
{
    const Json::Value& layout = node.get(KeyLayout);
    LayoutType type = LayoutTypeRatio;
    jsonRead(layout, "type", type);
    if (type == LayoutTypeRatio) {
        m_layoutType = LayoutTypeRatio;
        int ratio = 1;
        jsonRead(layout, "ratio", ratio);
        m_layoutData[0] = ratio;
        return;
    }
    m_layoutType = LayoutTypeAbsolute;
    if (type != LayoutTypeAbsolute)
        return;
    int x = 0, y = 0;
    int w = m_owner ? m_owner->width() : 0;
    int h = m_owner ? m_owner->height() : 0;
    readLength(node, KeyX, x);
    readLength(node, KeyY, y);
    readLength(node, KeyW, w);
    readLength(node, KeyH, h);
    setGeometry(x, y, cvnBoundedSide(w), cvnBoundedSide(h));
}

void CVNQWidgetBase::SaveLayout(Json::Value& node)
{
    if (m_layoutType == LayoutTypeRatio) {
        Json::Value layout(Json::objectValue);
        layout["type"] = LayoutTypeRatio;
        layout["ratio"] = m_layoutData[0];
        jsonMember(node, "layout") = layout;
        return;
    }
    m_layoutType = LayoutTypeAbsolute;
    if (cvnIsInDesigner() && m_owner) {
        const QRect g = m_owner->geometry();
        m_layoutData[0] = g.x();
        m_layoutData[1] = g.y();
        m_layoutData[2] = g.width();
        m_layoutData[3] = g.height();
    }
    if (m_layoutData[0] != 0)
        jsonMember(node, "x") = m_layoutData[0];
    if (m_layoutData[1] != 0)
        jsonMember(node, "y") = m_layoutData[1];
    jsonMember(node, "w") = m_layoutData[2];
    jsonMember(node, "h") = m_layoutData[3];
}

void CVNQWidgetBase::serializeJsonValue(Json::Value* node, bool read)
{
    // A pop-up menu's node has no common part.
    if (!node || !m_owner || qobject_cast<const QMenu*>(m_owner))
        return;
    Json::Value& n = *node;

    if (!read) {
        if (const ICVNQWidgetBase* control = dynamic_cast<const ICVNQWidgetBase*>(m_owner))
            jsonMember(n, "type") = jsonUtf8(control->getTypeName());
        jsonMember(n, "name") = jsonUtf8(m_owner->objectName());
        if (!m_owner->toolTip().isEmpty())
            jsonMember(n, "tooltip") = jsonUtf8(m_owner->toolTip());
        // A control that no JSON or designer ever hid has no property: visible.
        const QVariant visibility = m_owner->property("visibility");
        if (visibility.isValid() && !visibility.toBool())
            jsonMember(n, "visibility") = false;
        // Only an explicit disable is the control's own; a disabled parent is not.
        if (m_owner->testAttribute(Qt::WA_Disabled))
            jsonMember(n, "enable") = false;
        if (m_absoluteLayout) {
            jsonMember(n, "absoluteLayout") = true;
            if (m_dockHor != DockNear)
                jsonMember(n, "absoluteDockHor") = m_dockHor;
            if (m_dockVer != DockNear)
                jsonMember(n, "absoluteDockVer") = m_dockVer;
            if (m_dockOffsetX != 0)
                jsonMember(n, "absoluteDockOffsetX") = m_dockOffsetX;
            if (m_dockOffsetY != 0)
                jsonMember(n, "absoluteDockOffsetY") = m_dockOffsetY;
        }
        if (m_widthPolicy != LayoutSizePolicyUnset)
            jsonMember(n, "widthPolicy") = m_widthPolicy;
        if (m_heightPolicy != LayoutSizePolicyUnset)
            jsonMember(n, "heightPolicy") = m_heightPolicy;
        if (m_owner->minimumWidth() > 0)
            jsonMember(n, "minWidth") = m_owner->minimumWidth();
        if (m_owner->minimumHeight() > 0)
            jsonMember(n, "minHeight") = m_owner->minimumHeight();
        if (m_owner->maximumWidth() != QWIDGETSIZE_MAX)
            jsonMember(n, "maxWidth") = m_owner->maximumWidth();
        if (m_owner->maximumHeight() != QWIDGETSIZE_MAX)
            jsonMember(n, "maxHeight") = m_owner->maximumHeight();
        SaveLayout(n);
        return;
    }

    // A theme entry never changes a control's name, geometry or visibility.
    if (CVNQResourceManager::getInstance()->isLoadFromThemeRes())
        return;

    const CVNJsonMembers keys(n, kCommonKeys, KeyCount);
    QString text;
    if (keys.read(KeyName, text))
        m_owner->setObjectName(text);
    if (keys.read(KeyTooltip, text))
        m_owner->setToolTip(text);

    m_owner->setVisible(true);
    bool visible = true;
    if (keys.read(KeyVisibility, visible))
        m_owner->setVisible(visible);
    m_owner->setProperty("visibility", visible);

    bool enable = true;
    if (keys.read(KeyEnable, enable))
        m_owner->setEnabled(enable);

    // A "layout" that is no object (nor null) counts as absent.
    const Json::Value& layout = keys.get(KeyLayout);
    if (keys.has(KeyLayout) && (layout.isObject() || layout.isNull())) {
        loadLayout(keys);
    } else {
        m_layoutType = LayoutTypeAbsolute;
        for (int i = 0; i < 4; ++i) {
            m_layoutData[i] = 0;
            readLength(keys, KeyX + i, m_layoutData[i]);
        }
        m_layoutData[2] = cvnBoundedSide(m_layoutData[2]);
        m_layoutData[3] = cvnBoundedSide(m_layoutData[3]);
    }

    // Any docking key (of a number type) turns docking on, unless
    // "absoluteLayout" says otherwise.
    int dock[4] = {0, 0, 0, 0};
    m_absoluteLayout = false;
    for (int i = 0; i < 4; ++i)
        if (readLength(keys, KeyDockHor + i, dock[i]))
            m_absoluteLayout = true;
    keys.read(KeyAbsoluteLayout, m_absoluteLayout);
    m_dockHor = clampDock(dock[0]);
    m_dockVer = clampDock(dock[1]);
    m_dockOffsetX = dock[2];
    m_dockOffsetY = dock[3];

    int v = 0;

    if (keys.read(KeyWidthPolicy, v))
        m_widthPolicy = (v == 0 || v == 1) ? v : -1;
    if (keys.read(KeyHeightPolicy, v))
        m_heightPolicy = (v == 0 || v == 1) ? v : -1;

    // Below 1 means 0; Qt takes nothing above its maximum widget size, and
    // a minimum is a size the control will have, so it is bounded like one.
    auto limit = [](int value) { return value < 1 ? 0 : std::min(value, QWIDGETSIZE_MAX); };
    if (keys.read(KeyMinWidth, v))
        m_owner->setMinimumWidth(cvnBoundedSide(limit(v)));
    if (keys.read(KeyMinHeight, v))
        m_owner->setMinimumHeight(cvnBoundedSide(limit(v)));
    if (keys.read(KeyMaxWidth, v))
        m_owner->setMaximumWidth(limit(v));
    if (keys.read(KeyMaxHeight, v))
        m_owner->setMaximumHeight(limit(v));
}

} // namespace CVNQtLib
