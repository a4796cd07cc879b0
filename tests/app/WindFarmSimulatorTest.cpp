#include "WindFarmSimulator.h"
#include "TestUtil.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLocale>
#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>

// Expected values below were computed independently from the farm's
// formulas (tick t, turbine index i), not read back from this code.

namespace {

const TurbineRecord& turbineAt(const WindFarmSimulator& sim, int pos)
{
    return sim.snapshot().turbines.at(pos);
}

struct Live
{
    double wind, temp, eff, out, vib, rpm;
};

void expectLive(const TurbineRecord& r, const Live& e)
{
    SCOPED_TRACE(r.id.toStdString());
    EXPECT_DOUBLE_EQ(r.windSpeed, e.wind);
    EXPECT_DOUBLE_EQ(r.temperature, e.temp);
    EXPECT_DOUBLE_EQ(r.efficiency, e.eff);
    EXPECT_DOUBLE_EQ(r.outputKw, e.out);
    EXPECT_DOUBLE_EQ(r.vibration, e.vib);
    EXPECT_DOUBLE_EQ(r.rotorRpm, e.rpm);
}

// The farm's figures: energy, mean wind and efficiency, gust, air density,
// humidity, ambient temperature.
struct Farm
{
    double energy, wind, eff, gust, density, humidity, temp;
};

void expectFarm(const WindFarmSnapshot& s, const Farm& e)
{
    EXPECT_DOUBLE_EQ(s.totalEnergy, e.energy);
    EXPECT_DOUBLE_EQ(s.avgWind, e.wind);
    EXPECT_DOUBLE_EQ(s.efficiency, e.eff);
    EXPECT_DOUBLE_EQ(s.gust, e.gust);
    EXPECT_DOUBLE_EQ(s.airDensity, e.density);
    EXPECT_DOUBLE_EQ(s.humidity, e.humidity);
    EXPECT_DOUBLE_EQ(s.temperature, e.temp);
}

void advance(WindFarmSimulator& sim, int ticks)
{
    for (int k = 0; k < ticks; ++k)
        sim.advance();
}

// Records the order in which the simulator's three signals arrive.
// Also keeps the snapshot of the last chart signal.
struct SignalLog
{
    QStringList events;
    WindFarmSnapshot lastChart;
    explicit SignalLog(WindFarmSimulator& sim)
    {
        QObject::connect(&sim, &WindFarmSimulator::snapshotChanged, [this](WindFarmSnapshot) { events << "snapshot"; });
        QObject::connect(&sim, &WindFarmSimulator::chartHistoryChanged, [this](WindFarmSnapshot s) {
            events << "chart";
            lastChart = s;
        });
        QObject::connect(&sim, &WindFarmSimulator::turbineAdded, [this](QString id) { events << "added:" + id; });
    }
};

} // namespace

TEST(WindFarmSimulator, SeedsFiftyTurbines)
{
    WindFarmSimulator sim;
    const WindFarmSnapshot& s = sim.snapshot();
    ASSERT_EQ(s.turbines.size(), 50);
    EXPECT_EQ(s.turbineCount, 50);
    EXPECT_EQ(s.activeTurbines, 47);
    EXPECT_NE(QMetaType::type("WindFarmSnapshot"), 0);

    const TurbineRecord& first = s.turbines.first();
    EXPECT_EQ(first.id, "WTG-001");
    EXPECT_EQ(first.location, "North Ridge");
    EXPECT_DOUBLE_EQ(first.ratedPowerKw, 3400);
    EXPECT_EQ(s.turbines.last().id, "WTG-050");

    const TurbineRecord& r23 = s.turbines.at(23); // i mod 5 = 3, mod 10 = 3, div 10 = 2, mod 4 = 3
    EXPECT_EQ(r23.location, "West Valley");
    EXPECT_NEAR(r23.latitude, 55.18 + 0.081, 1e-9);
    EXPECT_NEAR(r23.longitude, 9.08 + 0.092, 1e-9);
    EXPECT_DOUBLE_EQ(r23.ratedPowerKw, 4000);
    EXPECT_EQ(r23.aiNoteEn, "All systems optimal");

    EXPECT_EQ(s.turbines.at(6).status, Fault);
    EXPECT_EQ(s.turbines.at(6).aiNoteEn, "Bearing temperature anomaly detected");
    EXPECT_EQ(s.turbines.at(14).status, Maintenance);
    EXPECT_EQ(s.turbines.at(14).aiNoteZh, QStringLiteral("建议检查齿轮箱"));
    EXPECT_EQ(s.turbines.at(31).status, Maintenance);
    EXPECT_EQ(s.turbines.at(31).aiNoteEn, "Blade pitch calibration scheduled");

    // Crews cycle through three labels of initials.
    EXPECT_EQ(s.turbines.at(0).crew, s.turbines.at(3).crew);
    EXPECT_NE(s.turbines.at(0).crew, s.turbines.at(1).crew);
    EXPECT_TRUE(s.turbines.at(2).crew.contains(" / "));
}

