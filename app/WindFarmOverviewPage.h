#pragma once

// The overview page: headline figures, the energy chart with its AI
// forecast and period choice, atmospheric values, the turbine summary table
// and the AI insight cards. It shows the snapshots it is given, in the
// language it is given, and reports the user's choices by its signals.

#include "CVNQContainer.h"
#include "WindFarmChoices.h"
#include "WindFarmSnapshot.h"

#include <QString>
#include <QVector>

class QStandardItemModel;
class WindToggleSwitch;

namespace CVNQtLib {
class CVNQComboBox;
class CVNQLabel;
class CVNQLineChart;
class CVNQTableView;
} // namespace CVNQtLib

class WindFarmOverviewPage : public CVNQtLib::CVNQContainer
{
    Q_OBJECT

public:
    explicit WindFarmOverviewPage(QWidget* parent = nullptr);

    // 0 English, 1 Chinese: rewrites the page's static texts and its period
    // choice.
    void setLanguage(int language);
    // Figures, atmosphere, insight cards, summary table and update time.
    void refreshSnapshot(const WindFarmSnapshot& snapshot);
    // The energy chart; only its first refresh plays the intro.
    void refreshCharts(const WindFarmSnapshot& snapshot);

Q_SIGNALS:
    // The user chose a chart period of that many days.
    void periodChosen(int days);
    // An insight card that names a turbine was clicked.
    void turbineRequested(const QString& id);

private:
    // The labels of a headline card or an atmosphere tile (the tiles have
    // no trend line).
    struct Figure
    {
        CVNQtLib::CVNQLabel* caption = nullptr;
        CVNQtLib::CVNQLabel* value = nullptr;
        CVNQtLib::CVNQLabel* unit = nullptr;
        CVNQtLib::CVNQLabel* trend = nullptr;
    };
    struct InsightCard
    {
        CVNQtLib::CVNQContainer* card = nullptr;
        CVNQtLib::CVNQLabel* title = nullptr;
        CVNQtLib::CVNQLabel* body = nullptr;
        QString turbineId;
    };

    static Figure makeFigureColumn(QWidget* parent, const QString& captionStyle, int captionHeight, int valueSpace,
                                   int unitWidth, int trendHeight);
    static Figure makeKpiCard(QWidget* parent, const QString& accentStyle, const QString& icon);
    static Figure makeAtmosphereTile(QWidget* parent, const QString& icon);
    void refreshKpis(const WindFarmSnapshot& snapshot);
    void refreshOverviewValues(const WindFarmSnapshot& snapshot);
    void refreshSummaryTable(const WindFarmSnapshot& snapshot);
    void openInsight(int index);

    int language = LanguageEnglish;
    // The period of the snapshot shown (a new snapshot's until the first).
    int periodDays = 30;
    // The energy chart's two series and whether each is shown: the legend
    // shows or hides either, the forecast switch the forecast.
    enum
    {
        EnergySeries,
        ForecastSeries,
        SeriesCount
    };
    bool seriesShown[SeriesCount] = {true, true};
    bool chartsShownOnce = false;

    CVNQtLib::CVNQLabel* overviewTitle = nullptr;
    CVNQtLib::CVNQLabel* updatedLabel = nullptr;
    CVNQtLib::CVNQLabel* forecastLabel = nullptr;
    WindToggleSwitch* forecastSwitch = nullptr;
    Figure energyCard;
    Figure activeCard;
    Figure windCard;
    Figure efficiencyCard;
    CVNQtLib::CVNQLabel* energySection = nullptr;
    CVNQtLib::CVNQComboBox* periodCombo = nullptr;
    CVNQtLib::CVNQLineChart* energyChart = nullptr;
    CVNQtLib::CVNQLabel* atmosphereSection = nullptr;
    Figure gustTile;
    Figure densityTile;
    Figure humidityTile;
    Figure temperatureTile;
    CVNQtLib::CVNQContainer* summaryCard = nullptr;
    CVNQtLib::CVNQLabel* summarySection = nullptr;
    CVNQtLib::CVNQTableView* summaryTable = nullptr;
    QStandardItemModel* summaryModel = nullptr;
    CVNQtLib::CVNQLabel* insightsSection = nullptr;
    QVector<InsightCard> insightCards;
};
