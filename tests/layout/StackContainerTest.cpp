// Stack container: page list and current-index bookkeeping, page geometry,
// layout requests that must settle, and its JSON node.

#include "CVNQContainer.h"
#include "CVNQGroupBox.h"
#include "CVNQScrollView.h"
#include "CVNQTabWidget.h"
#include "CVNQWindow.h"
#include "CVNQControlFactory.h"
#include "CVNQResourceManager.h"
#include "CVNQScrollBar.h"
#include "CVNQSplitter.h"
#include "CVNQStackContainer.h"
#include "LayoutTestUtil.h"
#include "TestUtil.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPointer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace CVNQtLib;

namespace {

struct Stack
{
    std::unique_ptr<CVNQStackContainer> s{new CVNQStackContainer()};
    QWidget* p[3];
    Stack()
    {
        LayoutTest::initToolkit();
        s->resize(200, 100);
        for (QWidget*& w : p) {
            w = new QWidget();
            s->addWidget(w);
        }
        // Resize and move events reach only widgets that are shown.
        s->show();
    }
};

// Counts one event type delivered to a watched object.
class EventCounter : public QObject
{
public:
    explicit EventCounter(QEvent::Type t)
        : type(t)
    {}
    QEvent::Type type;
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == type)
            ++count;
        return false;
    }
};

