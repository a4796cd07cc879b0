#include "CVNJson.h"
#include "CVNQControl.h"
#include "CVNQControlFactory.h"
#include "CVNQResourceLocator.h"
#include "CVNQResourceManager.h"
#include "CVNQResourceManagerImpl.h"
#include "CVNQWidgetBaseImpl.h"
#include "CVNQZip.h"
#include "CVNQtLib.h"
#include "LanguageManager.h"
#include "TestUtil.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace CVNQtLib;

namespace {

CVNQResourceManager* rm()
{
    return CVNQResourceManager::getInstance();
}

// A control that records what reaches it: theme entries fed through its
// JSON routine, the fill style it resolved meanwhile, language changes.
class ProbeImpl : public CVNQWidgetBaseImpl
{
public:
    ProbeImpl(QWidget* owner, const QString& type)
        : CVNQWidgetBaseImpl(owner, type)
    {}
    bool serializeJsonValue(Json::Value** node, bool read) override
    {
        const bool ok = CVNQWidgetBaseImpl::serializeJsonValue(node, read);
        if (read && node && *node) {
            ++themeReads;
            QString style;
            if (jsonRead(**node, "probeStyle", style)) {
                FillStyle s;
                if (CVNQResourceManager::getInstance()->getFillStyle(style, s))
                    resolved = s.fill.clr;
            }
        }
        return ok;
    }
    void notifyChangeLanguage() override { ++languageChanges; }
    int themeReads = 0;
    int languageChanges = 0;
    QColor resolved;
};

} // namespace

class ResProbe : public QWidget, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(ResProbe, ProbeImpl)
public:
    explicit ResProbe(QWidget* parent = nullptr)
        : QWidget(parent)
    {
        m_impl.reset(new ProbeImpl(this, QString::fromLatin1(typeName())));
        m_impl->applyTheme();
    }
    ProbeImpl* probe() { return m_impl.get(); }
};
CVNQ_IMPLEMENT_CONTROL(ResProbe, ProbeImpl, "resprobe")

namespace {

QByteArray pngBytes(int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

const char kSvg[] =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="20" height="10"><rect width="20" height="10" fill="red"/></svg>)";

QByteArray styleJson(const char* fillName, const char* colour)
{
    return QByteArray(R"({"style": [{"type": 1, "name": ")") + fillName + R"(", "drawImg": false, "clr": ")" + colour +
           R"("}, {"type": 2, "name": "t_)" + fillName + R"(", "size": 15}]})";
}

QByteArray themeJson(const char* probeStyle)
{
    return QByteArray(R"({"elements": [{"child": [
        {"name": "resprobe", "probeStyle": ")") +
           probeStyle + R"("},
        {"name": "resprobe", "probeStyle": "second"},
        {"name": "Other"}, {"noname": 1}, 5]}]})";
}

bool writeZip(const QString& path, const QList<QPair<QByteArray, QByteArray>>& entries)
{
    ZipArchive* zip = cvnZipCreateFile(QFile::encodeName(path).constData());
    if (!zip)
        return false;
    bool ok = true;
    for (const auto& e : entries)
        ok = ok && cvnZipAddMemory(zip, e.first.constData(), e.second.constData(), quint32(e.second.size())) == ZipOk;
    return cvnZipCloseWriter(zip) == ZipOk && ok;
}

QByteArray utf16le(const QString& text)
{
    QByteArray out;
    for (QChar c : text) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

// Runs with the theme-applying flag set, as theme application does.
template <class F>
auto inTheme(F f)
{
    rm()->setSwitchToThemeRes(true);
    auto r = f();
    rm()->setSwitchToThemeRes(false);
    return r;
}

} // namespace

