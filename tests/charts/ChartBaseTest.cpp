// Chart base: presets and custom themes, the colour rule and the number
// format, the intro animation and the tooltip box.

#include "CVNQChartBase.h"
#include "CVNQChartTypes.h"
#include "ChartPaintProbe.h"
#include "TestUtil.h"

#include <QPainter>
#include <QVariantAnimation>
#include <QtMath>
#include <gtest/gtest.h>
#include <limits>

using namespace CVNQtLib;

namespace {

// Whether the chart's intro animation is running (it owns the animation).
bool animationRuns(const CVNQChartBase& chart)
{
    const auto* animation = chart.findChild<QVariantAnimation*>();
    return animation && animation->state() == QAbstractAnimation::Running;
}

} // namespace

TEST(ChartTheme, PresetsAndUnknownIndex)
{
    const ChartTheme dark = CVNQChartBase::presetTheme(3);
    EXPECT_EQ(dark.name, "Dark");
    EXPECT_EQ(dark.backgroundColor, QColor(16, 20, 28));
    EXPECT_EQ(dark.plotBackgroundColor, QColor(24, 30, 42));
    EXPECT_EQ(dark.crosshairColor, QColor(132, 147, 173, 210));
    ASSERT_EQ(dark.palette.size(), 6);
    EXPECT_EQ(dark.palette.first(), QColor(73, 220, 187));
    EXPECT_EQ(dark.palette.last(), QColor(102, 205, 249));

    const ChartTheme macarons = CVNQChartBase::presetTheme(1);
    EXPECT_EQ(macarons.name, "Macarons");
    EXPECT_EQ(macarons.crosshairColor.alpha(), 190);
    EXPECT_EQ(macarons.palette.at(1), QColor(239, 90, 161));
    EXPECT_EQ(CVNQChartBase::presetTheme(2).palette.at(2), QColor(252, 206, 16));
    // Every preset whole: background, plot, text, axis, secondary text, grid
    // and crosshair (its alpha first), then the six series colours.
    const char* const presets[] = {"Default 180 #ffffff #ffffff #434c5e #919aaa #656f80 #e5e9f2 #abb3bf "
                                   "#5470c6 #91cc75 #fac858 #ee6666 #73c0de #3ba272",
                                   "Macarons 190 #f8f5fa #ffffff #5a5474 #b9b0cd #7a7191 #e8e2f0 #b3a6d1 "
                                   "#2db7f5 #ef5aa1 #fac858 #72cc68 #fb8435 #9b5ee6",
                                   "Shine 190 #fffbf5 #ffffff #6f4e37 #ccb094 #8a694d #f3e3d2 #ddb68c "
                                   "#c1232b #27727b #fcce10 #e87c25 #27ae60 #8e44ad",
                                   "Dark 210 #10141c #181e2a #e9eef7 #606e84 #a9b5c9 #3a4354 #8493ad "
                                   "#49dcbb #729fff #ffc25c #ff7886 #ac78ff #66cdf9"};
    for (int i = 0; i < 4; ++i) {
        const ChartTheme t = CVNQChartBase::presetTheme(i);
        QStringList shown{t.name, QString::number(t.crosshairColor.alpha())};
        for (const QColor& c : QVector<QColor>{t.backgroundColor, t.plotBackgroundColor, t.textColor, t.axisColor,
                                               t.secondaryTextColor, t.gridColor, t.crosshairColor} +
                                   t.palette)
            shown << c.name();
        EXPECT_EQ(shown.join(' ').toStdString(), presets[i]);
    }

    for (int index : {-1, 0, 4, 7}) {
        const ChartTheme t = CVNQChartBase::presetTheme(index);
        EXPECT_EQ(t.name, "Default") << index;
        EXPECT_EQ(t.textColor, QColor(67, 76, 94));
        EXPECT_EQ(t.titleFontSize, 16);
        EXPECT_EQ(t.hoverSymbolRadius, 5.5);
    }

    // A default-built theme has the Default colours but no name and no palette.
    const ChartTheme plain;
    EXPECT_TRUE(plain.name.isEmpty());
    EXPECT_TRUE(plain.palette.isEmpty());
    EXPECT_EQ(plain.gridColor, QColor(229, 233, 242));
    EXPECT_EQ(plain.barCornerRadius, 6.0);
    const ChartTheme preset = CVNQChartBase::presetTheme(0);
    for (QColor ChartTheme::*colour :
         {&ChartTheme::backgroundColor, &ChartTheme::plotBackgroundColor, &ChartTheme::textColor,
          &ChartTheme::axisColor, &ChartTheme::secondaryTextColor, &ChartTheme::gridColor, &ChartTheme::crosshairColor})
        EXPECT_EQ((plain.*colour).rgba(), (preset.*colour).rgba());
}

