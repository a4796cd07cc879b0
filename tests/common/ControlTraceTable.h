#pragma once

// A folder's control traces as one table: each row makes a control from its
// node, sets what the node cannot say, and compares its trace.

#include "CVNQControlFactory.h"
#include "ControlTrace.h"
#include "TestUtil.h"

#include <QSize>
#include <QWidget>
#include <functional>
#include <vector>
#include <gtest/gtest.h>

namespace TestUtil {

struct TracedControl
{
    const char* name; // of the record: trace-<name>
    const char* type;
    const char* json;
    QSize size;
    std::function<void(QWidget*)> setup = nullptr;
};

template <class Control>
std::function<void(QWidget*)> setUp(std::function<void(Control*)> f)
{
    return [f](QWidget* w) { f(static_cast<Control*>(w)); };
}

inline void expectTracesMatch(const std::vector<TracedControl>& controls)
{
    for (const TracedControl& c : controls) {
        QWidget* w = CVNQtLib::createControl(c.type, json(c.json), nullptr);
        ASSERT_TRUE(w) << c.name;
        if (c.setup)
            c.setup(w);
        expectTraceMatches(w, QString::fromLatin1(c.name), c.size);
    }
}

} // namespace TestUtil
