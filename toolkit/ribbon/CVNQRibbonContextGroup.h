#pragma once

// A contextual tab group of a ribbon bar: pages whose tabs show, marked in
// the group's colour, only while the group is shown.

#include "CVNQGlobal.h"

#include <QColor>
#include <QList>
#include <QObject>

namespace CVNQtLib {

class CVNQRibbonBar;
class CVNQRibbonPage;

class CVNQ_EXPORT CVNQRibbonContextGroup : public QObject
{
    Q_OBJECT
public:
    CVNQRibbonContextGroup(const QString& id = QString(), const QString& title = QString(),
                           const QColor& color = QColor(), CVNQRibbonBar* bar = nullptr);
    ~CVNQRibbonContextGroup() override;

    QString contextId() const { return m_id; }
    QString title() const { return m_title; }
    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    bool isVisible() const { return m_visible; }

    // A page at the end of the bar's pages; null without a bar.
    CVNQRibbonPage* addPage(const QString& id, const QString& title);
    CVNQRibbonPage* pageAt(int index) const;
    int pageCount() const { return m_pages.size(); }

private:
    friend class CVNQRibbonBar;

    QString m_id;
    QString m_title;
    QColor m_color;
    bool m_visible = false;
    QList<CVNQRibbonPage*> m_pages;
    CVNQRibbonBar* m_bar = nullptr;
};

} // namespace CVNQtLib
