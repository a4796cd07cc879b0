#pragma once

// Value types of the simulated farm. Every simulator signal carries a whole
// WindFarmSnapshot by value; receivers keep copies (the containers are
// implicitly shared, so a kept copy never sees later recomputes).

#include <QDate>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

enum TurbineStatus
{
    Active = 0,
    Maintenance = 1,
    Fault = 2,
    Offline = 3
};

struct TurbineRecord
{
    int index = 0; // position in the simulator's list at creation; drives the phase
    QString id;    // trimmed, upper case (WTG-001)
    QString location;
    double latitude = 0.0;
    double longitude = 0.0;
    double ratedPowerKw = 0.0;
    // Live values: meaningful only in a snapshot's copies.
    double windSpeed = 0.0;   // m/s
    double temperature = 0.0; // nacelle, degrees Celsius
    double outputKw = 0.0;
    double efficiency = 0.0; // percent
    double vibration = 0.0;  // mm/s
    double rotorRpm = 0.0;
    int status = Active;    // TurbineStatus
    QString lastInspection; // see inspectionDateText
    QString nextInspection;
    QString crew;
    QString aiNoteEn;
    QString aiNoteZh;
};

struct AiInsight
{
    QString titleEn;
    QString titleZh;
    QString detailEn;
    QString detailZh;
    QString turbineId; // the turbine the card opens, or empty
};

struct WindFarmSnapshot
{
    int periodDays = 30;      // chart period: 1, 7 or 30
    double totalEnergy = 0.0; // MWh
    int activeTurbines = 0;
    int turbineCount = 0;
    double avgWind = 0.0;     // m/s
    double efficiency = 0.0;  // percent
    double gust = 0.0;        // m/s
    double airDensity = 0.0;  // kg/m3
    double humidity = 0.0;    // percent
    double temperature = 0.0; // ambient, degrees Celsius
    QString updated;          // "HH:mm:ss UTC"
    QVector<TurbineRecord> turbines;
    QStringList chartLabels;
    QVector<double> energySeries;
    QVector<double> forecastSeries;
    QVector<AiInsight> aiInsights;
};

Q_DECLARE_METATYPE(WindFarmSnapshot)

// Inspection dates are data, not UI text: they are written in the C locale
// ("07 Mar 2025") whatever the machine's locale, so that they read back
// reliably (the turbine table sorts them as dates).
QString inspectionDateText(const QDate& date);
// The date of a text written by inspectionDateText; invalid for any other text.
QDate parseInspectionDate(const QString& text);
