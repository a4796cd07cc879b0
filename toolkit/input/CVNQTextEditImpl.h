#pragma once

#include "CVNQLineEditImpl.h"

namespace CVNQtLib {

class CVNQTextEdit;

// The line edit's look on a multi-line field: the same fields, painting and
// text-style application; its own JSON node (placeholder style at index 8,
// bound scroll-bar child nodes).
class CVNQTextEditImpl : public CVNQLineEditImpl {
public:
    CVNQTextEditImpl(CVNQTextEdit* owner, const QString& typeName);

    bool serializeJsonValue(Json::Value** node, bool read) override;

protected:
    bool ownerTextEmpty() const override;
    // The text edit draws into its viewport: the widget rectangle inset by
    // the margins, in viewport coordinates.
    QRect placeholderRect(const QRect& drawRect) const override;

private:
    CVNQTextEdit* m_edit;
};

} // namespace CVNQtLib
