#pragma once

// A self-painted strip of selectable items in a row or a column. It holds no
// pages: it reports a selection with currentChanged(int) and its user
// switches pages (for example with a CVNQStackContainer).

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QVariant>
#include <QWidget>

namespace CVNQtLib {

class CVNQTabWidgetImpl;

class CVNQ_EXPORT CVNQTabWidget : public QWidget, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQTabWidget, CVNQTabWidgetImpl)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQTabWidget(QWidget* parent = nullptr);
    ~CVNQTabWidget() override;

    static ControlInfo getProps();

    // Appends an item; hotIcon is drawn while the item is selected (empty:
    // no icon then). No repaint.
    void addTab(const QString& text, const QString& icon = QString(), const QString& hotIcon = QString());
    // Ignored outside the list; no repaint.
    void removeTab(int index);
    // Delete every item and repaint.
    void clear();
    void removeAllTab();
    int getTabCount() const;
    // Empty outside the list.
    QString getTabText(int index) const;
    // False / an invalid value outside the list.
    bool setItemData(int index, const QVariant& data);
    QVariant getItemData(int index) const;

    // Below the item count; any negative index means "no selection" (-1).
    // Emits currentChanged and repaints when the selection changes.
    void setSelectedIndex(int index);
    int getSelectedIndex() const;

    void setIsHor(bool horizontal);
    bool getIsHor() const;
    void setItemSize(int size);
    int getItemSize() const;
    void setItemSpace(int space);
    int getItemSpace() const;
    void setShowText(bool show);
    bool getShowText() const;
    void setShowIcon(bool show);
    bool getShowIcon() const;

    void setBackground(const FillStyle& style);
    const FillStyle& getBackground() const;
    // State 0 to 3, or 4 for all four.
    void setItemBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getItemBackground(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getItemTextStyle(CtrlState state) const;

    // The demo items of the emulator (see createComplete).
    void initDemoData();

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace CVNQtLib
