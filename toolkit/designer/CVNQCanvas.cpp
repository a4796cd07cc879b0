#include "CVNQCanvas.h"
#include "CVNJson.h"

#include "CVNQCanvasImpl.h"
#include "CVNQControlFactory.h"
#include "CVNQLogging.h"
#include "CVNQPageSource.h"
#include "CVNQResourceManager.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMoveEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QSaveFile>
#include <memory>
#include <utility>
#include <vector>

namespace CVNQtLib {

namespace {

// Replaces the file at path with bytes in one step: on any failure the old
// file stays as it was.
bool writeFileSafely(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Unbuffered, and flushed before the commit: a write that fails while a
    // buffer is flushed on commit goes unnoticed there, and the short file
    // would replace the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered)) {
        qCWarning(lcPage) << "cannot open" << path << "for writing:" << file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError || !file.commit()) {
        qCWarning(lcPage) << "cannot write" << path << ":" << file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

// The root of the page file the canvas shows for path, and the file a save
// writes it back to (its identity): the file the page loader finds for that
// name, else the file path names itself. False, with the reason logged, for
// no file, no page, or a page of a loaded package: that one is held in
// memory, and a save could not write it back.
bool readPageFile(const QString& path, const CVNQPageFileSource& source, Json::Value& root, QString& file)
{
    if (path.isEmpty())
        return false;
    switch (source.kind) {
    case CVNQPageFileSource::Missing:
        qCWarning(lcPage) << "no page file" << path << "in the loaded packages, the skin folder or on disk";
        return false;
    case CVNQPageFileSource::Package:
        qCWarning(lcPage) << path << "names a page of a loaded package, which a save could not write back";
        return false;
    case CVNQPageFileSource::Disk: break;
    }
    if (!cvnReadPageFileAt(source.file, root))
        return false;
    if (!root.isMember("elements")) {
        qCWarning(lcPage) << "page file" << source.file << "has no \"elements\"";
        return false;
    }
    file = source.file;
    return true;
}

// The file named name beside path (in the same folder).
QString besidePath(const QString& path, const QString& name)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return (slash >= 0 ? path.left(slash + 1) : QString()) + name;
}

// The file name of path, and the object name a page opened from it gets:
// that name up to its first ".".
QString fileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString pageNameOf(const QString& path)
{
    const QString fileName = fileNameOf(path);
    return fileName.left(fileName.indexOf(QLatin1Char('.')));
}

// Delivers the move and resize events that hidden widgets hold until they
// are first painted, as a grab does: containers place their docked controls
// (and so write those controls' layout records) now, while the page opens,
// and not between its opening and its first save as if it had been edited.
void deliverHeldGeometryEvents(QWidget* page)
{
    // Guarded: a control may replace widgets of its own when resized.
    const QList<QWidget*> widgets = page->findChildren<QWidget*>();
    const std::vector<QPointer<QWidget>> guarded(widgets.begin(), widgets.end());
    for (QWidget* w : guarded) {
        if (!w)
            continue;
        if (w->testAttribute(Qt::WA_PendingMoveEvent)) {
            QMoveEvent event(w->pos(), w->pos());
            QCoreApplication::sendEvent(w, &event);
            w->setAttribute(Qt::WA_PendingMoveEvent, false);
        }
        if (w->testAttribute(Qt::WA_PendingResizeEvent)) {
            QResizeEvent event(w->size(), QSize());
            QCoreApplication::sendEvent(w, &event);
            w->setAttribute(Qt::WA_PendingResizeEvent, false);
        }
    }
}

// A page name becomes a file name in the page's folder: nothing that leads
// out of it, and not nothing.
bool isPlainPageName(const QString& name)
{
    return !name.trimmed().isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QLatin1String(".."));
}

} // namespace

CVNQ_IMPLEMENT_CONTROL(CVNQCanvas, CVNQCanvasImpl, "canvas")

CVNQCanvas::CVNQCanvas(QWidget* parent)
    : QWidget(parent)
{
    // No type name: the canvas has no theme entry.
    m_impl.reset(new CVNQCanvasImpl(this, QString()));
    setAcceptDrops(true);
}

CVNQCanvas::~CVNQCanvas()
{
    // The pages go first: their controls tell the canvas's state when they do.
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
}

CVNQCanvasWindow* CVNQCanvas::GetCurWindow() const
{
    return m_impl->current;
}

bool CVNQCanvas::OpenJsonFile(const QString& path)
{
    // The name is located once, for the look-up and the read.
    CVNQPageFileSource located;
    CVNQCanvasWindow* page = m_impl->findPage(path, &located);
    bool opened = page && showPage(path, page);
    if (!page) {
        if (m_impl->current)
            m_impl->current->setVisible(false);
        opened = createPage(path, located);
        if (opened && m_impl->current)
            m_impl->current->setVisible(true);
    }
    RemoveAllSelected();
    m_impl->resetPress();
    repaintOwn(rect());
    return opened;
}

