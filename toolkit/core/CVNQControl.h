#pragma once

// The control boilerplate, written once. A control class reads:
//
//   // CVNQPushButton.h
//   class CVNQPushButtonImpl;
//   class CVNQ_EXPORT CVNQPushButton : public QPushButton, public ICVNQWidgetBase {
//       Q_OBJECT
//       CVNQ_DECLARE_CONTROL(CVNQPushButton, CVNQPushButtonImpl)
//       CVNQ_FORWARD_PAINT_EVENT()
//   public:
//       explicit CVNQPushButton(QWidget* parent = nullptr);
//       static ControlInfo getProps();
//       ...
//   };
//
//   // CVNQPushButton.cpp
//   CVNQ_IMPLEMENT_CONTROL(CVNQPushButton, CVNQPushButtonImpl, "qtbutton")
//   CVNQ_IMPLEMENT_PAINT_EVENT(CVNQPushButton)
//   CVNQPushButton::CVNQPushButton(QWidget* parent) : QPushButton(parent)
//   {
//       m_impl.reset(new CVNQPushButtonImpl(this, typeName()));
//       m_impl->applyTheme();
//   }
//
// The declaring macro adds the Qt property jsonData, the 27 interface
// operations (forwarding to the embedded common part or the implementation
// object), typeName(), create<Class>(), getInnerTypeName(), getThemeName(),
// setInnerVisible()/getInnerVisible(), get/setDelegateItemVisible() and the
// toolkit's virtual setGeometry(const QRect&); and the members, in order,
// m_impl (owned implementation object), m_jsonData and m_base (the common
// part, built with the control as owner). The interface's JSON operations
// restore the theme-applying flag when they return.
//
// Event forwarding is opt-in because controls differ in the order of Qt's
// and the implementation's handlers: CVNQ_FORWARD_MOUSE_EVENTS() in the class
// and CVNQ_IMPLEMENT_MOUSE_EVENTS(Class, QtBase) in its .cpp run QtBase's
// handler and then the implementation's for press, release, move, enter and
// leave; CVNQ_FORWARD_PAINT_EVENT() with CVNQ_IMPLEMENT_PAINT_EVENT(Class)
// paints through the implementation's paint().
//
// Everything the macros define lives in the control's .cpp, so this header
// needs neither the implementation classes nor JsonCpp's headers; the .cpp
// includes them (CVNQWidgetBaseImpl.h, CVNQControlInfo.h, CVNJson.h).

#include "CVNQGlobal.h"
#include "CVNQOutlives.h"
#include "CVNQStyleDefs.h"
#include "CVNQTypes.h"
#include "CVNQWidgetBase.h"
#include "ICVNQWidgetBase.h"

#include <QRect>
#include <QString>
#include <QWidget>
#include <memory>
#include <new>

class QEvent;
class QMouseEvent;
class QPaintEvent;

namespace CVNQtLib {

struct ControlInfo;

// Shared bodies of the boilerplate (kept out of the macros so every control
// runs the same code).
namespace ControlCommon {
// readJsonValue / serializeJsonValue: the common part, then the
// implementation's routine; the theme-applying flag is restored afterwards.
CVNQ_EXPORT bool serialize(CVNQWidgetBase& base, CVNQWidgetBaseImpl* impl, Json::Value* node, bool read);
// setJsonData: only the first non-empty text is parsed and applied.
CVNQ_EXPORT void setJsonData(ICVNQWidgetBase* control, QString& stored, const QString& text);
// "visibility" property accessors of the designer's Visibility row.
CVNQ_EXPORT void setInnerVisible(QWidget* owner, bool visible);
CVNQ_EXPORT bool getInnerVisible(const QWidget* owner);
// The forwarded event handlers: the implementation's, when there is one.
CVNQ_EXPORT void paint(ICVNQWidgetBase* control);
CVNQ_EXPORT void mousePress(ICVNQWidgetBase* control, QMouseEvent* event);
CVNQ_EXPORT void mouseRelease(ICVNQWidgetBase* control, QMouseEvent* event);
CVNQ_EXPORT void mouseMove(ICVNQWidgetBase* control, QMouseEvent* event);
CVNQ_EXPORT void enter(ICVNQWidgetBase* control, QEvent* event);
CVNQ_EXPORT void leave(ICVNQWidgetBase* control, QEvent* event);
} // namespace ControlCommon

} // namespace CVNQtLib

// In the class body, right after Q_OBJECT.
#define CVNQ_DECLARE_CONTROL(Class, ImplClass)                                                                         \
    Q_PROPERTY(QString jsonData READ jsonData WRITE setJsonData)                                                       \
