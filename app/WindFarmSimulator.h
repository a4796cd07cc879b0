#pragma once

// The dashboard's data source: a deterministic wind farm. Every value is a
// closed-form function of the tick counter and the turbine's index, so the
// same tick always yields the same snapshot.

#include "WindFarmSnapshot.h"

#include <QObject>
#include <QTimer>

class WindFarmSimulator : public QObject
{
    Q_OBJECT

public:
    explicit WindFarmSimulator(QObject* parent = nullptr);

    const WindFarmSnapshot& snapshot() const { return current; }
    // True when a turbine's id equals the trimmed id, ignoring case.
    bool containsTurbine(const QString id) const;

Q_SIGNALS:
    void snapshotChanged(WindFarmSnapshot snapshot);
    void chartHistoryChanged(WindFarmSnapshot snapshot);
    void turbineAdded(QString id);

public Q_SLOTS:
    void start(int intervalMs);
    void start();
    void stop();
    void advance();
    void setPeriodDays(int days);
    bool addTurbine(QString id, QString location, double ratedPowerKw, TurbineStatus status);
    bool addTurbine(QString id, QString location, double ratedPowerKw);
    bool setTurbineStatus(QString id, TurbineStatus status);

private:
    void seedTurbines();
    void rebuildHistory();
    void recomputeSnapshot(bool roll);
    static double roundTo(double value, int decimals);
    int findTurbine(const QString& id) const;

    QTimer timer;
    QVector<TurbineRecord> turbines;
    WindFarmSnapshot current;
    int tick = 0;
};
