// Writes the default fixture and manufacturer catalogues that ship with the
// program (DataFixture.dbd, DataManufacturer.dbd) from the tables below, with
// the program's own table writer, then reads both files back to prove they
// load.
//
// Usage: make_default_catalogues [output folder]   (default: resources/Data)
//
// Both files are in name order, ASCII letter case ignored (the program sorts
// by the user's collation once loaded anyway). Finally the files are opened
// the way the program does at start-up, from a temporary copy of the folder.
//
// Data policy: every value comes from the makers' published data as far as it
// is known here. A value that is not known with confidence stays empty rather
// than guessed: a technician fills it from the fixture's own data sheet.
//  - Beam angles are the nominal (field) angles the makers quote; fixed-beam
//    units carry the same angle in BeamMin and BeamMax.
//  - Watts is the fixture's rated consumption (the lamp power for plain
//    incandescent units). Power factor: 1 for incandescent loads, about 0.9 for
//    discharge lamps on magnetic ballasts, 0.95 for LED and electronic supplies
//    with power-factor correction; empty where the supply type is not known.
//  - Length / Width / Height are depth / width / height in mm.
//  - Conventional fixtures have no DMX mode and 0 DMX channels.

#include "catalogue/CatalogueSchemas.h"
#include "catalogue/CatalogueSet.h"
#include "common/Error.h"
#include "table/RecordTable.h"
#include "table/TableFile.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Number = std::optional<double>;

struct FixtureRow {
    const char* name;
    const char* manufacturer;
    const char* description;
    const char* type;
    const char* dmxMode = nullptr;
    int dmxChannels = 0;
    Number beamMin = {}, beamMax = {};       // degrees
    Number candelaMin = {}, candelaMax = {}; // cd at BeamMin / BeamMax
    Number lumens = {}, lumensMin = {};
    Number colorTemp = {}; // K
    const char* lamp = nullptr;
    Number watts = {}, powerFactor = {};
    Number weight = {};                     // kg
    Number length = {}, width = {}, height = {}; // mm
    const char* gobo = nullptr;
    const char* gel = nullptr;
    bool useDipSwitch = false;
    bool dipSwitchOffset = false;
};

struct ManufacturerRow {
    const char* name;
    const char* website;
};

// ------------------------------------------------------------------ makers

const std::vector<ManufacturerRow> Manufacturers = {
    {"Altman Lighting", "https://www.altmanlighting.com"},
    {"ARRI", "https://www.arri.com"},
    {"Ayrton", "https://www.ayrton.eu"},
    {"Chauvet Professional", "https://www.chauvetprofessional.com"},
    {"Clay Paky", "https://www.claypaky.it"},
    {"ETC", "https://www.etcconnect.com"},
    {"GLP", "https://www.glp.de"},
    {"James Thomas Engineering", "https://www.jthomaseng.com"},
    {"Martin", "https://www.martin.com"},
    {"Robe", "https://www.robe.cz"},
    {"Robert Juliat", "https://www.robertjuliat.com"},
    {"Strand Lighting", "https://www.strandlighting.com"},
    {"Vari-Lite", "https://www.vari-lite.com"},
};

// ---------------------------------------------------------------- fixtures

constexpr const char* JTE = "James Thomas Engineering";
constexpr const char* RJ = "Robert Juliat";

