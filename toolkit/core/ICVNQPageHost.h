#pragma once

// A window that can host a page (the frameless window, the sub-window, a
// designer's canvas window): the page loader applies a page file's window
// keys through this interface, so the core needs none of those classes.

#include "CVNJsonFwd.h"
#include "CVNQGlobal.h"

#include <QWidget>

namespace CVNQtLib {

class CVNQ_EXPORT ICVNQPageHost
{
public:
    virtual ~ICVNQPageHost() = default;

    virtual void setCanDrag(bool canDrag) = 0;
    virtual void setResizeable(bool resizeable) = 0;
    virtual void setMinHeight(int h) = 0;
    virtual void setMinWidth(int w) = 0;
    virtual void setOnlyDragCaption(bool only) = 0;
};

// Window keys of a page file, each applied only when present.
struct CVNQ_EXPORT PageWindowKeys
{
    bool hasW = false, hasH = false, hasTrans = false, hasDrag = false, hasResize = false;
    bool hasMinH = false, hasMinW = false, hasOnlyDragCaption = false;
    int w = 0, h = 0, minH = 0, minW = 0;
    bool trans = false, drag = false, resize = false, onlyDragCaption = false;

    // Reads the keys of a page's root object; wrongly typed keys are absent.
    static PageWindowKeys fromJson(const Json::Value& root);
};

// Applies the keys to a host widget with the page-host setters.
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

// Applies the keys when host implements ICVNQPageHost; other hosts keep
// their size and flags.
CVNQ_EXPORT void applyPageWindowKeys(QWidget* host, const PageWindowKeys& keys);

} // namespace CVNQtLib
