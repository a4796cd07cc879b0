// The shared painters, checked pixel by pixel on offscreen images.

#include "CVNQPainters.h"
#include "CVNQResourceManager.h"
#include "CVNQWidgetBaseImpl.h"
#include "TestUtil.h"

#include <QBuffer>
#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using Impl = CVNQWidgetBaseImpl;

namespace {

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

bool near(QColor a, QColor b, int tol = 12)
{
    return qAbs(a.red() - b.red()) <= tol && qAbs(a.green() - b.green()) <= tol && qAbs(a.blue() - b.blue()) <= tol &&
           qAbs(a.alpha() - b.alpha()) <= tol;
}

QColor at(const QImage& img, int x, int y)
{
    return img.pixelColor(x, y);
}

// Bounding box of the pixels that are not transparent.
QRect inkBox(const QImage& img)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 40)
                box |= QRect(x, y, 1, 1);
    return box;
}

QByteArray png(const QImage& img)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

// 30 x 30 image of nine 10 x 10 cells, each its own colour.
const QColor kCells[3][3] = {
    {Qt::red, Qt::green, Qt::blue}, {Qt::cyan, Qt::magenta, Qt::yellow}, {Qt::black, Qt::white, Qt::gray}};
QColor cell(int col, int row)
{
    return kCells[row][col];
}

QImage nineCells()
{
    QImage img(30, 30, QImage::Format_ARGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            img.setPixelColor(x, y, cell(x / 10, y / 10));
    return img;
}

} // namespace

TEST(Painters, RoundedPathGeometry)
{
    EXPECT_TRUE(makeRoundedPath(QRectF(0, 0, 0, 10), 3, true, true, true, true).isEmpty());
    const QPainterPath plain = makeRoundedPath(QRectF(0, 0, 40, 20), 0, true, true, true, true);
    EXPECT_EQ(plain.boundingRect(), QRectF(0, 0, 40, 20));
    EXPECT_TRUE(plain.contains(QPointF(0.5, 0.5)));

    // A radius beyond half the shorter side is limited to it: a pill.
    const QPainterPath pill = makeRoundedPath(QRectF(0, 0, 40, 20), 100, true, true, true, true);
    EXPECT_EQ(pill.boundingRect(), QRectF(0, 0, 40, 20));
    EXPECT_FALSE(pill.contains(QPointF(1, 1)));
    EXPECT_TRUE(pill.contains(QPointF(10, 1)));
    EXPECT_TRUE(pill.contains(QPointF(20, 10)));

    // Only flagged corners are rounded.
    const QPainterPath one = makeRoundedPath(QRectF(0, 0, 40, 40), 10, false, true, false, false);
    EXPECT_TRUE(one.contains(QPointF(0.5, 0.5)));
    EXPECT_FALSE(one.contains(QPointF(39.5, 0.5)));
    EXPECT_TRUE(one.contains(QPointF(39.5, 39.5)));
}

TEST(Painters, SquareFillsAndSideBorders)
{
    QImage img = canvas(40, 30);
    {
        QPainter p(&img);
        FillRes f;
        f.clr = Qt::red;
        f.borderclr = Qt::blue;
        f.border = true;
        f.borderSize = 2;
        f.leftBorder = f.topBorder = f.rightBorder = false; // bottom only
        Impl::drawStyleRect(&p, f, 5, 5, 30, 20);
    }
    EXPECT_TRUE(near(at(img, 20, 10), Qt::red));
    EXPECT_TRUE(near(at(img, 5, 10), Qt::red));   // no left border
    EXPECT_TRUE(near(at(img, 20, 5), Qt::red));   // no top border
    EXPECT_TRUE(near(at(img, 34, 10), Qt::red));  // no right border
    EXPECT_TRUE(near(at(img, 20, 23), Qt::blue)); // bottom line at y + h - half
    EXPECT_TRUE(near(at(img, 20, 24), Qt::blue));
    EXPECT_EQ(qAlpha(img.pixel(4, 10)), 0); // nothing outside
    EXPECT_EQ(qAlpha(img.pixel(20, 26)), 0);

    // A horizontal gradient runs from the left edge to the right edge.
    QImage g = canvas(100, 10);
    {
        QPainter p(&g);
        FillRes f;
        f.gradient = true;
        f.clr = Qt::black;
        f.clr2 = Qt::white;
        Impl::drawStyleRect(&p, f, 0, 0, 100, 10);
    }
    EXPECT_LT(at(g, 1, 5).red(), 20);
    EXPECT_GT(at(g, 98, 5).red(), 235);
    EXPECT_NEAR(at(g, 50, 5).red(), 128, 12);
}

