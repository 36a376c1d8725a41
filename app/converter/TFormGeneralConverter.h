#pragma once

#include "converter/Converter.h"
#include "widgets/ModuleWindow.h"

#include <QString>

#include <array>
#include <functional>

class ConverterGroup;
class QAction;
class QLabel;
class QLineEdit;

// The General Converter: eight unit categories converted at once, with shared
// display settings (precision P, digits D, format) chosen from the Format menu.
class TFormGeneralConverter : public ModuleWindow {
    Q_OBJECT
public:
    explicit TFormGeneralConverter(AppContext& context, QWidget* parent = nullptr);

    // Where "Calculator..." finds the desktop calculator (an empty path: none
    // installed) and how it starts it (false: it could not be started).
    // Tests replace both.
    using CalculatorLookup = std::function<QString()>;
    using ProgramStarter = std::function<bool(const QString& program)>;
    void setCalculatorLookup(CalculatorLookup lookup) { findCalculator_ = std::move(lookup); }
    void setProgramStarter(ProgramStarter starter) { startProgram_ = std::move(starter); }
    // The first of the usual desktop calculators found on PATH, or "".
    static QString findDesktopCalculator();

    tvx::converter::DisplaySettings displaySettings() const { return settings_; }

    // Recomputes every result from the lists and entry boxes.
    void ConversionCalculation();

protected:
    void firstActivate() override;
    void storeValues() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildStatusBar();
    ConverterGroup* group(tvx::converter::Category category) const;

    void loadSetup();
    void saveSetup();
    void inputChanged();
    void setPrecision(int precision);
    void setDigits(int digits);
    void setFormat(tvx::converter::ResultFormat format);
    // Stores P, D and the format and keeps the shell's copies in step.
    void storeDisplaySettings();
    void showDisplaySettings();
    void applyDigitsToEntries();
    void showEntryDecimals(ConverterGroup* group);
    void openPocketCalculator(ConverterGroup* group);

    void Clear1Click();
    void Close1Click();
    void Calculator1Click();

    std::array<ConverterGroup*, tvx::converter::CategoryCount> groups_{};
    tvx::converter::DisplaySettings settings_;
    std::array<QAction*, tvx::converter::MaxPrecision> precisionItems_{};
    std::array<QAction*, tvx::converter::MaxDigits + 1> digitItems_{};
    std::array<QAction*, 3> formatItems_{};
    QLabel* digitPanel_ = nullptr;
    QLabel* precisionPanel_ = nullptr;
    QLabel* formatPanel_ = nullptr;
    bool loading_ = false;
    CalculatorLookup findCalculator_;
    ProgramStarter startProgram_;
};
