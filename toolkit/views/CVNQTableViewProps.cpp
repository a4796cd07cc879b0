#include "CVNQTableView.h"

#include "CVNQControlInfo.h"

namespace CVNQtLib {

ControlInfo CVNQTableView::getProps()
{
    using V = CVNQTableView;
    ControlInfo info = cvnMakeControlInfo(typeName(), "TableView", "Control TableView", "CVNQTableView", "datagrid");
    std::vector<PropertyDef>& rows = info.properties;
    rows.push_back(
        cvnFillStyleRow<V>(QStringLiteral("Background"), &V::setBackground, &V::getBackground, cvnTwoStateChoices()));
    rows.push_back(cvnFillStyleRow<V>(QStringLiteral("ItemBg"), &V::setItemBackground, &V::getItemBackground,
                                      cvnFourStateChoices()));
    rows.push_back(cvnTextStyleRow<V>(QStringLiteral("TextStyle"), &V::setItemTextStyle, &V::getItemTextStyle,
                                      cvnFourStateChoices()));
    rows.push_back(cvnFillStyleRow<V>(QStringLiteral("HeadItemBg"), &V::setHeaderBackground, &V::getHeaderBackground,
                                      cvnFourStateChoices()));
    rows.push_back(cvnTextStyleRow<V>(QStringLiteral("HeadTextStyle"), &V::setHeaderTextStyle, &V::getHeaderTextStyle,
                                      cvnFourStateChoices()));
    rows.push_back(cvnIntRow<V>(QStringLiteral("ItemHeight"), PropInt, &V::setItemHeight, &V::getItemHeight));
    rows.push_back(cvnBoolRow<V>(QStringLiteral("CheckStyle"), &V::setCheckstyle, &V::getCheckstyle));
    rows.push_back(
        cvnStringRow<V>(QStringLiteral("CheckedImage"), PropImage, &V::setCheckedImage, &V::getCheckedImage));
    rows.push_back(
        cvnStringRow<V>(QStringLiteral("UncheckedImage"), PropImage, &V::setUncheckedImage, &V::getUncheckedImage));
    return info;
}

} // namespace CVNQtLib
