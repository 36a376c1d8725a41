#include "catalogue/CatalogueSet.h"

#include "catalogue/CatalogueMessages.h"
#include "catalogue/CatalogueSchemas.h"
#include "common/Error.h"
#include "table/TableFile.h"

#include <fstream>
#include <system_error>

namespace tvx::catalogue {

namespace {

std::unique_ptr<RecordTable> fixtureTable(DipSwitchOrder order, const char* name, bool calculated)
{
    auto t = std::make_unique<RecordTable>(fixtureFields(order), name);
    if (calculated)
        t->setCalculator(fixtureCalculator(*t));
    t->setSort(fixture::FixtureName);
    return t;
}

std::unique_ptr<RecordTable> manufacturerTable(const char* name)
{
    auto t = std::make_unique<RecordTable>(manufacturerFields(), name);
    t->setSort(manufacturer::Manufacturer);
    return t;
}

// A record passes when its Manufacturer equals the text exactly; a record
// without a manufacturer never passes.
RecordFilter manufacturerIs(const RecordTable& table, const std::string& text)
{
    const std::size_t field = table.requireIndex(fixture::Manufacturer);
    return [field, &text](const Record& r) {
        const std::string* m = std::get_if<std::string>(&r.values[field]);
        return m != nullptr && *m == text;
    };
}

// Fills `target` with copies of the records of each source, in their current
// order, as one bulk change; `links` receive which copy belongs to which
// source record.
struct Source {
    const RecordTable* table;
    std::unordered_map<RecordId, RecordId>* links;
};

void refill(RecordTable& target, std::initializer_list<Source> sources)
{
    BulkUpdate bulk(target);
    target.clear();
    for (const Source& source : sources) {
        if (source.links != nullptr)
            source.links->clear();
        if (source.table == nullptr)
            continue;
        const FieldMapping mapping(*source.table, target);
        for (const Record* r : source.table->recordsInOrder()) {
            const RecordId copy = target.appendRecord(mapping.apply(*r));
            if (source.links != nullptr)
                (*source.links)[r->id] = copy;
        }
    }
}

// The record after `id` in the table's current order (filter ignored), 0 for none.
RecordId successorOf(const RecordTable& table, RecordId id)
{
    const std::vector<const Record*> order = table.recordsInOrder();
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i]->id == id)
            return i + 1 < order.size() ? order[i + 1]->id : 0;
    }
    return 0;
}

RecordId firstOf(const RecordTable& table)
{
    const std::vector<const Record*> order = table.recordsInOrder();
    return order.empty() ? 0 : order.front()->id;
}

RecordId linked(const std::unordered_map<RecordId, RecordId>& links, RecordId id)
{
    const auto it = links.find(id);
    return it == links.end() ? 0 : it->second;
}

// Copies a damaged file aside before it is first written over: "<name>.bak",
// or "<name>.bak1", ... when an older copy exists.
bool backUp(const std::filesystem::path& file)
{
    for (int n = 0; n < 1000; ++n) {
        std::filesystem::path target = file;
        target += n == 0 ? std::string(".bak") : ".bak" + std::to_string(n);
        std::error_code ec;
        if (std::filesystem::copy_file(file, target, std::filesystem::copy_options::none, ec))
            return true;
        if (!std::filesystem::exists(target))
            return false;
    }
    return false;
}

} // namespace

CatalogueSet::CatalogueSet(std::filesystem::path dataFolder)
    : dataFolder_(std::move(dataFolder)),
      fixture_(fixtureTable(DipSwitchOrder::OffsetFirst, "TableFixture", true)),
      fixtureUser_(fixtureTable(DipSwitchOrder::UseFirst, "TableFixtureUser", true)),
      fixtureMerge_(fixtureTable(DipSwitchOrder::OffsetFirst, "TableFixtureMerge", false)),
      fixtureMerge2_(fixtureTable(DipSwitchOrder::UseFirst, "TableFixtureMerge2", false)),
      manufacturer_(manufacturerTable("TableManufacturer")),
      manufacturerUser_(manufacturerTable("TableManufacturerUser")),
      manufacturerMerge_(manufacturerTable("TableManufacturerMerge")),
      roadCase_(std::make_unique<RecordTable>(roadCaseFields(), "TableRoadCase"))
{
    roadCase_->setSort(roadcase::Name);
    for (RecordTable* t : {fixture_.get(), fixtureUser_.get(), fixtureMerge_.get()})
        t->setFilter(manufacturerIs(*t, catalogueFilterText_));
    fixtureMerge2_->setFilter(manufacturerIs(*fixtureMerge2_, moduleFilterText_));
    watch();
}

