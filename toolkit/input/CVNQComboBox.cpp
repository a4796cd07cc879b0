#include "CVNQComboBox.h"

#include "CVNQComboBoxImpl.h"
#include "CVNQComboList.h"
#include "CVNQControlInfo.h"
#include "CVNQOutlives.h"

#include "CVNQPainters.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainterPath>
#include <QRegion>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQComboBox, CVNQComboBoxImpl, "qtcombobox")
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQComboBox)

CVNQComboBox::CVNQComboBox(QWidget* parent)
    : QComboBox(parent)
{
    m_impl.reset(new CVNQComboBoxImpl(this, typeName()));
    m_list = new CVNQComboList(m_impl.get());
    m_impl->applyTheme();
    // The combo box owns the list from here on.
    setView(m_list);
    if (auto* container = qobject_cast<QFrame*>(m_list->parentWidget()))
        container->setFrameStyle(QFrame::NoFrame);
}

CVNQComboBox::~CVNQComboBox()
{
    // The list outlives the styles by a moment (Qt deletes it with the
    // popup container); it must not paint from them then.
    if (m_list)
        m_list->setImpl(nullptr);
}

CVNQComboList* CVNQComboBox::getPopupList() const
{
    return m_list;
}

void CVNQComboBox::setBackground(CtrlState state, const FillStyle& style)
{
    m_impl->backgrounds.setOrNormal(state, style);
    update();
}

const FillStyle& CVNQComboBox::getBackground(CtrlState state) const
{
    return m_impl->backgrounds.get(state);
}

void CVNQComboBox::setBtnBackground(CtrlState state, const FillStyle& style)
{
    m_impl->btnBackgrounds.setOrNormal(state, style);
    update();
}

const FillStyle& CVNQComboBox::getBtnBackground(CtrlState state) const
{
    return m_impl->btnBackgrounds.get(state);
}

void CVNQComboBox::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->textStyles.setOrNormal(state, style);
    update();
}

const TextStyleDesc& CVNQComboBox::getTextStyle(CtrlState state) const
{
    return m_impl->textStyles.get(state);
}

void CVNQComboBox::setItemBackground(CtrlState state, const FillStyle& style)
{
    m_impl->itemBackgrounds.setOrNormal(state, style);
}

const FillStyle& CVNQComboBox::getItemBackground(CtrlState state) const
{
    return m_impl->itemBackgrounds.get(state);
}

void CVNQComboBox::setItemTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->itemTextStyles.setOrNormal(state, style);
}

const TextStyleDesc& CVNQComboBox::getItemTextStyle(CtrlState state) const
{
    return m_impl->itemTextStyles.get(state);
}

void CVNQComboBox::setPopupBackground(CtrlState, const FillStyle& style)
{
    m_impl->popupBackground = style;
}

const FillStyle& CVNQComboBox::getPopupBackground(CtrlState) const
{
    return m_impl->popupBackground;
}

void CVNQComboBox::setBtnIcon(CtrlState state, const QString& image)
{
    m_impl->btnIcons.setOrNormal(state, image);
    update();
}

const QString& CVNQComboBox::getBtnIcon(CtrlState state) const
{
    return m_impl->btnIcons.get(state);
}

void CVNQComboBox::setNormalBtnIcon(const QString& image)
{
    setBtnIcon(CtrlStateNormal, image);
}

const QString& CVNQComboBox::getNormalBtnIcon() const
{
    return getBtnIcon(CtrlStateNormal);
}

void CVNQComboBox::setHotBtnIcon(const QString& image)
{
    setBtnIcon(CtrlStateHover, image);
}

const QString& CVNQComboBox::getHotBtnIcon() const
{
    return getBtnIcon(CtrlStateHover);
}

void CVNQComboBox::setItemHeight(int height)
{
    m_impl->itemHeight = height;
}

int CVNQComboBox::getItemHeight() const
{
    return m_impl->itemHeight;
}