TEST(Painters, RoundedFillWithBorder)
{
    QImage img = canvas(60, 40);
    {
        QPainter p(&img);
        FillStyle s;
        s.fill.clr = Qt::red;
        s.fill.borderclr = Qt::blue;
        s.fill.round = 10;
        s.fill.border = true;
        s.fill.borderSize = 2;
        Impl::drawFillStyle(&p, s, QRect(0, 0, 60, 40));
    }
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0); // rounded corner stays empty
    EXPECT_EQ(qAlpha(img.pixel(59, 39)), 0);
    EXPECT_TRUE(near(at(img, 30, 0), Qt::blue, 40)); // border along the top
    EXPECT_TRUE(near(at(img, 0, 20), Qt::blue, 40));
    EXPECT_TRUE(near(at(img, 30, 20), Qt::red));

    // A border size without the border flag draws no border, square or round.
    for (const int round : {0, 10}) {
        QImage plain = canvas(60, 40);
        {
            QPainter p(&plain);
            FillStyle s;
            s.fill.clr = Qt::red;
            s.fill.borderclr = Qt::blue;
            s.fill.round = round;
            s.fill.border = false;
            s.fill.borderSize = 2;
            Impl::drawFillStyle(&p, s, QRect(0, 0, 60, 40));
        }
        EXPECT_TRUE(near(at(plain, 30, 0), Qt::red)) << round;
        EXPECT_TRUE(near(at(plain, 0, 20), Qt::red)) << round;
    }

    // An invalid style paints nothing.
    QImage none = canvas(10, 10);
    {
        QPainter p(&none);
        FillStyle s;
        s.valid = false;
        Impl::drawFillStyle(&p, s, QRect(0, 0, 10, 10));
    }
    EXPECT_TRUE(inkBox(none).isEmpty());
}

// A wide border covers its whole width inside the rectangle on each flagged side, alone or
// all four, square or round; the next pixel inward is the fill, an unflagged side has none.
TEST(Painters, WideBordersCoverTheirWholeWidthOnEverySide)
{
    const QRect box(4, 5, 40, 30);
    // Per side: its outermost pixel at the side's middle, and the step inward.
    const QPoint edges[4][2] = {{{box.left(), box.center().y()}, {1, 0}},
                                {{box.center().x(), box.top()}, {0, 1}},
                                {{box.right(), box.center().y()}, {-1, 0}},
                                {{box.center().x(), box.bottom()}, {0, -1}}};
    for (int size : {2, 3, 4})
        for (int round : {0, 6})
            for (int sides = 1; sides <= 0xf; sides = sides == 8 ? 0xf : sides * 2) {
                FillRes f;
                f.clr = Qt::red, f.borderclr = Qt::blue, f.border = true, f.borderSize = size, f.round = round;
                f.leftBorder = sides & 1, f.topBorder = sides & 2, f.rightBorder = sides & 4,
                f.bottomBorder = sides & 8;
                QImage img = canvas(48, 40);
                QPainter p(&img);
                Impl::drawStyleRect(&p, f, box.x(), box.y(), box.width(), box.height());
                p.end();
                for (int side = 0; side < 4; ++side) {
                    const QPoint edge = edges[side][0], in = edges[side][1];
                    for (int depth = 0; depth <= size; ++depth) {
                        const QColor got = at(img, edge.x() + in.x() * depth, edge.y() + in.y() * depth);
                        // A rounded fill keeps half a pen from the sides without a border.
                        const bool ok = (sides >> side & 1) && depth < size ? near(got, Qt::blue, 40)
                                        : depth == size                     ? near(got, Qt::red, 40)
                                                                            : !near(got, Qt::blue, 80);
                        EXPECT_TRUE(ok) << "size " << size << " round " << round << " sides " << sides << " side "
                                        << side << " depth " << depth;
                    }
                    EXPECT_EQ(qAlpha(img.pixel(edge - in)), 0) << "outside, side " << side;
                }
            }
}

