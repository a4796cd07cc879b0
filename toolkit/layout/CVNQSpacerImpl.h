#pragma once

#include "CVNQSpacer.h"
#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"

namespace CVNQtLib {

// The spacer paints nothing (the base draw is empty).
class CVNQ_EXPORT CVNQSpacerImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    explicit CVNQSpacerImpl(CVNQSpacer* owner);

    CVNQSpacer::Direction direction = CVNQSpacer::Auto;
    int thickness = 0;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
};

} // namespace CVNQtLib
