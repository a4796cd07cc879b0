#include "CVNQControlInfo.h"

#include "CVNQControl.h"
#include "ICVNQWidgetBase.h"

namespace CVNQtLib {

std::vector<PropertyDef> cvnCommonPropertyRows()
{
    std::vector<PropertyDef> rows;
    rows.push_back(
        cvnStringRow<QObject>(QStringLiteral("Name"), PropName, &QObject::setObjectName, &QObject::objectName));

    PropertyDef type(QStringLiteral("Type"), PropReadOnlyText);
    type.getString = [](QWidget* w) -> QString {
        const ICVNQWidgetBase* c = dynamic_cast<const ICVNQWidgetBase*>(w);
        return c ? c->getTypeName() : QString();
    };
    rows.push_back(type);

    PropertyDef visibility(QStringLiteral("Visibility"), PropBool);
    // The control's setInnerVisible / getInnerVisible.
    visibility.setBool = [](QWidget* w, bool v) {
        if (w)
            ControlCommon::setInnerVisible(w, v);
    };
    visibility.getBool = [](QWidget* w) { return w ? ControlCommon::getInnerVisible(w) : false; };
    rows.push_back(visibility);

    rows.push_back(cvnBoolRow<QWidget>(QStringLiteral("Enable"), &QWidget::setEnabled, &QWidget::isEnabled));
    rows.push_back(cvnStringRow<QWidget>(QStringLiteral("Tooltip"), PropText, &QWidget::setToolTip, &QWidget::toolTip));

    PropertyDef alpha(QStringLiteral("Alpha"), PropInt);
    alpha.min = 0;
    alpha.max = 255;
    alpha.setInt = [](QWidget* w, int v) {
        if (ICVNQWidgetBase* c = dynamic_cast<ICVNQWidgetBase*>(w))
            c->setOpacity(v);
    };
    alpha.getInt = [](QWidget* w) -> int {
        const ICVNQWidgetBase* c = dynamic_cast<const ICVNQWidgetBase*>(w);
        return c ? c->getOpacity() : 255;
    };
    rows.push_back(alpha);

    rows.push_back(cvnLineRow());
    return rows;
}

ControlInfo cvnMakeControlInfo(const char* typeName, const char* shortName, const char* description,
                               const char* className, const char* key)
{
    auto s = [](const char* t) { return std::string(t ? t : ""); };
    ControlInfo info(s(typeName), s(shortName), s(description), s(className), s(key));
    info.properties = cvnCommonPropertyRows();
    return info;
}

QVector<PropertyChoice> cvnChoices(std::initializer_list<std::pair<int, const char*>> list)
{
    QVector<PropertyChoice> out;
    for (const auto& p : list)
        out.push_back(PropertyChoice{p.first, QString::fromUtf8(p.second)});
    return out;
}

QVector<PropertyChoice> cvnFourStateChoices()
{
    // One label per control state, in state order.
    static const char* const labels[CtrlStateCount] = {"Normal", "Hot", "Pressed", "Disable"};
    QVector<PropertyChoice> out;
    for (int state = 0; state < CtrlStateCount; ++state)
        out.push_back(PropertyChoice{state, QString::fromUtf8(labels[state])});
    return out;
}

QVector<PropertyChoice> cvnTwoStateChoices()
{
    return cvnChoices({{0, "Normal"}, {1, "Disable"}});
}

QVector<PropertyChoice> cvnStateChoices(int states)
{
    if (states == CtrlStateCount)
        return cvnFourStateChoices();
    if (states == 2)
        return cvnTwoStateChoices();
    return cvnChoices({{0, "Normal"}});
}

} // namespace CVNQtLib
