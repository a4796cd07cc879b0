#include "CVNQLayoutMath.h"

#include <algorithm>
#include <limits>

namespace CVNQtLib {

int cvnToLength(qint64 v)
{
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(v);
}

// a × b / c truncated, for a, b >= 0 and c > 0, without overflow: a share of
// a length by weight, or a cut of a deficit by room, can exceed 64 bits
// before the division.
static qint64 mulDiv(qint64 a, qint64 b, qint64 c)
{
    // Ordinary lengths and weights fit in 64 bits; a 128-bit division is
    // many times slower and runs once per child and pass.
    constexpr qint64 small = qint64(1) << 31;
    if (a < small && b < small)
        return a * b / c;
    return qint64(__int128(a) * b / c);
}

static qint64 limitOf(qint64 avail, int maxLen)
{
    qint64 lim = std::max<qint64>(avail, 0);
    if (maxLen < kCvnUnboundedLength)
        lim = std::min<qint64>(lim, maxLen);
    return lim;
}

int cvnClampLength(qint64 v, qint64 avail, int minLen, int maxLen)
{
    const qint64 lim = limitOf(avail, maxLen);
    const qint64 lo = std::min<qint64>(std::max(minLen, 0), lim);
    return cvnToLength(std::max(lo, std::min(std::max<qint64>(v, 0), lim)));
}

int cvnBoundLength(int cur, int minLen, int maxLen)
{
    int v = std::max(cur, minLen);
    if (maxLen < kCvnUnboundedLength)
        v = std::min(v, maxLen);
    return std::max(v, 0);
}

qint64 cvnAvailableLength(int total, int n, int space, int bar, int padNear, int padFar)
{
    const qint64 gaps = n > 1 ? qint64(n - 1) * std::max(space, 0) : 0;
    return std::max<qint64>(qint64(total) - gaps - bar - padNear - padFar, 0);
}

QVector<int> cvnRatioLengths(const QVector<CVNLayoutItem>& items, qint64 avail, bool scrollable)
{
    const int n = items.size();
    QVector<int> out(n, 0);
    if (scrollable) {
        qint64 content = 0;
        for (const CVNLayoutItem& it : items)
            content += cvnBoundLength(it.cur, it.minLen, it.maxLen);
        avail = std::max(avail, content);
    }
    qint64 fixedSum = 0;
    qint64 flexCount = 0;
    qint64 weights = 0;
    for (const CVNLayoutItem& it : items) {
        if (it.fixed) {
            fixedSum += cvnClampLength(it.cur, avail, it.minLen, it.maxLen);
        } else {
            ++flexCount;
            weights += it.weight;
        }
    }
    // The minimums of the flexible children after each one: a share taken
    // early must leave them their minimum, or they run past the container
    // while an earlier sibling holds more than its own.
    QVector<qint64> laterMinimum(n + 1, 0);
    for (int i = n - 1; i >= 0; --i)
        laterMinimum[i] =
            laterMinimum[i + 1] + (items[i].fixed ? 0 : cvnBoundLength(0, items[i].minLen, items[i].maxLen));
    qint64 rest = std::max<qint64>(avail - fixedSum, 0);
    for (int i = 0; i < n; ++i) {
        const CVNLayoutItem& it = items[i];
        qint64 size;
        if (it.fixed) {
            size = scrollable ? cvnBoundLength(it.cur, it.minLen, it.maxLen)
                              : cvnClampLength(it.cur, avail, it.minLen, it.maxLen);
        } else {
            qint64 share = flexCount > 1 && weights > 0 ? mulDiv(rest, it.weight, weights) : rest;
            if (flexCount > 1)
                share = std::min(share, std::max<qint64>(rest - laterMinimum[i + 1], 0));
            size = cvnClampLength(share, avail, it.minLen, it.maxLen);
        }
        size = std::max<qint64>(size, 0);
        out[i] = cvnToLength(size);
        if (!it.fixed) {
            rest = std::max<qint64>(rest - size, 0);
            --flexCount;
            weights -= it.weight;
        }
        avail -= size;
        if (!scrollable)
            avail = std::max<qint64>(avail, 0);
    }
    return out;
}

QVector<int> cvnSpacerLengths(const QVector<CVNLayoutItem>& items, qint64 avail, bool scrollable)
{
    const int n = items.size();
    QVector<qint64> size(n, 0);
    qint64 fixedSum = 0;
    for (int i = 0; i < n; ++i) {
        if (!items[i].spacer) {
            size[i] = cvnClampLength(items[i].cur, avail, items[i].minLen, items[i].maxLen);
            fixedSum += size[i];
        }
    }
    if (scrollable)
        avail = std::max(avail, fixedSum);
    qint64 rest = avail - fixedSum;

    if (rest <= 0) {
        // Shrink the others toward their minimums, in proportion to their room.
        qint64 deficit = -rest;
        qint64 totalRoom = 0;
        for (int i = 0; i < n; ++i)
            if (!items[i].spacer)
                totalRoom += std::max<qint64>(size[i] - items[i].minLen, 0);
        for (int i = 0; i < n; ++i) {
            if (deficit < 1 || totalRoom < 1)
                break;
            if (items[i].spacer)
                continue;
            const qint64 room = std::max<qint64>(size[i] - items[i].minLen, 0);
            if (room <= 0)
                continue;
            const qint64 cut = std::min(mulDiv(room, deficit, totalRoom), room);
            size[i] -= cut;
            deficit -= cut;
            totalRoom -= room;
        }
        for (int i = 0; i < n && deficit >= 1; ++i) {
            if (items[i].spacer)
                continue;
            const qint64 room = std::max<qint64>(size[i] - items[i].minLen, 0);
            if (room <= 0)
                continue;
            const qint64 cut = std::min(room, deficit);
            size[i] -= cut;
            deficit -= cut;
        }
    } else {
        qint64 weights = 0;
        for (const CVNLayoutItem& it : items)
            if (it.spacer)
                weights += it.weight;
        for (int i = 0; i < n; ++i) {
            const CVNLayoutItem& it = items[i];
            if (!it.spacer)
                continue;
            const qint64 share = weights > 0 ? mulDiv(rest, it.weight, weights) : rest;
            const qint64 lim = limitOf(rest, it.maxLen);
            size[i] = std::max<qint64>(0, std::min(share, lim));
            rest = std::max<qint64>(rest - size[i], 0);
            weights -= it.weight;
        }
    }

    QVector<int> out(n, 0);
    for (int i = 0; i < n; ++i) {
        const CVNLayoutItem& it = items[i];
        const qint64 lim = limitOf(avail, it.maxLen);
        const qint64 lo = it.spacer ? 0 : std::min<qint64>(std::max(it.minLen, 0), lim);
        const qint64 fin = std::max<qint64>(std::max(lo, std::min(size[i], lim)), 0);
        out[i] = cvnToLength(fin);
        avail = std::max<qint64>(avail - fin, 0);
    }
    return out;
}

} // namespace CVNQtLib
