#include "CVNQMenu.h"

#include "CVNQControlInfo.h"
#include "CVNQOutlives.h"

#include "CVNQMenuImpl.h"

#include <QActionEvent>
#include <QHideEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPaintEvent>

#include <climits>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQMenu, CVNQMenuImpl, "qtmenu")

CVNQMenu::CVNQMenu(QWidget* parent)
    : QMenu(parent)
{
    m_impl.reset(new CVNQMenuImpl(this, typeName()));
    setWindowFlag(Qt::FramelessWindowHint, true);
    setAttribute(Qt::WA_TranslucentBackground, true);
    m_impl->applyTheme();
}

CVNQMenu::CVNQMenu(const QString& title, QWidget* parent)
    : CVNQMenu(parent)
{
    setTitle(title);
}

CVNQMenu::~CVNQMenu() = default;

QAction* CVNQMenu::addIconAction(const QString& iconPath, const QString& text)
{
    QAction* action = addAction(text);
    if (!iconPath.isEmpty()) {
        action->setProperty("cvn_menu_icon_path", iconPath);
        // SVG files are drawn as vectors from the path; a QIcon of one
        // would only be a blurred raster.
        if (!iconPath.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
            action->setIcon(QIcon(iconPath));
    }
    return action;
}

void CVNQMenu::setBackground(const FillStyle& style)
{
    m_impl->background = style;
    update();
}

void CVNQMenu::setItemStyle(CtrlState state, const FillStyle& style)
{
    m_impl->itemBackgrounds.set(state, style);
    update();
}

void CVNQMenu::setItemTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->itemTextStyles.set(state, style);
    update();
}

void CVNQMenu::setIconOffset(int offset)
{
    m_impl->iconOffset = offset;
    m_fitPending = true;
}

void CVNQMenu::paintEvent(QPaintEvent* event)
{
    // A hover change repaints two items; the others are left undrawn.
    m_impl->paintRegion = event->region();
    ControlCommon::paint(this);
    m_impl->paintRegion = QRegion();
}

void CVNQMenu::mouseMoveEvent(QMouseEvent* event)
{
    // Qt's handler emits hovered, whose slots may delete the menu.
    if (cvnOutlives(this, [&] { QMenu::mouseMoveEvent(event); }))
        m_impl->trackHover(event->pos());
}

void CVNQMenu::hideEvent(QHideEvent* event)
{
    QMenu::hideEvent(event);
    m_impl->hoverIndex = -1;
}

void CVNQMenu::actionEvent(QActionEvent* event)
{
    m_fitPending = true;
    QMenu::actionEvent(event);
}

void CVNQMenu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_fitPending = true;
    QMenu::changeEvent(event);
}

QSize CVNQMenu::sizeHint() const
{
    // A pop-up asks for its size after its aboutToShow handlers ran, so
    // items they add are measured too.
    // Items styled anew (a theme, a setter) draw in other fonts.
    if (!m_fitting && (m_fitPending || minimumWidth() != m_fittedMinimumWidth || itemFonts() != m_fittedFonts))
        const_cast<CVNQMenu*>(this)->fitIconColumn();
    return QMenu::sizeHint();
}

void CVNQMenu::markItemsDirty()
{
    // Qt keeps its item geometry until an action changes.
    const QList<QAction*> list = actions();
    if (list.isEmpty())
        return;
    QActionEvent changed(QEvent::ActionChanged, list.first());
    QMenu::actionEvent(&changed);
}

int CVNQMenu::widenedMinimumWidth(int offset) const
{
    // Qt gives every column the minimum width less the menu's margins and
    // frame, so the target is one column plus the offset plus those; a
    // tall menu's hint spans all its columns and must not be taken whole.
    const int hintWidth = QMenu::sizeHint().width();
    int left = INT_MAX;
    int right = INT_MIN;
    int column = 0;
    int drawn = 0;
    for (QAction* action : actions()) {
        const QRect r = actionGeometry(action);
        if (r.isEmpty())
            continue;
        left = qMin(left, r.left());
        right = qMax(right, r.right() + 1);
        column = qMax(column, r.width());
        if (!action->isSeparator())
            drawn = qMax(drawn, drawnItemWidth(action, offset));
    }
    if (column == 0)
        return hintWidth + offset;
    return qMax(column + offset, drawn) + hintWidth - (right - left);
}

int CVNQMenu::drawnItemWidth(const QAction* action, int offset) const
{
    // Qt measures items in the menu's font, but an item draws in its text
    // style (normal or hovered): the column must hold the text in those,
    // past the icon column, the painter's 2 px eliding margin and a
    // submenu's arrow.
    int width = 0;
    for (const CtrlState state : {CtrlStateNormal, CtrlStateHover}) {
        const TextStyleDesc& style = m_impl->itemTextStyles[state];
        width = qMax(width, CVNQWidgetBaseImpl::getTextSize(action->text(), style, this).width() + qMax(2, style.x));
    }
    return width + (offset != 0 ? offset + 4 : 0) + (action->menu() ? 10 : 0);
}

QVector<QFont> CVNQMenu::itemFonts() const
{
    if (!m_impl)
        return {};
    return {CVNQWidgetBaseImpl::fontForStyle(m_impl->itemTextStyles[CtrlStateNormal], this),
            CVNQWidgetBaseImpl::fontForStyle(m_impl->itemTextStyles[CtrlStateHover], this)};
}

void CVNQMenu::fitIconColumn()
{
    m_fitPending = false;
    m_fittedFonts = itemFonts();
    if (minimumWidth() != m_fittedMinimumWidth)
        m_ownMinimumWidth = minimumWidth();
    int target = m_ownMinimumWidth;
    const int offset = m_impl ? m_impl->iconOffset : 0;
    if (m_impl && !actions().isEmpty()) {
        m_fitting = true;
        setMinimumWidth(m_ownMinimumWidth);
        markItemsDirty();
        target = qMax(m_ownMinimumWidth, widenedMinimumWidth(offset));
        m_fitting = false;
    }
    m_fittedMinimumWidth = target;
    if (minimumWidth() != target) {
        m_fitting = true;
        setMinimumWidth(target);
        markItemsDirty();
        m_fitting = false;
    }
}

} // namespace CVNQtLib

#include "moc_CVNQMenu.cpp"