const std::vector<FixtureRow> Fixtures = {
    // --- PAR cans. PAR 64 beams are oval; the angle given is the long axis.
    {.name = "PAR 64 CP60", .manufacturer = JTE, .description = "PAR 64 1 kW, very narrow spot (VNSP)",
     .type = "PAR", .beamMin = 12, .beamMax = 12, .colorTemp = 3200, .lamp = "CP60", .watts = 1000,
     .powerFactor = 1.0, .gel = "10 in"},
    {.name = "PAR 64 CP61", .manufacturer = JTE, .description = "PAR 64 1 kW, narrow spot (NSP)", .type = "PAR",
     .beamMin = 14, .beamMax = 14, .colorTemp = 3200, .lamp = "CP61", .watts = 1000, .powerFactor = 1.0,
     .gel = "10 in"},
    {.name = "PAR 64 CP62", .manufacturer = JTE, .description = "PAR 64 1 kW, medium flood (MFL)", .type = "PAR",
     .colorTemp = 3200, .lamp = "CP62", .watts = 1000, .powerFactor = 1.0, .gel = "10 in"},
    {.name = "PAR 64 CP95", .manufacturer = JTE, .description = "PAR 64 1 kW, wide flood (WFL)", .type = "PAR",
     .colorTemp = 3200, .lamp = "CP95", .watts = 1000, .powerFactor = 1.0, .gel = "10 in"},
    {.name = "PAR 56 MFL", .manufacturer = JTE, .description = "PAR 56 300 W, medium flood", .type = "PAR",
     .lamp = "PAR 56 MFL", .watts = 300, .powerFactor = 1.0},
    {.name = "Source Four PAR", .manufacturer = "ETC", .description = "PAR 575 W with interchangeable lenses",
     .type = "PAR", .colorTemp = 3200, .lamp = "HPL 575", .watts = 575, .powerFactor = 1.0, .gel = "7.5 in"},

    // --- Ellipsoidal profile spots
    {.name = "Source Four 19\u00B0", .manufacturer = "ETC", .description = "Ellipsoidal 19\u00B0", .type = "Profile",
     .beamMin = 19, .beamMax = 19, .colorTemp = 3200, .lamp = "HPL 575", .watts = 575, .powerFactor = 1.0,
     .weight = 7.5, .gobo = "B size", .gel = "6.25 in"},
    {.name = "Source Four 26\u00B0", .manufacturer = "ETC", .description = "Ellipsoidal 26\u00B0", .type = "Profile",
     .beamMin = 26, .beamMax = 26, .colorTemp = 3200, .lamp = "HPL 575", .watts = 575, .powerFactor = 1.0,
     .weight = 7.0, .gobo = "B size", .gel = "6.25 in"},
    {.name = "Source Four 36\u00B0", .manufacturer = "ETC", .description = "Ellipsoidal 36\u00B0", .type = "Profile",
     .beamMin = 36, .beamMax = 36, .colorTemp = 3200, .lamp = "HPL 575", .watts = 575, .powerFactor = 1.0,
     .weight = 6.5, .gobo = "B size", .gel = "6.25 in"},
    {.name = "Source Four 50\u00B0", .manufacturer = "ETC", .description = "Ellipsoidal 50\u00B0", .type = "Profile",
     .beamMin = 50, .beamMax = 50, .colorTemp = 3200, .lamp = "HPL 575", .watts = 575, .powerFactor = 1.0,
     .weight = 6.5, .gobo = "B size", .gel = "6.25 in"},
    {.name = "Source Four Zoom 15-30\u00B0", .manufacturer = "ETC", .description = "Zoom ellipsoidal 15-30\u00B0",
     .type = "Profile", .beamMin = 15, .beamMax = 30, .colorTemp = 3200, .lamp = "HPL 575", .watts = 575,
     .powerFactor = 1.0, .gobo = "B size", .gel = "7.5 in"},
    {.name = "Source Four Zoom 25-50\u00B0", .manufacturer = "ETC", .description = "Zoom ellipsoidal 25-50\u00B0",
     .type = "Profile", .beamMin = 25, .beamMax = 50, .colorTemp = 3200, .lamp = "HPL 575", .watts = 575,
     .powerFactor = 1.0, .gobo = "B size", .gel = "6.25 in"},
    {.name = "Source Four LED Series 2 Lustr", .manufacturer = "ETC",
     .description = "LED ellipsoidal, seven-colour array", .type = "Profile", .dmxMode = "Direct",
     .dmxChannels = 10, .lamp = "LED", .watts = 171, .powerFactor = 0.95, .weight = 8.3, .gobo = "B size",
     .gel = "6.25 in"},
    {.name = "614SX", .manufacturer = RJ, .description = "Zoom profile 1 kW 16-35\u00B0", .type = "Profile",
     .beamMin = 16, .beamMax = 35, .watts = 1000, .powerFactor = 1.0},
    {.name = "613SX", .manufacturer = RJ, .description = "Zoom profile 1 kW 28-54\u00B0", .type = "Profile",
     .beamMin = 28, .beamMax = 54, .watts = 1000, .powerFactor = 1.0},
    {.name = "SL 15/32", .manufacturer = "Strand Lighting", .description = "Zoom profile 575 W 15-32\u00B0",
     .type = "Profile", .beamMin = 15, .beamMax = 32, .colorTemp = 3200, .lamp = "HPL 575", .watts = 575,
     .powerFactor = 1.0},
    {.name = "SL 23/50", .manufacturer = "Strand Lighting", .description = "Zoom profile 575 W 23-50\u00B0",
     .type = "Profile", .beamMin = 23, .beamMax = 50, .colorTemp = 3200, .lamp = "HPL 575", .watts = 575,
     .powerFactor = 1.0},

    // --- Fresnels and PC spots
    {.name = "650 Plus", .manufacturer = "ARRI", .description = "Fresnel 650 W", .type = "Fresnel",
     .colorTemp = 3200, .lamp = "CP89", .watts = 650, .powerFactor = 1.0},
    {.name = "True Blue T1", .manufacturer = "ARRI", .description = "Fresnel 1 kW", .type = "Fresnel",
     .colorTemp = 3200, .lamp = "CP70", .watts = 1000, .powerFactor = 1.0},
    {.name = "True Blue T2", .manufacturer = "ARRI", .description = "Fresnel 2 kW", .type = "Fresnel",
     .colorTemp = 3200, .lamp = "CP72", .watts = 2000, .powerFactor = 1.0},
    {.name = "310H", .manufacturer = RJ, .description = "Fresnel 1 kW", .type = "Fresnel", .watts = 1000,
     .powerFactor = 1.0},
    {.name = "310HPC", .manufacturer = RJ, .description = "PC spot 1 kW", .type = "PC", .watts = 1000,
     .powerFactor = 1.0},

    // --- Floods, cyclorama units and scoops
    {.name = "Coda 500/1", .manufacturer = "Strand Lighting", .description = "Flood 500 W, linear lamp",
     .type = "Flood", .lamp = "R7s linear 500 W", .watts = 500, .powerFactor = 1.0},
    {.name = "Coda 500/4", .manufacturer = "Strand Lighting", .description = "Cyclorama flood 4 x 500 W",
     .type = "Cyc", .lamp = "R7s linear 500 W", .watts = 2000, .powerFactor = 1.0},
    {.name = "Scoop 16 in", .manufacturer = "Altman Lighting", .description = "Scoop 16 in, 1 kW", .type = "Flood",
     .watts = 1000, .powerFactor = 1.0},

    // --- Follow spots
    {.name = "Cyrano", .manufacturer = RJ, .description = "Follow spot 2.5 kW HMI", .type = "Follow Spot",
     .colorTemp = 6000, .lamp = "HMI 2500", .watts = 2500},
    {.name = "Korrigan HMI 1200", .manufacturer = RJ, .description = "Follow spot 1.2 kW HMI",
     .type = "Follow Spot", .colorTemp = 6000, .lamp = "HMI 1200", .watts = 1200},

    // --- Audience blinders
    {.name = "2-Lite Blinder", .manufacturer = JTE, .description = "Audience blinder 2 x DWE 650 W",
     .type = "Blinder", .colorTemp = 3200, .lamp = "DWE", .watts = 1300, .powerFactor = 1.0},
    {.name = "4-Lite Blinder", .manufacturer = JTE, .description = "Audience blinder 4 x DWE 650 W",
     .type = "Blinder", .colorTemp = 3200, .lamp = "DWE", .watts = 2600, .powerFactor = 1.0},

    // --- LED PARs, washes and battens
    {.name = "ColorSource PAR", .manufacturer = "ETC", .description = "LED PAR, RGB + lime", .type = "LED Wash",
     .dmxMode = "5 Channel", .dmxChannels = 5, .lumens = 3039, .lamp = "LED", .watts = 90, .powerFactor = 0.95,
     .weight = 3.8, .length = 240, .width = 203, .height = 310},
    {.name = "COLORado 1 Solo", .manufacturer = "Chauvet Professional", .description = "LED PAR zoom, 1 x RGBW",
     .type = "LED Wash", .dmxMode = "TOUR", .dmxChannels = 12, .beamMin = 4, .beamMax = 40, .lamp = "LED",
     .watts = 65, .weight = 5.4, .length = 346, .width = 242, .height = 176},
    {.name = "COLORado Batten 72 Tour", .manufacturer = "Chauvet Professional",
     .description = "LED batten 1 m, RGBWA", .type = "LED Batten", .dmxMode = "ARC2+D", .dmxChannels = 6,
     .lamp = "LED", .watts = 83, .weight = 4.4, .length = 156, .width = 990, .height = 75},
    {.name = "impression X4 Bar 10", .manufacturer = "GLP", .description = "LED tilt batten 10 x RGBW, zoom",
     .type = "LED Batten", .dmxMode = "High Resolution", .dmxChannels = 34, .beamMin = 7, .beamMax = 50,
     .lamp = "LED", .watts = 200, .powerFactor = 0.95, .weight = 8, .length = 100, .width = 500, .height = 240},

    // --- Moving lights
    {.name = "MAC Aura", .manufacturer = "Martin", .description = "LED wash 7 x 15 W RGBW, zoom",
     .type = "Moving Wash", .dmxMode = "Standard", .dmxChannels = 14, .beamMin = 11, .beamMax = 58,
     .lumens = 3850, .lamp = "LED", .watts = 260, .powerFactor = 0.95, .weight = 5.6, .length = 302,
     .width = 302, .height = 360},
    {.name = "MAC 2000 Profile II", .manufacturer = "Martin", .description = "Moving profile 1200 W, CMY, zoom",
     .type = "Moving Spot", .dmxMode = "16-bit", .dmxChannels = 24, .beamMin = 10, .beamMax = 28,
     .lamp = "MSR 1200", .watts = 1480, .powerFactor = 0.9},
    {.name = "MAC 250 Krypton", .manufacturer = "Martin", .description = "Moving spot 250 W discharge",
     .type = "Moving Spot", .dmxMode = "16-bit", .dmxChannels = 14, .beamMin = 18, .beamMax = 18,
     .colorTemp = 8500, .lamp = "MSD 250/2", .watts = 350, .powerFactor = 0.9, .weight = 22, .length = 330,
     .width = 384, .height = 525},
    {.name = "Roboscan Pro 918", .manufacturer = "Martin", .description = "Mirror scanner 575 W discharge",
     .type = "Scanner", .dmxMode = "DMX4", .dmxChannels = 16, .lamp = "MSD 575", .watts = 800,
     .powerFactor = 0.9, .weight = 33, .useDipSwitch = true},
    {.name = "Sharpy", .manufacturer = "Clay Paky", .description = "Moving beam 189 W discharge",
     .type = "Moving Beam", .dmxMode = "Standard", .dmxChannels = 16, .beamMin = 3.8, .beamMax = 3.8,
     .colorTemp = 8000, .lamp = "MSD Platinum 5R", .powerFactor = 0.95, .weight = 19},
    {.name = "Pointe", .manufacturer = "Robe", .description = "Moving beam / spot 280 W discharge",
     .type = "Moving Beam", .dmxMode = "Mode 1", .dmxChannels = 24, .beamMin = 5, .beamMax = 20,
     .lamp = "MSD Platinum 10R", .watts = 470, .powerFactor = 0.95, .weight = 15, .length = 260, .width = 364,
     .height = 575},
    {.name = "Robin 600 LEDWash", .manufacturer = "Robe", .description = "LED wash 37 x 15 W RGBW, zoom",
     .type = "Moving Wash", .dmxMode = "Mode 3", .dmxChannels = 15, .beamMin = 15, .beamMax = 60,
     .lamp = "LED", .watts = 415, .powerFactor = 0.95, .weight = 10.6, .length = 203, .width = 343,
     .height = 444},
    {.name = "VL3500 Spot", .manufacturer = "Vari-Lite", .description = "Moving spot 1200 W, CMY, framing",
     .type = "Moving Spot", .dmxMode = "Standard 16 bit", .dmxChannels = 31, .beamMin = 9, .beamMax = 46,
     .lumens = 20000, .colorTemp = 6000, .lamp = "MSR 1200", .watts = 1500, .weight = 41, .length = 502,
     .width = 457, .height = 802},
    {.name = "Rogue R2 Wash", .manufacturer = "Chauvet Professional", .description = "LED wash 19 x 15 W RGBW, zoom",
     .type = "Moving Wash", .dmxMode = "15ch", .dmxChannels = 15, .beamMin = 8, .beamMax = 30, .lumens = 8500,
     .lamp = "LED", .watts = 339, .powerFactor = 0.95, .weight = 9.25, .length = 218, .width = 306,
     .height = 398},
    {.name = "Diablo", .manufacturer = "Ayrton", .description = "LED profile, white LED, CMY, framing",
     .type = "Moving Spot", .dmxMode = "Basic", .dmxChannels = 34, .beamMin = 6.7, .beamMax = 53,
     .lumens = 17500, .colorTemp = 6500, .lamp = "LED", .watts = 550, .powerFactor = 0.95, .weight = 21.8,
     .length = 211, .width = 365, .height = 592},
};

