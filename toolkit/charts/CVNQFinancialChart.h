#pragma once

// Financial chart on the OpenGL chart surface: a price history shown as
// daily candlesticks with moving-average lines (mode 0), an intraday price
// line with its running average (mode 1) or volume bars of the daily
// records (other modes), with a zoom slider under the plot that selects
// the shown index range, and a dashed crosshair with a tooltip that follow
// the mouse. Type name "qtfinancialchart".

#include "CVNQChartBase.h"
#include "CVNQControl.h"
#include "CVNQGlobal.h"

namespace CVNQtLib {

// One trading day.
struct Candle
{
    QString label;
    double open = 0.0;
    double high = 0.0;
    double low = 0.0;
    double close = 0.0;
    double volume = 0.0;
};

// One intraday sample; average is the running mean of the prices so far.
struct IntradayPoint
{
    QString label;
    double price = 0.0;
    double average = 0.0;
    double volume = 0.0;
};

class CVNQFinancialChartImpl;

class CVNQ_EXPORT CVNQFinancialChart : public CVNQChartBase, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQFinancialChart, CVNQFinancialChartImpl)
public:
    explicit CVNQFinancialChart(QWidget* parent = nullptr);
    ~CVNQFinancialChart() override;

    static ControlInfo getProps();

    // Replace the records, clear the hover state and replay the animation.
    void setCandles(const QVector<Candle>& candles);
    QVector<Candle> candles() const;
    void setIntradayPoints(const QVector<IntradayPoint>& points);
    QVector<IntradayPoint> intradayPoints() const;

    void setZoomEnabled(bool enabled);
    // Kept in 0..1, ordered and at least the slider's smallest span apart.
    void setZoomRange(double start, double end);
    double zoomStart() const;
    double zoomEnd() const;

    // 0 candles, 1 intraday, anything else volume bars.
    void setDisplayMode(int mode);
    int displayMode() const;
    using CVNQChartBase::setTitle;
    using CVNQChartBase::setTooltipEnabled;
    void setShowMovingAverages(bool show);

protected:
    CVNQChartImpl* chartImpl() const override;
};

} // namespace CVNQtLib
