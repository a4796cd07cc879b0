// Paint cost of the bar, financial and scatter charts: the same draw
// routine the OpenGL surface uses, painted into a 1280 x 720 image.

#include "CVNQBarChart.h"
#include "CVNQBarChartImpl.h"
#include "CVNQFinancialChart.h"
#include "CVNQFinancialChartImpl.h"
#include "CVNQScatterChart.h"
#include "CVNQScatterChartImpl.h"

#include <QImage>
#include <QPainter>
#include <QtMath>
#include <benchmark/benchmark.h>

using namespace CVNQtLib;

namespace {

const QSize kSize(1280, 720);

void paintLoop(benchmark::State& state, CVNQWidgetBaseImpl* impl)
{
    QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        impl->draw(&painter, QRect(QPoint(0, 0), kSize));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

// Two series of n categories each, one label per category.
static void BM_BarChartPaint(benchmark::State& state)
{
    const int n = int(state.range(0));
    CVNQBarChart chart;
    chart.resize(kSize);
    chart.setAnimationEnabled(false);
    BarSeries a;
    a.name = QStringLiteral("North");
    BarSeries b;
    b.name = QStringLiteral("South");
    for (int i = 0; i < n; ++i) {
        a.values.append(100 + 60 * std::sin(i * 0.3));
        b.values.append(80 + 50 * std::cos(i * 0.2));
    }
    chart.setCategories({});
    chart.setSeries({a, b});
    paintLoop(state, chart.getControlImpl());
}
BENCHMARK(BM_BarChartPaint)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// n daily candles, all shown, with the four moving averages.
static void BM_FinancialChartPaint(benchmark::State& state)
{
    const int n = int(state.range(0));
    CVNQFinancialChart chart;
    chart.resize(kSize);
    chart.setAnimationEnabled(false);
    chart.setZoomEnabled(false);
    // A mean-reverting random walk (fixed seed), as daily prices move.
    QVector<Candle> candles;
    candles.reserve(n);
    quint32 seed = 12345;
    auto uniform = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / double(1 << 24) - 0.5;
    };
    double close = 2900;
    for (int i = 0; i < n; ++i) {
        const double open = close + 4 * uniform();
        close = open + 30 * uniform() + 0.02 * (2900 - open);
        candles.append({QStringLiteral("d%1").arg(i), open, qMax(open, close) + 6 * (uniform() + 0.5),
                        qMin(open, close) - 6 * (uniform() + 0.5), close, 5e7 + 4e7 * uniform()});
    }
    chart.setCandles(candles);
    paintLoop(state, chart.getControlImpl());
}
BENCHMARK(BM_FinancialChartPaint)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Two series of n points each.
static void BM_ScatterChartPaint(benchmark::State& state)
{
    const int n = int(state.range(0));
    CVNQScatterChart chart;
    chart.resize(kSize);
    chart.setAnimationEnabled(false);
    ScatterSeries a;
    a.name = QStringLiteral("A");
    ScatterSeries b;
    b.name = QStringLiteral("B");
    b.symbolSize = 10;
    for (int i = 0; i < n; ++i) {
        a.points.append(QPointF(i % 97 + std::sin(i) * 3, (i * 37) % 101));
        b.points.append(QPointF((i * 53) % 89, i % 83 + std::cos(i) * 4));
    }
    chart.setSeries({a, b});
    paintLoop(state, chart.getControlImpl());
}
BENCHMARK(BM_ScatterChartPaint)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
