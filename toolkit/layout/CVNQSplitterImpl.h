#pragma once

#include "CVNQSplitter.h"
#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"

#include <QPointer>

namespace CVNQtLib {

class CVNQ_EXPORT CVNQSplitterImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    explicit CVNQSplitterImpl(CVNQSplitter* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    // The first two controls a file built under the splitter are its panes;
    // a pane code set already is kept, one left empty takes the next control.
    void createComplete() override;

    bool isHor = true;
    // Not owned; guarded so a deleted pane reads as null.
    QPointer<QWidget> upLeft;
    QPointer<QWidget> downRight;
    // The one group of the "style" list: the background, under one index.
    struct Slots
    {
        static constexpr CVNQStyleSlot background{"Background", StyleKindFill, 0, 1};
    };

    FillStyle background;
    int upLeftLimit = -1;
    int downRightLimit = -1;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
};

} // namespace CVNQtLib
