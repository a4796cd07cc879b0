#include "WindFarmStyle.h"

#include "GustrelResources.h"
#include "WindFarmSnapshot.h"
#include "WindFarmWidgets.h"

using namespace CVNQtLib;

QString statusIconName(int status)
{
    switch (status) {
    case Active: return gustrelIconPath(QStringLiteral("check"));
    case Maintenance: return gustrelIconPath(QStringLiteral("wrench"));
    case Fault: return gustrelIconPath(QStringLiteral("alert"));
    case Offline: return gustrelIconPath(QStringLiteral("offline"));
    default: return QString();
    }
}

QString statusText(int status, int language)
{
    switch (status) {
    case Active: return bilingual(language, "Active", "运行");
    case Maintenance: return bilingual(language, "Maintenance", "维护");
    case Fault: return bilingual(language, "Fault", "故障");
    case Offline: return bilingual(language, "Offline", "离线");
    default: return QString();
    }
}

QVector<QPair<QString, int>> statusItems(int language)
{
    QVector<QPair<QString, int>> items;
    for (int status = Active; status <= Offline; ++status)
        items.append({statusText(status, language), status});
    return items;
}

ChartTheme windChartTheme()
{
    ChartTheme t;
    t.name = QStringLiteral("Gustrel");
    t.backgroundColor = QColor(16, 36, 38);
    t.plotBackgroundColor = QColor(16, 36, 38);
    t.textColor = QColor(242, 248, 246);
    t.axisColor = QColor(46, 76, 78);
    t.secondaryTextColor = QColor(125, 151, 148);
    t.gridColor = QColor(30, 59, 61);
    t.crosshairColor = QColor(0, 239, 134, 190);
    t.palette = {QColor(0, 239, 134), QColor(70, 191, 188), QColor(255, 189, 74), QColor(164, 109, 210)};
    t.titleFontSize = 16;
    t.labelFontSize = 11;
    t.tooltipFontSize = 12;
    t.lineWidth = 2.2;
    t.symbolRadius = 3.2;
    t.hoverSymbolRadius = 5.0;
    t.barCornerRadius = 4.0;
    return t;
}
