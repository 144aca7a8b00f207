#ifndef KAVO_HOST_GEOMETRY_NURBSCURVEDATA_H
#define KAVO_HOST_GEOMETRY_NURBSCURVEDATA_H

#include "geometry/CopyOnWrite.h"
#include "geometry/GeometryData.h"
#include "geometry/NurbsCurveShape.h"
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
class NurbsCurveData final : public GeometryData
{
public:
    MFn::Type apiType() const override { return MFn::kNurbsCurveData; }
    bool hasFn(MFn::Type type) const override;
    std::shared_ptr<graph::Data> clone() const override;

    unsigned int pointCount() const override { return static_cast<unsigned int>(m_cvs.read().size()); }
    MPoint point(unsigned int index) const override;
    void setPoint(unsigned int index, const MPoint& position) override;

    bool hasCurve() const { return m_knots.isValid(); }

    // Replaces the curve. Fails with kInvalidParameter, keeping what the data
    // held, unless the curve can be evaluated (see NurbsCurveShape) and a
    // periodic curve repeats its leading CVs; the repeats are then made exact
    // copies.
    MStatus assign(NurbsKnots knots, std::vector<MPoint> cvs);

    const NurbsKnots& knots() const { return m_knots; }
    const std::vector<MPoint>& cvs() const { return m_cvs.read(); }

    // Whether CV `index` repeats an earlier CV of a periodic curve.
    bool isRepeat(int index) const { return leadingCopyOf(m_knots, index) != index; }

    // Sets the CV that `index` names (position and weight): the CV itself,
    // or for a repeat the CV it repeats, and every copy of it.
    void setCV(int index, const MPoint& cv);

    // The curve for evaluation in object space, or in world space (carried
    // by `transform`); null while the data holds no curve.
    std::shared_ptr<const NurbsCurveShape> shape(MSpace::Space space) const;

private:
    NurbsKnots m_knots;
    CopyOnWrite<std::vector<MPoint>> m_cvs;
    mutable ShapeCache<NurbsCurveShape> m_shapes;
};

} // namespace kavo::host::geometry

#endif
