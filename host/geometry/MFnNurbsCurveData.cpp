#include "geometry/NurbsCurveData.h"

#include <maya/MFnNurbsCurveData.h>

using kavo::host::geometry::NurbsCurveData;

MFnNurbsCurveData::MFnNurbsCurveData() = default;

MFnNurbsCurveData::MFnNurbsCurveData(MObject& object, MStatus* ReturnStatus)
{
    const MStatus status = attach(object, MFn::kNurbsCurveData);
    if (ReturnStatus)
        *ReturnStatus = status;
}

MFnNurbsCurveData::MFnNurbsCurveData(const MObject& object, MStatus* ReturnStatus)
{
    const MStatus status = attach(object, MFn::kNurbsCurveData);
    if (ReturnStatus)
        *ReturnStatus = status;
}

MFnNurbsCurveData::~MFnNurbsCurveData() = default;

MFn::Type MFnNurbsCurveData::type() const
{
    return MFn::kNurbsCurveData;
}

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
