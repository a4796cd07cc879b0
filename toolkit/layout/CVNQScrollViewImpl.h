#pragma once

#include "CVNQScrollView.h"
#include "CVNQWidgetBaseImpl.h"

#include <QPointer>

namespace CVNQtLib {

class CVNQ_EXPORT CVNQScrollViewImpl : public CVNQWidgetBaseImpl {
    Q_OBJECT
public:
    explicit CVNQScrollViewImpl(CVNQScrollView* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool serializeJsonValue(Json::Value** node, bool read) override;
    // Adopts the first container child as the scrolled content.
    void createComplete() override;

    CVNQScrollView* view() const;

    QPointer<QWidget> content;
    FillStyle background;
};

} // namespace CVNQtLib
