// The common control part, the implementation base and the control
// boilerplate, exercised through a small control defined only for the test.

#include "CVNJson.h"
#include "CVNQControl.h"
#include "CVNQControlInfo.h"
#include "CVNQResourceManager.h"
#include "CVNQStateStyles.h"
#include "CVNQtLib.h"
#include "CVNQWidgetBaseImpl.h"
#include "TestUtil.h"

#include <QEvent>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace CVNQtLib;

// Named rather than anonymous: the control macros define members no case
// calls, which an anonymous namespace would report as unused.
namespace WidgetBaseTest {

class TestCtlImpl;

// A minimal control: one per-state background and one content key
// ("attr"."label") that theme entries must not change.
class TestCtl : public QWidget, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(TestCtl, TestCtlImpl)
    CVNQ_FORWARD_MOUSE_EVENTS()
    CVNQ_FORWARD_PAINT_EVENT()
public:
    explicit TestCtl(QWidget* parent = nullptr);
    TestCtlImpl* impl() const { return m_impl.get(); }
};

class TestCtlImpl : public CVNQWidgetBaseImpl
{
public:
    using CVNQWidgetBaseImpl::CVNQWidgetBaseImpl;

    bool serializeJsonValue(Json::Value** node, bool read) override
    {
        if (!CVNQWidgetBaseImpl::serializeJsonValue(node, read))
            return false;
        Json::Value& n = **node;
        if (read) {
            background.readFromNode(n, 0);
            const Json::Value& attr = jsonGet(n, "attr");
            if (!CVNQResourceManager::getInstance()->isLoadFromThemeRes())
                jsonRead(attr, "label", label);
            sawThemeFlag = CVNQResourceManager::getInstance()->isLoadFromThemeRes();
            return true;
        }
        Json::Value list(Json::arrayValue);
        background.writeCompact(list, 0);
        cvnSetStyleList(n, list);
        if (!label.isEmpty())
            jsonMember(jsonMember(n, "attr"), "label") = jsonUtf8(label);
        return true;
    }
    void draw(QPainter*, const QRect&) override { ++draws; }

    CVNQFillStyles background;
    QString label;
    bool sawThemeFlag = false;
    int draws = 0;
};

CVNQ_IMPLEMENT_CONTROL(TestCtl, TestCtlImpl, "qttestctl")
CVNQ_IMPLEMENT_MOUSE_EVENTS(TestCtl, QWidget)
CVNQ_IMPLEMENT_PAINT_EVENT(TestCtl)

TestCtl::TestCtl(QWidget* parent)
    : QWidget(parent)
{
    m_impl.reset(new TestCtlImpl(this, typeName()));
    m_impl->applyTheme();
}

Json::Value written(ICVNQWidgetBase* c)
{
    Json::Value out(Json::objectValue);
    c->serializeJsonValue(&out, false);
    return out;
}

FillStyle colourStyle(const char* name, QColor c)
{
    FillStyle s;
    s.name = name;
    s.fill.clr = c;
    return s;
}

} // namespace WidgetBaseTest

using namespace WidgetBaseTest;

