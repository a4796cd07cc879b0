#include "CVNQGroupBoxImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQLanguageText.h"
#include "CVNQResourceManager.h"
#include "CVNQStateStyles.h"

#include <QPainter>
#include <QPolygon>

namespace CVNQtLib {

CVNQGroupBoxImpl::CVNQGroupBoxImpl(CVNQGroupBox* owner)
    : CVNQControlImpl(owner, QString::fromLatin1(CVNQGroupBox::typeName()))
{}

void CVNQGroupBoxImpl::draw(QPainter* painter, const QRect& rect)
{
    const int L = rect.left();
    const int T = rect.top();
    const int R = rect.left() + rect.width() - 1;
    const QSize textSize = getTextSize(text, textStyle, m_owner);
    const int tw = showText ? textSize.width() : 0;
    const int th = textSize.height();
    const int m = T + th / 2;
    const int b = T + rect.height() - lineSize;

    painter->save();
    painter->setPen(QPen(lineColor, 1));
    painter->setBrush(Qt::NoBrush);
    // An open outline: the top edge leaves a gap where the title stands.
    QPolygon outline;
    outline << QPoint(L + 5, m) << QPoint(L, m) << QPoint(L, b) << QPoint(R - 1, b) << QPoint(R - 1, m)
            << QPoint(L + 9 + tw, m);
    painter->drawPolyline(outline);
    painter->restore();

    if (showText)
        drawText(painter, text, textStyle, QRect(L + 7, T, tw + 5, th));
}

void CVNQGroupBoxImpl::notifyChangeLanguage()
{
    if (textKey.isEmpty())
        return;
    text = cvnTranslateKey(textKey);
    if (m_owner)
        m_owner->update();
}

static QColor colorFromJson(const Json::Value& v, const QColor& fallback)
{
    if (v.isString())
        return cvnColorFromText(jsonToStdString(v), true);
    if (jsonIsNumber(v)) {
        // A number is an RGB value; its top byte is not an alpha.
        QColor c = QColor::fromRgb(QRgb(jsonToUInt(v)));
        c.setAlpha(255);
        return c;
    }
    return fallback;
}

void CVNQGroupBoxImpl::readJson(const Json::Value& n)
{
    cvnForEachStyleEntry(n, [this](const QString& name, int, int index) {
        cvnReadSlotEntry(Slots::background, index, name, background) ||
            cvnReadSlotEntry(Slots::text, index, name, textStyle);
    });
    // A node without "attr" reads every key as empty or 0; in an "attr",
    // each key present is read, with or without a title beside it.
    if (cvnThemeEntryWithoutAttr(n))
        return;
    const Json::Value& attr = jsonGet(n, "attr");
    if (!attr.isObject()) {
        textKey.clear();
        text.clear();
        lineSize = 0;
        lineColor = QColor(0, 0, 0);
        showText = false;
        return;
    }
    QString title;
    if (!CVNQResourceManager::getInstance()->isLoadFromThemeRes() && jsonRead(attr, "text", title)) {
        textKey.clear();
        text = cvnResolveLanguageText(title, textKey);
    }
    jsonRead(attr, "size", lineSize);
    if (attr.isMember("color"))
        lineColor = colorFromJson(jsonGet(attr, "color"), lineColor);
    jsonRead(attr, "showText", showText);
}

void CVNQGroupBoxImpl::writeJson(Json::Value& n) const
{
    Json::Value list(Json::arrayValue);
    cvnWriteSlotEntry(list, Slots::background, background);
    cvnWriteSlotEntry(list, Slots::text, textStyle);
    cvnSetStyleList(n, list);

    // Like the buttons, the shown title is written, not its language key.
    cvnWriteOwnAttr(n, "text", !text.isEmpty(), jsonUtf8(text));
    // Line size and colour are always written: left out, a size of 0 or a
    // transparent black line would read back as the defaults.
    cvnWriteOwnAttr(n, "size", true, lineSize);
    cvnWriteOwnAttr(n, "color", true, cvnColorToText(lineColor));
    cvnWriteOwnAttr(n, "showText", !showText, 0);
}

} // namespace CVNQtLib

#include "moc_CVNQGroupBoxImpl.cpp"