// ---------------------------------------------------------------- building

int compareIgnoringCase(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

tvx::Value text(const char* s)
{
    if (s == nullptr || *s == '\0')
        return std::monostate{};
    return std::string(s);
}

tvx::Value number(const Number& n)
{
    if (!n)
        return std::monostate{};
    return *n;
}

// Characters of a UTF-8 text (the unit of the fields' maximum lengths).
std::size_t characters(std::string_view s)
{
    std::size_t n = 0;
    for (const char c : s) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    }
    return n;
}

// The table cuts a text that is too long without a word; here that is a data
// error, so every text is checked against its field before it is stored.
std::vector<std::string> textProblems(const tvx::RecordTable& table, const tvx::Record& record,
                                      const std::string& rowName)
{
    std::vector<std::string> problems;
    for (std::size_t i = 0; i < table.fieldCount(); ++i) {
        const tvx::Field& f = table.field(i);
        const auto* s = std::get_if<std::string>(&record.values[i]);
        if (s != nullptr && f.maxLength > 0 && characters(*s) > f.maxLength)
            problems.push_back(rowName + ": " + f.name + " longer than " + std::to_string(f.maxLength)
                               + " characters");
    }
    return problems;
}

std::vector<std::string> rowProblems(const FixtureRow& row, const std::set<std::string>& makers)
{
    std::vector<std::string> problems;
    const std::string id = std::string(row.manufacturer) + " " + row.name;
    if (!makers.contains(row.manufacturer))
        problems.push_back(id + ": manufacturer missing from the manufacturer table");
    if (row.beamMin.has_value() != row.beamMax.has_value())
        problems.push_back(id + ": only one of BeamMin / BeamMax given");
    if (row.beamMin && row.beamMax && *row.beamMin > *row.beamMax)
        problems.push_back(id + ": BeamMin above BeamMax");
    if (row.powerFactor && (*row.powerFactor <= 0.0 || *row.powerFactor > 1.0))
        problems.push_back(id + ": power factor outside 0..1");
    if ((row.dmxMode == nullptr) != (row.dmxChannels == 0))
        problems.push_back(id + ": DMX mode and channel count disagree");
    if (row.dipSwitchOffset && !row.useDipSwitch)
        problems.push_back(id + ": DIP switch offset without DIP switch addressing");
    return problems;
}

