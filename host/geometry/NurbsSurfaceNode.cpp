// The host's "nurbsSurface" shape: a NURBS surface held in "create" and handed
// on through "local", carrying the shape's world matrix (see GeometryShape).
#include "geometry/GeometryShape.h"

#include "graph/NodeTypeRegistry.h"

#include <maya/MPxNode.h>

namespace kavo::host::geometry {
namespace {

// Nothing of the shape is computed by a behaviour object.
class NurbsSurfaceNode : public MPxNode
{
public:
    static void* creator() { return new NurbsSurfaceNode; }
};

MStatus initializeNurbsSurface()
{
    return addGeometryAttributes({"create", "cr", "local", "l"}, MFnData::kNurbsSurface);
}

graph::TypeAnnouncement announcement{{"nurbsSurface", "shape", MTypeId(0x4e535246), MPxNode::kDependNode,
                                      MFn::kNurbsSurface, NurbsSurfaceNode::creator, initializeNurbsSurface, true, true,
                                      computeGeometryOutput}};

} // namespace
} // namespace kavo::host::geometry
