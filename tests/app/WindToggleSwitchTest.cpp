// The forecast switch: its state, its signal and the mouse buttons.

#include "TestUtil.h"
#include "WindToggleSwitch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QList>
#include <gtest/gtest.h>

namespace {

void pressWith(QWidget* w, Qt::MouseButton button)
{
    const QPoint p = w->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, p, w->mapToGlobal(p), button, button, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// Runs the event loop until the thumb rests on the given side (false when
// it never gets there).
bool thumbReaches(WindToggleSwitch& sw, bool left)
{
    QElapsedTimer timer;
    timer.start();
    while (sw.getIsSwitchToLeft() != left && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return sw.getIsSwitchToLeft() == left;
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

    pressWith(&sw, Qt::LeftButton);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_FALSE(spy.values[0]);
    TestUtil::spin(260); // the slide
    EXPECT_TRUE(sw.getIsSwitchToLeft());

    pressWith(&sw, Qt::LeftButton);
    TestUtil::spin(260);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_TRUE(spy.values[1]);
    EXPECT_FALSE(sw.getIsSwitchToLeft());
}

TEST(WindToggleSwitch, OnlyEnabledLeftPressesToggleButEveryPressReachesTheSwitch)
{
    WindToggleSwitch sw;
    sw.resize(46, 24);
    Reports spy(&sw);
    // A right press neither toggles nor reports; the switch underneath
    // still slides its thumb.
    pressWith(&sw, Qt::RightButton);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_TRUE(sw.isChecked());
    EXPECT_TRUE(thumbReaches(sw, true));

    // A press during a slide toggles and reports too; the slide runs on.
    pressWith(&sw, Qt::LeftButton);
    pressWith(&sw, Qt::LeftButton);
    EXPECT_EQ(spy.values, (QList<bool>{false, true}));
    EXPECT_TRUE(sw.isChecked());
    EXPECT_TRUE(thumbReaches(sw, false));

    sw.setEnabled(false);
    pressWith(&sw, Qt::LeftButton);
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
