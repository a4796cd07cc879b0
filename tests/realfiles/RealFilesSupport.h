#pragma once

// Shared by the tests of files that other tools write: the archives made by
// make_archives.py.

#include <QString>
#include <QtGlobal>

namespace RealFiles {

// The folder into which make_archives.py wrote its archives (made once per
// run); empty when Python or the zip tool failed, with the reason in error.
QString archiveFolder(QString* error);

} // namespace RealFiles
