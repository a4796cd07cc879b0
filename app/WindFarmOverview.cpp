// The overview page: headline figures, the energy chart with its AI
// forecast and period choice, atmospheric values, the turbine summary table
// and the AI insight cards.

#include "WindFarmWindow.h"

#include "CVNQComboBox.h"
#include "CVNQImage.h"
#include "CVNQLabel.h"
#include "CVNQLineChart.h"
#include "CVNQTableView.h"
#include "WindFarmSimulator.h"
#include "WindFarmWidgets.h"
#include "WindToggleSwitch.h"

#include <QHeaderView>
#include <QStandardItemModel>

#include <algorithm>

using namespace CVNQtLib;

namespace {

const QColor kAccent(0, 239, 134);
const QColor kForecastColour(71, 191, 188);

QString pick(int language, const char* english, const char* chinese)
{
    return language == 1 ? QString::fromUtf8(chinese) : QString::fromUtf8(english);
}

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

} // namespace

void WindFarmWindow::buildOverviewPage()
{
    CVNQContainer* page = overviewPage;

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
    forecastSwitch->setWidthPolicy(LayoutSizePolicyFill);
    forecastSwitch->setHeightPolicy(LayoutSizePolicyFill);
    setFixedSizeOf(forecastSwitch, 46, 24);
    forecastSwitch->resize(46, 24);
    forecastBox->addChildWidget(forecastSwitch, 0);
    connect(forecastSwitch, &WindToggleSwitch::checkedChanged, this, [this](bool checked) {
        forecastVisible = checked;
        if (energyChart->series().size() >= 2)
            energyChart->setSeriesVisible(1, checked);
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
    middleRow = makeContainer(page, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 3, 12);
    middleRow->setMinimumHeight(230);
    CVNQContainer* energyBox = makeContainer(middleRow, QStringLiteral("WindCard"), CVNQContainer::Vertical, 3, 6, 14, 10, 14, 10);
    CVNQContainer* energyHeader = makeContainer(energyBox, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 8);
    setFixedHeightOf(energyHeader, 34);
    energySection = makeLabel(energyHeader, QStringLiteral("WindLabelSection"), 1, 30);
    periodCombo = makeCombo(energyHeader, QStringLiteral("windPeriodCombo"));
    setFixedSizeOf(periodCombo, 96, 32);
    periodCombo->resize(96, 32);
    energyHeader->addChildWidget(periodCombo, 0);
    connect(periodCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
        const int days = periodCombo->itemData(index, Qt::UserRole).toInt();
        if (days > 0)
            simulator->setPeriodDays(days);
    });

    energyChart = new CVNQLineChart(energyBox);
    energyChart->setObjectName(QStringLiteral("windEnergyChart"));
    energyChart->setWidthPolicy(LayoutSizePolicyFill);
    energyChart->setHeightPolicy(LayoutSizePolicyFill);
    // The card decides the chart's size; a 720-pixel-high window has less
    // room than the chart's own minimum.
    energyChart->setMinimumSize(0, 0);
    energyChart->setTheme(windChartTheme());
    energyChart->setTitle(QString());
    energyChart->setLegendPosition(0);
    energyChart->setTooltipMode(2);
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
    bottomRow = makeContainer(page, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 2, 12);
    bottomRow->setMinimumHeight(155);
    summaryCard =
        makeContainer(bottomRow, QStringLiteral("WindCard"), CVNQContainer::Vertical, 3, 5, 12, 8, 12, 8);
    summarySection = makeLabel(summaryCard, QStringLiteral("WindLabelSection"), 0, 26);
    summaryTable = new CVNQTableView(summaryCard);
    summaryTable->setObjectName(QStringLiteral("windSummaryTable"));
    styleTable(summaryTable, true);
    summaryModel = new QStandardItemModel(summaryTable);
    summaryTable->setModel(summaryModel);
    summaryCard->addChildWidget(summaryTable, 1);

    CVNQContainer* insights = makeContainer(bottomRow, QStringLiteral("WindClear"), CVNQContainer::Vertical, 2, 6);
    insightsSection = makeLabel(insights, QStringLiteral("WindLabelSection"), 0, 26);
    for (int i = 0; i < 3; ++i) {
        InsightCard card;
        card.card = makeContainer(insights, QStringLiteral("WindCardAlt"), CVNQContainer::Vertical, 1, 1, 10, 5, 10, 5);
        card.card->setObjectName(QStringLiteral("windInsight%1").arg(i));
        // Title and body sit together in the middle of the card, as the
        // figures do in theirs; the body is as high as its wrapped text.
        makeContainer(card.card, QStringLiteral("WindClear"), CVNQContainer::NoUse, 1);
        card.title = makeLabel(card.card, QStringLiteral("WindLabelSmBold"), 0, 20);
        card.body = makeLabel(card.card, QStringLiteral("WindLabelMuted"), 0, 32);
        card.body->setWordWrap(true);
        card.body->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        makeContainer(card.card, QStringLiteral("WindClear"), CVNQContainer::NoUse, 1);
        // The cards are buttons of a kind: the pointer says so.
        card.card->setCursor(Qt::PointingHandCursor);
        card.card->installEventFilter(this);
        connect(card.card, &CVNQContainer::mouseClickEvent, this, [this, i]() { openInsight(i); });
        insightCards.append(card);
    }
    page->installEventFilter(this);
}

void WindFarmWindow::balanceOverviewRows()
{
    // What the chart and the lower row share, after the title and the
    // headline rows, the page's padding and its four gaps.
    int left = 0, top = 0, right = 0, bottom = 0;
    overviewPage->getChildPadding(left, top, right, bottom);
    const int free = overviewPage->height() - top - bottom - 42 - 104 - 3 * overviewPage->getChildSpace();
    // Three to two, but the lower row gets what its summary table needs to
    // show every row at full height, as far as the chart's minimum allows;
    // on a short window the rows give way (fitSummaryRows).
    const int upperLeast = middleRow->minimumHeight();
    int lower = std::min(std::max(free * 2 / 5, summaryCardHeight(kSummaryRowHeight)), free - upperLeast);
    lower = std::max(lower, bottomRow->minimumHeight());
    const int upper = free - lower;
    if (upper < 1)
        return;
    // Ratios are weights: weights equal to the wanted heights give them.
    if (middleRow->getLayoutRatio() != upper || bottomRow->getLayoutRatio() != lower) {
        middleRow->setLayoutRatio(upper);
        bottomRow->setLayoutRatio(lower);
        overviewPage->forceResize();
    }
}

int WindFarmWindow::summaryCardHeight(int rowHeight) const
{
    int left = 0, top = 0, right = 0, bottom = 0;
    summaryCard->getChildPadding(left, top, right, bottom);
    const int rows = std::max(summaryModel->rowCount(), 1);
    return top + summarySection->minimumHeight() + summaryCard->getChildSpace() + 2 * summaryTable->frameWidth()
           + summaryTable->horizontalHeader()->minimumHeight() + rows * rowHeight + bottom;
}

void WindFarmWindow::fitSummaryRows()
{
    // The rows share the table's height: at most the full row height, at
    // least what a line of text needs. So a short window still shows every
    // row, and a tall one leaves no strip of empty table under them.
    const int rows = summaryModel->rowCount();
    if (rows < 1)
        return;
    const int height = std::clamp(summaryTable->viewport()->height() / rows, kSummaryRowLeast, kTableRowHeight);
    if (summaryTable->getItemHeight() != height)
        summaryTable->setItemHeight(height);
}

void WindFarmWindow::fitInsightCard(const InsightCard& card)
{
    int left = 0, top = 0, right = 0, bottom = 0;
    card.card->getChildPadding(left, top, right, bottom);
    const int textWidth = card.card->width() - left - right;
    const int line = card.body->fontMetrics().lineSpacing();
    const int room = card.card->height() - top - bottom - card.title->minimumHeight() - card.card->getChildSpace();
    // Two lines at most, fewer when the text or the card is shorter.
    int height = textWidth > 0 ? card.body->heightForWidth(textWidth) : line;
    height = std::max(std::min({height, 2 * line, room}), std::min(line, std::max(room, 0)));
    if (card.body->minimumHeight() != height) {
        setFixedHeightOf(card.body, height);
        card.card->forceResize();
    }
}

WindFarmWindow::KpiCard WindFarmWindow::makeKpiCard(QWidget* parent, const QString& accentStyle, const QString& icon)
{
    KpiCard k;
    CVNQContainer* card =
        makeContainer(parent, QStringLiteral("WindCard"), CVNQContainer::Horizontal, 1, 8, 14, 10, 12, 10);
    CVNQContainer* column = makeContainer(card, QStringLiteral("WindClear"), CVNQContainer::Vertical, 1);
    makeContainer(column, QStringLiteral("WindClear"), CVNQContainer::NoUse, 1);
    k.title = makeLabel(column, QStringLiteral("WindLabelSmBold"), 0, 22);
    CVNQContainer* valueRow = makeContainer(column, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 4);
    setFixedHeightOf(valueRow, 37);
    k.value = makeLabel(valueRow, QStringLiteral("WindLabelMetric"), 1, 37);
    k.unit = makeLabel(valueRow, QStringLiteral("WindLabelMuted"), 0, 32);
    setFixedWidthOf(k.unit, 48);
    // The unit sits on the figure's baseline.
    k.unit->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    makeContainer(valueRow, QStringLiteral("WindClear"), CVNQContainer::NoUse, 1);
    k.trend = makeLabel(column, QStringLiteral("WindLabelMuted"), 0, 20);
    makeContainer(column, QStringLiteral("WindClear"), CVNQContainer::NoUse, 1);

    CVNQContainer* room = makeContainer(card, QStringLiteral("WindClear"), CVNQContainer::NoUse, 0);
    setFixedWidthOf(room, 42);

    auto* accent = new CenteredIconBox(card);
    accent->setThemeName(accentStyle);
    accent->setChildLayout(CVNQContainer::NoUse);
    accent->setWidthPolicy(LayoutSizePolicyFixed);
    accent->setHeightPolicy(LayoutSizePolicyFixed);
    setFixedSizeOf(accent, 42, 42);
    accent->resize(42, 42);
    accent->setAbsoluteLayout(true);
    accent->setAbsoluteDock(DockFar, DockCenter, 0, 0);
    CVNQImage* image = makeIcon(accent, iconPath(icon), 20, 20, kAccent);
    accent->setIconWidget(image);
    card->forceResize();
    return k;
}

WindFarmWindow::AtmosphereTile WindFarmWindow::makeAtmosphereTile(QWidget* parent, const QString& icon)
{
    AtmosphereTile t;
    CVNQContainer* tile =
        makeContainer(parent, QStringLiteral("WindCardAlt"), CVNQContainer::Horizontal, 1, 6, 10, 7, 8, 7);
    CVNQContainer* column = makeContainer(tile, QStringLiteral("WindClear"), CVNQContainer::Vertical, 1);
    makeContainer(column, QStringLiteral("WindClear"), CVNQContainer::NoUse, 1);
    t.caption = makeLabel(column, QStringLiteral("WindLabelXs"), 0, 18);
    CVNQContainer* valueRow = makeContainer(column, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 3);
    setFixedHeightOf(valueRow, 37);
    t.value = makeLabel(valueRow, QStringLiteral("WindLabelMetric"), 1, 37);
    t.unit = makeLabel(valueRow, QStringLiteral("WindLabelMuted"), 0, 32);
    setFixedWidthOf(t.unit, 42);
    t.unit->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    makeContainer(valueRow, QStringLiteral("WindClear"), CVNQContainer::NoUse, 1);
    makeContainer(column, QStringLiteral("WindClear"), CVNQContainer::NoUse, 1);
    makeDockedIcon(tile, iconPath(icon), 20, 20, kAccent);
    return t;
}

void WindFarmWindow::retranslateOverview()
{
    const int l = language;
    overviewTitle->setText(pick(l, "Overview", "风电场总览"));
    forecastLabel->setText(pick(l, "AI forecast", "显示预测"));
    energySection->setText(pick(l, "Energy Output & AI Prediction", "能量输出与 AI 预测"));
    atmosphereSection->setText(pick(l, "Atmospheric Conditions", "大气条件"));
    summarySection->setText(pick(l, "Turbine Summary", "风机摘要"));
    insightsSection->setText(pick(l, "AI Insights", "AI 洞察"));

    energyCard.title->setText(pick(l, "Total Energy Generated", "累计发电量"));
    energyCard.unit->setText(QStringLiteral("GWh"));
    energyCard.trend->setText(pick(l, "+10% since last month", "较上月 +10%"));
    activeCard.title->setText(pick(l, "Active Turbines", "活动风机"));
    activeCard.unit->setText(QString());
    activeCard.trend->setText(pick(l, "Last inspection 12h ago", "12 小时前完成检查"));
    windCard.title->setText(pick(l, "Average Wind Speed", "平均风速"));
    windCard.unit->setText(QStringLiteral("m/s"));
    windCard.trend->setText(pick(l, "-5% since last month", "较上月 -5%"));
    efficiencyCard.title->setText(pick(l, "Operating Efficiency", "运行效率"));
    efficiencyCard.unit->setText(QStringLiteral("%"));
    efficiencyCard.trend->setText(pick(l, "Target 90%", "目标 90%"));

    gustTile.caption->setText(pick(l, "Gust speed", "阵风速度"));
    gustTile.unit->setText(QStringLiteral("m/s"));
    densityTile.caption->setText(pick(l, "Air density", "空气密度"));
    densityTile.unit->setText(QStringLiteral("kg/m³"));
    humidityTile.caption->setText(pick(l, "Humidity", "湿度"));
    humidityTile.unit->setText(QStringLiteral("%"));
    temperatureTile.caption->setText(pick(l, "Temperature", "环境温度"));
    temperatureTile.unit->setText(QStringLiteral("°C"));

    // Rewriting the items must not look like a period choice.
    const QSignalBlocker block(periodCombo);
    periodCombo->clear();
    periodCombo->addItem(pick(l, "Month", "月"), 30);
    periodCombo->addItem(pick(l, "Week", "周"), 7);
    periodCombo->addItem(pick(l, "Day", "日"), 1);
    const int period = snapshot.periodDays > 0 ? snapshot.periodDays : 30;
    const int index = periodCombo->findData(period, Qt::UserRole);
    periodCombo->setCurrentIndex(index >= 0 ? index : 0);
}

void WindFarmWindow::refreshKpis()
{
    setFigureText(energyCard.value, fixed(snapshot.totalEnergy / 1000.0, 1));
    setFigureText(activeCard.value, QStringLiteral("%1/%2").arg(snapshot.activeTurbines).arg(snapshot.turbineCount));
    setFigureText(windCard.value, fixed(snapshot.avgWind, 1));
    setFigureText(efficiencyCard.value, fixed(snapshot.efficiency, 1));
}

void WindFarmWindow::refreshOverviewValues()
{
    setFigureText(gustTile.value, fixed(snapshot.gust, 1));
    setFigureText(densityTile.value, fixed(snapshot.airDensity, 2));
    setFigureText(humidityTile.value, fixed(snapshot.humidity, 0));
    setFigureText(temperatureTile.value, fixed(snapshot.temperature, 1));

    for (int i = 0; i < insightCards.size(); ++i) {
        InsightCard& card = insightCards[i];
        if (i < snapshot.aiInsights.size()) {
            const AiInsight& insight = snapshot.aiInsights[i];
            card.card->show();
            card.turbineId = insight.turbineId;
            card.title->setText(language == 1 ? insight.titleZh : insight.titleEn);
            card.body->setText(language != 1 ? insight.detailEn : insight.detailZh);
            fitInsightCard(card);
        } else {
            card.card->hide();
        }
    }
}

void WindFarmWindow::refreshSnapshot(WindFarmSnapshot s)
{
    snapshot = s;
    refreshKpis();
    refreshOverviewValues();
    refreshTurbineTables();
    refreshDetailDrawer();
    updatedLabel->setText((language == 1 ? QStringLiteral("更新 ") : QStringLiteral("Updated ")) + snapshot.updated);
}

void WindFarmWindow::refreshCharts(WindFarmSnapshot s)
{
    energyChart->setAnimationEnabled(!chartsShownOnce);

    ChartSeries energy;
    energy.name = pick(language, "Energy output", "能量输出");
    energy.values = s.energySeries;
    energy.color = kAccent;
    energy.fillColor = kAccent;
    energy.showSymbols = false;
    energy.smooth = true;
    energy.area = true;
    energy.visible = true;
    energy.lineWidth = 2.0;
    energy.fillOpacity = 0.22;

    ChartSeries forecast;
    forecast.name = pick(language, "AI forecast", "AI 预测");
    forecast.values = s.forecastSeries;
    forecast.color = kForecastColour;
    forecast.fillColor = kForecastColour;
    forecast.showSymbols = false;
    forecast.smooth = true;
    forecast.area = false;
    forecast.visible = true;
    forecast.lineWidth = 1.7;
    forecast.fillOpacity = 0.22;

    energyChart->setCategories(s.chartLabels);
    energyChart->setSeries({energy, forecast});
    energyChart->setSeriesVisible(1, forecastVisible);
    chartsShownOnce = true;
}

void WindFarmWindow::openInsight(int index)
{
    if (index < 0 || index >= insightCards.size())
        return;
    const QString id = insightCards[index].turbineId;
    if (id.isEmpty())
        return;
    setCurrentPage(1);
    selectTurbine(id);
}
