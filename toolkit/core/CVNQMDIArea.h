#pragma once

// A plain widget an application hands to a CVNQWindow as its multi-document
// area; the window keeps a non-owning pointer to it.

#include "CVNQGlobal.h"

#include <QVector>
#include <QWidget>

namespace CVNQtLib {

class CVNQ_EXPORT CVNQMDIArea : public QWidget
{
    Q_OBJECT
public:
    explicit CVNQMDIArea(QWidget* parent = nullptr)
        : QWidget(parent)
    {}

private:
    // Sub-windows of the area; the toolkit itself never fills it.
    QVector<QWidget*> m_subWindows;
};

} // namespace CVNQtLib
