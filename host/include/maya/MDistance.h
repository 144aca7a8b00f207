#pragma once

#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A distance: a value counted in a unit.
class OPENMAYA_EXPORT MDistance
{
public:
    enum Unit
    {
        kInvalid = 0,
        kInches = 1,
        kFeet = 2,
        kYards = 3,
        kMiles = 4,
        kMillimeters = 5,
        kCentimeters = 6,
        kKilometers = 7,
        kMeters = 8,
        kLast = 9
    };

    MDistance();
    MDistance(const MDistance& other);
    MDistance(double value, Unit unit = kCentimeters);
    ~MDistance();

    MDistance& operator=(const MDistance& other);

    Unit unit() const;
    double value() const;
    // Reinterprets the value in the new unit; kInvalidParameter for kInvalid
    // or kLast.
    MStatus setUnit(Unit unit);
    MStatus setValue(double value);

    // The distance in another unit; 0 and kInvalidParameter when either unit
    // is not a distance unit.
    double as(Unit unit, MStatus* ReturnStatus = NULL) const;
    double asCentimeters() const;
    double asMeters() const;
    double asInches() const;

private:
    double m_value;
    Unit m_unit;
};
