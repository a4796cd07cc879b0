#pragma once

// Helpers of the control tests (on top of tests/common): named styles with
// the control tests' defaults, test themes and pictures written to disk,
// offscreen rendering of a control and comparing pictures.

#include "CVNQResourceManager.h"
#include "CVNQStyleDefs.h"
#include "CVNQtLib.h"
#include "TestUtil.h"

#include <QApplication>
#include <QBuffer>
#include <QResizeEvent>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace ControlsTest {

inline CVNQtLib::CVNQResourceManager* rm()
{
    return CVNQtLib::CVNQResourceManager::getInstance();
}

// A colour fill style stored under name in the default package.
inline CVNQtLib::FillStyle defineFill(const QString& name, QColor fill, QColor border = QColor(), int round = 0)
{
    return TestUtil::colourFill(name, fill, round, border);
}

inline CVNQtLib::TextStyleDesc defineText(const QString& name, QColor color, int size = 12, int hor = 0)
{
    return TestUtil::textStyle(name, color, size, hor, QStringLiteral("DejaVu Sans"));
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
    return TestUtil::near(a, b, tol);
}

using TestUtil::startToolkit;

// An image of size filled with ground and painted by paint: the expected
// picture of a control, drawn with the shared painters at the coordinates
// the control is supposed to use.
inline QImage expected(QSize size, const std::function<void(QPainter*)>& paint, QColor ground = Qt::white)
{
    QImage img(size, QImage::Format_ARGB32);
    img.fill(ground);
    QPainter p(&img);
    paint(&p);
    return img;
}

// Number of pixels in which two images differ.
inline int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.width() * a.height() + 1;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int n = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            n += x.pixel(col, row) != y.pixel(col, row);
    return n;
}

// Bounding box of the pixels of colour c.
inline QRect colourBox(const QImage& img, QColor c, int tol = 8)
{
    return TestUtil::colourBox(img, c, tol);
}

// A colour fill style under name (default package), no border.
inline CVNQtLib::FillStyle fill(const QString& name, QColor c)
{
    return defineFill(name, c);
}

// Loads a theme folder whose theme.json holds the given control entries
// (a JSON array text of nodes with "name") and whose style.json holds
// styleArray (a JSON array text of style entries).
inline bool loadTheme(QTemporaryDir& dir, const QByteArray& entries, const QByteArray& styleArray = "[]")
{
    return TestUtil::writeFile(dir.path(), "style.json", "{\"style\": " + styleArray + "}") &&
           TestUtil::writeFile(dir.path(), "theme.json", "{\"elements\": [{\"child\": " + entries + "}]}") &&
           CVNQtLib::CVNQResourceManager::getInstance()->loadThemeDir(dir.path());
}

// Serialises a control's node (read = false).
template <class Control>
Json::Value written(Control& c)
{
    return TestUtil::written(&c);
}

// Writes into dir the application's wind-farm theme with entries for the
// controls it does not theme, and their marks (box.svg, dot.svg,
// turbine.svg, photo.png, ...).
bool writeTheme(const QString& dir);

} // namespace ControlsTest
