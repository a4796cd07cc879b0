#pragma once

// A plain widget an application uses as a view area; no behaviour of its own.

#include "CVNQGlobal.h"

#include <QWidget>

namespace CVNQtLib {

class CVNQ_EXPORT CVNQView : public QWidget
{
    Q_OBJECT
public:
    explicit CVNQView(QWidget* parent = nullptr)
        : QWidget(parent)
    {}
};

} // namespace CVNQtLib
