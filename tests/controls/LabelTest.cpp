// Label: the text and its elided form, text styles applied to the widget,
// JSON reading and writing, language keys and the theme entry.

#include "CVNQWindow.h"
#include "CVNQControlInfo.h"
#include "CVNQLabel.h"
#include "CVNQLabelImpl.h"
#include "ControlsTestUtil.h"
#include "LanguageManager.h"
#include "TestUtil.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QResizeEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace CVNQtLib;
using namespace ControlsTest;

namespace {

TextStyleDesc singleLine(int elideMode)
{
    TextStyleDesc t;
    t.family = "DejaVu Sans";
    t.singleline = true;
    t.elideMode = elideMode;
    return t;
}

} // namespace

TEST(Label, TextAndNodes)
{
    QWidget host;
    CVNQLabel l(&host);
    EXPECT_EQ(l.text(), "label");
    Json::Value node = TestUtil::json(R"({"attr": {"text": "Wind speed"}})");
    l.readJsonValue(&node);
    EXPECT_EQ(l.text(), "Wind speed");

    // No "attr", or a null one: the text stays.
    Json::Value bare = TestUtil::json(R"({"name": "n"})");
    l.readJsonValue(&bare);
    Json::Value nullAttr = TestUtil::json(R"({"attr": null})");
    l.readJsonValue(&nullAttr);
    EXPECT_EQ(l.text(), "Wind speed");

    // No named style: "style" is written as null.
    Json::Value out = written(l);
    EXPECT_TRUE(out.isMember("style"));
    EXPECT_TRUE(out["style"].isNull());
    EXPECT_EQ(out["attr"]["text"], Json::Value("Wind speed"));

    defineText("lb_t", QColor(10, 20, 30), 14, 2);
    Json::Value styled = TestUtil::json(R"({"style": [["lb_t", 2, 0], ["lb_t", 2, 3]]})");
    l.readJsonValue(&styled);
    EXPECT_EQ(l.getTextStyle(0).name, "lb_t");
    EXPECT_TRUE(l.getTextStyle(3).name.isEmpty()) << "the disable style is never read";
    EXPECT_EQ(l.palette().color(QPalette::Active, QPalette::WindowText), QColor(10, 20, 30));
    EXPECT_EQ(l.font().pixelSize(), 14);
    EXPECT_EQ(l.alignment(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(written(l)["style"], TestUtil::json(R"([["lb_t", 2, 0]])"));

    // An emptied label is written with its empty text, and read back it
    // stays empty instead of showing the new label's "label".
    l.setText(QString());
    Json::Value emptied = written(l);
    CVNQLabel again(&host);
    again.readJsonValue(&emptied);
    EXPECT_EQ(again.text(), "");
}

TEST(Label, StylesAndColours)
{
    QWidget host;
    CVNQLabel l(&host);
    TextStyleDesc a;
    a.name = "both";
    a.clr = QColor(200, 0, 0);
    a.bold = true;
    a.hor = 1;
    a.ver = 0;
    l.setTextStyle(4, a);
    EXPECT_EQ(l.getTextStyle(0).name, "both");
    EXPECT_EQ(l.getTextStyle(3).name, "both");
    EXPECT_EQ(l.font().weight(), 75);
    EXPECT_EQ(l.alignment(), Qt::AlignHCenter | Qt::AlignTop);

    TextStyleDesc d;
    d.name = "disabled";
    d.clr = QColor(0, 0, 200);
    l.setTextStyle(1, d);
    EXPECT_EQ(l.getTextStyle(0).name, "both");
    EXPECT_EQ(l.getTextStyle(2).name, "disabled");
    EXPECT_EQ(l.palette().color(QPalette::WindowText), QColor(200, 0, 0));

    l.setDisableColor(QColor(1, 2, 3));
    EXPECT_EQ(l.palette().color(QPalette::WindowText), QColor(200, 0, 0));
    EXPECT_EQ(l.getDisableColor(), QColor(1, 2, 3));
    l.setColor(QColor(0, 128, 0));
    EXPECT_EQ(l.palette().color(QPalette::WindowText), QColor(0, 128, 0));

    // A size far beyond any screen, as a fuzzed style file gives it, still
    // makes a font and draws.
    TextStyleDesc huge = a;
    huge.size = 300000000;
    l.setTextStyle(4, huge);
    l.setGeometry(0, 0, 200, 40);
    ASSERT_TRUE(TestUtil::showExposed(&host));
    EXPECT_TRUE(TestUtil::waitPainted(&host));
}

TEST(Label, ElidesFromTheWholeTextAndWritesIt)
{
    QWidget host;
    CVNQLabel l(&host);
    auto resize = [&](int w, int h) { resizeNow(&l, w, h); };
    l.setTextStyle(0, singleLine(Qt::ElideRight));
    const QString full = "Average wind speed over the last hour";
    l.setText(full);
    const int fullWidth = QFontMetrics(l.font()).horizontalAdvance(full);
    // As a stamp (list and table templates) it draws what it shows, alike
    // with a label holding that form as its whole text.
    auto drawsWhatItShows = [&](const char* when) {
        CVNQLabel twin(&host);
        twin.setTextStyle(CtrlStateNormal, l.getTextStyle(CtrlStateNormal));
        twin.setText(l.text());
        QImage drawn[2];
        for (CVNQLabel* one : {&l, &twin}) {
            drawn[one == &twin] = QImage(2 * fullWidth, 60, QImage::Format_ARGB32);
            drawn[one == &twin].fill(Qt::white);
            QPainter painter(&drawn[one == &twin]);
            one->getImpl()->draw(&painter, drawn[0].rect());
        }
        EXPECT_TRUE(drawn[0] == drawn[1]) << when;
    };
    resize(fullWidth / 2, 20);
    EXPECT_NE(l.text(), full);
    drawsWhatItShows("elided");
    EXPECT_TRUE(l.text().endsWith(QChar(0x2026))) << l.text().toStdString();
    // Its property row and its writer hold the whole text, not the form on screen.
    for (const PropertyDef& row : CVNQLabel::getProps().properties)
        if (row.name == "Text")
            EXPECT_EQ(row.getString(&l), full);
    EXPECT_EQ(written(l)["attr"]["text"], Json::Value(full.toStdString()));
    // Shortened, it asks what it asks showing the whole text, whatever room it keeps around it.
    for (const std::function<void()>& room : std::vector<std::function<void()>>{
             [] {}, [&] { l.setMargin(5); }, [&] { l.setIndent(9); }, [&] { l.setContentsMargins(1, 2, 3, 4); },
             [&] { l.setFrameStyle(QFrame::Box | QFrame::Plain); }}) {
        room();
        resize(2 * fullWidth, 40);
        const QSize whole = l.sizeHint();
        resize(fullWidth / 2, 20);
        EXPECT_NE(l.text(), full);
        EXPECT_NEAR(l.sizeHint().width(), whole.width(), 1) << l.margin() << " " << l.indent();
        EXPECT_EQ(l.sizeHint().height(), whole.height());
        resize(l.sizeHint().width(), 20); // given what it asks, it shows it all
        EXPECT_EQ(l.text(), full) << l.margin() << " " << l.indent();
    }
    l.setMargin(0);
    l.setIndent(-1);
    l.setContentsMargins(0, 0, 0, 0);
    l.setFrameStyle(QFrame::NoFrame);
    resize(fullWidth + 20, 20);
    EXPECT_EQ(l.text(), full);

    // Elide mode 3 (none), or a style that is not single-line, keeps it.
    l.setTextStyle(0, singleLine(Qt::ElideNone));
    resize(20, 20);
    EXPECT_EQ(l.text(), full);
    TextStyleDesc multi = singleLine(Qt::ElideRight);
    multi.singleline = false;
    l.setTextStyle(0, multi);
    resize(30, 20);
    EXPECT_EQ(l.text(), full);
    // An elide mode Qt does not know elides at the right.
    l.setTextStyle(0, singleLine(9));
    resize(40, 20);
    EXPECT_TRUE(l.text().endsWith(QChar(0x2026)));
    // On screen, a new elide mode alone shows at once, as a new font does.
    host.show();
    for (const int mode : {int(Qt::ElideNone), int(Qt::ElideRight)}) {
        l.setTextStyle(0, singleLine(mode));
        EXPECT_EQ(l.text() == full, mode == Qt::ElideNone) << mode;
    }
    host.hide();

    // A text set through QLabel itself (a QLabel pointer, a connection to
    // QLabel::setText) becomes the whole text: no resize brings back the
    // old one, and it is what is written.
    const QString other = "Gusts measured at the hub height of every turbine";
    static_cast<QLabel&>(l).setText(other);
    drawsWhatItShows("set through QLabel");
    resize(fullWidth / 2, 20);
    EXPECT_TRUE(l.text().startsWith("Gusts")) << l.text().toStdString();
    EXPECT_EQ(written(l)["attr"]["text"], Json::Value(other.toStdString()));
    EXPECT_EQ(l.getText(), other);
    resize(2 * fullWidth, 20);
    EXPECT_EQ(l.text(), other);

    // Wrapped and shortened by lines, it asks for its whole text: given what it asks, it shows it all again.
    l.setWordWrap(true);
    for (bool byHint : {false, true}) {
        resize(fullWidth / 3, 40);
        // Whole lines, the last cut once: what shows starts the whole text.
        QString shown = l.text().replace('\n', ' ');
        ASSERT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
        EXPECT_TRUE(other.startsWith(shown.chopped(1).trimmed())) << shown.toStdString();
        drawsWhatItShows("wrapped");
        byHint ? resize(l.sizeHint().width(), l.sizeHint().height())
               : resize(fullWidth / 3, l.heightForWidth(fullWidth / 3));
        EXPECT_EQ(l.text(), other) << byHint;
        EXPECT_EQ(l.sizeHint(), l.QLabel::sizeHint()); // shown whole, it asks what QLabel asks
    }
}

TEST(Label, LanguageKeysAndThemeEntries)
{
    ASSERT_TRUE(LanguageManager::instance()->loadFromJson(R"({"defaultLanguage": "en", "languages": {
        "en": {"lb.speed": "Speed"}, "zh": {"lb.speed": "风速"}}})"));
    ASSERT_TRUE(LanguageManager::instance()->setLanguage("en"));
    CVNQWindow host; // the switch reaches the registered window's controls
    CVNQLabel l(&host);
    Json::Value node = TestUtil::json(R"({"attr": {"text": "|->lb.speed"}})");
    l.readJsonValue(&node);
    EXPECT_EQ(l.text(), "Speed");
    LanguageManager::instance()->setLanguage("zh");
    EXPECT_EQ(l.text(), QString::fromUtf8("风速"));
    EXPECT_EQ(written(l)["attr"]["text"], Json::Value("风速"));
    LanguageManager::instance()->setLanguage("en");

    // A theme entry may name a text and a style; a new label still shows
    // "label", in the theme's style.
    QTemporaryDir theme;
    ASSERT_TRUE(TestUtil::writeFile(theme.path(), "style.json",
                                    R"({"style": [{"type": 2, "name": "lbt", "clr": "ff00aa00", "size": 17}]})"));
    ASSERT_TRUE(TestUtil::writeFile(theme.path(), "theme.json",
                                    R"({"elements": [{"child": [{"name": "qtlabel", "style": [["lbt", 2, 0]],
                                        "attr": {"text": "From theme"}}]}]})"));
    ASSERT_TRUE(rm()->loadThemeDir(theme.path()));
    {
        CVNQLabel themed(&host);
        EXPECT_EQ(themed.text(), "label");
        EXPECT_EQ(themed.getTextStyle(0).name, "lbt");
        EXPECT_EQ(themed.font().pixelSize(), 17);
        // The theme's text is read with the rest of the entry, so a theme
        // refresh shows it.
        themed.setText("Mine");
        themed.getControlBase()->refreshTheme();
        EXPECT_EQ(themed.text(), "From theme");
    }
    QTemporaryDir empty;
    ASSERT_TRUE(TestUtil::writeFile(empty.path(), "style.json", R"({"style": []})"));
    ASSERT_TRUE(rm()->loadThemeDir(empty.path()));
}

