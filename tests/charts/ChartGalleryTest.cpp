// Renders the charts on real OpenGL surfaces (Mesa under Xvfb) and checks
// pixels that must be there. With CVN_CHART_GALLERY set to a file path the
// gallery picture is saved there for a look.

#include "CVNQBarChart.h"
#include "CVNQBarChartImpl.h"
#include "CVNQECGChart.h"
#include "CVNQFinancialChart.h"
#include "CVNQICDChart.h"
#include "CVNQLineChart.h"
#include "CVNQOpenGLPieChart.h"
#include "CVNQScatterChart.h"
#include "CVNQScatterChartImpl.h"
#include "TestUtil.h"

#include <QDate>
#include <QGridLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QtMath>
#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

QImage grabWidget(QWidget* w)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint topLeft = w->mapToGlobal(QPoint(0, 0));
    return screen->grabWindow(0, topLeft.x(), topLeft.y(), w->width(), w->height()).toImage();
}

QVector<double> wave(int n, double base, double amp, double phase)
{
    QVector<double> v;
    for (int i = 0; i < n; ++i)
        v.append(base + amp * std::sin(i * 0.7 + phase));
    return v;
}

} // namespace

TEST(ChartGallery, RendersEveryChartOnItsSurface)
{
    QWidget window;
    window.setStyleSheet(QStringLiteral("background: rgb(40, 44, 52);"));
    auto* grid = new QGridLayout(&window);

    auto* line = new CVNQLineChart;
    line->setAnimationEnabled(false);
    line->setTitle(QStringLiteral("Energy"));
    line->setCategories({"00:00", "04:00", "08:00", "12:00", "16:00", "20:00", "24:00", "28:00"});
    ChartSeries a;
    a.name = QStringLiteral("Energy output");
    a.values = wave(8, 40, 20, 0);
    a.smooth = true;
    a.area = true;
    ChartSeries b;
    b.name = QStringLiteral("AI forecast");
    b.values = wave(8, 35, 15, 1);
    line->setSeries({a, b});
    line->setTooltipMode(2);
    line->setTooltipEnabled(true);
    grid->addWidget(line, 0, 0);

    auto* dark = new CVNQLineChart;
    dark->setAnimationEnabled(false);
    dark->setTheme(3);
    dark->setLegendPosition(1);
    dark->setTitle(QStringLiteral("Dark, legend right"));
    ChartSeries c = a;
    c.name = QStringLiteral("Hidden one");
    c.visible = false;
    dark->setSeries({a, b, c});
    grid->addWidget(dark, 0, 1);

    auto* pie = new CVNQOpenGLPieChart;
    pie->setAnimationEnabled(false);
    pie->setTheme(1);
    pie->setLabelsVisible(true);
    pie->setLegendPosition(3);
    grid->addWidget(pie, 0, 2);

    auto* donut = new CVNQOpenGLPieChart;
    donut->setAnimationEnabled(false);
    donut->setTheme(2);
    donut->setInnerRadiusRatio(0.6);
    donut->setLegendPosition(0);
    donut->setTitle(QStringLiteral("Donut"));
    grid->addWidget(donut, 0, 3);

    auto* traces = new QWidget;
    traces->setMinimumSize(420, 200);
    auto* ecg = new CVNQECGChart(traces);
    ecg->setGeometry(0, 0, 420, 100);
    ecg->enableFillColor(true, false);
    ecg->setBelowFillColor(QColor(0, 255, 0, 90), QColor(0, 255, 0, 0));
    for (int x = 0; x < 420; x += 4)
        ecg->addData(x, 50 + 30 * std::sin(x / 15.0));
    auto* icd = new CVNQICDChart(traces);
    icd->setGeometry(0, 100, 420, 100);
    icd->setLineColor(QColor(255, 200, 0), QColor());
    for (int x = 0; x < 420; x += 4)
        icd->addData(x, 50 + 20 * std::cos(x / 10.0));
    grid->addWidget(traces, 0, 4);

    // Long series take the fast painting paths.
    auto* dense = new CVNQLineChart;
    dense->setAnimationEnabled(false);
    dense->setTitle(QStringLiteral("10,000 points"));
    dense->setLegendPosition(3);
    ChartSeries d1;
    d1.name = QStringLiteral("Measured");
    d1.showSymbols = false;
    d1.area = true;
    d1.color = QColor(0, 180, 110);
    ChartSeries d2;
    d2.name = QStringLiteral("Forecast");
    d2.showSymbols = false;
    d2.smooth = true;
    for (int i = 0; i < 10000; ++i) {
        const double t = i / 9999.0;
        d1.values.append(500 + 260 * std::sin(t * 6.3) + 60 * std::sin(t * 23) + 25 * std::sin(i * 1.7));
        d2.values.append(480 + 240 * std::sin(t * 6.3 + 0.3));
    }
    dense->setCategories({});
    dense->setSeries({d1, d2});
    grid->addWidget(dense, 1, 0);

    // Grouped bars with the legend below and one-bar tooltips.
    auto* bars = new CVNQBarChart;
    bars->setAnimationEnabled(false);
    bars->setTitle(QStringLiteral("Grouped bars"));
    bars->setCategories({"Mon", "Tue", "Wed", "Thu", "Fri"});
    bars->setSeries({{QStringLiteral("North"), {120, 200, 150, 80, 70}, QColor(), QColor(), true},
                     {QStringLiteral("South"), {90, 160, 170, 110, 95}, QColor(), QColor(), true},
                     {QStringLiteral("Offshore"), {60, 140, 120, 150, 130}, QColor(), QColor(), false}});
    bars->setTooltipMode(1);
    bars->setTooltipEnabled(true);
    grid->addWidget(bars, 1, 1);

    // Negative bars under a custom theme, legend left, whole-category tooltips.
    ChartTheme custom = CVNQChartBase::presetTheme(0);
    custom.name = QStringLiteral("Custom");
    custom.backgroundColor = QColor(236, 244, 240);
    custom.plotBackgroundColor = QColor(250, 253, 251);
    custom.palette = {QColor(0, 128, 96), QColor(214, 90, 49)};
    custom.barCornerRadius = 2;
    auto* negative = new CVNQBarChart;
    negative->setAnimationEnabled(false);
    negative->setTheme(custom);
    negative->setLegendPosition(3);
    negative->setTitle(QStringLiteral("Balance"));
    negative->setCategories({"Q1", "Q2", "Q3", "Q4"});
    negative->setSeries({{QStringLiteral("Import"), {-10, 30, 12, -4}, QColor(), QColor(), true},
                         {QStringLiteral("Export"), {18, -8, 22, 9}, QColor(), QColor(), true}});
    negative->setTooltipMode(2);
    negative->setTooltipEnabled(true);
    grid->addWidget(negative, 1, 2);

    // Daily candles with moving averages, zoom slider, crosshair and tooltip.
    auto* candles = new CVNQFinancialChart;
    candles->setAnimationEnabled(false);
    grid->addWidget(candles, 2, 0, 1, 2);

    auto* volume = new CVNQFinancialChart;
    volume->setAnimationEnabled(false);
    volume->setTheme(1);
    volume->setDisplayMode(2);
    volume->setTitle(QStringLiteral("Volume"));
    grid->addWidget(volume, 2, 2);

    auto* intraday = new CVNQFinancialChart;
    intraday->setAnimationEnabled(false);
    intraday->setTheme(3);
    intraday->setDisplayMode(1);
    intraday->setZoomEnabled(false);
    intraday->setTitle(QStringLiteral("Intraday"));
    grid->addWidget(intraday, 2, 3);

    // Scatter with a top legend and a hovered point.
    auto* scatter = new CVNQScatterChart;
    scatter->setAnimationEnabled(false);
    scatter->setTheme(2);
    scatter->setLegendPosition(0);
    grid->addWidget(scatter, 1, 3);

    // Scatter under the dark preset with a right legend and a hidden series.
    auto* cloud = new CVNQScatterChart;
    cloud->setAnimationEnabled(false);
    cloud->setTheme(3);
    cloud->setLegendPosition(1);
    cloud->setTitle(QStringLiteral("Wind speed and output"));
    QVector<ScatterSeries> clouds(3);
    for (int s = 0; s < 3; ++s) {
        clouds[s].name = QStringLiteral("Turbine group %1").arg(s + 1);
        clouds[s].symbolSize = 6;
        clouds[s].visible = s != 2;
        for (int i = 0; i < 60; ++i) {
            const double wind = 3 + i * 0.2 + std::sin(i * 1.9 + s) * 0.8;
            clouds[s].points.append({wind, 40 * wind - 90 + 35 * std::sin(i * 2.3 + s * 2) + s * 30});
        }
    }
    cloud->setSeries(clouds);
    grid->addWidget(cloud, 1, 4);

    window.resize(2440, 1200);
    ASSERT_TRUE(TestUtil::showExposed(&window));
    ASSERT_TRUE(TestUtil::waitPainted(&window));

    // Hover the energy chart in axis mode so the crosshair and tooltip show.
    TestUtil::move(line, QPoint(line->width() / 2, line->height() / 2));
    TestUtil::move(pie, QPoint(pie->width() / 2 + 60, 130));
    auto* barsImpl = static_cast<CVNQBarChartImpl*>(bars->getControlImpl());
    TestUtil::move(bars, barsImpl->bars(barsImpl->frame(bars->size())).at(2).rect.center().toPoint());
    TestUtil::move(negative, QPoint(negative->width() * 3 / 4, negative->height() / 2));
    TestUtil::move(candles, QPoint(candles->width() * 2 / 3, candles->height() / 2));
    TestUtil::move(volume, QPoint(volume->width() - 40, volume->height() / 3));
    auto* scatterImpl = static_cast<CVNQScatterChartImpl*>(scatter->getControlImpl());
    TestUtil::move(scatter, scatterImpl->screenPos(scatterImpl->frame(scatter->size()), QPointF(25, 40)).toPoint());
    ASSERT_TRUE(TestUtil::waitPainted(&window));

    const QImage lineImage = grabWidget(line);
    EXPECT_EQ(lineImage.pixelColor(3, 3), QColor(255, 255, 255));
    EXPECT_TRUE(TestUtil::hasColor(lineImage, QColor(84, 112, 198), 4));  // first palette colour
    EXPECT_TRUE(TestUtil::hasColor(lineImage, QColor(145, 204, 117), 4)); // second palette colour
    EXPECT_FALSE(line->tooltipText().isEmpty());

    const QImage darkImage = grabWidget(dark);
    EXPECT_EQ(darkImage.pixelColor(3, 3), QColor(16, 20, 28));
    EXPECT_TRUE(TestUtil::hasColor(darkImage, QColor(73, 220, 187), 4));

    const QImage pieImage = grabWidget(pie);
    EXPECT_EQ(pieImage.pixelColor(3, 3), QColor(248, 245, 250));
    EXPECT_TRUE(TestUtil::hasColor(pieImage, QColor(45, 183, 245), 4));

    const QImage donutImage = grabWidget(donut);
    // The hole shows the plot background at the donut's centre.
    const QPoint centre(donut->width() / 2, 132 + qMin(420, qMin(donut->height() - 170, donut->width() - 96)) / 2);
    EXPECT_EQ(donutImage.pixelColor(centre), QColor(255, 255, 255));
    EXPECT_TRUE(TestUtil::hasColor(donutImage, QColor(193, 35, 43), 4));

    const QImage denseImage = grabWidget(dense);
    EXPECT_TRUE(TestUtil::hasColor(denseImage, QColor(0, 180, 110), 4));

    const QImage traceImage = grabWidget(traces);
    EXPECT_TRUE(TestUtil::hasColor(traceImage, QColor(0, 255, 0), 40));
    EXPECT_TRUE(TestUtil::hasColor(traceImage, QColor(255, 200, 0), 40));

    const QImage barsImage = grabWidget(bars);
    EXPECT_EQ(barsImage.pixelColor(3, 3), QColor(255, 255, 255));
    EXPECT_TRUE(TestUtil::hasColor(barsImage, QColor(84, 112, 198), 2));
    EXPECT_TRUE(TestUtil::hasColor(barsImage, QColor(84, 112, 198).lighter(115), 2)); // the hovered bar
    EXPECT_EQ(bars->tooltipText(), "North\nTue: 200");

    const QImage negativeImage = grabWidget(negative);
    EXPECT_EQ(negativeImage.pixelColor(3, 3), QColor(236, 244, 240));
    EXPECT_TRUE(TestUtil::hasColor(negativeImage, QColor(214, 90, 49), 2));
    EXPECT_EQ(negative->tooltipText().count('\n'), 2); // category and both series

    const QImage candleImage = grabWidget(candles);
    EXPECT_TRUE(TestUtil::hasColor(candleImage, QColor(230, 76, 69), 2));  // up candles
    EXPECT_TRUE(TestUtil::hasColor(candleImage, QColor(34, 178, 115), 2)); // down candles
    EXPECT_TRUE(TestUtil::hasColor(candleImage, QColor(37, 99, 235), 2));  // slider handles
    EXPECT_TRUE(candles->tooltipText().contains("\nMA5: "));

    const QImage intradayImage = grabWidget(intraday);
    EXPECT_EQ(intradayImage.pixelColor(3, 3), QColor(16, 20, 28));
    EXPECT_TRUE(TestUtil::hasColor(intradayImage, QColor(35, 128, 224), 4));

    const QImage scatterImage = grabWidget(scatter);
    EXPECT_EQ(scatterImage.pixelColor(3, 3), QColor(255, 251, 245));
    EXPECT_TRUE(TestUtil::hasColor(scatterImage, QColor(193, 35, 43), 2));

    const QImage cloudImage = grabWidget(cloud);
    EXPECT_EQ(cloudImage.pixelColor(3, 3), QColor(16, 20, 28));
    EXPECT_TRUE(TestUtil::hasColor(cloudImage, QColor(114, 159, 255), 4));
    EXPECT_EQ(scatter->tooltipText(), "Series A\nx: 25\ny: 40");

    TestUtil::expectMatchesReference(grabWidget(&window), "gallery");
    const QByteArray out = qgetenv("CVN_CHART_GALLERY");
    if (!out.isEmpty())
        grabWidget(&window).save(QString::fromLocal8Bit(out));
}

