// Tab strip: item geometry and hit tests, selection and its signal, index
// checks, painting by item state, and its JSON node.

#include "CVNQControlFactory.h"
#include "CVNQResourceManager.h"
#include "CVNQTabWidget.h"
#include "CVNQTabWidgetImpl.h"
#include "LayoutTestUtil.h"
#include "TestUtil.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace CVNQtLib;

namespace {

// Records the indexes a strip reports.
struct Changes
{
    std::vector<int> seen;
    explicit Changes(CVNQTabWidget* t)
    {
        QObject::connect(t, &CVNQTabWidget::currentChanged, [this](int i) { seen.push_back(i); });
    }
};

// A strip of four items 50 wide with gaps of 10, 300 x 30.
struct Strip
{
    CVNQTabWidget t;
    Strip()
    {
        LayoutTest::initToolkit();
        t.resize(300, 30);
        t.setItemSpace(10);
        for (const char* s : {"a", "b", "c", "d"})
            t.addTab(QString::fromLatin1(s));
    }
};

} // namespace

TEST(TabWidget, PressSelectsTheItemUnderThePointer)
{
    Strip s;
    Changes changed(&s.t);
    TestUtil::press(&s.t, QPoint(120, 5)); // third item: 120..169
    EXPECT_EQ(s.t.getSelectedIndex(), 2);
    TestUtil::press(&s.t, QPoint(169, 29));
    EXPECT_EQ(s.t.getSelectedIndex(), 2);
    TestUtil::press(&s.t, QPoint(115, 5)); // in the gap
    TestUtil::press(&s.t, QPoint(250, 5)); // past the last item
    EXPECT_EQ(s.t.getSelectedIndex(), 2);
    // The second press on the same item reports again.
    EXPECT_EQ(changed.seen, (std::vector<int>{2, 2}));

    s.t.setIsHor(false);
    s.t.resize(80, 300);
    TestUtil::press(&s.t, QPoint(79, 60)); // second item: y 60..109
    EXPECT_EQ(s.t.getSelectedIndex(), 1);
    TestUtil::press(&s.t, QPoint(5, 55));
    EXPECT_EQ(s.t.getSelectedIndex(), 1);
}

TEST(TabWidget, SelectedIndexIsChecked)
{
    LayoutTest::initToolkit();
    CVNQTabWidget t;
    EXPECT_EQ(t.getSelectedIndex(), 0); // before any item exists
    Changes changed(&t);
    t.setSelectedIndex(0); // the same: nothing
    t.setSelectedIndex(1); // no such item
    EXPECT_TRUE(changed.seen.empty());

    t.addTab("a");
    t.addTab("b");
    t.setSelectedIndex(1);
    t.setSelectedIndex(2);
    t.setSelectedIndex(-1);
    EXPECT_EQ(t.getSelectedIndex(), -1);
    t.setSelectedIndex(-5); // stored as given: no item is selected
    EXPECT_EQ(t.getSelectedIndex(), -5);
    EXPECT_EQ(changed.seen, (std::vector<int>{1, -1, -5}));
}

TEST(TabWidget, ItemAccessorsCheckTheirIndex)
{
    Strip s;
    EXPECT_EQ(s.t.getTabText(3), "d");
    for (int bad : {-1, 4, 100}) {
        EXPECT_TRUE(s.t.getTabText(bad).isEmpty());
        EXPECT_FALSE(s.t.setItemData(bad, 7));
        EXPECT_FALSE(s.t.getItemData(bad).isValid());
        s.t.removeTab(bad);
    }
    EXPECT_EQ(s.t.getTabCount(), 4);
    EXPECT_TRUE(s.t.setItemData(1, QStringLiteral("x")));
    EXPECT_EQ(s.t.getItemData(1).toString(), "x");
    EXPECT_FALSE(s.t.getItemData(2).isValid());
    s.t.setSelectedIndex(2);
    Changes changed(&s.t);
    s.t.removeTab(0);
    EXPECT_EQ(s.t.getTabText(0), "b");
    EXPECT_EQ(s.t.getItemData(0).toString(), "x");
    // The selected item stays selected; removed, the next one is, and reported.
    EXPECT_EQ(s.t.getTabText(s.t.getSelectedIndex()), "c");
    s.t.removeTab(1);
    EXPECT_EQ(s.t.getTabText(s.t.getSelectedIndex()), "d");
    EXPECT_EQ(changed.seen, std::vector<int>{1});
    s.t.removeAllTab();
    EXPECT_EQ(s.t.getTabCount(), 0);
}

