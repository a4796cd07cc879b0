#include "TestUtil.h"

#include "CVNQControlInfo.h"
#include "CVNQResourceManager.h"
#include "CVNQtLib.h"
#include "ICVNQWidgetBase.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QMouseEvent>
#include <QOpenGLWidget>
#include <QPointer>
#include <QWidget>
#include <QtTest/qtestsystem.h>
#include <algorithm>
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

QString sourcePath(const QString& relative)
{
    return QStringLiteral(CORVANE_SOURCE_DIR "/") + relative;
}

QString shotPath(const QString& fileName)
{
    const QString dir = QStringLiteral(CORVANE_TEST_OUTPUT_DIR);
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + fileName;
}

void startToolkit()
{
    CVNQtLib::init();
}

Json::Value written(CVNQtLib::ICVNQWidgetBase* control)
{
    Json::Value out(Json::objectValue);
    if (control)
        control->serializeJsonValue(&out, false);
    return out;
}

namespace {

bool sameValue(const Json::Value& a, const Json::Value& b)
{
    // Flags are written as 0 / 1 as often as as false / true.
    const bool aNumber = a.isNumeric() || a.isBool();
    const bool bNumber = b.isNumeric() || b.isBool();
    if (aNumber && bNumber)
        return a.asDouble() == b.asDouble();
    return a == b;
}

void compareKeys(const Json::Value& in, const Json::Value& out, const std::string& path,
                 const std::vector<std::string>& skip, std::vector<std::string>& faults)
{
    if (in.isObject()) {
        if (!out.isObject()) {
            faults.push_back(path + " is no longer an object");
            return;
        }
        for (const std::string& key : in.getMemberNames()) {
            if (std::find(skip.begin(), skip.end(), key) != skip.end())
                continue;
            const std::string where = path + "/" + key;
            if (!out.isMember(key))
                faults.push_back(where + " lost");
            else
                compareKeys(in[key], out[key], where, skip, faults);
        }
    } else if (in.isArray()) {
        if (!out.isArray() || out.size() != in.size()) {
            faults.push_back(path + " has " + std::to_string(out.isArray() ? out.size() : 0) + " entries, read " +
                             std::to_string(in.size()));
            return;
        }
        for (Json::ArrayIndex i = 0; i < in.size(); ++i)
            compareKeys(in[i], out[i], path + "[" + std::to_string(i) + "]", skip, faults);
    } else if (!sameValue(in, out)) {
        faults.push_back(path + " read " + in.toStyledString().substr(0, 60) + " written " +
                         out.toStyledString().substr(0, 60));
    }
}

} // namespace

::testing::AssertionResult keepsEveryKey(const Json::Value& input, const Json::Value& written,
                                         const std::vector<std::string>& skip)
{
    std::vector<std::string> faults;
    compareKeys(input, written, "", skip, faults);
    if (faults.empty())
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult r = ::testing::AssertionFailure();
    for (const std::string& f : faults)
        r << f << "\n";
    return r;
}

