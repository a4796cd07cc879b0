#include "CVNQImage.h"

#include "CVNQControlInfo.h"
#include "CVNQImageImpl.h"

#include <QLabel>
#include <QMouseEvent>
#include <QMovie>

namespace CVNQtLib {

CVNQ_IMPLEMENT_CONTROL(CVNQImage, CVNQImageImpl, "qtpicture")
CVNQ_IMPLEMENT_PAINT_EVENT(CVNQImage)

CVNQImage::CVNQImage(QWidget* parent)
    : QWidget(parent)
{
    m_impl.reset(new CVNQImageImpl(this, typeName()));
    m_impl->applyTheme();
}

CVNQImage::~CVNQImage() = default;

ControlInfo CVNQImage::getProps()
{
    ControlInfo info = cvnMakeControlInfo(typeName(), "Image", "Control Image", "CVNQImage", "picture");
    info.properties.push_back(cvnStringRow<CVNQImage>(QStringLiteral("ImagePath"), PropImage, &CVNQImage::setImagePath,
                                                      &CVNQImage::getImagePath));
    info.properties.push_back(
        cvnBoolRow<CVNQImage>(QStringLiteral("Stretch"), &CVNQImage::setStretchDraw, &CVNQImage::getStretchDraw));
    return info;
}

void CVNQImage::setImagePath(const QString& path)
{
    m_impl->stopMovie();
    m_impl->imagePath = path;
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        m_impl->svgPath = path;
    else
        m_impl->svgPath.clear();
    // A path set after setImage is meant to be seen.
    m_impl->hasImage = false;
    m_impl->image = QImage();
    update();
}

const QString& CVNQImage::getImagePath() const
{
    return m_impl->imagePath;
}

void CVNQImage::setSvgPath(const QString& path)
{
    m_impl->stopMovie();
    m_impl->svgPath = path;
    m_impl->imagePath.clear();
    m_impl->hasImage = false;
    m_impl->image = QImage();
    update();
}

const QString& CVNQImage::getSvgPath() const
{
    return m_impl->svgPath;
}

void CVNQImage::setImage(const QImage* image)
{
    m_impl->hasImage = image != nullptr;
    m_impl->image = image ? *image : QImage();
    m_impl->svgPath.clear();
    update();
}

const QImage* CVNQImage::getImage() const
{
    return m_impl->hasImage ? &m_impl->image : nullptr;
}

void CVNQImage::setSvgColor(const QColor& color)
{
    m_impl->svgColor = color;
    m_impl->useSvgColor = true;
    update();
}

QColor CVNQImage::getSvgColor() const
{
    return m_impl->svgColor;
}

void CVNQImage::setUseSvgColor(bool use)
{
    m_impl->useSvgColor = use;
    update();
}

bool CVNQImage::getUseSvgColor() const
{
    return m_impl->useSvgColor;
}
void CVNQImage::setStretchDraw(bool stretch)
{
    m_impl->stretch = stretch;
}
bool CVNQImage::getStretchDraw() const
{
    return m_impl->stretch;
}

void CVNQImage::setAlignType(DockLayoutType hor, DockLayoutType ver)
{
    m_impl->alignHor = hor;
    m_impl->alignVer = ver;
}

void CVNQImage::loadGif(const QString& path)
{
    m_impl->imagePath.clear();
    m_impl->svgPath.clear();
    m_impl->hasImage = false;
    m_impl->image = QImage();
    m_impl->startMovie(path);
}

void CVNQImage::startAnimate()
{
    if (m_impl->movie)
        m_impl->movie->start();
}

void CVNQImage::stopAnimate()
{
    if (m_impl->movie)
        m_impl->movie->stop();
}

void CVNQImage::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    // Taken here: a slot may delete the image, and an ignored release would
    // go on to its parent.
    event->accept();
    emit clicked();
}

void CVNQImage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_impl->movieLabel)
        m_impl->movieLabel->setGeometry(rect());
}

} // namespace CVNQtLib

#include "moc_CVNQImage.cpp"
