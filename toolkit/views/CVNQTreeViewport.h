#pragma once

// The tree's viewport; paints the tree's background.

#include "CVNQTreeConerWidget.h"

namespace CVNQtLib {

class CVNQ_EXPORT CVNQTreeViewport : public CVNQTreeConerWidget
{
    Q_OBJECT
public:
    using CVNQTreeConerWidget::CVNQTreeConerWidget;
};

} // namespace CVNQtLib
