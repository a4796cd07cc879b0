#pragma once

#include "CVNQGlobal.h"
#include "CVNQLineEditImpl.h"

namespace CVNQtLib {

class CVNQTextEdit;

// The line edit's look on a multi-line field: the same fields, painting and
// text-style application; its own JSON node (placeholder style right after
// the text styles, margins without the line edit's fallbacks, bound
// scroll-bar child nodes).
class CVNQ_EXPORT CVNQTextEditImpl : public CVNQLineEditImpl
{
    Q_OBJECT
public:
    CVNQTextEditImpl(CVNQTextEdit* owner, const QString& typeName);

    // The line edit's slots, with the placeholder right after the text styles.
    struct Slots : CVNQLineEditImpl::Slots
    {
        static constexpr CVNQStyleSlot placeholder = text.next("PlaceholderStyle", StyleKindText, 1);
    };

    // Paints the background and placeholder behind the viewport's text, in
    // the look of the current state (the disabled look while the field is
    // disabled), after applying that state's text style.
    void paintViewport(QWidget* viewport);
    // The scroll-bar nodes configure the edit's own bars; the bars the
    // factory also built from them would only cover the text.
    void createComplete() override;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
    QString ownerText() const override;
    void setOwnerText(const QString& text) override;
    QMargins ownerMargins() const override;
    void setOwnerMargins(const QMargins& margins) override;
    // draw() paints the viewport, which already sits inside the margins.
    QRect placeholderRect(const QRect& drawRect) const override { return drawRect; }

private:
    CVNQTextEdit* textEdit() const;
};

} // namespace CVNQtLib
