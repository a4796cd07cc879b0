#pragma once

// The toolkit's simple themed list ("qtlist"): a QListWidget whose rows are
// text with an optional icon, drawn with a fill and a text style per item
// state.

#include "CVNQControl.h"
#include "CVNQScrollBarForwarders.h"

#include <QListWidget>
#include <QPointer>

namespace CVNQtLib {

class CVNQListImpl;
class CVNQListItemDelegate;
class CVNQScrollBar;

class CVNQ_EXPORT CVNQList : public QListWidget, public ICVNQWidgetBase, public CVNQScrollBarForwarders
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQList, CVNQListImpl)
public:
    explicit CVNQList(QWidget* parent = nullptr);
    ~CVNQList() override;

    static ControlInfo getProps();

    // Multi selection (true) or single selection.
    void setIsMultiSelected(bool multi);
    bool getIsMultiSelected() const;
    // Row height; 0 counts as 20.
    void setItemHeight(int height);
    int getItemHeight() const;

    // The viewport fill; the state is ignored.
    void setBackground(CommonCtrlState state, const FillStyle& style);
    const FillStyle& getBackground(CommonCtrlState state) const;
    // Per item state 0 normal, 1 hover, 2 selected, 3 disabled; the setters
    // take CtrlStateAll for all four. Other states are ignored by the
    // setters and read state 0.
    void setItemBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getItemBackground(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getItemTextStyle(CtrlState state) const;

    // Both bars take the size, whatever the direction; the button size is
    // not kept.
    void setScrollbarSize(bool horizontal, int size);
    void setScrollbarBtnSize(bool horizontal, int size);
    CVNQScrollBar* themedScrollBar(bool horizontal) const override;

    CVNQListImpl* getImpl() const { return m_impl.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<CVNQScrollBar> m_horizontalScrollBar;
    QPointer<CVNQScrollBar> m_verticalScrollBar;
    QPointer<CVNQListItemDelegate> m_delegate;
};

} // namespace CVNQtLib