public:                                                                                                                \
    static const char* typeName();                                                                                     \
    static QWidget* create##Class();                                                                                   \
    CVNQtLib::CVNQWidgetBase* getControlBase() override;                                                               \
    bool readJsonValue(void* node) override;                                                                           \
    void setLayoutRatio(int ratio) override;                                                                           \
    int getLayoutRatio() const override;                                                                               \
    void setWidthPolicy(CVNQtLib::LayoutSizePolicy policy) override;                                                   \
    CVNQtLib::LayoutSizePolicy getWidthPolicy() const override;                                                        \
    void setHeightPolicy(CVNQtLib::LayoutSizePolicy policy) override;                                                  \
    CVNQtLib::LayoutSizePolicy getHeightPolicy() const override;                                                       \
    void setAbsoluteLayout(bool absolute) override;                                                                    \
    bool getAbsoluteLayout() const override;                                                                           \
    void setAbsoluteDock(CVNQtLib::DockLayoutType hor, CVNQtLib::DockLayoutType ver, int offsetX, int offsetY)         \
        override;                                                                                                      \
    void getAbsoluteDock(CVNQtLib::DockLayoutType& hor, CVNQtLib::DockLayoutType& ver, int& offsetX, int& offsetY)     \
        const override;                                                                                                \
    void getAbsoluteDock(CVNQtLib::DockLayoutType& hor, CVNQtLib::DockLayoutType& ver) const override;                 \
    void getLayoutData(void*& data) const override;                                                                    \
    void setGeometry(int x, int y, int w, int h) override;                                                             \
    void setOpacity(int opacity) override;                                                                             \
    int getOpacity() const override;                                                                                   \
    CVNQtLib::LayoutType getLayoutType() const override;                                                               \
    QString getTypeName() const override;                                                                              \
    CVNQtLib::CVNQWidgetBaseImpl* getControlImpl() override;                                                           \
    void createComplete() override;                                                                                    \
    void resizeWidget() override;                                                                                      \
    void notifyChangeLanguage() override;                                                                              \
    bool serializeJsonValue(Json::Value* node, bool read) override;                                                    \
    void setThemeName(const QString& name) override;                                                                   \
    QString jsonData() const override;                                                                                 \
    void setJsonData(const QString& text) override;                                                                    \
    QString getInnerTypeName() const;                                                                                  \
    QString getThemeName() const;                                                                                      \
    void setInnerVisible(bool visible);                                                                                \
    bool getInnerVisible() const;                                                                                      \
    bool getDelegateItemVisible() const;                                                                               \
    void setDelegateItemVisible(bool visible);                                                                         \
    virtual void setGeometry(const QRect& rect);                                                                       \
                                                                                                                       \
protected:                                                                                                             \
    std::unique_ptr<ImplClass> m_impl;                                                                                 \
    QString m_jsonData;                                                                                                \
    CVNQtLib::CVNQWidgetBase m_base{this};                                                                             \
                                                                                                                       \
private:

// In the class body; CVNQ_IMPLEMENT_MOUSE_EVENTS in the .cpp.
#define CVNQ_FORWARD_MOUSE_EVENTS()                                                                                    \
protected:                                                                                                             \
    void mousePressEvent(QMouseEvent* event) override;                                                                 \
    void mouseReleaseEvent(QMouseEvent* event) override;                                                               \
    void mouseMoveEvent(QMouseEvent* event) override;                                                                  \
    void enterEvent(QEvent* event) override;                                                                           \
    void leaveEvent(QEvent* event) override;                                                                           \
                                                                                                                       \
private:

// In the class body; CVNQ_IMPLEMENT_PAINT_EVENT in the .cpp.
#define CVNQ_FORWARD_PAINT_EVENT()                                                                                     \
protected:                                                                                                             \
    void paintEvent(QPaintEvent* event) override;                                                                      \
                                                                                                                       \
private:

