#pragma once

// The dashboard's font family is the Windows UI font "Microsoft YaHei UI".
// Where it is not installed the family name stays as configured (themes and
// the global configuration keep naming it) and Qt is told which installed
// families stand in for it, so Latin and CJK text both render.

#include <QString>
#include <QStringList>

// The configured family of the dashboard.
QString gustrelFontFamily();

// Installed families that stand in for family, best first; empty when the
// family itself is installed or nothing suitable is.
QStringList gustrelFontStandIns(const QString& family, const QStringList& installed);

// Registers the stand-ins of gustrelFontFamily() with QFont (needs the
// application object). Returns the stand-ins registered.
QStringList installGustrelFontSubstitutes();
