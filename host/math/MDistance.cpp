#include <maya/MDistance.h>

#include "UnitRatio.h"

using namespace kavo::host::math;

namespace {

// How many of each unit make one metre (an inch is exactly 0.0254 m, a mile
// 1609.344 m); {0, 0} for what is not a distance unit.
UnitRatio unitsPerMeter(MDistance::Unit unit)
{
    switch (unit) {
    case MDistance::kInches: return {5000, 127};
    case MDistance::kFeet: return {1250, 381};
    case MDistance::kYards: return {1250, 1143};
    case MDistance::kMiles: return {125, 201168};
    case MDistance::kMillimeters: return {1000, 1};
    case MDistance::kCentimeters: return {100, 1};
    case MDistance::kKilometers: return {1, 1000};
    case MDistance::kMeters: return {1, 1};
    default: return {0, 0};
    }
}

bool isDistanceUnit(MDistance::Unit unit)
{
    return unitsPerMeter(unit).numerator != 0;
}

} // namespace

MDistance::MDistance() : m_value(0.0), m_unit(kCentimeters) {}
MDistance::MDistance(const MDistance& other) = default;
MDistance::MDistance(double value, Unit unit) : m_value(value), m_unit(unit) {}
MDistance::~MDistance() = default;
MDistance& MDistance::operator=(const MDistance& other) = default;

MDistance::Unit MDistance::unit() const
{
    return m_unit;
}
double MDistance::value() const
{
    return m_value;
}

MStatus MDistance::setUnit(Unit unit)
{
    if (!isDistanceUnit(unit))
        return MStatus::kInvalidParameter;
    m_unit = unit;
    return MStatus::kSuccess;
}

MStatus MDistance::setValue(double value)
{
    m_value = value;
    return MStatus::kSuccess;
}

double MDistance::as(Unit unit, MStatus* ReturnStatus) const
{
    const bool valid = isDistanceUnit(m_unit) && isDistanceUnit(unit);
    if (ReturnStatus != nullptr)
        *ReturnStatus = valid ? MStatus::kSuccess : MStatus::kInvalidParameter;
    if (!valid)
        return 0.0;
    return convertUnits(m_value, unitsPerMeter(m_unit), unitsPerMeter(unit));
}

double MDistance::asCentimeters() const
{
    return as(kCentimeters);
}
double MDistance::asMeters() const
{
    return as(kMeters);
}
double MDistance::asInches() const
{
    return as(kInches);
}
