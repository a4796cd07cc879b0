#pragma once

#include "CVNQEnabledBackground.h"
#include "CVNQStackContainer.h"
#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"

#include <QList>
#include <QPointer>

namespace CVNQtLib {

class CVNQ_EXPORT CVNQStackContainerImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    explicit CVNQStackContainerImpl(CVNQStackContainer* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    // The controls a file built under the container become its pages, in
    // file order; the first is current.
    void createComplete() override;
    // Pages in page order (showing a page raises it, which reorders Qt's
    // children), then any other written child.
    QObjectList childrenInWrittenOrder() const override;

    // Position of a page in the list, -1 when it is not there.
    int indexOf(const QObject* page) const;
    bool isValidIndex(int index) const { return index >= 0 && index < pages.size(); }

    CVNQEnabledBackground backgrounds;
    // Not owning: pages belong to the container through Qt's parent tree.
    // Guarded, so a page deleted behind the container's back reads as null.
    QList<QPointer<QWidget>> pages;
    int current = -1;
    // Set while the current page is refreshed: showing and laying out the
    // page may deliver events that would start the refresh again.
    bool refreshing = false;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
};

} // namespace CVNQtLib
