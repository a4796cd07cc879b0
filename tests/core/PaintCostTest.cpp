// The painters' cheap paths (kept text lines, rendered SVG parts, visible
// tiles only, small images for vertical text) paint exactly what the plain
// paths paint, and what a file sets cannot make one paint take gigabytes.

#include "CVNQResourceManager.h"
#include "CVNQResourceManagerImpl.h"
#include "CVNQTextLayoutCache.h"
#include "CVNQWidgetBaseImpl.h"
#include "TestUtil.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QPixmap>
#include <QSvgRenderer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using Impl = CVNQWidgetBaseImpl;

namespace {

QImage canvas(int w, int h, QColor fill = Qt::transparent)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

// What drawText did before lines were kept: elide, then QPainter::drawText.
void plainText(QPainter& p, const QString& text, const QFont& font, const QRect& r, int align, bool elide)
{
    p.setFont(font);
    p.drawText(r, align, elide ? QFontMetrics(font).elidedText(text, Qt::ElideRight, r.width() - 2) : text);
}

// Largest channel difference between two images of one size.
class FillWidget : public QWidget
{
public:
    FillWidget(const FillRes& fill, const QRect& box, bool antialias)
        : fill(fill)
        , box(box)
        , antialias(antialias)
    {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, antialias);
        Impl::drawStyleRect(&p, fill, box.x(), box.y(), box.width(), box.height());
    }

private:
    FillRes fill;
    QRect box;
    bool antialias;
};

} // namespace

TEST(PaintCost, KeptTextLinesPaintWhatDrawTextPaints)
{
    const QStringList texts = {"12.7 m/s",     "WTG-007",    "Bearing temperature anomaly detected",
                               "风机 ID",      "a",          "x y",
                               "  padded ",    "two\nlines", "tab\there",
                               "Ärger fi ffl", "الطاقة 12"};
    const int aligns[] = {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignHCenter | Qt::AlignVCenter,
                          Qt::AlignRight | Qt::AlignBottom, Qt::AlignHCenter | Qt::AlignTop};
    QFont font;
    font.setFamily(QString::fromLatin1(kDefaultTextStyleFamily));
    // The painter's font takes its family list from the application font.
    const QFont appFont = QGuiApplication::font();
    QFont listed = appFont;
    listed.setFamilies({font.family()});
    for (const QFont& app : {appFont, listed})
        for (int px : {11, 16}) {
            QGuiApplication::setFont(app);
            font.setPixelSize(px);
            for (bool bold : {false, true}) {
                font.setBold(bold);
                for (const QString& text : texts) {
                    const int natural = QFontMetrics(font).horizontalAdvance(text);
                    // Widths around the elision point and boxes lower than the line.
                    for (const QRect r : {QRect(3, 4, natural + 2, 30), QRect(3, 4, natural + 1, 30),
                                          QRect(5, 2, natural / 2 + 7, 9), QRect(0, 0, 300, 44)}) {
                        for (int align : aligns) {
                            for (bool elide : {true, false}) {
                                QImage want = canvas(320, 50, Qt::white);
                                {
                                    QPainter p(&want);
                                    p.setPen(QColor(20, 40, 60));
                                    plainText(p, text, font, r, align, elide);
                                }
                                for (int round = 0; round < 2; ++round) { // fresh or kept, then kept
                                    QImage got = canvas(320, 50, Qt::white);
                                    {
                                        QPainter p(&got);
                                        p.setPen(QColor(20, 40, 60));
                                        p.setFont(font);
                                        cvnDrawCachedText(&p, r, align, text, elide, r.width() - 2);
                                    }
                                    ASSERT_EQ(want, got) << text.toStdString() << " " << px << " " << align << " "
                                                         << elide << " " << r.width() << "x" << r.height();
                                }
                            }
                        }
                    }
                }
            }
        }
    QGuiApplication::setFont(appFont);
}

