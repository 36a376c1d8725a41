#include "electrical/TFormElectricalLoadPrint3ph.h"

#include "electrical/TFormElectricalLoadPrintFrame.h"

namespace elecl = tvx::electrical::elecl;

TFormElectricalLoadPrint3ph::TFormElectricalLoadPrint3ph(AppContext& context, tvx::RecordTable& table,
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
        {QStringLiteral("No"), 9, QString(), q(totals.deviceName), right},
        {QStringLiteral("Device Name"), 57, f(elecl::DeviceName), QString(), left},
        {QStringLiteral("Watts"), 22, f(elecl::Watts), q(totals.watts), right},
        {QStringLiteral("Voltage"), 19, f(elecl::Voltage), q(totals.voltage), right},
        {QStringLiteral("Amps"), 18, f(elecl::Amperage), q(totals.amperage), right},
        {QStringLiteral("Pf"), 13, f(elecl::PowerFactor), QString(), right},
        {QStringLiteral("Phase Used"), 21, f(elecl::UsedPhase), q(totals.usedPhase), centre},
        {QStringLiteral("X"), 14, f(elecl::AmpX), q(totals.ampX), right},
        {QStringLiteral("Y"), 14, f(elecl::AmpY), q(totals.ampY), right},
        {QStringLiteral("Z"), 14, f(elecl::AmpZ), q(totals.ampZ), right},
        {QStringLiteral("X-N"), 14, f(elecl::AmpXN), q(totals.ampXN), right},
        {QStringLiteral("Y-N"), 14, f(elecl::AmpYN), q(totals.ampYN), right},
        {QStringLiteral("Z-N"), 14, f(elecl::AmpZN), q(totals.ampZN), right},
        {QStringLiteral("N"), 14, f(elecl::AmpN), q(totals.ampN), right},
    };
    ElectricalLoadReport::build(report_, context, table, columns, description,
                                {q(totals.labelX), q(totals.labelY), q(totals.labelZ)});
}
