#pragma once

// The canvas's implementation object: no look or JSON of its own, only the
// canvas's state (open pages, scroll offsets, selection and press state, the
// pictures of page controls and the canvas as last painted).

#include "CVNQCanvas.h"
#include "CVNQCanvasWindow.h"
#include "CVNQControlFactory.h"
#include "CVNQScrollBar.h"
#include "CVNQWidgetBaseImpl.h"

#include <QMap>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QString>
#include <map>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class QPainter;

namespace CVNQtLib {

class CVNQCanvasImpl : public CVNQWidgetBaseImpl
{
public:
    enum PressState
    {
        Pressed = 0,
        Dragging = 3,
        Idle = 6
    };

    using CVNQWidgetBaseImpl::CVNQWidgetBaseImpl;

    // One spelling per file: the canonical path of an existing file, else
    // the cleaned absolute path.
    static QString fileIdentity(const QString& path);
    // The file the page loader reads for name now (its identity), else the
    // file name names itself; a page of a loaded package has none.
    static CVNQPageFileSource locatePage(const QString& name);
    // The open page of name: the one opened by that very name, else the one
    // read from the file the loader reads for name now, which located
    // (when given) is set to. Null when none.
    CVNQCanvasWindow* findPage(const QString& name, CVNQPageFileSource* located = nullptr) const;
    // The open page read from file (an identity), or null.
    CVNQCanvasWindow* pageOfFile(const QString& file) const;
    // Takes every name the page is open under out of the open pages.
    void dropNames(CVNQCanvasWindow* page);
    // Takes the page out of the open pages, its file and state with it.
    void erasePage(CVNQCanvasWindow* page);
    // Drops selection entries whose widget was deleted; true when another
    // control became the primary one.
    bool pruneSelection();
    // Drops every selected widget that is page or lies inside it.
    void forgetPage(CVNQCanvasWindow* page);
    void resetPress();
    void clearSelection();
    // Whether w's parent puts it in its place itself: a container that
    // lines up or flows its children, a container docking it, a stack
    // sizing its pages. The mouse does not move such a control.
    static bool placedByParent(QWidget* w, const ICVNQWidgetBase* control);
    // Where w is drawn and hit, its parent's origin at offset: its geometry,
    // cut to the size its absolute record gives when the record placed it
    // and only the widget's minimum size made it larger (a chart keeps a
    // minimum size larger than the page asks for).
    static QRect drawnRect(QWidget* w, const QPoint& offset);
    // The same for w, which is control (or no toolkit control, null).
    static QRect drawnRect(QWidget* w, const QPoint& offset, const ICVNQWidgetBase* control);
    // Whether w sits where its absolute record puts it, at the record's size
    // as far as its size limits allow.
    static bool showsRecord(const QWidget* w, const int* record);
    // What a drag of w starts from: where it is drawn, in its parent's
    // coordinates.
    QRect editedRect(QWidget* w) { return drawnRect(w, QPoint(), controlOf(w)); }
    // w as a toolkit control, or null; known for the controls of a page.
    ICVNQWidgetBase* controlOf(QWidget* w);
    void selectionChanged();

    // One picture per control of a page: the control as it paints in a
    // window, with the inner widgets it made itself and without the page's
    // other controls, each of which has a picture of its own.
    struct Picture
    {
        QPixmap pixmap;
        // The part of the control the pixmap holds, in its coordinates.
        QRect part;
        // The size the control was drawn at when the pixmap was made.
        QSize size;
        // Where on the canvas it was last drawn: what a change repaints
        // besides where it is now.
        QRect drawnAt;
        bool stale = true;
        // Made stale by the look after a change: not looked at again.
        bool settling = false;
        // The control as a toolkit control, cast once.
        ICVNQWidgetBase* control = nullptr;
        // Its "visibility" and "MarkDelete" properties, read when they change.
        bool shown = true;
        bool markDelete = false;
    };
    // A control as the canvas shows it: where it is drawn, and the part of
    // that the canvas shows (inside its parent's part).
    struct Placed
    {
        QWidget* widget;
        QRect rect;
        QRect visible;
        // Its picture was made anew to be drawn there.
        bool remade;
    };
    // Appends the shown controls of w's subtree (w included) in paint order,
    // w's parent's origin at offset, and makes the pictures they need. The
    // subtrees of lifted controls are left out; where they come is noted.
    void placeControls(std::vector<Placed>& out, QWidget* w, const QPoint& offset, const QRect& clip);
    // The same for w, lifted or not.
    void placeControl(std::vector<Placed>& out, QWidget* w, const QPoint& offset, const QRect& clip);
    // Lifts the controls a drag moves, when they are children of one parent
    // and the drag only moves them.
    void liftMovingControls();
    // The lifted controls' subtrees placed, in paint order; their parent
    // must have been placed.
    std::vector<Placed> placeLifted();
    // Composes the lifted controls placed so into their picture, or moves
    // it; returns where the canvas shows otherwise beyond that move.
    QRegion composeLifted(const std::vector<Placed>& placed);
    // Makes w's picture when it has none that shows visible of w drawn at
    // r; true when the picture may now show w otherwise than it did.
    bool makePicture(QWidget* w, const QRect& r, const QRect& visible);
    void drawPlaced(QPainter& painter, const Placed& placed, const QRect& clip) const;

