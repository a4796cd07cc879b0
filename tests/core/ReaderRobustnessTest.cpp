// Every reader of outside input (page and menu files, style files, theme
// folders and archives, skin archives, language files, zip archives) fed
// truncated, wrongly typed and random input: no crash, no exception, and a
// plain false/null where the input is unusable.

#include "CVNJson.h"
#include "CVNQControl.h"
#include "CVNQControlFactory.h"
#include "CVNQResourceManager.h"
#include "CVNQResourceManagerImpl.h"
#include "CVNQZip.h"
#include "LanguageManager.h"
#include "TestUtil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>

using namespace CVNQtLib;

namespace robustness_test {

// A bare control, so page nodes and theme entries run through the common
// JSON routine and the implementation's "attr"/"theme"/"child" routine.
class RbProbe : public QWidget, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(RbProbe, CVNQWidgetBaseImpl)
public:
    explicit RbProbe(QWidget* parent = nullptr) : QWidget(parent)
    {
        m_impl = new CVNQWidgetBaseImpl(this, typeName());
        m_impl->applyTheme();
    }
};

CVNQ_IMPLEMENT_CONTROL(RbProbe, CVNQWidgetBaseImpl, "rb_probe")

} // namespace robustness_test

namespace {

const char* const kPage = R"({
  "w": 800, "h": 600, "trans": true, "drag": true, "resize": true,
  "minW": 100, "minH": 80, "onlyDragCaption": false,
  "elements": [
    {"type": "rb_plain", "name": "a", "x": 1, "y": 2, "w": 30, "h": 40,
     "attr": {"text": "hi", "flag": 1}, "style": [["s", 1, 0], ["t", 2, 1]],
     "child": [{"type": "rb_plain", "name": "b", "layout": {"type": 0, "ratio": 2}}]},
    {"type": "rb_plain", "absoluteDockHor": 1, "widthPolicy": 0, "minWidth": 4},
    {"type": "rb_probe", "name": "p", "tooltip": "t", "visibility": false, "enable": true,
     "layout": {"type": 1, "ratio": 3}, "absoluteLayout": true, "absoluteDockVer": 2,
     "absoluteDockOffsetX": 5, "heightPolicy": 1, "maxWidth": 90, "theme": "rb_probe",
     "attr": {"a": 1, "b": "s", "c": true, "d": 2.5}, "child": [{"type": "rb_probe", "y": 3}]}
  ]})";

const char* const kStyle = R"({"style": [
  {"type": 1, "name": "bg", "border": true, "borderSize": 2, "borderclr": "FF112233",
   "drawImg": false, "clr": "80FFFFFF", "img": "", "round": 4, "roundTopLeft": false,
   "leftBorder": false, "repeatCenter": true, "margin": [1, 2, 3, 4]},
  {"type": 2, "name": "txt", "clr": "FF000000", "hor": 1, "ver": 1, "x": 2, "bold": true,
   "size": 14, "family": "Sans"}
]})";

const char* const kTheme = R"({"elements": [{"child": [
  {"name": "rb_entry", "attr": {"k": 1}, "style": [["bg", 1, 0]]},
  {"name": "rb_probe", "attr": {"k": 1, "s": "x"}, "theme": "rb_entry", "x": 4, "w": 9},
  {"name": "rb_entry2", "child": []}
]}]})";

const char* const kLanguage = R"({"defaultLanguage": "rb_en",
  "languages": {"rb_en": {"k": "v", "n": "w"}, "rb_zh": {"k": "v2"}}})";

// Variants of a JSON text: each member or element in turn replaced by a
// value of every other type.
std::vector<std::string> typeSwaps(const char* text, size_t limit = 400)
{
    Json::Value root;
    EXPECT_TRUE(jsonParse(std::string(text), root));
    static const char* const kReplacements[] = {"null", "7", "-1", "3.5", "true", "\"str\"", "[]", "{}",
                                               "[1, \"a\", null]", "{\"k\": [1]}", "99999999999"};
    std::vector<Json::Value> replacements;
    for (const char* r : kReplacements) {
        Json::Value v;
        jsonParse(std::string(r), v);
        replacements.push_back(v);
    }

    std::vector<std::string> out;
    // Visits every value by path; mutate() swaps one in a copy.
    std::function<void(Json::Value&, Json::Value&)> visit = [&](Json::Value& node, Json::Value& whole) {
        if (out.size() >= limit)
            return;
        if (node.isObject()) {
            for (const std::string& key : node.getMemberNames()) {
                Json::Value saved = node[key];
                for (const Json::Value& r : replacements) {
                    node[key] = r;
                    out.push_back(jsonStyled(whole));
                }
                node[key] = saved;
                visit(node[key], whole);
            }
        } else if (node.isArray()) {
            for (Json::ArrayIndex i = 0; i < node.size(); ++i) {
                Json::Value saved = node[i];
                for (const Json::Value& r : replacements) {
                    node[i] = r;
                    out.push_back(jsonStyled(whole));
                }
                node[i] = saved;
                visit(node[i], whole);
            }
        }
    };
    for (const Json::Value& r : replacements)
        out.push_back(jsonStyled(r)); // the whole root of the wrong type
    visit(root, root);
    return out;
}

