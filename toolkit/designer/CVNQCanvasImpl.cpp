#include "CVNQCanvasImpl.h"

#include "CVNQContainer.h"
#include "CVNQStackContainer.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace CVNQtLib {

QString CVNQCanvasImpl::fileIdentity(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

CVNQPageFileSource CVNQCanvasImpl::locatePage(const QString& name)
{
    if (name.isEmpty())
        return {};
    CVNQPageFileSource source = cvnFindPageFile(name);
    // A name the loader would complete with ".json" (PAGE.JSON, say) names
    // its file itself.
    if (source.kind == CVNQPageFileSource::Missing && QFileInfo(name).isFile())
        source = {CVNQPageFileSource::Disk, name};
    if (source.kind == CVNQPageFileSource::Disk)
        source.file = fileIdentity(source.file);
    return source;
}

CVNQCanvasWindow* CVNQCanvasImpl::findPage(const QString& name, CVNQPageFileSource* located) const
{
    if (name.isEmpty())
        return nullptr;
    auto it = pages.constFind(name);
    if (it != pages.constEnd())
        return it.value();
    const CVNQPageFileSource source = locatePage(name);
    if (located)
        *located = source;
    switch (source.kind) {
    case CVNQPageFileSource::Disk: return pageOfFile(source.file);
    case CVNQPageFileSource::Package: return nullptr;
    // A file gone since it was opened is still reached by its path.
    case CVNQPageFileSource::Missing: break;
    }
    return pageOfFile(fileIdentity(name));
}

CVNQCanvasWindow* CVNQCanvasImpl::pageOfFile(const QString& file) const
{
    for (const auto& [page, pageFile] : files) {
        if (pageFile == file)
            return const_cast<CVNQCanvasWindow*>(page);
    }
    return nullptr;
}

void CVNQCanvasImpl::dropNames(CVNQCanvasWindow* page)
{
    for (auto it = pages.begin(); it != pages.end();) {
        if (it.value() == page)
            it = pages.erase(it);
        else
            ++it;
    }
}

void CVNQCanvasImpl::erasePage(CVNQCanvasWindow* page)
{
    dropNames(page);
    files.erase(page);
    origins.erase(page);
    scrollOffsets.erase(page);
}

bool CVNQCanvasImpl::pruneSelection()
{
    const bool primaryGone = !selection.empty() && !selection.front();
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
    return primaryGone && !selection.empty();
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

bool CVNQCanvasImpl::showsRecord(const QWidget* w, const int* record)
{
    return w->pos() == QPoint(record[0], record[1]) &&
           w->width() == qBound(w->minimumWidth(), record[2], w->maximumWidth()) &&
           w->height() == qBound(w->minimumHeight(), record[3], w->maximumHeight());
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
