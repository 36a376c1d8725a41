// The list commands of the electrical load list window: adding devices, the
// edit row, the pop-up commands, deleting, clearing and balancing.
#include "electrical/TFormElectricalLoadList.h"

#include "common/Error.h"
#include "electrical/LoadBalance.h"
#include "electrical/LoadListMessages.h"
#include "shell/AppContext.h"
#include "shell/Prompts.h"
#include "widgets/CataloguePane.h"
#include "widgets/ListGrid.h"
#include "widgets/LocaleNumbers.h"
#include "widgets/NumberEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QSpinBox>

namespace el = tvx::electrical;
using namespace tvx::electrical::elecl;

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A number field's value, or no value when it is empty or unreadable.
tvx::Value numberValue(const QLineEdit* edit)
{
    const auto n = parseLocaleNumber(edit->text(), QLocale());
    return n ? tvx::Value(*n) : tvx::Value();
}

} // namespace

void TFormElectricalLoadList::tableError(const std::exception& e)
{
    if (list_.table().state() != tvx::TableState::Browse)
        list_.table().cancel();
    context().prompts().error(this, QString::fromStdString(el::loadlistmsg::tableError(el::kLoadListTableName, e.what())));
}

el::LoadProgress TFormElectricalLoadList::progress()
{
    return [this](std::size_t position, std::size_t count) {
        if (!progress_->isVisible()) {
            progress_->setRange(0, int(count));
            progress_->show();
        }
        progress_->setValue(int(position));
    };
}

void TFormElectricalLoadList::endProgress()
{
    progress_->hide();
}

void TFormElectricalLoadList::ElecL_AddClick()
{
    addDevices(1);
}

void TFormElectricalLoadList::ButtonAddMultipleClick()
{
    addDevices(el::addMultipleCount(addCount_->text().toStdString()));
}

void TFormElectricalLoadList::addDevices(int count)
{
    const tvx::RecordTable* fixtures = pane_->table();
    const auto device = fixtures != nullptr ? el::currentFixture(*fixtures) : std::nullopt;
    if (!device)
        return;
    try {
        const auto result =
            list_.addDevice(*device, workingVoltage_->currentText().toStdString(), count, progress());
        endProgress();
        if (result == el::LoadList::AddResult::NeedsWorkingVoltage)
            context().prompts().warning(this, qs(el::loadlistmsg::SelectWorkingVoltage));
    } catch (const std::exception& e) {
        endProgress();
        tableError(e);
    }
}

void TFormElectricalLoadList::applyToSelected(const el::RecordChange& change)
{
    tvx::RecordTable& t = list_.table();
    const std::vector<tvx::RecordId> ids = grid_->selectedOrCurrent();
    if (ids.empty())
        return;
    const tvx::RecordId current = t.currentId();
    try {
        el::editRecords(t, ids, change);
    } catch (const std::exception& e) {
        tableError(e);
    }
    if (current != 0)
        t.moveToId(current);
}

void TFormElectricalLoadList::applyDeviceName()
{
    if (!editName_->isModified())
        return;
    editName_->setModified(false);
    const std::string name = editName_->text().toStdString();
    applyToSelected([&name](tvx::RecordTable& t) {
        t.setField(ColDeviceName, name);
        return true;
    });
}

void TFormElectricalLoadList::applyWatts()
{
    if (!editWatt_->isModified())
        return;
    editWatt_->setModified(false);
    const tvx::Value watts = numberValue(editWatt_);
    applyToSelected([&watts](tvx::RecordTable& t) {
        t.setField(ColWatts, watts);
        return true;
    });
}

void TFormElectricalLoadList::applyVoltage()
{
    QLineEdit* edit = comboVoltage_->lineEdit();
    if (!edit->isModified())
        return;
    edit->setModified(false);
    const tvx::Value voltage = numberValue(edit);
    applyToSelected([&voltage](tvx::RecordTable& t) {
        t.setField(ColVoltage, voltage);
        return true;
    });
}

void TFormElectricalLoadList::applyPowerFactor()
{
    if (!editPf_->isModified())
        return;
    editPf_->setModified(false);
    const tvx::Value pf = numberValue(editPf_);
    applyToSelected([&pf](tvx::RecordTable& t) {
        t.setField(ColPowerFactor, pf);
        return true;
    });
}

void TFormElectricalLoadList::applyPhase()
{
    const std::string phase = comboPhase_->currentText().toStdString();
    if (phase.empty())
        return;
    applyToSelected([&phase](tvx::RecordTable& t) {
        t.setField(ColUsedPhase, phase);
        return true;
    });
}

void TFormElectricalLoadList::changeSelected(bool phaseNeutralVoltage, const QString& connection)
{
    const double voltage = phaseNeutralVoltage ? list_.voltageNeutral() : list_.voltage();
    const std::string phase = connection.toStdString();
    applyToSelected([voltage, &phase](tvx::RecordTable& t) {
        t.setField(ColVoltage, voltage);
        if (!phase.empty())
            t.setField(ColUsedPhase, phase);
        return true;
    });
    // The voltage commands go back to the first record, the phase commands move on.
    if (connection.isEmpty())
        list_.table().first();
    else
        list_.table().next();
    refreshTotals();
}

void TFormElectricalLoadList::CopyRecord1Click()
{
    tvx::RecordTable& t = list_.table();
    if (!t.hasCurrent())
        return;
    try {
        if (t.state() != tvx::TableState::Browse)
            t.post();
        const tvx::Record copy = t.currentRecord();
        t.append();
        for (std::size_t f = 0; f < copy.values.size(); ++f) {
            if (!t.field(f).isCalculated())
                t.setField(f, copy.values[f]);
        }
        t.post();
    } catch (const std::exception& e) {
        tableError(e);
    }
}

void TFormElectricalLoadList::ElecL_ClearLineClick()
{
    tvx::RecordTable& t = list_.table();
    const std::vector<tvx::RecordId> ids = grid_->selectedOrCurrent();
    if (ids.empty()) {
        context().prompts().error(this, qs(el::loadlistmsg::ListAlreadyEmpty));
        return;
    }
    try {
        tvx::BulkUpdate bulk(t);
        for (tvx::RecordId id : ids)
            t.removeRecord(id);
    } catch (const std::exception& e) {
        tableError(e);
    }
    grid_->deselectAll();
    if (t.totalCount() == 0)
        modified_ = false;
    list_.setDescription(reportName_->text().toStdString());
    refreshTotals();
}

void TFormElectricalLoadList::ElecL_ClearListClick()
{
    if (context().prompts().message(this, Prompts::Icon::Warning, qs(el::loadlistmsg::ConfirmClearList),
                                    Prompts::Buttons::OkCancel) != Prompts::Answer::Ok)
        return;
    list_.table().clear();
    grid_->clearFooter();
    reportName_->clear();
    modified_ = false;
}

void TFormElectricalLoadList::Button_BalancePhasesPerPhasesClick()
{
    try {
        el::balanceByCurrent(list_, progress());
    } catch (const std::exception& e) {
        tableError(e);
    }
    endProgress();
    refreshTotals();
}

void TFormElectricalLoadList::Button_BalancePhasesPerFixtureClick()
{
    try {
        el::balanceByDevice(list_, progress());
    } catch (const std::exception& e) {
        tableError(e);
    }
    endProgress();
    refreshTotals();
}
