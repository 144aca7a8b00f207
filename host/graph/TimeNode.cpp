// The host's "time" node: "time1" carries the scene's current time on
// "outTime", which a creation script connects to the nodes that animate.
#include "graph/NodeTypeRegistry.h"

#include <maya/MFnUnitAttribute.h>

namespace kavo::host::graph {
namespace {

class TimeNode : public MPxNode
{
public:
    static void* creator() { return new TimeNode; }
};

MStatus initializeTime()
{
    MFnUnitAttribute unit;
    MObject outTime = unit.create("outTime", "o", MTime(1.0, MTime::kFilm));
    unit.setStorable(true);
    return MPxNode::addAttribute(outTime);
}

TypeAnnouncement time{
    {"time", "dependNode", MTypeId(0x54494d45), MPxNode::kDependNode, MFn::kTime, TimeNode::creator, initializeTime}};

} // namespace
} // namespace kavo::host::graph
