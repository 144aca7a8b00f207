#include "geometry/VectorArrayData.h"

namespace kavo::host::geometry {

bool VectorArrayData::hasFn(MFn::Type type) const
{
    return type == MFn::kVectorArrayData || type == MFn::kData || type == MFn::kBase;
}

std::shared_ptr<graph::Data> VectorArrayData::clone() const
{
    return std::make_shared<VectorArrayData>(*this);
}

void VectorArrayData::setPoint(unsigned int index, const MPoint& position)
{
    m_vectors.write()[index] = MVector(MPoint(position).cartesianize());
}

void VectorArrayData::setPoints(const MPoint* points)
{
    MVectorArray& stored = m_vectors.write();
    for (unsigned int k = 0; k < stored.length(); ++k)
        stored[k] = MVector(MPoint(points[k]).cartesianize());
}

} // namespace kavo::host::geometry