// The two charts of the wind-farm dashboard as it sets them up: the energy
// chart (top legend, no title, axis tooltips, two smoothed series without
// symbols, the first with an area) and the health donut (no title, no
// labels, no hover, a thick ring of two slices), in the dashboard's theme.
TEST(ChartGallery, DashboardCharts)
{
    ChartTheme wind;
    wind.name = QStringLiteral("Gustrel");
    wind.backgroundColor = QColor(16, 36, 38);
    wind.plotBackgroundColor = QColor(16, 36, 38);
    wind.textColor = QColor(242, 248, 246);
    wind.axisColor = QColor(46, 76, 78);
    wind.secondaryTextColor = QColor(125, 151, 148);
    wind.gridColor = QColor(30, 59, 61);
    wind.crosshairColor = QColor(0, 239, 134, 190);
    wind.palette = {QColor(0, 239, 134), QColor(70, 191, 188), QColor(255, 189, 74), QColor(164, 109, 210)};
    wind.lineWidth = 2.2;
    wind.symbolRadius = 3.2;
    wind.hoverSymbolRadius = 5.0;
    wind.barCornerRadius = 4.0;

    QWidget window;
    window.setStyleSheet(QStringLiteral("background: rgb(16, 36, 38);"));
    auto* grid = new QGridLayout(&window);

    QStringList days;
    ChartSeries energy;
    energy.name = QStringLiteral("Energy output");
    energy.color = energy.fillColor = QColor(0, 239, 134);
    energy.showSymbols = false;
    energy.smooth = energy.area = true;
    ChartSeries forecast;
    forecast.name = QStringLiteral("AI forecast");
    forecast.color = forecast.fillColor = QColor(71, 191, 188);
    forecast.showSymbols = false;
    forecast.smooth = true;
    forecast.lineWidth = 1.7;
    for (int k = 0; k < 30; ++k) {
        days << QDate(2026, 6, 1).addDays(k).toString(QStringLiteral("MM/dd"));
        energy.values << qRound((121 + 18 * std::sin(0.71 * k) + 9 * std::sin(0.23 * k + 1.4)) * 10) / 10.0;
        forecast.values << qRound((124 + 17 * std::sin(0.69 * k + 0.35) + 7 * std::sin(0.19 * k)) * 10) / 10.0;
    }
    QVector<CVNQLineChart*> energyCharts;
    for (const QSize size : {QSize(900, 330), QSize(620, 230)}) {
        auto* chart = new CVNQLineChart;
        chart->setMinimumSize(0, 0);
        chart->setFixedSize(size);
        chart->setTheme(wind);
        chart->setTitle(QString());
        chart->setLegendPosition(0);
        chart->setTooltipMode(2);
        chart->setTooltipEnabled(true);
        chart->setAnimationEnabled(false);
        chart->setCategories(days);
        chart->setSeries({energy, forecast});
        grid->addWidget(chart, energyCharts.size(), 0);
        energyCharts << chart;
    }

    QVector<CVNQOpenGLPieChart*> donuts;
    for (const QSize size : {QSize(360, 360), QSize(360, 270)}) {
        auto* donut = new CVNQOpenGLPieChart;
        donut->setMinimumSize(0, 0);
        donut->setFixedSize(size);
        donut->setTheme(wind);
        donut->setTitle(QString());
        donut->setInnerRadiusRatio(0.72);
        donut->setLabelsVisible(false);
        donut->setHoverEnabled(false);
        donut->setAnimationEnabled(false);
        donut->setSlices({{QStringLiteral("Health"), 88.4, QColor(0, 239, 134), true},
                          {QStringLiteral("Remaining"), 11.6, QColor(35, 61, 63), true}});
        grid->addWidget(donut, donuts.size(), 1);
        donuts << donut;
    }

    ASSERT_TRUE(TestUtil::showExposed(&window));
    TestUtil::move(energyCharts.first(),
                   QPoint(energyCharts.first()->width() * 2 / 3, energyCharts.first()->height() / 2));
    ASSERT_TRUE(TestUtil::waitPainted(&window));

    for (CVNQLineChart* chart : energyCharts) {
        const QImage image = grabWidget(chart);
        EXPECT_EQ(image.pixelColor(3, 3), QColor(16, 36, 38));
        EXPECT_TRUE(TestUtil::hasColor(image, QColor(0, 239, 134), 4));
        EXPECT_TRUE(TestUtil::hasColor(image, QColor(71, 191, 188), 4));
    }
    EXPECT_TRUE(energyCharts.first()->tooltipText().contains("Energy output: "));
    for (CVNQOpenGLPieChart* donut : donuts) {
        const QImage image = grabWidget(donut);
        EXPECT_TRUE(TestUtil::hasColor(image, QColor(0, 239, 134), 2));
        EXPECT_TRUE(TestUtil::hasColor(image, QColor(35, 61, 63), 2));
    }

    TestUtil::expectMatchesReference(grabWidget(&window), "dashboard");
    const QByteArray out = qgetenv("CVN_CHART_GALLERY");
    if (!out.isEmpty())
        grabWidget(&window).save(QString::fromLocal8Bit(out).replace(".png", "-dashboard.png"));
}
