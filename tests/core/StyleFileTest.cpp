#include "CVNQResourceManager.h"
#include "CVNQResourceManagerImpl.h"
#include "CVNQStyleDefs.h"
#include "TestUtil.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>

using namespace CVNQtLib;

namespace {

CVNQResourceManager* rm()
{
    return CVNQResourceManager::getInstance();
}

// Reads a "style" array into a fresh package.
struct Package
{
    CVNQResourceManagerImpl pkg;
    explicit Package(const char* styleArray) { EXPECT_TRUE(rm()->readStyle(&pkg, TestUtil::json(styleArray))); }
    const FillStyle& fill(const char* name) const
    {
        const FillStyle* s = pkg.findFillStyle(QString::fromUtf8(name));
        EXPECT_NE(s, nullptr) << name;
        static FillStyle none;
        return s ? *s : none;
    }
    const TextStyleDesc& text(const char* name) const
    {
        const TextStyleDesc* s = pkg.findTextStyle(QString::fromUtf8(name));
        EXPECT_NE(s, nullptr) << name;
        static TextStyleDesc none;
        return s ? *s : none;
    }
};

// Restores the manager's scale factor whatever a test did.
struct ScaleGuard
{
    float old = rm()->getScaleFactor();
    ~ScaleGuard() { rm()->setScaleFactor(old); }
};

} // namespace