TEST(PaintCost, KeptTextLinesInFractionalBoxes)
{
    QFont font;
    font.setPixelSize(11);
    for (const QString& text : {QStringLiteral("Item 12"), QStringLiteral("Slice 3  1.5%"), QStringLiteral("x ال")})
        for (const QRectF r : {QRectF(10.37, 5.5, 68, 18), QRectF(3.71, 2.25, 20.5, 9.9)})
            for (int align : {int(Qt::AlignCenter), int(Qt::AlignRight | Qt::AlignVCenter), int(Qt::AlignLeft)}) {
                QImage want = canvas(120, 30, Qt::white);
                QImage got = want;
                for (QImage* image : {&want, &got}) {
                    QPainter p(image);
                    p.setFont(font);
                    p.setPen(QColor(20, 40, 60));
                    if (image == &want)
                        p.drawText(r, align, text);
                    else
                        cvnDrawCachedText(&p, r, align, text);
                }
                ASSERT_EQ(want, got) << text.toStdString() << " " << align << " " << r.x();
            }
}

namespace {

// A theme folder as a theme maker writes it: a tiled fill, a vertical text
// style, and images, among them an SVG that declares a huge size.
class PaintCostTheme : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QImage px(1, 1, QImage::Format_ARGB32);
        px.fill(QColor(200, 30, 30));
        QImage tile(7, 5, QImage::Format_ARGB32);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                tile.setPixelColor(x, y, QColor(x * 36, y * 50, 120, 150 + x * 10));
        ASSERT_TRUE(QDir().mkpath(dir.filePath("images")));
        ASSERT_TRUE(px.save(dir.filePath("images/px.png")));
        ASSERT_TRUE(tile.save(dir.filePath("images/tile.png")));
        const char* shape = "<circle cx='%1' cy='%2' r='%3' fill='#208040'/><rect x='1' y='1' width='%4' "
                            "height='%5' fill='none' stroke='#000' stroke-width='3'/>";
        auto svg = [&](int w, int h) {
            return QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%2'>").arg(w).arg(h) +
                   QString::fromLatin1(shape).arg(w / 2).arg(h / 2).arg(std::min(w, h) / 3).arg(w - 2).arg(h - 2) +
                   QStringLiteral("</svg>");
        };
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "images/huge.svg", svg(40000, 12000).toUtf8()));
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "images/icon.svg", svg(23, 17).toUtf8()));
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "style.json", R"({"style":[
            {"type":1,"name":"pc.dots","drawImg":true,"img":"images/px.png","repeatCenter":true},
            {"type":1,"name":"pc.tiles","drawImg":true,"img":"images/tile.png","repeatCenter":true,
             "margin":[1,2,1,2]},
            {"type":2,"name":"pc.side","isHor":false,"size":14,"hor":1,"ver":1,"clr":"FF102030"}]})"));
        CVNQResourceManager* rm = CVNQResourceManager::getInstance();
        ASSERT_TRUE(rm->loadThemeDir(dir.path()));
        const CVNQResourceManagerImpl* theme = rm->getThemeManagerIml();
        ASSERT_TRUE(theme && theme->findFillStyle("pc.dots") && theme->findTextStyle("pc.side"));
        dots = *theme->findFillStyle("pc.dots");
        tiles = *theme->findFillStyle("pc.tiles");
        side = *theme->findTextStyle("pc.side");
    }
    void TearDown() override
    {
        QTemporaryDir blank;
        TestUtil::writeFile(blank.path(), "style.json", R"({"style":[]})");
        CVNQResourceManager::getInstance()->loadThemeDir(blank.path());
    }

    QTemporaryDir dir;
    FillStyle dots, tiles;
    TextStyleDesc side;
};

long statusKb(const char* field)
{
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Peak memory above the start while f runs, in MB (the peak is reset first).
template <class F>
double peakGrowthMb(F f)
{
    QFile clear("/proc/self/clear_refs");
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    clear.close();
    const long before = statusKb("VmRSS:");
    f();
    return (statusKb("VmHWM:") - before) / 1024.0;
}

} // namespace

