// The stand-in host's particle shape, "vectorArrayShape": nothing but
// particle positions, a vector array held in "inPositions" and handed on
// through "outPositions", carrying the shape's world matrix (see
// GeometryShape).
#include "geometry/GeometryShape.h"

#include "graph/NodeTypeRegistry.h"

#include <maya/MPxNode.h>

namespace kavo::host::geometry {
namespace {

// Nothing of the shape is computed by a behaviour object.
class VectorArrayShapeNode : public MPxNode
{
public:
    static void* creator() { return new VectorArrayShapeNode; }
};

MStatus initializeVectorArrayShape()
{
    return addGeometryAttributes({"inPositions", "ipo", "outPositions", "opo"}, MFnData::kVectorArray);
}

graph::TypeAnnouncement announcement{{"vectorArrayShape", "shape", MTypeId(0x56415348), MPxNode::kDependNode,
                                      MFn::kParticle, VectorArrayShapeNode::creator, initializeVectorArrayShape, true,
                                      true, computeGeometryOutput}};

} // namespace
} // namespace kavo::host::geometry
