// Every row of every registered property table: set to a value of its own,
// it survives a write and a read into a fresh control, and the second write
// equals the first (a key one writer drops or one reader ignores shows here
// for whichever control it is); read from a node without its key, it shows
// the control's documented default.

#include "CVNQChartRegistration.h"
#include "CVNQControl.h"
#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "DesignerTestUtil.h"

#include <map>
#include <memory>
#include <sstream>

using namespace CVNQtLib;

namespace {

// What a row answers, as text, so that rows of every kind compare alike.
std::string rowValue(const PropertyDef& row, QWidget* w)
{
    std::ostringstream out;
    auto fill = [&](const FillStyle& f) {
        out << f.name.toStdString() << ":" << f.fill.clr.name().toStdString() << " ";
    };
    auto text = [&](const TextStyleDesc& t) {
        out << t.name.toStdString() << ":" << t.clr.name().toStdString() << ":" << t.size << " ";
    };
    if (row.getString)
        out << row.getString(w).toStdString();
    else if (row.getBool)
        out << row.getBool(w);
    else if (row.getInt)
        out << row.getInt(w);
    else if (row.getColor)
        out << row.getColor(w).name(QColor::HexArgb).toStdString();
    else if (row.getTwoInts)
        out << row.getTwoInts(w).first << "," << row.getTwoInts(w).second;
    else if (row.getFourInts)
        for (int v : row.getFourInts(w))
            out << v << ",";
    else if (row.getFillStyle)
        for (const PropertyChoice& c : row.choices)
            fill(row.getFillStyle(w, c.value));
    else if (row.getTextStyle)
        for (const PropertyChoice& c : row.choices)
            text(row.getTextStyle(w, c.value));
    return out.str();
}

// Sets row to values no other row holds (k counts every value handed out),
// away from what the row answers now; with zeros, every second number of a
// row of several is 0, so that a key left out for being 0 must still read
// back as 0 and not as its neighbour.
void setDistinct(const PropertyDef& row, QWidget* w, int& k, const QString& type, bool zeros)
{
    const QString tag = type + QString::number(++k);
    if (row.setString) {
        row.setString(w, row.type == PropImage ? tag + ".png" : tag);
        if (row.getString && row.getString(w) != tag && row.type != PropImage)
            row.setString(w, QString::number(k)); // a number display takes numbers only
    } else if (row.setBool) {
        row.setBool(w, !row.getBool(w));
    } else if (row.setInt && !row.choices.isEmpty()) {
        const int now = row.getInt(w);
        for (int i = 0; i < row.choices.size(); ++i) {
            const int v = row.choices[(k + i) % row.choices.size()].value;
            if (v != now) {
                row.setInt(w, v);
                break;
            }
        }
    } else if (row.setInt) {
        const int lo = qMax(row.min, 0), hi = qMin(row.max, lo + 90);
        int v = lo + (7 * k + 3) % qMax(1, hi - lo);
        if (v == row.getInt(w))
            v = v + 1 <= hi ? v + 1 : lo;
        row.setInt(w, v);
    } else if (row.setColor) {
        row.setColor(w, QColor::fromRgb(QRgb(0xff000000u | (uint(k) * 2654435761u >> 8))));
    } else if (row.setTwoInts) {
        row.setTwoInts(w, 11 + k, zeros ? 0 : 23 + 3 * k);
    } else if (row.setFourInts) {
        row.setFourInts(w, 1 + k, zeros ? 0 : 2 + k, 4 + k, zeros ? 0 : 8 + k);
    } else if (row.setFillStyle) {
        for (const PropertyChoice& c : row.choices)
            row.setFillStyle(w, c.value,
                             TestUtil::colourFill(tag + "f" + QString::number(c.value),
                                                  QColor::fromHsv(k * 37 % 360, 200, 40 + c.value * 50)));
    } else if (row.setTextStyle) {
        for (const PropertyChoice& c : row.choices)
            row.setTextStyle(w, c.value,
                             TestUtil::textStyle(tag + "t" + QString::number(c.value),
                                                 QColor::fromHsv(k * 53 % 360, 180, 60 + c.value * 40), 9 + c.value));
    }
}

// Rows the file format does not carry, by design: the opacity, the label's
// disabled text style (kept, never painted) and a switch thumb of size 0,
// which stands for the default thumb.
bool notCarried(const std::string& type, const QString& row, bool zeros)
{
    return row == QLatin1String("Alpha") || (type == "qtlabel" && row == QLatin1String("TextStyle")) ||
           (zeros && type == "qtswitch" && row == QLatin1String("ThumbSize"));
}

} // namespace

