#pragma once

#include "table/RecordTable.h"

#include <QAbstractTableModel>
#include <QLocale>

#include <vector>

// A Qt table model over a record table: one row per visible record in the
// table's order, one column per chosen field, values shown with the field's
// display format in the user's locale. Clicking a column title sorts the
// table itself, so the order holds for every view and for the next save.
class RecordTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // columns: field indexes to show, in this order; empty shows every field.
    explicit RecordTableModel(tvx::RecordTable* table, std::vector<std::size_t> columns = {},
                              QObject* parent = nullptr);

    tvx::RecordTable* table() const { return table_; }
    void setTable(tvx::RecordTable* table, std::vector<std::size_t> columns = {});
    std::size_t fieldOfColumn(int column) const { return columns_.at(std::size_t(column)); }
    void setEditable(bool editable) { editable_ = editable; }
    void setLocale(const QLocale& locale);

    // The text a cell shows.
    QString displayText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

signals:
    // An edit was refused (a number that does not read, a value out of range).
    void editRefused(const QString& message);

private:
    void subscribe();

    tvx::RecordTable* table_ = nullptr;
    std::vector<std::size_t> columns_;
    tvx::Subscription subscription_;
    QLocale locale_;
    bool editable_ = false;
};