// Prefixes of the text, and seeded random bytes.
std::vector<QByteArray> truncationsAndNoise(const QByteArray& text, int step = 3, int randomCount = 40)
{
    std::vector<QByteArray> out;
    for (int n = 0; n < text.size(); n += step)
        out.push_back(text.left(n));
    std::mt19937 rng(12345);
    for (int i = 0; i < randomCount; ++i) {
        QByteArray noise(int(rng() % 300), '\0');
        for (char& c : noise)
            c = char(rng() & 0xFF);
        out.push_back(noise);
        // The valid text with a few bytes flipped.
        QByteArray flipped = text;
        for (int k = 0; k < 4; ++k)
            flipped[int(rng() % unsigned(flipped.size()))] = char(rng() & 0xFF);
        out.push_back(flipped);
    }
    return out;
}

QWidget* createRbPlain()
{
    return new QWidget;
}

QByteArray zipOf(const std::vector<std::pair<const char*, QByteArray>>& entries)
{
    QByteArray buffer(1 << 20, '\0');
    ZipArchive* zip = cvnZipCreateMemory(buffer.data(), quint32(buffer.size()));
    EXPECT_NE(zip, nullptr);
    for (const auto& e : entries)
        EXPECT_EQ(cvnZipAddMemory(zip, e.first, e.second.constData(), quint32(e.second.size())), ZipOk);
    quint32 written = 0;
    EXPECT_EQ(cvnZipCloseWriter(zip, &written), ZipOk);
    buffer.truncate(int(written));
    return buffer;
}

class ReaderRobustnessTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        cvnRegisterDefaultControl("rb_plain", &createRbPlain);
        cvnRegisterDefaultControl("rb_probe", &robustness_test::RbProbe::createRbProbe);
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(ReaderRobustnessTest, PageAndMenuFiles)
{
    ASSERT_TRUE(dir.isValid());
    int index = 0;
    auto load = [&](const QByteArray& bytes) {
        const QString name = QStringLiteral("p%1.json").arg(index++);
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), name, bytes));
        QWidget host;
        EXPECT_NO_THROW(cvnCreatePageByFileName(&host, dir.filePath(name)));
        EXPECT_NO_THROW(EXPECT_EQ(cvnCreateMenuByFileName(&host, dir.filePath(name)), nullptr));
    };
    for (const std::string& text : typeSwaps(kPage))
        load(QByteArray::fromStdString(text));
    for (const QByteArray& bytes : truncationsAndNoise(kPage))
        load(bytes);

    // Unparsable text builds nothing.
    QWidget host;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "cut.json", QByteArray(kPage).left(120)));
    EXPECT_EQ(cvnCreatePageByFileName(&host, dir.filePath("cut.json")), nullptr);
    EXPECT_TRUE(host.children().isEmpty());

    // Deeply nested children neither overflow nor throw.
    QByteArray deep;
    for (int i = 0; i < 400; ++i)
        deep += R"({"type": "rb_plain", "child": [)";
    deep += "{}";
    for (int i = 0; i < 400; ++i)
        deep += "]}";
    load(R"({"elements": [)" + deep + "]}");
}

TEST_F(ReaderRobustnessTest, StyleArrays)
{
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    auto feed = [&](const Json::Value& root) {
        CVNQResourceManagerImpl package;
        EXPECT_NO_THROW(rm->readStyle(&package, jsonGet(root, "style")));
        EXPECT_NO_THROW(rm->readStyle(&package, root));
    };
    for (const std::string& text : typeSwaps(kStyle)) {
        Json::Value root;
        ASSERT_TRUE(jsonParse(text, root));
        feed(root);
    }
    for (const QByteArray& bytes : truncationsAndNoise(kStyle)) {
        Json::Value root;
        jsonParse(bytes, root);
        feed(root);
    }
}

