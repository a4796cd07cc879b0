// The combo box: items with data, the closed box's painting, the popup list
// and its delegate, and the JSON node.

#include "CVNQComboBox.h"
#include "CVNQComboBoxImpl.h"
#include "CVNQComboItemDelegate.h"
#include "CVNQComboList.h"
#include "InputTestUtil.h"
#include "TestUtil.h"

#include <QLineEdit>
#include <QPainter>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace InputTest;

namespace {

struct ComboFixture : ::testing::Test
{
    void SetUp() override { initToolkit(); }
};

QIcon colourIcon(QColor c)
{
    QPixmap pm(16, 16);
    pm.fill(c);
    return QIcon(pm);
}

// Paints one popup row of the combo box into a 200 x 25 image.
QImage paintRow(CVNQComboBox& combo, int row, QStyle::State state)
{
    QImage img(200, 25, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 200, 25);
    option.state = state;
    combo.getPopupList()->delegate()->paint(&p, option, combo.model()->index(row, 0));
    return img;
}

} // namespace

TEST_F(ComboFixture, ItemsWithData)
{
    // What callers use: items with data found by data, through our view.
    CVNQComboBox combo;
    EXPECT_EQ(combo.count(), 0);
    combo.insertItem(0, "Active", 0);
    combo.insertItem(1, "Fault", 2);
    combo.insertItem(1, "Maintenance", 1);
    combo.setCurrentIndex(combo.findData(2));
    EXPECT_EQ(combo.currentText(), "Fault");
    EXPECT_EQ(combo.currentData().toInt(), 2);
    EXPECT_EQ(combo.view(), combo.getPopupList());
    EXPECT_EQ(combo.getPopupList()->model(), combo.model());
    EXPECT_EQ(combo.getPopupList()->itemDelegate(), combo.getPopupList()->delegate());
}

TEST_F(ComboFixture, PopupRowsUseTheItemStyles)
{
    CVNQComboBox combo;
    combo.addItem("plain");
    combo.addItem(colourIcon(Qt::magenta), "icon");
    combo.setItemBackground(0, fill("it.n", Qt::blue));
    combo.setItemBackground(1, fill("it.h", Qt::green));
    combo.setItemBackground(2, fill("it.s", Qt::yellow));
    combo.setItemTextStyle(0, text("it.t", Qt::red));

    EXPECT_EQ(CVNQComboItemDelegate::rowSlot(QStyle::State_MouseOver | QStyle::State_Selected), 1);
    EXPECT_EQ(CVNQComboItemDelegate::rowSlot(QStyle::State_Selected), 2);
    EXPECT_EQ(CVNQComboItemDelegate::rowSlot(QStyle::State_Enabled), 0);

    QImage row = paintRow(combo, 0, QStyle::State_Enabled);
    EXPECT_TRUE(near(row.pixelColor(0, 0), Qt::blue));
    EXPECT_TRUE(near(row.pixelColor(199, 24), Qt::blue));
    // Left-aligned text starts at least 10 pixels in.
    const QRect ink = colourBox(row, Qt::red, 90);
    ASSERT_TRUE(ink.isValid());
    EXPECT_GE(ink.left(), 10);

    row = paintRow(combo, 0, QStyle::State_Selected | QStyle::State_MouseOver);
    EXPECT_TRUE(near(row.pixelColor(100, 12), Qt::green));
    row = paintRow(combo, 0, QStyle::State_Selected);
    EXPECT_TRUE(near(row.pixelColor(100, 12), Qt::yellow));

    // An item with an icon: the icon in the 20-pixel column, the background
    // to its right.
    row = paintRow(combo, 1, QStyle::State_Enabled);
    EXPECT_EQ(colourBox(row, Qt::magenta), QRect(2, 4, 16, 16));
    EXPECT_EQ(colourBox(row, Qt::blue).left(), 20);
    EXPECT_GE(colourBox(row, Qt::red, 90).left(), 30);

    // Every row is itemHeight high, whatever its text.
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 123, 60);
    CVNQComboItemDelegate* delegate = combo.getPopupList()->delegate();
    EXPECT_EQ(delegate->sizeHint(option, combo.model()->index(0, 0)), QSize(123, 25));
    combo.setItemHeight(32);
    EXPECT_EQ(delegate->sizeHint(option, combo.model()->index(1, 0)).height(), 32);

    // A row shows its item's first value: the user data of an item that has
    // no text.
    combo.addItem("gone", 42);
    combo.setItemData(2, QVariant(), Qt::DisplayRole);
    EXPECT_TRUE(colourBox(paintRow(combo, 2, QStyle::State_Enabled), Qt::red, 90).isValid());

    // Without styles, or for an invalid index, nothing is painted.
    delegate->setImpl(nullptr);
    row = paintRow(combo, 0, QStyle::State_Enabled);
    EXPECT_EQ(colourBox(row, Qt::white, 0), QRect(0, 0, 200, 25));
}

