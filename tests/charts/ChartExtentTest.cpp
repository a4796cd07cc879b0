// No width or size in a chart's data or theme makes a picture cost more
// than the picture holds: every one far beyond the picture (or beyond an
// int) paints as the largest the picture shows, and NaN or negative ones as
// the smallest; the ECG and ICD traces take any pen width and point.

#include "CVNQBarChart.h"
#include "CVNQBarChartImpl.h"
#include "CVNQECGChart.h"
#include "CVNQFinancialChart.h"
#include "CVNQFinancialChartImpl.h"
#include "CVNQICDChart.h"
#include "CVNQLineChart.h"
#include "CVNQLineChartImpl.h"
#include "CVNQOpenGLPieChart.h"
#include "CVNQOpenGLPieChartImpl.h"
#include "CVNQScatterChart.h"
#include "CVNQScatterChartImpl.h"
#include "ChartFixture.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>

using namespace CVNQtLib;

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

int asInt(double v)
{
    return qIsNaN(v) ? 0 : int(qBound(double(INT_MIN), v, double(INT_MAX)));
}

// A chart at 480 x 300 with one number set, hovered at its plot centre.
template <class Widget, class Impl>
QImage paintWith(const std::function<void(Widget&, ChartTheme&)>& set)
{
    ChartFixture<Widget, Impl> c(QSize(480, 300));
    ChartTheme theme = CVNQChartBase::presetTheme(0);
    c.impl->setTooltipEnabled(true);
    c.impl->setTooltipMode(ChartTooltipCategory);
    set(c.widget, theme);
    c.widget.setTheme(theme);
    c.move(QPointF(240, 130));
    return c.render();
}

QVector<double> wave(int n)
{
    QVector<double> v;
    for (int i = 0; i < n; ++i)
        v << 50 + 40 * std::sin(i * 0.37);
    return v;
}

template <class Chart>
QImage traced(double weight, const QVector<QPointF>& points, const std::function<void(Chart&)>& more = {})
{
    Chart chart;
    if (more)
        more(chart);
    chart.resize(480, 300);
    chart.setLineWeight(float(weight));
    for (const QPointF& p : points)
        chart.addData(float(p.x()), float(p.y()));
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    chart.getControlImpl()->draw(&p, chart.rect());
    return image;
}

} // namespace

TEST(ChartExtent, WidthsAndSizesAreBoundedByThePicture)
{
    using Line = CVNQLineChart;
    using LineImpl = CVNQLineChartImpl;
    const auto line = [](int points, double width, double symbols) {
        return [=](Line& w, ChartTheme&) {
            ChartSeries s;
            s.values = wave(points);
            s.lineWidth = width;
            s.showSymbols = symbols > 0;
            s.area = true;
            w.setSeries({s});
        };
    };
    using Paint = std::function<QImage(double)>;
    const QVector<QPair<const char*, Paint>> knobs = {
        {"dense series line", [&](double v) { return paintWith<Line, LineImpl>(line(2000, v, 0)); }},
        {"sparse series line", [&](double v) { return paintWith<Line, LineImpl>(line(12, v, 1)); }},
        {"theme line width",
         [&](double v) {
             return paintWith<Line, LineImpl>([&](Line& w, ChartTheme& t) { line(40, 0, 1)(w, t), t.lineWidth = v; });
         }},
        {"symbol radii",
         [&](double v) {
             return paintWith<Line, LineImpl>([&](Line& w, ChartTheme& t) {
                 line(12, 2, 1)(w, t);
                 t.symbolRadius = v;
                 t.hoverSymbolRadius = v;
             });
         }},
        {"line chart fonts",
         [&](double v) {
             return paintWith<Line, LineImpl>(
                 [&](Line&, ChartTheme& t) { t.titleFontSize = t.labelFontSize = t.tooltipFontSize = asInt(v); });
         }},
        {"bar corners and fonts",
         [&](double v) {
             return paintWith<CVNQBarChart, CVNQBarChartImpl>([&](CVNQBarChart&, ChartTheme& t) {
                 t.barCornerRadius = v;
                 t.labelFontSize = t.tooltipFontSize = asInt(v);
             });
         }},
        {"scatter symbols",
         [&](double v) {
             return paintWith<CVNQScatterChart, CVNQScatterChartImpl>([&](CVNQScatterChart& w, ChartTheme&) {
                 ScatterSeries s;
                 s.points = {{1, 1}, {2, 3}, {3, 2}};
                 s.symbolSize = v;
                 w.setSeries({s});
             });
         }},
        {"intraday line",
         [&](double v) {
             return paintWith<CVNQFinancialChart, CVNQFinancialChartImpl>(
                 [&](CVNQFinancialChart& w, ChartTheme& t) { w.setDisplayMode(1), t.lineWidth = v; });
         }},
        {"pie tooltip font",
         [&](double v) {
             return paintWith<CVNQOpenGLPieChart, CVNQOpenGLPieChartImpl>(
                 [&](CVNQOpenGLPieChart&, ChartTheme& t) { t.tooltipFontSize = asInt(v); });
         }},
        {"ECG pen",
         [](double v) {
             return traced<CVNQECGChart>(v, {{0, 40}, {200, 260}, {400, 90}});
         }},
        {"ICD pen",
         [](double v) {
             return traced<CVNQICDChart>(v, {{0, 40}, {200, 260}, {400, 90}});
         }},
    };
    // Past the picture, an int and a float: all paint alike, as do all
    // numbers that are not above the smallest.
    const QVector<QVector<double>> alike = {{1e5, 1e6, 2e7, 3e9, 1e300, kInf}, {kNaN, -kInf, -1e300, -3e9}};
    for (const auto& knob : knobs) {
        for (const QVector<double>& values : alike) {
            const QImage first = knob.second(values.first());
            ASSERT_FALSE(first.isNull()) << knob.first;
            for (double v : values)
                EXPECT_EQ(knob.second(v), first) << knob.first << " " << v;
        }
    }

    // Symbols that each cover the whole picture: only the last one is painted.
    const auto shapes = [&](double radius) {
        ChartFixture<Line, LineImpl> c(QSize(480, 300));
        ChartTheme theme = CVNQChartBase::presetTheme(0);
        line(2000, 2, radius)(c.widget, theme);
        theme.symbolRadius = radius;
        c.widget.setTheme(theme);
        ChartPaintProbe probe(c.widget.size());
        c.probe(probe);
        return probe.shapes();
    };
    EXPECT_LE(shapes(1e6), shapes(0) + 1);

    // Trace points that are not finite or lie far away.
    const QVector<QPointF> wild = {{0, 0}, {kNaN, 5}, {1e30, -1e30}, {kInf, 10}, {300, -kInf}, {3e9, 3e9}};
    EXPECT_FALSE(traced<CVNQECGChart>(3, wild, [](CVNQECGChart& c) { c.enableFillColor(true, true); }).isNull());
    EXPECT_FALSE(traced<CVNQICDChart>(1, wild).isNull());
}