TEST(WidgetBase, FreshControlDefaultsAndSetters)
{
    TestCtl c;
    EXPECT_EQ(c.getOpacity(), 255);
    EXPECT_EQ(c.getLayoutType(), 1);
    void* data = nullptr;
    c.getLayoutData(data);
    ASSERT_NE(data, nullptr);
    const int* rec = static_cast<int*>(data);
    EXPECT_EQ(rec[0] | rec[1] | rec[2] | rec[3], 0);
    EXPECT_EQ(c.getWidthPolicy(), -1);
    EXPECT_EQ(c.getHeightPolicy(), -1);
    EXPECT_FALSE(c.getAbsoluteLayout());
    EXPECT_EQ(c.getLayoutRatio(), 1);
    EXPECT_EQ(c.getTypeName(), "qttestctl");
    EXPECT_EQ(c.getInnerTypeName(), "qttestctl");
    EXPECT_EQ(c.getThemeName(), "qttestctl");
    EXPECT_EQ(cvnGetWidgetImpl(&c), c.getControlImpl());
    EXPECT_EQ(c.getControlBase()->getOwner(), &c);

    c.setLayoutRatio(0);
    EXPECT_EQ(c.getLayoutType(), 0);
    EXPECT_EQ(c.getLayoutRatio(), 1);
    c.setLayoutRatio(3);
    EXPECT_EQ(c.getLayoutRatio(), 3);
    c.setGeometry(QRect(1, 2, 30, 40));
    EXPECT_EQ(c.getLayoutRatio(), 1);
    EXPECT_EQ(c.geometry(), QRect(1, 2, 30, 40));
    // The record written back is the one set, each field in its place.
    c.getLayoutData(data);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(QRect(rec[0], rec[1], rec[2], rec[3]), QRect(1, 2, 30, 40));

    c.setAbsoluteDock(-1, 3, 5, 6);
    int h = 9, v = 9, ox = 0, oy = 0;
    c.getAbsoluteDock(h, v, ox, oy);
    EXPECT_TRUE(c.getAbsoluteLayout());
    EXPECT_EQ(h, 0);
    EXPECT_EQ(v, 2);
    EXPECT_EQ(ox, 5);
    EXPECT_EQ(oy, 6);

    QWidget* clone = nullptr;
    EXPECT_NO_THROW(clone = c.getControlBase()->cloneWidget());
    delete clone; // null while the type is not registered
}

TEST(WidgetBase, MinimalNodeWritesTypeNameAndSize)
{
    QWidget parent; // reading shows the control; keep it off the screen
    TestCtl c(&parent);
    Json::Value node = TestUtil::json(R"({"type":"qttestctl","name":"btn"})");
    ASSERT_TRUE(c.readJsonValue(&node));
    EXPECT_EQ(c.objectName(), "btn");
    Json::Value out = written(&c);
    EXPECT_EQ(out["type"].asString(), "qttestctl");
    EXPECT_EQ(out["name"].asString(), "btn");
    EXPECT_EQ(out["w"].asInt(), 0);
    EXPECT_EQ(out["h"].asInt(), 0);
    for (const char* k : {"x", "y", "layout", "visibility", "enable", "absoluteLayout", "widthPolicy", "minWidth",
                          "maxWidth", "tooltip"})
        EXPECT_FALSE(out.isMember(k)) << k;

    // In the designer the geometry comes from the widget itself.
    c.QWidget::setGeometry(4, 5, 60, 70);
    cvnSetIsInDesigner(true);
    out = written(&c);
    cvnSetIsInDesigner(false);
    EXPECT_EQ(out["x"].asInt(), 4);
    EXPECT_EQ(out["y"].asInt(), 5);
    EXPECT_EQ(out["w"].asInt(), 60);
    EXPECT_EQ(out["h"].asInt(), 70);

    c.setLayoutRatio(2);
    out = written(&c);
    EXPECT_EQ(out["layout"]["type"].asInt(), 0);
    EXPECT_EQ(out["layout"]["ratio"].asInt(), 2);
    EXPECT_FALSE(out.isMember("w"));
    EXPECT_FALSE(out.isMember("x"));
}

