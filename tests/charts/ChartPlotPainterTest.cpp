// The fast line and area painting must look like Qt's own stroke and fill:
// compared pixel by pixel with the plain QPainter result, on images and on
// the charts' OpenGL surface.

#include "CVNQChartPlotPainter.h"
#include "ChartTestSurface.h"

#include <QImage>
#include <QPainter>
#include <QtMath>
#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

const QSize kSize(700, 400);

QPolygonF wave(int n, double jitter)
{
    QPolygonF line;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / (n - 1);
        line << QPointF(40.3 + 620 * t,
                        200 - 120 * std::sin(t * 7) - 30 * std::sin(t * 29) + jitter * std::sin(i * 1.7));
    }
    return line;
}

QImage blank()
{
    QImage image(kSize, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

QImage fast(const QPolygonF& line, const QColor& area)
{
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    cvnChartPaintLine(p, line, QPen(QColor(20, 60, 200), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), area, 380);
    return image;
}

QImage reference(const QPolygonF& line, const QColor& area)
{
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (area.isValid()) {
        QPolygonF poly = line;
        poly << QPointF(line.last().x(), 380) << QPointF(line.first().x(), 380);
        p.setPen(Qt::NoPen);
        p.setBrush(area);
        p.drawPolygon(poly);
    }
    p.setPen(QPen(QColor(20, 60, 200), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(line);
    return image;
}

// Share of the pixels that either image paints at all which differ by more
// than tolerance in some channel.
double differingShare(const QImage& a, const QImage& b, int tolerance)
{
    int painted = 0;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = a.pixel(x, y);
            const QRgb pb = b.pixel(x, y);
            if (pa == qRgb(255, 255, 255) && pb == qRgb(255, 255, 255))
                continue;
            ++painted;
            if (qAbs(qRed(pa) - qRed(pb)) > tolerance || qAbs(qGreen(pa) - qGreen(pb)) > tolerance ||
                qAbs(qBlue(pa) - qBlue(pb)) > tolerance)
                ++differing;
        }
    }
    return painted ? double(differing) / painted : 0.0;
}

// The first and last row of column x that at least half covered with ink
// (half as far from white as the darkest pixel of the column); -1 for none.
QPair<int, int> inkRows(const QImage& image, int x)
{
    auto distance = [&](int y) {
        const QRgb p = image.pixel(x, y);
        return qMax(255 - qRed(p), qMax(255 - qGreen(p), 255 - qBlue(p)));
    };
    int darkest = 0;
    for (int y = 0; y < image.height(); ++y)
        darkest = qMax(darkest, distance(y));
    QPair<int, int> rows(-1, -1);
    for (int y = 0; darkest > 0 && y < image.height(); ++y) {
        if (2 * distance(y) < darkest)
            continue;
        if (rows.first < 0)
            rows.first = y;
        rows.second = y;
    }
    return rows;
}

// The first and last column that holds a pixel darker than level in some
// channel; -1 for none.
QPair<int, int> inkColumns(const QImage& image, int level)
{
    QPair<int, int> cols(-1, -1);
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y) {
            const QRgb p = image.pixel(x, y);
            if (qMin(qRed(p), qMin(qGreen(p), qBlue(p))) < level) {
                if (cols.first < 0)
                    cols.first = x;
                cols.second = x;
                break;
            }
        }
    return cols;
}

} // namespace

TEST(ChartPlotPainter, SparseLinesMatchTheStroke)
{
    const QPolygonF line = wave(60, 0);
    EXPECT_FALSE(cvnChartIsDense(line));
    // Dense below a mean spacing of 3 px: 11 points over 30 px are not.
    QPolygonF even;
    for (int i = 0; i <= 10; ++i)
        even << QPointF(i * 3.0, 0);
    EXPECT_FALSE(cvnChartIsDense(even));
    even.last().rx() -= 0.01;
    EXPECT_TRUE(cvnChartIsDense(even));
    EXPECT_FALSE(cvnChartIsDense(even.mid(0, 1)));
    EXPECT_LT(differingShare(fast(line, QColor()), reference(line, QColor()), 8), 0.01);
    const QColor area(20, 60, 200, 56);
    EXPECT_LT(differingShare(fast(line, area), reference(line, area), 8), 0.01);
}

