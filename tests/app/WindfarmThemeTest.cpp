// The dashboard's theme folder: every style name the application passes to
// setThemeName has an entry, and every style an entry names is defined in
// the folder's own style.json with the kind its slot needs.

#include "CVNJson.h"
#include "CVNQLabel.h"
#include "CVNQPushButton.h"
#include "CVNQResourceManager.h"
#include "CVNQStyleDefs.h"
#include "CVNQtLib.h"
#include "GustrelFonts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QSet>
#include "TestUtil.h"

#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

QString themeDir()
{
    return TestUtil::sourcePath("app/windfarm-theme");
}

Json::Value readJson(const QString& file)
{
    QFile f(file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
    Json::Value root;
    QString error;
    EXPECT_TRUE(jsonParse(f.readAll(), root, &error)) << file.toStdString() << ": " << error.toStdString();
    return root;
}

// The 41 names the dashboard passes to setThemeName.
const QStringList kAppStyles = {"WindWindow",
                                "WindHeader",
                                "WindStack",
                                "WindPage",
                                "WindClear",
                                "WindCard",
                                "WindCardAlt",
                                "WindKpiYellow",
                                "WindKpiPurple",
                                "WindKpiBlue",
                                "WindKpiGreen",
                                "WindLabelTitle",
                                "WindLabelSection",
                                "WindLabelMuted",
                                "WindLabelSm",
                                "WindLabelSmBold",
                                "WindLabelXs",
                                "WindLabelMetric",
                                "WindLabelMetricSm",
                                "WindLabelMdBold",
                                "WindLabelAccent",
                                "WindLabelDanger",
                                "WindLabelWhiteCenter",
                                "WindNavButton",
                                "WindNavButtonActive",
                                "WindIconButton",
                                "WindCloseButton",
                                "WindPrimaryButton",
                                "WindSecondaryButton",
                                "WindCombo",
                                "WindLineEdit",
                                "WindDrawer",
                                "WindDivider",
                                "WindTable",
                                "WindScrollV",
                                "WindScrollH",
                                "WindSwitch",
                                "WindStatusActive",
                                "WindStatusMaintenance",
                                "WindStatusFault",
                                "WindStatusOffline"};

// What each control type reads at a "style" slot: 1 fill style, 2 text style.
int slotKind(const std::string& type, int slot)
{
    auto in = [slot](int lo, int hi) { return slot >= lo && slot <= hi; };
    if (type == "qtcontainer" || type == "qtstackcontainer")
        return in(0, 1) ? 1 : 0;
    if (type == "qtlabel")
        return slot == 0 ? 2 : 0;
    if (type == "qtbutton")
        return in(0, 3) ? 1 : in(4, 7) ? 2 : 0;
    if (type == "qtcombobox")
        return in(0, 7) || in(12, 16) ? 1 : in(8, 11) || in(17, 20) ? 2 : 0;
    if (type == "qtdedit")
        return in(0, 3) ? 1 : in(4, 7) || slot == 9 ? 2 : 0;
    if (type == "qtdatagrid")
        return slot == 0 || in(2, 5) || in(10, 13) ? 1 : in(6, 9) || in(14, 17) ? 2 : 0;
    if (type == "qtscrollbar")
        return slot == 0 || in(2, 13) ? 1 : 0;
    if (type == "qtswitch")
        return slot == 0 || in(2, 5) ? 1 : in(6, 7) ? 2 : 0;
    return 0;
}

// Which control type reads each application style name.
std::string appStyleType(const QString& name)
{
    if (name.startsWith("WindLabel"))
        return "qtlabel";
    if (name.endsWith("Button") || name == "WindNavButtonActive")
        return "qtbutton";
    static const QMap<QString, std::string> special = {
        {"WindStack", "qtstackcontainer"}, {"WindCombo", "qtcombobox"},    {"WindLineEdit", "qtdedit"},
        {"WindTable", "qtdatagrid"},       {"WindScrollV", "qtscrollbar"}, {"WindScrollH", "qtscrollbar"},
        {"WindSwitch", "qtswitch"}};
    return special.value(name, "qtcontainer");
}

bool loadTheme()
{
    CVNQtLib::init();
    return cvnLoadThemeDir(themeDir().toUtf8().constData());
}

} // namespace

