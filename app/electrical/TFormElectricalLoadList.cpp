#include "electrical/TFormElectricalLoadList.h"

#include "catalogue/CatalogueSchemas.h"
#include "common/Error.h"
#include "common/NumberText.h"
#include "electrical/LoadBalance.h"
#include "electrical/LoadListMessages.h"
#include "setup/SetupRecord.h"
#include "shell/AppContext.h"
#include "shell/Prompts.h"
#include "table/RecordTableModel.h"
#include "widgets/CataloguePane.h"
#include "widgets/ListGrid.h"
#include "widgets/LocaleNumbers.h"
#include "widgets/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace setup = tvx::setup;
namespace el = tvx::electrical;
using namespace tvx::electrical::elecl;
using el::PowerSystem;

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The list grid's columns, in display order.
const std::vector<std::size_t> kListColumns = {ColDeviceName, ColWatts,  ColVoltage, ColAmperage, ColPowerFactor,
                                               ColUsedPhase,  ColAmpX,   ColAmpY,    ColAmpZ,     ColAmpXN,
                                               ColAmpYN,      ColAmpZN,  ColAmpN};
// Grid columns of the three-phase-only currents (AmpZ, AmpXN, AmpYN, AmpZN).
constexpr int kFirstThreePhaseColumn = 8;
constexpr int kLastThreePhaseColumn = 11;
constexpr int kThreePhaseColumnWidth = 46;
constexpr int kAmpXColumn = 6;

const char* const kPhaseVoltages[] = {"100", "105", "110", "115", "120", "125", "127", "190",
                                      "208", "216", "220", "230", "240", "250", "277", "347",
                                      "380", "400", "415", "416", "440", "480", "600"};

QToolButton* iconButton(QWidget* parent, const char* name, const QString& hint)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setIconSize(QSize(20, 20));
    b->setFixedSize(28, 28);
    return b;
}

QString numberText(const tvx::Value& v, int decimals)
{
    const auto* d = std::get_if<double>(&v);
    if (d == nullptr)
        return {};
    return QString::fromStdString(tvx::formatFixed(*d, 15, decimals, localeDecimalSeparator(QLocale())));
}

} // namespace

TFormElectricalLoadList::TFormElectricalLoadList(AppContext& context, QWidget* parent)
    : ModuleWindow(context, parent), list_(PowerSystem::ThreePhase, el::kFallbackVoltage)
{
    setObjectName(QStringLiteral("FormElectricalLoadList"));
    buildPanels();
    buildMenus();
    buildPopup();

    subscription_ = list_.table().subscribe([this](const tvx::TableChange& change) {
        modified_ = true;
        if (change.kind == tvx::TableChange::Kind::CurrentChanged)
            showCurrentInEditRow();
        else
            refreshTotals();
    });
    resize(DefaultWidth, DefaultHeight);
    // The catalogue pane height: 76 when the stored one is below 39.
    int paneHeight = context.setup().get(setup::LoadListCataloguePaneHeight);
    if (paneHeight < MinimumPaneHeight)
        paneHeight = DefaultPaneHeight;
    splitter_->setSizes({paneHeight, std::max(100, DefaultHeight - paneHeight)});
    modified_ = false;
}

TFormElectricalLoadList::~TFormElectricalLoadList() = default;

