#pragma once

// A picture control (type "qtpicture"): a raster image from the resource
// manager or a file, an SVG that can be recoloured in one colour, an image
// handed over by the caller, or an animated GIF. The picture is stretched
// over the control or drawn at its own size and aligned inside it.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QWidget>

class QImage;

namespace CVNQtLib {

class CVNQImageImpl;

class CVNQ_EXPORT CVNQImage : public QWidget, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQImage, CVNQImageImpl)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQImage(QWidget* parent = nullptr);
    ~CVNQImage() override;
    static ControlInfo getProps();

    // Stops a running GIF; a name ending in ".svg" is shown as SVG. Drops
    // an image given by setImage, so the named picture shows.
    void setImagePath(const QString& path);
    const QString& getImagePath() const;
    // Stops a running GIF and shows the SVG (in preference to any raster
    // source).
    void setSvgPath(const QString& path);
    const QString& getSvgPath() const;
    // Shows a copy of image (null shows nothing from this source); the
    // caller keeps its own image.
    void setImage(const QImage* image);
    // The control's copy, or null.
    const QImage* getImage() const;
    // Recolours the SVG in color (switches recolouring on).
    void setSvgColor(const QColor& color);
    QColor getSvgColor() const;
    void setUseSvgColor(bool use);
    bool getUseSvgColor() const;
    void setStretchDraw(bool stretch);
    bool getStretchDraw() const;
    // Placement of an unstretched picture: 0 near edge, 1 centre, 2 far edge.
    void setAlignType(DockLayoutType hor, DockLayoutType ver);
    // Plays a GIF in a child label over the whole control.
    void loadGif(const QString& path);
    void startAnimate();
    void stopAnimate();

    CVNQImageImpl* getImpl() const { return m_impl.get(); }

Q_SIGNALS:
    // A mouse release on the control, any button.
    void clicked();
    // The control repainted while the GIF showed its last frame.
    void movieFinished();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace CVNQtLib
