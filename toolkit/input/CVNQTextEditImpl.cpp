#include "CVNQTextEditImpl.h"

#include "CVNQInputJson.h"
#include "CVNQResourceManager.h"
#include "CVNQScrollBarNode.h"
#include "CVNQTextEdit.h"

namespace CVNQtLib {

CVNQTextEditImpl::CVNQTextEditImpl(CVNQTextEdit* owner, const QString& typeName)
    : CVNQLineEditImpl(owner, typeName), m_edit(owner)
{
}

bool CVNQTextEditImpl::ownerTextEmpty() const
{
    return !m_edit || m_edit->toPlainText().isEmpty();
}

QRect CVNQTextEditImpl::placeholderRect(const QRect&) const
{
    if (!m_edit)
        return QRect();
    int top = 0, bottom = 0, left = 0, right = 0;
    m_edit->getEditMargin(top, bottom, left, right);
    const QPoint viewportPos = m_edit->viewport()->pos();
    return QRect(-viewportPos, m_edit->size()).marginsRemoved(QMargins(left, top, right, bottom));
}

bool CVNQTextEditImpl::serializeJsonValue(Json::Value** node, bool read)
{
    const bool result = CVNQWidgetBaseImpl::serializeJsonValue(node, read);
    if (!node || !*node || !m_edit)
        return result;
    Json::Value& n = **node;

    if (read) {
        cvnForEachStyleEntry(n, [&](const QString& name, int, int index) {
            if (backgrounds.readEntry(0, index, name))
                return;
            if (index == 4) {
                // The normal text style is the placeholder's too.
                TextStyleDesc style = textStyles.get(CtrlStateNormal);
                if (cvnLookupStyle(name, style)) {
                    textStyles.setAll(style);
                    placeholderTextStyle = style;
                }
                return;
            }
            if (textStyles.readEntry(4, index, name))
                return;
            if (index == 8)
                cvnLookupStyle(name, placeholderTextStyle);
        });
        if (jsonHasMember(n, "attr")) {
            const Json::Value& attr = jsonGet(n, "attr");
            // A theme entry sets the look only, never the texts.
            if (!CVNQResourceManager::getInstance()->isLoadFromThemeRes()) {
                QString text;
                if (jsonRead(attr, "text", text))
                    m_edit->setText(text);
                jsonRead(attr, "tip", placeholderText);
            }
            int left = 0, right = 0, top = 0, bottom = 0;
            jsonRead(attr, "leftMargin", left);
            jsonRead(attr, "rightMargin", right);
            jsonRead(attr, "topMargin", top);
            jsonRead(attr, "bottomMargin", bottom);
            m_edit->setEditMargin(top, bottom, left, right);
        }
        CVNScrollBarNodeTarget bars;
        bars.horizontal = m_edit->getScrollBar(true);
        bars.vertical = m_edit->getScrollBar(false);
        CVNQTextEdit* edit = m_edit;
        bars.setButtonSize = [edit](bool hor, int size) { edit->setScrollbarBtnSize(hor, size); };
        bars.setThickness = [edit](bool hor, int size) { edit->setScrollbarSize(hor, size); };
        cvnReadScrollBarNodes(n, bars);
        return result;
    }

    writeStyles(n, 8);
    Json::Value attr = cvnTakeAttr(n, {"text", "tip", "leftMargin", "rightMargin", "topMargin", "bottomMargin"});
    const QString text = m_edit->toPlainText();
    if (!text.isEmpty())
        attr["text"] = jsonUtf8(text);
    if (!placeholderText.isEmpty())
        attr["tip"] = jsonUtf8(placeholderText);
    int top = 0, bottom = 0, left = 0, right = 0;
    m_edit->getEditMargin(top, bottom, left, right);
    const QMargins m(left, top, right, bottom);
    if (m.left() != 0)
        attr["leftMargin"] = m.left();
    if (m.right() != 0)
        attr["rightMargin"] = m.right();
    if (m.top() != 0)
        attr["topMargin"] = m.top();
    if (m.bottom() != 0)
        attr["bottomMargin"] = m.bottom();
    cvnPutAttr(n, attr, false);
    return result;
}

} // namespace CVNQtLib