TEST(WindFarmSimulator, InspectionDatesAreSpacedByIndex)
{
    WindFarmSimulator sim;
    for (int i : {0, 6, 21, 22, 34, 49}) {
        const TurbineRecord& r = turbineAt(sim, i);
        const QDate last = parseInspectionDate(r.lastInspection);
        const QDate next = parseInspectionDate(r.nextInspection);
        ASSERT_TRUE(last.isValid()) << r.lastInspection.toStdString();
        ASSERT_TRUE(next.isValid()) << r.nextInspection.toStdString();
        EXPECT_EQ(last.daysTo(next), (i % 22) + 8 + (i % 35) + 28) << i;
    }
    // Written in the C locale: "07 Mar 2025"-like, whatever the machine's locale.
    EXPECT_EQ(inspectionDateText(QDate(2025, 3, 7)), "07 Mar 2025");
    EXPECT_EQ(parseInspectionDate(" 07 Mar 2025 "), QDate(2025, 3, 7));
    EXPECT_FALSE(parseInspectionDate("2025-03-07").isValid());
}

TEST(WindFarmSimulator, TickZeroValues)
{
    WindFarmSimulator sim;
    const WindFarmSnapshot& s = sim.snapshot();
    expectLive(turbineAt(sim, 0), {12.7, 64.0, 88.0, 1938.0, 1.60, 12.4});
    // The fault turbine: 4 % of the output, 21 degrees hotter, 5.1 mm/s more vibration.
    expectLive(turbineAt(sim, 6), {15.0, 83.1, 3.5, 84.1, 6.92, 0.5});
    expectLive(turbineAt(sim, 14), {10.5, 70.9, 31.3, 813.3, 2.39, 4.6});
    expectLive(turbineAt(sim, 49), {13.9, 66.4, 89.4, 2124.9, 1.87, 12.8});

    expectFarm(s, {318420.0, 13.0, 84.3, 18.1, 1.21, 62.0, 24.0});
    EXPECT_TRUE(s.updated.endsWith(" UTC")) << s.updated.toStdString();

    ASSERT_EQ(s.aiInsights.size(), 3);
    EXPECT_EQ(s.aiInsights[1].titleEn, "Maintenance alert - WTG-007");
    EXPECT_EQ(s.aiInsights[1].turbineId, "WTG-007");
    EXPECT_TRUE(s.aiInsights[0].turbineId.isEmpty());
    EXPECT_EQ(s.aiInsights[2].titleZh, QStringLiteral("低风速提示 - 南部高原"));

    // The base list never carries live values; only the snapshot does.
    EXPECT_EQ(s.periodDays, 30);
    ASSERT_EQ(s.chartLabels.size(), 30);
    ASSERT_EQ(s.energySeries.size(), 30);
    ASSERT_EQ(s.forecastSeries.size(), 30);
    EXPECT_DOUBLE_EQ(s.energySeries[0], 129.9);
    EXPECT_DOUBLE_EQ(s.energySeries[4], 132.9);
    EXPECT_DOUBLE_EQ(s.forecastSeries[0], 129.8);
    EXPECT_DOUBLE_EQ(s.forecastSeries[2], 143.4);
}

