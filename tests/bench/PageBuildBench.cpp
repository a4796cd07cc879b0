// Building pages of 1,000 labels from JSON: the factory, the common JSON
// routine, the label's own keys and the theme application of every control.

#include "CVNJson.h"
#include "CVNQControlFactory.h"
#include "CVNQLabel.h"
#include "CVNQResourceManager.h"
#include "CVNQtLib.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

using namespace CVNQtLib;

namespace {

constexpr int kControls = 1000;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

QByteArray pageText()
{
    Json::Value root;
    jsonMember(root, "w") = 1200;
    jsonMember(root, "h") = 900;
    Json::Value& elements = jsonMember(root, "elements");
    for (int i = 0; i < kControls; ++i) {
        Json::Value node;
        jsonMember(node, "type") = "qtlabel";
        jsonMember(node, "name") = "label" + std::to_string(i);
        jsonMember(node, "x") = (i % 40) * 30;
        jsonMember(node, "y") = (i / 40) * 30;
        jsonMember(node, "w") = 28;
        jsonMember(node, "h") = 28;
        jsonMember(jsonMember(node, "attr"), "text") = "Turbine " + std::to_string(i);
        jsonAppend(elements, node);
    }
    return QByteArray::fromStdString(jsonStyled(root));
}

void buildPage(benchmark::State& state, bool themed)
{
    init();
    QTemporaryDir dir;
    writeFile(dir.filePath("page.json"), pageText());
    if (themed) {
        QDir().mkpath(dir.filePath("theme"));
        writeFile(dir.filePath("theme/style.json"),
                  R"({"style": [{"type": 1, "name": "benchBg", "drawImg": false, "clr": "FF336699"},
                                {"type": 2, "name": "benchText", "clr": "FFFFFFFF", "size": 13}]})");
        writeFile(dir.filePath("theme/theme.json"),
                  R"({"elements": [{"child": [{"name": "qtlabel", "attr": {"themed": 1},
                       "style": [["benchBg", 1, 0], ["benchText", 2, 1]]}]}]})");
        CVNQResourceManager::getInstance()->loadThemeDir(dir.filePath("theme"));
    }
    for (auto _ : state) {
        QWidget host;
        benchmark::DoNotOptimize(cvnCreatePageByFileName(&host, dir.filePath("page.json")));
        if (host.findChildren<CVNQLabel*>(QString(), Qt::FindDirectChildrenOnly).size() != kControls)
            state.SkipWithError("page not built");
    }
    state.SetItemsProcessed(state.iterations() * kControls);
}

void BM_PageOf1000Labels(benchmark::State& state)
{
    buildPage(state, false);
}

void BM_PageOf1000ThemedLabels(benchmark::State& state)
{
    buildPage(state, true);
}

} // namespace

BENCHMARK(BM_PageOf1000Labels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageOf1000ThemedLabels)->Unit(benchmark::kMillisecond);
