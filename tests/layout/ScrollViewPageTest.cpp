// A whole page from a page file: nested stacks switched by tab strips, group
// boxes, splitters and a scroll view holding a few hundred controls; laid
// out, switched, scrolled and resized. Set CORVANE_SHOT_DIR to keep PNG
// screenshots of the steps.

#include "CVNQContainer.h"
#include "CVNQControlFactory.h"
#include "CVNQGroupBox.h"
#include "CVNQResourceManager.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollView.h"
#include "CVNQSplitter.h"
#include "CVNQStackContainer.h"
#include "CVNQTabWidget.h"
#include "CVNQWindow.h"
#include "LayoutTestUtil.h"
#include "TestUtil.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace LayoutTest;

namespace {

void registerPageStyles()
{
    defineFill("pgRoot", QColor(0x0f, 0x1b, 0x2b));
    defineFill("pgPanel", QColor(0x16, 0x26, 0x3b));
    defineFill("pgStack", QColor(0x12, 0x20, 0x33));
    defineFill("pgView", QColor(0x10, 0x1d, 0x2e));
    defineFill("pgSide", QColor(0x0b, 0x15, 0x22));
    defineFill("pgHeader", QColor(0x0b, 0x15, 0x22));
    defineFill("pgTabBg", QColor(0x12, 0x20, 0x33));
    defineFill("pgTabN", QColor(0x1a, 0x2c, 0x44), 4);
    defineFill("pgTabH", QColor(0x23, 0x3b, 0x5a), 4);
    defineFill("pgTabP", QColor(0x1f, 0x8a, 0xc9), 4);
    defineFill("pgSplit", QColor(0x2c, 0x4a, 0x6e));
    defineFill("pgBarBg", QColor(0x10, 0x1d, 0x2e));
    defineFill("pgBarBtn", QColor(0x1a, 0x2c, 0x44));
    defineFill("pgThumb", QColor(0x3a, 0x5f, 0x8a), 5);
    defineFill("pgThumbHot", QColor(0x5a, 0x8f, 0xc8), 5);
    const QColor tiles[] = {QColor(0x2e, 0xa0, 0x6b), QColor(0x1f, 0x8a, 0xc9), QColor(0xe0, 0x9b, 0x2d),
                            QColor(0xc9, 0x4b, 0x4b), QColor(0x6b, 0x7a, 0x8f)};
    for (int i = 0; i < 5; ++i)
        defineFill(QStringLiteral("pgTile%1").arg(i).toUtf8().constData(), tiles[i], 6, tiles[i].lighter(130));
    defineText("pgTabText", QColor(0xb8, 0xc7, 0xd9), 13, false, 1);
    defineText("pgTabTextSel", QColor(0xff, 0xff, 0xff), 13, true, 1);
    defineText("pgBoxText", QColor(0x9f, 0xc4, 0xe8), 12, false, 0);
}

} // namespace

