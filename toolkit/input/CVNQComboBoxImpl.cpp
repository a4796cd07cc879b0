#include "CVNQComboBoxImpl.h"

#include "CVNQComboBox.h"
#include "CVNQLineEditImpl.h"
#include "CVNQAttrJson.h"
#include "CVNQResourceManager.h"
#include "CVNQtLib.h"

#include <QLineEdit>
#include <QPainter>
#include <QPalette>

namespace CVNQtLib {

CVNQComboBoxImpl::CVNQComboBoxImpl(CVNQComboBox* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{}

CVNQComboBox* CVNQComboBoxImpl::combo() const
{
    return static_cast<CVNQComboBox*>(m_owner);
}

CVNQComboBoxImpl::Layout CVNQComboBoxImpl::layoutFor(const QRect& rect, int widgetHeight, bool hasIcon)
{
    Layout l;
    l.text = rect;
    if (hasIcon) {
        l.icon = QRect(5, 0, 20, widgetHeight);
        l.text.setWidth(l.text.width() - 20);
        l.text.setLeft(20);
    }
    l.button = QRect(rect.right() - rect.height(), rect.top(), rect.height(), rect.height());
    return l;
}

TextStyleDesc CVNQComboBoxImpl::indentedText(const TextStyleDesc& style)
{
    TextStyleDesc copy = style;
    if (copy.hor == 0 && copy.x < 10)
        copy.x = 10;
    return copy;
}

void CVNQComboBoxImpl::draw(QPainter* painter, const QRect& rect)
{
    if (!combo())
        return;
    QLineEdit* edit = combo()->lineEdit();
    const QMargins textMargins(10, 0, 10, 0);
    if (edit && edit->textMargins() != textMargins)
        edit->setTextMargins(textMargins);
    // An editable box leaves its text to the line edit, which takes the
    // state's text colour and font (else a dark theme hides the text). Its
    // palette is kept otherwise: its style sheet keeps it transparent.
    if (edit && m_state >= 0 && m_state < CtrlStateCount) {
        const TextStyleDesc& style = textStyles.get(m_state);
        QPalette palette = edit->palette();
        palette.setBrush(QPalette::All, QPalette::Text, QBrush(style.clr));
        edit->setPalette(palette);
        edit->setFont(CVNQLineEditImpl::fieldFont(style));
    }
    const QString text = combo()->currentText();
    const QIcon icon = combo()->itemIcon(combo()->currentIndex());
    const Layout l = layoutFor(rect, combo()->height(), !icon.isNull());

    // Centred image, no tint.
    const IconStyleDesc placement;
    if (m_state >= 0 && m_state < CtrlStateCount) {
        drawFillStyle(painter, backgrounds.get(m_state), rect);
        drawFillStyle(painter, btnBackgrounds.get(m_state), l.button);
        drawImage(painter, btnIcons.get(m_state), placement, l.button, false);
        if (!edit) {
            const QRect& t = l.text;
            drawTextAt(painter, text, indentedText(textStyles.get(m_state)), t.x(), t.y(), t.width(), t.height(), true);
        }
    }
    drawIcon(painter, icon, QSize(16, 16), placement, l.icon);
}

void CVNQComboBoxImpl::createComplete()
{
    if (!combo() || !cvnIsQtEmulator())
        return;
    combo()->addItem(QStringLiteral("Item1"));
    combo()->addItem(QStringLiteral("Item2"));
    combo()->addItem(QStringLiteral("Item3"));
    combo()->setCurrentIndex(0);
}

void CVNQComboBoxImpl::readJson(const Json::Value& n)
{
    if (!combo())
        return;
    if (QLineEdit* edit = combo()->lineEdit())
        edit->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    cvnForEachStyleEntry(n, [&](const QString& name, int, int index) {
        backgrounds.readEntry(Slots::background, index, name) || btnBackgrounds.readEntry(Slots::button, index, name) ||
            textStyles.readEntry(Slots::text, index, name) ||
            cvnReadSlotEntry(Slots::popup, index, name, popupBackground) ||
            itemBackgrounds.readEntry(Slots::item, index, name) ||
            itemTextStyles.readEntry(Slots::itemText, index, name);
    });
    const Json::Value* attrObject = cvnAttrObject(n);
    if (!attrObject)
        return;
    const Json::Value& attr = *attrObject;
    // A theme entry sets the look only: it never adds items.
    QString text;
    if (!CVNQResourceManager::getInstance()->isLoadFromThemeRes() && jsonRead(attr, "text", text)) {
        combo()->addItem(text);
        combo()->setCurrentText(text);
    }
    QString icon;
    if (jsonRead(attr, "btnIcon", icon))
        btnIcons.setAll(icon);
    if (jsonRead(attr, "btnHotIcon", icon))
        btnIcons.set(CtrlStateHover, icon);
}

void CVNQComboBoxImpl::writeJson(Json::Value& n) const
{
    if (!combo())
        return;
    Json::Value list(Json::arrayValue);
    backgrounds.writeCompact(list, Slots::background);
    btnBackgrounds.writeCompact(list, Slots::button);
    textStyles.writeCompact(list, Slots::text, textStyleLooksEqual);
    cvnWriteSlotEntry(list, Slots::popup, popupBackground);
    itemBackgrounds.writeCompact(list, Slots::item);
    itemTextStyles.writeCompact(list, Slots::itemText, textStyleLooksEqual);
    cvnSetStyleList(n, list);

    Json::Value& attr = cvnOwnAttr(n, {"text", "btnIcon", "btnHotIcon"});
    const QString current = combo()->currentText();
    if (!current.isEmpty())
        jsonMember(attr, "text") = jsonUtf8(current);
    const QString& normal = btnIcons.get(CtrlStateNormal);
    const QString& hot = btnIcons.get(CtrlStateHover);
    if (!normal.isEmpty())
        jsonMember(attr, "btnIcon") = jsonUtf8(normal);
    if (!hot.isEmpty() && hot != normal)
        jsonMember(attr, "btnHotIcon") = jsonUtf8(hot);
    cvnDropEmptyAttr(n);
}

} // namespace CVNQtLib

#include "moc_CVNQComboBoxImpl.cpp"
