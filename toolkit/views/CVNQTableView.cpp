#include "CVNQTableView.h"

#include "CVNQCheckBox.h"
#include "CVNQConerWidget.h"
#include "CVNQContainer.h"
#include "CVNQResourceManager.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollBarNode.h"
#include "CVNQTableHeader.h"
#include "CVNQTableViewImpl.h"
#include "CVNQTableViewitemDelegate.h"
#include "CVNQViewport.h"

#include <QEvent>
#include <QImage>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QSet>
#include <algorithm>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQTableView, CVNQTableViewImpl, "qtdatagrid")

CVNQTableView::CVNQTableView(QWidget* parent)
    : QTableView(parent)
{
    m_impl.reset(new CVNQTableViewImpl(this, typeName()));
    m_delegate = new CVNQTableViewitemDelegate(this, m_impl.get());
    setItemDelegate(m_delegate);
    m_horizontalScrollBar = new CVNQScrollBar(Qt::Horizontal, this);
    m_verticalScrollBar = new CVNQScrollBar(Qt::Vertical, this);
    m_horizontalHeader = new CVNQTableHeader(Qt::Horizontal, this, m_impl.get());
    m_verticalHeader = new CVNQTableHeader(Qt::Vertical, this, m_impl.get());

    setVerticalScrollBar(m_verticalScrollBar);
    setHorizontalScrollBar(m_horizontalScrollBar);
    connectScrollBar(Qt::Vertical);
    connectScrollBar(Qt::Horizontal);
    setHorizontalHeader(m_horizontalHeader);
    setVerticalHeader(m_verticalHeader);
    m_verticalHeader->hide();
    // Qt raises a default row height below the style's minimum section size;
    // rows must be exactly the item height.
    m_verticalHeader->setMinimumSectionSize(1);
    m_verticalHeader->setDefaultSectionSize(m_impl->itemHeight);
    setShowGrid(false);

    m_cornerWidget = new CVNQConerWidget(m_impl.get(), this);
    setCornerWidget(m_cornerWidget);
    m_viewport = new CVNQViewport(m_impl.get(), this);
    setViewport(m_viewport);

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameStyle(0);

    m_viewport->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    m_viewport->installEventFilter(this);

    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setAttribute(Qt::WA_MouseTracking);
    // Moves without a button must reach the delegate for the hovered row.
    m_viewport->setMouseTracking(true);

    m_impl->applyTheme();
}

CVNQTableView::~CVNQTableView()
{
    // The delegate and the headers hold the implementation object; let them
    // go before it does.
    if (itemDelegate() == m_delegate)
        setItemDelegate(nullptr);
    delete m_delegate;
}

QList<int> CVNQTableView::selectedRows() const
{
    QSet<int> rows;
    for (const QModelIndex& index : selectedIndexes())
        rows.insert(index.row());
    QList<int> result;
    for (int row : rows)
        result.append(row);
    return result;
}

void CVNQTableView::setColumnWidget(int column, CVNQContainer* widget)
{
    if (!widget) {
        m_impl->columnWidgets.remove(column);
        viewport()->update();
        return;
    }
    widget->setVisible(false);
    m_impl->columnWidgets.insert(column, widget);
    // Its owner may delete it at any time; the column then shows plain cells.
    connect(widget, &QObject::destroyed, viewport(), QOverload<>::of(&QWidget::update), Qt::UniqueConnection);
    viewport()->update();
}

const CVNQContainer* CVNQTableView::getColumnWidget(int column) const
{
    return m_impl->columnWidget(column);
}

void CVNQTableView::setCheckBoxImage(bool checked, const QString& path)
{
    if (QImage* image = CVNQResourceManager::getInstance()->getImage(path, false))
        m_impl->checkImageSize = image->size();
    CVNQCheckBox* box = m_impl->headerCheckBox;
    if (checked) {
        m_impl->checkedImage = path;
        if (box)
            box->setCheckedIcon(path);
    } else {
        m_impl->uncheckedImage = path;
        if (box)
            box->setUncheckIcon(path);
    }
    viewport()->update();
    horizontalHeader()->viewport()->update();
}

QString CVNQTableView::getCheckBoxImage(bool checked) const
{
    return checked ? m_impl->checkedImage : m_impl->uncheckedImage;
}

