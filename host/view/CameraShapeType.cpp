// The host's "camera" shape: what a view looks through. Its transform places
// the eye (looking down its own -Z with +Y up); the lens (field of view and
// clipping) belongs to the view that uses it.
#include "graph/NodeTypeRegistry.h"

#include <maya/MPxNode.h>

namespace kavo::host::view {
namespace {

class CameraShape : public MPxNode
{
public:
    static void* creator() { return new CameraShape; }
};

graph::TypeAnnouncement camera{
    {"camera", "shape", MTypeId(0x4443414d), MPxNode::kDependNode, MFn::kCamera, CameraShape::creator, nullptr}};

} // namespace
} // namespace kavo::host::view
