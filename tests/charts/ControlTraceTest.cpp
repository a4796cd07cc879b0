// Each chart of this folder used as a user would, against its record: the
// gallery's content, legends on every side, the zoom slider, tooltip modes,
// the financial views with and without averages, charts of more values than
// pixel columns, and the monitor traces.

#include "CVNQBarChart.h"
#include "CVNQChartRegistration.h"
#include "CVNQECGChart.h"
#include "CVNQFinancialChart.h"
#include "CVNQICDChart.h"
#include "CVNQLineChart.h"
#include "CVNQLineChartImpl.h"
#include "CVNQOpenGLPieChart.h"
#include "CVNQScatterChart.h"
#include "ControlTrace.h"
#include "TestUtil.h"

#include <QtMath>
#include <functional>
#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

template <class Chart>
Chart* chart(int theme, int legend, const char* title)
{
    auto* c = new Chart;
    c->setAnimationEnabled(false);
    c->setTheme(theme);
    c->setLegendPosition(legend);
    c->setTitle(QString::fromLatin1(title));
    return c;
}

QVector<double> wave(int n, double base, double amp, double phase)
{
    QVector<double> v;
    for (int i = 0; i < n; ++i)
        v.append(base + amp * std::sin(i * 0.7 + phase));
    return v;
}

// count series: a right legend of six reaches the round's press beside the plot.
CVNQLineChart* lineChart(int theme, int legend, int tooltips, bool zoom, int count)
{
    auto* c = chart<CVNQLineChart>(theme, legend, "Energy");
    c->setCategories({"00:00", "03:00", "06:00", "09:00", "12:00", "15:00", "18:00", "21:00", "24:00", "27:00"});
    QVector<ChartSeries> series(count);
    const char* names[] = {"Energy output", "AI forecast", "Hidden one"};
    for (int i = 0; i < count; ++i) {
        series[i].name = i < 3 ? QString::fromLatin1(names[i]) : QStringLiteral("Turbine %1").arg(i);
        series[i].values = wave(10, 40 - 6 * i, 20 - 3 * i, i);
    }
    series[0].smooth = series[0].area = true;
    series[2].visible = false;
    c->setSeries(series);
    c->setTooltipMode(tooltips);
    c->setTooltipEnabled(true);
    static_cast<CVNQLineChartImpl*>(c->getControlImpl())->zoom().setEnabled(zoom);
    return c;
}

CVNQBarChart* barChart(int theme, int legend, int tooltips)
{
    auto* c = chart<CVNQBarChart>(theme, legend, "Grouped bars");
    c->setCategories({"Mon", "Tue", "Wed", "Thu", "Fri"});
    c->setSeries({{QStringLiteral("North"), {120, 200, 150, 80, 70}, QColor(), QColor(), true},
                  {QStringLiteral("South"), {90, -60, 170, 110, 95}, QColor(), QColor(), true},
                  {QStringLiteral("Offshore"), {60, 140, 120, 150, 130}, QColor(), QColor(), false}});
    c->setTooltipMode(tooltips);
    c->setTooltipEnabled(true);
    return c;
}

CVNQFinancialChart* financial(int theme, int mode, bool averages)
{
    auto* c = chart<CVNQFinancialChart>(theme, 2, "Daily");
    c->setDisplayMode(mode);
    c->setShowMovingAverages(averages);
    c->setTooltipEnabled(true);
    return c;
}

CVNQScatterChart* scatter(int theme, int legend)
{
    auto* c = chart<CVNQScatterChart>(theme, legend, "Wind speed and output");
    QVector<ScatterSeries> clouds(3);
    for (int s = 0; s < 3; ++s) {
        clouds[s].name = QStringLiteral("Turbine group %1").arg(s + 1);
        clouds[s].symbolSize = 6 + 2 * s;
        clouds[s].visible = s != 2;
        for (int i = 0; i < 30; ++i) {
            const double wind = 3 + i * 0.4 + std::sin(i * 1.9 + s) * 0.8;
            clouds[s].points.append({wind, 40 * wind - 90 + 35 * std::sin(i * 2.3 + s * 2) + s * 30});
        }
    }
    c->setSeries(clouds);
    return c;
}

// Far more values than the plot has pixel columns, quickly up and down within
// each column (and across zero), so what a column shows depends on which of
// its values are drawn.
QVector<double> dense(int n, double base, double amp)
{
    QVector<double> v;
    for (int i = 0; i < n; ++i)
        v.append(base + amp * std::sin(i * 1.3) * (0.4 + 0.6 * std::abs(std::sin(i * 0.004))));
    return v;
}

