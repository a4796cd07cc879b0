// The spin box: no chrome of its own, only the common JSON keys, and its
// registry names.

#include "CVNQSpinBox.h"
#include "InputTestUtil.h"
#include "TestUtil.h"

#include <QLineEdit>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace InputTest;

TEST(SpinBox, ShowsOnlyItsNumber)
{
    initToolkit();
    QWidget window;
    window.setAutoFillBackground(true);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, QColor(20, 60, 20));
    window.setPalette(pal);
    window.resize(120, 40);
    auto* spin = new CVNQSpinBox(&window);
    spin->setGeometry(0, 0, 120, 40);
    spin->setRange(0, 500);
    spin->setValue(42);
    EXPECT_FALSE(spin->hasFrame());
    EXPECT_EQ(spin->styleSheet(), "background-color: rgba(0, 0, 0, 0);");

    // The window's colour shows through everywhere except the digits: no
    // frame, no arrow buttons, no background.
    const QImage img = window.grab().toImage();
    int other = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!near(img.pixelColor(x, y), QColor(20, 60, 20), 6))
                ++other;
    EXPECT_GT(other, 0);
    EXPECT_LT(other, 300);
    EXPECT_TRUE(near(img.pixelColor(110, 5), QColor(20, 60, 20), 6));
    EXPECT_TRUE(near(img.pixelColor(119, 39), QColor(20, 60, 20), 6));
}

TEST(SpinBox, JsonHoldsOnlyTheCommonKeys)
{
    initToolkit();
    QWidget parent;
    auto* spin = new CVNQSpinBox(&parent);
    spin->setRange(0, 99);
    spin->setValue(7);
    ASSERT_TRUE(read(spin, TestUtil::json(R"({"name":"count","w":80,"h":24,"value":50,"val":50,
        "attr":{"val":50,"max":10,"min":3}})")));
    EXPECT_EQ(spin->objectName(), "count");
    EXPECT_EQ(spin->value(), 7);
    EXPECT_EQ(spin->maximum(), 99);

    Json::Value out = written(spin);
    EXPECT_EQ(out["type"].asString(), "qtspinbox");
    EXPECT_EQ(out["w"].asInt(), 80);
    for (const char* k : {"value", "val", "min", "max", "style"})
        EXPECT_FALSE(out.isMember(k)) << k;
    // The "attr" members come back as the free-form attributes they were.
    EXPECT_EQ(out["attr"]["val"].asInt(), 50);
}
