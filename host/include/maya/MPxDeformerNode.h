#pragma once

#include <maya/MDataBlock.h>
#include <maya/MItGeometry.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

class MDagModifier;

namespace kavo::host::graph {
class Slot;
}

// The base of deformer nodes. The host computes each output geometry by
// copying the input geometry of the same index and handing an iterator over
// the copy to deform().
class DLL_PUBLIC MPxDeformerNode : public MPxNode
{
public:
    MPxDeformerNode();
    virtual ~MPxDeformerNode();
    virtual MPxNode::Type type() const;
    virtual MStatus compute(const MPlug& plug, MDataBlock& dataBlock);

    virtual MStatus deform(MDataBlock& block, MItGeometry& iter, const MMatrix& mat, unsigned int multiIndex);
    virtual MObject& accessoryAttribute() const;
    virtual MStatus accessoryNodeSetup(MDagModifier& cmd);

    // Only reads, both the weights read when the compute started and, for an
    // index they do not hold, the stored plugs: the threads of one deform
    // call may ask at once.
    float weightValue(MDataBlock& block, unsigned int multiIndex, unsigned int wtIndex);

    static MObject input;
    static MObject inputGeom;
    static MObject groupId;
    static MObject outputGeom;
    static MObject envelope;
    static MObject weightList;
    static MObject weights;

private:
    void readWeights(MDataBlock& block, unsigned int multiIndex, unsigned int pointCount);
    kavo::host::graph::Slot* paintedWeights(unsigned int multiIndex);
};
