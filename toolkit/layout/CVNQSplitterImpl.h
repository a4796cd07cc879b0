#pragma once

#include "CVNQSplitter.h"
#include "CVNQWidgetBaseImpl.h"

#include <QPointer>

namespace CVNQtLib {

class CVNQ_EXPORT CVNQSplitterImpl : public CVNQWidgetBaseImpl {
    Q_OBJECT
public:
    explicit CVNQSplitterImpl(CVNQSplitter* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool serializeJsonValue(Json::Value** node, bool read) override;

    bool isHor = true;
    // Not owned; guarded so a deleted pane reads as null.
    QPointer<QWidget> upLeft;
    QPointer<QWidget> downRight;
    FillStyle background;
    int upLeftLimit = -1;
    int downRightLimit = -1;
};

} // namespace CVNQtLib
