#include "CVNQCanvasWindow.h"

#include "CVNQCanvasImpl.h"

#include "CVNJson.h"
#include "CVNQControlInfo.h"
#include "CVNQPageSource.h"
#include "CVNQtLib.h"
#include "ICVNQWidgetBase.h"

#include <QVariant>
#include <new>

namespace CVNQtLib {

namespace {

bool shownFlag(const QWidget* w)
{
    return w->property("visibility").toBool();
}

} // namespace

CVNQCanvasWindow::CVNQCanvasWindow(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

CVNQCanvasWindow::~CVNQCanvasWindow() = default;

QWidget* CVNQCanvasWindow::createCanvas()
{
    return new (std::nothrow) CVNQCanvasWindow(nullptr);
}

ControlInfo CVNQCanvasWindow::getProps()
{
    ControlInfo info("window", "Window", "Control Window", "CVNQWindow", "win");
    info.properties.push_back(
        cvnStringRow<QObject>(QStringLiteral("Name"), PropName, &QObject::setObjectName, &QObject::objectName));
    const struct
    {
        const char* name;
        void (CVNQCanvasWindow::*set)(int);
        int (CVNQCanvasWindow::*get)() const;
    } ints[] = {
        {"Width", &CVNQCanvasWindow::setWidth, &CVNQCanvasWindow::getWidth},
        {"Height", &CVNQCanvasWindow::setHeight, &CVNQCanvasWindow::getHeight},
        {"MinWidth", &CVNQCanvasWindow::setMinWidth, &CVNQCanvasWindow::getMinWidth},
        {"MinHeight", &CVNQCanvasWindow::setMinHeight, &CVNQCanvasWindow::getMinHeight},
    };
    for (const auto& row : ints) {
        PropertyDef d = cvnIntRow<CVNQCanvasWindow>(QString::fromLatin1(row.name), PropInt, row.set, row.get);
        d.min = 0;
        d.max = 10000;
        info.properties.push_back(d);
    }
    return info;
}

void CVNQCanvasWindow::setResizeable(bool on)
{
    m_resizeable = on;
    setAttribute(Qt::WA_MouseTracking, on);
}

void CVNQCanvasWindow::setWidth(int w)
{
    setFixedWidth(w);
}

void CVNQCanvasWindow::setHeight(int h)
{
    setFixedHeight(h);
}

void CVNQCanvasWindow::setX(int x)
{
    move(x, this->y());
}

void CVNQCanvasWindow::setY(int y)
{
    move(this->x(), y);
}

void CVNQCanvasWindow::setBackgroundImage(const QString& path, const ImageDesc& desc)
{
    m_backgroundImage = path;
    m_backgroundImageDesc = desc;
}

void CVNQCanvasWindow::hideAllWidges()
{
    for (QWidget* w : findChildren<QWidget*>())
        w->setVisible(false);
}

QWidget* CVNQCanvasWindow::HitTestWithChildren(QWidget* w, int x, int y)
{
    if (!w || (w == this && !shownFlag(w)))
        return nullptr;
    const QPoint origin = w == this ? QPoint(0, 0) : w->mapTo(this, QPoint(0, 0));
    return hitTest(w, origin, QPoint(x, y));
}

QWidget* CVNQCanvasWindow::hitTest(QWidget* w, const QPoint& origin, const QPoint& p) const
{
    const bool control = w != this && isPageControl(w);
    if (control ? !isShownWhenRun(w) : w != this && w->isHidden())
        return nullptr;
    // Edges included: a rectangle of width W spans origin .. origin + W.
    const QSize size = control ? CVNQCanvasImpl::drawnRect(w, QPoint()).size() : w->size();
    if (p.x() < origin.x() || p.x() > origin.x() + size.width() || p.y() < origin.y() ||
        p.y() > origin.y() + size.height())
        return nullptr;
    // Children are painted over their parent, later ones over earlier ones,
    // and only inside their parent.
    if (w == this || !control || shownFlag(w)) {
        const QObjectList& children = w->children();
        for (auto it = children.crbegin(); it != children.crend(); ++it) {
            if (!(*it)->isWidgetType())
                continue;
            QWidget* cw = static_cast<QWidget*>(*it);
            if (QWidget* hit = hitTest(cw, origin + cw->pos(), p))
                return hit;
        }
    }
    // An inner widget is part of its control's picture, never hit itself.
    return w == this || control ? w : nullptr;
}

bool CVNQCanvasWindow::isPageControl(const QWidget* w)
{
    return w->property("visibility").isValid() && dynamic_cast<const ICVNQWidgetBase*>(w);
}

void CVNQCanvasWindow::setShownWhenRun(const QWidget* w, bool shown)
{
    if (shown)
        m_hiddenWhenRun.erase(w);
    else
        m_hiddenWhenRun.insert(w);
}

void CVNQCanvasWindow::setPageSource(std::unique_ptr<CVNQPageSource> source)
{
    m_source = std::move(source);
}

Json::Value CVNQCanvasWindow::windowKeys() const
{
    Json::Value root(Json::objectValue);
    root["w"] = width();
    root["h"] = height();
    // A key is kept whenever reading the page without it would give another
    // value (the loader then keeps the constructor's): the minimum sizes and
    // the drag flag differ from that in one of their forms, so they are
    // always written; the false flags are the constructor's.
    root["minW"] = m_minWidth;
    root["minH"] = m_minHeight;
    if (m_resizeable)
        root["resize"] = true;
    root["drag"] = m_canDrag;
    if (m_onlyDragCaption)
        root["onlyDragCaption"] = true;
    if (m_maximise)
        root["dbmax"] = true;
    if (m_captionHeight != 35)
        root["dbheight"] = m_captionHeight;
    // The loader marks a translucent page on the widget itself.
    if (m_translucent || testAttribute(Qt::WA_TranslucentBackground))
        root["trans"] = true;
    return root;
}

void CVNQCanvasWindow::toJsonString(QString& out) const
{
    out = QString::fromStdString(jsonStyled(toJson()));
}

Json::Value CVNQCanvasWindow::toJson() const
{
    if (m_source)
        return m_source->write(this, windowKeys());
    Json::Value root = windowKeys();
    // Nested controls are written only while the toolkit serialises
    // children; a page file without them would lose every control below the
    // top level.
    CVNQWriteModeScope withChildren(true);
    Json::Value elements(Json::arrayValue);
    for (QObject* child : children()) {
        ICVNQWidgetBase* control = dynamic_cast<ICVNQWidgetBase*>(child);
        if (!control)
            continue;
        Json::Value node(Json::objectValue);
        control->serializeJsonValue(&node, false);
        elements.append(std::move(node));
    }
    // Written also when empty: the canvas refuses a page file without it.
    root["elements"] = std::move(elements);
    return root;
}

} // namespace CVNQtLib