TEST(WidgetBase, CommonKeysReadAndWriteBack)
{
    QWidget parent;
    TestCtl c(&parent);
    Json::Value node = TestUtil::json(R"({"name":"n","tooltip":"tip","enable":false,"x":3,"y":4,"w":50,"h":20,
        "absoluteDockHor":5,"widthPolicy":7,"heightPolicy":1,"minWidth":-3,"minHeight":6,"maxWidth":0})");
    ASSERT_TRUE(c.readJsonValue(&node));
    EXPECT_EQ(c.toolTip(), "tip");
    EXPECT_FALSE(c.isEnabled());
    EXPECT_TRUE(c.getAbsoluteLayout());
    int h = 0, v = 0;
    c.getAbsoluteDock(h, v);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(c.getWidthPolicy(), -1);
    EXPECT_EQ(c.getHeightPolicy(), 1);
    EXPECT_EQ(c.minimumWidth(), 0);
    EXPECT_EQ(c.minimumHeight(), 6);
    EXPECT_EQ(c.maximumWidth(), 0);
    // The record is taken, the geometry is left to the container.
    void* data = nullptr;
    c.getLayoutData(data);
    const int* rec = static_cast<int*>(data);
    EXPECT_EQ(rec[0], 3);
    EXPECT_EQ(rec[3], 20);

    Json::Value out = written(&c);
    // Every key comes back as read but those read into range.
    EXPECT_TRUE(TestUtil::keepsEveryKey(node, out, {"absoluteDockHor", "widthPolicy", "minWidth"}));
    EXPECT_EQ(out["tooltip"].asString(), "tip");
    EXPECT_FALSE(out["enable"].asBool());
    EXPECT_TRUE(out["absoluteLayout"].asBool());
    EXPECT_EQ(out["absoluteDockHor"].asInt(), 2);
    EXPECT_FALSE(out.isMember("absoluteDockVer"));
    EXPECT_EQ(out["heightPolicy"].asInt(), 1);
    EXPECT_FALSE(out.isMember("widthPolicy"));
    EXPECT_EQ(out["minHeight"].asInt(), 6);
    EXPECT_EQ(out["maxWidth"].asInt(), 0);
    EXPECT_EQ(out["x"].asInt(), 3);
    // Policies in range come back as read, the width's as well as the height's.
    Json::Value policies = TestUtil::json(R"({"widthPolicy":1,"heightPolicy":0})");
    ASSERT_TRUE(c.readJsonValue(&policies));
    EXPECT_TRUE(TestUtil::keepsEveryKey(policies, written(&c)));

    Json::Value off = TestUtil::json(R"({"absoluteDockHor":5,"absoluteLayout":false})");
    c.readJsonValue(&off);
    EXPECT_FALSE(c.getAbsoluteLayout());
    c.getAbsoluteDock(h, v);
    EXPECT_EQ(h, 2);

    // A "layout" of type 1 takes the missing size from the widget.
    c.setMaximumWidth(QWIDGETSIZE_MAX);
    c.QWidget::setGeometry(0, 0, 77, 33);
    Json::Value lay = TestUtil::json(R"({"layout":{"type":1},"x":9})");
    c.readJsonValue(&lay);
    EXPECT_EQ(c.geometry(), QRect(9, 0, 77, 33));
}

TEST(WidgetBase, VisibilityPropertyAndCodeBuiltControls)
{
    QWidget parent;
    TestCtl code(&parent);
    // Built in code, never read: no property, written as visible.
    EXPECT_FALSE(code.property("visibility").isValid());
    EXPECT_TRUE(code.getInnerVisible());
    EXPECT_FALSE(written(&code).isMember("visibility"));

    TestCtl c(&parent);
    Json::Value plain = TestUtil::json(R"({"name":"a"})");
    c.readJsonValue(&plain);
    EXPECT_TRUE(c.isVisibleTo(&parent));
    EXPECT_TRUE(c.property("visibility").toBool());

    Json::Value hidden = TestUtil::json(R"({"visibility":false})");
    c.readJsonValue(&hidden);
    EXPECT_FALSE(c.isVisibleTo(&parent));
    EXPECT_FALSE(c.getInnerVisible());
    EXPECT_FALSE(written(&c)["visibility"].asBool());
    EXPECT_TRUE(written(&c).isMember("visibility"));

    c.setInnerVisible(true);
    EXPECT_TRUE(c.getInnerVisible());
    EXPECT_TRUE(c.isVisibleTo(&parent));
}

