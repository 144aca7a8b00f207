#pragma once

#include <maya/MStatus.h>
#include <maya/MTypes.h>

// A time: a value counted in a unit. Units from kGames on are frame rates.
class OPENMAYA_EXPORT MTime
{
public:
    enum Unit
    {
        kInvalid = 0,
        kHours = 1,
        kMinutes = 2,
        kSeconds = 3,
        kMilliseconds = 4,
        kGames = 5,      // 15 fps
        kFilm = 6,       // 24 fps
        kPALFrame = 7,   // 25 fps
        kNTSCFrame = 8,  // 30 fps
        kShowScan = 9,   // 48 fps
        kPALField = 10,  // 50 fps
        kNTSCField = 11, // 60 fps
        k2FPS = 12,
        k3FPS,
        k4FPS,
        k5FPS,
        k6FPS,
        k8FPS,
        k10FPS,
        k12FPS,
        k16FPS,
        k20FPS = 21,
        k40FPS,
        k75FPS,
        k80FPS,
        k100FPS = 25,
        k120FPS,
        k125FPS,
        k150FPS,
        k200FPS,
        k240FPS = 30,
        k250FPS,
        k300FPS,
        k375FPS,
        k400FPS,
        k500FPS = 35,
        k600FPS,
        k750FPS,
        k1200FPS,
        k1500FPS,
        k2000FPS = 40,
        k3000FPS = 41,
        k6000FPS = 42,
        kUserDef = 43,
        kLast = 44
    };

    // Zero in the user interface unit.
    MTime();
    MTime(const MTime& other);
    MTime(double value, Unit unit = kFilm);
    ~MTime();

    MTime& operator=(const MTime& other);

    Unit unit() const;
    double value() const;
    // Reinterprets the value in the new unit; the number itself is kept.
    // kInvalidParameter for a unit that is not a time unit.
    MStatus setUnit(Unit unit);
    MStatus setValue(double value);

    // The time counted in another unit. 0 when either unit is not a time unit
    // (kInvalid, kUserDef, kLast).
    double as(Unit unit) const;
    double asUnits(Unit unit) const;

    // The unit in which the user interface shows time: kFilm.
    static Unit uiUnit();

    // Arithmetic keeps this time's unit; another time is converted into it,
    // a plain number counts in it.
    MTime operator+(const MTime& other) const;
    MTime operator+(double value) const;
    MTime& operator+=(const MTime& other);
    MTime& operator+=(double value);
    MTime operator-(const MTime& other) const;
    MTime operator-(double value) const;
    MTime& operator-=(const MTime& other);
    MTime& operator-=(double value);
    MTime operator*(double factor) const;
    MTime& operator*=(double factor);
    MTime operator/(double divisor) const;
    MTime& operator/=(double divisor);

    // Comparisons are made in this time's unit.
    bool operator==(const MTime& other) const;
    bool operator!=(const MTime& other) const;
    bool operator<(const MTime& other) const;
    bool operator>(const MTime& other) const;
    bool operator<=(const MTime& other) const;
    bool operator>=(const MTime& other) const;

private:
    double m_value;
    Unit m_unit;
};
