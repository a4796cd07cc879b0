// LCD number: digit colour through the palette, JSON round trips and the
// background fill.

#include "CVNQLCDNumber.h"
#include "CVNQLCDNumberImpl.h"
#include "ControlsTestUtil.h"
#include "CVNJson.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace ControlsTest;

TEST(LCDNumber, ColourReachesThePaletteAtTheNextPaint)
{
    QWidget host;
    CVNQLCDNumber lcd(&host);
    lcd.resize(120, 40);
    const QColor before = lcd.getColor();
    lcd.setColor(QColor(255, 80, 0));
    EXPECT_EQ(lcd.getColor(), before);
    render(&lcd);
    EXPECT_EQ(lcd.getColor(), QColor(255, 80, 0));
    EXPECT_EQ(lcd.palette().color(QPalette::Inactive, QPalette::WindowText), QColor(255, 80, 0));
    EXPECT_TRUE(TestUtil::hasColor(render(&lcd), QColor(255, 80, 0), 30));
}

TEST(LCDNumber, NodesRoundTrip)
{
    defineFill("lcd_bg", QColor(20, 30, 40));
    QWidget host;
    CVNQLCDNumber lcd(&host);
    Json::Value node = TestUtil::json(R"({"style": [["lcd_bg", 1, 0], ["lcd_bg", 1, 1]],
        "attr": {"digitCount": 6, "color": "7F10C020", "text": "123.4"}})");
    lcd.readJsonValue(&node);
    EXPECT_EQ(lcd.digitCount(), 6);
    EXPECT_DOUBLE_EQ(lcd.value(), 123.4);
    EXPECT_EQ(lcd.getNumText(), "123.4");
    EXPECT_EQ(lcd.getBackground(1).name, "lcd_bg");

    // Written before any paint: the colour read is written, with its alpha.
    Json::Value out(Json::objectValue);
    lcd.serializeJsonValue(&out, false);
    EXPECT_EQ(out["style"], TestUtil::json(R"([["lcd_bg", 1, 0]])"));
    EXPECT_EQ(out["attr"], TestUtil::json(R"({"digitCount": 6, "color": "7F10C020", "text": "123.4"})"))
        << jsonStyled(out);

    QWidget host2;
    CVNQLCDNumber back(&host2);
    back.readJsonValue(&out);
    render(&back);
    EXPECT_EQ(back.getColor(), QColor(0x10, 0xC0, 0x20, 0x7F));
    EXPECT_EQ(back.digitCount(), 6);
    EXPECT_EQ(back.getNumText(), "123.4");

    // A colour given as an integer is a QRgb.
    Json::Value rgb = TestUtil::json(R"({"attr": {"color": 16711680}})");
    back.readJsonValue(&rgb);
    render(&back);
    EXPECT_EQ(back.getColor(), QColor(255, 0, 0));

    back.setNumText("42");
    EXPECT_EQ(back.getNumText(), "42");
}

TEST(LCDNumber, BackgroundFill)
{
    defineFill("lcd_fill", QColor(0, 0, 160));
    QWidget host;
    CVNQLCDNumber lcd(&host);
    lcd.resize(100, 40);
    lcd.display(8);
    FillStyle fill;
    ASSERT_TRUE(rm()->getFillStyle("lcd_fill", fill));
    lcd.setBackground(0, fill);
    EXPECT_TRUE(near(render(&lcd).pixelColor(2, 2), QColor(0, 0, 160)));

    // The invisible "empty" style: no fill, the digits still show.
    FillStyle empty;
    ASSERT_TRUE(rm()->getFillStyle("empty", empty));
    lcd.setBackground(0, empty);
    lcd.setColor(QColor(0, 150, 0));
    const QImage img = render(&lcd, Qt::white);
    EXPECT_TRUE(near(img.pixelColor(2, 2), Qt::white));
    EXPECT_TRUE(TestUtil::hasColor(img, QColor(0, 150, 0), 30));
}
