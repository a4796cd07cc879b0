#include "ReferencePicture.h"

#include "TestUtil.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGlyphRun>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <utility>

namespace TestUtil {

namespace {

constexpr int kBlock = 4;
// Largest difference of one channel of a block's mean that still passes.
// Repeated runs, alone or whole, plain or sanitized, give equal blocks here;
// noise of one level moves a mean by at most one, while a one-pixel line of
// contrast 24 or more moves the blocks it crosses by more than 5.
constexpr int kTolerance = 5;

QImage reduced(const QImage& picture)
{
    const QImage in = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out((in.width() + kBlock - 1) / kBlock, (in.height() + kBlock - 1) / kBlock, QImage::Format_ARGB32);
    for (int by = 0; by < out.height(); ++by)
        for (int bx = 0; bx < out.width(); ++bx) {
            int sum[4] = {}, n = 0;
            for (int y = by * kBlock; y < qMin(in.height(), (by + 1) * kBlock); ++y)
                for (int x = bx * kBlock; x < qMin(in.width(), (bx + 1) * kBlock); ++x, ++n) {
                    const QRgb p = in.pixel(x, y);
                    sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p), sum[3] += qAlpha(p);
                }
            out.setPixel(bx, by,
                         qRgba((sum[0] + n / 2) / n, (sum[1] + n / 2) / n, (sum[2] + n / 2) / n, (sum[3] + n / 2) / n));
        }
    return out;
}

QString hashOf(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().left(12));
}

// The fonts that draw text in the default family (for CJK text the one it
// falls back to; with their version tables) and the reduced picture of it.
// Fixed fonts: the application's font changes with the cases that ran.
QString textPrint(const QString& text)
{
    QFont font(QStringLiteral("sans-serif"));
    font.setPixelSize(14);
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QImage img(240, 24, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    layout.draw(&p, QPointF(0, 2));
    p.end();
    QString fonts;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        fonts += raw.familyName() + QLatin1Char(' ') + raw.styleName() + QLatin1Char(' ') +
                 hashOf(raw.fontTable("head")) + QLatin1String(", ");
    }
    const QImage r = reduced(img);
    return fonts + QLatin1String("picture ") +
           hashOf(QByteArray(reinterpret_cast<const char*>(r.constBits()), r.sizeInBytes()));
}

QString glRenderer()
{
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!context.create() || !context.makeCurrent(&surface))
        return QStringLiteral("none");
    auto text = [&](GLenum name) {
        return QString::fromLatin1(reinterpret_cast<const char*>(context.functions()->glGetString(name)));
    };
    return text(GL_RENDERER) + QLatin1String(" / ") + text(GL_VERSION);
}

QString environment()
{
    static const QString print =
        QStringLiteral("Qt %1\nLatin: %2\nCJK: %3\nGL: %4\n")
            .arg(QString::fromLatin1(qVersion()), textPrint(QStringLiteral("Wind farm 0123 Ag")),
                 textPrint(QStringLiteral("风电场运行状态")), glRenderer());
    return print;
}

} // namespace

QImage reducedPicture(const QImage& picture)
{
    return reduced(picture);
}

ReferenceMode referenceMode()
{
    const QString root = sourcePath(QStringLiteral("tests/references/"));
    QFile env(root + QLatin1String("environment.txt"));
    if (qEnvironmentVariableIntValue("CORVANE_RENEW_REFERENCES") == 1) {
        EXPECT_TRUE(env.open(QIODevice::WriteOnly) && env.write(environment().toUtf8()) > 0);
        return ReferenceMode::Renew;
    }
    if (!env.open(QIODevice::ReadOnly) || QString::fromUtf8(env.readAll()) != environment()) {
        static bool told = false;
        if (!std::exchange(told, true))
            qInfo("Reference pictures were made in another environment; not compared here. This one:\n%s",
                  qPrintable(environment()));
        return ReferenceMode::Skip;
    }
    return ReferenceMode::Compare;
}

QString referencePath(const QString& name)
{
    // The binary is corvane_<folder>_tests.
    static const QString folder = QCoreApplication::applicationName().section(QLatin1Char('_'), 1, -2);
    const QString dir = sourcePath(QStringLiteral("tests/references/")) + folder;
    if (qEnvironmentVariableIntValue("CORVANE_RENEW_REFERENCES") == 1)
        QDir().mkpath(dir);
    return dir + QLatin1Char('/') + name;
}

QStringList blockFaults(const QImage& actual, const QImage& expected, int max)
{
    QStringList faults;
    if (expected.size() != actual.size())
        return {QStringLiteral("no reference of its size")};
    for (int y = 0; y < actual.height() && faults.size() < max; ++y)
        for (int x = 0; x < actual.width() && faults.size() < max; ++x) {
            const QColor a = actual.pixelColor(x, y), e = expected.pixelColor(x, y);
            if (!near(a, e, kTolerance) || qAbs(a.alpha() - e.alpha()) > kTolerance)
                faults << QStringLiteral("block at (%1,%2) %3, reference %4")
                              .arg(x * kBlock)
                              .arg(y * kBlock)
                              .arg(a.name(QColor::HexArgb), e.name(QColor::HexArgb));
        }
    return faults;
}

void expectMatchesReference(const QImage& picture, const QString& name)
{
    const ReferenceMode mode = referenceMode();
    const QString file = referencePath(name) + QLatin1String(".png");
    const QImage actual = reduced(picture);
    if (mode == ReferenceMode::Renew) {
        EXPECT_TRUE(actual.save(file)) << qPrintable(file);
        return;
    }
    if (mode == ReferenceMode::Skip)
        return;
    const QStringList faults = blockFaults(actual, QImage(file));
    if (faults.isEmpty())
        return;
    const QString shot = shotPath(QFileInfo(file).dir().dirName() + QLatin1Char('-') + name);
    actual.save(shot + QLatin1String("-reduced.png"));
    picture.save(shot + QLatin1String(".png"));
    ADD_FAILURE() << qPrintable(file) << " differs: " << qPrintable(faults.join(QLatin1String("; ")))
                  << "\nactual: " << qPrintable(shot) << ".png and -reduced.png";
}

bool expectMatchesReferenceText(const QString& text, const QString& name)
{
    const ReferenceMode mode = referenceMode();
    QFile file(referencePath(name) + QLatin1String(".txt"));
    if (mode == ReferenceMode::Renew) {
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0) << qPrintable(file.fileName());
        return true;
    }
    if (mode == ReferenceMode::Skip)
        return true;
    const QStringList expected =
        file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')) : QStringList();
    const QStringList actual = text.split(QLatin1Char('\n'));
    for (int i = 0; i < qMax(expected.size(), actual.size()); ++i)
        if (expected.value(i) != actual.value(i)) {
            const QString shot = shotPath(name + QLatin1String(".txt"));
            QFile out(shot);
            if (out.open(QIODevice::WriteOnly))
                out.write(text.toUtf8());
            ADD_FAILURE() << qPrintable(file.fileName()) << " line " << i + 1
                          << ":\n  actual:    " << qPrintable(actual.value(i))
                          << "\n  reference: " << qPrintable(expected.value(i)) << "\nwhole text: " << qPrintable(shot);
            return false;
        }
    return true;
}

} // namespace TestUtil
