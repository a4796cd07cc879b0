#pragma once

#include <QString>

// The built-in icons (":/gustrel/icons/<name>.svg") live in a static
// library; nothing references them by symbol, so the linker would drop them.
// Call this once before the first icon is drawn.
void initGustrelResources();

// ":/gustrel/icons/" + name + ".svg".
QString gustrelIconPath(const QString& name);
