#pragma once

#include <maya/MStatus.h>
#include <maya/MTypes.h>

// An angle: a value counted in a unit.
class OPENMAYA_EXPORT MAngle
{
public:
    enum Unit
    {
        kInvalid = 0,
        kRadians = 1,
        kDegrees = 2,
        kAngMinutes = 3,
        kAngSeconds = 4,
        kLast = 5
    };

    MAngle();
    MAngle(const MAngle& other);
    MAngle(double value, Unit unit = kRadians);
    ~MAngle();

    MAngle& operator=(const MAngle& other);

    Unit unit() const;
    double value() const;
    // Reinterprets the value in the new unit; kInvalidParameter for kInvalid
    // or kLast.
    MStatus setUnit(Unit unit);
    MStatus setValue(double value);

    // The angle in another unit; 0 and kInvalidParameter when either unit is
    // not an angle unit.
    double as(Unit unit, MStatus* ReturnStatus = NULL) const;
    double asRadians() const;
    double asDegrees() const;
    double asAngMinutes() const;
    double asAngSeconds() const;

private:
    double m_value;
    Unit m_unit;
};
