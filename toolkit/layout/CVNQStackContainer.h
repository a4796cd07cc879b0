#pragma once

// The page switcher: an ordered list of pages of which exactly one, the
// current page, is shown, each sized to the whole container, over a themed
// background that follows the enabled state.

#include "CVNQControl.h"
#include "CVNQGlobal.h"

#include <QWidget>

namespace CVNQtLib {

class CVNQStackContainerImpl;

class CVNQ_EXPORT CVNQStackContainer : public QWidget, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQStackContainer, CVNQStackContainerImpl)
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit CVNQStackContainer(QWidget* parent = nullptr);
    ~CVNQStackContainer() override;

    static ControlInfo getProps();

    // Appends a page; its position, -1 for null.
    int addWidget(QWidget* page);
    // Inserts a page (or moves one already in the list); an index outside
    // 0..count() appends. Returns the page's position, -1 for null.
    int insertWidget(int index, QWidget* page);
    // Takes the page out of the list; it stays a hidden child.
    void removeWidget(QWidget* page);

    int count() const;
    int currentIndex() const;
    QWidget* currentWidget() const;
    // Null outside the list.
    QWidget* widget(int index) const;

    void setBackground(const FillStyle& style);
    void setDisableBackground(const FillStyle& style);
    // State 0 the normal background, any other state the disabled one;
    // CtrlStateAll sets both.
    void setBackgroundState(CtrlState state, const FillStyle& style);
    const FillStyle& getBackgroundState(CtrlState state) const;
    void setDrawBackground(bool draw);
    bool getDrawBackground() const;

public Q_SLOTS:
    // Ignored outside 0..count()-1; the same index again re-lays out the page.
    void setCurrentIndex(int index);
    // Nothing for a widget that is not a page.
    void setCurrentWidget(QWidget* page);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Shows and lays out the current page. Geometry updates are announced to
    // the page's and the container's parents unless the refresh answers a
    // layout request, which would otherwise post the next request itself.
    void refreshCurrentPage(bool announceGeometry = true);
    void updatePageGeometry(QWidget* page);
    // A page that was deleted or given another parent leaves the list.
    void forgetPage(QObject* child);
    // Takes the page at pos out of the list and keeps the current index on
    // the same page (or on the one that took the current page's place).
    void takePageAt(int pos);
};

} // namespace CVNQtLib
