#pragma once

#include "CVNQSpacer.h"
#include "CVNQWidgetBaseImpl.h"

namespace CVNQtLib {

class CVNQ_EXPORT CVNQSpacerImpl : public CVNQWidgetBaseImpl {
    Q_OBJECT
public:
    explicit CVNQSpacerImpl(CVNQSpacer* owner);

    // The spacer paints nothing (the base draw is empty).
    bool serializeJsonValue(Json::Value** node, bool read) override;

    CVNQSpacer::Direction direction = CVNQSpacer::Auto;
    int thickness = 0;
};

} // namespace CVNQtLib
