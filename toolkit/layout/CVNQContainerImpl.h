#pragma once

// The container's state and its layout engine: the ratio, spacer and flow
// passes, the docking pass with auto-size, scrolling through bound scroll
// bars and the animated resize. The public CVNQContainer forwards here.

#include "CVNQContainer.h"
#include "CVNQEnabledBackground.h"
#include "CVNQGlobal.h"
#include "CVNQStyleDefs.h"
#include "CVNQControlImpl.h"

#include <QPointer>
#include <QRect>
#include <QSize>

#include <unordered_map>

class QEvent;
class QVariantAnimation;
class QWheelEvent;

namespace CVNQtLib {

class CVNQContainer;
class CVNQScrollBar;
class CVNQSpacer;
class ICVNQWidgetBase;

// Dynamic properties the engine keeps on widgets.
CVNQ_EXPORT extern const char* const kCvnBoundScrollBarProperty; // "_cvn_container_bound_scrollbar"
CVNQ_EXPORT extern const char* const kCvnBaseGeometryProperty;   // "_cvn_container_base_geometry"

class CVNQ_EXPORT CVNQContainerImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    explicit CVNQContainerImpl(CVNQContainer* owner);
    ~CVNQContainerImpl() override;

    void draw(QPainter* painter, const QRect& rect) override;

    // --- styles and settings ------------------------------------------------
    // The background by enabled state and whether it is drawn.
    CVNQEnabledBackground& backgrounds() { return m_backgrounds; }
    int childLayout() const { return m_childLayout; }
    void setChildLayoutValue(int mode) { m_childLayout = mode; }
    int space() const { return m_space; }
    void setSpaceValue(int space) { m_space = space; }
    void setPadding(int l, int t, int r, int b);
    void getPadding(int& l, int& t, int& r, int& b) const;
    bool absoluteDockAutoSize() const { return m_absoluteDockAutoSize; }
    void setAbsoluteDockAutoSizeValue(bool on) { m_absoluteDockAutoSize = on; }
    void* windowHandle() const { return m_windowHandle; }
    void setWindowHandle(void* handle) { m_windowHandle = handle; }

    // --- layout ---------------------------------------------------------------
    // The layout pass (unless the mode is 4), then the scroll update.
    void relayout();
    // Docking, then the mode's pass (and docking again after the spacer and
    // flow passes), under the layout guard.
    void layoutPass();
    // The size a docked, auto-sized container wants: its content plus its
    // padding. Invalid when auto-size is off.
    QSize autoSize() const;
    // Coalesced zero-delay relayout after a child was added or removed, or a child's
    // ratio changed while hidden; runs with the container as context, so it
    // never outlives it. Any relayout before it makes it needless.
    void scheduleRelayout();
    void runPendingRelayout();
    bool layoutGuard() const { return m_layoutGuard; }

    // --- scrolling ------------------------------------------------------------
    void bindScrollBar(CVNQScrollBar* bar, bool horizontal);
    CVNQScrollBar* boundScrollBar(bool horizontal) const;
    void setScrollPos(bool horizontal, int pos);
    int scrollPos(bool horizontal) const { return horizontal ? m_scrollX : m_scrollY; }
    // Decides which bound bars show, sets their ranges and places them, then
    // scrolls the children. Re-runs the layout when a bar appears or goes,
    // a bounded number of times.
    void scrollUpdate();
    // Moves every child to its base geometry shifted by the scroll offsets.
    void applyScroll();
    // The container's filter on its children: keeps base geometries.
    void watchedChildEvent(QObject* watched, QEvent* event);
    // True when the wheel scrolled the container.
    bool wheel(QWheelEvent* event);

    // --- resize animation -------------------------------------------------------
    bool startResizeAnimation(const QSize& from, const QSize& to, int durationMs);
    bool isResizeAnimationRunning() const { return m_animRunning; }

