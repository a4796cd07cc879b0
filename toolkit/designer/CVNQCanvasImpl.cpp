#include "CVNQCanvasImpl.h"

#include "CVNQContainer.h"
#include "CVNQStackContainer.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

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

CVNQCanvasWindow* CVNQCanvasImpl::pageOfFile(const QString& file) const
{
    const QString identity = fileIdentity(file);
    for (const auto& [page, pageFile] : files) {
        if (fileIdentity(pageFile) == identity)
            return const_cast<CVNQCanvasWindow*>(page);
    }
    return nullptr;
}

void CVNQCanvasImpl::erasePage(CVNQCanvasWindow* page)
{
    for (auto it = pages.begin(); it != pages.end();) {
        if (it.value() == page)
            it = pages.erase(it);
        else
            ++it;
    }
    files.erase(page);
    scrollOffsets.erase(page);
}

void CVNQCanvasImpl::pruneSelection()
{
    bool pruned = false;
    for (size_t i = selection.size(); i-- > 0;) {
        if (selection[i])
            continue;
        selection.erase(selection.begin() + long(i));
        if (i < startRects.size())
            startRects.erase(startRects.begin() + long(i));
        pruned = true;
    }
    // A deleted widget's address may come back as another widget.
    if (pruned)
        selectionChanged();
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
    selectionChanged();
    if (touched)
        resetPress();
}

void CVNQCanvasImpl::clearSelection()
{
    selection.clear();
    selected.clear();
    startRects.clear();
}

void CVNQCanvasImpl::selectionChanged()
{
    selected.clear();
    for (const QPointer<QWidget>& s : selection) {
        if (s)
            selected.insert(s.data());
    }
}

CVNQCanvasImpl::Picture* CVNQCanvasImpl::pictureOf(const QWidget* w)
{
    auto it = pictures.find(w);
    return it == pictures.end() ? nullptr : &it->second;
}

ICVNQWidgetBase* CVNQCanvasImpl::controlOf(QWidget* w)
{
    const Picture* picture = pictureOf(w);
    return picture ? picture->control : dynamic_cast<ICVNQWidgetBase*>(w);
}

QRect CVNQCanvasImpl::drawnRect(QWidget* w, const QPoint& offset)
{
    return drawnRect(w, offset, dynamic_cast<const ICVNQWidgetBase*>(w));
}

QRect CVNQCanvasImpl::drawnRect(QWidget* w, const QPoint& offset, const ICVNQWidgetBase* control)
{
    QRect r = w->geometry().translated(offset);
    void* data = nullptr;
    if (control && control->getLayoutType() == LayoutTypeAbsolute && !placedByParent(w, control))
        control->getLayoutData(data);
    const int* record = static_cast<const int*>(data);
    // Only a record that placed the widget, and only where the widget's
    // minimum size overruled it.
    if (!record || record[2] <= 0 || record[3] <= 0 || w->pos() != QPoint(record[0], record[1]))
        return r;
    if (w->minimumWidth() > record[2])
        r.setWidth(std::min(r.width(), record[2]));
    if (w->minimumHeight() > record[3])
        r.setHeight(std::min(r.height(), record[3]));
    return r;
}

void CVNQCanvasImpl::markPageStale(CVNQCanvasWindow* page)
{
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (Picture* picture = pictureOf(w))
            picture->stale = true;
    }
}

void CVNQCanvasImpl::readFlags(const QWidget* w, Picture& picture)
{
    picture.shown = w->property("visibility").toBool();
    picture.markDelete = w->property("MarkDelete").toBool();
}

bool CVNQCanvasImpl::placedByParent(QWidget* w, const ICVNQWidgetBase* control)
{
    QWidget* parent = w->parentWidget();
    if (const CVNQContainer* container = qobject_cast<const CVNQContainer*>(parent)) {
        const int mode = container->getChildLayout();
        return control->getAbsoluteLayout() || (mode >= CVNQContainer::Horizontal && mode <= CVNQContainer::VerFloat);
    }
    return qobject_cast<const CVNQStackContainer*>(parent) != nullptr;
}

void CVNQCanvasImpl::resetPress()
{
    pressState = Idle;
    hitCode = HitNone;
    startRects.clear();
    dragMoved = false;
}

} // namespace CVNQtLib
