// Every control of this folder in every state on one page, themed by the
// application's wind-farm theme (with entries added for the controls it
// does not theme), painted and saved as PNG into the build
// tree for a look. The checks make sure each control inked its cell and
// that the state faces differ. The page is grabbed without a window of its
// own: the GL driver Qt loads for a window reports a leak at exit under the
// sanitizers.

#include "CVNQCheckBox.h"
#include "CVNQCheckBoxImpl.h"
#include "CVNQImage.h"
#include "CVNQLCDNumber.h"
#include "CVNQLabel.h"
#include "CVNQLabelEx.h"
#include "CVNQLabelExImpl.h"
#include "CVNQProgressBar.h"
#include "CVNQPushButton.h"
#include "CVNQPushButtonImpl.h"
#include "CVNQRadioButton.h"
#include "CVNQRadioButtonImpl.h"
#include "CVNQSwitch.h"
#include "CVNQSwitchImpl.h"
#include "ControlsTestUtil.h"
#include "LanguageManager.h"
#include "TestUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <vector>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace ControlsTest;

namespace {

const QColor kGround(0x09, 0x18, 0x1A); // the theme's window colour

// Styles and theme entries for the controls the application does not theme.
const char* kExtraStyles = R"([
  {"type": 1, "name": "g.row", "drawImg": false, "clr": "00000000", "round": 6},
  {"type": 1, "name": "g.rowHover", "drawImg": false, "clr": "FF152E30", "round": 6},
  {"type": 1, "name": "g.rowPressed", "drawImg": false, "clr": "FF1E3B3D", "round": 6},
  {"type": 1, "name": "g.rowChecked", "drawImg": false, "clr": "FF102C26", "border": true, "borderSize": 1,
   "borderclr": "FF00A862", "round": 6},
  {"type": 1, "name": "g.pb.back", "drawImg": false, "clr": "FF152E30", "border": true, "borderSize": 1,
   "borderclr": "FF2E4C4E", "round": 5},
  {"type": 1, "name": "g.pb.fore", "drawImg": false, "clr": "FF00EF86", "round": 5},
  {"type": 1, "name": "g.lcd", "drawImg": false, "clr": "FF0C1E20", "border": true, "borderSize": 1,
   "borderclr": "FF2E4C4E", "round": 8},
  {"type": 2, "name": "g.text.pb", "clr": "FFF2F8F6", "size": 12, "bold": true, "hor": 1, "ver": 1},
  {"type": 2, "name": "g.text.check", "clr": "FFD2E6E2", "size": 13, "hor": 0, "ver": 1, "x": 6},
  {"type": 2, "name": "g.text.checked", "clr": "FF00EF86", "size": 13, "hor": 0, "ver": 1, "x": 6},
  {"type": 2, "name": "g.text.checkOff", "clr": "FF557370", "size": 13, "hor": 0, "ver": 1, "x": 6}
])";

const char* kExtraEntries = R"([
  {"name": "qtcheckbox", "type": "qtcheckbox", "style": [["g.row", 1, 0], ["g.rowHover", 1, 1],
   ["g.rowPressed", 1, 2], ["g.rowChecked", 1, 4], ["g.rowPressed", 1, 6], ["g.row", 1, 7],
   ["g.text.check", 2, 8], ["g.text.checked", 2, 9], ["g.text.checkOff", 2, 10]],
   "attr": {"iconX": 6, "iconPath": "box.svg", "hotIconPath": "box-hot.svg", "siconPath": "box-on.svg",
   "disableIconPath": "box-off.svg", "disableSIconPath": "box-off.svg"}},
  {"name": "qtradiobox", "type": "qtradiobox", "style": [["g.row", 1, 0], ["g.rowHover", 1, 1],
   ["g.rowPressed", 1, 2], ["g.rowChecked", 1, 4], ["g.rowPressed", 1, 6], ["g.row", 1, 7],
   ["g.text.check", 2, 8], ["g.text.checked", 2, 9], ["g.text.checkOff", 2, 10]]},
  {"name": "qtprogressbar", "type": "qtprogressbar", "style": [["g.pb.back", 1, 0], ["g.pb.fore", 1, 2],
   ["g.text.pb", 2, 4]]},
  {"name": "qtlcdnumber", "type": "qtlcdnumber", "style": [["g.lcd", 1, 0]], "attr": {"color": "FF00EF86"}},
  {"name": "qtlabelex", "type": "qtlabelex", "style": [["wf.text.sm", 2, 0]]}
])";

