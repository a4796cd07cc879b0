#include "ControlTrace.h"

#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "ICVNQWidgetBase.h"
#include "ReferencePicture.h"
#include "TestUtil.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QCryptographicHash>
#include <QCursor>
#include <QDialog>
#include <QFile>
#include <QKeySequence>
#include <QOpenGLWidget>
#include <QPainter>
#include <QPointer>
#include <QRect>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <functional>
#include <json/json.h>
#include <memory>
#include <utility>
#include <vector>
#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace TestUtil {

namespace {

constexpr int kMargin = 24; // room around the control, for the pointer to leave it

// Keeps out what comes at a time of its own: tooltips and "what's this",
// which cover the control, and, while a button is held, the control's own
// timers (a press on a scroll bar repeats after a delay the record's own
// pace would decide).
class Untimed : public QObject
{
public:
    QPointer<QWidget> control;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::ToolTip || e->type() == QEvent::WhatsThis)
            return true;
        if (e->type() != QEvent::Timer || QGuiApplication::mouseButtons() == Qt::NoButton || !control)
            return false;
        for (; o; o = o->parent())
            if (o == control)
                return true;
        return false;
    }
};

// The toolkit's own log lines while a trace runs (its categories), in
// order; every other message goes on to the handler before.
QStringList g_logged;
QtMessageHandler g_beforeTrace = nullptr;

void traceHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const QByteArray category(context.category ? context.category : "");
    if (category.startsWith("corvane."))
        g_logged << QString::fromLatin1(category) + QLatin1String(": ") + text;
    else if (g_beforeTrace)
        g_beforeTrace(type, context, text);
}

QString number(double v)
{
    return QString::number(v, 'g', 5);
}

QString variantText(const QVariant& v)
{
    switch (int(v.type())) {
    case QMetaType::Double:
    case QMetaType::Float: return number(v.toDouble());
    case QMetaType::QString: return QLatin1Char('"') + v.toString() + QLatin1Char('"');
    case QMetaType::QColor: return v.value<QColor>().name(QColor::HexArgb);
    case QMetaType::QPoint:
    case QMetaType::QPointF: return QStringLiteral("(%1,%2)").arg(number(v.toPointF().x()), number(v.toPointF().y()));
    case QMetaType::QSize: return QStringLiteral("%1x%2").arg(v.toSize().width()).arg(v.toSize().height());
    case QMetaType::QStringList: return v.toStringList().join(QLatin1Char('|'));
    default:
        if (v.canConvert<QString>() && !v.toString().isEmpty())
            return v.toString();
        return QString::fromLatin1(v.typeName());
    }
}

void flatten(const Json::Value& v, const QString& path, QStringList& out)
{
    if (v.isObject()) {
        for (const std::string& key : v.getMemberNames())
            flatten(v[key], path + QLatin1Char('.') + QString::fromStdString(key), out);
    } else if (v.isArray()) {
        for (Json::ArrayIndex i = 0; i < v.size(); ++i)
            flatten(v[i], path + QStringLiteral("[%1]").arg(i), out);
        if (v.empty())
            out << path + QLatin1String(" = []");
    } else if (v.isString()) {
        out << path + QLatin1String(" = \"") + QString::fromStdString(v.asString()) + QLatin1Char('"');
    } else if (v.isDouble() && !v.isIntegral()) {
        out << path + QLatin1String(" = ") + number(v.asDouble());
    } else {
        out << path + QLatin1String(" = ") + QString::fromStdString(v.isNull() ? "null" : v.asString());
    }
}

QWidget* on(const PropertyDef& row, QWidget* control)
{
    return row.target ? row.target : control;
}