void pumpEvents(int rounds)
{
    for (int i = 0; i < rounds; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace

TEST(StackContainer, FirstPageBecomesCurrentOthersHidden)
{
    Stack st;
    EXPECT_EQ(st.s->count(), 3);
    EXPECT_EQ(st.s->currentIndex(), 0);
    EXPECT_EQ(st.s->currentWidget(), st.p[0]);
    EXPECT_FALSE(st.p[0]->isHidden());
    EXPECT_TRUE(st.p[1]->isHidden());
    EXPECT_TRUE(st.p[2]->isHidden());
    for (QWidget* w : st.p)
        EXPECT_EQ(w->parentWidget(), st.s.get());
}

TEST(StackContainer, InsertKeepsTheCurrentPageAndMovesPages)
{
    Stack st;
    st.s->setCurrentIndex(1);
    QWidget* front = new QWidget();
    EXPECT_EQ(st.s->insertWidget(0, front), 0);
    EXPECT_EQ(st.s->currentIndex(), 2); // same page, one further back
    EXPECT_EQ(st.s->currentWidget(), st.p[1]);
    EXPECT_TRUE(front->isHidden());

    // Out-of-range positions append.
    QWidget* tail = new QWidget();
    EXPECT_EQ(st.s->insertWidget(99, tail), 4);
    EXPECT_EQ(st.s->insertWidget(-3, new QWidget()), 5);
    EXPECT_EQ(st.s->insertWidget(0, nullptr), -1);
    EXPECT_EQ(st.s->count(), 6);

    // A page at its own position is left alone.
    EXPECT_EQ(st.s->insertWidget(0, front), 0);
    EXPECT_EQ(st.s->count(), 6);
    EXPECT_EQ(st.s->currentIndex(), 2);

    // Moving the current page keeps it current at its new place.
    EXPECT_EQ(st.s->insertWidget(0, st.p[1]), 0);
    EXPECT_EQ(st.s->count(), 6);
    EXPECT_EQ(st.s->currentIndex(), 0);
    EXPECT_EQ(st.s->currentWidget(), st.p[1]);
    EXPECT_FALSE(st.p[1]->isHidden());

    // Moving a page from before the current one behind it.
    st.s->setCurrentIndex(2); // p[0]
    ASSERT_EQ(st.s->currentWidget(), st.p[0]);
    EXPECT_EQ(st.s->insertWidget(4, front), 3);
    EXPECT_EQ(st.s->widget(3), front);
    EXPECT_EQ(st.s->currentIndex(), 1);
    EXPECT_EQ(st.s->currentWidget(), st.p[0]);

    // At the current page's position: the new page goes in front of it.
    Stack at;
    at.s->setCurrentIndex(1);
    QWidget* page = new QWidget();
    EXPECT_EQ(at.s->insertWidget(1, page), 1);
    EXPECT_EQ(at.s->currentIndex(), 2);
    EXPECT_EQ(at.s->currentWidget(), at.p[1]);
    EXPECT_TRUE(page->isHidden());
    EXPECT_FALSE(at.p[1]->isHidden());
}

TEST(StackContainer, RemovingPages)
{
    Stack st;
    st.s->setCurrentIndex(1);
    st.s->removeWidget(st.p[1]); // the page behind takes its place
    EXPECT_EQ(st.s->count(), 2);
    EXPECT_EQ(st.s->currentWidget(), st.p[2]);
    EXPECT_FALSE(st.p[2]->isHidden());
    EXPECT_TRUE(st.p[1]->isHidden());
    EXPECT_EQ(st.p[1]->parentWidget(), st.s.get()); // kept as a hidden child

    st.s->removeWidget(st.p[2]); // the last page: the new last one shows
    EXPECT_EQ(st.s->currentWidget(), st.p[0]);
    EXPECT_EQ(st.s->currentIndex(), 0);

    st.s->removeWidget(st.p[1]); // not a page any more: nothing
    EXPECT_EQ(st.s->count(), 1);

    st.s->removeWidget(st.p[0]);
    EXPECT_EQ(st.s->count(), 0);
    EXPECT_EQ(st.s->currentIndex(), -1);
    EXPECT_EQ(st.s->currentWidget(), nullptr);

    // Removing before the current page keeps the same page current.
    Stack st2;
    st2.s->setCurrentIndex(2);
    st2.s->removeWidget(st2.p[0]);
    EXPECT_EQ(st2.s->currentIndex(), 1);
    EXPECT_EQ(st2.s->currentWidget(), st2.p[2]);
}

TEST(StackContainer, EveryIndexIsChecked)
{
    Stack st;
    st.s->setCurrentIndex(1);
    for (int bad : {-1, 3, 1000, -1000}) {
        st.s->setCurrentIndex(bad);
        EXPECT_EQ(st.s->currentIndex(), 1);
        EXPECT_EQ(st.s->widget(bad), nullptr);
    }
    st.s->setCurrentWidget(nullptr);
    QWidget stranger;
    st.s->setCurrentWidget(&stranger);
    EXPECT_EQ(st.s->currentIndex(), 1);
    st.s->setCurrentWidget(st.p[2]);
    EXPECT_EQ(st.s->currentIndex(), 2);
    EXPECT_TRUE(st.p[1]->isHidden());

    CVNQStackContainer empty;
    EXPECT_EQ(empty.currentWidget(), nullptr);
    empty.setCurrentIndex(0);
    EXPECT_EQ(empty.currentIndex(), -1);
}

TEST(StackContainer, DeletedOrAdoptedPagesLeaveTheList)
{
    Stack st;
    st.s->setCurrentIndex(1);
    delete st.p[1];
    EXPECT_EQ(st.s->count(), 2);
    EXPECT_EQ(st.s->currentWidget(), st.p[2]);
    st.s->resize(300, 150); // walks every page: nothing dangling
    EXPECT_EQ(st.p[0]->size(), QSize(300, 150));

    QWidget elsewhere;
    st.p[0]->setParent(&elsewhere);
    EXPECT_EQ(st.s->count(), 1);
    EXPECT_EQ(st.s->currentIndex(), 0);
    EXPECT_EQ(st.s->widget(0), st.p[2]);
}

TEST(StackContainer, PagesFollowTheContainerRectangle)
{
    Stack st;
    st.s->resize(320, 240);
    for (QWidget* w : st.p)
        EXPECT_EQ(w->geometry(), QRect(0, 0, 320, 240)); // hidden pages too

    // Another page that is moved goes back (its events arrive only while it
    // is shown); the current one may be moved.
    st.p[1]->show();
    st.p[1]->move(10, 10);
    EXPECT_EQ(st.p[1]->geometry(), QRect(0, 0, 320, 240));
    st.p[0]->setGeometry(5, 5, 50, 50);
    EXPECT_EQ(st.p[0]->geometry(), QRect(5, 5, 50, 50));
    // Showing the page again puts it back.
    st.s->setCurrentIndex(0);
    EXPECT_EQ(st.p[0]->geometry(), QRect(0, 0, 320, 240));

    // A control page is placed through its common part (absolute record).
    auto* page = new CVNQContainer();
    st.s->addWidget(page);
    void* data = nullptr;
    page->getLayoutData(data);
    ASSERT_NE(data, nullptr);
    const int* rect = static_cast<const int*>(data);
    EXPECT_EQ(page->getLayoutType(), 1);
    EXPECT_EQ(QRect(rect[0], rect[1], rect[2], rect[3]), QRect(0, 0, 320, 240));
}

TEST(StackContainer, ShowingAPageLaysOutItsContainers)
{
    Stack st;
    auto* page = new CVNQContainer();
    auto* inner = LayoutTest::box(page, 10, 10, -1, 0);
    page->setChildLayout(CVNQContainer::Horizontal);
    st.s->addWidget(page);
    st.s->resize(300, 80);
    st.s->setCurrentWidget(page);
    EXPECT_EQ(inner->geometry(), QRect(0, 0, 300, 80));
}

TEST(StackContainer, LayoutRequestsSettle)
{
    // Answering a layout request must not post the next one.
    QWidget top;
    top.resize(400, 300);
    auto* outer = new CVNQStackContainer(&top);
    outer->resize(400, 300);
    auto* inner = new CVNQStackContainer();
    outer->addWidget(inner);
    auto* page = new CVNQContainer();
    inner->addWidget(page);
    LayoutTest::box(page, 20, 20);
    top.show();
    pumpEvents(20);

    EventCounter outerRequests(QEvent::LayoutRequest), innerRequests(QEvent::LayoutRequest);
    outer->installEventFilter(&outerRequests);
    inner->installEventFilter(&innerRequests);
    QCoreApplication::postEvent(inner, new QEvent(QEvent::LayoutRequest));
    QCoreApplication::postEvent(outer, new QEvent(QEvent::LayoutRequest));
    pumpEvents(200);
    EXPECT_LE(innerRequests.count, 3);
    EXPECT_LE(outerRequests.count, 3);

    // Switching pages announces the change once and then settles too.
    auto* second = new QWidget();
    inner->addWidget(second);
    inner->setCurrentIndex(1);
    outerRequests.count = innerRequests.count = 0;
    pumpEvents(200);
    EXPECT_LE(innerRequests.count, 3);
    EXPECT_LE(outerRequests.count, 3);
    EXPECT_EQ(second->geometry(), QRect(0, 0, 400, 300));
}

TEST(StackContainer, JsonNode)
{
    LayoutTest::initToolkit();
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    FillStyle a, b;
    a.name = "stkA";
    a.fill.clr = Qt::red;
    b.name = "stkB";
    b.fill.clr = Qt::blue;
    rm->setFillStyle(a.name, a);
    rm->setFillStyle(b.name, b);

    std::unique_ptr<QWidget> w(createControlTree(
        TestUtil::json(R"({"type":"stackcontainer","name":"s","style":[["stkB",1,1],["nope",1,0],["stkA",1,0],
                          ["stkB",1,7]],"attr":{"drawBackground":false}})"),
        nullptr));
    auto* s = qobject_cast<CVNQStackContainer*>(w.get());
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->getBackgroundState(0).name, "stkA");
    EXPECT_EQ(s->getBackgroundState(1).name, "stkB");
    EXPECT_EQ(s->getBackgroundState(3).name, "stkB");
    EXPECT_FALSE(s->getDrawBackground());

    Json::Value out;
    s->serializeJsonValue(&out, false);
    EXPECT_EQ(out["type"].asString(), "qtstackcontainer");
    ASSERT_EQ(out["style"].size(), 2u);
    EXPECT_EQ(out["style"][0][0].asString(), "stkA");
    EXPECT_EQ(out["style"][0][2].asInt(), 0);
    EXPECT_EQ(out["style"][1][0].asString(), "stkB");
    EXPECT_EQ(out["style"][1][2].asInt(), 1);
    EXPECT_EQ(out["attr"]["drawBackground"], Json::Value(0));

    // Switched back on, the key goes, also the copy read earlier.
    s->setDrawBackground(true);
    Json::Value on;
    s->serializeJsonValue(&on, false);
    EXPECT_FALSE(on.isMember("attr") && on["attr"].isMember("drawBackground"));
    CVNQStackContainer again;
    again.readJsonValue(&on);
    EXPECT_TRUE(again.getDrawBackground());
    EXPECT_EQ(again.getBackgroundState(0).name, "stkA");

    // A node without "attr" leaves drawing as it is; no styles write null.
    CVNQStackContainer plain;
    plain.setDrawBackground(false);
    Json::Value bare = TestUtil::json(R"({"type":"qtstackcontainer"})");
    plain.readJsonValue(&bare);
    EXPECT_FALSE(plain.getDrawBackground());
    Json::Value none;
    CVNQStackContainer().serializeJsonValue(&none, false);
    EXPECT_TRUE(none.isMember("style"));
    EXPECT_TRUE(none["style"].isNull());
}

