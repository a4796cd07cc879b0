// Malformed nodes: every input control reads them without throwing and
// keeps what a wrongly typed key would have set.

#include "CVNQComboBox.h"
#include "CVNQLineEdit.h"
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
    // A null "attr" reads leniently (empty text, margins 0) except on the
    // slider, whose own writer puts a null "attr" for its defaults.
    EXPECT_EQ(slider->maximum(), 100);
    EXPECT_TRUE(slider->getIsHorizontal());
    EXPECT_EQ(combo->count(), 0);
}
