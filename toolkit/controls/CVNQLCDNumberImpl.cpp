#include "CVNQLCDNumberImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQResourceManager.h"
#include "CVNQStateStyles.h"
#include "CVNQStyleDefs.h"

#include <QLCDNumber>

namespace CVNQtLib {

CVNQLCDNumberImpl::CVNQLCDNumberImpl(QLCDNumber* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{}

QLCDNumber* CVNQLCDNumberImpl::lcd() const
{
    return static_cast<QLCDNumber*>(m_owner);
}

void CVNQLCDNumberImpl::draw(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, background, rect);
    if (!color.isValid())
        return;
    // QLCDNumber draws its digits in the palette's WindowText colour. The
    // inactive group gets it too, so the digits keep their colour when the
    // window loses focus.
    QPalette palette = lcd()->palette();
    if (palette.color(QPalette::Active, QPalette::WindowText) != color ||
        palette.color(QPalette::Inactive, QPalette::WindowText) != color) {
        palette.setBrush(QPalette::Active, QPalette::WindowText, QBrush(color));
        palette.setBrush(QPalette::Inactive, QPalette::WindowText, QBrush(color));
        lcd()->setPalette(palette);
    }
}

void CVNQLCDNumberImpl::readJson(const Json::Value& node)
{
    cvnForEachStyleEntry(node, [this](const QString& name, int, int index) {
        cvnReadSlotEntry(Slots::background, index, name, background);
    });
    const Json::Value* attr = cvnAttrObject(node);
    if (!attr)
        return;
    QLCDNumber* l = lcd();
    int digits = 0;
    if (jsonRead(*attr, "digitCount", digits))
        l->setDigitCount(digits);
    const Json::Value& c = jsonGet(*attr, "color");
    if (c.isString())
        color = cvnColorFromText(jsonToStdString(c), true); // the alpha the writer wrote
    else if (jsonIsNumber(c))
        color = QColor(QRgb(jsonToUInt(c)));
    std::string text;
    // The shown number is content: a theme entry never replaces it.
    if (!CVNQResourceManager::getInstance()->isLoadFromThemeRes() && jsonRead(*attr, "text", text))
        l->display(QString::fromLatin1(text.data(), int(text.size())));
}

void CVNQLCDNumberImpl::writeJson(Json::Value& node) const
{
    QLCDNumber* l = lcd();
    Json::Value list(Json::arrayValue);
    cvnWriteSlotEntry(list, Slots::background, background);
    cvnSetStyleList(node, list);
    Json::Value& attr = cvnOwnAttr(node, {"digitCount", "color", "text"});
    if (l->digitCount() != 0)
        jsonMember(attr, "digitCount") = l->digitCount();
    // A colour set but not painted yet is not in the palette: write it.
    const QColor written = color.isValid() ? color : l->palette().color(QPalette::Active, QPalette::WindowText);
    jsonMember(attr, "color") = cvnColorToText(written);
    jsonMember(attr, "text") = jsonUtf8(QStringLiteral("%1").arg(l->value()));
}

} // namespace CVNQtLib

#include "moc_CVNQLCDNumberImpl.cpp"
