// What every control constructor pays for its theme: one theme-entry lookup
// and a handful of named style lookups against a theme of realistic size.

#include "CVNQResourceManager.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace CVNQtLib;

namespace {

// A theme folder with 200 entries and 400 fill plus 400 text styles.
bool loadLargeTheme(QTemporaryDir& dir)
{
    std::string style = "{\"style\": [";
    std::string theme = "{\"elements\": [{\"child\": [";
    for (int i = 0; i < 400; ++i) {
        const std::string n = std::to_string(i);
        style += (i ? "," : "") + std::string("{\"type\":1,\"name\":\"fill") + n +
                 "\",\"drawImg\":false,\"clr\":\"FF102030\",\"round\":4},{\"type\":2,\"name\":\"text" + n +
                 "\",\"size\":13}";
        if (i < 200)
            theme += (i ? "," : "") + std::string("{\"name\":\"qttype") + n + "\",\"style\":[[\"fill" + n +
                     "\",1,0],[\"text" + n + "\",2,4]],\"attr\":{\"a\":1}}";
    }
    style += "]}";
    theme += "]}]}";
    QFile s(dir.filePath("style.json"));
    QFile t(dir.filePath("theme.json"));
    if (!s.open(QIODevice::WriteOnly) || !t.open(QIODevice::WriteOnly))
        return false;
    s.write(style.c_str());
    t.write(theme.c_str());
    s.close();
    t.close();
    return CVNQResourceManager::getInstance()->loadThemeDir(dir.path());
}

} // namespace

static void BM_ThemeEntryAndStyleLookup(benchmark::State& state)
{
    QTemporaryDir dir;
    if (!loadLargeTheme(dir)) {
        state.SkipWithError("theme did not load");
        return;
    }
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    const char* names[4] = {"qttype7", "qttype120", "qttype199", "qtmissing"};
    const QString fills[4] = {"fill7", "fill120", "fill399", "nofill"};
    int i = 0;
    for (auto _ : state) {
        Json::Value* entry = rm->getThemeJsonValue(names[i & 3]);
        rm->setSwitchToThemeRes(true);
        FillStyle f;
        TextStyleDesc t;
        const bool found = rm->getFillStyle(fills[i & 3], f) && rm->getTextStyle(QStringLiteral("text5"), t);
        rm->setSwitchToThemeRes(false);
        benchmark::DoNotOptimize(entry);
        benchmark::DoNotOptimize(found);
        ++i;
    }
}
BENCHMARK(BM_ThemeEntryAndStyleLookup);