tvx::Record fixtureRecord(const tvx::RecordTable& table, const FixtureRow& row)
{
    using namespace tvx::catalogue::fixture;
    tvx::Record r = table.newRecord();
    auto set = [&](const char* field, tvx::Value v) { r.values[table.requireIndex(field)] = std::move(v); };
    set(FixtureName, text(row.name));
    set(Manufacturer, text(row.manufacturer));
    set(Description, text(row.description));
    set(FixtureType, text(row.type));
    set(DMXMode, text(row.dmxMode));
    set(DmxChannels, static_cast<std::int32_t>(row.dmxChannels));
    set(BeamMin, number(row.beamMin));
    set(BeamMax, number(row.beamMax));
    set(CandelaMin, number(row.candelaMin));
    set(CandelaMax, number(row.candelaMax));
    set(Lumens, number(row.lumens));
    set(LumensMin, number(row.lumensMin));
    set(ColorTemp, number(row.colorTemp));
    set(LampType, text(row.lamp));
    set(Watts, number(row.watts));
    set(PowerFactor, number(row.powerFactor));
    set(Weight, number(row.weight));
    set(Length, number(row.length));
    set(Width, number(row.width));
    set(Height, number(row.height));
    set(GoboSize, text(row.gobo));
    set(GelSize, text(row.gel));
    set(UseDipSwitch, row.useDipSwitch);
    set(DipSwitchOffset, row.dipSwitchOffset);
    return r;
}