    // The picture record of a control of an open page; null for any other widget.
    Picture* pictureOf(const QWidget* w);
    static void readFlags(const QWidget* w, Picture& picture);
    // Every picture of the page is made anew when next drawn.
    void markPageStale(CVNQCanvasWindow* page);

    QPointer<CVNQCanvasWindow> current;
    int nameCounter = 1;
    QString projectPath;
    // A page is open under every name it was opened by, each resolved to
    // its file once, when it was: a later change of the working or the skin
    // folder does not take a name to another file.
    QMap<QString, CVNQCanvasWindow*> pages;
    // The file each page is (its identity), which a save writes: the one
    // it was read from, or the one its name was changed to.
    std::map<const CVNQCanvasWindow*, QString> files;
    // The file each page was read from, while no page was read from it
    // since: the page may take that name back.
    std::map<const CVNQCanvasWindow*, QString> origins;
    std::map<CVNQCanvasWindow*, QPoint> scrollOffsets;
    QPointer<CVNQScrollBar> hBar;
    QPointer<CVNQScrollBar> vBar;

    // Guarded: a control the host deletes drops out of the selection.
    std::vector<QPointer<QWidget>> selection;
    // The same widgets, for membership.
    std::unordered_set<const QWidget*> selected;
    std::unordered_map<const QWidget*, Picture> pictures;
    // Set while the canvas itself hides a control: that hide is no change
    // of what the page shows.
    bool hidingControl = false;
    // What the canvas asked to repaint itself (selection, drags, scrolling,
    // changes it was told of) since its last paint.
    QRegion ownArea;
    // A repaint is queued for after the relayouts a change posted.
    bool settleQueued = false;
    // The controls whose pictures a change made anew since it was: they are
    // made once more then, as the widgets they hold may lay themselves out
    // only after the render that resized them (a table's header).
    std::vector<QPointer<QWidget>> settling;
    // Where the paint under way makes the pictures it shows anew: all of a
    // paint the canvas did not ask for alone (the host's repaint, a grab,
    // the window system's), as controls may have changed since without a
    // word (their setters repaint only shown widgets).
    QRegion remakeArea;
    // The canvas as last painted, without the handles: the gray ground and
    // the pictures of the controls placed as listed.
    QPixmap scene;
    QRegion sceneValid;
    std::vector<Placed> placed;
    // The controls a drag moves, drawn from a picture of their own over the
    // canvas as last painted, which then stays as it is while they move.
    struct Lift
    {
        static constexpr size_t kNowhere = size_t(-1);
        // Set for each paint.
        std::unordered_set<const QWidget*> members;
        QWidget* parent = nullptr;
        QPoint parentOrigin;
        // The part of the canvas their parent shows.
        QRect clip;
        // Where they come among the controls placed, in paint order.
        size_t at = kNowhere;
        // Their picture, of the canvas rectangle area, and what it shows
        // placed at origin, coming at pictureAt in paint order.
        QPixmap picture;
        size_t pictureAt = 0;
        QRect area;
        QPoint origin;
        std::vector<Placed> placed;
    } lift;
    // Where each selected control's handles were last drawn on the screen
    // (its rectangle grown by their reach).
    std::unordered_map<const QWidget*, QRect> handlesAt;
    std::vector<QRect> startRects;
    int pressState = Idle;
    CVN_CAV_HIT_TEST hitCode = HitNone;
    QPoint pressPoint;
    QPoint lastPoint;
    // Whether the current drag moved at all; one that did not is a click.
    bool dragMoved = false;
};

} // namespace CVNQtLib