TEST(StyleFile, ColourTextKeepsThirtyTwoBitStrtoulSemantics)
{
    EXPECT_EQ(cvnParseHexColorNumber("FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(cvnParseHexColorNumber("0x80ff0000"), 0x80FF0000u);
    EXPECT_EQ(cvnParseHexColorNumber("ff0000zz"), 0x00FF0000u); // stops at the first non-hex
    EXPECT_EQ(cvnParseHexColorNumber("nothex"), 0u);
    EXPECT_EQ(cvnParseHexColorNumber(""), 0u);
    EXPECT_EQ(cvnParseHexColorNumber(nullptr), 0u);
    EXPECT_EQ(cvnParseHexColorNumber("123456789"), 0xFFFFFFFFu); // saturates like a 32-bit strtoul
    EXPECT_EQ(cvnParseHexColorNumber("  -1"), 0xFFFFFFFFu);
    // Every blank, sign, prefix and digit case reads as strtoul reads it (in range).
    for (const char* blank : {"", " ", "\t\n"})
        for (const char* sign : {"", "+", "-"})
            for (const char* prefix : {"", "0x", "0X", "0"})
                for (const char* digits : {"1F", "80ff00aB", "0", "x1", "g", ""}) {
                    const std::string t = std::string(blank) + sign + prefix + digits;
                    EXPECT_EQ(cvnParseHexColorNumber(t.c_str()), quint32(std::strtoul(t.c_str(), nullptr, 16))) << t;
                }

    // Six digits: alpha 0. A fill colour keeps it, a text colour is opaque.
    EXPECT_EQ(cvnColorFromText("ff0000", true), QColor(255, 0, 0, 0));
    EXPECT_EQ(cvnColorFromText("ff0000", false), QColor(255, 0, 0, 255));
    EXPECT_EQ(cvnColorFromText("garbage", true), QColor(0, 0, 0, 0));

    EXPECT_EQ(cvnColorToText(QColor(255, 255, 255)), "FFFFFFFF");
    EXPECT_EQ(cvnColorToText(QColor(0x12, 0xab, 0x0c, 0x80)), "8012AB0C");
    // Names are read as UTF-8.
    EXPECT_EQ(utf8ToQString("风机 ü"), QStringLiteral("风机 ü"));
    EXPECT_TRUE(utf8ToQString(nullptr).isEmpty());
}

TEST(StyleFile, FillEntryWithOnlyTypeAndNameTakesTheFileDefaults)
{
    Package p(R"([{"type": 1, "name": "bare"}])");
    const FillStyle& s = p.fill("bare");
    EXPECT_FALSE(s.useColor); // no "drawImg" means an image style
    EXPECT_TRUE(s.valid);
    EXPECT_EQ(s.fill.borderSize, 1);
    EXPECT_EQ(s.fill.clr, QColor(255, 255, 255, 255));
    EXPECT_EQ(s.fill.borderclr, QColor(255, 255, 255, 255));
    EXPECT_FALSE(s.fill.border);
    EXPECT_TRUE(s.fill.leftBorder && s.fill.topBorder && s.fill.rightBorder && s.fill.bottomBorder);
    EXPECT_TRUE(s.fill.roundTopLeft && s.fill.roundTopRight && s.fill.roundBottomRight && s.fill.roundBottomLeft);
    for (int m : s.imgDesc.margin)
        EXPECT_EQ(m, 0);
}

TEST(StyleFile, MarginIsTopRightBottomLeftAndScaledBelowOne)
{
    ScaleGuard guard;
    rm()->setScaleFactor(100.0f);
    {
        Package p(R"([{"type": 1, "name": "m", "margin": [1, 2, 3, 4]}])");
        const ImageDesc& d = p.fill("m").imgDesc;
        EXPECT_EQ(d.margin[MarginLeft], 4);
        EXPECT_EQ(d.margin[MarginRight], 2);
        EXPECT_EQ(d.margin[MarginTop], 1);
        EXPECT_EQ(d.margin[MarginBottom], 3);
        Json::Value out;
        ASSERT_TRUE(rm()->writeStyle(const_cast<CVNQResourceManagerImpl*>(&p.pkg), out));
        EXPECT_EQ(out[0]["margin"], TestUtil::json("[1, 2, 3, 4]"));
    }
    rm()->setScaleFactor(0.5f);
    {
        Package p(R"([{"type": 1, "name": "m", "margin": [1, 2, 3, 4]}, {"type": 1, "name": "short", "margin": [5]}])");
        const ImageDesc& d = p.fill("m").imgDesc;
        EXPECT_EQ(d.margin[MarginLeft], 2);
        EXPECT_EQ(d.margin[MarginRight], 1);
        EXPECT_EQ(d.margin[MarginTop], 0);
        EXPECT_EQ(d.margin[MarginBottom], 1);
        EXPECT_EQ(p.fill("short").imgDesc.margin[MarginTop], 2);
        EXPECT_EQ(p.fill("short").imgDesc.margin[MarginLeft], 0);
    }
    // A factor <= 0 is ignored: the previous one stays in force.
    rm()->setScaleFactor(0.0f);
    EXPECT_FLOAT_EQ(rm()->getScaleFactor(), 0.5f);
    rm()->setScaleFactor(-2.0f);
    EXPECT_FLOAT_EQ(rm()->getScaleFactor(), 0.5f);
}

TEST(StyleFile, WriterOmitsDefaultsAndRoundTrips)
{
    CVNQResourceManagerImpl pkg;
    FillStyle f;
    f.name = QStringLiteral("f");
    f.fill.border = false;
    f.fill.leftBorder = false; // not written without a border
    f.fill.round = 6;
    f.fill.roundBottomLeft = false;
    f.fill.clr = QColor(1, 2, 3, 4);
    f.imgDesc.repeatCenter = true;
    pkg.setFillStyle(f.name, f);
    TextStyleDesc t;
    t.name = QString::fromUtf8("标题");
    t.singleline = false; // never written
    t.clr = QColor(255, 0, 0, 0x80);
    t.size = 20;
    t.isHor = false;
    pkg.setTextStyle(t.name, t);

    Json::Value out;
    ASSERT_TRUE(rm()->writeStyle(&pkg, out));
    ASSERT_EQ(out.size(), 2u);
    EXPECT_FALSE(out[0].isMember("leftBorder"));
    EXPECT_FALSE(out[0].isMember("border"));
    EXPECT_EQ(out[0]["drawImg"], false);
    EXPECT_EQ(out[0]["clr"], "04010203");
    EXPECT_EQ(out[1]["type"], 2);
    EXPECT_EQ(out[1]["clr"], "80FF0000"); // stored alpha is written
    EXPECT_FALSE(out[1].isMember("singleline"));
    EXPECT_FALSE(out[1].isMember("x"));

    CVNQResourceManagerImpl back;
    ASSERT_TRUE(rm()->readStyle(&back, out));
    const FillStyle* f2 = back.findFillStyle("f");
    ASSERT_NE(f2, nullptr);
    EXPECT_TRUE(f2->useColor);
    EXPECT_TRUE(f2->fill.leftBorder);
    EXPECT_EQ(f2->fill.round, 6);
    EXPECT_FALSE(f2->fill.roundBottomLeft);
    EXPECT_EQ(f2->fill.clr, QColor(1, 2, 3, 4));
    EXPECT_TRUE(f2->imgDesc.repeatCenter);
    const TextStyleDesc* t2 = back.findTextStyle(QString::fromUtf8("标题"));
    ASSERT_NE(t2, nullptr);
    EXPECT_TRUE(t2->singleline);
    EXPECT_EQ(t2->clr, QColor(255, 0, 0, 255));
    EXPECT_EQ(t2->size, 20);
    EXPECT_FALSE(t2->isHor);

    Json::Value again;
    ASSERT_TRUE(rm()->writeStyle(&back, again));
    EXPECT_EQ(again[1]["clr"], "FFFF0000");

    EXPECT_FALSE(rm()->writeStyle(nullptr, again));
    EXPECT_FALSE(rm()->readStyle(nullptr, out));

    // Entries with every key away from its default come back whole.
    const Json::Value full = TestUtil::json(R"([
        {"type": 1, "name": "all", "border": true, "borderSize": 3, "borderclr": "FF102030", "drawImg": true,
         "clr": "80405060", "img": "card.png", "round": 7, "roundTopLeft": false, "roundTopRight": false,
         "roundBottomRight": false, "roundBottomLeft": false, "leftBorder": false, "rightBorder": false,
         "topBorder": false, "bottomBorder": false, "repeatLeft": true, "repeatTop": true, "repeatRight": true,
         "repeatBottom": true, "repeatCenter": true, "margin": [1, 2, 3, 4]},
        {"type": 2, "name": "every", "clr": "FF0A0B0C", "hor": 2, "ver": 0, "x": 5, "y": -6, "bold": true,
         "underline": true, "italic": true, "isHor": false, "size": 19, "family": "DejaVu Serif"}])");
    CVNQResourceManagerImpl whole;
    ASSERT_TRUE(rm()->readStyle(&whole, full));
    Json::Value written;
    ASSERT_TRUE(rm()->writeStyle(&whole, written));
    EXPECT_TRUE(TestUtil::keepsEveryKey(full, written));
}

TEST(StyleFile, LaterEntryReplacesInPlaceAndUnknownEntriesAreSkipped)
{
    Package p(R"([
        {"type": 1, "name": "x", "round": 1},
        {"type": 1, "name": "y"},
        {"type": 3, "name": "three"},
        {"name": "notype"},
        {"type": null, "name": "nulltype"},
        7, "text", null, [1, 2],
        {"type": 1, "name": "x", "round": 2},
        {"type": 2, "name": "x"}
    ])");
    ASSERT_EQ(p.pkg.fillStyles().size(), 2);
    EXPECT_EQ(p.pkg.fillStyles().at(0).name, QStringLiteral("x"));
    EXPECT_EQ(p.pkg.fillStyles().at(0).fill.round, 2);
    EXPECT_EQ(p.pkg.textStyles().size(), 1); // a text style may share a fill style's name
    EXPECT_EQ(p.pkg.findFillStyle("three"), nullptr);
    EXPECT_EQ(p.pkg.findFillStyle("notype"), nullptr);
}