// What a file sets (a container far larger than the screen with 1-px
// tiles, vertical text on a huge control, an SVG declaring a huge size)
// costs no more memory than what shows of it.
TEST_F(PaintCostTheme, HugeNumbersInFilesStayBoundedInMemory)
{
    IconStyleDesc tint;
    tint.useColor = true;
    tint.color = QColor(4, 16, 11);
    QImage tiled = canvas(400, 300, Qt::white), text = tiled, tinted = tiled, grayed = tiled;
    const double growth = peakGrowthMb([&] {
        {
            QPainter p(&tiled);
            Impl::drawFillStyleAt(&p, dots, 0, 0, 8000, 8000);
        }
        {
            QPainter p(&text);
            Impl::drawTextAt(&p, "Vertical", side, 0, 0, 100000, 5000, false);
            // A huge size in a small control (a group box's title box is
            // the text's size): laid out far beyond what shows.
            TextStyleDesc huge = side;
            huge.size = 10000;
            const QSize box = Impl::getTextSize("Title", huge);
            p.setClipRect(0, 0, 200, 80);
            Impl::drawTextAt(&p, "Title", huge, 7, 0, box.width() + 5, box.height(), false);
        }
        {
            QPainter p(&tinted);
            Impl::drawImageAt(&p, "images/huge.svg", tint, 0, 0, 100, 30);
        }
        {
            QPainter p(&grayed);
            Impl::drawImageAt(&p, "images/huge.svg", IconStyleDesc(), 0, 0, 100, 30, true);
        }
    });
    EXPECT_LT(growth, 100.0);
    EXPECT_EQ(tiled.pixelColor(399, 299), QColor(200, 30, 30)); // the tiles reach the corner
    EXPECT_EQ(tinted.pixelColor(50, 15), tint.color);           // inside the huge circle
    EXPECT_NE(grayed.pixelColor(50, 15), QColor(Qt::white));
}

