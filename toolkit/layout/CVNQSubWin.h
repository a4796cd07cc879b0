#pragma once

// A window inside a window: the frameless window's dragging, resizing and
// background on a plain widget, without native handling or a modal loop.
// A page loaded into it fills it, as one loaded into a window does.

#include "CVNQFramelessWidget.h"
#include "CVNQGlobal.h"
#include "ICVNQPageFrame.h"

#include <QWidget>

namespace CVNQtLib {

class CVNQ_EXPORT CVNQSubWin : public CVNQFramelessWidget<QWidget>, public ICVNQPageFrame
{
    Q_OBJECT
public:
    explicit CVNQSubWin(QWidget* parent = nullptr);
    ~CVNQSubWin() override;

    static QString typeName() { return QStringLiteral("CVNSubWin"); }

    // Stored as given; no widget minimum is set.
    void setMinWidth(int w) override;
    void setMinHeight(int h) override;
};

} // namespace CVNQtLib
