#pragma once

// Small builders shared by the layout tests: widgets in code, named styles,
// page-file nodes, and the steps of the page-level tests.

#include "CVNQContainer.h"
#include "CVNQResourceManager.h"
#include "CVNQStackContainer.h"
#include "CVNQtLib.h"
#include "TestUtil.h"

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <json/json.h>
#include <string>

namespace LayoutTest {

inline void initToolkit()
{
    TestUtil::startToolkit();
}

// A toolkit child of the given size with optional size policies.
inline CVNQtLib::CVNQContainer* box(QWidget* parent, int w, int h, int widthPolicy = -1, int heightPolicy = -1)
{
    auto* c = new CVNQtLib::CVNQContainer(parent);
    c->resize(w, h);
    c->setWidthPolicy(widthPolicy);
    c->setHeightPolicy(heightPolicy);
    return c;
}

// A plain Qt child (no toolkit interface).
inline QWidget* plain(QWidget* parent, int w, int h)
{
    auto* p = new QWidget(parent);
    p->resize(w, h);
    return p;
}

inline CVNQtLib::CVNQContainer* root(int w, int h, CVNQtLib::CVNQContainer::AutoChildLayout mode)
{
    auto* c = new CVNQtLib::CVNQContainer();
    c->resize(w, h);
    c->setChildLayout(mode);
    return c;
}

// --- named styles -------------------------------------------------------------

// A colour fill style, optionally rounded and with a one-pixel border.
inline void defineFill(const char* name, QColor c, int round = 0, QColor border = QColor())
{
    TestUtil::colourFill(QString::fromUtf8(name), c, round, border);
}

// hor: 0 left, 1 centre, 2 right.
inline void defineText(const char* name, QColor c, int size, bool bold = false, int hor = 0)
{
    CVNQtLib::TextStyleDesc t = TestUtil::textStyle(QString::fromUtf8(name), c, size, hor);
    if (bold) {
        t.bold = true;
        CVNQtLib::CVNQResourceManager::getInstance()->setTextStyle(t.name, t);
    }
}

// --- page-file nodes ----------------------------------------------------------

// [name, kind, index]: kind 1 a fill style, 2 a text style.
inline Json::Value styleEntry(const char* name, int kind, int index)
{
    Json::Value e(Json::arrayValue);
    e.append(name);
    e.append(kind);
    e.append(index);
    return e;
}

// A node with its fill style at index 0 (none for a null style).
inline Json::Value node(const char* type, const std::string& name, const char* fillStyle = nullptr)
{
    Json::Value n;
    n["type"] = type;
    n["name"] = name;
    if (fillStyle)
        n["style"].append(styleEntry(fillStyle, 1, 0));
    return n;
}

// A container node with its child layout, child space and one padding.
inline Json::Value containerNode(const std::string& name, const char* fillStyle, int mode, int space, int pad)
{
    Json::Value n = node("qtcontainer", name, fillStyle);
    n["attr"]["childLayout"] = mode;
    n["attr"]["space"] = space;
    for (const char* k : {"paddingLeft", "paddingTop", "paddingRight", "paddingBottom"})
        n["attr"][k] = pad;
    return n;
}

// Size policies: 1 keeps the length, 0 fills the cross axis, -1 neither.
inline void policies(Json::Value& n, int widthPolicy, int heightPolicy)
{
    n["widthPolicy"] = widthPolicy;
    n["heightPolicy"] = heightPolicy;
}

// A starting size of its own (absolute layout data until a row places it).
inline void sized(Json::Value& n, int w, int h)
{
    n["layout"]["type"] = 1;
    n["w"] = w;
    n["h"] = h;
}

inline void ratio(Json::Value& n, int r)
{
    n["layout"]["ratio"] = r;
}

// --- page-level steps -----------------------------------------------------------

// Lets deferred relayouts, show and layout-request events run.
inline void pump()
{
    TestUtil::flushEvents();
}

// Saves a PNG of w as <name>.png when CORVANE_SHOT_DIR names a folder.
inline void shot(QWidget* w, const QString& name)
{
    const QString dir = qEnvironmentVariable("CORVANE_SHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    EXPECT_TRUE(w->grab().save(dir + QLatin1Char('/') + name + QLatin1String(".png")));
}

template <class T = QWidget>
T* findNamed(QWidget* root, const std::string& name)
{
    T* w = root->findChild<T*>(QString::fromStdString(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

inline QRect inWindow(QWidget* w, QWidget* window)
{
    return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}

} // namespace LayoutTest