TEST(WindfarmTheme, EveryReferencedStyleIsDefinedWithItsKind)
{
    const QString dir = themeDir();
    const Json::Value styles = readJson(dir + "/style.json");
    const Json::Value theme = readJson(dir + "/theme.json");

    QMap<QString, int> defined; // name -> 1 fill, 2 text
    const Json::Value& list = jsonGet(styles, "style");
    ASSERT_GT(jsonSize(list), 0);
    for (int i = 0; i < jsonSize(list); ++i) {
        const Json::Value& e = jsonAt(list, i);
        const QString name = jsonString(e, "name");
        const int type = jsonInt(e, "type");
        ASSERT_TRUE(type == 1 || type == 2) << name.toStdString();
        // Names resolve per kind; one name per style keeps the file readable.
        EXPECT_FALSE(defined.contains(name)) << "defined twice: " << name.toStdString();
        defined.insert(name, type);
        // Every text is set in the family the stand-ins are installed for.
        if (type == 2) {
            EXPECT_EQ(jsonString(e, "family").toStdString(), gustrelFontFamily().toStdString()) << name.toStdString();
        }
        const QString image = jsonString(e, "img");
        if (type == 1 && !image.isEmpty()) {
            EXPECT_TRUE(jsonBool(e, "drawImg", true)) << "image style drawn as colour: " << name.toStdString();
            EXPECT_TRUE(QFile::exists(dir + "/" + image)) << image.toStdString();
        }
    }

    const Json::Value& entries = jsonGet(jsonAt(jsonGet(theme, "elements"), 0), "child");
    ASSERT_GT(jsonSize(entries), 0);
    QSet<QString> named;
    for (int i = 0; i < jsonSize(entries); ++i) {
        const Json::Value& entry = jsonAt(entries, i);
        const QString name = jsonString(entry, "name");
        const std::string type = jsonStdString(entry, "type");
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(named.contains(name)) << "entry twice";
        named.insert(name);
        if (kAppStyles.contains(name)) {
            EXPECT_EQ(type, appStyleType(name));
        }

        const Json::Value& refs = jsonGet(entry, "style");
        ASSERT_GT(jsonSize(refs), 0);
        for (int k = 0; k < jsonSize(refs); ++k) {
            const Json::Value& ref = jsonAt(refs, k);
            const QString style = jsonToQString(jsonAt(ref, 0));
            const int kind = jsonToInt(jsonAt(ref, 1));
            const int slot = jsonToInt(jsonAt(ref, 2));
            const int needed = slotKind(type, slot);
            ASSERT_NE(needed, 0) << type << " reads no slot " << slot;
            ASSERT_TRUE(defined.contains(style)) << "undefined style " << style.toStdString();
            EXPECT_EQ(defined.value(style), needed) << style.toStdString() << " at slot " << slot;
            EXPECT_EQ(kind, needed) << style.toStdString();
        }

        // Theme "attr" keys are re-applied on every theme refresh and would
        // undo what the dashboard sets in code (layout, texts, items, icons);
        // only the line edit's inner margins are safe to theme.
        if (type == "qtdedit") {
            const Json::Value& attr = jsonGet(entry, "attr");
            for (const std::string& key : attr.getMemberNames())
                EXPECT_TRUE(key == "leftMargin" || key == "topMargin" || key == "rightMargin" || key == "bottomMargin")
                    << key;
            // Every style entry resets the placeholder style: it must come last.
            EXPECT_EQ(jsonToInt(jsonAt(jsonAt(refs, jsonSize(refs) - 1), 2)), 9);
        } else {
            EXPECT_FALSE(jsonHasMember(entry, "attr") && !jsonGet(entry, "attr").isNull()) << "attr in " << type;
        }
    }

    for (const QString& name : kAppStyles)
        EXPECT_TRUE(named.contains(name)) << "missing entry " << name.toStdString();
}

