// What a chart on screen shows after a change: each change of its look
// repaints it at once (with the intro animation off nothing else would),
// so does a hover that moves a highlight without a tooltip, and the intro
// animation repaints at each of its steps.

#include "CVNQBarChart.h"
#include "CVNQBarChartImpl.h"
#include "CVNQFinancialChart.h"
#include "CVNQFinancialChartImpl.h"
#include "CVNQLineChart.h"
#include "CVNQLineChartImpl.h"
#include "CVNQOpenGLPieChart.h"
#include "CVNQOpenGLPieChartImpl.h"
#include "CVNQScatterChart.h"
#include "CVNQScatterChartImpl.h"
#include "TestUtil.h"

#include <QSet>
#include <functional>
#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

// The five charts side by side in a window, their intro animation off.
struct ShownCharts
{
    QWidget window;
    CVNQLineChart* line = new CVNQLineChart(&window);
    CVNQBarChart* bar = new CVNQBarChart(&window);
    CVNQOpenGLPieChart* pie = new CVNQOpenGLPieChart(&window);
    CVNQScatterChart* scatter = new CVNQScatterChart(&window);
    CVNQFinancialChart* financial = new CVNQFinancialChart(&window);

    ShownCharts()
    {
        const QList<CVNQChartBase*> charts = {line, bar, pie, scatter, financial};
        for (int i = 0; i < charts.size(); ++i) {
            charts.at(i)->setAnimationEnabled(false);
            charts.at(i)->setGeometry((i % 3) * 500, (i / 3) * 340, 480, 320);
        }
        window.resize(1500, 680);
    }
    bool show() { return TestUtil::showExposed(&window) && TestUtil::waitPainted(&window); }
};

struct Change
{
    QWidget* chart;
    const char* what;
    std::function<void()> run;
};

} // namespace

