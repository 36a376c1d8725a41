#include "electrical/LoadBalance.h"

#include <string>
#include <variant>

namespace tvx::electrical {

using namespace elecl;

namespace {

enum class Leg { X, Y, Z };

double number(const Value& value)
{
    const auto* d = std::get_if<double>(&value);
    return d ? *d : 0.0;
}

bool isBalancedDevice(const Record& record)
{
    const auto* s = std::get_if<std::string>(&record[ColUsedPhase]);
    return s && *s == phase::XYZ;
}

// The device kinds the commands deal with.
enum class Kind { Other, PhaseNeutral, PhasePhase };

Kind kindOf(const Record& record, const LoadList& list)
{
    if (isBalancedDevice(record))
        return Kind::Other;
    const double vd = number(record[ColVoltage]);
    if (vd == static_cast<double>(list.voltageNeutral()))
        return Kind::PhaseNeutral;
    if (vd == static_cast<double>(list.voltage()))
        return Kind::PhasePhase;
    return Kind::Other;
}

// The least loaded of three accumulators. X wins its ties; between Y and Z
// a tie goes to Y only when `yWinsTieWithZ`.
Leg leastLoaded(double ax, double ay, double az, bool yWinsTieWithZ)
{
    if (ax <= ay && ax <= az)
        return Leg::X;
    const bool y = yWinsTieWithZ ? (ay <= az && ay <= ax) : (ay < az && ay < ax);
    return y ? Leg::Y : Leg::Z;
}

void setConnection(RecordTable& table, std::string_view connection)
{
    table.setField(ColUsedPhase, std::string(connection));
}

} // namespace

void balanceByCurrent(LoadList& list, const LoadProgress& progress)
{
    RecordTable& table = list.table();
    table.setSort(ColAmperage, SortDirection::Descending);
    const std::vector<RecordId> order = recordOrder(table);
    const bool three = list.system() == PowerSystem::ThreePhase;

    double ax = 0, ay = 0, az = 0;
    Kind kind = Kind::Other;
    Leg leg = Leg::X;
    editRecords(
        table, order,
        [&](RecordTable& t) {
            kind = kindOf(t.currentRecord(), list);
            if (kind == Kind::Other)
                return false;
            if (!three) {
                if (kind == Kind::PhaseNeutral) {
                    leg = ax > ay ? Leg::Y : Leg::X;
                    setConnection(t, leg == Leg::X ? phase::XN : phase::YN);
                } else {
                    setConnection(t, phase::XY);
                }
                return true;
            }
            leg = leastLoaded(ax, ay, az, kind == Kind::PhasePhase);
            if (kind == Kind::PhaseNeutral)
                setConnection(t, leg == Leg::X ? phase::XN : leg == Leg::Y ? phase::YN : phase::ZN);
            else
                setConnection(t, leg == Leg::X ? phase::XY : leg == Leg::Y ? phase::YZ : phase::ZX);
            return true;
        },
        [&](const Record& posted) {
            // The current the device draws now that it is connected.
            const double amps = number(posted[ColAmperage]);
            if (!three && kind == Kind::PhasePhase) {
                ax += amps;
                ay += amps;
                return;
            }
            if (kind == Kind::PhaseNeutral) {
                (leg == Leg::X ? ax : leg == Leg::Y ? ay : az) += amps;
                return;
            }
            // A phase-phase device loads the two lines of its pair.
            if (leg == Leg::X) {
                ax += amps;
                ay += amps;
            } else if (leg == Leg::Y) {
                ay += amps;
                az += amps;
            } else {
                az += amps;
                ax += amps;
            }
        },
        progress);
    table.first();
}

void balanceByDevice(LoadList& list, const LoadProgress& progress)
{
    RecordTable& table = list.table();
    const std::vector<RecordId> order = recordOrder(table);

    if (list.system() == PowerSystem::SinglePhase) {
        int toggle = 0;
        editRecords(
            table, order,
            [&](RecordTable& t) {
                toggle = toggle != 1 ? 1 : 2;
                if (kindOf(t.currentRecord(), list) != Kind::PhaseNeutral)
                    return false;
                setConnection(t, toggle == 1 ? phase::XN : phase::YN);
                return true;
            },
            {}, progress);
        table.first();
        return;
    }

    int n = 0; // phase-neutral devices: 1 X-N, 2 Y-N, 3 Z-N
    int p = 0; // phase-phase devices: 1 X-Y, 2 Y-Z, 3 Z-X
    auto advance = [](int& counter) { counter = counter == 3 ? 1 : counter + 1; };
    editRecords(
        table, order,
        [&](RecordTable& t) {
            const Kind kind = kindOf(t.currentRecord(), list);
            if (kind == Kind::PhaseNeutral) {
                advance(n);
                setConnection(t, n == 1 ? phase::XN : n == 2 ? phase::YN : phase::ZN);
                return true;
            }
            if (kind == Kind::PhasePhase) {
                advance(p);
                setConnection(t, p == 1 ? phase::XY : p == 2 ? phase::YZ : phase::ZX);
                return true;
            }
            return false;
        },
        {}, progress);
    table.first();
}

} // namespace tvx::electrical