QByteArray svg(const char* body)
{
    return QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\">") + body + "</svg>";
}

} // namespace

// The wind-farm theme folder of the application with kExtraStyles and
// kExtraEntries added, and the check and radio marks as SVG files.
bool ControlsTest::writeTheme(const QString& dir)
{
    const QString source = TestUtil::sourcePath("app/windfarm-theme");
    QFile styleFile(source + "/style.json");
    QFile themeFile(source + "/theme.json");
    Json::Value style, theme, extraStyles, extraEntries;
    if (!styleFile.open(QIODevice::ReadOnly) || !themeFile.open(QIODevice::ReadOnly) ||
        !jsonParse(styleFile.readAll(), style) || !jsonParse(themeFile.readAll(), theme) ||
        !jsonParse(std::string(kExtraStyles), extraStyles) || !jsonParse(std::string(kExtraEntries), extraEntries))
        return false;
    for (const Json::Value& s : extraStyles)
        style["style"].append(s);
    for (const Json::Value& e : extraEntries)
        theme["elements"][0]["child"].append(e);
    const char* box = "<rect x=\"1.5\" y=\"1.5\" width=\"13\" height=\"13\" rx=\"3\" fill=\"none\" stroke=\"%1\"/>";
    const char* tick = "<path d=\"M4 8.5l3 3 5-6\" fill=\"none\" stroke=\"#04100B\" stroke-width=\"2\"/>";
    return TestUtil::writeFile(dir, "style.json", QByteArray::fromStdString(jsonStyled(style))) &&
           TestUtil::writeFile(dir, "theme.json", QByteArray::fromStdString(jsonStyled(theme))) &&
           TestUtil::writeFile(dir, "box.svg", svg(QString(box).arg("#7D9794").toUtf8())) &&
           TestUtil::writeFile(dir, "box-hot.svg", svg(QString(box).arg("#00EF86").toUtf8())) &&
           TestUtil::writeFile(dir, "box-off.svg", svg(QString(box).arg("#2E4C4E").toUtf8())) &&
           TestUtil::writeFile(dir, "box-on.svg",
                               svg(QByteArray("<rect x=\"1\" y=\"1\" width=\"14\" height=\"14\" rx=\"3\" "
                                              "fill=\"#00EF86\"/>") +
                                   tick)) &&
           TestUtil::writeFile(dir, "dot.svg",
                               svg("<circle cx=\"8\" cy=\"8\" r=\"6.5\" fill=\"none\" stroke=\"#7D9794\"/>")) &&
           TestUtil::writeFile(dir, "dot-on.svg",
                               svg("<circle cx=\"8\" cy=\"8\" r=\"6.5\" fill=\"none\" stroke=\"#00EF86\"/>"
                                   "<circle cx=\"8\" cy=\"8\" r=\"3.5\" fill=\"#00EF86\"/>")) &&
           TestUtil::writeFile(
               dir, "turbine.svg",
               svg("<path d=\"M8 2v6l5 3M8 8l-5 3\" stroke=\"#D2E6E2\" stroke-width=\"1.6\" "
                   "fill=\"none\"/><rect x=\"7.2\" y=\"8\" width=\"1.6\" height=\"7\" fill=\"#D2E6E2\"/>")) &&
           TestUtil::writeFile(dir, "photo.png", pngBytes(solidImage(24, 16, QColor(0x00, 0xA8, 0x62))));
}

namespace {

template <class Control>
Control* themed(QWidget* page, const char* themeEntry, QRect geometry)
{
    auto* c = new Control(page);
    if (themeEntry) {
        // "theme" is looked at only in a node with "attr".
        Json::Value node(Json::objectValue);
        node["theme"] = themeEntry;
        node["attr"] = Json::Value(Json::objectValue);
        c->readJsonValue(&node);
    }
    c->setGeometry(geometry);
    return c;
}

template <class Control>
void putInState(Control* c, int state)
{
    c->getControlImpl()->setState(state);
    if (state == CtrlStateDisabled)
        c->setEnabled(false);
}

} // namespace

