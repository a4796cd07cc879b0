#include "CVNQScrollBarNode.h"

#include "CVNJson.h"
#include "CVNQScrollBar.h"
#include "CVNQScrollBarSlots.h"
#include "CVNQStateStyles.h"

namespace CVNQtLib {

bool cvnIsScrollBarNode(const Json::Value& child)
{
    const Json::Value& type = jsonGet(child, "type");
    return type.isString() && jsonToStdString(type).find("scrollbar") != std::string::npos;
}

static void applyStyleEntry(CVNQScrollBar* bar, const QString& name, int index)
{
    using Slots = CVNQScrollBarSlots;
    const Slots::Target t = Slots::target(index);
    if (t.part == Slots::Background) {
        FillStyle s = bar->getScrollbarBackground(CommonCtrlStateNormal);
        if (cvnLookupStyle(name, s))
            bar->setScrollbarBackground(CommonCtrlStateNormal, s);
        return;
    }
    if (t.part == Slots::NoPart)
        return;
    FillStyle s = t.part == Slots::UpButton     ? bar->getScrollbarUpButton(t.state)
                  : t.part == Slots::DownButton ? bar->getScrollbarDownButton(t.state)
                                                : bar->getScrollbarThumb(t.state);
    if (!cvnLookupStyle(name, s))
        return;
    // The normal state also sets the others; later entries override their own.
    const int state = t.state == CtrlStateNormal ? CtrlStateAll : t.state;
    if (t.part == Slots::UpButton)
        bar->setScrollbarUpButton(state, s);
    else if (t.part == Slots::DownButton)
        bar->setScrollbarDownButton(state, s);
    else
        bar->setScrollbarThumb(state, s);
}

void cvnReadScrollBarNodes(const Json::Value& node, const CVNScrollBarNodeTarget& target)
{
    const Json::Value& children = jsonGet(node, "child");
    const int n = jsonSize(children);
    for (int i = 0; i < n; ++i) {
        const Json::Value& child = jsonAt(children, i);
        if (!cvnIsScrollBarNode(child))
            continue;
        const Json::Value& attr = jsonGet(child, "attr");
        bool hor = false;
        jsonRead(attr, "hor", hor);
        CVNQScrollBar* bar = hor ? target.horizontal : target.vertical;
        if (bar) {
            QString icon;
            if (jsonRead(attr, "upicon", icon))
                bar->setScrollbarBtnIcon(true, icon);
            icon.clear();
            if (jsonRead(attr, "downicon", icon))
                bar->setScrollbarBtnIcon(false, icon);
            icon.clear();
            if (jsonRead(attr, "thumbicon", icon))
                bar->setScrollbarThumbIcon(icon);
        }
        int size = 0;
        if (jsonRead(attr, "size", size) && target.setButtonSize)
            target.setButtonSize(hor, size);
        if (target.setThickness)
            target.setThickness(hor, jsonInt(child, hor ? "h" : "w"));
        if (bar)
            cvnForEachStyleEntry(child,
                                 [bar](const QString& name, int, int index) { applyStyleEntry(bar, name, index); });
    }
}

void cvnDeleteBuiltScrollBarNodes(QWidget* owner)
{
    if (!owner)
        return;
    for (CVNQScrollBar* bar : owner->findChildren<CVNQScrollBar*>(QString(), Qt::FindDirectChildrenOnly))
        delete bar;
}

QString cvnScrollBarButtonSizeSheet(bool horizontal, int size)
{
    if (horizontal)
        return QStringLiteral("QScrollBar::add-line{ width:%1px;width:%1px; }"
                              "QScrollBar::sub-line{ width:%1px;width:%1px; }")
            .arg(size);
    return QStringLiteral("QScrollBar::add-line:vertical{ height:%1px;width:%1px; }"
                          "QScrollBar::sub-line:vertical{ height:%1px;width:%1px; }")
        .arg(size);
}

QString cvnScrollBarThicknessSheet(int thickness, int buttonSize)
{
    return QStringLiteral("QScrollBar::vertical{ width:%1; } QScrollBar::horizontal{ height:%2; } "
                          "QScrollBar::add-line:vertical{ width:%3px;width:%3px; subcontrol-origin: margin;} "
                          "QScrollBar::sub-line:vertical{ width:%3px;width:%3px;subcontrol-origin: margin; }")
        .arg(thickness)
        .arg(thickness)
        .arg(buttonSize);
}

void cvnSetScrollBarThickness(CVNQScrollBar* horizontal, CVNQScrollBar* vertical, int size)
{
    const QString sheet = cvnScrollBarThicknessSheet(size, size);
    if (vertical)
        vertical->setStyleSheet(sheet);
    if (horizontal)
        horizontal->setStyleSheet(sheet);
}

} // namespace CVNQtLib
