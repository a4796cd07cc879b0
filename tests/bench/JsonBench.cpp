#include "CVNJson.h"

#include <benchmark/benchmark.h>

static void BM_JsonGuardedReads(benchmark::State& state)
{
    Json::Value node;
    CVNQtLib::jsonParse(std::string(R"({"x":1,"y":2,"w":300,"h":40,"name":"btn","attr":{"text":"OK"}})"), node);
    for (auto _ : state) {
        int x = 0, y = 0, w = 0, h = 0;
        QString name;
        CVNQtLib::jsonRead(node, "x", x);
        CVNQtLib::jsonRead(node, "y", y);
        CVNQtLib::jsonRead(node, "w", w);
        CVNQtLib::jsonRead(node, "h", h);
        CVNQtLib::jsonRead(node, "name", name);
        benchmark::DoNotOptimize(x + y + w + h + name.size());
    }
}
BENCHMARK(BM_JsonGuardedReads);
