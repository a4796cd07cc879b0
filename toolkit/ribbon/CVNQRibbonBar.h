#pragma once

// The ribbon command bar (type "qtribbonbar"): a row of tabs with one page
// of titled groups each, an application button with its menu, quick-access
// commands, widgets at the top right and contextual tab groups, laid out in
// the office mode (top row above the tab row) or the compact mode (one row).
// Commands are QActions whose objectName is the command id; the bar
// re-emits every registered action's triggering as commandTriggered. The
// whole content can be loaded from and written to a JSON configuration.

#include "CVNQControl.h"
#include "CVNQRibbonTypes.h"

#include <QColor>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QWidget>

class QAction;
class QMenu;

namespace CVNQtLib {

class CVNQContainer;
class CVNQRibbonBarImpl;
class CVNQRibbonButton;
class CVNQRibbonContextGroup;
class CVNQRibbonGallery;
class CVNQRibbonGroup;
class CVNQRibbonMenu;
class CVNQRibbonPage;

class CVNQ_EXPORT CVNQRibbonBar : public QWidget, public ICVNQWidgetBase
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQRibbonBar, CVNQRibbonBarImpl)
public:
    explicit CVNQRibbonBar(QWidget* parent = nullptr);
    ~CVNQRibbonBar() override;
    static ControlInfo getProps();

    // Pages, in tab order. The first page added becomes current. Every
    // change of the current page or of its index emits currentPageChanged
    // once, when the change is complete.
    CVNQRibbonPage* addPage(const QString& id, const QString& title);
    CVNQRibbonPage* insertPage(int index, const QString& id, const QString& title);
    bool removePage(CVNQRibbonPage* page);
    void clearPages();
    CVNQRibbonPage* pageAt(int index) const;
    CVNQRibbonPage* pageById(const QString& id) const;
    int pageCount() const { return m_pages.size(); }
    int currentPage() const;
    CVNQRibbonPage* currentPageWidget() const { return m_currentPage; }
    // False outside the range and for a page without a tab (hidden context).
    bool setCurrentPage(int index);
    bool setCurrentPage(const QString& pageId);

    // Context groups start hidden; their pages have tabs only while shown.
    CVNQRibbonContextGroup* addContextGroup(const QString& id, const QString& title, const QColor& color);
    CVNQRibbonContextGroup* contextGroupById(const QString& id) const;
    void showContextGroup(const QString& id);
    void hideContextGroup(const QString& id);

    CVNQRibbonButton* addQuickAction(QAction* action);
    void addTopRightWidget(QWidget* widget);
    // The button shows exactly while it has a menu. The bar takes the menu
    // (it becomes the button's child) and lets the one it replaces go.
    void setApplicationMenu(const QString& text, CVNQRibbonMenu* menu, const QString& iconPath = QString());
    CVNQRibbonButton* applicationButton() const { return m_appButton; }

    void registerAction(QAction* action);
    QAction* findAction(const QString& commandId) const;

    void setLayoutMode(CVN_RIBBON_LAYOUT_MODE mode);
    CVN_RIBBON_LAYOUT_MODE layoutMode() const { return m_layoutMode; }
    void setMinimized(bool minimized);
    bool isMinimized() const { return m_minimized; }
    bool isTabOverflowing() const;

    void updateLayout();

    // The configuration: a file, or text (source "inline"). A refused
    // configuration leaves the content as it was and reports through
    // lastError() and configLoadFailed.
    bool loadConfigFile(const QString& path);
    bool loadConfigJson(const QString& text);
    QString configJson() const;
    // The file the current content was last loaded from.
    QString configFile() const { return m_configFile; }
    QString lastError() const { return m_lastError; }

    QSize sizeHint() const override;