void flushEvents()
{
    // A handler may queue more (a relayout that asks for another): a few
    // rounds drain such chains.
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

QImage screenShot(QWidget* w)
{
    flushEvents();
    const QPoint at = w->mapToGlobal(QPoint(0, 0));
    QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    // The root window: what the X server shows there, whatever window
    // it belongs to (popups are windows of their own).
    return screen->grabWindow(0, at.x(), at.y(), w->width(), w->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

class PaintCounter::Filter : public QObject
{
public:
    int painted = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++painted;
        return false;
    }
};

PaintCounter::PaintCounter(QWidget* w)
    : m_filter(new Filter)
{
    w->installEventFilter(m_filter);
}

PaintCounter::~PaintCounter()
{
    delete m_filter; // removes itself from the widget's filters
}

int PaintCounter::count() const
{
    return m_filter->painted;
}

bool PaintCounter::paintedSinceLast()
{
    flushEvents();
    const bool painted = m_filter->painted > m_seen;
    m_seen = m_filter->painted;
    return painted;
}

bool repaintsAfter(QWidget* w, const std::function<void()>& change)
{
    flushEvents(); // what an earlier change asked for is not this one's
    PaintCounter paints(w);
    change();
    return paints.paintedSinceLast();
}

void expectEachRepaints(const std::vector<LookChange>& changes)
{
    for (size_t i = 0; i < changes.size(); ++i)
        EXPECT_TRUE(repaintsAfter(changes[i].widget, changes[i].change)) << "change " << i;
}

bool screenIsCurrent(QWidget* w)
{
    const QImage shown = screenShot(w);
    w->update();
    return shown == screenShot(w);
}

bool showExposed(QWidget* w)
{
    w->show();
    const bool exposed = QTest::qWaitForWindowExposed(w->window());
    flushEvents();
    return exposed;
}

bool waitPainted(QWidget* window)
{
    flushEvents();
    int swapped = 0;
    QList<QMetaObject::Connection> links;
    for (QOpenGLWidget* gl : window->findChildren<QOpenGLWidget*>())
        if (gl->isVisible())
            links << QObject::connect(gl, &QOpenGLWidget::frameSwapped, [&swapped]() { ++swapped; });
    // A repaint of the whole window: its flush composes every OpenGL
    // widget, whatever changed before.
    window->update();
    bool ok = true;
    if (links.isEmpty())
        flushEvents(); // a raster window is flushed while its update request runs
    else
        ok = waitFor([&swapped]() { return swapped > 0; });
    for (const QMetaObject::Connection& link : links)
        QObject::disconnect(link);
    return ok;
}

namespace {

// Notes whether a mouse move at a global position reached the application.
class MoveWatch : public QObject
{
public:
    explicit MoveWatch(const QPoint& global)
        : target(global)
    {}
    bool seen = false;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MouseMove && static_cast<QMouseEvent*>(e)->globalPos() == target)
            seen = true;
        return false;
    }

private:
    QPoint target;
};

} // namespace

bool movePointer(const QPoint& global)
{
    if (QCursor::pos() == global) {
        flushEvents();
        return true;
    }
    MoveWatch watch(global);
    QCoreApplication::instance()->installEventFilter(&watch);
    QCursor::setPos(global);
    const bool seen = waitFor([&watch]() { return watch.seen; });
    QCoreApplication::instance()->removeEventFilter(&watch);
    flushEvents();
    return seen;
}

namespace {

QPointF inWindow(QWidget* w, const QPointF& pos)
{
    return QPointF(w->mapTo(w->window(), QPoint(0, 0))) + pos;
}

QPointF onScreen(QWidget* w, const QPointF& pos)
{
    return QPointF(w->mapToGlobal(QPoint(0, 0))) + pos;
}

} // namespace

QMouseEvent mouseEvent(QWidget* w, QEvent::Type type, const QPointF& pos, Qt::MouseButton button, Qt::MouseButtons held,
                       Qt::KeyboardModifiers mods)
{
    return QMouseEvent(type, pos, inWindow(w, pos), onScreen(w, pos), button, held, mods);
}

bool mouse(QWidget* w, QEvent::Type type, const QPointF& pos, Qt::MouseButton button, Qt::MouseButtons held,
           Qt::KeyboardModifiers mods)
{
    QMouseEvent e = mouseEvent(w, type, pos, button, held, mods);
    QCoreApplication::sendEvent(w, &e);
    return e.isAccepted();
}

bool taken(QWidget* w, QMouseEvent e)
{
    e.setAccepted(false);
    QCoreApplication::sendEvent(w, &e);
    return e.isAccepted();
}

bool press(QWidget* w, const QPointF& pos, Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    return mouse(w, QEvent::MouseButtonPress, pos, button, button, mods);
}

bool release(QWidget* w, const QPointF& pos, Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    return mouse(w, QEvent::MouseButtonRelease, pos, button, Qt::NoButton, mods);
}

bool doubleClick(QWidget* w, const QPointF& pos, Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    return mouse(w, QEvent::MouseButtonDblClick, pos, button, button, mods);
}

