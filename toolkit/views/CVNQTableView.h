#pragma once

// The toolkit's themed data grid ("qtdatagrid"): a QTableView over any item
// model with a themed header, rows drawn per state, an optional check-box
// column with a check box in the header, and template columns whose hidden
// container is stamped into every cell of the column and whose controls
// report clicks by object name.

#include "CVNQControl.h"
#include "CVNQScrollBarForwarders.h"
#include "CVNQGlobal.h"

#include <QList>
#include <QPointer>
#include <QTableView>

namespace CVNQtLib {

class CVNQTableViewImpl;
class CVNQTableHeader;
class CVNQTableViewitemDelegate;
class CVNQConerWidget;
class CVNQViewport;
class CVNQScrollBar;
class CVNQContainer;

// Item data role of an icon path that the table draws before a cell's text.
enum : int
{
    CellIconRole = Qt::UserRole + 100
};

class CVNQ_EXPORT CVNQTableView : public QTableView, public ICVNQWidgetBase, public CVNQScrollBarForwarders
{
    Q_OBJECT
    CVNQ_DECLARE_CONTROL(CVNQTableView, CVNQTableViewImpl)
    friend class CVNQTableHeader;

public:
    explicit CVNQTableView(QWidget* parent = nullptr);
    ~CVNQTableView() override;

    static ControlInfo getProps();

    // Distinct rows of the selected cells, each once (not sorted).
    QList<int> selectedRows() const;

    // A hidden container stamped into every cell of column; null removes the
    // column's entry. The container stays owned by its parent.
    void setColumnWidget(int column, CVNQContainer* widget);
    const CVNQContainer* getColumnWidget(int column) const;

    // The check image of one state; a loadable image also sets the size of
    // the check rectangle, and the header check box takes the path.
    void setCheckBoxImage(bool checked, const QString& path);
    QString getCheckBoxImage(bool checked) const;
    void setCheckedImage(const QString& path);
    QString getCheckedImage() const;
    void setUncheckedImage(const QString& path);
    QString getUncheckedImage() const;
    void setCheckstyle(bool on);
    bool getCheckstyle() const;
    // Heights of 0 or less are ignored.
    void setItemHeight(int height);
    int getItemHeight() const;

    // Styles. Per-state setters take 0 to 3, or 4 for all four states;
    // other states are ignored, and getters read state 0 for them.
    void setBackground(CommonCtrlState state, const FillStyle& style);
    const FillStyle& getBackground(CommonCtrlState state) const;
    void setItemBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getItemBackground(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getItemTextStyle(CtrlState state) const;
    void setHeaderBackground(CtrlState state, const FillStyle& style);
    const FillStyle& getHeaderBackground(CtrlState state) const;
    void setHeaderTextStyle(CtrlState state, const TextStyleDesc& style);
    const TextStyleDesc& getHeaderTextStyle(CtrlState state) const;

    // Scroll bars (their styling calls come with CVNQScrollBarForwarders):
    // horizontal true addresses the horizontal bar. They act on
    // the view's current bars, so bars that a caller installed in place of
    // the view's own are styled and replaced ones are never reached.
    void setScrollbarBtnSize(bool horizontal, int size);
    // Stores the thickness and puts the size style sheet on both bars.
    void setScrollbarSize(bool horizontal, int size);
    // The view's current bar of that direction when it is a toolkit bar.
    CVNQScrollBar* themedScrollBar(bool horizontal) const override;

    // Fills the demonstration contents (inside the maker's tools only).
    void initDemoData();

    CVNQTableViewImpl* getImpl() const { return m_impl.get(); }

Q_SIGNALS:
    void headerCheckedChanged(bool check);
    void customControlClicked(int row, QString name);

protected:
    void headerChecked(bool check);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    // Repaints only the shown cells whose contents differ from what they
    // showed when they were last painted.
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QVector<int>& roles = QVector<int>()) override;

private:
    // Ties the view to its current bar of that direction; true when it was
    // not tied before.
    bool connectScrollBar(Qt::Orientation orientation);

    // Guarded: Qt deletes a header, bar, corner widget or viewport that a
    // caller replaces, and a caller may delete the delegate.
    QPointer<CVNQTableHeader> m_horizontalHeader;
    QPointer<CVNQTableHeader> m_verticalHeader;
    QPointer<CVNQScrollBar> m_horizontalScrollBar;
    QPointer<CVNQScrollBar> m_verticalScrollBar;
    QPointer<CVNQTableViewitemDelegate> m_delegate;
    QPointer<CVNQConerWidget> m_cornerWidget;
    QPointer<CVNQViewport> m_viewport;
};

} // namespace CVNQtLib
