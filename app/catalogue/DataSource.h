#pragma once

#include <QObject>

namespace tvx {
class RecordTable;
}

// Connects windows to one record table; a window may switch the table it
// shows (the fixture database window's tabs), and every view bound to the
// data source follows.
class DataSource : public QObject {
    Q_OBJECT
public:
    DataSource(const QString& name, tvx::RecordTable* table, QObject* parent = nullptr)
        : QObject(parent), table_(table)
    {
        setObjectName(name);
    }

    tvx::RecordTable* table() const { return table_; }
    void setTable(tvx::RecordTable* table)
    {
        if (table == table_)
            return;
        table_ = table;
        emit tableChanged(table);
    }

signals:
    void tableChanged(tvx::RecordTable* table);

private:
    tvx::RecordTable* table_;
};
