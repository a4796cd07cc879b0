#include "WindFarmSimulator.h"

#include <QDateTime>
#include <QLocale>
#include <QtMath>

#include <cmath>

namespace {

const char* const kDateFormat = "dd MMM yyyy";

const char* const kLocations[5] = {"North Ridge", "South Plateau", "Coastal Edge", "West Valley", "East Meadow"};
const char* const kCrews[3] = {"A.K. / M.R.", "J.L. / S.O.", "T.B. / E.N."};
const char* const kNewTurbineCrew = "R.V. / C.H.";

double statusFactor(int status)
{
    switch (status) {
    case Active: return 1.0;
    case Maintenance: return 0.34;
    case Fault: return 0.04;
    default: return 0.0;
    }
}

const QVector<AiInsight>& fixedInsights()
{
    static const QVector<AiInsight> insights = {
        {QStringLiteral("Efficiency forecast +6%"), QStringLiteral("效率预测提升 6%"),
         QStringLiteral("Stronger wind currents should increase output next week."),
         QStringLiteral("更强风流预计将在下周提升发电输出。"), QString()},
        {QStringLiteral("Maintenance alert - WTG-007"), QStringLiteral("维护告警 - WTG-007"),
         QStringLiteral("Bearing temperature and vibration exceed the operating baseline."),
         QStringLiteral("轴承温度与振动超过运行基线。"), QStringLiteral("WTG-007")},
        {QStringLiteral("Low wind alert - South Plateau"), QStringLiteral("低风速提示 - 南部高原"),
         QStringLiteral("Temporary output reduction is expected for the southern zone."),
         QStringLiteral("南部区域预计出现短时输出下降。"), QString()},
    };
    return insights;
}

} // namespace

QString inspectionDateText(const QDate& date)
{
    return QLocale::c().toString(date, QLatin1String(kDateFormat));
}

QDate parseInspectionDate(const QString& text)
{
    return QLocale::c().toDate(text.trimmed(), QLatin1String(kDateFormat));
}

WindFarmSimulator::WindFarmSimulator(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<WindFarmSnapshot>("WindFarmSnapshot");
    connect(&timer, &QTimer::timeout, this, &WindFarmSimulator::advance);
    current.periodDays = 30;
    seedTurbines();
    rebuildHistory();
    recomputeSnapshot(false);
}

bool WindFarmSimulator::containsTurbine(const QString id) const
{
    return findTurbine(id) >= 0;
}

