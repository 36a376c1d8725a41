#include "widgets/ListGrid.h"

#include "setup/SetupRecord.h"
#include "setup/WindowGeometry.h"
#include "table/RecordTable.h"
#include "table/RecordTableModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace {

// The record model with titles a window may replace per column.
class TitledModel : public RecordTableModel {
public:
    using RecordTableModel::RecordTableModel;
    QHash<int, QString> titles;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role == Qt::DisplayRole && orientation == Qt::Horizontal) {
            const auto it = titles.constFind(section);
            if (it != titles.constEnd())
                return *it;
        }
        return RecordTableModel::headerData(section, orientation, role);
    }
};

} // namespace

// The footer row: one cell per column of the view, drawn at the columns'
// current positions.
class ListGridFooter : public QWidget {
public:
    ListGridFooter(QTableView* view, QWidget* parent) : QWidget(parent), view_(view)
    {
        setObjectName(QStringLiteral("ListGridFooter"));
        setFixedHeight(fontMetrics().height() + 8);
    }

    QStringList texts;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Button));
        const QHeaderView* header = view_->horizontalHeader();
        const int left = view_->frameWidth() + (view_->verticalHeader()->isVisible() ? view_->verticalHeader()->width() : 0);
        const QColor line = palette().color(QPalette::Mid);
        p.setPen(line);
        p.drawLine(0, 0, width(), 0);
        p.drawLine(0, height() - 1, width(), height() - 1);
        for (int c = 0; c < header->count(); ++c) {
            if (header->isSectionHidden(c) || header->sectionSize(c) <= 0)
                continue;
            const int x = left + header->sectionViewportPosition(c);
            const QRect cell(x, 0, header->sectionSize(c), height());
            if (cell.right() < 0 || cell.left() > width())
                continue;
            p.setPen(line);
            p.drawLine(cell.right(), 0, cell.right(), height());
            if (c < texts.size() && !texts.at(c).isEmpty()) {
                p.setPen(palette().color(QPalette::ButtonText));
                p.drawText(cell.adjusted(3, 0, -4, 0),
                           Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::TextSingleLine,
                           texts.at(c));
            }
        }
    }

private:
    QTableView* view_;
};

ListGrid::ListGrid(QWidget* parent) : QWidget(parent)
{
    view_ = new QTableView(this);
    model_ = new TitledModel(nullptr, {}, this);
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setAlternatingRowColors(true);
    view_->setWordWrap(false);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->verticalHeader()->setFixedWidth(14);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->horizontalHeader()->setSectionsClickable(true);
    view_->horizontalHeader()->setMinimumSectionSize(0);
    view_->installEventFilter(this);

    footer_ = new ListGridFooter(view_, this);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(view_, 1);
    box->addWidget(footer_);

    QHeaderView* header = view_->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, footer_, qOverload<>(&QWidget::update));
    connect(header, &QHeaderView::sectionMoved, footer_, qOverload<>(&QWidget::update));
    connect(header, &QHeaderView::geometriesChanged, footer_, qOverload<>(&QWidget::update));
    connect(view_->horizontalScrollBar(), &QScrollBar::valueChanged, footer_, qOverload<>(&QWidget::update));
    connect(header, &QHeaderView::sectionClicked, this, &ListGrid::titleClicked);
}

ListGrid::~ListGrid() = default;

tvx::RecordTable* ListGrid::table() const
{
    return model_->table();
}

QWidget* ListGrid::footer() const
{
    return footer_;
}

void ListGrid::setTable(tvx::RecordTable* table, std::vector<std::size_t> columns)
{
    subscription_.reset();
    syncing_ = true;
    model_->setTable(table, std::move(columns));
    syncing_ = false;
    // The selection model is replaced with the model's reset only when the
    // model changes; connect once per call is enough as the model is ours.
    disconnect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, nullptr);
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (syncing_ || !current.isValid() || this->table() == nullptr)
                    return;
                syncing_ = true;
                this->table()->moveTo(std::size_t(current.row()));
                syncing_ = false;
            });
    if (table != nullptr) {
        subscription_ = table->subscribe([this](const tvx::TableChange&) { syncCurrentFromTable(); });
    }
    syncCurrentFromTable();
}

void ListGrid::syncCurrentFromTable()
{
    if (syncing_)
        return;
    const tvx::RecordTable* t = table();
    syncing_ = true;
    if (t != nullptr && t->hasCurrent()) {
        const QModelIndex index = model_->index(int(t->currentRow()), 0);
        view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        view_->scrollTo(index);
    }
    syncing_ = false;
}

void ListGrid::titleClicked(int section)
{
    // Each click on the same title turns the order round.
    sortDescending_ = section == sortSection_ ? !sortDescending_ : false;
    sortSection_ = section;
    model_->sort(section, sortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void ListGrid::setColumnTitle(int column, const QString& title)
{
    auto* m = static_cast<TitledModel*>(model_);
    if (title.isEmpty())
        m->titles.remove(column);
    else
        m->titles.insert(column, title);
    emit m->headerDataChanged(Qt::Horizontal, column, column);
}

QString ListGrid::columnTitle(int column) const
{
    return model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

void ListGrid::setFooterTexts(const QStringList& texts)
{
    footer_->texts = texts;
    footer_->update();
}

QString ListGrid::footerText(int column) const
{
    return column >= 0 && column < footer_->texts.size() ? footer_->texts.at(column) : QString();
}

void ListGrid::restoreColumnWidths(const tvx::SetupRecord& setup, tvx::setup::Int32ArrayAt at)
{
    const auto widths = setup.get(at);
    const int count = std::min(int(widths.size()), model_->columnCount());
    for (int c = 0; c < count; ++c) {
        if (tvx::columnWidthApplies(widths[std::size_t(c)]) && !view_->isColumnHidden(c))
            view_->setColumnWidth(c, int(widths[std::size_t(c)]));
    }
}

void ListGrid::storeColumnWidths(tvx::SetupRecord& setup, tvx::setup::Int32ArrayAt at) const
{
    auto widths = setup.get(at);
    const int count = std::min(int(widths.size()), model_->columnCount());
    for (int c = 0; c < count; ++c)
        widths[std::size_t(c)] = view_->isColumnHidden(c) ? 0 : view_->columnWidth(c);
    setup.set(at, widths);
}

std::vector<tvx::RecordId> ListGrid::selectedOrCurrent() const
{
    std::vector<tvx::RecordId> ids;
    const tvx::RecordTable* t = table();
    if (t == nullptr || t->recordCount() == 0)
        return ids;
    std::set<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        rows.insert(index.row());
    if (rows.empty()) {
        if (t->hasCurrent())
            ids.push_back(t->currentId());
        return ids;
    }
    for (int row : rows) {
        if (std::size_t(row) < t->recordCount())
            ids.push_back(t->recordAt(std::size_t(row)).id);
    }
    return ids;
}

void ListGrid::selectAll()
{
    view_->selectAll();
}

void ListGrid::deselectAll()
{
    view_->clearSelection();
}

bool ListGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        deselectAll();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