TEST(EveryKeyRoundTrip, EveryRowOfEveryTableIsWrittenAndReadBack)
{
    init();
    cvnRegisterChartControls();
    int k = 0;
    for (bool zeros : {false, true})
        for (ControlInfo* info : cvnGetAllControlInfo()) {
            const QString type = QString::fromStdString(info->typeName);
            SCOPED_TRACE(info->typeName + (zeros ? " with zeros" : ""));
            std::unique_ptr<QWidget> first(createControlByTypeName(info->typeName.c_str(), nullptr));
            if (!first)
                continue; // a table of a type built under another name ("Window") reads no keys
            std::unique_ptr<QWidget> blank(createControlByTypeName(info->typeName.c_str(), nullptr));
            for (const PropertyDef& row : info->properties)
                if (!notCarried(info->typeName, row.name, zeros))
                    setDistinct(row, first.get(), k, type, zeros);
            if (info->typeName == "qtmenubar") // its pop-up background shares the pop-up items' first slot
                TestUtil::propertyRow(info, "PopupBackground")
                    .setFillStyle(first.get(), 0,
                                  TestUtil::propertyRow(info, "PopupItemBackground").getFillStyle(first.get(), 0));

            // Some rows take effect at the next paint (the digit colour).
            const auto paint = [](QWidget* w) {
                QImage painted(w->size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
                w->render(&painted);
            };
            paint(first.get());
            const Json::Value once = TestUtil::written(dynamic_cast<ICVNQWidgetBase*>(first.get()));
            std::unique_ptr<QWidget> second(createControl(info->typeName.c_str(), once, nullptr));
            ASSERT_NE(second, nullptr);
            paint(second.get());
            for (const PropertyDef& row : info->properties) {
                const std::string set = rowValue(row, first.get());
                if (set == rowValue(row, blank.get()))
                    continue; // the row keeps no value of its own (read-only, or fixed by another)
                EXPECT_EQ(rowValue(row, second.get()), set) << "row " << row.name.toStdString();
            }
            const Json::Value twice = TestUtil::written(dynamic_cast<ICVNQWidgetBase*>(second.get()));
            // Children a control builds itself are laid out to its size, which
            // no key sets before the control is shown.
            EXPECT_TRUE(TestUtil::keepsEveryKey(once, twice, {"child"}));
            EXPECT_TRUE(TestUtil::keepsEveryKey(twice, once, {"child"}));
        }
}

// What each value row shows when its key is absent ("Type=value", the style
// rows aside), for every registered type; the common rows come first.
const char* const kDefaults[] = {
    "* Visibility=1 Enable=1 Tooltip= Alpha=255",
    "qtbutton DrawBackground=1 FadeEnabled=0 FadeDuration=150",
    "qtcheckbox ShowIcon=1 UncheckIcon=IDB_UNCHECK UncheckHotIcon=IDB_UNCHECK CheckedIcon=IDB_CHECKED "
    "CheckedHotIcon=IDB_CHECKED HorAlign=0 VerAlign=1 OffsetX=0 OffsetY=0",
    "qtcombobox Context= Icon= HotIcon=",
    "qtcontainer DrawBackground=1 AbsoluteDockAutoSize=0 ChildLayout=4 ChildPadding=0,0,0,0,",
    "qtdatagrid ItemHeight=20 CheckStyle=0 CheckedImage=IDB_CHECKED UncheckedImage=IDB_UNCHECK",
    "qtdedit Text= IsPassword=0 PlaceholderText= IsShortcut=0 Margin=0,0,0,0,",
    "qtgroupbox Text= LineSize=1 LineColor=#ff000000 ShowText=1",
    "qtlabel Text=label",
    "qtlcdnumber DigitCount=5 TextColor=#ff000000 Text=0",
    "qtlist MultiSelect=0 ItemHeight=20",
    "qtlistview ItemHeight=20 ItemWidth=20 ItemSpace=1 ItemMode=0",
    "qtpicture ImagePath= Stretch=1",
    "qtprogressbar ShowText=0",
    "qtradiobox PushLike=0 ShowIcon=1 ShowText=1 UncheckIcon= UncheckHotIcon= CheckedIcon= CheckedHotIcon= HorAlign=0 "
    "VerAlign=1 OffsetX=10 OffsetY=0",
    "qtscrollbar Thumb=",
    "qtslider IsHorizontal=1 ThumbWidth=20,20 MaxValue=100 MinValue=0 Value=0",
    "qtspacer Direction=0 Thickness=0",
    "qtstackcontainer DrawBackground=1",
    "qtswitch LeftText= RightText= Speed=300 ThumbSize=25,25 DefaultIsLeft=1 Margin=2",
    "qttab IsHorizontal=1 ItemSize=50 ItemSpace=0 ShowText=1 ShowIcon=1",
    "qttext PlaceholderText= Margin=0,0,0,0,",
    "qttree ItemHeight=0",
};

TEST(EveryKeyRoundTrip, EveryRowShowsItsDefaultWhenItsKeyIsAbsent)
{
    init();
    std::map<std::string, std::map<std::string, std::string>> defaults;
    for (const char* line : kDefaults) {
        std::istringstream words(line);
        std::string type, pair;
        words >> type;
        while (words >> pair)
            defaults[type][pair.substr(0, pair.find('='))] = pair.substr(pair.find('=') + 1);
    }
    for (ControlInfo* info : cvnGetAllControlInfo()) {
        SCOPED_TRACE(info->typeName);
        std::unique_ptr<QWidget> control(
            createControl(info->typeName.c_str(), TestUtil::json(R"({"attr": {}, "style": []})"), nullptr));
        if (!control)
            continue; // a table of a type built under another name reads no keys
        for (const PropertyDef& row : info->properties) {
            if (row.type == PropName || row.type == PropReadOnlyText || row.type == PropLine ||
                row.type == PropFillStyle || row.type == PropTextStyle)
                continue;
            const std::string name = row.name.toStdString();
            const auto& own = defaults[info->typeName];
            const auto& common = defaults["*"];
            const auto* listed = own.count(name) ? &own : common.count(name) ? &common : nullptr;
            if (!listed) {
                ADD_FAILURE() << "no default listed for " << name;
                continue;
            }
            EXPECT_EQ(rowValue(row, control.get()), listed->at(name)) << "row " << name;
        }
    }
}
