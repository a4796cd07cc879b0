#pragma once

// A realistic ribbon configuration (application menu with a submenu, quick
// access, top-right widgets, three pages with large, medium and small
// buttons, a split button with a menu, a gallery, widgets, and a shown and a
// hidden context group) and small helpers of the ribbon tests.

#include "../controls/ControlsTestUtil.h"
#include "CVNQRibbonBar.h"
#include "CVNQRibbonButton.h"

#include <QAction>
#include <QFileInfo>
#include <QString>

namespace RibbonTest {

// The application's icons, straight from the source tree.
inline QString iconDir()
{
    return TestUtil::sourcePath("app/icons/");
}

inline QString realisticConfig()
{
    QString text = QStringLiteral(R"({
  "schemaVersion": 1, "layoutMode": "office", "currentPage": "home",
  "application": {"text": "File", "icon": "@wind.svg", "menu": [
    {"id": "new", "text": "New", "icon": "@plus.svg"}, {"id": "open", "text": "Open"}, {"separator": true},
    {"id": "recent", "text": "Recent", "icon": "@calendar.svg", "enabled": false,
     "items": [{"id": "r1", "text": "Report.json"}]},
    {"id": "exit", "text": "Exit", "tooltip": "Leave"}]},
  "quickAccess": [{"id": "save", "text": "Save", "icon": "@check.svg", "tooltip": "Save all", "checkable": true},
                  {"id": "undo", "text": "Undo", "icon": "@chevron-up.svg"}],
  "topRight": [{"control": "lineEdit", "id": "search", "text": "gust", "placeholder": "Search commands",
                "width": 160},
               {"type": "widget", "control": "label", "id": "user", "text": "Operator"}],
  "pages": [
    {"id": "home", "text": "Home", "groups": [
      {"id": "clipboard", "text": "Clipboard", "items": [
        {"id": "paste", "text": "Paste", "icon": "@sliders.svg", "popup": "split", "menu": [
          {"id": "pasteSpecial", "text": "Paste special"},
          {"id": "pasteText", "text": "Keep text only", "checkable": true, "checked": true}]},
        {"id": "cut", "text": "Cut", "icon": "@close.svg", "size": "small"},
        {"id": "copy", "text": "Copy", "icon": "@plus.svg", "size": "small"},
        {"id": "painter", "text": "Format", "size": "small", "checkable": true}]},
      {"id": "turbines", "text": "Turbines", "items": [
        {"id": "start", "text": "Start", "icon": "@turbine.svg", "tooltip": "Start the turbine"},
        {"id": "stop", "text": "Stop", "icon": "@offline.svg", "enabled": false},
        {"type": "separator"},
        {"id": "inspect", "text": "Inspect", "icon": "@search.svg", "size": "medium"},
        {"id": "service", "text": "Service", "icon": "@wrench.svg", "size": "medium"},
        {"id": "alerts", "text": "Alerts", "icon": "@alert.svg", "size": "medium", "checkable": true,
         "checked": true}]},
      {"id": "styles", "text": "Chart styles", "expanding": true, "items": [
        {"type": "gallery", "columns": 3, "rows": 2, "items": [
          {"id": "sLine", "text": "Line", "icon": "@analytics.svg"}, {"id": "sBar", "text": "Bar"},
          {"id": "sPie", "text": "Pie"}, {"id": "sArea", "text": "Area"}, {"id": "sDot", "text": "Dots"},
          {"id": "sStep", "text": "Step"}, {"id": "sCandle", "text": "Candle"}]}]},
      {"id": "view", "text": "View", "items": [
        {"type": "widget", "control": "comboBox", "id": "period", "items": ["Day", "Week", "Month"],
         "currentIndex": 1, "width": 100},
        {"type": "widget", "control": "checkBox", "id": "forecast", "text": "Forecast", "checked": true},
        {"type": "widget", "control": "spinBox", "id": "zoom", "min": 10, "max": 400, "value": 100},
        {"type": "widget", "control": "progressBar", "id": "load", "min": 10, "max": 90, "value": 65,
         "showText": false, "size": "medium"},
        {"type": "widget", "control": "switch", "id": "live", "leftText": "Off", "rightText": "On",
         "checked": true},
        {"type": "widget", "control": "radioButton", "id": "metric", "text": "Metric", "checked": true}]}]},
    {"id": "insert", "text": "Insert", "groups": [{"id": "charts", "text": "Charts", "items": [
      {"id": "line", "text": "Line chart", "icon": "@analytics.svg"},
      {"id": "bar", "text": "Bar chart", "icon": "@energy.svg"}]}]},
    {"id": "review", "text": "Review", "groups": []}],
  "contextGroups": [
    {"id": "chartTools", "text": "Chart tools", "color": "#e67e22", "visible": true, "pages": [
      {"id": "design", "text": "Design", "groups": [{"id": "layout", "text": "Layout", "items": [
        {"id": "legend", "text": "Legend", "checkable": true}]}]}]},
    {"id": "tableTools", "text": "Table tools", "pages": [{"id": "tableDesign", "text": "Table"}]}]
})");
    return text.replace(QLatin1Char('@'), iconDir());
}

// Every emission of a signal, its arguments as variants.
struct Recorder
{
    QList<QVariantList> calls;
    template <class Sender, class... Args>
    Recorder(Sender* sender, void (Sender::*signal)(Args...))
    {
        QObject::connect(sender, signal,
                         [this](Args... args) { calls.append(QVariantList{QVariant::fromValue(args)...}); });
    }
    int size() const { return calls.size(); }
    const QVariantList& at(int i) const { return calls.at(i); }
    void clear() { calls.clear(); }
};

// A command: objectName and text id.
inline QAction* command(QObject* parent, const QString& id, bool checkable = false)
{
    auto* action = new QAction(id, parent);
    action->setObjectName(id);
    action->setCheckable(checkable);
    return action;
}

inline CVNQtLib::CVNQRibbonButton* tab(CVNQtLib::CVNQRibbonBar& bar, const QString& pageId)
{
    return bar.findChild<CVNQtLib::CVNQRibbonButton*>(QStringLiteral("ribbonTab_") + pageId);
}

} // namespace RibbonTest