void TFormElectricalLoadList::buildPanels()
{
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(4);

    pane_ = new CataloguePane(context(),
                              {QString::fromLatin1(tvx::catalogue::fixture::FixtureName),
                               QString::fromLatin1(tvx::catalogue::fixture::Manufacturer),
                               QString::fromLatin1(tvx::catalogue::fixture::Description),
                               QString::fromLatin1(tvx::catalogue::fixture::Watts),
                               QString::fromLatin1(tvx::catalogue::fixture::PowerFactor)},
                              {setup::LoadListManufacturerFilterOn, setup::LoadListManufacturerFilter,
                               setup::LoadListSourceColumnWidths},
                              qs(el::loadlistmsg::UseFixtureDatabase), this);
    pane_->setObjectName(QStringLiteral("PanelDatabase"));
    pane_->grid()->setObjectName(QStringLiteral("ElecL_Grid_Source"));
    pane_->setMinimumHeight(MinimumPaneHeight);
    int column = 0;
    for (int width : {150, 110, 200, 70, 50})
        pane_->grid()->setColumnWidth(column++, width);
    connect(pane_, &CataloguePane::recordActivated, this, &TFormElectricalLoadList::ElecL_AddClick);

    auto* lower = new QWidget(this);
    auto* lowerBox = new QVBoxLayout(lower);
    lowerBox->setContentsMargins(0, 0, 0, 0);
    lowerBox->setSpacing(4);

    auto* edit = new QWidget(lower);
    edit->setObjectName(QStringLiteral("PanelEdit"));
    buildEditRow(edit);
    lowerBox->addWidget(edit);

    grid_ = new ListGrid(lower);
    grid_->setObjectName(QStringLiteral("PanelList"));
    grid_->view()->setObjectName(QStringLiteral("ElecL_Grid_List"));
    grid_->footer()->setObjectName(QStringLiteral("ElecL_Grid_ListFooter"));
    grid_->setTable(&list_.table(), kListColumns);
    grid_->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    column = 0;
    for (int width : {150, 70, 64, 60, 40, 48, 60, 60, 46, 46, 46, 46, 60})
        grid_->view()->setColumnWidth(column++, width);
    lowerBox->addWidget(grid_, 1);

    auto* bottom = new QWidget(lower);
    bottom->setObjectName(QStringLiteral("PanelBottom"));
    auto* bottomBox = new QHBoxLayout(bottom);
    bottomBox->setContentsMargins(0, 0, 0, 0);
    labelAmpX_ = new QLabel(bottom);
    labelAmpX_->setObjectName(QStringLiteral("LabelAmpX"));
    labelAmpY_ = new QLabel(bottom);
    labelAmpY_->setObjectName(QStringLiteral("LabelAmpY"));
    labelAmpZ_ = new QLabel(bottom);
    labelAmpZ_->setObjectName(QStringLiteral("LabelAmpZ"));
    for (QLabel* l : {labelAmpX_, labelAmpY_, labelAmpZ_}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("Total Amps X: 0000.0 A")));
        bottomBox->addWidget(l);
    }
    auto* descCaption = new QLabel(QStringLiteral("Report Description:"), bottom);
    reportName_ = new QLineEdit(bottom);
    reportName_->setObjectName(QStringLiteral("EditReportName"));
    reportName_->setToolTip(QStringLiteral("Enter a short description of the list, it will appear on the printed report"));
    reportName_->setMaxLength(255);
    connect(reportName_, &QLineEdit::textEdited, this,
            [this](const QString& text) { list_.setDescription(text.toStdString()); });
    descCaption->setBuddy(reportName_);
    bottomBox->addSpacing(8);
    bottomBox->addWidget(descCaption);
    bottomBox->addWidget(reportName_, 1);
    progress_ = new QProgressBar(bottom);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setMaximumWidth(140);
    progress_->setTextVisible(false);
    progress_->hide();
    bottomBox->addWidget(progress_);
    lowerBox->addWidget(bottom);

    splitter_ = new QSplitter(Qt::Vertical, central);
    splitter_->setObjectName(QStringLiteral("Splitter1"));
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(pane_);
    splitter_->addWidget(lower);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    outer->addWidget(splitter_);
    setCentralWidget(central);
}

