// Group box: the open outline with its title gap, the line size, and its
// JSON node including the colour forms and a translated title.

#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQGroupBox.h"
#include "CVNQResourceManager.h"
#include "CVNQWidgetBaseImpl.h"
#include "LanguageManager.h"
#include "LayoutTestUtil.h"
#include "TestUtil.h"

#include <gtest/gtest.h>
#include <memory>

using namespace CVNQtLib;

namespace {

const QColor kLine(255, 0, 0);

bool isLine(const QImage& img, int x, int y)
{
    return img.pixelColor(x, y) == kLine;
}

Json::Value write(CVNQGroupBox& g)
{
    Json::Value out;
    g.serializeJsonValue(&out, false);
    return out;
}

} // namespace

TEST(GroupBox, OutlineLeavesAGapForTheTitle)
{
    LayoutTest::initToolkit();
    CVNQGroupBox g;
    g.resize(120, 60);
    g.setLineColor(kLine);
    g.setText("Title");
    const QSize ts = CVNQWidgetBaseImpl::getTextSize("Title", g.getTextStyle(0));
    const int m = ts.height() / 2;

    QImage img = g.grab().toImage();
    EXPECT_TRUE(isLine(img, 0, m));
    EXPECT_TRUE(isLine(img, 5, m));
    EXPECT_FALSE(isLine(img, 7, m));
    EXPECT_FALSE(isLine(img, 8 + ts.width(), m));
    EXPECT_TRUE(isLine(img, 9 + ts.width(), m));
    EXPECT_TRUE(isLine(img, 118, 30)); // right edge one pixel inside
    EXPECT_FALSE(isLine(img, 119, 30));
    EXPECT_TRUE(isLine(img, 60, 59)); // line size 1: the last row
    // The corners: each edge ends where the next begins, none beyond.
    EXPECT_TRUE(isLine(img, 0, 59) && isLine(img, 118, 59) && isLine(img, 118, m));
    EXPECT_FALSE(isLine(img, 119, 59) || isLine(img, 119, m));
    EXPECT_FALSE(isLine(img, 60, m - 2)); // nothing above the top edge

    // Without the title the gap stays, four pixels wide.
    g.setShowText(false);
    img = g.grab().toImage();
    EXPECT_TRUE(isLine(img, 5, m));
    EXPECT_FALSE(isLine(img, 6, m));
    EXPECT_FALSE(isLine(img, 8, m));
    EXPECT_TRUE(isLine(img, 9, m));

    // Line size 0 puts the bottom edge just outside; 3 lifts it.
    g.setLineSize(0);
    img = g.grab().toImage();
    for (int y = m + 1; y < 60; ++y)
        EXPECT_FALSE(isLine(img, 60, y)) << y;
    g.setLineSize(3);
    EXPECT_TRUE(isLine(g.grab().toImage(), 60, 57));
}

TEST(GroupBox, AttrKeysCountWithOrWithoutATitle)
{
    LayoutTest::initToolkit();
    CVNQGroupBox g;
    Json::Value withText = TestUtil::json(R"({"type":"qtgroupbox","attr":{"text":"Wind","size":3,"showText":0}})");
    g.readJsonValue(&withText);
    EXPECT_EQ(g.getText(), "Wind");
    EXPECT_EQ(g.getLineSize(), 3);
    EXPECT_FALSE(g.getShowText());

    Json::Value noText = TestUtil::json(R"({"type":"qtgroupbox","attr":{"size":7,"showText":1}})");
    g.readJsonValue(&noText);
    EXPECT_EQ(g.getText(), "Wind");
    EXPECT_EQ(g.getLineSize(), 7);
    EXPECT_TRUE(g.getShowText());

    // A node without "attr" empties the title, line size 0, showText off.
    g.setShowText(true);
    Json::Value bare = TestUtil::json(R"({"type":"qtgroupbox","name":"x"})");
    g.readJsonValue(&bare);
    EXPECT_EQ(g.getText(), "");
    EXPECT_EQ(g.getLineSize(), 0);
    EXPECT_FALSE(g.getShowText());
}

