#pragma once

// State and painting of the financial chart: the records of the current
// display mode, the index range the zoom slider shows, the price range
// with moving averages, candles, intraday lines and volume bars, the
// crosshair hover with its tooltip, and the parsing of price tables.

#include "CVNQChartLayout.h"
#include "CVNQChartTypes.h"
#include "CVNQFinancialChart.h"
#include "CVNQGlobal.h"
#include "CVNQZoomChartImpl.h"

#include <QVector>

namespace CVNQtLib {

// Hover tracking needs hover, tooltips and a tooltip mode other than 0 all on.
class CVNQ_EXPORT CVNQFinancialChartImpl : public CVNQZoomChartImpl
{
    Q_OBJECT
public:
    explicit CVNQFinancialChartImpl(CVNQFinancialChart* owner);

    // Price tables as text, one record a line; lines with too few fields
    // are skipped, numbers that do not parse (or are not finite) read 0,
    // and the label drops the first five characters (the year and dash).
    // Daily lines: date,open,close,high,low,volume.
    static QVector<Candle> parseDailyText(const QByteArray& text);
    // Intraday lines: date time,price,volume; the average is the running
    // mean of the prices read so far.
    static QVector<IntradayPoint> parseIntradayText(const QByteArray& text);

    void draw(QPainter* painter, const QRect& rect) override;

    void setDisplayMode(int mode);
    int displayMode() const { return m_displayMode; }
    void setCandles(const QVector<Candle>& candles);
    const QVector<Candle>& candles() const { return m_candles; }
    void setIntradayPoints(const QVector<IntradayPoint>& points);
    const QVector<IntradayPoint>& intradayPoints() const { return m_intradayPoints; }
    void setShowMovingAverages(bool show);
    bool showMovingAverages() const { return m_showMovingAverages; }
    void setMovingAveragePeriods(const QVector<int>& periods, const QVector<QColor>& colors);
    const QVector<int>& maPeriods() const { return m_maPeriods; }
    void setZoomEnabled(bool enabled);
    void setZoomRange(double start, double end);

    QColor upColor() const { return m_upColor; }
    QColor downColor() const { return m_downColor; }

    // --- geometry ----------------------------------------------------------
    // The categories are the records of the current mode: intraday points
    // in mode 1, else candles.
    int categoryCount() const override;
    QString categoryLabel(int index) const override;
    QRectF plotRect(const QSize& size) const override;
    void valueRange(int first, int last, double& lo, double& hi) const override;
    QPointF pointPos(const ChartCategoryFrame& f, int index, double value) const
    {
        return cvnChartCategoryPoint(f, index, value);
    }
    // Mean close of the period days up to index; false where undefined.
    bool movingAverage(int period, int index, double& average) const;
    // The same for every index from first to last in one pass (NaN where
    // undefined); ranges and lines use it, so long histories stay cheap.
    QVector<double> movingAverages(int period, int first, int last) const;
    QColor maColor(int k) const;
    // Slot width of one record and the candle body width.
    static double slotWidth(const ChartCategoryFrame& f);
    static double bodyWidth(const ChartCategoryFrame& f);
    QString tooltipText(int index) const;

    // --- mouse -------------------------------------------------------------
    // Presses go to the zoom slider only.
    bool handlePress(const QPoint& pos) override;
    bool updateHover(const QPoint& pos) override;

protected:
    double sliderOffset() const override { return 42; }

private:
    void paintCandles(QPainter& painter, const ChartCategoryFrame& f);
    void paintMovingAverages(QPainter& painter, const ChartCategoryFrame& f);
    void paintIntraday(QPainter& painter, const ChartCategoryFrame& f);
    void paintVolume(QPainter& painter, const ChartCategoryFrame& f);

    int m_displayMode = 0; // 0 candles, 1 intraday, else volume
    QVector<Candle> m_candles;
    QVector<IntradayPoint> m_intradayPoints;
    int m_marginLeft = 66;
    int m_marginTop = 48;
    int m_marginRight = 28;
    int m_marginBottom = 82;
    QColor m_upColor{230, 76, 69};
    QColor m_downColor{34, 178, 115};
    QColor m_priceColor{35, 128, 224};
    QColor m_averageColor{232, 148, 54};
    bool m_showMovingAverages = true;
    QVector<int> m_maPeriods{5, 10, 20, 30};
    QVector<QColor> m_maColors{QColor(234, 179, 8), QColor(59, 130, 246), QColor(168, 85, 247), QColor(20, 184, 166)};
};

} // namespace CVNQtLib
