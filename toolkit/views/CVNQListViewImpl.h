#pragma once

// State, styles and JSON routine of the template list. The delegate paints
// and hit-tests rows from here.

#include "CVNQControlImpl.h"
#include "CVNQListView.h"
#include "CVNQStateStyles.h"

#include <QPointer>

namespace CVNQtLib {

class CVNQContainer;

class CVNQ_EXPORT CVNQListViewImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQListViewImpl(CVNQListView* owner, const QString& typeName);
    ~CVNQListViewImpl() override;

    // After a page built the view: drops the scroll-bar controls built from
    // its node's children (they describe its own bars), then adopts the
    // first child container as the template.
    void createComplete() override;
    void notifyChangeLanguage() override {}

    CVNQListView* view() const;
    // Takes the template's node as it is now, before any row is painted
    // into it; the view writes this one.
    void keepTemplateNode(CVNQContainer* itemTemplate);

    bool enableSelection = false;
    int itemHeight = 20;
    int itemWidth = 20;
    // Not owned; a template deleted by its owner reads as null.
    QPointer<CVNQContainer> itemTemplate;
    FillStyle background;
    CVNQFillStyles itemBackground;
    ItemForSizeCallBack itemForSizeCallBack = nullptr;
    ItemDisplayCallBack itemDisplayCallBack = nullptr;
    LabelExCallBack labelExCallBack = nullptr;
    // The template as it was given or built: painting leaves the last row's
    // texts, fill and size in the live one.
    Json::Value templateNode;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;

private:
    void writeTemplate(Json::Value& node) const;
};

} // namespace CVNQtLib
