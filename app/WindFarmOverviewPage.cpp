// The overview page: headline figures, the energy chart with its AI
// forecast and period choice, atmospheric values, the turbine summary table
// and the AI insight cards.

#include "WindFarmOverviewPage.h"

#include "CVNQSingleLine.h"
#include "CVNQComboBox.h"
#include "CVNQImage.h"
#include "CVNQLabel.h"
#include "CVNQLineChart.h"
#include "CVNQOutlives.h"
#include "CVNQTableView.h"
#include "GustrelResources.h"
#include "WindFarmStyle.h"
#include "WindFarmTables.h"
#include "WindFarmWidgets.h"
#include "WindToggleSwitch.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStandardItemModel>

#include <algorithm>
#include <functional>

using namespace CVNQtLib;

namespace {

const QColor kForecastColour(71, 191, 188);

enum SummaryColumn
{
    SumId,
    SumOutput,
    SumEfficiency,
    SumStatus,
    SumNote,
    SummaryColumnCount
};
const int kSummaryWidths[SummaryColumnCount] = {92, 90, 82, 108, 250};
const char* const kSummaryHeadersEn[SummaryColumnCount] = {"Turbine", "Output", "Efficiency", "Status", "AI note"};
const char* const kSummaryHeadersZh[SummaryColumnCount] = {"风机", "输出", "效率", "状态", "AI 说明"};
// Snapshot positions the overview summarises: the faulty and a maintained
// turbine first, then two healthy ones.
const int kSummaryPositions[] = {6, 14, 0, 1};

// The energy chart, which tells the page when a click on its legend has
// shown or hidden a series: the page keeps that choice when it rebuilds
// the series and shows it on the forecast switch.
class EnergyChart : public CVNQLineChart
{
public:
    explicit EnergyChart(QWidget* parent)
        : CVNQLineChart(parent)
    {}

    std::function<void()> legendToggled;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        const QVector<ChartSeries> before = series();
        if (!cvnOutlives(this, [&] { CVNQLineChart::mousePressEvent(event); }) || !legendToggled)
            return;
        const QVector<ChartSeries> after = series();
        for (int i = 0; i < before.size() && i < after.size(); ++i) {
            if (before[i].visible != after[i].visible) {
                legendToggled();
                return;
            }
        }
    }
};

} // namespace

