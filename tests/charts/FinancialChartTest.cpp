// Financial chart: the embedded price tables and their parsing, moving
// averages, price range and positions, zoom normalisation and slider drags
// through the mouse, crosshair hover with its tooltips, candles and the
// intro animation in pixels, and guards against empty or broken data.

#include "CVNQFinancialChart.h"
#include "CVNQFinancialChartImpl.h"
#include "CVNQFinancialDemoData.h"
#include "ChartFixture.h"
#include "TestUtil.h"

#include <QDate>
#include <QDateTime>
#include <QCryptographicHash>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <limits>

using namespace CVNQtLib;

namespace {

struct Financial : ChartFixture<CVNQFinancialChart, CVNQFinancialChartImpl>
{
    explicit Financial(QSize size = QSize(800, 500))
        : ChartFixture(size, Qt::white)
    {}
    ChartCategoryFrame frame() const { return impl->frame(widget.size()); }
    QRectF track() const { return impl->sliderTrack(impl->plotRect(widget.size())); }
};

Candle candle(const QString& label, double open, double high, double low, double close, double volume = 1000)
{
    Candle c;
    c.label = label;
    c.open = open;
    c.high = high;
    c.low = low;
    c.close = close;
    c.volume = volume;
    return c;
}

// Candles whose closes are 1, 2, ..., n.
QVector<Candle> rising(int n)
{
    QVector<Candle> out;
    for (int i = 1; i <= n; ++i)
        out.append(candle(QStringLiteral("d%1").arg(i), i - 0.5, i + 1, i - 1, i));
    return out;
}

QStringList lines(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

TEST(FinancialChart, EmbeddedTables)
{
    // Both tables to the digit: a digit slipped in any field passes every range check below.
    const auto sha1 = [](const char* text) { return QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex(); };
    EXPECT_EQ(sha1(cvnFinancialDailyDemoText()), "68ae3aec3c0ff1a72bebc3f5f670a21076679d64");
    EXPECT_EQ(sha1(cvnFinancialIntradayDemoText()), "6a30807850fb44199d6c1311556107ed2431d9d1");
    const QStringList daily = lines(cvnFinancialDailyDemoText());
    ASSERT_EQ(daily.size(), 62);
    EXPECT_EQ(daily.first(), "2026-03-26,2854.50,2824.67,2862.33,2819.07,52322127");
    const QRegularExpression price(QStringLiteral("^\\d{4}\\.\\d{2}$"));
    QDate previous;
    for (const QString& line : daily) {
        const QStringList f = line.split(QLatin1Char(','));
        ASSERT_EQ(f.size(), 6) << line.toStdString();
        const QDate date = QDate::fromString(f.at(0), Qt::ISODate);
        ASSERT_TRUE(date.isValid()) << line.toStdString();
        EXPECT_LT(date.dayOfWeek(), 6) << "trading days only: " << line.toStdString();
        EXPECT_TRUE(!previous.isValid() || previous < date);
        previous = date;
        const double open = f.at(1).toDouble(), close = f.at(2).toDouble();
        const double high = f.at(3).toDouble(), low = f.at(4).toDouble();
        for (int k = 1; k <= 4; ++k)
            EXPECT_TRUE(price.match(f.at(k)).hasMatch()) << line.toStdString();
        EXPECT_GE(low, 2800.0);
        EXPECT_LE(high, 3000.0);
        EXPECT_LE(low, qMin(open, close)) << line.toStdString();
        EXPECT_GE(high, qMax(open, close)) << line.toStdString();
        EXPECT_EQ(f.at(5).size(), 8) << line.toStdString();
    }
    EXPECT_EQ(previous, QDate(2026, 6, 26));

    const QStringList intraday = lines(cvnFinancialIntradayDemoText());
    ASSERT_EQ(intraday.size(), 49);
    EXPECT_EQ(intraday.first(), "2026-06-26 09:31,2960.99,1415748");
    // Every five minutes 09:31-11:26 and 13:01-14:56, then 15:00.
    QStringList times;
    for (QTime t(9, 31); t <= QTime(11, 26); t = t.addSecs(300))
        times << t.toString("HH:mm");
    for (QTime t(13, 1); t <= QTime(14, 56); t = t.addSecs(300))
        times << t.toString("HH:mm");
    times << "15:00";
    ASSERT_EQ(times.size(), 49);
    for (int i = 0; i < intraday.size(); ++i) {
        const QStringList f = intraday.at(i).split(QLatin1Char(','));
        ASSERT_EQ(f.size(), 3);
        EXPECT_EQ(f.at(0), "2026-06-26 " + times.at(i));
        EXPECT_TRUE(price.match(f.at(1)).hasMatch());
        bool ok = false;
        f.at(2).toLongLong(&ok);
        EXPECT_TRUE(ok);
    }
}

TEST(FinancialChart, DemonstrationState)
{
    Financial c;
    const QVector<Candle> candles = c.widget.candles();
    ASSERT_EQ(candles.size(), 62);
    const Candle& first = candles.first();
    EXPECT_EQ(first.label, "03-26");
    EXPECT_DOUBLE_EQ(first.open, 2854.50);
    EXPECT_DOUBLE_EQ(first.high, 2862.33);
    EXPECT_DOUBLE_EQ(first.low, 2819.07);
    EXPECT_DOUBLE_EQ(first.close, 2824.67);
    EXPECT_DOUBLE_EQ(first.volume, 52322127);
    EXPECT_EQ(candles.last().label, "06-26");

    const QVector<IntradayPoint> points = c.widget.intradayPoints();
    ASSERT_EQ(points.size(), 49);
    EXPECT_EQ(points.first().label, "06-26 09:31");
    EXPECT_DOUBLE_EQ(points.first().price, 2960.99);
    EXPECT_DOUBLE_EQ(points.first().average, 2960.99);
    EXPECT_DOUBLE_EQ(points.at(1).average, (points.at(0).price + points.at(1).price) / 2);
    EXPECT_EQ(points.last().label, "06-26 15:00");
    // Each view labels its own records; outside them "Item" and the 1-based index.
    for (int mode : {0, 1, 2}) {
        c.widget.setDisplayMode(mode);
        const int n = mode == 1 ? points.size() : candles.size();
        EXPECT_EQ(c.impl->categoryLabel(0), mode == 1 ? "06-26 09:31" : "03-26") << mode;
        EXPECT_EQ(c.impl->categoryLabel(n - 1), mode == 1 ? "06-26 15:00" : "06-26") << mode;
        EXPECT_EQ(c.impl->categoryLabel(n), QStringLiteral("Item %1").arg(n + 1)) << mode;
        EXPECT_EQ(c.impl->categoryLabel(-1), "Item 0") << mode;
    }
    c.widget.setDisplayMode(0);

    EXPECT_EQ(c.impl->title(), "Financial Chart");
    EXPECT_EQ(c.widget.displayMode(), 0);
    EXPECT_TRUE(c.impl->tooltipEnabled());
    EXPECT_TRUE(c.impl->zoom().isEnabled());
    EXPECT_DOUBLE_EQ(c.widget.zoomStart(), 0.55);
    EXPECT_DOUBLE_EQ(c.widget.zoomEnd(), 1.0);
    const ChartCategoryFrame f = c.frame();
    EXPECT_EQ(f.first, 33);
    EXPECT_EQ(f.last, 61);
    EXPECT_EQ(f.plot, QRectF(66, 48, 800 - 28 - 66, 500 - 48 - 82 - 44));
    EXPECT_EQ(c.widget.minimumSize(), QSize(480, 300));
    EXPECT_EQ(c.widget.getTypeName(), "qtfinancialchart");
}

TEST(FinancialChart, ParsingRules)
{
    const QVector<Candle> daily = CVNQFinancialChartImpl::parseDailyText(
        "\n  2026-04-01,10,11,12,9,500  \n2026-04-02,1,2,3\n\n2026-04-03,x,,inf,nan,7\n");
    ASSERT_EQ(daily.size(), 2); // the short line is skipped
    EXPECT_EQ(daily.at(0).label, "04-01");
    EXPECT_DOUBLE_EQ(daily.at(0).close, 11);
    EXPECT_DOUBLE_EQ(daily.at(0).high, 12);
    EXPECT_DOUBLE_EQ(daily.at(0).low, 9);
    // Text that is not a number, an empty field, "inf" and "nan" all read 0.
    EXPECT_EQ(std::make_tuple(daily.at(1).open, daily.at(1).close, daily.at(1).high, daily.at(1).low),
              std::make_tuple(0.0, 0.0, 0.0, 0.0));
    EXPECT_DOUBLE_EQ(daily.at(1).volume, 7);

    const QVector<IntradayPoint> points = CVNQFinancialChartImpl::parseIntradayText(
        "2026-06-26 09:31,10,100\n2026-06-26 09:36,oops,200\nshort,1\n2026-06-26 09:41,20,300");
    ASSERT_EQ(points.size(), 3);
    EXPECT_EQ(points.at(0).label, "06-26 09:31");
    // The price that is not a number is 0 and enters the running average.
    EXPECT_DOUBLE_EQ(points.at(1).price, 0);
    EXPECT_DOUBLE_EQ(points.at(1).average, 5);
    EXPECT_DOUBLE_EQ(points.at(2).average, 10);
    EXPECT_TRUE(CVNQFinancialChartImpl::parseDailyText("").isEmpty());
}

TEST(FinancialChart, MovingAverages)
{
    Financial c;
    c.widget.setZoomEnabled(false);
    c.widget.setCandles(rising(30));
    double average = 0;
    EXPECT_FALSE(c.impl->movingAverage(5, 3, average));
    ASSERT_TRUE(c.impl->movingAverage(5, 4, average));
    EXPECT_DOUBLE_EQ(average, 3.0);
    EXPECT_FALSE(c.impl->movingAverage(20, 18, average));
    ASSERT_TRUE(c.impl->movingAverage(20, 19, average));
    EXPECT_DOUBLE_EQ(average, 10.5);
    EXPECT_FALSE(c.impl->movingAverage(0, 10, average));
    EXPECT_FALSE(c.impl->movingAverage(5, 30, average));

    // At index 5 only the period-5 average is defined.
    EXPECT_EQ(c.impl->tooltipText(5), "d6\nOpen: 5.5\nHigh: 7\nLow: 5\nClose: 6\nVolume: 1000\nMA5: 4");
    EXPECT_TRUE(c.impl->tooltipText(29).endsWith("\nMA5: 28\nMA10: 25.5\nMA20: 20.5\nMA30: 15.5"));
    c.widget.setShowMovingAverages(false);
    EXPECT_TRUE(c.impl->tooltipText(29).endsWith("Volume: 1000"));
    c.widget.setShowMovingAverages(true);
    c.widget.setDisplayMode(2);
    EXPECT_TRUE(c.impl->tooltipText(29).endsWith("Volume: 1000"));

    // The one-pass averages that ranges and lines use agree with the direct
    // ones, also around a close that is not a number, and past the last
    // candle there are none.
    QVector<Candle> noisy = rising(40);
    for (int i = 0; i < noisy.size(); ++i)
        noisy[i].close = 2900 + 37 * std::sin(i * 1.7) + (i % 7) * 3.25;
    noisy[17].close = std::numeric_limits<double>::quiet_NaN();
    c.widget.setCandles(noisy);
    for (int period : {1, 5, 10, 20, 30, 0}) {
        const QVector<double> line = c.impl->movingAverages(period, 3, 42);
        ASSERT_EQ(line.size(), 40);
        for (int i = 3; i <= 42; ++i) {
            double direct = 0;
            const bool defined = c.impl->movingAverage(period, i, direct);
            EXPECT_EQ(defined, !qIsNaN(line.at(i - 3))) << period << " at " << i;
            if (defined) {
                EXPECT_NEAR(line.at(i - 3), direct, 1e-9) << period << " at " << i;
            }
        }
    }
    // A huge close (which a plain running sum could not take back exactly)
    // has no say in the averages once it has left the window, whether it
    // lies just before the first one asked for or among them.
    for (int from : {30, 20})
        for (int period : {1, 5, 10}) {
            QVector<Candle> spiked = noisy;
            spiked[30 - period].close = 1e20;
            c.widget.setCandles(spiked);
            const QVector<double> line = c.impl->movingAverages(period, from, 39);
            for (int i = qMax(from, 18 + period); i <= 39; ++i) {
                double direct = 0;
                ASSERT_TRUE(c.impl->movingAverage(period, i, direct)) << period << " at " << i;
                EXPECT_NEAR(line.at(i - from), direct, 1e-9 * qMax(1.0, qAbs(direct))) << period << " at " << i;
            }
        }
    c.widget.setCandles(noisy);
    EXPECT_FALSE(c.impl->movingAverage(5, 20, average)); // the window holds the gap
    EXPECT_TRUE(c.impl->movingAverage(5, 22, average));
    c.widget.setCandles(rising(30));

    // Colours: the own list, else the palette, else the fallback blue.
    c.impl->setMovingAveragePeriods({5, 10}, {});
    EXPECT_EQ(c.impl->maColor(1), QColor(145, 204, 117));
    ChartTheme bare;
    c.widget.setTheme(bare);
    EXPECT_EQ(c.impl->maColor(1), QColor(84, 112, 198));
    c.impl->setMovingAveragePeriods({5, 10, 20}, {Qt::red, Qt::green});
    EXPECT_EQ(c.impl->maColor(2), QColor(Qt::red));
}

TEST(FinancialChart, ZoomNormalisationAndVisibleRange)
{
    Financial c;
    c.widget.setZoomRange(0.7, 0.3);
    EXPECT_DOUBLE_EQ(c.widget.zoomStart(), 0.3);
    EXPECT_DOUBLE_EQ(c.widget.zoomEnd(), 0.7);
    ChartCategoryFrame f = c.frame();
    EXPECT_EQ(f.first, 18); // floor(0.3 x 61)
    EXPECT_EQ(f.last, 43);  // ceil(0.7 x 61)

    c.widget.setZoomRange(0.5, 0.505);
    EXPECT_DOUBLE_EQ(c.widget.zoomStart(), 0.5);
    EXPECT_DOUBLE_EQ(c.widget.zoomEnd(), 0.52);
    c.widget.setZoomRange(0.995, 1.0);
    EXPECT_DOUBLE_EQ(c.widget.zoomStart(), 0.98);
    f = c.frame();
    EXPECT_EQ(f.first, 59);
    EXPECT_EQ(f.last, 61);
    c.widget.setZoomRange(-3, 7);
    EXPECT_EQ(std::make_pair(c.widget.zoomStart(), c.widget.zoomEnd()), std::make_pair(0.0, 1.0));

    // Switching the slider off shows everything on a plot 44 px taller.
    c.widget.setZoomRange(0.55, 1.0);
    const double height = c.frame().plot.height();
    c.widget.setZoomEnabled(false);
    f = c.frame();
    EXPECT_EQ(f.first, 0);
    EXPECT_EQ(f.last, 61);
    EXPECT_DOUBLE_EQ(f.plot.height(), height + 44);
    EXPECT_TRUE(c.track().isEmpty());

    // The intraday view zooms the same fractions over its own records.
    c.widget.setZoomEnabled(true);
    c.widget.setZoomRange(0.5, 1.0);
    c.widget.setDisplayMode(1);
    f = c.frame();
    EXPECT_EQ(f.count, 49);
    EXPECT_EQ(f.first, 24);
    EXPECT_EQ(f.last, 48);
}

TEST(FinancialChart, SliderDragsThroughTheMouse)
{
    Financial c;
    c.widget.setZoomRange(0.4, 0.8);
    const QRectF track = c.track();
    ASSERT_FALSE(track.isEmpty());
    EXPECT_EQ(track, QRectF(66, c.frame().plot.bottom() + 42, 800 - 28 - 66, 18));
    const double y = track.center().y();
    auto xAt = [&](double fraction) { return track.left() + track.width() * fraction; };

    // The hover goes when the slider takes a press.
    c.move(c.frame().plot.center());
    ASSERT_TRUE(c.impl->hoverActive());
    EXPECT_TRUE(c.press(QPointF(xAt(0.4), y)));
    EXPECT_FALSE(c.impl->hoverActive());
    EXPECT_TRUE(c.move(QPointF(xAt(0.2), y), Qt::LeftButton));
    EXPECT_NEAR(c.widget.zoomStart(), 0.2, 0.002);
    EXPECT_EQ(c.frame().first, int(std::floor(c.widget.zoomStart() * 61)));
    // Onto the right handle: stops the smallest span short of it.
    c.move(QPointF(xAt(0.95), y), Qt::LeftButton);
    EXPECT_NEAR(c.widget.zoomStart(), 0.78, 1e-9);
    c.release(QPointF(xAt(0.95), y));
    EXPECT_FALSE(c.impl->zoom().isDragging());

    // Panning the window past the right end keeps its width and pins the end at 1.
    c.widget.setZoomRange(0.4, 0.6);
    ASSERT_TRUE(c.press(QPointF(xAt(0.5), y)));
    c.move(QPointF(xAt(0.5) + track.width(), y), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(c.widget.zoomEnd(), 1.0);
    EXPECT_NEAR(c.widget.zoomStart(), 0.8, 1e-9);
    c.release(QPointF(0, 0));

    // A press beside the window, or with the slider off, is not taken.
    EXPECT_FALSE(c.press(QPointF(xAt(0.1), y)));
    c.widget.setZoomEnabled(false);
    EXPECT_FALSE(c.press(QPointF(xAt(0.5), c.frame().plot.bottom() + 50)));
}

TEST(FinancialChart, PriceRangeAndPositions)
{
    Financial c;
    c.widget.setCandles({});
    ChartCategoryFrame f = c.frame();
    EXPECT_EQ(f.count, 0);
    EXPECT_LT(f.last, f.first);
    EXPECT_EQ(std::make_pair(f.lo, f.hi), std::make_pair(0.0, 1.0));
    EXPECT_DOUBLE_EQ(CVNQFinancialChartImpl::slotWidth(f), f.plot.width());
    {
        ChartPaintProbe probe(c.widget.size());
        QPainter p(&probe);
        c.impl->draw(&p, c.widget.rect());
        p.end();
        EXPECT_EQ(probe.badCoordinates(), 0);
        EXPECT_TRUE(probe.texts().contains("No financial data"));
        for (const char* label : {"1", "0.75", "0.5", "0.25", "0", "Financial Chart"})
            EXPECT_TRUE(probe.texts().contains(QString::fromLatin1(label))) << label;
        // No x label and no slider labels.
        for (const QString& text : probe.texts())
            EXPECT_FALSE(text.startsWith("Item")) << text.toStdString();
    }

    // A single candle sits on the plot's left edge.
    c.widget.setCandles({candle("one", 5, 5, 5, 5)});
    f = c.frame();
    EXPECT_EQ(std::make_pair(f.first, f.last), std::make_pair(0, 0));
    EXPECT_EQ(std::make_pair(f.lo, f.hi), std::make_pair(4.0, 6.0));
    EXPECT_DOUBLE_EQ(c.impl->pointPos(f, 0, 5).x(), f.plot.left());
    EXPECT_DOUBLE_EQ(c.impl->pointPos(f, 0, 5).y(), f.plot.center().y());
    EXPECT_DOUBLE_EQ(CVNQFinancialChartImpl::bodyWidth(f), 18.0);

    // 8 % padding either side; the last visible record on the right edge.
    c.widget.setCandles({candle("a", 10, 20, 10, 15), candle("b", 15, 60, 12, 50)});
    f = c.frame();
    EXPECT_DOUBLE_EQ(f.lo, 10 - 4);
    EXPECT_DOUBLE_EQ(f.hi, 60 + 4);
    EXPECT_DOUBLE_EQ(c.impl->pointPos(f, 1, f.hi).x(), f.plot.right());
    EXPECT_DOUBLE_EQ(c.impl->pointPos(f, 1, f.hi).y(), f.plot.top());

    // The intraday view ranges over prices and averages.
    IntradayPoint p1{"p1", 100, 100, 1};
    IntradayPoint p2{"p2", 50, 75, 1};
    c.widget.setIntradayPoints({p1, p2});
    c.widget.setDisplayMode(1);
    f = c.frame();
    EXPECT_DOUBLE_EQ(f.lo, 50 - 4);
    EXPECT_DOUBLE_EQ(f.hi, 100 + 4);

    // X labels every ceil(n / 4) records from the first; the last gets none
    // of its own.
    c.widget.setDisplayMode(0);
    c.widget.setZoomEnabled(false);
    for (const auto& [n, shown] :
         {std::make_pair(9, QStringList{"d1", "d4", "d7"}), std::make_pair(5, QStringList{"d1", "d3", "d5"})}) {
        c.widget.setCandles(rising(n));
        ChartPaintProbe probe(c.widget.size());
        c.probe(probe);
        QStringList labels;
        for (const QString& text : probe.texts())
            if (text.startsWith('d'))
                labels << text;
        EXPECT_EQ(labels, shown) << n;
    }
}

TEST(FinancialChart, HoverAndTooltips)
{
    Financial c;
    ChartCategoryFrame f = c.frame();
    const auto xOf = [&](int index) { return c.impl->pointPos(f, index, f.lo).x(); };
    c.move(QPointF(xOf(40) + 2, f.plot.center().y()));
    EXPECT_TRUE(c.impl->hoverActive());
    EXPECT_EQ(c.impl->hoverIndex(), 40);
    const Candle& k = c.widget.candles().at(40);
    const QString expected = QStringLiteral("%1\nOpen: %2\nHigh: %3\nLow: %4\nClose: %5\nVolume: %6")
                                 .arg(k.label, cvnChartNumber(k.open), cvnChartNumber(k.high), cvnChartNumber(k.low),
                                      cvnChartNumber(k.close), cvnChartNumber(k.volume));
    EXPECT_TRUE(c.widget.tooltipText().startsWith(expected + "\nMA5: "));
    EXPECT_EQ(c.widget.tooltipText().count("\nMA"), 4);
    EXPECT_FALSE(c.widget.tooltipText().contains("e+")); // whole volumes, no exponent

    // Up to 8 px outside the plot still hovers the nearest edge record.
    c.move(QPointF(f.plot.left() - 7, f.plot.top() - 7));
    EXPECT_EQ(c.impl->hoverIndex(), 33);
    c.move(QPointF(f.plot.right() + 8, f.plot.center().y()));
    EXPECT_EQ(c.impl->hoverIndex(), 61);
    c.move(QPointF(f.plot.right() + 10, f.plot.center().y()));
    EXPECT_FALSE(c.impl->hoverActive());
    EXPECT_TRUE(c.widget.tooltipText().isEmpty());

    // The intraday view: its own texts.
    c.widget.setZoomEnabled(false);
    c.widget.setDisplayMode(1);
    f = c.frame();
    c.move(QPointF(f.plot.left(), f.plot.center().y()));
    EXPECT_EQ(c.widget.tooltipText(), "06-26 09:31\nPrice: 2960.99\nAverage: 2960.99\nVolume: 1415748");

    // Tooltips off: no hover at all; leaving clears it.
    c.widget.setTooltipEnabled(false);
    c.move(f.plot.center());
    EXPECT_FALSE(c.impl->hoverActive());
    c.widget.setTooltipEnabled(true);
    c.move(f.plot.center());
    ASSERT_TRUE(c.impl->hoverActive());
    c.leave();
    EXPECT_FALSE(c.impl->hoverActive());
    EXPECT_EQ(c.impl->hoverIndex(), -1);
}

TEST(FinancialChart, TooltipAndSliderLabelsKeepNormalWeightAfterTheBoldTitle)
{
    Financial c;
    const ChartCategoryFrame f = c.frame();
    c.move(QPointF(c.impl->pointPos(f, 40, f.lo).x(), f.plot.center().y()));
    ChartPaintProbe probe(c.widget.size());
    c.probe(probe);
    EXPECT_TRUE(probe.find("Financial Chart").font.bold());
    const ProbedText tipLine = probe.find(c.widget.candles().at(40).label);
    ASSERT_FALSE(tipLine.text.isEmpty());
    EXPECT_FALSE(tipLine.font.bold());
    EXPECT_EQ(tipLine.font.pixelSize(), 12);
    EXPECT_FALSE(probe.find("06-26").font.bold()); // the slider's last label
}

TEST(FinancialChart, CandlesInPixelsAndTheIntroAnimation)
{
    Financial c(QSize(600, 400));
    c.widget.setZoomEnabled(false);
    c.impl->setMovingAveragePeriods({}, {});
    // up, flat (close = open: up colour, 1-px body), down.
    c.widget.setCandles(
        {candle("up", 10, 30, 5, 25, 1000), candle("flat", 20, 28, 12, 20, 2000), candle("down", 25, 32, 8, 12, 4000)});
    const ChartCategoryFrame f = c.frame();
    const QImage image = c.render();
    const QColor up = c.impl->upColor();
    const QColor down = c.impl->downColor();
    auto bodyCentre = [&](int i, double open, double close) {
        const QPointF o = c.impl->pointPos(f, i, open);
        return QPointF(o.x(), (o.y() + c.impl->pointPos(f, i, close).y()) / 2).toPoint();
    };
    EXPECT_EQ(image.pixelColor(bodyCentre(0, 10, 25) + QPoint(6, 0)), up);
    EXPECT_EQ(image.pixelColor(bodyCentre(2, 25, 12) - QPoint(6, 0)), down);
    // The flat candle: up colour on its 1-px body, only the thin wick above it.
    const QPoint flat = c.impl->pointPos(f, 1, 20).toPoint();
    EXPECT_TRUE(TestUtil::hasColor(image.copy(QRect(flat + QPoint(3, -1), QSize(1, 3))), up, 40));
    EXPECT_FALSE(TestUtil::hasColor(image.copy(QRect(flat + QPoint(3, -6), QSize(1, 3))), up, 60));

    // At the start of the intro animation only the first candle is drawn,
    // while the moving-average line is complete.
    c.impl->setMovingAveragePeriods({2}, {QColor(255, 0, 255)});
    c.widget.setAnimationEnabled(true);
    c.widget.replayAnimation();
    ASSERT_EQ(c.widget.animationProgress(), 0.0);
    const QImage start = c.render();
    EXPECT_TRUE(TestUtil::hasColor(start, up, 0));
    EXPECT_FALSE(TestUtil::hasColor(start, down, 0));
    const QPointF maEnd = c.impl->pointPos(f, 2, (20 + 12) / 2.0) - QPointF(2, 0);
    EXPECT_TRUE(TestUtil::hasColor(start.copy(QRectF(maEnd - QPointF(2, 3), QSizeF(4, 6)).toAlignedRect()),
                                   QColor(255, 0, 255), 40));

    // Volume bars are translucent up and down colours standing on the plot bottom.
    c.widget.setAnimationEnabled(false);
    c.widget.setDisplayMode(2);
    const QImage volume = c.render();
    QColor faded = down;
    faded.setAlpha(190);
    const double slot = f.plot.width() / 3;
    const QPoint barFoot(int(f.plot.left() + 2.5 * slot), int(f.plot.bottom() - 4));
    const QColor seen = volume.pixelColor(barFoot);
    EXPECT_NEAR(seen.green(), (down.green() * 190 + 255 * 65) / 255, 3);
    EXPECT_NEAR(seen.red(), (down.red() * 190 + 255 * 65) / 255, 3);
    // Each bar's height is its share of the tallest volume shown, whichever candle that is.
    const double volumes[] = {1000, 2000, 4000};
    for (int i = 0; i < 3; ++i) {
        const int x = int(f.plot.left() + (i + 0.5) * slot);
        const QImage bar = volume.copy(x, 0, 1, int(f.plot.bottom()) - 1);
        const QRect drawn = TestUtil::colourBox(bar, bar.pixelColor(0, bar.height() - 2), 40);
        const int top = drawn.top();
        EXPECT_NEAR(top, f.plot.bottom() - f.plot.height() * volumes[i] / 4000, 2) << i;
    }
}

TEST(FinancialChart, BrokenDataNeverReachesThePainter)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QVector<QVector<Candle>> cases = {
        {},
        {candle("one", 1, 1, 1, 1)},
        {candle("nan", nan, inf, -inf, nan, nan), candle("ok", 1, 2, 0, 1)},
        {candle("huge", 1e308, 1e308, -1e308, -1e308, 1e308), candle("neg", -5, -1, -9, -2, -100)},
    };
    const QVector<QVector<IntradayPoint>> intraday = {
        {},
        {{"one", 3, 3, 3}},
        {{"nan", nan, nan, inf}, {"huge", 1e308, -1e308, -1}},
    };
    for (const QSize& size : {QSize(800, 500), QSize(10, 10), QSize(0, 0)}) {
        for (int mode = 0; mode < 3; ++mode) {
            for (int i = 0; i < cases.size(); ++i) {
                Financial c(size);
                c.widget.setDisplayMode(mode);
                c.widget.setZoomEnabled(i % 2 == 0);
                c.widget.setCandles(cases.at(i));
                c.widget.setIntradayPoints(intraday.at(i % intraday.size()));
                c.move(QPointF(size.width() / 2.0, size.height() / 2.0));
                const ChartCategoryFrame f = c.frame();
                EXPECT_TRUE(qIsFinite(f.lo) && qIsFinite(f.hi) && f.span > 0);
                ChartPaintProbe probe(size);
                QPainter p(&probe);
                c.impl->draw(&p, c.widget.rect());
                p.end();
                EXPECT_EQ(probe.badCoordinates(), 0) << "mode " << mode << ", case " << i;
            }
        }
    }
}
