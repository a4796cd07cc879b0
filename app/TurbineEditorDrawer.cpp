#include "TurbineEditorDrawer.h"

#include "CVNQSingleLine.h"
#include "CVNQComboBox.h"
#include "CVNQLabel.h"
#include "CVNQLineEdit.h"
#include "CVNQPushButton.h"
#include "GustrelResources.h"
#include "WindFarmSimulator.h"
#include "WindFarmStyle.h"
#include "WindFarmWidgets.h"

#include <algorithm>
#include <cmath>

using namespace CVNQtLib;

TurbineEditorDrawer::TurbineEditorDrawer(WindFarmSimulator* farm, QWidget* parent)
    : WindDrawer(QStringLiteral("editorDrawer"), parent)
    , simulator(farm)
{
    CVNQContainer* headerRow = makeContainer(this, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 8);
    setFixedHeightOf(headerRow, 40);
    editorTitle = makeLabel(headerRow, QStringLiteral("WindLabelSection"), 1, 36);
    editorCloseButton = makeButton(headerRow, QStringLiteral("WindCloseButton"), QString(), 32, 32,
                                   gustrelIconPath(QStringLiteral("close")), kWindIconColour);
    editorCloseButton->setObjectName(QStringLiteral("editorCloseButton"));

    makeDivider(this);

    idCaption = makeLabel(this, QStringLiteral("WindLabelSmBold"), 0, 22);
    idEdit = makeLineEdit(this, QStringLiteral("editorIdEdit"), 0, 38);
    locationCaption = makeLabel(this, QStringLiteral("WindLabelSmBold"), 0, 22);
    locationEdit = makeLineEdit(this, QStringLiteral("editorLocationEdit"), 0, 38);
    powerCaption = makeLabel(this, QStringLiteral("WindLabelSmBold"), 0, 22);
    powerEdit = makeLineEdit(this, QStringLiteral("editorPowerEdit"), 0, 38);

    statusCaption = makeLabel(this, QStringLiteral("WindLabelSmBold"), 0, 22);
    editorStatusCombo = makeCombo(this, QStringLiteral("editorStatusCombo"), 0, 38);

    validationLabel = makeLabel(this, QStringLiteral("WindLabelDanger"), 0, 36);
    validationLabel->setObjectName(QStringLiteral("editorValidationLabel"));
    validationLabel->setWordWrap(true);
    validationLabel->hide();

    makeContainer(this, QStringLiteral("WindClear"), CVNQContainer::Vertical, 1);

    CVNQContainer* buttonRow = makeContainer(this, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 8);
    setFixedHeightOf(buttonRow, 38);
    makeContainer(buttonRow, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 1);
    cancelButton =
        makeButton(buttonRow, QStringLiteral("WindSecondaryButton"), QString(), 100, 36, QString(), kWindIconColour);
    cancelButton->setObjectName(QStringLiteral("editorCancelButton"));
    saveButton =
        makeButton(buttonRow, QStringLiteral("WindPrimaryButton"), QString(), 116, 36, QString(), kWindIconColour);
    saveButton->setObjectName(QStringLiteral("editorSaveButton"));

    connect(editorCloseButton, &QPushButton::clicked, this, [this]() { setExpanded(false); });
    connect(cancelButton, &QPushButton::clicked, this, [this]() { setExpanded(false); });
    connect(saveButton, &QPushButton::clicked, this, &TurbineEditorDrawer::saveTurbine);

    hide();
}

void TurbineEditorDrawer::setLanguage(int value)
{
    language = value;
    const int l = language;
    editorTitle->setText(bilingual(l, "Add Turbine", "新增风机"));
    idCaption->setText(bilingual(l, "Turbine ID", "风机 ID"));
    locationCaption->setText(bilingual(l, "Location", "位置"));
    powerCaption->setText(bilingual(l, "Rated power (kW)", "额定功率 (kW)"));
    statusCaption->setText(bilingual(l, "Initial status", "初始状态"));
    cancelButton->setText(bilingual(l, "Cancel", "取消"));
    saveButton->setText(bilingual(l, "Save Turbine", "保存风机"));
    if (!editorMessageEn.isEmpty())
        validationLabel->setText(l == LanguageChinese ? editorMessageZh : editorMessageEn);

    // An item's data is its status, which is also its index.
    refillCombo(editorStatusCombo, statusItems(language), std::clamp(editorStatusCombo->currentIndex(), 0, 3));
}

void TurbineEditorDrawer::resetForm(int turbineCount)
{
    // The number after the count, or the first one after it that no turbine
    // holds yet: an added turbine may already carry the next number.
    auto proposal = [](int number) { return QStringLiteral("WTG-%1").arg(number, 3, 10, QLatin1Char('0')); };
    int number = turbineCount + 1;
    while (simulator->containsTurbine(proposal(number)))
        ++number;
    idEdit->setText(proposal(number));
    locationEdit->clear();
    powerEdit->setText(QStringLiteral("3600"));
    editorStatusCombo->setCurrentIndex(0);
    clearEditorMessage();
}

void TurbineEditorDrawer::focusIdField()
{
    idEdit->setFocus(Qt::OtherFocusReason);
}

void TurbineEditorDrawer::showEditorMessage(const QString& english, const QString& chinese)
{
    editorMessageEn = english;
    editorMessageZh = chinese;
    validationLabel->setText(language == LanguageChinese ? chinese : english);
    validationLabel->show();
}

void TurbineEditorDrawer::clearEditorMessage()
{
    editorMessageEn.clear();
    editorMessageZh.clear();
    validationLabel->hide();
}

void TurbineEditorDrawer::saveTurbine()
{
    const QString id = idEdit->text().trimmed();
    // The farm holds ids upper-cased, which may be another text than the
    // typed one in other letter case (ß becomes SS): uniqueness is checked,
    // and the table filtered and the turbine opened, by the id it will hold.
    const QString held = id.toUpper();
    // The field shows a pasted line break as a space; so is it saved.
    const QString location = cvnSingleLine(locationEdit->text()).trimmed();
    bool parsed = false;
    const double ratedPower = powerEdit->text().trimmed().toDouble(&parsed);
    // "inf", "nan" and 1e300 parse as doubles; a turbine rating is a finite
    // number of a size that exists.
    const bool powerOk = parsed && std::isfinite(ratedPower) && ratedPower > 0.0 && ratedPower <= kMaxRatedPowerKw;
    // An id is a key the operator searches for: it is one line or none.
    if (id.isEmpty() || !cvnIsSingleLine(id) || location.isEmpty() || !powerOk || simulator->containsTurbine(held)) {
        showEditorMessage(QStringLiteral("Enter a unique ID, location, and valid rated power."),
                          QStringLiteral("请填写唯一 ID、位置和有效的额定功率。"));
        return;
    }
    const int status = editorStatusCombo->currentData(Qt::UserRole).toInt();
    if (!simulator->addTurbine(id, location, ratedPower, static_cast<TurbineStatus>(status))) {
        showEditorMessage(QStringLiteral("Unable to add the turbine. Check the values."),
                          QStringLiteral("无法添加风机，请检查输入。"));
        return;
    }
    clearEditorMessage();
    setExpanded(false);
    emit turbineSaved(held.compare(id, Qt::CaseInsensitive) == 0 ? id : held);
}