TEST(WidgetBase, MalformedNodesAreReadWithoutThrowing)
{
    QWidget parent;
    TestCtl c(&parent);
    c.setObjectName("keep");
    const char* texts[] = {
        R"({"name":5,"x":"a","w":[1],"layout":3,"visibility":"no","style":"x","attr":[1],"theme":7})",
        R"({"layout":{"type":"1","ratio":"2"},"style":[1,[2],["a"],[null,1,0],["a",1,"0"]],"minWidth":{}})",
        R"({"attr":{"n":null,"o":{},"e":[],"a":[1,"x"]},"absoluteDockHor":"x","widthPolicy":true})",
        R"([1,2,3])",
    };
    for (const char* t : texts) {
        Json::Value node = TestUtil::json(t);
        EXPECT_NO_THROW(c.readJsonValue(&node)) << t;
        Json::Value out;
        EXPECT_NO_THROW(c.serializeJsonValue(&out, false)) << t;
    }
    EXPECT_EQ(c.objectName(), "keep");
    // Keys of the wrong type count as absent: no ratio layout from a number,
    // no docking from a text.
    Json::Value mistyped = TestUtil::json(R"({"layout":3,"x":4,"w":5,"absoluteDockHor":"x"})");
    c.readJsonValue(&mistyped);
    EXPECT_EQ(c.getLayoutType(), 1);
    void* data = nullptr;
    c.getLayoutData(data);
    EXPECT_EQ(static_cast<int*>(data)[0], 4);
    EXPECT_EQ(static_cast<int*>(data)[2], 5);
    EXPECT_FALSE(c.getAbsoluteLayout());
    // Members no type rule matches are skipped, not given a stale value.
    EXPECT_FALSE(c.impl()->hasAttribute("n"));
    EXPECT_FALSE(c.impl()->hasAttribute("o"));
    EXPECT_FALSE(c.impl()->hasAttribute("e"));
    EXPECT_FALSE(c.impl()->hasAttribute("a"));
    EXPECT_FALSE(c.readJsonValue(nullptr) && false);
}

TEST(WidgetBase, AttributesKeepTheirNumberKinds)
{
    QWidget parent;
    TestCtl c(&parent);
    Json::Value node = TestUtil::json(
        R"({"attr":{"a":1,"u":4294967295,"d":1.5,"big":1099511627776,"b":true,"s":"t","l":["x","y"],"m":-2}})");
    c.readJsonValue(&node);
    const auto& attrs = c.impl()->getAttributes();
    EXPECT_EQ(attrs.at("a").tag, CVNQAttribute::Int32);
    EXPECT_EQ(attrs.at("m").tag, CVNQAttribute::Int32);
    EXPECT_EQ(attrs.at("u").tag, CVNQAttribute::UInt32);
    EXPECT_EQ(attrs.at("d").tag, CVNQAttribute::Double);
    EXPECT_EQ(attrs.at("big").tag, CVNQAttribute::Double);
    EXPECT_EQ(attrs.at("b").tag, CVNQAttribute::Bool);
    EXPECT_EQ(attrs.at("s").tag, CVNQAttribute::String);
    EXPECT_EQ(attrs.at("l").tag, CVNQAttribute::StringList);
    EXPECT_EQ(c.impl()->getAttribute("l").toStringList(), QStringList({"x", "y"}));

    Json::Value out = written(&c);
    EXPECT_TRUE(out["attr"]["a"].isInt());
    EXPECT_EQ(out["attr"]["u"].asUInt(), 4294967295u);
    EXPECT_DOUBLE_EQ(out["attr"]["d"].asDouble(), 1.5);
    EXPECT_TRUE(out["attr"]["b"].isBool());
    EXPECT_EQ(out["attr"]["l"][1].asString(), "y");
    // The type's own theme key goes without saying; another one is written.
    EXPECT_FALSE(out.isMember("theme"));
    c.getControlImpl()->setThemeName("Card");
    EXPECT_EQ(written(&c)["theme"].asString(), "Card");
}

TEST(WidgetBase, JsonDataAppliesOnlyTheFirstText)
{
    QWidget parent;
    TestCtl c(&parent);
    c.setJsonData(R"({"name":"first"} // comment)");
    EXPECT_EQ(c.objectName(), "first");
    c.setJsonData(R"({"name":"second"})");
    EXPECT_EQ(c.objectName(), "first");
    EXPECT_EQ(c.jsonData(), R"({"name":"second"})");
    EXPECT_EQ(c.property("jsonData").toString(), c.jsonData());

    TestCtl bad(&parent);
    bad.setJsonData("{not json");
    EXPECT_EQ(bad.jsonData(), "{not json");
}

