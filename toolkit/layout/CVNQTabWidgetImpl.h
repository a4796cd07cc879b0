#pragma once

#include "CVNQStateStyles.h"
#include "CVNQTabWidget.h"
#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"

#include <QVector>

namespace CVNQtLib {

struct CVNQ_EXPORT CVNQTabItem
{
    QString icon;    // drawn while the item is not selected
    QString hotIcon; // drawn while it is selected
    QString text;
    QVariant data;
};

class CVNQ_EXPORT CVNQTabWidgetImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    explicit CVNQTabWidgetImpl(CVNQTabWidget* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    // In the emulator a new strip shows three demo items.
    void createComplete() override;

    bool isValidIndex(int index) const { return index >= 0 && index < items.size(); }
    // Item rectangle for painting and hit tests; items are neither clipped
    // nor scrolled, so those past the edge simply lie outside the control.
    QRect itemRect(int index) const;
    // First item under pos, -1 for none.
    int itemAt(const QPoint& pos) const;

    bool showIcon = true;
    bool showText = true;
    int selected = 0; // a new strip has item 0 selected before it has items
    int hover = -1;
    int itemSpace = 0;
    bool vertical = false;
    int itemSize = 50;
    QVector<CVNQTabItem> items;
    // The style groups in "style" list order, each after the last. The
    // background keeps one style under one index; its property row still
    // offers the normal and disabled states.
    struct Slots
    {
        static constexpr CVNQStyleSlot background{"Background", StyleKindFill, 0, 1};
        static constexpr CVNQStyleSlot item = background.next("ItemBg", StyleKindFill, CtrlStateCount);
        static constexpr CVNQStyleSlot itemText = item.next("TextStyle", StyleKindText, CtrlStateCount);
    };

    FillStyle background;
    CVNQFillStyles itemBackgrounds;
    CVNQTextStyles itemTextStyles;
    IconStyleDesc iconPlacement;

protected:
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;
};

} // namespace CVNQtLib