TEST(StackContainer, PaintsTheBackgroundOfItsState)
{
    LayoutTest::initToolkit();
    CVNQStackContainer s;
    s.resize(40, 30);
    FillStyle on, off;
    on.fill.clr = QColor(200, 10, 10);
    off.fill.clr = QColor(10, 10, 200);
    // On screen, each change shows by itself.
    ASSERT_TRUE(TestUtil::showExposed(&s));
    s.setBackgroundState(0, on);
    s.setBackgroundState(3, off);
    EXPECT_EQ(TestUtil::screenShot(&s).pixelColor(20, 15), on.fill.clr);
    s.setEnabled(false);
    EXPECT_EQ(TestUtil::screenShot(&s).pixelColor(20, 15), off.fill.clr);
    s.setDrawBackground(false);
    EXPECT_FALSE(TestUtil::hasColor(TestUtil::screenShot(&s), off.fill.clr, 2));

    // So do a container's.
    CVNQContainer c;
    c.resize(40, 30);
    ASSERT_TRUE(TestUtil::showExposed(&c));
    c.setBackgroundState(CtrlStateAll, on); // normal and disabled alike
    EXPECT_EQ(c.getBackgroundState(CtrlStateDisabled).fill.clr, on.fill.clr);
    EXPECT_EQ(TestUtil::screenShot(&c).pixelColor(20, 15), on.fill.clr);
    c.setColor(off.fill.clr);
    EXPECT_EQ(TestUtil::screenShot(&c).pixelColor(20, 15), off.fill.clr);
    c.setDrawBackground(false);
    EXPECT_FALSE(TestUtil::hasColor(TestUtil::screenShot(&c), off.fill.clr, 2));
}