QString rowValue(const PropertyDef& row, QWidget* control)
{
    QWidget* w = on(row, control);
    switch (row.type) {
    case PropName:
    case PropText:
    case PropReadOnlyText:
    case PropImage: return row.getString ? QLatin1Char('"') + row.getString(w) + QLatin1Char('"') : QString();
    case PropBool: return row.getBool ? QString::number(row.getBool(w)) : QString();
    case PropInt:
    case PropChoice: return row.getInt ? QString::number(row.getInt(w)) : QString();
    case PropTwoInts:
        return row.getTwoInts ? QStringLiteral("%1 %2").arg(row.getTwoInts(w).first).arg(row.getTwoInts(w).second)
                              : QString();
    case PropFourInts: {
        QStringList parts;
        if (row.getFourInts)
            for (int v : row.getFourInts(w))
                parts << QString::number(v);
        return parts.join(QLatin1Char(' '));
    }
    case PropColor: return row.getColor ? row.getColor(w).name(QColor::HexArgb) : QString();
    case PropFillStyle:
    case PropTextStyle: {
        QStringList parts;
        for (const PropertyChoice& c : row.choices) {
            if (row.getFillStyle) {
                const FillStyle f = row.getFillStyle(w, c.value);
                parts << QStringLiteral("%1 %2 %3").arg(c.label, f.name, f.fill.clr.name(QColor::HexArgb));
            }
            if (row.getTextStyle) {
                const TextStyleDesc t = row.getTextStyle(w, c.value);
                parts << QStringLiteral("%1 %2 %3 %4").arg(c.label, t.name, t.clr.name(QColor::HexArgb)).arg(t.size);
            }
        }
        return parts.join(QLatin1String("; "));
    }
    default: return QString();
    }
}

// A look for one state of a style row, unlike any the control has: a
// rounded, bordered colour fill or a large bold text, in a colour of its own.
void setStyleOf(const PropertyDef& row, QWidget* w, int state, int k)
{
    const QColor colour = QColor::fromHsv(k * 53 % 360, 220, 230);
    const QString name = QStringLiteral("trace.%1.%2").arg(row.name).arg(state);
    if (row.setFillStyle) {
        FillStyle f;
        f.name = name;
        f.useColor = true;
        f.fill.clr = colour;
        f.fill.round = 3;
        f.fill.border = true;
        f.fill.borderSize = 1;
        f.fill.borderclr = colour.darker(200);
        row.setFillStyle(w, state, f);
    }
    if (row.setTextStyle) {
        TextStyleDesc t;
        t.name = name;
        t.clr = colour;
        t.size = 15;
        t.bold = true;
        row.setTextStyle(w, state, t);
    }
}

// A change of the row and the way back, or nothing for rows a user does
// not set (name, type, images, styles) or cannot read back.
std::pair<std::function<void()>, std::function<void()>> rowChange(const PropertyDef& row, QWidget* control)
{
    QWidget* w = on(row, control);
    switch (row.type) {
    case PropText:
        if (row.setString && row.getString) {
            const QString old = row.getString(w);
            return {[=] { row.setString(w, old + QStringLiteral(" Wq")); }, [=] { row.setString(w, old); }};
        }
        break;
    case PropBool:
        if (row.setBool && row.getBool) {
            const bool old = row.getBool(w);
            return {[=] { row.setBool(w, !old); }, [=] { row.setBool(w, old); }};
        }
        break;
    case PropInt:
    case PropChoice:
        if (row.setInt && row.getInt) {
            const int old = row.getInt(w);
            int next = qBound(row.min, old + qMax(row.step, 3), row.max);
            for (int i = 0; i < row.choices.size(); ++i)
                if (row.choices[i].value == old)
                    next = row.choices[(i + 1) % row.choices.size()].value;
            if (next == old)
                next = qBound(row.min, old - qMax(row.step, 3), row.max);
            return {[=] { row.setInt(w, next); }, [=] { row.setInt(w, old); }};
        }
        break;
    case PropTwoInts:
        if (row.setTwoInts && row.getTwoInts) {
            const auto old = row.getTwoInts(w);
            return {[=] { row.setTwoInts(w, old.first + 5, old.second + 3); },
                    [=] { row.setTwoInts(w, old.first, old.second); }};
        }
        break;
    case PropFourInts:
        if (row.setFourInts && row.getFourInts) {
            const QVector<int> old = row.getFourInts(w);
            if (old.size() == 4)
                return {[=] { row.setFourInts(w, old[0] + 2, old[1] + 3, old[2] + 4, old[3] + 5); },
                        [=] { row.setFourInts(w, old[0], old[1], old[2], old[3]); }};
        }
        break;
    case PropColor:
        if (row.setColor && row.getColor) {
            const QColor old = row.getColor(w);
            const QColor next = old.isValid() && old.alpha() > 0 ? QColor::fromHsv((old.hsvHue() + 120) % 360, 200, 220)
                                                                 : QColor(0xD0, 0x30, 0x60);
            return {[=] { row.setColor(w, next); }, [=] { row.setColor(w, old); }};
        }
        break;
    default: break;
    }
    return {};
}

