// Each input control used as a user would, against its record.

#include "CVNQComboBox.h"
#include "CVNQControlFactory.h"
#include "CVNQScrollBar.h"
#include "CVNQSlider.h"
#include "CVNQSpinBox.h"
#include "CVNQTextEdit.h"
#include "ControlTraceTable.h"
#include "InputTestUtil.h"
#include "TestUtil.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <json/json.h>
#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

// Each part's hover and press look differ, so the picture shows which part
// the pointer is over; arrows under the round's edge points, the thumb
// under its middle.
const char* kScrollLook = R"({"style": [["tr.track", 1, 0], ["tr.part", 1, 2], ["tr.hot", 1, 3], ["tr.down", 1, 4],
    ["tr.off", 1, 5], ["tr.part", 1, 6], ["tr.hot", 1, 7], ["tr.down", 1, 8], ["tr.off", 1, 9], ["tr.thumb", 1, 10],
    ["tr.hot", 1, 11], ["tr.down", 1, 12], ["tr.off", 1, 13]], "attr": {"hor": %1}})";

void scrollRange(CVNQScrollBar* bar)
{
    bar->setRange(0, 100);
    bar->setPageStep(20);
    bar->setValue(50);
}

void statuses(CVNQComboBox* combo)
{
    for (const char* s : {"All statuses", "Active", "Maintenance", "Fault", "Offline", "Curtailed", "Icing"})
        combo->addItem(QString::fromLatin1(s));
    combo->setCurrentIndex(2);
}

// Enough lines, long enough, to scroll both ways.
void logLines(CVNQTextEdit* text)
{
    text->setLineWrapMode(QTextEdit::NoWrap);
    QStringList lines;
    for (int i = 1; i <= 30; ++i)
        lines << QStringLiteral("WT-%1 rotor speed nominal, pitch within limits").arg(i, 3, 10, QLatin1Char('0'));
    text->setPlainText(lines.join(QLatin1Char('\n')));
}

} // namespace

TEST(ControlTrace, EveryControl)
{
    InputTest::initToolkit();
    InputTest::addFill("tr.track", QColor(0xE4, 0xE8, 0xEE));
    InputTest::addFill("tr.part", QColor(0x8F, 0xA3, 0xBF));
    InputTest::addFill("tr.thumb", QColor(0x5A, 0x6B, 0x80));
    InputTest::addFill("tr.hot", QColor(0x2F, 0x6F, 0xEB));
    InputTest::addFill("tr.down", QColor(0x10, 0x30, 0x90));
    InputTest::addFill("tr.off", QColor(0xC8, 0xCC, 0xD2));
    const QByteArray hor = QString::fromLatin1(kScrollLook).arg("true").toUtf8();
    const QByteArray ver = QString::fromLatin1(kScrollLook).arg("false").toUtf8();
    const std::vector<TestUtil::TracedControl> controls = {
        {"scrollbar-hor", "qtscrollbar", hor.constData(), {240, 16}, TestUtil::setUp<CVNQScrollBar>(scrollRange)},
        {"scrollbar-ver", "qtscrollbar", ver.constData(), {16, 240}, TestUtil::setUp<CVNQScrollBar>(scrollRange)},
        {"slider", "qtslider", R"({"attr": {"min": 0, "max": 20, "val": 5, "thumbW": 14, "thumbH": 18}})", {200, 30}},
        {"slider-ver", "qtslider", R"({"attr": {"isHor": false, "min": 0, "max": 10, "val": 7}})", {30, 160}},
        {"spinbox", "qtspinbox", "{}", {120, 28}, TestUtil::setUp<CVNQSpinBox>([](CVNQSpinBox* s) {
             s->setRange(-5, 40);
             s->setValue(12);
         })},
        {"combobox", "qtcombobox", "{}", {180, 30}, TestUtil::setUp<CVNQComboBox>(statuses)},
        {"combobox-editable", "qtcombobox", "{}", {180, 30}, TestUtil::setUp<CVNQComboBox>([](CVNQComboBox* c) {
             c->setEditable(true);
             statuses(c);
         })},
        {"lineedit",
         "qtdedit",
         R"({"attr": {"text": "WT-017 North ridge", "tip": "Turbine", "leftMargin": 6}})",
         {200, 30}},
        {"lineedit-password", "qtdedit", R"({"attr": {"text": "secret", "ispassord": true}})", {140, 30}},
        {"textedit", "qttext", "{}", {220, 110}, TestUtil::setUp<CVNQTextEdit>(logLines)},
    };
    TestUtil::expectTracesMatch(controls);

    // In the input page's theme, whose entries give each part and state a look of its own.
    const std::unique_ptr<InputTest::ScopedTheme> theme = InputTest::pageTheme();
    ASSERT_TRUE(theme->ok);
    TestUtil::expectTracesMatch({
        {"themed-combobox", "qtcombobox", "{}", {180, 30}, TestUtil::setUp<CVNQComboBox>(statuses)},
        {"themed-lineedit", "qtdedit", R"({"attr": {"tip": "Search turbines"}})", {200, 32}},
        {"themed-slider", "qtslider", R"({"attr": {"min": 0, "max": 20, "val": 5}})", {200, 30}},
        {"themed-textedit", "qttext", "{}", {220, 110}, TestUtil::setUp<CVNQTextEdit>([](CVNQTextEdit* t) {
             t->getControlBase()->refreshTheme(); // a text edit takes no theme when made
             logLines(t);
         })},
    });
}
