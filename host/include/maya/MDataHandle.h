#pragma once

#include <maya/MAngle.h>
#include <maya/MDistance.h>
#include <maya/MFloatMatrix.h>
#include <maya/MFloatVector.h>
#include <maya/MFnData.h>
#include <maya/MFnNumericData.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MString.h>
#include <maya/MTime.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

class MPlug;

namespace kavo::host::graph {
class Node;
class Slot;
} // namespace kavo::host::graph

// Access to one stored value of a node during evaluation. The reference
// readers (asFloat, asMatrix ...) refer to the node's own storage.
class DLL_PUBLIC MDataHandle
{
public:
    MDataHandle();
    MDataHandle(const MDataHandle& other);
    MDataHandle& operator=(const MDataHandle& other);

    MFnNumericData::Type numericType() const;
    MFnData::Type type() const;
    MObject data();
    void setClean();

    bool& asBool() const;
    char& asChar() const;
    short& asShort() const;
    int& asInt() const;
    MInt64& asInt64() const;
    float& asFloat() const;
    double& asDouble() const;
    MDistance asDistance() const;
    MAngle asAngle() const;
    MTime asTime() const;
    MVector& asVector() const;
    MFloatVector& asFloatVector() const;
    MMatrix& asMatrix() const;
    MFloatMatrix& asFloatMatrix() const;
    MString& asString() const;
    MObject asMesh() const;
    MObject asNurbsSurface() const;
    MObject asNurbsCurve() const;
    MObject asSubdSurface() const;
    const MMatrix& geometryTransformMatrix() const;

    void set(bool value);
    void set(char value);
    void set(short value);
    void set(int value);
    void set(MInt64 value);
    void set(float value);
    void set(double value);
    void set(const MMatrix& value);
    void set(const MFloatMatrix& value);
    void set(const MVector& value);
    void set(const MFloatVector& value);
    void set(const MDistance& value);
    void set(const MAngle& value);
    void set(const MTime& value);
    void set(const MString& value);
    void set(float value1, float value2, float value3);
    void set(double value1, double value2, double value3);
    MStatus set(const MObject& data);
    void setBool(bool value) { set(value); }
    void setInt(int value) { set(value); }
    void setFloat(float value) { set(value); }
    void setDouble(double value) { set(value); }
    void setMMatrix(const MMatrix& value) { set(value); }
    void setMVector(const MVector& value) { set(value); }
    void setMFloatVector(const MFloatVector& value) { set(value); }
    void setMTime(const MTime& value) { set(value); }

    MDataHandle child(const MPlug& plug);
    MDataHandle child(const MObject& attribute);

    // Host side only.
    MDataHandle(kavo::host::graph::Node* node, kavo::host::graph::Slot* slot);
    kavo::host::graph::Slot* hostSlot() const { return m_slot; }
    kavo::host::graph::Node* hostNode() const { return m_node; }

private:
    kavo::host::graph::Node* m_node;
    kavo::host::graph::Slot* m_slot;
};