QStringList changes(const QString& kind, const QStringList& before, const QStringList& after)
{
    QStringList out;
    for (const QString& line : before)
        if (!after.contains(line))
            out << QStringLiteral("  %1 - %2").arg(kind, line);
    for (const QString& line : after)
        if (!before.contains(line))
            out << QStringLiteral("  %1 + %2").arg(kind, line);
    return out;
}

class Tracer
{
public:
    Tracer(QWidget* control, QWidget* host)
        : m_control(control)
        , m_host(host)
        , m_base(dynamic_cast<ICVNQWidgetBase*>(control))
        , m_info(m_base ? cvnGetControlInfo(m_base->getTypeName()) : nullptr)
    {
        const QMetaObject* meta = control->metaObject();
        for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i)
            // A GL surface's frames come as the compositor runs, not as the control changes.
            if (meta->method(i).methodType() == QMetaMethod::Signal &&
                (i < QOpenGLWidget::staticMetaObject.methodOffset() ||
                 i >= QOpenGLWidget::staticMetaObject.methodCount() || !control->inherits("QOpenGLWidget"))) {
                m_spies.emplace_back(new QSignalSpy(control, QByteArray("2") + meta->method(i).methodSignature()));
                m_signals << QString::fromLatin1(meta->method(i).name());
            }
        m_watch.setInterval(50);
        QObject::connect(&m_watch, &QTimer::timeout, [this] { takePopups(); });
    }

    QWindow* window() const { return m_host->windowHandle(); }
    QPoint at(QPoint p) const { return m_control->mapTo(m_host, p); }
    int w() const { return m_control->width(); }
    int h() const { return m_control->height(); }

    // Runs a step; popups it opens, even in a loop of their own, are noted and closed.
    void step(const QString& label, const std::function<void()>& act)
    {
        m_watch.start();
        act();
        m_watch.stop();
        record(label);
    }

    void rows()
    {
        if (!m_info)
            return;
        int k = 0;
        for (const PropertyDef& row : m_info->properties) {
            if (row.name == QLatin1String("Visibility"))
                continue; // hides the control for the picture; the written keys cover it
            // Style rows: each state's look changed and put back.
            if ((row.setFillStyle && row.getFillStyle) || (row.setTextStyle && row.getTextStyle)) {
                QWidget* w = on(row, m_control);
                for (const PropertyChoice& c : row.choices) {
                    const FillStyle fill = row.getFillStyle ? row.getFillStyle(w, c.value) : FillStyle();
                    const TextStyleDesc text = row.getTextStyle ? row.getTextStyle(w, c.value) : TextStyleDesc();
                    // The control in the state the row's choice names, so that its look shows.
                    const QString state = c.label.toLower();
                    const QPoint mid = at(QPoint(this->w() / 2, h() / 2));
                    if (state.contains(QLatin1String("hot")) || state.contains(QLatin1String("hover")))
                        QTest::mouseMove(window(), mid);
                    else if (state.contains(QLatin1String("press"))) {
                        QTest::mouseMove(window(), mid);
                        QTest::mousePress(window(), Qt::LeftButton, Qt::NoModifier, mid);
                    } else if (state.contains(QLatin1String("disable")))
                        m_control->setEnabled(false);
                    step(QStringLiteral("row %1 %2 changed").arg(row.name, c.label),
                         [&] { setStyleOf(row, w, c.value, ++k); });
                    step(QStringLiteral("row %1 %2 restored").arg(row.name, c.label), [&] {
                        if (row.setFillStyle)
                            row.setFillStyle(w, c.value, fill);
                        if (row.setTextStyle)
                            row.setTextStyle(w, c.value, text);
                        if (state.contains(QLatin1String("press")))
                            QTest::mouseRelease(window(), Qt::LeftButton, Qt::NoModifier, mid);
                        m_control->setEnabled(true);
                        QTest::mouseMove(window(), QPoint(2, 2));
                    });
                }
                continue;
            }
            auto change = rowChange(row, m_control);
            if (!change.first)
                continue;
            step(QStringLiteral("row %1 changed").arg(row.name), change.first);
            step(QStringLiteral("row %1 restored").arg(row.name), change.second);
        }
    }

    // A control built from what this one writes, in its place: how it looks
    // and what it writes in turn.
    void readBack()
    {
        if (!m_base)
            return;
        const Json::Value out = written(m_base);
        std::unique_ptr<QWidget> copy(createControlTree(out, m_host));
        if (!copy) {
            m_text << QStringLiteral("## read back: nothing built");
            return;
        }
        copy->setGeometry(m_control->geometry());
        m_control->hide();
        copy->show();
        const QString name = QStringLiteral("%1 read back").arg(++m_step);
        const QString picture = pictureIndex(stableShot(copy.get()), name);
        m_text << QStringLiteral("## %1: picture %2").arg(name).arg(picture);
        m_text << changes(QStringLiteral("copy"), flattenedJson(out),
                          flattenedJson(written(dynamic_cast<ICVNQWidgetBase*>(copy.get()))));
        copy.reset();
        m_control->show();
        flushEvents();
        // Its own node read again over what it holds: a reader must replace
        // content, not add to it.
        Json::Value again = out;
        m_base->readJsonValue(&again);
        const QString step = QStringLiteral("%1 own node read again").arg(++m_step);
        m_text << QStringLiteral("## %1: picture %2").arg(step, pictureIndex(stableShot(m_control), step));
        m_text << changes(QStringLiteral("again"), flattenedJson(out), flattenedJson(written(m_base)));
    }

    QString text() const { return m_text.join(QLatin1Char('\n')) + QLatin1Char('\n'); }
    const std::vector<QImage>& pictures() const { return m_pictures; }
    const QStringList& pictureSteps() const { return m_pictureSteps; }