CatalogueSet::~CatalogueSet() = default;

void CatalogueSet::watch()
{
    auto fixtures = [this](RecordTable& source) {
        return [this, &source](const TableChange& c) {
            if (c.kind == TableChange::Kind::Reset)
                sourceOrderChanged_ = true; // a new sort, a load: copies may sit in another order
            else if (loading_ == 0 &&
                     (c.kind == TableChange::Kind::RecordPosted || c.kind == TableChange::Kind::RecordDeleted))
                followFixtureChange(source, c);
        };
    };
    auto manufacturers = [this](const TableChange& c) {
        if (loading_ == 0 &&
            (c.kind == TableChange::Kind::RecordPosted || c.kind == TableChange::Kind::RecordDeleted))
            UpdateManufacturerMerge();
    };
    subscriptions_.push_back(fixture_->subscribe(fixtures(*fixture_)));
    subscriptions_.push_back(fixtureUser_->subscribe(fixtures(*fixtureUser_)));
    subscriptions_.push_back(manufacturer_->subscribe(manufacturers));
    subscriptions_.push_back(manufacturerUser_->subscribe(manufacturers));
}

void CatalogueSet::setTextOrder(const TextOrder& order)
{
    for (RecordTable* t : {fixture_.get(), fixtureUser_.get(), fixtureMerge_.get(), fixtureMerge2_.get(),
                           manufacturer_.get(), manufacturerUser_.get(), manufacturerMerge_.get(), roadCase_.get()})
        t->setTextOrder(order);
}

void CatalogueSet::loadInto(RecordTable& table, const std::filesystem::path& file)
{
    ++loading_;
    try {
        loadTableFile(file, table, TableFileDialect);
    } catch (...) {
        --loading_;
        throw;
    }
    --loading_;
}

void CatalogueSet::openTable(RecordTable& table, const char* fileName, const char* missingMessage,
                             std::vector<Notice>& notices)
{
    const std::filesystem::path file = dataFolder_ / fileName;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        std::ofstream created(file, std::ios::binary); // an empty file, as a new catalogue
        if (missingMessage != nullptr)
            notices.push_back({Notice::Kind::Information, missingMessage});
        return;
    }
    try {
        loadInto(table, file);
    } catch (const FileError& e) {
        notices.push_back({Notice::Kind::Error, e.what()});
    } catch (const Error& e) {
        damaged_.insert(fileName);
        notices.push_back({Notice::Kind::Error,
                           std::string(e.what()) + "\n\nThe records after this line were not loaded. The file is kept as \"" +
                               fileName + ".bak\" before the catalogues are next saved."});
    }
}

std::vector<Notice> CatalogueSet::openAll()
{
    std::vector<Notice> notices;
    openTable(*manufacturer_, DefaultManufacturerFile, msg::DefaultManufacturerNotFound, notices);
    openTable(*manufacturerUser_, UserManufacturerFile, nullptr, notices);
    UpdateManufacturerMerge();
    openTable(*fixture_, DefaultFixtureFile, msg::DefaultFixtureNotFound, notices);
    openTable(*fixtureUser_, UserFixtureFile, nullptr, notices);
    UpdateMergeTable();
    openTable(*roadCase_, RoadCaseFile, nullptr, notices);
    return notices;
}

void CatalogueSet::setDefaultExcluded(bool excluded)
{
    defaultExcluded_ = excluded;
    UpdateManufacturerMerge();
}

void CatalogueSet::UpdateMergeTable()
{
    const RecordTable* defaults = defaultExcluded_ ? nullptr : fixture_.get();
    RecordTable* merged[2] = {fixtureMerge_.get(), fixtureMerge2_.get()};
    for (int m = 0; m < 2; ++m)
        refill(*merged[m], {{defaults, &links_[m].fromDefault}, {fixtureUser_.get(), &links_[m].fromUser}});
    mergedWithDefaults_ = !defaultExcluded_;
    sourceOrderChanged_ = false;
}

bool CatalogueSet::mergesAreCurrent() const
{
    return mergedWithDefaults_ == !defaultExcluded_ && !sourceOrderChanged_;
}

