// Style, theme and page files as Windows editors save them (with a UTF-8
// byte-order mark), and a page that asks for a window and controls of
// 99999 pixels: shown, it stays within the size bound instead of crashing.

#include "CVNQContainer.h"
#include "CVNQControlFactory.h"
#include "CVNQResourceManager.h"
#include "CVNQStyleDefs.h"
#include "CVNQTypes.h"
#include "CVNQWindow.h"
#include "CVNQtLib.h"
#include "RealFilesSupport.h"
#include "TestUtil.h"

#include <QTemporaryDir>
#include <QWindow>
#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

const QByteArray kBom = "\xEF\xBB\xBF";

void startToolkit()
{
    static const bool started = [] {
        CVNQtLib::init();
        return true;
    }();
    (void)started;
}

} // namespace

TEST(RealTextFiles, ByteOrderMarkedStyleThemeAndPageFilesRead)
{
    startToolkit();
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/style.json",
                                    kBom + R"({"style": [{"type": 1, "name": "bom_fill", "color": "FF102030"}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/theme.json",
                                    kBom + R"({"elements": [{"child": [{"name": "bom_node"}]}]})"));
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    ASSERT_TRUE(rm->loadThemeDir(dir.filePath("theme")));
    FillStyle fill;
    rm->setSwitchToThemeRes(true);
    EXPECT_TRUE(rm->getFillStyle(QStringLiteral("bom_fill"), fill));
    rm->setSwitchToThemeRes(false);
    EXPECT_NE(rm->getThemeJsonValue("bom_node"), nullptr);

    ASSERT_TRUE(
        TestUtil::writeFile(dir.path(), "page.json", kBom + R"({"w": 500, "h": 300, "elements": [{"type": "qtcontainer",
                                        "name": "bom_root", "child": [{"type": "qtlabel", "name": "bom_label"}]}]})"));
    CVNQWindow window;
    CVNQContainer* root = cvnCreatePageByFileName(&window, dir.filePath("page.json"));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->objectName(), QStringLiteral("bom_root"));
    EXPECT_NE(root->findChild<QWidget*>(QStringLiteral("bom_label")), nullptr);
    EXPECT_EQ(window.size(), QSize(500, 300));
}

TEST(RealTextFiles, HugePageIsBoundedWhenShown)
{
    startToolkit();
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "huge.json", R"({"w": 99999, "h": 99999, "minW": 99999,
        "elements": [{"type": "qtcontainer", "name": "root", "child": [
            {"type": "qtlabel", "name": "label", "x": 5, "y": 5, "w": 99999, "h": 99999, "minWidth": 99999,
             "minHeight": 99999, "attr": {"text": "huge"}}]}]})"));
    CVNQWindow window;
    ASSERT_NE(cvnCreatePageByFileName(&window, dir.filePath("huge.json")), nullptr);
    const QSize bound(kCVNMaxWidgetSide, kCVNMaxWidgetSide);
    EXPECT_EQ(window.size(), bound);
    EXPECT_EQ(window.minimumWidth(), kCVNMaxWidgetSide);
    QWidget* label = window.findChild<QWidget*>(QStringLiteral("label"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->size(), bound);
    EXPECT_EQ(label->minimumSize(), bound);

    window.show();
    ASSERT_TRUE(TestUtil::waitFor([&] { return window.windowHandle() && window.windowHandle()->isExposed(); }, 20000));
    EXPECT_EQ(window.size(), bound);
}