private:
    QImage stableShot(QWidget* w)
    {
        if (w->width() <= 0 || w->height() <= 0)
            return QImage();
        // Animations (a sliding thumb, a fade) end first: they move in steps
        // longer than a look at the screen takes.
        waitFor([&] {
            for (QAbstractAnimation* a : w->findChildren<QAbstractAnimation*>())
                if (a->state() == QAbstractAnimation::Running)
                    return false;
            return true;
        });
        QImage last = screenShot(w);
        waitFor(
            [&] {
                const QImage now = screenShot(w);
                const bool same = now == last;
                last = now;
                return same;
            },
            5000);
        return last;
    }

    void takePopups()
    {
        bool closed = false;
        for (int i = 0; i < 5; ++i) {
            QWidget* popup = QApplication::activePopupWidget();
            if (!popup) {
                QWidget* modal = QApplication::activeModalWidget();
                popup = modal && modal != m_host ? modal : nullptr;
            }
            if (!popup)
                break;
            QTest::qWaitForWindowExposed(popup);
            m_popups << QStringLiteral("  popup %1 %2x%3")
                            .arg(QString::fromLatin1(popup->metaObject()->className()))
                            .arg(popup->width())
                            .arg(popup->height());
            m_popupShots.push_back(stableShot(popup));
            if (QDialog* dialog = qobject_cast<QDialog*>(popup))
                dialog->reject();
            else
                popup->close();
            flushEvents();
            closed = true;
        }
        // What the popup covered comes back when the window system's expose
        // arrives, at a time of its own: painted now instead.
        if (closed)
            m_host->repaint();
    }

    // The picture's number in the strip and a hash of its every pixel: the
    // strip's reduced blocks pass noise no run here shows, the hash does not.
    QString pictureIndex(const QImage& shot, const QString& label)
    {
        if (m_pictures.empty() || shot != m_lastShot) {
            m_lastShot = shot;
            m_pictures.push_back(shot.isNull() ? QImage() : reducedPicture(shot));
            m_pictureSteps << label;
            m_pictureHashes << QString::fromLatin1(
                QCryptographicHash::hash(
                    QByteArray::fromRawData(reinterpret_cast<const char*>(shot.constBits()), int(shot.sizeInBytes())),
                    QCryptographicHash::Md5)
                    .toHex()
                    .left(10));
        }
        return QStringLiteral("%1 #%2").arg(m_pictures.size() - 1).arg(m_pictureHashes.last());
    }

    void record(const QString& label)
    {
        takePopups();
        const QString name = QStringLiteral("%1 %2").arg(++m_step).arg(label);
        QStringList lines;
        for (int i = 0; i < m_popups.size(); ++i) {
            lines << m_popups[i] + QStringLiteral(" picture %1").arg(pictureIndex(m_popupShots[i], name + " popup"));
            m_lastShot = QImage(); // the control's own picture follows
        }
        m_popups.clear();
        m_popupShots.clear();
        const QString picture = pictureIndex(stableShot(m_control), name);
        lines.prepend(QStringLiteral("## %1: %2x%3 picture %4").arg(name).arg(w()).arg(h()).arg(picture));
        for (size_t i = 0; i < m_spies.size(); ++i) {
            for (const QList<QVariant>& args : *m_spies[i]) {
                QStringList parts;
                for (const QVariant& a : args)
                    parts << variantText(a);
                lines << QStringLiteral("  signal %1(%2)").arg(m_signals[int(i)], parts.join(QLatin1String(", ")));
            }
            m_spies[i]->clear();
        }
        QStringList json;
        if (m_base)
            flatten(written(m_base), QString(), json);
        for (const QString& line : std::exchange(g_logged, {}))
            lines << QLatin1String("  log ") + line;
        lines << changes(QStringLiteral("json"), m_json, json);
        m_json = json;
        QStringList rowValues;
        if (m_info)
            for (const PropertyDef& row : m_info->properties)
                if (row.hasAccessors())
                    rowValues << row.name + QLatin1String(" = ") + rowValue(row, m_control);
        lines << changes(QStringLiteral("row"), m_rows, rowValues);
        m_rows = rowValues;
        QWidget* focus = QApplication::focusWidget();
        const QString focused =
            focus && m_host->isAncestorOf(focus)
                ? QString::fromLatin1(focus->metaObject()->className()) + QLatin1Char(' ') + focus->objectName()
                : QStringLiteral("outside");
        if (focused != m_focus)
            lines << QLatin1String("  focus ") + focused;
        m_focus = focused;
        m_text << lines;
    }

    QWidget* m_control;
    QWidget* m_host;
    ICVNQWidgetBase* m_base;
    ControlInfo* m_info;
    std::vector<std::unique_ptr<QSignalSpy>> m_spies;
    QStringList m_signals;
    QTimer m_watch;
    QStringList m_popups;
    std::vector<QImage> m_popupShots;
    QStringList m_text, m_json, m_rows, m_pictureSteps, m_pictureHashes;
    QString m_focus;
    std::vector<QImage> m_pictures;
    QImage m_lastShot;
    int m_step = 0;
};