bool move(QWidget* w, const QPointF& pos, Qt::MouseButtons held, Qt::KeyboardModifiers mods)
{
    return mouse(w, QEvent::MouseMove, pos, Qt::NoButton, held, mods);
}

void click(QWidget* w, const QPointF& pos, Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    // A slot of the press may delete w.
    QPointer<QWidget> alive(w);
    press(w, pos, button, mods);
    if (alive)
        release(w, pos, button, mods);
}

void click(QWidget* w, Qt::MouseButton button)
{
    click(w, QPointF(w->rect().center()), button);
}

void drag(QWidget* w, const QPointF& from, const QPointF& by, Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    press(w, from, button, mods);
    move(w, from + by, button, mods);
    release(w, from + by, button, mods);
}

void enter(QWidget* w)
{
    enter(w, QPointF(w->mapFromGlobal(QCursor::pos())));
}

void enter(QWidget* w, const QPointF& pos)
{
    QEnterEvent e(pos, inWindow(w, pos), onScreen(w, pos));
    QCoreApplication::sendEvent(w, &e);
}

void leave(QWidget* w)
{
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(w, &e);
}

void wheel(QWidget* w, int delta, Qt::Orientation orientation)
{
    const QPointF pos = w->rect().center();
    const QPoint angle = orientation == Qt::Vertical ? QPoint(0, delta) : QPoint(delta, 0);
    QWheelEvent e(pos, onScreen(w, pos), QPoint(), angle, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &e);
}

void key(QWidget* w, int k, Qt::KeyboardModifiers mods, const QString& text)
{
    QPointer<QWidget> alive(w);
    QKeyEvent press(QEvent::KeyPress, k, mods, text);
    QCoreApplication::sendEvent(w, &press);
    if (!alive)
        return;
    QKeyEvent release(QEvent::KeyRelease, k, mods, text);
    QCoreApplication::sendEvent(w, &release);
}

namespace {

// What a failed look-up yields: a row without accessors.
const CVNQtLib::PropertyDef& missingRow()
{
    static const CVNQtLib::PropertyDef none;
    return none;
}

} // namespace

const CVNQtLib::PropertyDef& propertyRow(const CVNQtLib::ControlInfo* info, const QString& name)
{
    if (!info) {
        ADD_FAILURE() << "no property table to find row " << name.toStdString() << " in";
        return missingRow();
    }
    return propertyRow(*info, name);
}

const CVNQtLib::PropertyDef& propertyRow(const CVNQtLib::ControlInfo& info, const QString& name)
{
    for (const CVNQtLib::PropertyDef& row : info.properties)
        if (row.name == name)
            return row;
    ADD_FAILURE() << info.typeName << " has no property row " << name.toStdString();
    return missingRow();
}

CVNQtLib::FillStyle fillStyle(const QString& name, QColor fill)
{
    CVNQtLib::FillStyle s;
    s.name = name;
    s.fill.clr = fill;
    return s;
}

CVNQtLib::FillStyle colourFill(const QString& name, QColor fill, int round, QColor border)
{
    CVNQtLib::FillStyle s;
    s.name = name;
    s.useColor = true;
    s.fill.clr = fill;
    s.fill.round = round;
    if (border.isValid()) {
        s.fill.border = true;
        s.fill.borderSize = 1;
        s.fill.borderclr = border;
    }
    CVNQtLib::CVNQResourceManager::getInstance()->setFillStyle(name, s);
    return s;
}

CVNQtLib::TextStyleDesc textStyle(const QString& name, QColor colour, int size, int hor, const QString& family)
{
    CVNQtLib::TextStyleDesc t;
    t.name = name;
    t.clr = colour;
    t.size = size;
    t.hor = hor;
    if (!family.isEmpty())
        t.family = family;
    CVNQtLib::CVNQResourceManager::getInstance()->setTextStyle(name, t);
    return t;
}