int WindFarmSimulator::findTurbine(const QString& id) const
{
    const QString key = id.trimmed();
    if (key.isEmpty())
        return -1;
    for (int i = 0; i < turbines.size(); ++i) {
        if (turbines[i].id.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void WindFarmSimulator::start(int intervalMs)
{
    timer.start(qMax(intervalMs, 50));
}

void WindFarmSimulator::start()
{
    start(1000);
}

void WindFarmSimulator::stop()
{
    timer.stop();
}

void WindFarmSimulator::advance()
{
    ++tick;
    const bool roll = tick % 5 == 0;
    recomputeSnapshot(roll);
    emit snapshotChanged(current);
    if (roll)
        emit chartHistoryChanged(current);
}

void WindFarmSimulator::setPeriodDays(int days)
{
    if (days != 1 && days != 7 && days != 30)
        days = 30;
    if (days == current.periodDays)
        return;
    current.periodDays = days;
    rebuildHistory();
    recomputeSnapshot(false);
    emit snapshotChanged(current);
    emit chartHistoryChanged(current);
}

bool WindFarmSimulator::addTurbine(QString id, QString location, double ratedPowerKw, TurbineStatus status)
{
    const QString cleanId = id.trimmed().toUpper();
    const QString cleanLocation = location.trimmed();
    // A non-finite rating would poison every farm total.
    if (cleanId.isEmpty() || cleanLocation.isEmpty() || !std::isfinite(ratedPowerKw) || ratedPowerKw <= 0)
        return false;
    if (findTurbine(cleanId) >= 0)
        return false;

    const int n = turbines.size();
    const QDate today = QDate::currentDate();
    TurbineRecord record;
    record.index = n;
    record.id = cleanId;
    record.location = cleanLocation;
    record.latitude = 55.2 + 0.031 * (n % 9);
    record.longitude = 9.1 + 0.047 * (n % 7);
    record.ratedPowerKw = ratedPowerKw;
    record.status = status;
    record.lastInspection = inspectionDateText(today.addDays(-12));
    record.nextInspection = inspectionDateText(today.addDays(45));
    record.crew = QLatin1String(kNewTurbineCrew);
    record.aiNoteEn = QStringLiteral("New turbine baseline is being established");
    record.aiNoteZh = QStringLiteral("正在建立新风机运行基线");
    turbines.append(record);

    recomputeSnapshot(false);
    emit snapshotChanged(current);
    emit turbineAdded(cleanId);
    return true;
}

bool WindFarmSimulator::addTurbine(QString id, QString location, double ratedPowerKw)
{
    return addTurbine(id, location, ratedPowerKw, Active);
}

bool WindFarmSimulator::setTurbineStatus(QString id, TurbineStatus status)
{
    const int pos = findTurbine(id);
    if (pos < 0)
        return false;
    turbines[pos].status = status;
    recomputeSnapshot(false);
    emit snapshotChanged(current);
    return true;
}

void WindFarmSimulator::seedTurbines()
{
    turbines.clear();
    turbines.reserve(50);
    const QDate today = QDate::currentDate();
    for (int i = 0; i < 50; ++i) {
        TurbineRecord r;
        r.index = i;
        r.id = QStringLiteral("WTG-%1").arg(i + 1, 3, 10, QLatin1Char('0'));
        r.location = QLatin1String(kLocations[i % 5]);
        r.latitude = 55.18 + 0.027 * (i % 10);
        r.longitude = 9.08 + 0.046 * (i / 10);
        r.ratedPowerKw = 3400 + 200 * (i % 4);
        if (i == 6) {
            r.status = Fault;
            r.aiNoteEn = QStringLiteral("Bearing temperature anomaly detected");
            r.aiNoteZh = QStringLiteral("检测到轴承温度异常");
        } else if (i == 14) {
            r.status = Maintenance;
            r.aiNoteEn = QStringLiteral("Gearbox inspection recommended");
            r.aiNoteZh = QStringLiteral("建议检查齿轮箱");
        } else if (i == 31) {
            r.status = Maintenance;
            r.aiNoteEn = QStringLiteral("Blade pitch calibration scheduled");
            r.aiNoteZh = QStringLiteral("已安排桨距校准");
        } else {
            r.status = Active;
            r.aiNoteEn = QStringLiteral("All systems optimal");
            r.aiNoteZh = QStringLiteral("所有系统运行正常");
        }
        r.lastInspection = inspectionDateText(today.addDays(-(i % 22) - 8));
        r.nextInspection = inspectionDateText(today.addDays((i % 35) + 28));
        r.crew = QLatin1String(kCrews[i % 3]);
        turbines.append(r);
    }
}

void WindFarmSimulator::rebuildHistory()
{
    const int n = current.periodDays == 1 ? 24 : current.periodDays;
    QStringList labels;
    QVector<double> energy;
    QVector<double> forecast;
    labels.reserve(n);
    energy.reserve(n);
    forecast.reserve(n);

    // Labels are chart text: the C locale keeps weekday names stable across machines.
    const QLocale c = QLocale::c();
    const QDateTime now = QDateTime::currentDateTime();
    const QDate today = now.date();
    for (int k = 0; k < n; ++k) {
        const int back = k + 1 - n; // 0 for the last point: the present hour or day
        if (current.periodDays == 1)
            labels.append(c.toString(now.addSecs(qint64(back) * 3600), QStringLiteral("HH:mm")));
        else if (current.periodDays == 7)
            labels.append(c.toString(today.addDays(back), QStringLiteral("ddd")));
        else
            labels.append(c.toString(today.addDays(back), QStringLiteral("MM/dd")));
        energy.append(roundTo(121 + 18 * std::sin(0.71 * k) + 9 * std::sin(0.23 * k + 1.4), 1));
        forecast.append(roundTo(124 + 17 * std::sin(0.69 * k + 0.35) + 7 * std::sin(0.19 * k), 1));
    }
    current.chartLabels = labels;
    current.energySeries = energy;
    current.forecastSeries = forecast;
}

void WindFarmSimulator::recomputeSnapshot(bool roll)
{
    const double t = tick;
    // Built fresh and assigned: clearing in place would first deep-copy a
    // list that a receiver still shares.
    QVector<TurbineRecord> live;
    live.reserve(turbines.size());
    int active = 0;
    double sumPower = 0.0;
    double sumWind = 0.0;
    double sumEfficiency = 0.0;

    for (const TurbineRecord& base : turbines) {
        TurbineRecord r = base;
        const double i = r.index;
        const double s1 = std::sin(0.11 * t + 0.57 * i);
        const double s2 = std::sin(0.31 * i + 0.037 * t);
        const double factor = statusFactor(r.status);
        const bool fault = r.status == Fault;
        r.windSpeed = roundTo(12.7 + 2.4 * s2, 1);
        r.temperature = roundTo(64 + 7 * s1 + (fault ? 21 : 0), 1);
        r.efficiency = roundTo((88 + 4 * s1) * factor, 1);
        r.outputKw = roundTo((0.57 + 0.06 * s1) * r.ratedPowerKw * factor, 1);
        r.vibration = roundTo(1.6 + 0.8 * std::fabs(s1) + (fault ? 5.1 : 0), 2);
        r.rotorRpm = roundTo((12.4 + 1.2 * s1) * factor, 1);
        if (r.status == Active)
            ++active;
        sumPower += r.outputKw;
        sumWind += r.windSpeed;
        sumEfficiency += r.efficiency;
        live.append(r);
    }

    current.turbines = live;
    current.activeTurbines = active;
    current.turbineCount = turbines.size();
    const double c = qMax(current.turbineCount, 1);
    current.avgWind = roundTo(sumWind / c, 1);
    current.efficiency = roundTo(sumEfficiency / c, 1);
    current.totalEnergy = roundTo(t * sumPower / 3600000.0 + 318420, 1);
    current.gust = roundTo(current.avgWind + 5.1 + std::sin(0.05 * t), 1);
    current.airDensity = roundTo(1.21 + 0.015 * std::sin(0.02 * t), 2);
    current.humidity = roundTo(62 + 4 * std::sin(0.031 * t), 0);
    current.temperature = roundTo(24 + 2.2 * std::sin(0.018 * t), 1);
    // The label says UTC, so the clock read is UTC.
    current.updated = QLocale::c().toString(QDateTime::currentDateTimeUtc(), QStringLiteral("HH:mm:ss 'UTC'"));
    current.aiInsights = fixedInsights();

    if (roll && !current.energySeries.isEmpty() && !current.forecastSeries.isEmpty()) {
        const double megawatts = sumPower / 1000.0;
        current.energySeries.removeFirst();
        current.forecastSeries.removeFirst();
        current.energySeries.append(roundTo(megawatts, 1));
        current.forecastSeries.append(roundTo(megawatts * 1.045, 1));
    }
}

double WindFarmSimulator::roundTo(double value, int decimals)
{
    const double p = std::pow(10.0, decimals);
    return std::floor(value * p + 0.5) / p;
}
