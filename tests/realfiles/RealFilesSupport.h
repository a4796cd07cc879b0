#pragma once

// Shared by the tests of files that other tools write: the archives made by
// make_archives.py, and the corvane.* warnings a reader gives when it
// refuses one.

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace RealFiles {

// The folder into which make_archives.py wrote its archives (made once per
// run); empty when Python or the zip tool failed, with the reason in error.
QString archiveFolder(QString* error);

// Collects the messages of one logging category while it lives.
class LogCapture
{
public:
    explicit LogCapture(const char* category);
    ~LogCapture();
    QStringList messages() const;
    // Messages since the last take, which then starts anew.
    QStringList take();
};

} // namespace RealFiles
