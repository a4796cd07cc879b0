#include "CVNQRadioButtonImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQPainters.h"
#include "CVNQResourceManager.h"

#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QSvgRenderer>
#include <algorithm>

namespace CVNQtLib {

CVNQRadioButtonImpl::CVNQRadioButtonImpl(QRadioButton* owner, const QString& typeName)
    : CVNQCheckableImpl(owner, typeName)
{
    iconStyle.x = 10;
    // Unselected backgrounds start invalid; selected ones keep the default
    // (valid) fill, so a checked button shows without a theme.
    FillStyle none;
    none.valid = false;
    styles.unchecked.setAll(none);
}

QSize CVNQRadioButtonImpl::fitIconSize(const QSize& size, const QRect& rect)
{
    if (!size.isValid() || size.isEmpty() || rect.width() <= 0 || rect.height() <= 0)
        return QSize();
    // An icon never takes more than half the button's height.
    return size.scaled(std::max(rect.width(), 1), std::max(rect.height() / 2, 1), Qt::KeepAspectRatio);
}

void CVNQRadioButtonImpl::drawAlignedIcon(QPainter* painter, const QString& name, const IconStyleDesc& placement,
                                          const QRect& rect, bool gray)
{
    if (name.isEmpty())
        return;
    const QSize natural = getImageSize(name, gray);
    const QSize fitted = fitIconSize(natural, rect);
    if (!natural.isValid() || !fitted.isValid())
        return;
    if (fitted == natural) {
        drawImage(painter, name, placement, rect, gray);
        return;
    }

    auto place = [](int align, int start, int extent, int size) {
        switch (align) {
        case DockNear: return start;
        case DockCenter: return start + (extent - size) / 2;
        case DockFar: return start + extent - size;
        default: return 0;
        }
    };
    const QRect target(place(placement.hor, rect.x(), rect.width(), fitted.width()) + placement.x,
                       place(placement.ver, rect.y(), rect.height(), fitted.height()) + placement.y, fitted.width(),
                       fitted.height());

    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    if (name.trimmed().endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer* svg = rm->getSvgRenderer(name);
        if (!svg || !svg->isValid())
            return;
        if (!gray) {
            svg->render(painter, QRectF(target));
            return;
        }
        // Only the part that shows is made: a huge button fits a huge icon.
        cvnDrawRenderedSvg(painter, name, target, QColor(), true);
        return;
    }
    const QImage* image = rm->getImage(name, gray);
    if (image && image->width() != 0 && image->height() != 0)
        painter->drawImage(target, *image);
}

QString CVNQRadioButtonImpl::shownIcon() const
{
    QAbstractButton* owner = button();
    const bool checked = owner && owner->isChecked();
    if (!disableIcon.isEmpty() && owner && !owner->isEnabled())
        return disableIcon;
    const QString& hot = checked ? checkedHotIcon : uncheckHotIcon;
    if (!hot.isEmpty() && m_state == CtrlStateHover)
        return hot;
    return checked ? checkedIcon : uncheckIcon;
}

QRect CVNQRadioButtonImpl::textRect(const QRect& rect) const
{
    // The room is that of the state's own icon, without the fallbacks the
    // drawing uses, and is taken also when the icon is hidden.
    const bool checked = button() && button()->isChecked();
    QString name;
    switch (m_state) {
    case CtrlStateNormal:
    case CtrlStatePressed: name = checked ? checkedIcon : uncheckIcon; break;
    case CtrlStateHover: name = checked ? checkedHotIcon : uncheckHotIcon; break;
    case CtrlStateDisabled: name = disableIcon; break;
    default: break;
    }
    const QSize fitted = fitIconSize(getImageSize(name, false), rect);
    return fitted.isValid() ? rect.adjusted(fitted.width() + 2, 0, 0, 0) : rect;
}

void CVNQRadioButtonImpl::draw(QPainter* painter, const QRect& rect)
{
    QAbstractButton* owner = button();
    if (!painter || !owner)
        return;
    const bool checked = owner->isChecked();
    const bool enabled = owner->isEnabled();
    const CtrlState state = m_state;
    const QRect textArea = textRect(rect);

    // Background, icon, text.
    drawBackground(painter, rect);

    if (showIcon) {
        // Without an icon of its own a disabled button grays its normal one.
        const bool ownDisabledIcon = !disableIcon.isEmpty() && !enabled;
        drawAlignedIcon(painter, shownIcon(), iconStyle, rect, !enabled && !ownDisabledIcon);
    }

    if (showText && state >= CtrlStateNormal && state <= CtrlStateDisabled) {
        const TextStyleDesc& style = state == CtrlStateDisabled ? styles.disabledText : styles.text(checked);
        drawText(painter, owner->text(), style, textArea);
    }
}

void CVNQRadioButtonImpl::readJson(const Json::Value& node)
{
    const bool fromTheme = CVNQResourceManager::getInstance()->isLoadFromThemeRes();
    styles.read(node);

    const Json::Value* attr = cvnAttrObject(node);
    if (!attr)
        return;
    jsonRead(*attr, "pushlike", pushlike);
    readShowFlags(*attr);
    if (!fromTheme) {
        jsonRead(*attr, "iconPath", uncheckIcon);
        jsonRead(*attr, "hotIconPath", uncheckHotIcon);
        jsonRead(*attr, "siconPath", checkedIcon);
        jsonRead(*attr, "sHotIconPath", checkedHotIcon);
    }
    // -1 stands for "keep the alignment".
    int align = -1;
    if (jsonRead(*attr, "iconHor", align) && align != -1)
        iconStyle.hor = align;
    align = -1;
    if (jsonRead(*attr, "iconVer", align) && align != -1)
        iconStyle.ver = align;
    if (!fromTheme)
        readText(*attr);
    jsonRead(*attr, "iconX", iconStyle.x);
    jsonRead(*attr, "iconY", iconStyle.y);
}

void CVNQRadioButtonImpl::writeJson(Json::Value& node) const
{
    Json::Value list(Json::arrayValue);
    styles.write(list);
    jsonMember(node, "style") = list.size() > 0 ? list : Json::Value();

    Json::Value& attr = cvnOwnAttr(
        node, {"pushlike", "showIcon", "showText", "iconPath", "hotIconPath", "siconPath", "sHotIconPath", "text"});
    if (pushlike)
        cvnWriteFlag(attr, "pushlike", true);
    writeShowFlags(attr);
    const std::pair<const char*, const QString*> icons[] = {{"iconPath", &uncheckIcon},
                                                            {"hotIconPath", &uncheckHotIcon},
                                                            {"siconPath", &checkedIcon},
                                                            {"sHotIconPath", &checkedHotIcon}};
    for (const auto& icon : icons)
        if (!icon.second->isEmpty())
            jsonMember(attr, icon.first) = jsonUtf8(*icon.second);
    IconStyleDesc reference;
    reference.hor = DockNear;
    reference.ver = DockCenter;
    cvnWriteIconPlacement(attr, iconStyle, reference, false);
    // Always written: the default offset is 10, so an omitted 0 would read
    // back as 10.
    jsonMember(attr, "iconX") = iconStyle.x;
    writeText(attr);
}

} // namespace CVNQtLib

#include "moc_CVNQRadioButtonImpl.cpp"
