// Paint cost of the line and pie charts: the same draw routine the OpenGL
// surface uses, painted into a 1280 x 720 image.

#include "CVNQLineChart.h"
#include "CVNQLineChartImpl.h"
#include "CVNQOpenGLPieChart.h"
#include "CVNQOpenGLPieChartImpl.h"

#include <QImage>
#include <QPainter>
#include <QtMath>
#include <benchmark/benchmark.h>

using namespace CVNQtLib;

namespace {

const QSize kSize(1280, 720);

// A day-like profile with a little measurement noise: two slow waves over
// the whole range and a jitter of 2 % of the range.
QVector<double> profile(int n, double phase, double jitter)
{
    QVector<double> v;
    v.reserve(n);
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / qMax(n - 1, 1);
        v.append(500 + 260 * std::sin(t * 6.3 + phase) + 60 * std::sin(t * 23 + phase) + jitter * std::sin(i * 1.7));
    }
    return v;
}

void paintInto(CVNQWidgetBaseImpl* impl, QImage& image)
{
    QPainter painter(&image);
    impl->draw(&painter, QRect(QPoint(0, 0), kSize));
}

void lineChartPaint(benchmark::State& state, double jitter, bool symbols, double lineWidth = 2.0)
{
    const int n = int(state.range(0));
    CVNQLineChart chart;
    chart.resize(kSize);
    chart.setAnimationEnabled(false);
    ChartSeries a;
    a.name = QStringLiteral("Energy output");
    a.values = profile(n, 0, jitter);
    a.area = true;
    a.smooth = true;
    a.showSymbols = symbols;
    a.lineWidth = lineWidth;
    ChartSeries b;
    b.name = QStringLiteral("AI forecast");
    b.values = profile(n, 1, jitter);
    b.smooth = true;
    b.showSymbols = symbols;
    chart.setSeries({a, b});
    QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        paintInto(chart.getControlImpl(), image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

// Two smoothed series, one with an area, as the dashboard draws them.
static void BM_LineChartPaint(benchmark::State& state)
{
    lineChartPaint(state, 12, false);
}
BENCHMARK(BM_LineChartPaint)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same with a symbol at every point.
static void BM_LineChartPaintSymbols(benchmark::State& state)
{
    lineChartPaint(state, 12, true);
}
BENCHMARK(BM_LineChartPaintSymbols)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Worst case: every point jumps by a tenth of the range from its neighbour.
static void BM_LineChartPaintJagged(benchmark::State& state)
{
    lineChartPaint(state, 80, false);
}
BENCHMARK(BM_LineChartPaintJagged)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// A line as wide as the picture over many points: what works out the
// picture must stay bounded by it, not by points times width.
static void BM_LineChartPaintHugeWidth(benchmark::State& state)
{
    lineChartPaint(state, 12, true, 1e300);
}
BENCHMARK(BM_LineChartPaintHugeWidth)->Arg(10000)->Arg(200000)->Unit(benchmark::kMillisecond);

static void BM_PieChartPaint(benchmark::State& state)
{
    const int n = int(state.range(0));
    CVNQOpenGLPieChart chart;
    chart.resize(kSize);
    chart.setAnimationEnabled(false);
    chart.setLabelsVisible(true);
    QVector<PieSlice> slices;
    slices.reserve(n);
    for (int i = 0; i < n; ++i)
        slices.append({QStringLiteral("Slice %1").arg(i), double(1 + i % 17), QColor(), true});
    chart.setSlices(slices);
    QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        paintInto(chart.getControlImpl(), image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PieChartPaint)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
