#pragma once

// Picture sources, placement and GIF playback of CVNQImage.

#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"

#include <QImage>

class QLabel;
class QMovie;

namespace CVNQtLib {

class CVNQImage;

class CVNQ_EXPORT CVNQImageImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQImageImpl(CVNQImage* owner, const QString& typeName);
    ~CVNQImageImpl() override;

    // No control state: the picture looks the same in every state.
    void paint() override;
    void draw(QPainter* painter, const QRect& rect) override;

    // Where a picture of size lands inside rect.
    QRect placement(const QSize& size, const QRect& rect) const;
    void stopMovie();
    void startMovie(const QString& path);

    int lastFrame = -1;
    bool stretch = true;
    DockLayoutType alignVer = DockCenter;
    DockLayoutType alignHor = DockCenter;
    QString imagePath;
    QString svgPath;
    // A copy of the image handed over by setImage; hasImage tells whether
    // there is one (a null image can be handed over too).
    QImage image;
    bool hasImage = false;
    bool useSvgColor = false;
    QColor svgColor{Qt::black};
    QMovie* movie = nullptr;
    QLabel* movieLabel = nullptr;

protected:
    // The picture has no "style" list, only "attr" keys.
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;

private:
    void drawSvg(QPainter* painter, const QRect& rect);
};

} // namespace CVNQtLib