TEST(WidgetBase, StateMachineAndPaint)
{
    TestCtl c;
    c.resize(20, 10);
    CVNQWidgetBaseImpl* impl = c.getControlImpl();
    // On screen each step shows its look at once.
    ASSERT_TRUE(TestUtil::showExposed(&c));
    auto shows = [&](const std::function<void()>& step) { return TestUtil::repaintsAfter(&c, step); };
    QEvent ev(QEvent::Enter);
    EXPECT_TRUE(shows([&] { impl->enterEvent(&ev); }));
    EXPECT_EQ(impl->getState(), 1);
    EXPECT_TRUE(shows([&] { impl->mousePressEvent(nullptr); }));
    EXPECT_EQ(impl->getState(), 2);
    EXPECT_TRUE(shows([&] { impl->leaveEvent(&ev); }));
    EXPECT_EQ(impl->getState(), 0);
    EXPECT_TRUE(shows([&] { impl->mouseReleaseEvent(nullptr); }));
    EXPECT_EQ(impl->getState(), 0);
    EXPECT_FALSE(impl->isHovered());
    EXPECT_TRUE(shows([&] { c.setOpacity(40); }));

    c.setEnabled(false);
    impl->leaveEvent(&ev);
    EXPECT_EQ(impl->getState(), 3);
    impl->setState(1);
    c.grab();
    EXPECT_EQ(impl->getState(), 3);
    EXPECT_GE(c.impl()->draws, 1);
    c.setEnabled(true);
    c.grab();
    EXPECT_EQ(impl->getState(), 0);

    // Off screen no paint corrects the state: each event sets it itself.
    TestCtl off;
    CVNQWidgetBaseImpl* o = off.getControlImpl();
    const std::pair<std::function<void()>, int> steps[] = {
        {[&] { o->enterEvent(&ev); }, 1},
        {[&] { o->mousePressEvent(nullptr); }, 2},
        {[&] { o->mouseReleaseEvent(nullptr); }, 1},
        {[&] { o->mousePressEvent(nullptr), o->leaveEvent(&ev); }, 0},
        {[&] { o->mouseReleaseEvent(nullptr); }, 0},
        {[&] { o->enterEvent(&ev), off.setEnabled(false), o->leaveEvent(&ev); }, 3},
    };
    for (const auto& [step, state] : steps) {
        step();
        EXPECT_EQ(o->getState(), state) << "step to " << state;
    }
}

TEST(WidgetBase, ChildSerialisation)
{
    TestCtl c;
    QWidget plain(&c);
    Json::Value out = written(&c);
    EXPECT_FALSE(out.isMember("child"));

    TestCtl* child = new TestCtl(&c);
    child->setObjectName("kid");
    out = written(&c);
    ASSERT_EQ(out["child"].size(), 1u);
    EXPECT_EQ(out["child"][0]["name"].asString(), "kid");
    cvnEnableSerializeChild(false);
    out = written(&c);
    cvnEnableSerializeChild(true);
    EXPECT_FALSE(out.isMember("child"));
}

