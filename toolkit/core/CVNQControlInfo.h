#pragma once

// Property tables: how a control type describes itself to a designer. Each
// control's static getProps() returns a ControlInfo whose rows start with
// the seven common rows (cvnCommonPropertyRows); the property grid shows one
// editor per row by its type code and calls the row's accessors on the
// control.
//
// Accessors are stored type-erased (they take the target widget and check
// its class), so rows of any control class fit one PropertyDef. Build them
// from member functions with the helpers below, e.g.
//
//   info.properties.push_back(cvnFillStyleRow<CVNQPushButton>("Background",
//       &CVNQPushButton::setBackground, &CVNQPushButton::getBackground,
//       cvnFourStateChoices()));

#include "CVNQGlobal.h"
#include "CVNQStyleDefs.h"
#include "CVNQTypes.h"

#include <QColor>
#include <QMetaEnum>
#include <QString>
#include <QVector>
#include <QWidget>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace CVNQtLib {

// Type codes of property rows (the grid owns their editors).
enum PropertyType : int
{
    PropName = 0, // editable text (object name)
    PropText = 1, // editable text
    PropReadOnlyText = 2,
    PropBool = 3,
    PropLine = 4,      // separator, no accessors
    PropFillStyle = 5, // fill style per state
    PropTextStyle = 6, // text style per state
    PropImage = 9,     // image path
    PropInt = 10,
    PropTwoInts = 11, // two ints, such as a width and a height
    PropFourInts = 12,
    PropChoice = 13, // int chosen from the (value, label) list
    PropColor = 14
};

// One (value, label) choice of a per-state or choice row.
struct CVNQ_EXPORT PropertyChoice
{
    int value = 0;
    QString label;
};

struct CVNQ_EXPORT PropertyDef
{
    QString name; // label shown in the grid
    QString group;
    int type = 0;

    std::function<void(QWidget*, const QString&)> setString;
    std::function<QString(QWidget*)> getString;
    std::function<void(QWidget*, bool)> setBool;
    std::function<bool(QWidget*)> getBool;
    std::function<void(QWidget*, int)> setInt;
    std::function<int(QWidget*)> getInt;
    // Per-state styles: the state is one of the row's choice values.
    std::function<void(QWidget*, int state, const FillStyle&)> setFillStyle;
    std::function<FillStyle(QWidget*, int state)> getFillStyle;
    std::function<void(QWidget*, int state, const TextStyleDesc&)> setTextStyle;
    std::function<TextStyleDesc(QWidget*, int state)> getTextStyle;
    std::function<void(QWidget*, int, int)> setTwoInts;
    std::function<std::pair<int, int>(QWidget*)> getTwoInts;
    std::function<void(QWidget*, int, int, int, int)> setFourInts;
    std::function<QVector<int>(QWidget*)> getFourInts;
    std::function<void(QWidget*, const QColor&)> setColor;
    std::function<QColor(QWidget*)> getColor;

    // The object the accessors are called on when the grid has none of its own.
    QWidget* target = nullptr;
    QVector<PropertyChoice> choices;

    int min = -10000;
    int max = 10000;
    int step = 1;

    PropertyDef() = default;
    PropertyDef(const QString& rowName, int typeCode)
        : name(rowName)
        , type(typeCode)
    {}

    bool hasAccessors() const
    {
        return setString || getString || setBool || getBool || setInt || getInt || setFillStyle || getFillStyle ||
               setTextStyle || getTextStyle || setTwoInts || getTwoInts || setFourInts || getFourInts || setColor ||
               getColor;
    }
};

struct CVNQ_EXPORT ControlInfo
{
    int version = 1;
    std::string typeName;    // registry key, "qtbutton"
    std::string shortName;   // display name, "Button"
    std::string description; // "PushButton"
    std::string className;   // "CVNQPushButton"
    std::string key;         // group name, "button"
    std::vector<PropertyDef> properties;

    ControlInfo() = default;
    // The identifying strings in the order the property tables list them.
    ControlInfo(std::string type, std::string shortName_, std::string description_, std::string className_,
                std::string key_)
        : typeName(std::move(type))
        , shortName(std::move(shortName_))
        , description(std::move(description_))
        , className(std::move(className_))
        , key(std::move(key_))
    {}
};

