#include "CVNQLabelImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQLanguageText.h"
#include "CVNQStateStyles.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMovie>
#include <QPicture>
#include <QPixmap>
#include <QTextDocument>
#include <QTextLayout>
#include <QLabel>
#include <QPalette>

#include <algorithm>

namespace CVNQtLib {

void CVNQLabelStyles::read(const Json::Value& node)
{
    cvnForEachStyleEntry(
        node, [this](const QString& name, int, int index) { cvnReadSlotEntry(Slots::text, index, name, normal); });
}

void CVNQLabelStyles::write(Json::Value& node) const
{
    Json::Value list(Json::arrayValue);
    cvnWriteSlotEntry(list, Slots::text, normal);
    jsonMember(node, "style") = list.size() > 0 ? list : Json::Value();
}

bool cvnReadLabelText(const Json::Value& node, QString& text)
{
    const Json::Value* attr = cvnAttrObject(node);
    return attr && jsonRead(*attr, "text", text);
}

bool CVNQLabelHintKey::operator==(const CVNQLabelHintKey& o) const
{
    return type == o.type && alignment == o.alignment && indent == o.indent && margin == o.margin &&
           frameWidth == o.frameWidth && contents == o.contents && minimum == o.minimum && text == o.text &&
           font == o.font && resolvedFamily == o.resolvedFamily;
}

bool CVNQLabelHintKey::make(const QLabel* label, CVNQLabelHintKey& key)
{
    const QString text = label->text();
    if (text.isEmpty() || label->wordWrap() || label->movie() || label->buddy() || text.contains(QLatin1Char('&')))
        return false;
    if (!label->pixmap(Qt::ReturnByValue).isNull() || !label->picture(Qt::ReturnByValue).isNull())
        return false;
    const Qt::TextFormat format = label->textFormat();
    if (format != Qt::PlainText && (format != Qt::AutoText || Qt::mightBeRichText(text)))
        return false;
    if (label->textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable))
        return false;
    // Metrics of a pixel-size font do not depend on the screen; the family
    // it resolves to changes when fonts are added.
    const QFont& font = label->font();
    if (font.pixelSize() <= 0)
        return false;
    key.type = label->metaObject();
    key.text = text;
    key.font = font;
    key.resolvedFamily = QFontInfo(font).family();
    key.alignment = int(label->alignment());
    key.indent = label->indent();
    key.margin = label->margin();
    key.frameWidth = label->frameWidth();
    key.contents = label->contentsMargins();
    key.minimum = label->minimumSize();
    return true;
}

namespace {

struct LastLabelHint
{
    CVNQLabelHintKey key;
    QSize hint;
};

// Dropped with the application: the font it holds must not outlive Qt's
// font engines.
LastLabelHint*& lastLabelHint()
{
    static LastLabelHint* last = nullptr;
    return last;
}

void dropLastLabelHint()
{
    delete lastLabelHint();
    lastLabelHint() = nullptr;
}

} // namespace

QSize CVNQLabelImpl::sharedSizeHint(const QLabel* label)
{
    CVNQLabelHintKey key;
    if (!CVNQLabelHintKey::make(label, key))
        return label->QLabel::sizeHint();
    LastLabelHint*& last = lastLabelHint();
    if (last && key == last->key)
        return last->hint;
    const QSize hint = label->QLabel::sizeHint();
    if (!last) {
        last = new LastLabelHint;
        qAddPostRoutine(dropLastLabelHint);
    }
    last->key = key;
    last->hint = hint;
    return hint;
}

CVNQLabelImpl::CVNQLabelImpl(QLabel* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
    , fullText(QStringLiteral("label"))
{}

QLabel* CVNQLabelImpl::label() const
{
    return static_cast<QLabel*>(m_owner);
}

void CVNQLabelImpl::draw(QPainter* painter, const QRect& rect)
{
    drawText(painter, label()->text(), styles.normal, rect);
}

void CVNQLabelImpl::show(const QString& text)
{
    shownText = text;
    label()->QLabel::setText(text);
}

void CVNQLabelImpl::setText(const QString& text)
{
    fullText = text;
    show(text);
    elideShown();
}

void CVNQLabelImpl::elideShown()
{
    // A label on screen fits a new text or font to the width it has now,
    // not only after its next resize: a centred text wider than the label
    // would lose both ends. A hidden one may not have its width yet; it
    // elides when shown or resized.
    if (label()->isVisible())
        elideToWidth();
}

QString CVNQLabelImpl::wholeText() const
{
    const QString shown = label()->text();
    return shown == shownText ? fullText : shown;
}

void CVNQLabelImpl::applyTextStyle()
{
    QLabel* l = label();
    const QFont font = fontForStyle(styles.normal);
    const QColor& color = styles.normal.clr;
    // Theme and node each apply the style; the second time the widget
    // mostly holds it already, and building the palette is the cost.
    const bool same = styleApplied && !l->testAttribute(Qt::WA_StyleSheet) && color == appliedColor &&
                      font == appliedFont && font.resolve() == appliedFont.resolve() && l->font() == widgetFont &&
                      l->font().resolve() == widgetFont.resolve() && l->palette() == widgetPalette &&
                      l->palette().resolve() == widgetPalette.resolve();
    if (!same) {
        l->setFont(font);
        QPalette palette;
        palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(color));
        l->setPalette(palette);
        styleApplied = true;
        appliedFont = font;
        appliedColor = color;
        widgetFont = l->font();
        widgetPalette = l->palette();
    }

    Qt::Alignment align;
    switch (styles.normal.hor) {
    case 0: align |= Qt::AlignLeft; break;
    case 1: align |= Qt::AlignHCenter; break;
    case 2: align |= Qt::AlignRight; break;
    default: break;
    }
    switch (styles.normal.ver) {
    case 0: align |= Qt::AlignTop; break;
    case 1: align |= Qt::AlignVCenter; break;
    case 2: align |= Qt::AlignBottom; break;
    default: break;
    }
    l->setAlignment(align);
    // The elide mode or the single-line flag may be all that changed.
    elideShown();
}

