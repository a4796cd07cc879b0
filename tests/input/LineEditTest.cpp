// The line edit: shortcut capture, password mode, focus and hover looks,
// the placeholder, margins and the JSON node.

#include "CVNQLineEdit.h"
#include "CVNQLineEditImpl.h"
#include "InputTestUtil.h"
#include "TestUtil.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace InputTest;

namespace {

struct LineEditFixture : ::testing::Test
{
    void SetUp() override { initToolkit(); }
};

QString captured(CVNQLineEdit& edit, int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    key(&edit, k, mods);
    return edit.text();
}

// A 200 x 30 field with a blue background, a red placeholder and black text.
struct StyledEdit
{
    QWidget window;
    CVNQLineEdit* edit = new CVNQLineEdit(&window);
    StyledEdit()
    {
        window.resize(220, 40);
        edit->setGeometry(QRect(0, 0, 200, 30));
        styleField(edit, text("le.ph", Qt::red, 16));
    }
};

} // namespace

TEST_F(LineEditFixture, ShortcutCaptureTexts)
{
    CVNQLineEdit edit;
    edit.setHotkeyMode(true);
    EXPECT_EQ(captured(edit, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier), "CTRL+ALT+SHIFT+Q");
    EXPECT_EQ(captured(edit, Qt::Key_Q, Qt::AltModifier), "ALT+Q");
    EXPECT_EQ(captured(edit, Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier), "CTRL+SHIFT+A");
    EXPECT_EQ(captured(edit, Qt::Key_Z, Qt::MetaModifier | Qt::KeypadModifier), "Z");
    EXPECT_EQ(captured(edit, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier), "F12");
    EXPECT_EQ(captured(edit, Qt::Key_F1), "F1");
    EXPECT_EQ(captured(edit, Qt::Key_F35), "F35");
    EXPECT_EQ(captured(edit, Qt::Key_5), "F35");
    EXPECT_EQ(captured(edit, Qt::Key_Escape), "F35");
    EXPECT_EQ(captured(edit, Qt::Key_Control, Qt::ControlModifier), "F35");
    EXPECT_EQ(captured(edit, Qt::Key_Backspace), "");
    edit.setText("X");
    EXPECT_EQ(captured(edit, Qt::Key_Delete), "");

    // Without the mode keys edit the text as usual.
    edit.setHotkeyMode(false);
    key(&edit, Qt::Key_A, Qt::NoModifier, "a");
    key(&edit, Qt::Key_5, Qt::NoModifier, "5");
    EXPECT_EQ(edit.text(), "a5");
}

