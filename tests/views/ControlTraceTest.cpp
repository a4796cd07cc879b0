// Each view and menu of this folder used as a user would, against its record.

#include "CVNQContainer.h"
#include "CVNQControlFactory.h"
#include "CVNQFlowView.h"
#include "CVNQLabel.h"
#include "CVNQList.h"
#include "CVNQListView.h"
#include "CVNQMenu.h"
#include "CVNQMenuBar.h"
#include "CVNQTableView.h"
#include "CVNQTreeView.h"
#include "ControlTrace.h"
#include "FlowTestUtil.h"
#include "TestUtil.h"

#include <QHeaderView>
#include <QIcon>
#include <QListWidget>
#include <QProxyStyle>
#include <QStandardItemModel>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

Q_DECLARE_METATYPE(QListWidgetItem*)

using namespace CVNQtLib;

namespace {

QIcon icon(const char* name)
{
    return QIcon(TestUtil::sourcePath(QStringLiteral("app/icons/%1.svg").arg(name)));
}

const char* const kIcons[] = {"turbine", "alert", "wind", "energy", "temperature", "humidity", "calendar", "location"};

// Rows of sensor names with icons; enough of them that the views scroll.
QStandardItemModel* sensors(QObject* parent, int rows, int columns, bool checks)
{
    auto* m = new QStandardItemModel(rows, columns, parent);
    m->setHorizontalHeaderLabels({"Sensor", "Value", "Unit"});
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            auto* item = new QStandardItem(c ? QString::number((r * 37 + c * 11) % 90) : QStringLiteral("T-%1").arg(r));
            if (c == 0) {
                item->setIcon(icon(kIcons[r % 8]));
                item->setCheckable(checks);
                item->setCheckState(checks && r % 3 == 0 ? Qt::Checked : Qt::Unchecked);
            }
            m->setItem(r, c, item);
        }
    return m;
}

void fillRow(const CVNQListView*, const QWidget* itemTemplate, const QModelIndex& index)
{
    if (auto* label = itemTemplate->findChild<CVNQLabel*>())
        label->setText(index.data().toString());
}

// Nodes under the round's points: one at the drag's start, one whose lower
// port the downward drag starts on, one where it ends.
QWidget* flow(bool readOnly)
{
    auto* f = new CVNQFlowView;
    f->setNodes({FlowTest::node("a", {0.25, 0.5}, {0.16, 0.3}, QColor(73, 220, 187)),
                 FlowTest::node("b", {0.5, 0.125}, {0.2, 0.25}, QColor(255, 194, 92)),
                 FlowTest::node("c", {0.75, 0.75}, {0.2, 0.3}, QColor(114, 159, 255)),
                 FlowTest::node("d", {0.5, 0.8}, {0.14, 0.2}, QColor(255, 120, 134))});
    f->setConnections({{"a", "c", QColor(255, 120, 134), true}});
    f->setReadOnly(readOnly);
    return f;
}

// Submenus open at once, on the hover or press itself: no timer of their
// own decides in which step they show.
class NoSubmenuDelay : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_Menu_SubMenuPopupDelay || hint == SH_Menu_SloppySubMenus)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

void withoutDelay(QWidget* w, QStyle* style)
{
    w->setStyle(style);
    for (QMenu* m : w->findChildren<QMenu*>())
        m->setStyle(style);
}

} // namespace