void CVNQLabelImpl::elideToWidth()
{
    fullText = wholeText();
    // A style that does not shorten shows the whole text, also one that was
    // shortened under the style before.
    if (styles.normal.elideMode == Qt::ElideNone) {
        show(fullText);
        return;
    }
    // A wrapped text wraps whatever the style's single-line flag says; it
    // is shortened by lines, not to one.
    if (label()->wordWrap()) {
        show(cvnWrappedToHeight(label(), fullText));
        return;
    }
    if (!styles.normal.singleline) {
        show(fullText);
        return;
    }
    const int mode = styles.normal.elideMode;
    const Qt::TextElideMode elide =
        (mode == Qt::ElideLeft || mode == Qt::ElideMiddle) ? Qt::TextElideMode(mode) : Qt::ElideRight;
    // Always from the whole text, so widening the label shows it again; in
    // the font QLabel draws in (the style's as the widget resolved it, or
    // whatever a parent, a style sheet or code set since) and to the room
    // QLabel draws in.
    // A text as wide as the room, rounded as QLabel's size hint rounds it,
    // shows whole: a label sized to its hint must not elide its own text.
    const QLabel* l = label();
    const QFontMetrics metrics = l->fontMetrics();
    const int room = textRoom(l);
    show(metrics.horizontalAdvance(fullText) <= room ? fullText : metrics.elidedText(fullText, elide, room));
}

QString cvnWrappedToHeight(const QLabel* l, const QString& text)
{
    // QLabel draws a wrapped plain text through the style's item text, that
    // is QPainter's word-wrapped layout: lines a line spacing apart, to the
    // contents less margin and indent.
    const QFontMetrics metrics = l->fontMetrics();
    const int width = CVNQLabelImpl::textRoom(l);
    const int height = std::max(l->contentsRect().height() - 2 * l->margin(), 0);
    const int lineStep = metrics.lineSpacing();
    const int fitting = std::max(1, (height - metrics.height()) / lineStep + 1);
    const QRect whole = metrics.boundingRect(QRect(0, 0, std::max(width, 1), 1 << 20), Qt::TextWordWrap, text);
    if (width <= 0 || whole.height() <= height)
        return text;
    // Line breaks in the text break lines as QPainter breaks them.
    QString laidOut = text;
    laidOut.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(laidOut, l->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QVector<QTextLine> laid;
    while (laid.size() < fitting) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        laid << line;
    }
    layout.endLayout();
    QStringList lines;
    for (int i = 0; i + 1 < laid.size(); ++i)
        lines << text.mid(laid[i].textStart(), laid[i].textLength()).trimmed();
    // The last shown line holds the rest of the text, cut where it no
    // longer fits, so what shows is a shortening of the whole.
    const QString rest = text.mid(laid.isEmpty() ? 0 : laid.last().textStart()).simplified();
    lines << metrics.elidedText(rest, Qt::ElideRight, width);
    return lines.join(QLatin1Char('\n'));
}

int CVNQLabelImpl::textRoom(const QLabel* l)
{
    int room = l->contentsRect().width() - 2 * l->margin();
    const Qt::Alignment align = l->alignment();
    int indent = l->indent();
    // QLabel's own indent for a negative one beside a frame.
    if (indent < 0 && l->frameWidth() > 0)
        indent = l->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0 && (align & (Qt::AlignLeft | Qt::AlignRight)))
        room -= indent;
    return std::max(room, 0);
}

int CVNQLabelImpl::wholeTextWidth(const QLabel* label, int shownWidth) const
{
    const QString whole = wholeText();
    const QString shown = label->text();
    if (whole == shown)
        return shownWidth;
    const QFontMetrics metrics = label->fontMetrics();
    const int wholeAdvance = metrics.horizontalAdvance(whole);
    return std::max(shownWidth - metrics.horizontalAdvance(shown) + wholeAdvance, wholeAdvance);
}

int CVNQLabelImpl::wholeTextHeight(const QLabel* label, int width, int shownHeight) const
{
    const QString whole = wholeText();
    if (!label->wordWrap() || whole == label->text())
        return shownHeight;
    // Measured as the shortening measures it, so a label this tall shows
    // the whole text again.
    const QRect room(0, 0, std::max(width - (label->width() - textRoom(label)), 1), 1 << 20);
    const int frame = label->height() - label->contentsRect().height() + 2 * label->margin();
    return frame + label->fontMetrics().boundingRect(room, Qt::TextWordWrap, whole).height();
}

void CVNQLabelImpl::notifyChangeLanguage()
{
    cvnRetranslate(textKey, keyText, wholeText(), [this](const QString& text) { setText(text); });
}

void CVNQLabelImpl::readJson(const Json::Value& node)
{
    styles.read(node);
    // A "|->" text names a language key, so labels follow language changes
    // like buttons do.
    QString text;
    if (cvnReadLabelText(node, text)) {
        keyText = cvnResolveLanguageText(text, textKey);
        setText(keyText);
    }
    applyTextStyle();
}

void CVNQLabelImpl::writeJson(Json::Value& node) const
{
    styles.write(node);
    // The whole text, not the elided form the widget may show; also when
    // empty, since a label read without "text" shows "label".
    jsonMember(cvnOwnAttr(node, {"text"}), "text") = jsonUtf8(wholeText());
}

} // namespace CVNQtLib

#include "moc_CVNQLabelImpl.cpp"
