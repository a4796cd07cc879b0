// Every control deleted in the slot of each signal a user's action emits
// (clicks, drags, the wheel, the context menu, keys), each on a fresh control.

#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQFlowView.h"
#include "CVNQMenu.h"
#include "CVNQSubWin.h"
#include "CVNQTabWidget.h"
#include "CVNQWindow.h"
#include "CVNQWindowDesigner.h"
#include "TestUtil.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMetaMethod>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStandardItemModel>
#include <QTextEdit>
#include <algorithm>
#include <memory>

// Freed memory is scribbled over, so Qt's own reads of a freed control crash too.
extern "C" const char* __asan_default_options()
{
    return "max_free_fill_size=4096:free_fill_byte=190";
}

using namespace CVNQtLib;

namespace {

class Deleter : public QObject
{
    Q_OBJECT
public:
    QPointer<QWidget> target;
public Q_SLOTS:
    void deleteTarget() { delete target.data(); }
};

// Contents that give the user's actions something to act on.
void fill(QWidget* w)
{
    const QStringList words = {"one", "two", "three", "four", "five", "six"};
    if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->addItems(words);
    else if (auto* list = qobject_cast<QListWidget*>(w))
        list->addItems(words);
    else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
        auto* model = new QStandardItemModel(view);
        for (const QString& word : words) {
            QList<QStandardItem*> row = {new QStandardItem(word), new QStandardItem(word)};
            row.first()->setCheckable(true);
            row.first()->appendRow(new QStandardItem(word + " child"));
            model->appendRow(row);
        }
        view->setModel(model);
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(w))
        slider->setRange(0, 100);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText("some text");
    else if (auto* text = qobject_cast<QTextEdit*>(w))
        text->setPlainText("some text\nmore text");
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText("<a href=\"x\">a link to follow, long enough to be hit</a>");
    else if (auto* tabs = qobject_cast<CVNQTabWidget*>(w))
        for (const QString& word : words.mid(0, 3))
            tabs->addTab(word, QString(), QString());
    else if (auto* flow = qobject_cast<CVNQFlowView*>(w)) {
        // A drag from the left card's middle moves it; one from its right port ends on the right card.
        CVNQFlowNode a, b;
        a.id = "a", a.position = QPointF(0.25, 0.5), a.size = QSizeF(0.5, 0.5);
        b.id = "b", b.position = QPointF(0.75, 0.65), b.size = QSizeF(0.3, 0.4);
        flow->setNodes({a, b});
        flow->setReadOnly(false);
    } else if (auto* menu = qobject_cast<QMenu*>(w)) {
        menu->addActions({new QAction("one", menu), new QAction("two", menu)});
        menu->addMenu("more")->addAction("inner");
    } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
        bar->addMenu("menu")->addActions({new QAction("one", bar), new QAction("two", bar)});
        bar->addAction("plain");
    } else if (auto* area = qobject_cast<QScrollArea*>(w)) {
        area->setWidget(new QWidget);
        area->widget()->resize(600, 600);
    }
}

// The child under p, which takes the mouse there (a view's viewport).
QWidget* under(QWidget* w, QPoint& p)
{
    QWidget* child = w->childAt(p);
    if (child)
        p = child->mapFrom(w, p);
    return child ? child : w;
}

// Events sent to the widget under a point of w (fractions of its size) while it lives.
using Act = std::function<void(QWidget* w)>;
using Step = std::function<void(QWidget* target, QPoint p)>;
Act atPoint(double fx, double fy, const QVector<Step>& steps)
{
    return [=](QWidget* w) {
        QPoint p(int(w->width() * fx), int(w->height() * fy));
        QPointer<QWidget> target = under(w, p);
        for (const Step& step : steps)
            if (target)
                step(target, p);
    };
}

// A choice in the pop-up an action opened: a click in it, or Down and Return.
const Step choose = [](QWidget*, QPoint) {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        QPoint p(popup->width() / 2, popup->height() / 3);
        TestUtil::click(under(popup, p), p);
    }
};
const Step chooseByKey = [](QWidget*, QPoint) {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        QPointer<QWidget> target = popup->focusWidget() ? popup->focusWidget() : popup;
        TestUtil::key(target, Qt::Key_Down);
        if (target)
            TestUtil::key(target, Qt::Key_Return, Qt::NoModifier, "\r");
    }
};