TEST(WindFarmSimulator, ValuesFollowTheTick)
{
    WindFarmSimulator sim;
    advance(sim, 3);
    expectLive(turbineAt(sim, 0), {13.0, 66.3, 89.3, 2004.1, 1.86, 12.8});
    expectLive(turbineAt(sim, 23), {14.7, 69.4, 91.1, 2464.0, 2.21, 13.3});
    EXPECT_DOUBLE_EQ(sim.snapshot().totalEnergy, 318420.1);
    EXPECT_DOUBLE_EQ(sim.snapshot().temperature, 24.1);

    advance(sim, 134); // tick 137
    const WindFarmSnapshot& s = sim.snapshot();
    expectLive(turbineAt(sim, 0), {10.5, 68.2, 90.4, 2059.5, 2.08, 13.1});
    expectLive(turbineAt(sim, 6), {14.1, 82.5, 3.5, 83.4, 6.98, 0.5});
    expectLive(turbineAt(sim, 14), {12.7, 57.9, 28.7, 668.9, 2.30, 3.9});
    expectFarm(s, {318423.8, 12.7, 83.8, 18.3, 1.22, 58.0, 25.4});

    // Same tick, same values: a second farm agrees exactly.
    WindFarmSimulator other;
    advance(other, 137);
    EXPECT_DOUBLE_EQ(other.snapshot().totalEnergy, s.totalEnergy);
    EXPECT_DOUBLE_EQ(other.snapshot().turbines.at(31).outputKw, s.turbines.at(31).outputKw);
}

TEST(WindFarmSimulator, StatusChangeRecomputesWithoutChartSignal)
{
    WindFarmSimulator sim;
    advance(sim, 3);
    SignalLog log(sim);

    EXPECT_TRUE(sim.setTurbineStatus("  wtg-024 ", Offline));
    EXPECT_EQ(log.events, QStringList({"snapshot"}));
    const WindFarmSnapshot& s = sim.snapshot();
    // Offline: no output, efficiency or rotation, but wind, heat and vibration remain.
    expectLive(turbineAt(sim, 23), {14.7, 69.4, 0.0, 0.0, 2.21, 0.0});
    EXPECT_EQ(s.activeTurbines, 46);
    // The offline turbine still counts in the averages' divisor.
    EXPECT_DOUBLE_EQ(s.efficiency, 82.5);
    EXPECT_DOUBLE_EQ(s.avgWind, 13.0);

    EXPECT_TRUE(sim.setTurbineStatus("WTG-024", Active));
    expectLive(turbineAt(sim, 23), {14.7, 69.4, 91.1, 2464.0, 2.21, 13.3});
    EXPECT_EQ(sim.snapshot().activeTurbines, 47);

    log.events.clear();
    EXPECT_FALSE(sim.setTurbineStatus("WTG-999", Fault));
    EXPECT_FALSE(sim.setTurbineStatus("", Fault));
    EXPECT_TRUE(log.events.isEmpty());
    EXPECT_EQ(turbineAt(sim, 0).status, Active);
    // Any status value is taken; one outside 0 to 3 produces nothing and
    // does not count as active.
    EXPECT_TRUE(sim.setTurbineStatus("WTG-001", static_cast<TurbineStatus>(7)));
    EXPECT_EQ(turbineAt(sim, 0).status, 7);
    EXPECT_DOUBLE_EQ(turbineAt(sim, 0).outputKw, 0.0);
    EXPECT_EQ(sim.snapshot().activeTurbines, 46);
}

TEST(WindFarmSimulator, EveryFifthTickRollsTheChart)
{
    WindFarmSimulator sim;
    const QVector<double> energy = sim.snapshot().energySeries;
    const QVector<double> forecast = sim.snapshot().forecastSeries;
    const QStringList labels = sim.snapshot().chartLabels;
    SignalLog log(sim);

    advance(sim, 4);
    EXPECT_EQ(log.events, QStringList({"snapshot", "snapshot", "snapshot", "snapshot"}));
    EXPECT_EQ(sim.snapshot().energySeries, energy);
    EXPECT_EQ(sim.snapshot().forecastSeries, forecast);

    log.events.clear();
    sim.advance(); // tick 5
    EXPECT_EQ(log.events, QStringList({"snapshot", "chart"}));
    const WindFarmSnapshot carried = log.lastChart;

    const WindFarmSnapshot& s = sim.snapshot();
    ASSERT_EQ(s.energySeries.size(), 30);
    ASSERT_EQ(s.forecastSeries.size(), 30);
    EXPECT_EQ(s.energySeries.mid(0, 29), energy.mid(1));
    EXPECT_EQ(s.forecastSeries.mid(0, 29), forecast.mid(1));
    // Farm output at tick 5 is 101075.2 kW: 101.1 MW, forecast 105.6 MW.
    EXPECT_DOUBLE_EQ(s.energySeries.last(), 101.1);
    EXPECT_DOUBLE_EQ(s.forecastSeries.last(), 105.6);
    EXPECT_EQ(s.chartLabels, labels);
    EXPECT_EQ(carried.energySeries, s.energySeries);

    // The copy a receiver keeps is not touched by later ticks.
    advance(sim, 5);
    EXPECT_DOUBLE_EQ(carried.energySeries.last(), 101.1);
    EXPECT_EQ(carried.energySeries.size(), 30);
    EXPECT_EQ(sim.snapshot().energySeries.mid(0, 28), energy.mid(2));
}

