// Every row of every registered property table survives a write and a read.

#include "CVNJson.h"
#include "CVNQChartRegistration.h"
#include "CVNQControlFactory.h"
#include "CVNQResourceManager.h"
#include "CVNQWidgetBaseImpl.h"
#include "CVNQWindowDesigner.h"
#include "DesignerTestUtil.h"

#include <map>
#include <memory>
#include <sstream>

using namespace CVNQtLib;

// What a row answers, as text, so that rows of every kind compare alike.
static std::string rowValue(const PropertyDef& row, QWidget* w)
{
    std::ostringstream out;
    if (row.getString)
        out << row.getString(w).toStdString();
    else if (row.getBool || row.getInt)
        out << (row.getBool ? int(row.getBool(w)) : row.getInt(w));
    else if (row.getColor)
        out << row.getColor(w).name(QColor::HexArgb).toStdString();
    else if (row.getTwoInts)
        out << row.getTwoInts(w).first << "," << row.getTwoInts(w).second;
    else if (row.getFourInts)
        for (int v : row.getFourInts(w))
            out << v << ",";
    for (const PropertyChoice& c : row.choices)
        if (row.getFillStyle || row.getTextStyle) { // per-state styles
            const FillStyle f = row.getFillStyle ? row.getFillStyle(w, c.value) : FillStyle();
            const TextStyleDesc t = row.getTextStyle ? row.getTextStyle(w, c.value) : TextStyleDesc();
            out << (f.name + f.fill.clr.name() + t.name + t.clr.name()).toStdString() << t.size;
        }
    return out.str();
}

// Sets row to a value no other row holds, away from its own. From level 1 every second number of a row of several
// is 0 or below; level 2 also sets empty texts, transparent colours and numbers of 0 or below. Each must read back.
static void setDistinct(const PropertyDef& row, QWidget* w, int& k, const QString& type, int level)
{
    const QString tag = type + QString::number(++k);
    const bool zeros = level > 0, edges = level > 1;
    const QColor colour = QColor::fromHsv(k * 37 % 360, 200, 40 + k % 7 * 30);
    const int below = edges ? -(k % 5) : 0; // 0, then negatives
    if (row.setString) {
        row.setString(w, edges ? QString() : row.type == PropImage ? tag + ".png" : tag);
        if (!edges && row.getString && row.getString(w) != tag && row.type != PropImage)
            row.setString(w, QString::number(k)); // a number display takes numbers only
    } else if (row.setBool) {
        row.setBool(w, !row.getBool(w));
    } else if (row.setInt) { // a choice, else a number in its range
        const int lo = qMax(row.min, 0), span = qMax(1, qMin(row.max, lo + 90) - lo), n = row.choices.size();
        for (int i = 0, now = row.getInt(w); row.getInt(w) == now && i <= qMax(n + 1, span); ++i)
            row.setInt(w, n       ? row.choices[(k + i) % n].value
                          : edges ? qMax(row.min, below - i)
                                  : lo + (7 * k + 3 + i) % span);
    } else if (row.setColor) {
        row.setColor(w, edges ? QColor(Qt::transparent) : colour);
    } else if (row.setTwoInts) {
        row.setTwoInts(w, edges ? below : 11 + k, zeros ? below - 1 : 23 + 3 * k);
    } else if (row.setFourInts) {
        row.setFourInts(w, edges ? below : 1 + k, zeros ? below : 2 + k, edges ? -1 : 4 + k, zeros ? 0 : 8 + k);
    }
    for (const PropertyChoice& c : row.choices) {
        const QString name = tag + QString::number(c.value);
        if (row.setFillStyle)
            row.setFillStyle(w, c.value, TestUtil::colourFill(name, colour.lighter(100 + c.value * 20)));
        else if (row.setTextStyle)
            row.setTextStyle(w, c.value, TestUtil::textStyle(name, colour.lighter(100 + c.value * 20), 9 + c.value));
    }
}

