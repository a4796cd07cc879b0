// The design surface's types in the control registry.

#include "CVNQControlInfo.h"
#include "DesignerTestUtil.h"

#include <memory>

using namespace CVNQtLib;

TEST(DesignerRegistration, TypesAndTables)
{
    init();
    const ControlInfo* window = cvnGetControlInfo("Window");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->typeName, "window");
    ASSERT_EQ(window->properties.size(), 5u);
    EXPECT_EQ(window->properties[4].name, "MinHeight");
    EXPECT_EQ(TestUtil::propertyRow(window, "Width").max, 10000);

    const ControlInfo* property = cvnGetControlInfo("qtproperty");
    ASSERT_NE(property, nullptr);
    EXPECT_EQ(property->properties.size(), 7u);
    EXPECT_EQ(cvnGetControlInfo("canvas"), nullptr) << "create map only";

    std::unique_ptr<QWidget> canvas(createControlByTypeName("canvas", nullptr));
    EXPECT_NE(dynamic_cast<CVNQCanvas*>(canvas.get()), nullptr);
    std::unique_ptr<QWidget> grid(createControlByTypeName("property", nullptr));
    ASSERT_NE(dynamic_cast<CVNQPropertyList*>(grid.get()), nullptr);
    EXPECT_EQ(dynamic_cast<ICVNQWidgetBase*>(grid.get())->getTypeName(), "qtproperty");

    // A "Window" node reads none of its keys but builds its children.
    std::unique_ptr<QWidget> page(
        createControlTree(TestUtil::json(R"({"type": "Window", "w": 50, "child": [{"type": "qtlabel"}]})"), nullptr));
    ASSERT_NE(dynamic_cast<CVNQCanvasWindow*>(page.get()), nullptr);
    EXPECT_NE(page->findChild<CVNQLabel*>(), nullptr);
}
