#pragma once

// Implementation base of the controls, containers and input fields. Every
// control's JSON routine runs the common part first (attributes, "theme",
// children) and then reads or writes its own "style" and "attr" keys; this
// base does the first step and the dispatch once, so a control states only
// its keys.

#include "CVNQGlobal.h"
#include "CVNQWidgetBaseImpl.h"

namespace CVNQtLib {

class CVNQ_EXPORT CVNQControlImpl : public CVNQWidgetBaseImpl
{
    Q_OBJECT
public:
    using CVNQWidgetBaseImpl::CVNQWidgetBaseImpl;

    // The common routine's result; the control's keys are read from the
    // node in use after it, which "theme" may have switched to a theme entry.
    bool serializeJsonValue(Json::Value** node, bool read) final;

protected:
    virtual void readJson(const Json::Value& node) = 0;
    virtual void writeJson(Json::Value& node) const = 0;
};

} // namespace CVNQtLib
