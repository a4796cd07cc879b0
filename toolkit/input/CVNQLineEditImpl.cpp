#include "CVNQLineEditImpl.h"

#include "CVNQInputJson.h"
#include "CVNQResourceManager.h"
#include "CVNQtLib.h"

#include <QFont>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace CVNQtLib {

CVNQLineEditImpl::CVNQLineEditImpl(QWidget* owner, const QString& typeName) : CVNQWidgetBaseImpl(owner, typeName)
{
}

bool CVNQLineEditImpl::ownerTextEmpty() const
{
    const QLineEdit* edit = qobject_cast<const QLineEdit*>(m_owner);
    return !edit || edit->text().isEmpty();
}

void CVNQLineEditImpl::draw(QPainter* painter, const QRect& rect)
{
    // The hover look is never shown: focus decides the look.
    if (m_state == CtrlStateHover)
        m_state = CtrlStateNormal;
    drawFillStyle(painter, backgrounds.get(m_state), rect);
    if (ownerTextEmpty() && !placeholderText.isEmpty())
        drawText(painter, placeholderText, placeholderTextStyle, placeholderRect(rect));
}

QRect CVNQLineEditImpl::placeholderRect(const QRect& drawRect) const
{
    return drawRect.marginsRemoved(m_owner ? m_owner->contentsMargins() : QMargins());
}

void CVNQLineEditImpl::applyTextStyle(CtrlState state)
{
    if (!m_owner)
        return;
    const TextStyleDesc& style = textStyles.get(state);
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::Text, QBrush(style.clr));
    m_owner->setPalette(palette);
    QFont font;
    if (style.size > 0)
        font.setPixelSize(style.size);
    const QString global = cvnGetGlobalFontFamily();
    font.setFamily(global.isEmpty() ? style.family : global);
    m_owner->setFont(font);
}

void CVNQLineEditImpl::createComplete()
{
    applyTextStyle(CtrlStateNormal);
}

void CVNQLineEditImpl::setFocusLook(bool focused)
{
    m_state = focused ? CtrlStatePressed : CtrlStateNormal;
}

void CVNQLineEditImpl::setHoverLook(bool hovered)
{
    if (m_state != CtrlStatePressed)
        m_state = hovered ? CtrlStateHover : CtrlStateNormal;
}

void CVNQLineEditImpl::writeStyles(Json::Value& node, int placeholderIndex) const
{
    Json::Value list(Json::arrayValue);
    backgrounds.writeCompact(list, 0);
    textStyles.writeCompact(list, 4);
    if (!placeholderTextStyle.name.isEmpty())
        cvnAppendStyleEntry(list, placeholderTextStyle, placeholderIndex);
    cvnSetStyleList(node, list);
}

bool CVNQLineEditImpl::serializeJsonValue(Json::Value** node, bool read)
{
    const bool result = CVNQWidgetBaseImpl::serializeJsonValue(node, read);
    if (!node || !*node)
        return result;
    Json::Value& n = **node;
    QLineEdit* edit = qobject_cast<QLineEdit*>(m_owner);
    if (!edit)
        return result;

    if (read) {
        cvnForEachStyleEntry(n, [&](const QString& name, int, int index) {
            backgrounds.readEntry(0, index, name);
            textStyles.readEntry(4, index, name);
            // The placeholder follows the hover text style unless an entry
            // for it comes last.
            placeholderTextStyle = textStyles.get(CtrlStateHover);
            if (index == 9)
                cvnLookupStyle(name, placeholderTextStyle);
        });
        if (!jsonHasMember(n, "attr"))
            return result;
        const Json::Value& attr = jsonGet(n, "attr");
        // A theme entry sets the look only, never the texts.
        const bool theme = CVNQResourceManager::getInstance()->isLoadFromThemeRes();
        QString text;
        if (!theme && jsonRead(attr, "text", text))
            edit->setText(text);
        bool password = false;
        if (jsonRead(attr, "ispassord", password) && password) {
            edit->setContextMenuPolicy(Qt::NoContextMenu);
            edit->setEchoMode(QLineEdit::Password);
        }
        if (!theme)
            jsonRead(attr, "tip", placeholderText);
        jsonRead(attr, "shortcut", hotkeyMode);
        int left = 0, top = 0;
        jsonRead(attr, "leftMargin", left);
        int right = left;
        jsonRead(attr, "rightMargin", right);
        jsonRead(attr, "topMargin", top);
        int bottom = top;
        jsonRead(attr, "bottomMargin", bottom);
        edit->setContentsMargins(left, top, right, bottom);
        return result;
    }

    writeStyles(n, 9);
    Json::Value attr = cvnTakeAttr(n, {"text", "ispassord", "tip", "shortcut", "leftMargin", "rightMargin",
                                       "topMargin", "bottomMargin"});
    if (!edit->text().isEmpty())
        attr["text"] = jsonUtf8(edit->text());
    if (edit->echoMode() == QLineEdit::Password)
        attr["ispassord"] = true;
    if (!placeholderText.isEmpty())
        attr["tip"] = jsonUtf8(placeholderText);
    if (hotkeyMode)
        attr["shortcut"] = true;
    // The reader fills a missing right margin from the left one and a
    // missing bottom from the top, so margins are written as a whole.
    const QMargins m = edit->contentsMargins();
    if (!m.isNull()) {
        attr["leftMargin"] = m.left();
        attr["rightMargin"] = m.right();
        attr["topMargin"] = m.top();
        attr["bottomMargin"] = m.bottom();
    }
    cvnPutAttr(n, attr, false);
    return result;
}

} // namespace CVNQtLib
