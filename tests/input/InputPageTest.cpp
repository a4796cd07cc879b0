// A page with every input control, themed from a theme folder, with one
// combo box popup open: rendered under Xvfb and saved as a screenshot
// into the build tree for a look.

#include "CVNQComboBox.h"
#include "CVNQComboList.h"
#include "CVNQControlFactory.h"
#include "CVNQLineEdit.h"
#include "CVNQScrollBar.h"
#include "CVNQSlider.h"
#include "CVNQSpinBox.h"
#include "CVNQStateStyles.h"
#include "CVNQTextEdit.h"
#include "CVNQWidgetBaseImpl.h"
#include "InputTestUtil.h"
#include "TestUtil.h"

#include <QCursor>
#include <QDir>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace InputTest;

namespace {

const char* kStyles = R"({"style":[
  {"type":1,"name":"pg.page","drawImg":false,"clr":"FFF3F5F8","borderSize":0},
  {"type":1,"name":"pg.card","drawImg":false,"clr":"FFFFFFFF","border":true,"borderSize":1,"borderclr":"FFDCE1E8","round":10},
  {"type":1,"name":"pg.field","drawImg":false,"clr":"FFFFFFFF","border":true,"borderSize":1,"borderclr":"FFC9D0DA","round":6},
  {"type":1,"name":"pg.fieldHover","drawImg":false,"clr":"FFFFFFFF","border":true,"borderSize":1,"borderclr":"FF8FA3BF","round":6},
  {"type":1,"name":"pg.fieldFocus","drawImg":false,"clr":"FFFFFFFF","border":true,"borderSize":2,"borderclr":"FF2F6FEB","round":6},
  {"type":1,"name":"pg.fieldOff","drawImg":false,"clr":"FFEEF1F5","border":true,"borderSize":1,"borderclr":"FFDCE1E8","round":6},
  {"type":1,"name":"pg.btn","drawImg":false,"clr":"00FFFFFF","borderSize":0},
  {"type":1,"name":"pg.popup","drawImg":false,"clr":"FFFFFFFF","border":true,"borderSize":1,"borderclr":"FFC9D0DA","round":4},
  {"type":1,"name":"pg.item","drawImg":false,"clr":"00FFFFFF","borderSize":0},
  {"type":1,"name":"pg.itemHover","drawImg":false,"clr":"FFE8F0FE","borderSize":0},
  {"type":1,"name":"pg.itemSel","drawImg":false,"clr":"FF2F6FEB","borderSize":0},
  {"type":1,"name":"pg.channel","drawImg":false,"clr":"FFDCE1E8","round":3,"borderSize":0},
  {"type":1,"name":"pg.fill","drawImg":false,"clr":"FF2F6FEB","round":3,"borderSize":0},
  {"type":1,"name":"pg.thumb","drawImg":false,"clr":"FFFFFFFF","border":true,"borderSize":2,"borderclr":"FF2F6FEB","round":10},
  {"type":1,"name":"pg.thumbHot","drawImg":false,"clr":"FFE8F0FE","border":true,"borderSize":2,"borderclr":"FF2F6FEB","round":10},
  {"type":1,"name":"pg.thumbOff","drawImg":false,"clr":"FFEEF1F5","border":true,"borderSize":2,"borderclr":"FFB0B8C4","round":10},
  {"type":1,"name":"pg.fillOff","drawImg":false,"clr":"FFB0B8C4","round":3,"borderSize":0},
  {"type":2,"name":"pg.text","clr":"FF1F2937","size":14,"hor":0,"ver":1},
  {"type":2,"name":"pg.textOff","clr":"FF9AA3AF","size":14,"hor":0,"ver":1},
  {"type":2,"name":"pg.placeholder","clr":"FF98A2B3","size":14,"hor":0,"ver":1,"x":2},
  {"type":2,"name":"pg.placeholderTop","clr":"FF98A2B3","size":14,"hor":0,"ver":0,"x":4,"y":3},
  {"type":2,"name":"pg.item","clr":"FF1F2937","size":14,"hor":0,"ver":1},
  {"type":2,"name":"pg.itemSel","clr":"FFFFFFFF","size":14,"hor":0,"ver":1,"bold":true},
  {"type":2,"name":"pg.caption","clr":"FF6B7280","size":12,"hor":0,"ver":1},
  {"type":1,"name":"pg.track","drawImg":false,"clr":"FFF3F5F8","borderSize":0},
  {"type":1,"name":"pg.scrollThumb","drawImg":false,"clr":"FFB8C2D0","round":4,"borderSize":0},
  {"type":1,"name":"pg.scrollThumbHot","drawImg":false,"clr":"FF8FA3BF","round":4,"borderSize":0}
]})";

