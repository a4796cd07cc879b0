#include "CVNQCheckStyles.h"

namespace CVNQtLib {

void CVNQCheckStyles::read(const Json::Value& node)
{
    cvnForEachStyleEntry(node, [this](const QString& name, int, int index) {
        if (unchecked.readEntry(UncheckedFirst, index, name) || checked.readEntry(CheckedFirst, index, name))
            return;
        TextStyleDesc* target = index == UncheckedTextIndex ? &uncheckedText
                              : index == CheckedTextIndex   ? &checkedText
                              : index == DisabledTextIndex  ? &disabledText
                                                            : nullptr;
        if (target)
            cvnLookupStyle(name, *target);
    });
}

void CVNQCheckStyles::write(Json::Value& list) const
{
    unchecked.writeCompact(list, UncheckedFirst);
    checked.writeCompact(list, CheckedFirst);
    const TextStyleDesc* texts[] = {&uncheckedText, &checkedText, &disabledText};
    for (int i = 0; i < 3; ++i)
        if (!texts[i]->name.isEmpty())
            cvnAppendStyleEntry(list, *texts[i], UncheckedTextIndex + i);
}

} // namespace CVNQtLib
