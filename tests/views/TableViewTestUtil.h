#pragma once

// Helpers of the data-grid tests: the toolkit started once, named styles in
// the default package, models of a given size and pixel probes.

#include "CVNQResourceManager.h"
#include "CVNQStartup.h"
#include "CVNQStyleDefs.h"
#include "CVNQTableView.h"
#include "CVNQTableViewImpl.h"
#include "CVNQtLib.h"

#include "TestUtil.h"

#include <QColor>
#include <QHeaderView>
#include <QImage>
#include <QStandardItemModel>
#include <QString>
#include <gtest/gtest.h>

namespace TableTest {

inline void initToolkit()
{
    TestUtil::startToolkit();
}

inline CVNQtLib::FillStyle fill(const QString& name, QColor colour)
{
    return TestUtil::colourFill(name, colour);
}

inline CVNQtLib::TextStyleDesc text(const QString& name, QColor colour, int hor = 0, int size = 13)
{
    return TestUtil::textStyle(name, colour, size, hor, QStringLiteral("DejaVu Sans"));
}

// rows x columns of "r c" texts.
inline QStandardItemModel* model(QObject* parent, int rows, int columns)
{
    auto* m = new QStandardItemModel(rows, columns, parent);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            m->setItem(r, c, new QStandardItem(QStringLiteral("%1 %2").arg(r).arg(c)));
    return m;
}

// The grid most tests look at: 30 px rows and header over a 20 x 3 model
// of 130 px columns, shown.
inline QStandardItemModel* showGrid(CVNQtLib::CVNQTableView& view)
{
    view.setItemHeight(30);
    view.horizontalHeader()->setFixedHeight(30);
    QStandardItemModel* m = model(&view, 20, 3);
    view.setModel(m);
    for (int c = 0; c < 3; ++c)
        view.setColumnWidth(c, 130);
    EXPECT_TRUE(TestUtil::showExposed(&view));
    return m;
}

// Whether any pixel of rect in img is within tolerance of c.
inline bool hasColorIn(const QImage& img, const QRect& rect, QColor c, int tolerance = 10)
{
    const QRect r = rect.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (qAbs(p.red() - c.red()) <= tolerance && qAbs(p.green() - c.green()) <= tolerance &&
                qAbs(p.blue() - c.blue()) <= tolerance)
                return true;
        }
    return false;
}

// Leftmost x in rows [y0, y1] whose pixel is within tolerance of c, -1 for none.
inline int leftmostColor(const QImage& img, int y0, int y1, QColor c, int tolerance = 40)
{
    int best = -1;
    for (int y = y0; y <= y1 && y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (qAbs(p.red() - c.red()) <= tolerance && qAbs(p.green() - c.green()) <= tolerance &&
                qAbs(p.blue() - c.blue()) <= tolerance) {
                if (best < 0 || x < best)
                    best = x;
                break;
            }
        }
    return best;
}

// What the screen shows of the viewport once the queued repaints ran (a
// change that asks for none leaves the old picture); a viewport not on
// screen is painted afresh.
inline QImage grabViewport(CVNQtLib::CVNQTableView& view)
{
    if (view.viewport()->isVisible())
        return TestUtil::screenShot(view.viewport());
    return view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace TableTest
