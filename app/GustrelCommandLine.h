#pragma once

// The dashboard's command line, read into a plain record so that start-up
// and the tests share one parser.

#include "CVNQTypes.h"
#include "WindFarmChoices.h"

#include <QSize>
#include <QString>
#include <QStringList>

struct GustrelOptions
{
    QString screenshotPath; // empty: no screenshot
    QSize size{1440, 900};  // before expanding to the window's minimum
    int page = PageOverview;
    bool drawer = false; // open WTG-007's detail drawer after start
    bool chinese = false;
};

// Reads the arguments after the program name. Options are compared exactly;
// unknown arguments are ignored; a later option overrides an earlier one; an
// option that needs a value consumes the next argument whatever it is and is
// ignored when it is the last argument.
GustrelOptions parseGustrelOptions(const QStringList& arguments);

// "--size" value: lower-cased and split at every 'x'; only exactly two parts
// change the size (a part that is not a number counts as 0, a number beyond
// the range of an int as that end of the range). Any other shape answers
// previous.
QSize parseSizeOption(const QString& value, const QSize& previous);

// Largest window side the program asks for: a typo such as 19200x1080 must
// not make the window system allocate a backing store of gigabytes. The
// same bound the toolkit puts on sizes read from page files.
constexpr int kGustrelMaxWindowSide = CVNQtLib::kCVNMaxWidgetSide;

// The requested size grown to the window's minimum in each dimension (and
// kept within kGustrelMaxWindowSide).
QSize expandedWindowSize(const QSize& requested, const QSize& minimum);
