#pragma once

// Styles and JSON routine of the simple list; its delegate paints from here.

#include "CVNQControlImpl.h"
#include "CVNQStateStyles.h"

namespace CVNQtLib {

class CVNQList;

class CVNQ_EXPORT CVNQListImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQListImpl(CVNQList* owner, const QString& typeName);
    ~CVNQListImpl() override;

    // After a page built the list: drops the scroll-bar controls built from
    // its node's children; inside the maker's emulator or designer only,
    // adds demonstration items.
    void createComplete() override;

    CVNQList* list() const;

    int itemHeight = 20;
    FillStyle background;
    CVNQFillStyles itemBackground;
    CVNQTextStyles itemTextStyle;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
};

} // namespace CVNQtLib
