#include "CVNQWindowHitTest.h"

#include "ICVNQWidgetBase.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QWidget>

namespace CVNQtLib {

int cvnEdgeZone(const CVNWindowHitState& s, const QPoint& pos)
{
    if (!s.resizeable || s.maximized)
        return CVNHitBase;
    const int x = pos.x();
    const int y = pos.y();
    const int right = s.size.width() - 1;
    const int bottom = s.size.height() - 1;
    if (x < 0 || y < 0 || x > right || y > bottom)
        return CVNHitBase;
    const int b = s.band;
    const bool l = x < b;
    const bool r = x > right - b;
    const bool t = y < b;
    const bool bo = y > bottom - b;
    if (t && l)
        return CVNHitTopLeft;
    if (t && r)
        return CVNHitTopRight;
    if (bo && l)
        return CVNHitBottomLeft;
    if (bo && r)
        return CVNHitBottomRight;
    if (l)
        return CVNHitLeft;
    if (r)
        return CVNHitRight;
    if (t)
        return CVNHitTop;
    if (bo)
        return CVNHitBottom;
    return CVNHitBase;
}

bool cvnIsInteractiveWidget(const QWidget* w)
{
    if (!w)
        return false;
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
        qobject_cast<const QAbstractSlider*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
        qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTabBar*>(w))
        return true;
    if (const ICVNQWidgetBase* c = dynamic_cast<const ICVNQWidgetBase*>(w)) {
        const QString type = c->getTypeName();
        return type != QLatin1String("qtcontainer") && type != QLatin1String("qtlabel");
    }
    return false;
}

bool cvnAllowsCaptionDrag(const QWidget* window, const QWidget* under)
{
    for (const QWidget* w = under; w && w != window; w = w->parentWidget()) {
        if (w->testAttribute(Qt::WA_TransparentForMouseEvents))
            continue;
        if (cvnIsInteractiveWidget(w))
            return false;
    }
    return true;
}

int cvnWindowHitTest(const CVNWindowHitState& s, const QPoint& pos, const QWidget* window, const QWidget* under)
{
    if (pos.x() < 0 || pos.y() < 0 || pos.x() >= s.size.width() || pos.y() >= s.size.height())
        return CVNHitBase;
    const int edge = cvnEdgeZone(s, pos);
    if (edge != CVNHitBase)
        return edge;
    if (!s.canDrag || (s.onlyDragCaption && pos.y() > s.captionHeight))
        return CVNHitBase;
    return cvnAllowsCaptionDrag(window, under) ? CVNHitCaption : CVNHitBase;
}

int cvnZoneToEdge(int zone)
{
    switch (zone) {
    case CVNHitLeft: return CVNEdgeLeft;
    case CVNHitRight: return CVNEdgeRight;
    case CVNHitTop: return CVNEdgeTop;
    case CVNHitBottom: return CVNEdgeBottom;
    case CVNHitBottomRight: return CVNEdgeBottomRight;
    case CVNHitTopRight: return CVNEdgeTopRight;
    case CVNHitTopLeft: return CVNEdgeTopLeft;
    case CVNHitBottomLeft: return CVNEdgeBottomLeft;
    default: return CVNEdgeNone;
    }
}

Qt::CursorShape cvnZoneCursor(int zone)
{
    switch (zone) {
    case CVNHitTopLeft:
    case CVNHitBottomRight: return Qt::SizeFDiagCursor;
    case CVNHitTopRight:
    case CVNHitBottomLeft: return Qt::SizeBDiagCursor;
    case CVNHitLeft:
    case CVNHitRight: return Qt::SizeHorCursor;
    case CVNHitTop:
    case CVNHitBottom: return Qt::SizeVerCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace CVNQtLib