TEST(Label, SizeHintAndRestyleFollowEachLabel)
{
    QWidget host;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    // Whatever labels asked before, each gets the hint QLabel gives it.
    auto expectQtHint = [&](const CVNQLabel& l) {
        QLabel plain(&host);
        plain.setFont(l.font());
        plain.setText(l.text());
        plain.setAlignment(l.alignment());
        plain.setIndent(l.indent());
        plain.setMargin(l.margin());
        plain.setContentsMargins(l.contentsMargins());
        EXPECT_EQ(l.sizeHint(), plain.sizeHint()) << l.text().toStdString();
    };
    CVNQLabel a(&host);
    CVNQLabel b(&host);
    a.setFont(font);
    b.setFont(font);
    expectQtHint(a);
    expectQtHint(b);
    b.setText(QStringLiteral("a much longer caption"));
    expectQtHint(b);
    expectQtHint(a);
    QFont big = font;
    big.setPixelSize(23);
    a.setFont(big);
    expectQtHint(a);
    a.setMargin(5);
    expectQtHint(a);
    a.setIndent(9);
    expectQtHint(a);
    a.setContentsMargins(1, 2, 3, 4);
    expectQtHint(a);
    EXPECT_NE(a.sizeHint(), b.sizeHint());

    // Read under a parent that lays nothing out, a label takes the size of
    // Qt's hint for what it shows then.
    CVNQLabel* read = new CVNQLabel;
    read->setParent(&host);
    read->setFont(big);
    const QSize qtHint = read->QLabel::sizeHint();
    Json::Value node = TestUtil::json(R"({"name": "plain"})");
    read->readJsonValue(&node);
    EXPECT_EQ(read->size(), qtHint);

    // Reading the node again puts the style's font and colour back, also
    // after the widget's own were changed in between.
    defineText("lb_re", QColor(1, 2, 3), 15);
    Json::Value styled = TestUtil::json(R"({"style": [["lb_re", 2, 0]]})");
    read->readJsonValue(&styled);
    read->setFont(big);
    QPalette other = read->palette();
    other.setColor(QPalette::WindowText, Qt::red);
    read->setPalette(other);
    read->readJsonValue(&styled);
    EXPECT_EQ(read->font().pixelSize(), 15);
    EXPECT_EQ(read->palette().color(QPalette::WindowText), QColor(1, 2, 3));
}
