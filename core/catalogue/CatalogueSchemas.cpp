#include "catalogue/CatalogueSchemas.h"

#include <cmath>

namespace tvx::catalogue {

namespace {

constexpr double PoundsPerKilogram = 2.20462262;
constexpr double RadiansPerDegree = 0.017453292519943295769;

double numberOf(const Value& v)
{
    if (const double* d = std::get_if<double>(&v))
        return *d;
    if (const std::int32_t* i = std::get_if<std::int32_t>(&v))
        return *i;
    return 0.0;
}

} // namespace

double weightInPounds(double kilograms)
{
    return kilograms * PoundsPerKilogram;
}

double multiplyingFactor(double beamAngleDegrees)
{
    return 2.0 * std::tan(beamAngleDegrees / 2.0 * RadiansPerDegree);
}

std::vector<Field> fixtureFields(DipSwitchOrder order)
{
    using namespace fixture;
    std::vector<Field> f;
    f.reserve(27);
    f.push_back(Field::text(FixtureName, 50).withLabel("Fixture Name").withWidth(25));
    f.push_back(Field::text(Manufacturer, 50).withWidth(25));
    f.push_back(Field::text(Description, 50).withWidth(20));
    f.push_back(Field::text(FixtureType, 50).withWidth(15));
    f.push_back(Field::text(DMXMode, 20).withLabel("DMX Mode").withWidth(5));
    f.push_back(Field::integer(DmxChannels).withLabel("No. DMX ch.").withFormat("0").withWidth(3));
    f.push_back(Field::floating(BeamMin).withLabel("Beam Min").withFormat("#.##'\xC2\xB0'").withWidth(6));
    f.push_back(Field::floating(BeamMax).withLabel("Beam Max").withFormat("#.##'\xC2\xB0'").withWidth(6));
    f.push_back(Field::floating(CandelaMin).withLabel("Candela Min").withFormat("#.##' Cd'").withWidth(6));
    f.push_back(Field::floating(CandelaMax).withLabel("Candela Max").withFormat("#.##' Cd'").withWidth(6));
    f.push_back(Field::floating(Lumens).withFormat("#.##' lm'").withWidth(6));
    f.push_back(Field::floating(MF).withLabel("mF Min").withFormat("#.##").withWidth(4).calculated());
    f.push_back(Field::floating(ColorTemp).withFormat("#' K'").withWidth(6));
    f.push_back(Field::text(LampType, 50).withWidth(6));
    f.push_back(Field::floating(Watts).withFormat("#.##' W'").withWidth(6));
    f.push_back(Field::floating(PowerFactor).withLabel("pf").withFormat("#.##").withWidth(3).withRange(0.0, 1.0));
    f.push_back(Field::floating(Weight).withFormat("#.##' kg'").withWidth(6));
    f.push_back(Field::floating(Length).withLabel("Length").withFormat("#.##' mm'").withWidth(6));
    f.push_back(Field::floating(Width).withFormat("#.##' mm'").withWidth(6));
    f.push_back(Field::floating(Height).withFormat("#.##' mm'").withWidth(6));
    f.push_back(Field::text(GoboSize, 50).withWidth(8));
    f.push_back(Field::text(GelSize, 50).withLabel("Gel Size").withWidth(8));
    f.push_back(Field::floating(WeightLbs).withFormat("#.##' lbs'").withWidth(10).calculated());
    f.push_back(Field::floating(MFMax).withLabel("mF Max").withFormat("#.##").withWidth(4).calculated());
    f.push_back(Field::floating(LumensMin).withFormat("#.##' lm'").withWidth(6));
    Field use = Field::boolean(UseDipSwitch).withWidth(5);
    Field offset = Field::boolean(DipSwitchOffset).withWidth(5);
    if (order == DipSwitchOrder::OffsetFirst) {
        f.push_back(std::move(offset));
        f.push_back(std::move(use));
    } else {
        f.push_back(std::move(use));
        f.push_back(std::move(offset));
    }
    return f;
}

RecordCalculator fixtureCalculator(const RecordTable& table)
{
    using namespace fixture;
    const std::size_t weight = table.requireIndex(Weight);
    const std::size_t beamMin = table.requireIndex(BeamMin);
    const std::size_t beamMax = table.requireIndex(BeamMax);
    const std::size_t lbs = table.requireIndex(WeightLbs);
    const std::size_t mf = table.requireIndex(MF);
    const std::size_t mfMax = table.requireIndex(MFMax);
    return [=](Record& r) {
        r.values[lbs] = weightInPounds(numberOf(r.values[weight]));
        r.values[mf] = multiplyingFactor(numberOf(r.values[beamMin]));
        r.values[mfMax] = multiplyingFactor(numberOf(r.values[beamMax]));
    };
}

std::vector<Field> manufacturerFields()
{
    using namespace manufacturer;
    return {
        Field::text(Manufacturer, 50).withDefault(std::string("-")),
        Field::text(Website, 70).withDefault(std::string("-")),
        Field::text(Phone, 50),
        Field::text(PhoneHotLine, 50).withLabel("Phone HotLine"),
        Field::text(EmailInfo, 50).withLabel("Email Info"),
        Field::text(EmailSupport, 50).withLabel("Email Support"),
    };
}

std::vector<Field> roadCaseFields()
{
    using namespace roadcase;
    return {
        Field::text(No, 20),
        Field::text(Name, 50),
        Field::text(Description, 50),
        Field::floating(Length).withFormat("#.##"),
        Field::floating(Width).withFormat("#.##"),
        Field::floating(Height).withFormat("#.##"),
        Field::floating(Weight).withFormat("#.##"),
    };
}

} // namespace tvx::catalogue
