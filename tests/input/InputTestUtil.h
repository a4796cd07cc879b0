#pragma once

// Helpers shared by the input control tests: named styles registered in
// the default package, pixel probes and synthetic input events.

#include "CVNQResourceManager.h"
#include "CVNQStyleDefs.h"
#include "CVNQtLib.h"
#include "ICVNQWidgetBase.h"

#include "TestUtil.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <type_traits>
#include <json/json.h>
#include <utility>

namespace InputTest {

// The application style (slider thumb geometry) and the registry.
inline void initToolkit()
{
    TestUtil::startToolkit();
}

inline CVNQtLib::FillStyle fill(const char* name, QColor c)
{
    return TestUtil::fillStyle(QString::fromUtf8(name), c);
}

// Registers a colour fill style under name in the default package.
inline CVNQtLib::FillStyle addFill(const char* name, QColor c)
{
    return TestUtil::colourFill(QString::fromUtf8(name), c);
}

inline CVNQtLib::TextStyleDesc text(const char* name, QColor c, int size = 12)
{
    CVNQtLib::TextStyleDesc t;
    t.name = QString::fromUtf8(name);
    t.clr = c;
    t.size = size;
    return t;
}

inline CVNQtLib::TextStyleDesc addText(const char* name, QColor c, int size = 12)
{
    return TestUtil::textStyle(QString::fromUtf8(name), c, size);
}

// The look both text fields are tested with: a blue background, green
// while focused, black text and a long red placeholder.
template <class Field>
void styleField(Field* field, const CVNQtLib::TextStyleDesc& placeholder)
{
    for (int s = 0; s < 4; ++s) {
        field->setBackground(s, fill("field.bg", Qt::blue));
        field->setTextStyle(s, text("field.text", Qt::black));
    }
    field->setBackground(2, fill("field.focus", Qt::green));
    field->setPlaceholderText(QString(60, QLatin1Char('X')));
    if constexpr (std::is_invocable_v<decltype(&Field::setPlaceholderTextStyle), Field*, int,
                                      const CVNQtLib::TextStyleDesc&>)
        field->setPlaceholderTextStyle(0, placeholder);
    else
        field->setPlaceholderTextStyle(placeholder);
}

inline bool near(QColor a, QColor b, int tol = 10)
{
    return TestUtil::near(a, b, tol);
}

// Bounding box of the nearly opaque pixels close to c.
inline QRect colourBox(const QImage& image, QColor c, int tol = 10)
{
    return TestUtil::colourBox(image, c, tol, 201);
}

using TestUtil::key;

// The control's node as its JSON routine writes it.
inline Json::Value written(QWidget* control)
{
    return TestUtil::written(dynamic_cast<CVNQtLib::ICVNQWidgetBase*>(control));
}

inline bool read(QWidget* control, Json::Value node)
{
    auto* c = dynamic_cast<CVNQtLib::ICVNQWidgetBase*>(control);
    return c && c->readJsonValue(&node);
}

// A theme folder written from (relative path, content) pairs and loaded
// into the theme package; the destructor loads an empty theme again, so
// later tests start unthemed even when this one stopped early.
class ScopedTheme
{
public:
    ScopedTheme(std::initializer_list<std::pair<const char*, const char*>> files)
    {
        for (const auto& f : files)
            ok = TestUtil::writeFile(m_dir.path(), f.first, f.second) && ok;
        ok = ok && CVNQtLib::CVNQResourceManager::getInstance()->loadThemeDir(m_dir.path());
    }
    ~ScopedTheme()
    {
        QTemporaryDir blank;
        TestUtil::writeFile(blank.path(), "style.json", R"({"style":[]})");
        TestUtil::writeFile(blank.path(), "theme.json", R"({"elements":[]})");
        CVNQtLib::CVNQResourceManager::getInstance()->loadThemeDir(blank.path());
    }
    ScopedTheme(const ScopedTheme&) = delete;
    ScopedTheme& operator=(const ScopedTheme&) = delete;

    bool ok = true;

private:
    QTemporaryDir m_dir;
};

// The input page's light theme loaded: fields, combo boxes and their
// popups, sliders, text edits and their scroll bars.
std::unique_ptr<ScopedTheme> pageTheme();

} // namespace InputTest