void wheelAt(QWidget* control, QPoint p, int delta, Qt::KeyboardModifiers mods)
{
    QWidget* target = control->childAt(p);
    if (!target)
        target = control;
    const QPointF local = target->mapFrom(control, p);
    QWheelEvent e(local, QPointF(target->mapToGlobal(local.toPoint())), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                  Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &e);
}

void runRound(Tracer& t, QWidget* control, QWidget* host)
{
    QWindow* win = t.window();
    const int w = t.w(), h = t.h();
    const QPoint mid(w / 2, h / 2);
    t.step(QStringLiteral("shown"), [&] {
        // The pointer enters the window beside the control: moves from here on
        // reach it as the window system's do.
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(host->mapToGlobal(QPoint(2, 2))));
        QCoreApplication::sendEvent(win, &enter);
    });
    // The pointer across the middle, edge to edge, each way.
    const std::vector<QPoint> cross = {{3, h / 2},         {10, h / 2},     {w / 4, h / 2},     mid,
                                       {3 * w / 4, h / 2}, {w - 11, h / 2}, {w - 4, h / 2},     {w / 2, 3},
                                       {w / 2, 10},        {w / 2, h / 4},  {w / 2, 3 * h / 4}, {w / 2, h - 11},
                                       {w / 2, h - 4}};
    for (QPoint p : cross)
        t.step(QStringLiteral("over %1,%2").arg(p.x()).arg(p.y()), [&] { QTest::mouseMove(win, t.at(p)); });
    t.step(QStringLiteral("left"), [&] { QTest::mouseMove(win, QPoint(2, 2)); });
    // Presses and clicks over it.
    const std::vector<QPoint> clicks = {{w / 4, h / 2}, mid,   {3 * w / 4, h / 2}, {w - 6, h / 2},
                                        {w / 2, h - 6}, {6, 6}};
    for (QPoint p : clicks) {
        t.step(QStringLiteral("press %1,%2").arg(p.x()).arg(p.y()), [&] {
            QTest::mouseMove(win, t.at(p));
            QTest::mousePress(win, Qt::LeftButton, Qt::NoModifier, t.at(p));
        });
        // A hand that holds a button never holds still: the pressed look must last.
        t.step(QStringLiteral("held, moved a pixel"), [&] { QTest::mouseMove(win, t.at(p + QPoint(1, 1))); });
        t.step(QStringLiteral("release"),
               [&] { QTest::mouseRelease(win, Qt::LeftButton, Qt::NoModifier, t.at(p + QPoint(1, 1))); });
    }
    t.step(QStringLiteral("double click"), [&] { QTest::mouseDClick(win, Qt::LeftButton, Qt::NoModifier, t.at(mid)); });
    t.step(QStringLiteral("right click"), [&] { QTest::mouseClick(win, Qt::RightButton, Qt::NoModifier, t.at(mid)); });
    // Held drags: across, out of it, and down.
    const QPoint from(w / 4, h / 2);
    t.step(QStringLiteral("drag press"), [&] {
        QTest::mouseMove(win, t.at(from));
        QTest::mousePress(win, Qt::LeftButton, Qt::NoModifier, t.at(from));
    });
    for (QPoint p : {mid, QPoint(3 * w / 4, h / 2), QPoint(w + kMargin / 2, h / 2)})
        t.step(QStringLiteral("held over %1,%2").arg(p.x()).arg(p.y()), [&] { QTest::mouseMove(win, t.at(p)); });
    t.step(QStringLiteral("drag release"), [&] {
        QTest::mouseRelease(win, Qt::LeftButton, Qt::NoModifier, t.at({w + kMargin / 2, h / 2}));
    });
    t.step(QStringLiteral("drag down"), [&] {
        QTest::mousePress(win, Qt::LeftButton, Qt::NoModifier, t.at({w / 2, h / 4}));
        QTest::mouseMove(win, t.at({w / 2, 3 * h / 4}));
    });
    t.step(QStringLiteral("drag down release"), [&] {
        QTest::mouseRelease(win, Qt::LeftButton, Qt::NoModifier, t.at({w / 2, 3 * h / 4}));
    });
    // The wheel, then the pointer over what it moved.
    t.step(QStringLiteral("wheel down"), [&] {
        QTest::mouseMove(win, t.at(mid));
        wheelAt(control, mid, -120, Qt::NoModifier);
    });
    t.step(QStringLiteral("wheel down"), [&] { wheelAt(control, mid, -120, Qt::NoModifier); });
    t.step(QStringLiteral("wheel up"), [&] { wheelAt(control, mid, 120, Qt::NoModifier); });
    t.step(QStringLiteral("ctrl wheel up"), [&] { wheelAt(control, mid, 240, Qt::ControlModifier); });
    for (QPoint p : {QPoint(w / 4, h / 3), QPoint(2 * w / 3, 2 * h / 3), QPoint(w - 8, 8)})
        t.step(QStringLiteral("over %1,%2").arg(p.x()).arg(p.y()), [&] { QTest::mouseMove(win, t.at(p)); });
    t.step(QStringLiteral("left"), [&] { QTest::mouseMove(win, QPoint(2, 2)); });
    // Keys, with the focus on it.
    t.step(QStringLiteral("focus"), [&] {
        host->activateWindow();
        QTest::qWaitForWindowActive(host);
        control->setFocus(Qt::TabFocusReason);
    });
    const std::vector<std::pair<int, Qt::KeyboardModifiers>> keys = {
        {Qt::Key_Right, Qt::NoModifier},     {Qt::Key_Right, Qt::NoModifier},    {Qt::Key_Left, Qt::NoModifier},
        {Qt::Key_Down, Qt::NoModifier},      {Qt::Key_Up, Qt::NoModifier},       {Qt::Key_End, Qt::NoModifier},
        {Qt::Key_Home, Qt::NoModifier},      {Qt::Key_PageDown, Qt::NoModifier}, {Qt::Key_PageUp, Qt::NoModifier},
        {Qt::Key_Space, Qt::NoModifier},     {Qt::Key_Return, Qt::NoModifier},   {Qt::Key_W, Qt::NoModifier},
        {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_A, Qt::ControlModifier},   {Qt::Key_Delete, Qt::NoModifier},
        {Qt::Key_F4, Qt::NoModifier},        {Qt::Key_Down, Qt::AltModifier},    {Qt::Key_Escape, Qt::NoModifier}};
    for (const auto& k : keys)
        t.step(QStringLiteral("key %1").arg(QKeySequence(k.first | int(k.second)).toString()), [&] {
            if (k.first == Qt::Key_W)
                QTest::keyClick(win, 'w');
            else
                QTest::keyClick(win, Qt::Key(k.first), k.second);
        });
    // Sizes: narrower, lower, larger, and back.
    for (QSize s : {QSize(w * 2 / 3, h), QSize(w, qMax(8, h * 2 / 3)), QSize(w * 3 / 2, h * 3 / 2), QSize(w, h)})
        t.step(QStringLiteral("resized %1x%2").arg(s.width()).arg(s.height()), [&] {
            host->resize(s + QSize(2 * kMargin, 2 * kMargin));
            control->resize(s);
        });
    // A larger font, and the inherited one again.
    t.step(QStringLiteral("font larger"), [&] {
        QFont larger = control->font();
        // A font set in pixels has no point size.
        if (larger.pixelSize() > 0)
            larger.setPixelSize(larger.pixelSize() * 3 / 2);
        else
            larger.setPointSizeF(larger.pointSizeF() * 1.5);
        control->setFont(larger);
    });
    t.step(QStringLiteral("font inherited"), [&] { control->setFont(QFont()); });
    t.step(QStringLiteral("disabled"), [&] { control->setEnabled(false); });
    t.step(QStringLiteral("disabled, over"), [&] { QTest::mouseMove(win, t.at(mid)); });
    t.step(QStringLiteral("enabled"), [&] { control->setEnabled(true); });
    t.step(QStringLiteral("left"), [&] { QTest::mouseMove(win, QPoint(2, 2)); });
    t.rows();
    t.readBack();
}

