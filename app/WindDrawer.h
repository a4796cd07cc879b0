#pragma once

// A side drawer of the turbines page: a container docked over the page's
// right edge, outside its child layout, that slides open and closed by
// changing its width. Whoever makes it fills it and hides it.

#include "CVNQContainer.h"

class WindDrawer : public CVNQtLib::CVNQContainer
{
    Q_OBJECT

public:
    // Width when open, and the time of a whole slide.
    static constexpr int kWidth = 390;
    static constexpr int kSlideMs = 220;

    WindDrawer(const QString& objectName, QWidget* parent);

    bool isExpanded() const { return expanded; }
    // Slides open or closed; nothing when it is already on its way there.
    void setExpanded(bool expand);
    // Come to rest at the side its flag names: no slide runs, the children
    // are laid out again, a closed drawer is hidden.
    bool isAtRest() const;

Q_SIGNALS:
    // An opening slide has ended with the drawer open and laid out.
    void opened();

private:
    using Step = void (WindDrawer::*)(int generation);
    bool stepDue(int generation, Step step);
    void slide(int generation);
    void finish(int generation);

    bool expanded = false;
    // Bumped by every action; a finishing step of an older action leaves
    // the drawer to the newer one.
    int generation = 0;
};