// The seven rows every table starts with: "Name", "Type", "Visibility",
// "Enable", "Tooltip", "Alpha", "Line".
CVNQ_EXPORT std::vector<PropertyDef> cvnCommonPropertyRows();
// A table with the identifying strings and the common rows.
CVNQ_EXPORT ControlInfo cvnMakeControlInfo(const char* typeName, const char* shortName, const char* description,
                                           const char* className, const char* key);

// Choice lists of per-state rows.
CVNQ_EXPORT QVector<PropertyChoice> cvnFourStateChoices(); // Normal, Hot, Pressed, Disable
CVNQ_EXPORT QVector<PropertyChoice> cvnTwoStateChoices();  // Normal 0, Disable 1
// The choices of a slot-map group keeping that many states: every control
// state, normal and disabled, or normal alone.
CVNQ_EXPORT QVector<PropertyChoice> cvnStateChoices(int states);
CVNQ_EXPORT QVector<PropertyChoice> cvnChoices(std::initializer_list<std::pair<int, const char*>> list);

namespace detail {

// The control a row's accessors act on, or null when w is another class.
template <class C>
C* propTarget(QWidget* w)
{
    return dynamic_cast<C*>(w);
}

// The decayed parameter type of a one-argument member function.
template <class>
struct MemberArg;
template <class R, class K, class A>
struct MemberArg<R (K::*)(A)>
{
    using type = std::decay_t<A>;
};

// Calls member function fn on c, with the state argument only when fn
// takes one.
template <class C, class Fn, class... A>
auto invokeMaybeState(C* c, Fn fn, int state, A&&... args)
{
    if constexpr (std::is_invocable_v<Fn, C*, int, A...>)
        return (c->*fn)(state, std::forward<A>(args)...);
    else
        return (c->*fn)(std::forward<A>(args)...);
}

// The result type of a member function, decayed.
template <class>
struct MemberResult;
template <class R, class K, class... A>
struct MemberResult<R (K::*)(A...)>
{
    using type = std::decay_t<R>;
};
template <class R, class K, class... A>
struct MemberResult<R (K::*)(A...) const>
{
    using type = std::decay_t<R>;
};

// Whether enum E has a fixed underlying type: only then is every int a
// value of it (list-initialisation from an int compiles only then).
template <class E, class = void>
struct FixedEnum : std::false_type
{};
template <class E>
struct FixedEnum<E, std::void_t<decltype(E{0})>> : std::true_type
{};

// Passes v on, converted where the setter takes an enum or the like.
template <class C, class S, class V>
void callSetter(C* c, S setter, const V& v)
{
    if constexpr (std::is_invocable_v<S, C*, const V&>)
        (c->*setter)(v);
    else {
        using Arg = typename MemberArg<S>::type;
        // A row hands on whatever int the grid or a file gives, and an
        // enum without a fixed type (Qt's) holds only the values it names:
        // another is not passed on, as it could not even be held.
        if constexpr (std::is_enum_v<Arg> && !FixedEnum<Arg>::value) {
            if (!QMetaEnum::fromType<Arg>().valueToKey(int(v)))
                return;
        }
        (c->*setter)(static_cast<Arg>(v));
    }
}

// Binds a one-value setter and a getter of C to a row's accessor pair;
// either may be null. On another class the getter answers R().
template <class C, class V, class R, class S, class G>
void bindValue(std::function<void(QWidget*, V)>& set, std::function<R(QWidget*)>& get, S setter, G getter)
{
    if constexpr (!std::is_same_v<S, std::nullptr_t>)
        set = [setter](QWidget* w, V v) {
            if (C* c = propTarget<C>(w))
                callSetter(c, setter, v);
        };
    if constexpr (!std::is_same_v<G, std::nullptr_t>)
        get = [getter](QWidget* w) -> R {
            if (C* c = propTarget<C>(w))
                return R((c->*getter)());
            return R();
        };
}

// The same for per-state styles: the setter may be (state, style) or
// (style), the getter (state) or ().
template <class C, class T, class S, class G>
void bindStateStyle(std::function<void(QWidget*, int, const T&)>& set, std::function<T(QWidget*, int)>& get, S setter,
                    G getter)
{
    set = [setter](QWidget* w, int state, const T& s) {
        if (C* c = propTarget<C>(w))
            invokeMaybeState(c, setter, state, s);
    };
    get = [getter](QWidget* w, int state) -> T {
        if (C* c = propTarget<C>(w))
            return invokeMaybeState(c, getter, state);
        return T();
    };
}

} // namespace detail