TEST(ControlTrace, EveryControl)
{
    TestUtil::startToolkit();
    qRegisterMetaType<QListWidgetItem*>(); // so that the list's item signals are recorded
    const FillStyle panel = TestUtil::colourFill("trPanel", QColor(0x16, 0x1B, 0x24));
    TestUtil::colourFill("trRow", QColor(0x1E, 0x25, 0x33));
    const FillStyle hot = TestUtil::colourFill("trHot", QColor(0x2F, 0x6F, 0xEB));
    TestUtil::colourFill("trSoft", QColor(0x3A, 0x46, 0x5E));
    TestUtil::colourFill("trHead", QColor(0x0B, 0x0E, 0x13));
    const TextStyleDesc text = TestUtil::textStyle("trText", QColor(0xE6, 0xEA, 0xF0), 12, 0, "DejaVu Sans");
    const char* listLook = R"("style": [["trPanel", 1, 0], ["trRow", 1, 2], ["trSoft", 1, 3], ["trHot", 1, 4],
                                        ["trText", 2, 6]])";
    // A row template: a label that shows the row's text.
    const QString templated = R"({"attr": {%1}, "style": [["trRow", 1, 2], ["trSoft", 1, 3], ["trHot", 1, 4]],
        "child": [{"type": "qtcontainer", "name": "row", "attr": {"childLayout": 0, "paddingLeft": 8}, "child": [
        {"type": "qtlabel", "name": "text", "attr": {}, "layout": {"ratio": 1}, "widthPolicy": -1, "heightPolicy": 0}]}]})";
    NoSubmenuDelay noDelay;
    using Setup = std::function<void(QWidget*)>;
    auto grid = [](bool checks) {
        return [checks](QWidget* w) {
            auto* t = static_cast<CVNQTableView*>(w);
            t->setModel(sensors(t, 24, 3, checks));
            t->setSortingEnabled(true);
            t->horizontalHeader()->setSectionsClickable(!checks); // as the application's tables do
            t->selectRow(2);
        };
    };
    auto tree = [](QWidget* w) {
        auto* t = static_cast<CVNQTreeView*>(w);
        auto* m = new QStandardItemModel(t);
        for (int g = 0; g < 6; ++g) {
            auto* parent = new QStandardItem(icon(kIcons[g]), QStringLiteral("Group %1").arg(g));
            for (int i = 0; i < 3; ++i)
                parent->appendRow(new QStandardItem(icon("check"), QStringLiteral("Turbine %1-%2").arg(g).arg(i)));
            m->appendRow(parent);
        }
        t->setModel(m);
        t->expand(m->index(0, 0));
        t->expand(m->index(2, 0));
    };
    auto list = [](QWidget* w) {
        for (int i = 0; i < 16; ++i)
            static_cast<CVNQList*>(w)->addItem(
                new QListWidgetItem(icon(kIcons[i % 8]), QStringLiteral("Sensor %1").arg(i)));
    };
    auto listView = [](QWidget* w) {
        auto* v = static_cast<CVNQListView*>(w);
        v->setItemDisplayCallBack(&fillRow);
        v->setModel(sensors(v, 20, 1, false));
    };
    auto menu = [&](QWidget* w) {
        auto* m = static_cast<CVNQMenu*>(w);
        m->setBackground(panel);
        m->setItemStyle(CtrlStateHover, hot);
        m->setItemTextStyle(CtrlStateAll, text);
        // A triggered item closes the menu; shown again, as its bar would,
        // so that the rest of the round reaches it.
        QObject::connect(m, &QMenu::aboutToHide, m, [m] { QTimer::singleShot(0, m, [m] { m->show(); }); });
        m->addAction(icon("energy"), "Open layout");
        QAction* grid = m->addAction("Show grid");
        grid->setCheckable(true);
        grid->setChecked(true);
        // The submenu in the middle, under the round's presses.
        m->addMenu("Export")->addAction("PNG");
        m->addAction(icon("alert"), "Settings");
        m->addAction("Quit")->setEnabled(false);
        withoutDelay(m, &noDelay);
    };
    auto bar = [&](QWidget* w) {
        for (const char* title : {"File", "View", "Tools", "Help"}) {
            auto* m = new CVNQMenu(title, w);
            m->addAction(QStringLiteral("%1 item").arg(title));
            m->addMenu("More")->addAction("Deeper");
            static_cast<CVNQMenuBar*>(w)->addMenu(m);
        }
        withoutDelay(w, &noDelay);
    };
    struct Case
    {
        const char* name;
        const char* type;
        QString json;
        QSize size;
        Setup setup;
        std::function<QWidget*()> make;
    };
    const std::vector<Case> cases = {
        {"datagrid",
         "qtdatagrid",
         R"({"attr": {"itemHeight": 26, "checkstyle": true, "multiselect": true}})",
         {320, 200},
         grid(true)},
        {"datagrid-themed",
         "qtdatagrid",
         R"({"attr": {"itemHeight": 24}, "style": [["trPanel", 1, 0], ["trRow", 1, 2], ["trSoft", 1, 3],
             ["trHot", 1, 4], ["trText", 2, 6], ["trHead", 1, 10], ["trText", 2, 14]]})",
         {300, 180},
         grid(false)},
        {"tree", "qttree", QStringLiteral(R"({"attr": {"itemHeight": 24}, %1})").arg(listLook), {240, 200}, tree},
        {"list", "qtlist", QStringLiteral(R"({"attr": {"itemHeight": 26}, %1})").arg(listLook), {220, 180}, list},
        {"list-multi", "qtlist", R"({"attr": {"multiselect": 1, "itemHeight": 22}})", {200, 160}, list},
        {"listview", "qtlistview", templated.arg(R"("itemHeight": 30, "spacing": 2)"), {220, 180}, listView},
        {"listview-icons",
         "qtlistview",
         templated.arg(R"("itemMode": 1, "itemWidth": 64, "itemHeight": 48, "spacing": 4)"),
         {240, 180},
         [&](QWidget* w) {
             // Items that move start a drag loop of the window system's, which no synthetic event ends.
             static_cast<CVNQListView*>(w)->setMovement(QListView::Static);
             listView(w);
         }},
        {"menu", nullptr, {}, {}, menu, [] { return new CVNQMenu; }},
        // Wide, so that the held drag leaves the titles: which popup a drag across
        // them ends on depends on when the window system grabs the pointer.
        {"menubar", "qtmenubar", R"({"attr": {}})", {640, 30}, bar},
        {"flowview", nullptr, {}, {400, 240}, nullptr, [] { return flow(true); }},
        {"flowview-editable", nullptr, {}, {400, 240}, nullptr, [] { return flow(false); }},
    };
    for (const Case& c : cases) {
        QWidget* w = c.make ? c.make()
                            : createControlTree(
                                  [&] {
                                      Json::Value node = TestUtil::json(c.json.toUtf8().constData());
                                      node["type"] = c.type;
                                      return node;
                                  }(),
                                  nullptr);
        ASSERT_TRUE(w) << c.name;
        if (c.setup)
            c.setup(w);
        TestUtil::expectTraceMatches(w, QString::fromLatin1(c.name), c.size);
    }
}
