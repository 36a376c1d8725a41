#pragma once

#include "electrical/TFormElectricalVoltageDropPrint.h"
#include "electrical/VoltageDrop.h"
#include "widgets/ModuleWindow.h"

class NumberEdit;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// Voltage drop on a cable run, solved three ways side by side: the drop of a
// given gauge, the smallest gauge for a drop limit and the longest run for a
// drop limit. Every change recomputes all three through the core calculation
// in electrical/VoltageDrop.h; the inputs live in the setup record.
class TFormElectricalVoltageDrop : public ModuleWindow {
    Q_OBJECT
public:
    explicit TFormElectricalVoltageDrop(AppContext& context, QWidget* parent = nullptr);

    // What the report prints: the texts as they stand on screen.
    VoltageDropReportTexts reportTexts() const;

    // Menu commands.
    void Clear1Click();
    void Print1Click();
    void Close1Click();

protected:
    void firstActivate() override;
    void storeValues() override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* buildHeader();
    QGroupBox* buildDropSection();
    QGroupBox* buildWireSizeSection();
    QGroupBox* buildDistanceSection();
    void buildMenus();

    NumberEdit* numberEdit(const char* name, const QString& hint);
    QComboBox* gaugeList(const char* name);
    QLineEdit* resultField(const char* name);
    QRadioButton* radio(const char* name, const QString& text);

    void EditVoltageDropAmpsChange();
    void RadioButtonFeetClick();
    void EditDistanceVoltageDropPercentChange();
    void EditWireSizeVoltageDropPercentChange();
    void VoltageDropCalculate();
    void loadSetup();
    void saveSetup();

    tvx::electrical::PhaseSystem dropSystem() const;
    tvx::electrical::PhaseSystem wireSystem() const;
    tvx::electrical::PhaseSystem distanceSystem() const;
    tvx::electrical::LengthUnit unit() const;
    tvx::electrical::Conductor conductor() const;

    // Header.
    QRadioButton* feet_ = nullptr;
    QRadioButton* meter_ = nullptr;
    QRadioButton* aluminium_ = nullptr;
    QRadioButton* copper_ = nullptr;
    // Voltage-drop section.
    NumberEdit* dropVoltage_ = nullptr;
    NumberEdit* dropAmps_ = nullptr;
    NumberEdit* dropDistance_ = nullptr;
    QComboBox* dropGauge_ = nullptr;
    QRadioButton* dropSingle_ = nullptr;
    QRadioButton* dropThree_ = nullptr;
    QLineEdit* dropResult_ = nullptr;
    QLineEdit* dropPercentResult_ = nullptr;
    // Wire-size section.
    NumberEdit* wireVoltage_ = nullptr;
    NumberEdit* wireAmps_ = nullptr;
    NumberEdit* wireDistance_ = nullptr;
    NumberEdit* wireLimitVolts_ = nullptr;
    NumberEdit* wireLimitPercent_ = nullptr;
    QRadioButton* wireSingle_ = nullptr;
    QRadioButton* wireThree_ = nullptr;
    QLineEdit* wireResult_ = nullptr;
    QLabel* cmilLabel_ = nullptr;
    // Distance section.
    NumberEdit* distanceVoltage_ = nullptr;
    NumberEdit* distanceAmps_ = nullptr;
    QComboBox* distanceGauge_ = nullptr;
    NumberEdit* distanceLimitVolts_ = nullptr;
    NumberEdit* distanceLimitPercent_ = nullptr;
    QRadioButton* distanceSingle_ = nullptr;
    QRadioButton* distanceThree_ = nullptr;
    QLineEdit* distanceResult_ = nullptr;

    tvx::electrical::VoltageDropMemory memory_;
    bool busy_ = false; // loading or writing results: field changes do not recompute
};