TEST(StyleFile, MistypedKeysReadAsAbsent)
{
    Package p(R"([
        {"type": 1, "name": "odd", "borderSize": "wide", "clr": 5, "round": true,
         "margin": "1,2,3,4", "border": "yes", "drawImg": false},
        {"type": 1, "name": "m", "margin": ["a", 2, {}, 4]},
        {"type": "1", "name": "strtype"},
        {"type": 2, "name": "t", "size": "big", "family": 12, "clr": [1], "bold": 1}
    ])");
    const FillStyle& odd = p.fill("odd");
    EXPECT_EQ(odd.fill.borderSize, 1);
    EXPECT_EQ(odd.fill.clr, QColor(255, 255, 255, 255));
    EXPECT_EQ(odd.fill.round, 1); // a bool where an int is expected reads as 0 or 1
    EXPECT_FALSE(odd.fill.border);
    EXPECT_TRUE(odd.useColor);
    const FillStyle& m = p.fill("m");
    EXPECT_EQ(m.imgDesc.margin[MarginTop], 0);
    EXPECT_EQ(m.imgDesc.margin[MarginRight], 2);
    EXPECT_EQ(m.imgDesc.margin[MarginBottom], 0);
    EXPECT_EQ(m.imgDesc.margin[MarginLeft], 4);
    EXPECT_EQ(p.pkg.findFillStyle("strtype"), nullptr);
    const TextStyleDesc& t = p.text("t");
    EXPECT_EQ(t.size, 12);
    EXPECT_EQ(t.family, QString::fromLatin1(kDefaultTextStyleFamily));
    EXPECT_EQ(t.clr, QColor(Qt::black));
    EXPECT_TRUE(t.bold);
}