void CVNQTableView::setCheckedImage(const QString& path)
{
    m_impl->checkedImage = path;
}
QString CVNQTableView::getCheckedImage() const
{
    return m_impl->checkedImage;
}
void CVNQTableView::setUncheckedImage(const QString& path)
{
    m_impl->uncheckedImage = path;
}
QString CVNQTableView::getUncheckedImage() const
{
    return m_impl->uncheckedImage;
}
void CVNQTableView::setCheckstyle(bool on)
{
    m_impl->checkstyle = on;
    viewport()->update();
    horizontalHeader()->viewport()->update();
}
bool CVNQTableView::getCheckstyle() const
{
    return m_impl->checkstyle;
}

void CVNQTableView::setItemHeight(int height)
{
    if (height <= 0)
        return;
    m_impl->itemHeight = height;
    verticalHeader()->setDefaultSectionSize(height);
}

int CVNQTableView::getItemHeight() const
{
    return m_impl->itemHeight;
}

void CVNQTableView::setBackground(CommonCtrlState, const FillStyle& style)
{
    m_impl->background = style;
    // Cells repaint only when their contents change; a new look shows at once.
    viewport()->update();
}
const FillStyle& CVNQTableView::getBackground(CommonCtrlState) const
{
    return m_impl->background;
}
void CVNQTableView::setItemBackground(CtrlState state, const FillStyle& style)
{
    m_impl->itemBackgrounds.set(state, style);
    // Cells repaint only when their contents change; a new look shows at once.
    viewport()->update();
}
const FillStyle& CVNQTableView::getItemBackground(CtrlState state) const
{
    return m_impl->itemBackgrounds.get(state);
}
void CVNQTableView::setItemTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->itemTextStyles.set(state, style);
    // Cells repaint only when their contents change; a new look shows at once.
    viewport()->update();
}
const TextStyleDesc& CVNQTableView::getItemTextStyle(CtrlState state) const
{
    return m_impl->itemTextStyles.get(state);
}
void CVNQTableView::setHeaderBackground(CtrlState state, const FillStyle& style)
{
    m_impl->headerBackgrounds.set(state, style);
    horizontalHeader()->viewport()->update();
}
const FillStyle& CVNQTableView::getHeaderBackground(CtrlState state) const
{
    return m_impl->headerBackgrounds.get(state);
}
void CVNQTableView::setHeaderTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->headerTextStyles.set(state, style);
    horizontalHeader()->viewport()->update();
}
const TextStyleDesc& CVNQTableView::getHeaderTextStyle(CtrlState state) const
{
    return m_impl->headerTextStyles.get(state);
}

CVNQScrollBar* CVNQTableView::themedScrollBar(bool horizontal) const
{
    // Looked up each time: a caller may have installed other bars, and Qt
    // deletes the ones they replaced.
    QScrollBar* bar = horizontal ? horizontalScrollBar() : verticalScrollBar();
    return qobject_cast<CVNQScrollBar*>(bar);
}

void CVNQTableView::setScrollbarBtnSize(bool, int size)
{
    m_impl->scrollbarBtnSize = size;
}

void CVNQTableView::setScrollbarSize(bool, int size)
{
    m_impl->scrollbarSize = size;
    // The grid's line buttons keep their own stored length, so the shared
    // sheet gets it rather than the thickness. Set on whatever bars are
    // installed, themed or not.
    const QString sheet = cvnScrollBarThicknessSheet(m_impl->scrollbarSize, m_impl->scrollbarBtnSize);
    verticalScrollBar()->setStyleSheet(sheet);
    horizontalScrollBar()->setStyleSheet(sheet);
}

void CVNQTableView::initDemoData()
{
    m_impl->createComplete();
}

void CVNQTableView::headerChecked(bool check)
{
    emit headerCheckedChanged(check);
}

bool CVNQTableView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport()) {
        switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(viewport());
            CVNQWidgetBaseImpl::drawFillStyle(&painter, m_impl->background, viewport()->rect());
            return false;
        }
        // No row is under the pointer once it is on the header, a scroll
        // bar or below the last row; the delegate only hears of cells.
        case QEvent::Leave: m_impl->setHoveredRow(-1); break;
        case QEvent::MouseMove:
            if (!indexAt(static_cast<QMouseEvent*>(event)->pos()).isValid())
                m_impl->setHoveredRow(-1);
            break;
        default: break;
        }
    }
    return QTableView::eventFilter(watched, event);
}