TEST(ScrollViewPage, NestedPageLaysOutSwitchesScrollsAndResizes)
{
    LayoutTest::initToolkit();
    registerPageStyles();
    const QString file = TestUtil::sourcePath("tests/layout/pages/nested_layout_page.json");
    CVNQWindow win;
    CVNQContainer* root = cvnCreatePageByFileName(&win, file);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(win.size(), QSize(1000, 700));

    auto* mainStack = findNamed<CVNQStackContainer>(root, "mainStack");
    auto* innerStack = findNamed<CVNQStackContainer>(root, "innerStack");
    auto* deepStack = findNamed<CVNQStackContainer>(root, "deepStack");
    auto* topTabs = findNamed<CVNQTabWidget>(root, "topTabs");
    auto* sideTabs = findNamed<CVNQTabWidget>(root, "sideTabs");
    auto* innerTabs = findNamed<CVNQTabWidget>(root, "innerTabs");
    auto* deepTabs = findNamed<CVNQTabWidget>(root, "deepTabs");
    auto* view = findNamed<CVNQScrollView>(root, "turbineView");
    auto* midSplit = findNamed<CVNQSplitter>(root, "midSplit");
    ASSERT_TRUE(mainStack && innerStack && deepStack && topTabs && sideTabs && innerTabs && deepTabs && view &&
                midSplit);

    EXPECT_EQ(mainStack->count(), 2);
    EXPECT_EQ(innerStack->count(), 3);
    EXPECT_EQ(deepStack->count(), 2);
    for (const char* t : {"Overview", "Turbines", "Forecast"})
        topTabs->addTab(QString::fromLatin1(t));
    for (const char* t : {"Dashboard", "Turbines"})
        sideTabs->addTab(QString::fromLatin1(t));
    for (const char* t : {"Gauges", "Split view", "Nested stack"})
        innerTabs->addTab(QString::fromLatin1(t));
    for (const char* t : {"Page A", "Page B"})
        deepTabs->addTab(QString::fromLatin1(t));
    QObject::connect(sideTabs, &CVNQTabWidget::currentChanged, mainStack, &CVNQStackContainer::setCurrentIndex);
    QObject::connect(innerTabs, &CVNQTabWidget::currentChanged, innerStack, &CVNQStackContainer::setCurrentIndex);
    QObject::connect(deepTabs, &CVNQTabWidget::currentChanged, deepStack, &CVNQStackContainer::setCurrentIndex);

    // The scroll view took its content; the scroll-bar nodes styled its bars.
    ASSERT_NE(view->widget(), nullptr);
    EXPECT_EQ(view->widget()->objectName(), "turbineContent");
    EXPECT_EQ(view->widget()->children().size(), 320);
    auto* vbar = qobject_cast<CVNQScrollBar*>(view->verticalScrollBar());
    ASSERT_NE(vbar, nullptr);
    EXPECT_EQ(vbar->getScrollbarThumb(0).name, "pgThumb");
    EXPECT_EQ(vbar->getScrollbarThumb(1).name, "pgThumbHot");

    win.show();
    pump();
    EXPECT_EQ(root->geometry(), QRect(0, 0, 1000, 700));
    EXPECT_EQ(inWindow(mainStack, &win), QRect(154, 40, 846, 660));
    QWidget* overview = mainStack->widget(0);
    QWidget* turbines = mainStack->widget(1);
    EXPECT_FALSE(overview->isHidden());
    EXPECT_TRUE(turbines->isHidden());
    EXPECT_EQ(turbines->geometry(), QRect(0, 0, 846, 660)); // hidden pages are sized too
    EXPECT_EQ(innerStack->currentWidget()->size(), innerStack->size());
    shot(&win, QStringLiteral("page-1-overview"));

    innerTabs->setSelectedIndex(1);
    pump();
    EXPECT_EQ(innerStack->currentIndex(), 1);
    const QRect left = findNamed<QWidget>(root, "leftBox")->geometry();
    const QRect right = findNamed<QWidget>(root, "rightBox")->geometry();
    EXPECT_EQ(midSplit->geometry().left(), left.right() + 1 + 8);
    EXPECT_EQ(right.left(), midSplit->geometry().right() + 1 + 8);
    EXPECT_NEAR(right.width(), 2 * left.width(), 2);
    shot(&win, QStringLiteral("page-2-split-view"));

    // A press on the second side item switches the main stack.
    TestUtil::press(sideTabs, QPoint(75, 44 + 2 + 20));
    pump();
    EXPECT_EQ(mainStack->currentIndex(), 1);
    EXPECT_TRUE(overview->isHidden());
    EXPECT_FALSE(turbines->isHidden());
    QWidget* content = view->widget();
    QWidget* first = content->findChild<QWidget*>("rowBox0");
    QWidget* second = content->findChild<QWidget*>("tile1");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->geometry(), QRect(8, 8, 152, 44));
    EXPECT_EQ(second->geometry(), QRect(166, 8, 70, 44));
    QRect used;
    for (QWidget* w : content->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        used |= w->geometry();
    EXPECT_LE(used.right(), 860 - 8); // the flow wraps inside the content width
    EXPECT_LE(used.bottom(), content->height());
    EXPECT_GT(view->verticalScrollBar()->maximum(), 0);
    shot(&win, QStringLiteral("page-3-turbines"));

    view->setVScrollPos(420);
    pump();
    EXPECT_EQ(content->pos(), QPoint(0, -420));
    shot(&win, QStringLiteral("page-4-scrolled"));

    win.resize(1300, 860);
    pump();
    EXPECT_EQ(root->size(), QSize(1300, 860));
    EXPECT_EQ(mainStack->size(), QSize(1146, 820));
    EXPECT_EQ(turbines->size(), mainStack->size());
    EXPECT_EQ(overview->size(), mainStack->size());
    EXPECT_EQ(view->width(), 1146 - 24);
    EXPECT_EQ(view->getVScrollPos(), 420);
    EXPECT_EQ(content->pos().y(), -420);
    shot(&win, QStringLiteral("page-5-resized"));

    // Back to the dashboard, third inner page, second page of the deepest stack.
    sideTabs->setSelectedIndex(0);
    innerTabs->setSelectedIndex(2);
    deepTabs->setSelectedIndex(1);
    pump();
    EXPECT_EQ(mainStack->currentWidget(), overview);
    EXPECT_EQ(deepStack->currentWidget()->objectName(), "deepB");
    EXPECT_TRUE(deepStack->widget(0)->isHidden());
    EXPECT_EQ(deepStack->currentWidget()->size(), deepStack->size());
    EXPECT_GT(deepStack->width(), 1000);
    shot(&win, QStringLiteral("page-6-deep-stack"));

    // Three levels of stacks come to rest.
    struct Requests : QObject
    {
        int count = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            count += e->type() == QEvent::LayoutRequest;
            return false;
        }
    } requests;
    for (CVNQStackContainer* s : {mainStack, innerStack, deepStack})
        s->installEventFilter(&requests);
    for (int i = 0; i < 20; ++i)
        pump();
    EXPECT_LE(requests.count, 3);
}