TEST_F(ReaderRobustnessTest, ThemeFoldersArchivesAndSkins)
{
    ASSERT_TRUE(dir.isValid());
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    int index = 0;
    auto loadFolder = [&](const QByteArray& style, const QByteArray& theme) -> bool {
        const QString sub = QStringLiteral("t%1").arg(index++);
        EXPECT_TRUE(TestUtil::writeFile(dir.path(), sub + "/style.json", style));
        EXPECT_TRUE(TestUtil::writeFile(dir.path(), sub + "/theme.json", theme));
        bool ok = false;
        EXPECT_NO_THROW(ok = rm->loadThemeDir(dir.filePath(sub)));
        // Every control built now applies the (possibly malformed) entry.
        EXPECT_NO_THROW(delete createControlByTypeName("rb_probe", nullptr));
        return ok;
    };
    // Wrongly typed theme entries still load (the style file is good).
    std::vector<std::string> themes = typeSwaps(kTheme, 150);
    for (size_t i = 0; i < themes.size(); i += 3)
        EXPECT_TRUE(loadFolder(kStyle, QByteArray::fromStdString(themes[i])));
    std::vector<std::string> styles = typeSwaps(kStyle, 150);
    for (size_t i = 0; i < styles.size(); i += 3)
        loadFolder(QByteArray::fromStdString(styles[i]), kTheme);
    // A style file that does not parse fails the load.
    for (const QByteArray& bytes : truncationsAndNoise(kStyle, 25, 8)) {
        Json::Value root;
        if (!jsonParse(bytes.left(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0')), root))
            EXPECT_FALSE(loadFolder(bytes, kTheme));
    }

    // Archives: every truncation loses the end record and fails; random
    // bytes fail; flipped bytes never crash.
    const QByteArray archive = zipOf({{"style.json", kStyle}, {"theme.json", kTheme}, {"images/a.txt", "x"}});
    const QString zipPath = dir.filePath("theme.zip");
    for (const QByteArray& bytes : truncationsAndNoise(archive, 17, 30)) {
        QFile f(zipPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        bool ok = true;
        EXPECT_NO_THROW(ok = rm->loadThemeFile(zipPath));
        if (bytes.size() < archive.size() && archive.startsWith(bytes))
            EXPECT_FALSE(ok);
        EXPECT_NO_THROW(ok = rm->loadSkinFile(bytes.constData(), bytes.size()));
        if (bytes.size() < archive.size() && archive.startsWith(bytes))
            EXPECT_FALSE(ok);
    }
    // A good archive with a badly typed style file or theme never crashes.
    for (size_t i = 0; i < styles.size(); i += 7) {
        const QByteArray bad = zipOf({{"style.json", QByteArray::fromStdString(styles[i])}, {"theme.json", kTheme}});
        QFile f(zipPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bad);
        f.close();
        EXPECT_NO_THROW(rm->loadThemeFile(zipPath));
    }

    // Leave a harmless theme behind for later tests of this executable.
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "final/style.json", R"({"style": []})"));
    EXPECT_TRUE(rm->loadThemeDir(dir.filePath("final")));
}

TEST_F(ReaderRobustnessTest, ZipReader)
{
    const QByteArray archive = zipOf({{"style.json", kStyle}, {"dir/a.bin", QByteArray(5000, 'z')}});
    for (const QByteArray& bytes : truncationsAndNoise(archive, 11, 60)) {
        ZipArchive* zip = cvnZipOpenMemory(bytes.constData(), quint64(bytes.size()));
        // Cut before the end record: nothing usable is left.
        const bool cutEarly = bytes.size() < archive.size() - 22 && archive.startsWith(bytes);
        if (cutEarly)
            EXPECT_EQ(zip, nullptr);
        if (!zip)
            continue;
        QList<ZipFileData> files;
        bool complete = false;
        EXPECT_NO_THROW(complete = cvnZipReadAll(zip, files));
        if (bytes.size() < archive.size() && archive.startsWith(bytes))
            EXPECT_FALSE(complete && files.size() == 2) << "truncated to " << bytes.size();
        ZipEntry entry;
        const int count = cvnZipEntryCount(zip);
        for (int i = -1; i <= count; ++i)
            cvnZipGetEntry(zip, i, entry);
        cvnZipCloseReader(zip);
    }
}

TEST_F(ReaderRobustnessTest, LanguageFiles)
{
    LanguageManager* lm = LanguageManager::instance();
    for (const std::string& text : typeSwaps(kLanguage)) {
        QString error;
        EXPECT_NO_THROW(lm->loadFromJson(QByteArray::fromStdString(text), &error));
    }
    for (const QByteArray& bytes : truncationsAndNoise(kLanguage)) {
        Json::Value root;
        QString error;
        bool ok = true;
        EXPECT_NO_THROW(ok = lm->loadFromJson(bytes, &error));
        if (bytes.isEmpty() || (bytes.size() < int(strlen(kLanguage)) && QByteArray(kLanguage).startsWith(bytes))) {
            EXPECT_FALSE(ok);
            EXPECT_FALSE(error.isEmpty());
        }
    }
}

#include "ReaderRobustnessTest.moc"
