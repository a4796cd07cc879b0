#pragma once

// The detail drawer: one turbine's identity and position, its status badge,
// four live values, a health donut, the inspection schedule and the AI
// maintenance note, in the language it is given. The donut grows each time
// the drawer has opened.

#include "WindDrawer.h"
#include "WindFarmChoices.h"
#include "WindFarmSnapshot.h"

#include <QString>

namespace CVNQtLib {
class CVNQLabel;
class CVNQOpenGLPieChart;
class CVNQPushButton;
} // namespace CVNQtLib

class TurbineDetailDrawer : public WindDrawer
{
    Q_OBJECT

public:
    explicit TurbineDetailDrawer(QWidget* parent = nullptr);

    // 0 English, 1 Chinese: rewrites the drawer's static texts.
    void setLanguage(int language);
    // Shows the turbine's values.
    void showTurbine(const TurbineRecord& t);

private:
    struct MetricTile
    {
        CVNQtLib::CVNQLabel* caption = nullptr;
        CVNQtLib::CVNQLabel* value = nullptr;
    };

    int language = LanguageEnglish;

    CVNQtLib::CVNQLabel* detailIdLabel = nullptr;
    CVNQtLib::CVNQLabel* detailLocationLabel = nullptr;
    CVNQtLib::CVNQPushButton* detailCloseButton = nullptr;
    CVNQtLib::CVNQContainer* statusBadge = nullptr;
    CVNQtLib::CVNQLabel* statusLabel = nullptr;
    MetricTile outputTile;
    MetricTile windTile;
    MetricTile nacelleTile;
    MetricTile vibrationTile;
    CVNQtLib::CVNQLabel* healthSection = nullptr;
    CVNQtLib::CVNQOpenGLPieChart* healthChart = nullptr;
    CVNQtLib::CVNQLabel* healthLabel = nullptr;
    CVNQtLib::CVNQLabel* scheduleSection = nullptr;
    CVNQtLib::CVNQLabel* scheduleLabel = nullptr;
    CVNQtLib::CVNQLabel* noteSection = nullptr;
    CVNQtLib::CVNQLabel* noteLabel = nullptr;
    QString statusBadgeStyle;
};
