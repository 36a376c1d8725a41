#pragma once

#include "setup/SetupLayout.h"
#include "table/RecordTable.h"

#include <QStringList>
#include <QWidget>

class AppContext;
class QCheckBox;
class QComboBox;
class QTableView;
class ManufacturerFilter;
class RecordTableModel;

// Where a module window keeps its part of the shared catalogue filter and
// the catalogue grid's column widths in the setup record.
struct CataloguePaneSetup {
    tvx::setup::Int32At filterOn;
    tvx::setup::CountedStringAt filterText;
    tvx::setup::Int32ArrayAt columnWidths;
};

// The catalogue pane of the list windows: a read-only grid over the shared
// merged fixture table (the source data source) with chosen columns, and the
// module's manufacturer filter (check box and a drop-down list filled from
// the merged manufacturer table each time it opens). A title click sorts the
// shared table itself, alternately ascending and descending. The pane never
// changes a catalogue record: typing in the grid shows `typingMessage`.
class CataloguePane : public QWidget {
    Q_OBJECT
public:
    CataloguePane(AppContext& context, const QStringList& fieldNames, const CataloguePaneSetup& setup,
                  const QString& typingMessage, QWidget* parent = nullptr);
    ~CataloguePane() override;

    QTableView* grid() const { return grid_; }
    RecordTableModel* model() const { return model_; }
    tvx::RecordTable* table() const;

    // The filter controls, for the window to place.
    QCheckBox* filterCheck() const;
    QComboBox* filterCombo() const;

    // First activation: the stored filter text goes into the list.
    void showStoredFilterText();
    // Every activation: the stored text and flag are applied to the shared
    // table again (another module window may have changed them).
    void applyStoredFilter();

    void restoreColumnWidths();
    void storeColumnWidths();

signals:
    // A catalogue record was double-clicked (it is the current record).
    void recordActivated();

private:
    void bind();
    void syncCurrent();
    void titleClicked(int section);
    bool eventFilter(QObject* watched, QEvent* event) override;

    AppContext& context_;
    QStringList fieldNames_;
    CataloguePaneSetup setup_;
    QString typingMessage_;
    QTableView* grid_ = nullptr;
    RecordTableModel* model_ = nullptr;
    ManufacturerFilter* filter_ = nullptr;
    tvx::Subscription subscription_;
    bool syncing_ = false;
    int sortSection_ = -1;
    bool sortDescending_ = false;
};
