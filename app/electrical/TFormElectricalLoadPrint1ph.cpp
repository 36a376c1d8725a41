#include "electrical/TFormElectricalLoadPrint1ph.h"

#include "electrical/TFormElectricalLoadPrintFrame.h"

namespace elecl = tvx::electrical::elecl;

TFormElectricalLoadPrint1ph::TFormElectricalLoadPrint1ph(AppContext& context, tvx::RecordTable& table,
                                                         const tvx::electrical::LoadFooter& totals,
                                                         const QString& description)
    : report_(Title)
{
    const auto q = [](const std::string& s) { return QString::fromStdString(s); };
    const auto f = [](const char* name) { return QString::fromLatin1(name); };
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment centre = Qt::AlignCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const std::vector<ElectricalLoadReport::Column> columns = {
        {QStringLiteral("No"), 10, QString(), q(totals.deviceName), right},
        {QStringLiteral("Device Name"), 84, f(elecl::DeviceName), QString(), left},
        {QStringLiteral("Watts"), 26, f(elecl::Watts), q(totals.watts), right},
        {QStringLiteral("Voltage"), 22, f(elecl::Voltage), q(totals.voltage), right},
        {QStringLiteral("Amps"), 22, f(elecl::Amperage), q(totals.amperage), right},
        {QStringLiteral("Pf"), 14, f(elecl::PowerFactor), QString(), right},
        {QStringLiteral("Phase Used"), 20, f(elecl::UsedPhase), q(totals.usedPhase), centre},
        {QStringLiteral("X"), 20, f(elecl::AmpX), q(totals.ampX), right},
        {QStringLiteral("Y"), 20, f(elecl::AmpY), q(totals.ampY), right},
        {QStringLiteral("N"), 20, f(elecl::AmpN), q(totals.ampN), right},
    };
    ElectricalLoadReport::build(report_, context, table, columns, description, {});
}
