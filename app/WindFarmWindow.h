#pragma once

// The dashboard's only window: a frameless toolkit window that owns the
// simulated farm, keeps the latest snapshot and shows it on two pages (the
// overview and the turbine list) with a detail drawer and an editor drawer
// sliding in on the turbine page. The window builds the header and composes
// the pages and drawers, which hold their own texts in English and Chinese;
// setLanguage switches all of them at run time.

#include "CVNQChartTypes.h"
#include "CVNQWindow.h"
#include "TurbineEditorDrawer.h"
#include "WindDrawer.h"
#include "WindFarmChoices.h"
#include "WindFarmSnapshot.h"
#include "WindFarmTables.h"

#include <QPair>
#include <QString>
#include <QVector>

class TurbineDetailDrawer;
class TurbineFilterProxyModel;
class WindFarmOverviewPage;
class WindFarmSimulator;
class WindFarmTurbinesPage;

namespace CVNQtLib {
class CVNQContainer;
class CVNQLabel;
class CVNQPushButton;
class CVNQStackContainer;
} // namespace CVNQtLib

class WindFarmWindow : public CVNQtLib::CVNQWindow
{
    Q_OBJECT

public:
    // Width of both drawers when open, and their slide time.
    static constexpr int kDrawerWidth = WindDrawer::kWidth;
    static constexpr int kDrawerSlideMs = WindDrawer::kSlideMs;
    // Row heights of the turbine table and of the overview's summary table.
    static constexpr int kTableRowHeight = kTurbineTableRowHeight;
    static constexpr int kSummaryRowHeight = kSummaryTableRowHeight;
    // Highest rated power the editor accepts, in kW.
    static constexpr double kMaxRatedPowerKw = TurbineEditorDrawer::kMaxRatedPowerKw;

    explicit WindFarmWindow(QWidget* parent = nullptr);
    ~WindFarmWindow() override;

    // 0 overview, 1 turbines.
    void setCurrentPage(int page);
    int getCurrentPage() const { return currentPage; }
    // 0 English, 1 Chinese: rewrites every text at once.
    void setLanguage(int language);
    int getLanguage() const { return language; }

    // Shows the turbine (id compared ignoring case) in the detail drawer and
    // opens it; nothing for an id the snapshot does not hold.
    void selectTurbine(const QString& id);
    QString getSelectedTurbineId() const { return selectedTurbineId; }
    // Resets the add-turbine form and opens the editor drawer.
    void openEditor();

    bool isDetailExpanded() const;
    bool isEditorExpanded() const;
    // Both drawers have come to rest (WindDrawer::isAtRest).
    bool drawersAtRest() const;
    // The drawers are at rest and no chart plays its intro animation: what
    // the window shows now stays until the next change.
    bool isAtRest() const;
    WindFarmSimulator* getSimulator() const { return simulator; }
    const WindFarmSnapshot& getSnapshot() const { return snapshot; }
    TurbineFilterProxyModel* getProxyModel() const { return proxyModel; }

    // ":/gustrel/icons/" + name + ".svg".
    static QString iconPath(const QString& name);
    // Icon path of a status; empty outside 0 to 3.
    static QString statusIconName(int status);
    // Status text in the window's language; empty outside 0 to 3.
    QString statusText(int status) const;
    static QString statusText(int status, int language);
    // The four status texts with their status as data, for the combo boxes.
    QVector<QPair<QString, int>> statusItems() const;
    // The colour theme both charts use.
    static CVNQtLib::ChartTheme windChartTheme();

public Q_SLOTS:
    void setDetailDrawerExpanded(bool expanded);
    void setEditorDrawerExpanded(bool expanded);

private Q_SLOTS:
    void refreshSnapshot(WindFarmSnapshot snapshot);
    void refreshCharts(WindFarmSnapshot snapshot);
    void refreshTableFilterSummary();
    void saveEditorTurbine();
    void toggleMaximized();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildUi();
    void buildHeader();
    void retranslate();
    void retranslateFrame();
    void updateNavigation();
    void updateDrawerGeometry();
    void refreshDetailDrawer();
    const TurbineRecord* findTurbine(const QString& id) const;

    int language = LanguageEnglish;
    int currentPage = PageOverview;
    WindFarmSimulator* simulator = nullptr;
    WindFarmSnapshot snapshot;
    QString selectedTurbineId;
    TurbineFilterProxyModel* proxyModel = nullptr;

    CVNQtLib::CVNQContainer* root = nullptr;
    CVNQtLib::CVNQContainer* header = nullptr;
    CVNQtLib::CVNQStackContainer* pageStack = nullptr;
    WindFarmOverviewPage* overviewPage = nullptr;
    WindFarmTurbinesPage* turbinesPage = nullptr;
    TurbineDetailDrawer* detailDrawer = nullptr;
    TurbineEditorDrawer* editorDrawer = nullptr;

    // Header.
    CVNQtLib::CVNQLabel* brandLabel = nullptr;
    CVNQtLib::CVNQLabel* userLabel = nullptr;
    CVNQtLib::CVNQPushButton* overviewButton = nullptr;
    CVNQtLib::CVNQPushButton* turbinesButton = nullptr;
    CVNQtLib::CVNQPushButton* analyticsButton = nullptr;
    CVNQtLib::CVNQPushButton* mapButton = nullptr;
    CVNQtLib::CVNQPushButton* insightsButton = nullptr;
    CVNQtLib::CVNQPushButton* searchButton = nullptr;
    CVNQtLib::CVNQPushButton* englishButton = nullptr;
    CVNQtLib::CVNQPushButton* chineseButton = nullptr;
    CVNQtLib::CVNQPushButton* minimizeButton = nullptr;
    CVNQtLib::CVNQPushButton* maximizeButton = nullptr;
    CVNQtLib::CVNQPushButton* closeButton = nullptr;
};
