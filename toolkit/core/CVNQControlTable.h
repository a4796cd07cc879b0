#pragma once

// Internal: the one place where the core reaches concrete classes of the
// other subsystems (controls, page hosts, the menu, the slider). Everything
// else in the core works through ICVNQWidgetBase and the registry, so these
// hooks live in CVNQControlTable.cpp next to the start-up table and grow
// as classes are added.

#include "CVNQGlobal.h"

#include <QSize>
#include <json/json.h>
#include <string>
#include <vector>

class QWidget;

namespace CVNQtLib {

class CVNQMenu;

// Window keys of a page file, each applied only when present.
struct PageWindowKeys
{
    bool hasW = false, hasH = false, hasTrans = false, hasDrag = false, hasResize = false;
    bool hasMinH = false, hasMinW = false, hasOnlyDragCaption = false;
    int w = 0, h = 0, minH = 0, minW = 0;
    bool trans = false, drag = false, resize = false, onlyDragCaption = false;

    // Reads the keys of a page's root object; wrongly typed keys are absent.
    static PageWindowKeys fromJson(const Json::Value& root);
};

// Applies the keys to a page host through its own setters (the frameless
// window, the sub-window and the designer's canvas window share their names).
template <class Host>
void applyPageWindowKeysTo(Host* host, const PageWindowKeys& k)
{
    if (k.hasW)
        host->resize(k.w, host->height());
    if (k.hasH)
        host->resize(host->width(), k.h);
    if (k.hasTrans && k.trans) {
        host->setWindowFlag(Qt::FramelessWindowHint, true);
        host->setAttribute(Qt::WA_TranslucentBackground, true);
    }
    if (k.hasDrag)
        host->setCanDrag(k.drag);
    if (k.hasResize)
        host->setResizeable(k.resize);
    if (k.hasMinH)
        host->setMinHeight(k.minH);
    if (k.hasMinW)
        host->setMinWidth(k.minW);
    if (k.hasOnlyDragCaption)
        host->setOnlyDragCaption(k.onlyDragCaption);
}

// The start-up table: registers every built-in control type.
CVNQ_HIDDEN void registerBuiltinControlTypes();
// Every name of the create map (aliases too), in byte order.
CVNQ_HIDDEN std::vector<std::string> registeredControlTypeNames();
// Applies the window keys when host is one of the page-host window classes.
CVNQ_HIDDEN void applyPageWindowKeys(QWidget* host, const PageWindowKeys& keys);
// A new menu under parent that has read root; null while no menu class exists.
CVNQ_HIDDEN CVNQMenu* buildMenuFromJson(QWidget* parent, const Json::Value& root);
// The thumb of a toolkit slider: false when widget is not one.
CVNQ_HIDDEN bool sliderThumbGeometry(const QWidget* widget, int& sliderLength, QSize& thumbSize, bool& horizontal);

} // namespace CVNQtLib
