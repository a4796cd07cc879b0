// The start-up table and the core's other links to concrete classes.
// Each control class adds its lines here when it joins the toolkit:
//   - a ControlType row {typeName(), create function, getProps, name-set flag}
//     (getProps null for types registered without a property table);
//   - its aliases in the Alias rows;
//   - page hosts (frameless window, sub-window, canvas window) a line in
//     applyPageWindowKeys, the menu in buildMenuFromJson, the slider in
//     sliderThumbGeometry.

#include "CVNQControlTable.h"

#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"

#include "CVNQCanvas.h"
#include "CVNQCanvasWindow.h"
#include "CVNQCheckBox.h"
#include "CVNQComboBox.h"
#include "CVNQContainer.h"
#include "CVNQGroupBox.h"
#include "CVNQImage.h"
#include "CVNQLabel.h"
#include "CVNQLabelEx.h"
#include "CVNQLCDNumber.h"
#include "CVNQLineEdit.h"
#include "CVNQList.h"
#include "CVNQListView.h"
#include "CVNQMenu.h"
#include "CVNQMenuBar.h"
#include "CVNQProgressBar.h"
#include "CVNQPropertyList.h"
#include "CVNQPushButton.h"
#include "CVNQRadioButton.h"
#include "CVNQRibbonBar.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollView.h"
#include "CVNQSlider.h"
#include "CVNQSpacer.h"
#include "CVNQSpinBox.h"
#include "CVNQSplitter.h"
#include "CVNQStackContainer.h"
#include "CVNQSubWin.h"
#include "CVNQSwitch.h"
#include "CVNQTableView.h"
#include "CVNQTabWidget.h"
#include "CVNQTextEdit.h"
#include "CVNQTreeView.h"
#include "CVNQWindow.h"

#include <QWidget>

#include <vector>

