#pragma once

// The design canvas (type "canvas"): the work area on which a host opens
// page files as CVNQCanvasWindow pages, shows one page at a time on a gray
// ground, selects, moves, resizes and creates its controls, and writes the
// page back. The page's controls stay hidden as live widgets; the canvas
// paints pictures grabbed from them. A picture is made anew when the
// control is known to change (a grid edit, a change of its font, style,
// enabled state, visibility or children) and wherever the host repaints the
// canvas (update() or repaint()): a control changed from code, whose
// setters repaint only shown widgets, shows once the host does so. The
// canvas's own repaints (selection, drags, scrolling) only move pictures.

#include "CVNQControl.h"

#include <QWidget>

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;

namespace CVNQtLib {

class CVNQCanvasImpl;
class CVNQCanvasWindow;
class CVNQScrollBar;
struct CVNQPageFileSource;

// Where a canvas point hits the selection.
enum CVN_CAV_HIT_TEST : int
{
    HitBody = 0,
    HitLeft = 1,
    HitRight = 2,
    HitTop = 3,
    HitBottom = 4,
    HitTopLeft = 5,
    HitBottomLeft = 6,
    HitTopRight = 7,
    HitBottomRight = 8,
    HitNone = 9
};

class CVNQ_EXPORT CVNQCanvas : public QWidget, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQCanvas, CVNQCanvasImpl)
public:
    explicit CVNQCanvas(QWidget* parent = nullptr);
    ~CVNQCanvas() override;

    // The page shown and edited; null when none.
    CVNQCanvasWindow* GetCurWindow() const;

    // Shows the page of that file, opening it when it is not open yet: the
    // file the page loader finds for the name, else the file the name
    // itself names. A name is resolved once, when it is first given: it
    // keeps its page when the working or the skin folder changes, and two
    // names are one page only when they reach one file. False when it is
    // neither open nor a page file the page loader builds controls from (a
    // file with "elements" entries that build nothing is no page, and a
    // save would empty it), and for a page held in a loaded package, which
    // a save could not write back.
    bool OpenJsonFile(const QString& path);
    // Writes the open page of that path to the file it was read from: the
    // file as it was read, with the page's changes applied. False when the
    // path is not open, the page nests deeper than a page file can be read
    // back, or the file cannot be written whole (the old file then stays as
    // it was).
    bool SavePage(const QString& path);
    // Writes the project's fill and text styles; false when the file cannot
    // be written or the path is empty.
    bool SaveStyle(const QString& path);
    // Re-keys the page of path after its name changed: the same folder with
    // the page's object name + ".json", and saves go to that name in the
    // folder of the file it was read from; when path's folder is not that
    // one (a link, a relative name from another working folder), the new
    // key is that file's path. Empty when path is not open;
    // path itself, the page keeping its file, while the page keeps the name
    // path gives it (its file name up to the first "."), when the new path
    // or file would be another open page's,
    // when that file exists and is not the page's own (the one it was read
    // from, while no other page was read from it since), or when the name
    // is empty or holds a path separator or "..".
    QString UpdatePagePath(const QString& path);
    // Stores the project path and switches style look-ups to project styles.
    void SetProjectPath(const QString& path);
    void closeAllWindows();
    bool removePage(CVNQCanvasWindow* page);
    // Hands in the horizontal (true) or vertical bar; the canvas does not own it.
    void SetScrollbar(CVNQScrollBar* bar, bool horizontal);

    // Selection; the first selected widget is the primary one.
    void AddSelectedControl(QWidget* w);
    bool RemoveSelected(QWidget* w);
    void RemoveAllSelected();
    bool IsInSelected(QWidget* w) const;
    CVN_CAV_HIT_TEST HitInSelected(int x, int y) const;
    // One handle centred on (x, y); other true: the fill of a non-primary one.
    void DrawSelectionPoint(QPainter& painter, int x, int y, bool other);
    // A new control of the type inside the primary selection.
    bool createControl(const QString& type);

public Q_SLOTS:
    void scrollChanged(int value);

Q_SIGNALS:
    void widgetSelected(QWidget* widget);

protected:
    bool OpenWindowPage(const QString& path);
    bool CreatePageFromJson(const QString& path);
    bool CheckPageValid(const QString& path);
    void UpdateScrollBar();

    void paintEvent(QPaintEvent* event) override;
    void paintChild(QPainter& painter, const QPoint& offset, QWidget* w);
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Keeps the page's controls hidden and their pictures current.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows page, open already, and keeps path as one of its names.
    bool showPage(const QString& path, CVNQCanvasWindow* page);
    // Opens the page of path from the file located for it.
    bool createPage(const QString& path, const CVNQPageFileSource& located);
    // Takes the controls of w's subtree (w included) into the page's
    // pictures and hides them: they are seen only as pictures.
    void adoptControls(CVNQCanvasWindow* page, QWidget* w);
    // Places a top control of the page as a window of the page's size does.
    static void fillPage(CVNQCanvasWindow* page, QWidget* control);
    void keepHidden(QWidget* control);
    // After the property grid edited a page (its size, say).
    void pageEdited(CVNQCanvasWindow* page);
    // Scrolls the page to the canvas point to.
    void movePage(CVNQCanvasWindow* page, const QPoint& to);
    // Repaints area of the canvas for a reason of its own, which changes no
    // picture (see paintEvent).
    void repaintOwn(const QRegion& area);
    // w's picture (and with ancestors those of the controls holding it,
    // whose look may follow its place and size) is made anew, and the
    // canvas repaints where it was and is.
    void pictureChanged(QWidget* w, bool ancestors);
    // Looks again once the work a change posted has run.
    void settleLater();
    // Where w's picture and handles were last drawn and are drawn now.
    QRegion drawnArea(QWidget* w);
    // The ring of the canvas that w's selection handles cover, and covered
    // when last drawn.
    QRegion handlesArea(QWidget* w) const;
    // The ring that handles around a rectangle grown by their reach cover.
    static QRegion handleRing(const QRect& marked);
    // Brings the canvas as last painted up to date for a paint of region:
    // places the page's controls, makes the pictures they need and paints
    // them anew where the canvas now shows otherwise, which it returns.
    QRegion paintScene(const QRegion& region);
    // Where a move (its top-left only) or a resize by the mouse may put w
    // (in its parent's coordinates); false leaves it and its record as they
    // are.
    bool moveControl(QWidget* w, const QRect& r, bool resize);
    // Canvas rectangle of w, grown by the handles' reach.
    QRect markedRect(QWidget* w) const;
    // Where w is drawn on the canvas.
    QRect onCanvas(QWidget* w) const;
    // After a drag moved or resized controls: the controls holding them
    // may show that.
    void draggedControlsPlaced();
    // Drops deleted controls from the selection.
    void pruneSelection();
    // Press over no selection, or a press that never turned into a drag.
    void clickAt(const QPoint& point, Qt::KeyboardModifiers modifiers);
    // Names, marks and places a control just created under parent.
    void prepareNewControl(QWidget* control, const QString& type, const QRect& geometry);
};

} // namespace CVNQtLib
