// The turbine page (title, search, status filter, the turbine table and its
// summary line) and the refill of the turbine table from a snapshot.

#include "WindFarmTurbinesPage.h"

#include "CVNQSingleLine.h"
#include "CVNQComboBox.h"
#include "CVNQLabel.h"
#include "CVNQLineEdit.h"
#include "CVNQPushButton.h"
#include "CVNQTableView.h"
#include "GustrelResources.h"
#include "TurbineFilterProxyModel.h"
#include "WindFarmStyle.h"
#include "WindFarmTables.h"
#include "WindFarmWidgets.h"

#include <QEvent>
#include <QStandardItemModel>
#include <QTimer>

using namespace CVNQtLib;

namespace {

enum TurbineColumn
{
    ColNumber,
    ColId,
    ColLocation,
    ColWind,
    ColTemp,
    ColOutput,
    ColEfficiency,
    ColNextInspection,
    ColStatus,
    ColNote,
    TurbineColumnCount
};
const int kTurbineWidths[TurbineColumnCount] = {44, 105, 125, 85, 76, 92, 86, 118, 112, 260};
const char* const kTurbineHeadersEn[TurbineColumnCount] = {
    "#", "Turbine ID", "Location", "Wind", "Temp", "Output", "Efficiency", "Next inspection", "Status", "AI warning"};
const char* const kTurbineHeadersZh[TurbineColumnCount] = {"#",    "风机 ID", "位置",     "风速", "温度",
                                                           "输出", "效率",    "下次检查", "状态", "AI 告警"};

// The cells of one turbine-list row. A row that already shows this turbine
// (whole false) only gets its live values, status and note: its number, id,
// location and inspection date never change, and every equal value written
// again still costs a look-up per role.
void fillTurbineRow(QStandardItem* const (&cells)[TurbineColumnCount], const TurbineRecord& t, const QString& status,
                    const QString& icon, int language, bool whole)
{
    auto set = [&cells](int c, const QString& text, const QVariant& sortKey = QVariant()) {
        QStandardItem* item = cells[c];
        item->setData(text, Qt::DisplayRole);
        if (sortKey.isValid())
            item->setData(sortKey, TurbineSortRole);
    };
    if (whole) {
        set(ColNumber, QString::number(t.index + 1), t.index + 1);
        set(ColId, cvnShownOnOneLine(t.id));
        set(ColLocation, cvnShownOnOneLine(t.location));
        set(ColNextInspection, t.nextInspection);
        for (QStandardItem* item : cells) {
            item->setData(int(Qt::AlignCenter), Qt::TextAlignmentRole);
            item->setData(t.id, TurbineIdRole);
        }
    }
    set(ColWind, windText(t.windSpeed), t.windSpeed);
    set(ColTemp, temperatureText(t.temperature), t.temperature);
    set(ColOutput, outputText(t.outputKw), t.outputKw);
    set(ColEfficiency, efficiencyText(t.efficiency), t.efficiency);
    set(ColStatus, status);
    cells[ColStatus]->setData(t.status, TurbineStatusRole);
    cells[ColStatus]->setData(icon.isEmpty() ? QVariant() : QVariant(icon), CellIconRole);
    set(ColNote, language == LanguageChinese ? t.aiNoteZh : t.aiNoteEn);
}

} // namespace

WindFarmTurbinesPage::WindFarmTurbinesPage(TurbineFilterProxyModel* proxy, QWidget* parent)
    : CVNQContainer(parent)
    , proxyModel(proxy)
{
    stylePage(this, QStringLiteral("turbinesPage"), 10);
    CVNQContainer* page = this;

    CVNQContainer* titleRow = makeContainer(page, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 10);
    setFixedHeightOf(titleRow, 48);
    CVNQContainer* titleColumn = makeContainer(titleRow, QStringLiteral("WindClear"), CVNQContainer::Vertical, 1);
    turbinesTitle = makeLabel(titleColumn, QStringLiteral("WindLabelTitle"), 1, 29);
    turbinesSubtitle = makeLabel(titleColumn, QStringLiteral("WindLabelMuted"), 1, 18);

    addButton = makeButton(titleRow, QStringLiteral("WindPrimaryButton"), QString(), 138, 36,
                           gustrelIconPath(QStringLiteral("plus")), QColor(4, 16, 11));
    addButton->setObjectName(QStringLiteral("addTurbineButton"));
    IconStyleDesc plusStyle = addButton->getIconStyle();
    plusStyle.x = 10;
    plusStyle.hor = 0;
    addButton->setIconStyle(plusStyle);
    addButton->setShowText(true);
    // The text is centred in the room right of the icon.
    addButton->setTextOffsetX(18);
    connect(addButton, &QPushButton::clicked, this, &WindFarmTurbinesPage::addTurbineClicked);

    CVNQContainer* filterRow = makeContainer(page, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 10);
    setFixedHeightOf(filterRow, 40);
    searchEdit = makeLineEdit(filterRow, QStringLiteral("turbineSearch"), 1, 36);

    statusFilterCombo = makeCombo(filterRow, QStringLiteral("turbineStatusFilter"), 170, 36);

    filterButton = makeButton(filterRow, QStringLiteral("WindIconButton"), QString(), 36, 36,
                              gustrelIconPath(QStringLiteral("sliders")), kWindIconColour);
    filterButton->setEnabled(false);

    CVNQContainer* tableCard =
        makeContainer(page, QStringLiteral("WindCard"), CVNQContainer::Vertical, 1, 4, 10, 8, 10, 8);
    turbineTable = new CVNQTableView(tableCard);
    turbineTable->setObjectName(QStringLiteral("turbineTable"));
    styleTable(turbineTable, false);
    tableCard->addChildWidget(turbineTable, 1);
    turbineModel = new QStandardItemModel(turbineTable);
    proxyModel->setSourceModel(turbineModel);
    turbineTable->setModel(proxyModel);
    turbineTable->setSortingEnabled(true);
    turbineTable->sortByColumn(0, Qt::AscendingOrder);

    tableSummaryLabel = makeLabel(page, QStringLiteral("WindLabelMuted"), 0, 22);
    tableSummaryLabel->setObjectName(QStringLiteral("turbineSummaryLine"));

    connect(searchEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        // The field shows a pasted line break as a space, and the table its
        // texts on one line: the search looks for what the field shows.
        proxyModel->setFilterText(cvnSingleLine(text));
        refreshTableFilterSummary();
    });
    connect(statusFilterCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        proxyModel->setStatusFilter(statusFilterCombo->itemData(index, Qt::UserRole).toInt());
        refreshTableFilterSummary();
    });
    connect(turbineTable, &QAbstractItemView::clicked, this, &WindFarmTurbinesPage::onTableClicked);
}

