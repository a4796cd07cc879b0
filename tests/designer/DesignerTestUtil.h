#pragma once

// Helpers of the design-surface tests: page files on disk, mouse input on
// the canvas in canvas coordinates, and the editor of a property-grid row.

#include "CVNQCanvas.h"
#include "CVNQCanvasWindow.h"
#include "CVNQControlInfo.h"
#include "CVNQLabel.h"
#include "CVNQPropertyList.h"
#include "CVNQScrollBar.h"
#include "CVNQtLib.h"
#include "TestUtil.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace DesignerTest {

// A page with a root container holding a label and a button.
constexpr const char* kPage = R"({"w": 600, "h": 400, "elements": [
  {"type": "qtcontainer", "name": "root", "w": 600, "h": 400, "child": [
    {"type": "qtlabel", "name": "title", "layout": {"type": 1}, "x": 20, "y": 20, "w": 120, "h": 30, "attr": {"text": "Wind"}},
    {"type": "qtbutton", "name": "go", "layout": {"type": 1}, "x": 200, "y": 100, "w": 100, "h": 40}]}]})";

inline QString writePage(const QTemporaryDir& dir, const QString& name, const char* text = kPage)
{
    CVNQtLib::init();
    EXPECT_TRUE(TestUtil::writeFile(dir.path(), name, text));
    return dir.filePath(name);
}

inline QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline Json::Value pageJson(CVNQtLib::CVNQCanvasWindow* page)
{
    QString text;
    page->toJsonString(text);
    return TestUtil::json(text.toUtf8().constData());
}

// Where a control's top-left lies on the canvas.
inline QPoint onCanvas(CVNQtLib::CVNQCanvas& canvas, QWidget* w)
{
    return w->mapTo(&canvas, QPoint(0, 0));
}

template <class T>
T* named(CVNQtLib::CVNQCanvas& canvas, const char* name)
{
    return canvas.GetCurWindow() ? canvas.GetCurWindow()->findChild<T*>(name) : nullptr;
}

// The editor of type T in the shown grid row captioned caption.
template <class T>
T* rowEditor(CVNQtLib::CVNQPropertyList& list, const QString& caption)
{
    for (CVNQtLib::CVNQLabel* label : list.widget()->findChildren<CVNQtLib::CVNQLabel*>()) {
        QWidget* row = label->parentWidget();
        if (label->text() != caption || label->x() != 0 || !row->isVisibleTo(list.widget()))
            continue;
        for (T* editor : row->findChildren<T*>()) {
            if (editor->x() > 0)
                return editor;
        }
    }
    return nullptr;
}

// A small designer host: a canvas with its two scroll bars and a property
// grid filled for every selected control.
class DesignerHost : public QWidget
{
public:
    DesignerHost()
    {
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(&canvas, 1);
        row->addWidget(&grid);
        grid.setFixedWidth(280);
        canvas.SetScrollbar(&hBar, true);
        canvas.SetScrollbar(&vBar, false);
        resize(1000, 520);
        QObject::connect(&canvas, &CVNQtLib::CVNQCanvas::widgetSelected, [this](QWidget* w) { showProperties(w); });
    }

    void showProperties(QWidget* w)
    {
        grid.removeAll();
        auto* control = dynamic_cast<CVNQtLib::ICVNQWidgetBase*>(w);
        const CVNQtLib::ControlInfo* info = control ? CVNQtLib::cvnGetControlInfo(control->getTypeName()) : nullptr;
        rows = info ? info->properties : std::vector<CVNQtLib::PropertyDef>();
        if (dynamic_cast<CVNQtLib::CVNQCanvasWindow*>(w))
            rows = CVNQtLib::CVNQCanvasWindow::getProps().properties;
        for (CVNQtLib::PropertyDef& def : rows) {
            def.target = w;
            grid.addItem(def);
        }
    }

    CVNQtLib::CVNQCanvas canvas;
    CVNQtLib::CVNQPropertyList grid;
    CVNQtLib::CVNQScrollBar hBar{Qt::Horizontal, nullptr};
    CVNQtLib::CVNQScrollBar vBar{Qt::Vertical, nullptr};
    std::vector<CVNQtLib::PropertyDef> rows;
};

// Every control of the page shown in the window (all of them for the
// canvas, which hides the live ones), by name, at its place on the page.
inline std::map<QString, QRect> shownPlaces(QWidget* page, bool window)
{
    std::map<QString, QRect> out;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!CVNQtLib::CVNQCanvasWindow::isPageControl(w) || (window && !w->isVisibleTo(page)))
            continue;
        out[w->objectName()] = QRect(w->mapTo(page, QPoint(0, 0)), w->size());
    }
    return out;
}

// What the screen shows of the rectangle r of a shown window's widget w.
inline QImage onScreen(QWidget* w, const QRect& r)
{
    const QPoint at = w->mapTo(w->window(), r.topLeft());
    return w->screen()->grabWindow(w->window()->winId(), at.x(), at.y(), r.width(), r.height()).toImage();
}

} // namespace DesignerTest
