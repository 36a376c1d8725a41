#include "table/RecordTableModel.h"

#include "common/Error.h"
#include "common/NumberText.h"

#include <numeric>

namespace {

std::vector<std::size_t> allColumns(const tvx::RecordTable* table)
{
    std::vector<std::size_t> cols(table != nullptr ? table->fieldCount() : 0);
    std::iota(cols.begin(), cols.end(), std::size_t(0));
    return cols;
}

} // namespace

RecordTableModel::RecordTableModel(tvx::RecordTable* table, std::vector<std::size_t> columns, QObject* parent)
    : QAbstractTableModel(parent)
{
    setTable(table, std::move(columns));
}

void RecordTableModel::setTable(tvx::RecordTable* table, std::vector<std::size_t> columns)
{
    beginResetModel();
    subscription_.reset();
    table_ = table;
    columns_ = columns.empty() ? allColumns(table) : std::move(columns);
    subscribe();
    endResetModel();
}

void RecordTableModel::setLocale(const QLocale& locale)
{
    beginResetModel();
    locale_ = locale;
    endResetModel();
}

void RecordTableModel::subscribe()
{
    if (table_ == nullptr)
        return;
    subscription_ = table_->subscribe([this](const tvx::TableChange& change) {
        if (change.kind == tvx::TableChange::Kind::CurrentChanged)
            return;
        // Posts may move a record to another row: rebuild the view.
        beginResetModel();
        endResetModel();
    });
}

int RecordTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || table_ == nullptr ? 0 : int(table_->recordCount());
}

int RecordTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QString RecordTableModel::displayText(int row, int column) const
{
    if (table_ == nullptr || row < 0 || std::size_t(row) >= table_->recordCount() || column < 0 ||
        std::size_t(column) >= columns_.size())
        return {};
    const std::size_t fieldIndex = columns_[std::size_t(column)];
    const tvx::Field& field = table_->field(fieldIndex);
    const tvx::Value& v = table_->valueAt(std::size_t(row), fieldIndex);
    const std::string sep = locale_.decimalPoint().toStdString();
    const std::string group = locale_.groupSeparator().toStdString();
    if (const auto* s = std::get_if<std::string>(&v))
        return QString::fromStdString(*s);
    if (const auto* i = std::get_if<std::int32_t>(&v))
        return field.displayFormat.empty() ? QString::number(*i)
                                           : QString::fromStdString(tvx::formatMask(*i, field.displayFormat, sep, group));
    if (const auto* d = std::get_if<double>(&v))
        return QString::fromStdString(field.displayFormat.empty() ? tvx::formatGeneral(*d, 15, 0, sep)
                                                                  : tvx::formatMask(*d, field.displayFormat, sep, group));
    if (const auto* b = std::get_if<bool>(&v))
        return *b ? QStringLiteral("True") : QStringLiteral("False");
    return {};
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || table_ == nullptr)
        return {};
    const std::size_t fieldIndex = columns_[std::size_t(index.column())];
    const tvx::Field& field = table_->field(fieldIndex);
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.row(), index.column());
    case Qt::EditRole: {
        const tvx::Value& v = table_->valueAt(std::size_t(index.row()), fieldIndex);
        if (const auto* d = std::get_if<double>(&v))
            return QString::fromStdString(tvx::formatMask(*d, "#.##", locale_.decimalPoint().toStdString()));
        return displayText(index.row(), index.column());
    }
    case Qt::TextAlignmentRole:
        return (field.type == tvx::FieldType::Int || field.type == tvx::FieldType::Float)
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || table_ == nullptr || section < 0 ||
        std::size_t(section) >= columns_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromStdString(table_->field(columns_[std::size_t(section)]).displayLabel());
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid() && !table_->field(columns_[std::size_t(index.column())]).isCalculated())
        f |= Qt::ItemIsEditable;
    return f;
}

bool RecordTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const std::size_t fieldIndex = columns_[std::size_t(index.column())];
    const tvx::Field& field = table_->field(fieldIndex);
    const QString text = value.toString();
    tvx::Value v;
    if (!text.isEmpty() || field.type == tvx::FieldType::Text) {
        switch (field.type) {
        case tvx::FieldType::Text: v = text.toStdString(); break;
        case tvx::FieldType::Bool: v = text == QStringLiteral("True"); break;
        case tvx::FieldType::Int: {
            const auto n = tvx::parseInt(text.trimmed().toStdString());
            if (!n) {
                emit editRefused(QStringLiteral("'%1' is not a valid integer value").arg(text));
                return false;
            }
            v = *n;
            break;
        }
        case tvx::FieldType::Float: {
            const auto d = tvx::parseFloat(text.toStdString(), locale_.decimalPoint().toStdString());
            if (!d) {
                emit editRefused(QStringLiteral("'%1' is not a valid floating point value").arg(text));
                return false;
            }
            v = *d;
            break;
        }
        }
    }
    try {
        table_->moveTo(std::size_t(index.row()));
        table_->edit();
        table_->setField(fieldIndex, std::move(v));
        table_->post();
    } catch (const tvx::Error& e) {
        table_->cancel();
        emit editRefused(QString::fromStdString(e.what()));
        return false;
    }
    return true;
}

void RecordTableModel::sort(int column, Qt::SortOrder order)
{
    if (table_ == nullptr || column < 0 || std::size_t(column) >= columns_.size())
        return;
    table_->setSort(columns_[std::size_t(column)],
                    order == Qt::AscendingOrder ? tvx::SortDirection::Ascending : tvx::SortDirection::Descending);
}
