// A chart with an empty title keeps the titled geometry: the line chart's
// plot starts at marginTop and the pie and its legends stay where they are.

#include "CVNQChartLayout.h"
#include "CVNQLineChart.h"
#include "CVNQLineChartImpl.h"
#include "CVNQOpenGLPieChart.h"
#include "CVNQOpenGLPieChartImpl.h"

#include <gtest/gtest.h>

using namespace CVNQtLib;

TEST(UntitledChart, KeepsTheTitledGeometry)
{
    CVNQLineChart line;
    line.setAnimationEnabled(false);
    line.resize(800, 500);
    auto* lineImpl = static_cast<CVNQLineChartImpl*>(line.getControlImpl());
    ChartSeries s;
    s.values = {1, 2, 3};
    line.setSeries({s});
    line.setLegendPosition(0);
    const QSize size = line.size();
    const QRectF titled = lineImpl->plotRect(size);
    line.setTitle(QString());
    EXPECT_EQ(lineImpl->plotRect(size), titled);
    EXPECT_EQ(titled.top(), 48 + 40);
    EXPECT_EQ(cvnChartLegendArea(titled, size, 0).top(), 44);
    line.setLegendPosition(2);
    EXPECT_EQ(lineImpl->plotRect(size).top(), 48);

    CVNQOpenGLPieChart pie;
    pie.setAnimationEnabled(false);
    pie.resize(500, 320);
    auto* pieImpl = static_cast<CVNQOpenGLPieChartImpl*>(pie.getControlImpl());
    pie.setTitle(QString());
    const QSize pieSize = pie.size();
    const QRectF square = pieImpl->pieRect(pieSize);
    EXPECT_EQ(square, QRectF((500 - 132) / 2.0, 68, 132, 132)); // min(420, 320 - 188, 500 - 96)
    EXPECT_EQ(pieImpl->legendArea(square, pieSize).top(), square.bottom() + 24);
    pie.setLegendPosition(0);
    EXPECT_EQ(pieImpl->pieRect(pieSize).top(), 132);
    EXPECT_EQ(pieImpl->legendArea(pieImpl->pieRect(pieSize), pieSize).top(), 48);
    pie.setLegendPosition(3);
    EXPECT_EQ(pieImpl->legendArea(pieImpl->pieRect(pieSize), pieSize), QRectF(24, 72, 500 / 3, 320 - 120));
}
