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
#include <QDir>
#include <QFont>
#include <memory>

using namespace CVNQtLib;

namespace {

// The manager's private members, reached the one way C++ allows without
// changing the toolkit: an explicit instantiation may name them.
template <class Tag, typename Tag::type Member>
struct Expose
{
    friend typename Tag::type member(Tag) { return Member; }
};
#define CVN_EXPOSE(Class, Name, Type)                                                                                  \
    struct Name##Tag                                                                                                   \
    {                                                                                                                  \
        using type = Type Class::*;                                                                                    \
        friend type member(Name##Tag);                                                                                 \
    };                                                                                                                 \
    template struct Expose<Name##Tag, &Class::Name>;

using Package = std::unique_ptr<CVNQResourceManagerImpl>;
CVN_EXPOSE(CVNQResourceManager, m_default, Package)
CVN_EXPOSE(CVNQResourceManager, m_project, Package)
CVN_EXPOSE(CVNQResourceManager, m_theme, Package)
CVN_EXPOSE(CVNQResourceManager, m_loadedThemeDir, QString)
CVN_EXPOSE(CVNQResourceManager, m_scaleFactor, float)
CVN_EXPOSE(CVNQResourceManager, m_config, CVNGlobalConfig)
CVN_EXPOSE(CVNQResourceManager, m_currentSkinLanguage, QString)
using SkinTable = QMap<QString, QMap<QString, QString>>;
CVN_EXPOSE(CVNQResourceManager, m_skinLanguages, SkinTable)
using LanguageTable = QHash<QString, QHash<QString, QString>>;
CVN_EXPOSE(LanguageManager, m_languages, LanguageTable)
CVN_EXPOSE(LanguageManager, m_defaultLanguage, QString)
CVN_EXPOSE(LanguageManager, m_currentLanguage, QString)
CVN_EXPOSE(LanguageManager, m_warnedKeys, QSet<QString>)

// What tells that a package was filled, emptied or replaced.
QString packageState(const CVNQResourceManagerImpl* p)
{
    if (!p)
        return QString();
    return QString("%1|%2|%3|%4|%5|%6|%7")
        .arg(p->dirPath(), p->filePath())
        .arg(p->files().size())
        .arg(p->styleBlobs().size())
        .arg(const_cast<CVNQResourceManagerImpl*>(p)->fillStyles().size())
        .arg(const_cast<CVNQResourceManagerImpl*>(p)->textStyles().size())
        .arg(quintptr(p));
}

class GlobalStateGuard : public ::testing::EmptyTestEventListener
{
    struct State
    {
        bool started = false;
        QString theme, project, defaults;
        QString themeDir, themeFile, projectDir, skinDir, skinFile;
        bool createdByFile = false, loadFromTheme = false, projectRes = false, designer = false;
        float scale = 0;
        CVNGlobalConfig config;
        QString skinLanguage;
        SkinTable skinLanguages;
        LanguageTable languages;
        QString defaultLanguage, currentLanguage;
        QSet<QString> warnedKeys;
        QFont font;
        QString cwd;
    };
    // What a suite found (before its set-up), then what its case found.
    QVector<State> m_found;

    static State now()
    {
        CVNQResourceManager* rm = CVNQResourceManager::getInstance();
        LanguageManager* lm = LanguageManager::instance();
        State s;
        s.started = initialisedFlag();
        const CVNQResourceManagerImpl* theme = rm->getThemeManagerIml();
        const CVNQResourceManagerImpl* project = rm->getProjectManagerImpl();
        s.theme = packageState(theme), s.project = packageState(project);
        s.defaults = packageState(rm->getDefaultManagerImpl());
        s.themeDir = theme ? theme->dirPath() : QString(), s.themeFile = theme ? theme->filePath() : QString();
        s.projectDir = project ? project->filePath() : QString();
        s.skinDir = rm->getSkinDirPath(), s.skinFile = rm->getFileSkinPath();
        s.createdByFile = rm->isCreatedByFile(), s.loadFromTheme = rm->isLoadFromThemeRes();
        s.projectRes = rm->isProjectRes(), s.designer = rm->isDesigner();
        s.scale = rm->*member(m_scaleFactorTag());
        s.config = rm->*member(m_configTag());
        s.skinLanguage = rm->*member(m_currentSkinLanguageTag());
        s.skinLanguages = rm->*member(m_skinLanguagesTag());
        s.languages = lm->*member(m_languagesTag());
        s.defaultLanguage = lm->*member(m_defaultLanguageTag());
        s.currentLanguage = lm->*member(m_currentLanguageTag());
        s.warnedKeys = lm->*member(m_warnedKeysTag());
        s.font = QApplication::font();
        s.cwd = QDir::currentPath();
        return s;
    }

    static void restore(const State& before)
    {
        CVNQResourceManager* rm = CVNQResourceManager::getInstance();
        const State after = now();
        if (after.theme != before.theme) {
            (rm->*member(m_themeTag())).reset();
            (rm->*member(m_loadedThemeDirTag())).clear();
            if (!before.themeDir.isEmpty())
                rm->loadThemeDir(before.themeDir);
            else if (!before.themeFile.isEmpty())
                rm->loadThemeFile(before.themeFile);
        }
        // Also forgets the SVGs rendered from the packages dropped here.
        if (after.project != before.project || after.theme != before.theme ||
            (before.started && after.defaults != before.defaults)) {
            rm->setProjectDirPath(before.projectDir);
            if (before.project.isEmpty())
                (rm->*member(m_projectTag())).reset();
        }
        if (before.started && after.defaults != before.defaults) {
            (rm->*member(m_defaultTag())).reset(new CVNQResourceManagerImpl);
            rm->initDefaultStyleRes();
            rm->initDefaultImageRes();
            if (!before.skinDir.isEmpty())
                rm->setSkinDirPath(before.skinDir);
            if (!before.skinFile.isEmpty())
                rm->loadSkinFile(before.skinFile);
        }
        rm->setCreatedByFile(before.createdByFile), rm->setSwitchToThemeRes(before.loadFromTheme);
        rm->setSwitchToProjectRes(before.projectRes), rm->setIsDesigner(before.designer);
        rm->*member(m_scaleFactorTag()) = before.scale;
        rm->*member(m_configTag()) = before.config;
        rm->*member(m_currentSkinLanguageTag()) = before.skinLanguage;
        rm->*member(m_skinLanguagesTag()) = before.skinLanguages;
        LanguageManager* lm = LanguageManager::instance();
        lm->*member(m_languagesTag()) = before.languages;
        lm->*member(m_defaultLanguageTag()) = before.defaultLanguage;
        lm->*member(m_currentLanguageTag()) = before.currentLanguage;
        lm->*member(m_warnedKeysTag()) = before.warnedKeys;
        if (QApplication::font() != before.font)
            QApplication::setFont(before.font);
        if (after.cwd != before.cwd)
            QDir::setCurrent(before.cwd);
    }

    void OnTestSuiteStart(const ::testing::TestSuite&) override { m_found.append(now()); }
    void OnTestStart(const ::testing::TestInfo&) override { m_found.append(now()); }
    void OnTestEnd(const ::testing::TestInfo&) override { restore(m_found.takeLast()); }
    void OnTestSuiteEnd(const ::testing::TestSuite&) override { restore(m_found.takeLast()); }
};

} // namespace

::testing::TestEventListener* newGlobalStateGuard()
{
    return new GlobalStateGuard;
}