// Containers hold what a file builds under them: a stack's pages in file order, the first current (written back
// in page order), a splitter's two panes; scroll-bar nodes leave no bar over a text edit, grid or scroll view.
TEST(StackContainer, ContainersHoldTheirFilesChildren)
{
    LayoutTest::initToolkit();
    LayoutTest::defineFill("pgR", Qt::red);
    LayoutTest::defineFill("pgB", Qt::blue);
    std::unique_ptr<QWidget> root(createControlTree(TestUtil::json(R"({"type": "qtcontainer", "child": [
        {"type": "qttext", "child": [{"type": "qtscrollbar"}]}, {"type": "qtdatagrid", "child": [{"type": "qtscrollbar"}]},
        {"type": "qtscrollview", "child": [{"type": "qtscrollbar"}]},
        {"type": "qtsplitter", "child": [{"type": "qtlabel"}, {"type": "qtlabel"}]}, {"type": "stackcontainer",
          "child": [{"type": "qtcontainer", "style": [["pgR", 1, 0]]}, {"type": "qtlabel"},
                    {"type": "qtcontainer", "style": [["pgB", 1, 0]]}]}]})"),
                                                    nullptr));
    auto* s = root->findChild<CVNQStackContainer*>();
    auto* sp = root->findChild<CVNQSplitter*>();
    ASSERT_EQ(s->count(), 3);
    EXPECT_EQ(sp->getDownRightWidget(), sp->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).value(1));
    ASSERT_TRUE(TestUtil::showExposed(root.get()));
    for (int i : {0, 2}) {
        s->setCurrentIndex(i);
        EXPECT_EQ(TestUtil::screenShot(root.get()).pixelColor(s->geometry().center()), QColor(i ? Qt::blue : Qt::red));
    }
    for (QWidget* w : root->findChildren<CVNQScrollBar*>())
        EXPECT_FALSE(w->isVisible() && !qobject_cast<QAbstractScrollArea*>(w->parentWidget()->parentWidget()));
    EXPECT_EQ(TestUtil::written(s)["child"][2]["style"][0][0].asString(), "pgB");
}

