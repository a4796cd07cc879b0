#include "TurbineDetailDrawer.h"

#include "CVNQSingleLine.h"
#include "CVNQLabel.h"
#include "CVNQOpenGLPieChart.h"
#include "CVNQPushButton.h"
#include "GustrelResources.h"
#include "WindFarmStyle.h"
#include "WindFarmWidgets.h"

#include <QTimer>

#include <algorithm>

using namespace CVNQtLib;

namespace {

// Health in percent by status (see the detail drawer's donut).
double turbineHealth(const TurbineRecord& t)
{
    switch (t.status) {
    case Active: return std::clamp(t.efficiency, 70.0, 99.0);
    case Maintenance: return std::clamp(2.0 * t.efficiency, 50.0, 75.0);
    case Fault: return std::clamp(35.0 - 1.5 * t.vibration, 15.0, 35.0);
    default: return 0.0;
    }
}

} // namespace

TurbineDetailDrawer::TurbineDetailDrawer(QWidget* parent)
    : WindDrawer(QStringLiteral("detailDrawer"), parent)
{
    CVNQContainer* headerRow = makeContainer(this, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 8);
    setFixedHeightOf(headerRow, 42);
    CVNQContainer* textColumn = makeContainer(headerRow, QStringLiteral("WindClear"), CVNQContainer::Vertical, 1);
    detailIdLabel = makeLabel(textColumn, QStringLiteral("WindLabelSection"), 1, 24);
    detailIdLabel->setObjectName(QStringLiteral("detailIdLabel"));
    detailLocationLabel = makeLabel(textColumn, QStringLiteral("WindLabelMuted"), 1, 18);
    detailLocationLabel->setObjectName(QStringLiteral("detailLocationLabel"));
    detailCloseButton = makeButton(headerRow, QStringLiteral("WindCloseButton"), QString(), 32, 32,
                                   gustrelIconPath(QStringLiteral("close")), kWindIconColour);
    detailCloseButton->setObjectName(QStringLiteral("detailCloseButton"));

    statusBadgeStyle = QStringLiteral("WindStatusActive");
    statusBadge = makeContainer(this, statusBadgeStyle, CVNQContainer::Horizontal, 0, 0);
    statusBadge->setObjectName(QStringLiteral("detailStatusBadge"));
    setFixedHeightOf(statusBadge, 28);
    statusLabel = makeLabel(statusBadge, QStringLiteral("WindLabelWhiteCenter"), 1, 28);

    makeDivider(this);

    auto metricRow = [this]() {
        CVNQContainer* row = makeContainer(this, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 8);
        setFixedHeightOf(row, 62);
        return row;
    };
    auto metricTile = [](QWidget* row) {
        MetricTile tile;
        CVNQContainer* box =
            makeContainer(row, QStringLiteral("WindCardAlt"), CVNQContainer::Vertical, 1, 0, 9, 6, 9, 6);
        tile.caption = makeLabel(box, QStringLiteral("WindLabelXs"), 0, 18);
        tile.value = makeLabel(box, QStringLiteral("WindLabelMetricSm"), 1, 28);
        return tile;
    };
    CVNQContainer* row1 = metricRow();
    outputTile = metricTile(row1);
    windTile = metricTile(row1);
    CVNQContainer* row2 = metricRow();
    nacelleTile = metricTile(row2);
    vibrationTile = metricTile(row2);

    healthSection = makeLabel(this, QStringLiteral("WindLabelSmBold"), 0, 24);
    healthChart = new CVNQOpenGLPieChart(this);
    healthChart->setObjectName(QStringLiteral("turbineHealthChart"));
    styleControl(healthChart, QString());
    // Only the height has a floor: the chart's own 420-pixel minimum width
    // would push the donut off the drawer's centre.
    healthChart->setMinimumSize(0, 150);
    healthChart->setTheme(windChartTheme());
    healthChart->setTitle(QString());
    healthChart->setInnerRadiusRatio(0.72);
    healthChart->setLabelsVisible(false);
    healthChart->setHoverEnabled(false);
    healthChart->setAnimationDuration(420);
    addChildWidget(healthChart, 1);
    healthLabel = makeLabel(this, QStringLiteral("WindLabelAccent"), 0, 26);
    healthLabel->setObjectName(QStringLiteral("detailHealthLabel"));
    healthLabel->setAlignment(Qt::AlignCenter);

    makeDivider(this);

    scheduleSection = makeLabel(this, QStringLiteral("WindLabelSmBold"), 0, 22);
    scheduleLabel = makeLabel(this, QStringLiteral("WindLabelSm"), 0, 24);
    scheduleLabel->setObjectName(QStringLiteral("detailScheduleLabel"));
    noteSection = makeLabel(this, QStringLiteral("WindLabelSmBold"), 0, 22);
    noteLabel = makeLabel(this, QStringLiteral("WindLabelMuted"), 0, 48);
    noteLabel->setObjectName(QStringLiteral("detailNoteLabel"));
    noteLabel->setWordWrap(true);

    connect(detailCloseButton, &QPushButton::clicked, this, [this]() { setExpanded(false); });
    // The donut grows once the drawer has its room.
    connect(this, &WindDrawer::opened, this, [this]() {
        healthChart->setAnimationEnabled(true);
        healthChart->replayAnimation();
        const int off = healthChart->animationDuration() + 20;
        QTimer::singleShot(off, this, [this]() { healthChart->setAnimationEnabled(false); });
    });

    hide();
}

