#pragma once

#include "electrical/ColorCode.h"
#include "widgets/ModuleWindow.h"

#include <array>

class NumberEdit;
class QFrame;
class QLineEdit;
class QRadioButton;

// The colour code of a four-band resistor, both ways: clicking the colours of
// the bands gives the resistance, typing a resistance gives the value bands.
// The window wires widgets to electrical/ColorCode.h only; the typed value
// lives in the setup record.
class TFormResistanceColorCode : public ModuleWindow {
    Q_OBJECT
public:
    explicit TFormResistanceColorCode(AppContext& context, QWidget* parent = nullptr);

    const tvx::electrical::ColourBands& bands() const { return bands_; }
    // The three result texts as they stand on screen.
    tvx::electrical::ColourCodeResults resultTexts() const;

    // Menu commands.
    void Clear1Click();
    void Print1Click();
    void Close1Click();

protected:
    void firstActivate() override;
    void storeValues() override;

private:
    QWidget* buildChart();
    QWidget* buildResistor();
    QWidget* buildPickers();
    QWidget* buildResults();
    QWidget* buildEntry();
    QWidget* buildFormulas();
    void buildMenus();

    void swatchClick(tvx::electrical::ColourBand band, const tvx::electrical::BandSetting& setting);
    void SpinButton1Click(bool up);
    void EditOhmsEntryChange();
    void ValueToBands();
    void ResultsUpdate();
    tvx::electrical::EntryUnit unit() const;
    // Sets the entry text without it counting as the user's typing.
    void setEntryText(const QString& text);

    tvx::electrical::ColourBands bands_ = tvx::electrical::initialBands();
    std::array<QFrame*, tvx::electrical::ColourBandCount> bandShapes_{};
    QLineEdit* total_ = nullptr;
    QLineEdit* totalK_ = nullptr;
    QLineEdit* totalM_ = nullptr;
    NumberEdit* entry_ = nullptr;
    QRadioButton* ohms_ = nullptr;
    QRadioButton* kiloOhms_ = nullptr;
    QRadioButton* megaOhms_ = nullptr;
    bool settingEntry_ = false;
};
