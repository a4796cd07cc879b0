#pragma once

// Themed drop-down selector. Qt's model, selection and popup handling are
// kept; the closed box (background, a square drop-down button with an image
// per state, the current item's icon and text) and the popup (its
// background and per-row backgrounds and text styles for normal, hovered
// and selected rows) are painted by the toolkit. The popup is a
// CVNQComboList with a CVNQComboItemDelegate.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QComboBox>
#include <QPointer>

namespace CVNQtLib {

class CVNQComboBoxImpl;
class CVNQComboList;

class CVNQ_EXPORT CVNQComboBox : public QComboBox, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQComboBox, CVNQComboBoxImpl)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQComboBox(QWidget* parent = nullptr);
    ~CVNQComboBox() override;

    static ControlInfo getProps();

    // Per-state styles take a state 0..3, or CtrlStateAll for all four; any
    // other value addresses the state-0 slot.
    void setBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getBackground(CtrlState state) const;
    void setBtnBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getBtnBackground(CtrlState state) const;
    void setTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getTextStyle(CtrlState state) const;
    // Popup rows: 0 normal, 1 hovered, 2 selected.
    void setItemBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getItemBackground(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getItemTextStyle(CtrlState state) const;
    // One popup background; the state is ignored.
    void setPopupBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getPopupBackground(CtrlState state) const;

    // Drop-down button image per state (a resource image name).
    void setBtnIcon(CtrlState state, const QString& image);
    const QString& getBtnIcon(CtrlState state) const;
    void setNormalBtnIcon(const QString& image);
    const QString& getNormalBtnIcon() const;
    void setHotBtnIcon(const QString& image);
    const QString& getHotBtnIcon() const;

    // Height of every popup row.
    void setItemHeight(int height);
    int getItemHeight() const;

    // The popup list installed as the combo box's view.
    CVNQComboList* getPopupList() const;

    // Qt's popup handling, plus: the open popup takes the rounded shape of
    // the popup background, and closing it ends the box's pressed look.
    void showPopup() override;
    void hidePopup() override;

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPointer<CVNQComboList> m_list;
};

} // namespace CVNQtLib
