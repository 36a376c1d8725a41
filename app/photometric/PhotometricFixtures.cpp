#include "photometric/PhotometricFixtures.h"

#include "catalogue/CatalogueSchemas.h"
#include "catalogue/DataSource.h"
#include "photometric/ClickLabel.h"
#include "photometric/Photometric.h"
#include "setup/SetupLayout.h"
#include "shell/AppContext.h"
#include "table/RecordTableModel.h"
#include "widgets/ManufacturerFilter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

#include <functional>

namespace {

namespace fx = tvx::catalogue::fixture;
using tvx::photometric::Quantity;

constexpr int kListRows = 12;
const QColor kValueColor(0, 0, 128);

QString valueText(const RecordTableModel* model, const tvx::RecordTable* table, const char* field)
{
    if (table == nullptr || !table->hasCurrent())
        return {};
    const auto index = table->indexOf(field);
    return index ? model->displayText(int(table->currentRow()), int(*index)) : QString();
}

} // namespace

PhotometricFixtures::PhotometricFixtures(AppContext& context, QWidget* parent) : QObject(parent), context_(context)
{
    panel_ = new QWidget(parent);
    panel_->setObjectName(QStringLiteral("PhotoFixturePanel"));

    auto* heading = new QLabel(QStringLiteral("Fixture Database"), panel_);
    heading->setObjectName(QStringLiteral("PhotoLabelFixtureSelector"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    manufacturer_ = new ClickLabel(QString(), panel_);
    manufacturer_->setObjectName(QStringLiteral("PhotoDBTextmanufacturer"));
    manufacturer_->setToolTip(QStringLiteral("Manufacturer name ( click to sort the list)"));
    manufacturer_->setColors(kValueColor, Qt::red);
    manufacturer_->setFont(bold);
    connect(manufacturer_, &ClickLabel::clicked, this, [this]() { sortBy(fx::Manufacturer); });

    fixtureName_ = new ClickLabel(QString(), panel_);
    fixtureName_->setObjectName(QStringLiteral("PhotoDBTextFixtureName"));
    fixtureName_->setToolTip(QStringLiteral("Fixture Name  ( click to sort the list)"));
    fixtureName_->setColors(kValueColor, Qt::red);
    connect(fixtureName_, &ClickLabel::clicked, this, [this]() { sortBy(fx::FixtureName); });

    list_ = new QListView(panel_);
    list_->setObjectName(QStringLiteral("PhotoDBLookupListBox1"));
    list_->setToolTip(QStringLiteral("Click to select or double click to pass values to the entry fields"));
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    // Twelve rows high.
    const int rowHeight = list_->fontMetrics().height() + 2;
    list_->setFixedHeight(rowHeight * kListRows + 2 * list_->frameWidth());

    listModel_ = new RecordTableModel(nullptr, {}, this);
    valueModel_ = new RecordTableModel(nullptr, {}, this);
    list_->setModel(listModel_);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(0);
    const QString fHint = QStringLiteral("Click here to enter this value in the F field");
    const QString cdHint = QStringLiteral("Click here to enter this value in the CD field");
    const QString mfHint = QStringLiteral("Click here to enter this value in the mF field");
    const QString lumensHint = QStringLiteral("Lumens");
    struct Item {
        const char* caption;
        const char* name;
        const char* field;
        int quantity;
        const QString* hint;
    };
    const Item items[] = {
        {"Beam max:", "PhotoDBTextBeamMax", fx::BeamMax, int(Quantity::F), &fHint},
        {"Beam min:", "PhotoDBTextBeamMin", fx::BeamMin, int(Quantity::F), &fHint},
        {"Candela Min:", "DBText1", fx::CandelaMin, int(Quantity::Cd), &cdHint},
        {"Candela max:", "PhotoDBTextCandela", fx::CandelaMax, int(Quantity::Cd), &cdHint},
        {"Lumens Min:", "PhotoDBTextLumens", fx::LumensMin, -1, &lumensHint},
        {"Max:", "ESBDBLabel1", fx::Lumens, -1, &lumensHint},
        {"Mf Min:", "PhotoDBTextMfMin", fx::MF, int(Quantity::mF), &mfHint},
        {"Max:", "PhotoDBTextMfMax", fx::MFMax, int(Quantity::mF), &mfHint},
    };
    int i = 0;
    for (const Item& item : items) {
        auto* caption = new QLabel(QString::fromLatin1(item.caption), panel_);
        auto* value = new ClickLabel(QString(), panel_);
        // Captions keep their width; a long value gives way.
        value->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        value->setObjectName(QLatin1String(item.name));
        value->setToolTip(*item.hint);
        if (item.quantity >= 0) {
            value->setColors(kValueColor, Qt::red);
        } else {
            value->setColors(Qt::black, Qt::black);
            value->setCursor(Qt::ArrowCursor);
        }
        values_.push_back({item.field, value, item.quantity});
        const ValueLabel entry = values_.back();
        connect(value, &ClickLabel::clicked, this, [this, entry]() { valueLabelClicked(entry); });
        const int r = i / 2;
        const int c = (i % 2) * 2;
        grid->addWidget(caption, r, c);
        grid->addWidget(value, r, c + 1);
        ++i;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* box = new QVBoxLayout(panel_);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(2);
    box->addWidget(heading);
    box->addWidget(manufacturer_);
    box->addWidget(fixtureName_);
    box->addWidget(list_);
    box->addSpacing(2);
    box->addLayout(grid);
    box->addStretch(1);

    filterBox_ = new QWidget(parent);
    filterBox_->setObjectName(QStringLiteral("PhotoFilterPanel"));
    filter_ = new ManufacturerFilter(context_, tvx::setup::PhotometricManufacturerFilterOn,
                                     tvx::setup::PhotometricManufacturerFilter, filterBox_);
    auto* filterLayout = new QVBoxLayout(filterBox_);
    filterLayout->setContentsMargins(0, 0, 0, 0);
    filterLayout->setSpacing(3);
    filterLayout->addStretch(1);
    filterLayout->addWidget(filter_->check());
    filterLayout->addWidget(filter_->combo());

    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (syncing_ || !current.isValid() || table() == nullptr)
                    return;
                table()->moveTo(std::size_t(current.row()));
            });
    connect(&context_.DataSourceSource(), &DataSource::tableChanged, this, [this]() { bind(); });
    bind();
}

PhotometricFixtures::~PhotometricFixtures() = default;

tvx::RecordTable* PhotometricFixtures::table() const
{
    return context_.DataSourceSource().table();
}

void PhotometricFixtures::bind()
{
    subscription_.reset();
    tvx::RecordTable* t = table();
    std::vector<std::size_t> nameColumn;
    if (t != nullptr) {
        if (const auto index = t->indexOf(fx::FixtureName))
            nameColumn.push_back(*index);
    }
    syncing_ = true;
    listModel_->setTable(t, nameColumn);
    valueModel_->setTable(t);
    syncing_ = false;
    // Subscribed after the models, so they are up to date when this runs.
    if (t != nullptr)
        subscription_ = t->subscribe([this](const tvx::TableChange&) { showCurrent(); });
    showCurrent();
}

void PhotometricFixtures::showCurrent()
{
    const tvx::RecordTable* t = table();
    manufacturer_->setText(valueText(valueModel_, t, fx::Manufacturer));
    fixtureName_->setText(valueText(valueModel_, t, fx::FixtureName));
    for (const ValueLabel& v : values_)
        v.label->setText(valueText(valueModel_, t, v.field));

    syncing_ = true;
    if (t != nullptr && t->hasCurrent()) {
        const QModelIndex index = listModel_->index(int(t->currentRow()), 0);
        list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        list_->scrollTo(index);
    } else {
        list_->selectionModel()->clear();
    }
    syncing_ = false;
}

void PhotometricFixtures::valueLabelClicked(const ValueLabel& v)
{
    const tvx::RecordTable* t = table();
    if (v.quantity < 0 || t == nullptr || !t->hasCurrent())
        return;
    const auto index = t->indexOf(v.field);
    if (!index)
        return;
    // An empty field has nothing to enter.
    const tvx::Value& value = t->value(*index);
    if (const auto* d = std::get_if<double>(&value))
        emit valueClicked(v.quantity, *d);
    else if (const auto* n = std::get_if<std::int32_t>(&value))
        emit valueClicked(v.quantity, double(*n));
}

void PhotometricFixtures::sortBy(const char* fieldName)
{
    tvx::RecordTable* t = table();
    if (t == nullptr || !t->indexOf(fieldName))
        return;
    auto& catalogues = context_.catalogues();
    catalogues.setModuleFilterOn(false);
    t->setSort(fieldName, tvx::SortDirection::Ascending);
    if (context_.setup().get(tvx::setup::PhotometricManufacturerFilterOn) == 1)
        catalogues.setModuleFilterOn(true);
    t->refresh();
}

void PhotometricFixtures::showStoredFilterText()
{
    filter_->showStoredText();
}

void PhotometricFixtures::applyStoredFilter()
{
    filter_->applyStored();
}