TEST(StyleFile, EmptyIsStoredInvalidAndReservedNamesNeverReachTables)
{
    CVNQResourceManager* m = rm();
    m->readStyle(m->getDefaultManagerImpl(),
                 TestUtil::json(R"([{"type": 1, "name": "empty", "drawImg": false, "clr": "ff112233"},
                           {"type": 1, "name": "Empty", "drawImg": false, "clr": "ff445566"}])"));
    const FillStyle* stored = m->getDefaultManagerImpl()->findFillStyle("empty");
    ASSERT_NE(stored, nullptr);
    EXPECT_FALSE(stored->valid);

    FillStyle s;
    s.fill.clr = QColor(9, 9, 9);
    s.name = QStringLiteral("before");
    EXPECT_TRUE(m->getFillStyle("empty", s));
    EXPECT_FALSE(s.valid);
    EXPECT_EQ(s.name, QStringLiteral("empty"));
    EXPECT_EQ(s.fill.clr, QColor(9, 9, 9)); // the rest is untouched
    EXPECT_TRUE(m->getFillStyle("emptyRect", s));
    EXPECT_EQ(s.name, QStringLiteral("emptyRect"));

    EXPECT_TRUE(m->getFillStyle("Empty", s));
    EXPECT_TRUE(s.valid);
    EXPECT_EQ(s.fill.clr, QColor(0x44, 0x55, 0x66));
}

TEST(StyleFile, LooksEqualComparesContentNotNames)
{
    FillStyle a, b;
    a.name = "a";
    b.name = "b";
    EXPECT_TRUE(fillStyleLooksEqual(a, b));
    b.fill.roundBottomLeft = false;
    EXPECT_FALSE(fillStyleLooksEqual(a, b));
    a.useColor = b.useColor = false;
    a.img = b.img = "images/x.png";
    EXPECT_TRUE(fillStyleLooksEqual(a, b)); // image styles compare image names only
    b.valid = false;
    EXPECT_FALSE(fillStyleLooksEqual(a, b));

    // Colour styles differing in any one field of the colour part look different.
    const auto oneField = TestUtil::fillFieldChanges();
    for (size_t i = 0; i < oneField.size(); ++i) {
        FillStyle x, y;
        y.img = "images/other.png"; // image fields do not count for colour styles
        y.imgDesc.margin[MarginRight] = 4;
        EXPECT_TRUE(fillStyleLooksEqual(x, y)) << i;
        oneField[i].second(y.fill);
        EXPECT_FALSE(fillStyleLooksEqual(x, y)) << i;
        EXPECT_FALSE(fillStyleLooksEqual(y, x)) << i;
        x.useColor = y.useColor = false; // image styles ignore the colour part
        EXPECT_FALSE(fillStyleLooksEqual(x, y)) << i;
        y.img = x.img;
        EXPECT_TRUE(fillStyleLooksEqual(x, y)) << i;
    }
}
