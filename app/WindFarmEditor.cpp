// The editor drawer: a form that adds a turbine to the farm after checking
// its values.

#include "WindFarmWindow.h"

#include "CVNQComboBox.h"
#include "CVNQLabel.h"
#include "CVNQLineEdit.h"
#include "CVNQPushButton.h"
#include "TurbineDetailDrawer.h"
#include "WindDrawer.h"
#include "WindFarmSimulator.h"
#include "WindFarmTurbinesPage.h"
#include "WindFarmWidgets.h"

#include <cmath>

using namespace CVNQtLib;

void WindFarmWindow::buildEditorDrawer()
{
    editorDrawer = new WindDrawer(QStringLiteral("editorDrawer"), turbinesPage);

    CVNQContainer* headerRow =
        makeContainer(editorDrawer, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 8);
    setFixedHeightOf(headerRow, 40);
    editorTitle = makeLabel(headerRow, QStringLiteral("WindLabelSection"), 1, 36);
    editorCloseButton = makeButton(headerRow, QStringLiteral("WindCloseButton"), QString(), 32, 32,
                                   iconPath(QStringLiteral("close")), kWindIconColour);
    editorCloseButton->setObjectName(QStringLiteral("editorCloseButton"));

    makeDivider(editorDrawer);

    idCaption = makeLabel(editorDrawer, QStringLiteral("WindLabelSmBold"), 0, 22);
    idEdit = makeLineEdit(editorDrawer, QStringLiteral("editorIdEdit"), 0, 38);
    locationCaption = makeLabel(editorDrawer, QStringLiteral("WindLabelSmBold"), 0, 22);
    locationEdit = makeLineEdit(editorDrawer, QStringLiteral("editorLocationEdit"), 0, 38);
    powerCaption = makeLabel(editorDrawer, QStringLiteral("WindLabelSmBold"), 0, 22);
    powerEdit = makeLineEdit(editorDrawer, QStringLiteral("editorPowerEdit"), 0, 38);

    statusCaption = makeLabel(editorDrawer, QStringLiteral("WindLabelSmBold"), 0, 22);
    editorStatusCombo = makeCombo(editorDrawer, QStringLiteral("editorStatusCombo"), 0, 38);

    validationLabel = makeLabel(editorDrawer, QStringLiteral("WindLabelDanger"), 0, 36);
    validationLabel->setObjectName(QStringLiteral("editorValidationLabel"));
    validationLabel->setWordWrap(true);
    validationLabel->hide();

    makeContainer(editorDrawer, QStringLiteral("WindClear"), CVNQContainer::Vertical, 1);

    CVNQContainer* buttonRow =
        makeContainer(editorDrawer, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 0, 8);
    setFixedHeightOf(buttonRow, 38);
    makeContainer(buttonRow, QStringLiteral("WindClear"), CVNQContainer::Horizontal, 1);
    cancelButton =
        makeButton(buttonRow, QStringLiteral("WindSecondaryButton"), QString(), 100, 36, QString(), kWindIconColour);
    cancelButton->setObjectName(QStringLiteral("editorCancelButton"));
    saveButton =
        makeButton(buttonRow, QStringLiteral("WindPrimaryButton"), QString(), 116, 36, QString(), kWindIconColour);
    saveButton->setObjectName(QStringLiteral("editorSaveButton"));

    connect(editorCloseButton, &QPushButton::clicked, this, [this]() { editorDrawer->setExpanded(false); });
    connect(cancelButton, &QPushButton::clicked, this, [this]() { editorDrawer->setExpanded(false); });
    connect(saveButton, &QPushButton::clicked, this, &WindFarmWindow::saveEditorTurbine);

    editorDrawer->hide();
}

void WindFarmWindow::retranslateEditor()
{
    const int l = language;
    editorTitle->setText(bilingual(l, "Add Turbine", "新增风机"));
    idCaption->setText(bilingual(l, "Turbine ID", "风机 ID"));
    locationCaption->setText(bilingual(l, "Location", "位置"));
    powerCaption->setText(bilingual(l, "Rated power (kW)", "额定功率 (kW)"));
    statusCaption->setText(bilingual(l, "Initial status", "初始状态"));
    cancelButton->setText(bilingual(l, "Cancel", "取消"));
    saveButton->setText(bilingual(l, "Save Turbine", "保存风机"));
    if (!editorMessageEn.isEmpty())
        validationLabel->setText(l == 1 ? editorMessageZh : editorMessageEn);

    // An item's data is its status, which is also its index.
    refillCombo(editorStatusCombo, statusItems(), std::clamp(editorStatusCombo->currentIndex(), 0, 3));
}

void WindFarmWindow::openEditor()
{
    idEdit->setText(QStringLiteral("WTG-%1").arg(snapshot.turbineCount + 1, 3, 10, QLatin1Char('0')));
    locationEdit->clear();
    powerEdit->setText(QStringLiteral("3600"));
    editorStatusCombo->setCurrentIndex(0);
    clearEditorMessage();
    if (detailDrawer->isExpanded())
        detailDrawer->setExpanded(false);
    editorDrawer->setExpanded(true);
    idEdit->setFocus(Qt::OtherFocusReason);
}

void WindFarmWindow::showEditorMessage(const QString& english, const QString& chinese)
{
    editorMessageEn = english;
    editorMessageZh = chinese;
    validationLabel->setText(language == 1 ? chinese : english);
    validationLabel->show();
}

void WindFarmWindow::clearEditorMessage()
{
    editorMessageEn.clear();
    editorMessageZh.clear();
    validationLabel->hide();
}

void WindFarmWindow::saveEditorTurbine()
{
    const QString id = idEdit->text().trimmed();
    const QString location = locationEdit->text().trimmed();
    bool parsed = false;
    const double ratedPower = powerEdit->text().trimmed().toDouble(&parsed);
    // "inf", "nan" and 1e300 parse as doubles; a turbine rating is a finite
    // number of a size that exists.
    const bool powerOk = parsed && std::isfinite(ratedPower) && ratedPower > 0.0 && ratedPower <= kMaxRatedPowerKw;
    if (id.isEmpty() || location.isEmpty() || !powerOk || simulator->containsTurbine(id)) {
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
    editorDrawer->setExpanded(false);
    turbinesPage->searchFor(id);
    selectTurbine(id.toUpper());
}