WindFarmOverviewPage::WindFarmOverviewPage(QWidget* parent)
    : CVNQContainer(parent)
{
    stylePage(this, QStringLiteral("overviewPage"), 12);
    CVNQContainer* page = this;

    // Title row.
    CVNQContainer* titleRow = makeContainer(page, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 8);
    setFixedHeightOf(titleRow, 42);
    overviewTitle = makeLabel(titleRow, QStringLiteral("WindLabelTitle"), 1, 42);
    updatedLabel = makeLabel(titleRow, QStringLiteral("WindLabelMuted"), 0, 34);
    updatedLabel->setObjectName(QStringLiteral("windUpdatedLabel"));
    setFixedWidthOf(updatedLabel, 150);
    CVNQContainer* forecastBox = makeContainer(titleRow, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 6);
    setFixedWidthOf(forecastBox, 150);
    forecastLabel = makeLabel(forecastBox, QStringLiteral("WindLabelSm"), 1, 30);
    forecastSwitch = new WindToggleSwitch(forecastBox);
    forecastSwitch->setObjectName(QStringLiteral("windForecastSwitch"));
    styleControl(forecastSwitch, QString());
    setFixedSizeOf(forecastSwitch, 46, 24);
    forecastSwitch->resize(46, 24);
    forecastBox->addChildWidget(forecastSwitch, 0);
    connect(forecastSwitch, &WindToggleSwitch::checkedChanged, this, [this](bool checked) {
        seriesShown[ForecastSeries] = checked;
        if (energyChart->series().size() > ForecastSeries)
            energyChart->setSeriesVisible(ForecastSeries, checked);
    });

    // Headline figures.
    CVNQContainer* kpiRow = makeContainer(page, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 12);
    setFixedHeightOf(kpiRow, 104);
    energyCard = makeKpiCard(kpiRow, QStringLiteral("WindKpiYellow"), QStringLiteral("energy"));
    activeCard = makeKpiCard(kpiRow, QStringLiteral("WindKpiPurple"), QStringLiteral("turbine"));
    windCard = makeKpiCard(kpiRow, QStringLiteral("WindKpiBlue"), QStringLiteral("wind"));
    efficiencyCard = makeKpiCard(kpiRow, QStringLiteral("WindKpiGreen"), QStringLiteral("analytics"));
    energyCard.value->setObjectName(QStringLiteral("kpiEnergyValue"));
    activeCard.value->setObjectName(QStringLiteral("kpiActiveValue"));
    windCard.value->setObjectName(QStringLiteral("kpiWindValue"));
    efficiencyCard.value->setObjectName(QStringLiteral("kpiEfficiencyValue"));

    // Energy chart and atmosphere.
    CVNQContainer* middleRow = makeContainer(page, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 3, 12);
    middleRow->setMinimumHeight(230);
    CVNQContainer* energyBox =
        makeContainer(middleRow, QStringLiteral("WindCard"), CVNQContainer::Vertical, 3, 6, 14, 10, 14, 10);
    CVNQContainer* energyHeader =
        makeContainer(energyBox, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 8);
    setFixedHeightOf(energyHeader, 34);
    energySection = makeLabel(energyHeader, QStringLiteral("WindLabelSection"), 1, 30);
    periodCombo = makeCombo(energyHeader, QStringLiteral("windPeriodCombo"), 96, 32);
    connect(periodCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        const int days = periodCombo->itemData(index, Qt::UserRole).toInt();
        if (days > 0)
            emit periodChosen(days);
    });

    auto* chart = new EnergyChart(energyBox);
    chart->legendToggled = [this]() {
        const QVector<ChartSeries> shown = energyChart->series();
        for (int i = 0; i < shown.size() && i < SeriesCount; ++i)
            seriesShown[i] = shown[i].visible;
        forecastSwitch->setChecked(seriesShown[ForecastSeries]);
    };
    energyChart = chart;
    energyChart->setObjectName(QStringLiteral("windEnergyChart"));
    styleControl(energyChart, QString());
    // The card decides the chart's size; a 720-pixel-high window has less
    // room than the chart's own minimum.
    energyChart->setMinimumSize(0, 0);
    energyChart->setTheme(windChartTheme());
    energyChart->setTitle(QString());
    energyChart->setLegendPosition(0);
    energyChart->setTooltipMode(ChartTooltipCategory);
    energyChart->setTooltipEnabled(true);
    energyChart->setHoverEnabled(true);
    energyChart->setAnimationEnabled(true);
    energyChart->setAnimationDuration(480);
    energyBox->addChildWidget(energyChart, 1);

    CVNQContainer* atmosphere = makeContainer(middleRow, QStringLiteral("WindClear"), CVNQContainer::Vertical, 1, 8);
    atmosphereSection = makeLabel(atmosphere, QStringLiteral("WindLabelSection"), 0, 28);
    CVNQContainer* atmoRow1 = makeContainer(atmosphere, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 1, 8);
    gustTile = makeAtmosphereTile(atmoRow1, QStringLiteral("wind"));
    densityTile = makeAtmosphereTile(atmoRow1, QStringLiteral("density"));
    CVNQContainer* atmoRow2 = makeContainer(atmosphere, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 1, 8);
    humidityTile = makeAtmosphereTile(atmoRow2, QStringLiteral("humidity"));
    temperatureTile = makeAtmosphereTile(atmoRow2, QStringLiteral("temperature"));

    // Summary table and insights.
    CVNQContainer* bottomRow = makeContainer(page, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 2, 12);
    bottomRow->setMinimumHeight(155);
    summaryCard = makeContainer(bottomRow, QStringLiteral("WindCard"), CVNQContainer::Vertical, 3, 5, 12, 8, 12, 8);
    summarySection = makeLabel(summaryCard, QStringLiteral("WindLabelSection"), 0, 26);
    summaryTable = new CVNQTableView(summaryCard);
    summaryTable->setObjectName(QStringLiteral("windSummaryTable"));
    styleTable(summaryTable, true);
    summaryModel = new QStandardItemModel(summaryTable);
    summaryTable->setModel(summaryModel);
    summaryCard->addChildWidget(summaryTable, 1);

    CVNQContainer* insights = makeContainer(bottomRow, QStringLiteral("WindClear"), CVNQContainer::Vertical, 2, 6);
    insightsSection = makeLabel(insights, QStringLiteral("WindLabelSection"), 0, 26);
    int insightsRoom = 26;
    for (int i = 0; i < 3; ++i) {
        InsightCard card;
        card.card = makeContainer(insights, QStringLiteral("WindCardAlt"), CVNQContainer::Vertical, 1, 1, 10, 5, 10, 5);
        card.card->setObjectName(QStringLiteral("windInsight%1").arg(i));
        card.title = makeLabel(card.card, QStringLiteral("WindLabelSmBold"), 0, 20);
        card.body = makeLabel(card.card, QStringLiteral("WindLabelMuted"), 1, 32);
        card.body->setWordWrap(true);
        // Three cards of title and two body lines do not fit beside the
        // chart on the smallest window: the body gives way down to one whole
        // line (the label shortens its text to the lines it has), and the
        // row keeps that much for every card, so no body runs past its card.
        const int bodyLine = card.body->fontMetrics().height();
        card.body->setMinimumHeight(bodyLine);
        card.body->setHeightPolicy(LayoutSizePolicyFill);
        insightsRoom += 6 + 10 + 20 + 1 + bodyLine;
        connect(card.card, &CVNQContainer::mouseClickEvent, this, [this, i]() { openInsight(i); });
        insightCards.append(card);
    }
    bottomRow->setMinimumHeight(std::max(bottomRow->minimumHeight(), insightsRoom));
}

