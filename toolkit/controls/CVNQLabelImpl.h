#pragma once

// Text styles and the whole text of CVNQLabel; the text styles and their
// JSON are shared with the extended label.

#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"
#include "CVNQNormalAndDisabled.h"

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QPalette>
#include <QSize>

class QLabel;

namespace CVNQtLib {

// The labels' two text styles: the normal one, which is drawn, and the
// disabled one, which is only kept.
struct CVNQ_EXPORT CVNQLabelStyles : CVNQNormalAndDisabled<TextStyleDesc>
{
    // The one group of the "style" list: the normal style, under one index.
    // Its property row offers the normal and the disabled state.
    struct Slots
    {
        static constexpr CVNQStyleSlot text{"TextStyle", StyleKindText, 0, 1};
    };

    // "style" entries of the text slot name the normal style; the disabled
    // one is never read.
    void read(const Json::Value& node);
    // "style": [normal name, 2, 0], or null when the normal style has no name.
    void write(Json::Value& node) const;
};

// A label's "attr"."text" when present. The text is content: a theme entry
// never replaces it, so a theme change keeps every label's text.
bool cvnReadLabelText(const Json::Value& node, QString& text);

// Everything QLabel's size hint of a plain, single-line text label depends
// on. make() refuses any other label (pixmap, rich or selectable text, word
// wrap, mnemonics, a point-size font), whose hint is never shared.
struct CVNQLabelHintKey
{
    const QMetaObject* type = nullptr;
    QString text;
    QFont font;
    QString resolvedFamily;
    int alignment = 0;
    int indent = 0;
    int margin = 0;
    int frameWidth = 0;
    QMargins contents;
    QSize minimum;

    bool operator==(const CVNQLabelHintKey& o) const;
    static bool make(const QLabel* label, CVNQLabelHintKey& key);
};

// A word-wrapped label's text as it fits the label: the whole text when all
// its lines fit the height, else the lines that fit, the last one ending
// with an ellipsis. At least one line shows.
CVNQ_EXPORT QString cvnWrappedToHeight(const QLabel* label, const QString& text);

class CVNQ_EXPORT CVNQLabelImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQLabelImpl(QLabel* owner, const QString& typeName);

    // Not used by the label's own painting (QLabel paints it); draws the
    // shown text with the normal style for callers that paint templates.
    void draw(QPainter* painter, const QRect& rect) override;
    void notifyChangeLanguage() override;

    void setText(const QString& text);
    // Font, palette and alignment of the widget from the normal style.
    void applyTextStyle();
    // The widget's text: fullText, elided to the width for a single-line
    // style (unless its elide mode is 3, none), measured in the widget's font.
    void elideToWidth();
    // elideToWidth for a label on screen.
    void elideShown();
    // The width QLabel draws a single line in: the contents less margin and
    // indent.
    static int textRoom(const QLabel* label);
    // A width measured for the widget's text, given for the whole text: a
    // label's hint is what it needs to show its text unelided.
    int wholeTextWidth(const QLabel* label, int shownWidth) const;
    // What a wrapped label of widget width width needs for its whole text,
    // given what it needs for the lines it shows.
    int wholeTextHeight(const QLabel* label, int width, int shownHeight) const;
    // fullText, or the widget's text when that was set past setText (through
    // a QLabel pointer or a connection to QLabel::setText).
    QString wholeText() const;
    // QLabel's size hint through a one-entry cache: a page's labels are all
    // sized to their hint while they still show "label" in their theme's
    // font, and laying out that text is most of what building a label costs.
    // A label the key cannot describe always asks QLabel.
    static QSize sharedSizeHint(const QLabel* label);

    CVNQLabelStyles styles;
    QString fullText;
    QString textKey;
    // The text the key gave last: a different text was set by code.
    QString keyText;
    // What this object last put into the widget.
    QString shownText;
    // The font and colour last applied, and the widget's font and palette
    // right after: while both still hold, applying the same style again
    // would change nothing.
    bool styleApplied = false;
    QFont appliedFont;
    QColor appliedColor;
    QFont widgetFont;
    QPalette widgetPalette;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;

private:
    QLabel* label() const;
    void show(const QString& text);
};

} // namespace CVNQtLib