TEST(Gallery, EveryControlInEveryStateWithTheApplicationTheme)
{
    startToolkit(); // the built-in marks (a hovered checked box shows one)
    QTemporaryDir dir, empty;
    ASSERT_TRUE(writeTheme(dir.path()));
    ASSERT_TRUE(rm()->loadThemeDir(dir.path()));
    const QString icon = dir.filePath("turbine.svg");

    QWidget page;
    page.resize(900, 560);
    page.setAutoFillBackground(true);
    QPalette pal = page.palette();
    pal.setColor(QPalette::Window, kGround);
    page.setPalette(pal);

    const char* states[] = {"Normal", "Hover", "Pressed", "Disabled"};
    QVector<QWidget*> faces[3];
    // Push buttons of three theme entries, each state; an icon on the nav row.
    const char* buttonEntries[] = {"WindPrimaryButton", "WindSecondaryButton", "WindNavButton"};
    for (int row = 0; row < 3; ++row)
        for (int s = 0; s < 4; ++s) {
            auto* b = themed<CVNQPushButton>(&page, buttonEntries[row], QRect(10 + s * 130, 10 + row * 42, 120, 34));
            b->setFadeEnabled(false);
            b->setText(states[s]);
            if (row == 2)
                b->setIcon(icon);
            putInState(b, s);
            faces[row] << b;
        }
    // Extension strip with the pointer over it, and a fade half-way in.
    auto* ext = themed<CVNQPushButton>(&page, "WindSecondaryButton", QRect(540, 10, 140, 34));
    Json::Value extNode = TestUtil::json(R"({"attr": {"isExtBtn": 1, "extWidth": 30, "text": "Split"}})");
    ext->readJsonValue(&extNode);
    ext->getImpl()->extIconPath = icon;
    ext->getImpl()->setState(CtrlStateHover);
    ext->getImpl()->extHot = true;
    auto* fading = themed<CVNQPushButton>(&page, "WindSecondaryButton", QRect(540, 52, 140, 34));
    fading->setText("Fade 50%");
    fading->setFadeEnabled(true);
    fading->getImpl()->fadeFrom = CtrlStateNormal;
    fading->getImpl()->fadeTo = CtrlStateHover;
    fading->getImpl()->fadeProgress = 0.5;
    fading->getImpl()->setState(CtrlStateHover);

    // Labels: theme entries, an elided one, a disabled one.
    const char* labelEntries[] = {"WindLabelTitle", "WindLabelMuted", "WindLabelAccent", nullptr};
    const char* labelTexts[] = {"Title label", "Muted label", "Accent label", "Disabled label"};
    for (int i = 0; i < 4; ++i) {
        auto* l = themed<CVNQLabel>(&page, labelEntries[i], QRect(10 + i * 150, 140, 140, 26));
        l->setText(labelTexts[i]);
        l->setEnabled(i != 3);
    }
    auto* elided = themed<CVNQLabel>(&page, nullptr, QRect(610, 140, 120, 26));
    TextStyleDesc single = elided->getTextStyle(CtrlStateNormal);
    single.singleline = true;
    elided->setTextStyle(CtrlStateNormal, single);
    elided->setText("A text far too long for its label");
    resizeNow(elided, 120, 26);

    // Extended label with a selection over its lines.
    auto* ex = themed<CVNQLabelEx>(&page, nullptr, QRect(740, 96, 150, 70));
    ex->setHtmlContent("<b>Rich</b> text, <i>wrapped</i> and selected across lines.");
    ex->getImpl()->setSelection(LabelExPosition(0, 0, 5), ex->getImpl()->endPosition());

    // Check boxes and radio buttons: unchecked and checked, each state.
    for (int checked = 0; checked < 2; ++checked)
        for (int s = 0; s < 4; ++s) {
            auto* box = themed<CVNQCheckBox>(&page, nullptr, QRect(10 + s * 150, 180 + checked * 32, 140, 28));
            box->setText(states[s]);
            box->setChecked(checked);
            putInState(box, s);
            auto* radio = themed<CVNQRadioButton>(&page, nullptr, QRect(10 + s * 150, 252 + checked * 34, 140, 30));
            Json::Value icons = TestUtil::json(R"({"attr": {"iconPath": "dot.svg", "siconPath": "dot-on.svg",
                "iconX": 6}})");
            radio->readJsonValue(&icons);
            radio->setText(states[s]);
            radio->setAutoExclusive(false);
            radio->setChecked(checked);
            putInState(radio, s);
        }

    // Switches: on and off, each state (one with a single text), one sliding.
    for (int left = 0; left < 2; ++left)
        for (int s = 0; s < 4; ++s) {
            auto* sw = themed<CVNQSwitch>(&page, nullptr, QRect(10 + s * 90, 330 + left * 34, 64, 28));
            sw->setThumbSize(22, 22);
            sw->setMargin(3);
            sw->setSwitchToLeft(left);
            sw->setShowAllText(s != 1);
            putInState(sw, s);
        }
    auto* sliding = themed<CVNQSwitch>(&page, nullptr, QRect(370, 330, 64, 28));
    sliding->setThumbSize(22, 22);
    sliding->setMargin(3);
    sliding->getImpl()->animating = true;
    sliding->getImpl()->thumbOffset = 18;

    // Progress bars: horizontal, with text, vertical, circles.
    auto bar = [&](QRect geometry, int value) {
        auto* pb = themed<CVNQProgressBar>(&page, nullptr, geometry);
        pb->setRange(0, 100);
        pb->setValue(value);
        return pb;
    };
    bar(QRect(10, 410, 200, 14), 30);
    bar(QRect(10, 432, 200, 20), 64)->setShowText(true);
    bar(QRect(220, 400, 16, 100), 65)->setOrientation(Qt::Vertical);
    const int circleValues[] = {0, 25, 50, 80, 100};
    for (int i = 0; i < 5; ++i) {
        auto* circle = bar(QRect(250 + i * 90, 400, 80, 80), circleValues[i]);
        circle->setCircleProgressBar(true);
        circle->setShowText(true);
    }

    // Pictures and digits.
    auto* picture = themed<CVNQImage>(&page, nullptr, QRect(700, 180, 60, 40));
    picture->setImagePath(dir.filePath("photo.png"));
    auto* aligned = themed<CVNQImage>(&page, nullptr, QRect(770, 180, 60, 40));
    aligned->setImagePath(dir.filePath("photo.png"));
    aligned->setStretchDraw(false);
    aligned->setAlignType(DockFar, DockFar);
    auto* tinted = themed<CVNQImage>(&page, nullptr, QRect(700, 230, 60, 40));
    tinted->setSvgPath(icon);
    tinted->setSvgColor(QColor(0x00, 0xEF, 0x86));
    auto* lcd = themed<CVNQLCDNumber>(&page, nullptr, QRect(700, 290, 190, 60));
    lcd->setDigitCount(6);
    lcd->setNumText("1234.5");

    for (QWidget* w : page.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        w->show();
    TestUtil::flushEvents();
    const QImage shot = page.grab().toImage();
    ASSERT_TRUE(TestUtil::writeFile(empty.path(), "style.json", R"({"style": []})"));
    ASSERT_TRUE(rm()->loadThemeDir(empty.path()));

    const QString out = TestUtil::shotPath("controls-gallery.png");
    EXPECT_TRUE(shot.save(out));
    TestUtil::expectMatchesReference(shot, "gallery");
    std::printf("gallery: %s\n", qPrintable(out));

    for (QWidget* w : page.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QImage cell = shot.copy(w->geometry());
        EXPECT_TRUE(inkBox(cell, kGround).isValid()) << w->metaObject()->className() << " drew nothing";
    }
    // The four faces of each button row differ from one another.
    for (const QVector<QWidget*>& row : faces)
        for (int s = 1; s < 4; ++s)
            EXPECT_NE(shot.copy(row[s]->geometry().adjusted(4, 4, -80, -4)),
                      shot.copy(row[0]->geometry().adjusted(4, 4, -80, -4)))
                << row[s]->metaObject()->className() << " state " << s;
}

