// Every registered control class read from an empty node, as a page file that
// names only its type builds it, used as a user would, against its record:
// the defaults its reader gives and how they behave.

#include "CVNQChartRegistration.h"
#include "CVNQControlFactory.h"
#include "CVNQStartup.h"
#include "ControlTrace.h"
#include "TestUtil.h"

#include <QWidget>
#include <json/json.h>
#include <set>
#include <gtest/gtest.h>

using namespace CVNQtLib;

TEST(ControlTrace, EveryClassFromAnEmptyNode)
{
    TestUtil::startToolkit();
    cvnRegisterChartControls();
    std::set<std::string> classes;
    for (const std::string& type : registeredControlTypeNames()) {
        QWidget* w = createControl(type.c_str(), Json::Value(Json::objectValue), nullptr);
        // Each class once, the toolkit's only (other cases of this binary register their own).
        const std::string cls = w ? w->metaObject()->className() : "";
        if (!w || cls.rfind("CVNQ", 0) != 0 || !classes.insert(cls).second) {
            delete w;
            continue;
        }
        const QSize size = w->sizeHint().expandedTo(QSize(120, 40)).boundedTo(QSize(320, 240));
        TestUtil::expectTraceMatches(w, QLatin1String("default-") + QString::fromStdString(cls).section(':', -1), size);
    }
}