TEST(TabWidget, PaintsItemsByState)
{
    Strip s;
    const QColor bg(1, 1, 1), normal(10, 200, 10), hot(200, 200, 10), pressed(200, 10, 10);
    s.t.setBackground(TestUtil::fillStyle("bg", bg));
    s.t.setItemBackground(CtrlStateAll, TestUtil::fillStyle("n", normal));
    s.t.setItemBackground(CtrlStateHover, TestUtil::fillStyle("h", hot));
    s.t.setItemBackground(CtrlStatePressed, TestUtil::fillStyle("p", pressed));
    s.t.setShowText(false);
    ASSERT_TRUE(TestUtil::showExposed(&s.t)); // each change below shows on screen by itself
    s.t.setSelectedIndex(1);
    EXPECT_EQ(TestUtil::screenShot(&s.t).pixelColor(85, 15), pressed);
    TestUtil::move(&s.t, QPoint(125, 10));

    QImage img = TestUtil::screenShot(&s.t);
    EXPECT_EQ(img.pixelColor(25, 15), normal);
    EXPECT_EQ(img.pixelColor(85, 15), pressed);
    EXPECT_EQ(img.pixelColor(145, 15), hot);
    EXPECT_EQ(img.pixelColor(55, 15), bg); // the gap
    EXPECT_EQ(img.pixelColor(280, 15), bg);

    // The pointer over the gap keeps the hover; leaving clears it.
    TestUtil::move(&s.t, QPoint(115, 10));
    EXPECT_EQ(TestUtil::screenShot(&s.t).pixelColor(145, 15), hot);
    TestUtil::leave(&s.t);
    EXPECT_EQ(TestUtil::screenShot(&s.t).pixelColor(145, 15), normal);

    // A press selects its item; clearing leaves the background.
    TestUtil::press(&s.t, QPoint(205, 10));
    img = TestUtil::screenShot(&s.t);
    EXPECT_EQ(img.pixelColor(205, 15), pressed);
    EXPECT_EQ(img.pixelColor(85, 15), normal);
    s.t.clear();
    EXPECT_EQ(TestUtil::screenShot(&s.t).pixelColor(25, 15), bg);
}

TEST(TabWidget, HugeItemSizesKeepFarItemsOutOfSight)
{
    // Items 1.2e9 long: the later ones start past the int range and must
    // not wrap around onto the strip.
    Strip s;
    s.t.setIsHor(false);
    s.t.setItemSpace(0);
    s.t.setItemSize(1200000000);
    auto* impl = static_cast<CVNQTabWidgetImpl*>(s.t.getControlImpl());
    for (int i = 1; i < 4; ++i) {
        const QRect r = impl->itemRect(i);
        EXPECT_GE(r.top(), 1200000000) << i;
        EXPECT_GE(r.bottom(), r.top()) << i;
    }
    EXPECT_EQ(impl->itemAt(QPoint(5, 5)), 0);
}

