#pragma once

// Internal: the pointer in a viewport's coordinates for the rows of one
// paint. Asking the window system costs a round trip on X11, so a paint asks
// once and every row it draws reads that answer.

#include <QCursor>
#include <QPoint>
#include <QWidget>

namespace CVNQtLib {

class CVNQPaintPointer
{
public:
    // Until end(), pos() answers where the pointer is now.
    void begin(const QWidget* viewport)
    {
        m_held = false;
        m_pos = pos(viewport);
        m_held = true;
    }
    void end() { m_held = false; }
    // Outside a paint the window system is asked.
    QPoint pos(const QWidget* viewport) const { return m_held ? m_pos : viewport->mapFromGlobal(QCursor::pos()); }

private:
    QPoint m_pos;
    bool m_held = false;
};

} // namespace CVNQtLib
