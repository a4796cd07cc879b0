// Picture control: placement of raster and SVG pictures, recolouring,
// images handed over by the caller, clicks, JSON and GIF playback.

#include "CVNQImage.h"
#include "CVNQImageImpl.h"
#include "ControlsTestUtil.h"
#include "CVNJson.h"
#include "TestUtil.h"

#include <QLabel>
#include <QMovie>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace ControlsTest;

namespace {

// A GIF of 8 x 8 frames, each filled with one colour of a four-colour
// table. Every pixel code follows a clear code, so the LZW code size
// stays at 3 bits whatever the decoder's convention.
QByteArray gifFrames(const QVector<int>& frameColours, int delayCs)
{
    const QColor table[4] = {Qt::black, Qt::red, Qt::green, Qt::blue};
    QByteArray out("GIF89a");
    auto u16 = [&](int v) {
        out.append(char(v & 0xFF));
        out.append(char((v >> 8) & 0xFF));
    };
    u16(8);
    u16(8);
    out.append(char(0x91)); // global table of 4 entries
    out.append(char(0));
    out.append(char(0));
    for (const QColor& c : table) {
        out.append(char(c.red()));
        out.append(char(c.green()));
        out.append(char(c.blue()));
    }
    for (int colour : frameColours) {
        out.append("\x21\xF9\x04\x00", 4);
        u16(delayCs);
        out.append("\x00\x00", 2);
        out.append(char(0x2C));
        u16(0);
        u16(0);
        u16(8);
        u16(8);
        out.append(char(0));
        out.append(char(2)); // minimum code size
        QByteArray data;
        quint32 acc = 0;
        int bits = 0;
        auto code = [&](int c) {
            acc |= quint32(c) << bits;
            bits += 3;
            while (bits >= 8) {
                data.append(char(acc & 0xFF));
                acc >>= 8;
                bits -= 8;
            }
        };
        for (int i = 0; i < 64; ++i) {
            code(4);
            code(colour);
        }
        code(5);
        if (bits > 0)
            data.append(char(acc & 0xFF));
        for (int pos = 0; pos < data.size(); pos += 255) {
            const QByteArray chunk = data.mid(pos, 255);
            out.append(char(chunk.size()));
            out.append(chunk);
        }
        out.append(char(0));
    }
    out.append(char(0x3B));
    return out;
}

struct ImageFixture : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "sq16.png", pngBytes(solidImage(16, 16, QColor(255, 0, 0)))));
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "sq17.png", pngBytes(solidImage(17, 16, QColor(255, 0, 0)))));
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "dot.SVG", svgCircle(20, 20, "#00ff00")));
        ASSERT_TRUE(TestUtil::writeFile(
            dir.path(), "nosize.svg",
            R"(<svg xmlns="http://www.w3.org/2000/svg"><rect x="0" y="0" width="100%" height="100%" fill="#0000ff"/></svg>)"));
        image = new CVNQImage(&host);
        image->resize(64, 32);
    }
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    QWidget host;
    CVNQImage* image = nullptr;
};

} // namespace

TEST_F(ImageFixture, RasterPlacement)
{
    image->setImagePath(file("sq16.png"));
    EXPECT_EQ(inkBox(render(image)), QRect(0, 0, 64, 32)) << "stretched by default";

    image->setStretchDraw(false);
    image->setAlignType(1, 2);
    EXPECT_EQ(inkBox(render(image)), QRect(24, 16, 16, 16));
    image->setImagePath(file("sq17.png"));
    EXPECT_EQ(inkBox(render(image)), QRect(23, 16, 17, 16));
    image->setAlignType(2, 0);
    EXPECT_EQ(inkBox(render(image)), QRect(47, 0, 17, 16));
    image->setAlignType(0, 1);
    EXPECT_EQ(inkBox(render(image)), QRect(0, 8, 17, 16));
    image->setImagePath(file("missing.png"));
    EXPECT_FALSE(inkBox(render(image)).isValid());
}

TEST_F(ImageFixture, SvgPicturesAndTheirColour)
{
    // An upper-case ".SVG" ending is an SVG too.
    image->setImagePath(file("dot.SVG"));
    EXPECT_EQ(image->getSvgPath(), file("dot.SVG"));
    // Also when a page file names it.
    CVNQImage read;
    Json::Value node;
    node["attr"]["path"] = file("dot.SVG").toStdString();
    read.readJsonValue(&node);
    EXPECT_EQ(read.getSvgPath(), file("dot.SVG"));
    image->setStretchDraw(false);
    QImage img = render(image);
    EXPECT_EQ(inkBox(img), QRect(22, 6, 20, 20));
    EXPECT_TRUE(near(img.pixelColor(32, 16), QColor(0, 255, 0)));

    image->setSvgColor(QColor(200, 0, 200));
    EXPECT_TRUE(image->getUseSvgColor());
    img = render(image);
    EXPECT_TRUE(near(img.pixelColor(32, 16), QColor(200, 0, 200)));
    EXPECT_TRUE(near(img.pixelColor(23, 7), Qt::white)) << "outside the circle stays clear";
    image->setUseSvgColor(false);
    EXPECT_TRUE(near(render(image).pixelColor(32, 16), QColor(0, 255, 0)));

    // No size of its own: drawn at the control's size.
    image->setSvgPath(file("nosize.svg"));
    EXPECT_TRUE(image->getImagePath().isEmpty());
    EXPECT_EQ(inkBox(render(image)), QRect(0, 0, 64, 32));
}

