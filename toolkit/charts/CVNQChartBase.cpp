#include "CVNQChartBase.h"

#include "CVNQChartCoords.h"
#include "CVNQChartImpl.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QOpenGLFunctions>
#include <QPainter>
#include <QSurfaceFormat>
#include <QVariantAnimation>
#include <QtMath>
#include <utility>

#ifndef GL_MULTISAMPLE
#define GL_MULTISAMPLE 0x809D
#endif

namespace CVNQtLib {

namespace {

struct PresetColours
{
    const char* name;
    QRgb background, plot, text, axis, secondary, grid, crosshair;
    int crosshairAlpha;
    QRgb palette[6];
};

const PresetColours kPresets[4] = {
    {"Default",
     qRgb(255, 255, 255),
     qRgb(255, 255, 255),
     qRgb(67, 76, 94),
     qRgb(145, 154, 170),
     qRgb(101, 111, 128),
     qRgb(229, 233, 242),
     qRgb(171, 179, 191),
     180,
     {qRgb(84, 112, 198), qRgb(145, 204, 117), qRgb(250, 200, 88), qRgb(238, 102, 102), qRgb(115, 192, 222),
      qRgb(59, 162, 114)}},
    {"Macarons",
     qRgb(248, 245, 250),
     qRgb(255, 255, 255),
     qRgb(90, 84, 116),
     qRgb(185, 176, 205),
     qRgb(122, 113, 145),
     qRgb(232, 226, 240),
     qRgb(179, 166, 209),
     190,
     {qRgb(45, 183, 245), qRgb(239, 90, 161), qRgb(250, 200, 88), qRgb(114, 204, 104), qRgb(251, 132, 53),
      qRgb(155, 94, 230)}},
    {"Shine",
     qRgb(255, 251, 245),
     qRgb(255, 255, 255),
     qRgb(111, 78, 55),
     qRgb(204, 176, 148),
     qRgb(138, 105, 77),
     qRgb(243, 227, 210),
     qRgb(221, 182, 140),
     190,
     {qRgb(193, 35, 43), qRgb(39, 114, 123), qRgb(252, 206, 16), qRgb(232, 124, 37), qRgb(39, 174, 96),
      qRgb(142, 68, 173)}},
    {"Dark",
     qRgb(16, 20, 28),
     qRgb(24, 30, 42),
     qRgb(233, 238, 247),
     qRgb(96, 110, 132),
     qRgb(169, 181, 201),
     qRgb(58, 67, 84),
     qRgb(132, 147, 173),
     210,
     {qRgb(73, 220, 187), qRgb(114, 159, 255), qRgb(255, 194, 92), qRgb(255, 120, 134), qRgb(172, 120, 255),
      qRgb(102, 205, 249)}},
};

} // namespace

CVNQChartBase::CVNQChartBase(QWidget* parent)
    : QOpenGLWidget(parent, Qt::WindowFlags())
{
    m_theme = presetTheme(0);

    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setSamples(4);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    setFormat(format);

    m_animation = new QVariantAnimation(this);
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(1.0);
    m_animation->setDuration(m_animationDuration);
    connect(m_animation, &QVariantAnimation::valueChanged, this, &CVNQChartBase::onAnimationValue);
    connect(m_animation, &QVariantAnimation::finished, this, &CVNQChartBase::onAnimationFinished);
}

CVNQChartBase::~CVNQChartBase() = default;

ChartTheme CVNQChartBase::presetTheme(int index)
{
    const PresetColours& p = kPresets[(index >= 1 && index <= 3) ? index : 0];
    ChartTheme t;
    t.name = QString::fromLatin1(p.name);
    t.backgroundColor = QColor(p.background);
    t.plotBackgroundColor = QColor(p.plot);
    t.textColor = QColor(p.text);
    t.axisColor = QColor(p.axis);
    t.secondaryTextColor = QColor(p.secondary);
    t.gridColor = QColor(p.grid);
    t.crosshairColor = QColor(p.crosshair);
    t.crosshairColor.setAlpha(p.crosshairAlpha);
    t.palette.reserve(6);
    for (QRgb c : p.palette)
        t.palette.append(QColor(c));
    return t;
}

void CVNQChartBase::setTheme(int preset)
{
    m_themePreset = preset;
    m_theme = presetTheme(preset);
    themeChanged();
    update();
}

void CVNQChartBase::setTheme(const ChartTheme& custom)
{
    m_themePreset = 0;
    m_theme = custom;
    themeChanged();
    update();
}

void CVNQChartBase::setLegendPosition(int position)
{
    if (position == m_legendPosition)
        return;
    m_legendPosition = position;
    update();
}

void CVNQChartBase::setBackgroundColor(const QColor& color)
{
    m_backgroundOverride = color;
    themeChanged();
    update();
}

QColor CVNQChartBase::backgroundColor() const
{
    return m_backgroundOverride.isValid() ? m_backgroundOverride : m_theme.backgroundColor;
}

void CVNQChartBase::setAnimationEnabled(bool enabled)
{
    m_animationEnabled = enabled;
    if (!enabled) {
        m_animation->stop();
        m_animationProgress = 1.0;
    }
    animationSettingsChanged();
    update();
}

void CVNQChartBase::setAnimationDuration(int ms)
{
    m_animationDuration = qMax(ms, 0);
    m_animation->setDuration(m_animationDuration);
    animationSettingsChanged();
}

void CVNQChartBase::replayAnimation()
{
    if (m_animationEnabled) {
        m_animation->stop();
        m_animation->setDuration(m_animationDuration);
        // The animation reports only values that differ from its last one, so
        // a rerun would otherwise show the complete picture until its first
        // step; the run starts from 0 here and ends at 1 on finished().
        m_animationProgress = 0.0;
        m_animation->start();
        if (m_animation->state() != QAbstractAnimation::Running)
            m_animationProgress = 1.0;
    } else {
        m_animationProgress = 1.0;
    }
    animationProgressChanged();
    update();
}

void CVNQChartBase::onAnimationFinished()
{
    m_animationProgress = 1.0;
    animationProgressChanged();
    update();
}

void CVNQChartBase::onAnimationValue(const QVariant& value)
{
    bool ok = false;
    const double p = value.toDouble(&ok);
    // A zero-length animation or a broken value must not leave the charts
    // scaling their data by something outside 0..1.
    m_animationProgress = (ok && qIsFinite(p)) ? qBound(0.0, p, 1.0) : 1.0;
    animationProgressChanged();
    update();
}

void CVNQChartBase::showTooltip(const QPoint& pos, const QString& text)
{
    m_tooltipPos = pos;
    m_tooltipText = text;
    update();
}

void CVNQChartBase::hideTooltip()
{
    if (m_tooltipText.isEmpty())
        return;
    m_tooltipText.clear();
    update();
}

QRectF CVNQChartBase::tooltipBoxRect(const QRect& widgetRect, const QPoint& anchor, const QSizeF& boxSize)
{
    const QRectF bounds = QRectF(widgetRect).adjusted(8, 8, -8, -8);
    double x = anchor.x() + 16;
    double y = anchor.y() + 20;
    if (x + boxSize.width() > bounds.right())
        x = bounds.right() - boxSize.width();
    if (y + boxSize.height() > bounds.bottom())
        y = anchor.y() - boxSize.height() - 16;
    x = qMax(x, bounds.left());
    y = qMax(y, bounds.top());
    return QRectF(QPointF(x, y), boxSize);
}

void CVNQChartBase::paintTooltip(QPainter& painter)
{
    if (m_tooltipText.isEmpty())
        return;
    painter.save();
    // The painter's family at the tooltip size, in normal weight whatever
    // was painted last (a bold title must not make the tooltip bold).
    QFont font = painter.font();
    font.setPixelSize(cvnChartFontSize(m_theme.tooltipFontSize, rect()));
    font.setWeight(QFont::Normal);
    painter.setFont(font);
    const QFontMetricsF fm(font);

    const QStringList lines = m_tooltipText.split(QLatin1Char('\n'));
    const double lineHeight = fm.lineSpacing();
    double widest = 0.0;
    for (const QString& line : lines)
        widest = qMax(widest, fm.horizontalAdvance(line));
    const QSizeF boxSize(widest + 20, qMax(lines.size(), 1) * lineHeight + 16);
    const QRectF box = tooltipBoxRect(rect(), m_tooltipPos, boxSize);

    QColor fill, border, text;
    if (cvnChartIsDark(m_theme.backgroundColor)) {
        fill = QColor(18, 38, 40, 210);
        border = QColor(58, 112, 112, 205);
        text = QColor(239, 243, 250);
    } else {
        fill = QColor(255, 255, 255, 218);
        border = QColor(198, 207, 222, 218);
        text = m_theme.textColor;
    }
    painter.setPen(QPen(border, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 8, 8);

    painter.setPen(text);
    const double ascent = fm.ascent();
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QPointF(box.left() + 10, box.top() + 8 + ascent + i * lineHeight), lines.at(i));
    painter.restore();
}

CVNQChartImpl* CVNQChartBase::chartImpl() const
{
    return nullptr;
}

void CVNQChartBase::setTitle(const QString& title)
{
    if (CVNQChartImpl* impl = chartImpl())
        impl->setTitle(title);
}

void CVNQChartBase::setHoverEnabled(bool enabled)
{
    if (CVNQChartImpl* impl = chartImpl())
        impl->setHoverEnabled(enabled);
}

void CVNQChartBase::setTooltipEnabled(bool enabled)
{
    if (CVNQChartImpl* impl = chartImpl())
        impl->setTooltipEnabled(enabled);
}

void CVNQChartBase::setTooltipMode(int mode)
{
    if (CVNQChartImpl* impl = chartImpl())
        impl->setTooltipMode(mode);
}

void CVNQChartBase::initializeGL()
{
    if (CVNQChartImpl* impl = chartImpl())
        impl->initGL();
}

void CVNQChartBase::resizeGL(int, int) {}

void CVNQChartBase::paintGL()
{
    if (CVNQChartImpl* impl = chartImpl())
        impl->paintGL();
}

void CVNQChartBase::mousePressEvent(QMouseEvent* event)
{
    CVNQChartImpl* impl = chartImpl();
    if (impl && event->button() == Qt::LeftButton && impl->handlePress(event->pos())) {
        event->accept();
        return;
    }
    QOpenGLWidget::mousePressEvent(event);
}

void CVNQChartBase::mouseMoveEvent(QMouseEvent* event)
{
    CVNQChartImpl* impl = chartImpl();
    if (impl && impl->handleDrag(event->pos())) {
        event->accept();
        return;
    }
    QOpenGLWidget::mouseMoveEvent(event);
    if (impl && impl->updateHover(event->pos()))
        update();
}

void CVNQChartBase::mouseReleaseEvent(QMouseEvent* event)
{
    CVNQChartImpl* impl = chartImpl();
    if (impl && event->button() == Qt::LeftButton)
        impl->handleRelease();
    QOpenGLWidget::mouseReleaseEvent(event);
}

void CVNQChartBase::leaveEvent(QEvent* event)
{
    QOpenGLWidget::leaveEvent(event);
    if (CVNQChartImpl* impl = chartImpl())
        impl->handleLeave();
}

void CVNQChartBase::showEvent(QShowEvent* event)
{
    QOpenGLWidget::showEvent(event);
    // Qt drops the updates of a hidden widget, and an OpenGL widget that
    // is shown again only puts up its last frame: changes made meanwhile
    // (new series names, say) would wait for the next change to show.
    update();
}

void CVNQChartBase::themeChanged() {}
void CVNQChartBase::animationSettingsChanged() {}
void CVNQChartBase::animationProgressChanged() {}

void CVNQChartBase::paintPicture(QPainter* painter, const QRect& rect)
{
    CVNQChartImpl* impl = chartImpl();
    painter->fillRect(rect, backgroundColor());
    if (!impl)
        return;
    // What a painter opened on the widget starts with.
    painter->save();
    painter->setFont(font());
    painter->setPen(palette().color(foregroundRole()));
    // The intro's steps repaint only a chart on screen, never a picture of
    // it: a picture shows where the intro ends.
    const double progress = std::exchange(m_animationProgress, 1.0);
    impl->draw(painter, rect);
    m_animationProgress = progress;
    painter->restore();
}

void CVNQChartBase::beginGLFrame(QOpenGLFunctions& gl)
{
    const qreal dpr = devicePixelRatioF();
    gl.glViewport(0, 0, qRound(width() * dpr), qRound(height() * dpr));
    const QColor bg = backgroundColor();
    gl.glClearColor(float(bg.redF()), float(bg.greenF()), float(bg.blueF()), float(bg.alphaF()));
    gl.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl.glEnable(GL_MULTISAMPLE);
    gl.glDisable(GL_DEPTH_TEST);
}

} // namespace CVNQtLib

#include "moc_CVNQChartBase.cpp"
