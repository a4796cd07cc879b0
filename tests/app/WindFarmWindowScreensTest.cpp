// Pictures of the dashboard in every state, language and the three common
// window sizes, grabbed from the screen as the program's screenshot does.
// Set GUSTREL_SCREEN_DIR to keep them; without it one size is checked.

#include "AppTestSupport.h"
#include "CVNQContainer.h"
#include "CVNQLabel.h"
#include "CVNQLabelImpl.h"
#include "GustrelApp.h"
#include "TestUtil.h"
#include "WindDrawer.h"
#include "WindFarmSimulator.h"
#include "WindFarmWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QTableView>
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

// Runs of rows in which the column band of the label's character at index
// holds ink (pixels at least half-way from the background to the text
// colour): a dotted "i" gives two, its dot and its stem.
int inkRunsOfCharacter(const QImage& shot, QWidget* window, const CVNQtLib::CVNQLabel* label, int index)
{
    const QFontMetrics fm(label->font());
    const QString text = label->text();
    const QPoint origin = label->mapTo(window, QPoint(0, 0));
    const int left = origin.x() + label->contentsRect().left() + fm.horizontalAdvance(text.left(index));
    const QRect band(left, origin.y(), fm.horizontalAdvance(text.at(index)), label->height());
    const QColor ink = label->palette().color(QPalette::WindowText);
    const QColor ground = shot.pixelColor(origin.x() + label->width() - 2, origin.y() + 1);
    const int full = qAbs(qGray(ink.rgb()) - qGray(ground.rgb()));
    int runs = 0;
    bool inRun = false;
    for (int y = band.top(); y <= band.bottom(); ++y) {
        bool inked = false;
        for (int x = band.left(); x <= band.right() && !inked; ++x)
            inked = 2 * qAbs(qGray(shot.pixel(x, y)) - qGray(ground.rgb())) >= full;
        runs += inked && !inRun ? 1 : 0;
        inRun = inked;
    }
    return runs;
}

// Children a row or column lays out that start outside it, leave it across
// its direction or cover a sibling it lays out, and docked children that
// cover each other: a control left out of its layout, laid out the wrong
// way or docked in the wrong parent.
QStringList misplaced(QWidget* window)
{
    using CVNQtLib::CVNQContainer;
    QStringList out;
    for (CVNQContainer* box : window->findChildren<CVNQContainer*>()) {
        if (!box->isVisibleTo(window) || box->getChildLayout() > CVNQContainer::Vertical)
            continue;
        const bool vertical = box->getChildLayout() == CVNQContainer::Vertical;
        QList<QWidget*> placed, docked;
        for (QWidget* w : box->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            const auto* control = dynamic_cast<CVNQtLib::ICVNQWidgetBase*>(w);
            if (w->isWindow() || w->isHidden() || w->geometry().isEmpty() || qobject_cast<WindDrawer*>(w))
                continue; // a drawer slides over the page
            (control && control->getAbsoluteLayout() ? docked : placed) << w;
        }
        const auto name = [box](QWidget* w) {
            return box->objectName() + ">" + w->objectName() + w->metaObject()->className();
        };
        for (int i = 0; i < placed.size(); ++i) {
            // A column too short for its content lets the last child run past its end, never across.
            const QRect r = placed[i]->geometry(),
                        across = vertical ? QRect(r.x(), 0, r.width(), 1) : QRect(0, r.y(), 1, r.height());
            if (!box->rect().contains(r.topLeft()) || !box->rect().contains(across))
                out << name(placed[i]) + " leaves its row";
            // A docked child covers only an empty room left for it.
            const bool room = qobject_cast<CVNQContainer*>(placed[i]) &&
                              placed[i]->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).isEmpty();
            for (QWidget* other : placed.mid(0, i) + (room ? QList<QWidget*>() : docked))
                if (r.intersects(other->geometry()))
                    out << name(placed[i]) + " covers " + name(other);
        }
        for (int i = 0; i < docked.size(); ++i)
            for (QWidget* other : docked.mid(0, i))
                if (docked[i]->geometry().intersects(other->geometry()))
                    out << name(docked[i]) + " covers " + name(other);
    }
    return out;
}

// Labels on screen whose drawn lines the label or a parent cuts, or whose
// shortened text is not marked as such: the lines are laid out as QLabel
// draws them and must lie whole in what the parents leave of the label.
QStringList cutTexts(QWidget* window)
{
    QStringList out;
    for (CVNQtLib::CVNQLabel* label : window->findChildren<CVNQtLib::CVNQLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty())
            continue;
        QRect seen(label->mapTo(window, QPoint(0, 0)), label->size());
        for (QWidget* w = label->parentWidget(); w && w != window; w = w->parentWidget())
            seen &= QRect(w->mapTo(window, QPoint(0, 0)), w->size());
        seen &= window->rect();
        if (seen.isEmpty())
            continue; // scrolled or slid out of sight as a whole
        const QFontMetrics fm(label->font());
        const QRect room =
            label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        QRect lines =
            fm.boundingRect(room, int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
        // Of the first and last line, only their ink must show.
        const QRect ink = fm.tightBoundingRect(label->text());
        lines.setTop(lines.top() + fm.ascent() + ink.top());
        lines.setBottom(lines.bottom() - fm.descent() + ink.bottom());
        const QString held = label->getImpl()->fullText;
        // A pixel of a glyph's bearing may pass the box QLabel draws in.
        if (!seen.adjusted(-1, -1, 1, 1).contains(lines.translated(label->mapTo(window, QPoint(0, 0)))) ||
            (label->text() != held && !label->text().contains(QChar(0x2026))))
            out << label->objectName() + " \"" + label->text() + "\" of \"" + held + "\"";
    }
    return out;
}

} // namespace

