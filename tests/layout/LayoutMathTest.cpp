// Length arithmetic of the container's row and column passes, on numbers.

#include "CVNQLayoutMath.h"

#include <gtest/gtest.h>
#include <limits>

using namespace CVNQtLib;

namespace {

CVNLayoutItem item(int cur, int minLen = 0, int maxLen = kCvnUnboundedLength, qint64 weight = 1, bool fixed = false,
                   bool spacer = false)
{
    CVNLayoutItem it;
    it.cur = cur;
    it.minLen = minLen;
    it.maxLen = maxLen;
    it.weight = weight;
    it.fixed = fixed;
    it.spacer = spacer;
    return it;
}

} // namespace

TEST(LayoutMath, ClampKeepsMinimumWithinLimitAndBoundedMaximum)
{
    EXPECT_EQ(cvnClampLength(50, 100, 0, kCvnUnboundedLength), 50);
    EXPECT_EQ(cvnClampLength(150, 100, 0, kCvnUnboundedLength), 100);
    EXPECT_EQ(cvnClampLength(-5, 100, 0, kCvnUnboundedLength), 0);
    EXPECT_EQ(cvnClampLength(10, 100, 40, kCvnUnboundedLength), 40);
    // A minimum above the available length is lowered to it.
    EXPECT_EQ(cvnClampLength(10, 30, 40, kCvnUnboundedLength), 30);
    EXPECT_EQ(cvnClampLength(90, 100, 0, 60), 60);
    EXPECT_EQ(cvnClampLength(90, -20, 0, kCvnUnboundedLength), 0);
}

TEST(LayoutMath, RatioPassSharesRestAndLastTakesLeftovers)
{
    // Width 300, space 10, three weight-1 children: 280 to share.
    const qint64 avail = cvnAvailableLength(300, 3, 10, 0, 0, 0);
    EXPECT_EQ(avail, 280);
    EXPECT_EQ(cvnRatioLengths({item(0), item(0), item(0)}, avail, false), (QVector<int>{93, 93, 94}));

    // A fixed child of 100 between two flexible ones.
    EXPECT_EQ(cvnRatioLengths({item(0), item(100, 0, kCvnUnboundedLength, 1, true), item(0)}, avail, false),
              (QVector<int>{90, 100, 90}));

    // Weights 1 and 3.
    EXPECT_EQ(cvnRatioLengths({item(0, 0, kCvnUnboundedLength, 1), item(0, 0, kCvnUnboundedLength, 3)}, 200, false),
              (QVector<int>{50, 150}));

    // A minimum above the share wins; the children after it share the rest.
    EXPECT_EQ(cvnRatioLengths({item(0, 150), item(0), item(0)}, 280, false), (QVector<int>{150, 65, 65}));
}

TEST(LayoutMath, RatioPassWithScrollBarLetsContentOverflow)
{
    // Three fixed children of 200 in 300: with a bar on the axis they keep
    // their lengths (content 600), without one they are squeezed.
    const QVector<CVNLayoutItem> items = {item(200, 0, kCvnUnboundedLength, 1, true),
                                          item(200, 0, kCvnUnboundedLength, 1, true),
                                          item(200, 0, kCvnUnboundedLength, 1, true)};
    EXPECT_EQ(cvnRatioLengths(items, 300, true), (QVector<int>{200, 200, 200}));
    EXPECT_EQ(cvnRatioLengths(items, 300, false), (QVector<int>{200, 100, 0}));
}

TEST(LayoutMath, LargeWeightsAndLengthsDoNotOverflow)
{
    // rest × weight exceeds 32 bits by far; the result must still add up.
    const qint64 big = 2000000000;
    const QVector<int> out = cvnRatioLengths({item(0, 0, kCvnUnboundedLength, big),
                                              item(0, 0, kCvnUnboundedLength, big), item(0, 0, kCvnUnboundedLength, 1)},
                                             2000000000, false);
    EXPECT_EQ(qint64(out[0]) + out[1] + out[2], 2000000000);
    EXPECT_GT(out[0], 999999000);
    EXPECT_GE(out[2], 0);

    // Huge spaces between many children leave 0, never a negative length.
    EXPECT_EQ(cvnAvailableLength(300, 1000, 2000000000, 0, 0, 0), 0);

    // Shrinking with a deficit and rooms near the int limit.
    const QVector<int> shrunk = cvnSpacerLengths({item(2000000000), item(2000000000)}, 100, false);
    EXPECT_EQ(qint64(shrunk[0]) + shrunk[1], 100);
    // Four children as long as the whole int range: room × deficit alone
    // passes 64 bits.
    const int most = std::numeric_limits<int>::max();
    const QVector<int> four = cvnSpacerLengths({item(most), item(most), item(most), item(most)}, most, false);
    EXPECT_EQ(qint64(four[0]) + four[1] + four[2] + four[3], most);
    for (int len : four)
        EXPECT_NEAR(len, most / 4, 1);
}

TEST(LayoutMath, SpacerPassGrowsSpacersAndShrinksOthersByRoom)
{
    // Buttons 80 and 60 around a spacer in 400: the spacer takes 260.
    EXPECT_EQ(cvnSpacerLengths({item(80), item(0, 0, kCvnUnboundedLength, 1, false, true), item(60)}, 400, false),
              (QVector<int>{80, 260, 60}));

    // In 100 the buttons give up 40 in proportion to their room above the
    // minimum (60 and 30): 26, then the rest, 14.
    EXPECT_EQ(
        cvnSpacerLengths({item(80, 20), item(0, 0, kCvnUnboundedLength, 1, false, true), item(60, 30)}, 100, false),
        (QVector<int>{54, 0, 46}));

    // Two spacers with weights 1 and 3 share 200.
    EXPECT_EQ(cvnSpacerLengths(
                  {item(0, 0, kCvnUnboundedLength, 1, false, true), item(0, 0, kCvnUnboundedLength, 3, false, true)},
                  200, false),
              (QVector<int>{50, 150}));

    // A spacer's maximum caps it; the last spacer takes what is left.
    EXPECT_EQ(
        cvnSpacerLengths({item(0, 0, 30, 1, false, true), item(0, 0, kCvnUnboundedLength, 1, false, true)}, 200, false),
        (QVector<int>{30, 170}));
}