class PaintersImages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "style.json", R"({"style":[]})"));
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "images/cells.png", png(nineCells())));
        QImage half(10, 10, QImage::Format_ARGB32);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                half.setPixelColor(x, y, x < 5 ? Qt::red : Qt::blue);
        QImage tile(30, 30, QImage::Format_ARGB32);
        tile.fill(Qt::black);
        {
            QPainter p(&tile);
            p.drawImage(10, 10, half);
        }
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "images/tile.png", png(tile)));
        QImage dot(6, 4, QImage::Format_ARGB32);
        dot.fill(Qt::green);
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "images/dot.png", png(dot)));
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "images/sq.svg",
                                        "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                                        "<rect width='10' height='10' fill='#ff0000'/></svg>"));
        ASSERT_TRUE(CVNQResourceManager::getInstance()->loadThemeDir(dir.path()));
    }
    void TearDown() override
    {
        QTemporaryDir blank;
        TestUtil::writeFile(blank.path(), "style.json", R"({"style":[]})");
        CVNQResourceManager::getInstance()->loadThemeDir(blank.path());
    }
    QTemporaryDir dir;
};

TEST_F(PaintersImages, NinePatchKeepsMarginsAndScalesEdges)
{
    ImageDesc d;
    d.margin[MarginLeft] = d.margin[MarginRight] = d.margin[MarginTop] = d.margin[MarginBottom] = 10;
    QImage img = canvas(80, 50);
    {
        QPainter p(&img);
        Impl::paintNinePatchImage(&p, "images/cells.png", d, 0, 0, 80, 50);
    }
    EXPECT_TRUE(near(at(img, 2, 2), cell(0, 0)));
    EXPECT_TRUE(near(at(img, 77, 2), cell(2, 0)));
    EXPECT_TRUE(near(at(img, 2, 47), cell(0, 2)));
    EXPECT_TRUE(near(at(img, 77, 47), cell(2, 2)));
    EXPECT_TRUE(near(at(img, 40, 2), cell(1, 0))); // top edge stretched
    EXPECT_TRUE(near(at(img, 2, 25), cell(0, 1))); // left edge stretched
    EXPECT_TRUE(near(at(img, 77, 25), cell(2, 1)));
    EXPECT_TRUE(near(at(img, 40, 25), cell(1, 1))); // centre

    // All margins 0: the whole image scaled into the target.
    QImage whole = canvas(60, 60);
    {
        QPainter p(&whole);
        Impl::paintNinePatchImage(&p, "images/cells.png", ImageDesc(), 0, 0, 60, 60);
    }
    EXPECT_TRUE(near(at(whole, 5, 5), cell(0, 0)));
    EXPECT_TRUE(near(at(whole, 55, 55), cell(2, 2)));
    EXPECT_TRUE(near(at(whole, 30, 30), cell(1, 1)));

    // Narrower than both margins: the right edge does not paint over the left.
    QImage narrow = canvas(15, 50);
    {
        QPainter p(&narrow);
        Impl::paintNinePatchImage(&p, "images/cells.png", d, 0, 0, 15, 50);
    }
    EXPECT_TRUE(near(at(narrow, 7, 25), cell(0, 1)));
    EXPECT_TRUE(near(at(narrow, 12, 25), cell(2, 1)));
    // Exactly as wide (or high) as the right (or bottom) margin: that edge
    // starts on the box's own first column (row) and still paints.
    ImageDesc thin = d;
    thin.margin[MarginLeft] = 4;
    QImage edge = canvas(10, 50);
    {
        QPainter p(&edge);
        Impl::paintNinePatchImage(&p, "images/cells.png", thin, 0, 0, 10, 50);
    }
    EXPECT_TRUE(near(at(edge, 2, 25), cell(0, 1)));
    EXPECT_TRUE(near(at(edge, 7, 25), cell(2, 1)));
    thin = d;
    thin.margin[MarginTop] = 4;
    QImage low = canvas(50, 10);
    {
        QPainter p(&low);
        Impl::paintNinePatchImage(&p, "images/cells.png", thin, 0, 0, 50, 10);
    }
    EXPECT_TRUE(near(at(low, 25, 7), cell(1, 2)));

    // Nothing for a zero size or an unknown image.
    QImage empty = canvas(20, 20);
    {
        QPainter p(&empty);
        Impl::paintNinePatchImage(&p, "images/cells.png", d, 0, 0, 0, 20);
        Impl::paintNinePatchImage(&p, "images/missing.png", d, 0, 0, 20, 20);
    }
    EXPECT_TRUE(inkBox(empty).isEmpty());
}