TEST(ResourceManager, ThemeFolderGivesStylesEntriesAndFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "style.json", styleJson("tf_only", "ff102030")));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme.json", themeJson("tf_only")));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "images/Logo.PNG", pngBytes(4, 3, Qt::red)));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "Theme-Notes.TXT", "hello"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "tmpTheme.zip", "skip me"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "sub/deep.txt", "ignored"));
    ASSERT_TRUE(rm()->loadThemeDir(dir.path()));
    EXPECT_EQ(rm()->getThemePath(), dir.path());

    // Styles of the theme are seen only while a theme is applied.
    FillStyle f;
    EXPECT_FALSE(rm()->getFillStyle("tf_only", f));
    EXPECT_TRUE(inTheme([&] { return rm()->getFillStyle("tf_only", f); }));
    EXPECT_EQ(f.fill.clr, QColor(0x10, 0x20, 0x30));
    TextStyleDesc t;
    EXPECT_TRUE(inTheme([&] { return rm()->getTextStyle("t_tf_only", t); }));
    EXPECT_EQ(t.size, 15);

    // First node of a name wins; other names and malformed nodes are harmless.
    Json::Value* entry = rm()->getThemeJsonValue("resprobe");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(jsonString(*entry, "probeStyle"), QStringLiteral("tf_only"));
    EXPECT_NE(rm()->getThemeJsonValue("Other"), nullptr);
    EXPECT_EQ(rm()->getThemeJsonValue("other"), nullptr);
    EXPECT_EQ(rm()->getThemeJsonValue(nullptr), nullptr);

    // A control built now gets its entry, with theme styles resolved.
    ResProbe probe;
    EXPECT_EQ(probe.probe()->themeReads, 1);
    EXPECT_EQ(probe.probe()->resolved, QColor(0x10, 0x20, 0x30));
    EXPECT_FALSE(rm()->isLoadFromThemeRes());

    const char* data = nullptr;
    unsigned size = 0;
    ResSourceType type = ResSourceDefault;
    EXPECT_TRUE(rm()->getResource("IMAGES\\logo.png", data, size, type));
    EXPECT_EQ(type, ResSourceTheme);
    EXPECT_TRUE(rm()->getResource("theme-notes.txt", data, size, type));
    EXPECT_EQ(QByteArray(data, int(size)), QByteArray("hello"));
    EXPECT_FALSE(rm()->getResource("tmptheme.zip", data, size, type));
    EXPECT_FALSE(rm()->getResource("sub/deep.txt", data, size, type));

    // The same package through every loader that takes one: each package
    // holds its styles, its files and the theme.json read on its own (indexed
    // for a theme, not for a project).
    Json::Value themeRoot;
    ASSERT_TRUE(jsonParse(themeJson("tf_only").toStdString(), themeRoot));
    auto holdsThePackage = [&](const CVNQResourceManagerImpl* package, int entries, const char* loader) {
        ASSERT_NE(package, nullptr) << loader;
        EXPECT_NE(package->findFillStyle("tf_only"), nullptr) << loader;
        EXPECT_NE(package->file("images/logo.png"), nullptr) << loader;
        EXPECT_EQ(package->themeRoot(), themeRoot) << loader;
        EXPECT_EQ(package->themeElementCount(), entries) << loader;
    };
    holdsThePackage(rm()->getThemeManagerIml(), 2, "theme folder");
    QTemporaryDir other;
    const QString zip = other.filePath("theme.zip");
    ASSERT_TRUE(writeZip(zip, {{"style.json", styleJson("tf_only", "ff102030")},
                               {"theme.json", themeJson("tf_only")},
                               {"images/Logo.PNG", pngBytes(4, 3, Qt::red)}}));
    ASSERT_TRUE(rm()->loadThemeFile(zip));
    holdsThePackage(rm()->getThemeManagerIml(), 2, "theme archive");
    ASSERT_TRUE(rm()->setProjectDirPath(dir.path()));
    holdsThePackage(rm()->getProjectManagerImpl(), 0, "project folder");
}

TEST(ResourceManager, FailedThemeFolderKeepsThePreviousTheme)
{
    QTemporaryDir good, noStyle, badStyle, notObject;
    ASSERT_TRUE(TestUtil::writeFile(good.path(), "style.json", styleJson("keep_me", "ff010203")));
    ASSERT_TRUE(TestUtil::writeFile(good.path(), "theme.json", themeJson("keep_me")));
    ASSERT_TRUE(TestUtil::writeFile(noStyle.path(), "theme.json", themeJson("x")));
    ASSERT_TRUE(TestUtil::writeFile(badStyle.path(), "style.json", "{\"style\": [ {\"type\": 1,"));
    ASSERT_TRUE(TestUtil::writeFile(notObject.path(), "style.json", "null"));
    ASSERT_TRUE(rm()->loadThemeDir(good.path()));

    EXPECT_FALSE(rm()->loadThemeDir(noStyle.path()));
    EXPECT_FALSE(rm()->loadThemeDir(badStyle.path()));
    EXPECT_FALSE(rm()->loadThemeDir(notObject.path()));
    EXPECT_FALSE(rm()->loadThemeDir(good.path() + "/missing"));
    EXPECT_FALSE(rm()->loadThemeDir(QString()));

    EXPECT_EQ(rm()->getThemePath(), good.path());
    EXPECT_NE(rm()->getThemeJsonValue("resprobe"), nullptr);
    FillStyle f;
    EXPECT_TRUE(inTheme([&] { return rm()->getFillStyle("keep_me", f); }));

    // Same path again: true without reading the folder again.
    ASSERT_TRUE(TestUtil::writeFile(good.path(), "style.json", styleJson("changed", "ff000000")));
    EXPECT_TRUE(rm()->loadThemeDir(good.path()));
    EXPECT_TRUE(inTheme([&] { return rm()->getFillStyle("keep_me", f); }));

    // A path whose last load failed is read again once it is fixed.
    ASSERT_TRUE(TestUtil::writeFile(noStyle.path(), "style.json", styleJson("fixed", "ff0a0b0c")));
    EXPECT_TRUE(rm()->loadThemeDir(noStyle.path()));
    EXPECT_TRUE(inTheme([&] { return rm()->getFillStyle("fixed", f); }));
    EXPECT_FALSE(inTheme([&] { return rm()->getFillStyle("keep_me", f); }));
}

