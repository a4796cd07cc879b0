// One tick of the dashboard: the simulator's advance and everything the
// window redoes from the new snapshot (figures, both turbine tables with
// filter and sort, the detail drawer; every fifth tick the chart), then the
// events that the refresh posted. Must grow linearly with the farm.

#include "CVNQChartRegistration.h"
#include "CVNQtLib.h"
#include "GustrelFonts.h"
#include "WindFarmSimulator.h"
#include "WindFarmWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <benchmark/benchmark.h>

#include <map>

namespace {

void startDashboardToolkit()
{
    static const bool started = []() {
        installGustrelFontSubstitutes();
        CVNQtLib::init();
        CVNQtLib::cvnRegisterChartControls();
        const QString theme = QStringLiteral(CORVANE_SOURCE_DIR "/app/windfarm-theme");
        CVNQtLib::cvnLoadThemeDir(theme.toUtf8().constData());
        return true;
    }();
    (void)started;
}

// A window whose farm has n turbines, built once per size and kept. The
// turbines are added with the signals held back: each add recomputes the
// whole farm, and refilling the window after each would make the set-up
// quadratic in its tables too.
WindFarmWindow& windowOf(int n, bool shown = false)
{
    static std::map<std::pair<int, bool>, WindFarmWindow*> windows;
    WindFarmWindow*& window = windows[{n, shown}];
    if (!window) {
        startDashboardToolkit();
        window = new WindFarmWindow;
        WindFarmSimulator* sim = window->getSimulator();
        sim->stop();
        sim->blockSignals(true);
        for (int i = sim->snapshot().turbineCount; i < n; ++i)
            sim->addTurbine(QStringLiteral("BEN-%1").arg(i, 5, 10, QLatin1Char('0')), QStringLiteral("Bench Field"),
                            3000 + 100 * (i % 7), static_cast<TurbineStatus>(i % 4));
        sim->blockSignals(false);
        window->resize(1440, 900);
        window->setCurrentPage(1);
        window->selectTurbine(QStringLiteral("WTG-007"));
        sim->advance();
        QCoreApplication::processEvents();
    }
    return *window;
}

void BM_WindowTick(benchmark::State& state)
{
    const int n = int(state.range(0));
    WindFarmWindow& window = windowOf(n);
    WindFarmSimulator* sim = window.getSimulator();
    for (auto _ : state) {
        sim->advance();
        QCoreApplication::processEvents();
    }
    benchmark::DoNotOptimize(window.getSnapshot().totalEnergy);
    state.SetComplexityN(n);
    state.SetItemsProcessed(int64_t(state.iterations()) * n);
}
BENCHMARK(BM_WindowTick)->Arg(50)->Arg(500)->Arg(5000)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);

// The same tick with the window on screen (1440 x 900, the turbines page
// with the drawer open): the repaint it causes is painted and flushed
// inside the measured events.
void BM_WindowTickShown(benchmark::State& state)
{
    const int n = int(state.range(0));
    WindFarmWindow& window = windowOf(n, true);
    WindFarmSimulator* sim = window.getSimulator();
    // One window on screen at a time; the drawer's slide and the charts'
    // intro run out before the measured ticks.
    window.show();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 1500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    for (auto _ : state) {
        sim->advance();
        QCoreApplication::processEvents();
    }
    window.hide();
    benchmark::DoNotOptimize(window.getSnapshot().totalEnergy);
    state.SetComplexityN(n);
}
BENCHMARK(BM_WindowTickShown)->Arg(50)->Arg(500)->Arg(5000)->Complexity(benchmark::oN)->Unit(benchmark::kMicrosecond);

} // namespace
