// The dashboard's command line: option values, their shapes and order.

#include "GustrelCommandLine.h"

#include <gtest/gtest.h>

namespace {

GustrelOptions parse(std::initializer_list<const char*> args)
{
    QStringList list;
    for (const char* a : args)
        list << QString::fromUtf8(a);
    return parseGustrelOptions(list);
}

QSize windowSizeFor(const char* value)
{
    return expandedWindowSize(parse({"--size", value}).size, QSize(1280, 720));
}

} // namespace

TEST(GustrelCommandLine, DefaultsWithoutArguments)
{
    const GustrelOptions o = parse({});
    EXPECT_TRUE(o.screenshotPath.isEmpty());
    EXPECT_EQ(o.size, QSize(1440, 900));
    EXPECT_EQ(o.page, 0);
    EXPECT_FALSE(o.drawer);
    EXPECT_FALSE(o.chinese);
}

TEST(GustrelCommandLine, SizeShapes)
{
    EXPECT_EQ(windowSizeFor("1600X1000"), QSize(1600, 1000));  // lower-cased first
    EXPECT_EQ(windowSizeFor("800x600"), QSize(1280, 720));     // grown to the minimum
    EXPECT_EQ(windowSizeFor("2000x"), QSize(2000, 720));       // an empty part counts as 0
    EXPECT_EQ(windowSizeFor("1920x1080x2"), QSize(1440, 900)); // three parts: unchanged
    EXPECT_EQ(windowSizeFor("big"), QSize(1440, 900));
    EXPECT_EQ(windowSizeFor("abcx900"), QSize(1280, 900));
    EXPECT_EQ(windowSizeFor("-1600x1000"), QSize(1280, 1000));
    // A typo must not ask the window system for a gigantic window.
    EXPECT_EQ(windowSizeFor("192000x1080"), QSize(kGustrelMaxWindowSide, 1080));
    EXPECT_EQ(windowSizeFor("1920x108000"), QSize(1920, kGustrelMaxWindowSide));
    EXPECT_EQ(windowSizeFor("99999999999x1080"), QSize(kGustrelMaxWindowSide, 1080)); // beyond an int
    EXPECT_EQ(windowSizeFor("-99999999999x+99999999999"), QSize(1280, kGustrelMaxWindowSide));
    EXPECT_EQ(windowSizeFor("99999999999.5x 900 "), QSize(1280, 900));
}

TEST(GustrelCommandLine, LaterOptionsWinAndMalformedOnesKeepTheEarlier)
{
    EXPECT_EQ(parse({"--size", "1600x1000", "--size", "1920x1080"}).size, QSize(1920, 1080));
    EXPECT_EQ(parse({"--size", "1600x1000", "--size", "oops"}).size, QSize(1600, 1000));
    EXPECT_EQ(parse({"--screenshot", "a.png", "--screenshot", "b.png"}).screenshotPath, QStringLiteral("b.png"));
}

TEST(GustrelCommandLine, PageNames)
{
    EXPECT_EQ(parse({"--page", "turbines"}).page, 1);
    EXPECT_EQ(parse({"--page", "TURBINES"}).page, 1);
    EXPECT_EQ(parse({"--page", "overview"}).page, 0);
    EXPECT_EQ(parse({"--page", "turbines", "--page", "map"}).page, 0);
    // The last argument has no value to take: ignored.
    EXPECT_EQ(parse({"--page", "turbines", "--page"}).page, 1);
    EXPECT_EQ(parse({"--page"}).page, 0);
}

TEST(GustrelCommandLine, ValuesAreConsumedWhateverTheyAre)
{
    // "--zh" after "--page" is the page's value, not the language switch.
    const GustrelOptions o = parse({"--page", "--zh", "--drawer"});
    EXPECT_EQ(o.page, 0);
    EXPECT_FALSE(o.chinese);
    EXPECT_TRUE(o.drawer);
    EXPECT_EQ(parse({"--screenshot", "--drawer"}).screenshotPath, QStringLiteral("--drawer"));
    EXPECT_FALSE(parse({"--screenshot", "--drawer"}).drawer);
    EXPECT_TRUE(parse({"--screenshot"}).screenshotPath.isEmpty());
}

TEST(GustrelCommandLine, OptionsAreExactAndCaseSensitive)
{
    const GustrelOptions o = parse({"--ZH", "-zh", "--drawers", "zh", "--Size", "1600x1000", "--zh"});
    EXPECT_TRUE(o.chinese);
    EXPECT_FALSE(o.drawer);
    EXPECT_EQ(o.size, QSize(1440, 900));
}