void WindFarmTurbinesPage::setLanguage(int value)
{
    language = value;
    const int l = language;
    turbinesTitle->setText(bilingual(l, "Turbines", "风机"));
    turbinesSubtitle->setText(bilingual(l, "Live equipment status, inspections, and AI maintenance guidance",
                                        "实时设备状态、检查计划与 AI 维护建议"));
    addButton->setText(bilingual(l, "Add Turbine", "新增风机"));
    searchEdit->setPlaceholderText(bilingual(l, "Search by ID or location...", "按 ID 或位置搜索..."));

    refillCombo(statusFilterCombo,
                QVector<QPair<QString, int>>{{bilingual(l, "All statuses", "全部状态"), -1}} + statusItems(language),
                proxyModel->getStatusFilter());
}

void WindFarmTurbinesPage::refreshSnapshot(const WindFarmSnapshot& snapshot)
{
    turbineCount = snapshot.turbineCount;
    refreshTurbineList(snapshot);
    refreshTableFilterSummary();
}

void WindFarmTurbinesPage::refreshTurbineList(const WindFarmSnapshot& snapshot)
{
    const QVector<TurbineRecord>& turbines = snapshot.turbines;
    const int n = turbines.size();
    setHeaders(turbineModel, kTurbineHeadersEn, kTurbineHeadersZh, TurbineColumnCount, language);

    // Rows are updated in place while they still hold the same turbines in
    // the same order (the farm only ever grows at its end): the table keeps
    // its selection, current row, scroll position and a press waiting for
    // its release. Any other change rebuilds the rows.
    int kept = std::min(turbineModel->rowCount(), n);
    for (int r = 0; r < kept; ++r) {
        const QStandardItem* first = turbineModel->item(r, 0);
        if (!first || first->data(TurbineIdRole).toString() != turbines[r].id) {
            kept = 0;
            break;
        }
    }
    if (kept < turbineModel->rowCount())
        turbineModel->removeRows(kept, turbineModel->rowCount() - kept);

    if (kept > 0) {
        {
            // One change report for the whole block instead of one per cell:
            // the filter and sort run once per tick, not once per value.
            const QSignalBlocker block(turbineModel);
            QStandardItem* cells[TurbineColumnCount];
            for (int r = 0; r < kept; ++r) {
                for (int c = 0; c < TurbineColumnCount; ++c)
                    cells[c] = itemAt(turbineModel, r, c);
                const TurbineRecord& t = turbines[r];
                fillTurbineRow(cells, t, statusText(t.status, language), statusIconName(t.status), language, false);
            }
        }
        // Only the live columns changed: sorted by one of the others, the
        // proxy need not sort again.
        emit turbineModel->dataChanged(turbineModel->index(0, ColWind), turbineModel->index(kept - 1, ColNote));
    }
    for (int r = kept; r < n; ++r) {
        QStandardItem* cells[TurbineColumnCount];
        for (QStandardItem*& cell : cells)
            cell = new QStandardItem;
        const TurbineRecord& t = turbines[r];
        fillTurbineRow(cells, t, statusText(t.status, language), statusIconName(t.status), language, true);
        turbineModel->appendRow(QList<QStandardItem*>(std::begin(cells), std::end(cells)));
    }

    applyColumnWidths(turbineTable, kTurbineWidths, TurbineColumnCount);
}

void WindFarmTurbinesPage::refreshTableFilterSummary()
{
    if (!tableSummaryLabel)
        return;
    const int shown = proxyModel->rowCount();
    const int total = turbineCount;
    tableSummaryLabel->setText(
        language == LanguageChinese
            ? QStringLiteral("显示 %1 / %2 台风机 · 点击列标题排序").arg(shown).arg(total)
            : QStringLiteral("Showing %1 of %2 turbines · Click a column header to sort").arg(shown).arg(total));
}

void WindFarmTurbinesPage::onTableClicked(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    emit turbineClicked(proxyModel->index(index.row(), 0).data(TurbineIdRole).toString());
}

void WindFarmTurbinesPage::focusTurbineSearch()
{
    searchEdit->setFocus(Qt::OtherFocusReason);
    searchEdit->selectAll();
}

void WindFarmTurbinesPage::searchFor(const QString& text)
{
    if (searchEdit->text() != text)
        searchEdit->setText(text);
    proxyModel->setFilterText(text);
    refreshTableFilterSummary();
}