// Every setter that changes what a control shows, styles included, and each
// mouse step that changes a look, asks for its own repaint: on screen the
// change shows without anything else painting.
TEST(Gallery, EveryLookChangeOnScreenAsksForItsRepaint)
{
    startToolkit();
    QTemporaryDir dir;
    const QString png = dir.filePath("dot.png"), svg = dir.filePath("dot.svg");
    ASSERT_TRUE(solidImage(8, 8, Qt::red).save(png));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "dot.svg", svgCircle(8, 8, "green")));
    const FillStyle colour = fill("g.look", QColor(0x30, 0x60, 0x90));
    // A text style larger each time: each one set widens what a text shows.
    int size = 12;
    auto grow = [&] { return defineText("g.lookText", QColor(0x90, 0x60, 0x30), size += 2); };
    IconStyleDesc place;
    place.x = 3;

    QWidget page;
    page.resize(400, 300);
    auto* image = new CVNQImage(&page);
    auto* button = new CVNQPushButton(&page);
    auto* radio = new CVNQRadioButton(&page);
    auto* check = new CVNQCheckBox(&page);
    auto* bar = new CVNQProgressBar(&page);
    auto* label = new CVNQLabelEx(&page);
    auto* lcd = new CVNQLCDNumber(&page);
    auto* sw = new CVNQSwitch(&page);
    auto* plain = new CVNQLabel(&page);
    int row = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{image, button, radio, check, bar, label, lcd, sw, plain})
        w->setGeometry(0, 36 * row++, 200, 32);
    button->setText("Go");
    check->setText("Check");
    radio->setText("Radio");
    label->setText("Selectable text\nin two lines");
    label->setGeometry(210, 0, 180, 80);
    ASSERT_TRUE(TestUtil::showExposed(&page));

    struct Change
    {
        QWidget* control;
        const char* what;
        std::function<void()> run;
    };
    const std::vector<Change> changes = {
        {image, "image path", [&] { image->setImagePath(png); }},
        {image, "image svg", [&] { image->setSvgPath(svg); }},
        {image, "image svg colour", [&] { image->setSvgColor(Qt::blue); }},
        {image, "image use colour", [&] { image->setUseSvgColor(!image->getUseSvgColor()); }},
        {image, "image stretch", [&] { image->setStretchDraw(!image->getStretchDraw()); }},
        {image, "image alignment", [&] { image->setAlignType(DockFar, DockCenter); }},
        {image, "image handed over",
         [&] {
             const QImage img = solidImage(4, 4, Qt::cyan);
             image->setImage(&img);
         }},
        {button, "button draws background", [&] { button->setDrawBackground(!button->getDrawBackground()); }},
        {button, "button icon", [&] { button->setIcon(png); }},
        {button, "button hot icon", [&] { button->setHotIcon(svg); }},
        {button, "button pressed icon", [&] { button->setPressedIcon(svg); }},
        {button, "button uses icon", [&] { button->setUseIcon(!button->getUseIcon()); }},
        {button, "button qicon", [&] { button->setIcon(QIcon(png)); }},
        {button, "button fade", [&] { button->setFadeEnabled(!button->getFadeEnabled()); }},
        {button, "button background", [&] { button->setBackground(CtrlStateAll, colour); }},
        {button, "button text style", [&] { button->setTextStyle(CtrlStateNormal, grow()); }},
        {button, "button fill kind", [&] { button->setUseFillStyle(CtrlStateAll, false); }},
        {button, "button icon place", [&] { button->setIconStyle(place); }},
        {button, "button shows text", [&] { button->setShowText(!button->getShowText()); }},
        {button, "button text x", [&] { button->setTextOffsetX(4); }},
        {button, "button text y", [&] { button->setTextOffsetY(4); }},
        {radio, "radio pushlike", [&] { radio->setPushlike(!radio->getPushlike()); }},
        {radio, "radio shows icon", [&] { radio->setShowIcon(!radio->getShowIcon()); }},
        {radio, "radio background", [&] { radio->setBackground(CtrlStateAll, colour); }},
        {radio, "radio checked background", [&] { radio->setSelectedBackground(CtrlStateAll, colour); }},
        {radio, "radio text style", [&] { radio->setTextStyle(false, grow()); }},
        {radio, "radio text style by state", [&] { radio->setTextStyleByState(CheckBoxTextDisabled, grow()); }},
        {radio, "radio icon", [&] { radio->setUncheckIcon(svg); }},
        {radio, "radio hot icon", [&] { radio->setUncheckHotIcon(svg); }},
        {radio, "radio checked icon", [&] { radio->setCheckedIcon(svg); }},
        {radio, "radio checked hot icon", [&] { radio->setCheckedHotIcon(svg); }},
        {radio, "radio disabled icon", [&] { radio->setDisableIcon(svg); }},
        {radio, "radio icon by state", [&] { radio->setIcon(RadioIconAll, png); }},
        {radio, "radio icon place", [&] { radio->setIconStyle(place); }},
        {radio, "radio icon across", [&] { radio->setIconHorAlign(DockFar); }},
        {radio, "radio icon down", [&] { radio->setIconVerAlign(DockFar); }},
        {radio, "radio icon x", [&] { radio->setIconOffsetX(5); }},
        {radio, "radio icon y", [&] { radio->setIconOffsetY(5); }},
        {radio, "radio shows text", [&] { radio->setShowText(!radio->getShowText()); }},
        {check, "check background", [&] { check->setBackground(CtrlStateAll, colour); }},
        {check, "check checked background", [&] { check->setCheckedBackground(CtrlStateAll, colour); }},
        {check, "check text style", [&] { check->setTextStyle(false, grow()); }},
        {check, "check text style by state", [&] { check->setTextStyleByState(CheckBoxTextUnchecked, grow()); }},
        {check, "check disabled text style", [&] { check->setDisableTextStyle(grow()); }},
        {check, "check icon", [&] { check->setUncheckIcon(svg); }},
        {check, "check hot icon", [&] { check->setUncheckHotIcon(svg); }},
        {check, "check checked icon", [&] { check->setCheckedIcon(svg); }},
        {check, "check checked hot icon", [&] { check->setCheckedHotIcon(svg); }},
        {check, "check disabled checked icon", [&] { check->setDisableCheckIcon(svg); }},
        {check, "check disabled icon", [&] { check->setDisableUncheckIcon(svg); }},
        {check, "check icon place", [&] { check->setIconStyle(place); }},
        {check, "check icon across", [&] { check->setIconHorAlign(DockFar); }},
        {check, "check icon down", [&] { check->setIconVerAlign(DockFar); }},
        {check, "check icon x", [&] { check->setIconOffsetX(5); }},
        {check, "check icon y", [&] { check->setIconOffsetY(5); }},
        {check, "check shows icon", [&] { check->setShowIcon(!check->getShowIcon()); }},
        {check, "check shows text", [&] { check->setShowText(!check->getShowText()); }},
        {check, "check text shown as a page reads it",
         [&] {
             Json::Value node = TestUtil::json(R"({"attr": {"text": "Check", "showText": true}})");
             check->readJsonValue(&node);
         }},
        {bar, "bar text", [&] { bar->setShowText(!bar->getShowText()); }},
        {bar, "bar background", [&] { bar->setBackground(CommonCtrlStateNormal, colour); }},
        {bar, "bar foreground", [&] { bar->setForeground(CommonCtrlStateNormal, colour); }},
        {bar, "bar circle", [&] { bar->setCircleProgressBar(!bar->getIsCircleProgressBar()); }},
        {bar, "bar circle range", [&] { bar->setCircleAngleRange(10, 200); }},
        {bar, "bar range", [&] { bar->setRange(0, 1000); }},
        {bar, "bar value a step", [&] { bar->setValue(1); }},
        {label, "rich label text", [&] { label->setText("Other text"); }},
        {label, "rich label html", [&] { label->setHtmlContent("<b>Bold</b>"); }},
        {label, "rich label colour", [&] { label->setColor(Qt::red); }},
        {label, "rich label style", [&] { label->setTextStyle(CtrlStateNormal, grow()); }},
        {plain, "label colour", [&] { plain->setColor(Qt::red); }},
        {plain, "label style", [&] { plain->setTextStyle(CtrlStateNormal, grow()); }},
        {lcd, "lcd text", [&] { lcd->setNumText("42"); }},
        {lcd, "lcd background", [&] { lcd->setBackground(CommonCtrlStateNormal, colour); }},
        {lcd, "lcd colour", [&] { lcd->setColor(Qt::red); }},
        {sw, "switch background", [&] { sw->setBackgroundStyle(CommonCtrlStateNormal, colour); }},
        {sw, "switch thumb", [&] { sw->setThumbStyle(CtrlStateNormal, colour); }},
        {sw, "switch text style", [&] { sw->setTextStyle(CVNQSwitch::SwitchLeft, grow()); }},
        {sw, "switch left text", [&] { sw->setLeftText("L"); }},
        {sw, "switch right text", [&] { sw->setRightText("R"); }},
        {sw, "switch thumb size", [&] { sw->setThumbSize(20, 20); }},
        {sw, "switch thumb size as one", [&] { sw->setThumbBtnSize(QSize(22, 22)); }},
        {sw, "switch margin", [&] { sw->setMargin(4); }},
        {sw, "switch side", [&] { sw->setSwitchToLeft(!sw->getIsSwitchToLeft()); }},
        {sw, "switch both texts", [&] { sw->setShowAllText(!sw->getShowAllText()); }},
        // A fading button the pointer leaves once disabled shows the disabled look.
        {button, "fading in", [&] { button->setFadeEnabled(true), TestUtil::enter(button); }},
        {button, "disabled", [&] { button->setEnabled(false); }},
        {button, "left while disabled", [&] { TestUtil::leave(button); }},
    };
    // And one that changes the size the control asks for tells the layout it
    // is in, which would otherwise keep it at the old size.
    struct : QObject
    {
        int count = 0;
        bool eventFilter(QObject*, QEvent* e) override { return count += e->type() == QEvent::LayoutRequest, false; }
    } relayouts;
    page.installEventFilter(&relayouts);
    int resized = 0;
    for (const Change& change : changes) {
        TestUtil::flushEvents();
        const QSize hint = change.control->sizeHint();
        relayouts.count = 0;
        EXPECT_TRUE(TestUtil::repaintsAfter(change.control, change.run)) << change.what;
        TestUtil::flushEvents();
        resized += change.control->sizeHint() != hint;
        EXPECT_TRUE(change.control->sizeHint() == hint || relayouts.count > 0) << change.what << " keeps its old size";
    }
    EXPECT_GE(resized, 12);

    // Selecting in the label: the press, each step of the drag, the release
    // and a double click each show at once.
    auto shows = [&](const std::function<void()>& step) { return TestUtil::repaintsAfter(label, step); };
    EXPECT_TRUE(shows([&] { TestUtil::press(label, QPoint(4, 16)); }));
    EXPECT_TRUE(shows([&] { TestUtil::move(label, QPoint(60, 16), Qt::LeftButton); })); // along the line
    EXPECT_TRUE(
        shows([&] { TestUtil::move(label, QPoint(60, label->height() - 8), Qt::LeftButton); })); // onto the next
    EXPECT_TRUE(shows([&] { TestUtil::release(label, QPoint(60, label->height() - 8)); }));
    EXPECT_TRUE(shows([&] { TestUtil::doubleClick(label, QPoint(20, 16)); }));
}

