// No chart width or size costs more than the picture: huge ones paint as the largest, NaN as the smallest.

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

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace CVNQtLib;

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// What the last chart painted cost, in pictures (ChartPaintProbe::cost).
double lastCost = 0;

// A chart at 480 x 300 with a number set by set(widget, theme), hovered at its plot centre.
template <class Widget, class Impl, class Set>
QImage paintWith(Set set)
{
    ChartFixture<Widget, Impl> c(QSize(480, 300));
    ChartTheme theme = CVNQChartBase::presetTheme(0);
    c.impl->setTooltipEnabled(true);
    c.impl->setTooltipMode(ChartTooltipCategory);
    set(c.widget, theme);
    c.widget.setTheme(theme);
    c.move(QPointF(240, 130));
    ChartPaintProbe probe(QSize(480, 300));
    c.probe(probe);
    lastCost = probe.cost();
    return c.render();
}

// A line chart's series of n points with a line width, symbols and area.
void series(CVNQLineChart& w, int n, double width)
{
    ChartSeries s;
    for (int i = 0; i < n; ++i)
        s.values << 50 + 40 * std::sin(i * 0.37);
    s.lineWidth = width;
    s.showSymbols = s.area = true;
    w.setSeries({s});
}

template <class Chart>
QImage traced(double weight, const QVector<QPointF>& points)
{
    Chart chart;
    chart.resize(480, 300);
    chart.setLineWeight(float(weight));
    if (auto* ecg = qobject_cast<CVNQECGChart*>(&chart))
        ecg->enableFillColor(true, true);
    for (const QPointF& p : points)
        chart.addData(float(p.x()), float(p.y()));
    ChartPaintProbe probe(chart.size());
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    for (QPaintDevice* device : std::initializer_list<QPaintDevice*>{&probe, &image}) {
        QPainter p(device);
        chart.getControlImpl()->draw(&p, chart.rect());
    }
    lastCost = probe.cost();
    return image;
}

// The picture with sizing number knob (of every chart) set to v.
QImage paintKnob(int knob, double v)
{
    using Line = CVNQLineChart;
    using LineImpl = CVNQLineChartImpl;
    const int size = qIsNaN(v) ? 0 : int(qBound(double(INT_MIN), v, double(INT_MAX)));
    // Trace points that are not finite or lie far away among them.
    const QVector<QPointF> trace = {{0, 40}, {kNaN, 5}, {1e30, -1e30}, {kInf, 10}, {200, -kInf}, {3e9, 3e9}, {400, 90}};
    switch (knob) {
    case 0: return paintWith<Line, LineImpl>([&](Line& w, ChartTheme&) { series(w, 2000, v); });
    case 1: return paintWith<Line, LineImpl>([&](Line& w, ChartTheme& t) { series(w, 40, 0), t.lineWidth = v; });
    case 2:
        return paintWith<Line, LineImpl>(
            [&](Line& w, ChartTheme& t) { series(w, 2000, 2), t.symbolRadius = t.hoverSymbolRadius = v; });
    case 3:
        return paintWith<Line, LineImpl>(
            [&](Line&, ChartTheme& t) { t.titleFontSize = t.labelFontSize = t.tooltipFontSize = size; });
    case 4:
        return paintWith<CVNQBarChart, CVNQBarChartImpl>(
            [&](CVNQBarChart&, ChartTheme& t) { t.barCornerRadius = v, t.labelFontSize = t.tooltipFontSize = size; });
    case 5:
        return paintWith<CVNQScatterChart, CVNQScatterChartImpl>([&](CVNQScatterChart& w, ChartTheme&) {
            w.setSeries({{QString(), {{1, 1}, {2, 3}, {3, 2}}, QColor(), true, v}});
        });
    case 6:
        return paintWith<CVNQFinancialChart, CVNQFinancialChartImpl>(
            [&](CVNQFinancialChart& w, ChartTheme& t) { w.setDisplayMode(1), t.lineWidth = v; });
    case 7:
        return paintWith<CVNQOpenGLPieChart, CVNQOpenGLPieChartImpl>(
            [&](CVNQOpenGLPieChart&, ChartTheme& t) { t.tooltipFontSize = size; });
    case 8: return traced<CVNQECGChart>(v, trace);
    case 9: return traced<CVNQICDChart>(v, trace);
    case 10: // symbols over a translucent plot
        return paintWith<Line, LineImpl>([&](Line& w, ChartTheme& t) {
            series(w, 2000, 2), t.symbolRadius = v, t.plotBackgroundColor.setAlpha(128);
        });
    default: return QImage();
    }
}

} // namespace

TEST(ChartExtent, WidthsAndSizesAreBoundedByThePicture)
{
    // Past the picture, an int and a float all paint alike, as do all not above the smallest.
    const QVector<QVector<double>> alike = {{1e5, 1e6, 2e7, 3e9, 1e300, kInf}, {kNaN, -kInf, -1e300, -3e9}};
    for (int knob = 0; knob < 11; ++knob) {
        for (const QVector<double>& values : alike) {
            const QImage first = paintKnob(knob, values.first());
            ASSERT_FALSE(first.isNull()) << knob;
            for (double v : values)
                EXPECT_EQ(paintKnob(knob, v), first) << knob << " " << v;
        }
        // Nor does any number between: what is drawn covers a few pictures at most.
        for (double v : {1.0, 8.0, 40.0, 62.0, 70.0, 111.0, 250.0, 500.0, 2000.0}) {
            paintKnob(knob, v);
            EXPECT_LT(lastCost, 16.0) << knob << " " << v;
        }
    }
}