// What each value row shows when its key is absent, per type ("*": every type).
const char kDefaults[] =
    "* Visibility=1 Enable=1 Tooltip= Alpha=255;qtbutton DrawBackground=1 FadeEnabled=0 FadeDuration=150;"
    "qtcheckbox ShowIcon=1 UncheckIcon=IDB_UNCHECK UncheckHotIcon=IDB_UNCHECK CheckedIcon=IDB_CHECKED "
    "CheckedHotIcon=IDB_CHECKED HorAlign=0 VerAlign=1 OffsetX=0 OffsetY=0;qtcombobox Context= Icon= HotIcon=;"
    "qtcontainer DrawBackground=1 AbsoluteDockAutoSize=0 ChildLayout=4 ChildPadding=0,0,0,0,;"
    "qtdatagrid ItemHeight=20 CheckStyle=0 CheckedImage=IDB_CHECKED UncheckedImage=IDB_UNCHECK;"
    "qtdedit Text= IsPassword=0 PlaceholderText= IsShortcut=0 Margin=0,0,0,0,;"
    "qtgroupbox Text= LineSize=1 LineColor=#ff000000 ShowText=1;qtlabel Text=label;"
    "qtlcdnumber DigitCount=5 TextColor=#ff000000 Text=0;qtlist MultiSelect=0 ItemHeight=20;"
    "qtlistview ItemHeight=20 ItemWidth=20 ItemSpace=1 ItemMode=0;qtpicture ImagePath= Stretch=1;"
    "qtprogressbar ShowText=0;qtradiobox PushLike=0 ShowIcon=1 ShowText=1 UncheckIcon= UncheckHotIcon= "
    "CheckedIcon= CheckedHotIcon= HorAlign=0 VerAlign=1 OffsetX=10 OffsetY=0;qtscrollbar Thumb=;"
    "qtslider IsHorizontal=1 ThumbWidth=20,20 MaxValue=100 MinValue=0 Value=0;qtspacer Direction=0 Thickness=0;"
    "qtstackcontainer DrawBackground=1;qtswitch LeftText= RightText= Speed=300 ThumbSize=25,25 DefaultIsLeft=1 "
    "Margin=2;qttab IsHorizontal=1 ItemSize=50 ItemSpace=0 ShowText=1 ShowIcon=1;qttext PlaceholderText= "
    "Margin=0,0,0,0,;qttree ItemHeight=0";

