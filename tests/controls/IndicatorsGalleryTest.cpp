// Check boxes, radio buttons, switches and progress bars in every state on
// one page, painted and saved as PNG (CVN_GALLERY_DIR, else the temp
// folder) for a look; the checks make sure each control inked its cell.
// The page is grabbed without a window of its own: the GL driver Qt loads
// for a window reports a leak at exit under the sanitizers.

#include "CVNQCheckBox.h"
#include "CVNQCheckBoxImpl.h"
#include "CVNQProgressBar.h"
#include "CVNQRadioButton.h"
#include "CVNQRadioButtonImpl.h"
#include "CVNQSwitch.h"
#include "CVNQSwitchImpl.h"
#include "IndicatorTestUtil.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace ControlsTest;

TEST(IndicatorsGallery, EveryControlInEveryState)
{
    IndicatorTest::startToolkit();
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "dot.svg", svgCircle(24, 24, "#1E88E5")));
    const QString svg = dir.filePath("dot.svg");

    const struct {
        const char* name;
        QRgb fill, border;
        int round;
    } fills[] = {{"gb_row", 0xFAFAFA, 0xE0E0E0, 4},          {"gb_row_hot", 0xE3F2FD, 0x90CAF9, 4},
                 {"gb_row_down", 0xBBDEFB, 0x64B5F6, 4},     {"gb_row_off", 0xF5F5F5, 0xEEEEEE, 4},
                 {"gb_sel", 0xE8F5E9, 0x66BB6A, 4},          {"gb_track", 0xCFD8DC, 0, 14},
                 {"gb_thumb", 0xFFFFFF, 0x90A4AE, 12},       {"gb_thumb_hot", 0xE3F2FD, 0x42A5F5, 12},
                 {"gb_thumb_down", 0xBBDEFB, 0x1976D2, 12},  {"gb_thumb_off", 0xEEEEEE, 0xBDBDBD, 12},
                 {"gb_pb_back", 0xECEFF1, 0xB0BEC5, 0},      {"gb_pb_fore", 0x26A69A, 0, 0}};
    for (const auto& f : fills)
        defineFill(f.name, QColor(f.fill), f.border ? QColor(f.border) : QColor(), f.round);
    defineText("gb_txt", QColor(0x21, 0x21, 0x21), 13);
    defineText("gb_txt_on", QColor(0x1B, 0x5E, 0x20), 13);
    defineText("gb_txt_off", QColor(0xAA, 0xAA, 0xAA), 13);
    defineText("gb_sw", QColor(0x45, 0x5A, 0x64), 11, 1);
    defineText("gb_pb_txt", QColor(0x26, 0x32, 0x38), 12, 1);

    QWidget page;
    page.resize(860, 420);
    page.setAutoFillBackground(true);
    QPalette pal = page.palette();
    pal.setColor(QPalette::Window, Qt::white);
    page.setPalette(pal);

    const char* stateNames[] = {"Normal", "Hover", "Pressed", "Disabled"};
    const char* styled = R"({"style": [["gb_row", 1, 0], ["gb_row_hot", 1, 1], ["gb_row_down", 1, 2],
        ["gb_row_off", 1, 3], ["gb_sel", 1, 4], ["gb_row_hot", 1, 5], ["gb_row_down", 1, 6], ["gb_row_off", 1, 7],
        ["gb_txt", 2, 8], ["gb_txt_on", 2, 9], ["gb_txt_off", 2, 10]]})";

    // Check boxes: unchecked and checked, each state.
    for (int checked = 0; checked < 2; ++checked)
        for (int s = 0; s < 4; ++s) {
            auto* box = new CVNQCheckBox(&page);
            Json::Value node = TestUtil::json(styled);
            box->readJsonValue(&node);
            box->setText(QString::fromLatin1(stateNames[s]));
            box->setIconOffsetX(4);
            box->setChecked(checked);
            box->setGeometry(10 + s * 150, 10 + checked * 34, 140, 26);
            box->getImpl()->setState(s);
            if (s == 3) {
                box->setEnabled(false);
                box->setDisableCheckIcon("IDB_CHECKED");
            }
        }
    // Radio buttons with the built-in images and an SVG, each state.
    for (int checked = 0; checked < 2; ++checked)
        for (int s = 0; s < 4; ++s) {
            auto* radio = new CVNQRadioButton(&page);
            Json::Value node = TestUtil::json(styled);
            radio->readJsonValue(&node);
            radio->setText(QString::fromLatin1(stateNames[s]));
            radio->setUncheckIcon(checked ? svg : "IDB_UNSELECT");
            radio->setCheckedIcon(checked ? svg : "IDB_SELECTED");
            radio->setIconOffsetX(0);
            radio->setChecked(checked);
            radio->setAutoExclusive(false);
            radio->setGeometry(10 + s * 150, 90 + checked * 38, 140, 32);
            radio->getImpl()->setState(s);
            if (s == 3)
                radio->setEnabled(false);
        }
    // Switches: left and right, each state, one with a single text.
    for (int left = 0; left < 2; ++left)
        for (int s = 0; s < 4; ++s) {
            auto* sw = new CVNQSwitch(&page);
            Json::Value node = TestUtil::json(R"({"style": [["gb_track", 1, 0], ["gb_thumb", 1, 2],
                ["gb_thumb_hot", 1, 3], ["gb_thumb_down", 1, 4], ["gb_thumb_off", 1, 5], ["gb_sw", 2, 6],
                ["gb_sw", 2, 7]], "attr": {"leftText": "On", "rightText": "Off", "thumbW": 24, "thumbH": 24}})");
            sw->readJsonValue(&node);
            sw->setSwitchToLeft(left);
            sw->setShowAllText(s != 1);
            sw->setGeometry(10 + s * 90, 180 + left * 36, 64, 28);
            sw->getImpl()->setState(s);
            if (s == 3)
                sw->setEnabled(false);
        }
    // A switch caught in the middle of its slide.
    auto* sliding = new CVNQSwitch(&page);
    Json::Value slideNode = TestUtil::json(R"({"style": [["gb_track", 1, 0], ["gb_thumb", 1, 2], ["gb_sw", 2, 6],
        ["gb_sw", 2, 7]], "attr": {"leftText": "On", "rightText": "Off", "thumbW": 24, "thumbH": 24, "on": 1}})");
    sliding->readJsonValue(&slideNode);
    sliding->setGeometry(370, 180, 64, 28);
    sliding->getImpl()->thumbOffset = 18;

    // Progress bars: horizontal, vertical, circle, text, empty range.
    auto bar = [&](QRect geometry, int minimum, int maximum, int value) {
        auto* pb = new CVNQProgressBar(&page);
        Json::Value node = TestUtil::json(R"({"style": [["gb_pb_back", 1, 0], ["gb_pb_fore", 1, 2],
            ["gb_pb_txt", 2, 4]]})");
        pb->readJsonValue(&node);
        pb->setRange(minimum, maximum);
        pb->setValue(value);
        pb->setGeometry(geometry);
        return pb;
    };
    bar(QRect(10, 270, 200, 20), 0, 100, 30);
    bar(QRect(10, 300, 200, 20), 50, 150, 100)->setShowText(true);
    bar(QRect(10, 330, 200, 20), 7, 7, 7)->setShowText(true);
    auto* vertical = bar(QRect(230, 260, 20, 120), 0, 100, 65);
    vertical->setOrientation(Qt::Vertical);
    const int circleValues[] = {0, 25, 50, 80, 100};
    for (int i = 0; i < 5; ++i) {
        auto* circle = bar(QRect(270 + i * 110, 260, 100, 100), 0, 100, circleValues[i]);
        circle->setCircleProgressBar(true);
        circle->setShowText(true);
        if (i == 1)
            circle->setCircleAngleRange(90, 450);
    }

    for (QWidget* w : page.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        w->show();
    TestUtil::spin(20);

    const QImage shot = page.grab().toImage();
    const QString out = qEnvironmentVariable("CVN_GALLERY_DIR", QDir::tempPath()) + "/controls-b-gallery.png";
    EXPECT_TRUE(shot.save(out));
    std::printf("gallery: %s\n", qPrintable(out));

    for (QWidget* w : page.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QImage cell = shot.copy(w->geometry());
        EXPECT_TRUE(inkBox(cell).isValid()) << w->metaObject()->className() << " drew nothing";
    }
}
