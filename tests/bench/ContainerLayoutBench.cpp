// Laying out a container of many children: one pass must stay linear in
// the number of children.

#include "CVNQContainer.h"
#include "CVNQScrollBar.h"
#include "CVNQSpacer.h"
#include "CVNQtLib.h"

#include <benchmark/benchmark.h>
#include <memory>

using namespace CVNQtLib;

namespace {

std::unique_ptr<CVNQContainer> makeColumn(int n, bool withSpacer)
{
    CVNQtLib::init();
    auto c = std::make_unique<CVNQContainer>();
    c->resize(800, 600);
    c->setChildLayout(CVNQContainer::Vertical);
    c->setChildSpace(2);
    for (int i = 0; i < n; ++i) {
        auto* child = new CVNQContainer(c.get());
        child->resize(100, 20);
        child->setWidthPolicy(0);
        child->setLayoutRatio(1 + i % 3);
    }
    if (withSpacer)
        new CVNQSpacer(c.get());
    return c;
}

void BM_ContainerRatioLayout(benchmark::State& state)
{
    auto c = makeColumn(int(state.range(0)), false);
    int height = 600;
    for (auto _ : state) {
        // Alternate sizes so every pass really moves the children.
        height = height == 600 ? 601 : 600;
        c->resize(800, height);
        c->forceResize();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ContainerRatioLayout)->Arg(250)->Arg(1000)->Arg(4000)->Complexity(benchmark::oN);

void BM_ContainerSpacerLayout(benchmark::State& state)
{
    auto c = makeColumn(int(state.range(0)), true);
    int height = 600;
    for (auto _ : state) {
        height = height == 600 ? 601 : 600;
        c->resize(800, height);
        c->forceResize();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ContainerSpacerLayout)->Arg(250)->Arg(1000)->Arg(4000)->Complexity(benchmark::oN);

// Building a column in code: every ratio given relayouts the whole column,
// so the build is quadratic by design; each pass must stay cheap.
void BM_ContainerColumnBuild(benchmark::State& state)
{
    for (auto _ : state) {
        auto c = makeColumn(int(state.range(0)), false);
        c->bindScrollBar(new CVNQScrollBar(Qt::Vertical, nullptr), false);
        benchmark::DoNotOptimize(c->getScrollPos(false));
        state.PauseTiming();
        c.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ContainerColumnBuild)
    ->Arg(250)
    ->Arg(1000)
    ->Arg(2000)
    ->Complexity(benchmark::oNSquared)
    ->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// Showing a scrolled column: every child's show passes the container's
// filter, which must not turn into a full scroll update per child.
void BM_ContainerShowScrolled(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto c = makeColumn(int(state.range(0)), false);
        c->bindScrollBar(new CVNQScrollBar(Qt::Vertical, nullptr), false);
        state.ResumeTiming();
        c->show();
        benchmark::DoNotOptimize(c->getScrollPos(false));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ContainerShowScrolled)
    ->Arg(250)
    ->Arg(1000)
    ->Arg(2000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

} // namespace
