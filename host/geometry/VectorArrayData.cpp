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
    vectors[index] = MVector(MPoint(position).cartesianize());
}

}  // namespace kavo::host::geometry
