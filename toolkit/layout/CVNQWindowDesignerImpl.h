#pragma once

#include "CVNQWidgetBaseImpl.h"

namespace CVNQtLib {

class CVNQWindowDesigner;

// Paints nothing; its JSON carries the page's theme ("attr"."theme").
class CVNQ_EXPORT CVNQWindowDesignerImpl : public CVNQWidgetBaseImpl {
    Q_OBJECT
public:
    explicit CVNQWindowDesignerImpl(CVNQWindowDesigner* owner);

    bool serializeJsonValue(Json::Value** node, bool read) override;
};

} // namespace CVNQtLib