void TFormElectricalLoadList::buildEditRow(QWidget* panel)
{
    auto* box = new QVBoxLayout(panel);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(3);

    // Commands, the list voltages and the filter.
    auto* top = new QHBoxLayout;
    top->setSpacing(2);
    saveButton_ = iconButton(panel, "ElecL_Save", QStringLiteral("Save List"));
    openButton_ = iconButton(panel, "ElecL_Open", QStringLiteral("Open List"));
    printButton_ = iconButton(panel, "ElecL_Print", QStringLiteral("Print List"));
    previewButton_ = iconButton(panel, "ElecL_PrintPreview", QStringLiteral("Print Preview"));
    deleteButton_ = iconButton(panel, "ElecL_ClearLine", QStringLiteral("Delete Selected Row"));
    clearButton_ = iconButton(panel, "ElecL_ClearList", QStringLiteral("Clear List"));
    addButton_ = iconButton(panel, "ElecL_Add", QStringLiteral("Add selected item to the list"));
    connect(saveButton_, &QToolButton::clicked, this, &TFormElectricalLoadList::ElecL_SaveClick);
    connect(openButton_, &QToolButton::clicked, this, &TFormElectricalLoadList::ElecL_OpenClick);
    connect(printButton_, &QToolButton::clicked, this, &TFormElectricalLoadList::ElecL_PrintClick);
    connect(previewButton_, &QToolButton::clicked, this, &TFormElectricalLoadList::ElecL_PrintClick);
    connect(deleteButton_, &QToolButton::clicked, this, &TFormElectricalLoadList::ElecL_ClearLineClick);
    connect(clearButton_, &QToolButton::clicked, this, &TFormElectricalLoadList::ElecL_ClearListClick);
    connect(addButton_, &QToolButton::clicked, this, &TFormElectricalLoadList::ElecL_AddClick);
    for (QToolButton* b : {saveButton_, openButton_, printButton_, previewButton_})
        top->addWidget(b);
    top->addSpacing(6);
    for (QToolButton* b : {deleteButton_, clearButton_, addButton_})
        top->addWidget(b);

    addMultipleButton_ = new QToolButton(panel);
    addMultipleButton_->setObjectName(QStringLiteral("ButtonAddMultiple"));
    addMultipleButton_->setText(QStringLiteral("Add Multiple"));
    addMultipleButton_->setToolTip(
        QStringLiteral("Add selected item to the list multiple time (set number in the box to the right)"));
    addMultipleButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    addMultipleButton_->setFixedHeight(28);
    connect(addMultipleButton_, &QToolButton::clicked, this, &TFormElectricalLoadList::ButtonAddMultipleClick);
    addCount_ = new QSpinBox(panel);
    addCount_->setObjectName(QStringLiteral("EditNumberDevice1"));
    addCount_->setRange(el::kAddMultipleMin, el::kAddMultipleMax);
    addCount_->setValue(1);
    top->addSpacing(4);
    top->addWidget(addMultipleButton_);
    top->addWidget(addCount_);
    top->addSpacing(10);

    top->addWidget(new QLabel(QStringLiteral("Voltage Phase-Phase:"), panel));
    voltagePhasePhase_ = new QComboBox(panel);
    voltagePhasePhase_->setObjectName(QStringLiteral("EditVoltagePhasePhase"));
    voltagePhasePhase_->setEditable(true);
    voltagePhasePhase_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* v : kPhaseVoltages)
        voltagePhasePhase_->addItem(QLatin1String(v));
    voltagePhasePhase_->setMaxVisibleItems(12);
    voltagePhasePhase_->setMinimumContentsLength(4);
    // Applied when committed: Enter, leaving the field or picking an item.
    connect(voltagePhasePhase_->lineEdit(), &QLineEdit::editingFinished, this,
            &TFormElectricalLoadList::commitVoltageText);
    connect(voltagePhasePhase_, &QComboBox::activated, this, &TFormElectricalLoadList::commitVoltageText);
    top->addWidget(voltagePhasePhase_);
    top->addSpacing(6);
    top->addWidget(new QLabel(QStringLiteral("Device working voltage:"), panel));
    workingVoltage_ = new QComboBox(panel);
    workingVoltage_->setObjectName(QStringLiteral("ComboBoxWorkingVoltage"));
    workingVoltage_->setMinimumContentsLength(4);
    top->addWidget(workingVoltage_);
    top->addStretch(1);
    box->addLayout(top);

    // The system, the filter and the balancing commands.
    auto* middle = new QHBoxLayout;
    singlePhase_ = new QRadioButton(QStringLiteral("Single-Phase System"), panel);
    singlePhase_->setObjectName(QStringLiteral("RB_SinglePhase"));
    threePhase_ = new QRadioButton(QStringLiteral("Three-Phases System "), panel);
    threePhase_->setObjectName(QStringLiteral("RB_ThreePhase"));
    connect(singlePhase_, &QRadioButton::clicked, this, [this]() { selectSystem(PowerSystem::SinglePhase); });
    connect(threePhase_, &QRadioButton::clicked, this, [this]() { selectSystem(PowerSystem::ThreePhase); });
    middle->addWidget(singlePhase_);
    middle->addWidget(threePhase_);
    middle->addSpacing(12);
    middle->addWidget(pane_->filterCheck());
    pane_->filterCombo()->setMinimumContentsLength(14);
    middle->addWidget(pane_->filterCombo());
    middle->addStretch(1);
    balancePhasesButton_ = new QToolButton(panel);
    balancePhasesButton_->setObjectName(QStringLiteral("Button_BalancePhasesPerPhases"));
    balancePhasesButton_->setText(QStringLiteral("Balance phases"));
    balancePhasesButton_->setToolTip(QStringLiteral("Use this button to distribute the load evenly across the phases"));
    balanceDeviceButton_ = new QToolButton(panel);
    balanceDeviceButton_->setObjectName(QStringLiteral("Button_BalancePhasesPerFixture"));
    balanceDeviceButton_->setText(QStringLiteral("Balance device"));
    balanceDeviceButton_->setToolTip(
        QStringLiteral("Use this button to distribute the device evenly across the phases"));
    for (QToolButton* b : {balancePhasesButton_, balanceDeviceButton_}) {
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setFixedHeight(26);
        middle->addWidget(b);
    }
    connect(balancePhasesButton_, &QToolButton::clicked, this,
            &TFormElectricalLoadList::Button_BalancePhasesPerPhasesClick);
    connect(balanceDeviceButton_, &QToolButton::clicked, this,
            &TFormElectricalLoadList::Button_BalancePhasesPerFixtureClick);
    box->addLayout(middle);

    // The edit row: applies to the selected records when a field is left.
    auto* row = new QGridLayout;
    row->setHorizontalSpacing(4);
    row->setVerticalSpacing(0);
    editName_ = new QLineEdit(panel);
    editName_->setObjectName(QStringLiteral("EditDeviceName"));
    editName_->setMaxLength(50);
    editWatt_ = new NumberEdit(panel);
    editWatt_->setObjectName(QStringLiteral("EditWatt"));
    comboVoltage_ = new QComboBox(panel);
    comboVoltage_->setObjectName(QStringLiteral("ComboVoltage"));
    comboVoltage_->setEditable(true);
    comboVoltage_->setInsertPolicy(QComboBox::NoInsert);
    auto* voltageEdit = new NumberEdit(comboVoltage_);
    voltageEdit->setObjectName(QStringLiteral("EditVoltage"));
    comboVoltage_->setLineEdit(voltageEdit);
    editPf_ = new NumberEdit(panel);
    editPf_->setObjectName(QStringLiteral("EditPf"));
    comboPhase_ = new QComboBox(panel);
    comboPhase_->setObjectName(QStringLiteral("ComboBoxPhase"));
    comboPhase_->setMinimumContentsLength(5);
    const struct {
        const char* caption;
        QWidget* field;
        int stretch;
    } cells[] = {{"Device Name", editName_, 4}, {"Watt", editWatt_, 1}, {"Volt", comboVoltage_, 1},
                 {"Power factor", editPf_, 1},  {"Used Phase", comboPhase_, 1}};
    int c = 0;
    for (const auto& cell : cells) {
        auto* caption = new QLabel(QLatin1String(cell.caption), panel);
        caption->setBuddy(cell.field);
        row->addWidget(caption, 0, c);
        row->addWidget(cell.field, 1, c);
        row->setColumnStretch(c, cell.stretch);
        cell.field->installEventFilter(this);
        ++c;
    }
    voltageEdit->installEventFilter(this);
    connect(editName_, &QLineEdit::editingFinished, this, &TFormElectricalLoadList::applyDeviceName);
    connect(editWatt_, &QLineEdit::editingFinished, this, &TFormElectricalLoadList::applyWatts);
    connect(voltageEdit, &QLineEdit::editingFinished, this, &TFormElectricalLoadList::applyVoltage);
    connect(editPf_, &QLineEdit::editingFinished, this, &TFormElectricalLoadList::applyPowerFactor);
    connect(comboVoltage_, &QComboBox::activated, this, [this, voltageEdit](int index) {
        // A picked voltage is copied into the field (1 when it is not a number) and applied.
        const auto n = parseLocaleNumber(comboVoltage_->itemText(index), QLocale());
        voltageEdit->setText(n ? comboVoltage_->itemText(index) : QStringLiteral("1"));
        voltageEdit->setModified(true);
        applyVoltage();
    });
    connect(comboPhase_, &QComboBox::activated, this, &TFormElectricalLoadList::applyPhase);
    box->addLayout(row);
}