// The cheap paths paint the very pixels of the plain ones at ordinary sizes,
// also when the painter clips or the item lies partly outside the image.
TEST_F(PaintCostTheme, CheapPathsPaintThePlainPixels)
{
    QSvgRenderer renderer(dir.filePath("images/icon.svg"));
    ASSERT_TRUE(renderer.isValid());
    const QImage* tile = CVNQResourceManager::getInstance()->getImage(tiles.img);
    ASSERT_TRUE(tile);
    auto fullSvg = [&] {
        QImage full(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
        full.fill(Qt::transparent);
        QPainter p(&full);
        renderer.render(&p, QRectF(QPointF(0, 0), renderer.defaultSize()));
        return full;
    };
    for (const QRect clip : {QRect(), QRect(17, 11, 61, 43)}) {
        auto compare = [&](const char* what, auto plain, auto cheap) {
            QImage want = canvas(120, 90, Qt::white), got = canvas(120, 90, Qt::white);
            {
                QPainter p(&want);
                if (!clip.isNull())
                    p.setClipRect(clip);
                plain(p);
            }
            {
                QPainter p(&got);
                if (!clip.isNull())
                    p.setClipRect(clip);
                cheap(p);
            }
            EXPECT_EQ(want, got) << what << " clip " << clip.width();
        };
        for (const QRect r : {QRect(-13, -9, 200, 150), QRect(5, 4, 37, 29)}) {
            // Tiles (no margins: the centre is all): before, every tile
            // under a clip to the centre.
            FillStyle whole = tiles;
            whole.imgDesc = ImageDesc();
            whole.imgDesc.repeatCenter = true;
            compare(
                "tiles",
                [&](QPainter& p) {
                    p.setClipRect(r, Qt::IntersectClip);
                    for (int y = r.y(); y <= r.bottom(); y += tile->height())
                        for (int x = r.x(); x <= r.right(); x += tile->width())
                            p.drawImage(QPoint(x, y), *tile);
                },
                [&](QPainter& p) { Impl::drawFillStyleAt(&p, whole, r.x(), r.y(), r.width(), r.height()); });

            // Vertical text: before, an image of the whole control.
            for (const QString& text : {QString("Vertical"), QString("风机 ID 12.5")}) {
                compare(
                    "vertical",
                    [&](QPainter& p) {
                        const QFont font = Impl::fontForStyle(side);
                        QImage image(r.height(), r.width(), QImage::Format_ARGB32_Premultiplied);
                        image.fill(Qt::transparent);
                        QPainter ip(&image);
                        ip.setRenderHint(QPainter::TextAntialiasing, true);
                        ip.setPen(side.clr);
                        ip.setFont(font);
                        ip.drawText(QRect(0, 0, r.height(), r.width()), Qt::AlignHCenter | Qt::AlignVCenter, text);
                        ip.end();
                        p.rotate(90);
                        p.drawImage(QPoint(r.y(), -(r.x() + r.width())), image);
                    },
                    [&](QPainter& p) { Impl::drawTextAt(&p, text, side, r.x(), r.y(), r.width(), r.height(), false); });
            }
        }
        // Tinted and grayed icons: before, the whole SVG rendered each time.
        for (const QPoint at : {QPoint(-9, -5), QPoint(30, 20), QPoint(105, 80)}) {
            IconStyleDesc place;
            place.hor = place.ver = 0;
            place.x = at.x();
            place.y = at.y();
            IconStyleDesc tint = place;
            tint.useColor = true;
            tint.color = QColor(210, 230, 226);
            compare(
                "tint",
                [&](QPainter& p) {
                    QImage full = fullSvg();
                    QPainter fp(&full);
                    fp.setCompositionMode(QPainter::CompositionMode_SourceIn);
                    fp.fillRect(full.rect(), tint.color);
                    fp.end();
                    p.drawImage(at, full);
                },
                [&](QPainter& p) { Impl::drawImageAt(&p, "images/icon.svg", tint, 0, 0, 120, 90); });
            compare(
                "gray",
                [&](QPainter& p) {
                    const QIcon icon(QPixmap::fromImage(fullSvg()));
                    p.drawPixmap(at, icon.pixmap(renderer.defaultSize(), QIcon::Disabled));
                },
                [&](QPainter& p) { Impl::drawImageAt(&p, "images/icon.svg", place, 0, 0, 120, 90, true); });
        }
    }
}

// A repaint of part of a rounded or bordered fill (a table cell inside its
// card) paints there the very pixels a paint of the whole fill paints: in the
// card's interior, on its border bands and across its corners.
TEST(PaintCost, PartRepaintsOfFillsMatchTheWholePaint)
{
    const QRect box(6, 5, 180, 110);
    // Inside, on an edge, near and on corners (some just clear of the arc).
    QVector<QRect> clips = {QRect(40, 40, 60, 30), QRect(6, 40, 30, 20),    QRect(20, 20, 30, 30),
                            QRect(7, 6, 3, 3),     QRect(150, 100, 40, 20), QRect(60, 110, 40, 10),
                            QRect(15, 95, 60, 18), QRect(11, 100, 30, 10),  QRect(170, 8, 12, 12),
                            QRect(188, 118, 8, 8)};
    // Small parts stepping in from each corner along its diagonal, one pixel
    // at a time: from on the arc to clear of it.
    for (int d = 0; d < 16; ++d) {
        clips << QRect(box.left() + d, box.top() + d, 3, 3) << QRect(box.right() - 2 - d, box.top() + d, 3, 3)
              << QRect(box.right() - 2 - d, box.bottom() - 2 - d, 3, 3)
              << QRect(box.left() + d, box.bottom() - 2 - d, 3, 3);
    }
    int variant = 0;
    // Radii of none, a usual one and one just too large for the box's height;
    // border sizes of none, thin, thick and a negative one from a file.
    for (const int round : {0, 10, 56})
        for (const int border : {0, 1, 2, -2})
            for (const bool partial : {false, true})
                for (const bool gradient : {false, true}) {
                    FillRes fill;
                    fill.clr = QColor(40, 120, 200, 200);
                    fill.clr2 = QColor(200, 60, 20, 255);
                    fill.borderclr = QColor(10, 220, 90, 160);
                    fill.gradient = gradient;
                    fill.round = round;
                    fill.border = border != 0;
                    fill.borderSize = border;
                    fill.topBorder = fill.leftBorder = !partial;
                    fill.roundTopRight = !partial;
                    ++variant;
                    for (const bool antialias : {false, true}) {
                        QImage whole = canvas(200, 130, Qt::white);
                        {
                            QPainter p(&whole);
                            p.setRenderHint(QPainter::Antialiasing, antialias);
                            Impl::drawStyleRect(&p, fill, box.x(), box.y(), box.width(), box.height());
                        }
                        for (const QRect& clip : clips) {
                            QImage part = canvas(200, 130, Qt::white);
                            {
                                QPainter p(&part);
                                p.setRenderHint(QPainter::Antialiasing, antialias);
                                p.setClipRect(clip);
                                Impl::drawStyleRect(&p, fill, box.x(), box.y(), box.width(), box.height());
                            }
                            // Qt steps a gradient from where each span starts: a
                            // clipped gradient may round one unit differently; so
                            // may its blend of a translucent colour over a span
                            // that starts on a 16-pixel boundary.
                            const QRect inside = clip & part.rect();
                            EXPECT_LE(TestUtil::largestDifference(whole.copy(inside), part.copy(inside)),
                                      gradient ? 2 : 1)
                                << "variant " << variant << " clip " << clip.x() << "," << clip.y();
                        }
                        // Widget repaints of two cells: one whose bounding box
                        // reaches a corner though neither cell does, one with a
                        // cell on the corner.
                        FillWidget widget(fill, box, antialias);
                        widget.resize(200, 130);
                        for (const QRegion& cells : {QRegion(10, 20, 20, 20) + QRegion(120, 104, 40, 6),
                                                     QRegion(7, 6, 12, 12) + QRegion(100, 60, 20, 20)}) {
                            QImage part = canvas(200, 130, Qt::white);
                            // The region lands at the offset given for its bounding box.
                            widget.render(&part, cells.boundingRect().topLeft(), cells, QWidget::RenderFlags());
                            for (const QRect& cell : cells)
                                EXPECT_LE(TestUtil::largestDifference(whole.copy(cell), part.copy(cell)),
                                          gradient ? 2 : 0)
                                    << "variant " << variant << " cell " << cell.x() << "," << cell.y();
                        }
                    }
                }
}

// A part that ends where a corner's square begins, along each side, paints
// the plain fill like a part in the middle: recorded, it is the same one
// rectangle fill, where the rounded shape would record its path.
TEST(PaintCost, PartsBesideACornerTakeThePlainFill)
{
    FillRes fill;
    fill.clr = QColor(40, 120, 200);
    fill.borderclr = QColor(10, 220, 90);
    fill.round = 10;
    fill.border = true;
    fill.borderSize = 2;
    const QRect box(6, 5, 180, 110); // border band 3, corner squares 13
    auto recorded = [&](const QRect& part) {
        QPicture picture;
        QPainter p(&picture);
        p.setClipRect(part);
        Impl::drawStyleRect(&p, fill, box.x(), box.y(), box.width(), box.height());
        p.end();
        return picture.size();
    };
    const uint plain = recorded(QRect(80, 50, 10, 12));
    ASSERT_LT(plain, recorded(QRect(9, 8, 10, 12))); // a corner's own square: the shape
    for (const QRect part :
         {QRect(9, 18, 10, 12), QRect(9, 90, 10, 12), QRect(173, 18, 10, 12), QRect(173, 90, 10, 12),
          QRect(19, 8, 12, 10), QRect(161, 8, 12, 10), QRect(19, 102, 12, 10), QRect(161, 102, 12, 10)})
        EXPECT_EQ(recorded(part), plain) << part.x() << "," << part.y();
}

// Rounded fills are kept as images by look and size: every field of the
// look makes its own image.
TEST(PaintCost, KeptShapesFollowEveryFieldOfTheLook)
{
    FillRes base;
    base.clr = QColor(40, 120, 200);
    base.clr2 = QColor(200, 60, 20);
    base.borderclr = QColor(10, 220, 90);
    base.round = 8;
    base.border = true;
    base.borderSize = 1;
    auto paint = [](const FillRes& fill, int w) {
        QImage image = canvas(70, 40, Qt::white);
        QPainter p(&image);
        Impl::drawStyleRect(&p, fill, 3, 4, w, 30);
        return image;
    };
    const QImage plain = paint(base, 60);

    // The gradient's end shows only with a gradient: below.
    for (const auto& [field, change] : TestUtil::fillFieldChanges()) {
        FillRes fill = base;
        change(fill);
        EXPECT_TRUE(QByteArray(field) == "clr2" || paint(fill, 60) != plain) << field;
    }
    FillRes gradient = base;
    gradient.gradient = true;
    paint(gradient, 60);
    gradient.clr2 = QColor(201, 60, 20);
    EXPECT_NE(paint(gradient, 60), paint(base, 60)) << "gradient end";
    EXPECT_NE(paint(base, 61), plain) << "width";
    EXPECT_EQ(paint(base, 60), plain) << "the kept image paints as the first time";
}

// A kept SVG part or text line drawn after another is the one drawn with nothing kept;
// set 0 is the base, each other set changes one input of the key.
TEST_F(PaintCostTheme, KeptPicturesFollowEveryInputOfTheirKey)
{
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    const auto svg = [rm](int i) {
        const QRect part = i == 3 ? QRect(1, 0, 22, 17) : i == 4 ? QRect(0, 2, 23, 15) : QRect(0, 0, 23, 17);
        const QImage* image =
            rm->getRenderedSvg(i == 8 ? "images/huge.svg" : "images/icon.svg", QSize(23 + (i == 1), 17 + (i == 2)),
                               part, i == 5 ? QColor(200, 0, 0) : QColor(), i == 6, i == 7 ? 2 : 1);
        return image ? *image : QImage();
    };
    EXPECT_TRUE(TestUtil::cacheFollowsEveryInput(9, svg, [rm] { rm->themeChange(); }));

    const auto line = [&](int i, bool kept) {
        QFont font(QString::fromLatin1(kDefaultTextStyleFamily), i == 2 ? 11 : 10); // points take the device's dpi
        if (i == 3 || i == 4)
            i == 3 ? font.setBold(true) : font.setItalic(true);
        if (i == 5 || i == 6)
            i == 5 ? font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5) : font.setFamily(QStringLiteral("Monospace"));
        const int dotsPerMeter = qRound((i == 8 ? 144 : 96) / 0.0254);
        const int align = i == 9 ? Qt::AlignRight | Qt::AlignBottom : Qt::AlignLeft | Qt::AlignVCenter;
        const QString text = i == 1 ? QStringLiteral("Wind 13") : QStringLiteral("Wind 12");
        QImage image = canvas(120, 30, Qt::white);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        QPainter p(&image);
        p.setPen(i == 7 ? QColor(200, 40, 60) : QColor(20, 40, 60));
        p.setFont(font);
        if (kept)
            cvnDrawCachedText(&p, QRect(2, 2, 110, 26), align, text, false, 0);
        else
            p.drawText(QRect(2, 2, 110, 26), align, text);
        return image;
    };
    for (int i = 0; i < 10; ++i) {
        cvnClearTextLayoutCache();
        EXPECT_EQ(line(i, true), line(i, false)) << "set " << i;
    }
    EXPECT_TRUE(TestUtil::cacheFollowsEveryInput(
        10, [&](int i) { return line(i, true); }, cvnClearTextLayoutCache));
}