std::vector<std::pair<const char*, std::function<void(CVNQtLib::FillRes&)>>> fillFieldChanges()
{
    using F = CVNQtLib::FillRes;
    auto other = [](QColor c) { return QColor(255 - c.red(), 255 - c.green(), c.blue() ^ 0x40); };
    return {{"clr", [=](F& f) { f.clr = other(f.clr); }},
            {"clr2", [=](F& f) { f.clr2 = other(f.clr2); }},
            {"borderclr", [=](F& f) { f.borderclr = other(f.borderclr); }},
            {"gradient", [](F& f) { f.gradient = !f.gradient; }},
            {"round", [](F& f) { f.round += 3; }},
            {"borderSize", [](F& f) { f.borderSize += 1; }},
            {"border", [](F& f) { f.border = !f.border; }},
            {"leftBorder", [](F& f) { f.leftBorder = !f.leftBorder; }},
            {"topBorder", [](F& f) { f.topBorder = !f.topBorder; }},
            {"rightBorder", [](F& f) { f.rightBorder = !f.rightBorder; }},
            {"bottomBorder", [](F& f) { f.bottomBorder = !f.bottomBorder; }},
            {"roundTopLeft", [](F& f) { f.roundTopLeft = !f.roundTopLeft; }},
            {"roundTopRight", [](F& f) { f.roundTopRight = !f.roundTopRight; }},
            {"roundBottomRight", [](F& f) { f.roundBottomRight = !f.roundBottomRight; }},
            {"roundBottomLeft", [](F& f) { f.roundBottomLeft = !f.roundBottomLeft; }}};
}

bool hasColor(const QImage& img, QColor c, int tolerance)
{
    const QImage im = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < im.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(im.constScanLine(y));
        for (int x = 0; x < im.width(); ++x)
            if (near(QColor(line[x]), c, tolerance))
                return true;
    }
    return false;
}

bool near(QColor a, QColor b, int tol)
{
    return qAbs(a.red() - b.red()) <= tol && qAbs(a.green() - b.green()) <= tol && qAbs(a.blue() - b.blue()) <= tol;
}

int largestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                                qAbs(qBlue(p) - qBlue(q)), qAbs(qAlpha(p) - qAlpha(q))});
        }
    return largest;
}

QRect colourBox(const QImage& image, QColor c, int tol, int minAlpha)
{
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    QRect box;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(line[x]) >= minAlpha && near(QColor(line[x]), c, tol))
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

namespace {

struct Captured
{
    QByteArray category;
    QString text;
};

std::vector<Captured> g_captured;
QByteArray g_captureCategory; // empty: every category
QtMessageHandler g_beforeCapture = nullptr;

void capture(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const QByteArray category(context.category ? context.category : "default");
    if ((type == QtWarningMsg || type == QtCriticalMsg) &&
        (g_captureCategory.isEmpty() || category == g_captureCategory))
        g_captured.push_back({category, text});
    else if (g_beforeCapture)
        g_beforeCapture(type, context, text);
}

} // namespace

LogCapture::LogCapture(const char* category)
{
    g_captured.clear();
    g_captureCategory = category;
    g_beforeCapture = qInstallMessageHandler(capture);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(g_beforeCapture);
    g_beforeCapture = nullptr;
}

QStringList LogCapture::messages(const char* category) const
{
    QStringList texts;
    for (const Captured& c : g_captured)
        if (!category || c.category == category)
            texts << c.text;
    return texts;
}

QStringList LogCapture::take(const char* category)
{
    const QStringList texts = messages(category);
    g_captured.clear();
    return texts;
}

::testing::AssertionResult cacheFollowsEveryInput(int sets, const std::function<QImage(int)>& draw,
                                                  const std::function<void()>& clear)
{
    for (int i = 1; i < sets; ++i)
        for (const auto& [before, after] : {std::pair<int, int>{0, i}, std::pair<int, int>{i, 0}}) {
            clear();
            draw(before);
            const QImage kept = draw(after);
            clear();
            if (kept != draw(after))
                return ::testing::AssertionFailure()
                       << "set " << after << " drawn after set " << before << " differs from its fresh picture";
        }
    return ::testing::AssertionSuccess();
}

} // namespace TestUtil
