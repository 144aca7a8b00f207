// The host's "deformer" base type, which plug-in deformers inherit: the
// inputs (input[].inputGeom and groupId), the outputs (outputGeom[]), the
// envelope and the painted weights (weightList[].weights[], default 1).
#include "graph/NodeTypeRegistry.h"

#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MPxDeformerNode.h>

namespace kavo::host::anim {
namespace {

MStatus initializeDeformer()
{
    MFnTypedAttribute typed;
    MFnNumericAttribute numeric;
    MFnCompoundAttribute compound;

    MPxDeformerNode::inputGeom = typed.create("inputGeometry", "ig", MFnData::kAny);
    MPxDeformerNode::groupId = numeric.create("groupId", "gi", MFnNumericData::kInt, 0);
    MPxDeformerNode::input = compound.create("input", "ip");
    compound.addChild(MPxDeformerNode::inputGeom);
    compound.addChild(MPxDeformerNode::groupId);
    compound.setArray(true);

    MPxDeformerNode::outputGeom = typed.create("outputGeometry", "og", MFnData::kAny);
    typed.setArray(true);
    typed.setStorable(false);
    typed.setWritable(false);

    MPxDeformerNode::envelope = numeric.create("envelope", "en", MFnNumericData::kFloat, 1.0);
    numeric.setKeyable(true);
    numeric.setMin(0.0);

    MPxDeformerNode::weights = numeric.create("weights", "w", MFnNumericData::kFloat, 1.0);
    numeric.setArray(true);
    MPxDeformerNode::weightList = compound.create("weightList", "wl");
    compound.addChild(MPxDeformerNode::weights);
    compound.setArray(true);

    for (const MObject* attribute : {&MPxDeformerNode::input, &MPxDeformerNode::outputGeom, &MPxDeformerNode::envelope,
                                     &MPxDeformerNode::weightList})
        MPxNode::addAttribute(*attribute);
    for (const MObject* cause : {&MPxDeformerNode::inputGeom, &MPxDeformerNode::groupId, &MPxDeformerNode::envelope,
                                 &MPxDeformerNode::weights})
        MPxNode::attributeAffects(*cause, MPxDeformerNode::outputGeom);
    return MStatus::kSuccess;
}

graph::TypeAnnouncement deformer{{"deformer", "dependNode", MTypeId(), MPxNode::kDeformerNode, MFn::kWeightGeometryFilt,
                                  nullptr, initializeDeformer}};

} // namespace
} // namespace kavo::host::anim
