// The dashboard's number texts read as Qt writes them, digit for digit; its icon
// boxes keep their icons centred.

#include "CVNQLabel.h"
#include "WindFarmWidgets.h"

#include <QWidget>

#include <QString>
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <random>

TEST(FixedNumber, WritesWhatQtWrites)
{
    // Exact ties (Qt rounds them away from zero), zeros of either sign,
    // values that round to zero, large and odd values.
    const double special[] = {12.25,
                              0.25,
                              -0.25,
                              2.5,
                              -2.5,
                              0.125,
                              1.005,
                              0.0,
                              -0.0,
                              -0.04,
                              0.049,
                              1e14,
                              -1e15,
                              1e300,
                              5e-324,
                              9999.95,
                              std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity()};
    for (const double value : special)
        for (int decimals = 0; decimals <= 3; ++decimals)
            EXPECT_EQ(fixedNumber(value, decimals), QString::number(value, 'f', decimals))
                << value << " with " << decimals;

    // Simulated readings: any value, and values already rounded to cents as
    // the simulator keeps them (where ties are common).
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> reading(-500.0, 60000.0);
    for (int i = 0; i < 200000; ++i) {
        double value = reading(random);
        if (i % 2)
            value = std::round(value * 100) / 100;
        const int decimals = i % 3;
        ASSERT_EQ(fixedNumber(value, decimals), QString::number(value, 'f', decimals)) << value << " with " << decimals;
    }
}

// An icon box centres its icon, and keeps the icon's top-left corner inside
// when the box is narrower or lower than the icon.
TEST(CenteredIconBox, CentresItsIconAndKeepsItsCornerInside)
{
    QWidget host; // a shown child gets its resize events at once
    auto* box = new CenteredIconBox(&host);
    box->setChildLayout(CVNQtLib::CVNQContainer::NoUse);
    auto* icon = new QWidget(box);
    icon->resize(20, 10);
    box->resize(41, 30);
    box->setIconWidget(icon);
    host.show();
    EXPECT_EQ(icon->pos(), QPoint(10, 10));
    for (const QSize size : {QSize(12, 30), QSize(41, 6), QSize(12, 6)}) {
        box->resize(size);
        EXPECT_EQ(icon->pos(), QPoint(size.width() < 20 ? 0 : 10, size.height() < 10 ? 0 : 10)) << size.width();
    }
}

// A control made elsewhere moves into the parent it is added to, with its
// ratio, whether that parent lays it out or not.
TEST(CenteredIconBox, AddedControlsMoveIntoTheirParentWithTheirRatio)
{
    CVNQtLib::CVNQContainer box;
    QWidget plain;
    for (QWidget* parent : {static_cast<QWidget*>(&box), &plain}) {
        auto* label = new CVNQtLib::CVNQLabel;
        addToParent(parent, label, 3);
        EXPECT_EQ(label->parentWidget(), parent);
        EXPECT_EQ(label->getLayoutRatio(), 3);
    }
}