QWidget* denseChart(int kind)
{
    if (kind == 2) {
        auto* c = chart<CVNQScatterChart>(0, 2, "Every ten minutes");
        ScatterSeries cloud;
        cloud.name = QStringLiteral("Output");
        cloud.symbolSize = 28; // rings covering the plot many times over
        const QVector<double> y = dense(2500, 50, 40);
        for (int i = 0; i < y.size(); ++i)
            cloud.points.append({i * 0.01, y.at(i)});
        c->setSeries({cloud});
        return c;
    }
    QStringList categories;
    for (int i = 0; i < 3000; ++i)
        categories.append(QString::number(i));
    if (kind == 1) {
        auto* c = chart<CVNQLineChart>(1, 2, "Every ten minutes");
        c->setCategories(categories);
        ChartSeries s;
        s.name = QStringLiteral("Output");
        s.values = dense(3000, 20, 60);
        s.area = true;
        c->setSeries({s});
        return c;
    }
    auto* c = chart<CVNQBarChart>(0, 2, "Every ten minutes");
    c->setCategories(categories);
    c->setSeries({{QStringLiteral("North"), dense(3000, 20, 60), QColor(), QColor(), true},
                  {QStringLiteral("South"), dense(3000, -10, 30), QColor(), QColor(), true}});
    return c;
}

template <class Trace>
Trace* trace(int width, const std::function<double(int)>& y)
{
    auto* t = new Trace;
    for (int x = 0; x < width; x += 4)
        t->addData(x, float(y(x)));
    return t;
}

} // namespace

TEST(ControlTrace, EveryControl)
{
    TestUtil::startToolkit();
    cvnRegisterChartControls(); // the read-back builds charts by type
    const std::vector<std::tuple<const char*, std::function<QWidget*()>, QSize>> controls = {
        {"line-category-legend-bottom", [] { return lineChart(0, 2, 2, false, 3); }, {480, 300}},
        {"line-dark-item-legend-right-zoom", [] { return lineChart(3, 1, 1, true, 6); }, {440, 290}},
        {"pie-labels-legend-left",
         [] {
             auto* c = chart<CVNQOpenGLPieChart>(1, 3, "Share");
             c->setLabelsVisible(true);
             return c;
         },
         {460, 300}},
        {"pie-donut-legend-top",
         [] {
             auto* c = chart<CVNQOpenGLPieChart>(2, 0, "Donut");
             c->setInnerRadiusRatio(0.6);
             return c;
         },
         {420, 320}},
        {"bar-item-legend-bottom", [] { return barChart(0, 2, 1); }, {460, 300}},
        {"bar-category-legend-left", [] { return barChart(3, 3, 2); }, {460, 300}},
        {"financial-candles-averages", [] { return financial(0, 0, true); }, {560, 340}},
        {"financial-volume-no-averages", [] { return financial(1, 2, false); }, {520, 320}},
        {"financial-intraday", [] { return financial(3, 1, false); }, {520, 320}},
        {"scatter-legend-right", [] { return scatter(3, 1); }, {480, 300}},
        {"scatter-legend-top", [] { return scatter(2, 0); }, {440, 320}},
        {"bar-dense", [] { return denseChart(0); }, {460, 300}},
        {"line-dense", [] { return denseChart(1); }, {460, 300}},
        {"scatter-dense", [] { return denseChart(2); }, {460, 300}},
        {"ecg-filled",
         [] {
             auto* t = trace<CVNQECGChart>(300, [](int x) { return 50 + 30 * std::sin(x / 15.0); });
             t->enableFillColor(true, true);
             t->setBelowFillColor(QColor(0, 255, 0, 90), QColor(0, 255, 0, 0));
             t->setAboveFillColor(QColor(0, 0, 255, 60), QColor(0, 0, 255, 0));
             return t;
         },
         {320, 100}},
        {"icd",
         [] {
             auto* t = trace<CVNQICDChart>(300, [](int x) { return 50 + 20 * std::cos(x / 10.0); });
             t->setLineColor(QColor(255, 200, 0), QColor());
             return t;
         },
         {320, 100}},
    };
    for (const auto& c : controls)
        TestUtil::expectTraceMatches(std::get<1>(c)(), QString::fromLatin1(std::get<0>(c)), std::get<2>(c));
}