tvx::Record manufacturerRecord(const tvx::RecordTable& table, const ManufacturerRow& row)
{
    using namespace tvx::catalogue::manufacturer;
    tvx::Record r = table.newRecord();
    r.values[table.requireIndex(Manufacturer)] = text(row.name);
    r.values[table.requireIndex(Website)] = text(row.website);
    return r;
}

std::vector<tvx::Field> defaultFixtureFields()
{
    return tvx::catalogue::fixtureFields(tvx::catalogue::DipSwitchOrder::OffsetFirst);
}

// Fills `table` from the rows; returns the data errors found (nothing is
// written when there are any).
std::vector<std::string> fillFixtures(tvx::RecordTable& table, const std::set<std::string>& makers)
{
    std::vector<std::string> problems;
    std::set<std::string> seen;
    for (const FixtureRow& row : Fixtures) {
        const std::string id = std::string(row.manufacturer) + " " + row.name;
        if (!seen.insert(id).second)
            problems.push_back(id + ": listed twice");
        for (std::string& p : rowProblems(row, makers))
            problems.push_back(std::move(p));
        tvx::Record r = fixtureRecord(table, row);
        for (std::string& p : textProblems(table, r, id))
            problems.push_back(std::move(p));
        table.appendRecord(std::move(r));
    }
    table.setTextCompare(compareIgnoringCase);
    table.setSort(tvx::catalogue::fixture::FixtureName);
    return problems;
}

