// Per-state style groups and the compact "style" list.

#include "CVNQResourceManager.h"
#include "CVNQStateStyles.h"
#include "TestUtil.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace CVNQtLib;

namespace {

TextStyleDesc text(const char* name)
{
    TextStyleDesc s;
    s.name = name;
    return s;
}

// The [name, index] pairs of a written list.
std::vector<std::pair<std::string, int>> entries(const Json::Value& list)
{
    std::vector<std::pair<std::string, int>> out;
    for (const Json::Value& e : list)
        out.emplace_back(e[0].asString(), e[2].asInt());
    return out;
}

void registerStyles()
{
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    for (auto s : {TestUtil::fillStyle("ssA", Qt::red), TestUtil::fillStyle("ssA2", Qt::red),
                   TestUtil::fillStyle("ssB", Qt::blue), TestUtil::fillStyle("ssC", Qt::green)})
        rm->setFillStyle(s.name, s);
    for (auto t : {text("ssT"), text("ssU")})
        rm->setTextStyle(t.name, t);
}

} // namespace

TEST(StateStyles, SetterChecksTheState)
{
    CVNQFillStyles g;
    EXPECT_TRUE(g.set(CtrlStateAll, TestUtil::fillStyle("a", Qt::red)));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(g[i].name, "a");
    EXPECT_TRUE(g.set(2, TestUtil::fillStyle("b", Qt::blue)));
    EXPECT_EQ(g[2].name, "b");
    EXPECT_EQ(g[1].name, "a");
    EXPECT_FALSE(g.set(5, TestUtil::fillStyle("x", Qt::red)));
    EXPECT_FALSE(g.set(-1, TestUtil::fillStyle("x", Qt::red)));
    for (int i = 0; i < 4; ++i)
        EXPECT_NE(g[i].name, "x");
    EXPECT_EQ(g.get(9).name, "a"); // out of range reads state 0

    CVNQStateStyles<TextStyleDesc, 3> three;
    EXPECT_TRUE(three.set(4, text("t")));
    EXPECT_FALSE(three.set(3, text("u")));
    EXPECT_EQ(three[2].name, "t");
}

TEST(StateStyles, ReadingAGroupFromTheStyleList)
{
    registerStyles();
    const Json::Value node = TestUtil::json(R"({"style":[["ssA",1,4],["ssB",1,6],["nope",1,5],["ssC",1,9],
        ["ssT",2,0],["ssU",2,2],"junk",[1,1,4],["ssC"],["ssC",1,"5"]]})");
    CVNQFillStyles bg;
    bg.readFromNode(node, 4);
    EXPECT_EQ(bg[0].name, "ssA");
    EXPECT_EQ(bg[1].name, "ssA"); // unknown name keeps the old style
    EXPECT_EQ(bg[2].name, "ssB");
    EXPECT_EQ(bg[3].name, "ssA");
    EXPECT_EQ(bg[2].fill.clr, QColor(Qt::blue));

    CVNQTextStyles ts;
    ts.readFromNode(node, 0);
    EXPECT_EQ(ts[0].name, "ssT");
    EXPECT_EQ(ts[2].name, "ssU");
    EXPECT_EQ(ts[3].name, "ssT");

    EXPECT_FALSE(bg.readEntry(4, 8, "ssC"));
    EXPECT_TRUE(bg.readEntry(4, 7, "ssC"));
    EXPECT_EQ(bg[3].name, "ssC");

    // A "style" that is not a list, or a null node, reads nothing.
    CVNQFillStyles untouched;
    EXPECT_NO_THROW(untouched.readFromNode(TestUtil::json(R"({"style":{"a":1}})"), 0));
    EXPECT_NO_THROW(untouched.readFromNode(Json::Value(), 0));
    EXPECT_TRUE(untouched[0].name.isEmpty());
}

