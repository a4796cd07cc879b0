#include "WindFarmWidgets.h"

#include "CVNQComboBox.h"
#include "CVNQImage.h"
#include "CVNQLabel.h"
#include "CVNQLineEdit.h"
#include "CVNQPushButton.h"
#include "WindFarmChoices.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

using namespace CVNQtLib;

CenteredIconBox::CenteredIconBox(QWidget* parent)
    : CVNQContainer(parent)
{}

void CenteredIconBox::setIconWidget(QWidget* w)
{
    icon = w;
    centerIcon();
}

void CenteredIconBox::centerIcon()
{
    if (!icon)
        return;
    const int x = std::max((width() - icon->width()) / 2, 0);
    const int y = std::max((height() - icon->height()) / 2, 0);
    icon->move(x, y);
}

void CenteredIconBox::resizeEvent(QResizeEvent* event)
{
    CVNQContainer::resizeEvent(event);
    centerIcon();
}

namespace {

ICVNQWidgetBase* control(QWidget* w)
{
    return dynamic_cast<ICVNQWidgetBase*>(w);
}

} // namespace

void styleControl(QWidget* w, const QString& style)
{
    if (ICVNQWidgetBase* c = control(w)) {
        if (!style.isEmpty())
            c->setThemeName(style);
        c->setWidthPolicy(LayoutSizePolicyFill);
        c->setHeightPolicy(LayoutSizePolicyFill);
    }
}

void setFixedWidthOf(QWidget* w, int width)
{
    w->setMinimumWidth(width);
    w->setMaximumWidth(width);
    if (ICVNQWidgetBase* c = control(w))
        c->setWidthPolicy(LayoutSizePolicyFixed);
}

void setFixedHeightOf(QWidget* w, int height)
{
    w->setMinimumHeight(height);
    w->setMaximumHeight(height);
    if (ICVNQWidgetBase* c = control(w))
        c->setHeightPolicy(LayoutSizePolicyFixed);
}

void setFixedSizeOf(QWidget* w, int width, int height)
{
    setFixedWidthOf(w, width);
    setFixedHeightOf(w, height);
}

void addToParent(QWidget* parent, QWidget* child, int ratio)
{
    if (CVNQContainer* box = qobject_cast<CVNQContainer*>(parent)) {
        box->addChildWidget(child, ratio);
        return;
    }
    if (ICVNQWidgetBase* c = control(child))
        c->setLayoutRatio(ratio);
    if (child->parentWidget() != parent)
        child->setParent(parent);
}

void stylePage(CVNQContainer* page, const QString& objectName, int space)
{
    page->setObjectName(objectName);
    page->setThemeName(QStringLiteral("WindPage"));
    page->setChildSpace(space);
    page->setChildPadding(24, 16, 24, 18);
    page->setChildLayout(CVNQContainer::Vertical);
}

CVNQContainer* makeContainer(QWidget* parent, const QString& style, CVNQContainer::AutoChildLayout layout, int ratio,
                             int space, int left, int top, int right, int bottom)
{
    auto* box = new CVNQContainer(parent);
    styleControl(box, style);
    if (parent)
        box->QWidget::setGeometry(0, 0, parent->width(), parent->height());
    box->setChildSpace(space);
    box->setChildPadding(left, top, right, bottom);
    box->setChildLayout(layout);
    if (parent)
        addToParent(parent, box, ratio);
    return box;
}

CVNQLabel* makeLabel(QWidget* parent, const QString& style, int ratio, int height)
{
    auto* label = new CVNQLabel(parent);
    styleControl(label, style);
    if (height > 0)
        setFixedHeightOf(label, height);
    addToParent(parent, label, ratio);
    return label;
}

CVNQLabel* makeCenteredLabel(QWidget* parent, const QString& style, int ratio, int height, int width)
{
    CVNQContainer* box =
        makeContainer(parent, QStringLiteral("WindClear"), CVNQContainer::Vertical, width > 0 ? 0 : ratio);
    if (width > 0)
        setFixedWidthOf(box, width);
    makeContainer(box, QStringLiteral("WindClear"), CVNQContainer::NoUse, 1);
    CVNQLabel* label = makeLabel(box, style, 0, height);
    makeContainer(box, QStringLiteral("WindClear"), CVNQContainer::NoUse, 1);
    return label;
}

CVNQImage* makeIcon(QWidget* parent, const QString& svgPath, int w, int h, const QColor& colour)
{
    auto* icon = new CVNQImage(parent);
    styleControl(icon, QString());
    icon->setSvgPath(svgPath);
    icon->setStretchDraw(true);
    icon->setAlignType(DockCenter, DockCenter);
    if (colour.isValid())
        icon->setSvgColor(colour);
    setFixedSizeOf(icon, w, h);
    icon->resize(w, h);
    addToParent(parent, icon, 0);
    return icon;
}

CenteredIconBox* makeIconBox(QWidget* parent, const QString& svgPath, int w, int h, const QColor& colour, int boxWidth)
{
    auto* box = new CenteredIconBox(parent);
    styleControl(box, QStringLiteral("WindClear"));
    box->setChildLayout(CVNQContainer::NoUse);
    setFixedWidthOf(box, boxWidth > 0 ? boxWidth : w);
    CVNQImage* icon = makeIcon(box, svgPath, w, h, colour);
    icon->setAbsoluteLayout(true);
    icon->setAbsoluteDock(DockCenter, DockCenter, 0, 0);
    box->setIconWidget(icon);
    addToParent(parent, box, 0);
    return box;
}

