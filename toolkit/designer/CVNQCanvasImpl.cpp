#include "CVNQCanvasImpl.h"

#include <QDir>
#include <QFileInfo>

namespace CVNQtLib {

namespace {

// One spelling per file: the canonical path of an existing file, else the
// cleaned absolute path.
QString fileIdentity(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

QMap<QString, CVNQCanvasWindow*>::iterator CVNQCanvasImpl::findPage(const QString& path)
{
    if (path.isEmpty())
        return pages.end();
    auto it = pages.find(path);
    if (it != pages.end())
        return it;
    const QString identity = fileIdentity(path);
    for (it = pages.begin(); it != pages.end(); ++it) {
        if (fileIdentity(it.key()) == identity)
            return it;
    }
    return pages.end();
}

void CVNQCanvasImpl::pruneSelection()
{
    for (size_t i = selection.size(); i-- > 0;) {
        if (selection[i])
            continue;
        selection.erase(selection.begin() + long(i));
        if (i < startRects.size())
            startRects.erase(startRects.begin() + long(i));
    }
}

void CVNQCanvasImpl::forgetPage(CVNQCanvasWindow* page)
{
    bool touched = page == current;
    for (size_t i = selection.size(); i-- > 0;) {
        QWidget* w = selection[i];
        if (w && w != page && !page->isAncestorOf(w))
            continue;
        selection.erase(selection.begin() + long(i));
        if (i < startRects.size())
            startRects.erase(startRects.begin() + long(i));
        touched = true;
    }
    if (touched)
        resetPress();
}

void CVNQCanvasImpl::resetPress()
{
    pressState = Idle;
    hitCode = HitNone;
    startRects.clear();
    dragMoved = false;
}

} // namespace CVNQtLib