TEST(WindFarmSimulator, PeriodSelection)
{
    WindFarmSimulator sim;
    advance(sim, 2);
    SignalLog log(sim);

    sim.setPeriodDays(7);
    EXPECT_EQ(log.events, QStringList({"snapshot", "chart"}));
    const WindFarmSnapshot& s = sim.snapshot();
    EXPECT_EQ(s.periodDays, 7);
    ASSERT_EQ(s.chartLabels.size(), 7);
    ASSERT_EQ(s.energySeries.size(), 7);
    // Weekday abbreviations ending today; the history restarts at k = 0.
    const QLocale c = QLocale::c();
    const QDate today = QDate::currentDate();
    if (s.chartLabels.last() == c.toString(today, "ddd")) { // not across midnight
        EXPECT_EQ(s.chartLabels.first(), c.toString(today.addDays(-6), "ddd"));
    }
    EXPECT_DOUBLE_EQ(s.energySeries[0], 129.9);
    EXPECT_DOUBLE_EQ(s.energySeries[6], 108.0);
    // The tick is kept: live values are still those of tick 2.
    WindFarmSimulator reference;
    advance(reference, 2);
    EXPECT_DOUBLE_EQ(s.turbines.at(9).outputKw, reference.snapshot().turbines.at(9).outputKw);
    EXPECT_DOUBLE_EQ(s.totalEnergy, reference.snapshot().totalEnergy);

    log.events.clear();
    sim.setPeriodDays(7);
    EXPECT_TRUE(log.events.isEmpty());

    sim.setPeriodDays(1);
    ASSERT_EQ(sim.snapshot().chartLabels.size(), 24);
    const QStringList hours = sim.snapshot().chartLabels;
    for (int k = 1; k < hours.size(); ++k) {
        const QTime a = QTime::fromString(hours[k - 1], "HH:mm");
        const QTime b = QTime::fromString(hours[k], "HH:mm");
        ASSERT_TRUE(a.isValid() && b.isValid());
        EXPECT_EQ((a.secsTo(b) + 86400) % 86400, 3600);
    }
    // The last point is the present hour.
    const int apart = std::abs(QTime::fromString(hours.last(), "HH:mm").secsTo(QTime::currentTime()));
    EXPECT_LE(std::min(apart, 86400 - apart), 120);

    // Unsupported values mean 30 days.
    log.events.clear();
    sim.setPeriodDays(5);
    EXPECT_EQ(sim.snapshot().periodDays, 30);
    EXPECT_EQ(sim.snapshot().chartLabels.size(), 30);
    EXPECT_EQ(log.events, QStringList({"snapshot", "chart"}));
    log.events.clear();
    sim.setPeriodDays(-7);
    EXPECT_TRUE(log.events.isEmpty());
}

