// Registry, create hook, tree builder and page/menu file loading.

#include "CVNQControl.h"
#include "CVNQContainer.h"
#include "CVNQControlFactory.h"
#include "CVNQControlInfo.h"
#include "ICVNQPageHost.h"
#include "CVNQResourceManager.h"
#include "CVNQWidgetBaseImpl.h"
#include "CVNQtLib.h"
#include "TestUtil.h"

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

using namespace CVNQtLib;

namespace factory_test {

// A minimal toolkit control that records what the factory does to it.
class ProbeImpl : public CVNQWidgetBaseImpl
{
public:
    using CVNQWidgetBaseImpl::CVNQWidgetBaseImpl;
    int childWidgetsAtComplete = -1;
    void createComplete() override
    {
        childWidgetsAtComplete = getOwner()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size();
    }
};

class Probe : public QWidget, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(Probe, ProbeImpl)
public:
    explicit Probe(QWidget* parent = nullptr)
        : QWidget(parent)
    {
        m_impl.reset(new ProbeImpl(this, typeName()));
        m_impl->applyTheme();
    }
    ProbeImpl* probe() { return m_impl.get(); }
};

// Answers to the layout container's class name the way moc's code would,
// without this test depending on the layout subsystem.
class NamedLikeContainer : public Probe
{
public:
    using Probe::Probe;
    static QWidget* create() { return new NamedLikeContainer; }
    void* qt_metacast(const char* name) override
    {
        if (name && !strcmp(name, "CVNQtLib::CVNQContainer"))
            return this;
        return Probe::qt_metacast(name);
    }
};

CVNQ_IMPLEMENT_CONTROL(Probe, ProbeImpl, "t_probe")

} // namespace factory_test

using factory_test::NamedLikeContainer;
using factory_test::Probe;

namespace {

// Plain widgets that do not implement the control interface.
int g_plainCreated = 0;
bool g_createdByFileSeen = false;
QWidget* createPlain()
{
    ++g_plainCreated;
    g_createdByFileSeen = CVNQResourceManager::getInstance()->isCreatedByFile();
    auto* w = new QWidget;
    w->setObjectName("plain");
    return w;
}
QWidget* createOther()
{
    auto* w = new QLabel;
    w->setObjectName("other");
    return w;
}

QString g_hookName, g_hookType;
QWidget* hookOnlyOther(const QString& name, const QString& type)
{
    g_hookName = name;
    g_hookType = type;
    if (type == "t_hooked")
        return new QLabel("from hook");
    if (type == "t_hooked_probe")
        return new Probe;
    return nullptr;
}

ControlInfo infoNamed(const char* name)
{
    ControlInfo info;
    info.typeName = name;
    return info;
}

class ControlFactoryTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        cvnRegisterQtControl("t_plain", &createPlain, infoNamed("t_plain"), true);
        cvnRegisterDefaultControl("t_alias", &createPlain);
        cvnRegisterDefaultControl("t_other", &createOther);
        cvnRegisterDefaultControl("t_probe", &Probe::createProbe);
        cvnRegisterDefaultControl("t_container", &NamedLikeContainer::create);
        cvnRegisterDefaultControl("qtcontainer", &CVNQContainer::createCVNQContainer);
    }
    void TearDown() override { cvnBindControlCreateFunction(nullptr); }
};

} // namespace