TEST(GroupBox, ColourForms)
{
    LayoutTest::initToolkit();
    CVNQGroupBox g;
    EXPECT_EQ(write(g)["attr"]["color"].asString(), "FF000000");
    g.setLineColor(QColor(0, 0, 0, 0));
    EXPECT_EQ(write(g)["attr"]["color"].asString(), "00000000");

    Json::Value number = TestUtil::json(R"({"attr":{"text":"","color":318701568}})"); // 0x12FF0000
    g.readJsonValue(&number);
    EXPECT_EQ(g.getLineColor(), QColor(255, 0, 0, 255));
    Json::Value text = TestUtil::json(R"({"attr":{"text":"","color":"8000FF00"}})");
    g.readJsonValue(&text);
    EXPECT_EQ(g.getLineColor(), QColor(0, 255, 0, 128));
    Json::Value junk = TestUtil::json(R"({"attr":{"text":"","color":[1]}})");
    g.readJsonValue(&junk);
    EXPECT_EQ(g.getLineColor(), QColor(0, 255, 0, 128));

    // The property grid edits the colour itself, alpha included.
    ControlInfo* info = cvnGetControlInfo("qtgroupbox");
    ASSERT_NE(info, nullptr);
    const PropertyDef& row = TestUtil::propertyRow(info, "LineColor");
    EXPECT_EQ(row.type, PropColor);
    row.setColor(&g, QColor(1, 2, 3, 4));
    EXPECT_EQ(g.getLineColor(), QColor(1, 2, 3, 4));
    EXPECT_EQ(row.getColor(&g), QColor(1, 2, 3, 4));
}

TEST(GroupBox, JsonRoundTrip)
{
    LayoutTest::initToolkit();
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    FillStyle bg;
    bg.name = "gbBg";
    rm->setFillStyle(bg.name, bg);
    TextStyleDesc ts;
    ts.name = "gbText";
    ts.size = 17;
    rm->setTextStyle(ts.name, ts);

    const Json::Value input = TestUtil::json(R"({"type":"groupbox","style":[
        ["gbBg",1,0],["gbText",2,2],["gbText",2,1]],"attr":{"text":"Farm","size":2,"color":"FF102030"}})");
    std::unique_ptr<QWidget> w(createControlTree(input, nullptr));
    auto* g = qobject_cast<CVNQGroupBox*>(w.get());
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->getBackground(0).name, "gbBg");
    EXPECT_EQ(g->getTextStyle(1).name, "gbText");
    EXPECT_EQ(g->getTextStyle(0).size, 17);

    const Json::Value out = write(*g);
    EXPECT_TRUE(TestUtil::keepsEveryKey(input["attr"], out["attr"]));
    // Set in code, the line is written as set, not as read.
    g->setLineSize(4);
    EXPECT_EQ(write(*g)["attr"]["size"], 4);
    ASSERT_EQ(out["style"].size(), 2u);
    EXPECT_EQ(out["style"][1][1].asInt(), 2);
    EXPECT_EQ(out["style"][1][2].asInt(), 2);
    CVNQGroupBox copy;
    Json::Value in = out;
    copy.readJsonValue(&in);
    EXPECT_EQ(copy.getText(), "Farm");
    EXPECT_EQ(copy.getLineSize(), 2);
    EXPECT_EQ(copy.getLineColor(), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(copy.getTextStyle(0).name, "gbText");

    // An untitled frame writes no "text"; its line settings come back.
    CVNQGroupBox untitled;
    untitled.setLineSize(4);
    untitled.setShowText(false);
    Json::Value u = write(untitled);
    EXPECT_FALSE(u["attr"].isMember("text"));
    CVNQGroupBox back;
    back.readJsonValue(&u);
    EXPECT_EQ(back.getLineSize(), 4);
    EXPECT_FALSE(back.getShowText());

    // Nothing named: no "style" at all; size 0 is written as 0.
    CVNQGroupBox plain;
    plain.setLineSize(0);
    const Json::Value p = write(plain);
    EXPECT_FALSE(p.isMember("style"));
    EXPECT_EQ(p["attr"]["size"], 0);
}

TEST(GroupBox, TitleFromALanguageKey)
{
    LayoutTest::initToolkit();
    LanguageManager* lm = LanguageManager::instance();
    ASSERT_TRUE(lm->loadFromJson(R"({"defaultLanguage":"en","languages":{"en":{"gb.t":"Turbines"},
        "zh":{"gb.t":"风机"}}})"));
    lm->setLanguage("en");
    CVNQGroupBox g;
    Json::Value n = TestUtil::json(R"({"attr":{"text":"|->gb.t"}})");
    g.readJsonValue(&n);
    EXPECT_EQ(g.getText(), "Turbines");
    g.resize(120, 60);
    ASSERT_TRUE(TestUtil::showExposed(&g));
    lm->setLanguage("zh");
    // On screen the new title shows at once.
    EXPECT_TRUE(TestUtil::repaintsAfter(&g, [&] { g.notifyChangeLanguage(); }));
    EXPECT_EQ(g.getText(), QString::fromUtf8("风机"));
    EXPECT_EQ(write(g)["attr"]["text"].asString(), "风机"); // the shown title, not the key

    // A literal title no longer follows the key.
    g.setText("Fixed");
    g.notifyChangeLanguage();
    EXPECT_EQ(g.getText(), "Fixed");
    lm->setLanguage("en");
}
