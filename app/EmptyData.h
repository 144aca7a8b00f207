#pragma once

// New, empty geometry data for the program's builders to fill.

#include <maya/MObject.h>
#include <maya/MStatus.h>

namespace kavo::app {

// Data of the kind the data function set makes (MFnMeshData, MFnSubdData,
// MFnNurbsSurfaceData, MFnNurbsCurveData), with the host's status.
template <class DataFunctionSet>
MObject emptyData(MStatus& status)
{
    DataFunctionSet creator;
    return creator.create(&status);
}

} // namespace kavo::app