// In the .cpp: Qt's handler first, then the implementation's. Qt's button
// handlers emit signals whose slots may delete the control.
#define CVNQ_IMPLEMENT_MOUSE_EVENTS(Class, QtBase)                                                                     \
    void Class::mousePressEvent(QMouseEvent* event)                                                                    \
    {                                                                                                                  \
        if (CVNQtLib::cvnOutlives(this, [&] { QtBase::mousePressEvent(event); }))                                      \
            CVNQtLib::ControlCommon::mousePress(this, event);                                                          \
    }                                                                                                                  \
    void Class::mouseReleaseEvent(QMouseEvent* event)                                                                  \
    {                                                                                                                  \
        if (CVNQtLib::cvnOutlives(this, [&] { QtBase::mouseReleaseEvent(event); }))                                    \
            CVNQtLib::ControlCommon::mouseRelease(this, event);                                                        \
    }                                                                                                                  \
    void Class::mouseMoveEvent(QMouseEvent* event)                                                                     \
    {                                                                                                                  \
        if (CVNQtLib::cvnOutlives(this, [&] { QtBase::mouseMoveEvent(event); }))                                       \
            CVNQtLib::ControlCommon::mouseMove(this, event);                                                           \
    }                                                                                                                  \
    void Class::enterEvent(QEvent* event)                                                                              \
    {                                                                                                                  \
        QtBase::enterEvent(event);                                                                                     \
        CVNQtLib::ControlCommon::enter(this, event);                                                                   \
    }                                                                                                                  \
    void Class::leaveEvent(QEvent* event)                                                                              \
    {                                                                                                                  \
        QtBase::leaveEvent(event);                                                                                     \
        CVNQtLib::ControlCommon::leave(this, event);                                                                   \
    }

// In the .cpp: paintEvent runs the implementation's shared paint().
#define CVNQ_IMPLEMENT_PAINT_EVENT(Class)                                                                              \
    void Class::paintEvent(QPaintEvent*)                                                                               \
    {                                                                                                                  \
        CVNQtLib::ControlCommon::paint(this);                                                                          \
    }

