// The page root (follows its parent, carries the page's theme) and the
// spacer's own settings.

#include "CVNQContainer.h"
#include "CVNQContainerPlugin.h"
#include "CVNQControlFactory.h"
#include "CVNQResourceManager.h"
#include "CVNQSpacer.h"
#include "CVNQWindowDesigner.h"
#include "LayoutTestUtil.h"
#include "TestUtil.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace CVNQtLib;

namespace {

class CountingHost : public QWidget
{
public:
    int resizes = 0;

protected:
    void resizeEvent(QResizeEvent*) override { ++resizes; }
};

} // namespace

TEST(PageRoot, FollowsItsParentAndStaysAtTheOrigin)
{
    LayoutTest::initToolkit();
    CountingHost host;
    host.resize(300, 200);
    auto* page = new CVNQWindowDesigner(&host);
    auto* root = new CVNQContainer(page);
    page->resize(10, 10);
    ASSERT_TRUE(TestUtil::showExposed(&host));
    EXPECT_TRUE(TestUtil::waitFor([&] { return root->size() == QSize(300, 200); }));
    EXPECT_EQ(page->geometry(), QRect(0, 0, 300, 200));
    EXPECT_EQ(root->size(), QSize(300, 200));

    const int before = host.resizes;
    host.resize(1024, 768);
    EXPECT_TRUE(TestUtil::waitFor([&] { return root->size() == QSize(1024, 768); }));
    EXPECT_EQ(page->size(), QSize(1024, 768));
    EXPECT_EQ(root->size(), QSize(1024, 768));
    EXPECT_EQ(host.resizes, before); // the page root took the event

    page->move(10, 10);
    EXPECT_EQ(page->pos(), QPoint(0, 0));

    // The container's description for a form designer makes a container.
    CVNQContainerPlugin plugin;
    EXPECT_EQ(plugin.name() + ' ' + plugin.includeFile(), "CVNQContainer CVNQContainer.h");
    EXPECT_EQ(plugin.domXml(), "<widget class=\"CVNQContainer\" name=\"container\">\n</widget>\n");
    EXPECT_TRUE(plugin.group().isEmpty() && plugin.toolTip().isEmpty() && plugin.whatsThis().isEmpty());
    EXPECT_TRUE(plugin.icon().isNull());
    EXPECT_FALSE(plugin.isContainer() || plugin.isInitialized());
    plugin.initialize(nullptr);
    plugin.initialize(nullptr);
    EXPECT_TRUE(plugin.isInitialized());
    std::unique_ptr<QWidget> made(plugin.createWidget(&host));
    EXPECT_TRUE(qobject_cast<CVNQContainer*>(made.get()) && made->parent() == &host);
}

TEST(PageRoot, ThemeKeyLoadsFoldersAndTreatsDataAsArchive)
{
    LayoutTest::initToolkit();
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    CVNQWindowDesigner page;
    if (!rm->getThemeManagerIml()) {
        Json::Value none;
        page.serializeJsonValue(&none, false);
        EXPECT_FALSE(none["attr"].isMember("theme"));
    }

    QTemporaryDir dir;
    const QByteArray style = R"({"style": [{"type": 1, "name": "PageRootFill", "drawImg": false}]})";
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme/style.json", style));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "fake.data/style.json", style));
    const QString folder = dir.filePath("theme");

    Json::Value node;
    node["attr"]["theme"] = folder.toStdString();
    page.readJsonValue(&node);
    EXPECT_EQ(rm->getThemePath(), folder);

    Json::Value out;
    page.serializeJsonValue(&out, false);
    EXPECT_EQ(out["attr"]["theme"].asString(), folder.toStdString());

    // ".data" names an archive: this folder is not one, so nothing loads.
    node["attr"]["theme"] = dir.filePath("fake.data").toStdString();
    page.readJsonValue(&node);
    EXPECT_EQ(rm->getThemePath(), folder);

    node["attr"]["theme"] = "";
    page.readJsonValue(&node);
    EXPECT_EQ(rm->getThemePath(), folder);
}

TEST(Spacer, DirectionAndThicknessAreKeptInRangeAndPassMouseThrough)
{
    LayoutTest::initToolkit();
    CVNQSpacer spacer;
    spacer.setDirection(CVNQSpacer::Direction(5));
    EXPECT_EQ(spacer.getDirection(), CVNQSpacer::Auto);
    spacer.setDirection(CVNQSpacer::Direction(-1));
    EXPECT_EQ(spacer.getDirection(), CVNQSpacer::Auto);
    spacer.setThickness(-3);
    EXPECT_EQ(spacer.getThickness(), 0);

    Json::Value node = TestUtil::json(R"({"type": "qtspacer", "attr": {"direction": 7, "thickness": -4}})");
    std::unique_ptr<QWidget> w(createControl("qtspacer", node, nullptr));
    auto* s = qobject_cast<CVNQSpacer*>(w.get());
    ASSERT_TRUE(s);
    EXPECT_EQ(s->getDirection(), CVNQSpacer::Auto);
    EXPECT_EQ(s->getThickness(), 0);

    s->setDirection(CVNQSpacer::Vertical);
    s->setThickness(12);
    Json::Value out;
    s->serializeJsonValue(&out, false);
    EXPECT_EQ(out["attr"]["direction"].asInt(), 2);
    EXPECT_EQ(out["attr"]["thickness"].asInt(), 12);
    Json::Value plainOut;
    spacer.serializeJsonValue(&plainOut, false);
    EXPECT_FALSE(plainOut["attr"].isMember("direction"));

    // Presses reach whatever lies beneath.
    QWidget parent;
    parent.resize(100, 100);
    auto* under = new QWidget(&parent);
    under->setGeometry(0, 0, 100, 100);
    auto* over = new CVNQSpacer(&parent);
    over->setGeometry(0, 0, 100, 100);
    parent.show();
    EXPECT_EQ(parent.childAt(50, 50), under);
}
