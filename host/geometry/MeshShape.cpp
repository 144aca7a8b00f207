// The host's "mesh" shape: a polygon mesh held in "inMesh" and handed on
// through "outMesh", carrying the shape's world matrix (see GeometryShape).
#include "geometry/GeometryShape.h"

#include "graph/NodeTypeRegistry.h"

#include <maya/MPxNode.h>

namespace kavo::host::geometry {
namespace {

// Nothing of the shape is computed by a behaviour object.
class MeshShapeNode : public MPxNode
{
public:
    static void* creator() { return new MeshShapeNode; }
};

MStatus initializeMeshShape()
{
    return addGeometryAttributes({"inMesh", "i", "outMesh", "o"}, MFnData::kMesh);
}

graph::TypeAnnouncement announcement{{"mesh", "shape", MTypeId(0x444d5348), MPxNode::kDependNode, MFn::kMesh,
                                      MeshShapeNode::creator, initializeMeshShape, true, true, computeGeometryOutput}};

} // namespace
} // namespace kavo::host::geometry