TEST_F(ControlFactoryTest, RegistryLookupsAndReplacement)
{
    QWidget parent;
    QWidget* w = createControlByTypeName("t_alias", &parent);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget(), &parent);
    EXPECT_EQ(createControlByTypeName("t_unknown", &parent), nullptr);
    EXPECT_EQ(createControlByTypeName(nullptr, &parent), nullptr);

    // Aliases have no property table; registered types do.
    EXPECT_EQ(cvnGetControlInfo("t_alias"), nullptr);
    ControlInfo* info = cvnGetControlInfo("t_plain");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->typeName, "t_plain");

    // A null create function changes neither map.
    cvnRegisterQtControl("t_plain", nullptr, infoNamed("replaced"), false);
    EXPECT_EQ(cvnGetControlInfo("t_plain")->typeName, "t_plain");
    cvnRegisterQtControl(nullptr, &createPlain, infoNamed("x"), false);
    cvnRegisterDefaultControl("t_nullcreate", nullptr);
    EXPECT_EQ(createControlByTypeName("t_nullcreate", nullptr), nullptr);

    // A later registration replaces both entries, in place.
    cvnRegisterQtControl("t_swap", &createPlain, infoNamed("first"), false);
    ControlInfo* before = cvnGetControlInfo("t_swap");
    cvnRegisterQtControl("t_swap", &createOther, infoNamed("second"), false);
    EXPECT_EQ(cvnGetControlInfo("t_swap"), before);
    EXPECT_EQ(before->typeName, "second");
    std::unique_ptr<QWidget> swapped(createControlByTypeName("t_swap", nullptr));
    EXPECT_EQ(swapped->objectName(), "other");
    // So does a later create function through every way of registering one.
    using Register = void (*)(const char*, CVNControlCreateFunc);
    for (Register reg : {Register([](const char*n, CVNControlCreateFunc f) { cvnRegisterDefaultControl(n, f); }),
                         Register([](const char*n, CVNControlCreateFunc f) {
                             cvnRegisterControlTypes({{n, f, nullptr, false}});
                         }),
                         Register([](const char*n, CVNControlCreateFunc f) {
                             cvnRegisterControlTypes({{n, f, [] { return infoNamed("t_twice"); }, false}});
                         })}) {
        reg("t_twice", &createPlain);
        reg("t_twice", &createOther);
        std::unique_ptr<QWidget> twice(createControlByTypeName("t_twice", nullptr));
        EXPECT_EQ(twice->objectName(), "other");
    }

    // Every table, in byte order of the names (upper case first).
    cvnRegisterQtControl("T_upper", &createPlain, infoNamed("T_upper"), false);
    const QVector<ControlInfo*> all = cvnGetAllControlInfo();
    int upper = -1, lower = -1;
    for (int i = 0; i < all.size(); ++i) {
        if (all[i] == cvnGetControlInfo("T_upper"))
            upper = i;
        if (all[i] == cvnGetControlInfo("t_plain"))
            lower = i;
    }
    ASSERT_GE(upper, 0);
    ASSERT_GE(lower, 0);
    EXPECT_LT(upper, lower);
}

TEST_F(ControlFactoryTest, HookComesFirstAndFallsBackToRegistry)
{
    QWidget parent;
    cvnBindControlCreateFunction(&hookOnlyOther);
    Json::Value node = TestUtil::json(R"({"type": "t_hooked", "name": "n1"})");
    QWidget* hooked = createControlTree(node, &parent);
    ASSERT_NE(hooked, nullptr);
    EXPECT_EQ(qobject_cast<QLabel*>(hooked)->text(), "from hook");
    EXPECT_EQ(hooked->parentWidget(), &parent);
    EXPECT_EQ(g_hookName, "n1");
    EXPECT_EQ(g_hookType, "t_hooked");

    // The hook declines: the registry answers.
    QWidget* fallback = createControl("t_plain", Json::Value(), &parent);
    ASSERT_NE(fallback, nullptr);
    EXPECT_EQ(fallback->objectName(), "plain");

    // createControlByTypeName never asks the hook.
    EXPECT_EQ(createControlByTypeName("t_hooked", &parent), nullptr);

    cvnBindControlCreateFunction(nullptr);
    EXPECT_EQ(createControl("t_hooked", Json::Value(), &parent), nullptr);
}

TEST_F(ControlFactoryTest, TreeBuilderSkipsWhatItCannotBuild)
{
    QWidget parent;
    EXPECT_EQ(createControlTree(TestUtil::json(R"({"type": 5})"), &parent), nullptr);
    EXPECT_EQ(createControlTree(TestUtil::json(R"({"name": "x"})"), &parent), nullptr);
    EXPECT_EQ(createControlTree(TestUtil::json(R"([1, 2])"), &parent), nullptr);
    EXPECT_EQ(createControlTree(Json::Value(), &parent), nullptr);
    EXPECT_TRUE(parent.children().isEmpty());

    // A widget that is no control still gets its children; a child that
    // cannot be built is skipped and its siblings are built.
    Json::Value node = TestUtil::json(R"({"type": "t_plain", "child": [
        {"type": "t_other"}, {"type": "nope"}, 7, {"type": "t_plain", "child": {"type": "t_other"}},
        {"type": "t_alias", "child": [{"type": "t_other"}]}]})");
    QWidget* root = createControlTree(node, &parent);
    ASSERT_NE(root, nullptr);
    const QList<QWidget*> kids = root->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(kids.size(), 3);
    EXPECT_EQ(kids[0]->objectName(), "other");
    EXPECT_TRUE(kids[1]->children().isEmpty()); // "child" that is no array builds nothing
    EXPECT_EQ(kids[2]->findChildren<QLabel*>().size(), 1);
}

