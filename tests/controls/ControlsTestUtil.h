#pragma once

// Helpers of the control tests: named styles in the default package, test
// pictures written to disk, offscreen rendering of a control.

#include "CVNQResourceManager.h"
#include "CVNQStyleDefs.h"

#include <QApplication>
#include <QBuffer>
#include <QResizeEvent>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QWidget>

namespace ControlsTest {

inline CVNQtLib::CVNQResourceManager* rm() { return CVNQtLib::CVNQResourceManager::getInstance(); }

// A colour fill style stored under name in the default package.
inline CVNQtLib::FillStyle defineFill(const QString& name, QColor fill, QColor border = QColor(),
                                      int round = 0)
{
    CVNQtLib::FillStyle s;
    s.name = name;
    s.useColor = true;
    s.fill.clr = fill;
    if (border.isValid()) {
        s.fill.border = true;
        s.fill.borderSize = 1;
        s.fill.borderclr = border;
    }
    s.fill.round = round;
    rm()->setFillStyle(name, s);
    return s;
}

inline CVNQtLib::TextStyleDesc defineText(const QString& name, QColor color, int size = 12, int hor = 0)
{
    CVNQtLib::TextStyleDesc t;
    t.name = name;
    t.clr = color;
    t.size = size;
    t.hor = hor;
    t.family = QStringLiteral("DejaVu Sans");
    rm()->setTextStyle(name, t);
    return t;
}

inline QByteArray pngBytes(const QImage& img)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

inline QImage solidImage(int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}

// A w x h SVG: a filled circle in colour on a transparent ground.
inline QByteArray svgCircle(int w, int h, const char* colour)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\">"
                          "<circle cx=\"%3\" cy=\"%4\" r=\"%5\" fill=\"%6\"/></svg>")
        .arg(w)
        .arg(h)
        .arg(w / 2.0)
        .arg(h / 2.0)
        .arg(qMin(w, h) / 2.0)
        .arg(QLatin1String(colour))
        .toUtf8();
}

// Resizes w and delivers its resize event now: a widget that was never
// shown gets it only when shown. (The tests show no windows: the GL driver
// Qt loads for a window leaks at exit under the sanitizers.)
inline void resizeNow(QWidget* w, int width, int height)
{
    QResizeEvent e(QSize(width, height), w->size());
    w->resize(width, height);
    QApplication::sendEvent(w, &e);
}

// The widget painted into an image of its own size (no screen needed).
inline QImage render(QWidget* w, QColor ground = Qt::white)
{
    QImage img(w->size(), QImage::Format_ARGB32);
    img.fill(ground);
    w->render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img;
}

// Bounding box of pixels that differ from ground.
inline QRect inkBox(const QImage& img, QColor ground = Qt::white, int tol = 40)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (qAbs(c.red() - ground.red()) + qAbs(c.green() - ground.green()) + qAbs(c.blue() - ground.blue()) > tol)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

inline bool near(QColor a, QColor b, int tol = 12)
{
    return qAbs(a.red() - b.red()) <= tol && qAbs(a.green() - b.green()) <= tol && qAbs(a.blue() - b.blue()) <= tol;
}

} // namespace ControlsTest
