#include "geometry/NurbsData.h"

#include "geometry/ControlPointSpace.h"

namespace kavo::host::geometry {

bool NurbsData::hasFn(MFn::Type type) const
{
    return type == MFn::kData || GeometryData::hasFn(type);
}

MPoint NurbsData::point(unsigned int index) const
{
    const MPoint& cv = m_cvs.read()[index];
    return MPoint(cv.x, cv.y, cv.z);
}

void NurbsData::setPoint(unsigned int index, const MPoint& position)
{
    if (!isRepeat(static_cast<int>(index)))
        setCV(static_cast<int>(index), MPoint(position.x, position.y, position.z, m_cvs.read()[index].w));
}

void NurbsData::copyInto(NurbsData& copy) const
{
    static_cast<GeometryData&>(copy) = *this;
    copy.m_cvs = m_cvs;
}

std::vector<MPoint> NurbsData::transformedCVs(const MMatrix& matrix) const
{
    std::vector<MPoint> moved;
    moved.reserve(m_cvs.read().size());
    for (const MPoint& cv : m_cvs.read())
        moved.push_back(transformedCV(cv, matrix));
    return moved;
}

} // namespace kavo::host::geometry
