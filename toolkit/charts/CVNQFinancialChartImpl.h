#pragma once

// State and painting of the financial chart: the records of the current
// display mode, the index range the zoom slider shows, the price range
// with moving averages, candles, intraday lines and volume bars, the
// crosshair hover with its tooltip, and the parsing of price tables.

#include "CVNQChartTypes.h"
#include "CVNQFinancialChart.h"
#include "CVNQWidgetBaseImpl.h"
#include "ChartZoomSlider.h"

#include <QOpenGLFunctions>
#include <QPoint>
#include <QVector>

namespace CVNQtLib {

// What one paint or hover pass works with.
struct FinancialChartFrame {
    QRectF plot;
    int count = 0;   // records of the current mode
    int first = 0;   // shown index range; last < first when there are none
    int last = -1;
    double lo = 0.0; // price range
    double hi = 1.0;
    double span = 1.0; // divisor of the price-to-y mapping, never 0
};

class CVNQFinancialChartImpl : public CVNQWidgetBaseImpl, protected QOpenGLFunctions {
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

    void initGL();
    void paintGL();
    void draw(QPainter* painter, const QRect& rect) override;

    void setTitle(const QString& title);
    const QString& title() const { return m_title; }
    void setDisplayMode(int mode);
    int displayMode() const { return m_displayMode; }
    void setCandles(const QVector<Candle>& candles);
    const QVector<Candle>& candles() const { return m_candles; }
    void setIntradayPoints(const QVector<IntradayPoint>& points);
    const QVector<IntradayPoint>& intradayPoints() const { return m_intradayPoints; }
    void setTooltipEnabled(bool enabled);
    bool tooltipEnabled() const { return m_tooltipEnabled; }
    void setHoverEnabled(bool enabled);
    void setTooltipMode(int mode);
    int tooltipMode() const { return m_tooltipMode; }
    void setShowMovingAverages(bool show);
    bool showMovingAverages() const { return m_showMovingAverages; }
    void setMovingAveragePeriods(const QVector<int>& periods, const QVector<QColor>& colors);
    const QVector<int>& maPeriods() const { return m_maPeriods; }
    void setZoomEnabled(bool enabled);
    void setZoomRange(double start, double end);
    ChartZoomSlider& zoom() { return m_zoom; }

    bool hoverActive() const { return m_hoverActive; }
    int hoverIndex() const { return m_hoverIndex; }
    QColor upColor() const { return m_upColor; }
    QColor downColor() const { return m_downColor; }

    // --- geometry ----------------------------------------------------------
    // Records of the current mode: intraday points in mode 1, else candles.
    int recordCount() const;
    QString recordLabel(int index) const;
    void visibleRange(int& first, int& last) const;
    QRectF plotRect(const QSize& size) const;
    void priceRange(int first, int last, double& lo, double& hi) const;
    FinancialChartFrame frame(const QSize& size) const;
    QPointF pointPos(const FinancialChartFrame& f, int index, double value) const;
    // Mean close of the period days up to index; false where undefined.
    bool movingAverage(int period, int index, double& average) const;
    // The same for every index from first to last in one pass (NaN where
    // undefined); ranges and lines use it, so long histories stay cheap.
    QVector<double> movingAverages(int period, int first, int last) const;
    QColor maColor(int k) const;
    // Slot width of one record and the candle body width.
    static double slotWidth(const FinancialChartFrame& f);
    static double bodyWidth(const FinancialChartFrame& f);
    QString tooltipText(int index) const;
    QRectF sliderTrack(const QRectF& plot);

    // --- mouse -------------------------------------------------------------
    bool handlePress(const QPoint& pos);
    bool handleDrag(const QPoint& pos);
    void handleRelease();
    void handleLeave();
    bool updateHover(const QPoint& pos);
    void clearHover();

private:
    void paintCandles(QPainter& painter, const FinancialChartFrame& f);
    void paintMovingAverages(QPainter& painter, const FinancialChartFrame& f);
    void paintIntraday(QPainter& painter, const FinancialChartFrame& f);
    void paintVolume(QPainter& painter, const FinancialChartFrame& f);

    CVNQFinancialChart* m_chart;
    QString m_title = QStringLiteral("Financial Chart");
    int m_displayMode = 0; // 0 candles, 1 intraday, else volume
    QVector<Candle> m_candles;
    QVector<IntradayPoint> m_intradayPoints;
    bool m_tooltipEnabled = false;
    bool m_hoverEnabled = true;
    int m_tooltipMode = 1;
    int m_marginLeft = 66;
    int m_marginTop = 48;
    int m_marginRight = 28;
    int m_marginBottom = 82;
    ChartZoomSlider m_zoom;
    bool m_hoverActive = false;
    int m_hoverIndex = -1;
    QPoint m_hoverMousePos;
    QColor m_upColor{230, 76, 69};
    QColor m_downColor{34, 178, 115};
    QColor m_priceColor{35, 128, 224};
    QColor m_averageColor{232, 148, 54};
    bool m_showMovingAverages = true;
    QVector<int> m_maPeriods{5, 10, 20, 30};
    QVector<QColor> m_maColors{QColor(234, 179, 8), QColor(59, 130, 246), QColor(168, 85, 247),
                               QColor(20, 184, 166)};
};

} // namespace CVNQtLib
