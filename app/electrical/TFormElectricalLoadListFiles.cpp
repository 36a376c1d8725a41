// Files and printing of the electrical load list window: save, open, CSV
// export, the save question on close and the two reports.
#include "electrical/TFormElectricalLoadList.h"

#include "common/Error.h"
#include "electrical/LoadListFile.h"
#include "electrical/LoadListMessages.h"
#include "electrical/TFormElectricalLoadPrint1ph.h"
#include "electrical/TFormElectricalLoadPrint3ph.h"
#include "reports/ReportPreview.h"
#include "setup/SetupLayout.h"
#include "setup/SetupRecord.h"
#include "shell/AppContext.h"
#include "shell/Prompts.h"
#include "table/TableFile.h"
#include "widgets/ListGrid.h"
#include "widgets/LocaleNumbers.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

namespace el = tvx::electrical;
using el::PowerSystem;

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "Description (*.EL3)|*.EL3|All (*.*)|*.*" as a file dialog filter: the
// descriptions, which name their patterns, one per line of the list.
QString dialogFilter(std::string_view filter)
{
    const QStringList parts = qs(filter).split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        names << parts.at(i);
    return names.join(QStringLiteral(";;"));
}

std::filesystem::path nativePath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

void TFormElectricalLoadList::rememberFolderOf(const QString& path)
{
    lastFolder_ = QFileInfo(path).absolutePath() + QLatin1Char('/');
    context().setLastListFolder(lastFolder_);
}

bool TFormElectricalLoadList::saveWithDialog(const QString& proposedName)
{
    const std::string description = reportName_->text().toStdString();
    list_.storeHeader(description);
    const el::ListFileDialog d = el::saveListDialog(list_.system());
    Prompts::FileDialog dialog;
    dialog.caption = qs(d.title);
    dialog.folder = context().userDataFolder();
    dialog.fileName = proposedName;
    dialog.filter = dialogFilter(d.filter);
    dialog.defaultSuffix = qs(d.defaultExtension);
    const QString path = context().prompts().saveFile(this, dialog);
    if (path.isEmpty())
        return false;
    try {
        el::saveListFile(nativePath(path), list_, description);
    } catch (const tvx::Error&) {
        context().prompts().error(this, qs(el::loadlistmsg::CannotSave));
        return false;
    }
    modified_ = false;
    rememberFolderOf(path);
    return true;
}

void TFormElectricalLoadList::ElecL_SaveClick()
{
    const QString proposed =
        !saveFileName_.isEmpty()
            ? QFileInfo(saveFileName_).fileName()
            : QString::fromStdString(el::proposedListFileName(reportName_->text().toStdString(), list_.system()));
    saveWithDialog(proposed);
}

bool TFormElectricalLoadList::canClose()
{
    if (context().setup().get(tvx::setup::ConfirmSaveList) != 1 || !modified_)
        return true;
    switch (context().prompts().message(this, Prompts::Icon::Warning, qs(el::loadlistmsg::ConfirmSaveOnClose),
                                        Prompts::Buttons::YesNoCancel)) {
    case Prompts::Answer::No:
        return true;
    case Prompts::Answer::Yes:
        // An unsaved list is never lost: a cancelled or failed save keeps the window.
        return saveWithDialog(saveFileName_.isEmpty() ? QString() : QFileInfo(saveFileName_).fileName());
    default:
        return false;
    }
}

void TFormElectricalLoadList::ElecL_OpenClick()
{
    const el::ListFileDialog d = el::openListDialog();
    Prompts::FileDialog dialog;
    dialog.caption = qs(d.title);
    dialog.folder = context().userDataFolder();
    dialog.filter = dialogFilter(d.filter);
    const QString path = context().prompts().openFile(this, dialog);
    if (!path.isEmpty())
        openFile(path);
}

void TFormElectricalLoadList::openFile(const QString& path)
{
    tvx::RecordTable& table = list_.table();
    if (table.totalCount() > 0 &&
        context().prompts().message(this, Prompts::Icon::Question, qs(el::loadlistmsg::ConfirmClearCurrentList),
                                    Prompts::Buttons::YesNo) == Prompts::Answer::Yes)
        table.clear();
    if (!QFileInfo::exists(path))
        return;
    selectSystem(el::systemOfListFile(nativePath(path)));
    el::ListHeader header;
    try {
        header = el::loadListFile(nativePath(path), list_);
    } catch (const std::exception& e) {
        context().prompts().error(this, QString::fromStdString(e.what()));
        refreshTotals();
        return;
    }
    saveFileName_ = path;
    rememberFolderOf(path);

    // The description and voltage of the file's first record; every record
    // then takes V or Vpn from its connection.
    reportName_->setText(QString::fromStdString(header.description));
    voltagePhasePhase_->setEditText(QString::fromStdString(header.voltageText));
    try {
        const std::string shown = list_.applyVoltage(header.voltageText, false, progress());
        voltagePhasePhase_->setEditText(QString::fromStdString(shown));
        list_.setDescription(header.description);
    } catch (const std::exception& e) {
        tableError(e);
    }
    endProgress();
    workingVoltage_->setCurrentIndex(0);
    afterVoltageChange();
    workingVoltage_->setCurrentIndex(0);
    table.first();
    modified_ = false;
}

void TFormElectricalLoadList::Export1Click()
{
    Prompts::FileDialog dialog;
    dialog.caption = QStringLiteral("Export");
    dialog.folder = context().userDataFolder();
    dialog.filter = dialogFilter("CSV (*.CSV)|*.CSV");
    dialog.defaultSuffix = QStringLiteral("CSV");
    const QString path = context().prompts().saveFile(this, dialog);
    if (path.isEmpty())
        return;
    try {
        tvx::saveTableFile(nativePath(path), list_.table());
    } catch (const tvx::Error& e) {
        context().prompts().error(this, QString::fromStdString(e.what()));
    }
}

void TFormElectricalLoadList::ElecL_PrintClick()
{
    const el::LoadFooter totals = list_.footer(localeDecimalSeparator(QLocale()));
    if (list_.system() == PowerSystem::ThreePhase) {
        TFormElectricalLoadPrint3ph print(context(), list_.table(), totals, reportName_->text());
        showReportPreview(this, print.report(), context());
    } else {
        TFormElectricalLoadPrint1ph print(context(), list_.table(), totals, reportName_->text());
        showReportPreview(this, print.report(), context());
    }
}
