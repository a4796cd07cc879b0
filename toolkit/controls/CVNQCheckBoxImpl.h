#pragma once

// Look of CVNQCheckBox. draw() also serves as a stamp: item views draw
// every cell check box through one hidden check box, into any rectangle.

#include "CVNQCheckableImpl.h"
#include "CVNQGlobal.h"

class QCheckBox;

namespace CVNQtLib {

class CVNQ_EXPORT CVNQCheckBoxImpl : public CVNQCheckableImpl
{
    Q_OBJECT
public:
    // Built-in 16 x 16 images registered at toolkit start-up.
    static const QString kUncheckImage;
    static const QString kCheckedImage;

    CVNQCheckBoxImpl(QCheckBox* owner, const QString& typeName);

    void draw(QPainter* painter, const QRect& rect) override;

    void setUncheckIcon(const QString& name);
    void setCheckedIcon(const QString& name);
    // The icon of a control state (empty: none) and where the text starts.
    QString iconFor(bool checked, CtrlState state) const;
    int textOffset() const;

    QString uncheckIcon{kUncheckImage};
    QString uncheckHotIcon{kUncheckImage};
    QString checkedIcon{kCheckedImage};
    QString checkedHotIcon{kCheckedImage};
    QString disableCheckIcon;
    QString disableUncheckIcon;

protected:
    // Also for theme entries: a theme may set the icons and the text.
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
};

} // namespace CVNQtLib