// Every row, set to a value of its own, survives a write and a read; read from a node without its key, it shows
// its default.
TEST(EveryKeyRoundTrip, EveryRowOfEveryTableIsWrittenAndReadBack)
{
    init();
    cvnRegisterChartControls();
    std::map<std::string, std::string> listed; // "type Row" -> value
    std::istringstream lines(kDefaults);
    for (std::string line, type, pair; std::getline(lines, line, ';');) {
        std::istringstream words(line);
        for (words >> type; words >> pair;)
            listed[type + " " + pair.substr(0, pair.find('='))] = pair.substr(pair.find('=') + 1);
    }
    int k = 0;
    for (int level : {0, 1, 2})
        for (ControlInfo* info : cvnGetAllControlInfo()) {
            const bool zeros = level > 0;
            SCOPED_TRACE(info->typeName + " at level " + std::to_string(level));
            const char* type = info->typeName.c_str();
            std::unique_ptr<QWidget> first(createControlByTypeName(type, nullptr));
            std::unique_ptr<QWidget> blank(
                createControl(type, TestUtil::json(R"({"attr": {}, "style": []})"), nullptr));
            // A table of a type built under another name ("Window") reads no keys, but its rows still show what
            // they set.
            const bool ownName = first != nullptr;
            const int kBefore = k; // the other tables keep the values they had
            if (!ownName)
                first.reset(
                    createControlTree(TestUtil::json(("{\"type\": \"" + info->shortName + "\"}").c_str()), nullptr));
            ASSERT_NE(first, nullptr);
            // Built by its name, it is of that type and takes that type's theme entry.
            if (ownName)
                EXPECT_EQ(dynamic_cast<ICVNQWidgetBase*>(first.get())->getTypeName().toStdString(), info->typeName);
            if (const CVNQWidgetBaseImpl* impl = ownName ? cvnGetWidgetImpl(first.get()) : nullptr) {
                EXPECT_EQ(impl->getTypeName().toStdString(), info->typeName);
                EXPECT_EQ(impl->getThemeName().toStdString(), info->typeName);
            }
            // Not carried by design: the opacity, the label's disabled text style (never painted), a 0 switch
            // thumb, a 0 digit count.
            for (const PropertyDef& row : info->properties)
                if (row.name != "Alpha" && !(info->typeName == "qtlabel" && row.name == "TextStyle") &&
                    !(zeros && info->typeName == "qtswitch" && row.name == "ThumbSize") &&
                    !(level > 1 && info->typeName == "qtlcdnumber" && row.name == "DigitCount")) {
                    // A row reads what it sets: the value it shows changes with the set (but a combo box's text
                    // without items, and the digit colour, which takes effect at the next paint).
                    const std::string was = rowValue(row, first.get());
                    setDistinct(row, first.get(), k, QString(type), level);
                    const bool sets = row.setString || row.setBool || row.setInt || row.setColor || row.setTwoInts ||
                                      row.setFourInts || row.setFillStyle || row.setTextStyle;
                    const std::string own = info->typeName + " " + row.name.toStdString();
                    EXPECT_TRUE(rowValue(row, first.get()) != was || !sets || zeros || own == "qtcombobox Context" ||
                                own == "qtlcdnumber TextColor")
                        << own << " shows " << was << " still";
                }
            if (!ownName) {
                k = kBefore;
                continue;
            }
            if (info->typeName == "qtmenubar") // its pop-up background shares the pop-up items' first slot
                TestUtil::propertyRow(info, "PopupBackground")
                    .setFillStyle(first.get(), 0,
                                  TestUtil::propertyRow(info, "PopupItemBackground").getFillStyle(first.get(), 0));
            first->grab(); // some rows take effect at the next paint (the digit colour)
            const Json::Value once = TestUtil::written(dynamic_cast<ICVNQWidgetBase*>(first.get()));
            // Read back by the type it wrote, as a page is.
            std::unique_ptr<QWidget> second(createControlTree(once, nullptr));
            ASSERT_NE(second, nullptr);
            EXPECT_EQ(second->metaObject(), first->metaObject()) << jsonGet(once, "type").asString();
            second->grab();
            for (const PropertyDef& row : info->properties) {
                const std::string set = rowValue(row, first.get()), own = info->typeName + " " + row.name.toStdString();
                const std::string key = listed.count(own) ? own : "* " + row.name.toStdString();
                if (!zeros && row.type != PropName && row.type != PropReadOnlyText && row.type != PropLine &&
                    row.type != PropFillStyle && row.type != PropTextStyle) {
                    EXPECT_EQ(rowValue(row, blank.get()), listed.count(key) ? listed[key] : "unlisted") << own;
                }
                if (set == rowValue(row, blank.get()))
                    continue; // it keeps no value of its own (read-only, fixed by another)
                EXPECT_EQ(rowValue(row, second.get()), set) << "row " << row.name.toStdString();
            }
            // Read into a control on screen, each key shows at once.
            QWidget page;
            page.resize(240, 160);
            QWidget* onScreen = createControlByTypeName(type, &page);
            onScreen->setGeometry(0, 0, 200, 120);
            if (!zeros && TestUtil::showExposed(&page))
                for (const PropertyDef& row : info->properties) {
                    std::unique_ptr<QWidget> twin(createControlByTypeName(type, nullptr)); // this key alone
                    int own = k; // the rows above keep their values whatever this sets
                    setDistinct(row, twin.get(), own, QString(type), 0);
                    Json::Value node = TestUtil::written(dynamic_cast<ICVNQWidgetBase*>(twin.get()));
                    dynamic_cast<ICVNQWidgetBase*>(onScreen)->readJsonValue(&node);
                    EXPECT_TRUE(TestUtil::screenIsCurrent(&page)) << "read on screen: " << row.name.toStdString();
                }
            // Children a control builds itself are laid out to its size, which no key sets before it shows.
            const Json::Value twice = TestUtil::written(dynamic_cast<ICVNQWidgetBase*>(second.get()));
            { // a theme entry of styles only (a theme switch) leaves what the page gave
                CVNQThemeFlagGuard guard;
                CVNQResourceManager::getInstance()->setSwitchToThemeRes(true);
                Json::Value entry = TestUtil::json(R"({"style": []})");
                dynamic_cast<ICVNQWidgetBase*>(second.get())->serializeJsonValue(&entry, true);
            }
            second->grab();
            EXPECT_EQ(TestUtil::written(dynamic_cast<ICVNQWidgetBase*>(second.get())), twice) << "after a theme";
            EXPECT_TRUE(TestUtil::keepsEveryKey(once, twice, {"child"}));
            EXPECT_TRUE(TestUtil::keepsEveryKey(twice, once, {"child"}));
        }
}

// The page root, which no page creates by name, still writes its own.
TEST(EveryKeyRoundTrip, PageRootWritesItsTypeName)
{
    init();
    CVNQWindowDesigner window;
    EXPECT_EQ(TestUtil::written(&window)["type"].asString(), "qtwindow");
}