// In the control's .cpp, after including the implementation class.
#define CVNQ_IMPLEMENT_CONTROL(Class, ImplClass, TypeNameText)                                                         \
    const char* Class::typeName()                                                                                      \
    {                                                                                                                  \
        return TypeNameText;                                                                                           \
    }                                                                                                                  \
    QWidget* Class::create##Class()                                                                                    \
    {                                                                                                                  \
        return new (std::nothrow) Class(nullptr);                                                                      \
    }                                                                                                                  \
    CVNQtLib::CVNQWidgetBase* Class::getControlBase()                                                                  \
    {                                                                                                                  \
        return &m_base;                                                                                                \
    }                                                                                                                  \
    bool Class::readJsonValue(void* node)                                                                              \
    {                                                                                                                  \
        if (!m_impl)                                                                                                   \
            return false;                                                                                              \
        return CVNQtLib::ControlCommon::serialize(m_base, m_impl.get(), static_cast<Json::Value*>(node), true);        \
    }                                                                                                                  \
    void Class::setLayoutRatio(int ratio)                                                                              \
    {                                                                                                                  \
        m_base.setLayoutRatio(ratio);                                                                                  \
    }                                                                                                                  \
    int Class::getLayoutRatio() const                                                                                  \
    {                                                                                                                  \
        return m_base.getLayoutRatio();                                                                                \
    }                                                                                                                  \
    void Class::setWidthPolicy(CVNQtLib::LayoutSizePolicy policy)                                                      \
    {                                                                                                                  \
        m_base.setWidthPolicy(policy);                                                                                 \
    }                                                                                                                  \
    CVNQtLib::LayoutSizePolicy Class::getWidthPolicy() const                                                           \
    {                                                                                                                  \
        return m_base.getWidthPolicy();                                                                                \
    }                                                                                                                  \
    void Class::setHeightPolicy(CVNQtLib::LayoutSizePolicy policy)                                                     \
    {                                                                                                                  \
        m_base.setHeightPolicy(policy);                                                                                \
    }                                                                                                                  \
    CVNQtLib::LayoutSizePolicy Class::getHeightPolicy() const                                                          \
    {                                                                                                                  \
        return m_base.getHeightPolicy();                                                                               \
    }                                                                                                                  \
    void Class::setAbsoluteLayout(bool absolute)                                                                       \
    {                                                                                                                  \
        m_base.setAbsoluteLayout(absolute);                                                                            \
    }                                                                                                                  \
    bool Class::getAbsoluteLayout() const                                                                              \
    {                                                                                                                  \
        return m_base.getAbsoluteLayout();                                                                             \
    }                                                                                                                  \
    void Class::setAbsoluteDock(CVNQtLib::DockLayoutType hor, CVNQtLib::DockLayoutType ver, int offsetX, int offsetY)  \
    {                                                                                                                  \
        m_base.setAbsoluteDock(hor, ver, offsetX, offsetY);                                                            \
    }                                                                                                                  \
    void Class::getAbsoluteDock(CVNQtLib::DockLayoutType& hor, CVNQtLib::DockLayoutType& ver, int& offsetX,            \
                                int& offsetY) const                                                                    \
    {                                                                                                                  \
        m_base.getAbsoluteDock(hor, ver, offsetX, offsetY);                                                            \
    }                                                                                                                  \
    void Class::getAbsoluteDock(CVNQtLib::DockLayoutType& hor, CVNQtLib::DockLayoutType& ver) const                    \
    {                                                                                                                  \
        m_base.getAbsoluteDock(hor, ver);                                                                              \
    }                                                                                                                  \
    void Class::getLayoutData(void*& data) const                                                                       \
    {                                                                                                                  \
        m_base.getLayoutData(data);                                                                                    \
    }                                                                                                                  \
    void Class::setGeometry(int x, int y, int w, int h)                                                                \
    {                                                                                                                  \
        m_base.setGeometry(x, y, w, h);                                                                                \
    }                                                                                                                  \
    void Class::setOpacity(int opacity)                                                                                \
    {                                                                                                                  \
        m_base.setOpacity(opacity);                                                                                    \
    }                                                                                                                  \
    int Class::getOpacity() const                                                                                      \
    {                                                                                                                  \
        return m_base.getOpacity();                                                                                    \
    }                                                                                                                  \
    CVNQtLib::LayoutType Class::getLayoutType() const                                                                  \
    {                                                                                                                  \
        return m_base.getLayoutType();                                                                                 \
    }                                                                                                                  \
    QString Class::getTypeName() const                                                                                 \
    {                                                                                                                  \
        return QString::fromLatin1(typeName());                                                                        \
    }                                                                                                                  \
    CVNQtLib::CVNQWidgetBaseImpl* Class::getControlImpl()                                                              \
    {                                                                                                                  \
        return m_impl.get();                                                                                           \
    }                                                                                                                  \
    void Class::createComplete()                                                                                       \
    {                                                                                                                  \
        if (m_impl)                                                                                                    \
            m_impl->createComplete();                                                                                  \
    }                                                                                                                  \
    void Class::resizeWidget()                                                                                         \
    {                                                                                                                  \
        m_base.resizeWidget();                                                                                         \
    }                                                                                                                  \
    void Class::notifyChangeLanguage()                                                                                 \
    {                                                                                                                  \
        if (m_impl)                                                                                                    \
            m_impl->notifyChangeLanguage();                                                                            \
    }                                                                                                                  \
    bool Class::serializeJsonValue(Json::Value* node, bool read)                                                       \
    {                                                                                                                  \
        return CVNQtLib::ControlCommon::serialize(m_base, m_impl.get(), node, read);                                   \
    }                                                                                                                  \
    void Class::setThemeName(const QString& name)                                                                      \
    {                                                                                                                  \
        m_base.setThemeName(name);                                                                                     \
    }                                                                                                                  \
    QString Class::jsonData() const                                                                                    \
    {                                                                                                                  \
        return m_jsonData;                                                                                             \
    }                                                                                                                  \
    void Class::setJsonData(const QString& text)                                                                       \
    {                                                                                                                  \
        CVNQtLib::ControlCommon::setJsonData(this, m_jsonData, text);                                                  \
    }                                                                                                                  \
    QString Class::getInnerTypeName() const                                                                            \
    {                                                                                                                  \
        return getTypeName();                                                                                          \
    }                                                                                                                  \
    QString Class::getThemeName() const                                                                                \
    {                                                                                                                  \
        return m_base.getThemeName();                                                                                  \
    }                                                                                                                  \
    void Class::setInnerVisible(bool visible)                                                                          \
    {                                                                                                                  \
        CVNQtLib::ControlCommon::setInnerVisible(this, visible);                                                       \
    }                                                                                                                  \
    bool Class::getInnerVisible() const                                                                                \
    {                                                                                                                  \
        return CVNQtLib::ControlCommon::getInnerVisible(this);                                                         \
    }                                                                                                                  \
    bool Class::getDelegateItemVisible() const                                                                         \
    {                                                                                                                  \
        return m_impl ? m_impl->getDelegateItemVisible() : true;                                                       \
    }                                                                                                                  \
    void Class::setDelegateItemVisible(bool visible)                                                                   \
    {                                                                                                                  \
        if (m_impl)                                                                                                    \
            m_impl->setDelegateItemVisible(visible);                                                                   \
    }                                                                                                                  \
    void Class::setGeometry(const QRect& rect)                                                                         \
    {                                                                                                                  \
        m_base.setGeometry(rect);                                                                                      \
    }
