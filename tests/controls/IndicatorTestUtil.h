#pragma once

// Helpers of the check box, radio button, progress bar and switch tests.

#include "CVNQResourceManager.h"
#include "CVNQWidgetBaseImpl.h"
#include "CVNQtLib.h"
#include "ControlsTestUtil.h"
#include "TestUtil.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace IndicatorTest {

// The toolkit started once: built-in check and radio images, styles.
inline void startToolkit()
{
    CVNQtLib::init();
}

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
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (ControlsTest::near(img.pixelColor(x, y), c, tol))
                box |= QRect(x, y, 1, 1);
    return box;
}

// A colour fill style under name (default package), no border.
inline CVNQtLib::FillStyle fill(const QString& name, QColor c)
{
    return ControlsTest::defineFill(name, c);
}

// Loads a theme folder whose theme.json holds the given control entries
// (a JSON array text of nodes with "name") and whose style.json holds
// styleArray (a JSON array text of style entries).
inline bool loadTheme(QTemporaryDir& dir, const QByteArray& entries, const QByteArray& styleArray = "[]")
{
    return TestUtil::writeFile(dir.path(), "style.json", "{\"style\": " + styleArray + "}")
        && TestUtil::writeFile(dir.path(), "theme.json", "{\"elements\": [{\"child\": " + entries + "}]}")
        && CVNQtLib::CVNQResourceManager::getInstance()->loadThemeDir(dir.path());
}

// Serialises a control's node (read = false).
template <class Control>
Json::Value written(Control& c)
{
    Json::Value node(Json::objectValue);
    c.serializeJsonValue(&node, false);
    return node;
}

} // namespace IndicatorTest
