#include "geometry/NurbsSurfaceData.h"

#include <maya/MFnNurbsSurfaceData.h>

using kavo::host::geometry::NurbsSurfaceData;

MFnNurbsSurfaceData::MFnNurbsSurfaceData() = default;

MFnNurbsSurfaceData::MFnNurbsSurfaceData(MObject& object, MStatus* ReturnStatus)
{
    const MStatus status = attach(object, MFn::kNurbsSurfaceData);
    if (ReturnStatus)
        *ReturnStatus = status;
}

MFnNurbsSurfaceData::MFnNurbsSurfaceData(const MObject& object, MStatus* ReturnStatus)
{
    const MStatus status = attach(object, MFn::kNurbsSurfaceData);
    if (ReturnStatus)
        *ReturnStatus = status;
}

MFnNurbsSurfaceData::~MFnNurbsSurfaceData() = default;

MFn::Type MFnNurbsSurfaceData::type() const
{
    return MFn::kNurbsSurfaceData;
}

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