TEST_F(PaintersImages, RepeatCenterTilesInsteadOfStretching)
{
    // Another theme's tile and square by the same names first: a theme change
    // must drop them, whatever an earlier case left cached.
    QTemporaryDir other;
    QImage green(30, 30, QImage::Format_ARGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(TestUtil::writeFile(other.path(), "style.json", R"({"style":[]})"));
    ASSERT_TRUE(TestUtil::writeFile(other.path(), "images/tile.png", png(green)));
    ASSERT_TRUE(TestUtil::writeFile(other.path(), "images/sq.svg",
                                    "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='20'/>"));
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    for (const QString& theme : {other.path(), dir.path()}) {
        ASSERT_TRUE(rm->loadThemeDir(theme));
        ASSERT_NE(rm->getImage("images/tile.png"), nullptr);
        ASSERT_NE(rm->getSvgRenderer("images/sq.svg"), nullptr);
    }
    EXPECT_EQ(rm->getImage("images/tile.png")->pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(rm->getSvgRenderer("images/sq.svg")->defaultSize(), QSize(10, 10));
    FillStyle s;
    s.useColor = false;
    s.img = "images/tile.png";
    s.imgDesc.margin[MarginLeft] = s.imgDesc.margin[MarginRight] = 10;
    s.imgDesc.margin[MarginTop] = s.imgDesc.margin[MarginBottom] = 10;
    QImage stretched = canvas(60, 30);
    {
        QPainter p(&stretched);
        Impl::drawFillStyleAt(&p, s, 0, 0, 60, 30);
    }
    s.imgDesc.repeatCenter = true;
    QImage tiled = canvas(60, 30);
    {
        QPainter p(&tiled);
        Impl::drawFillStyleAt(&p, s, 0, 0, 60, 30);
    }
    // Centre target 40 wide from x 10: tiles of 10 (5 red, 5 blue).
    EXPECT_TRUE(near(at(tiled, 12, 15), Qt::red));
    EXPECT_TRUE(near(at(tiled, 27, 15), Qt::blue));
    EXPECT_TRUE(near(at(tiled, 32, 15), Qt::red));
    EXPECT_TRUE(near(at(stretched, 27, 15), Qt::red));
    EXPECT_TRUE(near(at(stretched, 45, 15), Qt::blue));
}

TEST_F(PaintersImages, RasterAndSvgImagesPlacedTintedAndGray)
{
    IconStyleDesc centre;
    QImage img = canvas(40, 40);
    {
        QPainter p(&img);
        Impl::drawImageAt(&p, " images/dot.png ", centre, 0, 0, 40, 40);
    }
    EXPECT_EQ(inkBox(img), QRect(17, 18, 6, 4)); // unscaled, centred
    EXPECT_EQ(Impl::getImageSize("images/dot.png", false), QSize(6, 4));
    EXPECT_FALSE(Impl::getImageSize("", false).isValid());
    EXPECT_FALSE(Impl::getImageSize("images/none.png", false).isValid());
    EXPECT_EQ(Impl::getImageSize("images/sq.SVG", false), QSize(10, 10));

    IconStyleDesc corner;
    corner.hor = 2;
    corner.ver = 0;
    corner.x = -1;
    corner.y = 3;
    QImage svg = canvas(40, 40);
    {
        QPainter p(&svg);
        Impl::drawImage(&p, "images/sq.svg", corner, QRect(0, 0, 40, 40));
    }
    EXPECT_EQ(inkBox(svg), QRect(29, 3, 10, 10));
    EXPECT_TRUE(near(at(svg, 33, 7), Qt::red));

    IconStyleDesc tint = centre;
    tint.useColor = true;
    tint.color = Qt::blue;
    QImage tinted = canvas(20, 20);
    {
        QPainter p(&tinted);
        Impl::drawImageAt(&p, "images/sq.svg", tint, 0, 0, 20, 20);
    }
    EXPECT_TRUE(near(at(tinted, 10, 10), Qt::blue));

    QImage gray = canvas(20, 20);
    {
        QPainter p(&gray);
        Impl::drawImageAt(&p, "images/sq.svg", centre, 0, 0, 20, 20, true);
    }
    const QColor g = at(gray, 10, 10);
    EXPECT_GT(g.alpha(), 0);
    EXPECT_LT(qAbs(g.red() - g.green()), 40);

    // Scale factors below 1 shrink painted SVG sizes, at least 1 pixel.
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    const float old = rm->getScaleFactor();
    rm->setScaleFactor(0.75f);
    EXPECT_EQ(Impl::scaleSize(QSize(10, 1)), QSize(8, 1));
    EXPECT_EQ(Impl::getImageSize("images/sq.svg", false), QSize(8, 8));
    rm->setScaleFactor(old);
    EXPECT_EQ(Impl::scaleSize(QSize(10, 1)), QSize(10, 1));
    EXPECT_FALSE(Impl::scaleSize(QSize()).isValid());
}

TEST(Painters, IconPlacement)
{
    QPixmap pm(8, 8);
    pm.fill(Qt::magenta);
    IconStyleDesc left;
    left.hor = 0;
    QImage img = canvas(40, 20);
    {
        QPainter p(&img);
        Impl::drawIcon(&p, QIcon(pm), QSize(8, 8), left, QRect(10, 0, 30, 20));
        Impl::drawIcon(&p, QIcon(), QSize(8, 8), left, QRect(0, 0, 40, 20));
    }
    EXPECT_EQ(inkBox(img), QRect(10, 6, 8, 8));
}

namespace {
// Black 14-pixel text, vertically centred.
TextStyleDesc blackText(int hor, bool isHor = true)
{
    TextStyleDesc s;
    s.clr = Qt::black;
    s.size = 14;
    s.hor = hor;
    s.ver = 1;
    s.isHor = isHor;
    return s;
}
} // namespace

TEST(Painters, HorizontalTextAlignmentAndElision)
{
    TextStyleDesc s = blackText(2);
    QImage img = canvas(200, 40);
    {
        QPainter p(&img);
        Impl::drawText(&p, "Hello", s, QRect(0, 0, 200, 40));
        Impl::drawText(&p, "", s, QRect(0, 0, 100, 40));
    }
    const QRect ink = inkBox(img);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.left(), 120);
    EXPECT_LE(ink.right(), 199);

    // Elided to the width, unless the style asks for the whole text.
    const QString longText = "A long line of text that does not fit";
    s.hor = 0;
    QImage cut = canvas(300, 40);
    {
        QPainter p(&cut);
        Impl::drawTextAt(&p, longText, s, 0, 0, 80, 40, true);
    }
    EXPECT_LT(inkBox(cut).right(), 80);
    s.elideMode = 3;
    QImage whole = canvas(300, 40);
    {
        QPainter p(&whole);
        Impl::drawTextAt(&p, longText, s, 0, 0, 80, 40, true);
    }
    EXPECT_NE(whole, cut); // no ellipsis: the text runs on to the box edge

    const QSize size = Impl::getTextSize("Hello", s);
    EXPECT_GT(size.width(), 10);
    EXPECT_GT(size.height(), 10);
    s.bold = true;
    EXPECT_GE(Impl::getTextSize("Hello", s).width(), size.width());

    // Size 0 keeps the default font size and asks Qt for no pixel size of 0,
    // which it refuses with a warning.
    static QStringList said;
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { said << m; });
    s.size = 0;
    const QFont zero = Impl::fontForStyle(s);
    qInstallMessageHandler(before);
    EXPECT_EQ(zero.pixelSize(), QFont().pixelSize());
    EXPECT_TRUE(said.isEmpty()) << qPrintable(said.join('\n'));
}

