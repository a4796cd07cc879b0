#pragma once

// The corner between the data grid's scroll bars; paints the grid's
// background.

#include "CVNQGlobal.h"

#include <QWidget>

namespace CVNQtLib {

class CVNQTableViewImpl;

class CVNQ_EXPORT CVNQConerWidget : public QWidget
{
    Q_OBJECT
public:
    CVNQConerWidget(CVNQTableViewImpl* impl, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

    CVNQTableViewImpl* m_impl;
};

} // namespace CVNQtLib
