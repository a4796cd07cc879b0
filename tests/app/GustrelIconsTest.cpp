#include "GustrelResources.h"
#include "TestUtil.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

// Every icon the dashboard names must be built in, parse, and draw
// something inside its 24 x 24 grid.
TEST(GustrelIcons, AllBuiltInIconsRender)
{
    initGustrelResources();
    const QStringList required = {"logo",     "search",      "user",         "minimize",  "maximize",
                                  "close",    "check",       "wrench",       "alert",     "offline",
                                  "energy",   "turbine",     "wind",         "analytics", "density",
                                  "humidity", "temperature", "chevron-down", "plus",      "sliders"};
    const QStringList all = QDir(":/gustrel/icons").entryList({"*.svg"}, QDir::Files);
    EXPECT_EQ(all.size(), 25);
    for (const QString& name : required)
        EXPECT_TRUE(all.contains(name + ".svg")) << name.toStdString();

    for (const QString& file : all) {
        SCOPED_TRACE(file.toStdString());
        const QString path = gustrelIconPath(file.chopped(4));
        EXPECT_EQ(path, ":/gustrel/icons/" + file);
        QSvgRenderer renderer(path);
        ASSERT_TRUE(renderer.isValid());
        EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 24, 24));
        // Buttons and table cells draw icons at their own size.
        EXPECT_EQ(renderer.defaultSize(), QSize(16, 16));

        QImage img(48, 48, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        renderer.render(&p);
        p.end();
        int drawn = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                drawn += qAlpha(img.pixel(x, y)) > 128;
        EXPECT_GT(drawn, 20);
        // Nothing touches the border: strokes stay inside the grid.
        for (int k = 0; k < 48; ++k) {
            EXPECT_EQ(qAlpha(img.pixel(k, 0)), 0);
            EXPECT_EQ(qAlpha(img.pixel(0, k)), 0);
            EXPECT_EQ(qAlpha(img.pixel(k, 47)), 0);
            EXPECT_EQ(qAlpha(img.pixel(47, k)), 0);
        }
    }
}

// Status icons are drawn untinted in table cells, so each carries its
// status colour; the tinted user-interface icons carry a neutral one.
TEST(GustrelIcons, StatusIconsCarryTheirColours)
{
    initGustrelResources();
    const struct
    {
        const char* name;
        QColor colour;
    } cases[] = {{"check", QColor(0, 239, 134)}, {"wrench", QColor(255, 189, 74)}, {"alert", QColor(255, 91, 116)}};
    for (const auto& c : cases) {
        QSvgRenderer renderer(gustrelIconPath(c.name));
        QImage img(48, 48, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        renderer.render(&p);
        p.end();
        EXPECT_TRUE(TestUtil::hasColor(img, c.colour, 4)) << c.name;
    }
}
