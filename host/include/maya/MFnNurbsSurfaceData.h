#pragma once

#include <maya/MFnData.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

// Creates NURBS surface data objects: the values that "create" and "local"
// of a "nurbsSurface" shape, and deformer inputs and outputs, hold. A new
// object holds no surface until MFnNurbsSurface::create fills it.
class DLL_PUBLIC MFnNurbsSurfaceData : public MFnData
{
public:
    KAVO_FUNCTION_SET_DECLARATIONS(MFnNurbsSurfaceData);
    ~MFnNurbsSurfaceData() override;
    static const char* className();

    // A new, empty data object; the function set is attached to it.
    MObject create(MStatus* ReturnStatus = NULL);
};
