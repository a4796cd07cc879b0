#include "CVNQControlFactory.h"

#include "CVNJson.h"
#include "CVNQControlInfo.h"
#include "CVNQLogging.h"
#include "CVNQResourceLocator.h"
#include "CVNQResourceManager.h"
#include "CVNQTypes.h"
#include "CVNQStartup.h"
#include "ICVNQLayoutContainer.h"
#include "ICVNQPageHost.h"
#include "ICVNQWidgetBase.h"

#include <QFile>
#include <QWidget>

#include <map>
#include <set>
#include <string>

namespace CVNQtLib {

namespace {

// The registries live until exit; function-local so that registrations from
// static initialisers of an application still find them constructed.
std::map<std::string, CVNControlCreateFunc>& createMap()
{
    static std::map<std::string, CVNControlCreateFunc> map;
    return map;
}

std::map<std::string, ControlInfo>& infoMap()
{
    static std::map<std::string, ControlInfo> map;
    return map;
}

std::set<std::string>& nameSet()
{
    static std::set<std::string> set;
    return set;
}

CVNControlCreateHook g_createHook = nullptr;
CVNQMenuBuilder g_menuBuilder = nullptr;

// Marks the resource manager as building from a file for the loader's whole
// run, whichever way it returns.
class CreatedByFileScope
{
public:
    CreatedByFileScope() { CVNQResourceManager::getInstance()->setCreatedByFile(true); }
    ~CreatedByFileScope() { CVNQResourceManager::getInstance()->setCreatedByFile(false); }
};

// The name the loaders look a page or menu file up by.
QString definitionName(QString fileName)
{
    if (!fileName.contains(QLatin1String(".json")))
        fileName += QLatin1String(".json");
    return fileName;
}

// The root object of a page or menu file's text (up to a NUL byte); false
// when that is empty or not a JSON object.
bool parseDefinition(QByteArray text, const QString& fileName, Json::Value& root)
{
    const int nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    if (text.isEmpty()) {
        qCWarning(lcPage) << fileName << "is empty";
        return false;
    }
    QString error;
    if (!jsonParse(text, root, &error)) {
        qCWarning(lcPage).noquote() << fileName << "does not parse:" << error.trimmed();
        return false;
    }
    if (!root.isObject()) {
        qCWarning(lcPage) << fileName << "holds no JSON object";
        return false;
    }
    return true;
}

// The root object of a page or menu file where the locator finds it; false
// when the file is missing, empty or not a JSON object.
bool readDefinitionRoot(const QString& fileName, Json::Value& root)
{
    QByteArray text;
    return CVNQResourceLocator(*CVNQResourceManager::getInstance()).definitionText(definitionName(fileName), text) &&
           parseDefinition(text, fileName, root);
}

ICVNQWidgetBase* asControl(QWidget* w)
{
    return w ? dynamic_cast<ICVNQWidgetBase*>(w) : nullptr;
}

} // namespace

void cvnRegisterQtControl(const char* typeName, CVNControlCreateFunc create, ControlInfo info, bool withName)
{
    if (!typeName || !create)
        return;
    createMap()[typeName] = create;
    infoMap()[typeName] = std::move(info);
    if (withName)
        nameSet().insert(typeName);
}

void cvnRegisterDefaultControl(const char* typeName, CVNControlCreateFunc create)
{
    if (!typeName || !create)
        return;
    createMap()[typeName] = create;
}

void cvnRegisterControlTypes(std::initializer_list<CVNQControlType> rows)
{
    for (const CVNQControlType& row : rows) {
        if (row.props)
            cvnRegisterQtControl(row.typeName, row.create, row.props(), row.withName);
        else
            cvnRegisterDefaultControl(row.typeName, row.create);
    }
}

std::vector<std::string> registeredControlTypeNames()
{
    std::vector<std::string> names;
    names.reserve(createMap().size());
    for (const auto& entry : createMap())
        names.push_back(entry.first);
    return names;
}

void cvnBindControlCreateFunction(CVNControlCreateHook hook)
{
    g_createHook = hook;
}

ControlInfo* cvnGetControlInfo(const QString& typeName)
{
    auto it = infoMap().find(typeName.toStdString());
    return it == infoMap().end() ? nullptr : &it->second;
}

QVector<ControlInfo*> cvnGetAllControlInfo()
{
    QVector<ControlInfo*> all;
    all.reserve(int(infoMap().size()));
    for (auto& entry : infoMap())
        all.append(&entry.second);
    return all;
}

QWidget* createControl(const char* typeName, const Json::Value& node, QWidget* parent)
{
    if (!typeName)
        return nullptr;
    QWidget* widget = nullptr;
    if (g_createHook)
        widget = g_createHook(jsonString(node, "name"), QString::fromUtf8(typeName));
    if (!widget) {
        auto it = createMap().find(typeName);
        if (it != createMap().end())
            widget = it->second();
        else
            qCWarning(lcFactory) << "unknown control type" << typeName;
    }
    if (!widget)
        return nullptr;
    // Re-parenting to the same parent would hide a widget the hook showed.
    if (widget->parentWidget() != parent)
        widget->setParent(parent);
    if (ICVNQWidgetBase* control = asControl(widget)) {
        // A control constructor may have left the theme flag set if a theme
        // entry misbehaved; the node must be read as the page's own data.
        CVNQResourceManager::getInstance()->setSwitchToThemeRes(false);
        if (!node.isNull())
            control->readJsonValue(const_cast<Json::Value*>(&node));
    }
    return widget;
}

namespace {

QWidget* buildControlTree(const Json::Value& node, QWidget* parent, const CVNControlBuiltFunc& built)
{
    const Json::Value& type = jsonGet(node, "type");
    if (!type.isString())
        return nullptr;
    const std::string typeName = type.asString();
    QWidget* control = createControl(typeName.c_str(), node, parent);
    if (!control)
        return nullptr;
    if (built)
        built(control, node);
    const Json::Value& children = jsonGet(node, "child");
    const int count = jsonSize(children);
    for (int i = 0; i < count; ++i)
        buildControlTree(jsonAt(children, i), control, built);
    // Children first: a scroll view adopts its first container child here.
    if (ICVNQWidgetBase* base = asControl(control))
        base->createComplete();
    return control;
}

} // namespace

QWidget* createControlTree(const Json::Value& node, QWidget* parent)
{
    return buildControlTree(node, parent, CVNControlBuiltFunc());
}

QWidget* createControlByTypeName(const char* typeName, QWidget* parent)
{
    if (!typeName)
        return nullptr;
    auto it = createMap().find(typeName);
    if (it == createMap().end())
        return nullptr;
    QWidget* widget = it->second();
    if (widget && widget->parentWidget() != parent)
        widget->setParent(parent);
    return widget;
}

void cvnSetMenuBuilder(CVNQMenuBuilder builder)
{
    g_menuBuilder = builder;
}

PageWindowKeys PageWindowKeys::fromJson(const Json::Value& root)
{
    PageWindowKeys k;
    k.hasW = jsonRead(root, "w", k.w);
    k.hasH = jsonRead(root, "h", k.h);
    k.hasTrans = jsonRead(root, "trans", k.trans);
    k.hasDrag = jsonRead(root, "drag", k.drag);
    k.hasResize = jsonRead(root, "resize", k.resize);
    k.hasMinH = jsonRead(root, "minH", k.minH);
    k.hasMinW = jsonRead(root, "minW", k.minW);
    for (int* side : {&k.w, &k.h, &k.minW, &k.minH})
        *side = cvnBoundedSide(*side);
    k.hasOnlyDragCaption = jsonRead(root, "onlyDragCaption", k.onlyDragCaption);
    return k;
}

namespace {

// The host's setters behind the page-host interface, the widget's own for
// size and flags.
struct PageHostRef
{
    QWidget* widget;
    ICVNQPageHost* host;
    void resize(int w, int h) { widget->resize(w, h); }
    int width() const { return widget->width(); }
    int height() const { return widget->height(); }
    void setWindowFlag(Qt::WindowType flag, bool on) { widget->setWindowFlag(flag, on); }
    void setAttribute(Qt::WidgetAttribute attribute, bool on) { widget->setAttribute(attribute, on); }
    void setCanDrag(bool v) { host->setCanDrag(v); }
    void setResizeable(bool v) { host->setResizeable(v); }
    void setMinHeight(int v) { host->setMinHeight(v); }
    void setMinWidth(int v) { host->setMinWidth(v); }
    void setOnlyDragCaption(bool v) { host->setOnlyDragCaption(v); }
};

} // namespace

void applyPageWindowKeys(QWidget* host, const PageWindowKeys& keys)
{
    if (ICVNQPageHost* pageHost = dynamic_cast<ICVNQPageHost*>(host)) {
        PageHostRef ref{host, pageHost};
        applyPageWindowKeysTo(&ref, keys);
    }
}

bool cvnReadPageFile(const QString& fileName, Json::Value& root)
{
    return readDefinitionRoot(fileName, root);
}

CVNQPageFileSource cvnFindPageFile(const QString& fileName)
{
    CVNQPageFileSource found;
    const CVNQResourceLocator locator(*CVNQResourceManager::getInstance());
    if (locator.definitionSource(definitionName(fileName), found.file))
        found.kind = CVNQPageFileSource::Package;
    else if (!found.file.isEmpty())
        found.kind = CVNQPageFileSource::Disk;
    return found;
}

bool cvnReadPageFileAt(const QString& file, Json::Value& root)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        qCWarning(lcPage) << "cannot read" << file << ":" << f.errorString();
        return false;
    }
    return parseDefinition(f.readAll(), file, root);
}

