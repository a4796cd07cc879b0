// Button-like controls deleted in a slot of their own signals, clicked and
// pressed with Space through the window as a user does, for every signal
// whose slot may delete Qt's own button (not toggled, after which Qt's
// buttons still report to accessibility).

#include "CVNQCheckBox.h"
#include "CVNQImage.h"
#include "CVNQPushButton.h"
#include "CVNQRadioButton.h"
#include "ControlsTestUtil.h"

#include <QPointer>
#include <QTest>
#include <QWindow>

using namespace CVNQtLib;

namespace {

using Make = std::function<QWidget*(QWidget* host)>;

// A W in host that deletes itself in the slot of signal.
template <class W, class S, class... Args>
Make deletedOn(void (S::*signal)(Args...))
{
    return [signal](QWidget* host) {
        auto* w = new W(host);
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            button->setText("Control");
        w->setGeometry(10, 10, 120, 30);
        w->show();
        QObject::connect(w, signal, [w](Args...) { delete w; });
        return w;
    };
}

} // namespace

TEST(DeletedInOwnSlot, ButtonLikeControlsSurviveWhereQtsButtonsDo)
{
    ControlsTest::startToolkit();
    QWidget host;
    host.resize(200, 60);
    ASSERT_TRUE(TestUtil::showExposed(&host));
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));

    using B = QAbstractButton;
    const QList<Make> byKey = {deletedOn<CVNQPushButton>(&B::pressed),
                               deletedOn<CVNQPushButton>(&B::released),
                               deletedOn<CVNQPushButton>(&B::clicked),
                               deletedOn<CVNQCheckBox>(&B::pressed),
                               deletedOn<CVNQCheckBox>(&B::released),
                               deletedOn<CVNQCheckBox>(&B::clicked),
                               deletedOn<CVNQCheckBox>(&QCheckBox::stateChanged),
                               deletedOn<CVNQRadioButton>(&B::pressed),
                               deletedOn<CVNQRadioButton>(&B::released),
                               deletedOn<CVNQRadioButton>(&B::clicked)};
    const QList<Make> byMouse = byKey + QList<Make>{deletedOn<CVNQRadioButton>(&CVNQRadioButton::pressedEvent),
                                                    deletedOn<CVNQImage>(&CVNQImage::clicked)};
    QWindow* window = host.windowHandle();
    for (bool key : {false, true}) {
        const QList<Make>& makes = key ? byKey : byMouse;
        for (int i = 0; i < makes.size(); ++i) {
            QPointer<QWidget> w = makes.at(i)(&host);
            if (key) {
                w->setFocus();
                ASSERT_TRUE(QTest::qWaitFor([&] { return w->hasFocus(); }));
                QTest::keyClick(window, Qt::Key_Space);
            } else {
                const QPoint at = w->mapTo(&host, QPoint(12, 15));
                QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
                QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, at);
            }
            EXPECT_TRUE(w.isNull()) << "trial " << i << (key ? " by key" : " by mouse");
            delete w.data();
        }
    }

    // The image takes the release it reports: Qt would pass an ignored one
    // on to the parent of the image its slot deleted.
    QWidget* image = deletedOn<CVNQImage>(&CVNQImage::clicked)(&host);
    EXPECT_TRUE(TestUtil::taken(
        image, TestUtil::mouseEvent(image, QEvent::MouseButtonRelease, QPointF(5, 5), Qt::LeftButton, Qt::NoButton)));
}
