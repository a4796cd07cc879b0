// Every reader of outside input (page and menu files, style files, theme
// folders and archives, skin archives, language files, zip archives, and
// the JSON routine of every registered control type) fed truncated, wrongly
// typed and random input: no crash, no exception, and a plain false/null
// where the input is unusable.

#include "CVNJson.h"
#include "CVNQChartRegistration.h"
#include "CVNQECGChart.h"
#include "CVNQICDChart.h"
#include "CVNQControl.h"
#include "CVNQControlFactory.h"
#include "CVNQResourceManager.h"
#include "CVNQResourceManagerImpl.h"
#include "CVNQStartup.h"
#include "CVNQZip.h"
#include "CVNQtLib.h"
#include "CVNQWidgetBaseImpl.h"
#include "LanguageManager.h"
#include "ControlTrace.h"
#include "ReferencePicture.h"
#include "TestUtil.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QOpenGLWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <set>

using namespace CVNQtLib;

namespace {

const char* const kPage = R"({
  "w": 800, "h": 600, "trans": true, "drag": true, "resize": true,
  "minW": 100, "minH": 80, "onlyDragCaption": false,
  "elements": [
    {"type": "rb_plain", "name": "a", "x": 1, "y": 2, "w": 30, "h": 40,
     "attr": {"text": "hi", "flag": 1}, "style": [["s", 1, 0], ["t", 2, 1]],
     "child": [{"type": "rb_plain", "name": "b", "layout": {"type": 0, "ratio": 2}}]},
    {"type": "rb_plain", "absoluteDockHor": 1, "widthPolicy": 0, "minWidth": 4},
    {"type": "qtlabel", "name": "p", "tooltip": "t", "visibility": false, "enable": true,
     "layout": {"type": 1, "ratio": 3}, "absoluteLayout": true, "absoluteDockVer": 2,
     "absoluteDockOffsetX": 5, "heightPolicy": 1, "maxWidth": 90, "theme": "qtlabel",
     "attr": {"a": 1, "b": "s", "c": true, "d": 2.5, "text": "x"}, "style": [["bg", 1, 0]],
     "child": [{"type": "qtbutton", "y": 3, "attr": {"text": "b"}}]}
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
  {"name": "qtlabel", "attr": {"k": 1, "s": "x"}, "theme": "rb_entry", "x": 4, "w": 9},
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
    static const char* const kReplacements[] = {
        "null", "7", "-1", "3.5", "true", "\"str\"", "[]", "{}", "[1, \"a\", null]", "{\"k\": [1]}", "99999999999"};
    std::vector<Json::Value> replacements;
    for (const char* r : kReplacements) {
        Json::Value v;
        jsonParse(std::string(r), v);
        replacements.push_back(v);
    }

    std::vector<std::string> out;
    // Visits every value by path, swapping each in turn for every replacement.
    std::function<void(Json::Value&, Json::Value&)> visit = [&](Json::Value& node, Json::Value& whole) {
        if (out.size() >= limit)
            return;
        auto swapEach = [&](Json::Value& slot) {
            const Json::Value saved = slot;
            for (const Json::Value& r : replacements) {
                slot = r;
                out.push_back(jsonStyled(whole));
            }
            slot = saved;
            visit(slot, whole);
        };
        if (node.isObject()) {
            for (const std::string& key : node.getMemberNames())
                swapEach(node[key]);
        } else if (node.isArray()) {
            for (Json::ArrayIndex i = 0; i < node.size(); ++i)
                swapEach(node[i]);
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

// Keys a control reader may ask for: the key-like string literals of the
// toolkit's sources on lines that touch JSON, and every key each control
// writes. A reader that bypasses the safe accessors is found only when its
// keys are offered, so the sources are read rather than a list kept.
std::set<std::string> sourceKeys()
{
    std::set<std::string> keys;
    const QString toolkit = TestUtil::sourcePath("toolkit");
    const QRegularExpression jsonLine(QStringLiteral(R"(json|Json|attr|\["|isMember|get\(|[Kk]eys)"));
    const QRegularExpression literal(QStringLiteral(R"re("([A-Za-z_][A-Za-z0-9_]{0,39})")re"));
    QDirIterator it(toolkit, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
            if (!line.contains(jsonLine))
                continue;
            for (auto m = literal.globalMatch(line); m.hasNext();)
                keys.insert(m.next().captured(1).toStdString());
        }
    }
    return keys;
}

void collectKeys(const Json::Value& v, std::set<std::string>& keys)
{
    if (v.isObject()) {
        for (const std::string& k : v.getMemberNames()) {
            keys.insert(k);
            collectKeys(v[k], keys);
        }
    } else if (v.isArray()) {
        for (const Json::Value& e : v)
            collectKeys(e, keys);
    }
}

Json::Value everyKey(const std::set<std::string>& keys, const Json::Value& value)
{
    Json::Value node(Json::objectValue);
    for (const std::string& k : keys)
        node[k] = value;
    return node;
}

// A wrong value and where it stands in the node fed to every control: as
// the value of every key (at the top and in "attr"), or inside an object or
// a list of such keys.
enum class Placement
{
    AtEveryKey,
    InObject,
    InList,
};

struct MistypedValue
{
    const char* name;
    const char* json;
    Placement placement;
};

const MistypedValue kMistypedValues[] = {
    {"Null", "null", Placement::AtEveryKey},
    {"Seven", "7", Placement::AtEveryKey},
    {"MinusOne", "-1", Placement::AtEveryKey},
    {"Zero", "0", Placement::AtEveryKey},
    {"Fraction", "3.5", Placement::AtEveryKey},
    {"True", "true", Placement::AtEveryKey},
    {"False", "false", Placement::AtEveryKey},
    {"Text", "\"str\"", Placement::AtEveryKey},
    {"EmptyText", "\"\"", Placement::AtEveryKey},
    {"Huge", "99999999999", Placement::AtEveryKey},
    {"MinusHuge", "-1e300", Placement::AtEveryKey},
    {"EmptyList", "[]", Placement::AtEveryKey},
    {"EmptyObject", "{}", Placement::AtEveryKey},
    {"StyleLists", "[[7, \"a\", \"b\"], [\"n\", 1, \"x\"], [null]]", Placement::AtEveryKey},
    {"ObjectOfSevens", "7", Placement::InObject},
    {"ListWithSevens", "7", Placement::InList},
    {"ObjectOfTexts", "\"str\"", Placement::InObject},
    {"ListWithTexts", "\"str\"", Placement::InList},
    {"ObjectOfNulls", "null", Placement::InObject},
    {"ListWithNulls", "null", Placement::InList},
};

// Names the case (CTest shows the printed value).
void PrintTo(const MistypedValue& wrong, std::ostream* out)
{
    *out << wrong.name;
}

Json::Value mistypedNode(const std::set<std::string>& keys, const MistypedValue& wrong)
{
    Json::Value value;
    EXPECT_TRUE(jsonParse(std::string(wrong.json), value)) << wrong.name;
    if (wrong.placement == Placement::InObject) {
        value = everyKey(keys, value);
    } else if (wrong.placement == Placement::InList) {
        Json::Value list(Json::arrayValue);
        list.append(value);
        list.append(everyKey(keys, value));
        value = list;
    }
    Json::Value node = everyKey(keys, value);
    node["attr"] = everyKey(keys, value);
    return node;
}

// What each input makes a reader hold, kept as the lines that differ from
// what the unchanged input gives, against a record beside the references.
class ReadRecord
{
public:
    explicit ReadRecord(QStringList base)
        : m_base(std::move(base))
    {}
    void add(const QStringList& held)
    {
        QString diff = TestUtil::lineChanges(m_base, held);
        // A long change is kept as its size and hash: it still fails when any line of it changes.
        const int lines = int(diff.count(QLatin1Char('\n'))) + 1;
        if (lines > 6)
            diff = QStringLiteral("  %1 lines, %2").arg(lines).arg(qHash(diff));
        if (!diff.isEmpty())
            m_lines << QStringLiteral("%1:\n").arg(m_count) + diff;
        ++m_count;
    }
    void expectMatches(const QString& name) const
    {
        TestUtil::expectMatchesReferenceText(
            m_base.join(QLatin1Char('\n')) + QLatin1String("\n--\n") + m_lines.join(QLatin1Char('\n')), name);
    }

private:
    QStringList m_base, m_lines;
    int m_count = 0;
};

// What a control writes, as lines.
QStringList writtenLines(QWidget* w)
{
    return TestUtil::flattenedJson(TestUtil::written(dynamic_cast<ICVNQWidgetBase*>(w)));
}

// What a host holds after a page was built in it: each toolkit control's
// class, name and what it writes.
QStringList builtLines(QWidget* host)
{
    QStringList out;
    for (QWidget* w : host->findChildren<QWidget*>())
        if (dynamic_cast<ICVNQWidgetBase*>(w))
            for (const QString& line : writtenLines(w))
                out << QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName() + line;
    return out;
}

class ReaderRobustnessTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        init();
        cvnRegisterChartControls();
        // The two charts no table registers are fed all the same.
        cvnRegisterDefaultControl("rb_ecgchart", &CVNQECGChart::createCVNQECGChart);
        cvnRegisterDefaultControl("rb_icdchart", &CVNQICDChart::createCVNQICDChart);
        cvnRegisterDefaultControl("rb_plain", &createRbPlain);
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
        EXPECT_TRUE(TestUtil::writeFile(dir.path(), name, bytes));
        QWidget host;
        // A menu, when one is built, belongs to the host.
        EXPECT_NO_THROW(cvnCreatePageByFileName(&host, dir.filePath(name)));
        EXPECT_NO_THROW(cvnCreateMenuByFileName(&host, dir.filePath(name)));
        return builtLines(&host);
    };
    ReadRecord record(load(kPage));
    for (const std::string& text : typeSwaps(kPage))
        record.add(load(QByteArray::fromStdString(text)));
    for (const QByteArray& bytes : truncationsAndNoise(kPage))
        record.add(load(bytes));
    record.expectMatches(QStringLiteral("read-pages"));

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
        bool read = false;
        EXPECT_NO_THROW(read = rm->readStyle(&package, jsonGet(root, "style")));
        Json::Value held(Json::arrayValue);
        rm->writeStyle(&package, held);
        QStringList lines = TestUtil::flattenedJson(held);
        lines << QStringLiteral("read %1").arg(read);
        EXPECT_NO_THROW(rm->readStyle(&package, root));
        return lines;
    };
    Json::Value base;
    ASSERT_TRUE(jsonParse(std::string(kStyle), base));
    ReadRecord record(feed(base));
    for (const std::string& text : typeSwaps(kStyle)) {
        Json::Value root;
        ASSERT_TRUE(jsonParse(text, root));
        record.add(feed(root));
    }
    for (const QByteArray& bytes : truncationsAndNoise(kStyle)) {
        Json::Value root;
        jsonParse(bytes, root);
        record.add(feed(root));
    }
    record.expectMatches(QStringLiteral("read-styles"));
}

TEST_F(ReaderRobustnessTest, ThemeFoldersArchivesAndSkins)
{
    ASSERT_TRUE(dir.isValid());
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    int index = 0;
    QStringList held; // what a label built after the last load writes
    auto loadFolder = [&](const QByteArray& style, const QByteArray& theme) -> bool {
        const QString sub = QStringLiteral("t%1").arg(index++);
        EXPECT_TRUE(TestUtil::writeFile(dir.path(), sub + "/style.json", style));
        EXPECT_TRUE(TestUtil::writeFile(dir.path(), sub + "/theme.json", theme));
        bool ok = false;
        EXPECT_NO_THROW(ok = rm->loadThemeDir(dir.filePath(sub)));
        // Every control built now applies the (possibly malformed) entry.
        std::unique_ptr<QWidget> label(createControl("qtlabel", Json::Value(Json::objectValue), nullptr));
        held = writtenLines(label.get());
        held << QStringLiteral("loaded %1").arg(ok);
        return ok;
    };
    loadFolder(kStyle, kTheme);
    ReadRecord record(held);
    // Wrongly typed theme entries still load (the style file is good).
    std::vector<std::string> themes = typeSwaps(kTheme, 150);
    for (size_t i = 0; i < themes.size(); i += 3) {
        EXPECT_TRUE(loadFolder(kStyle, QByteArray::fromStdString(themes[i])));
        record.add(held);
    }
    std::vector<std::string> styles = typeSwaps(kStyle, 150);
    for (size_t i = 0; i < styles.size(); i += 3) {
        loadFolder(QByteArray::fromStdString(styles[i]), kTheme);
        record.add(held);
    }
    record.expectMatches(QStringLiteral("read-themes"));
    // A theme file that does not parse only loses the entries.
    for (const QByteArray& bytes : truncationsAndNoise(kTheme, 9, 12))
        EXPECT_TRUE(loadFolder(kStyle, bytes));
    // A style file that does not parse fails the load.
    for (const QByteArray& bytes : truncationsAndNoise(kStyle, 25, 8)) {
        Json::Value root;
        if (!jsonParse(bytes.left(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0')), root)) {
            EXPECT_FALSE(loadFolder(bytes, kTheme));
        }
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
        if (bytes.size() < archive.size() && archive.startsWith(bytes)) {
            EXPECT_FALSE(ok);
        }
        EXPECT_NO_THROW(ok = rm->loadSkinFile(bytes.constData(), bytes.size()));
        if (bytes.size() < archive.size() && archive.startsWith(bytes)) {
            EXPECT_FALSE(ok);
        }
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
        if (cutEarly) {
            EXPECT_EQ(zip, nullptr);
        }
        if (!zip)
            continue;
        QList<ZipFileData> files;
        bool complete = false;
        EXPECT_NO_THROW(complete = cvnZipReadAll(zip, files));
        if (bytes.size() < archive.size() && archive.startsWith(bytes)) {
            EXPECT_FALSE(complete && files.size() == 2) << "truncated to " << bytes.size();
        }
        ZipEntry entry;
        const int count = cvnZipEntryCount(zip);
        for (int i = -1; i <= count; ++i)
            cvnZipGetEntry(zip, i, entry);
        cvnZipCloseReader(zip);
    }
}

TEST_F(ReaderRobustnessTest, LanguageFiles)
{
    // The skin's "language.txt" (UTF-16 code units, CR LF lines, TAB fields)
    // cut anywhere, and random bytes. A cut keeps the header whole or loses
    // it, so the first skin language stays "en" for the tests that follow.
    CVNQResourceManager* rm = CVNQResourceManager::getInstance();
    const QString table = QStringLiteral("Language\ten\tzh\r\nk\tv\tv2\r\nn\tw\r\n\r\nx");
    const QByteArray skin(reinterpret_cast<const char*>(table.utf16()), table.size() * 2);
    // What the skin table and the language manager answer after a read.
    auto skinHeld = [&](bool read) {
        return QStringList{QStringLiteral("read %1").arg(read), rm->getLanguageList().join(QLatin1Char(',')),
                           rm->getCurrentLanguage(), rm->getString(QStringLiteral("k")),
                           rm->getString(QStringLiteral("n"))};
    };
    ReadRecord skins(skinHeld(rm->readLanguage(skin)));
    for (int n = 0; n <= skin.size(); ++n) {
        bool read = false;
        EXPECT_NO_THROW(read = rm->readLanguage(skin.left(n)));
        skins.add(skinHeld(read));
    }
    skins.expectMatches(QStringLiteral("read-skin-languages"));
    std::mt19937 rng(777);
    for (int i = 0; i < 40; ++i) {
        QByteArray noise(int(rng() % 200), '\0');
        for (char& c : noise)
            c = char(rng() & 0xFF);
        EXPECT_FALSE(rm->readLanguage(noise));
    }

    LanguageManager* lm = LanguageManager::instance();
    auto held = [&](bool ok, const QString& error) {
        QStringList out{QStringLiteral("loaded %1 %2").arg(ok).arg(error), lm->languages().join(QLatin1Char(',')),
                        lm->defaultLanguage(), lm->currentLanguage()};
        for (const QString& language : lm->languages())
            for (const char* key : {"k", "n"})
                out << language + QLatin1Char(' ') + key + QLatin1Char(' ') +
                           QString::number(lm->contains(QLatin1String(key), language));
        out << lm->text(QStringLiteral("k"), QStringLiteral("none")) << lm->text(QStringLiteral("n"));
        return out;
    };
    QString baseError;
    const bool baseOk = lm->loadFromJson(kLanguage, &baseError);
    ReadRecord record(held(baseOk, baseError));
    for (const std::string& text : typeSwaps(kLanguage)) {
        QString error;
        bool ok = false;
        EXPECT_NO_THROW(ok = lm->loadFromJson(QByteArray::fromStdString(text), &error));
        record.add(held(ok, error));
    }
    for (const QByteArray& bytes : truncationsAndNoise(kLanguage)) {
        Json::Value root;
        QString error;
        bool ok = true;
        EXPECT_NO_THROW(ok = lm->loadFromJson(bytes, &error));
        record.add(held(ok, error));
        if (bytes.isEmpty() || (bytes.size() < int(strlen(kLanguage)) && QByteArray(kLanguage).startsWith(bytes))) {
            EXPECT_FALSE(ok);
            EXPECT_FALSE(error.isEmpty());
        }
    }
    record.expectMatches(QStringLiteral("read-languages"));
}

// Every registered control type reads a node whose every key holds one wrong
// value, as its page node and as a theme entry, without throwing, and still
// writes and paints afterwards. One case per wrong value.
class EveryControlType : public ReaderRobustnessTest, public ::testing::WithParamInterface<MistypedValue>
{};

TEST_P(EveryControlType, ReadsMistypedNodes)
{
    QWidget host;
    std::set<std::string> keys = sourceKeys();
    ASSERT_GT(keys.size(), 50u) << "the toolkit's sources were not found";
    // One type name per class (aliases create the same classes).
    std::vector<std::string> types;
    std::set<std::string> classes;
    for (const std::string& type : registeredControlTypeNames()) {
        std::unique_ptr<QWidget> w(createControlByTypeName(type.c_str(), &host));
        ASSERT_TRUE(w) << type;
        if (!classes.insert(w->metaObject()->className()).second)
            continue;
        types.push_back(type);
        if (ICVNQWidgetBase* control = dynamic_cast<ICVNQWidgetBase*>(w.get())) {
            Json::Value written;
            control->serializeJsonValue(&written, false);
            collectKeys(written, keys);
            // A clone is a fresh control of the same type beside the original.
            w->move(7, 9);
            std::unique_ptr<QWidget> clone(control->getControlBase()->cloneWidget());
            ICVNQWidgetBase* copy = dynamic_cast<ICVNQWidgetBase*>(clone.get());
            if (!copy) { // only a type registered under a name not its own
                EXPECT_NE(control->getTypeName().toStdString(), type);
                continue;
            }
            EXPECT_STREQ(clone->metaObject()->className(), w->metaObject()->className());
            EXPECT_EQ(copy->getTypeName(), control->getTypeName());
            EXPECT_EQ(clone->parentWidget(), &host) << type;
            EXPECT_EQ(clone->pos(), QPoint(0, 0)) << type;
            Json::Value cloneWritten;
            copy->serializeJsonValue(&cloneWritten, false);
            EXPECT_TRUE(cloneWritten == written) << type;
        }
    }
    ASSERT_GT(types.size(), 10u);

    // Reads node as a page node and as a theme entry, then writes and paints.
    QStringList held; // per type, what it writes after reading the node as a page node
    auto exercise = [&](const std::string& type, Json::Value& node) {
        std::unique_ptr<QWidget> w(createControlByTypeName(type.c_str(), &host));
        ICVNQWidgetBase* control = dynamic_cast<ICVNQWidgetBase*>(w.get());
        if (!control)
            return;
        EXPECT_NO_THROW(control->readJsonValue(&node)) << type;
        if (type.rfind("t_", 0) != 0)
            held << QString::fromStdString(type) + QLatin1Char(' ') + writtenLines(w.get()).join(QLatin1Char('\n'));
        {
            CVNQThemeFlagGuard guard;
            CVNQResourceManager::getInstance()->setSwitchToThemeRes(true);
            EXPECT_NO_THROW(control->serializeJsonValue(&node, true)) << type;
        }
        Json::Value written;
        EXPECT_NO_THROW(control->serializeJsonValue(&written, false)) << type;
        // An OpenGL chart paints through a multisampled surface of its own
        // size; at the largest side a minimum size read from the node allows,
        // that costs seconds a chart and checks nothing more of the reading.
        if (qobject_cast<QOpenGLWidget*>(w.get()))
            w->setMinimumSize(0, 0);
        w->resize(60, 40);
        QImage image(60, 40, QImage::Format_ARGB32_Premultiplied);
        EXPECT_NO_THROW(w->render(&image)) << type;
    };
    const Json::Value given = mistypedNode(keys, GetParam());
    Json::Value node = given;
    for (const std::string& type : types)
        exercise(type, node);
    // The toolkit's types only: other cases of this binary register their own.
    held = held.filter(QRegularExpression(QStringLiteral("^[a-z]")));
    for (QString& line : held)
        line = line.section(QLatin1Char(' '), 0, 0) + QLatin1Char(' ') + QString::number(qHash(line));
    TestUtil::expectMatchesReferenceText(held.join(QLatin1Char('\n')),
                                         QLatin1String("read-mistyped-") + QLatin1String(GetParam().name));
    // Readers leave their node alone: theme entries are read in place.
    if (node == given)
        return;
    for (const std::string& type : types) {
        Json::Value copy = given;
        exercise(type, copy);
        EXPECT_TRUE(copy == given) << type << " changed the node it read";
    }
}

INSTANTIATE_TEST_SUITE_P(ReaderRobustness, EveryControlType, ::testing::ValuesIn(kMistypedValues));
