// Chart registration: order, descriptors, creation by type name, and the
// charts' JSON side.

#include "CVNJson.h"
#include "CVNQBarChart.h"
#include "CVNQChartRegistration.h"
#include "CVNQECGChart.h"
#include "CVNQFinancialChart.h"
#include "CVNQICDChart.h"
#include "CVNQLineChart.h"
#include "CVNQOpenGLPieChart.h"
#include "CVNQScatterChart.h"
#include "CVNQtLib.h"
#include "TestUtil.h"

#include <QScopedPointer>
#include <gtest/gtest.h>

using namespace CVNQtLib;

TEST(ChartRegistration, OrderAndDescriptors)
{
    const std::vector<ChartControlType> types = cvnChartControlTypes();
    ASSERT_EQ(types.size(), 5u);
    const char* order[] = {"qtbarchart", "qtlinechart", "qtopenglpiechart", "qtscatterchart", "qtfinancialchart"};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_STREQ(types.at(i).typeName, order[i]);
        EXPECT_EQ(types.at(i).props().typeName, order[i]);
    }

    const ControlInfo line = CVNQLineChart::getProps();
    EXPECT_EQ(line.version, 1);
    EXPECT_EQ(line.typeName, "qtlinechart");
    EXPECT_EQ(line.className, "CVNQLineChart");
    EXPECT_EQ(line.shortName, "LineChart");
    EXPECT_EQ(line.description, "OpenGL Line Chart");
    EXPECT_EQ(line.key, "columnChart");
    EXPECT_TRUE(line.properties.empty());

    const ControlInfo pie = CVNQOpenGLPieChart::getProps();
    EXPECT_EQ(pie.className, "CVNQOpenGLPieChart");
    EXPECT_EQ(pie.shortName, "PieChart");
    EXPECT_EQ(pie.description, "OpenGL Pie Chart");
    EXPECT_EQ(pie.key, "pieChart");
    EXPECT_TRUE(pie.properties.empty());
}

TEST(ChartRegistration, CreatesChartsByTypeName)
{
    init();
    EXPECT_EQ(createControlByTypeName("qtopenglpiechart", nullptr), nullptr);
    cvnRegisterChartControls();
    cvnRegisterChartControls(); // a second call registers the same entries again

    QScopedPointer<QWidget> pieWidget(createControlByTypeName("qtopenglpiechart", nullptr));
    auto* pie = qobject_cast<CVNQOpenGLPieChart*>(pieWidget.data());
    ASSERT_NE(pie, nullptr);
    EXPECT_EQ(pie->slices().size(), 5);

    QScopedPointer<QWidget> lineWidget(createControlByTypeName("qtlinechart", nullptr));
    auto* line = qobject_cast<CVNQLineChart*>(lineWidget.data());
    ASSERT_NE(line, nullptr);
    ASSERT_EQ(line->series().size(), 1);
    EXPECT_EQ(line->series().first().values.size(), 7);

    // The charts that always carry demonstration data.
    QScopedPointer<QWidget> barWidget(createControlByTypeName("qtbarchart", nullptr));
    auto* bar = qobject_cast<CVNQBarChart*>(barWidget.data());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->series().size(), 1);
    EXPECT_EQ(bar->series().first().values.size(), 7);
    QScopedPointer<QWidget> scatterWidget(createControlByTypeName("qtscatterchart", nullptr));
    auto* scatter = qobject_cast<CVNQScatterChart*>(scatterWidget.data());
    ASSERT_NE(scatter, nullptr);
    EXPECT_EQ(scatter->series().size(), 2);
    QScopedPointer<QWidget> financialWidget(createControlByTypeName("qtfinancialchart", nullptr));
    auto* financial = qobject_cast<CVNQFinancialChart*>(financialWidget.data());
    ASSERT_NE(financial, nullptr);
    EXPECT_EQ(financial->candles().size(), 62);
    EXPECT_EQ(financial->intradayPoints().size(), 49);
    const char* descriptors[][4] = {
        {"qtbarchart", "CVNQBarChart", "BarChart", "OpenGL Bar Chart"},
        {"qtscatterchart", "CVNQScatterChart", "ScatterChart", "OpenGL Scatter Chart"},
        {"qtfinancialchart", "CVNQFinancialChart", "FinancialChart", "OpenGL Financial Chart"}};
    for (const auto& d : descriptors) {
        const ControlInfo* chart = cvnGetControlInfo(d[0]);
        ASSERT_NE(chart, nullptr) << d[0];
        EXPECT_EQ(chart->version, 1);
        EXPECT_EQ(chart->className, d[1]);
        EXPECT_EQ(chart->shortName, d[2]);
        EXPECT_EQ(chart->description, d[3]);
        EXPECT_EQ(chart->key, "columnChart");
        EXPECT_TRUE(chart->properties.empty());
    }

    const ControlInfo* info = cvnGetControlInfo("qtlinechart");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->className, "CVNQLineChart");
    EXPECT_TRUE(info->properties.empty());
    ASSERT_NE(cvnGetControlInfo("qtopenglpiechart"), nullptr);
    EXPECT_EQ(cvnGetControlInfo("qtopenglpiechart")->key, "pieChart");

    // The trace charts stay out of the registry: their type name creates
    // nothing, only their own create functions do.
    EXPECT_EQ(createControlByTypeName("qtecgchart", nullptr), nullptr);
    EXPECT_EQ(cvnGetControlInfo("qtecgchart"), nullptr);
    QScopedPointer<QWidget> ecg(CVNQECGChart::createCVNQECGChart());
    ASSERT_NE(qobject_cast<CVNQECGChart*>(ecg.data()), nullptr);
    EXPECT_EQ(ecg->parentWidget(), nullptr);
    QScopedPointer<QWidget> icd(CVNQICDChart::createCVNQICDChart());
    ASSERT_NE(qobject_cast<CVNQICDChart*>(icd.data()), nullptr);
    EXPECT_EQ(icd->parentWidget(), nullptr);
}

TEST(ChartRegistration, JsonCommonAttributesOnly)
{
    QWidget host;
    auto* chart = new CVNQLineChart(&host);
    Json::Value node = TestUtil::json(R"({"type": "qtlinechart", "name": "energy", "x": 10, "y": 20,
                                          "w": 500, "h": 300, "attr": {"title": "ignored"}})");
    EXPECT_TRUE(chart->readJsonValue(&node));
    EXPECT_EQ(chart->objectName(), "energy");
    void* data = nullptr;
    chart->getLayoutData(data);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(static_cast<int*>(data)[2], 500);

    Json::Value out;
    EXPECT_TRUE(chart->serializeJsonValue(&out, false));
    EXPECT_EQ(jsonString(out, "type"), "qtlinechart");
    EXPECT_EQ(jsonString(out, "name"), "energy");
    EXPECT_EQ(jsonInt(out, "h"), 300);

    // Only the first non-empty JSON text is applied.
    auto* pie = new CVNQOpenGLPieChart(&host);
    pie->setJsonData(R"({"name": "health"})");
    pie->setJsonData(R"({"name": "other"})");
    EXPECT_EQ(pie->objectName(), "health");
    EXPECT_EQ(pie->jsonData(), R"({"name": "other"})");
}
