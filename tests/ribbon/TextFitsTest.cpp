// Every control that shows a text, given a long one in a narrow width and a
// text style whose font differs from the widget's (it names no size, so the
// large font of the window gives it one), shows on screen that text elided
// in the font it draws in. Compared with the same control showing the text
// elided independently in that font, which fits and so is drawn whole; and
// sized to its hint, each shows a short text whole.

#include "CVNQCheckBox.h"
#include "CVNQLabel.h"
#include "CVNQPushButton.h"
#include "CVNQRadioButton.h"
#include "CVNQRibbonButton.h"
#include "CVNQWidgetBaseImpl.h"
#include "RibbonTestUtil.h"

#include <QFontMetrics>
#include <functional>

using namespace CVNQtLib;

TEST(TextFits, EveryTextControlElidesInTheFontItDraws)
{
    TestUtil::startToolkit();
    QWidget window;
    QFont large = window.font();
    large.setPixelSize(26);
    window.setFont(large);
    window.resize(220, 420);
    TextStyleDesc style;
    style.size = 0;
    style.hor = 0;

    struct Shown
    {
        const char* name;
        QWidget* widget;
        std::function<void(const QString&)> setText;
        std::function<void(const TextStyleDesc&)> setStyle;
    };
    QFont wider = large;
    wider.setPixelSize(30);
    auto* label = new CVNQLabel(&window);
    // A label whose font is set after its style, as a bar sets its own.
    auto* relabelled = new CVNQLabel(&window);
    auto* button = new CVNQPushButton(&window);
    auto* check = new CVNQCheckBox(&window);
    auto* radio = new CVNQRadioButton(&window);
    auto* ribbon = new CVNQRibbonButton(&window, CVN_RIBBON_ITEM_SMALL);
    ribbon->setRibbonIcon(RibbonTest::iconDir() + "plus.svg");
    const std::vector<Shown> shown = {
        {"label", label, [&](const QString& t) { label->setText(t); },
         [&](const TextStyleDesc& st) { label->setTextStyle(CtrlStateAll, st); }},
        {"relabelled", relabelled, [&](const QString& t) { relabelled->setText(t); },
         [&](const TextStyleDesc& st) {
             relabelled->setTextStyle(CtrlStateAll, st);
             relabelled->setFont(relabelled->isVisible() ? wider : relabelled->font());
         }},
        {"push button", button, [&](const QString& t) { button->setText(t); },
         [&](const TextStyleDesc& st) { button->setTextStyle(CtrlStateAll, st); }},
        {"check box", check, [&](const QString& t) { check->setText(t); },
         [&](const TextStyleDesc& st) { check->setTextStyle(false, st); }},
        {"radio button", radio, [&](const QString& t) { radio->setText(t); },
         [&](const TextStyleDesc& st) { radio->setTextStyle(false, st); }},
        {"ribbon button", ribbon, [&](const QString& t) { ribbon->setText(t); },
         [&](const TextStyleDesc& st) { ribbon->setTextStyle(CtrlStateAll, st); }},
    };
    for (size_t i = 0; i < shown.size(); ++i) {
        shown[i].setStyle(style);
        shown[i].widget->setGeometry(10, 10 + int(i) * 60, 170, 50);
    }
    ASSERT_TRUE(TestUtil::showExposed(&window));
    relabelled->setFont(wider);

    const QString text = QStringLiteral("Average wind speed over the last hour at every turbine");
    for (const Shown& s : shown) {
        s.setText(text);
        const QImage picture = TestUtil::screenShot(s.widget);
        // The style's font with what it leaves unset from the widget's, as
        // a painter on the widget takes it; the relabelled one's own font.
        const QFont font = CVNQWidgetBaseImpl::fontForStyle(style).resolve(s.widget->font());
        const QFontMetrics metrics(s.widget == relabelled ? relabelled->font() : font, s.widget);
        // The room each control leaves its text differs; what shows must be
        // the text elided to one of them.
        bool same = false;
        QString last;
        for (int room = s.widget->width(); room > s.widget->width() - 90 && !same; --room) {
            const QString elided = metrics.elidedText(text, Qt::ElideRight, room);
            if (elided == last)
                continue;
            last = elided;
            s.setText(elided);
            same = TestUtil::screenShot(s.widget) == picture;
        }
        EXPECT_TRUE(same) << s.name;

        // Sized to its hint, it shows a text whole: as it draws with eliding
        // off.
        s.setText(QStringLiteral("Copy the log"));
        s.widget->resize(s.widget->sizeHint().width(), 50);
        const QImage fitted = TestUtil::screenShot(s.widget);
        TextStyleDesc whole = style;
        whole.elideMode = Qt::ElideNone;
        s.setStyle(whole);
        EXPECT_EQ(TestUtil::screenShot(s.widget), fitted) << s.name;
        s.setStyle(style);
    }

    // Whole in every state it draws: a wider font in one state's style alone
    // asks for the room that font in every state asks for.
    TextStyleDesc big = style;
    big.size = 40;
    struct PerState
    {
        const char* name;
        QWidget* widget;
        int states;
        std::function<void(int, const TextStyleDesc&)> set;
    };
    const std::vector<PerState> perState = {
        {"push button", button, CtrlStateCount, [&](int s, auto& st) { button->setTextStyle(CtrlState(s), st); }},
        {"ribbon button", ribbon, CtrlStateCount, [&](int s, auto& st) { ribbon->setTextStyle(CtrlState(s), st); }},
        {"check box", check, 3, [&](int s, auto& st) { check->setTextStyleByState(s, st); }},
        {"radio button", radio, 3, [&](int s, auto& st) { radio->setTextStyleByState(s, st); }},
    };
    for (const PerState& p : perState) {
        auto every = [&](const TextStyleDesc& st) {
            for (int s = 0; s < p.states; ++s)
                p.set(s, st);
            return p.widget->sizeHint().width();
        };
        const int wide = every(big);
        EXPECT_GT(wide, every(style)) << p.name;
        for (int s = 0; s < p.states; ++s) {
            p.set(s, big);
            EXPECT_EQ(p.widget->sizeHint().width(), wide) << p.name << ", state " << s;
            p.set(s, style);
        }
    }
}
