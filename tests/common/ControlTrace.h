#pragma once

#include <QSize>
#include <QString>

#include <QStringList>

class QWidget;
namespace Json {
class Value;
}

namespace TestUtil {

// Uses a control as a user would and compares what it did with its record,
// tests/references/<folder>/trace-<name>.txt and .png. The control, without
// parent and configured, is shown in a window of its own and taken through a
// fixed round: the pointer over an edge-to-edge cross, presses and clicks,
// held drags, the wheel and hovering after it, keys, resizes, disabling, and
// a change and restore of every property row it has. After each step the
// record notes what the screen shows of it (and of any popup it opened, which
// is then closed), the signals it sent, what it writes and what its rows read.
// Renewed with CORVANE_RENEW_REFERENCES=1, as the reference pictures are;
// not compared where they are not. The control is deleted at the end.
// size: the control's size in the window (default: its size hint).
void expectTraceMatches(QWidget* control, const QString& name, QSize size = QSize());

// Every leaf of a JSON value as "path = value", members in order.
QStringList flattenedJson(const Json::Value& v);
// The lines only one side holds, "  line - ..." then "  line + ...".
QString lineChanges(const QStringList& before, const QStringList& after);

} // namespace TestUtil
