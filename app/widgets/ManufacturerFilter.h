#pragma once

#include "setup/SetupLayout.h"

#include <QObject>

class AppContext;
class QCheckBox;
class QComboBox;
class QWidget;

// A module window's manufacturer filter on the shared merged fixture table:
// the check box "Manufacturer Filtering" and a drop-down list filled from the
// merged manufacturer table each time it opens. The module keeps its flag and
// text in its own part of the setup record, written when they change.
class ManufacturerFilter : public QObject {
    Q_OBJECT
public:
    ManufacturerFilter(AppContext& context, tvx::setup::Int32At filterOn, tvx::setup::CountedStringAt filterText,
                       QWidget* parent);

    // The controls, for the window to place.
    QCheckBox* check() const { return check_; }
    QComboBox* combo() const { return combo_; }

    // First activation: the stored text goes into the list.
    void showStoredText();
    // Every activation: the stored text and flag are applied to the shared
    // table again (another module window may have changed them).
    void applyStored();

private:
    void fillList();
    void selected(int index);
    void toggled(bool on);

    AppContext& context_;
    tvx::setup::Int32At filterOn_;
    tvx::setup::CountedStringAt filterText_;
    QCheckBox* check_ = nullptr;
    QComboBox* combo_ = nullptr;
};