TEST(WidgetBase, PropertyTableCommonRows)
{
    PropertyDef def;
    EXPECT_EQ(def.min, -10000);
    EXPECT_EQ(def.max, 10000);
    EXPECT_EQ(def.step, 1);

    ControlInfo info = cvnMakeControlInfo("qttestctl", "Test", "Control Test", "TestCtl", "test");
    EXPECT_EQ(info.version, 1);
    ASSERT_EQ(info.properties.size(), 7u);
    const char* names[] = {"Name", "Type", "Visibility", "Enable", "Tooltip", "Alpha", "Line"};
    const int codes[] = {0, 2, 3, 3, 1, 10, 4};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(info.properties[i].name, names[i]);
        EXPECT_EQ(info.properties[i].type, codes[i]);
        EXPECT_TRUE(info.properties[i].group.isEmpty());
    }
    EXPECT_FALSE(TestUtil::propertyRow(info, "Line").hasAccessors());

    QWidget parent;
    TestCtl c(&parent);
    TestUtil::propertyRow(info, "Name").setString(&c, "viaGrid");
    EXPECT_EQ(c.objectName(), "viaGrid");
    const PropertyDef& type = TestUtil::propertyRow(info, "Type");
    EXPECT_EQ(type.getString(&c), "qttestctl");
    EXPECT_FALSE(type.setString);
    const PropertyDef& visibility = TestUtil::propertyRow(info, "Visibility");
    visibility.setBool(&c, false);
    EXPECT_FALSE(visibility.getBool(&c));
    const PropertyDef& alpha = TestUtil::propertyRow(info, "Alpha");
    alpha.setInt(&c, 128);
    EXPECT_EQ(c.getOpacity(), 128);
    EXPECT_EQ(alpha.getInt(&c), 128);
    QWidget notAControl;
    EXPECT_EQ(type.getString(&notAControl), QString());

    // Rows built from a control's own per-state accessors.
    struct Host : QWidget
    {
        FillStyle bg[4];
        void setBg(CtrlState s, const FillStyle& f)
        {
            if (s >= 0 && s < 4)
                bg[s] = f;
        }
        const FillStyle& getBg(CtrlState s) const { return bg[s]; }
        FillStyle one;
        void setOne(const FillStyle& f) { one = f; }
        const FillStyle& getOne() const { return one; }
    } host;
    PropertyDef row = cvnFillStyleRow<Host>("Background", &Host::setBg, &Host::getBg, cvnFourStateChoices());
    row.setFillStyle(&host, 2, colourStyle("p", Qt::red));
    EXPECT_EQ(row.getFillStyle(&host, 2).name, "p");
    EXPECT_EQ(row.choices.size(), 4);
    EXPECT_EQ(row.choices[3].label, "Disable");
    PropertyDef single = cvnFillStyleRow<Host>("Bg", &Host::setOne, &Host::getOne, cvnTwoStateChoices());
    single.setFillStyle(&host, 1, colourStyle("one", Qt::blue));
    EXPECT_EQ(single.getFillStyle(&host, 0).name, "one");
}

// Theme application needs a loaded theme with entries for the test keys.
class WidgetBaseTheme : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "style.json", R"({"style":[
            {"type":1,"name":"themeBg","drawImg":false,"clr":"FF112233"},
            {"type":1,"name":"themeHot","drawImg":false,"clr":"FF445566"}]})"));
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme.json", R"({"elements":[{"child":[
            {"name":"qttestctl","attr":{"a":1,"label":"from theme"},"style":[["themeBg",1,0]]},
            {"name":"Card","attr":{"card":true},"style":[["themeHot",1,0]],"x":99,"visibility":false},
            {"name":"Switched","attr":{"label":"no"},"style":[["themeHot",1,1]]}]}]})"));
        ASSERT_TRUE(CVNQResourceManager::getInstance()->loadThemeDir(dir.path()));
    }
    void TearDown() override
    {
        // Leave a theme without entries so later tests build unthemed controls.
        QTemporaryDir blank;
        TestUtil::writeFile(blank.path(), "style.json", R"({"style":[]})");
        CVNQResourceManager::getInstance()->loadThemeDir(blank.path());
        EXPECT_FALSE(CVNQResourceManager::getInstance()->isLoadFromThemeRes());
    }
    QTemporaryDir dir;
};