TEST(ChartTheme, SettingThemesOnAChart)
{
    CVNQChartBase chart;
    chart.setTheme(7);
    EXPECT_EQ(chart.themePreset(), 7);
    EXPECT_EQ(chart.theme().name, "Default");

    chart.setTheme(3);
    ChartTheme custom = chart.theme();
    custom.name = "Wind";
    custom.backgroundColor = QColor(1, 2, 3);
    chart.setTheme(custom);
    EXPECT_EQ(chart.themePreset(), 0);
    EXPECT_EQ(chart.theme().name, "Wind");
    EXPECT_EQ(chart.backgroundColor(), QColor(1, 2, 3));

    chart.setBackgroundColor(QColor(9, 9, 9));
    EXPECT_EQ(chart.backgroundColor(), QColor(9, 9, 9));
    chart.setBackgroundColor(QColor());
    EXPECT_EQ(chart.backgroundColor(), QColor(1, 2, 3));
}

TEST(ChartTheme, SurfaceFormat)
{
    CVNQChartBase chart;
    const QSurfaceFormat f = chart.format();
    EXPECT_EQ(f.samples(), 4);
    EXPECT_EQ(f.depthBufferSize(), 24);
    EXPECT_EQ(f.stencilBufferSize(), 8);
    EXPECT_EQ(f.swapBehavior(), QSurfaceFormat::DoubleBuffer);
    EXPECT_EQ(f.renderableType(), QSurfaceFormat::OpenGL);
}

TEST(ChartColourRule, OwnColourPaletteAndFallback)
{
    ChartTheme theme = CVNQChartBase::presetTheme(0);
    EXPECT_EQ(cvnChartColor(theme, QColor(1, 2, 3), 4), QColor(1, 2, 3));
    EXPECT_EQ(cvnChartColor(theme, QColor(), 1), QColor(145, 204, 117));
    EXPECT_EQ(cvnChartColor(theme, QColor(), 7), theme.palette.at(1));
    theme.palette.clear();
    EXPECT_EQ(cvnChartColor(theme, QColor(), 0), QColor(84, 112, 198));
    EXPECT_EQ(cvnChartColor(theme, QColor(), 5), QColor(84, 112, 198));
}

TEST(ChartNumberFormat, TrimsZerosAndGuardsOddValues)
{
    EXPECT_EQ(cvnChartNumber(150.0), "150");
    EXPECT_EQ(cvnChartNumber(2.5), "2.5");
    EXPECT_EQ(cvnChartNumber(3.14), "3.14");
    EXPECT_EQ(cvnChartNumber(3.14159), "3.14");
    EXPECT_EQ(cvnChartNumber(0.999), "1");
    EXPECT_EQ(cvnChartNumber(-12.0), "-12");
    EXPECT_EQ(cvnChartNumber(52322127.0), "52322127");
    EXPECT_EQ(cvnChartNumber(100.10), "100.1");
    // A label step that lands a hair below zero reads 0, not -0.
    EXPECT_EQ(cvnChartNumber(-1e-15), "0");
    EXPECT_EQ(cvnChartNumber(-0.004), "0");
    EXPECT_EQ(cvnChartNumber(std::numeric_limits<double>::quiet_NaN()), "0");
    EXPECT_EQ(cvnChartNumber(std::numeric_limits<double>::infinity()), "0");
}

TEST(ChartAnimation, DurationProgressAndReplay)
{
    CVNQChartBase chart;
    EXPECT_EQ(chart.animationDuration(), 700);
    EXPECT_EQ(chart.animationProgress(), 1.0);

    chart.setAnimationDuration(-5);
    EXPECT_EQ(chart.animationDuration(), 0);

    chart.setAnimationDuration(200);
    chart.replayAnimation();
    EXPECT_LT(chart.animationProgress(), 0.5);
    ASSERT_TRUE(TestUtil::waitFor([&chart] { return !animationRuns(chart); }));
    EXPECT_DOUBLE_EQ(chart.animationProgress(), 1.0);

    // Switching the animation off mid-run jumps to the end.
    chart.setAnimationDuration(5000);
    chart.replayAnimation();
    ASSERT_TRUE(TestUtil::waitFor([&chart] { return chart.animationProgress() > 0.0; })); // under way
    EXPECT_LT(chart.animationProgress(), 1.0);
    chart.setAnimationEnabled(false);
    EXPECT_EQ(chart.animationProgress(), 1.0);
    EXPECT_FALSE(animationRuns(chart)); // so no later step can move it
    TestUtil::flushEvents();
    EXPECT_EQ(chart.animationProgress(), 1.0);

    // Replaying while disabled draws complete at once.
    chart.replayAnimation();
    EXPECT_EQ(chart.animationProgress(), 1.0);
}

