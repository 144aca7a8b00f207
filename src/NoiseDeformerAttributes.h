#pragma once

#include "DeformSettings.h"

#include <maya/MDataBlock.h>
#include <maya/MFnNumericData.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MTime.h>

#include <array>
#include <variant>

// One attribute of the "noiseDeformer" node type: everything initialize
// creates it from, and the field of DeformerAttributeValues a pass reads it
// into. The rows stand in creation order, which saved scenes depend on, as
// they do on every name, default, limit and flag.
struct NoiseDeformerAttribute
{
    enum class Kind
    {
        enumeration,
        numeric, // of numericType
        colour,  // a compound of three floats, defaultValue per channel
        time,    // sets no flags
        matrix,  // double precision, host default value
    };
    // The field the pass reads the value into, with the reader its type
    // names (asShort, asInt, asFloat, asBool, asTime, asMatrix); none for an
    // attribute the pass does not read through the table.
    using Field = std::variant<std::monostate, short DeformerAttributeValues::*, int DeformerAttributeValues::*,
                               float DeformerAttributeValues::*, bool DeformerAttributeValues::*,
                               MTime DeformerAttributeValues::*, MMatrix DeformerAttributeValues::*>;

    // Hard limits; no soft ones are set.
    struct Limits
    {
        bool hasMin;
        double minimum;
        bool hasMax;
        double maximum;
    };

    MObject& handle;
    const char* name;
    const char* shortName;
    Kind kind;
    MFnNumericData::Type numericType;
    double defaultValue[3];
    Limits limits;
    bool storable;
    bool keyable;
    // An enumeration's labels in value order from 0; null after the last.
    const char* fields[6];
    // When a pass reads it, counted from 1 (kFirstRead to kLastRead); 0 for
    // one it does not read through the table.
    int readOrder;
    Field field;
};

constexpr int kAttributeCount = 22;
// A pass reads its settings (kFirstRead to kLastSettingRead), then looks at
// the displacement, then reads the time (kTimeRead, only while animated) and
// the handle's matrix (kLastRead).
constexpr int kFirstRead = 1;
constexpr int kLastSettingRead = 19;
constexpr int kTimeRead = 20;
constexpr int kLastRead = 21;

// The fields of "noiseType".
enum NoiseType
{
    kPerlin = 0,
    kAbsoluteValue = 1,
    kSine = 2,
    kSineAbsoluteValue = 3,
    kTextureDisplacement = 4
};

// The first field of "space", "Local", evaluates in object space; any other
// value in world space.
constexpr short kLocalSpace = 0;

// The deformer's own attributes, in creation order.
extern const std::array<NoiseDeformerAttribute, kAttributeCount> kNoiseDeformerAttributes;

// Reads one attribute for a pass and reports a failed read with its name.
MStatus readAttribute(MDataBlock& block, const MObject& attribute, const char* name, MDataHandle& handle);

// Reads the attributes whose readOrder lies in [first, last], in that
// order, into values. The first read that fails ends it with kFailure.
MStatus readAttributes(MDataBlock& block, int first, int last, DeformerAttributeValues& values);
