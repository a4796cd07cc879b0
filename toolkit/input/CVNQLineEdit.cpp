#include "CVNQLineEdit.h"

#include "CVNQControlInfo.h"
#include "CVNQLineEditImpl.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQLineEdit, CVNQLineEditImpl, "qtdedit")

CVNQLineEdit::CVNQLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
    m_impl.reset(new CVNQLineEditImpl(this, typeName()));
    m_impl->applyTheme();
    setFrame(false);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
}

CVNQLineEdit::~CVNQLineEdit() = default;

void CVNQLineEdit::setBackground(CtrlState state, const FillStyle& style)
{
    m_impl->backgrounds.set(state, style);
    update();
}

const FillStyle& CVNQLineEdit::getBackground(CtrlState state) const
{
    return m_impl->backgrounds.get(state);
}

void CVNQLineEdit::setTextStyle(CtrlState state, const TextStyleDesc& style)
{
    m_impl->setTextStyle(state, style);
}

const TextStyleDesc& CVNQLineEdit::getTextStyle(CtrlState state) const
{
    return m_impl->textStyles.get(state);
}

void CVNQLineEdit::setPlaceholderText(const QString& text)
{
    if (text == m_impl->placeholderText)
        return;
    m_impl->placeholderText = text;
    update(); // the toolkit paints it, so Qt does not know it changed
}

const QString& CVNQLineEdit::getPlaceholderText() const
{
    return m_impl->placeholderText;
}

void CVNQLineEdit::setPlaceholderTextStyle(CtrlState, const TextStyleDesc& style)
{
    m_impl->placeholderTextStyle = style;
    update();
}

const TextStyleDesc& CVNQLineEdit::getPlaceholderTextStyle(CtrlState) const
{
    return m_impl->placeholderTextStyle;
}

void CVNQLineEdit::setIsPassword(bool password)
{
    setContextMenuPolicy(password ? Qt::NoContextMenu : Qt::DefaultContextMenu);
    setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
}

bool CVNQLineEdit::getIsPassword() const
{
    return echoMode() == QLineEdit::Password;
}

void CVNQLineEdit::setHotkeyMode(bool on)
{
    m_impl->hotkeyMode = on;
}

bool CVNQLineEdit::getHotkeyMode() const
{
    return m_impl->hotkeyMode;
}

void CVNQLineEdit::setEditMargin(int top, int bottom, int left, int right)
{
    setContentsMargins(left, top, right, bottom);
}

void CVNQLineEdit::getEditMargin(int& top, int& bottom, int& left, int& right) const
{
    const QMargins m = contentsMargins();
    top = m.top();
    bottom = m.bottom();
    left = m.left();
    right = m.right();
}

QString CVNQLineEdit::shortcutText(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete)
        return QStringLiteral("");
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        QStringList parts;
        if (modifiers & Qt::ControlModifier)
            parts << QStringLiteral("CTRL");
        if (modifiers & Qt::AltModifier)
            parts << QStringLiteral("ALT");
        if (modifiers & Qt::ShiftModifier)
            parts << QStringLiteral("SHIFT");
        parts << QString(QChar('A' + (key - Qt::Key_A)));
        return parts.join(QLatin1Char('+'));
    }
    return QString();
}

void CVNQLineEdit::keyPressEvent(QKeyEvent* event)
{
    // A hidden text must not leave or enter the field through the clipboard.
    if (echoMode() != QLineEdit::Normal && (event->matches(QKeySequence::SelectAll) ||
                                            event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Copy)))
        return;
    if (!m_impl->hotkeyMode) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString text = shortcutText(event->key(), event->modifiers());
    if (!text.isNull())
        setText(text);
}

void CVNQLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // X11 pastes the selection on a middle click; in password mode that is a
    // paste like any other.
    if (event->button() == Qt::MiddleButton && echoMode() != QLineEdit::Normal) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CVNQLineEdit::dragEnterEvent(QDragEnterEvent* event)
{
    // Dropping text is pasting too.
    if (echoMode() != QLineEdit::Normal) {
        event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void CVNQLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    m_impl->setFocusLook(true);
}

void CVNQLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    m_impl->setFocusLook(false);
}

void CVNQLineEdit::enterEvent(QEvent* event)
{
    QLineEdit::enterEvent(event);
    m_impl->setHoverLook(true);
}

void CVNQLineEdit::leaveEvent(QEvent* event)
{
    QLineEdit::leaveEvent(event);
    m_impl->setHoverLook(false);
}

void CVNQLineEdit::paintEvent(QPaintEvent* event)
{
    m_impl->paint();
    m_impl->applyTextStyle(m_impl->getState());
    QLineEdit::paintEvent(event);
}

ControlInfo CVNQLineEdit::getProps()
{
    ControlInfo info = cvnMakeControlInfo(typeName(), "LineEdit", "Control LineEdit", "CVNQLineEdit", "edit");
    auto& rows = info.properties;
    cvnAppendEditLookRows<CVNQLineEdit, CVNQLineEditImpl::Slots>(rows);
    rows.push_back(cvnStringRow<QLineEdit>(QStringLiteral("Text"), PropText, &QLineEdit::setText, &QLineEdit::text));
    rows.push_back(cvnBoolRow<CVNQLineEdit>(QStringLiteral("IsPassword"), &CVNQLineEdit::setIsPassword,
                                            &CVNQLineEdit::getIsPassword));
    rows.push_back(cvnEditPlaceholderTextRow<CVNQLineEdit>());
    rows.push_back(cvnBoolRow<CVNQLineEdit>(QStringLiteral("IsShortcut"), &CVNQLineEdit::setHotkeyMode,
                                            &CVNQLineEdit::getHotkeyMode));
    rows.push_back(cvnEditMarginRow<CVNQLineEdit>());
    return info;
}

} // namespace CVNQtLib

#include "moc_CVNQLineEdit.cpp"
