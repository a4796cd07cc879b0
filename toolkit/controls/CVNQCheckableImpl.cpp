#include "CVNQCheckableImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQLanguageText.h"

#include <QAbstractButton>

namespace CVNQtLib {

const FillStyle* CVNQCheckStyles::background(bool isChecked, CtrlState state) const
{
    if (!unchecked.isValidState(state))
        return nullptr;
    return &(isChecked ? checked : unchecked).get(state);
}

void CVNQCheckStyles::setTextByState(CheckBoxTextState state, const TextStyleDesc& style)
{
    switch (state) {
    case CheckBoxTextChecked: checkedText = style; break;
    case CheckBoxTextUnchecked: uncheckedText = style; break;
    case CheckBoxTextDisabled: disabledText = style; break;
    default: break;
    }
}

const TextStyleDesc& CVNQCheckStyles::textByState(CheckBoxTextState state, CheckBoxTextState fallback) const
{
    switch (state) {
    case CheckBoxTextChecked: return checkedText;
    case CheckBoxTextUnchecked: return uncheckedText;
    case CheckBoxTextDisabled: return disabledText;
    default: return textByState(fallback, CheckBoxTextChecked);
    }
}

void CVNQCheckStyles::read(const Json::Value& node)
{
    cvnForEachStyleEntry(node, [this](const QString& name, int, int index) {
        if (unchecked.readEntry(Slots::unchecked, index, name) || checked.readEntry(Slots::checked, index, name))
            return;
        TextStyleDesc* const texts[Slots::text.states] = {&uncheckedText, &checkedText, &disabledText};
        if (Slots::text.holds(index))
            cvnLookupStyle(name, *texts[index - Slots::text.first]);
    });
}

void CVNQCheckStyles::write(Json::Value& list) const
{
    unchecked.writeCompact(list, Slots::unchecked);
    checked.writeCompact(list, Slots::checked);
    const TextStyleDesc* const texts[Slots::text.states] = {&uncheckedText, &checkedText, &disabledText};
    for (int i = 0; i < Slots::text.states; ++i)
        if (!texts[i]->name.isEmpty())
            cvnAppendStyleEntry(list, *texts[i], Slots::text.first + i);
}

CVNQCheckableImpl::CVNQCheckableImpl(QAbstractButton* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{
    // Both draw their icon at the left edge, vertically centred.
    iconStyle.hor = DockNear;
    iconStyle.ver = DockCenter;
}

QSize CVNQCheckableImpl::sizeHint(const QSize& qtHint) const
{
    if (!showText)
        return qtHint;
    const int wider =
        textWidening(m_owner, button()->text(), {styles.uncheckedText, styles.checkedText, styles.disabledText});
    return QSize(qtHint.width() + wider, qtHint.height());
}

QAbstractButton* CVNQCheckableImpl::button() const
{
    return static_cast<QAbstractButton*>(m_owner);
}

void CVNQCheckableImpl::notifyChangeLanguage()
{
    if (QAbstractButton* owner = button())
        cvnRetranslate(textKey, keyText, owner->text(), [owner](const QString& text) { owner->setText(text); });
}

void CVNQCheckableImpl::drawBackground(QPainter* painter, const QRect& rect) const
{
    if (const FillStyle* style = styles.background(button()->isChecked(), m_state))
        drawFillStyle(painter, *style, rect);
}

void CVNQCheckableImpl::readText(const Json::Value& attr)
{
    QString text;
    jsonRead(attr, "text", text);
    keyText = cvnResolveLanguageText(text, textKey);
    if (button())
        button()->setText(keyText);
}

void CVNQCheckableImpl::writeText(Json::Value& attr) const
{
    if (button() && !button()->text().isEmpty())
        jsonMember(attr, "text") = jsonUtf8(button()->text());
}

void CVNQCheckableImpl::readShowFlags(const Json::Value& attr)
{
    jsonRead(attr, "showIcon", showIcon);
    jsonRead(attr, "showText", showText);
}

void CVNQCheckableImpl::writeShowFlags(Json::Value& attr) const
{
    if (!showIcon)
        cvnWriteFlag(attr, "showIcon", false);
    if (!showText)
        cvnWriteFlag(attr, "showText", false);
}

} // namespace CVNQtLib

#include "moc_CVNQCheckableImpl.cpp"