// A rebuild copies the default records, then the user records, each in their
// table's current order, and sorts the copies stably. The same result comes
// from updating only the copy of the changed record, provided the copies stay
// physically in that concatenated order: a changed record is placed just
// before the copy of its successor in its own table.
void CatalogueSet::followFixtureChange(RecordTable& source, const TableChange& change)
{
    if (!mergesAreCurrent()) {
        UpdateMergeTable();
        return;
    }
    const bool isDefault = &source == fixture_.get();
    if (isDefault && defaultExcluded_)
        return; // default records are not in the merged tables
    RecordTable* merged[2] = {fixtureMerge_.get(), fixtureMerge2_.get()};
    for (int m = 0; m < 2; ++m) {
        auto& links = isDefault ? links_[m].fromDefault : links_[m].fromUser;
        if (change.kind == TableChange::Kind::RecordDeleted) {
            if (const RecordId copy = linked(links, change.id))
                merged[m]->removeRecord(copy);
            links.erase(change.id);
            continue;
        }
        const auto row = source.rowOf(change.id);
        const Record* record = nullptr;
        if (row) {
            record = &source.recordAt(*row);
        } else {
            // Hidden by the table's filter: find it among all records.
            for (const Record& r : source.physicalRecords())
                if (r.id == change.id)
                    record = &r;
        }
        if (record == nullptr)
            continue;
        const RecordId next = successorOf(source, change.id);
        RecordId before = next != 0 ? linked(links, next) : 0;
        if (next == 0 && isDefault)
            before = linked(links_[m].fromUser, firstOf(*fixtureUser_)); // default copies come first
        links[change.id] =
            merged[m]->putRecord(linked(links, change.id), FieldMapping(source, *merged[m]).apply(*record), before);
    }
}

void CatalogueSet::UpdateManufacturerMerge()
{
    const RecordTable* defaults = defaultExcluded_ ? nullptr : manufacturer_.get();
    refill(*manufacturerMerge_, {{defaults, nullptr}, {manufacturerUser_.get(), nullptr}});
}

void CatalogueSet::setCatalogueFilterText(const std::string& manufacturer)
{
    catalogueFilterText_ = manufacturer;
    for (RecordTable* t : {fixture_.get(), fixtureUser_.get(), fixtureMerge_.get()})
        t->refresh();
}

void CatalogueSet::setCatalogueFilterOn(bool on)
{
    for (RecordTable* t : {fixture_.get(), fixtureUser_.get(), fixtureMerge_.get()})
        t->setFiltered(on);
}

void CatalogueSet::setModuleFilterText(const std::string& manufacturer)
{
    moduleFilterText_ = manufacturer;
    fixtureMerge2_->refresh();
}

void CatalogueSet::setModuleFilterOn(bool on)
{
    fixtureMerge2_->setFiltered(on);
}

bool CatalogueSet::saveTable(RecordTable& table, const char* fileName)
{
    const std::filesystem::path file = dataFolder_ / fileName;
    try {
        if (damaged_.count(fileName) != 0) {
            // Never write over records that could not be loaded without a copy.
            if (!backUp(file))
                return false;
            damaged_.erase(fileName);
        }
        saveTableFile(file, table);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::vector<Notice> CatalogueSet::SaveAllDatabase(bool saveDefaultData)
{
    std::vector<Notice> failures;
    auto save = [&](RecordTable& table, const char* fileName, const char* failure) {
        if (!saveTable(table, fileName))
            failures.push_back({Notice::Kind::Error, failure});
    };
    if (saveDefaultData)
        save(*fixture_, DefaultFixtureFile, msg::CannotSaveDefaultFixture);
    save(*fixtureUser_, UserFixtureFile, msg::CannotSaveUserFixture);
    if (saveDefaultData)
        save(*manufacturer_, DefaultManufacturerFile, msg::CannotSaveDefaultManufacturer);
    save(*manufacturerUser_, UserManufacturerFile, msg::CannotSaveUserManufacturer);
    save(*roadCase_, RoadCaseFile, msg::CannotSaveRoadcase);
    return failures;
}

ImportResult CatalogueSet::importFixtures(const std::filesystem::path& file)
{
    ImportResult result;
    const std::size_t before = fixture_->totalCount();
    try {
        loadInto(*fixture_, file);
    } catch (const std::exception& e) {
        result.error = e.what();
    }
    result.added = fixture_->totalCount() - before;
    fixture_->setSort(fixture::FixtureName);
    if (result.added > 0)
        UpdateMergeTable();
    return result;
}

} // namespace tvx::catalogue
