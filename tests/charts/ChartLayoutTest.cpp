// Layout across the charts: x labels by their step rules, the value-label
// strip at the widget's left edge, the left legend's width, the pie's fixed
// label boxes with their leader lines, and theme font sizes below one.

#include "CVNQBarChart.h"
#include "CVNQBarChartImpl.h"
#include "CVNQChartLayout.h"
#include "CVNQFinancialChart.h"
#include "CVNQFinancialChartImpl.h"
#include "CVNQLineChart.h"
#include "CVNQLineChartImpl.h"
#include "CVNQOpenGLPieChart.h"
#include "CVNQOpenGLPieChartImpl.h"
#include "CVNQScatterChart.h"
#include "CVNQScatterChartImpl.h"
#include "ChartFixture.h"

#include <functional>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

int itemLabels(const ChartPaintProbe& probe)
{
    int n = 0;
    for (const QString& t : probe.texts())
        n += t.startsWith("Item ") ? 1 : 0;
    return n;
}

} // namespace

TEST(ChartLayout, LabelsAndLeftLegendKeepTheirPlaces)
{
    // On a 600-px plot 8 labels fit: 30 categories take every 4th, then the
    // last one too, in place of the one it would cover; 9 categories every 2nd, the last among them.
    ChartFixture<CVNQLineChart, CVNQLineChartImpl> line(QSize(56 + 600 + 40, 420));
    line.widget.setCategories({});
    const struct
    {
        int categories;
        QStringList shown;
    } steps[] = {{30, {"Item 1", "Item 5", "Item 9", "Item 13", "Item 17", "Item 21", "Item 25", "Item 30"}},
                 {9, {"Item 1", "Item 3", "Item 5", "Item 7", "Item 9"}}};
    for (const auto& step : steps) {
        ChartSeries s;
        s.values.fill(3.0, step.categories);
        line.widget.setSeries({s});
        ASSERT_EQ(line.impl->plotRect(line.widget.size()).width(), 600);
        ChartPaintProbe probe(line.widget.size());
        line.probe(probe);
        QStringList shown;
        for (const QString& t : probe.texts())
            if (t.startsWith("Item "))
                shown << t;
        EXPECT_EQ(shown, step.shown) << step.categories;
        // Each centred under its point (the first at the plot's left edge, the last at its right), in an 18-px row 8 px
        // below the plot.
        const QRectF plot = line.impl->plotRect(line.widget.size());
        for (const ProbedText& t : probe.drawnTexts())
            if (t.text.startsWith("Item ")) {
                const int index = t.text.mid(5).toInt() - 1;
                EXPECT_NEAR(t.box.center().x(), plot.left() + index * plot.width() / (step.categories - 1), 0.5)
                    << t.text.toStdString();
                EXPECT_NEAR(t.box.center().y(), plot.bottom() + 8 + 9, 1) << t.text.toStdString();
            }
    }

    // A left legend moves the plot but not the value labels; its area is
    // max(plot.left - 24, 96) wide.
    line.widget.setLegendPosition(3);
    const QRectF plot = line.impl->plotRect(line.widget.size());
    EXPECT_EQ(plot.left(), 56 + 176);
    EXPECT_EQ(cvnChartLegendArea(plot, line.widget.size(), 3), QRectF(14, plot.top(), 208, plot.height()));
    ChartPaintProbe left(line.widget.size());
    line.probe(left);
    for (const ProbedText& t : left.drawnTexts())
        if (t.text == "0") {
            EXPECT_LE(t.box.right(), 56 - 6 + 0.5);
        }

    // The bar chart labels categories while their texts fit side by side.
    ChartFixture<CVNQBarChart, CVNQBarChartImpl> bars(QSize(696, 420));
    BarSeries b;
    b.values.fill(2.0, 30);
    bars.widget.setCategories({});
    bars.widget.setSeries({b});
    ChartPaintProbe barProbe(bars.widget.size());
    bars.probe(barProbe);
    EXPECT_EQ(itemLabels(barProbe), 12);
    EXPECT_EQ(barProbe.overlaps(), QStringList());
}

