// The combo box around its open popup: the popup's shape follows a rounded
// popup background, and choosing a row leaves the box out of its pressed
// look.

#include "CVNQComboBox.h"
#include "CVNQComboBoxImpl.h"
#include "CVNQComboList.h"
#include "InputTestUtil.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace InputTest;

namespace {

struct OpenCombo : ::testing::Test
{
    void SetUp() override
    {
        initToolkit();
        window.resize(300, 200);
        combo = new CVNQComboBox(&window);
        combo->setGeometry(10, 10, 200, 30);
        for (int i = 0; i < 4; ++i)
            combo->addItem(QString("Item %1").arg(i));
        ASSERT_TRUE(TestUtil::showExposed(&window));
    }

    QWidget window;
    CVNQComboBox* combo = nullptr;
};

} // namespace

TEST_F(OpenCombo, ChoosingARowEndsThePressedLook)
{
    for (int s = 0; s < 4; ++s)
        combo->setBackground(s, fill("cb.look", Qt::blue));
    combo->setBackground(CtrlStatePressed, fill("cb.down", Qt::magenta));
    TestUtil::press(combo, QPoint(20, 15));
    CVNQComboList* list = combo->getPopupList();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(combo->getControlImpl()->getState(), CtrlStatePressed);

    // The pointer travels to the row first: the popup ignores the opening
    // click's own release until the pointer has moved away from it.
    const QPoint row = list->visualRect(combo->model()->index(2, 0)).center();
    TestUtil::move(list->viewport(), row);
    TestUtil::click(list->viewport(), row);
    TestUtil::flushEvents();
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_NE(combo->getControlImpl()->getState(), CtrlStatePressed);

    // Choosing the current row again changes nothing else: the screen still
    // loses the pressed look.
    TestUtil::press(combo, QPoint(20, 15));
    ASSERT_TRUE(list->isVisible());
    TestUtil::move(list->viewport(), row);
    TestUtil::click(list->viewport(), row);
    ASSERT_TRUE(TestUtil::waitFor([&] { return !list->isVisible(); }));
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_FALSE(TestUtil::hasColor(TestUtil::screenShot(combo), Qt::magenta, 2));
}

TEST_F(OpenCombo, PopupTakesTheShapeOfItsBackground)
{
    FillStyle rounded = fill("pop.round", QColor(40, 40, 90));
    rounded.fill.round = 8;
    combo->setPopupBackground(0, rounded);
    combo->showPopup();
    TestUtil::flushEvents();
    QWidget* popup = combo->getPopupList()->window();
    ASSERT_NE(popup, &window);
    const QRegion shape = popup->mask();
    ASSERT_FALSE(shape.isEmpty());
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(popup->width() - 1, popup->height() - 1)));
    EXPECT_TRUE(shape.contains(QPoint(popup->width() / 2, 1)));
    EXPECT_TRUE(shape.contains(popup->rect().center()));
    combo->hidePopup();

    // A square background needs no shape.
    combo->setPopupBackground(0, fill("pop.square", QColor(40, 40, 90)));
    combo->showPopup();
    TestUtil::flushEvents();
    EXPECT_TRUE(popup->mask().isEmpty());
    combo->hidePopup();
}
