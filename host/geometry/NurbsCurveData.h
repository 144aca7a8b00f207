#pragma once

#include "geometry/NurbsCurveShape.h"
#include "geometry/NurbsData.h"
#include "geometry/NurbsKnots.h"
#include "geometry/PeriodicCVs.h"
#include "geometry/ShapeCache.h"

#include <maya/MStatus.h>

#include <memory>
#include <vector>

namespace kavo::host::geometry {

// The value of a NURBS curve attribute (MFn::kNurbsCurveData): knots and CVs.
// A CV keeps its position in x, y, z and its weight in w. A new object holds
// no curve.
//
// As deformable geometry its points are all the CVs, the repeats of a
// periodic curve included, so a point index is a CV index. Points are
// positions (w = 1); moving one keeps its weight. A repeat is not a point of
// its own: it shows where the CV it repeats stands, follows it when that CV
// moves, and ignores being moved itself. A deformer walking the points in
// order thus moves each CV once and can never open a periodic curve.
class NurbsCurveData final : public NurbsData
{
public:
    MFn::Type apiType() const override { return MFn::kNurbsCurveData; }
    std::shared_ptr<graph::Data> clone() const override;

    bool hasCurve() const { return m_knots.isValid(); }

    // Replaces the curve. Fails with kInvalidParameter, keeping what the data
    // held, unless the curve can be evaluated (see NurbsCurveShape) and a
    // periodic curve repeats its leading CVs; the repeats are then made exact
    // copies.
    MStatus assign(NurbsKnots knots, std::vector<MPoint> cvs);

    const NurbsKnots& knots() const { return m_knots; }

    bool isRepeat(int index) const override { return leadingCopyOf(m_knots, index) != index; }
    void setCV(int index, const MPoint& cv) override;

    // The curve for evaluation in object space, or in world space (carried
    // by `transform`); null while the data holds no curve.
    std::shared_ptr<const NurbsCurveShape> shape(MSpace::Space space) const;

private:
    NurbsKnots m_knots;
    mutable ShapeCache<NurbsCurveShape> m_shapes;
};

} // namespace kavo::host::geometry
