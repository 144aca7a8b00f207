#pragma once

#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>
#include <maya/MTypes.h>

#include <memory>
#include <vector>

namespace kavo::host::graph {
class ModifierEdit;
}

// A list of graph edits: each call records one, doIt carries out those not
// yet done (stopping at the first failure) and undoIt reverts the done ones
// in reverse order. A node it creates exists at once, so its handle can be
// used for further edits, but it joins the scene only at doIt.
class OPENMAYA_EXPORT MDGModifier
{
public:
    MDGModifier();
    virtual ~MDGModifier();

    // Dependency nodes only: DAG nodes are created with MDagModifier.
    MObject createNode(const MTypeId& typeId, MStatus* ReturnStatus = NULL);
    MObject createNode(const MString& type, MStatus* ReturnStatus = NULL);
    MStatus deleteNode(const MObject& node);
    MStatus renameNode(const MObject& node, const MString& newName);
    MStatus connect(const MObject& sourceNode, const MObject& sourceAttr, const MObject& destNode,
                    const MObject& destAttr);
    MStatus connect(const MPlug& source, const MPlug& dest);
    MStatus disconnect(const MObject& sourceNode, const MObject& sourceAttr, const MObject& destNode,
                       const MObject& destAttr);
    MStatus disconnect(const MPlug& source, const MPlug& dest);

    MStatus doIt();
    MStatus undoIt();

protected:
    MDGModifier(const MDGModifier&) = delete;
    MDGModifier& operator=(const MDGModifier&) = delete;

    // Host side only: appends an edit for doIt to carry out. A null edit
    // (one whose checks failed) is refused with kInvalidParameter.
    MStatus record(std::unique_ptr<kavo::host::graph::ModifierEdit> edit);

private:
    std::vector<std::unique_ptr<kavo::host::graph::ModifierEdit>> m_edits;
    size_t m_doneCount = 0;
};