TEST(WindFarmWindowScreens, BoldHeadingsKeepTheDotOfTheirI)
{
    ASSERT_TRUE(AppTest::startToolkit());
    WindFarmWindow window;
    window.resize(1280, 720);
    window.show();
    const CVNQtLib::CVNQLabel* heading = nullptr;
    for (const CVNQtLib::CVNQLabel* label : window.findChildren<CVNQtLib::CVNQLabel*>())
        if (label->text() == QLatin1String("AI Insights") && label->font().bold())
            heading = label;
    ASSERT_NE(heading, nullptr);
    QTemporaryDir temp;
    const QString file = temp.filePath("heading.png");
    ASSERT_TRUE(TestUtil::showExposed(&window));
    ASSERT_TRUE(TestUtil::waitPainted(&window));
    ASSERT_EQ(saveWindowScreenshot(&window, file), 0);
    // "AI Insights": the "i" after "Ins" is at index 6.
    EXPECT_EQ(inkRunsOfCharacter(QImage(file), &window, heading, 6), 2);
}

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
            window.getSimulator()->stop(); // its first values, for the references
            window.resize(size);
            window.setLanguage(language);
            ASSERT_TRUE(TestUtil::showExposed(&window));
            ASSERT_TRUE(AppTest::waitWindowAtRest(window));
            const QString tag =
                QStringLiteral("%1x%2-%3").arg(size.width()).arg(size.height()).arg(language ? "zh" : "en");
            // Compared with the references without what shows the clock: the
            // update time, the dates on the energy chart's axis and of inspections.
            auto compare = [&](const QString& file) {
                QImage img(file);
                QPainter painter(&img);
                const QRect chart = areaOf(&window, "windEnergyChart");
                painter.fillRect(chart.adjusted(0, chart.height() - 28, 0, 0), Qt::magenta);
                for (const char* clock : {"windUpdatedLabel", "detailScheduleLabel"})
                    painter.fillRect(areaOf(&window, clock), Qt::magenta);
                auto* table = window.findChild<QTableView*>("turbineTable");
                const int next = 7; // the turbines table's next inspection column
                if (table->isVisible())
                    painter.fillRect(
                        QRect(table->viewport()->mapTo(&window, QPoint(table->columnViewportPosition(next), 0)),
                              QSize(table->columnWidth(next), table->viewport()->height())),
                        Qt::magenta);
                painter.end();
                if (size == QSize(1280, 720))
                    TestUtil::expectMatchesReference(img, QFileInfo(file).completeBaseName());
            };

            const QString overview = dir + "/overview-" + tag + ".png";
            ASSERT_EQ(saveWindowScreenshot(&window, overview), 0);
            compare(overview);
            QImage shot(overview);
            ASSERT_EQ(shot.size(), size);
            EXPECT_GT(colourCount(shot, areaOf(&window, "windEnergyChart")), 40) << tag.toStdString();
            EXPECT_EQ(misplaced(&window).join("\n").toStdString(), "") << tag.toStdString();
            // What the header shows sits on its middle line.
            QWidget* header = window.findChild<QWidget*>("windHeader");
            ASSERT_NE(header, nullptr);
            for (QWidget* w : header->findChildren<QWidget*>())
                if (w->isVisible() && qobject_cast<CVNQtLib::CVNQContainer*>(w->parentWidget()) &&
                    !qobject_cast<CVNQtLib::CVNQContainer*>(w))
                    EXPECT_NEAR(2 * w->mapTo(header, QPoint(0, 0)).y() + w->height(), header->height(), 2)
                        << w->metaObject()->className() << " " << tag.toStdString();
            EXPECT_EQ(cutTexts(&window).join("\n").toStdString(), "") << tag.toStdString();

            window.setCurrentPage(1);
            ASSERT_TRUE(AppTest::waitWindowAtRest(window));
            ASSERT_EQ(saveWindowScreenshot(&window, dir + "/turbines-" + tag + ".png"), 0);
            compare(dir + "/turbines-" + tag + ".png");
            EXPECT_EQ(misplaced(&window).join("\n").toStdString(), "") << tag.toStdString();
            EXPECT_EQ(cutTexts(&window).join("\n").toStdString(), "") << tag.toStdString();

            window.selectTurbine(QStringLiteral("WTG-007"));
            ASSERT_TRUE(AppTest::waitWindowAtRest(window));
            const QString detail = dir + "/detail-" + tag + ".png";
            ASSERT_EQ(saveWindowScreenshot(&window, detail), 0);
            compare(detail);
            EXPECT_EQ(misplaced(&window).join("\n").toStdString(), "") << tag.toStdString();
            EXPECT_EQ(cutTexts(&window).join("\n").toStdString(), "") << tag.toStdString();
            shot = QImage(detail);
            // The donut's health slice is drawn in the fault colour.
            EXPECT_TRUE(TestUtil::hasColor(shot.copy(areaOf(&window, "turbineHealthChart")), QColor(255, 91, 116), 12));

            window.openEditor();
            ASSERT_TRUE(AppTest::waitWindowAtRest(window));
            ASSERT_EQ(saveWindowScreenshot(&window, dir + "/editor-" + tag + ".png"), 0);
            compare(dir + "/editor-" + tag + ".png");
            // With the validation message showing: the location is empty.
            QMetaObject::invokeMethod(&window, "saveEditorTurbine");
            ASSERT_TRUE(TestUtil::waitPainted(&window));
            ASSERT_EQ(saveWindowScreenshot(&window, dir + "/editor-invalid-" + tag + ".png"), 0);
            compare(dir + "/editor-invalid-" + tag + ".png");
            EXPECT_EQ(cutTexts(&window).join("\n").toStdString(), "") << tag.toStdString();
        }
    }
}