void CVNQTableView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    // A bar installed since the last scroll has missed this change.
    if (connectScrollBar(Qt::Vertical) && dy)
        verticalScrollbarValueChanged(verticalScrollBar()->value());
    if (connectScrollBar(Qt::Horizontal) && dx)
        horizontalScrollbarValueChanged(horizontalScrollBar()->value());
    // Rows move under a resting pointer; the hovered row is the one now
    // under it. A pointer that hovers no row and is not over the rows is
    // left alone.
    if (m_impl->hoveredRow == -1 && !viewport()->underMouse())
        return;
    const QPoint pos = m_impl->pointerInViewport();
    m_impl->setHoveredRow(viewport()->rect().contains(pos) ? indexAt(pos).row() : -1);
}

bool CVNQTableView::connectScrollBar(Qt::Orientation orientation)
{
    // Qt ties an item view to the bars it creates and drops those ties when
    // a bar is replaced, as the view does with its own and callers may do
    // again: the view would then neither fetch more rows at the end of a
    // lazy model nor follow the pointer while scrolling.
    using Slot = void (QTableView::*)(int);
    const bool vertical = orientation == Qt::Vertical;
    QScrollBar* bar = vertical ? verticalScrollBar() : horizontalScrollBar();
    const Slot valueChanged =
        vertical ? &CVNQTableView::verticalScrollbarValueChanged : &CVNQTableView::horizontalScrollbarValueChanged;
    const Slot action = vertical ? &CVNQTableView::verticalScrollbarAction : &CVNQTableView::horizontalScrollbarAction;
    if (!connect(bar, &QScrollBar::valueChanged, this, valueChanged, Qt::UniqueConnection))
        return false;
    connect(bar, &QScrollBar::actionTriggered, this, action, Qt::UniqueConnection);
    return true;
}

void CVNQTableView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles)
{
    QWidget* port = viewport();
    const bool ours = itemDelegate() == m_delegate && m_delegate && !m_impl->hasColumnWidgets();
    if (!ours || !isVisible() || !port->updatesEnabled() || !topLeft.isValid() || !bottomRight.isValid() ||
        topLeft.parent() != rootIndex() || bottomRight.parent() != rootIndex()) {
        QTableView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    // Only the rows and columns on screen can need a repaint; every other
    // cell is painted afresh when it scrolls into view.
    const int firstShown = rowAt(0);
    const int lastShown = rowAt(port->height() - 1);
    const int firstRow = std::max(topLeft.row(), firstShown < 0 ? 0 : firstShown);
    const int lastRow = std::min(bottomRight.row(), lastShown < 0 ? model()->rowCount(rootIndex()) - 1 : lastShown);
    const int firstColumn = std::max(topLeft.column(), std::max(columnAt(0), 0));
    const int lastColumn =
        std::min(bottomRight.column(),
                 columnAt(port->width() - 1) < 0 ? model()->columnCount(rootIndex()) - 1 : columnAt(port->width() - 1));
    QRegion dirty;
    for (int c = firstColumn; c <= lastColumn; ++c) {
        if (isColumnHidden(c))
            continue;
        const bool plain = !itemDelegateForColumn(c);
        for (int r = firstRow; r <= lastRow; ++r) {
            if (isRowHidden(r))
                continue;
            const QModelIndex index = model()->index(r, c, rootIndex());
            if (!plain || itemDelegateForRow(r) || m_impl->cellChanged(index))
                dirty += visualRect(index);
        }
    }
    {
        // Qt's own handling (editors, accessibility) without its repaint
        // of the whole viewport.
        port->setAttribute(Qt::WA_UpdatesDisabled, true);
        QTableView::dataChanged(topLeft, bottomRight, roles);
        port->setAttribute(Qt::WA_UpdatesDisabled, false);
    }
    if (!dirty.isEmpty())
        port->update(dirty);
}

void CVNQTableView::paintEvent(QPaintEvent* event)
{
    // Qt delivers the viewport's paint events here; the background goes
    // under the cells on the same device.
    {
        QPainter painter(viewport());
        CVNQWidgetBaseImpl::drawFillStyle(&painter, m_impl->background, QRect(0, 0, width(), height()));
    }
    m_impl->beginRowsPaint();
    QTableView::paintEvent(event);
    m_impl->endRowsPaint();
}

void CVNQTableView::leaveEvent(QEvent* event)
{
    if (m_impl->hoveredRow != -1) {
        m_impl->hoveredRow = -1;
        viewport()->repaint();
    }
    QTableView::leaveEvent(event);
}

} // namespace CVNQtLib

#include "moc_CVNQTableView.cpp"
#include "moc_CVNQViewport.cpp"
