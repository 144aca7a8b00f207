#pragma once

#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MMatrix.h>

// The function-set declarations of a DAG node's function set, with a fourth
// constructor that attaches to the node at the end of a DAG path.
#define KAVO_DAG_FUNCTION_SET_DECLARATIONS(Class)                                                                      \
    KAVO_FUNCTION_SET_DECLARATIONS(Class);                                                                             \
    Class(const MDagPath& path, MStatus* ReturnStatus = NULL)

class DLL_PUBLIC MFnDagNode : public MFnDependencyNode
{
public:
    KAVO_DAG_FUNCTION_SET_DECLARATIONS(MFnDagNode);

    unsigned int parentCount(MStatus* ReturnStatus = NULL) const;
    MObject parent(unsigned int index, MStatus* ReturnStatus = NULL) const;
    unsigned int childCount(MStatus* ReturnStatus = NULL) const;
    MObject child(unsigned int index, MStatus* ReturnStatus = NULL) const;
    MStatus addChild(MObject& child, unsigned int index = kNextPos, bool keepExistingParents = false);
    MStatus getPath(MDagPath& path) const;
    MDagPath dagPath(MStatus* ReturnStatus = NULL) const;
    MString fullPathName(MStatus* ReturnStatus = NULL) const;
    MMatrix transformationMatrix(MStatus* ReturnStatus = NULL) const;

    static const unsigned int kNextPos = 0xff;
};
