// Pictures of the dashboard in every state, language and the three common
// window sizes, grabbed from the screen as the program's screenshot does.
// Set GUSTREL_SCREEN_DIR to keep them; without it one size is checked.

#include "AppTestSupport.h"
#include "GustrelApp.h"
#include "TestUtil.h"
#include "WindFarmWindow.h"

#include <QDir>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Distinct colours in a rectangle of the picture: a drawn chart has many,
// an empty plot a few.
int colourCount(const QImage& image, const QRect& area)
{
    QSet<QRgb> colours;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); y += 2)
        for (int x = r.left(); x <= r.right(); x += 2)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

QRect areaOf(QWidget* window, const char* name)
{
    QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (!w || !w->isVisible())
        return QRect();
    return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}

} // namespace

TEST(WindFarmWindowScreens, EveryStateIsDrawnInBothLanguages)
{
    ASSERT_TRUE(AppTest::startToolkit());
    const QString keep = qEnvironmentVariable("GUSTREL_SCREEN_DIR");
    QTemporaryDir temp;
    const QString dir = keep.isEmpty() ? temp.path() : keep;
    const QList<QSize> sizes = keep.isEmpty() ? QList<QSize>{QSize(1280, 720)}
                                              : QList<QSize>{QSize(1280, 720), QSize(1440, 900), QSize(1920, 1080)};

    for (const QSize& size : sizes) {
        for (int language = 0; language < 2; ++language) {
            WindFarmWindow window;
            window.resize(size);
            window.setLanguage(language);
            ASSERT_TRUE(TestUtil::showExposed(&window));
            ASSERT_TRUE(AppTest::waitWindowAtRest(window));
            const QString tag =
                QStringLiteral("%1x%2-%3").arg(size.width()).arg(size.height()).arg(language ? "zh" : "en");

            const QString overview = dir + "/overview-" + tag + ".png";
            ASSERT_EQ(saveWindowScreenshot(&window, overview), 0);
            QImage shot(overview);
            ASSERT_EQ(shot.size(), size);
            EXPECT_GT(colourCount(shot, areaOf(&window, "windEnergyChart")), 40) << tag.toStdString();

            window.setCurrentPage(1);
            ASSERT_TRUE(AppTest::waitWindowAtRest(window));
            ASSERT_EQ(saveWindowScreenshot(&window, dir + "/turbines-" + tag + ".png"), 0);

            window.selectTurbine(QStringLiteral("WTG-007"));
            ASSERT_TRUE(AppTest::waitWindowAtRest(window));
            const QString detail = dir + "/detail-" + tag + ".png";
            ASSERT_EQ(saveWindowScreenshot(&window, detail), 0);
            shot = QImage(detail);
            // The donut's health slice is drawn in the fault colour.
            EXPECT_TRUE(TestUtil::hasColor(shot.copy(areaOf(&window, "turbineHealthChart")), QColor(255, 91, 116), 12));

            window.openEditor();
            ASSERT_TRUE(AppTest::waitWindowAtRest(window));
            ASSERT_EQ(saveWindowScreenshot(&window, dir + "/editor-" + tag + ".png"), 0);
            // With the validation message showing: the location is empty.
            QMetaObject::invokeMethod(&window, "saveEditorTurbine");
            ASSERT_TRUE(TestUtil::waitPainted(&window));
            ASSERT_EQ(saveWindowScreenshot(&window, dir + "/editor-invalid-" + tag + ".png"), 0);
        }
    }
}
