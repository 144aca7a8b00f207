#pragma once

#include "geometry/NurbsData.h"
#include "geometry/NurbsKnots.h"
#include "geometry/NurbsSurfaceShape.h"
#include "geometry/ShapeCache.h"

#include <maya/MStatus.h>

#include <memory>
#include <vector>

namespace kavo::host::geometry {

// The value of a NURBS surface attribute (MFn::kNurbsSurfaceData): knots per
// direction and the CVs, U-major with V varying fastest. A CV keeps its
// position in x, y, z and its weight in w. A new object holds no surface.
//
// As deformable geometry its points are all the CVs in that order, repeats of
// a periodic direction included, so a point index is a CV index. Points are
// positions (w = 1); moving one keeps its weight. A repeat is not a point of
// its own: it shows where the CV it repeats stands, follows it when that CV
// moves, and ignores being moved itself. A deformer walking the points in
// order thus moves each CV once (the CV comes before its repeats) and can
// never tear a periodic seam open.
class NurbsSurfaceData final : public NurbsData
{
public:
    MFn::Type apiType() const override { return MFn::kNurbsSurfaceData; }
    std::shared_ptr<graph::Data> clone() const override;

    bool hasSurface() const { return m_knotsU.isValid(); }

    // Replaces the surface. Fails with kInvalidParameter, keeping what the
    // data held, unless the surface can be evaluated (see NurbsSurfaceShape)
    // and every periodic direction repeats its leading CVs; the repeats are
    // then made exact copies.
    MStatus assign(NurbsKnots knotsU, NurbsKnots knotsV, std::vector<MPoint> cvs);

    const NurbsKnots& knotsU() const { return m_knotsU; }
    const NurbsKnots& knotsV() const { return m_knotsV; }
    int cvIndex(int indexU, int indexV) const { return indexU * m_knotsV.numCVs() + indexV; }

    bool isRepeat(int index) const override;
    void setCV(int index, const MPoint& cv) override;

    // The surface for evaluation in object space, or in world space (carried
    // by `transform`); null while the data holds no surface.
    std::shared_ptr<const NurbsSurfaceShape> shape(MSpace::Space space) const;

private:
    NurbsKnots m_knotsU;
    NurbsKnots m_knotsV;
    mutable ShapeCache<NurbsSurfaceShape> m_shapes;
};

} // namespace kavo::host::geometry
