#include "CVNQRibbonBarImpl.h"

#include "CVNQAttrJson.h"
#include "CVNQOutlives.h"
#include "CVNQResourceManager.h"
#include "CVNQRibbonBar.h"
#include "CVNQRibbonWords.h"

namespace CVNQtLib {

namespace {

FillStyle makeFill(const QColor& color, const QColor& border, int radius)
{
    FillStyle s;
    s.fill.clr = color;
    s.fill.clr2 = color;
    s.fill.round = radius;
    s.fill.border = border.isValid();
    s.fill.borderSize = border.isValid() ? 1 : 0;
    s.fill.borderclr = border.isValid() ? border : color;
    return s;
}

TextStyleDesc makeText(const QColor& color, int size)
{
    TextStyleDesc s;
    s.clr = color;
    s.size = size;
    s.hor = 1;
    s.ver = 1;
    s.singleline = true;
    return s;
}

// Heights a widget can have; negative ones count as 0.
int boundHeight(int value)
{
    return qBound(0, value, QWIDGETSIZE_MAX);
}

// An integral JSON number in the int range, else nothing.
bool readInt(const Json::Value& attr, const char* key, int& out)
{
    const Json::Value& v = jsonGet(attr, key);
    if (!v.isInt())
        return false;
    out = jsonToInt(v);
    return true;
}

} // namespace

CVNQRibbonBarImpl::CVNQRibbonBarImpl(CVNQRibbonBar* owner)
    : CVNQControlImpl(owner, QString::fromLatin1(CVNQRibbonBar::typeName()))
    , barBackground(makeFill(QColor(246, 248, 251), QColor(194, 202, 214), 0))
    , pageBackground(makeFill(QColor(255, 255, 255), QColor(207, 214, 224), 0))
    , groupBackground(makeFill(QColor(250, 252, 255), QColor(215, 221, 231), 4))
    , rowBackground(makeFill(QColor(246, 248, 251), QColor(), 0))
    , accentBackground(makeFill(QColor(229, 238, 255), QColor(89, 132, 208), 3))
    , galleryBackground(makeFill(QColor(255, 255, 255), QColor(207, 214, 224), 3))
    , tabText(makeText(QColor(30, 40, 54), 12))
    , groupTitleText(makeText(QColor(91, 103, 119), 11))
    , commandText(makeText(QColor(40, 48, 60), 11))
{
    tabs.set(CtrlStateNormal, makeFill(QColor(238, 242, 248), QColor(), 0));
    tabs.set(CtrlStateHover, makeFill(QColor(226, 238, 252), QColor(144, 183, 225), 3));
    tabs.set(CtrlStatePressed, makeFill(QColor(255, 255, 255), QColor(128, 171, 220), 3));
    tabs.set(CtrlStateDisabled, makeFill(QColor(238, 242, 248), QColor(), 0));
    commands.set(CtrlStateNormal, makeFill(QColor(255, 255, 255), QColor(210, 216, 225), 3));
    commands.set(CtrlStateHover, makeFill(QColor(232, 242, 255), QColor(129, 174, 226), 3));
    commands.set(CtrlStatePressed, makeFill(QColor(204, 226, 252), QColor(89, 143, 208), 3));
    commands.set(CtrlStateDisabled, makeFill(QColor(238, 238, 238), QColor(220, 220, 220), 3));
}

CVNQRibbonBar* CVNQRibbonBarImpl::bar() const
{
    return static_cast<CVNQRibbonBar*>(m_owner);
}

FillStyle* CVNQRibbonBarImpl::singleFill(int slot)
{
    switch (slot) {
    case BarBackground: return &barBackground;
    case PageBackground: return &pageBackground;
    case GroupBackground: return &groupBackground;
    case RowBackground: return &rowBackground;
    case AccentBackground: return &accentBackground;
    case GalleryBackground: return &galleryBackground;
    default: return nullptr;
    }
}

TextStyleDesc* CVNQRibbonBarImpl::textSlot(int slot)
{
    switch (slot) {
    case TabText: return &tabText;
    case GroupTitleText: return &groupTitleText;
    case CommandText:
    case CommandTextAlias: return &commandText;
    default: return nullptr;
    }
}

const FillStyle& CVNQRibbonBarImpl::fill(int slot) const
{
    static const FillStyle none = [] {
        FillStyle s;
        s.valid = false;
        return s;
    }();
    if (Slots::tabs.holds(slot))
        return tabs.get(slot - Slots::tabs.first);
    if (Slots::commands.holds(slot))
        return commands.get(slot - Slots::commands.first);
    const FillStyle* s = const_cast<CVNQRibbonBarImpl*>(this)->singleFill(slot);
    return s ? *s : none;
}

const TextStyleDesc& CVNQRibbonBarImpl::text(int slot) const
{
    static const TextStyleDesc none;
    const TextStyleDesc* s = const_cast<CVNQRibbonBarImpl*>(this)->textSlot(slot);
    return s ? *s : none;
}

void CVNQRibbonBarImpl::draw(QPainter* painter, const QRect& rect)
{
    drawFillStyle(painter, barBackground, rect);
}

void CVNQRibbonBarImpl::notifyChangeLanguage()
{
    bar()->applyRibbonStyles();
    bar()->updateLayout();
}

void CVNQRibbonBarImpl::readStyleEntry(const QString& name, int kind, int slot)
{
    if (kind == 1) {
        // The first slot of a state group names every state of it; a later
        // slot only its own.
        if (tabs.readEntry(Slots::tabs, slot, name) || commands.readEntry(Slots::commands, slot, name))
            return;
        if (FillStyle* s = singleFill(slot))
            cvnLookupStyle(name, *s);
    } else if (kind == 2) {
        if (TextStyleDesc* s = textSlot(slot))
            cvnLookupStyle(name, *s);
    }
}

void CVNQRibbonBarImpl::readJson(const Json::Value& node)
{
    cvnForEachStyleEntry(node, [this](const QString& name, int kind, int slot) { readStyleEntry(name, kind, slot); });
    CVNQRibbonBar* b = bar();
    if (const Json::Value* attr = cvnAttrObject(node))
        if (!readAttr(*attr))
            return;
    b->applyRibbonStyles();
    b->updateLayout();
}

bool CVNQRibbonBarImpl::readAttr(const Json::Value& attr)
{
    // Loading, the mode and the minimised state emit the bar's signals,
    // whose slots may delete the bar.
    CVNQRibbonBar* b = bar();
    int value = 0;
    const bool rows = readInt(attr, "groupRows", value);
    const int groupRows = qBound(2, value, 3);
    if (rows)
        b->m_groupRows = groupRows;
    if (readInt(attr, "topRowHeight", value))
        b->m_topRowHeight = boundHeight(value);
    if (readInt(attr, "tabRowHeight", value))
        b->m_tabRowHeight = boundHeight(value);
    if (readInt(attr, "pageHeight", value))
        b->m_pageHeight = boundHeight(value);

    // A theme sets styles and heights, never the content, mode or state.
    if (CVNQResourceManager::getInstance()->isLoadFromThemeRes())
        return true;

    // The node's reference is kept as written, even when its file is
    // missing or the inline content is refused, so saving does not lose it.
    const QString file = jsonString(attr, "configFile");
    if (!file.isEmpty())
        b->m_configFile = file;
    const Json::Value& ribbon = jsonGet(attr, "ribbon");
    const bool outlived = cvnOutlives(b, [&] {
        if (ribbon.isObject())
            b->loadConfigValue(ribbon, QStringLiteral("inline"));
        else if (!file.isEmpty())
            b->loadConfigFile(file);
    });
    if (!outlived)
        return false;
    // The content sets the rows of its mode; the node's own count, which
    // the writer saves beside it, stands until the mode changes.
    if (rows)
        b->m_groupRows = groupRows;

    const QString mode = jsonString(attr, "layoutMode", ribbonLayoutModeWord(b->m_layoutMode));
    if (!cvnOutlives(b, [&] { b->setLayoutMode(ribbonLayoutModeFromWord(mode)); }))
        return false;
    const bool minimized = jsonBool(attr, "minimized", b->m_minimized);
    return cvnOutlives(b, [&] { b->setMinimized(minimized); });
}

void CVNQRibbonBarImpl::writeJson(Json::Value& node) const
{
    Json::Value list(Json::arrayValue);
    auto single = [&list](const auto& style, int slot) {
        if (!style.name.isEmpty())
            cvnAppendStyleEntry(list, style, slot);
    };
    single(barBackground, BarBackground);
    single(pageBackground, PageBackground);
    single(groupBackground, GroupBackground);
    tabs.writeCompact(list, Slots::tabs);
    commands.writeCompact(list, Slots::commands);
    single(tabText, TabText);
    single(groupTitleText, GroupTitleText);
    single(commandText, CommandText);
    single(rowBackground, RowBackground);
    single(accentBackground, AccentBackground);
    single(galleryBackground, GalleryBackground);
    cvnSetStyleList(node, list);

    const CVNQRibbonBar* b = bar();
    Json::Value& attr = cvnOwnAttr(node, {"configFile", "layoutMode", "minimized", "topRowHeight", "tabRowHeight",
                                          "pageHeight", "groupRows", "ribbon"});
    jsonMember(attr, "configFile") = jsonUtf8(b->m_configFile);
    jsonMember(attr, "layoutMode") = jsonUtf8(ribbonLayoutModeWord(b->m_layoutMode));
    jsonMember(attr, "minimized") = b->m_minimized;
    jsonMember(attr, "topRowHeight") = b->m_topRowHeight;
    jsonMember(attr, "tabRowHeight") = b->m_tabRowHeight;
    jsonMember(attr, "pageHeight") = b->m_pageHeight;
    jsonMember(attr, "groupRows") = b->m_groupRows;
    jsonMember(attr, "ribbon") = b->writeConfigValue();
}

} // namespace CVNQtLib

#include "moc_CVNQRibbonBarImpl.cpp"
