// Every control of the toolkit, and beside it the Qt class it derives from,
// deleted in the slot of each signal a user's action emits: clicks at a
// grid of points, double clicks, drags, the wheel, the context menu and the
// keys, each on a fresh control. The sanitizers report a handler that goes
// on with the freed control; the freed memory is scribbled over, so Qt's
// own code that reads it crashes too.

#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQFlowView.h"
#include "CVNQMenu.h"
#include "CVNQSubWin.h"
#include "CVNQTabWidget.h"
#include "CVNQWindow.h"
#include "CVNQWindowDesigner.h"
#include "TestUtil.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QTreeView>
#include <algorithm>
#include <functional>

// Freed memory is filled, so a read of a freed control by code built
// without the sanitizer, Qt's included, meets garbage instead of its old
// values and crashes.
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

// Contents that give the user's actions something to act on, for the
// toolkit's control and its Qt base alike.
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
    else if (auto* tabs = qobject_cast<QTabWidget*>(w))
        for (const QString& word : words.mid(0, 3))
            tabs->addTab(new QWidget, word);
    else if (auto* flow = qobject_cast<CVNQFlowView*>(w)) {
        // A drag from the middle of the left card moves it; one from its right
        // port, on the grid of points, ends on the right card.
        CVNQFlowNode a, b;
        a.id = "a", a.position = QPointF(0.25, 0.5), a.size = QSizeF(0.5, 0.5);
        b.id = "b", b.position = QPointF(0.75, 0.65), b.size = QSizeF(0.3, 0.4);
        flow->setNodes({a, b});
        flow->setReadOnly(false);
    } else if (auto* menu = qobject_cast<QMenu*>(w)) {
        for (const QString& word : words.mid(0, 3))
            menu->addAction(word);
        menu->addMenu("more")->addAction("inner");
    } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
        bar->addMenu("menu")->addActions({new QAction("one", bar), new QAction("two", bar)});
        bar->addAction("plain");
    } else if (auto* area = qobject_cast<QScrollArea*>(w)) {
        auto* inner = new QWidget;
        inner->resize(600, 600);
        area->setWidget(inner);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText("Control");
}

// The child under p, which takes the mouse there (a view's viewport).
QWidget* under(QWidget* w, QPoint& p)
{
    QWidget* child = w->childAt(p);
    if (!child)
        return w;
    p = child->mapFrom(w, p);
    return child;
}

using Act = std::function<void(QWidget* w)>;

// A choice in the pop-up an action opened (a combo box's list, a menu
// bar's menu): a click in it, or Down and Return.
void choose(bool byKey)
{
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup)
        return;
    if (byKey) {
        QPointer<QWidget> target = popup->focusWidget() ? popup->focusWidget() : popup;
        TestUtil::key(target, Qt::Key_Down);
        if (target)
            TestUtil::key(target, Qt::Key_Return, Qt::NoModifier, "\r");
        return;
    }
    QPoint p(popup->width() / 2, popup->height() / 3);
    TestUtil::click(under(popup, p), p);
}

// Events sent one after another to the widget under a point of w (given
// as fractions of w's size), while it lives.
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

