#pragma once

#include "setup/SetupLayout.h"
#include "table/RecordTable.h"

#include <QHash>
#include <QStringList>
#include <QWidget>

#include <vector>

class QTableView;
class RecordTableModel;
class ListGridFooter;

namespace tvx {
class SetupRecord;
} // namespace tvx

// The list grid of the list windows: a table view over a record table with
// multi-row selection, column-title sorting that sorts the table itself, and
// a footer row under the view whose cells follow the view's column widths and
// horizontal scrolling. The grid keeps the view's current row and the table's
// current record in step.
class ListGrid : public QWidget {
    Q_OBJECT
public:
    explicit ListGrid(QWidget* parent = nullptr);
    ~ListGrid() override;

    QTableView* view() const { return view_; }
    RecordTableModel* model() const { return model_; }
    tvx::RecordTable* table() const;

    // columns: field indexes to show, in this order.
    void setTable(tvx::RecordTable* table, std::vector<std::size_t> columns);

    // A column title other than the field's label ("" restores the label).
    void setColumnTitle(int column, const QString& title);
    QString columnTitle(int column) const;

    // Footer cells, one per column; missing ones are empty.
    void setFooterTexts(const QStringList& texts);
    void clearFooter() { setFooterTexts({}); }
    QString footerText(int column) const;
    QWidget* footer() const;

    // Column widths kept in the setup record; a stored width applies only
    // when it is above 1 (tvx::columnWidthApplies).
    void restoreColumnWidths(const tvx::SetupRecord& setup, tvx::setup::Int32ArrayAt at);
    void storeColumnWidths(tvx::SetupRecord& setup, tvx::setup::Int32ArrayAt at) const;

    // The ids of the selected records in list order; the current record when
    // none is selected; empty on an empty list.
    std::vector<tvx::RecordId> selectedOrCurrent() const;
    void selectAll();
    void deselectAll();

private:
    void syncCurrentFromTable();
    void titleClicked(int section);
    bool eventFilter(QObject* watched, QEvent* event) override;

    QTableView* view_ = nullptr;
    RecordTableModel* model_ = nullptr;
    ListGridFooter* footer_ = nullptr;
    tvx::Subscription subscription_;
    bool syncing_ = false;
    int sortSection_ = -1;
    bool sortDescending_ = false;
};