void TurbineDetailDrawer::setLanguage(int value)
{
    language = value;
    const int l = language;
    outputTile.caption->setText(bilingual(l, "Live output", "实时输出"));
    windTile.caption->setText(bilingual(l, "Wind speed", "风速"));
    nacelleTile.caption->setText(bilingual(l, "Nacelle temp", "机舱温度"));
    vibrationTile.caption->setText(bilingual(l, "Vibration", "振动"));
    healthSection->setText(bilingual(l, "Equipment health", "设备健康度"));
    scheduleSection->setText(bilingual(l, "Inspection schedule", "检查计划"));
    noteSection->setText(bilingual(l, "AI maintenance note", "AI 维护建议"));
}

void TurbineDetailDrawer::showTurbine(const TurbineRecord& t)
{
    const int l = language;

    detailIdLabel->setText(cvnShownOnOneLine(t.id));
    detailLocationLabel->setText(
        cvnShownOnOneLine(t.location) +
        QStringLiteral(" · %1, %2").arg(fixedNumber(t.latitude, 3), fixedNumber(t.longitude, 3)));

    QString badge;
    switch (t.status) {
    case Active: badge = QStringLiteral("WindStatusActive"); break;
    case Maintenance: badge = QStringLiteral("WindStatusMaintenance"); break;
    case Fault: badge = QStringLiteral("WindStatusFault"); break;
    default: badge = QStringLiteral("WindStatusOffline"); break;
    }
    // Re-applying a theme entry costs a style look-up: only on a change.
    if (badge != statusBadgeStyle) {
        statusBadgeStyle = badge;
        statusBadge->setThemeName(badge);
    }
    statusLabel->setText(statusText(t.status, language));

    outputTile.value->setText(outputText(t.outputKw));
    windTile.value->setText(windText(t.windSpeed));
    nacelleTile.value->setText(temperatureText(t.temperature));
    vibrationTile.value->setText(fixedNumber(t.vibration, 2) + QLatin1String(" mm/s"));

    const double health = turbineHealth(t);
    QColor healthColour = kWindAccent;
    if (t.status == Fault)
        healthColour = QColor(255, 91, 116);
    else if (t.status == Maintenance)
        healthColour = QColor(255, 189, 74);
    QVector<PieSlice> slices(2);
    slices[0].name = bilingual(l, "Health", "健康度");
    slices[0].value = health;
    slices[0].color = healthColour;
    slices[1].name = bilingual(l, "Remaining", "余量");
    slices[1].value = 100.0 - health;
    slices[1].color = QColor(35, 61, 63);
    // A slice hidden by a click on the legend stays hidden over the refresh.
    const QVector<PieSlice> shown = healthChart->slices();
    for (int i = 0; i < slices.size(); ++i)
        slices[i].visible = i >= shown.size() || shown[i].visible;
    healthChart->setAnimationEnabled(false);
    healthChart->setSlices(slices);

    healthLabel->setText(QStringLiteral("%1% · %2 RPM").arg(fixedNumber(health, 1), fixedNumber(t.rotorRpm, 1)));
    scheduleLabel->setText(
        l == LanguageChinese
            ? QStringLiteral("上次 ") + t.lastInspection + QStringLiteral(" · 下次 ") + t.nextInspection
            : QStringLiteral("Last ") + t.lastInspection + QStringLiteral(" · Next ") + t.nextInspection);
    noteLabel->setText(l == LanguageChinese ? t.aiNoteZh : t.aiNoteEn);
}
