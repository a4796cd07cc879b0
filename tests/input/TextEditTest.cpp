// The text edit: the line edit's look on a multi-line field, margins,
// placeholder, toolkit scroll bars from bound scroll-bar nodes, JSON.

#include "CVNQScrollBar.h"
#include "CVNQTextEdit.h"
#include "CVNQWidgetBaseImpl.h"
#include "InputTestUtil.h"
#include "TestUtil.h"

#include <QFocusEvent>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace InputTest;

namespace {

struct TextEditFixture : ::testing::Test
{
    void SetUp() override { initToolkit(); }
};

// A 300 x 160 field on a white window: blue background, red placeholder.
struct StyledText
{
    QWidget window;
    CVNQTextEdit* edit = new CVNQTextEdit(&window);
    StyledText()
    {
        window.setAutoFillBackground(true);
        QPalette pal;
        pal.setColor(QPalette::Window, Qt::white);
        window.setPalette(pal);
        window.resize(320, 180);
        edit->setGeometry(QRect(0, 0, 300, 160));
        TextStyleDesc ph = text("te.ph", Qt::red, 16);
        ph.ver = 0;
        styleField(edit, ph);
    }
    // The screen's picture once the window is shown: a change that asks for
    // no repaint keeps the old one.
    QImage shot() { return window.isVisible() ? TestUtil::screenShot(&window) : window.grab().toImage(); }
};

} // namespace

TEST_F(TextEditFixture, StyleListAndPlaceholderStyle)
{
    addFill("te.b0", Qt::blue);
    addText("te.t0", Qt::black);
    addText("te.ph", Qt::red);
    CVNQTextEdit edit;
    ASSERT_TRUE(read(&edit, TestUtil::json(R"({"style":[["te.b0",1,0],["te.t0",2,4]]})")));
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(edit.getBackground(s).name, "te.b0");
        EXPECT_EQ(edit.getTextStyle(s).name, "te.t0");
    }
    EXPECT_EQ(edit.getPlaceholderTextStyle().name, "te.t0");
    read(&edit, TestUtil::json(R"({"style":[["te.ph",2,8],["missing",2,4],["te.b0",1,9]]})"));
    EXPECT_EQ(edit.getPlaceholderTextStyle().name, "te.ph");
    EXPECT_EQ(edit.getTextStyle(0).name, "te.t0");

    Json::Value out = written(&edit);
    EXPECT_EQ(out["style"], TestUtil::json(R"([["te.b0",1,0],["te.t0",2,4],["te.ph",2,8]])"));
    EXPECT_FALSE(out.isMember("child"));

    // 4 sets every state; other states outside 0..3 are ignored.
    edit.setBackground(4, fill("all", Qt::red));
    edit.setTextStyle(-2, text("neg", Qt::red));
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(edit.getBackground(s).name, "all");
        EXPECT_NE(edit.getTextStyle(s).name, "neg");
    }
}

TEST_F(TextEditFixture, MarginsAndTextRoundTrip)
{
    QWidget window;
    auto* edit = new CVNQTextEdit(&window);
    ASSERT_TRUE(read(edit, TestUtil::json(R"({"attr":{"text":"line one\nline two","tip":"Notes","leftMargin":6}})")));
    EXPECT_EQ(edit->toPlainText(), "line one\nline two");
    EXPECT_EQ(edit->getPlaceholderText(), "Notes");
    int top = -1, bottom = -1, left = -1, right = -1;
    edit->getEditMargin(top, bottom, left, right);
    EXPECT_EQ(QMargins(left, top, right, bottom), QMargins(6, 0, 0, 0));

    // The margins hold through polishing and relayouts (Qt's scroll area
    // rewrites its contents margins) and place the text area.
    edit->setGeometry(0, 0, 200, 100);
    ASSERT_TRUE(TestUtil::showExposed(&window));
    edit->setStyleSheet(edit->styleSheet());
    edit->resize(220, 100);
    edit->getEditMargin(top, bottom, left, right);
    EXPECT_EQ(QMargins(left, top, right, bottom), QMargins(6, 0, 0, 0));
    EXPECT_EQ(edit->viewport()->geometry(), QRect(6, 0, 214, 100));

    Json::Value out = written(edit);
    EXPECT_EQ(out["attr"]["text"].asString(), "line one\nline two");
    EXPECT_EQ(out["attr"]["tip"].asString(), "Notes");
    EXPECT_EQ(out["attr"]["leftMargin"].asInt(), 6);
    for (const char* k : {"rightMargin", "topMargin", "bottomMargin"})
        EXPECT_FALSE(out["attr"].isMember(k)) << k;

    auto* copy = new CVNQTextEdit(&window);
    read(copy, out);
    EXPECT_EQ(written(copy)["attr"], out["attr"]);

    edit->clear();
    edit->setEditMargin(0, 0, 0, 0);
    out = written(edit);
    EXPECT_FALSE(out["attr"].isMember("text"));
    EXPECT_FALSE(out["attr"].isMember("leftMargin"));
}

