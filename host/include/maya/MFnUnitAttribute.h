#pragma once

#include <maya/MAngle.h>
#include <maya/MDistance.h>
#include <maya/MFnAttribute.h>
#include <maya/MTime.h>

class DLL_PUBLIC MFnUnitAttribute : public MFnAttribute
{
public:
    enum Type
    {
        kInvalid = 0,
        kAngle = 1,
        kDistance = 2,
        kTime = 3,
        kLast = 4
    };

    KAVO_FUNCTION_SET_DECLARATIONS(MFnUnitAttribute);

    MObject create(const MString& fullName, const MString& briefName, MFnUnitAttribute::Type unitType,
                   double defaultValue = 0.0, MStatus* ReturnStatus = NULL);
    MObject create(const MString& fullName, const MString& briefName, const MTime& defaultValue,
                   MStatus* ReturnStatus = NULL);
    MObject create(const MString& fullName, const MString& briefName, const MAngle& defaultValue,
                   MStatus* ReturnStatus = NULL);
    MObject create(const MString& fullName, const MString& briefName, const MDistance& defaultValue,
                   MStatus* ReturnStatus = NULL);
    Type unitType(MStatus* ReturnStatus = NULL) const;

    MStatus setMin(double minValue);
    MStatus setMax(double maxValue);
    MStatus setMin(const MTime& minValue);
    MStatus setMax(const MTime& maxValue);
    MStatus setDefault(double value);
    MStatus setDefault(const MTime& value);
    MStatus getDefault(MTime& value) const;
};