std::vector<std::string> fillManufacturers(tvx::RecordTable& table)
{
    std::vector<std::string> problems;
    std::set<std::string> seen;
    for (const ManufacturerRow& row : Manufacturers) {
        if (!seen.insert(row.name).second)
            problems.push_back(std::string(row.name) + ": listed twice");
        if (row.website == nullptr || *row.website == '\0')
            problems.push_back(std::string(row.name) + ": no web site");
        tvx::Record r = manufacturerRecord(table, row);
        for (std::string& p : textProblems(table, r, row.name))
            problems.push_back(std::move(p));
        table.appendRecord(std::move(r));
    }
    table.setTextCompare(compareIgnoringCase);
    table.setSort(tvx::catalogue::manufacturer::Manufacturer);
    return problems;
}

// Loads a written file into a fresh table of the same schema and checks that
// it reads back to the very same text. Returns the number of records read.
std::size_t reloadAndCompare(const std::filesystem::path& path, const tvx::RecordTable& written,
                             std::vector<tvx::Field> fields, bool fixtureTable, const char* sortField)
{
    tvx::RecordTable fresh(std::move(fields), written.name());
    if (fixtureTable)
        fresh.setCalculator(tvx::catalogue::fixtureCalculator(fresh));
    const tvx::LoadResult result = tvx::loadTableFile(path, fresh, tvx::TableFileDialect);
    fresh.setTextCompare(compareIgnoringCase);
    fresh.setSort(sortField);
    if (result.recordsAdded != written.totalCount())
        throw tvx::Error(path.string() + ": read " + std::to_string(result.recordsAdded) + " records, wrote "
                         + std::to_string(written.totalCount()));
    if (tvx::writeTableText(fresh) != tvx::writeTableText(written))
        throw tvx::Error(path.string() + ": does not read back to the text that was written");
    return result.recordsAdded;
}

