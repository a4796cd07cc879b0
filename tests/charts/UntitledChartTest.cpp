// A chart with an empty title keeps no title band free: the line chart's
// plot and its top legend, and the pie with its legends, move up by the
// band, and the pie may grow by as much.

#include "CVNQChartLayout.h"
#include "CVNQLineChart.h"
#include "CVNQLineChartImpl.h"
#include "CVNQOpenGLPieChart.h"
#include "CVNQOpenGLPieChartImpl.h"

#include <gtest/gtest.h>

using namespace CVNQtLib;

TEST(UntitledChart, LinePlotAndTopLegendMoveUp)
{
    CVNQLineChart chart;
    chart.setAnimationEnabled(false);
    chart.resize(800, 500);
    auto* impl = static_cast<CVNQLineChartImpl*>(chart.getControlImpl());
    ChartSeries s;
    s.values = {1, 2, 3};
    chart.setSeries({s});
    chart.setLegendPosition(0);
    const QSize size = chart.size();

    const QRectF titled = impl->plotRect(size);
    EXPECT_EQ(titled.top(), 48 + 40);
    EXPECT_EQ(cvnChartLegendArea(titled, size, 0, 56).top(), 44);

    chart.setTitle(QString());
    const QRectF untitled = impl->plotRect(size);
    EXPECT_EQ(untitled.top(), titled.top() - kChartTitleBand);
    EXPECT_EQ(untitled.bottom(), titled.bottom());
    const QRectF legend = cvnChartLegendArea(untitled, size, 0, 56);
    EXPECT_EQ(legend.top(), 44 - kChartTitleBand);
    EXPECT_LE(legend.bottom(), untitled.top());

    // Below the plot the legend changes nothing at the top but the band.
    chart.setLegendPosition(2);
    EXPECT_EQ(impl->plotRect(size).top(), 48 - kChartTitleBand);
}

TEST(UntitledChart, PieAndLegendsMoveUpAndThePieGrows)
{
    CVNQOpenGLPieChart chart;
    chart.setAnimationEnabled(false);
    chart.resize(500, 320); // above the chart's minimum size
    auto* impl = static_cast<CVNQOpenGLPieChartImpl*>(chart.getControlImpl());
    const QSize size = chart.size();

    const QRectF titled = impl->pieRect(size);
    EXPECT_EQ(titled, QRectF((500 - 132) / 2.0, 68, 132, 132)); // min(420, 320 - 188, 500 - 96)
    chart.setTitle(QString());
    const QRectF untitled = impl->pieRect(size);
    const int side = 320 - 188 + kChartTitleBand;
    EXPECT_EQ(untitled, QRectF((500 - side) / 2.0, 68 - kChartTitleBand, side, side));
    EXPECT_EQ(impl->legendArea(untitled, size).top(), untitled.bottom() + 24);

    chart.setLegendPosition(0);
    EXPECT_EQ(impl->pieRect(size).top(), 132 - kChartTitleBand);
    EXPECT_EQ(impl->legendArea(impl->pieRect(size), size).top(), 48 - kChartTitleBand);
    chart.setLegendPosition(3);
    EXPECT_EQ(impl->legendArea(impl->pieRect(size), size),
              QRectF(24, 72 - kChartTitleBand, 500 / 3, 320 - 120 + kChartTitleBand));
}