TEST_F(LineEditFixture, PasswordModeBlocksCopyAndPaste)
{
    QClipboard* clipboard = QApplication::clipboard();
    CVNQLineEdit edit;
    edit.setIsPassword(true);
    EXPECT_TRUE(edit.getIsPassword());
    EXPECT_EQ(edit.echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit.contextMenuPolicy(), Qt::NoContextMenu);

    key(&edit, Qt::Key_S, Qt::NoModifier, "s");
    key(&edit, Qt::Key_E, Qt::NoModifier, "e");
    EXPECT_EQ(edit.text(), "se");

    clipboard->setText("outside");
    key(&edit, Qt::Key_V, Qt::ControlModifier);
    key(&edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(edit.text(), "se");

    key(&edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(edit.hasSelectedText());
    edit.selectAll();
    key(&edit, Qt::Key_C, Qt::ControlModifier);
    key(&edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "outside");

    // The X11 selection paste of a middle click is a paste too.
    if (clipboard->supportsSelection()) {
        clipboard->setText("selected", QClipboard::Selection);
        edit.resize(100, 20);
        TestUtil::click(&edit, QPoint(5, 5), Qt::MiddleButton);
        EXPECT_FALSE(edit.text().contains("selected"));
    }

    // Back to normal: the clipboard works again.
    edit.setIsPassword(false);
    EXPECT_EQ(edit.contextMenuPolicy(), Qt::DefaultContextMenu);
    edit.setText("plain");
    edit.selectAll();
    key(&edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "plain");
    edit.setCursorPosition(5);
    key(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "plainplain");

    // Password mode and shortcut capture combine.
    edit.setIsPassword(true);
    edit.setHotkeyMode(true);
    key(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "plainplain");
    key(&edit, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "CTRL+B");
}

TEST_F(LineEditFixture, FocusAndHoverLooks)
{
    StyledEdit s;
    ASSERT_TRUE(TestUtil::showExposed(&s.window));
    CVNQWidgetBaseImpl* impl = s.edit->getControlImpl();

    TestUtil::enter(s.edit);
    // The hover look is painted at once, and drawn as normal.
    EXPECT_EQ(impl->getState(), 0);
    QImage img = TestUtil::screenShot(s.edit);
    EXPECT_TRUE(near(img.pixelColor(199, 29), Qt::blue));

    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(s.edit, &in);
    EXPECT_EQ(impl->getState(), 2);
    TestUtil::leave(s.edit);
    EXPECT_EQ(impl->getState(), 2);
    img = TestUtil::screenShot(s.edit);
    EXPECT_TRUE(near(img.pixelColor(199, 29), Qt::green));

    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(s.edit, &out);
    EXPECT_EQ(impl->getState(), 0);

    s.edit->setEnabled(false);
    s.edit->setBackground(3, fill("le.off", Qt::gray));
    img = TestUtil::screenShot(s.edit);
    EXPECT_TRUE(near(img.pixelColor(199, 29), Qt::gray));
}

TEST_F(LineEditFixture, PlaceholderShowsOnlyWhileEmptyInsideTheMargins)
{
    StyledEdit s;
    ASSERT_TRUE(TestUtil::showExposed(&s.window));
    s.edit->setEditMargin(5, 7, 20, 30);
    int top = 0, bottom = 0, left = 0, right = 0;
    s.edit->getEditMargin(top, bottom, left, right);
    EXPECT_EQ(QMargins(left, top, right, bottom), QMargins(20, 5, 30, 7));
    EXPECT_EQ(s.edit->contentsMargins(), QMargins(20, 5, 30, 7));

    QRect ink = colourBox(TestUtil::screenShot(s.edit), Qt::red, 60);
    ASSERT_TRUE(ink.isValid());
    EXPECT_GE(ink.left(), 20);
    EXPECT_LE(ink.right(), 200 - 30 - 1);
    EXPECT_GE(ink.top(), 5);
    EXPECT_LE(ink.bottom(), 30 - 7 - 1);

    key(s.edit, Qt::Key_K, Qt::NoModifier, "k");
    EXPECT_EQ(s.edit->text(), "k");
    EXPECT_FALSE(colourBox(TestUtil::screenShot(s.edit), Qt::red, 60).isValid());

    s.edit->clear();
    s.edit->setPlaceholderText(QString());
    EXPECT_FALSE(colourBox(TestUtil::screenShot(s.edit), Qt::red, 60).isValid());

    // Qt's own placeholder is not involved.
    s.edit->setPlaceholderText("tip");
    EXPECT_EQ(s.edit->getPlaceholderText(), "tip");
    EXPECT_TRUE(s.edit->placeholderText().isEmpty());
}

TEST_F(LineEditFixture, TextStylesBecomePaletteAndFont)
{
    CVNQLineEdit edit;
    edit.setTextStyle(0, text("le.n", QColor(10, 20, 30), 19));
    EXPECT_EQ(edit.palette().color(QPalette::Disabled, QPalette::Text), QColor(10, 20, 30));
    EXPECT_EQ(edit.font().pixelSize(), 19);
    // Other states show at the next paint.
    edit.setTextStyle(2, text("le.p", QColor(200, 0, 0), 15));
    EXPECT_EQ(edit.font().pixelSize(), 19);
    edit.getControlImpl()->setState(2);
    edit.resize(100, 20);
    edit.grab();
    EXPECT_EQ(edit.font().pixelSize(), 15);
    cvnSetGlobalFontFamily("DejaVu Serif");
    edit.setTextStyle(0, text("le.n", QColor(10, 20, 30), 19));
    EXPECT_EQ(edit.font().family(), "DejaVu Serif");
    cvnSetGlobalFontFamily(QString());

    // 4 sets every state; other out-of-range states change nothing.
    edit.setTextStyle(4, text("all", Qt::red));
    edit.setBackground(-1, fill("neg", Qt::red));
    EXPECT_EQ(edit.palette().color(QPalette::Text), QColor(Qt::red));
    for (int st = 0; st < 4; ++st) {
        EXPECT_EQ(edit.getTextStyle(st).name, "all");
        EXPECT_NE(edit.getBackground(st).name, "neg");
    }
}

TEST_F(LineEditFixture, StyleListAndPlaceholderRule)
{
    addFill("le.b0", Qt::blue);
    addFill("le.b2", Qt::green);
    addText("le.t0", Qt::black);
    addText("le.t1", Qt::darkGray);
    addText("le.ph", Qt::red);

    CVNQLineEdit edit;
    ASSERT_TRUE(read(&edit, TestUtil::json(R"({"style":[["le.b0",1,0],["le.b2",1,2],["le.t0",2,4],
        ["le.t1",2,5],["le.ph",2,9]]})")));
    EXPECT_EQ(edit.getBackground(3).name, "le.b0");
    EXPECT_EQ(edit.getBackground(2).name, "le.b2");
    EXPECT_EQ(edit.getTextStyle(3).name, "le.t0");
    EXPECT_EQ(edit.getPlaceholderTextStyle(0).name, "le.ph");

    // An entry after the placeholder's puts the hover text style back.
    CVNQLineEdit late;
    read(&late, TestUtil::json(R"({"style":[["le.t0",2,4],["le.ph",2,9],["le.t1",2,5]]})"));
    EXPECT_EQ(late.getPlaceholderTextStyle(0).name, "le.t1");

    Json::Value out = written(&edit);
    // Differing neighbours: every named state is written, the placeholder last.
    EXPECT_EQ(out["style"], TestUtil::json(R"([["le.b0",1,0],["le.b0",1,1],["le.b2",1,2],["le.b0",1,3],
        ["le.t0",2,4],["le.t1",2,5],["le.t0",2,6],["le.t0",2,7],["le.ph",2,9]])"));
    CVNQLineEdit copy;
    read(&copy, out);
    EXPECT_EQ(written(&copy)["style"], out["style"]);

    CVNQLineEdit plain;
    read(&plain, TestUtil::json(R"({"style":[["le.b0",1,0],["le.t0",2,4]]})"));
    EXPECT_EQ(written(&plain)["style"], TestUtil::json(R"([["le.b0",1,0],["le.t0",2,4],["le.t0",2,9]])"));

    // Text styles fold by what they draw: another name with the same look is
    // one entry, the same name with another look is not.
    addText("le.same", Qt::black);
    CVNQLineEdit twin;
    read(&twin, TestUtil::json(R"({"style":[["le.t0",2,4],["le.same",2,6]]})"));
    EXPECT_EQ(written(&twin)["style"], TestUtil::json(R"([["le.t0",2,4],["le.t0",2,9]])"));
    TextStyleDesc bigger = twin.getTextStyle(0);
    bigger.size = 20;
    twin.setTextStyle(1, bigger);
    EXPECT_EQ(written(&twin)["style"], TestUtil::json(R"([["le.t0",2,4],["le.t0",2,5],["le.same",2,6],
        ["le.t0",2,7],["le.t0",2,9]])"));
}

TEST_F(LineEditFixture, AttributesAndMarginsRoundTrip)
{
    QWidget parent;
    auto* edit = new CVNQLineEdit(&parent);
    const Json::Value input = TestUtil::json(
        R"({"attr":{"text":"héllo","ispassord":true,"tip":"Search","shortcut":1,"leftMargin":6,"topMargin":3}})");
    ASSERT_TRUE(read(edit, input));
    EXPECT_EQ(edit->text(), QString::fromUtf8("héllo"));
    EXPECT_TRUE(edit->getIsPassword());
    EXPECT_EQ(edit->getPlaceholderText(), "Search");
    EXPECT_TRUE(edit->getHotkeyMode());
    EXPECT_EQ(edit->contentsMargins(), QMargins(6, 3, 6, 3));

    Json::Value out = written(edit);
    EXPECT_TRUE(TestUtil::keepsEveryKey(input, out));
    EXPECT_EQ(out["attr"]["text"].asString(), "héllo");
    EXPECT_EQ(out["attr"]["ispassord"], Json::Value(true));
    EXPECT_EQ(out["attr"]["shortcut"], Json::Value(true));
    EXPECT_EQ(out["attr"]["tip"].asString(), "Search");

    // Margins (6, 0, 0, 0) come back as they were, not as (6, 0, 6, 0).
    edit->setEditMargin(0, 0, 6, 0);
    out = written(edit);
    EXPECT_EQ(out["attr"]["leftMargin"].asInt(), 6);
    EXPECT_EQ(out["attr"]["rightMargin"].asInt(), 0);
    auto* copy = new CVNQLineEdit(&parent);
    ASSERT_TRUE(read(copy, out));
    EXPECT_EQ(copy->contentsMargins(), QMargins(6, 0, 0, 0));
    EXPECT_EQ(written(copy)["attr"], out["attr"]);

    // Defaults are left out, also after they were read as something else.
    edit->setIsPassword(false);
    edit->setHotkeyMode(false);
    edit->setEditMargin(0, 0, 0, 0);
    edit->clear();
    out = written(edit);
    for (const char* k : {"text", "ispassord", "shortcut", "leftMargin", "rightMargin", "topMargin", "bottomMargin"})
        EXPECT_FALSE(out["attr"].isMember(k)) << k;

    // A node without "attr" leaves text, modes and margins alone; false does
    // not switch password mode off.
    copy->setIsPassword(true);
    read(copy, TestUtil::json(R"({"name":"x"})"));
    read(copy, TestUtil::json(R"({"attr":{"ispassord":false}})"));
    EXPECT_TRUE(copy->getIsPassword());
}

TEST_F(LineEditFixture, ThemeEntrySetsTheLookButNotTheTexts)
{
    ScopedTheme theme({{"style.json", R"({"style":[{"type":1,"name":"thm.field","drawImg":false,"clr":"FF203040"},
                                                 {"type":2,"name":"thm.text","clr":"FF336699","size":17}]})"},
                       {"theme.json", R"({"elements":[{"child":[{"name":"qtdedit","type":"qtdedit",
                           "attr":{"text":"theme text","tip":"theme tip","leftMargin":12},
                           "style":[["thm.field",1,0],["thm.text",2,4]]}]}]})"}});
    ASSERT_TRUE(theme.ok);

    CVNQLineEdit edit;
    EXPECT_EQ(edit.getBackground(1).name, "thm.field");
    EXPECT_EQ(edit.getTextStyle(0).size, 17);
    EXPECT_EQ(edit.contentsMargins(), QMargins(12, 0, 12, 0));
    EXPECT_TRUE(edit.text().isEmpty());
    EXPECT_TRUE(edit.getPlaceholderText().isEmpty());
    // The frame and Qt's background are off after the theme.
    EXPECT_FALSE(edit.hasFrame());
    EXPECT_EQ(edit.styleSheet(), "background-color: rgba(0, 0, 0, 0);");
    edit.createComplete();
    EXPECT_EQ(edit.font().pixelSize(), 17);
}
