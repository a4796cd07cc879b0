// Bars painted from kept short copies and middles come out as
// QPainter::drawRoundedRect paints them: fresh and from what was kept,
// partly off the image, on shifted painters, and on painters that cannot
// keep pixels.

#include "CVNQChartPainting.h"
#include "TestUtil.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

using namespace CVNQtLib;

namespace {

struct Bar
{
    QRectF rect;
    QColor fill;
    QPen pen;
};

QImage paint(const QVector<Bar>& bars, const QTransform& shift, ChartBarPainter* kept)
{
    QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(250, 248, 240));
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.setTransform(shift);
    p.fillRect(QRectF(0, 60.5, 300, 1), QColor(200, 200, 210)); // a grid line under the bars
    if (kept)
        kept->begin(p);
    for (const Bar& b : bars) {
        if (kept) {
            kept->paint(p, b.rect, 6.0, b.fill, b.pen);
        } else {
            p.setPen(b.pen);
            p.setBrush(b.fill);
            p.drawRoundedRect(b.rect, 6.0, 6.0, Qt::AbsoluteSize);
        }
    }
    if (kept)
        kept->end(p);
    return image;
}

} // namespace

TEST(ChartBarPainter, PaintsWhatRoundedRectsPaint)
{
    const QColor blue(84, 112, 198);
    const QVector<Bar> bars = {
        {QRectF(10.3, 20.71, 8, 150.13), blue, QPen(blue.darker(120), 1.0)},            // tall and narrow
        {QRectF(14.9, 40.2, 8, 120.4), blue.lighter(115), QPen(blue.darker(120), 2.0)}, // overlapping, hovered
        {QRectF(40.55, 150.02, 61.7, 1.0), blue, QPen(blue.darker(120), 1.0)},          // a zero value
        {QRectF(120.125, 100.5, 30.25, 13.4), QColor(0, 160, 0, 140), QPen(QColor(200, 0, 0, 128), 1.0)},
        {QRectF(160.8, -40.3, 20.1, 300.6), QColor(250, 200, 88), QPen(Qt::NoPen)}, // beyond both edges
        {QRectF(290.4, 30.9, 24, 90), blue, QPen(blue.darker(120), 1.0)},           // beyond the right edge
        {QRectF(200.33, 80.47, 12.5, 26.1), blue, QPen(blue.darker(120), 1.0)},     // just above a short copy
        {QRectF(230.5, 500, 10, 40), blue, QPen(blue.darker(120), 1.0)},            // nowhere to be seen
    };
    for (const QTransform& shift : {QTransform(), QTransform::fromTranslate(-7, 3)}) {
        const QImage want = paint(bars, shift, nullptr);
        ChartBarPainter kept;
        EXPECT_LE(TestUtil::largestDifference(want, paint(bars, shift, &kept)), 3) << "fresh";
        EXPECT_LE(TestUtil::largestDifference(want, paint(bars, shift, &kept)), 3) << "kept";
    }
    // A painter that scales cannot take kept pixels: the bars are drawn as they are.
    const QTransform scaled = QTransform::fromScale(1.5, 1.5);
    ChartBarPainter plain;
    EXPECT_EQ(paint(bars, scaled, nullptr), paint(bars, scaled, &plain));
}

// A kept corner or middle is reused only for the same fill, outline,
// radius, size and place inside a pixel.
TEST(ChartBarPainter, KeptPiecesFollowEveryInputOfTheirKey)
{
    const QColor blue(84, 112, 198);
    QVector<Bar> sets(10, Bar{QRectF(10.25, 20.5, 14, 40), blue, QPen(blue.darker(120), 1.0)});
    sets[1].fill = blue.lighter(110);
    sets[2].pen.setColor(Qt::red);
    sets[3].pen.setWidthF(2.0);
    sets[4].pen.setJoinStyle(Qt::MiterJoin);
    sets[5].rect.moveLeft(10.5);
    sets[6].rect.setWidth(15);
    sets[7].rect.moveTop(20.75);
    sets[8].rect.setHeight(30);
    sets[9].pen = QPen(Qt::NoPen);
    std::unique_ptr<ChartBarPainter> kept(new ChartBarPainter);
    EXPECT_TRUE(TestUtil::cacheFollowsEveryInput(
        sets.size(), [&](int i) { return paint({sets[i]}, QTransform(), kept.get()); },
        [&] { kept.reset(new ChartBarPainter); }));
}
