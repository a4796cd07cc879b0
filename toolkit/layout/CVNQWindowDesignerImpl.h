#pragma once

#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"

namespace CVNQtLib {

class CVNQWindowDesigner;

// Paints nothing; its JSON carries the page's theme ("attr"."theme").
class CVNQ_EXPORT CVNQWindowDesignerImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    explicit CVNQWindowDesignerImpl(CVNQWindowDesigner* owner);

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
};

} // namespace CVNQtLib
