#pragma once

// The application style that init() installs: the platform style, except
// that a toolkit slider decides its own handle length and handle size.

#include "CVNQGlobal.h"

#include <QProxyStyle>

namespace CVNQtLib {

class CVNQ_EXPORT CScrollBarStyle : public QProxyStyle
{
    Q_OBJECT
public:
    CScrollBarStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                         const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget = nullptr) const override;
};

} // namespace CVNQtLib
