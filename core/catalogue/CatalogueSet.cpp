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
// order, as one bulk change.
void refill(RecordTable& target, std::initializer_list<const RecordTable*> sources)
{
    BulkUpdate bulk(target);
    target.clear();
    for (const RecordTable* source : sources) {
        if (source == nullptr)
            continue;
        const FieldMapping mapping(*source, target);
        for (const Record* r : source->recordsInOrder())
            target.appendRecord(mapping.apply(*r));
    }
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
    auto fixtures = [this](const TableChange& c) {
        if (loading_ == 0 &&
            (c.kind == TableChange::Kind::RecordPosted || c.kind == TableChange::Kind::RecordDeleted))
            UpdateMergeTable();
    };
    auto manufacturers = [this](const TableChange& c) {
        if (loading_ == 0 &&
            (c.kind == TableChange::Kind::RecordPosted || c.kind == TableChange::Kind::RecordDeleted))
            UpdateManufacturerMerge();
    };
    subscriptions_.push_back(fixture_->subscribe(fixtures));
    subscriptions_.push_back(fixtureUser_->subscribe(fixtures));
    subscriptions_.push_back(manufacturer_->subscribe(manufacturers));
    subscriptions_.push_back(manufacturerUser_->subscribe(manufacturers));
}

void CatalogueSet::setTextCompare(const TextCompare& compare)
{
    for (RecordTable* t : {fixture_.get(), fixtureUser_.get(), fixtureMerge_.get(), fixtureMerge2_.get(),
                           manufacturer_.get(), manufacturerUser_.get(), manufacturerMerge_.get(), roadCase_.get()})
        t->setTextCompare(compare);
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
    refill(*fixtureMerge_, {defaults, fixtureUser_.get()});
    refill(*fixtureMerge2_, {defaults, fixtureUser_.get()});
}

void CatalogueSet::UpdateManufacturerMerge()
{
    const RecordTable* defaults = defaultExcluded_ ? nullptr : manufacturer_.get();
    refill(*manufacturerMerge_, {defaults, manufacturerUser_.get()});
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
