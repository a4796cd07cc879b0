// The four indicator types in the start-up table: creation by type name
// and alias, property tables with the common rows first, and rows that
// reach the control.

#include "CVNQCheckBox.h"
#include "CVNQControlFactory.h"
#include "CVNQProgressBar.h"
#include "CVNQRadioButton.h"
#include "CVNQSwitch.h"
#include "ControlsTestUtil.h"
#include "CVNQControlInfo.h"

#include <memory>

using namespace CVNQtLib;

TEST(IndicatorsRegistration, TypeNamesAliasesAndPropertyTables)
{
    ControlsTest::startToolkit();
    QWidget host;
    const struct
    {
        std::vector<const char*> names;
        const char* className;
        size_t rows;
    } types[] = {{{"qtcheckbox", "checkbox"}, "CVNQtLib::CVNQCheckBox", 13},
                 {{"qtradiobox", "radio", "radiobox"}, "CVNQtLib::CVNQRadioButton", 15},
                 {{"qtprogressbar", "progressbar"}, "CVNQtLib::CVNQProgressBar", 3},
                 {{"qtswitch", "switch"}, "CVNQtLib::CVNQSwitch", 9}};
    for (const auto& t : types) {
        for (const char* name : t.names) {
            std::unique_ptr<QWidget> w(createControlByTypeName(name, nullptr));
            ASSERT_TRUE(w) << name;
            EXPECT_STREQ(w->metaObject()->className(), t.className);
        }
        const ControlInfo* info = cvnGetControlInfo(t.names[0]);
        ASSERT_NE(info, nullptr) << t.names[0];
        ASSERT_EQ(info->properties.size(), 7 + t.rows) << t.names[0];
        EXPECT_EQ(info->properties[6].name, "Line");
        EXPECT_EQ(cvnGetControlInfo(t.names[1]), nullptr); // aliases have no table
    }

    CVNQCheckBox box(&host);
    const ControlInfo boxInfo = CVNQCheckBox::getProps();
    EXPECT_EQ(boxInfo.properties[16].name, "HorAlign");
    TestUtil::propertyRow(boxInfo, "HorAlign").setInt(&box, 2);
    EXPECT_EQ(box.getIconHorAlign(), 2);
    TestUtil::propertyRow(boxInfo, "CheckedBg").setFillStyle(&box, 1, ControlsTest::fill("reg_bg", Qt::green));
    EXPECT_EQ(box.getCheckedBackground(1).name, "reg_bg");

    CVNQSwitch sw(&host);
    const ControlInfo switchInfo = CVNQSwitch::getProps();
    const PropertyDef& size = TestUtil::propertyRow(switchInfo, "ThumbSize");
    EXPECT_EQ(size.type, PropTwoInts);
    size.setTwoInts(&sw, 31, 17);
    EXPECT_EQ(sw.getThumbBtnSize(), QSize(31, 17));
    EXPECT_EQ(size.getTwoInts(&sw), std::make_pair(31, 17));
}
