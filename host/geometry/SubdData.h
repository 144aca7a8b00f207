#pragma once

#include "geometry/CopyOnWrite.h"
#include "geometry/GeometryData.h"
#include "geometry/PolygonMesh.h"
#include "geometry/SubdivisionLimit.h"

#include <memory>
#include <mutex>

namespace kavo::host::geometry {

// A subdivision surface as it travels through the graph (MFn::kSubdivData):
// its base (level 0) polygon mesh, whose vertices are the points deformers
// move, in object space. The Catmull-Clark limit at the base vertices is
// computed when first asked for and kept until a point moves.
class SubdData final : public GeometryData
{
public:
    MFn::Type apiType() const override { return MFn::kSubdivData; }
    bool hasFn(MFn::Type type) const override;
    std::shared_ptr<graph::Data> clone() const override;

    unsigned int pointCount() const override { return static_cast<unsigned int>(m_base.read().points.size()); }
    MPoint point(unsigned int index) const override { return m_base.read().points[index]; }
    void setPoint(unsigned int index, const MPoint& position) override;
    void setPoints(const MPoint* points) override;

    // Replaces the base mesh; kInvalidParameter, with nothing changed, for an
    // invalid mesh.
    MStatus setBaseMesh(PolygonMesh base);
    const PolygonMesh& baseMesh() const { return m_base.read(); }
    int polygonCount() const { return static_cast<int>(m_base.read().faceVertexCounts.size()); }

    // The limit at every base vertex, or null when OpenSubdiv rejects the
    // base mesh. Safe to call from several threads; the answer stays valid
    // after a point moves, but describes the surface as it was.
    std::shared_ptr<const SubdivisionLimit> limit() const;

private:
    void forgetLimit();

    CopyOnWrite<PolygonMesh> m_base;
    mutable std::mutex m_limitMutex;
    mutable bool m_limitKnown = false;
    mutable std::shared_ptr<const SubdivisionLimit> m_limit;
};

} // namespace kavo::host::geometry