TEST_F(TextEditFixture, PlaceholderWhileEmptyInsideTheMargins)
{
    StyledText s;
    s.edit->setEditMargin(10, 12, 20, 30);
    ASSERT_TRUE(TestUtil::showExposed(&s.window));
    QRect ink = colourBox(s.shot(), Qt::red, 60);
    ASSERT_TRUE(ink.isValid());
    EXPECT_GE(ink.left(), 20);
    EXPECT_GE(ink.top(), 10);
    EXPECT_LE(ink.right(), 300 - 30 - 1);
    EXPECT_LE(ink.bottom(), 160 - 12 - 1);

    key(s.edit, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_EQ(s.edit->toPlainText(), "a");
    EXPECT_FALSE(colourBox(s.shot(), Qt::red, 60).isValid());
    s.edit->clear();
    EXPECT_TRUE(colourBox(s.shot(), Qt::red, 60).isValid());
    const QString tip = s.edit->getPlaceholderText();
    s.edit->setPlaceholderText(QString());
    EXPECT_FALSE(colourBox(s.shot(), Qt::red, 60).isValid());
    s.edit->setPlaceholderText(tip);
    // Qt's own placeholder is not involved.
    EXPECT_TRUE(s.edit->placeholderText().isEmpty());

    // Focus gives the pressed look; disabling does not change the state, so
    // a disabled field keeps its normal look and text colour.
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(s.edit, &in);
    EXPECT_TRUE(near(s.shot().pixelColor(150, 80), Qt::green));
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(s.edit, &out);
    s.edit->setBackground(3, fill("te.off", Qt::gray));
    s.edit->setTextStyle(3, text("te.offText", QColor(200, 0, 200)));
    const QColor normalText = s.edit->palette().color(QPalette::Text);
    s.edit->setEnabled(false);
    EXPECT_TRUE(near(s.shot().pixelColor(150, 80), Qt::blue));
    EXPECT_EQ(s.edit->getControlImpl()->getState(), CtrlStateNormal);
    EXPECT_EQ(s.edit->palette().color(QPalette::Text), normalText);
    s.edit->setEnabled(true);
    EXPECT_TRUE(near(s.shot().pixelColor(150, 80), Qt::blue));
}

TEST_F(TextEditFixture, ScrollBarsFromBoundNodes)
{
    addFill("te.track", QColor(240, 240, 240));
    addFill("te.thumb", QColor(200, 0, 200));
    addFill("te.thumbHot", Qt::yellow);

    QWidget window;
    window.resize(320, 200);
    auto* edit = new CVNQTextEdit(&window);
    edit->setGeometry(0, 0, 300, 160);
    CVNQScrollBar* h = edit->getScrollBar(true);
    CVNQScrollBar* v = edit->getScrollBar(false);
    ASSERT_NE(h, nullptr);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(edit->horizontalScrollBar(), h);
    EXPECT_EQ(edit->verticalScrollBar(), v);
    EXPECT_EQ(h->orientation(), Qt::Horizontal);

    // No "attr": the bars are still configured from "child".
    ASSERT_TRUE(read(edit, TestUtil::json(R"({"child":[
        {"type":"qtscrollbar","w":12,"attr":{"thumbicon":"t.svg","size":30},
         "style":[["te.track",1,0],["te.thumb",1,10],["te.thumbHot",1,11]]},
        {"type":"scrollbar","h":8,"attr":{"hor":true},"style":[["te.thumb",1,10]]},
        {"type":"qtlabel","w":50}]})")));
    EXPECT_EQ(v->getScrollbarThumbIcon(), "t.svg");
    EXPECT_EQ(v->getScrollbarThumb(2).name, "te.thumb");
    EXPECT_EQ(v->getScrollbarThumb(1).name, "te.thumbHot");
    EXPECT_EQ(v->getScrollbarBackground(0).name, "te.track");
    EXPECT_EQ(h->getScrollbarThumb(0).name, "te.thumb");
    EXPECT_TRUE(h->getScrollbarBackground(0).name.isEmpty());
    // The last node's thickness goes to both bars.
    EXPECT_EQ(v->styleSheet(), h->styleSheet());
    EXPECT_TRUE(v->styleSheet().startsWith("QScrollBar::vertical{ width:8; }"));

    edit->setLineWrapMode(QTextEdit::NoWrap);
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << QString("line %1 of a long text that is wider than the field itself, so both bars show").arg(i);
    edit->setPlainText(lines.join('\n'));
    ASSERT_TRUE(TestUtil::showExposed(&window));
    ASSERT_TRUE(v->isVisible());
    ASSERT_TRUE(h->isVisible());
    EXPECT_EQ(v->width(), 8);
    EXPECT_EQ(h->height(), 8);
    // The bar's thumb is its own part, not covered by the line buttons.
    EXPECT_TRUE(TestUtil::hasColor(v->grab().toImage(), QColor(200, 0, 200), 4));
    // The corner between the bars shows what lies behind the field.
    window.setAutoFillBackground(true);
    QPalette pal;
    pal.setColor(QPalette::Window, QColor(0, 200, 0));
    window.setPalette(pal);
    const QImage shot = window.grab().toImage();
    const QPoint corner(v->mapTo(&window, v->rect().center()).x(), h->mapTo(&window, h->rect().center()).y());
    EXPECT_TRUE(near(shot.pixelColor(corner), QColor(0, 200, 0)));
    EXPECT_LT(v->value(), 1);
    v->setValue(v->maximum());
    EXPECT_GT(edit->verticalScrollBar()->value(), 0);

    // Code setters reach the same bars; the button size does nothing here.
    edit->setScrollbarThumbStyle(true, 3, fill("off", Qt::gray));
    EXPECT_EQ(h->getScrollbarThumb(3).name, "off");
    edit->setScrollbarButtonStyle(false, true, 4, fill("up", Qt::gray));
    EXPECT_EQ(v->getScrollbarUpButton(2).name, "up");
    edit->setScrollbarButtonIcon(true, false, "right.svg");
    EXPECT_EQ(h->getScrollbarBtnIcon(false), "right.svg");
    const QString sheet = v->styleSheet();
    edit->setScrollbarBtnSize(false, 40);
    EXPECT_EQ(v->styleSheet(), sheet);
    edit->setScrollbarSize(true, 14);
    EXPECT_TRUE(v->styleSheet().startsWith("QScrollBar::vertical{ width:14; }"));
}

TEST_F(TextEditFixture, NoThemeAtConstructionButOnRefresh)
{
    ScopedTheme theme({{"style.json", R"({"style":[{"type":1,"name":"thm.bg","drawImg":false,"clr":"FF123456"}]})"},
                       {"theme.json", R"({"elements":[{"child":[{"name":"qttext","type":"qttext",
                           "attr":{"text":"from theme","topMargin":3},"style":[["thm.bg",1,0]]}]}]})"}});
    ASSERT_TRUE(theme.ok);

    QWidget window;
    window.setAutoFillBackground(true);
    QPalette pal;
    pal.setColor(QPalette::Window, QColor(0, 200, 0));
    window.setPalette(pal);
    window.resize(200, 100);
    auto* edit = new CVNQTextEdit(&window);
    edit->setGeometry(0, 0, 200, 100);
    EXPECT_TRUE(edit->getBackground(0).name.isEmpty());
    // Until a theme or node arrives, Qt's background is off and the field
    // shows the default (white) fill record.
    EXPECT_TRUE(near(window.grab().toImage().pixelColor(100, 50), Qt::white));

    edit->getControlBase()->refreshTheme();
    EXPECT_EQ(edit->getBackground(3).name, "thm.bg");
    EXPECT_TRUE(edit->toPlainText().isEmpty());
    int top = 0, bottom = 0, left = 0, right = 0;
    edit->getEditMargin(top, bottom, left, right);
    EXPECT_EQ(top, 3);
    EXPECT_TRUE(near(window.grab().toImage().pixelColor(100, 50), QColor(0x12, 0x34, 0x56)));
}
