#pragma once

#include <maya/MArrayDataHandle.h>
#include <maya/MDGContext.h>
#include <maya/MDataHandle.h>
#include <maya/MPlug.h>

#include <vector>

// A node's storage as seen by its compute: reading an input brings it up to
// date first (pulling along connections), reading an output does not.
class DLL_PUBLIC MDataBlock
{
public:
    virtual ~MDataBlock();

    MDataHandle inputValue(const MPlug& plug, MStatus* ReturnStatus = NULL);
    MDataHandle inputValue(const MObject& attribute, MStatus* ReturnStatus = NULL);
    MDataHandle outputValue(const MPlug& plug, MStatus* ReturnStatus = NULL);
    MDataHandle outputValue(const MObject& attribute, MStatus* ReturnStatus = NULL);
    MArrayDataHandle inputArrayValue(const MPlug& plug, MStatus* ReturnStatus = NULL);
    MArrayDataHandle inputArrayValue(const MObject& attribute, MStatus* ReturnStatus = NULL);
    MArrayDataHandle outputArrayValue(const MPlug& plug, MStatus* ReturnStatus = NULL);
    MArrayDataHandle outputArrayValue(const MObject& attribute, MStatus* ReturnStatus = NULL);
    MStatus setClean(const MPlug& plug);
    MStatus setClean(const MObject& attribute);
    bool isClean(const MPlug& plug);
    MDGContext context(MStatus* ReturnStatus = NULL);

    // Host side only.
    explicit MDataBlock(kavo::host::graph::Node* node);

private:
    friend class MPxDeformerNode;

    // The painted weights of the geometry a deformer computes, read once
    // when its compute starts, so that weightValue, asked once per point,
    // reads an array. Valid for that compute, the life of this block.
    struct DeformerWeights
    {
        bool known = false;
        unsigned int multiIndex = 0;
        bool anyPainted = false;
        std::vector<float> byPoint; // 1 where nothing is painted
    };

    MDataHandle value(const MPlug& plug, bool evaluate, MStatus* ReturnStatus);
    // The array handle over value(); the outcome of the read, or of making
    // the array handle when the read succeeded, goes to ReturnStatus.
    MArrayDataHandle arrayValue(const MPlug& plug, bool evaluate, MStatus* ReturnStatus);
    kavo::host::graph::Node* m_node;
    DeformerWeights m_deformerWeights;
};