const char* kTheme = R"({"elements":[{"child":[
  {"name":"qtdedit","type":"qtdedit","attr":{"leftMargin":10,"topMargin":0},
   "style":[["pg.field",1,0],["pg.fieldHover",1,1],["pg.fieldFocus",1,2],["pg.fieldOff",1,3],
            ["pg.text",2,4],["pg.textOff",2,7],["pg.placeholder",2,9]]},
  {"name":"qtcombobox","type":"qtcombobox","attr":{"btnIcon":"images/arrow.svg"},
   "style":[["pg.field",1,0],["pg.fieldHover",1,1],["pg.fieldFocus",1,2],["pg.fieldOff",1,3],["pg.btn",1,4],
            ["pg.text",2,8],["pg.textOff",2,11],["pg.popup",1,12],["pg.item",1,13],["pg.itemHover",1,14],
            ["pg.itemSel",1,15],["pg.item",2,17],["pg.itemSel",2,19]]},
  {"name":"qttext","type":"qttext","attr":{"leftMargin":6,"topMargin":4,"rightMargin":2,"bottomMargin":4},
   "style":[["pg.field",1,0],["pg.fieldFocus",1,2],["pg.fieldOff",1,3],["pg.text",2,4],["pg.textOff",2,7],["pg.placeholderTop",2,8]],
   "child":[{"type":"qtscrollbar","w":10,"style":[["pg.track",1,0],["pg.btn",1,2],["pg.btn",1,6],
                                                  ["pg.scrollThumb",1,10],["pg.scrollThumbHot",1,11]]},
            {"type":"qtscrollbar","h":10,"attr":{"hor":true},
             "style":[["pg.track",1,0],["pg.btn",1,2],["pg.btn",1,6],["pg.scrollThumb",1,10]]}]},
  {"name":"qtslider","type":"qtslider","attr":{"thumbW":18,"thumbH":18,"channelSize":6},
   "style":[["pg.channel",1,0],["pg.fill",1,2],["pg.thumb",1,4],["pg.thumbHot",1,5],["pg.thumbOff",1,7]]}
]}]})";

const char* kArrow = R"(<svg xmlns="http://www.w3.org/2000/svg" width="12" height="12" viewBox="0 0 12 12">
<path d="M2.5 4.5 L6 8 L9.5 4.5" fill="none" stroke="#6B7280" stroke-width="1.6" stroke-linecap="round"/></svg>)";

} // namespace

std::unique_ptr<ScopedTheme> InputTest::pageTheme()
{
    return std::make_unique<ScopedTheme>(std::initializer_list<std::pair<const char*, const char*>>{
        {"style.json", kStyles}, {"theme.json", kTheme}, {"images/arrow.svg", kArrow}});
}

namespace {

// The page background and its cards, painted with the theme's styles.
class Page : public QWidget
{
public:
    QVector<QRect> cards;
    QVector<QPair<QPoint, QString>> captions;
    FillStyle page, card;
    TextStyleDesc caption;

    Page()
    {
        cvnLookupStyle("pg.page", page);
        cvnLookupStyle("pg.card", card);
        cvnLookupStyle("pg.caption", caption);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        CVNQWidgetBaseImpl::drawFillStyle(&p, page, rect());
        for (const QRect& r : cards)
            CVNQWidgetBaseImpl::drawFillStyle(&p, card, r);
        for (const auto& c : captions)
            CVNQWidgetBaseImpl::drawText(&p, c.second, caption, QRect(c.first, QSize(300, 18)));
    }
};

} // namespace

