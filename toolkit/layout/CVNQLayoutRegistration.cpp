#include "CVNQLayoutRegistration.h"

#include "CVNQContainer.h"
#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "CVNQGroupBox.h"
#include "CVNQScrollView.h"
#include "CVNQSpacer.h"
#include "CVNQSplitter.h"
#include "CVNQStackContainer.h"
#include "CVNQTabWidget.h"

namespace CVNQtLib {

void cvnRegisterLayoutControls()
{
    cvnRegisterControlTypes({
        {CVNQContainer::typeName(), &CVNQContainer::createCVNQContainer, &CVNQContainer::getProps, true},
        {CVNQStackContainer::typeName(), &CVNQStackContainer::createCVNQStackContainer, &CVNQStackContainer::getProps,
         true},
        {CVNQSpacer::typeName(), &CVNQSpacer::createCVNQSpacer, &CVNQSpacer::getProps, true},
        {CVNQTabWidget::typeName(), &CVNQTabWidget::createCVNQTabWidget, &CVNQTabWidget::getProps, true},
        {CVNQGroupBox::typeName(), &CVNQGroupBox::createCVNQGroupBox, &CVNQGroupBox::getProps, true},
        {CVNQSplitter::typeName(), &CVNQSplitter::createCVNQSplitter, nullptr, false},
        {CVNQScrollView::typeName(), &CVNQScrollView::createCVNQScrollView, &CVNQScrollView::getProps, true},
        {"container", &CVNQContainer::createCVNQContainer, nullptr, false},
        {"scrollview", &CVNQScrollView::createCVNQScrollView, nullptr, false},
        // Aliases.
        {"stackcontainer", &CVNQStackContainer::createCVNQStackContainer, nullptr, false},
        {"tab", &CVNQTabWidget::createCVNQTabWidget, nullptr, false},
        {"groupbox", &CVNQGroupBox::createCVNQGroupBox, nullptr, false},
        {"splitter", &CVNQSplitter::createCVNQSplitter, nullptr, false},
    });
}

} // namespace CVNQtLib
