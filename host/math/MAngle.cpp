#include <maya/MAngle.h>

#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;

// How many of each unit make half a turn; 0 for what is not an angle unit.
double unitsPerHalfTurn(MAngle::Unit unit)
{
    switch (unit) {
    case MAngle::kRadians: return kPi;
    case MAngle::kDegrees: return 180.0;
    case MAngle::kAngMinutes: return 180.0 * 60.0;
    case MAngle::kAngSeconds: return 180.0 * 3600.0;
    default: return 0.0;
    }
}

bool isAngleUnit(MAngle::Unit unit)
{
    return unitsPerHalfTurn(unit) != 0.0;
}

} // namespace

MAngle::MAngle() : m_value(0.0), m_unit(kRadians) {}
MAngle::MAngle(const MAngle& other) = default;
MAngle::MAngle(double value, Unit unit) : m_value(value), m_unit(unit) {}
MAngle::~MAngle() = default;
MAngle& MAngle::operator=(const MAngle& other) = default;

MAngle::Unit MAngle::unit() const
{
    return m_unit;
}
double MAngle::value() const
{
    return m_value;
}

MStatus MAngle::setUnit(Unit unit)
{
    if (!isAngleUnit(unit))
        return MStatus::kInvalidParameter;
    m_unit = unit;
    return MStatus::kSuccess;
}

MStatus MAngle::setValue(double value)
{
    m_value = value;
    return MStatus::kSuccess;
}

double MAngle::as(Unit unit, MStatus* ReturnStatus) const
{
    const bool valid = isAngleUnit(m_unit) && isAngleUnit(unit);
    if (ReturnStatus != nullptr)
        *ReturnStatus = valid ? MStatus::kSuccess : MStatus::kInvalidParameter;
    if (!valid)
        return 0.0;
    if (unit == m_unit)
        return m_value;
    return m_value * unitsPerHalfTurn(unit) / unitsPerHalfTurn(m_unit);
}

double MAngle::asRadians() const
{
    return as(kRadians);
}
double MAngle::asDegrees() const
{
    return as(kDegrees);
}
double MAngle::asAngMinutes() const
{
    return as(kAngMinutes);
}
double MAngle::asAngSeconds() const
{
    return as(kAngSeconds);
}
