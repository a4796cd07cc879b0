#pragma once

// A flow-view node of the flow tests: a turbine card with an accent colour.

#include "CVNQFlowView.h"

#include <QColor>
#include <QPointF>
#include <QSizeF>
#include <QString>

namespace FlowTest {

inline CVNQtLib::CVNQFlowNode node(const QString& id, QPointF position, QSizeF size, QColor accent)
{
    CVNQtLib::CVNQFlowNode n;
    n.id = id;
    n.position = position;
    n.size = size;
    n.title = id.toUpper() + " turbine";
    n.detail = "Gearbox temperature within the expected range";
    n.footer = "Active";
    n.accentColor = accent;
    n.fillColor = QColor(30, 36, 44);
    n.borderColor = QColor(70, 78, 90);
    n.selectedBorderColor = QColor(146, 134, 255);
    return n;
}

} // namespace FlowTest
