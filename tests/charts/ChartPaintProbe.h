#pragma once

// A paint device whose engine records what a chart hands to the painter:
// every coordinate is checked for NaN and infinity, and every drawn text
// is kept with the box it covers and its font, so tests can read labels
// and find overlapping ones without looking at pixels.

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QTextItem>
#include <cmath>

// One drawn text: what, where (the box from its baseline origin, ascent
// and advance, in device coordinates), in which font and colour.
struct ProbedText
{
    QString text;
    QRectF box;
    QFont font;
    QColor color;
};

class ChartPaintProbe : public QPaintDevice
{
public:
    explicit ChartPaintProbe(const QSize& size)
        : m_size(size)
    {
        m_engine.picture = QRectF(QPointF(), QSizeF(size));
    }
    ~ChartPaintProbe() override = default;

    QPaintEngine* paintEngine() const override { return &m_engine; }

    // Coordinates that were NaN or infinite, and how many shapes were drawn.
    int badCoordinates() const { return m_engine.bad; }
    int shapes() const { return m_engine.shapes; }
    // What the shapes cost: the areas of their boxes inside the picture, in pictures.
    double cost() const { return m_engine.area / (m_size.width() * m_size.height()); }
    const QStringList& texts() const { return m_engine.texts; }
    const QVector<ProbedText>& drawnTexts() const { return m_engine.drawn; }
    // The first drawn text equal to text, or an empty record.
    ProbedText find(const QString& text) const
    {
        for (const ProbedText& t : m_engine.drawn)
            if (t.text == text)
                return t;
        return ProbedText();
    }
    // Pairs of drawn texts whose boxes overlap, as "a | b" lines.
    QStringList overlaps() const
    {
        QStringList out;
        const QVector<ProbedText>& d = m_engine.drawn;
        for (int i = 0; i < d.size(); ++i)
            for (int j = i + 1; j < d.size(); ++j)
                if (d[i].box.intersects(d[j].box))
                    out << d[i].text + " | " + d[j].text;
        return out;
    }

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
    struct Engine : QPaintEngine
    {
        Engine()
            : QPaintEngine(QPaintEngine::AllFeatures)
        {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        Type type() const override { return QPaintEngine::User; }

        void point(const QPointF& p)
        {
            if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
                ++bad;
        }
        void cover(const QRectF& box)
        {
            const QRectF in = state->transform().mapRect(box) & picture;
            area += in.width() * in.height();
        }
        void rect(const QRectF& r)
        {
            cover(r);
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
            cover(path.boundingRect());
            ++shapes;
            for (int i = 0; i < path.elementCount(); ++i)
                point(path.elementAt(i));
        }
        void drawPolygon(const QPointF* points, int n, PolygonDrawMode) override
        {
            cover(QPolygonF(QVector<QPointF>(points, points + n)).boundingRect());
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
            // The painter's translation places the text; charts draw no
            // other transformation.
            const QPointF at = p + QPointF(state->transform().dx(), state->transform().dy());
            const QFontMetricsF fm(item.font());
            drawn.append(
                {item.text(),
                 QRectF(at.x(), at.y() - fm.ascent(), fm.horizontalAdvance(item.text()), fm.ascent() + fm.descent()),
                 item.font(), state->pen().color()});
        }

        int bad = 0;
        int shapes = 0;
        double area = 0;
        QRectF picture;
        QStringList texts;
        QVector<ProbedText> drawn;
    };

    QSize m_size;
    mutable Engine m_engine;
};
