// Layout across the charts: in every legend position and at small and
// large sizes no drawn text runs into another (legend entries, axis
// labels, slice labels, title).

#include "CVNQBarChart.h"
#include "CVNQBarChartImpl.h"
#include "CVNQLineChart.h"
#include "CVNQLineChartImpl.h"
#include "CVNQOpenGLPieChart.h"
#include "CVNQOpenGLPieChartImpl.h"
#include "CVNQScatterChart.h"
#include "CVNQScatterChartImpl.h"
#include "ChartFixture.h"

#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

template <class Fixture>
void expectNoOverlaps(Fixture& c, const char* what)
{
    for (const QSize size : {QSize(420, 260), QSize(640, 420), QSize(1000, 600)}) {
        c.widget.resize(size);
        for (int position = 0; position <= 3; ++position) {
            c.widget.setLegendPosition(position);
            ChartPaintProbe probe(size);
            c.probe(probe);
            EXPECT_TRUE(probe.overlaps().isEmpty())
                << probe.overlaps().join("; ").toStdString() << " in " << what << " at " << size.width() << "x"
                << size.height() << ", legend " << position;
        }
    }
}

} // namespace

TEST(ChartLayout, LineChartTextsNeverOverlap)
{
    ChartFixture<CVNQLineChart, CVNQLineChartImpl> c(QSize(640, 420));
    ChartSeries a;
    a.name = QStringLiteral("Energy output");
    ChartSeries b;
    b.name = QStringLiteral("AI forecast");
    for (int i = 0; i < 30; ++i) {
        a.values.append(1200 + 300 * std::sin(i / 4.0));
        b.values.append(1150 + 280 * std::sin(i / 4.0 + 0.4));
    }
    c.widget.setSeries({a, b});
    expectNoOverlaps(c, "30 values over 7 categories");
}

TEST(ChartLayout, BarChartTextsNeverOverlap)
{
    ChartFixture<CVNQBarChart, CVNQBarChartImpl> c(QSize(640, 420));
    c.widget.setSeries({{QStringLiteral("North"), {120, 200, 150, 80, 70, 110, 130}, QColor(), QColor(), true},
                        {QStringLiteral("South"), {-90, 160, 170, 110, 95, 60, 20}, QColor(), QColor(), true}});
    expectNoOverlaps(c, "bars");
}

TEST(ChartLayout, ScatterChartTextsNeverOverlap)
{
    ChartFixture<CVNQScatterChart, CVNQScatterChartImpl> c(QSize(640, 420));
    expectNoOverlaps(c, "scatter");
}

TEST(ChartLayout, PieLabelsKeepOffTheLegend)
{
    ChartFixture<CVNQOpenGLPieChart, CVNQOpenGLPieChartImpl> c(QSize(640, 420));
    c.widget.setLabelsVisible(true);
    expectNoOverlaps(c, "pie");

    // With room beside the legend every label shows in full; where a box
    // would reach the legend or the edge its text is shortened or left out.
    const QStringList labels = {"Search Engine  33.3%", "Direct  23.36%", "Email  18.43%", "Union Ads  15.38%",
                                "Video Ads  9.53%"};
    c.widget.resize(1000, 600);
    c.widget.setLegendPosition(3);
    ChartPaintProbe roomy(c.widget.size());
    c.probe(roomy);
    for (const QString& label : labels)
        EXPECT_TRUE(roomy.texts().contains(label)) << label.toStdString();
    c.widget.resize(480, 400);
    ChartPaintProbe cramped(c.widget.size());
    c.probe(cramped);
    int whole = 0;
    for (const QString& label : labels)
        whole += cramped.texts().contains(label) ? 1 : 0;
    EXPECT_LT(whole, labels.size());
    for (const ProbedText& t : cramped.drawnTexts())
        EXPECT_LE(t.box.right(), 480 - 4 + 0.5) << t.text.toStdString();
}
