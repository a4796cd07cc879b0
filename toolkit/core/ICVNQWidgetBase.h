#pragma once

// The interface every toolkit control implements, as the second base after
// its Qt widget class. Containers, the factory, the theme walk and the
// designer reach controls only through it (a dynamic_cast of a child
// QObject; a child that is not a control yields null).

#include "CVNJsonFwd.h"
#include "CVNQGlobal.h"
#include "CVNQTypes.h"

#include <QString>

namespace CVNQtLib {

class CVNQWidgetBase;
class CVNQWidgetBaseImpl;

class CVNQ_EXPORT ICVNQWidgetBase
{
public:
    virtual ~ICVNQWidgetBase() = default;

    // The embedded common part.
    virtual CVNQWidgetBase* getControlBase() = 0;
    // node is a Json::Value*: the common attributes, then the control's own
    // keys, all read. False when the control has no implementation object.
    virtual bool readJsonValue(void* node) = 0;
    virtual void setLayoutRatio(int ratio) = 0;
    virtual int getLayoutRatio() const = 0;
    virtual void setWidthPolicy(LayoutSizePolicy policy) = 0;
    virtual LayoutSizePolicy getWidthPolicy() const = 0;
    virtual void setHeightPolicy(LayoutSizePolicy policy) = 0;
    virtual LayoutSizePolicy getHeightPolicy() const = 0;
    virtual void setAbsoluteLayout(bool absolute) = 0;
    virtual bool getAbsoluteLayout() const = 0;
    virtual void setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX, int offsetY) = 0;
    virtual void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver, int& offsetX, int& offsetY) const = 0;
    virtual void getAbsoluteDock(DockLayoutType& hor, DockLayoutType& ver) const = 0;
    // Null unless the layout type is 0 (the ratio) or 1 (ints x, y, w, h).
    virtual void getLayoutData(void*& data) const = 0;
    // Records an absolute layout and sets the widget's geometry.
    virtual void setGeometry(int x, int y, int w, int h) = 0;
    virtual void setOpacity(int opacity) = 0;
    virtual int getOpacity() const = 0;
    virtual LayoutType getLayoutType() const = 0;
    virtual QString getTypeName() const = 0;
    virtual CVNQWidgetBaseImpl* getControlImpl() = 0;
    // Run by the tree builder after every child of the node was built.
    virtual void createComplete() = 0;
    virtual void resizeWidget() = 0;
    virtual void notifyChangeLanguage() = 0;
    // The common attributes, then the control's own keys; read or write.
    virtual bool serializeJsonValue(Json::Value* node, bool read) = 0;
    virtual void setThemeName(const QString& name) = 0;
    virtual QString jsonData() const = 0;
    // Only the first non-empty text is parsed and applied; every text is stored.
    virtual void setJsonData(const QString& text) = 0;
};

} // namespace CVNQtLib