TEST(InputPage, EveryInputControlRenders)
{
    initToolkit();
    const std::unique_ptr<ScopedTheme> theme = pageTheme();
    ASSERT_TRUE(theme->ok);
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    // The page's own styles live in the theme package.
    rm->setSwitchToThemeRes(true);
    Page page;
    FillStyle fillOff;
    cvnGetFillStyle("pg.fillOff", fillOff);
    rm->setSwitchToThemeRes(false);

    page.setWindowFlag(Qt::FramelessWindowHint);
    page.setGeometry(40, 40, 760, 720);
    page.cards = {QRect(20, 20, 350, 240), QRect(390, 20, 350, 240), QRect(20, 280, 720, 210),
                  QRect(20, 510, 720, 190)};
    page.captions = {{QPoint(36, 30), "Line edits"},
                     {QPoint(406, 30), "Combo boxes"},
                     {QPoint(36, 290), "Sliders and spin boxes"},
                     {QPoint(36, 520), "Text edits"}};

    // Line edits: placeholder, focused with text, password, shortcut
    // capture, hovered and disabled.
    auto* search = new CVNQLineEdit(&page);
    search->setGeometry(QRect(36, 54, 318, 34));
    search->setPlaceholderText("Search turbines");
    auto* name = new CVNQLineEdit(&page);
    name->setGeometry(QRect(36, 96, 318, 34));
    name->setText("WT-017 North ridge");
    auto* password = new CVNQLineEdit(&page);
    password->setGeometry(QRect(36, 138, 120, 34));
    password->setIsPassword(true);
    password->setText("secret");
    auto* hotkey = new CVNQLineEdit(&page);
    hotkey->setGeometry(QRect(166, 138, 188, 34));
    hotkey->setHotkeyMode(true);
    key(hotkey, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    auto* hovered = new CVNQLineEdit(&page);
    hovered->setGeometry(QRect(36, 180, 318, 30));
    hovered->setPlaceholderText("Hovered field (drawn as normal)");
    auto* disabled = new CVNQLineEdit(&page);
    disabled->setGeometry(QRect(36, 218, 318, 30));
    disabled->setText("Disabled field");
    disabled->setEnabled(false);

    // Combo boxes: one to open, one with icons, one editable, one hovered,
    // one disabled.
    auto* status = new CVNQComboBox(&page);
    status->setGeometry(QRect(406, 54, 318, 34));
    const char* statuses[] = {"All statuses", "Active", "Maintenance", "Fault", "Offline"};
    for (int i = 0; i < 5; ++i)
        status->insertItem(i, statuses[i], i - 1);
    status->setCurrentIndex(status->findData(1));
    auto* icons = new CVNQComboBox(&page);
    icons->setGeometry(QRect(406, 96, 318, 34));
    QPixmap dot(16, 16);
    dot.fill(Qt::transparent);
    {
        QPainter p(&dot);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(34, 160, 90));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRect(2, 2, 12, 12));
    }
    icons->addItem(QIcon(dot), "Active turbines");
    auto* editable = new CVNQComboBox(&page);
    editable->setEditable(true);
    editable->setGeometry(QRect(406, 138, 318, 34));
    editable->addItem("Typed value");
    read(editable, TestUtil::json(R"({"name":"editable"})"));
    auto* hotCombo = new CVNQComboBox(&page);
    hotCombo->setGeometry(QRect(406, 180, 155, 30));
    hotCombo->addItem("Hovered");
    TestUtil::enter(hotCombo);
    auto* offCombo = new CVNQComboBox(&page);
    offCombo->setGeometry(QRect(569, 180, 155, 30));
    offCombo->addItem("Disabled");
    offCombo->setEnabled(false);

    // Sliders (normal, hovered thumb, disabled, vertical) and spin boxes.
    auto* s1 = new CVNQSlider(&page);
    s1->setGeometry(QRect(36, 320, 420, 30));
    s1->setValue(25);
    auto* s2 = new CVNQSlider(&page);
    s2->setGeometry(QRect(36, 360, 420, 30));
    s2->setValue(70);
    s2->getControlImpl()->setState(1);
    auto* s3 = new CVNQSlider(&page);
    s3->setGeometry(QRect(36, 400, 420, 30));
    s3->setValue(50);
    s3->setForegroundStyle(0, fillOff);
    s3->setEnabled(false);
    auto* vertical = new CVNQSlider(&page, Qt::Vertical);
    vertical->setGeometry(QRect(480, 310, 30, 170));
    EXPECT_TRUE(vertical->getIsHorizontal()); // the theme entry's "attr" sets the orientation
    vertical->setOrientation(Qt::Vertical);
    vertical->setValue(60);
    auto* spin = new CVNQSpinBox(&page);
    spin->setGeometry(QRect(560, 330, 140, 34));
    spin->setRange(0, 500);
    spin->setValue(48);
    auto* offSpin = new CVNQSpinBox(&page);
    offSpin->setGeometry(QRect(560, 380, 140, 34));
    offSpin->setValue(7);
    offSpin->setEnabled(false);

    // Text edits: themed through refreshTheme (their constructor applies
    // none): one empty with its placeholder, one with the focus look and
    // long enough to scroll both ways, one disabled.
    auto* notes = new CVNQTextEdit(&page);
    notes->setGeometry(QRect(36, 544, 220, 140));
    notes->getControlBase()->refreshTheme();
    notes->setPlaceholderText("Inspection notes");
    auto* log = new CVNQTextEdit(&page);
    log->setGeometry(QRect(266, 544, 280, 140));
    log->getControlBase()->refreshTheme();
    log->setLineWrapMode(QTextEdit::NoWrap);
    QStringList lines;
    for (int i = 1; i <= 14; ++i)
        lines << QString("%1:00  WT-%2 gearbox temperature %3 C within the expected band of the season")
                     .arg(i, 2, 10, QChar('0'))
                     .arg(i * 3, 3, 10, QChar('0'))
                     .arg(50 + i);
    log->setPlainText(lines.join('\n'));
    auto* offNotes = new CVNQTextEdit(&page);
    offNotes->setGeometry(QRect(556, 544, 168, 140));
    offNotes->getControlBase()->refreshTheme();
    offNotes->setPlainText("Disabled notes");
    offNotes->setEnabled(false);

    page.show();
    page.activateWindow();
    name->setFocus();
    QFocusEvent focusIn(QEvent::FocusIn, Qt::OtherFocusReason);
    QApplication::sendEvent(log, &focusIn);
    TestUtil::enter(hovered);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page)); // the focused field's look needs the active window
    ASSERT_TRUE(TestUtil::waitPainted(&page));
    const QImage closed =
        QGuiApplication::primaryScreen()->grabWindow(0, page.x(), page.y(), page.width(), page.height()).toImage();
    EXPECT_TRUE(closed.save(TestUtil::shotPath("corvane-input-page-closed.png")));
    TestUtil::expectMatchesReference(closed, "input-page-closed");
    EXPECT_EQ(name->getControlImpl()->getState(), 2);
    EXPECT_EQ(offNotes->getControlImpl()->getState(), 0); // disabling leaves a text edit's state alone

    // Open the status list and hover its "Fault" row with the real pointer.
    status->showPopup();
    CVNQComboList* list = status->getPopupList();
    ASSERT_TRUE(list->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QRect faultRow = list->visualRect(status->model()->index(3, 0));
    ASSERT_TRUE(TestUtil::movePointer(list->viewport()->mapToGlobal(faultRow.center() - QPoint(0, 50))));
    ASSERT_TRUE(TestUtil::movePointer(list->viewport()->mapToGlobal(faultRow.center())));
    ASSERT_TRUE(TestUtil::waitPainted(list->window()));
    // The whole screen area of the page and the popup.
    QRect area = page.frameGeometry().united(list->window()->frameGeometry()).adjusted(-10, -10, 10, 10);
    const QImage shot =
        QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    const QString file = TestUtil::shotPath("corvane-input-page.png");
    EXPECT_TRUE(shot.save(file));
    TestUtil::expectMatchesReference(shot, "input-page");
    std::printf("screenshot: %s\n", qPrintable(file));

    // The placeholder, the slider fill and the themed channel are on
    // screen; the row under the pointer has the hover look.
    EXPECT_TRUE(TestUtil::hasColor(shot, QColor(0x2F, 0x6F, 0xEB), 3));
    EXPECT_TRUE(TestUtil::hasColor(shot, QColor(0x98, 0xA2, 0xB3), 3));
    EXPECT_TRUE(TestUtil::hasColor(shot, QColor(0xDC, 0xE1, 0xE8), 1));
    const QImage rows = list->viewport()->grab().toImage();
    EXPECT_TRUE(near(rows.pixelColor(faultRow.right() - 4, faultRow.center().y()), QColor(0xE8, 0xF0, 0xFE), 3));
    EXPECT_EQ(faultRow.height(), 25);
    EXPECT_EQ(hotkey->text(), "CTRL+ALT+SHIFT+Q");
    status->hidePopup();
}