TEST(Painters, VerticalTextLandsInsideItsRectangleForAnyX)
{
    const TextStyleDesc s = blackText(1, false);
    for (int x : {0, 30, 75}) {
        QImage img = canvas(200, 140);
        {
            QPainter p(&img);
            Impl::drawText(&p, "Vertical", s, QRect(x, 10, 30, 120));
        }
        const QRect ink = inkBox(img);
        ASSERT_FALSE(ink.isEmpty()) << x;
        EXPECT_GE(ink.left(), x) << x;
        EXPECT_LE(ink.right(), x + 30) << x;
        EXPECT_GE(ink.top(), 10) << x;
        EXPECT_LE(ink.bottom(), 130) << x;
        EXPECT_GT(ink.height(), ink.width()) << x; // it really stands up
    }
}

TEST(Painters, ColourHelpers)
{
    EXPECT_EQ(Impl::hexToColor("80FF0000"), QColor(255, 0, 0, 255));
    EXPECT_EQ(Impl::hexToColor("00ff00"), QColor(0, 255, 0));
    EXPECT_EQ(Impl::hexToColor("zz"), QColor(0, 0, 0));
    EXPECT_FALSE(Impl::isImageValid(QImage()));
    EXPECT_TRUE(Impl::isImageValid(QImage(1, 1, QImage::Format_ARGB32)));
}