// The folder as the program loads it: through the resource manager, whose
// style lookups during theme application search the theme package alone.
TEST(WindfarmTheme, LoadsThroughTheResourceManager)
{
    ASSERT_TRUE(loadTheme());
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();

    for (const QString& name : kAppStyles) {
        SCOPED_TRACE(name.toStdString());
        const Json::Value* entry = rm->getThemeJsonValue(name.toUtf8().constData());
        ASSERT_NE(entry, nullptr);
        const std::string type = jsonStdString(*entry, "type");
        const Json::Value& refs = jsonGet(*entry, "style");
        rm->setSwitchToThemeRes(true);
        for (int k = 0; k < jsonSize(refs); ++k) {
            const QString style = jsonToQString(jsonAt(jsonAt(refs, k), 0));
            const int slot = jsonToInt(jsonAt(jsonAt(refs, k), 2));
            if (slotKind(type, slot) == 1) {
                FillStyle fill;
                EXPECT_TRUE(rm->getFillStyle(style, fill)) << style.toStdString();
                EXPECT_TRUE(fill.valid);
                if (!fill.useColor) {
                    EXPECT_NE(rm->getImage(fill.img), nullptr) << fill.img.toStdString();
                }
            } else {
                TextStyleDesc text;
                EXPECT_TRUE(rm->getTextStyle(style, text)) << style.toStdString();
            }
        }
        rm->setSwitchToThemeRes(false);
    }

    // A few values the dashboard's look depends on.
    rm->setSwitchToThemeRes(true);
    FillStyle clear, thumb;
    TextStyleDesc button;
    EXPECT_TRUE(rm->getFillStyle("wf.clear", clear));
    EXPECT_EQ(clear.fill.clr.alpha(), 0); // layout boxes paint nothing
    EXPECT_TRUE(rm->getFillStyle("wf.scroll.thumbV", thumb));
    EXPECT_FALSE(thumb.useColor);
    EXPECT_EQ(thumb.imgDesc.margin[MarginTop], 6); // the end slices keep the rounded ends
    EXPECT_EQ(thumb.imgDesc.margin[MarginLeft], 0);
    EXPECT_TRUE(rm->getTextStyle("wf.text.primary", button));
    EXPECT_EQ(button.hor, 1); // style-file text defaults to left; buttons centre
    rm->setSwitchToThemeRes(false);
    const QImage* image = rm->getImage("images/scroll-thumb-h.png");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), QSize(24, 14));
}

// The dashboard restyles controls at run time (navigation and language
// buttons, status badges): a new name must replace every state's look.
TEST(WindfarmTheme, StylesReachTheControls)
{
    ASSERT_TRUE(loadTheme());

    CVNQLabel title;
    title.setThemeName("WindLabelTitle");
    EXPECT_EQ(title.font().pixelSize(), 22);
    EXPECT_TRUE(title.font().bold());
    EXPECT_EQ(title.palette().color(QPalette::WindowText), QColor(242, 248, 246));

    CVNQPushButton button;
    button.setText("Add Turbine");
    button.resize(138, 36);
    ASSERT_TRUE(TestUtil::showExposed(&button)); // restyled on screen: the new look shows at once
    button.setThemeName("WindPrimaryButton");
    EXPECT_EQ(button.getBackground(CtrlStateNormal).fill.clr, QColor(0, 239, 134));
    EXPECT_EQ(button.getTextStyle(CtrlStateNormal).hor, 1);
    EXPECT_TRUE(TestUtil::hasColor(TestUtil::screenShot(&button), QColor(0, 239, 134), 2));

    button.setThemeName("WindNavButton");
    EXPECT_FALSE(TestUtil::hasColor(TestUtil::screenShot(&button), QColor(0, 239, 134), 2));
    EXPECT_EQ(button.getBackground(CtrlStateNormal).fill.clr.alpha(), 0);
    EXPECT_EQ(button.getBackground(CtrlStatePressed).name, "wf.btn.ghostPressed");
    EXPECT_EQ(button.getTextStyle(CtrlStateDisabled).name, "wf.text.navDisabled");
    button.setThemeName("WindNavButtonActive");
    for (CtrlState state : {CtrlStateNormal, CtrlStateHover, CtrlStatePressed, CtrlStateDisabled})
        EXPECT_TRUE(button.getBackground(state).name.startsWith("wf.btn.active")) << state;
    EXPECT_EQ(button.getTextStyle(CtrlStateDisabled).name, "wf.text.navActive");
    button.setThemeName("WindSecondaryButton");
    EXPECT_EQ(button.getBackground(CtrlStateDisabled).name, "wf.btn.secondaryDisabled");
    EXPECT_EQ(button.getTextStyle(CtrlStateHover).name, "wf.text.secondaryHover");
}