// The record as steps, each its header's label and its lines with the
// picture's number and hash taken out: these differ on every later step once
// one look changed.
std::vector<std::pair<QString, QStringList>> steps(const QString& text)
{
    static const QRegularExpression picture(QStringLiteral(" picture \\d+ #[0-9a-f]+"));
    std::vector<std::pair<QString, QStringList>> out;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("## ")))
            out.emplace_back(line.mid(3).section(QLatin1Char(':'), 0, 0), QStringList());
        if (!out.empty())
            out.back().second << QString(line).remove(picture);
    }
    return out;
}

// Which step first looks otherwise, and every step that does or holds
// otherwise (first ones, with their lines), so that a change of look does
// not hide one of behaviour.
QString stepChanges(const QString& actual, const QString& reference)
{
    const auto a = steps(actual), r = steps(reference);
    QStringList out;
    const QStringList al = actual.split(QLatin1Char('\n')), rl = reference.split(QLatin1Char('\n'));
    for (int i = 0; i < qMin(al.size(), rl.size()); ++i)
        if (al[i].startsWith(QLatin1String("## ")) && al[i] != rl[i]) {
            out << QStringLiteral("first picture that differs: step %1")
                       .arg(al[i].mid(3).section(QLatin1Char(':'), 0, 0));
            break;
        }
    int shown = 0, differing = 0;
    for (size_t i = 0; i < qMax(a.size(), r.size()); ++i) {
        const QStringList none;
        const QStringList& av = i < a.size() ? a[i].second : none;
        const QStringList& rv = i < r.size() ? r[i].second : none;
        if (av == rv)
            continue;
        ++differing;
        if (++shown <= 5)
            out << QStringLiteral("step %1:\n%2")
                       .arg(i < a.size() ? a[i].first : r[i].first)
                       .arg(changes(QStringLiteral("line"), rv, av).join(QLatin1Char('\n')));
    }
    out << QStringLiteral("%1 step(s) differ besides their pictures").arg(differing);
    return out.join(QLatin1Char('\n'));
}

