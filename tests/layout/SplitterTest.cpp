// Splitter: records its panes without touching them, keeps its mouse, and
// paints only a named background.

#include "CVNQControlFactory.h"
#include "CVNQResourceManager.h"
#include "CVNQSplitter.h"
#include "LayoutTestUtil.h"
#include "TestUtil.h"

#include <QMouseEvent>
#include <gtest/gtest.h>
#include <memory>

using namespace CVNQtLib;

namespace {

class PressCounter : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

} // namespace

TEST(Splitter, RecordsPanesWithoutTouchingThem)
{
    LayoutTest::initToolkit();
    QWidget host;
    CVNQSplitter s(&host);
    auto* left = new QWidget(&host);
    left->setGeometry(1, 2, 30, 40);
    auto right = std::make_unique<QWidget>();
    s.setUpLeftWidget(left);
    s.setDownRightWidget(right.get());
    EXPECT_EQ(s.getUpLeftWidget(), left);
    EXPECT_EQ(left->parentWidget(), &host);
    EXPECT_EQ(left->geometry(), QRect(1, 2, 30, 40));
    EXPECT_EQ(right->parentWidget(), nullptr);
    EXPECT_EQ(s.getUpLeftLimit(), -1);
    s.setDownRightLimit(80);
    EXPECT_EQ(s.getDownRightLimit(), 80);
    EXPECT_TRUE(s.getIsHor());

    right.reset(); // a deleted pane reads as null, not as a dangling pointer
    EXPECT_EQ(s.getDownRightWidget(), nullptr);
}

TEST(Splitter, KeepsItsMouseAndPaintsOnlyANamedStyle)
{
    LayoutTest::initToolkit();
    PressCounter parent;
    auto* s = new CVNQSplitter(&parent);
    s->resize(20, 20);
    TestUtil::press(s, QPoint(5, 5));
    EXPECT_EQ(parent.presses, 0);

    const QColor marker(12, 34, 210);
    EXPECT_FALSE(TestUtil::hasColor(s->grab().toImage(), marker, 0));
    FillStyle f;
    f.name = "splitBg";
    f.valid = false; // the lookup makes a named style valid
    f.fill.clr = marker;
    CVNQResourceManager::getInstance()->setFillStyle(f.name, f);
    Json::Value node = TestUtil::json(R"({"style":[["splitBg",1,1],["splitBg",1,0]]})");
    s->readJsonValue(&node);
    EXPECT_EQ(s->grab().toImage().pixelColor(10, 10), marker);
}

TEST(Splitter, JsonAndRegistration)
{
    LayoutTest::initToolkit();
    EXPECT_EQ(cvnGetControlInfo("qtsplitter"), nullptr); // created, not described
    std::unique_ptr<QWidget> w(createControlTree(TestUtil::json(R"({"type":"splitter","name":"sp"})"), nullptr));
    auto* s = qobject_cast<CVNQSplitter*>(w.get());
    ASSERT_NE(s, nullptr);
    Json::Value out;
    s->serializeJsonValue(&out, false);
    EXPECT_EQ(out["type"].asString(), "qtsplitter");
    EXPECT_TRUE(out.isMember("style"));
    EXPECT_TRUE(out["style"].isNull());
    FillStyle f;
    f.name = "splitNamed";
    s->setBackground(f);
    out.clear();
    s->serializeJsonValue(&out, false);
    ASSERT_EQ(out["style"].size(), 1u);
    EXPECT_EQ(out["style"][0][0].asString(), "splitNamed");
}
