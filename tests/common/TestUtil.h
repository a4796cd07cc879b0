#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <json/json.h>

namespace TestUtil {

// Parses JSON text for a test; fails the calling test on bad text.
Json::Value json(const char* text);

// Writes bytes to dir/relativePath, creating folders on the way.
bool writeFile(const QString& dir, const QString& relativePath, const QByteArray& bytes);

// Runs the event loop for ms milliseconds (timers, animations, deferred layout).
void spin(int ms);

// True when img holds a pixel within tolerance of c.
bool hasColor(const QImage& img, QColor c, int tolerance = 8);

} // namespace TestUtil