WindFarmOverviewPage::Figure WindFarmOverviewPage::makeFigureColumn(QWidget* parent, const QString& captionStyle,
                                                                    int captionHeight, int valueSpace, int unitWidth,
                                                                    int trendHeight)
{
    // Caption, figure with its unit at the row's end and an optional trend
    // line, in the middle of the column's height.
    Figure f;
    CVNQContainer* column = makeContainer(parent, QStringLiteral("WindClear"), CVNQContainer::Vertical, 1);
    makeContainer(column, QStringLiteral("WindClear"), CVNQContainer::NoUse, 1);
    f.caption = makeLabel(column, captionStyle, 0, captionHeight);
    CVNQContainer* valueRow =
        makeContainer(column, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, valueSpace);
    setFixedHeightOf(valueRow, 37);
    f.value = makeLabel(valueRow, QStringLiteral("WindLabelMetric"), 1, 37);
    f.unit = makeLabel(valueRow, QStringLiteral("WindLabelMuted"), 0, 32);
    setFixedWidthOf(f.unit, unitWidth);
    if (trendHeight > 0)
        f.trend = makeLabel(column, QStringLiteral("WindLabelMuted"), 0, trendHeight);
    makeContainer(column, QStringLiteral("WindClear"), CVNQContainer::NoUse, 1);
    return f;
}

WindFarmOverviewPage::Figure WindFarmOverviewPage::makeKpiCard(QWidget* parent, const QString& accentStyle,
                                                               const QString& icon)
{
    CVNQContainer* card =
        makeContainer(parent, QStringLiteral("WindCard"), CVNQContainer::Horizontal, 1, 8, 14, 10, 12, 10);
    const Figure k = makeFigureColumn(card, QStringLiteral("WindLabelSmBold"), 22, 4, 48, 20);

    CVNQContainer* room = makeContainer(card, QStringLiteral("WindClear"), CVNQContainer::NoUse, 0);
    setFixedWidthOf(room, 42);

    auto* accent = new CenteredIconBox(card);
    accent->setThemeName(accentStyle);
    accent->setChildLayout(CVNQContainer::NoUse);
    setFixedSizeOf(accent, 42, 42);
    accent->resize(42, 42);
    accent->setAbsoluteLayout(true);
    accent->setAbsoluteDock(DockFar, DockCenter, 0, 0);
    CVNQImage* image = makeIcon(accent, gustrelIconPath(icon), 20, 20, kWindAccent);
    accent->setIconWidget(image);
    card->forceResize();
    return k;
}

