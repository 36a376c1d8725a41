#pragma once

#include "widgets/ModuleWindow.h"

#include <QHash>
#include <QString>

class PhaseLoadPage;
class QLineEdit;
class QTabWidget;

// Load sharing over the legs of a split-phase or three-phase supply. Two
// pages of the same layout (PhaseLoadPage) under the tab control PagePhase;
// the calculations live in electrical/PhaseLoad.h.
class TFormElectricalPhaseLoad : public ModuleWindow {
    Q_OBJECT
public:
    explicit TFormElectricalPhaseLoad(AppContext& context, QWidget* parent = nullptr);

    // The window heights of the two pages.
    static constexpr int SinglePhaseHeight = 440;
    static constexpr int ThreePhaseHeight = 500;

    // Text of every named field of both pages as it stands on screen, by
    // object name (the voltage lists give their edit text).
    QHash<QString, QString> fieldTexts() const;

    // Menu commands.
    void Print1Click();
    void Clear1Click();
    void Close1Click();

protected:
    void firstActivate() override;
    void storeValues() override;

private:
    void buildMenus();
    void PagePhaseChange(int index);

    QTabWidget* pages_ = nullptr;
    PhaseLoadPage* single_ = nullptr;
    PhaseLoadPage* three_ = nullptr;
};
