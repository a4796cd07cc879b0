#include "TestUtil.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace TestUtil {

Json::Value json(const char* text)
{
    Json::Value v;
    Json::Reader reader;
    EXPECT_TRUE(reader.parse(text, v, true)) << text;
    return v;
}

bool writeFile(const QString& dir, const QString& relativePath, const QByteArray& bytes)
{
    const QString path = dir + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return f.write(bytes) == bytes.size();
}

void spin(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

bool hasColor(const QImage& img, QColor c, int tolerance)
{
    const QImage im = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < im.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(im.constScanLine(y));
        for (int x = 0; x < im.width(); ++x) {
            const QRgb p = line[x];
            if (qAbs(qRed(p) - c.red()) <= tolerance && qAbs(qGreen(p) - c.green()) <= tolerance &&
                qAbs(qBlue(p) - c.blue()) <= tolerance)
                return true;
        }
    }
    return false;
}

} // namespace TestUtil
