#pragma once

// A slider that decides its own thumb: the application style asks it for
// the thumb's length and size, so Qt's hit-testing and the painted thumb
// agree.

#include "CVNQGlobal.h"

#include <QSize>

namespace CVNQtLib {

class CVNQ_EXPORT ICVNQSliderThumb
{
public:
    virtual ~ICVNQSliderThumb() = default;

    // Thumb length along the axis.
    virtual int getSliderLength() const = 0;
    virtual QSize getThumbBtnSize() const = 0;
};

} // namespace CVNQtLib
