// Each layout control of this folder used as a user would, against its record.

#include "CVNQControlFactory.h"
#include "CVNQStackContainer.h"
#include "CVNQSubWin.h"
#include "CVNQTabWidget.h"
#include "ControlTrace.h"
#include "LayoutTestUtil.h"

#include <functional>
#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

// Coloured boxes, so that what a layout does with them shows.
QString boxes(int count, const char* extra = "")
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QStringLiteral(
                   R"({"type": "qtcontainer", "name": "b%1", "layout": {"type": 1}, "w": %2, "h": %3, "style": [["trBox%4", 1, 0]]%5})")
                   .arg(i)
                   .arg(40 + 10 * (i % 3))
                   .arg(30 + 8 * (i % 2))
                   .arg(i % 3)
                   .arg(QString::fromLatin1(extra));
    return out.join(QLatin1Char(','));
}

} // namespace

TEST(ControlTrace, EveryControl)
{
    LayoutTest::initToolkit();
    LayoutTest::defineFill("trBack", QColor(0x16, 0x1B, 0x24));
    LayoutTest::defineFill("trBox0", QColor(0x2F, 0x6F, 0xEB), 4);
    LayoutTest::defineFill("trBox1", QColor(0x49, 0xDC, 0xBB));
    LayoutTest::defineFill("trBox2", QColor(0xFF, 0xC2, 0x5C), 0, QColor(0xE6, 0xEA, 0xF0));
    LayoutTest::defineFill("trSplit", QColor(0x5B, 0x7A, 0x99));
    LayoutTest::defineFill("trHot", QColor(0x2F, 0x6F, 0xEB));
    LayoutTest::defineText("trText", QColor(0xE6, 0xEA, 0xF0), 12, false, 1);
    const QString back = R"("style": [["trBack", 1, 0]])";
    const QString container = R"({"type": "qtcontainer", %1, "attr": {"childLayout": %2, "space": 6, "paddingLeft": 8,
        "paddingTop": 8, "paddingRight": 8, "paddingBottom": 8}, "child": [%3]})";
    auto tabs = [](QWidget* w) {
        auto* t = static_cast<CVNQTabWidget*>(w);
        for (const char* s : {"Overview", "Turbines", "Alerts", "Weather"})
            t->addTab(QString::fromLatin1(s));
        t->setSelectedIndex(1);
    };
    struct Case
    {
        const char* name;
        QString json;
        QSize size;
        std::function<void(QWidget*)> setup;
    };
    const std::vector<Case> cases = {
        {"container-row", container.arg(back).arg(0).arg(boxes(4)), {280, 90}},
        {"container-column", container.arg(back).arg(1).arg(boxes(3)), {120, 200}},
        {"container-float", container.arg(back).arg(2).arg(boxes(9)), {220, 160}},
        {"spacer", R"({"type": "qtspacer", "attr": {"direction": 1, "thickness": 6}})", {120, 40}},
        {"stack",
         QStringLiteral(R"({"type": "qtstackcontainer", %1, "child": [%2]})").arg(back, boxes(3)),
         {200, 120},
         [](QWidget* w) { static_cast<CVNQStackContainer*>(w)->setCurrentIndex(1); }},
        {"tab",
         R"({"type": "qttab", "style": [["trBack", 1, 0], ["trBox1", 1, 2], ["trHot", 1, 3], ["trText", 2, 5],
             ["trText", 2, 7]], "attr": {"itemSize": 80, "itemSpace": 4}})",
         {340, 34},
         tabs},
        {"tab-vertical",
         R"({"type": "qttab", "attr": {"isHor": 0, "itemSize": 40, "itemSpace": 2}})",
         {110, 200},
         tabs},
        {"groupbox",
         QStringLiteral(R"({"type": "qtgroupbox", "attr": {"text": "Turbine T-01", "size": 2,
             "color": "FF5B7A99"}, "child": [%1]})")
             .arg(boxes(2, R"(, "x": 20, "y": 34)")),
         {220, 120}},
        // The handle at a quarter of the width, where the round's drag starts.
        {"splitter",
         QStringLiteral(R"({"type": "qtcontainer", %1, "attr": {"childLayout": 0}, "child": [
             {"type": "qtcontainer", "name": "left", "layout": {"type": 1}, "w": 76, "h": 10, "widthPolicy": 1,
             "heightPolicy": 0, "style": [["trBox0", 1, 0]]},
             {"type": "qtsplitter", "name": "split", "layout": {"type": 1}, "w": 6, "h": 10, "widthPolicy": 1,
             "heightPolicy": 0, "style": [["trSplit", 1, 0]]},
             {"type": "qtcontainer", "name": "right", "layout": {"type": 0, "ratio": 1}, "heightPolicy": 0,
             "style": [["trBox1", 1, 0]]}]})")
             .arg(back),
         {320, 120}},
        {"scrollview",
         QStringLiteral(
             R"({"type": "qtscrollview", %1, "child": [{"type": "qtcontainer", "layout": {"type": 1}, "w": 420,
             "h": 600, %1, "attr": {"childLayout": 2, "space": 10, "paddingLeft": 10, "paddingTop": 10},
             "child": [%2]}]})")
             .arg(back, boxes(24)),
         {240, 180}},
    };
    for (const Case& c : cases) {
        QWidget* w = createControlTree(TestUtil::json(c.json.toUtf8().constData()), nullptr);
        ASSERT_TRUE(w) << c.name;
        if (c.setup)
            c.setup(w);
        TestUtil::expectTraceMatches(w, QString::fromLatin1(c.name), c.size);
    }
    // A window inside a window: dragged and resized from its edges.
    auto* sub = new CVNQSubWin;
    sub->setCanDrag(true);
    sub->setResizeable(true);
    sub->setCaptionHeight(30);
    sub->setDoubleClickMaximize(true);
    FillRes fill;
    fill.clr = QColor(0x20, 0x26, 0x36);
    sub->setBackgroundColor(fill);
    sub->setUseFillColor(true);
    sub->setShowBackground(true);
    TestUtil::expectTraceMatches(sub, QStringLiteral("subwin"), {200, 140});
}
