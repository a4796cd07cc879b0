#pragma once

// Per-state styles and the JSON "style" list, written once for all controls.
//
// A control's node names its styles in "style": an array of entries
// [style name, kind, index] (kind 1 fill style, 2 text style; readers ignore
// it). A group of per-state styles occupies consecutive indexes: its first
// index sets every state, a later index overrides its own state only.
// Each control names where its groups sit in a slot map (CVNQStyleSlot
// constants); the functions below take those slots.

#include "CVNJson.h"
#include "CVNQGlobal.h"
#include "CVNQStyleDefs.h"
#include "CVNQTypes.h"

#include <QString>

namespace CVNQtLib {

// Looks a style name up in the resource manager; false leaves out unchanged.
CVNQ_EXPORT bool cvnLookupStyle(const QString& name, FillStyle& out);
CVNQ_EXPORT bool cvnLookupStyle(const QString& name, TextStyleDesc& out);

// Whether two neighbouring per-state styles count as the same when a group
// is written compactly: fill styles by what they paint, text styles by name.
CVNQ_EXPORT bool cvnStyleAlike(const FillStyle& a, const FillStyle& b);
CVNQ_EXPORT bool cvnStyleAlike(const TextStyleDesc& a, const TextStyleDesc& b);

// Calls f(const QString& name, int kind, int index) for every well-formed
// entry of node's "style" list, in order. Entries that are not arrays, or
// whose name is not a string or whose index is not a number, are skipped.
template <class F>
void cvnForEachStyleEntry(const Json::Value& node, F f)
{
    const Json::Value& list = jsonGet(node, "style");
    if (!list.isArray())
        return;
    // Walked rather than indexed: JsonCpp finds an array element by a tree
    // lookup. A missing element reads as null, as jsonAt gives it.
    for (const Json::Value& entry : list) {
        const Json::Value* parts[3];
        jsonFirstElements(entry, parts, 3);
        if (!parts[0]->isString() || !jsonIsNumber(*parts[2]))
            continue;
        f(jsonToQString(*parts[0]), jsonToInt(*parts[1]), jsonToInt(*parts[2]));
    }
}

// Appends [name, kind, index] to a "style" list; kind follows the record.
CVNQ_EXPORT void cvnAppendStyleEntry(Json::Value& list, const QString& name, bool isTextStyle, int index);
template <class T>
void cvnAppendStyleEntry(Json::Value& list, const T& style, int index)
{
    cvnAppendStyleEntry(list, style.name, style.isTextStyle, index);
}
// Sets node's "style" to list when the list has entries.
CVNQ_EXPORT void cvnSetStyleList(Json::Value& node, const Json::Value& list);

// A group that keeps one style: only its first index is read, the group's
// later indexes are skipped. Returns true when index belongs to the group.
template <class T>
bool cvnReadSlotEntry(const CVNQStyleSlot& slot, int index, const QString& name, T& style)
{
    if (!slot.holds(index))
        return false;
    if (index == slot.first)
        cvnLookupStyle(name, style);
    return true;
}
// Appends a one-style group's entry when the style has a name.
template <class T>
void cvnWriteSlotEntry(Json::Value& list, const CVNQStyleSlot& slot, const T& style)
{
    if (!style.name.isEmpty())
        cvnAppendStyleEntry(list, style, slot.first);
}

// N styles indexed by state. Out-of-range states are ignored by the setter
// (state CtrlStateAll sets all of them) and read as state 0 by the getter.
template <class T, int N = CtrlStateCount>
class CVNQStateStyles
{
public:
    static constexpr int count = N;

    bool isValidState(int state) const { return state >= 0 && state < N; }

    const T& get(int state) const { return m_styles[isValidState(state) ? state : 0]; }
    T& at(int state) { return m_styles[isValidState(state) ? state : 0]; }
    const T& operator[](int state) const { return get(state); }

