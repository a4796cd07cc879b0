// Reading a ribbon configuration into CVNQRibbonBar.

#include "CVNQRibbonBar.h"
#include "CVNQOutlives.h"
#include "CVNJson.h"

#include "CVNQCheckBox.h"
#include "CVNQComboBox.h"
#include "CVNQContainer.h"
#include "CVNQLabel.h"
#include "CVNQLineEdit.h"
#include "CVNQLogging.h"
#include "CVNQProgressBar.h"
#include "CVNQRadioButton.h"
#include "CVNQRibbonButton.h"
#include "CVNQRibbonContextGroup.h"
#include "CVNQRibbonFocus.h"
#include "CVNQRibbonGallery.h"
#include "CVNQRibbonGroup.h"
#include "CVNQRibbonMenu.h"
#include "CVNQRibbonPage.h"
#include "CVNQRibbonWords.h"
#include "CVNQSpinBox.h"
#include "CVNQSwitch.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>

namespace CVNQtLib {

namespace {

// Typed readers: a key of another JSON type counts as absent.
bool cfgBool(const Json::Value& o, const char* key, bool def)
{
    const Json::Value& v = jsonGet(o, key);
    return v.isBool() ? jsonToBool(v) : def;
}

// Any integral number in the int range.
int cfgInt(const Json::Value& o, const char* key, int def)
{
    const Json::Value& v = jsonGet(o, key);
    return v.isInt() ? jsonToInt(v) : def;
}

QString cfgString(const Json::Value& o, const char* key, const QString& def = QString())
{
    return jsonString(o, key, def);
}

// The objects of an array; any other element is reported and skipped.
template <class F>
void forEachObject(const Json::Value& array, const char* what, F f)
{
    const int n = jsonSize(array);
    for (int i = 0; i < n; ++i) {
        const Json::Value& element = jsonAt(array, i);
        if (element.isObject())
            f(element);
        else
            qCWarning(lcRibbon) << "Skipped" << what << i << "of the ribbon configuration: not an object";
    }
}

// The text of a combo box item: strings, numbers and booleans.
bool comboItemText(const Json::Value& v, QString& text)
{
    if (v.isString()) {
        text = jsonToQString(v);
        return true;
    }
    if (v.isBool()) {
        text = QLatin1String(jsonToBool(v) ? "true" : "false");
        return true;
    }
    if (jsonIsNumber(v)) {
        text = QString::number(jsonToDouble(v), 'g', 15);
        return true;
    }
    return false;
}

QWidget* createControl(const QString& control, const Json::Value& node, QWidget* parent)
{
    if (control == QLatin1String("comboBox")) {
        auto* combo = new CVNQComboBox(parent);
        const Json::Value& items = jsonGet(node, "items");
        for (int i = 0; i < jsonSize(items); ++i) {
            QString text;
            if (comboItemText(jsonAt(items, i), text))
                combo->insertItem(combo->count(), text);
            else
                qCWarning(lcRibbon) << "Skipped combo box item" << i << "of the ribbon configuration: not a text";
        }
        combo->setCurrentIndex(cfgInt(node, "currentIndex", 0));
        return combo;
    }
    if (control == QLatin1String("lineEdit")) {
        auto* edit = new CVNQLineEdit(parent);
        edit->setText(cfgString(node, "text"));
        edit->setPlaceholderText(cfgString(node, "placeholder"));
        return edit;
    }
    if (control == QLatin1String("spinBox")) {
        auto* spin = new CVNQSpinBox(parent);
        spin->setMinimum(cfgInt(node, "min", 0));
        spin->setMaximum(cfgInt(node, "max", 100));
        spin->setValue(cfgInt(node, "value", 0));
        return spin;
    }
    if (control == QLatin1String("checkBox")) {
        auto* box = new CVNQCheckBox(parent);
        box->setText(cfgString(node, "text"));
        box->setChecked(cfgBool(node, "checked", false));
        return box;
    }
    if (control == QLatin1String("radioButton")) {
        auto* radio = new CVNQRadioButton(parent);
        radio->setText(cfgString(node, "text"));
        radio->setChecked(cfgBool(node, "checked", false));
        return radio;
    }
    if (control == QLatin1String("switch")) {
        auto* sw = new CVNQSwitch(parent);
        sw->setLeftText(cfgString(node, "leftText"));
        sw->setRightText(cfgString(node, "rightText"));
        sw->setSwitchToLeft(!cfgBool(node, "checked", false));
        return sw;
    }
    if (control == QLatin1String("progressBar")) {
        auto* bar = new CVNQProgressBar(parent);
        bar->setMinimum(cfgInt(node, "min", 0));
        bar->setMaximum(cfgInt(node, "max", 100));
        bar->setValue(cfgInt(node, "value", 0));
        // The flag the writer reads back.
        bar->setShowText(cfgBool(node, "showText", true));
        return bar;
    }
    if (control == QLatin1String("label")) {
        auto* label = new CVNQLabel(parent);
        label->setText(cfgString(node, "text"));
        label->setAlignment(Qt::AlignCenter);
        return label;
    }
    return nullptr;
}

} // namespace

bool CVNQRibbonBar::refuseConfig(const QString& source, const QString& message)
{
    m_lastError = message;
    qCWarning(lcRibbon).noquote() << source << ":" << message;
    emit configLoadFailed(source, message);
    return false;
}

bool CVNQRibbonBar::loadConfigFile(const QString& path)
{
    QStringList candidates;
    if (QFileInfo(path).isAbsolute()) {
        candidates << path;
    } else {
        candidates << QDir(QCoreApplication::applicationDirPath()).filePath(path)
                   << QDir::current().absoluteFilePath(path) << path;
    }
    for (const QString& candidate : qAsConst(candidates)) {
        QFile file(candidate);
        if (!file.exists() || !file.open(QIODevice::ReadOnly))
            continue;
        Json::Value root;
        QString error;
        if (!jsonParse(file.readAll(), root, &error))
            return refuseConfig(candidate, QStringLiteral("Invalid Ribbon JSON in %1: %2").arg(candidate, error));
        // Named only once its content is in place: a refused file leaves
        // the name of the content still shown.
        bool loaded = false;
        if (cvnOutlives(this, [&] { loaded = loadConfigValue(root, candidate); }) && loaded)
            m_configFile = path;
        return loaded;
    }
    return refuseConfig(path, QStringLiteral("Ribbon config file was not found: %1").arg(path));
}

bool CVNQRibbonBar::loadConfigJson(const QString& text)
{
    Json::Value root;
    QString error;
    if (!jsonParse(text.toUtf8(), root, &error))
        return refuseConfig(QStringLiteral("inline"), QStringLiteral("Invalid Ribbon JSON: %1").arg(error));
    return loadConfigValue(root, QStringLiteral("inline"));
}

bool CVNQRibbonBar::loadConfigValue(const Json::Value& root, const QString& source)
{
    if (!root.isObject())
        return refuseConfig(source, QStringLiteral("Ribbon config root must be an object."));
    const Json::Value& version = jsonGet(root, "schemaVersion");
    if (!version.isInt() || jsonToInt(version) != 1)
        return refuseConfig(source, QStringLiteral("Unsupported Ribbon schemaVersion; expected 1."));

    // The command that reloads keeps the focus, in the new content.
    const RibbonFocusKeeper keeper(this);
    // The new content's current page is announced once, when it is in place.
    beginPageChange();
    clearContent();

    m_layoutMode = ribbonLayoutModeFromWord(cfgString(root, "layoutMode"));
    m_groupRows = m_layoutMode == CVN_RIBBON_LAYOUT_COMPACT ? 2 : 3;

    const Json::Value& application = jsonGet(root, "application");
    if (application.isObject()) {
        CVNQRibbonMenu* menu = createMenu(jsonGet(application, "menu"), m_appButton);
        const QString title = cfgString(application, "text", QStringLiteral("File"));
        menu->setTitle(title);
        setApplicationMenu(title, menu, cfgString(application, "icon"));
    }

    forEachObject(jsonGet(root, "quickAccess"), "quick-access command",
                  [this](const Json::Value& node) { addQuickAction(createActionItem(node)); });
    forEachObject(jsonGet(root, "topRight"), "top-right widget", [this](const Json::Value& node) {
        if (QWidget* widget = createWidgetItem(node, m_topRow))
            addTopRightWidget(widget);
    });

    readPages(jsonGet(root, "pages"), nullptr);
    forEachObject(jsonGet(root, "contextGroups"), "context group", [this](const Json::Value& node) {
        const QColor color(cfgString(node, "color", QStringLiteral("#5a8dee")));
        CVNQRibbonContextGroup* group = addContextGroup(cfgString(node, "id"), cfgString(node, "text"), color);
        readPages(jsonGet(node, "pages"), group);
        group->m_visible = cfgBool(node, "visible", false);
    });

    rebuildTabs();

    // A minimised bar keeps its pop-up closed while it is filled; it opens
    // on a click.
    // Slots of the bar's signals may delete the bar.
    const QString current = cfgString(root, "currentPage");
    const bool outlived = cvnOutlives(this, [&] {
        if (!current.isEmpty()) {
            if (CVNQRibbonPage* page = pageById(current))
                selectPage(m_pages.indexOf(page), false);
        } else if (!m_tabPages.isEmpty()) {
            selectPage(m_pages.indexOf(m_tabPages.first()), false);
        }
        endPageChange();
    });
    if (!outlived)
        return true;

    const bool minimized = cfgBool(root, "minimized", false);
    if (minimized != m_minimized) {
        if (!setMinimizedState(minimized))
            return true;
        updateLayout();
    }
    applyRibbonStyles();
    updateLayout();

    m_loadIcons.clear();
    m_lastError.clear();
    return true;
}

void CVNQRibbonBar::readPages(const Json::Value& pages, CVNQRibbonContextGroup* contextGroup)
{
    forEachObject(pages, "page", [this, contextGroup](const Json::Value& node) {
        const QString id = cfgString(node, "id");
        const QString text = cfgString(node, "text");
        CVNQRibbonPage* page = contextGroup ? contextGroup->addPage(id, text) : insertPage(pageCount(), id, text);
        forEachObject(jsonGet(node, "groups"), "group", [page, this](const Json::Value& groupNode) {
            CVNQRibbonGroup* group =
                page->insertGroup(page->groupCount(), cfgString(groupNode, "id"), cfgString(groupNode, "text"));
            group->setExpanding(cfgBool(groupNode, "expanding", false));
            group->updateGeometry();
            readGroupItems(group, jsonGet(groupNode, "items"));
        });
    });
}

void CVNQRibbonBar::readGroupItems(CVNQRibbonGroup* group, const Json::Value& items)
{
    forEachObject(items, "item", [this, group](const Json::Value& item) {
        const QString type = cfgString(item, "type", QStringLiteral("button"));
        if (type == QLatin1String("separator")) {
            group->addSeparator();
        } else if (type == QLatin1String("widget")) {
            if (QWidget* widget = createWidgetItem(item, group))
                group->addWidget(widget, ribbonItemSizeFromWord(cfgString(item, "size", QStringLiteral("small"))));
        } else if (type == QLatin1String("gallery")) {
            CVNQRibbonGallery* gallery = group->addGallery(cfgInt(item, "columns", 3), cfgInt(item, "rows", 2));
            forEachObject(jsonGet(item, "items"), "gallery item", [gallery](const Json::Value& node) {
                gallery->addItem(cfgString(node, "id"), cfgString(node, "text"), cfgString(node, "icon"));
            });
        } else {
            QAction* action = createActionItem(item);
            const bool hasMenu = jsonHasMember(item, "menu");
            CVNQRibbonMenu* menu = hasMenu ? createMenu(jsonGet(item, "menu"), group) : nullptr;
            const QString popup =
                cfgString(item, "popup", hasMenu ? QStringLiteral("instant") : QStringLiteral("none"));
            group->addAction(action, ribbonItemSizeFromWord(cfgString(item, "size", QStringLiteral("large"))),
                             ribbonPopupModeFromWord(popup), menu);
        }
    });
}

QAction* CVNQRibbonBar::createActionItem(const Json::Value& node)
{
    auto* action = new QAction(this);
    readActionKeys(action, node);
    m_ownedActions.append(action);
    m_madeActions.insert(action);
    registerCommand(action);
    return action;
}

void CVNQRibbonBar::readActionKeys(QAction* action, const Json::Value& node)
{
    const Json::Value& id = jsonGet(node, "id");
    action->setObjectName(jsonToQString(id));
    action->setText(cfgString(node, "text", id.isString() ? jsonToQString(id) : QStringLiteral("Command")));
    action->setToolTip(cfgString(node, "tooltip"));
    action->setEnabled(cfgBool(node, "enabled", true));
    action->setCheckable(cfgBool(node, "checkable", false));
    action->setChecked(cfgBool(node, "checked", false));
    const QString icon = cfgString(node, "icon");
    action->setProperty("cvnRibbonIconPath", icon);
    if (!icon.isEmpty()) {
        auto shared = m_loadIcons.constFind(icon);
        if (shared == m_loadIcons.constEnd())
            shared = m_loadIcons.insert(icon, QIcon(icon));
        action->setIcon(*shared);
    }
}

CVNQRibbonMenu* CVNQRibbonBar::createMenu(const Json::Value& node, QWidget* parent)
{
    auto* menu = new CVNQRibbonMenu(parent);
    menu->setThemeName(QStringLiteral("RibbonMenu"));
    forEachObject(node, "menu entry", [this, menu](const Json::Value& entry) {
        if (cfgBool(entry, "separator", false)) {
            menu->addSeparator();
            return;
        }
        const Json::Value& items = jsonGet(entry, "items");
        if (!items.isArray()) {
            menu->addAction(createActionItem(entry));
            return;
        }
        // The submenu's own item, titled with the entry's text, keeps all
        // the entry says about it; it is no command.
        CVNQRibbonMenu* sub = createMenu(items, menu);
        readActionKeys(sub->menuAction(), entry);
        menu->addMenu(sub);
    });
    return menu;
}

QWidget* CVNQRibbonBar::createWidgetItem(const Json::Value& node, QWidget* parent)
{
    const QString control = cfgString(node, "control");
    QWidget* widget = createControl(control, node, parent);
    if (!widget) {
        qCWarning(lcRibbon) << "Skipped a ribbon widget of unknown control" << control;
        return nullptr;
    }
    widget->setObjectName(cfgString(node, "id"));
    const int width = cfgInt(node, "width", 0);
    if (width > 0)
        widget->setMinimumWidth(qMin(width, QWIDGETSIZE_MAX));
    return widget;
}

} // namespace CVNQtLib
