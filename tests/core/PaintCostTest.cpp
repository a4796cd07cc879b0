// The painters' cheap paths (kept text lines, rendered SVG parts, visible
// tiles only, small images for vertical text) paint exactly what the plain
// paths paint, and what a file sets cannot make one paint take gigabytes.

#include "CVNQResourceManager.h"
#include "CVNQTextLayoutCache.h"
#include "CVNQWidgetBaseImpl.h"
#include "TestUtil.h"

#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using Impl = CVNQWidgetBaseImpl;

namespace {

QImage canvas(int w, int h, QColor fill = Qt::transparent)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

// What drawText did before lines were kept: elide, then QPainter::drawText.
void plainText(QPainter& p, const QString& text, const QFont& font, const QRect& r, int align, bool elide)
{
    p.setFont(font);
    p.drawText(r, align, elide ? QFontMetrics(font).elidedText(text, Qt::ElideRight, r.width() - 2) : text);
}

} // namespace

TEST(PaintCost, KeptTextLinesPaintWhatDrawTextPaints)
{
    const QStringList texts = {"12.7 m/s", "WTG-007", "Bearing temperature anomaly detected", "风机 ID", "a",
                               "x y", "  padded ", "two\nlines", "tab\there", "Ärger fi ffl", "الطاقة 12"};
    const int aligns[] = {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignHCenter | Qt::AlignVCenter,
                          Qt::AlignRight | Qt::AlignBottom, Qt::AlignHCenter | Qt::AlignTop};
    QFont font;
    font.setFamily(QString::fromLatin1(kDefaultTextStyleFamily));
    // The painter's font takes its family list from the application font.
    const QFont appFont = QGuiApplication::font();
    QFont listed = appFont;
    listed.setFamilies({font.family()});
    for (const QFont& app : {appFont, listed})
    for (int px : {11, 16}) {
        QGuiApplication::setFont(app);
        font.setPixelSize(px);
        for (bool bold : {false, true}) {
            font.setBold(bold);
            for (const QString& text : texts) {
                const int natural = QFontMetrics(font).horizontalAdvance(text);
                // Widths around the elision point and boxes lower than the line.
                for (const QRect r : {QRect(3, 4, natural + 2, 30), QRect(3, 4, natural + 1, 30),
                                      QRect(5, 2, natural / 2 + 7, 9), QRect(0, 0, 300, 44)}) {
                    for (int align : aligns) {
                        for (bool elide : {true, false}) {
                            QImage want = canvas(320, 50, Qt::white);
                            {
                                QPainter p(&want);
                                p.setPen(QColor(20, 40, 60));
                                plainText(p, text, font, r, align, elide);
                            }
                            for (int round = 0; round < 2; ++round) { // fresh or kept, then kept
                                QImage got = canvas(320, 50, Qt::white);
                                {
                                    QPainter p(&got);
                                    p.setPen(QColor(20, 40, 60));
                                    p.setFont(font);
                                    cvnDrawCachedText(&p, r, align, text, font, elide, r.width() - 2);
                                }
                                ASSERT_EQ(want, got) << text.toStdString() << " " << px << " " << align << " "
                                                     << elide << " " << r.width() << "x" << r.height();
                            }
                        }
                    }
                }
            }
        }
    }
    QGuiApplication::setFont(appFont);
}