    // False when nothing was set.
    bool set(int state, const T& style)
    {
        bool any = false;
        for (int i = 0; i < N; ++i) {
            if (cvnSetterAddresses(state, i)) {
                m_styles[i] = style;
                any = true;
            }
        }
        return any;
    }
    // As set, for the controls where a value outside 0..3 other than
    // CtrlStateAll addresses state 0.
    void setOrNormal(int state, const T& style)
    {
        if (!set(state, style))
            m_styles[0] = style;
    }
    void setAll(const T& style)
    {
        for (int i = 0; i < N; ++i)
            m_styles[i] = style;
    }

    // One "style" entry read for a group starting at firstIndex: the first
    // index sets the first firstCovers states (every state by default), a
    // later index of the group only its own. The name is resolved through
    // the resource manager; an unknown name is ignored. Returns true when
    // index belongs to the group.
    bool readEntry(const CVNQStyleSlot& slot, int index, const QString& name, int firstCovers = N)
    {
        return readEntry(slot.first, index, name, firstCovers);
    }
    bool readEntry(int firstIndex, int index, const QString& name, int firstCovers = N)
    {
        if (index < firstIndex || index >= firstIndex + N)
            return false;
        T style = get(index - firstIndex);
        if (cvnLookupStyle(name, style)) {
            if (index == firstIndex)
                for (int i = 0; i < firstCovers && i < N; ++i)
                    m_styles[i] = style;
            else
                m_styles[index - firstIndex] = style;
        }
        return true;
    }

    // Reads every entry of node's "style" list that belongs to the group.
    void readFromNode(const Json::Value& node, int firstIndex)
    {
        cvnForEachStyleEntry(node, [&](const QString& name, int, int index) { readEntry(firstIndex, index, name); });
    }

    // One entry per state with a name, each under its own index.
    void writeAll(Json::Value& list, const CVNQStyleSlot& slot) const { writeAll(list, slot.first); }
    void writeAll(Json::Value& list, int firstIndex) const
    {
        for (int i = 0; i < N; ++i)
            if (!m_styles[i].name.isEmpty())
                cvnAppendStyleEntry(list, m_styles[i], firstIndex + i);
    }

    // The compact form: when every neighbouring pair with two names is alike,
    // state 0 alone under the first index; otherwise every named state under
    // its own index. Either way a named state that does not look like state 0
    // is kept, so reading the list back restores every state. Where the
    // group's reader lets the first index fill only the first firstCovers
    // states, the named states after them are always written.
    template <class Alike>
    void writeCompact(Json::Value& list, int firstIndex, Alike alike, int firstCovers = N) const
    {
        bool allAlike = true;
        for (int i = 0; i + 1 < N; ++i) {
            const T& a = m_styles[i];
            const T& b = m_styles[i + 1];
            if (!a.name.isEmpty() && !b.name.isEmpty() && !alike(a, b))
                allAlike = false;
        }
        if (!m_styles[0].name.isEmpty())
            cvnAppendStyleEntry(list, m_styles[0], firstIndex);
        for (int i = 1; i < N; ++i) {
            const T& s = m_styles[i];
            if (s.name.isEmpty())
                continue;
            if (i >= firstCovers || !allAlike || !alike(m_styles[0], s))
                cvnAppendStyleEntry(list, s, firstIndex + i);
        }
    }
    template <class Alike>
    void writeCompact(Json::Value& list, const CVNQStyleSlot& slot, Alike alike, int firstCovers = N) const
    {
        writeCompact(list, slot.first, alike, firstCovers);
    }
    void writeCompact(Json::Value& list, const CVNQStyleSlot& slot) const { writeCompact(list, slot.first); }
    void writeCompact(Json::Value& list, int firstIndex) const { writeCompactCovering(list, firstIndex, N); }
    void writeCompactCovering(Json::Value& list, const CVNQStyleSlot& slot, int firstCovers) const
    {
        writeCompactCovering(list, slot.first, firstCovers);
    }
    void writeCompactCovering(Json::Value& list, int firstIndex, int firstCovers) const
    {
        writeCompact(
            list, firstIndex, [](const T& a, const T& b) { return cvnStyleAlike(a, b); }, firstCovers);
    }

private:
    T m_styles[N];
};

using CVNQFillStyles = CVNQStateStyles<FillStyle>;
using CVNQTextStyles = CVNQStateStyles<TextStyleDesc>;

} // namespace CVNQtLib
