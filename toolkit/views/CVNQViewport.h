#pragma once

// The data grid's viewport; paints the grid's background.

#include "CVNQConerWidget.h"
#include "CVNQGlobal.h"

namespace CVNQtLib {

class CVNQ_EXPORT CVNQViewport : public CVNQConerWidget
{
    Q_OBJECT
public:
    CVNQViewport(CVNQTableViewImpl* impl, QWidget* parent);
};

} // namespace CVNQtLib
