// Building a ribbon from its JSON configuration: 4 pages of N groups of 10
// commands (2 large, 8 small) with SVG icons; twice the groups should cost
// twice as much.

#include "CVNQRibbonBar.h"
#include "CVNQtLib.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <benchmark/benchmark.h>

using namespace CVNQtLib;

namespace {

constexpr int kPages = 4;
constexpr int kButtons = 10;

QString ribbonText(int groupsPerPage)
{
    const QString icons = QStringLiteral(CORVANE_SOURCE_DIR "/app/icons/");
    const QStringList names = {"alert", "analytics", "calendar", "check", "energy", "search", "turbine", "wrench"};
    QJsonArray pages;
    for (int p = 0; p < kPages; ++p) {
        QJsonArray groups;
        for (int g = 0; g < groupsPerPage; ++g) {
            QJsonArray items;
            for (int b = 0; b < kButtons; ++b)
                items.append(QJsonObject{{"id", QStringLiteral("cmd_%1_%2_%3").arg(p).arg(g).arg(b)},
                                         {"text", QStringLiteral("Command %1").arg(g * kButtons + b)},
                                         {"icon", icons + names.at((g + b) % names.size()) + ".svg"},
                                         {"size", b < 2 ? "large" : "small"}});
            groups.append(QJsonObject{{"id", QStringLiteral("g%1_%2").arg(p).arg(g)},
                                      {"text", QStringLiteral("Group %1").arg(g)},
                                      {"items", items}});
        }
        pages.append(QJsonObject{{"id", QStringLiteral("page%1").arg(p)}, {"groups", groups}});
    }
    return QString::fromUtf8(
        QJsonDocument(QJsonObject{{"schemaVersion", 1}, {"pages", pages}}).toJson(QJsonDocument::Compact));
}

void BM_RibbonBuild(benchmark::State& state)
{
    init();
    const int groups = int(state.range(0));
    const QString text = ribbonText(groups);
    for (auto _ : state) {
        CVNQRibbonBar bar;
        if (!bar.loadConfigJson(text))
            state.SkipWithError("ribbon not built");
        benchmark::DoNotOptimize(bar.pageCount());
    }
    state.SetItemsProcessed(state.iterations() * kPages * groups * kButtons);
}

} // namespace

BENCHMARK(BM_RibbonBuild)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);
