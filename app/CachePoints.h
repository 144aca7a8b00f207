#pragma once

// The points a point cache holds for one geometry, in the order the OBJ and
// PLY outputs write them: mesh and subdivision-cage vertices, particles,
// and the CVs of NURBS curves and surfaces in the host's order (V fastest)
// without the CVs that repeat to close a periodic direction, which OBJ
// names again instead of writing twice. A cache read back onto the geometry
// gives each repeat the position of the CV it repeats.

#include "InputGeometry.h"
#include "PointCacheWriter.h"

#include <maya/MObject.h>
#include <maya/MPoint.h>

#include <vector>

namespace kavo::app {

class CachePoints
{
public:
    // The layout of `input`'s points; deformation keeps it.
    explicit CachePoints(const InputGeometry& input);

    // How many points a cache of the geometry holds.
    unsigned int count() const { return m_count; }

    // The cached points of `data` (geometry of the input's kind and layout),
    // read in place where the host allows and otherwise copied to `copy`;
    // none (count 0 and no points) when the host cannot read them.
    FramePoints view(const MObject& data, MPointArray& copy) const;

    // The geometry's points, every one, from x, y, z per cached point; CVs
    // keep the input's weights.
    std::vector<MPoint> scatter(const std::vector<double>& xyz) const;

private:
    GeometryKind m_kind;
    unsigned int m_count = 0;
    // The cached point of each of the geometry's points; empty when they are
    // the same.
    std::vector<unsigned int> m_cachedIndex;
    // The geometry's points that the cache holds, when not every one.
    std::vector<unsigned int> m_picked;
    std::vector<double> m_weights; // of each CV of a rational NURBS input; empty otherwise
};

} // namespace kavo::app
