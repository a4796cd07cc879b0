#pragma once

// One designed page on the design canvas: its window settings (written back
// as the page file's window keys) and, as children, the controls built from
// the page file. Type "Window" in the registry; it is a page host, not a
// toolkit control, so it carries no ICVNQWidgetBase.

#include "CVNQGlobal.h"
#include "CVNQStyleDefs.h"
#include "ICVNQPageHost.h"

#include <QString>
#include <QWidget>
#include <json/json.h>
#include <memory>
#include <unordered_set>

namespace CVNQtLib {

struct ControlInfo;
class CVNQPageSource;

class CVNQ_EXPORT CVNQCanvasWindow : public QWidget, public ICVNQPageHost
{
public:
    explicit CVNQCanvasWindow(QWidget* parent = nullptr);
    ~CVNQCanvasWindow() override;

    static const char* typeName() { return "Window"; }
    // A new page without parent; null when it cannot be allocated.
    static QWidget* createCanvas();
    static ControlInfo getProps();

    void setCanDrag(bool on) override { m_canDrag = on; }
    bool getCanGrag() const { return m_canDrag; }
    // Also turns mouse tracking on or off.
    void setResizeable(bool on) override;
    bool getResizeable() const { return m_resizeable; }
    void setMinWidth(int w) override { m_minWidth = w; }
    int getMinWidth() const { return m_minWidth; }
    void setMinHeight(int h) override { m_minHeight = h; }
    int getMinHeight() const { return m_minHeight; }
    void setOnlyDragCaption(bool on) override { m_onlyDragCaption = on; }
    bool getOnlyDragCaption() const { return m_onlyDragCaption; }
    void setCaptionHeight(int h) { m_captionHeight = h; }
    // True when the page has a caption at all.
    bool getCaptionHeight() const { return m_captionHeight != 0; }
    // Fixed width or height of the page.
    void setWidth(int w);
    int getWidth() const { return width(); }
    void setHeight(int h);
    int getHeight() const { return height(); }
    void setX(int x);
    void setY(int y);
    void setPageName(const QString& name) { m_pageName = name; }
    const QString& pageName() const { return m_pageName; }
    void setBackgroundColor(const FillRes& fill) { m_background = fill; }
    void setBackgroundImage(const QString& path, const ImageDesc& desc);
    void setShowBackground(bool on) { m_showBackground = on; }
    void setUseFillColor(bool on) { m_useFillColor = on; }

    // Hides every widget of the page at any depth: the canvas shows pictures
    // of them, never the live widgets.
    void hideAllWidges();
    // The topmost control of w's subtree under (x, y) in page coordinates,
    // the one painted last there; w itself when no child is hit; null
    // outside w. A control whose Visibility is off is hit (it can be
    // selected), its children are not.
    QWidget* HitTestWithChildren(QWidget* w, int x, int y);
    // A control of the page: a toolkit control built from the page file or
    // created on the canvas, not an inner widget a control made itself.
    static bool isPageControl(const QWidget* w);
    // Whether the page shows the control when it runs: a list view hides
    // its item template, a stack its other pages. Such a control is
    // neither pictured nor hit on the canvas.
    void setShownWhenRun(const QWidget* w, bool shown);
    bool isShownWhenRun(const QWidget* w) const { return m_hiddenWhenRun.count(w) == 0; }
    // The page file's text.
    void toJsonString(QString& out) const;
    // The page file's root, whose text toJsonString gives.
    Json::Value toJson() const;
    // The page's own keys as the page file's root holds them.
    Json::Value windowKeys() const;
    // What the page's file held when it was opened; a page opened from a
    // file writes it back with the page's changes applied.
    void setPageSource(std::unique_ptr<CVNQPageSource> source);

private:
    QWidget* hitTest(QWidget* w, const QPoint& origin, const QPoint& p) const;

    bool m_resizeable = false;
    bool m_canDrag = true;
    QString m_backgroundImage;
    ImageDesc m_backgroundImageDesc;
    FillRes m_background;
    bool m_useFillColor = true;
    bool m_showBackground = false;
    int m_minWidth = 400;
    int m_minHeight = 400;
    bool m_onlyDragCaption = false;
    int m_captionHeight = 40;
    bool m_maximise = false;
    bool m_translucent = false;
    QString m_pageName;
    std::unordered_set<const QWidget*> m_hiddenWhenRun;
    std::unique_ptr<CVNQPageSource> m_source;
};

} // namespace CVNQtLib
