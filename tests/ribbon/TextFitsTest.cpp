// Every control that shows a text, given a long one in a narrow width and a
// text style whose font differs from the widget's (it names no size, so the
// large font of the window gives it one), shows on screen that text elided
// in the font it draws in. Compared with the same control showing the text
// elided independently in that font, which fits and so is drawn whole.

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
    };
    auto* label = new CVNQLabel(&window);
    label->setTextStyle(CtrlStateAll, style);
    // A label whose font is set after its style, as a bar sets its own.
    auto* relabelled = new CVNQLabel(&window);
    relabelled->setTextStyle(CtrlStateAll, style);
    auto* button = new CVNQPushButton(&window);
    button->setTextStyle(CtrlStateAll, style);
    auto* check = new CVNQCheckBox(&window);
    check->setTextStyle(false, style);
    auto* radio = new CVNQRadioButton(&window);
    radio->setTextStyle(false, style);
    auto* ribbon = new CVNQRibbonButton(&window, CVN_RIBBON_ITEM_SMALL);
    ribbon->setTextStyle(CtrlStateAll, style);
    const std::vector<Shown> shown = {
        {"label", label, [&](const QString& t) { label->setText(t); }},
        {"relabelled", relabelled, [&](const QString& t) { relabelled->setText(t); }},
        {"push button", button, [&](const QString& t) { button->setText(t); }},
        {"check box", check, [&](const QString& t) { check->setText(t); }},
        {"radio button", radio, [&](const QString& t) { radio->setText(t); }},
        {"ribbon button", ribbon, [&](const QString& t) { ribbon->setText(t); }},
    };
    for (size_t i = 0; i < shown.size(); ++i)
        shown[i].widget->setGeometry(10, 10 + int(i) * 60, 170, 50);
    ASSERT_TRUE(TestUtil::showExposed(&window));
    QFont wider = large;
    wider.setPixelSize(30);
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
    }
}