// The user's actions.
QVector<Act> actions()
{
    const Step press = [](QWidget* t, QPoint p) { TestUtil::press(t, p); };
    const Step release = [](QWidget* t, QPoint p) { TestUtil::release(t, p); };
    const auto dragTo = [](int step) {
        return [step](QWidget* t, QPoint p) { TestUtil::move(t, p + QPoint(15, 8) * step, Qt::LeftButton); };
    };
    QVector<Act> all;
    for (double fx : {0.05, 0.3, 0.5, 0.95})
        for (double fy : {0.1, 0.5, 0.9}) {
            all.append(atPoint(fx, fy, {press, release, [](QWidget*, QPoint) { choose(false); }}));
            all.append(
                atPoint(fx, fy, {press, release, [](QWidget* t, QPoint p) { TestUtil::doubleClick(t, p); }, release}));
            all.append(atPoint(fx, fy, {press, dragTo(1), dragTo(2), dragTo(3), [](QWidget* t, QPoint p) {
                                            TestUtil::release(t, p + QPoint(45, 24));
                                        }}));
            all.append(atPoint(fx, fy,
                               {[](QWidget* t, QPoint p) { TestUtil::enter(t, p); },
                                [](QWidget* t, QPoint p) { TestUtil::move(t, p); },
                                [](QWidget* t, QPoint) { TestUtil::leave(t); }}));
        }
    for (int delta : {120, -120})
        all.append(atPoint(0.5, 0.5, {[delta](QWidget* t, QPoint) { TestUtil::wheel(t, delta); }}));
    all.append(atPoint(0.5, 0.5, {[](QWidget* t, QPoint p) { TestUtil::click(t, p, Qt::RightButton); }}));
    all.append(atPoint(0.5, 0.5, {[](QWidget* t, QPoint p) {
                           QContextMenuEvent e(QContextMenuEvent::Mouse, p, t->mapToGlobal(p));
                           QApplication::sendEvent(t, &e);
                       }}));
    const QVector<QPair<int, QString>> keys = {
        {Qt::Key_Space, " "}, {Qt::Key_Return, "\r"}, {Qt::Key_Enter, "\r"},   {Qt::Key_Escape, ""},
        {Qt::Key_Up, ""},     {Qt::Key_Down, ""},     {Qt::Key_Left, ""},      {Qt::Key_Right, ""},
        {Qt::Key_PageUp, ""}, {Qt::Key_PageDown, ""}, {Qt::Key_Home, ""},      {Qt::Key_End, ""},
        {Qt::Key_A, "a"},     {Qt::Key_T, "t"},       {Qt::Key_Backspace, ""}, {Qt::Key_Delete, ""},
        {Qt::Key_F2, ""},     {Qt::Key_F4, ""},       {Qt::Key_Tab, "\t"},     {Qt::Key_Plus, "+"}};
    for (const auto& k : keys)
        all.append([k](QWidget* w) { TestUtil::key(w, k.first, Qt::NoModifier, k.second); });
    all.append([](QWidget* w) {
        QPointer<QWidget> alive = w;
        TestUtil::key(w, Qt::Key_Down, Qt::AltModifier);
        if (alive)
            choose(true);
    });
    all.append([](QWidget* w) { TestUtil::key(w, Qt::Key_A, Qt::ControlModifier); });
    return all;
}

struct Row
{
    QString name;
    std::function<QWidget*(QWidget* host)> make;
};

// Rows of classes made by code, named by their class.
template <class... W>
QVector<Row> codeRows()
{
    return {Row{QString(W::staticMetaObject.className()).section("::", -1),
                [](QWidget* host) -> QWidget* { return new W(host); }}...};
}

Row typeRow(const char* typeName)
{
    return {typeName, [typeName](QWidget* host) { return createControlByTypeName(typeName, host); }};
}

// Every registered type of these folders, the controls only code makes,
// and the Qt bases that emit.
QVector<Row> rows()
{
    QVector<Row> all;
    for (const char* type :
         {"qtbutton",     "qtcheckbox",  "qtradiobox",       "qtpicture",   "qtlabel",    "qtlabelex",  "qtprogressbar",
          "qtlcdnumber",  "qtswitch",    "qtslider",         "qtscrollbar", "qtspinbox",  "qtdedit",    "qttext",
          "qtcombobox",   "qtcontainer", "qtstackcontainer", "qtspacer",    "qtgroupbox", "qtsplitter", "qttab",
          "qtscrollview", "qtlist",      "qtlistview",       "qttree",      "qtdatagrid", "qtmenubar"})
        all.append(typeRow(type));
    return all +
           codeRows<CVNQWindowDesigner, CVNQMenu, CVNQFlowView, CVNQWindow, CVNQSubWin, QPushButton, QCheckBox,
                    QRadioButton, QLabel, QSlider, QScrollBar, QSpinBox, QLineEdit, QTextEdit, QComboBox, QTabWidget,
                    QScrollArea, QListWidget, QListView, QTreeView, QTableView, QMenuBar, QMenu, QDialog>();
}

