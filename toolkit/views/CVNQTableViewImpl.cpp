#include "CVNQTableViewImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQCheckBox.h"
#include "CVNQContainer.h"
#include "CVNQItemViewSetup.h"
#include "CVNQResourceManager.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollBarNode.h"
#include "CVNQScrollBarSlots.h"
#include "CVNQTableView.h"
#include "CVNQtLib.h"

#include <QCursor>
#include <QHeaderView>
#include <QStandardItemModel>

namespace CVNQtLib {

namespace {

// The item views' slot map with the header's groups after it.
struct Slots : CVNQItemViewSlots
{
    static constexpr CVNQStyleSlot header = itemText.next("HeaderBackground", StyleKindFill, CtrlStateCount);
    static constexpr CVNQStyleSlot headerText = header.next("HeaderTextStyle", StyleKindText, CtrlStateCount);
};

} // namespace

CVNQTableViewImpl::CVNQTableViewImpl(CVNQTableView* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{
    itemBackgrounds.setAll([] {
        FillStyle none;
        none.valid = false;
        return none;
    }());

    // Only a drawing stamp: the view's headers, bars and viewport cover it,
    // and it never shows or takes the mouse on its own.
    headerCheckBox = new CVNQCheckBox(owner);
    headerCheckBox->setObjectName(QStringLiteral("_cvn_table_check_stamp"));
    headerCheckBox->setAttribute(Qt::WA_TransparentForMouseEvents);
    headerCheckBox->setFocusPolicy(Qt::NoFocus);
    headerCheckBox->hide();
    headerCheckBox->setShowText(false);
    // It draws the grid's images, not the check-box theme's, now and after
    // a theme change (the grid's own theme entry carries its images).
    if (CVNQWidgetBaseImpl* stamp = headerCheckBox->getControlImpl())
        stamp->setThemeName(QString());
    headerCheckBox->setCheckedIcon(checkedImage);
    headerCheckBox->setUncheckIcon(uncheckedImage);
    const FillStyle plain;
    headerCheckBox->setBackground(CtrlStateAll, plain);
    headerCheckBox->setCheckedBackground(CtrlStateAll, plain);
}

CVNQTableViewImpl::~CVNQTableViewImpl() = default;

CVNQTableView* CVNQTableViewImpl::view() const
{
    return static_cast<CVNQTableView*>(m_owner);
}

CVNQContainer* CVNQTableViewImpl::columnWidget(int column) const
{
    auto it = columnWidgets.constFind(column);
    return it == columnWidgets.constEnd() ? nullptr : it.value().data();
}

void CVNQTableViewImpl::setHoveredRow(int row)
{
    if (row == hoveredRow)
        return;
    hoveredRow = row;
    if (m_owner)
        view()->viewport()->update();
}

namespace {
quint64 cellKey(const QModelIndex& index)
{
    return (quint64(quint32(index.row())) << 32) | quint32(index.column());
}
} // namespace

uint CVNQTableViewImpl::cellContents(const QString& text, const QString& iconPath, const QVariant& alignment,
                                     bool checked)
{
    uint h = qHash(text);
    h = h * 31 + qHash(iconPath);
    h = h * 31 + uint(alignment.isValid() ? alignment.toInt() + 1 : 0);
    return h * 2 + (checked ? 1 : 0);
}

void CVNQTableViewImpl::rememberPainted(const QModelIndex& index, uint contents)
{
    paintedCells.insert(cellKey(index), contents);
}

bool CVNQTableViewImpl::cellChanged(const QModelIndex& index) const
{
    const auto it = paintedCells.constFind(cellKey(index));
    if (it == paintedCells.constEnd())
        return true;
    const bool checked = index.column() == 0 && checkstyle && index.data(Qt::CheckStateRole).toBool();
    return *it != cellContents(index.data(Qt::DisplayRole).toString(), index.data(CellIconRole).toString(),
                               index.data(Qt::TextAlignmentRole), checked);
}

QPoint CVNQTableViewImpl::pointerInViewport() const
{
    if (paintPointerValid || !m_owner)
        return paintPointer;
    return view()->viewport()->mapFromGlobal(QCursor::pos());
}

void CVNQTableViewImpl::beginRowsPaint()
{
    paintPointerValid = false;
    if (hasColumnWidgets())
        paintPointer = pointerInViewport();
    paintPointerValid = true;
}

void CVNQTableViewImpl::draw(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, background, rect);
}

void CVNQTableViewImpl::createComplete()
{
    if (!m_owner)
        return;
    CVNQTableView* v = view();
    // A page's scroll-bar entries under the grid describe its own bars and
    // were read with its node; the page builder has made each of them a
    // control of its own as well, which would float over the rows.
    cvnDeleteBuiltScrollBarNodes(v);
    if (!cvnIsQtEmulator())
        return;
    auto* model = new QStandardItemModel(v);
    const QStringList headers = {tr("Col1"), tr("Col2"), tr("Col3"), tr("Col4"), tr("Col5")};
    const int columns = headers.size();
    const int rows = 100;
    model->setColumnCount(columns);
    for (int c = 0; c < columns; ++c)
        model->setHorizontalHeaderItem(c, new QStandardItem(headers.at(c)));
    model->setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            model->setItem(r, c, new QStandardItem(QStringLiteral("item %1 %2").arg(r).arg(c)));
    v->setModel(model);
}

void CVNQTableViewImpl::notifyChangeLanguage() {}

void CVNQTableViewImpl::readJson(const Json::Value& node)
{
    if (!m_owner)
        return;
    readStyles(node);
    readAttributes(node);
    readScrollBarChildren(node);
}

void CVNQTableViewImpl::writeJson(Json::Value& node) const
{
    if (!m_owner)
        return;
    // The check-box stamp is a child control of the view; the node must not
    // make pages build one. Scroll-bar children are read, never written.
    if (node.isObject())
        node.removeMember("child");
    writeStyles(node);
    writeAttributes(node);
}

void CVNQTableViewImpl::readStyles(const Json::Value& node)
{
    if (!jsonHasMember(node, "style"))
        return;
    cvnForEachStyleEntry(node, [this](const QString& name, int, int slot) {
        cvnReadSlotEntry(Slots::background, slot, name, background) ||
            itemBackgrounds.readEntry(Slots::item, slot, name) ||
            itemTextStyles.readEntry(Slots::itemText, slot, name) ||
            headerBackgrounds.readEntry(Slots::header, slot, name) ||
            headerTextStyles.readEntry(Slots::headerText, slot, name);
    });
}

void CVNQTableViewImpl::readAttributes(const Json::Value& node)
{
    // A null "attr" lets every key count as present, as false, 0 or empty.
    if (!node.isObject() || !node.isMember("attr"))
        return;
    const Json::Value& attr = jsonGet(node, "attr");
    if (!attr.isNull() && !attr.isObject())
        return;
    CVNQTableView* v = view();

    bool multi = false;
    if (jsonRead(attr, "multiselect", multi))
        v->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    int height = 0;
    if (jsonRead(attr, "itemHeight", height)) {
        v->setItemHeight(height);
        v->horizontalHeader()->setFixedHeight(height);
    }
    bool check = false;
    if (jsonRead(attr, "checkstyle", check))
        v->setCheckstyle(check);
    QString image;
    if (jsonRead(attr, "checkedImg", image))
        v->setCheckBoxImage(true, image);
    if (jsonRead(attr, "uncheckImg", image))
        v->setCheckBoxImage(false, image);
}

void CVNQTableViewImpl::readScrollBarChildren(const Json::Value& node)
{
    if (!jsonHasMember(node, "child"))
        return;
    CVNQTableView* v = view();
    const Json::Value& children = jsonGet(node, "child");
    const int count = jsonSize(children);
    for (int i = 0; i < count; ++i) {
        const Json::Value& child = jsonAt(children, i);
        if (!jsonString(child, "type").contains(QLatin1String("scrollbar")))
            continue;
        // Without "attr" every key reads as false, 0 or empty.
        const Json::Value& attr = jsonGet(child, "attr");
        bool hor = false;
        jsonRead(attr, "hor", hor);
        QString path;
        if (jsonRead(attr, "upicon", path))
            v->setScrollbarButtonIcon(hor, true, path);
        if (jsonRead(attr, "downicon", path))
            v->setScrollbarButtonIcon(hor, false, path);
        if (jsonRead(attr, "thumbicon", path))
            v->setScrollbarThumb(hor, path);
        int size = 0;
        if (jsonRead(attr, "size", size))
            v->setScrollbarBtnSize(hor, size);
        v->setScrollbarSize(hor, jsonInt(child, hor ? "h" : "w", 0));

        cvnForEachStyleEntry(child, [&](const QString& name, int, int slot) {
            using Bar = CVNQScrollBarSlots;
            const Bar::Target t = Bar::target(slot);
            FillStyle style;
            if (t.part == Bar::NoPart || !cvnLookupStyle(name, style))
                return;
            // A part's first index sets every state.
            const CtrlState state = t.state == CtrlStateNormal ? CtrlStateAll : t.state;
            if (t.part == Bar::Background)
                v->setScrollbarBackgroundStyle(hor, style);
            else if (t.part == Bar::Thumb)
                v->setScrollbarThumbStyle(hor, state, style);
            else
                v->setScrollbarButtonStyle(hor, t.part == Bar::UpButton, state, style);
        });
    }
}

void CVNQTableViewImpl::writeStyles(Json::Value& node) const
{
    Json::Value list(Json::arrayValue);
    cvnWriteSlotEntry(list, Slots::background, background);
    itemBackgrounds.writeCompact(list, Slots::item);
    itemTextStyles.writeCompact(list, Slots::itemText);
    headerBackgrounds.writeCompact(list, Slots::header);
    headerTextStyles.writeCompact(list, Slots::headerText);
    jsonMember(node, "style") = list;
}

void CVNQTableViewImpl::writeAttributes(Json::Value& node) const
{
    const CVNQTableView* v = view();
    // The common routine writes back whatever "attr" once held; the grid's
    // own keys follow its current state instead.
    Json::Value& attr = cvnOwnAttr(node, {"multiselect", "itemHeight", "checkstyle", "checkedImg", "uncheckImg"});
    if (v->selectionMode() == QAbstractItemView::ExtendedSelection)
        jsonMember(attr, "multiselect") = true;
    jsonMember(attr, "itemHeight") = itemHeight;
    if (checkstyle)
        jsonMember(attr, "checkstyle") = true;
    // Written empty too: left out, an emptied image would read back as the
    // built-in default.
    jsonMember(attr, "checkedImg") = jsonUtf8(checkedImage);
    jsonMember(attr, "uncheckImg") = jsonUtf8(uncheckedImage);
}

} // namespace CVNQtLib

#include "moc_CVNQTableViewImpl.cpp"
