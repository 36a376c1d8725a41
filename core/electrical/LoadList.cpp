#include "electrical/LoadList.h"

#include "catalogue/CatalogueSchemas.h"
#include "common/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <unordered_map>
#include <utility>

namespace tvx::electrical {

using namespace elecl;

namespace {

double number(const Value& value)
{
    if (const auto* d = std::get_if<double>(&value))
        return *d;
    if (const auto* i = std::get_if<std::int32_t>(&value))
        return *i;
    return 0.0;
}

std::string_view text(const Value& value)
{
    if (const auto* s = std::get_if<std::string>(&value))
        return *s;
    return {};
}

// A quotient that is 0 instead of an arithmetic fault.
double quotient(double dividend, double divisor)
{
    if (divisor == 0.0)
        return 0.0;
    const double q = dividend / divisor;
    return std::isfinite(q) ? q : 0.0;
}

bool isOneOf(std::string_view value, std::initializer_list<std::string_view> set)
{
    return std::find(set.begin(), set.end(), value) != set.end();
}

// Sums are kept in ten-thousandths, as a fixed-point currency would: every
// value is taken to four decimals (half to even) before it is added.
class FixedSum {
public:
    void add(const Value& value)
    {
        const double v = number(value);
        if (v == 0.0 || !std::isfinite(v))
            return;
        constexpr double limit = 9.0e14; // stays well inside 64 bits
        const double scaled = std::clamp(bankersRound(v * 10000.0), -limit, limit);
        sum_ += static_cast<std::int64_t>(scaled);
    }
    double value() const { return static_cast<double>(sum_) / 10000.0; }

private:
    std::int64_t sum_ = 0;
};

// Magnitude of the difference of two delta branch phasors 120 degrees apart.
double deltaPart(double branch, double previous, double c, double s)
{
    const double re = branch - c * previous;
    const double im = s * previous;
    if (im == 0.0)
        return branch;
    return std::sqrt(re * re + im * im);
}

std::string integerText(int value)
{
    return std::to_string(value);
}

} // namespace

bool isNeutralConnection(std::string_view connection)
{
    return connection.ends_with("-N");
}

int defaultPhasePhaseVoltage(PowerSystem system)
{
    return system == PowerSystem::ThreePhase ? 208 : 240;
}

int phaseNeutralVoltage(PowerSystem system, int voltage)
{
    const double divisor = system == PowerSystem::ThreePhase ? std::numbers::sqrt3 : 2.0;
    return static_cast<int>(bankersRound(static_cast<double>(voltage) / divisor));
}

ListVoltage parsePhasePhaseVoltage(PowerSystem system, std::string_view text)
{
    ListVoltage v;
    const auto parsed = parseInt(text);
    if (parsed && *parsed > 0 && phaseNeutralVoltage(system, *parsed) != *parsed) {
        v.voltage = *parsed;
        v.text = std::string(text);
    } else {
        v.voltage = kFallbackVoltage;
        v.fallback = true;
        v.text = std::string(kFallbackVoltageText);
    }
    v.neutral = phaseNeutralVoltage(system, v.voltage);
    return v;
}

void calculateDevice(Record& record, PowerSystem system, int voltage, int voltageNeutral)
{
    const double watts = number(record[ColWatts]);
    const double vd = number(record[ColVoltage]);
    double pf = number(record[ColPowerFactor]);
    if (pf == 0.0)
        pf = 1.0;
    const double v = voltage;
    const double vpn = voltageNeutral;

    const std::string_view was = text(record[ColUsedPhase]);
    std::string_view now = was;
    if (system == PowerSystem::SinglePhase) {
        if (vd != v && now != phase::XN && now != phase::YN)
            now = phase::XN;
        if (vd == v)
            now = phase::XY;
    } else {
        if (vd == v && isOneOf(now, {phase::XN, phase::YN, phase::ZN}))
            now = phase::XY;
        if (vd == vpn && isOneOf(now, {phase::XY, phase::YZ, phase::ZX, phase::XYZ}))
            now = phase::XN;
    }
    if (now != was)
        record[ColUsedPhase] = std::string(now);

    // A balanced three-phase device: W / (sqrt(3) Vd pf) on each line, which
    // is what the delta combination of three equal branches of W / (3 Vd pf) gives.
    const bool balanced = system == PowerSystem::ThreePhase && now == phase::XYZ;
    const double amps = balanced ? quotient(watts, std::numbers::sqrt3 * vd * pf) : quotient(quotient(watts, vd), pf);
    record[ColAmperage] = amps;

    for (std::size_t c = ColAmpX; c <= ColAmpN; ++c)
        record[c] = std::monostate{};
    auto set = [&](std::initializer_list<std::size_t> columns, double value) {
        for (const std::size_t c : columns)
            record[c] = value;
    };
    if (system == PowerSystem::SinglePhase) {
        if (now == phase::XY)
            set({ColAmpX, ColAmpY}, amps);
        else if (now == phase::XN)
            set({ColAmpX, ColAmpN}, amps);
        else if (now == phase::YN)
            set({ColAmpY, ColAmpN}, amps);
        return;
    }
    if (now == phase::XN)
        set({ColAmpXN, ColAmpN}, amps);
    else if (now == phase::YN)
        set({ColAmpYN, ColAmpN}, amps);
    else if (now == phase::ZN)
        set({ColAmpZN, ColAmpN}, amps);
    else if (now == phase::XY)
        set({ColAmpX}, amps);
    else if (now == phase::YZ)
        set({ColAmpY}, amps);
    else if (now == phase::ZX)
        set({ColAmpZ}, amps);
    else if (balanced)
        set({ColAmpX, ColAmpY, ColAmpZ}, quotient(watts, 3.0 * vd * pf));
}

LoadTotals computeTotals(const RecordTable& table, PowerSystem system)
{
    FixedSum watts, amperage, x, y, z, xn, yn, zn;
    for (const Record& r : table.physicalRecords()) {
        watts.add(r[ColWatts]);
        amperage.add(r[ColAmperage]);
        x.add(r[ColAmpX]);
        y.add(r[ColAmpY]);
        z.add(r[ColAmpZ]);
        xn.add(r[ColAmpXN]);
        yn.add(r[ColAmpYN]);
        zn.add(r[ColAmpZN]);
    }
    LoadTotals t;
    t.deviceCount = table.totalCount();
    t.watts = watts.value();
    t.amperage = amperage.value();
    t.ampX = x.value();
    t.ampY = y.value();
    t.ampZ = z.value();
    t.ampXN = xn.value();
    t.ampYN = yn.value();
    t.ampZN = zn.value();

    if (system == PowerSystem::SinglePhase) {
        t.lineX = t.ampX;
        t.lineY = t.ampY;
        t.neutral = std::fabs(t.ampX - t.ampY);
        return t;
    }
    const double angle = 120.0 * std::numbers::pi / 180.0;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    t.lineX = deltaPart(t.ampX, t.ampZ, c, s) + t.ampXN;
    t.lineY = deltaPart(t.ampY, t.ampX, c, s) + t.ampYN;
    t.lineZ = deltaPart(t.ampZ, t.ampY, c, s) + t.ampZN;
    // Phase-phase devices return their current through the other line, not
    // the neutral: only the phase-neutral currents add up on it.
    const double sixth = std::numbers::pi / 6.0;
    const double a = t.ampXN + t.ampYN * std::cos(4.0 * sixth) + t.ampZN * std::cos(8.0 * sixth);
    const double b = t.ampYN * std::sin(4.0 * sixth) + t.ampZN * std::sin(8.0 * sixth);
    t.neutral = std::sqrt(a * a + b * b);
    return t;
}

LoadFooter footerTexts(const LoadTotals& t, PowerSystem system, int voltage, int voltageNeutral,
                       std::string_view sep)
{
    const bool three = system == PowerSystem::ThreePhase;
    auto amps = [sep](double value) { return formatMask(value, "#.# A", sep); };
    LoadFooter f;
    f.deviceName = "Qty of Device: " + std::to_string(t.deviceCount);
    f.watts = formatMask(t.watts, "#.# W", sep);
    f.voltage = integerText(voltageNeutral) + "/" + integerText(voltage) + "V";
    f.amperage = amps(t.amperage);
    f.usedPhase = three ? "3-Ph" : "1-Ph";
    f.ampX = amps(t.ampX);
    f.ampY = amps(t.ampY);
    f.ampN = formatMask(t.neutral, "0.# A", sep);
    f.labelX = formatMask(t.lineX, "Total Amps X: 0.# A", sep);
    f.labelY = formatMask(t.lineY, "Total Amps Y: 0.# A", sep);
    if (three) {
        f.ampZ = amps(t.ampZ);
        f.ampXN = amps(t.ampXN);
        f.ampYN = amps(t.ampYN);
        f.ampZN = amps(t.ampZN);
        f.labelZ = formatMask(t.lineZ, "Total Amps Z: 0.# A", sep);
    }
    return f;
}

std::optional<CatalogueDevice> currentFixture(const RecordTable& fixtures)
{
    if (!fixtures.hasCurrent())
        return std::nullopt;
    const Record& r = fixtures.currentRecord();
    auto at = [&](const char* name) -> const Value& { return r.values.at(fixtures.requireIndex(name)); };
    CatalogueDevice d;
    d.name = std::string(text(at(catalogue::fixture::FixtureName)));
    d.watts = number(at(catalogue::fixture::Watts));
    d.powerFactor = number(at(catalogue::fixture::PowerFactor));
    return d;
}

int addMultipleCount(std::string_view text)
{
    const auto n = parseInt(text);
    return n ? std::clamp(*n, kAddMultipleMin, kAddMultipleMax) : 1;
}

std::vector<RecordId> recordOrder(const RecordTable& table)
{
    std::vector<RecordId> ids;
    const auto records = table.recordsInOrder();
    ids.reserve(records.size());
    for (const Record* r : records)
        ids.push_back(r->id);
    return ids;
}

namespace {

// Puts a table's sort index back when an edit run ends, however it ends.
class SortKeeper {
public:
    explicit SortKeeper(RecordTable& table)
        : table_(table), field_(table.sortField()), direction_(table.sortDirection())
    {
        if (field_)
            table_.clearSort();
    }
    ~SortKeeper()
    {
        if (table_.state() != TableState::Browse)
            table_.cancel();
        if (field_)
            table_.setSort(*field_, direction_);
    }
    SortKeeper(const SortKeeper&) = delete;
    SortKeeper& operator=(const SortKeeper&) = delete;

private:
    RecordTable& table_;
    std::optional<std::size_t> field_;
    SortDirection direction_;
};

} // namespace

void editRecords(RecordTable& table, const std::vector<RecordId>& order, const RecordChange& change,
                 const AfterPost& posted, const LoadProgress& progress)
{
    if (table.state() != TableState::Browse)
        table.post();
    BulkUpdate bulk(table);
    // Without a sort index and a filter the rows are the physical records,
    // so each record is reached by its physical position (which a post does
    // not change) instead of a search and a re-sort per record.
    SortKeeper sort(table);
    const bool direct = !table.isFiltered();
    std::unordered_map<RecordId, std::size_t> physical;
    physical.reserve(table.totalCount());
    const auto& records = table.physicalRecords();
    for (std::size_t i = 0; i < records.size(); ++i)
        physical.emplace(records[i].id, i);

    const std::size_t count = order.size();
    for (std::size_t k = 0; k < count; ++k) {
        if (progress)
            progress(k + 1, count);
        const auto it = physical.find(order[k]);
        if (it == physical.end())
            continue;
        const bool there = direct ? table.moveTo(it->second) : table.moveToId(order[k]);
        if (!there)
            continue;
        table.edit();
        if (!change(table)) {
            table.cancel();
            continue;
        }
        table.post();
        if (posted)
            posted(table.physicalRecords()[it->second]);
    }
}

// ---------------------------------------------------------------- LoadList

LoadList::LoadList(PowerSystem system, int voltage)
    : table_(loadListFields(), std::string(kLoadListTableName)),
      system_(system),
      voltage_(parsePhasePhaseVoltage(system, std::to_string(voltage)).voltage),
      neutral_(phaseNeutralVoltage(system, voltage_))
{
    table_.setCalculator([this](Record& record) {
        if (calculating_)
            calculateDevice(record, system_, voltage_, neutral_);
    });
}

std::string LoadList::applyVoltage(std::string_view text, bool storeOnFirstRecord, const LoadProgress& progress)
{
    const ListVoltage v = parsePhasePhaseVoltage(system_, text);
    voltage_ = v.voltage;
    neutral_ = v.neutral;
    if (storeOnFirstRecord)
        setFirstRecordField(ColVoltagePhasePhase, static_cast<double>(voltage_), false);
    revisitVoltages(progress);
    return v.text;
}

std::string LoadList::setSystem(PowerSystem system, std::string_view voltageText, const LoadProgress& progress)
{
    system_ = system;
    return applyVoltage(voltageText, false, progress);
}

void LoadList::revisitVoltages(const LoadProgress& progress)
{
    const RecordId current = table_.currentId();
    const double v = voltage_;
    const double vpn = neutral_;
    editRecords(
        table_, recordOrder(table_),
        [v, vpn](RecordTable& t) {
            const bool neutral = isNeutralConnection(text(t.currentRecord()[ColUsedPhase]));
            t.setField(ColVoltage, neutral ? vpn : v);
            return true;
        },
        {}, progress);
    if (current != 0)
        table_.moveToId(current);
}

LoadList::AddResult LoadList::addDevice(const CatalogueDevice& device, std::string_view workingVoltage, int count,
                                        const LoadProgress& progress)
{
    const auto volts = parseFloat(workingVoltage);
    if (!volts || !std::isfinite(*volts))
        return AddResult::NeedsWorkingVoltage;
    Record r = table_.newRecord();
    r[ColDeviceName] = device.name;
    r[ColWatts] = device.watts > 0 ? device.watts : 0.0;
    r[ColPowerFactor] = device.powerFactor > 0 ? std::min(device.powerFactor, PowerFactorMax) : 1.0;
    r[ColVoltage] = *volts;
    r[ColUsedPhase] = std::string(*volts == static_cast<double>(neutral_) ? phase::XN : phase::XY);

    if (table_.state() != TableState::Browse)
        table_.post();
    const int n = std::clamp(count, kAddMultipleMin, kAddMultipleMax);
    if (n == 1) {
        table_.appendRecord(std::move(r));
        if (progress)
            progress(1, 1);
        return AddResult::Added;
    }
    BulkUpdate bulk(table_);
    for (int i = 0; i < n; ++i) {
        table_.appendRecord(r);
        if (progress)
            progress(static_cast<std::size_t>(i) + 1, static_cast<std::size_t>(n));
    }
    return AddResult::Added;
}

LoadFooter LoadList::footer(std::string_view decimalSeparator) const
{
    return footerTexts(totals(), system_, voltage_, neutral_, decimalSeparator);
}

std::array<std::string, 2> LoadList::workingVoltageItems() const
{
    return {integerText(voltage_), integerText(neutral_)};
}

std::array<std::string, 2> LoadList::voltageCommandCaptions() const
{
    return {"Change Voltage for " + integerText(voltage_) + " volt",
            "Change Voltage for " + integerText(neutral_) + " volt"};
}

void LoadList::setFirstRecordField(std::size_t field, Value value, bool onlyWhenDifferent)
{
    if (table_.state() != TableState::Browse)
        table_.post();
    if (table_.recordCount() == 0)
        return;
    const RecordId current = table_.currentId();
    const RecordId firstId = table_.recordAt(0).id;
    if (onlyWhenDifferent && table_.recordAt(0)[field] == value)
        return;
    table_.moveToId(firstId);
    table_.edit();
    table_.setField(field, std::move(value));
    table_.post();
    table_.moveToId(current);
}

void LoadList::setDescription(std::string_view description)
{
    setFirstRecordField(ColReportName, std::string(description), true);
}

void LoadList::storeHeader(std::string_view description)
{
    if (table_.state() != TableState::Browse)
        table_.post();
    if (!table_.first())
        return;
    // One post for both values: a list sorted by either keeps the same record.
    table_.edit();
    table_.setField(ColReportName, std::string(description));
    table_.setField(ColVoltagePhasePhase, static_cast<double>(voltage_));
    table_.post();
    table_.first();
}

} // namespace tvx::electrical
