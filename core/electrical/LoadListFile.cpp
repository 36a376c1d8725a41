#include "electrical/LoadListFile.h"

#include "common/Error.h"
#include "common/NumberText.h"
#include "electrical/LoadListMessages.h"
#include "table/TableFile.h"

#include <cctype>
#include <variant>

namespace tvx::electrical {

using namespace elecl;

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (std::tolower(x) != std::tolower(y))
            return false;
    }
    return true;
}

// A record that carries only the list's header (an empty list was saved).
bool isHeaderOnly(const Record& record)
{
    for (std::size_t c = 0; c < record.values.size(); ++c) {
        if (c == ColReportName || c == ColVoltagePhasePhase)
            continue;
        if (!isEmpty(record[c]))
            return false;
    }
    return true;
}

} // namespace

ListFileDialog saveListDialog(PowerSystem system)
{
    if (system == PowerSystem::ThreePhase)
        return {"Save Electrical Load List", "Electrical Load List Three-Phases (*.EL3)|*.EL3", kThreePhaseListExtension};
    return {"Save Electrical Load List", "Electrical Load List Single-Phase (*.EL1)|*.EL1", kSinglePhaseListExtension};
}

ListFileDialog openListDialog()
{
    return {"Open Electrical Load List", "Electrical Load List (*.EL*)|*.EL*|All (*.*)|*.*", {}};
}

PowerSystem systemOfListFile(const std::filesystem::path& path)
{
    const std::string ext = path.extension().string();
    return equalsIgnoringCase(ext, ".EL3") ? PowerSystem::ThreePhase : PowerSystem::SinglePhase;
}

std::string proposedListFileName(std::string_view description, PowerSystem system)
{
    std::string name(description);
    name += '.';
    name += system == PowerSystem::ThreePhase ? kThreePhaseListExtension : kSinglePhaseListExtension;
    return name;
}

void saveListFile(const std::filesystem::path& path, LoadList& list, std::string_view description)
{
    try {
        if (list.table().totalCount() > 0) {
            list.storeHeader(description);
            saveTableFile(path, list.table());
            return;
        }
        RecordTable header(loadListFields(), std::string(kLoadListTableName));
        Record r = header.newRecord();
        r[ColReportName] = std::string(description);
        r[ColVoltagePhasePhase] = static_cast<double>(list.voltage());
        header.appendRecord(std::move(r));
        saveTableFile(path, header);
    } catch (const FileError&) {
        throw FileError(std::string(loadlistmsg::CannotSave));
    }
}

ListHeader loadListFile(const std::filesystem::path& path, LoadList& list)
{
    RecordTable& table = list.table();
    if (table.state() != TableState::Browse)
        table.post();
    const std::size_t before = table.totalCount();
    {
        LoadList::CalculationPause pause(list);
        loadTableFile(path, table, TableFileDialect);
    }
    ListHeader header;
    const auto& records = table.physicalRecords();
    const Record* first = records.size() > before ? &records[before] : nullptr;
    double voltage = 0.0;
    if (first) {
        if (const auto* s = std::get_if<std::string>(&(*first)[ColReportName]))
            header.description = *s;
        if (const auto* d = std::get_if<double>(&(*first)[ColVoltagePhasePhase]))
            voltage = *d;
        if (records.size() == before + 1 && isHeaderOnly(*first))
            table.removeRecord(first->id);
    }
    const std::string text = voltage == 0.0 ? std::string() : formatGeneral(voltage);
    header.voltageText = parsePhasePhaseVoltage(systemOfListFile(path), text).text;
    return header;
}

} // namespace tvx::electrical
