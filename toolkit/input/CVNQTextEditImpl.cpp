#include "CVNQTextEditImpl.h"

#include "CVNQAttrJson.h"
#include "CVNQScrollBarNode.h"
#include "CVNQTextEdit.h"

#include <QPainter>

namespace CVNQtLib {

CVNQTextEditImpl::CVNQTextEditImpl(CVNQTextEdit* owner, const QString& typeName)
    : CVNQLineEditImpl(owner, typeName)
{}

CVNQTextEdit* CVNQTextEditImpl::textEdit() const
{
    return static_cast<CVNQTextEdit*>(m_owner);
}

QString CVNQTextEditImpl::ownerText() const
{
    return textEdit() ? textEdit()->toPlainText() : QString();
}

void CVNQTextEditImpl::setOwnerText(const QString& text)
{
    if (textEdit())
        textEdit()->setText(text);
}

QMargins CVNQTextEditImpl::ownerMargins() const
{
    int top = 0, bottom = 0, left = 0, right = 0;
    if (textEdit())
        textEdit()->getEditMargin(top, bottom, left, right);
    return QMargins(left, top, right, bottom);
}

void CVNQTextEditImpl::setOwnerMargins(const QMargins& m)
{
    if (textEdit())
        textEdit()->setEditMargin(m.top(), m.bottom(), m.left(), m.right());
}

void CVNQTextEditImpl::paintViewport(QWidget* viewport)
{
    if (!m_owner || !viewport)
        return;
    // Only focus and hover drive the state: disabling leaves it as it is.
    applyTextStyle(m_state);
    QPainter painter(viewport);
    draw(&painter, viewport->rect());
}

void CVNQTextEditImpl::readJson(const Json::Value& n)
{
    if (!textEdit())
        return;
    cvnForEachStyleEntry(n, [&](const QString& name, int, int index) {
        if (index == Slots::text.first) {
            // The normal text style is the placeholder's too.
            TextStyleDesc style = textStyles.get(CtrlStateNormal);
            if (cvnLookupStyle(name, style)) {
                textStyles.setAll(style);
                placeholderTextStyle = style;
            }
            return;
        }
        backgrounds.readEntry(Slots::background, index, name);
        textStyles.readEntry(Slots::text, index, name);
        cvnReadSlotEntry(Slots::placeholder, index, name, placeholderTextStyle);
    });
    if (const Json::Value* attr = cvnAttrObject(n)) {
        readTexts(*attr);
        readMargins(*attr, false);
    }
    // The bars are configured whether or not "attr" is there.
    CVNScrollBarNodeTarget bars;
    bars.horizontal = textEdit()->getScrollBar(true);
    bars.vertical = textEdit()->getScrollBar(false);
    CVNQTextEdit* edit = textEdit();
    bars.setButtonSize = [edit](bool hor, int size) { edit->setScrollbarBtnSize(hor, size); };
    bars.setThickness = [edit](bool hor, int size) { edit->setScrollbarSize(hor, size); };
    cvnReadScrollBarNodes(n, bars);
}

void CVNQTextEditImpl::writeJson(Json::Value& n) const
{
    if (!textEdit())
        return;
    writeStyles(n, Slots::placeholder);
    Json::Value& attr = cvnOwnAttr(n, {"text", "tip", "leftMargin", "rightMargin", "topMargin", "bottomMargin"});
    writeTexts(attr);
    writeMargins(attr, false);
    cvnDropEmptyAttr(n);
}

void CVNQTextEditImpl::createComplete()
{
    CVNQLineEditImpl::createComplete();
    cvnDeleteBuiltScrollBarNodes(m_owner);
}

} // namespace CVNQtLib

#include "moc_CVNQTextEditImpl.cpp"
