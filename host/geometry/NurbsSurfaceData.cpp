#include "geometry/NurbsSurfaceData.h"

#include "geometry/ControlNet.h"
#include "geometry/ControlPointSpace.h"
#include "geometry/PeriodicCVs.h"

#include <utility>

namespace kavo::host::geometry {

std::shared_ptr<graph::Data> NurbsSurfaceData::clone() const
{
    auto copy = std::make_shared<NurbsSurfaceData>();
    copyInto(*copy);
    copy->m_knotsU = m_knotsU;
    copy->m_knotsV = m_knotsV;
    return copy;
}

MStatus NurbsSurfaceData::assign(NurbsKnots knotsU, NurbsKnots knotsV, std::vector<MPoint> cvs)
{
    const NurbsSurfaceShape candidate(knotsU, knotsV, cvs);
    if (!candidate.isValid())
        return MStatus::kInvalidParameter;

    const double extent = controlNetExtent(cvs);
    const int numV = knotsV.numCVs();
    for (int iu = 0; iu < knotsU.numCVs(); ++iu)
        for (int iv = 0; iv < numV; ++iv) {
            const MPoint& leading = cvs[leadingCopyOf(knotsU, iu) * numV + leadingCopyOf(knotsV, iv)];
            MPoint& cv = cvs[iu * numV + iv];
            if (!isSameCV(cv, leading, extent))
                return MStatus::kInvalidParameter;
            cv = leading;
        }

    m_knotsU = std::move(knotsU);
    m_knotsV = std::move(knotsV);
    m_cvs.assign(std::move(cvs));
    m_shapes.clear();
    return MStatus::kSuccess;
}

bool NurbsSurfaceData::isRepeat(int index) const
{
    const int iu = index / m_knotsV.numCVs();
    const int iv = index % m_knotsV.numCVs();
    return leadingCopyOf(m_knotsU, iu) != iu || leadingCopyOf(m_knotsV, iv) != iv;
}

void NurbsSurfaceData::setCV(int index, const MPoint& cv)
{
    const int numV = m_knotsV.numCVs();
    std::vector<MPoint>& cvs = m_cvs.write();
    for (int iu : copiesOf(m_knotsU, index / numV))
        for (int iv : copiesOf(m_knotsV, index % numV))
            cvs[cvIndex(iu, iv)] = cv;
    m_shapes.clear();
}

std::shared_ptr<const NurbsSurfaceShape> NurbsSurfaceData::shape(MSpace::Space space) const
{
    if (!hasSurface())
        return nullptr;
    return m_shapes.get(space, transform, [this](const MMatrix& matrix) {
        return NurbsSurfaceShape(m_knotsU, m_knotsV, transformedCVs(matrix));
    });
}

} // namespace kavo::host::geometry
