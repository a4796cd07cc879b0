#pragma once

// What the pages and drawers of the dashboard show alike: the icon and the
// text of a turbine status, and the colours of both charts.

#include "CVNQChartTypes.h"

#include <QPair>
#include <QString>
#include <QVector>

// Icon path of a status; empty outside 0 to 3.
QString statusIconName(int status);
// Status text in the language (1 Chinese, else English); empty outside 0
// to 3.
QString statusText(int status, int language);
// The four status texts with their status as data, for the combo boxes.
QVector<QPair<QString, int>> statusItems(int language);
// The colour theme both charts use.
CVNQtLib::ChartTheme windChartTheme();
