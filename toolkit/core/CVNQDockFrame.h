#pragma once

// A plain widget an application uses as a docking frame; no behaviour of
// its own.

#include "CVNQGlobal.h"

#include <QWidget>

namespace CVNQtLib {

class CVNQ_EXPORT CVNQDockFrame : public QWidget
{
    Q_OBJECT
public:
    explicit CVNQDockFrame(QWidget* parent = nullptr)
        : QWidget(parent)
    {}
};

} // namespace CVNQtLib