TEST(ChartPlotPainter, DenseLinesLookLikeTheStroke)
{
    // Smooth, slightly noisy, and jagged data (the last painted column by column).
    const QVector<QPair<int, double>> cases = {{5000, 0.0}, {5000, 3.0}, {5000, 25.0}, {1000, 36.0}};
    for (const auto& [count, jitter] : cases) {
        const QPolygonF line = wave(count, jitter);
        EXPECT_TRUE(cvnChartIsDense(line));
        EXPECT_LT(differingShare(fast(line, QColor()), reference(line, QColor()), 96), 0.05) << jitter;
        const QColor area(20, 60, 200, 56);
        EXPECT_LT(differingShare(fast(line, area), reference(line, area), 96), 0.05) << jitter;
    }

    // The band, as one outline or column by column, reaches from the first
    // to the last column whose centre the round caps cover, wherever the
    // ends fall inside a pixel, and the stroke's ink ends within a pixel of it.
    for (const auto& [count, jitter] : {QPair<int, double>{5000, 3.0}, QPair<int, double>{1000, 36.0}})
        for (double shift : {0.0, 0.25, 0.5, 0.75}) {
            QPolygonF line = wave(count, jitter);
            line.translate(shift, 0);
            const QPair<int, int> band = inkColumns(fast(line, QColor()), 255);
            EXPECT_EQ(band.first, int(std::ceil(line.first().x() - 1 - 0.5))) << jitter << " " << shift;
            EXPECT_EQ(band.second, int(std::floor(line.last().x() + 1 - 0.5))) << jitter << " " << shift;
            const QPair<int, int> stroke = inkColumns(reference(line, QColor()), 192);
            EXPECT_LE(qAbs(band.first - stroke.first), 1) << jitter << " " << shift;
            EXPECT_LE(qAbs(band.second - stroke.second), 1) << jitter << " " << shift;
        }
}

TEST(ChartPlotPainter, DenseLinesOnTheSurfaceLookAsOnImages)
{
    // Smooth, noisy and jagged data, and a translucent colour (which the
    // surface cannot take as one strip without blending twice).
    const QVector<QPair<double, QColor>> cases = {{0.0, QColor(20, 60, 200)},
                                                  {3.0, QColor(20, 60, 200)},
                                                  {25.0, QColor(0, 160, 90)},
                                                  {3.0, QColor(200, 0, 0, 120)}};
    for (const auto& c : cases) {
        // Copies: clang's lambdas take no structured bindings.
        const double jitter = c.first;
        const QColor colour = c.second;
        const QPolygonF line = wave(5000, jitter);
        const SurfaceRoutine paint = [&](QPainter& p) {
            cvnChartPaintLine(p, line, QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), QColor(), 380);
        };
        const QVector<QImage> shots = paintedOnSurfaces(kSize, {paint});
        ASSERT_EQ(shots.size(), 1);
        QImage image = blank();
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p);
        p.end();
        // Four samples a pixel round edges otherwise than exact coverage
        // does: compared is where each column's ink begins and ends.
        for (int x = int(line.first().x()) + 2; x < int(line.last().x()) - 2; ++x) {
            const QPair<int, int> surface = inkRows(shots.first(), x);
            const QPair<int, int> drawn = inkRows(image, x);
            ASSERT_GE(surface.first, 0) << jitter << " x " << x;
            EXPECT_LE(qAbs(surface.first - drawn.first), 1) << jitter << " x " << x;
            EXPECT_LE(qAbs(surface.second - drawn.second), 1) << jitter << " x " << x;
        }
    }
}

TEST(ChartPlotPainter, DegenerateLines)
{
    QImage image = blank();
    QPainter p(&image);
    const QPen pen(Qt::black, 2);
    cvnChartPaintLine(p, QPolygonF(), pen, QColor(0, 0, 0, 50), 380);
    cvnChartPaintLine(p, QPolygonF(QVector<QPointF>{QPointF(10, 10)}), pen, QColor(0, 0, 0, 50), 380);
    // All points in one column, and a line narrower than a pixel.
    const QColor area(0, 0, 0, 50);
    cvnChartPaintLine(p, QPolygonF(QVector<QPointF>{QPointF(50, 10), QPointF(50, 90), QPointF(50, 40)}), pen, area,
                      380);
    cvnChartPaintLine(p, QPolygonF(QVector<QPointF>{QPointF(60.2, 10), QPointF(60.7, 90)}), pen, area, 380);
    p.end();
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255));
    EXPECT_NE(image.pixel(50, 60), qRgb(255, 255, 255));
}