void TFormElectricalLoadList::buildMenus()
{
    using W = TFormElectricalLoadList;
    QMenu* file = addMenu(QStringLiteral("&File"), QStringLiteral("File1"));
    addMenuItem(file, "Open1", QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O), &W::ElecL_OpenClick);
    addMenuItem(file, "Save1", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), &W::ElecL_SaveClick);
    addMenuItem(file, "Export1", QStringLiteral("E&xport"), QKeySequence(Qt::CTRL | Qt::Key_E), &W::Export1Click);
    file->addSeparator();
    addMenuItem(file, "PrintPreview1", QStringLiteral("Print Pre&view"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_P),
        &W::ElecL_PrintClick);
    addMenuItem(file, "Print1", QStringLiteral("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P), &W::ElecL_PrintClick);
    file->addSeparator();
    addMenuItem(file, "Exit1", QStringLiteral("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_F12), [this]() { close(); });

    QMenu* edit = addEditMenu();
    edit->addSeparator();
    addMenuItem(edit, "SelectAll1", QStringLiteral("Select All"), QKeySequence(Qt::CTRL | Qt::Key_A),
        [this]() { grid_->selectAll(); });
    addMenuItem(edit, "DeSelectAll1", QStringLiteral("De-Select All"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A),
        [this]() { grid_->deselectAll(); });

    QMenu* action = addMenu(QStringLiteral("&Action"), QStringLiteral("Action1"));
    addMenuItem(action, "Add1", QStringLiteral("&Add"), QKeySequence(Qt::CTRL | Qt::Key_Insert), &W::ElecL_AddClick);
    addMenuItem(action, "AddMultiple1", QStringLiteral("Add &Multiple"), QKeySequence(Qt::CTRL | Qt::Key_M),
        &W::ButtonAddMultipleClick);
    addMenuItem(action, "DeleteRow1", QStringLiteral("Delete &Row"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
        &W::ElecL_ClearLineClick);
    addMenuItem(action, "ClearList1", QStringLiteral("Clear &List"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Delete),
        &W::ElecL_ClearListClick);
    addMenuItem(action, "DuplicateCurrentRecord1", QStringLiteral("Duplicate Current &Record"),
        QKeySequence(Qt::CTRL | Qt::Key_R), &W::CopyRecord1Click);
    action->addSeparator();
    addMenuItem(action, "BalancePerPhases1", QStringLiteral("Balance Per &Phases"), QKeySequence(Qt::CTRL | Qt::Key_F2),
        &W::Button_BalancePhasesPerPhasesClick);
    addMenuItem(action, "BalancePerDevice1", QStringLiteral("Balance Per &Device"), QKeySequence(Qt::CTRL | Qt::Key_F3),
        &W::Button_BalancePhasesPerFixtureClick);
}

void TFormElectricalLoadList::buildPopup()
{
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenuList"));
    QMenu* voltage = popup_->addMenu(QStringLiteral("Change Voltage For..."));
    voltage->setObjectName(QStringLiteral("ChangeVoltageFor1"));
    for (int i = 0; i < 2; ++i) {
        voltageCommand_[i] = voltage->addAction(QString());
        voltageCommand_[i]->setObjectName(QStringLiteral("ChangeVoltage%1").arg(i + 1));
        connect(voltageCommand_[i], &QAction::triggered, this, [this, i]() { changeSelected(i == 1, QString()); });
    }
    QMenu* phase = popup_->addMenu(QStringLiteral("Change Load Phase For..."));
    phase->setObjectName(QStringLiteral("ChangeLoadPhaseFor1"));
    int i = 0;
    for (std::string_view connection : el::kThreePhaseConnections) {
        const QString text = qs(connection);
        QAction* a = phase->addAction(QStringLiteral("Change Phase for ") + text);
        a->setObjectName(QStringLiteral("ChangePhase") + QString(text).remove(QLatin1Char('-')));
        connect(a, &QAction::triggered, this,
                [this, text, connection]() { changeSelected(el::isNeutralConnection(connection), text); });
        phaseCommands_[i++] = a;
    }
    popup_->addSeparator();
    QAction* dup = popup_->addAction(QStringLiteral("Du&plicate Record"));
    dup->setObjectName(QStringLiteral("DuplicateRecord1"));
    connect(dup, &QAction::triggered, this, &TFormElectricalLoadList::CopyRecord1Click);
    QAction* del = popup_->addAction(QStringLiteral("&Delete Record"));
    del->setObjectName(QStringLiteral("DeleteRecord1"));
    connect(del, &QAction::triggered, this, &TFormElectricalLoadList::ElecL_ClearLineClick);
    popup_->addSeparator();
    QAction* all = popup_->addAction(QStringLiteral("Select All"));
    all->setObjectName(QStringLiteral("PopupSelectAll"));
    connect(all, &QAction::triggered, this, [this]() { grid_->selectAll(); });
    QAction* none = popup_->addAction(QStringLiteral("De-Select All"));
    none->setObjectName(QStringLiteral("PopupDeSelectAll"));
    connect(none, &QAction::triggered, this, [this]() { grid_->deselectAll(); });
    connect(grid_->view(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_->popup(grid_->view()->viewport()->mapToGlobal(at)); });
}

void TFormElectricalLoadList::loadPictures()
{
    const auto icon = [this](const char* file) { return QIcon(QPixmap(context().resourcePath(QLatin1String(file)))); };
    saveButton_->setIcon(icon("Save.bmp"));
    openButton_->setIcon(icon("Open.bmp"));
    printButton_->setIcon(icon("Print.bmp"));
    previewButton_->setIcon(icon("PrintPreview.bmp"));
    deleteButton_->setIcon(icon("DeleteLine.bmp"));
    clearButton_->setIcon(icon("ClearList.bmp"));
    addButton_->setIcon(icon("Add.bmp"));
    addMultipleButton_->setIcon(icon("Add.bmp"));
    balancePhasesButton_->setIcon(icon("balance.bmp"));
    balanceDeviceButton_->setIcon(icon("balance.bmp"));
}

void TFormElectricalLoadList::firstActivate()
{
    tvx::SetupRecord& rec = context().setup();
    loadPictures();
    workingVoltage_->clear();
    for (const std::string& item : list_.workingVoltageItems())
        workingVoltage_->addItem(QString::fromStdString(item));
    workingVoltage_->setCurrentIndex(0);
    const int stored = rec.get(setup::LoadListWorkingVoltage);
    if (stored >= 0 && stored < workingVoltage_->count())
        workingVoltage_->setCurrentIndex(stored);
    addCount_->setValue(std::clamp(int(rec.get(setup::LoadListAddMultipleCount)), el::kAddMultipleMin,
                                   el::kAddMultipleMax));
    selectSystem(rec.get(setup::LoadListSystem) == 1 ? PowerSystem::SinglePhase : PowerSystem::ThreePhase);
    pane_->restoreColumnWidths();
    grid_->restoreColumnWidths(rec, setup::LoadListListColumnWidths);
    restoreGeometryBlock(setup::LoadListGeometry);
    pane_->showStoredFilterText();
    modified_ = false;
}

bool TFormElectricalLoadList::event(QEvent* event)
{
    const bool handled = ModuleWindow::event(event);
    // Another module window may have changed the shared filter meanwhile.
    if (event->type() == QEvent::WindowActivate)
        pane_->applyStoredFilter();
    return handled;
}

void TFormElectricalLoadList::storeValues()
{
    tvx::SetupRecord& rec = context().setup();
    if (!lastFolder_.isEmpty())
        context().setLastListFolder(lastFolder_);
    modified_ = false;
    rec.set(setup::LoadListSystem, list_.system() == PowerSystem::SinglePhase ? 1 : 2);
    rec.set(setup::LoadListVoltageIndex, voltagePhasePhase_->findText(voltagePhasePhase_->currentText()));
    rec.set(setup::LoadListWorkingVoltage, workingVoltage_->currentIndex());
    rec.set(setup::LoadListAddMultipleCount, el::addMultipleCount(addCount_->text().toStdString()));
    rec.set(setup::LoadListCataloguePaneHeight, splitter_->sizes().value(0));
    pane_->storeColumnWidths();
    grid_->storeColumnWidths(rec, setup::LoadListListColumnWidths);
    storeGeometryBlock(setup::LoadListGeometry);
}

void TFormElectricalLoadList::selectSystem(PowerSystem system)
{
    const bool three = system == PowerSystem::ThreePhase;
    singlePhase_->setChecked(!three);
    threePhase_->setChecked(three);
    QTableView* view = grid_->view();
    for (int c = kFirstThreePhaseColumn; c <= kLastThreePhaseColumn; ++c) {
        view->setColumnHidden(c, !three);
        if (three)
            view->setColumnWidth(c, kThreePhaseColumnWidth);
    }
    grid_->setColumnTitle(kAmpXColumn, three ? QStringLiteral("Amp X-Y") : QStringLiteral("Amp X"));
    grid_->setColumnTitle(kAmpXColumn + 1, three ? QStringLiteral("Amp Y-Z") : QStringLiteral("Amp Y"));
    grid_->setColumnTitle(kAmpXColumn + 2, three ? QStringLiteral("Amp Z-X") : QString());
    labelAmpZ_->setVisible(three);
    comboPhase_->clear();
    if (three) {
        for (std::string_view c : el::kThreePhaseConnections)
            comboPhase_->addItem(qs(c));
    } else {
        for (std::string_view c : el::kSinglePhaseConnections)
            comboPhase_->addItem(qs(c));
    }
    // Z-N, Y-Z, Z-X and X-Y-Z exist in three-phase lists only.
    for (int i : {2, 4, 5, 6})
        phaseCommands_[i]->setVisible(three);

    const double remembered =
        context().setup().get(three ? setup::LoadListVoltage3ph : setup::LoadListVoltage1ph);
    const std::string text = remembered > 0 ? tvx::formatGeneral(remembered)
                                            : std::to_string(el::defaultPhasePhaseVoltage(system));
    try {
        const std::string shown = list_.setSystem(system, text, progress());
        voltagePhasePhase_->setEditText(QString::fromStdString(shown));
    } catch (const std::exception& e) {
        tableError(e);
    }
    endProgress();
    afterVoltageChange();
    saveFileName_.clear();
}

void TFormElectricalLoadList::commitVoltageText()
{
    const QString text = voltagePhasePhase_->currentText();
    if (text == appliedVoltageText_)
        return;
    try {
        const std::string shown = list_.applyVoltage(text.toStdString(), true, progress());
        voltagePhasePhase_->setEditText(QString::fromStdString(shown));
    } catch (const std::exception& e) {
        tableError(e);
    }
    endProgress();
    afterVoltageChange();
}

void TFormElectricalLoadList::afterVoltageChange()
{
    appliedVoltageText_ = voltagePhasePhase_->currentText();
    const int index = workingVoltage_->currentIndex();
    workingVoltage_->clear();
    for (const std::string& item : list_.workingVoltageItems())
        workingVoltage_->addItem(QString::fromStdString(item));
    workingVoltage_->setCurrentIndex(index);

    const QString voltageText = comboVoltage_->lineEdit()->text();
    comboVoltage_->clear();
    comboVoltage_->addItem(shortestLocaleText(list_.voltage(), QLocale()));
    comboVoltage_->addItem(shortestLocaleText(list_.voltageNeutral(), QLocale()));
    comboVoltage_->setCurrentIndex(-1);
    comboVoltage_->lineEdit()->setText(voltageText);

    const auto captions = list_.voltageCommandCaptions();
    voltageCommand_[0]->setText(QString::fromStdString(captions[0]));
    voltageCommand_[1]->setText(QString::fromStdString(captions[1]));

    context().setup().set(list_.system() == PowerSystem::ThreePhase ? setup::LoadListVoltage3ph
                                                                      : setup::LoadListVoltage1ph,
                          double(list_.voltage()));
    refreshTotals();
    showCurrentInEditRow();
}

void TFormElectricalLoadList::refreshTotals()
{
    const el::LoadFooter f = list_.footer(localeDecimalSeparator(QLocale()));
    const auto q = [](const std::string& s) { return QString::fromStdString(s); };
    grid_->setFooterTexts({q(f.deviceName), q(f.watts), q(f.voltage), q(f.amperage), QString(), q(f.usedPhase),
                           q(f.ampX), q(f.ampY), q(f.ampZ), q(f.ampXN), q(f.ampYN), q(f.ampZN), q(f.ampN)});
    labelAmpX_->setText(q(f.labelX));
    labelAmpY_->setText(q(f.labelY));
    labelAmpZ_->setText(q(f.labelZ));
}

void TFormElectricalLoadList::showCurrentInEditRow()
{
    // Not while the user is typing in the row.
    for (QWidget* w : std::initializer_list<QWidget*>{editName_, editWatt_, comboVoltage_, comboVoltage_->lineEdit(),
                                                      editPf_, comboPhase_}) {
        if (w->hasFocus())
            return;
    }
    const tvx::RecordTable& t = list_.table();
    QString name, watts, voltage, pf, phase;
    if (t.hasCurrent() && t.state() == tvx::TableState::Browse) {
        const tvx::Record& r = t.currentRecord();
        if (const auto* s = std::get_if<std::string>(&r[ColDeviceName]))
            name = QString::fromStdString(*s);
        watts = numberText(r[ColWatts], 1);
        if (const auto* d = std::get_if<double>(&r[ColVoltage]))
            voltage = shortestLocaleText(*d, QLocale());
        pf = numberText(r[ColPowerFactor], 2);
        if (const auto* s = std::get_if<std::string>(&r[ColUsedPhase]))
            phase = QString::fromStdString(*s);
    }
    editName_->setText(name);
    editWatt_->setText(watts);
    comboVoltage_->lineEdit()->setText(voltage);
    editPf_->setText(pf);
    comboPhase_->setCurrentIndex(comboPhase_->findText(phase));
    for (QLineEdit* e : {editName_, static_cast<QLineEdit*>(editWatt_), comboVoltage_->lineEdit(),
                         static_cast<QLineEdit*>(editPf_)})
        e->setModified(false);
}

bool TFormElectricalLoadList::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the edit row moves on like Tab.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && qobject_cast<QWidget*>(watched) != nullptr) {
            if (auto* edit = qobject_cast<QLineEdit*>(watched))
                emit edit->editingFinished();
            focusNextChild();
            return true;
        }
    }
    return ModuleWindow::eventFilter(watched, event);
}