CVNQContainer* cvnCreatePageByFileName(QWidget* host, QString fileName)
{
    Json::Value root;
    if (!readDefinitionRoot(fileName, root))
        return nullptr;
    return cvnCreatePageFromJson(host, root);
}

CVNQContainer* cvnCreatePageFromJson(QWidget* host, const Json::Value& root, const CVNControlBuiltFunc& built)
{
    CreatedByFileScope scope;
    if (host)
        applyPageWindowKeys(host, PageWindowKeys::fromJson(root));

    // The sub-window, the frameless window and any other host all take the
    // elements as direct children.
    const Json::Value& elements = jsonGet(root, "elements");
    const int count = jsonSize(elements);
    QWidget* last = nullptr;
    for (int i = 0; i < count; ++i) {
        last = buildControlTree(jsonAt(elements, i), host, built);
        if (ICVNQWidgetBase* control = asControl(last))
            control->resizeWidget();
    }
    // Only a real container is handed back as one.
    ICVNQLayoutContainer* container = dynamic_cast<ICVNQLayoutContainer*>(last);
    return container ? container->asContainer() : nullptr;
}

CVNQMenu* cvnCreateMenuByFileName(QWidget* parent, QString fileName)
{
    CreatedByFileScope scope;
    Json::Value root;
    if (!readDefinitionRoot(fileName, root))
        return nullptr;
    return g_menuBuilder ? g_menuBuilder(parent, root) : nullptr;
}

} // namespace CVNQtLib
