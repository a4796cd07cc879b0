// The stand-ins for the dashboard's Windows font family.

#include "GustrelFonts.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

TEST(GustrelFonts, StandInsOnlyWhenTheFamilyIsMissing)
{
    const QStringList installed = {"DejaVu Sans", "WenQuanYi Micro Hei", "Droid Sans Fallback", "Noto Sans CJK SC"};
    EXPECT_EQ(gustrelFontStandIns("Microsoft YaHei UI", installed),
              QStringList({"Noto Sans CJK SC", "WenQuanYi Micro Hei", "Droid Sans Fallback", "DejaVu Sans"}));
    EXPECT_TRUE(gustrelFontStandIns("Microsoft YaHei UI", installed + QStringList{"microsoft yahei ui"}).isEmpty());
    EXPECT_TRUE(gustrelFontStandIns("Microsoft YaHei UI", {"Some Font"}).isEmpty());
}

TEST(GustrelFonts, ConfiguredFamilyDrawsChinese)
{
    const QStringList standIns = installGustrelFontSubstitutes();
    if (standIns.isEmpty())
        GTEST_SKIP() << "no CJK font installed";
    QFont font(gustrelFontFamily());
    font.setPixelSize(14);
    // The family name stays as configured; Qt resolves it to a stand-in
    // that has the glyphs.
    EXPECT_EQ(font.family(), gustrelFontFamily());
    EXPECT_TRUE(standIns.contains(QFontInfo(font).family()));
    const QFontMetrics metrics(font);
    EXPECT_TRUE(metrics.inFont(QChar(0x98CE))); // 风
    EXPECT_TRUE(metrics.inFont(QLatin1Char('W')));
}