TEST(TabWidget, JsonNode)
{
    LayoutTest::initToolkit();
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    for (FillStyle f : {TestUtil::fillStyle("tbA", Qt::red), TestUtil::fillStyle("tbB", Qt::blue),
                        TestUtil::fillStyle("tbBg", Qt::gray)})
        rm->setFillStyle(f.name, f);
    TextStyleDesc ta, tb;
    ta.name = "tbTA";
    tb.name = "tbTB";
    tb.bold = true;
    rm->setTextStyle(ta.name, ta);
    rm->setTextStyle(tb.name, tb);

    const Json::Value input = TestUtil::json(R"({"type":"tab","style":[
        ["tbBg",1,0],["tbA",1,1],["tbB",1,3],["tbTA",2,5],["tbTB",2,8],["tbA",1,9]],
        "attr":{"itemSize":80,"isHor":0,"itemSpace":4,"showText":0,"hasIcon":false}})");
    std::unique_ptr<QWidget> w(createControlTree(input, nullptr));
    auto* t = qobject_cast<CVNQTabWidget*>(w.get());
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->getBackground().name, "tbBg");
    EXPECT_EQ(t->getItemBackground(0).name, "tbA");
    EXPECT_EQ(t->getItemBackground(1).name, "tbA");
    EXPECT_EQ(t->getItemBackground(2).name, "tbB");
    EXPECT_EQ(t->getItemBackground(3).name, "tbA");
    EXPECT_EQ(t->getItemTextStyle(2).name, "tbTA");
    EXPECT_EQ(t->getItemTextStyle(3).name, "tbTB");
    EXPECT_EQ(t->getItemSize(), 80);
    EXPECT_FALSE(t->getIsHor());
    EXPECT_EQ(t->getItemSpace(), 4);
    EXPECT_FALSE(t->getShowText());
    EXPECT_FALSE(t->getShowIcon());

    Json::Value out;
    t->serializeJsonValue(&out, false);
    EXPECT_TRUE(TestUtil::keepsEveryKey(input["attr"], out["attr"]));
    EXPECT_EQ(out["attr"]["itemSize"].asInt(), 80);
    EXPECT_EQ(out["attr"]["isHor"], Json::Value(0));
    EXPECT_EQ(out["attr"]["showText"], Json::Value(0));
    EXPECT_EQ(out["attr"]["hasIcon"], Json::Value(0));
    CVNQTabWidget copy;
    copy.readJsonValue(&out);
    for (int st = 0; st < 4; ++st) {
        EXPECT_EQ(copy.getItemBackground(st).name, t->getItemBackground(st).name) << st;
        EXPECT_EQ(copy.getItemTextStyle(st).name, t->getItemTextStyle(st).name) << st;
    }
    EXPECT_FALSE(copy.getIsHor());
    EXPECT_EQ(copy.getItemSpace(), 4);

    // Back at their defaults the keys leave the node, copies read earlier too.
    t->setItemSize(50);
    t->setIsHor(true);
    t->setItemSpace(0);
    t->setShowText(true);
    t->setShowIcon(true);
    Json::Value def;
    t->serializeJsonValue(&def, false);
    EXPECT_FALSE(def.isMember("attr")) << jsonStyled(def);

    // Alike states fold into their first index.
    CVNQTabWidget same;
    same.setItemBackground(CtrlStateAll, TestUtil::fillStyle("tbA", Qt::red));
    Json::Value folded;
    same.serializeJsonValue(&folded, false);
    ASSERT_EQ(folded["style"].size(), 1u);
    EXPECT_EQ(folded["style"][0][2].asInt(), 1);
    Json::Value empty;
    CVNQTabWidget().serializeJsonValue(&empty, false);
    EXPECT_TRUE(empty["style"].isNull());
}

TEST(TabWidget, AttrKeysAbsentOrPresent)
{
    LayoutTest::initToolkit();
    CVNQTabWidget t;
    t.setIsHor(false);
    t.setItemSize(70);
    Json::Value styleOnly = TestUtil::json(R"({"type":"qttab"})");
    t.readJsonValue(&styleOnly);
    EXPECT_FALSE(t.getIsHor()); // no "attr": nothing of it is read
    EXPECT_EQ(t.getItemSize(), 70);
    EXPECT_TRUE(t.getShowText());
    Json::Value noIsHor = TestUtil::json(R"({"type":"qttab","attr":{"itemSpace":3}})");
    t.readJsonValue(&noIsHor);
    EXPECT_TRUE(t.getIsHor()); // "isHor" absent from an "attr" means horizontal
    EXPECT_EQ(t.getItemSize(), 70);
    EXPECT_EQ(t.getItemSpace(), 3);
}
