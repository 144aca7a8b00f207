// The host's geometry shape types. Each holds its geometry in an input
// attribute and hands it on through an output one, carrying the shape's world
// matrix (see GeometryShape):
//   "mesh"              a polygon mesh, "inMesh" to "outMesh";
//   "nurbsCurve"        a NURBS curve, "create" to "local";
//   "nurbsSurface"      a NURBS surface, "create" to "local";
//   "subdiv"            a subdivision surface, "create" to "outSubdiv";
//   "vectorArrayShape"  the stand-in host's particle shape: nothing but
//                       particle positions, a vector array, "inPositions"
//                       to "outPositions".
#include "geometry/GeometryShape.h"

#include "graph/NodeTypeRegistry.h"

#include <maya/MPxNode.h>

namespace kavo::host::geometry {
namespace {

// Nothing of a shape is computed by a behaviour object.
class ShapeBehaviour : public MPxNode
{
public:
    static void* creator() { return new ShapeBehaviour; }
};

// A shape type's initializer: its input and output attributes, of dataType.
template <const GeometryAttributeNames& names, MFnData::Type dataType>
MStatus initializeShape()
{
    return addGeometryAttributes(names, dataType);
}

graph::NodeTypeDefinition shapeType(const char* name, MTypeId id, MFn::Type apiType, MInitializeFunction initializer)
{
    return {name,        "shape", id,   MPxNode::kDependNode, apiType, ShapeBehaviour::creator,
            initializer, true,    true, computeGeometryOutput};
}

const GeometryAttributeNames meshNames{"inMesh", "i", "outMesh", "o"};
const GeometryAttributeNames nurbsNames{"create", "cr", "local", "l"};
const GeometryAttributeNames subdivNames{"create", "cr", "outSubdiv", "os"};
const GeometryAttributeNames particleNames{"inPositions", "ipo", "outPositions", "opo"};

graph::TypeAnnouncement mesh{
    shapeType("mesh", MTypeId(0x444d5348), MFn::kMesh, initializeShape<meshNames, MFnData::kMesh>)};
graph::TypeAnnouncement nurbsCurve{
    shapeType("nurbsCurve", MTypeId(0x4e435256), MFn::kNurbsCurve, initializeShape<nurbsNames, MFnData::kNurbsCurve>)};
graph::TypeAnnouncement nurbsSurface{shapeType("nurbsSurface", MTypeId(0x4e535246), MFn::kNurbsSurface,
                                               initializeShape<nurbsNames, MFnData::kNurbsSurface>)};
graph::TypeAnnouncement subdiv{
    shapeType("subdiv", MTypeId(0x53424456), MFn::kSubdiv, initializeShape<subdivNames, MFnData::kSubdSurface>)};
graph::TypeAnnouncement vectorArrayShape{shapeType("vectorArrayShape", MTypeId(0x56415348), MFn::kParticle,
                                                   initializeShape<particleNames, MFnData::kVectorArray>)};

} // namespace
} // namespace kavo::host::geometry
