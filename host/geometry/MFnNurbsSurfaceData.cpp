#include "geometry/NurbsSurfaceData.h"
#include "graph/FunctionSetMembers.h"

#include <maya/MFnNurbsSurfaceData.h>

using kavo::host::geometry::NurbsSurfaceData;

KAVO_FUNCTION_SET_MEMBERS(MFnNurbsSurfaceData, MFn::kNurbsSurfaceData)
MFnNurbsSurfaceData::~MFnNurbsSurfaceData() = default;

const char* MFnNurbsSurfaceData::className()
{
    return "MFnNurbsSurfaceData";
}

MObject MFnNurbsSurfaceData::create(MStatus* ReturnStatus)
{
    m_object = MObject(std::make_shared<NurbsSurfaceData>());
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
    return m_object;
}
