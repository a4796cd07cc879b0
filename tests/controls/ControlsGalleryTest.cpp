// Every control of this folder in every state on one page, painted and
// saved as PNG (CVN_GALLERY_DIR, else the temp folder) for a look; the
// checks make sure each control inked its cell. The page is grabbed
// without a window of its own: showing one makes the GL driver that Qt
// loads for it report a leak at exit under the sanitizers.

#include "CVNQImage.h"
#include "CVNQLCDNumber.h"
#include "CVNQLabel.h"
#include "CVNQLabelEx.h"
#include "CVNQLabelExImpl.h"
#include "CVNQPushButton.h"
#include "CVNQPushButtonImpl.h"
#include "ControlsTestUtil.h"
#include "TestUtil.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace ControlsTest;

TEST(ControlsGallery, EveryControlInEveryState)
{
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "star.svg", svgCircle(16, 16, "#1E88E5")));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "photo.png", pngBytes(solidImage(24, 16, QColor(0x43, 0xA0, 0x47)))));
    const QString svg = dir.filePath("star.svg");
    const QString png = dir.filePath("photo.png");

    defineFill("g_btn_normal", QColor(0xF5, 0xF5, 0xF5), QColor(0x90, 0x90, 0x90), 6);
    defineFill("g_btn_hover", QColor(0xE3, 0xF2, 0xFD), QColor(0x1E, 0x88, 0xE5), 6);
    defineFill("g_btn_pressed", QColor(0xBB, 0xDE, 0xFB), QColor(0x15, 0x65, 0xC0), 6);
    defineFill("g_btn_disabled", QColor(0xEE, 0xEE, 0xEE), QColor(0xCC, 0xCC, 0xCC), 6);
    defineText("g_txt", QColor(0x21, 0x21, 0x21), 13, 1);
    defineText("g_txt_disabled", QColor(0xAA, 0xAA, 0xAA), 13, 1);
    defineFill("g_lcd", QColor(0x26, 0x32, 0x38));

    QWidget page;
    page.resize(760, 420);
    page.setAutoFillBackground(true);
    QPalette pal = page.palette();
    pal.setColor(QPalette::Window, Qt::white);
    page.setPalette(pal);

    const char* stateNames[] = {"Normal", "Hover", "Pressed", "Disabled"};
    QVector<CVNQPushButton*> buttons;
    for (int s = 0; s < 4; ++s) {
        auto* b = new CVNQPushButton(&page);
        Json::Value node = TestUtil::json(R"({"style": [["g_btn_normal", 1, 0], ["g_btn_hover", 1, 1],
            ["g_btn_pressed", 1, 2], ["g_btn_disabled", 1, 3], ["g_txt", 2, 4], ["g_txt_disabled", 2, 7]]})");
        b->readJsonValue(&node);
        b->setText(QString::fromLatin1(stateNames[s]));
        b->setIcon(svg);
        b->setGeometry(10 + s * 130, 10, 120, 34);
        b->getImpl()->setState(s);
        if (s == 3)
            b->setEnabled(false);
        buttons << b;
    }
    // Extension strip, pointer over the strip.
    auto* ext = new CVNQPushButton(&page);
    Json::Value extNode = TestUtil::json(R"({"style": [["g_btn_normal", 1, 0], ["g_btn_hover", 1, 1], ["g_txt", 2, 4]],
        "attr": {"isExtBtn": true, "extWidth": 30, "text": "Split"}})");
    ext->readJsonValue(&extNode);
    ext->getImpl()->extIconPath = svg;
    ext->setGeometry(530, 10, 140, 34);
    ext->getImpl()->setState(1);
    ext->getImpl()->extHot = true;
    // Fade half-way in.
    auto* fading = new CVNQPushButton(&page);
    fading->readJsonValue(&extNode);
    fading->getImpl()->isExtBtn = false;
    fading->setText("Fade 50%");
    fading->setFadeEnabled(true);
    fading->getImpl()->fadeFrom = 0;
    fading->getImpl()->fadeTo = 1;
    fading->getImpl()->fadeProgress = 0.5;
    fading->getImpl()->setState(1);
    fading->setGeometry(10, 54, 120, 34);

    // Labels: plain, elided, right aligned, coloured, disabled.
    auto* l1 = new CVNQLabel(&page);
    l1->setGeometry(10, 100, 170, 24);
    l1->setText("A plain themed label");
    auto* l2 = new CVNQLabel(&page);
    l2->setText("This text is far too long for its label");
    l2->setGeometry(190, 100, 150, 24);
    TextStyleDesc right = l2->getTextStyle(0);
    right.hor = 2;
    right.clr = QColor(0xC6, 0x28, 0x28);
    right.bold = true;
    auto* l3 = new CVNQLabel(&page);
    l3->setTextStyle(0, right);
    l3->setText("Right, bold, red");
    l3->setGeometry(350, 100, 170, 24);
    auto* l4 = new CVNQLabel(&page);
    l4->setText("Disabled label");
    l4->setEnabled(false);
    l4->setGeometry(530, 100, 170, 24);

    // Extended label with rich text and a selection over three lines.
    auto* ex = new CVNQLabelEx(&page);
    ex->setGeometry(10, 140, 330, 90);
    ex->setHtmlContent("<b>Rich</b> text in an <i>extended</i> label, long enough to wrap over several lines "
                       "so the selection spans them.<br>Second paragraph.");
    ex->getImpl()->setSelection(LabelExPosition(0, 0, 5), LabelExPosition(1, 0, 6));
    auto* ex2 = new CVNQLabelEx(&page);
    ex2->setGeometry(350, 140, 330, 60);
    ex2->setText("Double-clicked: everything selected.");
    ex2->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Pictures: stretched raster, aligned raster, SVG, tinted SVG.
    auto* i1 = new CVNQImage(&page);
    i1->setImagePath(png);
    i1->setGeometry(10, 250, 80, 50);
    auto* i2 = new CVNQImage(&page);
    i2->setImagePath(png);
    i2->setStretchDraw(false);
    i2->setAlignType(2, 2);
    i2->setGeometry(100, 250, 80, 50);
    auto* i3 = new CVNQImage(&page);
    i3->setSvgPath(svg);
    i3->setGeometry(190, 250, 80, 50);
    auto* i4 = new CVNQImage(&page);
    i4->setSvgPath(svg);
    i4->setStretchDraw(false);
    i4->setSvgColor(QColor(0xE5, 0x39, 0x35));
    i4->setGeometry(280, 250, 80, 50);

    // Digits.
    auto* lcd = new CVNQLCDNumber(&page);
    Json::Value lcdNode = TestUtil::json(R"({"style": [["g_lcd", 1, 0]],
        "attr": {"digitCount": 6, "color": "FF66BB6A", "text": "1234.5"}})");
    lcd->readJsonValue(&lcdNode);
    lcd->setGeometry(380, 250, 200, 60);

    for (QWidget* w : page.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        w->show();
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(20, 10), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ex2, &dbl);
    TestUtil::spin(50);

    const QImage shot = page.grab().toImage();
    const QString out = qEnvironmentVariable("CVN_GALLERY_DIR", QDir::tempPath()) + "/controls-a-gallery.png";
    EXPECT_TRUE(shot.save(out));
    std::printf("gallery: %s\n", qPrintable(out));

    for (QWidget* w : page.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QImage cell = shot.copy(w->geometry());
        EXPECT_TRUE(inkBox(cell).isValid()) << w->metaObject()->className() << " drew nothing";
    }
    // Hover, pressed and disabled faces differ from the normal one.
    const QColor normal = shot.pixelColor(buttons[0]->geometry().center() + QPoint(-50, 0));
    for (int s = 1; s < 4; ++s)
        EXPECT_NE(shot.pixelColor(buttons[s]->geometry().center() + QPoint(-50, 0)), normal) << s;
}
