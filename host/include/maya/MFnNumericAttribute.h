#pragma once

#include <maya/MFnAttribute.h>
#include <maya/MFnNumericData.h>

class DLL_PUBLIC MFnNumericAttribute : public MFnAttribute
{
public:
    KAVO_FUNCTION_SET_DECLARATIONS(MFnNumericAttribute);

    MObject create(const MString& fullName, const MString& briefName, MFnNumericData::Type unitType,
                   double defaultValue = 0, MStatus* ReturnStatus = NULL);
    MObject create(const MString& fullName, const MString& briefName, const MObject& child1, const MObject& child2,
                   const MObject& child3 = MObject::kNullObj, MStatus* ReturnStatus = NULL);
    MObject createColor(const MString& fullName, const MString& briefName, MStatus* ReturnStatus = NULL);
    MObject createPoint(const MString& fullName, const MString& briefName, MStatus* ReturnStatus = NULL);

    MFnNumericData::Type unitType(MStatus* ReturnStatus = NULL) const;

    MStatus setMin(double min1);
    MStatus setMin(double min1, double min2);
    MStatus setMin(double min1, double min2, double min3);
    MStatus setMax(double max1);
    MStatus setMax(double max1, double max2);
    MStatus setMax(double max1, double max2, double max3);
    MStatus setSoftMin(double min);
    MStatus setSoftMax(double max);
    bool hasMin(MStatus* ReturnStatus = NULL) const;
    bool hasMax(MStatus* ReturnStatus = NULL) const;
    MStatus getMin(double& min1) const;
    MStatus getMax(double& max1) const;

    MStatus setDefault(bool value);
    MStatus setDefault(char value);
    MStatus setDefault(int value);
    MStatus setDefault(float value);
    MStatus setDefault(double value);
    MStatus setDefault(int value1, int value2);
    MStatus setDefault(int value1, int value2, int value3);
    MStatus setDefault(float value1, float value2);
    MStatus setDefault(float value1, float value2, float value3);
    MStatus setDefault(double value1, double value2);
    MStatus setDefault(double value1, double value2, double value3);
    MStatus getDefault(bool& value);
    MStatus getDefault(int& value);
    MStatus getDefault(float& value);
    MStatus getDefault(double& value);
    MStatus getDefault(float& value1, float& value2, float& value3);
    MStatus getDefault(double& value1, double& value2, double& value3);

private:
    MStatus setDefaults(const double* values, unsigned int count);
    MStatus getDefaults(double* values, unsigned int count) const;
    MStatus setLimit(bool minimum, const double* values, unsigned int count);
};