// Opens copies of the two files with the program's own start-up code (which
// creates the missing user files silently) and checks that it reports nothing.
void checkStartUp(const std::filesystem::path& fixtureFile, const std::filesystem::path& manufacturerFile,
                  std::size_t fixtureCount, std::size_t makerCount)
{
    namespace fs = std::filesystem;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path folder = fs::temp_directory_path() / ("tvx-catalogue-check-" + std::to_string(stamp));
    fs::create_directories(folder);
    std::string failure;
    {
        fs::copy_file(fixtureFile, folder / tvx::catalogue::DefaultFixtureFile);
        fs::copy_file(manufacturerFile, folder / tvx::catalogue::DefaultManufacturerFile);
        tvx::catalogue::CatalogueSet set(folder);
        for (const tvx::catalogue::Notice& n : set.openAll())
            failure += "start-up reported: " + n.text + "\n";
        if (set.TableFixture().totalCount() != fixtureCount || set.TableFixtureMerge().totalCount() != fixtureCount)
            failure += "start-up fixture tables do not hold every fixture\n";
        if (set.TableManufacturer().totalCount() != makerCount
            || set.TableManufacturerMerge().totalCount() != makerCount)
            failure += "start-up manufacturer tables do not hold every manufacturer\n";
    }
    fs::remove_all(folder);
    if (!failure.empty())
        throw tvx::Error(failure);
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path folder = argc > 1 ? argv[1] : "resources/Data";
    try {
        std::set<std::string> makers;
        for (const ManufacturerRow& m : Manufacturers)
            makers.insert(m.name);

        tvx::RecordTable fixtures(defaultFixtureFields(), "DataFixture");
        fixtures.setCalculator(tvx::catalogue::fixtureCalculator(fixtures));
        tvx::RecordTable manufacturers(tvx::catalogue::manufacturerFields(), "DataManufacturer");

        std::vector<std::string> problems = fillFixtures(fixtures, makers);
        for (std::string& p : fillManufacturers(manufacturers))
            problems.push_back(std::move(p));
        if (!problems.empty()) {
            for (const std::string& p : problems)
                std::fprintf(stderr, "data error: %s\n", p.c_str());
            return 1;
        }

        std::filesystem::create_directories(folder);
        const std::filesystem::path fixtureFile = folder / "DataFixture.dbd";
        const std::filesystem::path manufacturerFile = folder / "DataManufacturer.dbd";
        tvx::saveTableFile(fixtureFile, fixtures);
        tvx::saveTableFile(manufacturerFile, manufacturers);

        const std::size_t fixtureCount = reloadAndCompare(fixtureFile, fixtures, defaultFixtureFields(), true,
                                                          tvx::catalogue::fixture::FixtureName);
        const std::size_t makerCount =
            reloadAndCompare(manufacturerFile, manufacturers, tvx::catalogue::manufacturerFields(), false,
                             tvx::catalogue::manufacturer::Manufacturer);
        checkStartUp(fixtureFile, manufacturerFile, fixtureCount, makerCount);
        std::printf("%s: %zu fixtures\n%s: %zu manufacturers\n", fixtureFile.string().c_str(), fixtureCount,
                    manufacturerFile.string().c_str(), makerCount);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_default_catalogues: %s\n", e.what());
        return 1;
    }
}
