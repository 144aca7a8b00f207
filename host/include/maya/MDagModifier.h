#pragma once

#include <maya/MDGModifier.h>

// A modifier that also creates and moves DAG nodes. Its createNode overloads
// hide those of MDGModifier.
class OPENMAYA_EXPORT MDagModifier : public MDGModifier
{
public:
    MDagModifier();
    ~MDagModifier() override;

    // A shape created without a parent gets a new transform as its parent,
    // and the transform is returned.
    MObject createNode(const MTypeId& typeId, const MObject& parent = MObject::kNullObj, MStatus* ReturnStatus = NULL);
    MObject createNode(const MString& type, const MObject& parent = MObject::kNullObj, MStatus* ReturnStatus = NULL);
    MStatus reparentNode(const MObject& node, const MObject& newParent = MObject::kNullObj);

private:
    MObject create(const MString& typeName, const MObject& parent, MStatus* ReturnStatus);
};