// Text row (codes 0, 1, 2, 9). Either accessor may be null.
template <class C, class S, class G>
PropertyDef cvnStringRow(const QString& name, int code, S setter, G getter)
{
    PropertyDef d(name, code);
    detail::bindValue<C>(d.setString, d.getString, setter, getter);
    return d;
}

template <class C, class S, class G>
PropertyDef cvnBoolRow(const QString& name, S setter, G getter)
{
    PropertyDef d(name, PropBool);
    detail::bindValue<C>(d.setBool, d.getBool, setter, getter);
    return d;
}

// Integer row (code 10) or choice row (code 13 with choices). Setters that
// take an enum or typedef'd int are fine.
template <class C, class S, class G>
PropertyDef cvnIntRow(const QString& name, int code, S setter, G getter, const QVector<PropertyChoice>& choices = {})
{
    PropertyDef d(name, code);
    d.choices = choices;
    detail::bindValue<C>(d.setInt, d.getInt, setter, getter);
    return d;
}

// Fill-style row (code 5); the state is one of the choice values.
template <class C, class S, class G>
PropertyDef cvnFillStyleRow(const QString& name, S setter, G getter, const QVector<PropertyChoice>& choices)
{
    PropertyDef d(name, PropFillStyle);
    d.choices = choices;
    detail::bindStateStyle<C>(d.setFillStyle, d.getFillStyle, setter, getter);
    return d;
}

// Text-style row (code 6), accessor forms as for fill-style rows.
template <class C, class S, class G>
PropertyDef cvnTextStyleRow(const QString& name, S setter, G getter, const QVector<PropertyChoice>& choices)
{
    PropertyDef d(name, PropTextStyle);
    d.choices = choices;
    detail::bindStateStyle<C>(d.setTextStyle, d.getTextStyle, setter, getter);
    return d;
}

// The row of a slot-map group: labelled with its group, a fill- or
// text-style row by what the getter answers, with its states as choices
// unless the row lists others.
template <class C, class S, class G>
PropertyDef cvnStyleRow(const CVNQStyleSlot& slot, S setter, G getter, const QVector<PropertyChoice>& choices)
{
    const QString name = QString::fromUtf8(slot.group);
    if constexpr (std::is_same_v<typename detail::MemberResult<G>::type, TextStyleDesc>) {
        Q_ASSERT(slot.kind == StyleKindText);
        return cvnTextStyleRow<C>(name, setter, getter, choices);
    } else {
        Q_ASSERT(slot.kind == StyleKindFill);
        return cvnFillStyleRow<C>(name, setter, getter, choices);
    }
}
template <class C, class S, class G>
PropertyDef cvnStyleRow(const CVNQStyleSlot& slot, S setter, G getter)
{
    return cvnStyleRow<C>(slot, setter, getter, cvnStateChoices(slot.states));
}

// Two-int row (code 11): setter (int, int), getter (int&, int&).
template <class C, class S, class G>
PropertyDef cvnTwoIntsRow(const QString& name, S setter, G getter)
{
    PropertyDef d(name, PropTwoInts);
    d.setTwoInts = [setter](QWidget* w, int a, int b) {
        if (C* c = detail::propTarget<C>(w))
            (c->*setter)(a, b);
    };
    d.getTwoInts = [getter](QWidget* w) -> std::pair<int, int> {
        int a = 0, b = 0;
        if (C* c = detail::propTarget<C>(w))
            (c->*getter)(a, b);
        return {a, b};
    };
    return d;
}

// Colour row (code 14).
template <class C, class S, class G>
PropertyDef cvnColorRow(const QString& name, S setter, G getter)
{
    PropertyDef d(name, PropColor);
    detail::bindValue<C>(d.setColor, d.getColor, setter, getter);
    return d;
}

// Separator row (code 4).
inline PropertyDef cvnLineRow(const QString& name = QStringLiteral("Line"))
{
    return PropertyDef(name, PropLine);
}

} // namespace CVNQtLib
