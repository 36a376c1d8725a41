#include "widgets/CataloguePane.h"

#include "catalogue/CatalogueSchemas.h"
#include "catalogue/DataSource.h"
#include "setup/SetupRecord.h"
#include "setup/WindowGeometry.h"
#include "shell/AppContext.h"
#include "shell/Prompts.h"
#include "table/RecordTableModel.h"
#include "widgets/ManufacturerFilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace {

namespace fx = tvx::catalogue::fixture;

} // namespace

CataloguePane::CataloguePane(AppContext& context, const QStringList& fieldNames, const CataloguePaneSetup& setup,
                             const QString& typingMessage, QWidget* parent)
    : QWidget(parent), context_(context), fieldNames_(fieldNames), setup_(setup), typingMessage_(typingMessage)
{
    grid_ = new QTableView(this);
    model_ = new RecordTableModel(nullptr, {}, this);
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setAlternatingRowColors(true);
    grid_->setWordWrap(false);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->verticalHeader()->setFixedWidth(14);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->installEventFilter(this);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, &CataloguePane::titleClicked);
    connect(grid_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && table() != nullptr) {
            table()->moveTo(std::size_t(index.row()));
            emit recordActivated();
        }
    });

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(grid_);

    filter_ = new ManufacturerFilter(context_, setup_.filterOn, setup_.filterText, this);

    connect(&context_.DataSourceSource(), &DataSource::tableChanged, this, [this]() { bind(); });
    bind();
}

CataloguePane::~CataloguePane() = default;

tvx::RecordTable* CataloguePane::table() const
{
    return context_.DataSourceSource().table();
}

void CataloguePane::bind()
{
    subscription_.reset();
    tvx::RecordTable* t = table();
    std::vector<std::size_t> columns;
    if (t != nullptr) {
        for (const QString& name : fieldNames_) {
            if (const auto index = t->indexOf(name.toStdString()))
                columns.push_back(*index);
        }
    }
    syncing_ = true;
    model_->setTable(t, columns);
    syncing_ = false;
    disconnect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, nullptr);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (syncing_ || !current.isValid() || table() == nullptr)
                    return;
                syncing_ = true;
                table()->moveTo(std::size_t(current.row()));
                syncing_ = false;
            });
    // Subscribed after the model, so it is up to date when this runs.
    if (t != nullptr)
        subscription_ = t->subscribe([this](const tvx::TableChange&) { syncCurrent(); });
    syncCurrent();
}

void CataloguePane::syncCurrent()
{
    if (syncing_)
        return;
    const tvx::RecordTable* t = table();
    syncing_ = true;
    if (t != nullptr && t->hasCurrent()) {
        const QModelIndex index = model_->index(int(t->currentRow()), 0);
        grid_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
        grid_->scrollTo(index);
    } else {
        grid_->selectionModel()->clear();
    }
    syncing_ = false;
}

void CataloguePane::titleClicked(int section)
{
    sortDescending_ = section == sortSection_ ? !sortDescending_ : false;
    sortSection_ = section;
    model_->sort(section, sortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
}

QCheckBox* CataloguePane::filterCheck() const
{
    return filter_->check();
}

QComboBox* CataloguePane::filterCombo() const
{
    return filter_->combo();
}

void CataloguePane::showStoredFilterText()
{
    filter_->showStoredText();
}

void CataloguePane::applyStoredFilter()
{
    filter_->applyStored();
}

void CataloguePane::restoreColumnWidths()
{
    const auto widths = context_.setup().get(setup_.columnWidths);
    const int count = std::min(int(widths.size()), model_->columnCount());
    for (int c = 0; c < count; ++c) {
        if (tvx::columnWidthApplies(widths[std::size_t(c)]))
            grid_->setColumnWidth(c, int(widths[std::size_t(c)]));
    }
}

void CataloguePane::storeColumnWidths()
{
    auto widths = context_.setup().get(setup_.columnWidths);
    const int count = std::min(int(widths.size()), model_->columnCount());
    for (int c = 0; c < count; ++c)
        widths[std::size_t(c)] = grid_->columnWidth(c);
    context_.setup().set(setup_.columnWidths, widths);
}

bool CataloguePane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Typing a character would edit the record: the catalogue windows do that.
        if (!key->text().isEmpty() && key->text().at(0).isPrint() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            context_.prompts().information(this, typingMessage_);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
