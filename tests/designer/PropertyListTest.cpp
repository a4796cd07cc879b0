// The property grid.

#include "CVNQCheckBox.h"
#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQLineEdit.h"
#include "CVNQPushButton.h"
#include "CVNQSpinBox.h"
#include "DesignerTestUtil.h"

#include <QScrollBar>
#include <QtTest/QtTest>

using namespace CVNQtLib;
using namespace DesignerTest;

namespace {

std::vector<PropertyDef> rowsFor(QWidget* target)
{
    std::vector<PropertyDef> rows = CVNQLabel::getProps().properties;
    for (PropertyDef& def : rows)
        def.target = target;
    return rows;
}

} // namespace

// Rows by type code, pooled for reuse; loading writes and reports nothing;
// edits (int rows too) reach the target and are reported; style pickers ask
// the host.
TEST(DesignerPropertyList, RowsPoolAndEdits)
{
    init();
    CVNQPropertyList list;
    list.resize(300, 400);
    CVNQLabel label;
    std::vector<PropertyDef> rows = rowsFor(&label);
    int writes = 0;
    rows[0].setString = [&writes](QWidget*, const QString&) { ++writes; };
    std::vector<PropertyDef*> reported, picked;
    QObject::connect(&list, &CVNQPropertyList::valueChanged, [&](PropertyDef* d) { reported.push_back(d); });
    QObject::connect(&list, &CVNQPropertyList::selectEvent, [&](PropertyDef* d) { picked.push_back(d); });
    for (const PropertyDef& def : rows)
        list.addItem(def);
    EXPECT_EQ(list.widget()->height(), 9 * 30) << "the separator counts as a row";
    const QList<QWidget*> built = list.widget()->findChildren<QWidget*>();
    list.removeAll();
    for (const PropertyDef& def : rows)
        list.addItem(def);
    EXPECT_EQ(list.widget()->findChildren<QWidget*>(), built) << "the rows are reused";
    list.addItem(PropertyDef("ImagePath", PropImage));
    EXPECT_EQ(list.widget()->height(), 9 * 30);
    // The rows follow the shown list's width, wider or narrower.
    list.show();
    for (const QSize size : {QSize(360, 400), QSize(240, 400), QSize(240, 150)}) {
        list.resize(size);
        ASSERT_TRUE(
            TestUtil::waitFor([&] { return list.verticalScrollBar()->isVisible() == (size.height() < 9 * 30); }));
        const int width = list.viewport()->width(); // the short list's vertical bar takes its room
        EXPECT_FALSE(list.horizontalScrollBar()->isVisible()) << width;
        EXPECT_EQ(list.widget()->size(), QSize(width, 9 * 30));
        for (QWidget* row : list.widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            int right = 0; // every row's editor (a picker's button too) reaches its right end
            for (QWidget* editor : row->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                right = qMax(right, editor->geometry().right() + 1);
            EXPECT_TRUE(row->isHidden() || (row->width() == width && right >= width - 5 && right <= width)) << width;
        }
    }
    EXPECT_EQ(writes, 0);
    EXPECT_TRUE(reported.empty());
    EXPECT_EQ(rowEditor<CVNQLabel>(list, "Type")->text(), "qtlabel");

    rowEditor<CVNQSpinBox>(list, "Alpha")->setValue(100);
    EXPECT_EQ(label.getOpacity(), 100);
    rowEditor<CVNQCheckBox>(list, "Enable")->setChecked(false);
    EXPECT_FALSE(label.isEnabled());
    rowEditor<CVNQPushButton>(list, "TextStyle")->click();
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_EQ(reported[0]->name, "Alpha");
    EXPECT_EQ(reported[1]->name, "Enable");
    ASSERT_EQ(picked.size(), 1u);
    EXPECT_EQ(picked[0]->name, "TextStyle");
    // The host's answer, the style it picked, shows in the row.
    label.setTextStyle(CtrlStateNormal, TestUtil::textStyle("picked", Qt::red));
    list.updateValue(picked[0]);
    EXPECT_EQ(rowEditor<CVNQLabel>(list, "TextStyle")->text(), "picked");
}

// Every editable row of every table, typed into as a designer types (the
// value, then Return) or changed at once (the check box): once the edit is
// done the editor shows what the control kept, which a setter may clamp,
// trim or refuse.
TEST(DesignerPropertyList, EditorsShowWhatTheControlKept)
{
    init();
    for (ControlInfo* info : cvnGetAllControlInfo()) {
        QWidget host;
        QWidget* control = createControlByTypeName(info->typeName.c_str(), &host);
        if (!control)
            continue;
        CVNQPropertyList list;
        list.resize(300, 30 * int(info->properties.size() + 1));
        std::vector<PropertyDef> rows = info->properties;
        for (PropertyDef& def : rows)
            list.addItem((def.target = control, def));
        ASSERT_TRUE(TestUtil::showExposed(&list));
        for (const PropertyDef& def : rows) {
            const std::string where = info->typeName + " " + def.name.toStdString();
            QWidget* editor = rowEditor<CVNQSpinBox>(list, def.name);
            editor = editor ? editor : rowEditor<CVNQCheckBox>(list, def.name);
            editor = editor ? editor : rowEditor<CVNQLineEdit>(list, def.name);
            if (!editor)
                continue;
            if (auto* check = qobject_cast<CVNQCheckBox*>(editor)) {
                check->click();
                EXPECT_EQ(check->isChecked(), def.getBool(control)) << where;
                continue;
            }
            for (const QString typed : {"-1", "  3000  x"}) {
                editor->setFocus();
                QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(editor, typed);
                QTest::keyClick(editor, Qt::Key_Return);
                if (auto* spin = qobject_cast<CVNQSpinBox*>(editor))
                    EXPECT_EQ(spin->value(), def.getInt(control)) << where << " typed " << typed.toStdString();
                else if (def.getString)
                    EXPECT_EQ(static_cast<CVNQLineEdit*>(editor)->text(), def.getString(control)) << where;
            }
        }
    }
}