QVector<Act> actions()
{
    const Step press = [](QWidget* t, QPoint p) { TestUtil::press(t, p); };
    const Step release = [](QWidget* t, QPoint p) { TestUtil::release(t, p); };
    const auto dragTo = [](int n) -> Step {
        return [n](QWidget* t, QPoint p) { TestUtil::move(t, p + QPoint(15, 8) * n, Qt::LeftButton); };
    };
    const Step dragEnd = [](QWidget* t, QPoint p) { TestUtil::release(t, p + QPoint(45, 24)); };
    const Step doubleClick = [](QWidget* t, QPoint p) { TestUtil::doubleClick(t, p); };
    const Step enter = [](QWidget* t, QPoint p) { TestUtil::enter(t, p); };
    const Step hover = [](QWidget* t, QPoint p) { TestUtil::move(t, p); };
    const Step leave = [](QWidget* t, QPoint) { TestUtil::leave(t); };
    const Step rightClick = [](QWidget* t, QPoint p) { TestUtil::click(t, p, Qt::RightButton); };
    const Step context = [](QWidget* t, QPoint p) {
        QContextMenuEvent e(QContextMenuEvent::Mouse, p, t->mapToGlobal(p));
        QApplication::sendEvent(t, &e);
    };
    QVector<Act> all;
    for (double fx : {0.05, 0.3, 0.5, 0.95})
        for (double fy : {0.1, 0.5, 0.9})
            all << atPoint(fx, fy, {press, release, choose}) << atPoint(fx, fy, {press, release, doubleClick, release})
                << atPoint(fx, fy, {press, dragTo(1), dragTo(2), dragTo(3), dragEnd})
                << atPoint(fx, fy, {enter, hover, leave});
    for (int delta : {120, -120})
        all << atPoint(0.5, 0.5, {[delta](QWidget* t, QPoint) { TestUtil::wheel(t, delta); }});
    all << atPoint(0.5, 0.5, {rightClick, context});
    for (int k :
         {Qt::Key_Space,     Qt::Key_Return, Qt::Key_Enter,    Qt::Key_Escape, Qt::Key_Up,  Qt::Key_Down, Qt::Key_Left,
          Qt::Key_Right,     Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,   Qt::Key_End, Qt::Key_A,    Qt::Key_T,
          Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_F2,       Qt::Key_F4,     Qt::Key_Tab, Qt::Key_Plus})
        all << [k](QWidget* w) { TestUtil::key(w, k, Qt::NoModifier, k < 0x80 ? QString(QChar(k)).toLower() : ""); };
    all << [](QWidget* w) { TestUtil::key(w, Qt::Key_A, Qt::ControlModifier); } << [](QWidget* w) {
        QPointer<QWidget> alive = w;
        TestUtil::key(w, Qt::Key_Down, Qt::AltModifier);
        if (alive)
            chooseByKey(w, QPoint());
    };
    return all;
}

using Row = QPair<QString, std::function<QWidget*(QWidget*)>>;
template <class... W>
QVector<Row> codeRows()
{
    return {Row{QString(W::staticMetaObject.className()).section("::", -1),
                [](QWidget* host) -> QWidget* { return new W(host); }}...};
}

// Every registered type of these folders and the controls only code makes.
QVector<Row> rows()
{
    QVector<Row> all;
    for (const char* type :
         {"qtbutton",     "qtcheckbox",  "qtradiobox",       "qtpicture",   "qtlabel",    "qtlabelex",  "qtprogressbar",
          "qtlcdnumber",  "qtswitch",    "qtslider",         "qtscrollbar", "qtspinbox",  "qtdedit",    "qttext",
          "qtcombobox",   "qtcontainer", "qtstackcontainer", "qtspacer",    "qtgroupbox", "qtsplitter", "qttab",
          "qtscrollview", "qtlist",      "qtlistview",       "qttree",      "qtdatagrid", "qtmenubar"})
        all.append({type, [type](QWidget* host) { return createControlByTypeName(type, host); }});
    return all + codeRows<CVNQWindowDesigner, CVNQMenu, CVNQFlowView, CVNQWindow, CVNQSubWin>();
}