// Every setter that changes what an input control shows asks for its own
// repaint: on screen the change shows without anything else painting.
TEST(InputPage, EveryLookSetterAsksForItsRepaint)
{
    initToolkit();
    const FillStyle colour = addFill("pg.look", QColor(0x30, 0x60, 0x90));
    const TextStyleDesc style = addText("pg.lookText", QColor(0x90, 0x60, 0x30));
    QWidget page;
    page.resize(300, 300);
    auto* combo = new CVNQComboBox(&page);
    auto* edit = new CVNQLineEdit(&page);
    auto* bar = new CVNQScrollBar(Qt::Horizontal, &page);
    auto* slider = new CVNQSlider(&page);
    auto* notes = new CVNQTextEdit(&page);
    int row = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{combo, edit, bar, slider, notes})
        w->setGeometry(0, 50 * row++, 200, 40), w->show();
    ASSERT_TRUE(TestUtil::showExposed(&page));
    TestUtil::expectEachRepaints({
        {combo, [&] { combo->setBackground(CtrlStateNormal, colour); }},
        {combo, [&] { combo->setBtnBackground(CtrlStateNormal, colour); }},
        {combo, [&] { combo->setTextStyle(CtrlStateNormal, style); }},
        {combo, [&] { combo->setNormalBtnIcon("pg.icon"); }},
        {edit, [&] { edit->setBackground(CtrlStateNormal, colour); }},
        {edit, [&] { edit->setPlaceholderTextStyle(CtrlStateNormal, style); }},
        {bar, [&] { bar->setScrollbarBackground(CommonCtrlStateNormal, colour); }},
        {bar, [&] { bar->setScrollbarUpButton(CtrlStateAll, colour); }},
        {bar, [&] { bar->setScrollbarDownButton(CtrlStateAll, colour); }},
        {bar, [&] { bar->setScrollbarButton(true, CtrlStateNormal, colour); }},
        {bar, [&] { bar->setScrollbarThumb(CtrlStateAll, colour); }},
        {bar, [&] { bar->setScrollbarBtnIcon(false, "pg.icon"); }},
        {bar, [&] { bar->setScrollbarIconStyle(true, IconStyleDesc()); }},
        {bar, [&] { bar->setScrollbarThumbIcon("pg.icon"); }},
        {slider, [&] { slider->setBackgroundStyle(CommonCtrlStateNormal, colour); }},
        {slider, [&] { slider->setForegroundStyle(CommonCtrlStateNormal, colour); }},
        {slider, [&] { slider->setThumbStyle(CtrlStateNormal, colour); }},
        {slider, [&] { slider->setThumbSize(12, 12); }},
        {slider, [&] { slider->setChannelHeight(7); }},
        {notes->viewport(), [&] { notes->setBackground(CtrlStateNormal, colour); }},
        {notes->viewport(), [&] { notes->setPlaceholderTextStyle(style); }},
    });
}
