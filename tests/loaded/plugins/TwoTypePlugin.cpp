// A small plug-in for the loader tests. It registers two dependency node
// types the way the real plug-in registers its two: the first, then the
// second; a failure of the second leaves the first registered.
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnPlugin.h>
#include <maya/MPxNode.h>

namespace {

class CounterNode : public MPxNode
{
public:
    static void* creator() { return new CounterNode; }

    static MStatus initialize()
    {
        MFnNumericAttribute numeric;
        MObject count = numeric.create("count", "cnt", MFnNumericData::kInt, 0);
        return addAttribute(count);
    }
};

const MTypeId kFirstId(0x7F0401);
const MTypeId kSecondId(0x7F0402);

} // namespace

PLUGIN_EXPORT MStatus initializePlugin(MObject obj)
{
    MFnPlugin plugin(obj, "Kavo Test", "0.1", "Any");
    MStatus status = plugin.registerNode("loaderFirstNode", kFirstId, CounterNode::creator, CounterNode::initialize);
    if (!status)
        return status;
    return plugin.registerNode("loaderSecondNode", kSecondId, CounterNode::creator, CounterNode::initialize);
}

PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj)
{
    MFnPlugin plugin(obj);
    MStatus status = plugin.deregisterNode(kFirstId);
    if (!status)
        return status;
    return plugin.deregisterNode(kSecondId);
}
