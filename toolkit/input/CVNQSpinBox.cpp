#include "CVNQSpinBox.h"

#include "CVNQSpinBoxImpl.h"

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQSpinBox, CVNQSpinBoxImpl, "qtspinbox")
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQSpinBox)

CVNQSpinBox::CVNQSpinBox(QWidget* parent)
    : QSpinBox(parent)
{
    m_impl.reset(new CVNQSpinBoxImpl(this, typeName()));
    setFrame(false);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    m_impl->applyTheme();
}

CVNQSpinBox::~CVNQSpinBox() = default;

} // namespace CVNQtLib

#include "moc_CVNQSpinBox.cpp"
#include "moc_CVNQSpinBoxImpl.cpp"
