#pragma once

#include "table/RecordTable.h"

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace tvx::catalogue {

// File names in the data folder.
inline constexpr const char* DefaultFixtureFile = "DataFixture.dbd";
inline constexpr const char* UserFixtureFile = "DataFixtureUser.dbu";
inline constexpr const char* DefaultManufacturerFile = "DataManufacturer.dbd";
inline constexpr const char* UserManufacturerFile = "DataManufacturerUser.dbu";
inline constexpr const char* RoadCaseFile = "DataRoadCase.dbu";

// Something the user is to be told; the core never shows anything itself.
struct Notice {
    enum class Kind { Information, Warning, Error };
    Kind kind = Kind::Information;
    std::string text;
};

struct ImportResult {
    std::size_t added = 0;
    std::string error; // the load stopped here; the records before it stay
};

// The reference catalogues for the whole run: default, user and merged
// fixture and manufacturer tables, and the road-case table, with their files.
// The merged tables are rebuilt whenever a default or user record is posted or
// deleted, and once after a file was loaded.
class CatalogueSet {
public:
    explicit CatalogueSet(std::filesystem::path dataFolder);
    ~CatalogueSet();
    CatalogueSet(const CatalogueSet&) = delete;
    CatalogueSet& operator=(const CatalogueSet&) = delete;

    RecordTable& TableFixture() { return *fixture_; }
    RecordTable& TableFixtureUser() { return *fixtureUser_; }
    RecordTable& TableFixtureMerge() { return *fixtureMerge_; }
    RecordTable& TableFixtureMerge2() { return *fixtureMerge2_; }
    RecordTable& TableManufacturer() { return *manufacturer_; }
    RecordTable& TableManufacturerUser() { return *manufacturerUser_; }
    RecordTable& TableManufacturerMerge() { return *manufacturerMerge_; }
    RecordTable& TableRoadCase() { return *roadCase_; }

    const std::filesystem::path& dataFolder() const { return dataFolder_; }

    // Text order of every sort index (the app installs the locale's collation).
    void setTextOrder(const TextOrder& order);

    // Opens every file in start-up order (manufacturers, fixtures, road cases),
    // creating missing ones empty, and builds the merged tables. Returns what
    // the user must be told, in order.
    std::vector<Notice> openAll();

    // Whether the default catalogues are left out of the merged tables.
    bool defaultExcluded() const { return defaultExcluded_; }
    // Takes effect for the manufacturers at once (that merge is rebuilt) and
    // for the fixtures at their next rebuild.
    void setDefaultExcluded(bool excluded);

    void UpdateMergeTable();
    void UpdateManufacturerMerge();

    // The catalogue filter of the fixture database window: TableFixture,
    // TableFixtureUser and TableFixtureMerge show only this manufacturer.
    void setCatalogueFilterText(const std::string& manufacturer);
    const std::string& catalogueFilterText() const { return catalogueFilterText_; }
    void setCatalogueFilterOn(bool on);
    bool catalogueFilterOn() const { return fixture_->isFiltered(); }

    // The module filter: TableFixtureMerge2 shows only this manufacturer.
    void setModuleFilterText(const std::string& manufacturer);
    const std::string& moduleFilterText() const { return moduleFilterText_; }
    void setModuleFilterOn(bool on);

    // Writes the catalogue files and the road-case file; the default files
    // only with saveDefaultData. Returns one error notice per file that could
    // not be written; the others are written all the same.
    std::vector<Notice> SaveAllDatabase(bool saveDefaultData);

    // Appends the records of a table file to the default fixture catalogue.
    ImportResult importFixtures(const std::filesystem::path& file);

private:
    struct Opened;
    void openTable(RecordTable& table, const char* fileName, const char* missingMessage,
                   std::vector<Notice>& notices);
    void loadInto(RecordTable& table, const std::filesystem::path& file);
    bool saveTable(RecordTable& table, const char* fileName);
    void watch();
    // Brings both merged fixture tables in step with one record of `source`
    // (TableFixture or TableFixtureUser) that was posted or deleted.
    void followFixtureChange(RecordTable& source, const TableChange& change);
    bool mergesAreCurrent() const;

    // Which merged record copies which source record, per merged table:
    // [0] TableFixtureMerge, [1] TableFixtureMerge2.
    struct MergeLinks {
        std::unordered_map<RecordId, RecordId> fromDefault;
        std::unordered_map<RecordId, RecordId> fromUser;
    };
    MergeLinks links_[2];
    // Set by a full rebuild; a change of the default setting or of a source
    // table's order since then makes the next change rebuild in full.
    bool mergedWithDefaults_ = true;
    bool sourceOrderChanged_ = false;

    std::filesystem::path dataFolder_;
    std::unique_ptr<RecordTable> fixture_, fixtureUser_, fixtureMerge_, fixtureMerge2_;
    std::unique_ptr<RecordTable> manufacturer_, manufacturerUser_, manufacturerMerge_;
    std::unique_ptr<RecordTable> roadCase_;
    std::vector<Subscription> subscriptions_;
    bool defaultExcluded_ = false;
    int loading_ = 0; // while > 0 posts do not rebuild the merged tables
    std::string catalogueFilterText_;
    std::string moduleFilterText_;
    // Files whose load stopped at a bad line: the original is kept as a
    // backup before the program first writes over it.
    std::set<std::string> damaged_;
};

} // namespace tvx::catalogue
