#pragma once

#include "geometry/CopyOnWrite.h"
#include "geometry/GeometryData.h"

#include <maya/MMatrix.h>
#include <maya/MPoint.h>

#include <vector>

namespace kavo::host::geometry {

// What the NURBS data objects share: CVs that keep their position in x, y, z
// and their weight in w. As deformable geometry their points are all the CVs,
// the repeats of a periodic CV included, so a point index is a CV index.
// Points are positions (w = 1); moving one keeps its weight, and moving a
// repeat does nothing (it follows the CV it repeats).
class NurbsData : public GeometryData
{
public:
    bool hasFn(MFn::Type type) const override;

    unsigned int pointCount() const override { return static_cast<unsigned int>(m_cvs.read().size()); }
    MPoint point(unsigned int index) const override;
    void setPoint(unsigned int index, const MPoint& position) override;

    const std::vector<MPoint>& cvs() const { return m_cvs.read(); }

    // Whether CV `index` repeats an earlier CV of a periodic curve or
    // direction.
    virtual bool isRepeat(int index) const = 0;

    // Sets the CV that `index` names (position and weight): the CV itself,
    // or for a repeat the CV it repeats, and every copy of it.
    virtual void setCV(int index, const MPoint& cv) = 0;

protected:
    // Copies the transform, the object groups and the CVs into `copy`.
    void copyInto(NurbsData& copy) const;

    // The CVs carried by `matrix`.
    std::vector<MPoint> transformedCVs(const MMatrix& matrix) const;

    CopyOnWrite<std::vector<MPoint>> m_cvs;
};

} // namespace kavo::host::geometry
