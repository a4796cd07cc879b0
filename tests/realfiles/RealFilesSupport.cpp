#include "RealFilesSupport.h"

#include "TestUtil.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace RealFiles {

QString archiveFolder(QString* error)
{
    static QTemporaryDir dir;
    static QString failure;
    static const bool made = [] {
        const QString script = TestUtil::sourcePath("tests/realfiles/make_archives.py");
        QProcess python;
        python.start(QStringLiteral("python3"), {script, dir.path()});
        if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0) {
            failure = QStringLiteral("make_archives.py failed: ") + python.errorString() + QLatin1Char(' ') +
                      QString::fromLocal8Bit(python.readAllStandardError());
            return false;
        }
        return true;
    }();
    if (error)
        *error = failure;
    return made ? dir.path() : QString();
}

} // namespace RealFiles
