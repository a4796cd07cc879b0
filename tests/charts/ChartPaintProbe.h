#pragma once

// A paint device whose engine records what a chart hands to the painter:
// every coordinate is checked for NaN and infinity, and every drawn text
// is kept, so tests can read labels without looking at pixels.

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QTextItem>
#include <cmath>

class ChartPaintProbe : public QPaintDevice {
public:
    explicit ChartPaintProbe(const QSize& size)
        : m_size(size)
    {
    }
    ~ChartPaintProbe() override = default;

    QPaintEngine* paintEngine() const override { return &m_engine; }

    // Coordinates that were NaN or infinite, and how many shapes were drawn.
    int badCoordinates() const { return m_engine.bad; }
    int shapes() const { return m_engine.shapes; }
    const QStringList& texts() const { return m_engine.texts; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return m_size.width();
        case PdmHeight: return m_size.height();
        case PdmWidthMM: return m_size.width() / 4;
        case PdmHeightMM: return m_size.height() / 4;
        case PdmNumColors: return 0;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    struct Engine : QPaintEngine {
        Engine()
            : QPaintEngine(QPaintEngine::AllFeatures)
        {
        }
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        Type type() const override { return QPaintEngine::User; }

        void point(const QPointF& p)
        {
            if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
                ++bad;
        }
        void rect(const QRectF& r)
        {
            ++shapes;
            point(r.topLeft());
            point(r.bottomRight());
        }
        void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override { rect(r); }
        void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override { rect(r); }
        void drawRects(const QRectF* rects, int n) override
        {
            for (int i = 0; i < n; ++i)
                rect(rects[i]);
        }
        void drawLines(const QLineF* lines, int n) override
        {
            for (int i = 0; i < n; ++i) {
                ++shapes;
                point(lines[i].p1());
                point(lines[i].p2());
            }
        }
        void drawEllipse(const QRectF& r) override { rect(r); }
        void drawPath(const QPainterPath& path) override
        {
            ++shapes;
            for (int i = 0; i < path.elementCount(); ++i)
                point(path.elementAt(i));
        }
        void drawPolygon(const QPointF* points, int n, PolygonDrawMode) override
        {
            ++shapes;
            for (int i = 0; i < n; ++i)
                point(points[i]);
        }
        void drawPoints(const QPointF* points, int n) override
        {
            for (int i = 0; i < n; ++i)
                point(points[i]);
        }
        void drawTextItem(const QPointF& p, const QTextItem& item) override
        {
            point(p);
            texts << item.text();
        }

        int bad = 0;
        int shapes = 0;
        QStringList texts;
    };

    QSize m_size;
    mutable Engine m_engine;
};
