#pragma once

// Common base of the charts drawn on an OpenGL surface: the surface
// format, the colour theme with its four presets, the legend position, a
// background override, the intro animation (a 0..1 progress the charts
// grow their data with) and the tooltip box shown under the mouse.

#include "CVNQChartTypes.h"
#include "CVNQGlobal.h"
#include "ICVNQPictureSource.h"

#include <QOpenGLWidget>
#include <QPoint>
#include <QString>

class QOpenGLFunctions;
class QPainter;
class QVariantAnimation;

namespace CVNQtLib {

class CVNQChartImpl;

class CVNQ_EXPORT CVNQChartBase : public QOpenGLWidget, public ICVNQPictureSource
{
    Q_OBJECT
public:
    explicit CVNQChartBase(QWidget* parent = nullptr);
    ~CVNQChartBase() override;

    // Preset 1 "Macarons", 2 "Shine", 3 "Dark", anything else "Default".
    static ChartTheme presetTheme(int index);

    const ChartTheme& theme() const { return m_theme; }
    int themePreset() const { return m_themePreset; }
    // Stores the index unchecked and applies presetTheme(preset).
    void setTheme(int preset);
    // A custom theme; the preset index becomes 0.
    void setTheme(const ChartTheme& custom);

    // 0 top, 1 right, 2 bottom (default), 3 left; other values lay out as bottom.
    int legendPosition() const { return m_legendPosition; }
    void setLegendPosition(int position);

    // An invalid colour removes the override.
    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const;

    bool animationEnabled() const { return m_animationEnabled; }
    void setAnimationEnabled(bool enabled);
    void setAnimationDuration(int ms);
    int animationDuration() const { return m_animationDuration; }
    double animationProgress() const { return m_animationProgress; }
    // Runs the intro animation from 0 to 1 (or jumps to 1 when disabled).
    void replayAnimation();

    void showTooltip(const QPoint& pos, const QString& text);
    void hideTooltip();
    QString tooltipText() const { return m_tooltipText; }
    QPoint tooltipPos() const { return m_tooltipPos; }
    // Draws the tooltip box; every chart calls it last.
    void paintTooltip(QPainter& painter);

    // Where a tooltip box of boxSize anchored at anchor lands inside
    // widgetRect: below-right of the anchor, pushed left and flipped
    // above it when it would leave the 8-px inset, never above or left
    // of that inset.
    static QRectF tooltipBoxRect(const QRect& widgetRect, const QPoint& anchor, const QSizeF& boxSize);

    // Start of every chart's paintGL: viewport, clear with the background
    // colour, multisampling on, depth test off.
    void beginGLFrame(QOpenGLFunctions& gl);

    // What paintGL shows, painted without OpenGL: the background, then the
    // chart at its full intro.
    void paintPicture(QPainter* painter, const QRect& rect) override;

protected:
    // The implementation object that paints the chart and takes its mouse
    // events (left-button presses, moves, releases, leaving); a bare base
    // has none and paints nothing.
    virtual CVNQChartImpl* chartImpl() const;
    // Settings the implementation objects share; each chart makes public
    // those it offers (a bare base ignores them).
    void setTitle(const QString& title);
    void setHoverEnabled(bool enabled);
    void setTooltipEnabled(bool enabled);
    void setTooltipMode(int mode);
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // Hooks, empty here: after any theme or background change, after the
    // animation settings change, after every progress change.
    virtual void themeChanged();
    virtual void animationSettingsChanged();
    virtual void animationProgressChanged();

private:
    void onAnimationValue(const QVariant& value);
    void onAnimationFinished();

    int m_themePreset = 0;
    ChartTheme m_theme;
    int m_legendPosition = 2;
    QColor m_backgroundOverride;
    bool m_animationEnabled = true;
    int m_animationDuration = 700;
    double m_animationProgress = 1.0;
    QVariantAnimation* m_animation = nullptr;
    QString m_tooltipText;
    QPoint m_tooltipPos;
};

} // namespace CVNQtLib