void CVNQComboBox::showPopup()
{
    QComboBox::showPopup();
    // The popup is a window of its own: outside a rounded background its
    // corners would show the window's plain (light) fill. Qt sets or clears
    // the window's mask while showing it, so the shape is set afterwards.
    QWidget* popup = m_list ? m_list->window() : nullptr;
    if (!popup || popup == window())
        return;
    const FillRes& fill = m_impl->popupBackground.fill;
    if (!m_impl->popupBackground.valid || !m_impl->popupBackground.useColor || fill.round <= 0) {
        popup->clearMask();
        return;
    }
    const QPainterPath shape = makeRoundedPath(QRectF(popup->rect()), fill.round, fill.roundTopLeft, fill.roundTopRight,
                                               fill.roundBottomRight, fill.roundBottomLeft);
    popup->setMask(QRegion(shape.toFillPolygon().toPolygon()));
}

void CVNQComboBox::hidePopup()
{
    QComboBox::hidePopup();
    // The press that opened the popup set the pressed look after the popup
    // took the mouse; the release that chose a row went to the popup. The
    // box would keep looking pressed until the mouse next left it.
    if (m_impl->getState() != CtrlStatePressed)
        return;
    m_impl->setHovered(underMouse());
    m_impl->setState(underMouse() ? CtrlStateHover : CtrlStateNormal);
    update();
}

void CVNQComboBox::enterEvent(QEvent* event)
{
    QWidget::enterEvent(event);
    m_impl->enterEvent(event);
}

void CVNQComboBox::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_impl->leaveEvent(event);
}

void CVNQComboBox::mousePressEvent(QMouseEvent* event)
{
    // Qt's handlers may emit (the pop-up's highlighted row); a slot may
    // delete the box.
    if (cvnOutlives(this, [&] { QComboBox::mousePressEvent(event); }))
        m_impl->mousePressEvent(event);
}

void CVNQComboBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (cvnOutlives(this, [&] { QComboBox::mouseReleaseEvent(event); }))
        m_impl->mouseReleaseEvent(event);
}

void CVNQComboBox::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
}

ControlInfo CVNQComboBox::getProps()
{
    ControlInfo info = cvnMakeControlInfo(typeName(), "ComboBox", "Control ComboBox", "CVNQComboBox", "combo");
    auto& rows = info.properties;
    using Slots = CVNQComboBoxImpl::Slots;
    rows.push_back(cvnLineRow());
    rows.push_back(
        cvnStyleRow<CVNQComboBox>(Slots::background, &CVNQComboBox::setBackground, &CVNQComboBox::getBackground));
    rows.push_back(
        cvnStyleRow<CVNQComboBox>(Slots::button, &CVNQComboBox::setBtnBackground, &CVNQComboBox::getBtnBackground));
    rows.push_back(cvnStyleRow<CVNQComboBox>(Slots::text, &CVNQComboBox::setTextStyle, &CVNQComboBox::getTextStyle));
    rows.push_back(
        cvnStyleRow<CVNQComboBox>(Slots::popup, &CVNQComboBox::setPopupBackground, &CVNQComboBox::getPopupBackground));
    rows.push_back(
        cvnStyleRow<CVNQComboBox>(Slots::item, &CVNQComboBox::setItemBackground, &CVNQComboBox::getItemBackground));
    rows.push_back(
        cvnStyleRow<CVNQComboBox>(Slots::itemText, &CVNQComboBox::setItemTextStyle, &CVNQComboBox::getItemTextStyle));
    rows.push_back(cvnStringRow<QComboBox>(QStringLiteral("Context"), PropText, &QComboBox::setCurrentText,
                                           &QComboBox::currentText));
    rows.push_back(cvnStringRow<CVNQComboBox>(QStringLiteral("Icon"), PropImage, &CVNQComboBox::setNormalBtnIcon,
                                              &CVNQComboBox::getNormalBtnIcon));
    rows.push_back(cvnStringRow<CVNQComboBox>(QStringLiteral("HotIcon"), PropImage, &CVNQComboBox::setHotBtnIcon,
                                              &CVNQComboBox::getHotBtnIcon));
    return info;
}

} // namespace CVNQtLib

#include "moc_CVNQComboBox.cpp"