TEST(WindFarmSimulator, AddTurbine)
{
    WindFarmSimulator sim;
    SignalLog log(sim);

    EXPECT_TRUE(sim.addTurbine("  wtg-051 ", " North Ridge ", 3600));
    EXPECT_EQ(log.events, QStringList({"snapshot", "added:WTG-051"}));
    const WindFarmSnapshot& s = sim.snapshot();
    ASSERT_EQ(s.turbineCount, 51);
    const TurbineRecord& r = s.turbines.last();
    EXPECT_EQ(r.id, "WTG-051");
    EXPECT_EQ(r.location, "North Ridge");
    EXPECT_EQ(r.index, 50);
    EXPECT_EQ(r.status, Active);
    EXPECT_NEAR(r.latitude, 55.2 + 0.031 * 5, 1e-9);
    EXPECT_NEAR(r.longitude, 9.1 + 0.047 * 1, 1e-9);
    EXPECT_EQ(r.aiNoteEn, "New turbine baseline is being established");
    EXPECT_EQ(r.aiNoteZh, QString::fromUtf8("正在建立新风机运行基线"));
    EXPECT_EQ(r.crew, "R.V. / C.H.");
    EXPECT_DOUBLE_EQ(r.ratedPowerKw, 3600);
    // Every text of every record, the seeded and the added, is filled.
    for (const TurbineRecord& t : s.turbines)
        for (const QString* text :
             {&t.id, &t.location, &t.lastInspection, &t.nextInspection, &t.crew, &t.aiNoteEn, &t.aiNoteZh})
            EXPECT_FALSE(text->trimmed().isEmpty()) << t.id.toStdString();
    EXPECT_EQ(parseInspectionDate(r.lastInspection).daysTo(parseInspectionDate(r.nextInspection)), 57);
    EXPECT_GT(r.outputKw, 0.0); // live at once
    EXPECT_EQ(s.activeTurbines, 48);
    EXPECT_TRUE(sim.containsTurbine(" wtg-051"));

    log.events.clear();
    // A taken id is refused wherever it stands: first, middle, last.
    for (const char* taken : {"wtg-001", "WTG-025", "Wtg-051"})
        EXPECT_FALSE(sim.addTurbine(taken, "South Plateau", 3600)) << taken;
    EXPECT_FALSE(sim.addTurbine("WTG-052", "", 3600));
    EXPECT_FALSE(sim.addTurbine("WTG-052", "   ", 3600));
    EXPECT_FALSE(sim.addTurbine("   ", "East Meadow", 3600));
    EXPECT_FALSE(sim.addTurbine("WTG-052", "East Meadow", 0));
    EXPECT_FALSE(sim.addTurbine("WTG-052", "East Meadow", -5));
    EXPECT_FALSE(sim.addTurbine("WTG-052", "East Meadow", std::nan("")));
    EXPECT_FALSE(sim.addTurbine("WTG-052", "East Meadow", INFINITY));
    EXPECT_TRUE(log.events.isEmpty());
    EXPECT_EQ(sim.snapshot().turbineCount, 51);
    EXPECT_FALSE(sim.containsTurbine("WTG-052"));
    EXPECT_FALSE(sim.containsTurbine(""));

    // A turbine added under maintenance runs at a third of its output.
    EXPECT_TRUE(sim.addTurbine("wtg-052", "East Meadow", 3000, Maintenance));
    const TurbineRecord& m = sim.snapshot().turbines.last();
    EXPECT_EQ(m.status, Maintenance);
    EXPECT_EQ(m.index, 51);
    EXPECT_EQ(sim.snapshot().activeTurbines, 48);
    EXPECT_LT(m.outputKw, 0.34 * 0.63 * 3000 + 0.1);
}

TEST(WindFarmSimulator, TimerDrivesTicksUntilStopped)
{
    WindFarmSimulator sim;
    SignalLog log(sim);
    sim.start(0); // clamped to 50 ms, never a busy loop
    EXPECT_TRUE(TestUtil::waitFor([&] { return !log.events.isEmpty(); }, 5000));
    EXPECT_FALSE(log.events.isEmpty());
    sim.stop();
    const int seen = log.events.size();
    // Nothing to see come true: three intervals pass without a tick.
    EXPECT_FALSE(TestUtil::waitFor([&] { return log.events.size() != seen; }, 150));
    EXPECT_EQ(log.events.size(), seen);

    // The interval in effect, for one under the floor, below zero and above
    // it: four intervals pass between the first tick and the fifth (a
    // slow machine only stretches them; a coarse timer may fire 5 % early,
    // so the bound leaves a wide margin below).
    for (const int interval : {0, -5, 70}) {
        QVector<qint64> ticks;
        QElapsedTimer clock;
        clock.start();
        const QMetaObject::Connection c =
            QObject::connect(&sim, &WindFarmSimulator::snapshotChanged, [&] { ticks << clock.elapsed(); });
        sim.start(interval);
        EXPECT_TRUE(TestUtil::waitFor([&] { return ticks.size() >= 5; }, 5000)) << interval;
        sim.stop();
        QObject::disconnect(c);
        if (ticks.size() >= 5) {
            EXPECT_GE(ticks[4] - ticks[0], 4 * qMax(interval, 50) * 3 / 4) << interval;
        }
    }
}