TEST(ChartTooltip, BoxFlipsAndClamps)
{
    const QRect widget(0, 0, 400, 300);
    const QSizeF box(120, 50);

    // Room below-right: 16 right and 20 below the anchor.
    EXPECT_EQ(CVNQChartBase::tooltipBoxRect(widget, QPoint(50, 40), box), QRectF(66, 60, 120, 50));

    // Near the bottom-right corner: pushed left to end 8 px inside, flipped above.
    const QRectF corner = CVNQChartBase::tooltipBoxRect(widget, QPoint(390, 290), box);
    EXPECT_DOUBLE_EQ(corner.right(), 392.0);
    EXPECT_DOUBLE_EQ(corner.top(), 290.0 - 50 - 16);

    // A box larger than the widget never starts above or left of the inset.
    const QRectF huge = CVNQChartBase::tooltipBoxRect(widget, QPoint(10, 10), QSizeF(600, 500));
    EXPECT_DOUBLE_EQ(huge.left(), 8.0);
    EXPECT_DOUBLE_EQ(huge.top(), 8.0);
}

TEST(ChartTooltip, ShowHideAndPaint)
{
    CVNQChartBase chart;
    chart.resize(300, 200);
    chart.hideTooltip();
    EXPECT_TRUE(chart.tooltipText().isEmpty());
    chart.showTooltip(QPoint(20, 20), "Mon\nData: 150");
    EXPECT_EQ(chart.tooltipText(), "Mon\nData: 150");
    EXPECT_EQ(chart.tooltipPos(), QPoint(20, 20));

    QImage light(300, 200, QImage::Format_ARGB32);
    light.fill(Qt::black);
    {
        QPainter p(&light);
        chart.paintTooltip(p);
    }
    // A light theme draws a nearly white box.
    EXPECT_GT(qGray(light.pixel(60, 50)), 200);

    chart.setTheme(3);
    QImage dark(300, 200, QImage::Format_ARGB32);
    dark.fill(Qt::white);
    {
        QPainter p(&dark);
        chart.paintTooltip(p);
    }
    EXPECT_LT(qGray(dark.pixel(60, 50)), 80);

    // A bold font left on the painter (by a title) does not carry over.
    ChartPaintProbe probe(QSize(300, 200));
    {
        QPainter p(&probe);
        QFont bold = p.font();
        bold.setBold(true);
        p.setFont(bold);
        chart.paintTooltip(p);
    }
    ASSERT_FALSE(probe.drawnTexts().isEmpty());
    for (const ProbedText& t : probe.drawnTexts()) {
        EXPECT_FALSE(t.font.bold()) << t.text.toStdString();
        EXPECT_EQ(t.font.pixelSize(), 12);
    }
    // A theme's tooltip size below one draws at one pixel.
    ChartTheme tiny = chart.theme();
    tiny.tooltipFontSize = 0;
    chart.setTheme(tiny);
    ChartPaintProbe small(QSize(300, 200));
    {
        QPainter p(&small);
        chart.paintTooltip(p);
    }
    ASSERT_FALSE(small.drawnTexts().isEmpty());
    EXPECT_EQ(small.drawnTexts().first().font.pixelSize(), 1);

    chart.hideTooltip();
    EXPECT_TRUE(chart.tooltipText().isEmpty());
}

TEST(ChartAnimation, EveryRunStartsFromZeroAndEndsAtOne)
{
    CVNQChartBase chart;
    chart.setAnimationDuration(10000);
    chart.replayAnimation();
    chart.setAnimationEnabled(false); // stopped where it began
    chart.setAnimationEnabled(true);
    // The rerun begins at 0 although the animation's value did not change.
    chart.replayAnimation();
    EXPECT_EQ(chart.animationProgress(), 0.0);

    // Zero-length runs end complete, also when repeated.
    chart.setAnimationDuration(0);
    for (int run = 0; run < 2; ++run) {
        chart.replayAnimation();
        ASSERT_TRUE(TestUtil::waitFor([&chart] { return !animationRuns(chart); })) << run;
        EXPECT_EQ(chart.animationProgress(), 1.0) << run;
    }
}
