#pragma once

// A control that shows only what a surface of its own puts on screen (an
// OpenGL chart): rendering its widget gives nothing while it is hidden, so
// it paints its picture with a painter instead. The design canvas, which
// shows hidden controls as pictures, asks for this interface instead of
// naming those classes.

#include "CVNQGlobal.h"

class QPainter;
class QRect;

namespace CVNQtLib {

class CVNQ_EXPORT ICVNQPictureSource
{
public:
    virtual ~ICVNQPictureSource() = default;

    // Paints the control's look into rect as a window shows it once the
    // control has settled (no intro animation half run).
    virtual void paintPicture(QPainter* painter, const QRect& rect) = 0;
};

} // namespace CVNQtLib
