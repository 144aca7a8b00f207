#include "graph/AttributeHandles.h"
#include "graph/Faults.h"
#include "graph/Scene.h"

#include <maya/MDataBlock.h>

using namespace kavo::host::graph;

namespace {

// A read or write access that a test has armed to fail: answers the fault's
// status and an empty handle.
bool failOnRequest(const char* operation, MStatus* ReturnStatus)
{
    const auto fault = Faults::check(operation);
    if (fault && ReturnStatus)
        *ReturnStatus = *fault;
    return fault.has_value();
}

// The plug of the block's node (none for a block without one) at attribute.
MPlug plugOn(Node* node, const MObject& attribute)
{
    return MPlug(node ? node->handle() : MObject(), attribute);
}

} // namespace

MDataBlock::MDataBlock(Node* node) : m_node(node) {}

MDataBlock::~MDataBlock() = default;

MDataHandle MDataBlock::value(const MPlug& plug, bool evaluate, MStatus* ReturnStatus)
{
    PlugPath path{objectAs<Attribute>(plug.attribute()).get(), plug.hostIndices()};
    Slot* slot = nullptr;
    if (m_node && path.attribute && m_node->type().hasAttribute(path.attribute))
        slot = evaluate ? Scene::instance().evaluate(*m_node, path) : m_node->slot(path, true);
    if (ReturnStatus)
        *ReturnStatus = slot ? MStatus::kSuccess : MStatus::kInvalidParameter;
    return MDataHandle(m_node, slot);
}

MArrayDataHandle MDataBlock::arrayValue(const MPlug& plug, bool evaluate, MStatus* ReturnStatus)
{
    MStatus status;
    const MDataHandle handle = value(plug, evaluate, &status);
    MArrayDataHandle array(handle, status ? &status : nullptr);
    if (ReturnStatus)
        *ReturnStatus = status;
    return array;
}

MDataHandle MDataBlock::inputValue(const MPlug& plug, MStatus* ReturnStatus)
{
    if (failOnRequest("MDataBlock::inputValue", ReturnStatus))
        return MDataHandle();
    return value(plug, true, ReturnStatus);
}

MDataHandle MDataBlock::inputValue(const MObject& attribute, MStatus* ReturnStatus)
{
    return inputValue(plugOn(m_node, attribute), ReturnStatus);
}

MDataHandle MDataBlock::outputValue(const MPlug& plug, MStatus* ReturnStatus)
{
    if (failOnRequest("MDataBlock::outputValue", ReturnStatus))
        return MDataHandle();
    return value(plug, false, ReturnStatus);
}

MDataHandle MDataBlock::outputValue(const MObject& attribute, MStatus* ReturnStatus)
{
    return outputValue(plugOn(m_node, attribute), ReturnStatus);
}

MArrayDataHandle MDataBlock::inputArrayValue(const MPlug& plug, MStatus* ReturnStatus)
{
    return arrayValue(plug, true, ReturnStatus);
}

MArrayDataHandle MDataBlock::inputArrayValue(const MObject& attribute, MStatus* ReturnStatus)
{
    return inputArrayValue(plugOn(m_node, attribute), ReturnStatus);
}

MArrayDataHandle MDataBlock::outputArrayValue(const MPlug& plug, MStatus* ReturnStatus)
{
    return arrayValue(plug, false, ReturnStatus);
}

MArrayDataHandle MDataBlock::outputArrayValue(const MObject& attribute, MStatus* ReturnStatus)
{
    return outputArrayValue(plugOn(m_node, attribute), ReturnStatus);
}

MStatus MDataBlock::setClean(const MPlug& plug)
{
    MStatus status;
    MDataHandle handle = value(plug, false, &status);
    handle.setClean();
    return status;
}

MStatus MDataBlock::setClean(const MObject& attribute)
{
    return setClean(plugOn(m_node, attribute));
}

bool MDataBlock::isClean(const MPlug& plug)
{
    MDataHandle handle = value(plug, false, nullptr);
    return handle.hostSlot() && !handle.hostSlot()->anyDirty();
}

MDGContext MDataBlock::context(MStatus* ReturnStatus)
{
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
    return MDGContext::fsNormal;
}
