// A realistic ribbon painted in the office and the compact mode and saved as
// PNG into the build tree for a look; the checks make
// sure the rows, the page and the groups inked where the layout put them.

#include "CVNQRibbonGroup.h"
#include "CVNQRibbonMenu.h"
#include "CVNQRibbonMenu.h"
#include "CVNQRibbonPage.h"
#include "RibbonTestUtil.h"

#include <QDir>

using namespace CVNQtLib;
using namespace ControlsTest;

TEST(RibbonScreenshot, BothModesPaintRowsPageAndGroups)
{
    startToolkit();
    for (const int width : {520, 1180})
        for (const CVN_RIBBON_LAYOUT_MODE mode : {CVN_RIBBON_LAYOUT_OFFICE, CVN_RIBBON_LAYOUT_COMPACT}) {
            CVNQRibbonBar bar;
            ASSERT_TRUE(bar.loadConfigJson(RibbonTest::realisticConfig())) << bar.lastError().toStdString();
            bar.setLayoutMode(mode);
            resizeNow(&bar, width, bar.sizeHint().height());
            const QImage shot = render(&bar);
            const QString name = QStringLiteral("ribbon-%1-%2.png")
                                     .arg(mode == CVN_RIBBON_LAYOUT_OFFICE ? "office" : "compact")
                                     .arg(width);
            EXPECT_TRUE(shot.save(TestUtil::shotPath(name)));
            TestUtil::expectMatchesReference(shot, QString(name).remove(".png"));

            // Group background (250, 252, 255) inside the first group; tab row.
            const CVNQRibbonGroup* group = bar.currentPageWidget()->groupAt(0);
            const QPoint inGroup = group->mapTo(&bar, QPoint(2, group->height() / 2));
            EXPECT_TRUE(near(shot.pixelColor(inGroup), QColor(250, 252, 255), 3));
            EXPECT_TRUE(near(shot.pixelColor(RibbonTest::tab(bar, "home")->mapTo(&bar, QPoint(10, 10))),
                             QColor(255, 255, 255), 3));
        }

    // The split button's menu with its check mark.
    CVNQRibbonBar bar;
    ASSERT_TRUE(bar.loadConfigJson(RibbonTest::realisticConfig()));
    CVNQRibbonMenu* menu = nullptr;
    for (CVNQRibbonButton* button : bar.findChildren<CVNQRibbonButton*>())
        if (button->ribbonAction() == bar.findAction("paste"))
            menu = button->popupMenu();
    ASSERT_NE(menu, nullptr);
    menu->adjustSize();
    const QImage menuShot = render(menu);
    EXPECT_TRUE(menuShot.save(TestUtil::shotPath("ribbon-menu.png")));
    TestUtil::expectMatchesReference(menuShot, "ribbon-menu");
    EXPECT_TRUE(colourBox(menuShot, QColor(62, 111, 210), 60).isValid());
}