WindFarmOverviewPage::Figure WindFarmOverviewPage::makeAtmosphereTile(QWidget* parent, const QString& icon)
{
    CVNQContainer* tile =
        makeContainer(parent, QStringLiteral("WindCardAlt"), CVNQContainer::Horizontal, 1, 6, 10, 7, 8, 7);
    const Figure t = makeFigureColumn(tile, QStringLiteral("WindLabelXs"), 18, 3, 42, 0);
    makeDockedIcon(tile, gustrelIconPath(icon), 20, 20, kWindAccent);
    return t;
}

void WindFarmOverviewPage::setLanguage(int value)
{
    language = value;
    const int l = language;
    overviewTitle->setText(bilingual(l, "Overview", "风电场总览"));
    forecastLabel->setText(bilingual(l, "AI forecast", "显示预测"));
    energySection->setText(bilingual(l, "Energy Output & AI Prediction", "能量输出与 AI 预测"));
    atmosphereSection->setText(bilingual(l, "Atmospheric Conditions", "大气条件"));
    summarySection->setText(bilingual(l, "Turbine Summary", "风机摘要"));
    insightsSection->setText(bilingual(l, "AI Insights", "AI 洞察"));

    energyCard.caption->setText(bilingual(l, "Total Energy Generated", "累计发电量"));
    energyCard.unit->setText(QStringLiteral("GWh"));
    energyCard.trend->setText(bilingual(l, "+10% since last month", "较上月 +10%"));
    activeCard.caption->setText(bilingual(l, "Active Turbines", "活动风机"));
    activeCard.unit->setText(QString());
    activeCard.trend->setText(bilingual(l, "Last inspection 12h ago", "12 小时前完成检查"));
    windCard.caption->setText(bilingual(l, "Average Wind Speed", "平均风速"));
    windCard.unit->setText(QStringLiteral("m/s"));
    windCard.trend->setText(bilingual(l, "-5% since last month", "较上月 -5%"));
    efficiencyCard.caption->setText(bilingual(l, "Operating Efficiency", "运行效率"));
    efficiencyCard.unit->setText(QStringLiteral("%"));
    efficiencyCard.trend->setText(bilingual(l, "Target 90%", "目标 90%"));

    gustTile.caption->setText(bilingual(l, "Gust speed", "阵风速度"));
    gustTile.unit->setText(QStringLiteral("m/s"));
    densityTile.caption->setText(bilingual(l, "Air density", "空气密度"));
    densityTile.unit->setText(QStringLiteral("kg/m³"));
    humidityTile.caption->setText(bilingual(l, "Humidity", "湿度"));
    humidityTile.unit->setText(QStringLiteral("%"));
    temperatureTile.caption->setText(bilingual(l, "Temperature", "环境温度"));
    temperatureTile.unit->setText(QStringLiteral("°C"));

    // Rewriting the items must not look like a period choice.
    refillCombo(periodCombo,
                {{bilingual(l, "Month", "月"), 30}, {bilingual(l, "Week", "周"), 7}, {bilingual(l, "Day", "日"), 1}},
                periodDays > 0 ? periodDays : 30);
}

void WindFarmOverviewPage::refreshKpis(const WindFarmSnapshot& snapshot)
{
    energyCard.value->setText(fixedNumber(snapshot.totalEnergy / 1000.0, 1));
    activeCard.value->setText(QStringLiteral("%1/%2").arg(snapshot.activeTurbines).arg(snapshot.turbineCount));
    windCard.value->setText(fixedNumber(snapshot.avgWind, 1));
    efficiencyCard.value->setText(fixedNumber(snapshot.efficiency, 1));
}

