// The property grid: rows by type code, pooled rows, loading without
// writing, and edits written back and reported.

#include "CVNQCheckBox.h"
#include "CVNQControlInfo.h"
#include "CVNQPushButton.h"
#include "CVNQSpinBox.h"
#include "DesignerTestUtil.h"

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

TEST(DesignerPropertyList, RowsAndPooling)
{
    init();
    CVNQPropertyList list;
    list.resize(300, 400);
    CVNQLabel label;
    std::vector<PropertyDef> rows = rowsFor(&label);
    rows.resize(7); // the common rows
    int writes = 0;
    rows[0].setString = [&writes](QWidget*, const QString&) { ++writes; };
    for (const PropertyDef& def : rows)
        list.addItem(def);
    EXPECT_EQ(list.widget()->height(), 7 * 30) << "the separator counts as a row";
    EXPECT_EQ(writes, 0) << "loading a row does not write it";
    const QList<QWidget*> built = list.widget()->findChildren<QWidget*>();

    list.removeAll();
    for (const PropertyDef& def : rows)
        list.addItem(def);
    EXPECT_EQ(list.widget()->findChildren<QWidget*>(), built) << "the rows are reused";
    list.addItem(PropertyDef("ImagePath", PropImage));
    EXPECT_EQ(list.widget()->height(), 7 * 30);
    EXPECT_EQ(rowEditor<CVNQLabel>(list, "Type")->text(), "qtlabel");
    EXPECT_EQ(rowEditor<CVNQSpinBox>(list, "Alpha")->value(), 255);
}

// Edits reach the target through the row's setter and are reported; a refill
// reports nothing (mend 9, grid side), and int rows are written back.
TEST(DesignerPropertyList, EditsWriteBack)
{
    init();
    CVNQPropertyList list;
    list.resize(300, 400);
    CVNQLabel label;
    std::vector<PropertyDef> rows = rowsFor(&label);
    std::vector<PropertyDef*> reported, picked;
    QObject::connect(&list, &CVNQPropertyList::valueChanged, [&](PropertyDef* d) { reported.push_back(d); });
    QObject::connect(&list, &CVNQPropertyList::selectEvent, [&](PropertyDef* d) { picked.push_back(d); });
    for (int pass = 0; pass < 2; ++pass) {
        list.removeAll();
        for (const PropertyDef& def : rows)
            list.addItem(def);
    }
    EXPECT_TRUE(reported.empty());

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
}
