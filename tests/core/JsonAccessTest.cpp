#include "CVNJson.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

using namespace CVNQtLib;

TEST(JsonAccess, NullHasEveryKeyAndReadsAsZero)
{
    Json::Value null;
    EXPECT_TRUE(jsonHasMember(null, "anything"));
    int i = 7;
    bool b = true;
    QString s = "keep";
    EXPECT_TRUE(jsonRead(null, "x", i));
    EXPECT_TRUE(jsonRead(null, "x", b));
    EXPECT_TRUE(jsonRead(null, "x", s));
    EXPECT_EQ(i, 0);
    EXPECT_FALSE(b);
    EXPECT_TRUE(s.isEmpty());
}

TEST(JsonAccess, WrongTypesAreAbsentAndNeverThrow)
{
    const Json::Value v = TestUtil::json(R"({"n":"text","s":5,"a":[1,2],"o":{"k":1},"big":1e300,"neg":-1e300})");
    int i = 3;
    EXPECT_FALSE(jsonRead(v, "n", i));
    EXPECT_EQ(i, 3);
    QString s = "keep";
    EXPECT_FALSE(jsonRead(v, "s", s));
    EXPECT_EQ(s, "keep");
    EXPECT_FALSE(jsonRead(v, "missing", i));
    EXPECT_FALSE(jsonHasMember(v, "missing"));
    EXPECT_FALSE(jsonHasMember(jsonGet(v, "a"), "k"));
    // Keyed access into an array and indexed access into an object are safe.
    EXPECT_TRUE(jsonGet(jsonGet(v, "a"), "k").isNull());
    EXPECT_TRUE(jsonAt(jsonGet(v, "o"), 0).isNull());
    EXPECT_EQ(jsonToInt(jsonAt(jsonGet(v, "a"), 1)), 2);
    EXPECT_TRUE(jsonAt(jsonGet(v, "a"), 2).isNull());
    EXPECT_TRUE(jsonAt(jsonGet(v, "a"), -1).isNull());
    EXPECT_EQ(jsonInt(v, "big"), std::numeric_limits<int>::max());
    EXPECT_EQ(jsonInt(v, "neg"), std::numeric_limits<int>::min());
    EXPECT_EQ(jsonUInt(v, "neg"), 0u);
}

TEST(JsonAccess, BooleansAndIntegersReadAlike)
{
    const Json::Value v = TestUtil::json(R"({"a":1,"b":0,"c":true,"d":2.5})");
    EXPECT_TRUE(jsonBool(v, "a"));
    EXPECT_FALSE(jsonBool(v, "b", true));
    EXPECT_EQ(jsonInt(v, "c"), 1);
    EXPECT_EQ(jsonInt(v, "d"), 2);
}

TEST(JsonAccess, WritersNeverThrowOnOtherTypes)
{
    Json::Value arr(Json::arrayValue);
    jsonMember(arr, "k") = 5; // goes to scratch, arr unchanged
    EXPECT_EQ(arr.size(), 0u);
    Json::Value null;
    jsonMember(null, "k") = 5;
    EXPECT_EQ(jsonInt(null, "k"), 5);
    Json::Value obj(Json::objectValue);
    jsonAppend(obj, 1);
    EXPECT_TRUE(obj.empty());
}

TEST(JsonAccess, ParseReportsErrors)
{
    Json::Value out;
    QString err;
    EXPECT_FALSE(jsonParse(std::string("{\"a\": [1, 2"), out, &err));
    EXPECT_FALSE(err.isEmpty());
    EXPECT_TRUE(out.isNull());
    EXPECT_TRUE(jsonParse(QByteArray("// comment\n{\"a\": \"\xe4\xb8\xad\"}"), out));
    EXPECT_EQ(jsonString(out, "a"), QString::fromUtf8("\xe4\xb8\xad"));
}

// The writer's check and the reader agree at the depth limit and one past it, for
// arrays and objects, a scalar or an empty container innermost.
TEST(JsonAccess, WhatTheWriterPassesTheReaderReadsAtTheDepthLimit)
{
    for (int depth = kJsonReadDepth; depth <= kJsonReadDepth + 1; ++depth)
        for (Json::ValueType kind : {Json::arrayValue, Json::objectValue})
            for (bool scalarInside : {false, true}) {
                Json::Value v = scalarInside ? Json::Value(7) : Json::Value(kind);
                for (int i = 1; i < depth; ++i) { // depth - 1 containers around the innermost value
                    Json::Value outer(kind);
                    (kind == Json::objectValue ? outer["k"] : outer.append(Json::Value())).swap(v);
                    v.swap(outer);
                }
                Json::Value back;
                const bool read = jsonParse(jsonStyled(v), back);
                EXPECT_EQ(jsonReadable(v), depth <= kJsonReadDepth) << depth << kind << scalarInside;
                EXPECT_EQ(read, jsonReadable(v)) << depth << kind << scalarInside;
                EXPECT_TRUE(!read || back == v) << depth << kind << scalarInside;
            }
}

// One walk over a node answers for every key as the keyed lookups do,
// whatever lookalike members the node holds.
TEST(JsonAccess, MembersAnswerAsTheKeyedLookups)
{
    const char* const keys[] = {"w", "width", "absoluteDockHor", "x"};
    const Json::Value node = TestUtil::json(R"({"": 3, "wid": 1, "absoluteDock": 2, "w": 7, "xx": 4})");
    const CVNJsonMembers members(node, keys, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(members.has(i), jsonHasMember(node, keys[i])) << keys[i];
        EXPECT_EQ(members.get(i), jsonGet(node, keys[i])) << keys[i];
    }
}