// Signals no user's action emits, then those after which Qt's own handler goes on with
// the deleted widget (Qt's widgets do not survive them either).
bool userSignal(const QMetaMethod& m)
{
    static const QStringList quiet =
        QStringLiteral(
            "QObject:destroyed,objectNameChanged QWidget:windowTitleChanged,windowIconChanged,windowIconTextChanged "
            "QAbstractButton:toggled QLabel:linkHovered "
            "QAbstractSlider:valueChanged,actionTriggered,sliderReleased,sliderMoved "
            "QAbstractSpinBox:editingFinished QSpinBox:valueChanged,textChanged QLineEdit:textChanged,textEdited,"
            "cursorPositionChanged,returnPressed,selectionChanged QTextEdit:textChanged,undoAvailable,copyAvailable,"
            "selectionChanged,cursorPositionChanged QComboBox:activated,textActivated,highlighted,textHighlighted,"
            "currentIndexChanged,currentTextChanged QAbstractItemView:pressed,clicked,doubleClicked,activated,entered,"
            "viewportEntered QTreeView:expanded,collapsed QListWidget:itemPressed,itemClicked,itemDoubleClicked,"
            "itemActivated,itemEntered,itemChanged,currentItemChanged,currentTextChanged,currentRowChanged,"
            "itemSelectionChanged QMenu:aboutToHide,triggered,hovered QMenuBar:hovered,triggered QDialog:rejected "
            "CVNQtLib::CVNQScrollView:scrollPosChanged")
            .split(' ');
    const QString cls = m.enclosingMetaObject()->className();
    return m.methodType() == QMetaMethod::Signal && std::none_of(quiet.begin(), quiet.end(), [&](const QString& q) {
               return q.section(':', 0, -2) == cls && q.section(':', -1).split(',').contains(m.name());
           });
}

class DeletedInOwnSlotFamily : public ::testing::TestWithParam<int>
{};

} // namespace

TEST_P(DeletedInOwnSlotFamily, SurvivesEverySignalOfEveryAction)
{
    TestUtil::startToolkit();
    const QVector<Row> table = rows();
    const Row row = table.at(GetParam());
    QWidget host;
    host.resize(260, 180);
    ASSERT_TRUE(TestUtil::showExposed(&host));
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));

    // No registered type is left out (the ribbon's and designer's are checked with their folders).
    const QByteArrayList elsewhere = {"CVNQRibbonBar", "CVNQProperty", "window"};
    for (const ControlInfo* info : cvnGetAllControlInfo()) {
        const bool listed = std::any_of(table.begin(), table.end(),
                                        [&](const Row& r) { return r.first.toStdString() == info->typeName; });
        EXPECT_TRUE(listed || elsewhere.contains(info->className.c_str()) || elsewhere.contains(info->typeName.c_str()))
            << info->typeName;
    }

    QWidget* probe = row.second(&host);
    ASSERT_TRUE(probe) << row.first.toStdString();
    const QMetaObject* meta = probe->metaObject();
    delete probe;
    // The actions reach every signal a control declares but those needing a movie or row templates.
    const QByteArrayList notHere = {"movieFinished", "pressCtrl", "customControlClicked", "headerCheckedChanged"};
    const auto all = actions();
    Deleter deleter;
    const QMetaMethod deleteTarget = deleter.metaObject()->method(deleter.metaObject()->indexOfSlot("deleteTarget()"));
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod signal = meta->method(i);
        if (!userSignal(signal))
            continue;
        bool reached = false;
        for (const auto& action : all) {
            QPointer<QWidget> w = deleter.target = row.second(&host);
            fill(w);
            w->setContextMenuPolicy(Qt::CustomContextMenu);
            if (auto* menu = qobject_cast<QMenu*>(w))
                menu->popup(host.mapToGlobal(QPoint(20, 20)));
            else if (!w->isWindow())
                w->setGeometry(10, 10, 240, 160), w->show();
            w->setFocus();
            QObject::connect(w, signal, &deleter, deleteTarget);
            action(w);
            reached |= w.isNull();
            delete w.data();
            while (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
        }
        if (QByteArray(signal.enclosingMetaObject()->className()).startsWith("CVNQtLib::") &&
            !notHere.contains(signal.name())) {
            EXPECT_TRUE(reached) << row.first.toStdString() << " " << signal.methodSignature().constData();
        }
    }
}

// Qt's own sliders go on with themselves after sliderMoved returns (the move's action follows), so a
// slider deleted in that slot is read after it is freed: no slider survives it.
TEST(DeletedInOwnSlotExempt, QtSlidersGoOnAfterSliderMoved)
{
    for (QAbstractSlider* slider : QVector<QAbstractSlider*>{new QSlider, new QScrollBar}) {
        std::unique_ptr<QAbstractSlider> owner(slider);
        QStringList order;
        QObject::connect(slider, &QAbstractSlider::sliderMoved, [&] { order << "moved"; });
        QObject::connect(slider, &QAbstractSlider::actionTriggered, [&](int action) {
            order << (action == QAbstractSlider::SliderMove ? "move action" : "other");
        });
        slider->setSliderDown(true);
        slider->setSliderPosition(40);
        EXPECT_EQ(order, QStringList({"moved", "move action"})) << slider->metaObject()->className();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryControl, DeletedInOwnSlotFamily, ::testing::Range(0, int(rows().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return rows().at(info.param).first.toStdString();
                         });

#include "DeletedInOwnSlotFamilyTest.moc"
