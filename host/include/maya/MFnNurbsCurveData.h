#pragma once

#include <maya/MFnData.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

// Creates NURBS curve data objects: the values that "create" and "local" of
// a "nurbsCurve" shape, and deformer inputs and outputs, hold. A new object
// holds no curve until MFnNurbsCurve::create fills it.
class DLL_PUBLIC MFnNurbsCurveData : public MFnData
{
public:
    KAVO_FUNCTION_SET_DECLARATIONS(MFnNurbsCurveData);
    ~MFnNurbsCurveData() override;
    static const char* className();

    // A new, empty data object; the function set is attached to it.
    MObject create(MStatus* ReturnStatus = NULL);
};
