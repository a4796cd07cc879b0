#include "CVNQLineEditImpl.h"

#include "CVNQAttrJson.h"
#include "CVNQPainters.h"
#include "CVNQResourceManager.h"
#include "CVNQtLib.h"

#include <QFont>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace CVNQtLib {

CVNQLineEditImpl::CVNQLineEditImpl(QWidget* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{}

QString CVNQLineEditImpl::ownerText() const
{
    const QLineEdit* edit = qobject_cast<const QLineEdit*>(m_owner);
    return edit ? edit->text() : QString();
}

void CVNQLineEditImpl::setOwnerText(const QString& text)
{
    if (QLineEdit* edit = qobject_cast<QLineEdit*>(m_owner))
        edit->setText(text);
}

QMargins CVNQLineEditImpl::ownerMargins() const
{
    return m_owner ? m_owner->contentsMargins() : QMargins();
}

void CVNQLineEditImpl::setOwnerMargins(const QMargins& margins)
{
    if (m_owner)
        m_owner->setContentsMargins(margins);
}

QRect CVNQLineEditImpl::placeholderRect(const QRect& drawRect) const
{
    return drawRect.marginsRemoved(ownerMargins());
}

void CVNQLineEditImpl::draw(QPainter* painter, const QRect& rect)
{
    // The hover look is never shown: focus decides the look.
    if (m_state == CtrlStateHover)
        m_state = CtrlStateNormal;
    drawFillStyle(painter, backgrounds.get(m_state), rect);
    if (!placeholderText.isEmpty() && ownerText().isEmpty())
        drawText(painter, placeholderText, placeholderTextStyle, placeholderRect(rect));
}

void CVNQLineEditImpl::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    if (textStyles.set(state, style) && cvnSetterAddresses(state, CtrlStateNormal))
        applyTextStyle(CtrlStateNormal);
}

void CVNQLineEditImpl::applyTextStyle(CtrlState state)
{
    if (!m_owner)
        return;
    const TextStyleDesc& style = textStyles.get(state);
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::Text, QBrush(style.clr));
    m_owner->setPalette(palette);
    m_owner->setFont(fieldFont(style));
}

QFont CVNQLineEditImpl::fieldFont(const TextStyleDesc& style)
{
    QFont font;
    if (style.size > 0)
        font.setPixelSize(cvnStylePixelSize(style.size));
    const QString global = cvnGetGlobalFontFamily();
    font.setFamily(global.isEmpty() ? style.family : global);
    return font;
}

void CVNQLineEditImpl::createComplete()
{
    applyTextStyle(CtrlStateNormal);
}

void CVNQLineEditImpl::setFocusLook(bool focused)
{
    m_state = focused ? CtrlStatePressed : CtrlStateNormal;
    if (m_owner)
        m_owner->repaint();
}

void CVNQLineEditImpl::setHoverLook(bool hovered)
{
    if (m_state != CtrlStatePressed)
        m_state = hovered ? CtrlStateHover : CtrlStateNormal;
    if (m_owner)
        m_owner->repaint();
}

void CVNQLineEditImpl::writeStyles(Json::Value& node, const CVNQStyleSlot& placeholder) const
{
    Json::Value list(Json::arrayValue);
    backgrounds.writeCompact(list, Slots::background);
    // Text styles count as alike by what they draw, not by their names.
    textStyles.writeCompact(list, Slots::text, textStyleLooksEqual);
    cvnWriteSlotEntry(list, placeholder, placeholderTextStyle);
    cvnSetStyleList(node, list);
}

void CVNQLineEditImpl::readTexts(const Json::Value& attr)
{
    if (CVNQResourceManager::getInstance()->isLoadFromThemeRes())
        return;
    QString text;
    if (jsonRead(attr, "text", text))
        setOwnerText(text);
    jsonRead(attr, "tip", placeholderText);
}

void CVNQLineEditImpl::writeTexts(Json::Value& attr) const
{
    const QString text = ownerText();
    if (!text.isEmpty())
        jsonMember(attr, "text") = jsonUtf8(text);
    if (!placeholderText.isEmpty())
        jsonMember(attr, "tip") = jsonUtf8(placeholderText);
}

void CVNQLineEditImpl::readMargins(const Json::Value& attr, bool mirror)
{
    int left = 0, top = 0;
    jsonRead(attr, "leftMargin", left);
    jsonRead(attr, "topMargin", top);
    int right = mirror ? left : 0;
    int bottom = mirror ? top : 0;
    jsonRead(attr, "rightMargin", right);
    jsonRead(attr, "bottomMargin", bottom);
    setOwnerMargins(QMargins(left, top, right, bottom));
}

void CVNQLineEditImpl::writeMargins(Json::Value& attr, bool whole) const
{
    const QMargins m = ownerMargins();
    const bool any = !m.isNull();
    if (m.left() != 0 || (whole && any))
        jsonMember(attr, "leftMargin") = m.left();
    if (m.right() != 0 || (whole && any))
        jsonMember(attr, "rightMargin") = m.right();
    if (m.top() != 0 || (whole && any))
        jsonMember(attr, "topMargin") = m.top();
    if (m.bottom() != 0 || (whole && any))
        jsonMember(attr, "bottomMargin") = m.bottom();
}

void CVNQLineEditImpl::readJson(const Json::Value& n)
{
    QLineEdit* edit = qobject_cast<QLineEdit*>(m_owner);
    if (!edit)
        return;
    cvnForEachStyleEntry(n, [&](const QString& name, int, int index) {
        backgrounds.readEntry(Slots::background, index, name);
        textStyles.readEntry(Slots::text, index, name);
        // The placeholder follows the hover text style unless an entry
        // for it comes last.
        placeholderTextStyle = textStyles.get(CtrlStateHover);
        cvnReadSlotEntry(Slots::placeholder, index, name, placeholderTextStyle);
    });
    const Json::Value* attr = cvnAttrObject(n);
    if (!attr)
        return;
    readTexts(*attr);
    bool password = false;
    if (jsonRead(*attr, "ispassord", password) && password) {
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        edit->setEchoMode(QLineEdit::Password);
    }
    jsonRead(*attr, "shortcut", hotkeyMode);
    readMargins(*attr, true);
}

void CVNQLineEditImpl::writeJson(Json::Value& n) const
{
    const QLineEdit* edit = qobject_cast<const QLineEdit*>(m_owner);
    if (!edit)
        return;
    writeStyles(n, Slots::placeholder);
    Json::Value& attr = cvnOwnAttr(
        n, {"text", "ispassord", "tip", "shortcut", "leftMargin", "rightMargin", "topMargin", "bottomMargin"});
    writeTexts(attr);
    if (edit->echoMode() == QLineEdit::Password)
        jsonMember(attr, "ispassord") = true;
    if (hotkeyMode)
        jsonMember(attr, "shortcut") = true;
    // The reader fills a missing right margin from the left one and a
    // missing bottom from the top, so margins are written as a whole.
    writeMargins(attr, true);
    cvnDropEmptyAttr(n);
}

} // namespace CVNQtLib

#include "moc_CVNQLineEditImpl.cpp"
