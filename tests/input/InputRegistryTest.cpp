// The input controls in the registry, their property tables' own rows, and
// malformed nodes, which every input control reads without throwing.

#include "CVNQComboBox.h"
#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQLineEdit.h"
#include "CVNQScrollBar.h"
#include "CVNQSlider.h"
#include "CVNQSpinBox.h"
#include "CVNQTextEdit.h"
#include "InputTestUtil.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace InputTest;

TEST(InputRobustness, MalformedNodesAreReadWithoutThrowing)
{
    initToolkit();
    const char* texts[] = {
        R"({"attr":[1,2],"style":{"a":1},"child":"x"})",
        R"({"attr":{"text":5,"tip":[],"isHor":"yes","min":"1","max":{},"val":null,"thumbW":"w",
            "leftMargin":"6","btnIcon":7,"shortcut":"on","ispassord":"true"},
            "style":[null,1,"x",[],[1,2,3],["a"],["a",1],["a",1,"2"],["a",1,2.5]],
            "child":[null,5,{"type":7},{"type":"qtscrollbar","attr":5,"style":[[1,1,1]],"w":"9"}]})",
        R"({"attr":null,"style":null,"child":null,"theme":5})",
        R"([1,2,3])",
        R"("just text")",
    };
    QWidget parent;
    auto* slider = new CVNQSlider(&parent);
    auto* edit = new CVNQLineEdit(&parent);
    auto* combo = new CVNQComboBox(&parent);
    auto* text = new CVNQTextEdit(&parent);
    auto* spin = new CVNQSpinBox(&parent);
    slider->setValue(30);
    edit->setText("keep");
    QList<QWidget*> controls{slider, edit, combo, text, spin};
    for (const char* t : texts) {
        for (QWidget* c : controls) {
            Json::Value node = TestUtil::json(t);
            EXPECT_NO_THROW(read(c, node)) << t << " " << c->metaObject()->className();
            EXPECT_NO_THROW(written(c)) << t;
        }
        if (std::string(t).find("\"text\":5") != std::string::npos) {
            EXPECT_EQ(edit->text(), "keep");
            EXPECT_EQ(combo->count(), 0);
            EXPECT_EQ(slider->maximum(), 100);
        }
    }
    // A null "attr" (what the slider writes for its defaults) counts as
    // absent everywhere: it neither clears texts nor zeroes sizes.
    EXPECT_EQ(slider->maximum(), 100);
    EXPECT_TRUE(slider->getIsHorizontal());
    EXPECT_EQ(edit->text(), "keep");
    EXPECT_EQ(combo->count(), 0);
}

TEST(InputRegistry, TypeNamesAliasesAndTables)
{
    initToolkit();
    const QList<QPair<const char*, const char*>> types = {
        {"qtslider", "CVNQtLib::CVNQSlider"},     {"slider", "CVNQtLib::CVNQSlider"},
        {"qtdedit", "CVNQtLib::CVNQLineEdit"},    {"dedit", "CVNQtLib::CVNQLineEdit"},
        {"qtcombobox", "CVNQtLib::CVNQComboBox"}, {"combobox", "CVNQtLib::CVNQComboBox"},
        {"qtspinbox", "CVNQtLib::CVNQSpinBox"},   {"spinbox", "CVNQtLib::CVNQSpinBox"},
        {"dnumedit", "CVNQtLib::CVNQSpinBox"},    {"qttext", "CVNQtLib::CVNQTextEdit"}};
    for (const auto& t : types) {
        QWidget* w = createControlByTypeName(t.first, nullptr);
        ASSERT_NE(w, nullptr) << t.first;
        EXPECT_STREQ(w->metaObject()->className(), t.second) << t.first;
        if (auto* combo = qobject_cast<CVNQComboBox*>(w)) {
            combo->createComplete();
            EXPECT_EQ(combo->count(), 0); // sample items only in the emulator
        }
        delete w;
    }
    EXPECT_EQ(cvnGetControlInfo("qtspinbox"), nullptr);
    const QList<QPair<const char*, size_t>> sizes = {
        {"qtslider", 15}, {"qtdedit", 16}, {"qtcombobox", 17}, {"qttext", 13}};
    for (const auto& s : sizes) {
        ControlInfo* info = cvnGetControlInfo(s.first);
        ASSERT_NE(info, nullptr) << s.first;
        EXPECT_EQ(info->properties.size(), s.second) << s.first;
    }

    // The thumb size is a two-int row; the margins are written by hand.
    CVNQSlider slider;
    const PropertyDef& thumb = TestUtil::propertyRow(cvnGetControlInfo("qtslider"), "ThumbWidth");
    EXPECT_EQ(thumb.type, PropTwoInts);
    thumb.setTwoInts(&slider, 14, 18);
    EXPECT_EQ(slider.getThumbBtnSize(), QSize(14, 18));
    EXPECT_EQ(thumb.getTwoInts(&slider), std::make_pair(14, 18));
    CVNQLineEdit edit;
    const PropertyDef& margin = TestUtil::propertyRow(cvnGetControlInfo("qtdedit"), "Margin");
    margin.setFourInts(&edit, 1, 2, 3, 4);
    EXPECT_EQ(edit.contentsMargins(), QMargins(3, 1, 4, 2));
    EXPECT_EQ(margin.getFourInts(&edit), QVector<int>({1, 2, 3, 4}));
    CVNQTextEdit text;
    const PropertyDef& textMargin = TestUtil::propertyRow(cvnGetControlInfo("qttext"), "Margin");
    textMargin.setFourInts(&text, 1, 2, 3, 4);
    EXPECT_EQ(textMargin.getFourInts(&text), QVector<int>({1, 2, 3, 4}));
    // The popup background's row is labelled like the button background's.
    CVNQComboBox combo;
    PropertyDef& popup = cvnGetControlInfo("qtcombobox")->properties[11];
    EXPECT_EQ(popup.name, "BtnBackground");
    popup.setFillStyle(&combo, 0, fill("pp", Qt::red));
    EXPECT_EQ(combo.getPopupBackground(0).name, "pp");
}

// A scroll bar writes back each style and icon key it read: its background,
// its thumb and its icons.
TEST(InputRegistry, ScrollBarWritesTheKeysItRead)
{
    initToolkit();
    addFill("sb.back", Qt::red);
    addFill("sb.thumb", Qt::blue);
    const Json::Value node = TestUtil::json(R"({"style": [["sb.back", 1, 0], ["sb.thumb", 1, 13]],
        "attr": {"upicon": "u.svg", "downicon": "d.svg", "thumbicon": "t.png"}})");
    CVNQScrollBar bar(Qt::Vertical, nullptr);
    ASSERT_TRUE(read(&bar, node));
    const Json::Value out = written(&bar);
    EXPECT_TRUE(TestUtil::keepsEveryKey(node["attr"], out["attr"]));
    EXPECT_EQ(out["style"], node["style"]);
}
