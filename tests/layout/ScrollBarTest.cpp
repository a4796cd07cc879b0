// The themed scroll bar (part looks, size hint, JSON node, property table)
// and the bound scroll-bar child nodes that scrolling controls read.

#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQResourceManager.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollBarImpl.h"
#include "CVNQScrollBarNode.h"
#include "CVNQtLib.h"
#include "LayoutTestUtil.h"
#include "TestUtil.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace CVNQtLib;

namespace {

FillStyle named(const char* name, QColor c)
{
    FillStyle s;
    s.name = QString::fromLatin1(name);
    s.fill.clr = c;
    cvnSetFillStyle(s.name, s);
    return s;
}

class ScrollBar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LayoutTest::initToolkit();
        named("SbA", Qt::red);
        named("SbB", Qt::green);
        named("SbH", Qt::blue);
    }
};

} // namespace

TEST_F(ScrollBar, StartsHiddenAndVerticalWithQtSizeHint)
{
    CVNQScrollBar bar;
    EXPECT_TRUE(bar.isHidden());
    EXPECT_EQ(bar.orientation(), Qt::Vertical);
    EXPECT_EQ(bar.getWidthHeight(), -1);
    EXPECT_EQ(bar.sizeHint(), bar.QScrollBar::sizeHint());
    bar.setWidthHeight(8);
    EXPECT_EQ(bar.sizeHint().width(), 8);
    CVNQScrollBar hor(Qt::Horizontal, nullptr);
    hor.setWidthHeight(8);
    EXPECT_EQ(hor.sizeHint().height(), 8);
}

TEST_F(ScrollBar, PartsFollowTheMouseEachOnItsOwn)
{
    CVNQScrollBar bar;
    bar.setRange(0, 100);
    bar.setPageStep(20);
    bar.resize(16, 300);
    ASSERT_TRUE(TestUtil::showExposed(&bar)); // every change of a part's look repaints it at once
    auto shows = [&](const std::function<void()>& step) { return TestUtil::repaintsAfter(&bar, step); };
    CVNQScrollBarImpl* impl = static_cast<CVNQScrollBarImpl*>(bar.getControlImpl());
    const QPoint thumb = impl->partRect(QStyle::SC_ScrollBarSlider).center();
    const QPoint up = impl->partRect(QStyle::SC_ScrollBarSubLine).center();
    ASSERT_FALSE(impl->partRect(QStyle::SC_ScrollBarSubLine).isEmpty());

    EXPECT_TRUE(shows([&] { TestUtil::move(&bar, thumb); }));
    EXPECT_EQ(impl->thumbState, 1);
    EXPECT_TRUE(shows([&] { TestUtil::press(&bar, thumb); }));
    EXPECT_EQ(impl->thumbState, 2);
    TestUtil::move(&bar, QPoint(8, 295), Qt::LeftButton);
    EXPECT_EQ(impl->thumbState, 2); // dragged off: still pressed
    TestUtil::leave(&bar);
    EXPECT_EQ(impl->thumbState, 2);
    EXPECT_TRUE(shows([&] { TestUtil::release(&bar, QPoint(500, 500)); }));
    EXPECT_EQ(impl->thumbState, 0);

    EXPECT_TRUE(shows([&] { TestUtil::press(&bar, up); }));
    EXPECT_EQ(impl->upState, 2);
    EXPECT_TRUE(shows([&] { TestUtil::move(&bar, QPoint(8, 150), Qt::LeftButton); }));
    EXPECT_EQ(impl->upState, 0); // a button does not keep its press off itself
    EXPECT_TRUE(shows([&] { TestUtil::release(&bar, up); }));
    EXPECT_EQ(impl->upState, 1);
    EXPECT_TRUE(shows([&] { TestUtil::leave(&bar); }));
    EXPECT_EQ(impl->upState, 0);

    // Disabled bars paint their part styles all the same.
    bar.setScrollbarThumb(4, named("SbA", Qt::red));
    bar.setDisabled(true);
    EXPECT_TRUE(TestUtil::hasColor(bar.grab().toImage(), Qt::red, 2));
}