bool CVNQCanvas::OpenWindowPage(const QString& path)
{
    CVNQCanvasWindow* page = m_impl->findPage(path);
    return page && showPage(path, page);
}

bool CVNQCanvas::showPage(const QString& path, CVNQCanvasWindow* page)
{
    // The name stays with the file it reaches now.
    if (!m_impl->pages.contains(path))
        m_impl->pages.insert(path, page);
    if (page == m_impl->current)
        return true;
    if (CVNQCanvasWindow* old = m_impl->current) {
        old->setProperty("visibility", false);
        old->setVisible(false);
    }
    m_impl->current = page;
    page->setProperty("visibility", true);
    page->setVisible(false);
    // Its controls may have changed from code while it was away, unseen.
    m_impl->markPageStale(page);
    UpdateScrollBar();
    repaintOwn(rect());
    return true;
}

bool CVNQCanvas::CheckPageValid(const QString& path)
{
    Json::Value root;
    QString file;
    return readPageFile(path, CVNQCanvasImpl::locatePage(path), root, file);
}

bool CVNQCanvas::CreatePageFromJson(const QString& path)
{
    return createPage(path, CVNQCanvasImpl::locatePage(path));
}

bool CVNQCanvas::createPage(const QString& path, const CVNQPageFileSource& located)
{
    // The page is built from the text read here, so the check and the build
    // judge the same text, and the save can write back what was read.
    Json::Value root;
    QString file;
    if (!readPageFile(path, located, root, file))
        return false;
    // Another name of an open page's file: that page, not a second one
    // whose saves would undo the first one's.
    if (CVNQCanvasWindow* open = m_impl->pageOfFile(file))
        return showPage(path, open);
    auto source = std::make_unique<CVNQPageSource>(std::move(root));
    auto* page = new CVNQCanvasWindow(this);
    cvnCreatePageFromJson(page, source->root(), &CVNQPageSource::markBuilt);
    for (QWidget* top : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        fillPage(page, top);
    adoptControls(page, page);
    deliverHeldGeometryEvents(page);
    source->finishBuild(page, page->windowKeys());
    const int entries = int(jsonGet(source->root(), "elements").size());
    if (entries > 0 && !source->builtAny()) {
        // Not a page (a theme package's file, say): a save would replace it
        // with an empty page.
        qCWarning(lcPage) << "page file" << path << "builds no control from its" << entries << "elements";
        delete page;
        return false;
    }
    page->setPageSource(std::move(source));
    page->installEventFilter(this);

    page->setPageName(fileNameOf(path));
    page->setObjectName(pageNameOf(path));

    m_impl->current = page;
    page->setProperty("visibility", true);
    page->setVisible(false);
    if (!m_impl->pages.contains(path))
        m_impl->pages.insert(path, page);
    m_impl->files[page] = file;
    for (auto& [other, origin] : m_impl->origins) {
        if (origin == file)
            origin.clear();
    }
    m_impl->origins[page] = file;
    UpdateScrollBar();
    return true;
}

bool CVNQCanvas::SavePage(const QString& path)
{
    CVNQCanvasWindow* page = m_impl->findPage(path);
    if (!page) {
        qCWarning(lcPage) << "no open page" << path << "to save";
        return false;
    }
    const Json::Value root = page->toJson();
    if (!jsonReadable(root)) {
        qCWarning(lcPage) << "page" << path << "nests its controls deeper than a page file can be read back; not saved";
        return false;
    }
    return writeFileSafely(m_impl->files[page], QByteArray::fromStdString(jsonStyled(root)));
}

bool CVNQCanvas::SaveStyle(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QString text = CVNQResourceManager::getInstance()->toProjectStyleString();
    if (text.isEmpty())
        return true;
    return writeFileSafely(path, text.toUtf8());
}

QString CVNQCanvas::UpdatePagePath(const QString& path)
{
    CVNQCanvasWindow* page = m_impl->findPage(path);
    if (!page)
        return QString();
    // A name it still has (that of "turbine.v2.json", "PAGE.JSON" or an
    // extensionless file) keeps its file: nothing was renamed.
    if (page->objectName() == pageNameOf(path))
        return path;
    if (!isPlainPageName(page->objectName())) {
        qCWarning(lcPage) << "page" << path << "cannot take the name" << page->objectName() << "as a file name";
        return path;
    }
    const QString fileName = page->objectName() + QLatin1String(".json");
    const QString newFile = CVNQCanvasImpl::fileIdentity(besidePath(m_impl->files[page], fileName));
    // The name handed back reaches the file the page now writes: beside
    // path while path's folder is that file's, else the file itself (path
    // led there through a link, or from another working or skin folder).
    const QString beside = besidePath(path, fileName);
    const bool sameFolder =
        CVNQCanvasImpl::fileIdentity(QFileInfo(beside).absolutePath()) == QFileInfo(newFile).absolutePath();
    const QString newPath = sameFolder ? beside : newFile;
    if (newPath == path)
        return path;
    CVNQCanvasWindow* other = m_impl->findPage(newPath);
    CVNQCanvasWindow* holder = m_impl->pageOfFile(newFile);
    if ((other && other != page) || (holder && holder != page)) {
        // Two pages under one file name: saving either would overwrite the other.
        qCWarning(lcPage) << "page" << path << "cannot take the file name" << newPath << "of another open page";
        return path;
    }
    const QFileInfo taken(newFile);
    const bool own = newFile == m_impl->files[page] || newFile == m_impl->origins[page];
    if (!own && (taken.exists() || taken.isSymLink())) {
        // Its next save would replace what is there.
        qCWarning(lcPage) << "page" << path << "cannot take the file name" << newFile << ": that file exists";
        return path;
    }
    // The page's other names named its old file.
    m_impl->dropNames(page);
    m_impl->pages.insert(newPath, page);
    m_impl->files[page] = newFile;
    return newPath;
}

void CVNQCanvas::SetProjectPath(const QString& path)
{
    m_impl->projectPath = path;
    CVNQResourceManager::getInstance()->setSwitchToProjectRes(true);
}

bool CVNQCanvas::removePage(CVNQCanvasWindow* page)
{
    if (!page || !m_impl->files.count(page))
        return false;
    m_impl->forgetPage(page);
    if (page == m_impl->current)
        m_impl->current = nullptr;
    m_impl->erasePage(page);
    delete page;
    repaintOwn(rect());
    return true;
}

void CVNQCanvas::closeAllWindows()
{
    m_impl->resetPress();
    RemoveAllSelected();
    // Each page once, whatever number of keys it has.
    for (const auto& entry : std::exchange(m_impl->files, {}))
        delete entry.first;
    m_impl->pages.clear();
    m_impl->origins.clear();
    m_impl->scrollOffsets.clear();
    m_impl->current = nullptr;
    repaintOwn(rect());
}

void CVNQCanvas::SetScrollbar(CVNQScrollBar* bar, bool horizontal)
{
    QPointer<CVNQScrollBar>& slot = horizontal ? m_impl->hBar : m_impl->vBar;
    if (slot)
        disconnect(slot, &QScrollBar::valueChanged, this, &CVNQCanvas::scrollChanged);
    slot = bar;
    if (bar)
        connect(bar, &QScrollBar::valueChanged, this, &CVNQCanvas::scrollChanged);
}

void CVNQCanvas::UpdateScrollBar()
{
    CVNQCanvasWindow* page = m_impl->current;
    CVNQScrollBar* hBar = m_impl->hBar;
    CVNQScrollBar* vBar = m_impl->vBar;
    if (!page || !hBar || !vBar)
        return;
    const int pw = page->width(), ph = page->height();
    const int cw = width(), ch = height();
    hBar->setRange(0, pw - cw);
    hBar->setPageStep(cw);
    vBar->setRange(0, ph - ch);
    vBar->setPageStep(ch);
    hBar->setVisible(pw >= cw);
    vBar->setVisible(ph >= ch);

    const QPoint offset = m_impl->scrollOffsets[page]; // (0, 0) on first use
    hBar->setValue(offset.x());
    vBar->setValue(offset.y());
    // Placed here too: a bar whose value did not change reports nothing.
    movePage(page, QPoint(pw < cw ? (cw - pw) / 2 : -hBar->value(), ph < ch ? (ch - ph) / 2 : -vBar->value()));
}

void CVNQCanvas::movePage(CVNQCanvasWindow* page, const QPoint& to)
{
    if (page->pos() == to)
        return;
    page->move(to);
    // Its controls may reach beyond it.
    repaintOwn(rect());
}

void CVNQCanvas::scrollChanged(int value)
{
    CVNQCanvasWindow* page = m_impl->current;
    if (!page)
        return;
    QPoint& offset = m_impl->scrollOffsets[page];
    if (sender() == m_impl->vBar.data()) {
        movePage(page, QPoint(page->x(), -value));
        offset.setY(value);
    } else if (sender() == m_impl->hBar.data()) {
        movePage(page, QPoint(-value, page->y()));
        offset.setX(value);
    }
}

void CVNQCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The repaint Qt makes of a resized canvas changes no picture.
    repaintOwn(rect());
    UpdateScrollBar();
}

} // namespace CVNQtLib

#include "moc_CVNQCanvas.cpp"
