#include "CVNQListView.h"

#include "CVNQControlInfo.h"
#include "CVNQOutlives.h"

#include "CVNQContainer.h"
#include "CVNQItemViewSetup.h"
#include "CVNQListViewImpl.h"
#include "CVNQListViewItemDelegate.h"
#include "CVNQLogging.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollBarNode.h"
#include "CVNQtLib.h"

#include <QEvent>
#include <QStandardItemModel>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQListView, CVNQListViewImpl, "qtlistview")

CVNQListView::CVNQListView(QWidget* parent)
    : QListView(parent)
{
    m_impl.reset(new CVNQListViewImpl(this, typeName()));
    m_delegate = new CVNQListViewItemDelegate(this, m_impl.get());
    setItemDelegate(m_delegate);
    cvnSetUpItemView(this, m_horizontalScrollBar, m_verticalScrollBar);
    viewport()->setBackgroundRole(QPalette::NoRole);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSpacing(1);
    // Moves without a button must reach the delegate for hover and cursor.
    viewport()->setMouseTracking(true);
    m_impl->applyTheme();
}

CVNQListView::~CVNQListView()
{
    cvnDeleteItemDelegate(this, m_delegate);
}

CVNQListViewItemDelegate* CVNQListView::getDelegate() const
{
    return m_delegate.data();
}

void CVNQListView::setItemTemplate(QWidget* w)
{
    if (!w)
        return;
    auto* container = qobject_cast<CVNQContainer*>(w);
    if (!container) {
        qCWarning(lcFactory) << "list view" << objectName() << "refuses item template" << w->metaObject()->className()
                             << w->objectName() << ": a template must be a CVNQContainer";
        return;
    }
    m_impl->keepTemplateNode(container);
    container->hide();
    m_impl->itemTemplate = container;
    if (m_delegate)
        m_delegate->collectTemplateControls(container);
    viewport()->update();
}

QWidget* CVNQListView::getitemTemplate() const
{
    return m_impl->itemTemplate.data();
}

void CVNQListView::setItemDisplayCallBack(ItemDisplayCallBack callBack)
{
    m_impl->itemDisplayCallBack = callBack;
}
ItemDisplayCallBack CVNQListView::getItemDisplayCallBack() const
{
    return m_impl->itemDisplayCallBack;
}
void CVNQListView::setItemForSizeCallBack(ItemForSizeCallBack callBack)
{
    m_impl->itemForSizeCallBack = callBack;
}
ItemForSizeCallBack CVNQListView::getItemForSizeCallBack() const
{
    return m_impl->itemForSizeCallBack;
}
void CVNQListView::setLabelExCallBack(LabelExCallBack callBack)
{
    m_impl->labelExCallBack = callBack;
}
LabelExCallBack CVNQListView::getLabelExCallBack() const
{
    return m_impl->labelExCallBack;
}

void CVNQListView::setItemHeight(int height)
{
    m_impl->itemHeight = height;
    scheduleDelayedItemsLayout();
}
int CVNQListView::getItemHeight() const
{
    return m_impl->itemHeight;
}
void CVNQListView::setItemWidth(int width)
{
    m_impl->itemWidth = width;
    scheduleDelayedItemsLayout();
}
int CVNQListView::getItemWidth() const
{
    return m_impl->itemWidth;
}

void CVNQListView::setEnableSelection(bool enable)
{
    m_impl->enableSelection = enable;
}
bool CVNQListView::getEnableSelection() const
{
    return m_impl->enableSelection;
}

void CVNQListView::clearHighLight()
{
    if (m_delegate)
        m_delegate->clearHighLight();
}

void CVNQListView::setBackground(CommonCtrlState, const FillStyle& style)
{
    m_impl->background = style;
    viewport()->update();
}
const FillStyle& CVNQListView::getBackground(CommonCtrlState) const
{
    return m_impl->background;
}
void CVNQListView::setItemBackground(CtrlState state, const FillStyle& style)
{
    m_impl->itemBackground.setOrNormal(state, style);
    viewport()->update();
}
const FillStyle& CVNQListView::getItemBackground(CtrlState state) const
{
    return m_impl->itemBackground.get(state);
}

CVNQScrollBar* CVNQListView::themedScrollBar(bool horizontal) const
{
    return qobject_cast<CVNQScrollBar*>(horizontal ? horizontalScrollBar() : verticalScrollBar());
}

void CVNQListView::setScrollbarSize(bool horizontal, int size)
{
    if (horizontal)
        return;
    const QString sheet =
        QStringLiteral("QScrollBar::vertical{ width:%1; } QScrollBar::horizontal{ height:%2; }").arg(size).arg(size);
    horizontalScrollBar()->setStyleSheet(sheet);
    verticalScrollBar()->setStyleSheet(sheet);
}

void CVNQListView::setScrollbarBtnSize(bool horizontal, int size)
{
    (horizontal ? horizontalScrollBar() : verticalScrollBar())
        ->setStyleSheet(cvnScrollBarButtonSizeSheet(horizontal, size));
}

void CVNQListView::initDemoData()
{
    // Demonstration rows belong to the maker's tools; the view owns them.
    if (!cvnIsQtEmulator())
        return;
    setModel(new QStandardItemModel(20, 1, this));
}

bool CVNQListView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Paint)
        cvnPaintViewportBackground(viewport(), m_impl->background);
    else if (watched == viewport() && m_delegate)
        m_delegate->trackPointer(event);
    return QListView::eventFilter(watched, event);
}

void CVNQListView::mouseReleaseEvent(QMouseEvent* event)
{
    // Qt's handler emits clicked, whose slots may delete the view.
    if (cvnOutlives(this, [&] { QListView::mouseReleaseEvent(event); }) && m_delegate)
        m_delegate->endSelecting();
}

ControlInfo CVNQListView::getProps()
{
    using V = CVNQListView;
    ControlInfo info = cvnMakeControlInfo(typeName(), "ListView", "Control ListView", "CVNQListView", "templatelist");
    std::vector<PropertyDef>& rows = info.properties;
    using Slots = CVNQItemViewSlots;
    rows.push_back(cvnStyleRow<V>(Slots::background, &V::setBackground, &V::getBackground));
    rows.push_back(cvnStyleRow<V>(Slots::item, &V::setItemBackground, &V::getItemBackground));
    rows.push_back(cvnIntRow<V>(QStringLiteral("ItemHeight"), PropInt, &V::setItemHeight, &V::getItemHeight));
    rows.push_back(cvnIntRow<V>(QStringLiteral("ItemWidth"), PropInt, &V::setItemWidth, &V::getItemWidth));
    rows.push_back(cvnIntRow<V>(QStringLiteral("ItemSpace"), PropInt, &V::setSpacing, &V::spacing));
    rows.push_back(cvnIntRow<V>(QStringLiteral("ItemMode"), PropChoice, &V::setViewMode, &V::viewMode,
                                cvnChoices({{0, "List"}, {1, "Icon"}})));
    return info;
}

} // namespace CVNQtLib

#include "moc_CVNQListView.cpp"