TEST(StackContainer, PagesChangedFromAPagesOwnHandlerShowTheNewCurrentPage)
{
    // Each way a page's show or hide handler may change the current page:
    // the page current afterwards is the one shown, and only it.
    const std::function<void(Stack&)> redirects[] = {
        [](Stack& st) { st.s->setCurrentIndex(2); },
        [](Stack& st) { st.s->setCurrentWidget(st.p[0]); },
        [](Stack& st) { st.s->removeWidget(st.p[1]); },
        [](Stack& st) { st.s->insertWidget(0, new QWidget()); },
    };
    struct OnShow : QObject
    {
        std::function<void()> act;
        QEvent::Type on = QEvent::Show;
        bool eventFilter(QObject*, QEvent* e) override { return e->type() == on ? act(), false : false; }
    };
    for (const auto& redirect : redirects)
        for (const QEvent::Type on : {QEvent::Show, QEvent::Hide}) {
            Stack st;
            OnShow hook;
            bool once = true;
            hook.act = [&] { std::exchange(once, false) ? redirect(st) : void(); };
            hook.on = on;
            st.p[on == QEvent::Show ? 1 : 0]->installEventFilter(&hook);
            st.s->setCurrentIndex(1);
            for (int i = 0; i < st.s->count(); ++i)
                EXPECT_EQ(st.s->widget(i)->isVisible(), i == st.s->currentIndex()) << &redirect - redirects << i;
        }
}

// Every container outlives children its owner deleted, one at a time and
// also when a filter of the owner's kept it from hearing of it; then it is
// deleted itself with nothing dangling (the sanitizer build tells).
TEST(StackContainer, EveryContainerIsDeletedAfterItsChildren)
{
    LayoutTest::initToolkit();
    struct Deaf : QObject
    {
        bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::ChildRemoved; }
    };
    const std::vector<std::pair<const char*, std::function<QWidget*()>>> holders = {
        {"stack", [] { return new CVNQStackContainer; }}, {"tab widget", [] { return new CVNQTabWidget; }},
        {"splitter", [] { return new CVNQSplitter; }},    {"scroll view", [] { return new CVNQScrollView; }},
        {"group box", [] { return new CVNQGroupBox; }},   {"container", [] { return new CVNQContainer; }},
        {"window", [] { return new CVNQWindow; }},
    };
    for (const auto& [name, make] : holders) {
        for (const bool deaf : {false, true}) {
            QWidget* holder = make();
            holder->resize(200, 120);
            QPointer<QWidget> kids[2] = {new QWidget(holder), new QWidget(holder)};
            if (auto* stack = qobject_cast<CVNQStackContainer*>(holder))
                for (QWidget* kid : kids)
                    stack->addWidget(kid);
            holder->show();
            // A null widget given to every entry point that takes one changes nothing.
            const int children = holder->children().size();
            if (auto* stack = qobject_cast<CVNQStackContainer*>(holder)) {
                EXPECT_EQ(stack->addWidget(nullptr), -1);
                stack->removeWidget(nullptr);
                stack->setCurrentWidget(nullptr);
                EXPECT_EQ(stack->count(), 2);
            }
            if (auto* box = qobject_cast<CVNQContainer*>(holder)) {
                box->addChildWidget(nullptr, 1);
                box->setChildRatio(nullptr, 2);
            }
            if (auto* split = qobject_cast<CVNQSplitter*>(holder)) {
                split->setUpLeftWidget(nullptr);
                split->setDownRightWidget(nullptr);
            }
            EXPECT_EQ(holder->children().size(), children) << name;
            Deaf filter;
            if (deaf)
                holder->installEventFilter(&filter);
            for (QPointer<QWidget>& kid : kids) {
                delete kid.data();
                pumpEvents(2);
                holder->resize(holder->width() + 10, holder->height());
                EXPECT_TRUE(kid.isNull()) << name;
            }
            delete holder;
        }
    }
}