void compare(const Tracer& t, const QString& name)
{
    const QString file = referencePath(QLatin1String("trace-") + name);
    int width = 1, height = 0;
    for (const QImage& p : t.pictures())
        width = qMax(width, p.width()), height += p.height() + 1;
    QImage strip(width, qMax(1, height), QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    {
        QPainter painter(&strip);
        int y = 0;
        for (const QImage& p : t.pictures()) {
            painter.drawImage(0, y, p);
            y += p.height() + 1;
        }
    }
    // The text first: when it differs the pictures cannot be paired; the
    // strip is left beside the text, and the steps that differ are named.
    const ReferenceMode mode = referenceMode();
    const QString shot = shotPath(QLatin1String("trace-") + name);
    if (!expectMatchesReferenceText(t.text(), QLatin1String("trace-") + name)) {
        strip.save(shot + QLatin1String(".png"));
        QFile reference(file + QLatin1String(".txt"));
        ADD_FAILURE() << qPrintable(file) << ".txt: "
                      << qPrintable(reference.open(QIODevice::ReadOnly)
                                        ? stepChanges(t.text(), QString::fromUtf8(reference.readAll()))
                                        : QStringLiteral("no record yet: renew it with scripts/renew-references.sh"))
                      << "\nactual pictures: " << qPrintable(shot) << ".png";
        return;
    }
    if (mode == ReferenceMode::Skip)
        return;
    if (mode == ReferenceMode::Renew) {
        EXPECT_TRUE(strip.save(file + QLatin1String(".png"))) << qPrintable(file);
        return;
    }
    const QImage reference(file + QLatin1String(".png"));
    int y = 0;
    for (size_t i = 0; i < t.pictures().size(); ++i) {
        const QImage& p = t.pictures()[i];
        const QStringList faults =
            blockFaults(p, reference.copy(0, y, p.width(), p.height()).convertToFormat(p.format()));
        if (!faults.isEmpty() && !p.isNull()) {
            strip.save(shot + QLatin1String(".png"));
            ADD_FAILURE() << qPrintable(file) << ".png picture " << i << " (step "
                          << qPrintable(t.pictureSteps()[int(i)])
                          << ") differs: " << qPrintable(faults.join(QLatin1String("; ")))
                          << "\nactual: " << qPrintable(shot) << ".png";
            return;
        }
        y += p.height() + 1;
    }
}

} // namespace

