#pragma once

#include <maya/MDGContext.h>
#include <maya/MDataBlock.h>
#include <maya/MDataHandle.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypeId.h>
#include <maya/MTypes.h>

class MPlugArray;

// The base of every node the host creates through a registered creator.
class DLL_PUBLIC MPxNode
{
public:
    enum Type
    {
        kDependNode = 0,
        kLocatorNode = 1,
        kDeformerNode = 2,
        kManipContainer = 3,
        kSurfaceShape = 4,
        kFieldNode = 5,
        kEmitterNode = 6,
        kSpringNode = 7,
        kIkSolverNode = 8,
        kHardwareShader = 9,
        kHwShaderNode = 10,
        kTransformNode = 11,
        kObjectSet = 12,
        kFluidEmitterNode = 13,
        kImagePlaneNode = 14,
        kParticleAttributeMapperNode = 15,
        kCameraSetNode = 16,
        kConstraintNode = 17,
        kManipulatorNode = 18,
        kMotionPathNode = 19,
        kClientDeviceNode = 20,
        kThreadedDeviceNode = 21,
        kAssembly = 22,
        kSkinCluster = 23,
        kLast = 24
    };

    MPxNode();
    virtual ~MPxNode();
    virtual void postConstructor();
    virtual MStatus compute(const MPlug& plug, MDataBlock& dataBlock);
    virtual MStatus setDependentsDirty(const MPlug& plug, MPlugArray& plugArray);
    virtual MStatus connectionMade(const MPlug& plug, const MPlug& otherPlug, bool asSrc);
    virtual MStatus connectionBroken(const MPlug& plug, const MPlug& otherPlug, bool asSrc);
    virtual Type type() const;
    virtual MTypeId typeId() const;
    virtual MString typeName() const;
    virtual MString name() const;
    virtual MObject thisMObject() const;
    virtual MStatus setExistWithoutInConnections(bool flag);
    virtual bool existWithoutInConnections(MStatus* ReturnStatus = NULL) const;
    virtual MStatus setExistWithoutOutConnections(bool flag);
    virtual bool existWithoutOutConnections(MStatus* ReturnStatus = NULL) const;

    static MStatus addAttribute(const MObject& attr);
    static MStatus inheritAttributesFrom(const MString& parentClassName);
    static MStatus attributeAffects(const MObject& whenChanges, const MObject& isAffected);

    static MObject message;
    static MObject isHistoricallyInteresting;
    static MObject caching;
    static MObject state;

    // Host side only: the node this object gives its behaviour to.
    void hostBind(kavo::host::graph::Node* node) { m_hostNode = node; }
    kavo::host::graph::Node* hostNode() const { return m_hostNode; }

protected:
    virtual MDataBlock forceCache(MDGContext& ctx = MDGContext::fsNormal);
    virtual void setMPSafe(bool flag);

private:
    MPxNode(const MPxNode&) = delete;
    MPxNode& operator=(const MPxNode&) = delete;

    kavo::host::graph::Node* m_hostNode;
};
