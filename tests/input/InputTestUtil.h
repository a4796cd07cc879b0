#pragma once

// Helpers shared by the input control tests: named styles registered in
// the default package, pixel probes and synthetic input events.

#include "CVNQResourceManager.h"
#include "CVNQStyleDefs.h"
#include "CVNQtLib.h"
#include "ICVNQWidgetBase.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <json/json.h>

namespace InputTest {

// The application style (slider thumb geometry) and the registry.
inline void initToolkit()
{
    CVNQtLib::init();
}

inline CVNQtLib::FillStyle fill(const char* name, QColor c)
{
    CVNQtLib::FillStyle s;
    s.name = QString::fromUtf8(name);
    s.fill.clr = c;
    return s;
}

// Registers a colour fill style under name in the default package.
inline CVNQtLib::FillStyle addFill(const char* name, QColor c)
{
    CVNQtLib::FillStyle s = fill(name, c);
    CVNQtLib::CVNQResourceManager::getInstance()->setFillStyle(s.name, s);
    return s;
}

inline CVNQtLib::TextStyleDesc text(const char* name, QColor c, int size = 12)
{
    CVNQtLib::TextStyleDesc t;
    t.name = QString::fromUtf8(name);
    t.clr = c;
    t.size = size;
    return t;
}

inline CVNQtLib::TextStyleDesc addText(const char* name, QColor c, int size = 12)
{
    CVNQtLib::TextStyleDesc t = text(name, c, size);
    CVNQtLib::CVNQResourceManager::getInstance()->setTextStyle(t.name, t);
    return t;
}

inline bool near(QColor a, QColor b, int tol = 10)
{
    return qAbs(a.red() - b.red()) <= tol && qAbs(a.green() - b.green()) <= tol && qAbs(a.blue() - b.blue()) <= tol;
}

// Bounding box of the pixels close to c.
inline QRect colourBox(const QImage& image, QColor c, int tol = 10)
{
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qAlpha(p) > 200 && near(QColor(p), c, tol))
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

inline void mouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent ev(type, pos, w->mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : button, buttons,
                   Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

inline void moveWithButton(QWidget* w, QPoint pos)
{
    QMouseEvent ev(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

inline void key(QWidget* w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, k, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, k, mods, text);
    QApplication::sendEvent(w, &release);
}

// The control's node as its JSON routine writes it.
inline Json::Value written(QWidget* control)
{
    Json::Value out(Json::objectValue);
    if (auto* c = dynamic_cast<CVNQtLib::ICVNQWidgetBase*>(control))
        c->serializeJsonValue(&out, false);
    return out;
}

inline bool read(QWidget* control, Json::Value node)
{
    auto* c = dynamic_cast<CVNQtLib::ICVNQWidgetBase*>(control);
    return c && c->readJsonValue(&node);
}

} // namespace InputTest
