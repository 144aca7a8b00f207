#include <maya/MTime.h>

#include "UnitRatio.h"

using namespace kavo::host::math;

namespace {

// How many of each unit make one second; {0, 0} for what is not a time unit.
UnitRatio unitsPerSecond(MTime::Unit unit)
{
    switch (unit) {
    case MTime::kHours: return {1, 3600};
    case MTime::kMinutes: return {1, 60};
    case MTime::kSeconds: return {1, 1};
    case MTime::kMilliseconds: return {1000, 1};
    case MTime::kGames: return {15, 1};
    case MTime::kFilm: return {24, 1};
    case MTime::kPALFrame: return {25, 1};
    case MTime::kNTSCFrame: return {30, 1};
    case MTime::kShowScan: return {48, 1};
    case MTime::kPALField: return {50, 1};
    case MTime::kNTSCField: return {60, 1};
    case MTime::k2FPS: return {2, 1};
    case MTime::k3FPS: return {3, 1};
    case MTime::k4FPS: return {4, 1};
    case MTime::k5FPS: return {5, 1};
    case MTime::k6FPS: return {6, 1};
    case MTime::k8FPS: return {8, 1};
    case MTime::k10FPS: return {10, 1};
    case MTime::k12FPS: return {12, 1};
    case MTime::k16FPS: return {16, 1};
    case MTime::k20FPS: return {20, 1};
    case MTime::k40FPS: return {40, 1};
    case MTime::k75FPS: return {75, 1};
    case MTime::k80FPS: return {80, 1};
    case MTime::k100FPS: return {100, 1};
    case MTime::k120FPS: return {120, 1};
    case MTime::k125FPS: return {125, 1};
    case MTime::k150FPS: return {150, 1};
    case MTime::k200FPS: return {200, 1};
    case MTime::k240FPS: return {240, 1};
    case MTime::k250FPS: return {250, 1};
    case MTime::k300FPS: return {300, 1};
    case MTime::k375FPS: return {375, 1};
    case MTime::k400FPS: return {400, 1};
    case MTime::k500FPS: return {500, 1};
    case MTime::k600FPS: return {600, 1};
    case MTime::k750FPS: return {750, 1};
    case MTime::k1200FPS: return {1200, 1};
    case MTime::k1500FPS: return {1500, 1};
    case MTime::k2000FPS: return {2000, 1};
    case MTime::k3000FPS: return {3000, 1};
    case MTime::k6000FPS: return {6000, 1};
    default: return {0, 0};
    }
}

bool isTimeUnit(MTime::Unit unit)
{
    return unitsPerSecond(unit).numerator != 0;
}

} // namespace

MTime::MTime() : m_value(0.0), m_unit(uiUnit()) {}
MTime::MTime(const MTime& other) = default;
MTime::MTime(double value, Unit unit) : m_value(value), m_unit(unit) {}
MTime::~MTime() = default;
MTime& MTime::operator=(const MTime& other) = default;

MTime::Unit MTime::unit() const
{
    return m_unit;
}
double MTime::value() const
{
    return m_value;
}

MStatus MTime::setUnit(Unit unit)
{
    if (!isTimeUnit(unit))
        return MStatus::kInvalidParameter;
    m_unit = unit;
    return MStatus::kSuccess;
}

MStatus MTime::setValue(double value)
{
    m_value = value;
    return MStatus::kSuccess;
}

double MTime::as(Unit unit) const
{
    if (!isTimeUnit(m_unit) || !isTimeUnit(unit))
        return 0.0;
    return convertUnits(m_value, unitsPerSecond(m_unit), unitsPerSecond(unit));
}

double MTime::asUnits(Unit unit) const
{
    return as(unit);
}

MTime::Unit MTime::uiUnit()
{
    return kFilm;
}

MTime MTime::operator+(const MTime& other) const
{
    return MTime(m_value + other.as(m_unit), m_unit);
}
MTime MTime::operator+(double value) const
{
    return MTime(m_value + value, m_unit);
}
MTime& MTime::operator+=(const MTime& other)
{
    return *this = *this + other;
}
MTime& MTime::operator+=(double value)
{
    return *this = *this + value;
}
MTime MTime::operator-(const MTime& other) const
{
    return MTime(m_value - other.as(m_unit), m_unit);
}
MTime MTime::operator-(double value) const
{
    return MTime(m_value - value, m_unit);
}
MTime& MTime::operator-=(const MTime& other)
{
    return *this = *this - other;
}
MTime& MTime::operator-=(double value)
{
    return *this = *this - value;
}
MTime MTime::operator*(double factor) const
{
    return MTime(m_value * factor, m_unit);
}
MTime& MTime::operator*=(double factor)
{
    return *this = *this * factor;
}
MTime MTime::operator/(double divisor) const
{
    return MTime(m_value / divisor, m_unit);
}
MTime& MTime::operator/=(double divisor)
{
    return *this = *this / divisor;
}

bool MTime::operator==(const MTime& other) const
{
    return m_value == other.as(m_unit);
}
bool MTime::operator!=(const MTime& other) const
{
    return !(*this == other);
}
bool MTime::operator<(const MTime& other) const
{
    return m_value < other.as(m_unit);
}
bool MTime::operator>(const MTime& other) const
{
    return m_value > other.as(m_unit);
}
bool MTime::operator<=(const MTime& other) const
{
    return m_value <= other.as(m_unit);
}
bool MTime::operator>=(const MTime& other) const
{
    return m_value >= other.as(m_unit);
}
