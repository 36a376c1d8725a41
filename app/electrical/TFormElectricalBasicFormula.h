#pragma once

#include "electrical/BasicLaws.h"
#include "widgets/ModuleWindow.h"

#include <array>

class NumberEdit;
class QAction;
class QLabel;
class QLineEdit;

// The twelve arrangements of Ohm's law and the power law, each with its own
// pair of inputs and its own result, all recomputed after every keystroke.
// The window only wires widgets to the core calculation in
// electrical/BasicLaws.h; its inputs live in the setup record.
class TFormElectricalBasicFormula : public ModuleWindow {
    Q_OBJECT
public:
    explicit TFormElectricalBasicFormula(AppContext& context, QWidget* parent = nullptr);

    // The input texts in setup-record order and the result texts in formula
    // order, as they stand on screen.
    tvx::electrical::BasicLawInputs inputTexts() const;
    tvx::electrical::BasicLawResults resultTexts() const;

    // Menu commands.
    void Clear1Click();
    void Print1Click();
    void Close1Click();

protected:
    void firstActivate() override;
    void storeValues() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildGroup(const QString& group, const QString& titleName, const QString& title);
    void buildMenus();

    void Voltage_amps1Change();
    void ElectricalBasicLawCalculation();
    void ElectricalBasicLawLoadSetup();
    void ElectricalBasicLawSaveSetup();
    // Shows a readable input with at most two decimals, trailing zeros trimmed.
    void tidyInput(NumberEdit* edit);
    // The focused line edit of this window, for the Edit menu.

    std::array<NumberEdit*, tvx::electrical::BasicLawInputCount> inputs_{};
    std::array<QLineEdit*, tvx::electrical::BasicLawFormulaCount> results_{};
    QLabel* image_ = nullptr;
    bool loading_ = false;
};