TEST_F(ScrollBar, NodeReadsStyleSlotsIconsAndOrientation)
{
    Json::Value node = TestUtil::json(R"({"type": "qtscrollbar", "name": "sb",
        "style": [["SbA", 1, 0], ["SbB", 1, 6], ["SbH", 1, 7], ["Nope", 1, 8], ["SbA", 1, 13], ["SbA", 1, 14]],
        "attr": {"hor": true, "upicon": "up.svg", "thumbicon": "t.png"}})");
    std::unique_ptr<QWidget> w(createControl("qtscrollbar", node, nullptr));
    auto* bar = qobject_cast<CVNQScrollBar*>(w.get());
    ASSERT_TRUE(bar);
    EXPECT_FALSE(bar->isHidden()); // a page-built bar shows
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    EXPECT_EQ(bar->getScrollbarBackground(0).name, QStringLiteral("SbA"));
    EXPECT_EQ(bar->getScrollbarDownButton(0).name, QStringLiteral("SbB"));
    EXPECT_EQ(bar->getScrollbarDownButton(1).name, QStringLiteral("SbH"));
    EXPECT_EQ(bar->getScrollbarDownButton(2).name, QStringLiteral("SbB"));
    EXPECT_EQ(bar->getScrollbarThumb(3).name, QStringLiteral("SbA"));
    EXPECT_EQ(bar->getScrollbarBtnIcon(true), QStringLiteral("up.svg"));
    EXPECT_EQ(bar->getScrollbarThumbIcon(), QStringLiteral("t.png"));

    Json::Value out;
    bar->serializeJsonValue(&out, false);
    EXPECT_EQ(out["attr"]["hor"].asInt(), 1);
    EXPECT_EQ(out["attr"]["upicon"].asString(), "up.svg");
    EXPECT_FALSE(out["attr"].isMember("downicon"));
    // Background; the down group state by state (its hover differs); the
    // thumb's lone disabled style, which differs from its unnamed normal one.
    const Json::Value& style = out["style"];
    ASSERT_EQ(style.size(), 6u);
    EXPECT_EQ(style[1][2].asInt(), 6);
    EXPECT_EQ(style[2][2].asInt(), 7);
    EXPECT_EQ(style[4][2].asInt(), 9);
    EXPECT_EQ(style[5][2].asInt(), 13);

    // Reading it back gives the same bar.
    std::unique_ptr<QWidget> w2(createControl("scrollbar", out, nullptr));
    auto* again = qobject_cast<CVNQScrollBar*>(w2.get());
    ASSERT_TRUE(again);
    EXPECT_EQ(again->orientation(), Qt::Horizontal);
    EXPECT_EQ(again->getScrollbarDownButton(1).name, QStringLiteral("SbH"));
    EXPECT_EQ(again->getScrollbarThumb(3).name, QStringLiteral("SbA"));

    // An empty "attr" clears the icons; "hor" is ignored while a theme applies.
    Json::Value empty = TestUtil::json(R"({"attr": {}})");
    again->readJsonValue(&empty);
    EXPECT_TRUE(again->getScrollbarBtnIcon(true).isEmpty());
    EXPECT_EQ(again->orientation(), Qt::Horizontal);
    CVNQResourceManager::getInstance()->setSwitchToThemeRes(true);
    Json::Value vert = TestUtil::json(R"({"attr": {"hor": false}})");
    Json::Value* vertPtr = &vert;
    again->getControlImpl()->serializeJsonValue(&vertPtr, true);
    CVNQResourceManager::getInstance()->setSwitchToThemeRes(false);
    EXPECT_EQ(again->orientation(), Qt::Horizontal);

    // A vertical bar writes no "hor".
    CVNQScrollBar plain;
    Json::Value plainOut;
    plain.serializeJsonValue(&plainOut, false);
    EXPECT_FALSE(plainOut["attr"].isMember("hor"));
    EXPECT_TRUE(plainOut["style"].isNull());

    const ControlInfo* info = cvnGetControlInfo(QStringLiteral("qtscrollbar"));
    ASSERT_TRUE(info);
    ASSERT_EQ(info->properties.size(), 12u);
    EXPECT_EQ(info->properties[11].type, int(PropImage));
    EXPECT_EQ(cvnGetControlInfo(QStringLiteral("scrollbar")), nullptr);
}

