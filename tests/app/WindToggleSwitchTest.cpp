// The forecast switch: its state, its signal and the mouse buttons.

#include "CVNQSwitchImpl.h"
#include "TestUtil.h"
#include "WindToggleSwitch.h"

#include <QList>
#include <QPointer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

// Runs the event loop until the thumb rests on the given side (false when
// it never gets there).
bool thumbReaches(WindToggleSwitch& sw, bool left)
{
    return TestUtil::waitFor([&sw, left] { return sw.getIsSwitchToLeft() == left; });
}

// The values of every checkedChanged, in order.
struct Reports
{
    explicit Reports(WindToggleSwitch* sw)
    {
        QObject::connect(sw, &WindToggleSwitch::checkedChanged, [this](bool v) { values.append(v); });
    }
    int count() const { return values.size(); }
    QList<bool> values;
};

} // namespace

TEST(WindToggleSwitch, StartsOnAndReportsEveryLeftClick)
{
    WindToggleSwitch sw;
    sw.resize(46, 24);
    Reports spy(&sw);
    EXPECT_TRUE(sw.isChecked());
    EXPECT_FALSE(sw.getIsSwitchToLeft()); // thumb on the right
    EXPECT_EQ(spy.count(), 0);

    TestUtil::click(&sw, Qt::LeftButton);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_FALSE(spy.values[0]);
    EXPECT_TRUE(thumbReaches(sw, true)); // the slide
    EXPECT_TRUE(sw.getIsSwitchToLeft());

    TestUtil::click(&sw, Qt::LeftButton);
    EXPECT_TRUE(thumbReaches(sw, false));
    ASSERT_EQ(spy.count(), 2);
    EXPECT_TRUE(spy.values[1]);
    EXPECT_FALSE(sw.getIsSwitchToLeft());
}

TEST(WindToggleSwitch, OnlyEnabledLeftPressesToggleButEveryPressReachesTheSwitch)
{
    WindToggleSwitch sw;
    sw.resize(46, 24);
    Reports spy(&sw);
    // A right press neither toggles nor reports, and the thumb stays with
    // the state.
    TestUtil::click(&sw, Qt::RightButton);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_TRUE(sw.isChecked());
    EXPECT_FALSE(sw.getImpl()->animating);
    EXPECT_FALSE(sw.getIsSwitchToLeft());

    // A press during a slide toggles and reports too; the thumb goes back.
    TestUtil::click(&sw, Qt::LeftButton);
    TestUtil::click(&sw, Qt::LeftButton);
    EXPECT_EQ(spy.values, (QList<bool>{false, true}));
    EXPECT_TRUE(sw.isChecked());
    EXPECT_FALSE(sw.getImpl()->animating);
    EXPECT_FALSE(sw.getIsSwitchToLeft());

    sw.setEnabled(false);
    TestUtil::click(&sw, Qt::LeftButton);
    EXPECT_EQ(spy.count(), 2);
}

TEST(WindToggleSwitch, SetCheckedOnlyOnChange)
{
    WindToggleSwitch sw;
    Reports spy(&sw);
    sw.setChecked(true);
    sw.setChecked(false);
    EXPECT_FALSE(sw.isChecked());
    EXPECT_TRUE(sw.getIsSwitchToLeft());
    EXPECT_EQ(spy.count(), 0); // only the mouse reports
}

TEST(WindToggleSwitch, MayBeDeletedInItsOwnSlot)
{
    QWidget host;
    QPointer<WindToggleSwitch> sw = new WindToggleSwitch(&host);
    sw->setGeometry(0, 0, 46, 24);
    QObject::connect(sw.data(), &WindToggleSwitch::checkedChanged, sw.data(), [&sw](bool) { delete sw.data(); });
    ASSERT_TRUE(TestUtil::showExposed(&host));
    QTest::mousePress(sw.data(), Qt::LeftButton, Qt::NoModifier, QPoint(23, 12));
    EXPECT_TRUE(sw.isNull());
}