namespace CVNQtLib {

namespace {

struct ControlType
{
    const char* typeName;
    CVNControlCreateFunc create;
    ControlInfo (*props)(); // null: create map only
    bool withName;
};

struct Alias
{
    const char* typeName;
    CVNControlCreateFunc create;
};

} // namespace

void registerBuiltinControlTypes()
{
    // Registration order matters only where a name is registered twice:
    // the later row wins in both maps.
    const std::vector<ControlType> types = {
        {CVNQCanvasWindow::typeName(), &CVNQCanvasWindow::createCanvas, &CVNQCanvasWindow::getProps, true},
        {CVNQContainer::typeName(), &CVNQContainer::createCVNQContainer, &CVNQContainer::getProps, true},
        {CVNQImage::typeName(), &CVNQImage::createCVNQImage, &CVNQImage::getProps, true},
        {CVNQPushButton::typeName(), &CVNQPushButton::createCVNQPushButton, &CVNQPushButton::getProps, true},
        {CVNQMenuBar::typeName(), &CVNQMenuBar::createCVNQMenuBar, &CVNQMenuBar::getProps, true},
        {CVNQLabel::typeName(), &CVNQLabel::createCVNQLabel, &CVNQLabel::getProps, true},
        {CVNQCheckBox::typeName(), &CVNQCheckBox::createCVNQCheckBox, &CVNQCheckBox::getProps, true},
        {CVNQListView::typeName(), &CVNQListView::createCVNQListView, &CVNQListView::getProps, false},
        {CVNQProgressBar::typeName(), &CVNQProgressBar::createCVNQProgressBar, &CVNQProgressBar::getProps, true},
        {CVNQRadioButton::typeName(), &CVNQRadioButton::createCVNQRadioButton, &CVNQRadioButton::getProps, true},
        {CVNQSlider::typeName(), &CVNQSlider::createCVNQSlider, &CVNQSlider::getProps, true},
        {CVNQStackContainer::typeName(), &CVNQStackContainer::createCVNQStackContainer, &CVNQStackContainer::getProps,
         true},
        {CVNQSpacer::typeName(), &CVNQSpacer::createCVNQSpacer, &CVNQSpacer::getProps, true},
        {CVNQTabWidget::typeName(), &CVNQTabWidget::createCVNQTabWidget, &CVNQTabWidget::getProps, true},
        {CVNQLineEdit::typeName(), &CVNQLineEdit::createCVNQLineEdit, &CVNQLineEdit::getProps, true},
        {CVNQComboBox::typeName(), &CVNQComboBox::createCVNQComboBox, &CVNQComboBox::getProps, true},
        {CVNQList::typeName(), &CVNQList::createCVNQList, &CVNQList::getProps, true},
        {CVNQTreeView::typeName(), &CVNQTreeView::createCVNQTreeView, &CVNQTreeView::getProps, true},
        {CVNQTableView::typeName(), &CVNQTableView::createCVNQTableView, &CVNQTableView::getProps, true},
        {CVNQGroupBox::typeName(), &CVNQGroupBox::createCVNQGroupBox, &CVNQGroupBox::getProps, true},
        {CVNQSpinBox::typeName(), &CVNQSpinBox::createCVNQSpinBox, nullptr, false},
        {CVNQLCDNumber::typeName(), &CVNQLCDNumber::createCVNQLCDNumber, &CVNQLCDNumber::getProps, true},
        {CVNQSplitter::typeName(), &CVNQSplitter::createCVNQSplitter, nullptr, false},
        {CVNQSwitch::typeName(), &CVNQSwitch::createCVNQSwitch, &CVNQSwitch::getProps, true},
        {CVNQScrollView::typeName(), &CVNQScrollView::createCVNQScrollView, &CVNQScrollView::getProps, true},
        {CVNQScrollBar::typeName(), &CVNQScrollBar::createCVNQScrollBar, &CVNQScrollBar::getProps, true},
        {CVNQTextEdit::typeName(), &CVNQTextEdit::createCVNQTextEdit, &CVNQTextEdit::getProps, true},
        {CVNQLabelEx::typeName(), &CVNQLabelEx::createCVNQLabelEx, nullptr, false},
        {CVNQPropertyList::typeName(), &CVNQPropertyList::createCVNQPropertyList, &CVNQPropertyList::getProps, true},
        {CVNQRibbonBar::typeName(), &CVNQRibbonBar::createCVNQRibbonBar, &CVNQRibbonBar::getProps, true},
        {CVNQCanvas::typeName(), &CVNQCanvas::createCVNQCanvas, nullptr, false},
        {"scrollbar", &CVNQScrollBar::createCVNQScrollBar, nullptr, false},
        {"container", &CVNQContainer::createCVNQContainer, nullptr, false},
        {"scrollview", &CVNQScrollView::createCVNQScrollView, nullptr, false},
        {"picture", &CVNQImage::createCVNQImage, nullptr, false},
    };
    const std::vector<Alias> aliases = {
        {"image", &CVNQImage::createCVNQImage},
        {"button", &CVNQPushButton::createCVNQPushButton},
        {"menubar", &CVNQMenuBar::createCVNQMenuBar},
        {"label", &CVNQLabel::createCVNQLabel},
        {"checkbox", &CVNQCheckBox::createCVNQCheckBox},
        {"listview", &CVNQListView::createCVNQListView},
        {"templateList", &CVNQListView::createCVNQListView},
        {"progressbar", &CVNQProgressBar::createCVNQProgressBar},
        {"radio", &CVNQRadioButton::createCVNQRadioButton},
        {"radiobox", &CVNQRadioButton::createCVNQRadioButton},
        {"slider", &CVNQSlider::createCVNQSlider},
        {"stackcontainer", &CVNQStackContainer::createCVNQStackContainer},
        {"tab", &CVNQTabWidget::createCVNQTabWidget},
        {"dedit", &CVNQLineEdit::createCVNQLineEdit},
        {"combobox", &CVNQComboBox::createCVNQComboBox},
        {"list", &CVNQList::createCVNQList},
        {"tree", &CVNQTreeView::createCVNQTreeView},
        {"datagrid", &CVNQTableView::createCVNQTableView},
        {"groupbox", &CVNQGroupBox::createCVNQGroupBox},
        {"spinbox", &CVNQSpinBox::createCVNQSpinBox},
        {"dnumedit", &CVNQSpinBox::createCVNQSpinBox},
        {"splitter", &CVNQSplitter::createCVNQSplitter},
        {"switch", &CVNQSwitch::createCVNQSwitch},
        {"property", &CVNQPropertyList::createCVNQPropertyList},
    };

    for (const ControlType& t : types) {
        if (t.props)
            cvnRegisterQtControl(t.typeName, t.create, t.props(), t.withName);
        else
            cvnRegisterDefaultControl(t.typeName, t.create);
    }
    for (const Alias& a : aliases)
        cvnRegisterDefaultControl(a.typeName, a.create);
}

void applyPageWindowKeys(QWidget* host, const PageWindowKeys& keys)
{
    // One line per page-host class, in the order frameless window, canvas
    // window, sub-window:
    //   if (auto* w = qobject_cast<CVNQWindow*>(host)) applyPageWindowKeysTo(w, keys);
    if (auto* w = qobject_cast<CVNQWindow*>(host))
        applyPageWindowKeysTo(w, keys);
    // The canvas window has no meta-object of its own.
    if (auto* w = dynamic_cast<CVNQCanvasWindow*>(host))
        applyPageWindowKeysTo(w, keys);
    if (auto* w = qobject_cast<CVNQSubWin*>(host))
        applyPageWindowKeysTo(w, keys);
}

CVNQMenu* buildMenuFromJson(QWidget* parent, const Json::Value& root)
{
    // Themed first, so the file's styles win over the "qtmenu" entry.
    auto* menu = new CVNQMenu(parent);
    Json::Value node = root;
    menu->readJsonValue(&node);
    return menu;
}

bool sliderThumbGeometry(const QWidget* widget, int& sliderLength, QSize& thumbSize, bool& horizontal)
{
    if (auto* s = qobject_cast<const CVNQSlider*>(widget)) {
        sliderLength = s->getSliderLength();
        thumbSize = s->getThumbBtnSize();
        horizontal = s->orientation() == Qt::Horizontal;
        return true;
    }
    return false;
}

} // namespace CVNQtLib
