// The host's "nurbsCurve" shape: a NURBS curve held in "create" and handed
// on through "local", carrying the shape's world matrix (see GeometryShape).
#include "geometry/GeometryShape.h"

#include "graph/NodeTypeRegistry.h"

#include <maya/MPxNode.h>

namespace kavo::host::geometry {
namespace {

// Nothing of the shape is computed by a behaviour object.
class NurbsCurveNode : public MPxNode
{
public:
    static void* creator() { return new NurbsCurveNode; }
};

MStatus initializeNurbsCurve()
{
    return addGeometryAttributes({"create", "cr", "local", "l"}, MFnData::kNurbsCurve);
}

graph::TypeAnnouncement announcement{{"nurbsCurve", "shape", MTypeId(0x4e435256), MPxNode::kDependNode,
                                      MFn::kNurbsCurve, NurbsCurveNode::creator, initializeNurbsCurve, true, true,
                                      computeGeometryOutput}};

} // namespace
} // namespace kavo::host::geometry
