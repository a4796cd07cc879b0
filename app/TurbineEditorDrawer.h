#pragma once

// The editor drawer: a form that adds a turbine to the farm after checking
// its values, in the language it is given. The form keeps what was typed
// while the drawer is closed; only resetForm clears it.

#include "WindDrawer.h"
#include "WindFarmChoices.h"

#include <QString>

class WindFarmSimulator;

namespace CVNQtLib {
class CVNQComboBox;
class CVNQLabel;
class CVNQLineEdit;
class CVNQPushButton;
} // namespace CVNQtLib

class TurbineEditorDrawer : public WindDrawer
{
    Q_OBJECT

public:
    // Highest rated power the form accepts, in kW.
    static constexpr double kMaxRatedPowerKw = 20000.0;

    // The form adds its turbines to simulator.
    explicit TurbineEditorDrawer(WindFarmSimulator* simulator, QWidget* parent = nullptr);

    // 0 English, 1 Chinese: rewrites the form's texts and its status choice.
    void setLanguage(int language);
    // Proposes the first id from the one that follows turbineCount turbines
    // on that the farm does not hold, 3600 kW and the first status, with no
    // location and no message.
    void resetForm(int turbineCount);
    // Keyboard focus to the id field.
    void focusIdField();

public Q_SLOTS:
    // Checks the form and adds the turbine; a rejection is shown under the
    // form, a success closes the drawer and reports the id.
    void saveTurbine();

Q_SIGNALS:
    // A turbine was added with this id (as typed, trimmed).
    void turbineSaved(const QString& id);

private:
    void showEditorMessage(const QString& english, const QString& chinese);
    void clearEditorMessage();

    WindFarmSimulator* simulator = nullptr;
    int language = LanguageEnglish;
    // The last validation message, kept in both languages so a language
    // switch rewrites it.
    QString editorMessageEn;
    QString editorMessageZh;

    CVNQtLib::CVNQLabel* editorTitle = nullptr;
    CVNQtLib::CVNQPushButton* editorCloseButton = nullptr;
    CVNQtLib::CVNQLabel* idCaption = nullptr;
    CVNQtLib::CVNQLineEdit* idEdit = nullptr;
    CVNQtLib::CVNQLabel* locationCaption = nullptr;
    CVNQtLib::CVNQLineEdit* locationEdit = nullptr;
    CVNQtLib::CVNQLabel* powerCaption = nullptr;
    CVNQtLib::CVNQLineEdit* powerEdit = nullptr;
    CVNQtLib::CVNQLabel* statusCaption = nullptr;
    CVNQtLib::CVNQComboBox* editorStatusCombo = nullptr;
    CVNQtLib::CVNQLabel* validationLabel = nullptr;
    CVNQtLib::CVNQPushButton* cancelButton = nullptr;
    CVNQtLib::CVNQPushButton* saveButton = nullptr;
};