TEST_F(ScrollBar, BoundChildNodesConfigureTheOwnersBars)
{
    CVNQScrollBar h(Qt::Horizontal, nullptr);
    CVNQScrollBar v(Qt::Vertical, nullptr);
    QVector<QPair<bool, int>> buttonSizes, thicknesses;
    CVNScrollBarNodeTarget target;
    target.horizontal = &h;
    target.vertical = &v;
    target.setButtonSize = [&](bool hor, int s) { buttonSizes.push_back({hor, s}); };
    target.setThickness = [&](bool hor, int s) { thicknesses.push_back({hor, s}); };
    v.setScrollbarBtnIcon(true, QStringLiteral("old"));

    Json::Value node = TestUtil::json(R"({"child": [
        {"type": "qtscrollbar", "w": 9, "style": [["SbH", 1, 3], ["SbA", 1, 2]]},
        {"type": "myscrollbar", "h": 7, "attr": {"hor": true, "upicon": "l.svg", "size": 11},
         "style": [["SbA", 1, 2], ["SbB", 1, 3], ["SbB", 1, 12], ["SbH", 1, 1]]},
        {"type": "bar", "w": 99}, {"type": 5}, "junk"]})");
    cvnReadScrollBarNodes(node, target);

    // No "attr": the vertical bar, icons cleared, button size 0.
    EXPECT_TRUE(v.getScrollbarBtnIcon(true).isEmpty());
    EXPECT_EQ(v.getScrollbarUpButton(1).name, QStringLiteral("SbA")); // index 2 after 3 overwrites it
    EXPECT_EQ(h.getScrollbarBtnIcon(true), QStringLiteral("l.svg"));
    EXPECT_EQ(h.getScrollbarUpButton(0).name, QStringLiteral("SbA"));
    EXPECT_EQ(h.getScrollbarUpButton(1).name, QStringLiteral("SbB"));
    EXPECT_EQ(h.getScrollbarUpButton(2).name, QStringLiteral("SbA"));
    EXPECT_EQ(h.getScrollbarThumb(2).name, QStringLiteral("SbB"));
    EXPECT_EQ(buttonSizes, (QVector<QPair<bool, int>>{{false, 0}, {true, 11}}));
    EXPECT_EQ(thicknesses, (QVector<QPair<bool, int>>{{false, 9}, {true, 7}}));

    EXPECT_EQ(
        cvnScrollBarButtonSizeSheet(true, 5),
        QStringLiteral("QScrollBar::add-line{ width:5px;width:5px; }QScrollBar::sub-line{ width:5px;width:5px; }"));
    EXPECT_TRUE(cvnScrollBarThicknessSheet(8, 8).startsWith(QStringLiteral("QScrollBar::vertical{ width:8; }")));

    // One thickness for both bars; a missing bar is skipped.
    CVNQScrollBar vBar(Qt::Vertical, nullptr), hBar(Qt::Horizontal, nullptr);
    cvnSetScrollBarThickness(&hBar, &vBar, 6);
    EXPECT_EQ(vBar.styleSheet(), cvnScrollBarThicknessSheet(6, 6));
    EXPECT_EQ(hBar.styleSheet(), vBar.styleSheet());
    cvnSetScrollBarThickness(nullptr, &vBar, 4);
    EXPECT_EQ(vBar.styleSheet(), cvnScrollBarThicknessSheet(4, 4));
}
