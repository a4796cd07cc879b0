#include "CVNQImageImpl.h"

#include "CVNJson.h"
#include "CVNQAttrJson.h"
#include "CVNQImage.h"
#include "CVNQPainters.h"
#include "CVNQResourceManager.h"
#include "CVNQStyleDefs.h"

#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace CVNQtLib {

namespace {

bool endsWithSvg(const QString& path)
{
    return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

int alignOffset(DockLayoutType align, int space)
{
    if (align == DockCenter)
        return space / 2;
    if (align == DockFar)
        return space;
    return 0;
}

} // namespace

CVNQImageImpl::CVNQImageImpl(CVNQImage* owner, const QString& typeName)
    : CVNQControlImpl(owner, typeName)
{}

CVNQImageImpl::~CVNQImageImpl()
{
    stopMovie();
}

QRect CVNQImageImpl::placement(const QSize& size, const QRect& rect) const
{
    if (stretch)
        return QRect(rect.left(), rect.top(), rect.width(), rect.height());
    return QRect(rect.left() + alignOffset(alignHor, rect.width() - size.width()),
                 rect.top() + alignOffset(alignVer, rect.height() - size.height()), size.width(), size.height());
}

void CVNQImageImpl::paint()
{
    if (!m_owner)
        return;
    {
        QPainter painter(m_owner);
        draw(&painter, QRect(0, 0, m_owner->width(), m_owner->height()));
    }
    if (movie) {
        lastFrame = movie->currentFrameNumber();
        if (movie->frameCount() > 0 && lastFrame == movie->frameCount() - 1)
            emit static_cast<CVNQImage*>(m_owner)->movieFinished();
    }
}

void CVNQImageImpl::draw(QPainter* painter, const QRect& rect)
{
    if (!svgPath.isEmpty()) {
        drawSvg(painter, rect);
        return;
    }
    const QImage* picture = hasImage ? &image : CVNQResourceManager::getInstance()->getImage(imagePath, false);
    if (!picture || picture->isNull())
        return;
    painter->drawImage(placement(picture->size(), rect), *picture, picture->rect());
}

void CVNQImageImpl::drawSvg(QPainter* painter, const QRect& rect)
{
    QSvgRenderer* renderer = CVNQResourceManager::getInstance()->getSvgRenderer(svgPath);
    if (!renderer || !renderer->isValid())
        return;
    QSize size = renderer->defaultSize();
    if (size.isEmpty())
        size = QSize(std::max(rect.width(), 1), std::max(rect.height(), 1));
    const QRect target = placement(size, rect);
    if (target.width() < 1 || target.height() < 1)
        return;
    if (!useSvgColor) {
        renderer->render(painter, QRectF(target));
        return;
    }
    // The colour replaces every drawn pixel and keeps its alpha. Only the
    // part that shows is made: an SVG may declare a huge size.
    cvnDrawRenderedSvg(painter, svgPath, target, svgColor.isValid() ? svgColor : QColor(Qt::black), false);
}

void CVNQImageImpl::stopMovie()
{
    if (movieLabel) {
        movieLabel->setMovie(nullptr);
        movieLabel->hide();
    }
    if (movie) {
        movie->stop();
        delete movie;
        movie = nullptr;
    }
}

void CVNQImageImpl::startMovie(const QString& path)
{
    stopMovie();
    movie = new QMovie(path);
    if (!movieLabel)
        movieLabel = new QLabel(m_owner);
    movieLabel->setGeometry(0, 0, m_owner->width(), m_owner->height());
    movieLabel->setScaledContents(true);
    movieLabel->setMovie(movie);
    movieLabel->show();
    movie->start();
}

void CVNQImageImpl::readJson(const Json::Value& node)
{
    const Json::Value* attr = cvnAttrObject(node);
    if (!attr)
        return;
    QString path;
    if (jsonRead(*attr, "path", path)) {
        imagePath = path;
        if (endsWithSvg(path))
            svgPath = path;
    }
    jsonRead(*attr, "fill", stretch);
    jsonRead(*attr, "svgPath", svgPath);
    jsonRead(*attr, "svgUseColor", useSvgColor);
    std::string color;
    if (jsonRead(*attr, "svgColor", color))
        svgColor = cvnColorFromText(color, true); // the alpha the writer wrote
}

void CVNQImageImpl::writeJson(Json::Value& node) const
{
    Json::Value& attr = cvnOwnAttr(node, {"path", "fill", "svgPath", "svgUseColor", "svgColor"});
    if (svgPath.isEmpty() && !imagePath.isEmpty())
        jsonMember(attr, "path") = jsonUtf8(imagePath);
    if (!stretch)
        cvnWriteFlag(attr, "fill", false);
    if (!svgPath.isEmpty())
        jsonMember(attr, "svgPath") = jsonUtf8(svgPath);
    if (useSvgColor)
        cvnWriteFlag(attr, "svgUseColor", true);
    const std::string color = cvnColorToText(svgColor);
    if (color != "FF000000")
        jsonMember(attr, "svgColor") = color;
}

} // namespace CVNQtLib

#include "moc_CVNQImageImpl.cpp"