TEST(ChartRepaint, EveryChangeOfTheLookShowsAtOnce)
{
    ShownCharts c;
    ASSERT_TRUE(c.show());
    auto* financialImpl = static_cast<CVNQFinancialChartImpl*>(c.financial->getControlImpl());
    auto* pieImpl = static_cast<CVNQOpenGLPieChartImpl*>(c.pie->getControlImpl());
    ChartTheme custom = CVNQChartBase::presetTheme(3);
    custom.name = QStringLiteral("Custom");
    ChartSeries wind;
    wind.values = {3, 1, 4, 1, 5};
    const Candle day{QStringLiteral("06-01"), 10, 12, 9, 11, 500};
    const IntradayPoint tick{QStringLiteral("06-01 09:31"), 10, 10, 500};

    const QVector<Change> changes = {
        // What every chart has from its base.
        {c.line, "preset theme", [&] { c.line->setTheme(2); }},
        {c.line, "custom theme", [&] { c.line->setTheme(custom); }},
        {c.line, "legend position", [&] { c.line->setLegendPosition(1); }},
        {c.line, "background", [&] { c.line->setBackgroundColor(QColor(1, 2, 3)); }},
        {c.line, "animation switch", [&] { c.line->setAnimationEnabled(false); }},
        {c.line, "replay while switched off", [&] { c.line->replayAnimation(); }},
        {c.line, "tooltip shown", [&] { c.line->showTooltip(QPoint(100, 100), QStringLiteral("tip")); }},
        {c.line, "tooltip hidden", [&] { c.line->hideTooltip(); }},
        // Each chart's own, data included.
        {c.line, "line title", [&] { c.line->setTitle(QStringLiteral("Wind")); }},
        {c.line, "line categories",
         [&] {
             c.line->setCategories({"a", "b"});
         }},
        {c.line, "line series", [&] { c.line->setSeries({wind}); }},
        {c.line, "line data",
         [&] {
             c.line->setData(QStringLiteral("d"), {1, 2}, QColor());
         }},
        {c.line, "line series visibility", [&] { c.line->setSeriesVisible(0, false); }},
        {c.line, "line hover switch", [&] { c.line->setHoverEnabled(false); }},
        {c.line, "line tooltip switch", [&] { c.line->setTooltipEnabled(true); }},
        {c.line, "line tooltip mode", [&] { c.line->setTooltipMode(2); }},
        {c.bar, "bar title", [&] { c.bar->setTitle(QStringLiteral("Wind")); }},
        {c.bar, "bar categories",
         [&] {
             c.bar->setCategories({"a", "b"});
         }},
        {c.bar, "bar series",
         [&] {
             c.bar->setSeries({{QStringLiteral("s"), {1, 2}, QColor(), QColor(), true}});
         }},
        {c.bar, "bar data",
         [&] {
             c.bar->setData(QStringLiteral("d"), {2, 1}, QColor());
         }},
        {c.bar, "bar hover switch", [&] { c.bar->setHoverEnabled(false); }},
        {c.bar, "bar tooltip switch", [&] { c.bar->setTooltipEnabled(true); }},
        {c.bar, "bar tooltip mode", [&] { c.bar->setTooltipMode(2); }},
        {c.pie, "pie title", [&] { c.pie->setTitle(QStringLiteral("Wind")); }},
        {c.pie, "pie slices",
         [&] {
             c.pie->setSlices({{QStringLiteral("s"), 2, QColor(), true}});
         }},
        {c.pie, "pie hover switch", [&] { c.pie->setHoverEnabled(false); }},
        {c.pie, "pie tooltip switch", [&] { pieImpl->setTooltipEnabled(false); }},
        {c.pie, "pie hole", [&] { c.pie->setInnerRadiusRatio(0.5); }},
        {c.pie, "pie labels", [&] { c.pie->setLabelsVisible(true); }},
        {c.scatter, "scatter title", [&] { c.scatter->setTitle(QStringLiteral("Wind")); }},
        {c.scatter, "scatter series",
         [&] {
             c.scatter->setSeries({{QStringLiteral("s"), {{1, 2}}, QColor(), true, 8}});
         }},
        {c.scatter, "scatter hover switch", [&] { c.scatter->setHoverEnabled(false); }},
        {c.scatter, "scatter tooltip switch", [&] { c.scatter->setTooltipEnabled(false); }},
        {c.scatter, "scatter tooltip mode", [&] { c.scatter->setTooltipMode(0); }},
        {c.financial, "financial title", [&] { c.financial->setTitle(QStringLiteral("Wind")); }},
        {c.financial, "financial zoom switch", [&] { c.financial->setZoomEnabled(false); }},
        {c.financial, "financial zoom range", [&] { c.financial->setZoomRange(0.2, 0.6); }},
        {c.financial, "financial display mode", [&] { c.financial->setDisplayMode(2); }},
        {c.financial, "financial tooltip switch", [&] { c.financial->setTooltipEnabled(false); }},
        {c.financial, "financial moving averages", [&] { c.financial->setShowMovingAverages(false); }},
        {c.financial, "financial periods", [&] { financialImpl->setMovingAveragePeriods({3}, {}); }},
        {c.financial, "financial candles", [&] { c.financial->setCandles({day}); }},
        {c.financial, "financial intraday points", [&] { c.financial->setIntradayPoints({tick}); }},
    };
    for (const Change& change : changes)
        EXPECT_TRUE(TestUtil::repaintsAfter(change.chart, change.run)) << change.what;

    // The legend position it already has changes nothing and repaints nothing.
    EXPECT_FALSE(TestUtil::repaintsAfter(c.line, [&] { c.line->setLegendPosition(1); }));

    // A change made while a chart is hidden shows once it is shown again.
    const QImage before = TestUtil::screenShot(c.bar);
    c.bar->hide();
    c.bar->setTitle(QStringLiteral("Changed while hidden"));
    c.bar->show();
    ASSERT_TRUE(TestUtil::waitPainted(&c.window));
    EXPECT_NE(TestUtil::screenShot(c.bar), before);
}