TEST_F(ImageFixture, HandedOverImagesAreCopies)
{
    auto* source = new QImage(solidImage(8, 8, QColor(0, 0, 255)));
    image->setImage(source);
    ASSERT_NE(image->getImage(), nullptr);
    EXPECT_NE(image->getImage(), source);
    source->fill(Qt::yellow);
    delete source;
    EXPECT_TRUE(near(render(image).pixelColor(32, 16), QColor(0, 0, 255)));

    // A path set afterwards is what shows; setImage(nullptr) clears it.
    image->setImagePath(file("sq16.png"));
    EXPECT_EQ(image->getImage(), nullptr);
    EXPECT_TRUE(near(render(image).pixelColor(32, 16), QColor(255, 0, 0)));
    const QImage green = solidImage(4, 4, Qt::green);
    image->setImage(&green);
    EXPECT_TRUE(near(render(image).pixelColor(32, 16), QColor(0, 255, 0)));
    image->setImage(nullptr);
    EXPECT_EQ(image->getImage(), nullptr);
    EXPECT_TRUE(near(render(image).pixelColor(32, 16), QColor(255, 0, 0)));
}

TEST_F(ImageFixture, ReleaseWithAnyButtonClicks)
{
    int clicks = 0;
    QObject::connect(image, &CVNQImage::clicked, [&] { ++clicks; });
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        TestUtil::release(image, QPointF(10, 10), button);
    TestUtil::release(image, QPointF(500, -40));
    EXPECT_EQ(clicks, 4);
}

TEST_F(ImageFixture, JsonKeys)
{
    Json::Value node = TestUtil::json(R"({"attr": {"path": "icons/wind.svg", "fill": false, "svgUseColor": true,
        "svgColor": "800080FF"}})");
    image->readJsonValue(&node);
    EXPECT_EQ(image->getSvgPath(), "icons/wind.svg");
    EXPECT_FALSE(image->getStretchDraw());
    EXPECT_EQ(image->getSvgColor(), QColor(0, 0x80, 0xFF, 0x80));

    Json::Value out(Json::objectValue);
    image->serializeJsonValue(&out, false);
    EXPECT_EQ(out["attr"], TestUtil::json(R"({"svgPath": "icons/wind.svg", "fill": 0, "svgUseColor": 1,
        "svgColor": "800080FF"})"))
        << jsonStyled(out);

    // Defaults write nothing of their own; a raster path is written as "path".
    QWidget host2;
    CVNQImage plain(&host2);
    Json::Value in2 = TestUtil::json(R"({"attr": {"path": "a.png"}})");
    plain.readJsonValue(&in2);
    Json::Value out2(Json::objectValue);
    plain.serializeJsonValue(&out2, false);
    EXPECT_EQ(out2["attr"], TestUtil::json(R"({"path": "a.png"})"));
    plain.setImagePath(QString());
    Json::Value out3(Json::objectValue);
    plain.serializeJsonValue(&out3, false);
    EXPECT_EQ(out3["attr"], Json::Value(Json::objectValue));
}

TEST_F(ImageFixture, GifPlaysInItsLabelAndReportsTheLastFrame)
{
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "anim.gif", gifFrames({1, 2, 3}, 2)));
    int finished = 0;
    QObject::connect(image, &CVNQImage::movieFinished, [&] { ++finished; });

    image->setImagePath(file("sq16.png"));
    image->loadGif(file("anim.gif"));
    EXPECT_TRUE(image->getImagePath().isEmpty());
    QMovie* movie = image->getImpl()->movie;
    QLabel* label = image->getImpl()->movieLabel;
    ASSERT_NE(movie, nullptr);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(movie->frameCount(), 3);
    EXPECT_FALSE(label->isHidden());
    EXPECT_EQ(label->geometry(), QRect(0, 0, 64, 32));
    resizeNow(image, 80, 40);
    EXPECT_EQ(label->geometry(), QRect(0, 0, 80, 40));

    EXPECT_TRUE(TestUtil::waitFor([movie] { return movie->state() != QMovie::Running; }));
    ASSERT_EQ(movie->state(), QMovie::NotRunning);
    EXPECT_EQ(movie->currentFrameNumber(), 2);
    // A repaint of the control while the last frame shows reports it (on
    // screen the control repaints under its label as frames change).
    EXPECT_EQ(finished, 0);
    render(image);
    EXPECT_EQ(image->getImpl()->lastFrame, 2);
    EXPECT_GE(finished, 1);
    EXPECT_TRUE(near(label->grab().toImage().pixelColor(10, 10), QColor(0, 0, 255)));
    // Played again and stopped on demand.
    image->startAnimate();
    EXPECT_EQ(movie->state(), QMovie::Running);
    image->stopAnimate();
    EXPECT_EQ(movie->state(), QMovie::NotRunning);

    // A new picture stops and drops the movie.
    image->setImagePath(file("sq16.png"));
    EXPECT_EQ(image->getImpl()->movie, nullptr);
    EXPECT_TRUE(label->isHidden());
    image->startAnimate();
    image->stopAnimate();
}