    // Installs the container's filter on a new child (not on bound bars).
    void watchChild(QWidget* child);
    void unwatchChild(QObject* child);

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;

private:
    CVNQContainer* container() const;
    // Size-hint width of the visible vertical bar / height of the visible
    // horizontal bar (0 without).
    int visibleBarWidth() const;
    int visibleBarHeight() const;
    // What the engine keeps per child. The passes run often (a shown column built
    // in code relayouts on every ratio it is given), so they read and write
    // this rather than the child's dynamic properties; only the base
    // geometry is mirrored into its property, for those who read it there.
    struct ChildState
    {
        QRect base;   // unscrolled geometry
        QSize placed; // the size the last pass gave it
        QSize kept;   // the size it keeps wanting (see keptSize)
        bool hasBase = false;
        bool hasKept = false;
        bool hidden = false; // hidden when the content was last measured
        // The child's toolkit interface and spacer part, valid while its
        // meta-object is the one they were found for: a child under
        // construction or destruction has another, and is looked at anew.
        const QMetaObject* castFor = nullptr;
        ICVNQWidgetBase* control = nullptr;
        CVNQSpacer* spacer = nullptr;
    };
    // The record of a child, its interface up to date. References stay
    // valid while other children are added.
    ChildState& stateOf(QWidget* w) const;

    bool isBoundBar(const QObject* o) const;
    // A child the row, column and auto-size passes lay out: no bound bar,
    // not docked, not a window of its own. Hidden children count.
    // state: the child's record when it is one.
    bool isLaidOutChild(QObject* o, ChildState** state) const;
    // Children that scroll and count as content: no bars, no windows.
    bool isScrolledChild(QObject* o) const;
    // The length the child keeps wanting where a pass keeps its length: the
    // size before a cut to the room there was, unless someone else resized
    // it since.
    static QSize keptSize(const QWidget* w, const ChildState& state);
    // Records where a pass puts a child: its base geometry, and the size it
    // keeps wanting on the axes where the pass kept its length.
    void remember(QWidget* w, ChildState& state, const QRect& r, const QSize& kept);
    void place(QWidget* w, ChildState& state, const QRect& r, const QSize& kept);
    // The child's unscrolled geometry: the one recorded, else its geometry
    // plus the offsets.
    QRect baseGeometry(const QWidget* w) const;
    void setBaseGeometry(QWidget* w, ChildState& state, const QRect& r);

    void dockPass();
    void linePass(bool vertical);
    void flowPass(bool vertical);
    // wantedLength: the main length the child keeps wanting (its length
    // before a cut where the pass keeps it, else length).
    void placeChild(QWidget* w, ChildState& state, bool vertical, int x, int y, int length, int wantedLength,
                    int crossAvail, bool spacer, int thickness);
    void onBarValue(bool horizontal, int value);
    void applyAnimatedSize(const QSize& size);
    // Moves every scrolled child to its base geometry shifted by the
    // offsets, bound bars or not.
    void placeAtOffsets();
    void scrollUpdateStep(int depth);

    CVNQEnabledBackground m_backgrounds;
    int m_childLayout = CVNQContainer::NoUse;
    int m_space = 0;
    int m_paddingLeft = 0;
    int m_paddingTop = 0;
    int m_paddingRight = 0;
    int m_paddingBottom = 0;
    void* m_windowHandle = nullptr;
    bool m_absoluteDockAutoSize = false;
    QPointer<CVNQScrollBar> m_hBar;
    QPointer<CVNQScrollBar> m_vBar;
    int m_scrollX = 0;
    int m_scrollY = 0;
    bool m_scrollGuard = false;
    bool m_layoutGuard = false;
    bool m_relayoutPending = false;
    bool m_lastPassWasSpacer = false;
    QVariantAnimation* m_animation = nullptr;
    bool m_animRunning = false;
    bool m_animWidth = false;
    bool m_animHeight = false;
    QSize m_animTarget;
    // A cache as far as the const auto-size is concerned.
    mutable std::unordered_map<const QObject*, ChildState> m_children;
    // Set while the engine itself writes a base-geometry property.
    bool m_writingBase = false;
};

// True when the widget is a scroll bar bound to a container.
CVNQ_EXPORT bool cvnIsBoundScrollBar(const QWidget* w);

} // namespace CVNQtLib
