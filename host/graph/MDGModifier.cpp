#include "graph/CreateNodeEdit.h"
#include "graph/DeleteNodeEdit.h"
#include "graph/Faults.h"
#include "graph/ModifierSupport.h"
#include "graph/NodeTypeRegistry.h"
#include "graph/RenameNodeEdit.h"
#include "graph/Scene.h"

#include <maya/MDGModifier.h>

using namespace kavo::host::graph;

namespace {

using Action = ConnectionEdit::Action;

std::unique_ptr<ModifierEdit> connectionEdit(Action action, const MObject& sourceNode, const MObject& sourceAttr,
                                             const MObject& destNode, const MObject& destAttr,
                                             std::vector<unsigned int> sourceIndices = {},
                                             std::vector<unsigned int> destIndices = {})
{
    std::optional<PlugEnd> source = plugEndOf(sourceNode, sourceAttr, std::move(sourceIndices));
    std::optional<PlugEnd> destination = plugEndOf(destNode, destAttr, std::move(destIndices));
    if (!source || !destination)
        return nullptr;
    return std::make_unique<ConnectionEdit>(action, *source, *destination);
}

std::unique_ptr<ModifierEdit> connectionEdit(Action action, const MPlug& source, const MPlug& dest)
{
    return connectionEdit(action, source.node(), source.attribute(), dest.node(), dest.attribute(),
                          source.hostIndices(), dest.hostIndices());
}

} // namespace

MDGModifier::MDGModifier() = default;
MDGModifier::~MDGModifier() = default;

MStatus MDGModifier::record(std::unique_ptr<ModifierEdit> edit)
{
    if (!edit)
        return MStatus::kInvalidParameter;
    m_edits.push_back(std::move(edit));
    return MStatus::kSuccess;
}

MObject MDGModifier::createNode(const MTypeId& typeId, MStatus* ReturnStatus)
{
    return createNode(MString(typeNameOf(typeId).c_str()), ReturnStatus);
}

MObject MDGModifier::createNode(const MString& type, MStatus* ReturnStatus)
{
    std::shared_ptr<const NodeType> nodeType = NodeTypeRegistry::instance().find(type.asChar());
    if (!nodeType || nodeType->dag)
        return failedCreation(MStatus::kInvalidParameter, ReturnStatus);
    MStatus status;
    std::shared_ptr<Node> node = Scene::instance().instantiate(nodeType->name, {}, &status);
    if (!node)
        return failedCreation(status, ReturnStatus);
    record(std::make_unique<CreateNodeEdit>(node, nullptr));
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
    return node->handle();
}

MStatus MDGModifier::deleteNode(const MObject& node)
{
    std::shared_ptr<Node> target = objectAs<Node>(node);
    if (!target)
        return MStatus::kInvalidParameter;
    return record(std::make_unique<DeleteNodeEdit>(target));
}

MStatus MDGModifier::renameNode(const MObject& node, const MString& newName)
{
    std::shared_ptr<Node> target = objectAs<Node>(node);
    if (!target || newName.length() == 0)
        return MStatus::kInvalidParameter;
    return record(std::make_unique<RenameNodeEdit>(target, newName.asChar()));
}

MStatus MDGModifier::connect(const MObject& sourceNode, const MObject& sourceAttr, const MObject& destNode,
                             const MObject& destAttr)
{
    if (auto fault = Faults::check("MDGModifier::connect"))
        return *fault;
    return record(connectionEdit(Action::Connect, sourceNode, sourceAttr, destNode, destAttr));
}

MStatus MDGModifier::connect(const MPlug& source, const MPlug& dest)
{
    if (auto fault = Faults::check("MDGModifier::connect"))
        return *fault;
    return record(connectionEdit(Action::Connect, source, dest));
}

MStatus MDGModifier::disconnect(const MObject& sourceNode, const MObject& sourceAttr, const MObject& destNode,
                                const MObject& destAttr)
{
    return record(connectionEdit(Action::Disconnect, sourceNode, sourceAttr, destNode, destAttr));
}

MStatus MDGModifier::disconnect(const MPlug& source, const MPlug& dest)
{
    return record(connectionEdit(Action::Disconnect, source, dest));
}

MStatus MDGModifier::doIt()
{
    for (; m_doneCount < m_edits.size(); ++m_doneCount)
        if (MStatus status = m_edits[m_doneCount]->doIt(); !status)
            return status;
    return MStatus::kSuccess;
}

// Every done edit is reverted, even after one of them fails; the first
// failure is reported.
MStatus MDGModifier::undoIt()
{
    MStatus result;
    for (; m_doneCount > 0; --m_doneCount)
        if (MStatus status = m_edits[m_doneCount - 1]->undoIt(); !status && result)
            result = status;
    return result;
}