QStringList flattenedJson(const Json::Value& v)
{
    QStringList out;
    flatten(v, QString(), out);
    return out;
}

QString lineChanges(const QStringList& before, const QStringList& after)
{
    return changes(QStringLiteral("line"), before, after).join(QLatin1Char('\n'));
}

void expectTraceMatches(QWidget* control, const QString& name, QSize size)
{
    ASSERT_TRUE(control && !control->parentWidget());
    Untimed untimed;
    untimed.control = control;
    qApp->installEventFilter(&untimed);
    g_logged.clear();
    g_beforeTrace = qInstallMessageHandler(traceHandler);
    const int flash = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0); // a caret that does not blink
    // Put back on every way out, a failed assertion's too: a handler left
    // behind would call itself on the next trace's first foreign message.
    const auto restore = qScopeGuard([&] {
        QApplication::setCursorFlashTime(flash);
        qApp->removeEventFilter(&untimed);
        qInstallMessageHandler(g_beforeTrace);
    });
    // The real pointer away from every window: its own enter and leave
    // would reach the control at a time of their own.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        QCursor::setPos(screen->geometry().bottomRight() - QPoint(1, 1));
    {
        QWidget host;
        QPointer<QWidget> alive(control);
        if (size.isEmpty())
            size = control->sizeHint().expandedTo(QSize(40, 20));
        control->setParent(&host);
        control->setGeometry(QRect(QPoint(kMargin, kMargin), size));
        host.resize(size + QSize(2 * kMargin, 2 * kMargin));
        host.move(0, 0);
        control->show();
        ASSERT_TRUE(showExposed(&host));
        // Active from the start: clicks then focus at once, not when the
        // window system gets round to activating the window.
        host.activateWindow();
        QTest::qWaitForWindowActive(&host);
        Tracer tracer(control, &host);
        runRound(tracer, control, &host);
        compare(tracer, name);
        delete alive.data();
    }
}

} // namespace TestUtil
