#pragma once

#include "CVNQScrollView.h"
#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"

#include <QPointer>

namespace CVNQtLib {

class CVNQ_EXPORT CVNQScrollViewImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    explicit CVNQScrollViewImpl(CVNQScrollView* owner);
    // For views of another type name.
    CVNQScrollViewImpl(CVNQScrollView* owner, const QString& typeName);

    void draw(QPainter* painter, const QRect& rect) override;
    // Adopts the first container child as the scrolled content.
    void createComplete() override;

    CVNQScrollView* view() const;

    // The one group of the "style" list: the background. Every index from
    // its first on names it.
    struct Slots
    {
        static constexpr CVNQStyleSlot background{"Background", StyleKindFill, 0, 2};
    };

    QPointer<QWidget> content;
    FillStyle background;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
};

} // namespace CVNQtLib