TEST(StateStyles, CompactWritingKeepsEveryState)
{
    CVNQFillStyles same;
    same.setAll(TestUtil::fillStyle("ssA", Qt::red));
    same.set(1, TestUtil::fillStyle("ssA2", Qt::red)); // another name, same look
    Json::Value list(Json::arrayValue);
    same.writeCompact(list, 0);
    EXPECT_EQ(entries(list), (std::vector<std::pair<std::string, int>>{{"ssA", 0}}));
    EXPECT_EQ(list[0][1].asInt(), 1);

    CVNQFillStyles hover;
    hover.setAll(TestUtil::fillStyle("ssA", Qt::red));
    hover.set(1, TestUtil::fillStyle("ssB", Qt::blue));
    list = Json::Value(Json::arrayValue);
    hover.writeCompact(list, 0);
    EXPECT_EQ(list.size(), 4u);

    // A named state whose neighbours are unnamed still differs from state 0:
    // it must survive the round trip.
    CVNQFillStyles gaps;
    gaps.set(0, TestUtil::fillStyle("ssA", Qt::red));
    gaps.set(1, FillStyle());
    gaps.set(2, TestUtil::fillStyle("ssB", Qt::blue));
    gaps.set(3, FillStyle());
    list = Json::Value(Json::arrayValue);
    gaps.writeCompact(list, 10);
    EXPECT_EQ(entries(list), (std::vector<std::pair<std::string, int>>{{"ssA", 10}, {"ssB", 12}}));

    registerStyles();
    Json::Value node(Json::objectValue);
    cvnSetStyleList(node, list);
    CVNQFillStyles back;
    back.readFromNode(node, 10);
    EXPECT_EQ(back[0].name, "ssA");
    EXPECT_EQ(back[1].name, "ssA");
    EXPECT_EQ(back[2].name, "ssB");

    // Text groups compare by name; kind 2.
    CVNQTextStyles ts;
    ts.setAll(text("ssT"));
    list = Json::Value(Json::arrayValue);
    ts.writeCompact(list, 4);
    EXPECT_EQ(entries(list), (std::vector<std::pair<std::string, int>>{{"ssT", 4}}));
    EXPECT_EQ(list[0][1].asInt(), 2);
    ts.set(3, text("ssU"));
    list = Json::Value(Json::arrayValue);
    ts.writeCompact(list, 4);
    EXPECT_EQ(list.size(), 4u);

    // Nothing named, nothing written; an empty list sets no "style".
    CVNQFillStyles blank;
    list = Json::Value(Json::arrayValue);
    blank.writeCompact(list, 0);
    EXPECT_EQ(list.size(), 0u);
    Json::Value n2(Json::objectValue);
    cvnSetStyleList(n2, list);
    EXPECT_FALSE(n2.isMember("style"));
}

// Looks are alike only when every field is: a text style that differs in
// any one field is another look.
TEST(StateStyles, TextLooksDifferInEachField)
{
    const TextStyleDesc base;
    EXPECT_TRUE(textStyleLooksEqual(base, base));
    const std::vector<std::function<void(TextStyleDesc&)>> changes = {
        [](TextStyleDesc& t) { t.isTextStyle = !t.isTextStyle; },
        [](TextStyleDesc& t) { t.bold = !t.bold; },
        [](TextStyleDesc& t) { t.italic = !t.italic; },
        [](TextStyleDesc& t) { t.size += 1; },
        [](TextStyleDesc& t) { t.underline = !t.underline; },
        [](TextStyleDesc& t) { t.family += "x"; },
        [](TextStyleDesc& t) { t.clr = QColor(1, 2, 3); },
        [](TextStyleDesc& t) { t.x += 1; },
        [](TextStyleDesc& t) { t.y += 1; },
        [](TextStyleDesc& t) { t.isHor = !t.isHor; },
        [](TextStyleDesc& t) { t.singleline = !t.singleline; },
        [](TextStyleDesc& t) { t.hor = (t.hor + 1) % 3; },
        [](TextStyleDesc& t) { t.ver = (t.ver + 1) % 3; },
        [](TextStyleDesc& t) { t.elideMode = 3; }};
    for (size_t i = 0; i < changes.size(); ++i) {
        TextStyleDesc other = base;
        changes[i](other);
        EXPECT_FALSE(textStyleLooksEqual(base, other)) << "field " << i;
    }
}