TEST(ChartLayout, PieLabelsUseFixedBoxesAndAlwaysALeaderLine)
{
    ChartFixture<CVNQOpenGLPieChart, CVNQOpenGLPieChartImpl> c(QSize(480, 400));
    c.widget.setLegendPosition(3);
    ChartPaintProbe plain(c.widget.size());
    c.probe(plain);
    c.widget.setLabelsVisible(true);
    ChartPaintProbe labelled(c.widget.size());
    c.probe(labelled);
    // Two leader lines per slice, also where a label runs off the widget.
    EXPECT_EQ(labelled.shapes() - plain.shapes(), 5 * 2);
    for (const char* label :
         {"Search Engine  33.3%", "Direct  23.36%", "Email  18.43%", "Union Ads  15.38%", "Video Ads  9.53%"})
        EXPECT_TRUE(labelled.texts().contains(label)) << label;

    // Slices too thin for a label each: one that would cover the last goes with its line.
    c.widget.setSlices(QVector<PieSlice>(1000, PieSlice{"s", 1, QColor(), true}));
    ChartPaintProbe crowded(c.widget.size());
    c.probe(crowded);
    EXPECT_EQ(crowded.overlaps().filter(QRegularExpression("^s  .* \\| s  ")), QStringList());
    EXPECT_LT(crowded.texts().filter(QRegularExpression("^s  ")).size(), 60);
}

TEST(ChartLayout, ThemeFontSizesBelowOneDrawAtOnePixel)
{
    ChartTheme tiny = CVNQChartBase::presetTheme(0);
    tiny.titleFontSize = 0;
    tiny.labelFontSize = -4;
    tiny.tooltipFontSize = 0;
    ChartFixture<CVNQLineChart, CVNQLineChartImpl> line(QSize(600, 400));
    ChartFixture<CVNQBarChart, CVNQBarChartImpl> bars(QSize(600, 400));
    ChartFixture<CVNQFinancialChart, CVNQFinancialChartImpl> money(QSize(600, 400));
    ChartFixture<CVNQScatterChart, CVNQScatterChartImpl> dots(QSize(600, 400));
    const struct
    {
        CVNQChartBase* chart;
        std::function<void(ChartPaintProbe&)> probe;
        std::function<QVector<ChartLegendItem>()> legend;
    } charts[] = {
        {&line.widget, [&](ChartPaintProbe& probe) { line.probe(probe); },
         [&] { return line.impl->legendItems(line.impl->plotRect(line.widget.size()), line.widget.size()); }},
        {&bars.widget, [&](ChartPaintProbe& probe) { bars.probe(probe); },
         [&] { return bars.impl->legendItems(bars.impl->plotRect(bars.widget.size()), bars.widget.size()); }},
        {&money.widget, [&](ChartPaintProbe& probe) { money.probe(probe); }, nullptr},
        {&dots.widget, [&](ChartPaintProbe& probe) { dots.probe(probe); }, nullptr},
    };
    for (const auto& c : charts) {
        c.chart->setTheme(tiny);
        c.chart->showTooltip(QPoint(100, 100), QStringLiteral("tip"));
        ChartPaintProbe probe(c.chart->size());
        c.probe(probe);
        // Title, value and category labels, legend and tooltip.
        EXPECT_GE(probe.drawnTexts().size(), 6 + 7 + 3);
        for (const ProbedText& t : probe.drawnTexts()) {
            // The financial and scatter charts keep sizes of their own.
            if (c.legend)
                EXPECT_EQ(t.font.pixelSize(), 1) << t.text.toStdString();
            // Title and tooltip in the theme's text colour, every label in its
            // secondary one; the averages' keys take their lines' colours.
            const bool heading = t.text == "tip" || t.text.endsWith(" Chart");
            if (!t.text.startsWith("MA"))
                EXPECT_EQ(t.color, heading ? tiny.textColor : tiny.secondaryTextColor) << t.text.toStdString();
        }
        if (!c.legend)
            continue;
        // The legend is measured in that font too.
        const ProbedText entry = probe.find(QStringLiteral("Data"));
        ASSERT_FALSE(entry.text.isEmpty());
        EXPECT_NEAR(c.legend().first().rect.width(), entry.box.width() + 38, 1);
    }
}

