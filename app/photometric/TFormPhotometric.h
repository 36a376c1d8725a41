#pragma once

#include "photometric/Photometric.h"
#include "widgets/ModuleWindow.h"

#include <array>

class NumberEdit;
class PhotometricDiagram;
class PhotometricFixtures;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;

// Geometry and light levels of one fixture above a subject. The user picks
// the quantity to calculate and what is known; the window shows the formula,
// fills the inputs from the remembered values and shows the result at once.
// The formulas and their failures live in photometric/Photometric.h.
class TFormPhotometric : public ModuleWindow {
    Q_OBJECT
public:
    explicit TFormPhotometric(AppContext& context, QWidget* parent = nullptr);

    // The remembered values of H, V, D, F, C, K, X, Y, Fc, Cd and mF.
    const tvx::photometric::Values& values() const { return values_; }

    // Makes `target` the quantity to calculate, as a letter on the diagram
    // and the "Calculate..." menu do.
    void selectTarget(int target);
    // Enters a value from the fixture catalogue into a remembered value.
    void enterValue(int quantity, double value);

    // Menu commands.
    void Clear1Click();
    void Close1Click();

protected:
    void firstActivate() override;
    void storeValues() override;
    bool event(QEvent* event) override;

private:
    QWidget* buildCalculateGroup(QWidget* parent);
    void buildMenus();

    void PhotoDropBox1Change();
    void CBKnowingChange();
    void fillKnowing();
    void layoutRow();
    void PhotoMetricCalculation();

    PhotometricDiagram* diagram_ = nullptr;
    PhotometricFixtures* fixtures_ = nullptr;
    QComboBox* target_ = nullptr;
    QComboBox* knowing_ = nullptr;
    QLabel* formula_ = nullptr;
    std::array<QLabel*, 3> inputLabels_{};
    std::array<NumberEdit*, 3> inputs_{};
    QLabel* resultLabelA_ = nullptr;
    QLineEdit* resultA_ = nullptr;
    QLabel* resultLabelB_ = nullptr;
    QLineEdit* resultB_ = nullptr;
    QLabel* warning_ = nullptr;
    tvx::photometric::Values values_{};
};
