#pragma once

// The content of one ribbon tab: titled groups side by side, scrolled
// horizontally with two arrow buttons or the wheel when they do not fit.

#include "CVNQContainer.h"

#include <QList>

namespace CVNQtLib {

class CVNQRibbonBar;
class CVNQRibbonButton;
class CVNQRibbonContextGroup;
class CVNQRibbonGroup;

class CVNQ_EXPORT CVNQRibbonPage : public CVNQContainer
{
    Q_OBJECT
public:
    explicit CVNQRibbonPage(const QString& id = QString(), const QString& title = QString(), QWidget* parent = nullptr);
    ~CVNQRibbonPage() override;

    QString pageId() const { return m_id; }
    QString title() const { return m_title; }
    // Rebuilds the bar's tabs, which show the title.
    void setTitle(const QString& title);

    CVNQRibbonGroup* addGroup(const QString& id, const QString& title);
    CVNQRibbonGroup* insertGroup(int index, const QString& id, const QString& title);
    bool removeGroup(CVNQRibbonGroup* group);
    void clearGroups();
    CVNQRibbonGroup* groupAt(int index) const;
    CVNQRibbonGroup* groupById(const QString& id) const;
    int groupCount() const { return m_groups.size(); }

    void scrollBy(int dx);
    int scrollOffset() const { return m_scrollOffset; }
    bool isOverflowing() const;

    CVNQRibbonBar* ribbonBar() const { return m_bar; }
    CVNQRibbonContextGroup* contextGroup() const { return m_contextGroup; }
    void setContextGroup(CVNQRibbonContextGroup* group) { m_contextGroup = group; }

    QSize sizeHint() const override;
    // Places the groups; an expanding group takes a share of spare width.
    void updateGroupLayout();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    friend class CVNQRibbonBar;
    friend class CVNQRibbonGroup;
    int maxScroll() const;
    // Scrolls the groups so that the widget, one of their items, is wholly
    // between the arrows.
    void reveal(const QWidget* widget);
    void releaseGroup(CVNQRibbonGroup* group);
    // Drops a group that left the page (deleted or taken by its owner).
    void forgetGroup(CVNQRibbonGroup* group);

    QString m_id;
    QString m_title;
    QList<CVNQRibbonGroup*> m_groups;
    CVNQRibbonButton* m_leftButton = nullptr;
    CVNQRibbonButton* m_rightButton = nullptr;
    int m_scrollOffset = 0;
    int m_contentWidth = 0;
    CVNQRibbonBar* m_bar = nullptr;
    CVNQRibbonContextGroup* m_contextGroup = nullptr;
};

} // namespace CVNQtLib
