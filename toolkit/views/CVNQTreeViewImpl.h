#pragma once

// State and styles of the tree, its JSON routine and its demonstration
// rows. The delegate, the corner widget and the viewport read everything
// they paint from here.

#include "CVNQControlImpl.h"
#include "CVNQStateStyles.h"

namespace CVNQtLib {

class CVNQTreeView;

class CVNQ_EXPORT CVNQTreeViewImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQTreeViewImpl(CVNQTreeView* owner, const QString& typeName);
    ~CVNQTreeViewImpl() override;

    // Fills the background.
    void draw(QPainter* painter, const QRect& rect) override;
    // After a page built the tree: drops the scroll-bar controls built from
    // its node's children; then, inside the maker's tools only, fills
    // demonstration rows.
    void createComplete() override;

    CVNQTreeView* view() const;

    int scrollbarSize = 23;
    int scrollbarBtnSize = 23;
    int itemHeight = 0;
    FillStyle background;
    CVNQFillStyles itemBackgrounds;
    CVNQTextStyles itemTextStyles;
    CVNQFillStyles headerBackgrounds;
    CVNQTextStyles headerTextStyles;

protected:
    // "style", scroll-bar children and "attr", after the common part.
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
};

} // namespace CVNQtLib
