#pragma once

#include "table/TableChange.h"

#include <QObject>

#include <vector>

class AppContext;
class ClickLabel;
class ManufacturerFilter;
class QCheckBox;
class QComboBox;
class QLabel;
class QListView;
class RecordTableModel;
class QWidget;

namespace tvx {
class RecordTable;
}

// The fixture side of the photometric window: the current record of the
// shared merged fixture table with its clickable values, the list of fixture
// names, and the module's manufacturer filter. It never changes a record;
// it only moves the current record, sorts, and switches the shared filter.
class PhotometricFixtures : public QObject {
    Q_OBJECT
public:
    PhotometricFixtures(AppContext& context, QWidget* parent);
    ~PhotometricFixtures() override;

    // The fixture data and list, and the filter controls, for the window to place.
    QWidget* panel() const { return panel_; }
    QWidget* filterBox() const { return filterBox_; }

    // First activation: the stored filter text goes into the combo box.
    void showStoredFilterText();
    // Every activation: the stored filter text and flag are applied to the
    // shared table again (another module window may have changed them).
    void applyStoredFilter();

    // Sorts the table ascending on a field, keeping this module's filter.
    void sortBy(const char* fieldName);

signals:
    // A value label was clicked: quantity index (F, Cd or mF) and its value.
    void valueClicked(int quantity, double value);

private:
    struct ValueLabel {
        const char* field;
        ClickLabel* label;
        int quantity; // -1: display only
    };

    tvx::RecordTable* table() const;
    void bind();
    void showCurrent();
    void valueLabelClicked(const ValueLabel& v);

    AppContext& context_;
    QWidget* panel_ = nullptr;
    QWidget* filterBox_ = nullptr;
    ClickLabel* manufacturer_ = nullptr;
    ClickLabel* fixtureName_ = nullptr;
    QListView* list_ = nullptr;
    RecordTableModel* listModel_ = nullptr;
    RecordTableModel* valueModel_ = nullptr; // formats the current record's fields
    std::vector<ValueLabel> values_;
    ManufacturerFilter* filter_ = nullptr;
    tvx::Subscription subscription_;
    bool syncing_ = false;
};
