// The dashboard's own widgets used as a user would, against their records,
// on the simulator's first snapshot with every clock-driven text frozen.

#include "AppTestSupport.h"
#include "CVNQChartBase.h"
#include "ControlTrace.h"
#include "TestUtil.h"
#include "TurbineFilterProxyModel.h"
#include "WindFarmOverviewPage.h"
#include "WindFarmSimulator.h"
#include "WindFarmTurbinesPage.h"
#include "WindFarmWindow.h"
#include "WindToggleSwitch.h"

#include <QComboBox>
#include <QDate>
#include <QLocale>
#include <QTableView>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The snapshot as on a fixed day at a fixed time.
WindFarmSnapshot frozen(WindFarmSnapshot s)
{
    const QDate day(2026, 3, 31), today = QDate::currentDate();
    s.updated = QStringLiteral("09:30:00 UTC");
    for (int k = 0; k < s.chartLabels.size(); ++k)
        s.chartLabels[k] = QLocale::c().toString(day.addDays(k + 1 - s.chartLabels.size()), QStringLiteral("MM/dd"));
    for (TurbineRecord& t : s.turbines)
        for (QString* date : {&t.lastInspection, &t.nextInspection})
            *date = inspectionDateText(day.addDays(today.daysTo(parseInspectionDate(*date))));
    return s;
}

// Keys given to the control reach its part of that name, as after a click on it.
template <class Part = QWidget>
QWidget* keysTo(QWidget* control, const char* name = nullptr)
{
    Part* part = control->findChild<Part*>(name ? QString::fromLatin1(name) : QString());
    EXPECT_TRUE(part) << name;
    control->setFocusProxy(part);
    return control;
}

} // namespace

TEST(ControlTrace, EveryControl)
{
    ASSERT_TRUE(AppTest::startToolkit());
    WindFarmSimulator farm;
    const WindFarmSnapshot snapshot = frozen(farm.snapshot());
    TurbineFilterProxyModel proxy, filteredProxy;
    const std::vector<std::tuple<const char*, QSize, std::function<QWidget*()>>> controls = {
        {"toggle-on", QSize(),
         [] {
             auto* sw = new WindToggleSwitch;
             sw->setChecked(true);
             return sw;
         }},
        {"overview", QSize(1280, 560),
         [&] {
             auto* page = new WindFarmOverviewPage;
             page->setLanguage(LanguageEnglish);
             page->refreshSnapshot(snapshot);
             page->refreshCharts(snapshot);
             for (CVNQtLib::CVNQChartBase* chart : page->findChildren<CVNQtLib::CVNQChartBase*>())
                 chart->setAnimationEnabled(false); // its intro, at a time of its own
             // A pressed cell is scrolled to after the double-click time, at a time of its own.
             page->findChild<QTableView*>(QStringLiteral("windSummaryTable"))->setAutoScroll(false);
             return keysTo<QComboBox>(page); // the period
         }},
        // Short enough that the table scrolls.
        {"turbines", QSize(860, 360),
         [&] {
             auto* page = new WindFarmTurbinesPage(&proxy);
             page->setLanguage(LanguageEnglish);
             page->refreshSnapshot(snapshot);
             return keysTo(page, "turbineTable");
         }},
        // In Chinese, searched, sorted by output, the keys choosing the status shown.
        {"turbines-filtered", QSize(860, 360),
         [&] {
             auto* page = new WindFarmTurbinesPage(&filteredProxy);
             page->setLanguage(LanguageChinese);
             page->refreshSnapshot(snapshot);
             page->searchFor(QStringLiteral("wtg-0"));
             page->findChild<QTableView*>()->sortByColumn(5, Qt::DescendingOrder);
             return keysTo(page, "turbineStatusFilter");
         }},
        // Header, the pages and the detail drawer, fed only the frozen snapshot.
        {"window-detail", QSize(1280, 720),
         [&] {
             auto* window = new WindFarmWindow;
             window->getSimulator()->stop();
             QObject::disconnect(window->getSimulator(), nullptr, window, nullptr);
             QMetaObject::invokeMethod(window, "refreshSnapshot", Q_ARG(WindFarmSnapshot, snapshot));
             QMetaObject::invokeMethod(window, "refreshCharts", Q_ARG(WindFarmSnapshot, snapshot));
             window->setCurrentPage(1);
             window->selectTurbine(QStringLiteral("WTG-007"));
             EXPECT_TRUE(TestUtil::waitFor([window] { return window->isAtRest(); }));
             return window;
         }},
    };
    for (const auto& c : controls)
        TestUtil::expectTraceMatches(std::get<2>(c)(), QString::fromLatin1(std::get<0>(c)), std::get<1>(c));
}