TEST_F(ComboFixture, OpenPopupPaintsItsBackgroundAndRows)
{
    QWidget window;
    window.resize(300, 200);
    auto* combo = new CVNQComboBox(&window);
    combo->setGeometry(10, 10, 200, 30);
    combo->setPopupBackground(0, fill("pop", QColor(40, 40, 90)));
    combo->setItemBackground(0, fill("it.n", QColor(0, 0, 0, 0)));
    for (int i = 0; i < 4; ++i)
        combo->addItem(QString("Item %1").arg(i));
    ASSERT_TRUE(TestUtil::showExposed(&window));
    combo->showPopup();
    TestUtil::flushEvents();
    CVNQComboList* list = combo->getPopupList();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->visualRect(combo->model()->index(2, 0)).height(), 25);
    // The popup background is the only frame: Qt's popup frame is off.
    auto* container = qobject_cast<QFrame*>(list->window());
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->frameWidth(), 0);
    const QImage img = list->viewport()->grab().toImage();
    EXPECT_TRUE(TestUtil::hasColor(img, QColor(40, 40, 90), 4));
    combo->hidePopup();
}

TEST_F(ComboFixture, ClosedBoxLayout)
{
    CVNQComboBoxImpl::Layout l = CVNQComboBoxImpl::layoutFor(QRect(0, 0, 200, 30), 30, false);
    EXPECT_TRUE(l.icon.isEmpty());
    EXPECT_EQ(l.text, QRect(0, 0, 200, 30));
    EXPECT_EQ(l.button, QRect(169, 0, 30, 30));
    l = CVNQComboBoxImpl::layoutFor(QRect(0, 0, 200, 30), 30, true);
    EXPECT_EQ(l.icon, QRect(5, 0, 20, 30));
    EXPECT_EQ(l.text.left(), 20);

    TextStyleDesc t;
    t.hor = 0;
    t.x = 3;
    EXPECT_EQ(CVNQComboBoxImpl::indentedText(t).x, 10);
    t.x = 14;
    EXPECT_EQ(CVNQComboBoxImpl::indentedText(t).x, 14);
    t.hor = 1;
    t.x = 0;
    EXPECT_EQ(CVNQComboBoxImpl::indentedText(t).x, 0);

    CVNQComboBox combo;
    combo.resize(200, 30);
    for (int s = 0; s < 4; ++s) {
        combo.setBackground(s, fill("bx", Qt::blue));
        combo.setBtnBackground(s, fill("btn", Qt::green));
        combo.setTextStyle(s, text("tx", Qt::red));
    }
    combo.setBackground(3, fill("off", Qt::gray));
    combo.addItem("Wwwww");
    combo.addItem(colourIcon(Qt::magenta), "Wwwww");
    QImage img = combo.grab().toImage();
    EXPECT_EQ(colourBox(img, Qt::green), QRect(169, 0, 30, 30));
    EXPECT_GE(colourBox(img, Qt::red, 90).left(), 10);
    EXPECT_FALSE(colourBox(img, Qt::magenta).isValid());

    combo.setCurrentIndex(1);
    img = combo.grab().toImage();
    EXPECT_EQ(colourBox(img, Qt::magenta), QRect(7, 7, 16, 16));
    EXPECT_GE(colourBox(img, Qt::red, 90).left(), 30);

    combo.setEnabled(false);
    img = combo.grab().toImage();
    EXPECT_TRUE(near(img.pixelColor(100, 2), Qt::gray));

    // An editable box leaves its text to the line edit, which shows the
    // box's background through and takes the state's text colour and font.
    CVNQComboBox editable;
    editable.setEditable(true);
    editable.resize(200, 30);
    editable.setBackground(0, fill("bx", Qt::blue));
    editable.setTextStyle(0, text("tx", Qt::red, 17));
    editable.addItem("typed");
    read(&editable, TestUtil::json(R"({"name":"e"})"));
    EXPECT_EQ(editable.lineEdit()->styleSheet(), "background-color: rgba(0, 0, 0, 0);");
    img = editable.grab().toImage();
    EXPECT_EQ(editable.lineEdit()->textMargins(), QMargins(10, 0, 10, 0));
    EXPECT_EQ(editable.lineEdit()->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(editable.lineEdit()->font().pixelSize(), 17);
    const QRect field = editable.lineEdit()->geometry();
    EXPECT_TRUE(near(img.pixelColor(field.right() - 12, field.center().y()), Qt::blue));
}

TEST_F(ComboFixture, JsonTextAppendsAnItemOnEveryRead)
{
    CVNQComboBox combo;
    combo.addItem("Active");
    const Json::Value node = TestUtil::json(R"({"attr":{"text":"All statuses"}})");
    ASSERT_TRUE(read(&combo, node));
    EXPECT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.currentText(), "All statuses");
    combo.setCurrentIndex(0);
    ASSERT_TRUE(read(&combo, node));
    EXPECT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.currentIndex(), 1); // setCurrentText finds the first match

    // An empty text is an item too.
    read(&combo, TestUtil::json(R"({"attr":{"text":""}})"));
    EXPECT_EQ(combo.count(), 4);
    EXPECT_EQ(combo.itemText(3), "");
    read(&combo, TestUtil::json(R"({"attr":{"text":"active"}})"));
    EXPECT_EQ(combo.currentText(), "active");

    Json::Value out = written(&combo);
    EXPECT_EQ(out["attr"]["text"].asString(), "active");
    CVNQComboBox copy;
    read(&copy, out);
    EXPECT_EQ(copy.count(), 1);
    EXPECT_EQ(copy.currentText(), "active");

    // An empty current text writes no "text".
    CVNQComboBox empty;
    EXPECT_FALSE(written(&empty).isMember("attr"));
}

