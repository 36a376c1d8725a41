#include "electrical/LoadListSchema.h"

namespace tvx::electrical {

std::vector<Field> loadListFields()
{
    using namespace elecl;
    std::vector<Field> f;
    f.reserve(ColumnCount);
    f.push_back(Field::text(DeviceName, 50).withLabel("Device name"));
    f.push_back(Field::floating(Watts).withLabel("Watt").withFormat("0.##' W'"));
    f.push_back(Field::floating(Voltage).withLabel("Volt").withFormat("0.##"));
    f.push_back(Field::floating(PowerFactor).withLabel("Pf").withFormat("#.##").withRange(PowerFactorMin, PowerFactorMax));
    f.push_back(Field::floating(Amperage).withLabel("Amp").withFormat("0.##' A'").calculated());
    f.push_back(Field::text(UsedPhase, 5).withLabel("Phase"));
    f.push_back(Field::floating(AmpX).withLabel("Amp X").withFormat("0.#' A'").calculated());
    f.push_back(Field::floating(AmpY).withLabel("Amp Y").withFormat("0.#' A'").calculated());
    f.push_back(Field::floating(AmpZ).withLabel("Amp Z").withFormat("0.#' A'").calculated());
    f.push_back(Field::floating(AmpXN).withLabel("Amp XN").withFormat("0.#' A'").calculated());
    f.push_back(Field::floating(AmpYN).withLabel("Amp YN").withFormat("0.#' A'").calculated());
    f.push_back(Field::floating(AmpZN).withLabel("Amp ZN").withFormat("0.#' A'").calculated());
    f.push_back(Field::floating(AmpN).withLabel("Amp N").withFormat("0.#' A'").calculated());
    f.push_back(Field::text(ReportName, 255));
    // Set by the list (not by the record calculator), so it stays a stored field.
    f.push_back(Field::floating(VoltagePhasePhase));
    return f;
}

} // namespace tvx::electrical
