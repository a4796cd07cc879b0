// Chart texts reach the OpenGL surface as kept images: they must look as
// the texts drawn there directly, wherever their boxes fall inside a pixel,
// however they are aligned, clipped or coloured, and again when kept.

#include "CVNQChartText.h"
#include "CVNQTextLayoutCache.h"
#include "ChartTestSurface.h"

#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

using TextRoutine = void (*)(QPainter&, const QRectF&, int, const QString&);

void keptText(QPainter& p, const QRectF& box, int align, const QString& text)
{
    cvnChartDrawText(p, box, align, text);
}

void drawnText(QPainter& p, const QRectF& box, int align, const QString& text)
{
    cvnDrawCachedText(&p, box, align, text);
}

// Labels as the charts draw them, each three times: a text seen first is
// drawn directly, seen again it is kept, then drawn from the kept image.
SurfaceRoutine labels(TextRoutine draw)
{
    return [draw](QPainter& p) {
        for (int pass = 0; pass < 3; ++pass) {
            const double dy = pass * 200;
            QFont font = p.font();
            font.setPixelSize(16);
            font.setBold(true);
            p.setFont(font);
            p.setPen(QColor(67, 76, 94));
            draw(p, QRectF(0, 10 + dy, 500, 24), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Energy Output"));
            font.setPixelSize(11);
            font.setBold(false);
            p.setFont(font);
            p.setPen(QColor(101, 111, 128));
            for (int i = 0; i < 6; ++i) {
                const double y = 48.37 + 23.61 * i + dy;
                draw(p, QRectF(4, y - 8, 46, 16), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(151.69 - 30.3 * i));
                draw(p, QRectF(80.5 + 61.3 * i, y, 68, 18), Qt::AlignCenter, QStringLiteral("11/%1").arg(9 + i));
            }
            // Too long for its box: clipped on the left, as slice labels are.
            p.setPen(QColor(238, 102, 102).lighter(145));
            draw(p, QRectF(120.25, 180.5 + dy, 60, 16), Qt::AlignRight | Qt::AlignVCenter,
                 QStringLiteral("Search Engine  33.96%"));
            draw(p, QRectF(300.7, 180.2 + dy, 160, 16), Qt::AlignLeft | Qt::AlignVCenter,
                 QStringLiteral("AI forecast"));
        }
    };
}

} // namespace

TEST(ChartText, KeptTextsLookAsDrawnOnTheSurface)
{
    const QVector<QImage> shots = paintedOnSurfaces(QSize(500, 600), {labels(keptText), labels(drawnText)});
    ASSERT_EQ(shots.size(), 2);
    int inked = 0;
    for (int y = 0; y < shots[0].height(); ++y) {
        for (int x = 0; x < shots[0].width(); ++x) {
            const QColor kept = shots[0].pixelColor(x, y);
            const QColor drawn = shots[1].pixelColor(x, y);
            // The glyphs' coverage is rounded once more in a kept image.
            ASSERT_TRUE(TestUtil::near(kept, drawn, 2)) << x << "," << y;
            inked += drawn != QColor(Qt::white);
        }
    }
    EXPECT_GT(inked, 2250);
}

// A kept text image is reused only for the same font, text, alignment,
// colour, antialiasing, direction, box size and place inside a pixel.
TEST(ChartText, KeptTextsFollowEveryInputOfTheirKey)
{
    struct Set
    {
        QString text = QStringLiteral("Output 42");
        int px = 12;
        bool bold = false;
        int align = Qt::AlignLeft | Qt::AlignVCenter;
        QColor pen = QColor(60, 70, 90);
        bool smooth = true;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        QRectF box = QRectF(10, 10, 90, 20);
    };
    QVector<Set> sets(12);
    sets[1].text = QStringLiteral("Output 43");
    sets[2].px = 13;
    sets[3].bold = true;
    sets[4].align = Qt::AlignRight | Qt::AlignVCenter;
    sets[5].pen = QColor(61, 70, 90);
    sets[6].smooth = false;
    sets[7].direction = Qt::RightToLeft;
    sets[8].box.setWidth(91);
    sets[9].box.setHeight(14);
    sets[10].box.moveLeft(10.5);
    sets[11].box.moveTop(10.25);
    EXPECT_TRUE(TestUtil::cacheFollowsEveryInput(
        sets.size(),
        [&](int i) {
            const Set s = sets[i];
            return paintedOnSurfaces(QSize(120, 40), {[s](QPainter& p) {
                                         QFont font = p.font();
                                         font.setPixelSize(s.px);
                                         font.setBold(s.bold);
                                         p.setFont(font);
                                         p.setPen(s.pen);
                                         p.setRenderHint(QPainter::TextAntialiasing, s.smooth);
                                         p.setLayoutDirection(s.direction);
                                         cvnChartDrawText(p, s.box, s.align, s.text);
                                     }})
                .value(0);
        },
        [] { cvnChartClearTextImages(); }));
}