namespace {

// A host with the page-host setters of the window classes.
class FakeHost : public QWidget
{
public:
    bool drag = false, resizeable = false, onlyCaption = false;
    int minH = -1, minW = -1;
    void setCanDrag(bool v) { drag = v; }
    void setResizeable(bool v) { resizeable = v; }
    void setMinHeight(int v) { minH = v; }
    void setMinWidth(int v) { minW = v; }
    void setOnlyDragCaption(bool v) { onlyCaption = v; }
};

} // namespace

TEST(PageWindowKeysTest, KeysAppliedOnlyWhenPresentAndWellTyped)
{
    FakeHost host;
    host.setGeometry(10, 20, 300, 200);
    PageWindowKeys keys = PageWindowKeys::fromJson(
        TestUtil::json(R"({"w": 640, "trans": false, "drag": true, "minH": "12", "resize": 1})"));
    applyPageWindowKeysTo(&host, keys);
    EXPECT_EQ(host.geometry(), QRect(10, 20, 640, 200));
    EXPECT_FALSE(host.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(host.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_TRUE(host.drag);
    EXPECT_TRUE(host.resizeable); // numbers count as booleans
    EXPECT_EQ(host.minH, -1);     // a string is no number: absent
    EXPECT_EQ(host.minW, -1);

    applyPageWindowKeysTo(&host, PageWindowKeys::fromJson(TestUtil::json(
                                     R"({"h": 90, "trans": true, "minW": 50, "onlyDragCaption": true})")));
    EXPECT_EQ(host.geometry(), QRect(10, 20, 640, 90));
    EXPECT_TRUE(host.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(host.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(host.minW, 50);
    EXPECT_TRUE(host.onlyCaption);
    // Every side is kept to what a widget can measure.
    const PageWindowKeys huge = PageWindowKeys::fromJson(
        TestUtil::json(R"({"w": 99999999, "h": 99999999, "minW": 99999999, "minH": 99999999})"));
    EXPECT_EQ(QVector<int>({huge.w, huge.h, huge.minW, huge.minH}), QVector<int>(4, kCVNMaxWidgetSide));

    // A root that is not an object has no keys.
    PageWindowKeys none = PageWindowKeys::fromJson(TestUtil::json("[1]"));
    EXPECT_FALSE(none.hasW || none.hasH || none.hasTrans || none.hasDrag || none.hasResize || none.hasMinH ||
                 none.hasMinW || none.hasOnlyDragCaption);
}

TEST_F(ControlFactoryTest, PageFilesFromDisk)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString page = R"({"w": 500, "elements": [{"type": "t_plain", "name": "a"}, {"type": "t_other"}]})";
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "page.json", page.toUtf8()));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "page.json.bak", page.toUtf8()));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "empty.json", QByteArray()));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "bad.json", "{\"elements\": [ {\"type\": "));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "nul.json",
                                    QByteArray(R"({"elements": [{"type": "t_plain"}]})") + '\0' + "garbage"));

    QWidget host;
    g_plainCreated = 0;
    g_createdByFileSeen = false;
    // ".json" is appended; the last element is no container, so no result.
    EXPECT_EQ(cvnCreatePageByFileName(&host, dir.filePath("page")), nullptr);
    EXPECT_EQ(g_plainCreated, 1);
    EXPECT_TRUE(g_createdByFileSeen);
    EXPECT_FALSE(CVNQResourceManager::getInstance()->isCreatedByFile());
    EXPECT_EQ(host.findChildren<QWidget*>().size(), 2);
    EXPECT_NE(host.width(), 500); // a plain host takes no window keys

    // A name containing ".json" anywhere is used as given.
    QWidget host2;
    cvnCreatePageByFileName(&host2, dir.filePath("page.json.bak"));
    EXPECT_EQ(host2.findChildren<QWidget*>().size(), 2);

    QWidget host3;
    EXPECT_EQ(cvnCreatePageByFileName(&host3, dir.filePath("missing")), nullptr);
    EXPECT_EQ(cvnCreatePageByFileName(&host3, dir.filePath("empty")), nullptr);
    EXPECT_EQ(cvnCreatePageByFileName(&host3, dir.filePath("bad")), nullptr);
    EXPECT_TRUE(host3.children().isEmpty());
    EXPECT_FALSE(CVNQResourceManager::getInstance()->isCreatedByFile());

    // Text after a NUL byte is ignored.
    cvnCreatePageByFileName(&host3, dir.filePath("nul"));
    EXPECT_EQ(host3.findChildren<QWidget*>().size(), 1);

    // Menu files read the same way; without a menu class nothing is built.
    EXPECT_EQ(cvnCreateMenuByFileName(&host3, dir.filePath("missing")), nullptr);
    EXPECT_EQ(cvnCreateMenuByFileName(&host3, dir.filePath("bad")), nullptr);
}

