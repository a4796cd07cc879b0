#pragma once

// Base of every control's implementation object: the control's type name
// and theme key, the hover/press state machine that selects per-state
// styles, the common part of each control's JSON routine ("attr", "theme",
// "child"), the theme application every constructor ends with, and the
// painters all controls share (fill styles, nine-patch images, raster and
// SVG images, icons, horizontal and vertical text).

#include "CVNJsonFwd.h"
#include "CVNQGlobal.h"
#include "CVNQStyleDefs.h"
#include "CVNQTypes.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <initializer_list>
#include <map>
#include <string>

class QEvent;
class QIcon;
class QImage;
class QMouseEvent;
class QPainter;
class QWidget;

namespace CVNQtLib {

// One free-form attribute of a control's "attr" object. The tag records the
// JSON number kind it came from so that it is written back the same way.
struct CVNQ_EXPORT CVNQAttribute
{
    enum Tag : int
    {
        Bool = 0,
        String = 1,
        Int8 = 2,
        UInt8 = 3,
        Int16 = 4,
        UInt16 = 5,
        UInt32 = 6,
        Int32 = 7,
        Int64 = 8,
        UInt64 = 9,
        Float = 10,
        Double = 11,
        StringList = 12
    };
    int tag = Bool;
    QVariant value; // bool, QString, qint64, quint64, double or QStringList
};

// Saves the resource manager's theme-applying flag and restores it when the
// scope ends, so a JSON routine that switched to a theme entry never leaves
// the flag set behind it.
class CVNQ_EXPORT CVNQThemeFlagGuard
{
public:
    CVNQThemeFlagGuard();
    ~CVNQThemeFlagGuard();
    CVNQThemeFlagGuard(const CVNQThemeFlagGuard&) = delete;
    CVNQThemeFlagGuard& operator=(const CVNQThemeFlagGuard&) = delete;

private:
    bool m_saved;
};

class CVNQ_EXPORT CVNQWidgetBaseImpl : public QObject
{
    Q_OBJECT
public:
    // Stores itself in owner's dynamic property "impl".
    CVNQWidgetBaseImpl(QWidget* owner, const QString& typeName);
    ~CVNQWidgetBaseImpl() override;

    // Shared paint entry of the controls' paintEvent: a disabled owner paints
    // in state 3, an enabled one leaves state 3; then draw() over the owner.
    virtual void paint();
    // The control's look, painted into rect; also usable without a paint
    // event (item views draw template controls through it).
    virtual void draw(QPainter* painter, const QRect& rect);
    // Common JSON part of every implementation: "attr", "theme" and "child".
    // *node may be switched to a theme entry by "theme"; each control's own
    // routine calls this first, then reads its keys from **node.
    virtual bool serializeJsonValue(Json::Value** node, bool read);
    // The children of owner that the common part writes under "child", in
    // their written order.
    static QObjectList serializedChildren(const QWidget* owner);
    virtual void notifyChangeLanguage();
    virtual void createComplete();
    // The state machine: enter 1, leave 0 (3 when disabled), press 2,
    // release 1 or 0; each repaints the owner.
    virtual void mousePressEvent(QMouseEvent* event);
    virtual void mouseReleaseEvent(QMouseEvent* event);
    virtual void enterEvent(QEvent* event);
    virtual void leaveEvent(QEvent* event);
    virtual void mouseMoveEvent(QMouseEvent* event);
    virtual void mouseDoubleClickEvent(QMouseEvent* event);
    // The children written under "child", in the order a reader gives them
    // back: serializedChildren unless the control keeps an order of its own.
    virtual QObjectList childrenInWrittenOrder() const;

    // Feeds the theme entry of the theme key through the owner's JSON routine
    // (styles and attributes only), then schedules a repaint.
    void applyTheme();

    QWidget* getOwner() const { return m_owner; }
    const QString& getTypeName() const { return m_typeName; }
    const QString& getThemeName() const { return m_themeName; }
    void setThemeName(const QString& name) { m_themeName = name; }
    bool isHovered() const { return m_hovered; }
    void setHovered(bool hovered) { m_hovered = hovered; }
    CtrlState getState() const { return m_state; }
    void setState(CtrlState state) { m_state = state; }
    bool getDelegateItemVisible() const { return m_delegateItemVisible; }
    void setDelegateItemVisible(bool visible) { m_delegateItemVisible = visible; }

