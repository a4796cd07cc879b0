#pragma once

// The common part every control holds by value: layout record, size
// policies, absolute docking, opacity, and the common JSON attributes
// ("name", "tooltip", "visibility", "enable", geometry or "layout",
// docking, policies, minimum and maximum sizes).

#include "CVNJsonFwd.h"
#include "CVNQGlobal.h"
#include "CVNQTypes.h"

#include <QRect>
#include <QString>

class QWidget;

namespace CVNQtLib {

class CVNJsonMembers;
class CVNQWidgetBaseImpl;

class CVNQ_EXPORT CVNQWidgetBase
{
public:
    explicit CVNQWidgetBase(QWidget* owner);
    CVNQWidgetBase(const CVNQWidgetBase&) = default;
    CVNQWidgetBase& operator=(const CVNQWidgetBase&) = default;
    virtual ~CVNQWidgetBase() = default;

    const QWidget* getOwner() const { return m_owner; }

    // Ratio layout (type 0); r below 1 stores 1. Relayouts a parent container
    // (a hidden one once for many such calls, before it shows).
    void setLayoutRatio(int r);
    int getLayoutRatio() const;
    void setWidthPolicy(LayoutSizePolicy policy) { m_widthPolicy = policy; }
    LayoutSizePolicy getWidthPolicy() const { return m_widthPolicy; }
    void setHeightPolicy(LayoutSizePolicy policy) { m_heightPolicy = policy; }
    LayoutSizePolicy getHeightPolicy() const { return m_heightPolicy; }
    void setAbsoluteLayout(bool absolute) { m_absoluteLayout = absolute; }
    bool getAbsoluteLayout() const { return m_absoluteLayout; }
    // Turns absolute docking on; anchors are clamped to 0..2.
    void setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX, int offsetY);
    void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver, int& offsetX, int& offsetY) const;
    void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver) const;
    // Null unless the layout type is 0 or 1; then the address of the record
    // (the ratio, or x, y, w, h), which the container may write directly.
    void getLayoutData(void*& data) const;
    void setGeometry(int x, int y, int w, int h);
    void setGeometry(const QRect& r);
    // Repaints the owner only when the value changes.
    void setOpacity(int opacity);
    int getOpacity() const { return m_opacity; }
    LayoutType getLayoutType() const { return m_layoutType; }

    // Theme key of the owner's implementation object; empty without one.
    QString getThemeName() const;
    // Points the control at another theme entry and applies it, only when a
    // theme is loaded and the resource manager is not in designer mode.
    void setThemeName(const QString& name);
    // Applies the control's theme entry again.
    void refreshTheme();
    // Re-applies the control's own absolute layout; a top-level container
    // fills its window.
    void resizeWidget();
    // A new control of the owner's type under the owner's parent; the
    // argument is not used.
    QWidget* cloneWidget(const QString& unused = QString());

    void LoadLayout(const Json::Value& node);
    void SaveLayout(Json::Value& node);

    // The common JSON routine (nothing for a null node or a menu owner).
    // Reading does nothing while a theme entry is being applied.
    virtual void serializeJsonValue(Json::Value* node, bool read);

private:
    void loadLayout(const CVNJsonMembers& node);

    int m_opacity = 255;
    LayoutSizePolicy m_widthPolicy = LayoutSizePolicyUnset;
    LayoutSizePolicy m_heightPolicy = LayoutSizePolicyUnset;
    bool m_absoluteLayout = false;
    DockLayoutType m_dockHor = DockNear;
    DockLayoutType m_dockVer = DockNear;
    int m_dockOffsetX = 0;
    int m_dockOffsetY = 0;
    LayoutType m_layoutType = LayoutTypeAbsolute;
    int m_layoutData[4] = {0, 0, 0, 0};
    QWidget* m_owner = nullptr;
};

// The implementation object stored in widget's "impl" property, or null.
CVNQ_EXPORT CVNQWidgetBaseImpl* cvnGetWidgetImpl(const QWidget* widget);

} // namespace CVNQtLib
