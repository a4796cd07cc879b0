#include "RealFilesSupport.h"

#include "TestUtil.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace RealFiles {

namespace {

QByteArray g_category;
QStringList g_messages;
QtMessageHandler g_previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (context.category && g_category == context.category)
        g_messages << text;
    else if (g_previous)
        g_previous(type, context, text);
}

} // namespace

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

LogCapture::LogCapture(const char* category)
{
    g_category = category;
    g_messages.clear();
    g_previous = qInstallMessageHandler(collect);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(g_previous);
    g_previous = nullptr;
}

QStringList LogCapture::messages() const
{
    return g_messages;
}

QStringList LogCapture::take()
{
    const QStringList taken = g_messages;
    g_messages.clear();
    return taken;
}

} // namespace RealFiles
