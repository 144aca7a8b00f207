#include "geometry/NurbsCurveData.h"
#include "graph/FunctionSetMembers.h"

#include <maya/MFnNurbsCurveData.h>

using kavo::host::geometry::NurbsCurveData;

KAVO_FUNCTION_SET_MEMBERS(MFnNurbsCurveData, MFn::kNurbsCurveData)
MFnNurbsCurveData::~MFnNurbsCurveData() = default;

const char* MFnNurbsCurveData::className()
{
    return "MFnNurbsCurveData";
}

MObject MFnNurbsCurveData::create(MStatus* ReturnStatus)
{
    m_object = MObject(std::make_shared<NurbsCurveData>());
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
    return m_object;
}
