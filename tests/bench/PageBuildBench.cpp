// Building pages of 1,000 controls from JSON: the factory, the common JSON
// routine and the theme application of every control.

#include "CVNJson.h"
#include "CVNQControl.h"
#include "CVNQControlFactory.h"
#include "CVNQResourceManager.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

using namespace CVNQtLib;

namespace page_bench {

// The smallest real control: the common part and a plain implementation.
class BenchControlImpl : public CVNQWidgetBaseImpl
{
public:
    using CVNQWidgetBaseImpl::CVNQWidgetBaseImpl;
};

class BenchControl : public QWidget, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(BenchControl, BenchControlImpl)
public:
    explicit BenchControl(QWidget* parent = nullptr) : QWidget(parent)
    {
        m_impl = new BenchControlImpl(this, typeName());
        m_impl->applyTheme();
    }
};

CVNQ_IMPLEMENT_CONTROL(BenchControl, BenchControlImpl, "bench_control")

QByteArray pageText(int count)
{
    Json::Value root;
    jsonMember(root, "w") = 1200;
    jsonMember(root, "h") = 900;
    Json::Value& elements = jsonMember(root, "elements");
    for (int i = 0; i < count; ++i) {
        Json::Value node;
        jsonMember(node, "type") = "bench_control";
        jsonMember(node, "name") = "c" + std::to_string(i);
        jsonMember(node, "x") = (i % 40) * 30;
        jsonMember(node, "y") = (i / 40) * 30;
        jsonMember(node, "w") = 28;
        jsonMember(node, "h") = 28;
        jsonMember(jsonMember(node, "attr"), "index") = i;
        jsonAppend(elements, node);
    }
    return QByteArray::fromStdString(jsonStyled(root));
}

void buildPage(benchmark::State& state, bool themed)
{
    cvnRegisterDefaultControl("bench_control", &BenchControl::createBenchControl);
    QTemporaryDir dir;
    QFile page(dir.filePath("page.json"));
    page.open(QIODevice::WriteOnly);
    page.write(pageText(1000));
    page.close();
    if (themed) {
        QDir().mkpath(dir.filePath("theme"));
        QFile style(dir.filePath("theme/style.json"));
        style.open(QIODevice::WriteOnly);
        style.write(R"({"style": [{"type": 1, "name": "benchBg", "drawImg": false, "clr": "FF336699"}]})");
        style.close();
        QFile theme(dir.filePath("theme/theme.json"));
        theme.open(QIODevice::WriteOnly);
        theme.write(R"({"elements": [{"child": [{"name": "bench_control", "attr": {"themed": 1},
                       "style": [["benchBg", 1, 0]]}]}]})");
        theme.close();
        CVNQResourceManager::getInstance()->loadThemeDir(dir.filePath("theme"));
    }
    for (auto _ : state) {
        QWidget host;
        benchmark::DoNotOptimize(cvnCreatePageByFileName(&host, dir.filePath("page.json")));
        if (host.findChildren<BenchControl*>(QString(), Qt::FindDirectChildrenOnly).size() != 1000)
            state.SkipWithError("page not built");
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}

void BM_PageOf1000Controls(benchmark::State& state)
{
    buildPage(state, false);
}

void BM_PageOf1000ThemedControls(benchmark::State& state)
{
    buildPage(state, true);
}

} // namespace page_bench

BENCHMARK(page_bench::BM_PageOf1000Controls)->Unit(benchmark::kMillisecond);
BENCHMARK(page_bench::BM_PageOf1000ThemedControls)->Unit(benchmark::kMillisecond);

#include "PageBuildBench.moc"
