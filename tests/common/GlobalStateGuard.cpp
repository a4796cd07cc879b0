// Puts the toolkit's global state back after every case, so a case run after
// others in one process finds what it finds in a process of its own: the
// theme, project and default packages, the languages, the resource manager's
// flags, scale and configuration, the application font and the working
// folder. Starting the toolkit (registry, application style) is one-way by
// design and stays.

#include "GlobalStateGuard.h"

#include "CVNQResourceManager.h"
#include "CVNQResourceManagerImpl.h"
#include "CVNQStartup.h"
#include "LanguageManager.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFont>
#include <functional>
#include <memory>

using namespace CVNQtLib;

namespace {

// The managers' private members, reached the one way C++ allows without
// changing the toolkit: an explicit instantiation may name them.
template <class Tag, auto Member>
struct Expose
{
    friend decltype(Member) member(Tag) { return Member; }
};
// clang-format off
#define CVN_EXPOSE(Class, Name, Type) \
    struct Name { friend Type Class::*member(Name); }; template struct Expose<Name, &Class::Name>;
// clang-format on

using Owned = std::unique_ptr<CVNQResourceManagerImpl>;
using RM = CVNQResourceManager;
CVN_EXPOSE(RM, m_default, Owned)
CVN_EXPOSE(RM, m_project, Owned)
CVN_EXPOSE(RM, m_theme, Owned)
CVN_EXPOSE(RM, m_loadedThemeDir, QString)
CVN_EXPOSE(RM, m_createdByFile, bool)
CVN_EXPOSE(RM, m_loadFromTheme, bool)
CVN_EXPOSE(RM, m_projectRes, bool)
CVN_EXPOSE(RM, m_designer, bool)
CVN_EXPOSE(RM, m_scaleFactor, float)
CVN_EXPOSE(RM, m_config, CVNGlobalConfig)
CVN_EXPOSE(RM, m_currentSkinLanguage, QString)
using SkinTable = QMap<QString, QMap<QString, QString>>;
CVN_EXPOSE(RM, m_skinLanguages, SkinTable)
using LanguageTable = QHash<QString, QHash<QString, QString>>;
CVN_EXPOSE(LanguageManager, m_languages, LanguageTable)
CVN_EXPOSE(LanguageManager, m_defaultLanguage, QString)
CVN_EXPOSE(LanguageManager, m_currentLanguage, QString)
CVN_EXPOSE(LanguageManager, m_warnedKeys, QSet<QString>)

using PutBack = std::function<void()>;

// What tells that a package was filled, emptied or replaced.
QString stateOf(const CVNQResourceManagerImpl* p)
{
    if (!p)
        return QString();
    QString state;
    auto* q = const_cast<CVNQResourceManagerImpl*>(p);
    QDebug(&state) << p->dirPath() << p->filePath() << p->files().size() << p->styleBlobs().size()
                   << q->fillStyles().size() << q->textStyles().size() << quintptr(p);
    return state;
}

// Puts back the packages found now, if they changed.
PutBack packages(RM* rm)
{
    const CVNQResourceManagerImpl* theme = rm->getThemeManagerIml();
    const CVNQResourceManagerImpl* project = rm->getProjectManagerImpl();
    return [rm, started = initialisedFlag(), themeWas = stateOf(theme), projectWas = stateOf(project),
            defaultsWas = stateOf(rm->getDefaultManagerImpl()), themeDir = theme ? theme->dirPath() : QString(),
            themeFile = theme ? theme->filePath() : QString(), projectFile = project ? project->filePath() : QString(),
            skinDir = rm->getSkinDirPath(), skinFile = rm->getFileSkinPath()] {
        const bool newTheme = stateOf(rm->getThemeManagerIml()) != themeWas;
        const bool newProject = stateOf(rm->getProjectManagerImpl()) != projectWas;
        const bool newDefaults = started && stateOf(rm->getDefaultManagerImpl()) != defaultsWas;
        if (newTheme) {
            (rm->*member(m_theme{})).reset();
            (rm->*member(m_loadedThemeDir{})).clear();
            if (!themeDir.isEmpty())
                rm->loadThemeDir(themeDir);
            else if (!themeFile.isEmpty())
                rm->loadThemeFile(themeFile);
        }
        // Also forgets the SVGs rendered from the packages dropped here.
        if (newTheme || newProject || newDefaults) {
            rm->setProjectDirPath(projectFile);
            if (projectWas.isEmpty())
                (rm->*member(m_project{})).reset();
        }
        if (newDefaults) {
            (rm->*member(m_default{})).reset(new CVNQResourceManagerImpl);
            rm->initDefaultStyleRes();
            rm->initDefaultImageRes();
            if (!skinDir.isEmpty())
                rm->setSkinDirPath(skinDir);
            if (!skinFile.isEmpty())
                rm->loadSkinFile(skinFile);
        }
    };
}

template <class O, class... T>
void keep(std::vector<PutBack>& out, O* o, T O::*... members)
{
    (out.push_back([o, members, was = o->*members] { o->*members = was; }), ...);
}

// The ways to put back what is found now: the packages first, as loading one resets some values.
std::vector<PutBack> now()
{
    RM* rm = RM::getInstance();
    LanguageManager* lm = LanguageManager::instance();
    std::vector<PutBack> out = {packages(rm)};
    keep(out, rm, member(m_createdByFile{}), member(m_loadFromTheme{}), member(m_projectRes{}), member(m_designer{}),
         member(m_scaleFactor{}), member(m_config{}), member(m_currentSkinLanguage{}), member(m_skinLanguages{}));
    keep(out, lm, member(m_languages{}), member(m_defaultLanguage{}), member(m_currentLanguage{}),
         member(m_warnedKeys{}));
    out.push_back([font = QApplication::font()] {
        if (QApplication::font() != font)
            QApplication::setFont(font);
    });
    out.push_back([cwd = QDir::currentPath()] {
        if (QDir::currentPath() != cwd)
            QDir::setCurrent(cwd);
    });
    return out;
}

class GlobalStateGuard : public ::testing::EmptyTestEventListener
{
    // What a suite found (before its set-up), then what its case found.
    QVector<std::vector<PutBack>> m_found;

    void putBack()
    {
        for (const PutBack& f : m_found.takeLast())
            f();
    }
    void OnTestSuiteStart(const ::testing::TestSuite&) override { m_found.append(now()); }
    void OnTestStart(const ::testing::TestInfo&) override { m_found.append(now()); }
    void OnTestEnd(const ::testing::TestInfo&) override { putBack(); }
    void OnTestSuiteEnd(const ::testing::TestSuite&) override { putBack(); }
};

} // namespace

::testing::TestEventListener* newGlobalStateGuard()
{
    return new GlobalStateGuard;
}
