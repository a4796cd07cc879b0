#include "WindDrawer.h"

#include "WindFarmWidgets.h"

#include <QTimer>

#include <algorithm>
#include <cstdlib>

using namespace CVNQtLib;

namespace {

// A waiting step polls this often for a slide that is still running.
constexpr int kSlidePollMs = 10;

} // namespace

WindDrawer::WindDrawer(const QString& objectName, QWidget* parent)
    : CVNQContainer(parent)
{
    setObjectName(objectName);
    setThemeName(QStringLiteral("WindDrawer"));
    setHeightPolicy(LayoutSizePolicyFill);
    setChildSpace(8);
    setChildPadding(16, 14, 16, 16);
    setChildLayout(CVNQContainer::Vertical);
    setWidthPolicy(LayoutSizePolicyFixed);
    setAbsoluteLayout(true);
    setAbsoluteDock(DockFar, DockCenter, 24, 0);
    resize(kWidth, 620);
    setFixedWidthOf(this, kWidth);
}

void WindDrawer::setExpanded(bool expand)
{
    if (expanded == expand)
        return;
    expanded = expand;
    const int current = ++generation;
    // The children keep their places while the width changes.
    setChildLayout(CVNQContainer::NoUse);
    if (expand) {
        if (isHidden()) {
            setFixedWidthOf(this, 0);
            resize(0, height());
        }
        show();
        raise();
    }
    slide(current);
}

bool WindDrawer::isAtRest() const
{
    return !isResizeAnimationRunning() && getChildLayout() == CVNQContainer::Vertical && isHidden() != expanded;
}

bool WindDrawer::stepDue(int stepGeneration, Step step)
{
    // A newer action owns the drawer: this step is void.
    if (stepGeneration != generation)
        return false;
    // A slide still runs: the step waits for its end. So a drawer turned
    // round in the middle of a slide first finishes that slide, then slides
    // back from where it is, and always ends at the side its flag names.
    if (isResizeAnimationRunning()) {
        QTimer::singleShot(kSlidePollMs, this, [this, stepGeneration, step]() { (this->*step)(stepGeneration); });
        return false;
    }
    return true;
}

void WindDrawer::slide(int stepGeneration)
{
    if (!stepDue(stepGeneration, &WindDrawer::slide))
        return;
    const int h = height();
    const int from = width();
    const int to = expanded ? kWidth : 0;
    const int ms = from == to ? 0 : std::max(1, kSlideMs * std::abs(to - from) / kWidth);
    startResizeAnimation(QSize(from, h), QSize(to, h), ms);
    QTimer::singleShot(ms + (expanded ? 5 : 15), this, [this, stepGeneration]() { finish(stepGeneration); });
}

void WindDrawer::finish(int stepGeneration)
{
    if (!stepDue(stepGeneration, &WindDrawer::finish))
        return;
    if (!expanded) {
        // Closed: ready at full width for its next slide.
        hide();
        setFixedWidthOf(this, kWidth);
        resize(kWidth, height());
    }
    setChildLayout(CVNQContainer::Vertical);
    forceResize();
    if (expanded)
        emit opened();
}
