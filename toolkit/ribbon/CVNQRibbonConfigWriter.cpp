// Writing CVNQRibbonBar's content as a ribbon configuration.

#include "CVNQRibbonBar.h"
#include "CVNJson.h"

#include "CVNQCheckBox.h"
#include "CVNQComboBox.h"
#include "CVNQLabel.h"
#include "CVNQLabelImpl.h"
#include "CVNQLineEdit.h"
#include "CVNQProgressBar.h"
#include "CVNQRadioButton.h"
#include "CVNQRibbonButton.h"
#include "CVNQRibbonContextGroup.h"
#include "CVNQRibbonGallery.h"
#include "CVNQRibbonGroup.h"
#include "CVNQRibbonMenu.h"
#include "CVNQRibbonPage.h"
#include "CVNQRibbonWords.h"
#include "CVNQSpinBox.h"
#include "CVNQSwitch.h"

#include <QAction>
#include <QMenu>

namespace CVNQtLib {

namespace {

Json::Value text(const QString& s)
{
    return Json::Value(jsonUtf8(s));
}

QString iconPathOf(const QAction* action)
{
    return action->property("cvnRibbonIconPath").toString();
}

// Every key the reader takes for a command: what is read comes back.
void writeActionKeys(Json::Value& node, const QAction* action)
{
    node["id"] = text(action->objectName());
    node["text"] = text(action->text());
    node["icon"] = text(iconPathOf(action));
    node["tooltip"] = text(action->toolTip());
    node["enabled"] = action->isEnabled();
    node["checkable"] = action->isCheckable();
    node["checked"] = action->isChecked();
}

Json::Value writeMenu(const QMenu* menu)
{
    Json::Value entries(Json::arrayValue);
    if (!menu)
        return entries;
    const QList<QAction*> actions = menu->actions();
    for (const QAction* action : actions) {
        Json::Value entry(Json::objectValue);
        if (action->isSeparator()) {
            entry["separator"] = true;
            entries.append(entry);
            continue;
        }
        writeActionKeys(entry, action);
        // A menu entry names an icon only when it has one.
        if (iconPathOf(action).isEmpty())
            entry.removeMember("icon");
        // A submenu keeps its entries whatever kind of menu holds them.
        if (const QMenu* sub = action->menu())
            entry["items"] = writeMenu(sub);
        entries.append(entry);
    }
    return entries;
}

Json::Value writeWidget(const QWidget* widget)
{
    Json::Value node(Json::objectValue);
    node["type"] = "widget";
    if (!widget)
        return node;
    node["id"] = text(widget->objectName());
    const int minWidth = widget->minimumWidth();
    if (minWidth > 0 && minWidth < QWIDGETSIZE_MAX)
        node["width"] = minWidth;

    if (auto* combo = qobject_cast<const CVNQComboBox*>(widget)) {
        node["control"] = "comboBox";
        node["currentIndex"] = combo->currentIndex();
        Json::Value items(Json::arrayValue);
        for (int i = 0; i < combo->count(); ++i)
            items.append(text(combo->itemText(i)));
        node["items"] = items;
    } else if (auto* edit = qobject_cast<const CVNQLineEdit*>(widget)) {
        node["control"] = "lineEdit";
        node["text"] = text(edit->text());
        node["placeholder"] = text(edit->getPlaceholderText());
    } else if (auto* spin = qobject_cast<const CVNQSpinBox*>(widget)) {
        node["control"] = "spinBox";
        node["min"] = spin->minimum();
        node["max"] = spin->maximum();
        node["value"] = spin->value();
    } else if (auto* box = qobject_cast<const CVNQCheckBox*>(widget)) {
        node["control"] = "checkBox";
        node["text"] = text(box->text());
        node["checked"] = box->isChecked();
    } else if (auto* radio = qobject_cast<const CVNQRadioButton*>(widget)) {
        node["control"] = "radioButton";
        node["text"] = text(radio->text());
        node["checked"] = radio->isChecked();
    } else if (auto* sw = qobject_cast<const CVNQSwitch*>(widget)) {
        node["control"] = "switch";
        node["leftText"] = text(sw->getLeftText());
        node["rightText"] = text(sw->getRightText());
        node["checked"] = !sw->getIsSwitchToLeft();
    } else if (auto* progress = qobject_cast<const CVNQProgressBar*>(widget)) {
        node["control"] = "progressBar";
        node["min"] = progress->minimum();
        node["max"] = progress->maximum();
        node["value"] = progress->value();
        node["showText"] = progress->getShowText();
    } else if (auto* label = qobject_cast<const CVNQLabel*>(widget)) {
        node["control"] = "label";
        // The text it was given: a squeezed label shows it elided.
        node["text"] = text(label->getImpl()->wholeText());
    }
    return node;
}

// One item record of a group.
Json::Value writeGroupItem(const QWidget* widget, CVN_RIBBON_ITEM_SIZE size, const QString& kind, const QAction* action)
{
    Json::Value node(Json::objectValue);
    node["type"] = text(kind);
    node["size"] = text(ribbonItemSizeWord(size));
    if (action) {
        writeActionKeys(node, action);
        if (auto* button = qobject_cast<const CVNQRibbonButton*>(widget)) {
            node["popup"] = text(ribbonPopupModeWord(button->popupMode()));
            if (const CVNQRibbonMenu* menu = button->popupMenu())
                node["menu"] = writeMenu(menu);
        }
    } else if (auto* gallery = qobject_cast<const CVNQRibbonGallery*>(widget)) {
        node["columns"] = gallery->columnCount();
        node["rows"] = gallery->visibleRowCount();
        Json::Value entries(Json::arrayValue);
        for (const QAction* action : gallery->actions()) {
            Json::Value entry(Json::objectValue);
            entry["id"] = text(action->objectName());
            entry["text"] = text(action->text());
            entry["icon"] = text(iconPathOf(action));
            entries.append(entry);
        }
        node["items"] = entries;
    } else if (kind == QLatin1String("widget")) {
        const Json::Value fields = writeWidget(widget);
        for (const std::string& key : fields.getMemberNames())
            node[key] = fields[key];
        node["size"] = text(ribbonItemSizeWord(size));
    }
    return node;
}

} // namespace

QString CVNQRibbonBar::configJson() const
{
    return QString::fromUtf8(jsonStyled(writeConfigValue()).c_str());
}

Json::Value CVNQRibbonBar::writeConfigValue() const
{
    Json::Value root(Json::objectValue);
    root["schemaVersion"] = 1;
    root["layoutMode"] = text(ribbonLayoutModeWord(m_layoutMode));
    root["minimized"] = m_minimized;
    if (m_currentPage)
        root["currentPage"] = text(m_currentPage->pageId());

    // Whether the bar itself is on screen does not matter: the button is
    // part of the content as long as it is not hidden.
    if (!m_appButton->isHidden()) {
        Json::Value app(Json::objectValue);
        app["text"] = text(m_appButton->text());
        app["icon"] = text(m_appButton->ribbonIcon());
        app["menu"] = writeMenu(m_appButton->popupMenu());
        root["application"] = app;
    }

    Json::Value quick(Json::arrayValue);
    for (const CVNQRibbonButton* button : m_quickButtons) {
        const QAction* action = button->ribbonAction();
        if (!action)
            continue;
        Json::Value node(Json::objectValue);
        writeActionKeys(node, action);
        quick.append(node);
    }
    root["quickAccess"] = quick;

    Json::Value topRight(Json::arrayValue);
    for (const QWidget* widget : m_topRightWidgets)
        topRight.append(writeWidget(widget));
    root["topRight"] = topRight;

    auto writePages = [](const QList<CVNQRibbonPage*>& pages) {
        Json::Value list(Json::arrayValue);
        for (const CVNQRibbonPage* page : pages) {
            Json::Value pageNode(Json::objectValue);
            pageNode["id"] = text(page->pageId());
            pageNode["text"] = text(page->title());
            Json::Value groups(Json::arrayValue);
            for (int g = 0; g < page->groupCount(); ++g) {
                const CVNQRibbonGroup* group = page->groupAt(g);
                Json::Value groupNode(Json::objectValue);
                groupNode["id"] = text(group->groupId());
                groupNode["text"] = text(group->title());
                groupNode["expanding"] = group->isExpanding();
                Json::Value items(Json::arrayValue);
                for (const auto& item : group->m_items)
                    items.append(writeGroupItem(item.widget, item.size, item.kind, item.action));
                groupNode["items"] = items;
                groups.append(groupNode);
            }
            pageNode["groups"] = groups;
            list.append(pageNode);
        }
        return list;
    };

    QList<CVNQRibbonPage*> ordinary;
    for (CVNQRibbonPage* page : m_pages)
        if (!page->contextGroup())
            ordinary.append(page);
    root["pages"] = writePages(ordinary);

    Json::Value contexts(Json::arrayValue);
    for (const CVNQRibbonContextGroup* group : m_contextGroups) {
        Json::Value node(Json::objectValue);
        node["id"] = text(group->contextId());
        node["text"] = text(group->title());
        node["color"] = text(group->color().name(QColor::HexArgb));
        node["visible"] = group->isVisible();
        node["pages"] = writePages(group->m_pages);
        contexts.append(node);
    }
    root["contextGroups"] = contexts;
    return root;
}

} // namespace CVNQtLib