TEST(ChartPlotPainter, SymbolStampsMatchDrawnCircles)
{
    QImage stamped = blank();
    QImage drawn = blank();
    ChartSymbolStamp stamp;
    stamp.setLook(4, QColor(200, 40, 40), 1.8, Qt::white, 1.0);
    QPainter ps(&stamped);
    QPainter pd(&drawn);
    pd.setRenderHint(QPainter::Antialiasing);
    pd.setPen(QPen(QColor(200, 40, 40), 1.8));
    pd.setBrush(Qt::white);
    for (int i = 0; i < 40; ++i) {
        const QPointF c(20 + i * 15.37, 100 + 50 * std::sin(i * 0.4));
        stamp.stamp(ps, c);
        pd.drawEllipse(c, 4.0, 4.0);
    }
    ps.end();
    pd.end();
    EXPECT_LT(differingShare(stamped, drawn, 100), 0.05);

    // Stamped all at once they show as stamped one by one: one lying under a
    // block of others, and clusters of symbols partly covering one another
    // inside, across and past each edge of the picture; small, stamped and
    // drawn sizes, see-through fills and outlines, on a plain and a
    // high-density picture.
    QVector<QPointF> centres = {{200.3, 100.6}};
    for (int i = 0; i < 9; ++i)
        centres << QPointF(193.3 + (i % 3) * 7, 93.6 + (i / 3) * 7);
    auto clusters = [](double r) {
        QVector<QPointF> c;
        for (const QPointF& at : {QPointF(0, 0), QPointF(700, 200), QPointF(350, 400), QPointF(-0.6 * r, 100),
                                  QPointF(350, 200), QPointF(700 + 0.8 * r, 300), QPointF(500, -r)})
            for (int i = 0; i < 14; ++i)
                c << at + QPointF(std::sin(i * 2.1) * r * 1.1 + i * 0.137, std::cos(i * 1.3) * r * 1.1 - i * 0.071);
        return c;
    };
    // A symbol with but a tip showing: a wall of later ones at its side,
    // nearer each time, and one across from it; on each side of it and at
    // several places within a pixel, as many as stay well below thinning.
    auto tips = [](double r) {
        QVector<QPointF> c;
        const int across = int(kSize.width() / (2.8 * r));
        for (int k = 0; k < 160 && (k + 1) * 104 * r * r < 2.5e6; ++k) {
            const double within = 0.2 + 0.1 * (k / 24 % 8);
            const QPointF at =
                QPointF(std::floor(1.4 * r + k % across * 2.8 * r), std::floor(1.4 * r + k / across * 2.8 * r)) +
                (k % 4 < 2 ? QPointF(within, 0.5) : QPointF(0.5, within));
            auto place = [&](double u, double v) {
                c << at + (k % 4 < 2 ? QPointF(k % 4 ? -u : u, v) : QPointF(v, k % 4 == 2 ? u : -u));
            };
            place(0, 0);
            for (double v = -0.3 * r; v <= 0.3 * r; v += 0.025 * r)
                place(0.1 + 0.05 * (k / 4 % 6), v);
            place(0.07 * r, 0);
        }
        return c;
    };
    const QColor red(200, 40, 40), blue(40, 90, 200);
    struct Look
    {
        double radius;
        QColor outline, fill;
        double width;
    };
    const QVector<Look> looks = {{10, red, blue, 1.8}, {10, red, QColor(40, 90, 200, 60), 1.8},
                                 {2.5, red, blue, 1},  {6, QColor(200, 40, 40, 120), blue, 3},
                                 {24, red, blue, 1.8}, {24, QColor(200, 40, 40, 120), blue, 6},
                                 {70, red, blue, 2},   {70, red, QColor(40, 90, 200, 60), 2}};
    // scene stamped all at once and one by one, on a white picture.
    auto bothWays = [&](const QVector<QPointF>& scene, const QSize& size, qreal dpr) {
        QImage all(size * dpr, QImage::Format_ARGB32);
        all.setDevicePixelRatio(dpr);
        all.fill(Qt::white);
        QImage each = all;
        QPainter pa(&all);
        stamp.stampAll(pa, scene);
        pa.end();
        QPainter pe(&each);
        for (const QPointF& c : scene)
            stamp.stamp(pe, c);
        pe.end();
        return std::make_pair(all, each);
    };
    for (const qreal dpr : {1.0, 2.0, 4.0})
        for (const Look& look : looks) {
            stamp.setLook(look.radius, look.outline, look.width, look.fill, dpr);
            for (const QVector<QPointF>& scene : {centres, clusters(look.radius), tips(look.radius)}) {
                const auto [all, each] = bothWays(scene, kSize, dpr);
                EXPECT_EQ(differingShare(all, each, 0), 0.0)
                    << look.radius << " " << look.fill.alpha() << " " << look.outline.alpha() << " " << dpr << " "
                    << scene.size();
            }
        }

    // Symbols covering the picture many times over (a heap near the top over
    // a band at the bottom): those hidden then may show a sliver,
    // but never more than all but a tenth of their radius, so in one colour
    // the picture around every centre is as drawn one by one. The first one
    // lies on the background, covered by the second but for a cap a
    // twentieth of its radius deep.
    const double r = 120;
    stamp.setLook(r, blue, 2, blue, 1.0);
    QVector<QPointF> heap = {{1630.5, 500.5}, {1743.5, 500.5}};
    for (int i = 0; i < 800; ++i)
        heap << QPointF(600 + i % 9 * 2.5, 60 + i % 5 * 1.5);
    for (int i = 0; i < 40; ++i)
        heap << QPointF(400 + i / 2 * 20, i % 2 ? 900 : 700);
    const auto [all, each] = bothWays(heap, QSize(2000, 1000), 1.0);
    int unlike = 0;
    for (const QPointF& c : heap)
        for (int y = int(c.y() - r / 10); y <= int(c.y() + r / 10) + 1; ++y)
            for (int x = int(c.x() - r / 10); x <= int(c.x() + r / 10) + 1; ++x)
                unlike += all.rect().contains(x, y) && QLineF(c, QPointF(x + 0.5, y + 0.5)).length() <= r / 10 &&
                          all.pixel(x, y) != each.pixel(x, y);
    EXPECT_EQ(unlike, 0);
}