TEST(Gallery, TextSetByCodeOutlivesLanguageChanges)
{
    startToolkit();
    LanguageManager* lm = LanguageManager::instance();
    ASSERT_TRUE(lm->loadFromJson(R"({"defaultLanguage": "en",
        "languages": {"en": {"g.key": "Speed", "g.alias": "|->g.key"}, "zh": {"g.key": "风速"}}})"));
    CVNQLabel label;
    CVNQPushButton button;
    CVNQCheckBox check;
    CVNQRadioButton radio;
    for (ICVNQWidgetBase* control : std::initializer_list<ICVNQWidgetBase*>{&label, &button, &check, &radio}) {
        auto* w = dynamic_cast<QWidget*>(control);
        const auto shownIn = [&](const char* language) {
            lm->setLanguage(language);
            control->notifyChangeLanguage();
            return w->property("text").toString() + " " + control->getTypeName();
        };
        Json::Value keyed = TestUtil::json(R"({"attr": {"text": "|->g.key"}})");
        Json::Value plain = TestUtil::json(R"({"attr": {"text": "Plain"}})");
        control->readJsonValue(&keyed);
        EXPECT_EQ(shownIn("zh"), QString::fromUtf8("风速 ") + control->getTypeName());
        // A text set by code is kept; a page's plain text still follows the key.
        w->setProperty("text", "Mine");
        EXPECT_EQ(shownIn("en"), "Mine " + control->getTypeName());
        control->readJsonValue(&keyed);
        control->readJsonValue(&plain);
        EXPECT_EQ(shownIn("zh"), QString::fromUtf8("风速 ") + control->getTypeName());
        // A translation naming a key is looked up again by the push button only.
        lm->setLanguage("en");
        Json::Value alias = TestUtil::json(R"({"attr": {"text": "|->g.alias"}})");
        w->resize(400, 40); // room for the whole text
        control->readJsonValue(&alias);
        EXPECT_EQ(w->property("text").toString(), w == &button ? "Speed" : "|->g.key")
            << control->getTypeName().toStdString();
    }
    lm->setLanguage("en");
}
