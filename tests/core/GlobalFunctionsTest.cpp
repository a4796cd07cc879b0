// Toolkit start-up, the process-wide switches, the guarded loaders and the
// application style.

#include "CScrollBarStyle.h"
#include "CVNQResourceManager.h"
#include "CVNQSlider.h"
#include "CVNQStyleDefs.h"
#include "CVNQtLib.h"
#include "TestUtil.h"

#include <QApplication>
#include <QImage>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

bool initialised()
{
    return qobject_cast<CScrollBarStyle*>(QApplication::style()) != nullptr;
}

} // namespace

TEST(GlobalFunctionsTest, LoadersAreGuardedUntilInitThenInitRunsOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "style.json", R"({"style": [{"type": 1, "name": "gfTheme"}]})"));
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();

    if (!initialised()) {
        CVNQResourceManagerImpl* before = rm->getThemeManagerIml();
        EXPECT_FALSE(cvnLoadThemeDir(dir.path().toUtf8().constData()));
        EXPECT_FALSE(cvnLoadThemeFile("x.zip"));
        EXPECT_FALSE(cvnNotifyThemeChange());
        EXPECT_FALSE(cvnSetProjectFilePath(dir.path()));
        EXPECT_FALSE(cvnSetSkinFilePath(dir.path(), 1.0f));
        EXPECT_FALSE(cvnLoadSkinFile(dir.filePath("x.zip"), 1.0f));
        EXPECT_EQ(rm->getThemeManagerIml(), before);

        init();
        // Start-up installs the style, the built-in images and the shipped
        // default styles.
        EXPECT_EQ(QApplication::style(), cvnGetStyle());
        QImage* checked = rm->getImage("IDB_CHECKED");
        ASSERT_NE(checked, nullptr);
        EXPECT_EQ(checked->size(), QSize(16, 16));
        FillStyle fill;
        EXPECT_TRUE(cvnGetFillStyle("defaultBackground", fill));
        TextStyleDesc text;
        EXPECT_TRUE(cvnGetTextStyle("defaultText", text));
    } else {
        init();
    }
    QStyle* style = QApplication::style();
    init();
    EXPECT_EQ(QApplication::style(), style);
    EXPECT_EQ(cvnGetStyle(), style);

    EXPECT_TRUE(cvnLoadThemeDir(dir.path().toUtf8().constData()));
    EXPECT_FALSE(cvnLoadThemeDir(dir.filePath("missing").toUtf8().constData()));
    EXPECT_FALSE(cvnLoadThemeDir(nullptr));
    EXPECT_TRUE(cvnNotifyThemeChange());
    EXPECT_FALSE(cvnIsQtEmulator()); // the test executable is no emulator
}

TEST(GlobalFunctionsTest, SwitchesAndProjectScope)
{
    EXPECT_TRUE(cvnIsSerializeChild());
    cvnEnableSerializeChild(false);
    EXPECT_FALSE(cvnIsSerializeChild());
    cvnEnableSerializeChild(true);

    EXPECT_FALSE(cvnIsInDesigner());
    cvnSetIsInDesigner(true);
    EXPECT_TRUE(cvnIsInDesigner());
    cvnSetIsInDesigner(false);

    // The project variants select the project package for their call only
    // and leave a project switch set by the designer as it was.
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    FillStyle fill;
    rm->setSwitchToProjectRes(false);
    cvnGetProjectFillStyle("x", fill);
    EXPECT_FALSE(rm->isProjectRes());
    rm->setSwitchToProjectRes(true);
    TextStyleDesc text;
    cvnGetProjectTextStyle("x", text);
    cvnSetProjectFillStyle("x", fill);
    EXPECT_TRUE(rm->isProjectRes());
    rm->setSwitchToProjectRes(false);

    CVNGlobalConfig config;
    config.buttonFadeEnabled = true;
    config.buttonFadeDuration = 0;
    cvnSetGlobalConfig(config);
    EXPECT_TRUE(cvnGetGlobalConfig().buttonFadeEnabled);
    EXPECT_EQ(cvnGetGlobalConfig().buttonFadeDuration, 150);
    cvnSetGlobalConfig(CVNGlobalConfig());
}

TEST(GlobalFunctionsTest, StyleAnswersLikeItsBaseForOtherWidgets)
{
    CScrollBarStyle style;
    QProxyStyle plain;
    QSlider slider(Qt::Horizontal);
    slider.resize(200, 30);
    EXPECT_EQ(style.pixelMetric(QStyle::PM_SliderLength, nullptr, &slider),
              plain.pixelMetric(QStyle::PM_SliderLength, nullptr, &slider));
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = Qt::Horizontal;
    option.minimum = 0;
    option.maximum = 100;
    option.sliderPosition = 40;
    EXPECT_EQ(style.subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider),
              plain.subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider));
}

// A slider may ask for any thumb size; the style keeps it within what a
// widget can measure, so the handle's geometry cannot overflow.
TEST(GlobalFunctionsTest, StyleBoundsAnySliderThumb)
{
    CScrollBarStyle style;
    CVNQSlider slider;
    slider.resize(200, 30);
    slider.setThumbSize(INT_MAX, INT_MAX);
    EXPECT_EQ(style.pixelMetric(QStyle::PM_SliderLength, nullptr, &slider), QWIDGETSIZE_MAX);
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = Qt::Horizontal;
    option.maximum = 100;
    const QRect handle = style.subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
    EXPECT_EQ(handle.size(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}
