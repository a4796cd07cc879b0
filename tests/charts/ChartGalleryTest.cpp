// Renders the charts on real OpenGL surfaces (Mesa under Xvfb) and checks
// pixels that must be there. With CVN_CHART_GALLERY set to a file path the
// gallery picture is saved there for a look.

#include "CVNQECGChart.h"
#include "CVNQICDChart.h"
#include "CVNQLineChart.h"
#include "CVNQOpenGLPieChart.h"
#include "TestUtil.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QtMath>
#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

QImage grabWidget(QWidget* w)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint topLeft = w->mapToGlobal(QPoint(0, 0));
    return screen->grabWindow(0, topLeft.x(), topLeft.y(), w->width(), w->height()).toImage();
}

QVector<double> wave(int n, double base, double amp, double phase)
{
    QVector<double> v;
    for (int i = 0; i < n; ++i)
        v.append(base + amp * std::sin(i * 0.7 + phase));
    return v;
}

} // namespace

TEST(ChartGallery, RendersEveryChartOnItsSurface)
{
    QWidget window;
    window.setStyleSheet(QStringLiteral("background: rgb(40, 44, 52);"));
    auto* grid = new QGridLayout(&window);

    auto* line = new CVNQLineChart;
    line->setAnimationEnabled(false);
    line->setTitle(QStringLiteral("Energy"));
    line->setCategories({"00:00", "04:00", "08:00", "12:00", "16:00", "20:00", "24:00", "28:00"});
    ChartSeries a;
    a.name = QStringLiteral("Energy output");
    a.values = wave(8, 40, 20, 0);
    a.smooth = true;
    a.area = true;
    ChartSeries b;
    b.name = QStringLiteral("AI forecast");
    b.values = wave(8, 35, 15, 1);
    line->setSeries({a, b});
    line->setTooltipMode(2);
    line->setTooltipEnabled(true);
    grid->addWidget(line, 0, 0);

    auto* dark = new CVNQLineChart;
    dark->setAnimationEnabled(false);
    dark->setTheme(3);
    dark->setLegendPosition(1);
    dark->setTitle(QStringLiteral("Dark, legend right"));
    ChartSeries c = a;
    c.name = QStringLiteral("Hidden one");
    c.visible = false;
    dark->setSeries({a, b, c});
    grid->addWidget(dark, 0, 1);

    auto* pie = new CVNQOpenGLPieChart;
    pie->setAnimationEnabled(false);
    pie->setTheme(1);
    pie->setLabelsVisible(true);
    pie->setLegendPosition(3);
    grid->addWidget(pie, 1, 0);

    auto* donut = new CVNQOpenGLPieChart;
    donut->setAnimationEnabled(false);
    donut->setTheme(2);
    donut->setInnerRadiusRatio(0.6);
    donut->setLegendPosition(0);
    donut->setTitle(QStringLiteral("Donut"));
    grid->addWidget(donut, 1, 1);

    auto* traces = new QWidget;
    traces->setMinimumSize(420, 200);
    auto* ecg = new CVNQECGChart(traces);
    ecg->setGeometry(0, 0, 420, 100);
    ecg->enableFillColor(true, false);
    ecg->setBelowFillColor(QColor(0, 255, 0, 90), QColor(0, 255, 0, 0));
    for (int x = 0; x < 420; x += 4)
        ecg->addData(x, 50 + 30 * std::sin(x / 15.0));
    auto* icd = new CVNQICDChart(traces);
    icd->setGeometry(0, 100, 420, 100);
    icd->setLineColor(QColor(255, 200, 0), QColor());
    for (int x = 0; x < 420; x += 4)
        icd->addData(x, 50 + 20 * std::cos(x / 10.0));
    grid->addWidget(traces, 2, 0);

    // Long series take the fast painting paths.
    auto* dense = new CVNQLineChart;
    dense->setAnimationEnabled(false);
    dense->setTitle(QStringLiteral("10,000 points"));
    dense->setLegendPosition(0);
    ChartSeries d1;
    d1.name = QStringLiteral("Measured");
    d1.showSymbols = false;
    d1.area = true;
    d1.color = QColor(0, 180, 110);
    ChartSeries d2;
    d2.name = QStringLiteral("Forecast");
    d2.showSymbols = false;
    d2.smooth = true;
    for (int i = 0; i < 10000; ++i) {
        const double t = i / 9999.0;
        d1.values.append(500 + 260 * std::sin(t * 6.3) + 60 * std::sin(t * 23) + 25 * std::sin(i * 1.7));
        d2.values.append(480 + 240 * std::sin(t * 6.3 + 0.3));
    }
    dense->setCategories({});
    dense->setSeries({d1, d2});
    grid->addWidget(dense, 2, 1);

    window.resize(1100, 1100);
    window.show();
    TestUtil::spin(400);

    // Hover the energy chart in axis mode so the crosshair and tooltip show.
    const QPoint inPlot(line->width() / 2, line->height() / 2);
    QMouseEvent move(QEvent::MouseMove, inPlot, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(line, &move);
    QMouseEvent move2(QEvent::MouseMove, QPoint(pie->width() / 2 + 60, 130), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(pie, &move2);
    TestUtil::spin(200);

    const QImage lineImage = grabWidget(line);
    EXPECT_EQ(lineImage.pixelColor(3, 3), QColor(255, 255, 255));
    EXPECT_TRUE(TestUtil::hasColor(lineImage, QColor(84, 112, 198), 4));   // first palette colour
    EXPECT_TRUE(TestUtil::hasColor(lineImage, QColor(145, 204, 117), 4));  // second palette colour
    EXPECT_FALSE(line->tooltipText().isEmpty());

    const QImage darkImage = grabWidget(dark);
    EXPECT_EQ(darkImage.pixelColor(3, 3), QColor(16, 20, 28));
    EXPECT_TRUE(TestUtil::hasColor(darkImage, QColor(73, 220, 187), 4));

    const QImage pieImage = grabWidget(pie);
    EXPECT_EQ(pieImage.pixelColor(3, 3), QColor(248, 245, 250));
    EXPECT_TRUE(TestUtil::hasColor(pieImage, QColor(45, 183, 245), 4));

    const QImage donutImage = grabWidget(donut);
    // The hole shows the plot background at the donut's centre.
    const QPoint centre(donut->width() / 2, 132 + qMin(420, qMin(donut->height() - 170, donut->width() - 96)) / 2);
    EXPECT_EQ(donutImage.pixelColor(centre), QColor(255, 255, 255));
    EXPECT_TRUE(TestUtil::hasColor(donutImage, QColor(193, 35, 43), 4));

    const QImage denseImage = grabWidget(dense);
    EXPECT_TRUE(TestUtil::hasColor(denseImage, QColor(0, 180, 110), 4));

    const QImage traceImage = grabWidget(traces);
    EXPECT_TRUE(TestUtil::hasColor(traceImage, QColor(0, 255, 0), 40));
    EXPECT_TRUE(TestUtil::hasColor(traceImage, QColor(255, 200, 0), 40));

    const QByteArray out = qgetenv("CVN_CHART_GALLERY");
    if (!out.isEmpty())
        grabWidget(&window).save(QString::fromLocal8Bit(out));
}