// Signals every widget has that no user's action emits, and signals whose
// emitting Qt handler itself goes on with the deleted widget (Qt's own
// widgets do not survive them, so the toolkit's need not): the item views'
// item signals, the editors' text and cursor signals, the sliders' value
// signals, the combo box's choices, the menus' signals. The scroll view's
// scrollPosChanged comes from Qt's scroll bar handling, which goes on too.
bool userSignal(const QMetaMethod& m)
{
    static const QStringList quiet = {
        "QObject::destroyed", "QObject::objectNameChanged", "QWidget::windowTitleChanged", "QWidget::windowIconChanged",
        "QWidget::windowIconTextChanged",
        // Qt goes on after these.
        "QAbstractButton::toggled", "QLabel::linkHovered", "QAbstractSlider::valueChanged",
        "QAbstractSlider::actionTriggered", "QAbstractSlider::sliderReleased", "QAbstractSpinBox::editingFinished",
        "QSpinBox::valueChanged", "QSpinBox::textChanged", "QLineEdit::textChanged", "QLineEdit::textEdited",
        "QLineEdit::cursorPositionChanged", "QLineEdit::returnPressed", "QLineEdit::selectionChanged",
        "QTextEdit::textChanged", "QTextEdit::undoAvailable", "QTextEdit::copyAvailable", "QTextEdit::selectionChanged",
        "QTextEdit::cursorPositionChanged", "QComboBox::activated", "QComboBox::textActivated",
        "QComboBox::highlighted", "QComboBox::textHighlighted", "QComboBox::currentIndexChanged",
        "QComboBox::currentTextChanged", "QTabWidget::tabBarClicked", "QTabWidget::tabBarDoubleClicked",
        "QAbstractItemView::pressed", "QAbstractItemView::clicked", "QAbstractItemView::doubleClicked",
        "QAbstractItemView::activated", "QAbstractItemView::entered", "QAbstractItemView::viewportEntered",
        "QTreeView::expanded", "QTreeView::collapsed", "QListWidget::itemPressed", "QListWidget::itemClicked",
        "QListWidget::itemDoubleClicked", "QListWidget::itemActivated", "QListWidget::itemEntered",
        "QListWidget::itemChanged", "QListWidget::currentItemChanged", "QListWidget::currentTextChanged",
        "QListWidget::currentRowChanged", "QListWidget::itemSelectionChanged", "QMenu::aboutToHide", "QMenu::triggered",
        "QMenu::hovered", "QMenuBar::hovered", "QMenuBar::triggered", "QDialog::rejected",
        "CVNQtLib::CVNQScrollView::scrollPosChanged"};
    return m.methodType() == QMetaMethod::Signal &&
           !quiet.contains(QString("%1::%2").arg(m.enclosingMetaObject()->className(), QString(m.name())));
}

// A fresh control of row in host, shown and focused, with signal connected
// to its deletion.
QWidget* fresh(const Row& row, QWidget* host, Deleter& deleter, const QMetaMethod& signal)
{
    QWidget* w = row.make(host);
    fill(w);
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    if (auto* menu = qobject_cast<QMenu*>(w))
        menu->popup(host->mapToGlobal(QPoint(20, 20)));
    else if (!w->isWindow()) {
        w->setGeometry(10, 10, 240, 160);
        w->show();
    }
    w->setFocus();
    deleter.target = w;
    QObject::connect(w, signal, &deleter,
                     deleter.metaObject()->method(deleter.metaObject()->indexOfSlot("deleteTarget()")));
    return w;
}

class DeletedInOwnSlotFamily : public ::testing::TestWithParam<int>
{};

} // namespace

TEST_P(DeletedInOwnSlotFamily, SurvivesEverySignalOfEveryAction)
{
    TestUtil::startToolkit();
    const Row row = rows().at(GetParam());
    QWidget host;
    host.resize(260, 180);
    ASSERT_TRUE(TestUtil::showExposed(&host));
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));

    // No registered type of these folders is left out (the ribbon's and the
    // designer's are checked with their folders).
    const QVector<Row> table = rows();
    const QByteArrayList elsewhere = {"CVNQRibbonBar", "CVNQProperty", "window"};
    for (const ControlInfo* info : cvnGetAllControlInfo()) {
        const bool listed = std::any_of(table.begin(), table.end(),
                                        [&](const Row& r) { return r.name.toStdString() == info->typeName; });
        EXPECT_TRUE(listed || elsewhere.contains(info->className.c_str()) || elsewhere.contains(info->typeName.c_str()))
            << info->typeName;
    }

    Deleter deleter;
    QWidget* probe = row.make(&host);
    ASSERT_TRUE(probe) << row.name.toStdString();
    QVector<QMetaMethod> signalList;
    for (int i = 0; i < probe->metaObject()->methodCount(); ++i)
        if (userSignal(probe->metaObject()->method(i)))
            signalList.append(probe->metaObject()->method(i));
    delete probe;

    const auto all = actions();
    for (const QMetaMethod& signal : signalList) {
        bool reached = false;
        for (const auto& action : all) {
            QPointer<QWidget> w = fresh(row, &host, deleter, signal);
            action(w);
            reached |= w.isNull();
            delete w.data();
            while (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
        }
        // The actions reach every signal a control declares itself but
        // those that need a movie or row templates (checked with them).
        static const QByteArrayList elsewhere = {"movieFinished", "pressCtrl", "customControlClicked",
                                                 "headerCheckedChanged"};
        if (QByteArray(signal.enclosingMetaObject()->className()).startsWith("CVNQtLib::") &&
            !elsewhere.contains(signal.name())) {
            EXPECT_TRUE(reached) << row.name.toStdString() << " " << signal.methodSignature().constData();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryControl, DeletedInOwnSlotFamily, ::testing::Range(0, int(rows().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return rows().at(info.param).name.toStdString();
                         });

#include "DeletedInOwnSlotFamilyTest.moc"