TEST_F(WidgetBaseTheme, ConstructorAppliesStylesAndAttributesOnly)
{
    TestCtl c;
    EXPECT_EQ(c.impl()->background[3].name, "themeBg");
    EXPECT_EQ(c.impl()->background[0].fill.clr, QColor(0x11, 0x22, 0x33));
    EXPECT_TRUE(c.impl()->hasAttribute("a"));
    EXPECT_TRUE(c.impl()->label.isEmpty());
    EXPECT_TRUE(c.impl()->sawThemeFlag);
    EXPECT_FALSE(CVNQResourceManager::getInstance()->isLoadFromThemeRes());

    // setThemeName switches entries; name, geometry and visibility stay.
    c.setObjectName("mine");
    c.setThemeName("Card");
    EXPECT_EQ(c.getThemeName(), "Card");
    EXPECT_EQ(c.impl()->background[0].name, "themeHot");
    EXPECT_TRUE(c.impl()->hasAttribute("card"));
    EXPECT_EQ(c.objectName(), "mine");
    EXPECT_FALSE(c.property("visibility").isValid());
    EXPECT_EQ(c.x(), 0);

    // While the flag is set the common routine leaves the name alone.
    CVNQResourceManager::getInstance()->setSwitchToThemeRes(true);
    Json::Value named = TestUtil::json(R"({"name":"other"})");
    c.getControlBase()->serializeJsonValue(&named, true);
    CVNQResourceManager::getInstance()->setSwitchToThemeRes(false);
    EXPECT_EQ(c.objectName(), "mine");

    // The designer flag of the resource manager blocks setThemeName.
    CVNQResourceManager::getInstance()->setIsDesigner(true);
    c.setThemeName("qttestctl");
    CVNQResourceManager::getInstance()->setIsDesigner(false);
    EXPECT_EQ(c.getThemeName(), "Card");
}

TEST_F(WidgetBaseTheme, ThemeKeySwitchesTheNodeAndTheFlagIsRestored)
{
    QWidget parent;
    TestCtl c(&parent);
    Json::Value node = TestUtil::json(R"({"name":"n","attr":{"label":"mine"},"theme":"Switched",
                                          "style":[["themeBg",1,2]]})");
    ASSERT_TRUE(c.readJsonValue(&node));
    // The control's own keys came from the theme entry, its content skipped.
    EXPECT_TRUE(c.impl()->sawThemeFlag);
    EXPECT_EQ(c.impl()->background[1].name, "themeHot");
    EXPECT_EQ(c.impl()->background[2].name, "themeBg"); // from the constructor's theme
    EXPECT_TRUE(c.impl()->label.isEmpty());
    EXPECT_EQ(c.objectName(), "n");
    EXPECT_EQ(c.getThemeName(), "qttestctl");
    // The flag does not leak: a later read takes names again.
    EXPECT_FALSE(CVNQResourceManager::getInstance()->isLoadFromThemeRes());
    Json::Value next = TestUtil::json(R"({"name":"again","attr":{"label":"text"}})");
    c.readJsonValue(&next);
    EXPECT_EQ(c.objectName(), "again");
    EXPECT_EQ(c.impl()->label, "text");

    // Without "attr" the "theme" key is not looked at: the style is resolved
    // in the default package, where only plainBg exists.
    FillStyle plain = colourStyle("plainBg", Qt::green);
    CVNQResourceManager::getInstance()->setFillStyle("plainBg", plain);
    Json::Value noAttr = TestUtil::json(R"({"theme":"Switched","style":[["plainBg",1,1]]})");
    c.readJsonValue(&noAttr);
    EXPECT_EQ(c.impl()->background[1].name, "plainBg");
}

// A written node read back under a theme keeps its content and its styles:
// the type's own theme key, which would switch the node to the theme entry,
// is not written.
TEST_F(WidgetBaseTheme, WrittenNodeReadsBackUnderATheme)
{
    QWidget parent;
    TestCtl c(&parent);
    FillStyle plain = colourStyle("plainBg", Qt::green);
    CVNQResourceManager::getInstance()->setFillStyle("plainBg", plain);
    Json::Value pick = TestUtil::json(R"({"style":[["plainBg",1,0]]})");
    c.readJsonValue(&pick);
    ASSERT_EQ(c.impl()->background[0].name, "plainBg");
    c.impl()->label = "mine";

    Json::Value node = written(&c);
    TestCtl copy(&parent);
    copy.readJsonValue(&node);
    EXPECT_EQ(copy.impl()->label, "mine");
    EXPECT_EQ(copy.impl()->background[0].name, "plainBg");
}

TEST_F(WidgetBaseTheme, DesignerModeSkipsThemeApplication)
{
    cvnSetIsInDesigner(true);
    TestCtl c;
    cvnSetIsInDesigner(false);
    EXPECT_TRUE(c.impl()->background[0].name.isEmpty());
    EXPECT_FALSE(c.impl()->hasAttribute("a"));
}

#include "WidgetBaseTest.moc"
