#include "CVNQMetaCast.h"

#include <QMetaObject>
#include <QObject>

namespace CVNQtLib {

void* cvnMetaCast(const QObject* object, const char* className)
{
    if (!object || !className)
        return nullptr;
    for (const QMetaObject* meta = object->metaObject(); meta; meta = meta->superClass()) {
        if (qstrcmp(meta->className(), className) == 0)
            return const_cast<QObject*>(object)->qt_metacast(className);
    }
    return nullptr;
}

} // namespace CVNQtLib
