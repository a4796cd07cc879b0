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

#include "CVNQImage.h"
#include "CVNQLCDNumber.h"
#include "CVNQLabel.h"
#include "CVNQLabelEx.h"
#include "CVNQPushButton.h"
#include "CVNQContainer.h"
#include "CVNQGroupBox.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollView.h"
#include "CVNQSpacer.h"
#include "CVNQSplitter.h"
#include "CVNQStackContainer.h"
#include "CVNQTabWidget.h"
#include "CVNQSubWin.h"
#include "CVNQWindow.h"
#include "CVNQCheckBox.h"
#include "CVNQProgressBar.h"
#include "CVNQRadioButton.h"
#include "CVNQSwitch.h"
#include "CVNQComboBox.h"
#include "CVNQLineEdit.h"
#include "CVNQSlider.h"
#include "CVNQSpinBox.h"
#include "CVNQTableView.h"

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
        {CVNQImage::typeName(), &CVNQImage::createCVNQImage, &CVNQImage::getProps, true},
        {CVNQPushButton::typeName(), &CVNQPushButton::createCVNQPushButton, &CVNQPushButton::getProps, true},
        {CVNQLabel::typeName(), &CVNQLabel::createCVNQLabel, &CVNQLabel::getProps, true},
        {CVNQLCDNumber::typeName(), &CVNQLCDNumber::createCVNQLCDNumber, &CVNQLCDNumber::getProps, true},
        {CVNQLabelEx::typeName(), &CVNQLabelEx::createCVNQLabelEx, nullptr, false},
        {"picture", &CVNQImage::createCVNQImage, nullptr, false},
        {"qtcontainer", &CVNQContainer::createCVNQContainer, &CVNQContainer::getProps, true},
        {"qtstackcontainer", &CVNQStackContainer::createCVNQStackContainer, &CVNQStackContainer::getProps, true},
        {"qtspacer", &CVNQSpacer::createCVNQSpacer, &CVNQSpacer::getProps, true},
        {"qttab", &CVNQTabWidget::createCVNQTabWidget, &CVNQTabWidget::getProps, true},
        {"qtgroupbox", &CVNQGroupBox::createCVNQGroupBox, &CVNQGroupBox::getProps, true},
        {"qtsplitter", &CVNQSplitter::createCVNQSplitter, nullptr, false},
        {"qtscrollview", &CVNQScrollView::createCVNQScrollView, &CVNQScrollView::getProps, true},
        {"qtscrollbar", &CVNQScrollBar::createCVNQScrollBar, &CVNQScrollBar::getProps, true},
        {"scrollbar", &CVNQScrollBar::createCVNQScrollBar, nullptr, false},
        {"container", &CVNQContainer::createCVNQContainer, nullptr, false},
        {"scrollview", &CVNQScrollView::createCVNQScrollView, nullptr, false},
        // after "qtlabel"
        {CVNQCheckBox::typeName(), &CVNQCheckBox::createCVNQCheckBox, &CVNQCheckBox::getProps, true},
        // after "qtlistview"
        {CVNQProgressBar::typeName(), &CVNQProgressBar::createCVNQProgressBar, &CVNQProgressBar::getProps, true},
        {CVNQRadioButton::typeName(), &CVNQRadioButton::createCVNQRadioButton, &CVNQRadioButton::getProps, true},
        // after "qtsplitter"
        {CVNQSwitch::typeName(), &CVNQSwitch::createCVNQSwitch, &CVNQSwitch::getProps, true},
        {CVNQSlider::typeName(), &CVNQSlider::createCVNQSlider, &CVNQSlider::getProps, true},
        {CVNQLineEdit::typeName(), &CVNQLineEdit::createCVNQLineEdit, &CVNQLineEdit::getProps, true},
        {CVNQComboBox::typeName(), &CVNQComboBox::createCVNQComboBox, &CVNQComboBox::getProps, true},
        {CVNQSpinBox::typeName(), &CVNQSpinBox::createCVNQSpinBox, nullptr, false},
        {CVNQTableView::typeName(), &CVNQTableView::createCVNQTableView, &CVNQTableView::getProps, true},
    };
    const std::vector<Alias> aliases = {
        {"image", &CVNQImage::createCVNQImage},
        {"button", &CVNQPushButton::createCVNQPushButton},
        {"label", &CVNQLabel::createCVNQLabel},
        {"stackcontainer", &CVNQStackContainer::createCVNQStackContainer},
        {"tab", &CVNQTabWidget::createCVNQTabWidget},
        {"groupbox", &CVNQGroupBox::createCVNQGroupBox},
        {"splitter", &CVNQSplitter::createCVNQSplitter},
        {"checkbox", &CVNQCheckBox::createCVNQCheckBox},
        {"progressbar", &CVNQProgressBar::createCVNQProgressBar},
        {"radio", &CVNQRadioButton::createCVNQRadioButton},
        {"radiobox", &CVNQRadioButton::createCVNQRadioButton},
        {"switch", &CVNQSwitch::createCVNQSwitch},
        {"slider", &CVNQSlider::createCVNQSlider},
        {"dedit", &CVNQLineEdit::createCVNQLineEdit},
        {"combobox", &CVNQComboBox::createCVNQComboBox},
        {"spinbox", &CVNQSpinBox::createCVNQSpinBox},
        {"dnumedit", &CVNQSpinBox::createCVNQSpinBox},
        {"datagrid", &CVNQTableView::createCVNQTableView},
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
    if (auto* w = qobject_cast<CVNQSubWin*>(host))
        applyPageWindowKeysTo(w, keys);
}

CVNQMenu* buildMenuFromJson(QWidget* parent, const Json::Value& root)
{
    // With the menu class present:
    //   auto* menu = new CVNQMenu(parent);
    //   menu->readJsonValue(const_cast<Json::Value*>(&root));
    //   return menu;
    Q_UNUSED(parent);
    Q_UNUSED(root);
    return nullptr;
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
