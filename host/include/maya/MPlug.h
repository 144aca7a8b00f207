#pragma once

#include <maya/MAngle.h>
#include <maya/MDGContext.h>
#include <maya/MDistance.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTime.h>

#include <vector>

class MPlugArray;
class MDataHandle;

// One attribute of one node, with the logical index of every array on the
// way down to it (input[2].inputGeom, weightList[0].weights[5]).
class DLL_PUBLIC MPlug
{
public:
    MPlug();
    MPlug(const MPlug& other);
    MPlug(const MObject& node, const MObject& attribute);
    virtual ~MPlug();
    MPlug& operator=(const MPlug& other);

    MObject attribute(MStatus* ReturnStatus = NULL) const;
    MObject node(MStatus* ReturnStatus = NULL) const;
    MString name(MStatus* ReturnStatus = NULL) const;
    MString partialName(bool includeNodeName = false, bool includeNonMandatoryIndices = false,
                        bool includeInstancedIndices = false, bool useAlias = false, bool useFullAttributePath = false,
                        bool useLongNames = false, MStatus* ReturnStatus = NULL) const;

    bool isArray(MStatus* ReturnStatus = NULL) const;
    bool isElement(MStatus* ReturnStatus = NULL) const;
    bool isCompound(MStatus* ReturnStatus = NULL) const;
    bool isChild(MStatus* ReturnStatus = NULL) const;
    bool isConnected(MStatus* ReturnStatus = NULL) const;
    bool isNull(MStatus* ReturnStatus = NULL) const;

    unsigned int logicalIndex(MStatus* ReturnStatus = NULL) const;
    unsigned int numElements(MStatus* ReturnStatus = NULL) const;
    unsigned int evaluateNumElements(MStatus* ReturnStatus = NULL);
    unsigned int numChildren(MStatus* ReturnStatus = NULL) const;
    MPlug child(MObject& attr, MStatus* ReturnStatus = NULL) const;
    MPlug child(unsigned int index, MStatus* ReturnStatus = NULL) const;
    MPlug parent(MStatus* ReturnStatus = NULL) const;
    MPlug array(MStatus* ReturnStatus = NULL) const;
    MPlug elementByLogicalIndex(unsigned int logicalIndex, MStatus* ReturnStatus = NULL) const;
    MPlug elementByPhysicalIndex(unsigned int physicalIndex, MStatus* ReturnStatus = NULL) const;
    bool connectedTo(MPlugArray& array, bool asDst, bool asSrc, MStatus* ReturnStatus = NULL) const;

    MStatus getValue(MObject& value, MDGContext& ctx = MDGContext::fsNormal) const;
    MStatus getValue(double& value, MDGContext& ctx = MDGContext::fsNormal) const;
    MStatus getValue(float& value, MDGContext& ctx = MDGContext::fsNormal) const;
    MStatus getValue(MInt64& value, MDGContext& ctx = MDGContext::fsNormal) const;
    MStatus getValue(int& value, MDGContext& ctx = MDGContext::fsNormal) const;
    MStatus getValue(short& value, MDGContext& ctx = MDGContext::fsNormal) const;
    MStatus getValue(bool& value, MDGContext& ctx = MDGContext::fsNormal) const;
    MStatus getValue(MDistance& value, MDGContext& ctx = MDGContext::fsNormal) const;
    MStatus getValue(MAngle& value, MDGContext& ctx = MDGContext::fsNormal) const;
    MStatus getValue(MTime& value, MDGContext& ctx = MDGContext::fsNormal) const;
    MStatus getValue(char& value, MDGContext& ctx = MDGContext::fsNormal) const;
    MStatus getValue(MString& value, MDGContext& ctx = MDGContext::fsNormal) const;

    MStatus setValue(MObject& value);
    MStatus setValue(double value);
    MStatus setValue(float value);
    MStatus setValue(MInt64 value);
    MStatus setValue(int value);
    MStatus setValue(short value);
    MStatus setValue(bool value);
    MStatus setValue(MDistance& value);
    MStatus setValue(MAngle& value);
    MStatus setValue(MTime& value);
    MStatus setValue(char value);
    MStatus setValue(const MString& value);
    MStatus setValue(const char* value);

    MObject asMObject(MDGContext& ctx = MDGContext::fsNormal, MStatus* ReturnStatus = NULL) const;
    double asDouble(MDGContext& ctx = MDGContext::fsNormal, MStatus* ReturnStatus = NULL) const;
    float asFloat(MDGContext& ctx = MDGContext::fsNormal, MStatus* ReturnStatus = NULL) const;
    MInt64 asInt64(MDGContext& ctx = MDGContext::fsNormal, MStatus* ReturnStatus = NULL) const;
    int asInt(MDGContext& ctx = MDGContext::fsNormal, MStatus* ReturnStatus = NULL) const;
    short asShort(MDGContext& ctx = MDGContext::fsNormal, MStatus* ReturnStatus = NULL) const;
    bool asBool(MDGContext& ctx = MDGContext::fsNormal, MStatus* ReturnStatus = NULL) const;
    MDistance asMDistance(MDGContext& ctx = MDGContext::fsNormal, MStatus* ReturnStatus = NULL) const;
    MAngle asMAngle(MDGContext& ctx = MDGContext::fsNormal, MStatus* ReturnStatus = NULL) const;
    MTime asMTime(MDGContext& ctx = MDGContext::fsNormal, MStatus* ReturnStatus = NULL) const;
    char asChar(MDGContext& ctx = MDGContext::fsNormal, MStatus* ReturnStatus = NULL) const;
    MString asString(MDGContext& ctx = MDGContext::fsNormal, MStatus* ReturnStatus = NULL) const;

    MPlug operator[](unsigned int physicalIndex) const;
    MPlug operator[](MObject& attr) const;
    bool operator==(const MPlug& other) const;
    bool operator==(const MObject& attr) const;
    bool operator!=(const MPlug& other) const;
    bool operator!=(const MObject& attr) const;
    operator MObject() const;
    bool operator!() const;

    // Host side only: the logical index of every array on the way down.
    MPlug(const MObject& node, const MObject& attribute, std::vector<unsigned int> indices);
    const std::vector<unsigned int>& hostIndices() const { return m_indices; }

private:
    MObject m_node;
    MObject m_attribute;
    std::vector<unsigned int> m_indices;
};