TEST(ResourceManager, MalformedThemeFilesLoadWithoutEntriesAndNeverAbort)
{
    const char* themes[] = {"{\"elements\": {}}",
                            "{\"elements\": [5]}",
                            "{\"elements\": [{\"child\": \"x\"}]}",
                            "{\"elements\": [{\"child\": [{\"name\": 5}, null, []]}]}",
                            "[1, 2",
                            "\0\0",
                            "{\"elements\": []}"};
    for (const char* theme : themes) {
        QTemporaryDir dir;
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "style.json", R"({"style": 5})"));
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme.json", QByteArray(theme)));
        EXPECT_TRUE(rm()->loadThemeDir(dir.path())) << theme;
        EXPECT_EQ(rm()->getThemeJsonValue("resprobe"), nullptr) << theme;
        ResProbe probe; // no entry: nothing applied
        EXPECT_EQ(probe.probe()->themeReads, 0);
    }
    // Text after a NUL byte is not part of the file.
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "style.json", QByteArray(R"({"style": []})") + '\0' + "garbage"));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme.json", themeJson("x") + '\0' + "{{{"));
    EXPECT_TRUE(rm()->loadThemeDir(dir.path()));
    EXPECT_NE(rm()->getThemeJsonValue("resprobe"), nullptr);
}

TEST(ResourceManager, NonAsciiThemePathsLoad)
{
    QTemporaryDir root;
    const QString folder = root.path() + QString::fromUtf8("/主题 ü");
    ASSERT_TRUE(TestUtil::writeFile(folder, "style.json", styleJson("utf_folder", "ff000000")));
    ASSERT_TRUE(rm()->loadThemeDir(folder));
    FillStyle f;
    EXPECT_TRUE(inTheme([&] { return rm()->getFillStyle("utf_folder", f); }));
    const QString zip = root.path() + QString::fromUtf8("/皮肤.zip");
    ASSERT_TRUE(writeZip(zip, {{"style.json", styleJson("utf_zip", "ff000000")}}));
    ASSERT_TRUE(rm()->loadThemeFile(zip));
    EXPECT_TRUE(inTheme([&] { return rm()->getFillStyle("utf_zip", f); }));
}

TEST(ResourceManager, ThemeFolderIsOnePackageHoweverSpelledAndKeepsNonAsciiFileNames)
{
    QTemporaryDir root;
    const QString folder = root.path() + QString::fromUtf8("/主题 ü");
    ASSERT_TRUE(TestUtil::writeFile(folder, "style.json", styleJson("spelled_once", "ff000000")));
    ASSERT_TRUE(TestUtil::writeFile(folder, QString::fromUtf8("images/图标.PNG"), pngBytes(3, 2, Qt::red)));
    ASSERT_TRUE(TestUtil::writeFile(folder, QString::fromUtf8("页面.json"), R"({"w": 12, "elements": []})"));
    ASSERT_TRUE(QFile::link(folder, root.path() + "/link"));
    ASSERT_TRUE(rm()->loadThemeDir(folder));

    // Files named in any script are found by the name they have, in any
    // ASCII letter case and with either separator.
    const char* data = nullptr;
    unsigned size = 0;
    ResSourceType type = ResSourceDefault;
    EXPECT_TRUE(rm()->getResource(QString::fromUtf8("IMAGES\\图标.png"), data, size, type));
    EXPECT_EQ(type, ResSourceTheme);
    QImage* image = rm()->getImage(QString::fromUtf8("images/图标.png"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), QSize(3, 2));
    Json::Value page;
    ASSERT_TRUE(cvnReadPageFile(QString::fromUtf8("页面"), page));
    EXPECT_EQ(jsonInt(page, "w"), 12);

    // Other spellings of the loaded folder are the loaded theme: not read again.
    ASSERT_TRUE(TestUtil::writeFile(folder, "style.json", styleJson("read_again", "ff000000")));
    FillStyle f;
    for (const QString& spelling :
         {folder + "/", root.path() + QString::fromUtf8("/./主题 ü/../主题 ü"), root.path() + "/link"}) {
        EXPECT_TRUE(rm()->loadThemeDir(spelling)) << spelling.toStdString();
        EXPECT_FALSE(inTheme([&] { return rm()->getFillStyle("read_again", f); })) << spelling.toStdString();
    }
    EXPECT_EQ(rm()->getThemePath(), folder);
    EXPECT_FALSE(rm()->loadThemeDir(root.path() + "/missing"));
    EXPECT_TRUE(inTheme([&] { return rm()->getFillStyle("spelled_once", f); }));
}

// Only capitals and the backslash fold (other scripts' bytes stay); a name with every letter is found in either case.
TEST(ResourceManager, PackagePathsFoldEveryLetterAndSeparator)
{
    for (int b = 1; b < 256; ++b) {
        const char c = char(b), want = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c == '\\' ? '/' : c;
        EXPECT_EQ(CVNQResourceLocator::packageKey(QByteArray(1, c)), QByteArray(1, want)) << "byte " << b;
    }
    const QByteArray letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ@[`{0189-_ .~";
    QTemporaryDir dir;
    ASSERT_TRUE(writeZip(dir.filePath("letters.zip"), {{"style.json", styleJson("letters", "ff000000")},
                                                       {"Docs\\" + letters + ".TXT", "upper"},
                                                       {"docs/" + letters.toLower() + "2.txt", "lower"}}));
    ASSERT_TRUE(rm()->loadThemeFile(dir.filePath("letters.zip")));
    const char* data = nullptr;
    unsigned size = 0;
    ResSourceType type = ResSourceDefault;
    for (const auto& [path, text] : {std::pair<QByteArray, QByteArray>{"docs/" + letters.toLower() + ".txt", "upper"},
                                     {"DOCS\\" + letters + "2.Txt", "lower"}}) {
        ASSERT_TRUE(rm()->getResource(QString::fromLatin1(path), data, size, type)) << path.constData();
        EXPECT_EQ(QByteArray(data, int(size)), text);
    }
}

TEST(ResourceManager, ThemeArchiveLookupIsCaseAndSeparatorInsensitive)
{
    QTemporaryDir dir;
    const QString zip = dir.filePath("theme.zip");
    ASSERT_TRUE(writeZip(zip, {{"Style.JSON", styleJson("zip_only", "ff445566")},
                               {"theme.json", themeJson("zip_only")},
                               {"Images/Logo.PNG", pngBytes(5, 4, Qt::blue)},
                               {"images/icon.svg", kSvg}}));
    ASSERT_TRUE(rm()->loadThemeFile(zip));
    EXPECT_EQ(rm()->getThemePath(), zip);
    FillStyle f;
    EXPECT_TRUE(inTheme([&] { return rm()->getFillStyle("zip_only", f); }));
    EXPECT_NE(rm()->getThemeJsonValue("resprobe"), nullptr);

    QImage* a = rm()->getImage("images/logo.png");
    QImage* b = rm()->getImage("IMAGES\\LOGO.PNG");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b); // each spelling is cached under its own key
    EXPECT_EQ(a->size(), QSize(5, 4));
    EXPECT_EQ(rm()->getImage("images/logo.png"), a);
    EXPECT_EQ(rm()->getThemeManagerIml()->cachedImage("images/logo.png"), a);

    QSvgRenderer* svg = rm()->getSvgRenderer("images/icon.svg");
    ASSERT_NE(svg, nullptr);
    EXPECT_EQ(svg->defaultSize(), QSize(20, 10));
    EXPECT_EQ(rm()->getSvgRenderer("images/icon.svg"), svg);

    // Failures leave this theme in place.
    const QString nested = dir.filePath("nested.zip");
    ASSERT_TRUE(writeZip(nested, {{"sub/style.json", styleJson("n", "ff000000")}}));
    EXPECT_FALSE(rm()->loadThemeFile(nested));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "notzip.zip", "PK\x03\x04 not really a zip"));
    EXPECT_FALSE(rm()->loadThemeFile(dir.filePath("notzip.zip")));
    EXPECT_FALSE(rm()->loadThemeFile(dir.filePath("missing.zip")));
    EXPECT_EQ(rm()->getThemePath(), zip);
    EXPECT_EQ(rm()->getImage("images/logo.png"), a);

    // A truncated archive is refused as a whole.
    QFile full(zip);
    ASSERT_TRUE(full.open(QIODevice::ReadOnly));
    const QByteArray bytes = full.readAll();
    for (int cut : {bytes.size() / 3, bytes.size() - 10}) {
        ASSERT_TRUE(TestUtil::writeFile(dir.path(), "cut.zip", bytes.left(cut)));
        EXPECT_FALSE(rm()->loadThemeFile(dir.filePath("cut.zip")));
    }
    EXPECT_EQ(rm()->getThemePath(), zip);
}

TEST(ResourceManager, SkinArchiveNeedsItsOwnStyleFile)
{
    QTemporaryDir dir;
    const QString good = dir.filePath("skin.zip");
    ASSERT_TRUE(
        writeZip(good, {{"style.json", styleJson("skin_fill", "ff778899")},
                        {"language.txt", utf16le(QStringLiteral("Language\ten\tzh\r\nskin_key\tHello\t你好\r\n"))}}));
    const QString noStyle = dir.filePath("nostyle.zip");
    ASSERT_TRUE(writeZip(noStyle, {{"readme.txt", "x"}}));

    EXPECT_FALSE(rm()->loadSkinFile(dir.filePath("missing.zip")));
    ASSERT_TRUE(rm()->loadSkinFile(good));
    EXPECT_EQ(rm()->getFileSkinPath(), good);
    FillStyle f;
    EXPECT_TRUE(rm()->getFillStyle("skin_fill", f));
    EXPECT_EQ(f.fill.clr, QColor(0x77, 0x88, 0x99));
    EXPECT_EQ(rm()->getString("skin_key"), QStringLiteral("Hello"));
    EXPECT_TRUE(rm()->getString("no_such_skin_key").isEmpty());
    // The earlier skin's style file does not count for this one.
    EXPECT_FALSE(rm()->loadSkinFile(noStyle));

    QFile zf(good);
    ASSERT_TRUE(zf.open(QIODevice::ReadOnly));
    const QByteArray bytes = zf.readAll();
    EXPECT_FALSE(rm()->loadSkinFile(bytes.constData(), -1));
    EXPECT_FALSE(rm()->loadSkinFile(bytes.constData(), 0));
    EXPECT_FALSE(rm()->loadSkinFile(nullptr, bytes.size()));
    EXPECT_FALSE(rm()->loadSkinFile(bytes.constData(), bytes.size() / 2));
    EXPECT_TRUE(rm()->loadSkinFile(bytes.constData(), bytes.size()));

    // The same files as a skin folder read alike, the language table included.
    QTemporaryDir folder;
    ASSERT_TRUE(TestUtil::writeFile(folder.path(), "style.json", styleJson("skin_fill", "ff112233")));
    ASSERT_TRUE(TestUtil::writeFile(folder.path(), "language.txt",
                                    utf16le(QStringLiteral("Language\ten\tzh\r\nskin_key\tHi\t嗨\r\n"))));
    ASSERT_TRUE(rm()->setSkinDirPath(folder.path()));
    EXPECT_TRUE(rm()->getFillStyle("skin_fill", f));
    EXPECT_EQ(f.fill.clr, QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(rm()->getString("skin_key"), QStringLiteral("Hi"));
}

TEST(ResourceManager, SkinLanguageTableIsStrictAboutItsHeader)
{
    EXPECT_FALSE(rm()->readLanguage(utf16le(QStringLiteral("Language\ten"))));               // one line
    EXPECT_FALSE(rm()->readLanguage(utf16le(QStringLiteral("Lang\ten\r\nk\tv"))));           // wrong first field
    EXPECT_FALSE(rm()->readLanguage(utf16le(QStringLiteral("Language\r\nk\tv"))));           // no language
    EXPECT_FALSE(rm()->readLanguage(utf16le(QStringLiteral("\xFEFFLanguage\ten\r\nk\tv")))); // byte-order mark
    EXPECT_FALSE(rm()->readLanguage(QByteArray("L")));
    ASSERT_TRUE(
        rm()->readLanguage(utf16le(QStringLiteral("Language\ten\tde\r\nlt_a\tA\r\nshort\r\nlt_a\tA2\tA-de\r\n"))));
    // Without JSON languages the skin table is the language source.
    if (LanguageManager::instance()->languages().isEmpty()) {
        EXPECT_TRUE(rm()->getLanguageList().contains("de"));
        ASSERT_TRUE(rm()->setCurrentLanguage("en"));
        EXPECT_EQ(rm()->getString("lt_a"), QStringLiteral("A2")); // a later line replaces the text
        ASSERT_TRUE(rm()->setCurrentLanguage("de"));
        EXPECT_EQ(rm()->getCurrentLanguage(), QStringLiteral("de"));
        EXPECT_EQ(rm()->getString("lt_a"), QStringLiteral("A-de"));
        EXPECT_FALSE(rm()->setCurrentLanguage("fr"));
        rm()->setCurrentLanguage("en");
    }
}

TEST(ResourceManager, ImagesAreCachedOwnedAndNeverHandedOutUncached)
{
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "style.json", styleJson("img_theme", "ff000000")));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "images/pic.png", pngBytes(33, 20, Qt::green)));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "images/broken.png", "not a png"));
    ASSERT_TRUE(rm()->loadThemeDir(dir.path()));
    CVNQResourceManagerImpl* theme = rm()->getThemeManagerIml();

    QImage* plain = rm()->getImage("images/pic.png", false);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->size(), QSize(33, 20));
    QImage* gray = rm()->getImage("images/pic.png", true);
    ASSERT_NE(gray, nullptr);
    EXPECT_NE(gray, plain);
    EXPECT_EQ(theme->cachedImage("images/pic.png_gray"), gray);
    const QRgb g = gray->pixel(5, 5);
    EXPECT_EQ(qRed(g), qBlue(g)); // a disabled-mode copy has no hue left

    // Undecodable bytes and missing names give null and cache nothing.
    const int before = theme->cachedImageCount() + rm()->getDefaultManagerImpl()->cachedImageCount();
    EXPECT_EQ(rm()->getImage("images/broken.png"), nullptr);
    EXPECT_EQ(rm()->getImage("images/none.png"), nullptr);
    EXPECT_EQ(rm()->getImage(QString()), nullptr);
    EXPECT_EQ(theme->cachedImageCount() + rm()->getDefaultManagerImpl()->cachedImageCount(), before);

    // Scale factor 0.5: 33 x 20 becomes 16 x 10 (a fresh theme, fresh cache).
    const float oldScale = rm()->getScaleFactor();
    QTemporaryDir scaled;
    ASSERT_TRUE(TestUtil::writeFile(scaled.path(), "style.json", styleJson("s", "ff000000")));
    ASSERT_TRUE(TestUtil::writeFile(scaled.path(), "images/pic.png", pngBytes(33, 20, Qt::green)));
    ASSERT_TRUE(TestUtil::writeFile(scaled.path(), "images/dot.png", pngBytes(1, 1, Qt::green)));
    ASSERT_TRUE(rm()->loadThemeDir(scaled.path()));
    rm()->setScaleFactor(0.5f);
    QImage* half = rm()->getImage("images/pic.png");
    ASSERT_NE(half, nullptr);
    EXPECT_EQ(half->size(), QSize(16, 10));
    EXPECT_EQ(rm()->getImage("images/dot.png"), nullptr); // scaled to nothing: not handed out
    rm()->setScaleFactor(oldScale);

    // Invalid SVG content gives null and is not cached.
    ASSERT_TRUE(TestUtil::writeFile(scaled.path(), "bad.svg", "<svg><unclosed"));
    EXPECT_EQ(rm()->getSvgRenderer(scaled.filePath("bad.svg")), nullptr);
    EXPECT_EQ(rm()->getDefaultManagerImpl()->cachedSvg(scaled.filePath("bad.svg")), nullptr);
}

TEST(ResourceManager, FileRoadTriesSkinFolderThenNameThenSkinImages)
{
    QTemporaryDir skin, elsewhere;
    ASSERT_TRUE(TestUtil::writeFile(skin.path(), "style.json", styleJson("skin_dir_fill", "ff123456")));
    ASSERT_TRUE(TestUtil::writeFile(skin.path(), "top.png", pngBytes(2, 2, Qt::red)));
    ASSERT_TRUE(TestUtil::writeFile(skin.path(), "images/inner.png", pngBytes(3, 3, Qt::red)));
    ASSERT_TRUE(TestUtil::writeFile(elsewhere.path(), "abs.png", pngBytes(4, 4, Qt::red)));
    ASSERT_TRUE(rm()->setSkinDirPath(skin.path()));
    EXPECT_EQ(rm()->getSkinDirPath(), skin.path() + "/");
    FillStyle f;
    EXPECT_TRUE(rm()->getFillStyle("skin_dir_fill", f));

    ASSERT_NE(rm()->getImage("top.png"), nullptr);
    EXPECT_EQ(rm()->getImage("top.png")->size(), QSize(2, 2));
    ASSERT_NE(rm()->getImage("inner.png"), nullptr);
    EXPECT_EQ(rm()->getImage("inner.png")->size(), QSize(3, 3));
    ASSERT_NE(rm()->getImage(elsewhere.filePath("abs.png")), nullptr);

    QTemporaryDir empty;
    EXPECT_FALSE(rm()->setSkinDirPath(empty.path()));
    EXPECT_FALSE(rm()->setSkinDirPath(QString()));
}

// The four built-in marks, as check and radio boxes expect them: 16 x 16,
// transparent, a light gray 1-pixel pen inside (1, 1, 14, 14).
TEST(ResourceManager, BuiltInImagesAreTheCheckAndRadioMarks)
{
    rm()->initDefaultImageRes();
    const QColor ink(204, 204, 204);
    auto drawn = [&](bool round, bool marked) {
        QImage img(16, 16, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setPen(QPen(ink, 1));
        if (round) {
            p.setRenderHint(QPainter::Antialiasing);
            p.drawEllipse(QRect(1, 1, 14, 14));
            if (marked) {
                p.setBrush(ink);
                p.drawEllipse(QPointF(8, 8), 4, 4);
            }
        } else {
            p.drawRect(QRect(1, 1, 14, 14));
            if (marked) {
                p.setRenderHint(QPainter::Antialiasing);
                const QPoint tick[3] = {QPoint(4, 9), QPoint(8, 13), QPoint(14, 3)};
                p.drawPolyline(tick, 3);
            }
        }
        return img;
    };
    const struct
    {
        const char* name;
        bool round, marked;
    } marks[] = {{"IDB_UNSELECT", true, false},
                 {"IDB_SELECTED", true, true},
                 {"IDB_UNCHECK", false, false},
                 {"IDB_CHECKED", false, true}};
    for (const auto& m : marks) {
        const QImage* img = rm()->getImage(m.name);
        ASSERT_NE(img, nullptr) << m.name;
        EXPECT_EQ(img->format(), QImage::Format_ARGB32) << m.name;
        const QImage expected = drawn(m.round, m.marked);
        ASSERT_EQ(img->size(), expected.size()) << m.name;
        int differing = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb a = img->pixel(x, y), b = expected.pixel(x, y);
                if (qAbs(qAlpha(a) - qAlpha(b)) > 8 || qAbs(qRed(a) - qRed(b)) > 8)
                    ++differing;
            }
        EXPECT_EQ(differing, 0) << m.name;
    }
}

TEST(ResourceManager, ReleaseKeepsBuiltInImagesAndDropsTheRest)
{
    rm()->initDefaultImageRes();
    QImage* checked = rm()->getImage("IDB_CHECKED");
    ASSERT_NE(checked, nullptr);
    EXPECT_EQ(checked->size(), QSize(16, 16));
    EXPECT_EQ(checked->pixel(0, 0), qRgba(0, 0, 0, 0));
    EXPECT_EQ(QColor::fromRgba(checked->pixel(1, 8)).rgb(), QColor(204, 204, 204).rgb());
    ASSERT_NE(rm()->getImage("IDB_UNSELECT"), nullptr);

    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "loose.png", pngBytes(2, 2, Qt::red)));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "loose.svg", kSvg));
    ASSERT_NE(rm()->getImage(dir.filePath("loose.png")), nullptr);
    ASSERT_NE(rm()->getSvgRenderer(dir.filePath("loose.svg")), nullptr);
    FillStyle s;
    s.name = "released";
    rm()->setFillStyle("released", s);

    rm()->releaseRes();
    CVNQResourceManagerImpl* def = rm()->getDefaultManagerImpl();
    EXPECT_EQ(def->cachedImage("IDB_CHECKED"), checked);
    EXPECT_EQ(def->cachedImage(dir.filePath("loose.png")), nullptr);
    EXPECT_EQ(def->cachedSvgCount(), 0);
    EXPECT_FALSE(rm()->getFillStyle("released", s));
    EXPECT_EQ(rm()->getImage("IDB_CHECKED"), checked);
}

TEST(ResourceManager, GlobalConfigNormalisesFadeDuration)
{
    const CVNGlobalConfig old = rm()->getGlobalConfig();
    const QString appFamily = QApplication::font().family();
    CVNGlobalConfig c;
    c.buttonFadeDuration = 0;
    rm()->setGlobalConfig(c);
    EXPECT_EQ(rm()->getGlobalConfig().buttonFadeDuration, 150);
    c.buttonFadeDuration = -5;
    c.buttonFadeEnabled = true;
    rm()->setGlobalConfig(c);
    EXPECT_EQ(rm()->getButtonFadeDuration(), 150);
    EXPECT_TRUE(rm()->getButtonFadeEnabled());
    EXPECT_EQ(QApplication::font().family(), appFamily); // empty family: font untouched
    rm()->setGlobalFontFamily("Corvane Test Family");
    EXPECT_EQ(QApplication::font().family(), QStringLiteral("Corvane Test Family"));
    EXPECT_EQ(rm()->getButtonFadeDuration(), 150);
    QFont restore = QApplication::font();
    restore.setFamily(appFamily);
    QApplication::setFont(restore);
    rm()->setGlobalConfig(old);
}

TEST(ResourceManager, ThemeAndLanguageChangesReachRegisteredWindowsOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "style.json", styleJson("win_fill", "ff0000ff")));
    ASSERT_TRUE(TestUtil::writeFile(dir.path(), "theme.json", themeJson("win_fill")));
    ASSERT_TRUE(rm()->loadThemeDir(dir.path()));

    QWidget window, stray;
    QWidget* middle = new QWidget(&window);
    ResProbe* deep = new ResProbe(middle);
    ResProbe* strayProbe = new ResProbe(&stray);
    const int deepStart = deep->probe()->themeReads;
    const int strayStart = strayProbe->probe()->themeReads;

    EXPECT_FALSE(rm()->registerWindow(nullptr));
    EXPECT_TRUE(rm()->registerWindow(&window));
    EXPECT_TRUE(rm()->registerWindow(&window));
    EXPECT_TRUE(rm()->themeChange());
    EXPECT_EQ(deep->probe()->themeReads, deepStart + 1);
    EXPECT_EQ(strayProbe->probe()->themeReads, strayStart);
    EXPECT_EQ(deep->probe()->resolved, QColor(0, 0, 255));

    rm()->notifyChangeLanguage(&window);
    EXPECT_EQ(deep->probe()->languageChanges, 1);

    // A window destroyed without unregistering is simply skipped.
    {
        QWidget gone;
        rm()->registerWindow(&gone);
    }
    EXPECT_TRUE(rm()->themeChange());
    EXPECT_EQ(deep->probe()->themeReads, deepStart + 2);

    EXPECT_TRUE(rm()->unregisterWindow(&window));
    EXPECT_FALSE(rm()->unregisterWindow(&window));
    EXPECT_FALSE(rm()->unregisterWindow(nullptr));
    rm()->themeChange();
    EXPECT_EQ(deep->probe()->themeReads, deepStart + 2);

    EXPECT_TRUE(rm()->registerDesignerWindow(&window));
    rm()->themeChange();
    EXPECT_EQ(deep->probe()->themeReads, deepStart + 3);
    EXPECT_TRUE(rm()->unregisterDesignerWindow(&window));
}

TEST(ResourceManager, ProjectFolderStylesRoundTripThroughTheStyleText)
{
    // Before any project folder the text still holds "style", as null.
    Json::Value none;
    ASSERT_TRUE(jsonParse(rm()->toProjectStyleString().toStdString(), none));
    EXPECT_TRUE(none.isObject() && none.isMember("style") && none["style"].isNull());

    QTemporaryDir dir;
    ASSERT_TRUE(TestUtil::writeFile(
        dir.path(), "style.json",
        R"({"style": [{"type": 1, "name": "p_fill", "drawImg": false, "clr": "FF00FF00", "round": 4},
                       {"type": 2, "name": "p_text", "clr": "FF112233", "hor": 1, "ver": 1, "family": "Sans"}]})"));
    ASSERT_TRUE(rm()->setProjectDirPath(dir.path()));

    FillStyle f;
    EXPECT_FALSE(rm()->getFillStyle("p_fill", f)); // default package
    rm()->setSwitchToProjectRes(true);
    EXPECT_TRUE(rm()->getFillStyle("p_fill", f));
    FillStyle added;
    added.name = "p_added";
    rm()->setFillStyle("p_added", added);
    rm()->setSwitchToProjectRes(false);
    EXPECT_EQ(rm()->getFillStyles().size(), 2);

    Json::Value root;
    ASSERT_TRUE(jsonParse(rm()->toProjectStyleString().toStdString(), root));
    const Json::Value& styles = jsonGet(root, "style");
    ASSERT_EQ(jsonSize(styles), 3);
    EXPECT_EQ(jsonString(jsonAt(styles, 0), "name"), QStringLiteral("p_fill"));
    EXPECT_EQ(jsonInt(jsonAt(styles, 0), "round"), 4);
    EXPECT_EQ(jsonString(jsonAt(styles, 1), "name"), QStringLiteral("p_added"));
    EXPECT_EQ(jsonInt(jsonAt(styles, 2), "type"), 2);

    // The project accessors reach the project package, whatever the switch,
    // and the plain ones the default package.
    TextStyleDesc t;
    EXPECT_TRUE(cvnGetProjectFillStyle("p_fill", f));
    EXPECT_TRUE(cvnGetProjectTextStyle("p_text", t));
    EXPECT_FALSE(cvnGetTextStyle("p_text", t));
    cvnSetProjectFillStyle("p_fill2", added);
    cvnSetProjectTextStyle("p_text2", t);
    EXPECT_FALSE(cvnGetFillStyle("p_fill2", f) || cvnGetTextStyle("p_text2", t));
    EXPECT_TRUE(cvnGetProjectFillStyle("p_fill2", f) && cvnGetProjectTextStyle("p_text2", t));
    cvnSetTextStyle("d_text", t);
    EXPECT_TRUE(cvnGetTextStyle("d_text", t));
    EXPECT_FALSE(cvnGetProjectTextStyle("d_text", t));
    EXPECT_EQ(&cvnGetAllFillStyle(), &rm()->getFillStyles());
    EXPECT_EQ(&cvnGetAllTextStyle(), &rm()->getTextStyles());
    // With a project folder open, the whole lists are the project's.
    QStringList names;
    for (const TextStyleDesc& s : cvnGetAllTextStyle())
        names << s.name;
    EXPECT_EQ(names, QStringList({"p_text", "p_text2"})); // each under the name it was set by
}

#include "ResourceManagerTest.moc"