void WindFarmOverviewPage::refreshOverviewValues(const WindFarmSnapshot& snapshot)
{
    gustTile.value->setText(fixedNumber(snapshot.gust, 1));
    densityTile.value->setText(fixedNumber(snapshot.airDensity, 2));
    humidityTile.value->setText(fixedNumber(snapshot.humidity, 0));
    temperatureTile.value->setText(fixedNumber(snapshot.temperature, 1));

    for (int i = 0; i < insightCards.size(); ++i) {
        InsightCard& card = insightCards[i];
        if (i < snapshot.aiInsights.size()) {
            const AiInsight& insight = snapshot.aiInsights[i];
            card.card->show();
            card.turbineId = insight.turbineId;
            card.title->setText(language == LanguageChinese ? insight.titleZh : insight.titleEn);
            card.body->setText(language != LanguageChinese ? insight.detailEn : insight.detailZh);
        } else {
            card.card->hide();
        }
    }
}

void WindFarmOverviewPage::refreshSummaryTable(const WindFarmSnapshot& snapshot)
{
    setHeaders(summaryModel, kSummaryHeadersEn, kSummaryHeadersZh, SummaryColumnCount, language);
    QVector<const TurbineRecord*> rows;
    for (int position : kSummaryPositions) {
        if (position < snapshot.turbines.size())
            rows.append(&snapshot.turbines[position]);
    }
    if (summaryModel->rowCount() > rows.size())
        summaryModel->removeRows(rows.size(), summaryModel->rowCount() - rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        const TurbineRecord& t = *rows[r];
        const QString texts[SummaryColumnCount] = {cvnShownOnOneLine(t.id), outputText(t.outputKw),
                                                   efficiencyText(t.efficiency), statusText(t.status, language),
                                                   language == LanguageChinese ? t.aiNoteZh : t.aiNoteEn};
        // A missing row is made by its first item.
        for (int c = 0; c < SummaryColumnCount; ++c) {
            QStandardItem* item = itemAt(summaryModel, r, c);
            item->setData(texts[c], Qt::DisplayRole);
            item->setData(int(Qt::AlignCenter), Qt::TextAlignmentRole);
        }
        const QString icon = statusIconName(t.status);
        itemAt(summaryModel, r, SumStatus)->setData(icon.isEmpty() ? QVariant() : QVariant(icon), CellIconRole);
    }
    applyColumnWidths(summaryTable, kSummaryWidths, SummaryColumnCount);
}

void WindFarmOverviewPage::refreshSnapshot(const WindFarmSnapshot& snapshot)
{
    periodDays = snapshot.periodDays;
    refreshKpis(snapshot);
    refreshOverviewValues(snapshot);
    refreshSummaryTable(snapshot);
    updatedLabel->setText((language == LanguageChinese ? QStringLiteral("更新 ") : QStringLiteral("Updated ")) +
                          snapshot.updated);
}

void WindFarmOverviewPage::refreshCharts(const WindFarmSnapshot& s)
{
    energyChart->setAnimationEnabled(!chartsShownOnce);

    // Smooth lines without point marks; only the energy has its area filled.
    auto series = [](const QString& name, const QVector<double>& values, const QColor& colour, bool area,
                     double lineWidth) {
        ChartSeries line = cvnChartSeries<ChartSeries>(name, values, colour);
        line.fillColor = colour;
        line.showSymbols = false;
        line.smooth = true;
        line.area = area;
        line.lineWidth = lineWidth;
        line.fillOpacity = 0.22;
        return line;
    };
    QVector<ChartSeries> lines = {
        series(bilingual(language, "Energy output", "能量输出"), s.energySeries, kWindAccent, true, 2.0),
        series(bilingual(language, "AI forecast", "AI 预测"), s.forecastSeries, kForecastColour, false, 1.7)};
    // What the legend or the switch hid stays hidden.
    for (int i = 0; i < SeriesCount; ++i)
        lines[i].visible = seriesShown[i];
    energyChart->setCategories(s.chartLabels);
    energyChart->setSeries(lines);
    chartsShownOnce = true;
}

void WindFarmOverviewPage::openInsight(int index)
{
    if (index < 0 || index >= insightCards.size())
        return;
    const QString id = insightCards[index].turbineId;
    if (id.isEmpty())
        return;
    emit turbineRequested(id);
}
