#pragma once

// How the core recognises classes of the folders above it (containers,
// sliders) without including them: by their moc class name.

#include "CVNQGlobal.h"

class QObject;

namespace CVNQtLib {

// object as the class named className (its moc name, such as
// "CVNQtLib::CVNQContainer") when its meta-object derives from that class,
// else null. Unlike QObject::inherits, a class that only answers the name
// in qt_metacast does not count.
CVNQ_EXPORT void* cvnMetaCast(const QObject* object, const char* className);

} // namespace CVNQtLib
