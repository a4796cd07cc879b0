#pragma once

// A 4-sample OpenGL surface as the charts have (cleared white, then painted
// by a routine with antialiasing), and what the screen shows of several of
// them side by side: the charts take other roads on such a surface than on
// a raster painter, and these are compared there with Qt's own drawing.

#include "TestUtil.h"

#include <QGuiApplication>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QPainter>
#include <QScreen>
#include <QSurfaceFormat>
#include <QVector>
#include <functional>

using SurfaceRoutine = std::function<void(QPainter&)>;

class ChartTestSurface : public QOpenGLWidget
{
public:
    ChartTestSurface(SurfaceRoutine routine, QWidget* parent)
        : QOpenGLWidget(parent)
        , m_routine(std::move(routine))
    {
        QSurfaceFormat format;
        format.setSamples(4);
        format.setDepthBufferSize(24);
        format.setStencilBufferSize(8);
        setFormat(format);
    }

protected:
    void paintGL() override
    {
        QOpenGLFunctions* gl = context()->functions();
        gl->glClearColor(1, 1, 1, 1);
        gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        QPainter painter(this);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        m_routine(painter);
    }

private:
    SurfaceRoutine m_routine;
};

// The screen's picture of each routine on a surface of size; empty when
// the window could not be shown.
inline QVector<QImage> paintedOnSurfaces(const QSize& size, const QVector<SurfaceRoutine>& routines)
{
    QWidget window;
    QVector<ChartTestSurface*> surfaces;
    for (const SurfaceRoutine& routine : routines) {
        auto* surface = new ChartTestSurface(routine, &window);
        surface->setGeometry(surfaces.size() * size.width(), 0, size.width(), size.height());
        surfaces << surface;
    }
    window.resize(size.width() * surfaces.size(), size.height());
    QVector<QImage> shots;
    if (!TestUtil::showExposed(&window) || !TestUtil::waitPainted(&window))
        return shots;
    QScreen* screen = QGuiApplication::primaryScreen();
    for (ChartTestSurface* surface : surfaces) {
        const QPoint at = surface->mapToGlobal(QPoint(0, 0));
        shots << screen->grabWindow(0, at.x(), at.y(), size.width(), size.height())
                     .toImage()
                     .convertToFormat(QImage::Format_RGB32);
    }
    return shots;
}