// Legends on every side with entries wider than their area: the first entry
// starts at the area's top left, each further one goes on in its row or opens
// the next row at the left edge right below, never leaving a row empty.
TEST(ChartLayout, LegendEntriesWiderThanTheAreaKeepTheirRows)
{
    const QString wide = QStringLiteral("Output of the northern wind farm, turbines one to forty, ").repeated(3);
    ChartFixture<CVNQLineChart, CVNQLineChartImpl> line(QSize(600, 400));
    ChartFixture<CVNQBarChart, CVNQBarChartImpl> bars(QSize(600, 400));
    ChartFixture<CVNQScatterChart, CVNQScatterChartImpl> dots(QSize(600, 400));
    ChartFixture<CVNQOpenGLPieChart, CVNQOpenGLPieChartImpl> pie(QSize(600, 400));
    line.widget.setSeries({{wide, {1, 2}}, {"b", {2, 1}}, {wide, {3, 1}}});
    bars.widget.setSeries({{wide, {1, 2}, QColor(), QColor(), true}, {"b", {2, 1}, QColor(), QColor(), true}});
    QVector<ScatterSeries> clouds(3);
    clouds[0].name = clouds[2].name = wide;
    clouds[1].name = "b";
    dots.widget.setSeries(clouds);
    pie.widget.setSlices({{wide, 1}, {"b", 2}, {wide, 3}, {"d", 1}});
    // A chart's legend area and its entries as laid out there.
    using Legend = std::pair<QRectF, QVector<ChartLegendItem>>;
    const auto beside = [](auto& c) {
        const QRectF plot = c.impl->plotRect(c.widget.size());
        return Legend(cvnChartLegendArea(plot, c.widget.size(), c.widget.legendPosition()),
                      c.impl->legendItems(plot, c.widget.size()));
    };
    const std::vector<std::pair<CVNQChartBase*, std::function<Legend()>>> charts = {
        {&line.widget, [&] { return beside(line); }},
        {&bars.widget, [&] { return beside(bars); }},
        {&dots.widget, [&] { return beside(dots); }},
        {&pie.widget,
         [&] {
             const QRectF area = pie.impl->legendArea(pie.impl->pieRect(pie.widget.size()), pie.widget.size());
             return Legend(area, pie.impl->legendItems(area));
         }},
    };
    for (const auto& c : charts) {
        for (int position = 0; position < 4; ++position) {
            c.first->setLegendPosition(position);
            const Legend legend = c.second();
            const QRectF& area = legend.first;
            const QVector<ChartLegendItem>& items = legend.second;
            ASSERT_GE(items.size(), 2) << c.first->metaObject()->className() << " " << position;
            EXPECT_EQ(items.first().rect.topLeft(), QPointF(qRound(area.left()), qRound(area.top())))
                << c.first->metaObject()->className() << " " << position;
            for (int i = 1; i < items.size(); ++i) {
                const QRectF before = items.at(i - 1).rect;
                const QRectF r = items.at(i).rect;
                const bool inRow = r.top() == before.top() && r.left() > before.right();
                const bool nextRow =
                    r.left() == qRound(area.left()) && r.top() > before.top() && r.top() <= before.bottom() + 8;
                EXPECT_TRUE(inRow || nextRow) << c.first->metaObject()->className() << " " << position << " " << i;
            }
        }
    }
}
