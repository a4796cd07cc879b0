#pragma once

// State and styles of the data grid, its JSON routine and its demonstration
// contents. The header, the delegate, the corner widget and the viewport
// read everything they paint from here.

#include "CVNQControlImpl.h"
#include "CVNQGlobal.h"
#include "CVNQStateStyles.h"

#include <QHash>
#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>

namespace CVNQtLib {

class CVNQCheckBox;
class CVNQContainer;
class CVNQTableView;

class CVNQ_EXPORT CVNQTableViewImpl : public CVNQControlImpl
{
    Q_OBJECT
public:
    CVNQTableViewImpl(CVNQTableView* owner, const QString& typeName);
    ~CVNQTableViewImpl() override;

    // Fills the background.
    void draw(QPainter* painter, const QRect& rect) override;
    // After a page built the grid: drops the scroll-bar controls built from
    // its node's children; then, inside the maker's emulator or designer
    // only, fills demonstration contents.
    void createComplete() override;
    void notifyChangeLanguage() override;

    CVNQTableView* view() const;
    // Stores the row under the pointer (-1 none) and repaints the rows when
    // it changed.
    void setHoveredRow(int row);
    // The pointer in viewport coordinates. Asking the window system costs a
    // round trip, so a paint of the rows asks once (beginRowsPaint) and
    // every template cell of that paint reads the answer.
    QPoint pointerInViewport() const;
    void beginRowsPaint();
    void endRowsPaint() { paintPointerValid = false; }

    // What a cell showed when the delegate last painted it (its text,
    // icon, alignment and check state), so that a change report repaints
    // only the cells whose contents really changed.
    static uint cellContents(const QString& text, const QString& iconPath, const QVariant& alignment, bool checked);
    void rememberPainted(const QModelIndex& index, uint contents);
    // False when the cell was painted last with the contents it has now.
    bool cellChanged(const QModelIndex& index) const;

    // A column's template container; null when there is none or it was
    // deleted since it was set.
    CVNQContainer* columnWidget(int column) const;
    bool hasColumnWidgets() const { return !columnWidgets.isEmpty(); }

    int itemHeight = 20;
    FillStyle background;
    CVNQTextStyles itemTextStyles;
    CVNQFillStyles itemBackgrounds;
    CVNQFillStyles headerBackgrounds;
    CVNQTextStyles headerTextStyles;
    int hoveredRow = -1;
    int scrollbarSize = 23;
    int scrollbarBtnSize = 23;
    // The one check box that draws the header box and every cell box.
    QPointer<CVNQCheckBox> headerCheckBox;
    bool checkstyle = false;
    QSize checkImageSize{24, 24};
    QString checkedImage{QStringLiteral("IDB_CHECKED")};
    QString uncheckedImage{QStringLiteral("IDB_UNCHECK")};
    bool headerChecked = false;
    // Not owned: a container deleted by its owner reads as null.
    QMap<int, QPointer<CVNQContainer>> columnWidgets;
    // The contents each cell was last painted with, by cell.
    QHash<quint64, uint> paintedCells;
    // The pointer as the current paint of the rows read it.
    QPoint paintPointer;
    bool paintPointerValid = false;

protected:
    // "style", "attr" and scroll-bar children, after the common part.
    void readJson(const Json::Value& node) override;
    void writeJson(Json::Value& node) const override;

private:
    void readStyles(const Json::Value& node);
    void readAttributes(const Json::Value& node);
    void readScrollBarChildren(const Json::Value& node);
    void writeStyles(Json::Value& node) const;
    void writeAttributes(Json::Value& node) const;
};

} // namespace CVNQtLib
