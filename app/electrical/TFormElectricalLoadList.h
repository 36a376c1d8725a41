#pragma once

#include "electrical/LoadList.h"
#include "widgets/ModuleWindow.h"

#include <QString>

class CataloguePane;
class ListGrid;
class NumberEdit;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QRadioButton;
class QSpinBox;
class QSplitter;
class QToolButton;

// The electrical load list: devices picked from the fixture catalogue (or
// typed) with their voltage, power factor and connection; the list keeps the
// per-device and per-conductor currents and the totals of a split-phase or
// three-phase supply. Lists are saved to and opened from .EL1 / .EL3 files,
// exported to CSV and printed. Every rule lives in the core LoadList.
class TFormElectricalLoadList : public ModuleWindow {
    Q_OBJECT
public:
    static constexpr int DefaultHeight = 495;
    static constexpr int DefaultWidth = 729;
    static constexpr int MinimumPaneHeight = 39;
    static constexpr int DefaultPaneHeight = 76;

    explicit TFormElectricalLoadList(AppContext& context, QWidget* parent = nullptr);
    ~TFormElectricalLoadList() override;

    tvx::electrical::LoadList& list() { return list_; }
    ListGrid* listGrid() const { return grid_; }
    bool modified() const { return modified_; }
    // The file a save proposes after an open (empty: the description).
    QString rememberedFileName() const { return saveFileName_; }

    // Commands, as the buttons and menus run them.
    void ElecL_AddClick();
    void ButtonAddMultipleClick();
    void ElecL_ClearLineClick();
    void ElecL_ClearListClick();
    void CopyRecord1Click();
    void ElecL_SaveClick();
    void ElecL_OpenClick();
    void Export1Click();
    void ElecL_PrintClick();
    void Button_BalancePhasesPerPhasesClick();
    void Button_BalancePhasesPerFixtureClick();
    // A pop-up command: a voltage (and a connection, unless empty) for the
    // selected records.
    void changeSelected(bool phaseNeutralVoltage, const QString& connection);

protected:
    void firstActivate() override;
    void storeValues() override;
    bool canClose() override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // TFormElectricalLoadList.cpp and TFormElectricalLoadListCommands.cpp
    void buildPanels();
    void buildEditRow(QWidget* panel);
    void buildMenus();
    void buildPopup();
    void loadPictures();
    void selectSystem(tvx::electrical::PowerSystem system);
    void commitVoltageText();
    void afterVoltageChange();
    void refreshTotals();
    void showCurrentInEditRow();
    void addDevices(int count);
    void applyToSelected(const tvx::electrical::RecordChange& change);
    void applyDeviceName();
    void applyWatts();
    void applyVoltage();
    void applyPowerFactor();
    void applyPhase();
    void tableError(const std::exception& e);
    tvx::electrical::LoadProgress progress();
    void endProgress();

    // TFormElectricalLoadListFiles.cpp
    bool saveWithDialog(const QString& proposedName);
    void openFile(const QString& path);
    void rememberFolderOf(const QString& path);

    tvx::electrical::LoadList list_;
    tvx::Subscription subscription_;
    bool modified_ = false;
    bool editRowBusy_ = false;
    QString saveFileName_;
    QString appliedVoltageText_;
    QString lastFolder_;

    QSplitter* splitter_ = nullptr;
    CataloguePane* pane_ = nullptr;
    ListGrid* grid_ = nullptr;
    QToolButton* saveButton_ = nullptr;
    QToolButton* openButton_ = nullptr;
    QToolButton* printButton_ = nullptr;
    QToolButton* previewButton_ = nullptr;
    QToolButton* deleteButton_ = nullptr;
    QToolButton* clearButton_ = nullptr;
    QToolButton* addButton_ = nullptr;
    QToolButton* addMultipleButton_ = nullptr;
    QToolButton* balancePhasesButton_ = nullptr;
    QToolButton* balanceDeviceButton_ = nullptr;
    QSpinBox* addCount_ = nullptr;
    QComboBox* voltagePhasePhase_ = nullptr;
    QComboBox* workingVoltage_ = nullptr;
    QRadioButton* singlePhase_ = nullptr;
    QRadioButton* threePhase_ = nullptr;
    QLineEdit* editName_ = nullptr;
    NumberEdit* editWatt_ = nullptr;
    QComboBox* comboVoltage_ = nullptr;
    NumberEdit* editPf_ = nullptr;
    QComboBox* comboPhase_ = nullptr;
    QLabel* labelAmpX_ = nullptr;
    QLabel* labelAmpY_ = nullptr;
    QLabel* labelAmpZ_ = nullptr;
    QLineEdit* reportName_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QMenu* popup_ = nullptr;
    QAction* voltageCommand_[2] = {nullptr, nullptr};
    QAction* phaseCommands_[7] = {};
};
