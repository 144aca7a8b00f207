#pragma once

#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <vector>

// A path from the top of the hierarchy down to one DAG node.
class DLL_PUBLIC MDagPath
{
public:
    MDagPath();
    MDagPath(const MDagPath& other);
    virtual ~MDagPath();
    MDagPath& operator=(const MDagPath& other);

    static MStatus getAPathTo(const MObject& node, MDagPath& path);

    bool isValid(MStatus* ReturnStatus = NULL) const;
    MObject node(MStatus* ReturnStatus = NULL) const;
    MObject transform(MStatus* ReturnStatus = NULL) const;
    unsigned int length(MStatus* ReturnStatus = NULL) const;
    MString fullPathName(MStatus* ReturnStatus = NULL) const;
    MString partialPathName(MStatus* ReturnStatus = NULL) const;
    MMatrix inclusiveMatrix(MStatus* ReturnStatus = NULL) const;
    MMatrix inclusiveMatrixInverse(MStatus* ReturnStatus = NULL) const;
    MMatrix exclusiveMatrix(MStatus* ReturnStatus = NULL) const;
    MMatrix exclusiveMatrixInverse(MStatus* ReturnStatus = NULL) const;
    MStatus push(const MObject& child);
    MStatus pop(unsigned int num = 1);

    bool operator==(const MDagPath& other) const;

private:
    std::vector<MObject> m_nodes;
};