TEST_F(ComboFixture, ButtonImagesAndStyleList)
{
    addFill("cb.bg", Qt::blue);
    addFill("cb.pop", Qt::black);
    addFill("cb.item", Qt::white);
    addFill("cb.itemHot", Qt::green);
    addText("cb.text", Qt::red);

    CVNQComboBox combo;
    ASSERT_TRUE(read(&combo, TestUtil::json(R"({"attr":{"btnIcon":"a","btnHotIcon":"b"},
        "style":[["cb.bg",1,0],["cb.pop",1,12],["cb.item",1,13],["cb.itemHot",1,14],["cb.text",2,8],
                 ["cb.text",2,17],["cb.bg",1,21],["cb.bg",1,-1],["nope",1,4]]})")));
    EXPECT_EQ(combo.getBtnIcon(0), "a");
    EXPECT_EQ(combo.getHotBtnIcon(), "b");
    EXPECT_EQ(combo.getBtnIcon(2), "a");
    EXPECT_EQ(combo.getBtnIcon(3), "a");
    EXPECT_EQ(combo.getBackground(3).name, "cb.bg");
    EXPECT_TRUE(combo.getBtnBackground(0).name.isEmpty());
    EXPECT_EQ(combo.getPopupBackground(2).name, "cb.pop");
    EXPECT_EQ(combo.getItemBackground(0).name, "cb.item");
    EXPECT_EQ(combo.getItemBackground(1).name, "cb.itemHot");
    EXPECT_EQ(combo.getItemBackground(2).name, "cb.item");
    EXPECT_EQ(combo.getTextStyle(2).name, "cb.text");
    EXPECT_EQ(combo.getItemTextStyle(3).name, "cb.text");

    Json::Value out = written(&combo);
    EXPECT_EQ(out["attr"]["btnIcon"].asString(), "a");
    EXPECT_EQ(out["attr"]["btnHotIcon"].asString(), "b");
    EXPECT_EQ(out["style"][0], TestUtil::json(R"(["cb.bg",1,0])"));
    EXPECT_EQ(out["style"][1], TestUtil::json(R"(["cb.text",2,8])"));
    EXPECT_EQ(out["style"][2], TestUtil::json(R"(["cb.pop",1,12])"));
    EXPECT_EQ(out["style"][3], TestUtil::json(R"(["cb.item",1,13])"));
    EXPECT_EQ(out["style"][4], TestUtil::json(R"(["cb.itemHot",1,14])"));

    combo.setHotBtnIcon("a");
    out = written(&combo);
    EXPECT_FALSE(out["attr"].isMember("btnHotIcon"));

    // 4 sets every state; any other state outside 0..3 addresses the
    // normal slot, and only that one.
    combo.setBtnIcon(4, "x");
    combo.setBackground(-1, fill("neg", Qt::red));
    combo.setItemTextStyle(7, text("seven", Qt::red));
    EXPECT_EQ(combo.getBtnIcon(0), "x");
    EXPECT_EQ(combo.getBtnIcon(1), "x");
    EXPECT_EQ(combo.getBackground(0).name, "neg");
    EXPECT_EQ(combo.getBackground(3).name, "cb.bg");
    EXPECT_EQ(combo.getItemTextStyle(0).name, "seven");
    EXPECT_EQ(combo.getItemTextStyle(9).name, "seven");
}
