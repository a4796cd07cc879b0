#pragma once

// The turbines page: title, search, status filter, the table of every
// turbine of the snapshot it is given (filtered and sorted through the
// window's proxy model) and the summary line under it. A click on a row or
// on "Add Turbine" is reported by a signal.

#include "CVNQContainer.h"
#include "WindFarmChoices.h"
#include "WindFarmSnapshot.h"

#include <QString>

class QModelIndex;
class QStandardItemModel;
class TurbineFilterProxyModel;

namespace CVNQtLib {
class CVNQComboBox;
class CVNQLabel;
class CVNQLineEdit;
class CVNQPushButton;
class CVNQTableView;
} // namespace CVNQtLib

class WindFarmTurbinesPage : public CVNQtLib::CVNQContainer
{
    Q_OBJECT

public:
    // The table shows its rows through proxyModel.
    explicit WindFarmTurbinesPage(TurbineFilterProxyModel* proxyModel, QWidget* parent = nullptr);

    // 0 English, 1 Chinese: rewrites the page's static texts and its status
    // choice.
    void setLanguage(int language);
    // Refills the turbine table and the summary line.
    void refreshSnapshot(const WindFarmSnapshot& snapshot);
    // "Showing n of m turbines": the rows the filter lets through of the
    // snapshot's turbines.
    void refreshTableFilterSummary();
    // Keyboard focus to the search field, its text selected.
    void focusTurbineSearch();
    // Writes text into the search field and filters the table by it.
    void searchFor(const QString& text);

Q_SIGNALS:
    void addTurbineClicked();
    // A row of the table was clicked: the id of its turbine.
    void turbineClicked(const QString& id);

private:
    void refreshTurbineList(const WindFarmSnapshot& snapshot);
    void onTableClicked(const QModelIndex& index);

    TurbineFilterProxyModel* proxyModel = nullptr;
    int language = LanguageEnglish;
    // Turbines of the snapshot shown.
    int turbineCount = 0;

    CVNQtLib::CVNQLabel* turbinesTitle = nullptr;
    CVNQtLib::CVNQLabel* turbinesSubtitle = nullptr;
    CVNQtLib::CVNQPushButton* addButton = nullptr;
    CVNQtLib::CVNQLineEdit* searchEdit = nullptr;
    CVNQtLib::CVNQComboBox* statusFilterCombo = nullptr;
    CVNQtLib::CVNQPushButton* filterButton = nullptr;
    CVNQtLib::CVNQTableView* turbineTable = nullptr;
    QStandardItemModel* turbineModel = nullptr;
    CVNQtLib::CVNQLabel* tableSummaryLabel = nullptr;
};