TEST_F(ControlFactoryTest, ControlsReadTheirNodeAndCompleteAfterChildren)
{
    QWidget parent;
    cvnBindControlCreateFunction(&hookOnlyOther);
    // A hook result that is a control reads the node like a registry result.
    QWidget* hooked = createControlTree(TestUtil::json(R"({"type": "t_hooked_probe", "name": "viaHook"})"), &parent);
    ASSERT_NE(hooked, nullptr);
    EXPECT_EQ(hooked->objectName(), "viaHook");
    cvnBindControlCreateFunction(nullptr);

    // A theme flag left set by someone else does not stop the page's own data.
    CVNQResourceManager::getInstance()->setSwitchToThemeRes(true);
    Json::Value node = TestUtil::json(R"({"type": "t_probe", "name": "outer",
        "child": [{"type": "t_probe", "name": "c1"}, {"type": "t_other"}, {"type": "none"}]})");
    auto* outer = qobject_cast<Probe*>(createControlTree(node, &parent));
    ASSERT_NE(outer, nullptr);
    EXPECT_FALSE(CVNQResourceManager::getInstance()->isLoadFromThemeRes());
    EXPECT_EQ(outer->objectName(), "outer");
    EXPECT_EQ(outer->probe()->childWidgetsAtComplete, 2);
    auto* inner = outer->findChild<Probe*>("c1");
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->probe()->childWidgetsAtComplete, 0);

    // A JSON-null node is not read.
    QWidget* bare = createControl("t_probe", Json::Value(), &parent);
    ASSERT_NE(bare, nullptr);
    EXPECT_TRUE(bare->objectName().isEmpty());
    EXPECT_FALSE(bare->property("visibility").isValid());
}

TEST_F(ControlFactoryTest, PageResultIsTheLastElementOnlyWhenItIsAContainer)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "c.json", R"({"elements": [
        {"type": "t_probe", "name": "first", "x": 3, "y": 4, "w": 50, "h": 60},
        {"type": "qtcontainer", "name": "last"}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "p.json", R"({"elements": [
        {"type": "t_container"}, {"type": "t_probe"}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "u.json", R"({"elements": [
        {"type": "t_container"}, {"type": "unregistered"}]})"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "n.json", R"({"w": 5})"));

    QWidget host;
    CVNQContainer* page = cvnCreatePageByFileName(&host, dir.filePath("c"));
    QWidget* last = host.findChild<QWidget*>("last");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(static_cast<QWidget*>(page), last);
    // Each element is laid out right after it is built.
    QWidget* first = host.findChild<QWidget*>("first");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->geometry(), QRect(3, 4, 50, 60));

    EXPECT_EQ(cvnCreatePageByFileName(&host, dir.filePath("p")), nullptr);
    QWidget host2;
    EXPECT_EQ(cvnCreatePageByFileName(&host2, dir.filePath("u")), nullptr);
    EXPECT_EQ(host2.findChildren<NamedLikeContainer*>().size(), 1);
    EXPECT_EQ(cvnCreatePageByFileName(&host2, dir.filePath("n")), nullptr);
}

#include "ControlFactoryTest.moc"
