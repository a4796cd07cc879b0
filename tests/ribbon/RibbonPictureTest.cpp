// What the ribbon draws stays readable: no label under a menu strip, a check
// mark or a scroll arrow, the gallery's "more" button inked, top-row widgets
// side by side; and layouts made while building follow later size changes.

#include "CVNQMenuImpl.h"
#include "CVNQRibbonGallery.h"
#include "CVNQRibbonGeometry.h"
#include "CVNQRibbonGroup.h"
#include "CVNQRibbonMenu.h"
#include "CVNQRibbonPage.h"
#include "RibbonTestUtil.h"

using namespace CVNQtLib;
using namespace ControlsTest;

namespace {

CVNQRibbonButton* buttonOf(CVNQRibbonBar& bar, const char* id)
{
    for (CVNQRibbonButton* b : bar.findChildren<CVNQRibbonButton*>())
        if (b->ribbonAction() && b->ribbonAction()->objectName() == id)
            return b;
    return nullptr;
}

} // namespace

TEST(RibbonPicture, LabelsStayClearOfStripsMarksArrowsAndNeighbours)
{
    startToolkit();
    CVNQRibbonBar bar;
    ASSERT_TRUE(bar.loadConfigJson(RibbonTest::realisticConfig()));
    resizeNow(&bar, 1180, 157);

    // The split "Paste": label above the menu strip, icon above the label,
    // at the default height and in a taller page.
    CVNQRibbonButton* paste = buttonOf(bar, "paste");
    ASSERT_NE(paste, nullptr);
    for (const int h : {paste->height(), 90}) {
        resizeNow(paste, paste->width(), h);
        const QRect strip = paste->popupIndicatorRect();
        const RibbonButtonRects r =
            ribbonButtonRects(paste->itemSize(), paste->size(), strip, true, paste->textAdvance());
        EXPECT_FALSE(r.text.intersects(strip)) << h;
        EXPECT_FALSE(r.text.intersects(r.icon)) << h;
        EXPECT_LE(r.iconSide, r.icon.height()) << h;
    }
    EXPECT_EQ(ribbonButtonRects(CVN_RIBBON_ITEM_LARGE, QSize(70, 90), QRect(0, 70, 70, 20), true, 30).iconSide, 32);

    // Its menu: "Keep text only" is checked; texts start after the mark,
    // which spans x 4 to 16.
    CVNQRibbonMenu* menu = paste->popupMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_GT(menu->getImpl()->iconOffset + 4, 16);

    // The gallery's narrow "..." keeps its text and inks it.
    CVNQRibbonGallery* gallery = bar.findChild<CVNQRibbonGallery*>();
    ASSERT_NE(gallery, nullptr);
    CVNQRibbonButton* more = nullptr;
    for (CVNQRibbonButton* b : gallery->findChildren<CVNQRibbonButton*>(QString(), Qt::FindDirectChildrenOnly))
        if (b->text() == "...")
            more = b;
    ASSERT_NE(more, nullptr);
    const RibbonButtonRects moreRects =
        ribbonButtonRects(more->itemSize(), more->size(), QRect(), false, more->textAdvance());
    EXPECT_GE(moreRects.text.width() - 2, more->textAdvance());
    const QImage moreShot = render(more);
    EXPECT_TRUE(inkBox(moreShot, QColor(255, 255, 255), 200).isValid());

    // Top right: the search field takes its configured 160 px and stays
    // clear of the label beside it.
    QWidget* search = bar.findChild<QWidget*>("search");
    QWidget* user = bar.findChild<QWidget*>("user");
    EXPECT_EQ(search->width(), 160);
    EXPECT_LE(search->geometry().right() + 4, user->x() - 1);

    // Compact and narrow: the tabs overflow, and the arrows close the tab
    // area left of the top-right widgets.
    bar.setLayoutMode(CVN_RIBBON_LAYOUT_COMPACT);
    resizeNow(&bar, 520, 127);
    EXPECT_TRUE(bar.isTabOverflowing());
    QWidget* row = RibbonTest::tab(bar, "home")->parentWidget();
    for (CVNQRibbonButton* b : row->findChildren<CVNQRibbonButton*>())
        if (b->text() == ">" || b->text() == "<") {
            EXPECT_FALSE(b->isHidden());
            EXPECT_LT(b->geometry().right(), search->x());
        }
    resizeNow(&bar, 1180, 127);
    EXPECT_FALSE(bar.isTabOverflowing());
}

TEST(RibbonPicture, BuiltLayoutFollowsLaterSizeChanges)
{
    startToolkit();
    CVNQRibbonBar bar;
    ASSERT_TRUE(bar.loadConfigJson(RibbonTest::realisticConfig()));
    resizeNow(&bar, 1180, 157);
    CVNQRibbonPage* page = bar.pageById("home");
    CVNQRibbonGroup* clipboard = page->groupById("clipboard");
    CVNQRibbonGroup* turbines = page->groupById("turbines");
    const int before = clipboard->width();

    // A longer command text widens its column: the next layout of the page
    // (an inserted group) gives the group and its neighbours the new widths.
    CVNQRibbonButton* cut = buttonOf(bar, "cut");
    bar.findAction("cut")->setText("Cut the selection to the clipboard");
    page->addGroup("late", "Late");
    render(&bar); // the resized groups place their items
    // Paste, then one column of cut, copy and format.
    const int column = qMax(cut->sizeHint().width(), qMax(buttonOf(bar, "copy")->sizeHint().width(),
                                                          buttonOf(bar, "painter")->sizeHint().width()));
    EXPECT_EQ(cut->width(), column);
    EXPECT_EQ(clipboard->width(), 4 + buttonOf(bar, "paste")->sizeHint().width() + 4 + column + 4 + 4);
    EXPECT_GT(clipboard->width(), before);
    EXPECT_EQ(turbines->x(), clipboard->geometry().right() + 1 + 4);

    // Every group's items sit where a full layout of the same items puts them.
    for (int i = 0; i < page->groupCount(); ++i) {
        CVNQRibbonGroup* group = page->groupAt(i);
        QList<QRect> built;
        const QList<QWidget*> items = group->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* w : items)
            built.append(w->geometry());
        resizeNow(group, group->width(), group->height());
        for (int k = 0; k < items.size(); ++k)
            EXPECT_EQ(items.at(k)->geometry(), built.at(k)) << group->groupId().toStdString() << " item " << k;
    }
}