Q_SIGNALS:
    void commandTriggered(const QString& commandId, bool checked);
    void currentPageChanged(int index);
    void layoutModeChanged(CVNQtLib::CVN_RIBBON_LAYOUT_MODE mode);
    void minimizedChanged(bool minimized);
    void configLoadFailed(const QString& source, const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class CVNQRibbonBarImpl;
    friend class CVNQRibbonContextGroup;
    friend class CVNQRibbonGroup;
    friend class CVNQRibbonPage;
    friend class RibbonFocusKeeper;
    friend void ribbonOrderFocusSoon(const QWidget* item);

    void onTabClicked(CVNQRibbonPage* page);
    // See ribbonOrderFocusSoon.
    void orderFocusChain();
    // A change of the pages runs between these two: what it does to the
    // current page is announced once, at the end of the outermost one.
    void beginPageChange() { ++m_pageChangeDepth; }
    void endPageChange();
    // Emits currentPageChanged when the current page or its index differs
    // from what was last announced (or always, after a selection), unless
    // a change of the pages is still running.
    void announceCurrentPage();
    bool selectPage(int index, bool openPopup);
    // False when a slot of minimizedChanged deleted the bar.
    bool setMinimizedState(bool minimized);
    void clearContent();
    // Registers a command the bar shows (a button, a menu entry).
    void registerCommand(QAction* action);
    void registerMenuActions(QMenu* menu);
    // After a command left what the bar shows: the bar's lists keep exactly
    // the commands it still shows and those registered on their own; the
    // others stop reporting, and those the reader made go (spared aside).
    void dropUnshownCommands(const QAction* spared = nullptr);
    // Drops a command from the bar's lists; true when the bar owned it.
    bool forgetAction(QAction* action);
    // Re-emits a command; one chosen in the minimised bar's pop-up closes it.
    void emitCommand(const QString& commandId, bool checked);
    // Drops a page from every record (the page list, tabs, context groups).
    void forgetPage(CVNQRibbonPage* page);
    // Removes widgets, actions and menus whose records the bar has already
    // dropped: detached at once, deleted once nothing of them runs, also
    // when the bar itself goes from a slot reached through one of them.
    void release(QObject* object);
    void releasePage(CVNQRibbonPage* page);

    // Layout and painting.
    void updateTabLayout();
    static int tabWidth(const CVNQRibbonButton* tab);
    // The width the compact row keeps for its tabs: all of them, or one
    // tab of oneTab px (the widest tab when negative) between the arrows.
    int tabAreaReserve(int oneTab) const;
    void scrollTabs(bool forward);
    void rebuildTabs();
    void updatePageVisibility();
    void showMinimizedPopup();
    void hideMinimizedPopup();
    void takePageStackBack();
    void applyRibbonStyles();
    void applyCommandStyles(CVNQRibbonButton* button) const;
    void applyTabStyles(CVNQRibbonButton* button) const;
    void applyGalleryStyle(CVNQRibbonGallery* gallery) const;
    int topHeight() const;
    int tabHeight() const;

    // Configuration reader and writer.
    bool loadConfigValue(const Json::Value& root, const QString& source);
    bool refuseConfig(const QString& source, const QString& message);
    void readPages(const Json::Value& pages, CVNQRibbonContextGroup* group);
    void readGroupItems(CVNQRibbonGroup* group, const Json::Value& items);
    QAction* createActionItem(const Json::Value& node);
    void readActionKeys(QAction* action, const Json::Value& node);
    CVNQRibbonMenu* createMenu(const Json::Value& node, QWidget* parent);
    QWidget* createWidgetItem(const Json::Value& node, QWidget* parent);
    Json::Value writeConfigValue() const;

    CVNQContainer* m_topRow = nullptr;
    CVNQContainer* m_tabRow = nullptr;
    CVNQContainer* m_pageStack = nullptr;
    CVNQContainer* m_popup = nullptr;
    CVNQRibbonButton* m_appButton = nullptr;
    CVNQRibbonButton* m_tabScrollLeft = nullptr;
    CVNQRibbonButton* m_tabScrollRight = nullptr;
    QList<CVNQRibbonPage*> m_pages;
    QList<CVNQRibbonContextGroup*> m_contextGroups;
    QList<CVNQRibbonButton*> m_tabButtons;
    QList<CVNQRibbonButton*> m_quickButtons;
    QList<QWidget*> m_topRightWidgets;
    QList<QAction*> m_registeredActions;
    QSet<QAction*> m_registeredSet;    // the same, to look up in constant time
    QSet<QAction*> m_ownRegistrations; // registered through registerAction, shown or not
    QSet<QAction*> m_madeActions;      // made by the reader; a caller's action is never deleted unasked
    QList<QAction*> m_ownedActions;
    QList<CVNQRibbonPage*> m_tabPages;
    CVNQRibbonPage* m_currentPage = nullptr;
    // What listeners of currentPageChanged last heard.
    QPointer<QObject> m_announcedPage; // no cast: it may be under destruction
    int m_announcedIndex = -1;
    bool m_selectionPending = false;
    int m_pageChangeDepth = 0;
    int m_tabScrollOffset = 0;
    int m_tabTotalWidth = 0;
    int m_tabMaxScroll = 0;
    int m_tabAreaLeft = 0;
    int m_tabAreaRight = 0;
    bool m_tabOverflow = false;
    bool m_revealCurrentTab = true; // set by a change of the current page or of the tabs
    CVN_RIBBON_LAYOUT_MODE m_layoutMode = CVN_RIBBON_LAYOUT_OFFICE;
    bool m_minimized = false;
    // In the destructor: nothing moves back into the bar.
    bool m_tearingDown = false;
    int m_focusKeepers = 0;         // RibbonFocusKeepers running
    bool m_focusChainDirty = false; // content made since the chain was last ordered
    int m_topRowHeight = 30;
    int m_tabRowHeight = 31;
    int m_pageHeight = 96;
    int m_groupRows = 3;
    QString m_configFile;
    QString m_lastError;
    // The icons of the configuration being loaded, one per file: many
    // commands share an icon file, which is read once.
    QHash<QString, QIcon> m_loadIcons;
};

} // namespace CVNQtLib