TEST(ChartRepaint, WhatTheMouseChangesShowsAtOnce)
{
    ShownCharts c;
    // Hover on and tooltips off: the highlight is all that changes.
    c.line->setTooltipMode(1);
    c.line->setTooltipEnabled(false);
    c.bar->setTooltipMode(1);
    c.bar->setTooltipEnabled(false);
    static_cast<CVNQOpenGLPieChartImpl*>(c.pie->getControlImpl())->setTooltipEnabled(false);
    c.scatter->setTooltipEnabled(false);
    c.financial->setTooltipEnabled(false);
    ASSERT_TRUE(c.show());
    auto shows = [](QWidget* chart, const std::function<void()>& step) { return TestUtil::repaintsAfter(chart, step); };

    auto* lineImpl = static_cast<CVNQLineChartImpl*>(c.line->getControlImpl());
    auto* barImpl = static_cast<CVNQBarChartImpl*>(c.bar->getControlImpl());
    auto* pieImpl = static_cast<CVNQOpenGLPieChartImpl*>(c.pie->getControlImpl());
    auto* scatterImpl = static_cast<CVNQScatterChartImpl*>(c.scatter->getControlImpl());
    const ChartCategoryFrame lf = lineImpl->frame(c.line->size());
    const QVector<BarItem> bars = barImpl->bars(barImpl->frame(c.bar->size()));
    const QRectF pie = pieImpl->pieRect(c.pie->size());
    const ScatterChartFrame sf = scatterImpl->frame(c.scatter->size());
    const struct
    {
        QWidget* chart;
        CVNQChartImpl* impl;
        QPointF on, onOther;
        QVector<ChartLegendItem> legend;
    } charts[] = {
        {c.line, lineImpl, lineImpl->pointPos(lf, 1, c.line->series().first().values.at(1)),
         lineImpl->pointPos(lf, 2, c.line->series().first().values.at(2)),
         lineImpl->legendItems(lf.plot, c.line->size())},
        {c.bar, barImpl, bars.at(1).rect.center(), bars.at(2).rect.center(),
         barImpl->legendItems(barImpl->plotRect(c.bar->size()), c.bar->size())},
        {c.pie, pieImpl, pie.center() + QPointF(20, -pie.height() / 4), pie.center() + QPointF(-20, pie.height() / 4),
         pieImpl->legendItems(pieImpl->legendArea(pie, c.pie->size()))},
        {c.scatter, scatterImpl, scatterImpl->screenPos(sf, QPointF(25, 40)),
         scatterImpl->screenPos(sf, QPointF(16, 14)), scatterImpl->legendItems(sf.plot, c.scatter->size())},
    };
    for (const auto& h : charts) {
        const char* what = h.chart->metaObject()->className();
        EXPECT_TRUE(shows(h.chart, [&] { TestUtil::move(h.chart, h.on); })) << what;
        const int first = h.impl->hoverIndex();
        EXPECT_TRUE(h.impl->hoverActive()) << what;
        EXPECT_TRUE(shows(h.chart, [&] { TestUtil::move(h.chart, h.onOther); })) << what;
        EXPECT_NE(h.impl->hoverIndex(), first) << what;
        EXPECT_TRUE(shows(h.chart, [&] { TestUtil::leave(h.chart); })) << what;
        EXPECT_FALSE(h.impl->hoverActive()) << what;
        // A legend entry clicked hides its series or slice.
        ASSERT_FALSE(h.legend.isEmpty()) << what;
        EXPECT_TRUE(shows(h.chart, [&] { TestUtil::press(h.chart, h.legend.first().rect.center()); })) << what;
    }

    // The zoom slider: the press that takes it and each step of its drag.
    auto* financialImpl = static_cast<CVNQFinancialChartImpl*>(c.financial->getControlImpl());
    const QRectF track = financialImpl->sliderTrack(financialImpl->plotRect(c.financial->size()));
    const QPointF window(track.left() + track.width() * 0.75, track.center().y());
    EXPECT_TRUE(shows(c.financial, [&] { TestUtil::press(c.financial, window); }));
    EXPECT_TRUE(shows(c.financial, [&] { TestUtil::move(c.financial, window - QPointF(30, 0), Qt::LeftButton); }));
    EXPECT_TRUE(shows(c.financial, [&] { TestUtil::move(c.financial, window - QPointF(60, 0), Qt::LeftButton); }));
    EXPECT_LT(c.financial->zoomStart(), 0.55);
}

TEST(ChartRepaint, TheIntroRepaintsAtEachStep)
{
    QWidget window;
    auto* chart = new CVNQLineChart(&window);
    chart->resize(480, 320);
    window.resize(480, 320);
    ASSERT_TRUE(TestUtil::showExposed(&window));

    // The progress each paint shows.
    struct Seen : QObject
    {
        CVNQChartBase* chart;
        QSet<double> progress;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                progress.insert(chart->animationProgress());
            return false;
        }
    } seen;
    seen.chart = chart;
    chart->installEventFilter(&seen);
    chart->setAnimationDuration(4000);
    chart->replayAnimation();
    const auto midway = [&] {
        int n = 0;
        for (double p : seen.progress)
            n += (p > 0 && p < 1) ? 1 : 0;
        return n;
    };
    EXPECT_TRUE(TestUtil::waitFor([&] { return midway() >= 3; }));
    chart->removeEventFilter(&seen);
}
