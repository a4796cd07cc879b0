#pragma once

// Length arithmetic of the container's child layout, kept apart from the
// widgets so it can be reasoned about (and measured) on plain numbers.
// Everything that multiplies a length by a weight or a deficit runs in 64
// bits: a page file may carry ratios and spaces large enough to overflow int.

#include "CVNQGlobal.h"

#include <QVector>
#include <QtGlobal>

namespace CVNQtLib {

// Qt's "no maximum" widget size; anything at or above it is unbounded.
constexpr int kCvnUnboundedLength = 16777215;

// One child as the main-axis passes see it.
struct CVNLayoutItem
{
    int cur = 0;                      // current length on the main axis
    int minLen = 0;                   // minimum length on that axis
    int maxLen = kCvnUnboundedLength; // maximum length on that axis
    qint64 weight = 1;                // ratio weight, at least 1
    bool fixed = false;               // size policy 1 on the main axis
    bool spacer = false;              // a stretching spacer (spacer pass only)
};

// Saturates a 64-bit length into int.
CVNQ_EXPORT int cvnToLength(qint64 v);

// The child clamp: max(lo, min(max(v, 0), lim)) with lim = max(avail, 0)
// lowered to a bounded maximum and lo = min(max(minLen, 0), lim).
CVNQ_EXPORT int cvnClampLength(qint64 v, qint64 avail, int minLen, int maxLen);

// Current length raised to the minimum, lowered to a bounded maximum, >= 0:
// how long a child wants to be when a scroll bar lets content overflow.
CVNQ_EXPORT int cvnBoundLength(int cur, int minLen, int maxLen);

// Available main length: total − (n − 1) × space − bar − both paddings, >= 0.
CVNQ_EXPORT qint64 cvnAvailableLength(int total, int n, int space, int bar, int padNear, int padFar);

// Ratio pass: fixed children keep their length, flexible ones share the rest
// by weight, the last flexible child taking the truncation leftovers.
// scrollable: a scroll bar is bound on the main axis (content may overflow).
CVNQ_EXPORT QVector<int> cvnRatioLengths(const QVector<CVNLayoutItem>& items, qint64 avail, bool scrollable);

// Spacer pass: every non-spacer keeps its length (shrunk in proportion to its
// room above its minimum when they overflow), stretching spacers share what
// is left by weight.
CVNQ_EXPORT QVector<int> cvnSpacerLengths(const QVector<CVNLayoutItem>& items, qint64 avail, bool scrollable);

} // namespace CVNQtLib
