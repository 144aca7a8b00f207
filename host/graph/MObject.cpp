#include "graph/Object.h"

#include <maya/MObject.h>

MObject MObject::kNullObj;

MObject::MObject() = default;
MObject::MObject(const MObject& other) = default;
MObject::~MObject() = default;
MObject& MObject::operator=(const MObject& other) = default;

MObject::MObject(std::shared_ptr<kavo::host::graph::Object> object) : m_object(std::move(object)) {}

bool MObject::hasFn(MFn::Type type) const
{
    return m_object && m_object->hasFn(type);
}

bool MObject::isNull() const
{
    return !m_object;
}

MFn::Type MObject::apiType() const
{
    return m_object ? m_object->apiType() : MFn::kInvalid;
}

const char* MObject::apiTypeStr() const
{
    switch (apiType()) {
    case MFn::kInvalid: return "kInvalid";
    case MFn::kMeshData: return "kMeshData";
    case MFn::kNurbsSurfaceData: return "kNurbsSurfaceData";
    case MFn::kNurbsCurveData: return "kNurbsCurveData";
    case MFn::kSubdivData: return "kSubdivData";
    case MFn::kVectorArrayData: return "kVectorArrayData";
    case MFn::kTransform: return "kTransform";
    case MFn::kPluginDeformerNode: return "kPluginDeformerNode";
    case MFn::kPluginLocatorNode: return "kPluginLocatorNode";
    default: return "kBase";
    }
}

bool MObject::operator==(const MObject& other) const
{
    return m_object == other.m_object;
}

bool MObject::operator!=(const MObject& other) const
{
    return m_object != other.m_object;
}
