#include "CVNQCheckBoxImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"

#include <QCheckBox>
#include <QPainter>

namespace CVNQtLib {

const QString CVNQCheckBoxImpl::kUncheckImage = QStringLiteral("IDB_UNCHECK");
const QString CVNQCheckBoxImpl::kCheckedImage = QStringLiteral("IDB_CHECKED");

namespace {

FillStyle invalidStyle()
{
    FillStyle s;
    s.valid = false;
    return s;
}

// A hot icon follows its normal icon while it still holds the built-in image.
void setFollowedIcon(QString& icon, QString& hotIcon, const QString& builtin, const QString& name)
{
    if (hotIcon == builtin)
        hotIcon = name;
    icon = name;
}

} // namespace

CVNQCheckBoxImpl::CVNQCheckBoxImpl(QCheckBox* owner, const QString& typeName)
    : CVNQCheckableImpl(owner, typeName)
{
    // No background until a theme or a setter supplies one.
    styles.unchecked.setAll(invalidStyle());
    styles.checked.setAll(invalidStyle());
}

void CVNQCheckBoxImpl::setUncheckIcon(const QString& name)
{
    setFollowedIcon(uncheckIcon, uncheckHotIcon, kUncheckImage, name);
}

void CVNQCheckBoxImpl::setCheckedIcon(const QString& name)
{
    setFollowedIcon(checkedIcon, checkedHotIcon, kCheckedImage, name);
}

QString CVNQCheckBoxImpl::iconFor(bool checked, CtrlState state) const
{
    switch (state) {
    case CtrlStateNormal:
    case CtrlStatePressed: return checked ? checkedIcon : uncheckIcon;
    case CtrlStateHover: return checked ? checkedHotIcon : uncheckHotIcon;
    case CtrlStateDisabled: return checked ? disableCheckIcon : disableUncheckIcon;
    default: return QString();
    }
}

int CVNQCheckBoxImpl::textOffset() const
{
    // The unchecked icon reserves the room in every state, so the text does
    // not jump when the box is checked or hovered.
    if (!showIcon || iconStyle.hor != DockNear || uncheckIcon.isEmpty())
        return 0;
    const QSize size = getImageSize(uncheckIcon, false);
    return size.isValid() ? iconStyle.x + size.width() : 0;
}

void CVNQCheckBoxImpl::draw(QPainter* painter, const QRect& rect)
{
    QAbstractButton* owner = button();
    if (!painter || !owner)
        return;
    const bool checked = owner->isChecked();

    // Background, text, icon: the icon lies over the text.
    drawBackground(painter, rect);

    if (showText) {
        const int offset = textOffset();
        const TextStyleDesc& style = owner->isEnabled() ? styles.text(checked) : styles.disabledText;
        drawTextAt(painter, owner->text(), style, rect.x() + offset, rect.y(), rect.width() - offset, rect.height(),
                   true);
    }

    if (showIcon) {
        const QString icon = iconFor(checked, m_state);
        if (!icon.isEmpty())
            drawImage(painter, icon, iconStyle, rect, false);
    }
}

void CVNQCheckBoxImpl::readJson(const Json::Value& node)
{
    styles.read(node);

    const Json::Value* attr = cvnAttrObject(node);
    if (!attr)
        return;
    cvnReadIconPlacement(*attr, iconStyle, false);
    readShowFlags(*attr);
    readText(*attr);

    // A normal icon read alone leaves its hot icon as it is.
    jsonRead(*attr, "iconPath", uncheckIcon);
    if (jsonRead(*attr, "hotIconPath", uncheckHotIcon) && uncheckHotIcon == kUncheckImage)
        uncheckHotIcon = uncheckIcon;
    jsonRead(*attr, "siconPath", checkedIcon);
    if (jsonRead(*attr, "sHotIconPath", checkedHotIcon) && checkedHotIcon == kCheckedImage)
        checkedHotIcon = checkedIcon;
    jsonRead(*attr, "disableIconPath", disableUncheckIcon);
    jsonRead(*attr, "disableSIconPath", disableCheckIcon);
}

void CVNQCheckBoxImpl::writeJson(Json::Value& node) const
{
    Json::Value list(Json::arrayValue);
    styles.write(list);
    cvnSetStyleList(node, list);

    Json::Value& attr = cvnOwnAttr(node, {"showIcon", "showText", "text", "iconPath", "hotIconPath", "siconPath",
                                          "sHotIconPath", "disableIconPath", "disableSIconPath"});
    cvnWriteIconPlacement(attr, iconStyle, IconStyleDesc(), false);
    // Always written: the box's own default (left) is not the record's
    // (centre), so an omitted centred alignment would read back as left.
    jsonMember(attr, "iconHor") = iconStyle.hor;
    writeShowFlags(attr);
    writeText(attr);
    // The first four have a built-in default: emptied, they are written
    // empty, or a reader would give the default back.
    const std::pair<const char*, const QString*> icons[] = {{"iconPath", &uncheckIcon},
                                                            {"hotIconPath", &uncheckHotIcon},
                                                            {"siconPath", &checkedIcon},
                                                            {"sHotIconPath", &checkedHotIcon},
                                                            {"disableIconPath", &disableUncheckIcon},
                                                            {"disableSIconPath", &disableCheckIcon}};
    for (int i = 0; i < 6; ++i)
        if (i < 4 || !icons[i].second->isEmpty())
            jsonMember(attr, icons[i].first) = jsonUtf8(*icons[i].second);
}

} // namespace CVNQtLib

#include "moc_CVNQCheckBoxImpl.cpp"