    // The "attr" map.
    const std::map<std::string, CVNQAttribute>& getAttributes() const { return m_attributes; }
    bool hasAttribute(const std::string& name) const { return m_attributes.count(name) != 0; }
    // The attribute's value, or an invalid QVariant.
    QVariant getAttribute(const std::string& name) const;
    void setAttribute(const std::string& name, int tag, const QVariant& value);
    void removeAttribute(const std::string& name) { m_attributes.erase(name); }

    // --- shared painters -------------------------------------------------
    // Nothing unless style.valid; a colour style or a nine-patch image.
    static void drawFillStyle(QPainter* painter, const FillStyle& style, const QRect& rect);
    static void drawFillStyleAt(QPainter* painter, const FillStyle& style, int x, int y, int w, int h);
    // Solid or gradient fill, rounded corners by corner flags, border sides
    // by side flags.
    static void drawStyleRect(QPainter* painter, const FillRes& fill, int x, int y, int w, int h);
    // Nine-patch image: margins fixed, edges and centre scaled (the centre
    // tiled with repeatCenter).
    static void paintNinePatchImage(QPainter* painter, const QString& image, const ImageDesc& desc, int x, int y, int w,
                                    int h);
    static void drawStyleImage(QPainter* painter, const QString& image, const ImageDesc& desc, int x, int y, int w,
                               int h)
    {
        paintNinePatchImage(painter, image, desc, x, y, w, h);
    }
    // An image by name (an ".svg" name through the SVG renderer, tinted or
    // gray; others unscaled from the image cache, gray on request) placed in
    // the rectangle by the placement's alignment and offsets.
    static void drawImage(QPainter* painter, const QString& image, const IconStyleDesc& placement, const QRect& rect,
                          bool gray = false);
    static void drawImageAt(QPainter* painter, const QString& image, const IconStyleDesc& placement, int x, int y,
                            int w, int h, bool gray = false);
    static void drawIcon(QPainter* painter, const QIcon& icon, const QSize& size, const IconStyleDesc& placement,
                         const QRect& rect);
    // An icon file as QIcon(path) shows it at size (aspect kept; an image
    // only scaled down), made once per file and size: an SVG comes from the
    // rendered-SVG cache, another image from the image cache.
    static void drawIconFile(QPainter* painter, const QString& path, const QSize& size, const IconStyleDesc& placement,
                             const QRect& rect);
    // Text with the style's font, colour, offsets and alignment; vertical
    // (rotated by 90 degrees) when the style's isHor is clear.
    static void drawText(QPainter* painter, const QString& text, const TextStyleDesc& style, const QRect& rect);
    static void drawTextAt(QPainter* painter, const QString& text, const TextStyleDesc& style, int x, int y, int w,
                           int h, bool isHor);

    // SVG: the renderer's scaled default size (16 x 16 when it has none);
    // raster: the image size. Invalid for an empty or unloadable name.
    static QSize getImageSize(const QString& name, bool gray = false);
    // Width and height of text in the style's font (the global font family
    // when one is set).
    static QSize getTextSize(const QString& text, const TextStyleDesc& style);
    // The font drawText uses for a style.
    static QFont fontForStyle(const TextStyleDesc& style);
    // The font the style's text shows in when drawn on a widget: a painter
    // on it takes what the style's font leaves unset (the size, for a style
    // without one) from the widget's font. Size hints measure in this, so
    // they measure what the paint draws.
    static QFont fontForStyle(const TextStyleDesc& style, const QWidget* on);
    // getTextSize in that font, on that widget's screen.
    static QSize getTextSize(const QString& text, const TextStyleDesc& style, const QWidget* on);
    // How much wider the text draws on that widget in the widest of the
    // styles than in the widget's own font, in which Qt's size hints of
    // buttons measure it; 0 when none draws wider. Added to such a hint, it
    // gives the room the drawn text needs.
    static int textWidening(const QWidget* on, const QString& text, std::initializer_list<TextStyleDesc> styles);
    // Hexadecimal text taken as a QRgb: the alpha byte is ignored, the
    // colour is opaque.
    static QColor hexToColor(const std::string& text);
    static bool isImageValid(const QImage& image);
    // A size scaled down by the resource manager's scale factor (below 1.0).
    static QSize scaleSize(const QSize& size);

protected:
    QString m_typeName;
    QString m_themeName;
    bool m_hovered = false;
    bool m_delegateItemVisible = true;
    CtrlState m_state = CtrlStateNormal;
    std::map<std::string, CVNQAttribute> m_attributes;
    QWidget* m_owner = nullptr;
};

} // namespace CVNQtLib