CVNQImage* makeDockedIcon(QWidget* parent, const QString& svgPath, int w, int h, const QColor& colour)
{
    CVNQContainer* room = makeContainer(parent, QStringLiteral("WindClear"), CVNQContainer::NoUse, 0);
    setFixedWidthOf(room, w);
    CVNQImage* icon = makeIcon(parent, svgPath, w, h, colour);
    icon->setAbsoluteLayout(true);
    icon->setAbsoluteDock(DockFar, DockCenter, 0, 0);
    if (CVNQContainer* box = qobject_cast<CVNQContainer*>(parent))
        box->forceResize();
    return icon;
}

CVNQPushButton* makeButton(QWidget* parent, const QString& style, const QString& text, int width, int height,
                           const QString& iconPath, const QColor& iconColour)
{
    auto* box = new CenteredIconBox(parent);
    styleControl(box, QStringLiteral("WindClear"));
    box->setChildLayout(CVNQContainer::NoUse);
    if (width > 0)
        setFixedWidthOf(box, width);

    auto* button = new CVNQPushButton(box);
    styleControl(button, style);
    button->setText(text);
    button->setFadeEnabled(false);
    if (!iconPath.isEmpty()) {
        button->setIcon(iconPath);
        button->setUseIcon(true);
        button->setShowText(!text.isEmpty());
        IconStyleDesc iconStyle = button->getIconStyle();
        iconStyle.useColor = true;
        iconStyle.color = iconColour;
        button->setIconStyle(iconStyle);
    }
    if (width > 0)
        setFixedWidthOf(button, width);
    if (height > 0)
        setFixedHeightOf(button, height);
    button->resize(width > 0 ? width : button->width(), height > 0 ? height : button->height());
    button->setAbsoluteLayout(true);
    button->setAbsoluteDock(DockCenter, DockCenter, 0, 0);
    box->setIconWidget(button);
    addToParent(parent, box, 0);
    return button;
}

CVNQContainer* makeDivider(QWidget* parent)
{
    CVNQContainer* line = makeContainer(parent, QStringLiteral("WindDivider"), CVNQContainer::NoUse, 0);
    setFixedHeightOf(line, 1);
    return line;
}

CVNQLineEdit* makeLineEdit(QWidget* parent, const QString& objectName, int ratio, int height)
{
    auto* edit = new CVNQLineEdit(parent);
    edit->setObjectName(objectName);
    styleControl(edit, QStringLiteral("WindLineEdit"));
    setFixedHeightOf(edit, height);
    addToParent(parent, edit, ratio);
    return edit;
}

CVNQComboBox* makeCombo(QWidget* parent, const QString& objectName, int width, int height)
{
    auto* combo = new CVNQComboBox(parent);
    combo->setObjectName(objectName);
    styleControl(combo, QStringLiteral("WindCombo"));
    const QString chevron = QStringLiteral(":/gustrel/icons/chevron-down.svg");
    combo->setNormalBtnIcon(chevron);
    combo->setHotBtnIcon(chevron);
    combo->setBtnIcon(CtrlStatePressed, chevron);
    combo->setBtnIcon(CtrlStateDisabled, chevron);
    if (width > 0)
        setFixedWidthOf(combo, width);
    setFixedHeightOf(combo, height);
    combo->resize(width > 0 ? width : combo->width(), height);
    addToParent(parent, combo, 0);
    return combo;
}

void refillCombo(QComboBox* combo, const QVector<QPair<QString, int>>& items, int current)
{
    const QSignalBlocker block(combo);
    combo->clear();
    for (const auto& item : items)
        combo->addItem(item.first, item.second);
    const int index = combo->findData(current, Qt::UserRole);
    combo->setCurrentIndex(index >= 0 ? index : 0);
}

QString bilingual(int language, const char* english, const char* chinese)
{
    return language == LanguageChinese ? QString::fromUtf8(chinese) : QString::fromUtf8(english);
}

QString fixedNumber(double value, int decimals)
{
    // The table formats every live value of every turbine on each tick: the
    // shortest way there is std::to_chars, which agrees with Qt digit for
    // digit except on an exact tie (Qt rounds it away from zero) and on zero
    // (Qt drops the sign of -0). Those, and what is not an ordinary number,
    // go to Qt.
    static const double scales[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    if (decimals >= 0 && decimals < int(std::size(scales)) && std::isfinite(value) && value != 0 &&
        std::abs(value) < 1e15) {
        const double scaled = value * scales[decimals];
        const bool exact = std::fma(value, scales[decimals], -scaled) == 0;
        const bool tie = exact && std::abs(scaled - std::trunc(scaled)) == 0.5;
        char digits[40];
        const std::to_chars_result end =
            std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
        if (!tie && end.ec == std::errc())
            return QString::fromLatin1(digits, int(end.ptr - digits));
    }
    return QString::number(value, 'f', decimals);
}

QString outputText(double kw)
{
    return fixedNumber(kw, 0) + QLatin1String(" kW");
}

QString windText(double metresPerSecond)
{
    return fixedNumber(metresPerSecond, 1) + QLatin1String(" m/s");
}

QString temperatureText(double celsius)
{
    return fixedNumber(celsius, 1) + QStringLiteral(" °C");
}
