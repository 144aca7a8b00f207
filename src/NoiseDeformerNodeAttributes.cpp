#include "NoiseDeformerAttributes.h"
#include "NoiseDeformerNode.h"

#include "MAYA_General.h"

#include <maya/MDataHandle.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MString.h>

#include <string>

MObject NoiseDeformerNode::m_attrNoiseType;
MObject NoiseDeformerNode::m_attrSeed;
MObject NoiseDeformerNode::m_attrScaleX;
MObject NoiseDeformerNode::m_attrScaleY;
MObject NoiseDeformerNode::m_attrScaleZ;
MObject NoiseDeformerNode::m_attrFractalState;
MObject NoiseDeformerNode::m_attrRoughness;
MObject NoiseDeformerNode::m_attrIterations;
MObject NoiseDeformerNode::m_attrAlongNormals;
MObject NoiseDeformerNode::m_attrAmplitude;
MObject NoiseDeformerNode::m_attrAmplitudeX;
MObject NoiseDeformerNode::m_attrAmplitudeY;
MObject NoiseDeformerNode::m_attrAmplitudeZ;
MObject NoiseDeformerNode::m_attrBoundingBoxState;
MObject NoiseDeformerNode::m_attrFalloff;
MObject NoiseDeformerNode::m_attrAnimationState;
MObject NoiseDeformerNode::m_attrFrequency;
MObject NoiseDeformerNode::m_attrPhase;
MObject NoiseDeformerNode::m_attrDisplacement;
MObject NoiseDeformerNode::m_space;
MObject NoiseDeformerNode::m_attrTime;
MObject NoiseDeformerNode::m_attrHandleSpace;

namespace {

using Node = NoiseDeformerNode;
using Row = NoiseDeformerAttribute;
using Values = DeformerAttributeValues;
using Numeric = MFnNumericData;

constexpr Row::Limits kNoLimits = {false, 0.0, false, 0.0};

constexpr Row::Limits atLeast(double minimum)
{
    return {true, minimum, false, 0.0};
}

constexpr Row::Limits between(double minimum, double maximum)
{
    return {true, minimum, true, maximum};
}

// Storable and keyable, with the labels given in value order from 0.
constexpr Row enumeration(MObject& handle, const char* name, const char* shortName, short defaultValue,
                          const char* const (&labels)[6], int readOrder, short Values::*field)
{
    return {handle,
            name,
            shortName,
            Row::Kind::enumeration,
            Numeric::kInvalid,
            {double(defaultValue), 0.0, 0.0},
            kNoLimits,
            true,
            true,
            {labels[0], labels[1], labels[2], labels[3], labels[4], labels[5]},
            readOrder,
            field};
}

// Storable and keyable.
template <typename T>
constexpr Row numeric(MObject& handle, const char* name, const char* shortName, Numeric::Type type, double defaultValue,
                      Row::Limits limits, int readOrder, T Values::*field)
{
    return {handle, name, shortName, Row::Kind::numeric, type, {defaultValue, 0.0, 0.0}, limits,
            true,   true, {},        readOrder,          field};
}

constexpr const char* kSpaceLabels[6] = {"Local", "World"};
constexpr const char* kNoiseTypeLabels[6] = {Node::m_enum0NoiseType, Node::m_enum1NoiseType, Node::m_enum2NoiseType,
                                             Node::m_enum3NoiseType, Node::m_enum4NoiseType};

} // namespace

const std::array<NoiseDeformerAttribute, kAttributeCount> kNoiseDeformerAttributes = {{
    enumeration(Node::m_space, "space", "space", kLocalSpace, kSpaceLabels, 2, &Values::space),
    enumeration(Node::m_attrNoiseType, Node::m_nameNoiseType, Node::m_snameNoiseType, Node::m_defNoiseType,
                kNoiseTypeLabels, 1, &Values::noiseType),
    numeric(Node::m_attrSeed, Node::m_nameSeed, Node::m_snameSeed, Numeric::kInt, Node::m_defSeed,
            atLeast(Node::m_minSeed), 3, &Values::seed),
    numeric(Node::m_attrScaleX, Node::m_nameScaleX, Node::m_snameScaleX, Numeric::kFloat, Node::m_defScaleX,
            atLeast(Node::m_minScaleX), 4, &Values::scaleX),
    numeric(Node::m_attrScaleY, Node::m_nameScaleY, Node::m_snameScaleY, Numeric::kFloat, Node::m_defScaleY,
            atLeast(Node::m_minScaleY), 5, &Values::scaleY),
    numeric(Node::m_attrScaleZ, Node::m_nameScaleZ, Node::m_snameScaleZ, Numeric::kFloat, Node::m_defScaleZ,
            atLeast(Node::m_minScaleZ), 6, &Values::scaleZ),
    numeric(Node::m_attrFractalState, Node::m_nameFractalState, Node::m_snameFractalState, Numeric::kBoolean,
            Node::m_defFractalState, kNoLimits, 7, &Values::fractalState),
    numeric(Node::m_attrRoughness, Node::m_nameRoughness, Node::m_snameRoughness, Numeric::kFloat, Node::m_defRoughness,
            between(Node::m_minRoughness, Node::m_maxRoughness), 8, &Values::roughness),
    numeric(Node::m_attrIterations, Node::m_nameIterations, Node::m_snameIterations, Numeric::kFloat,
            Node::m_defIterations, atLeast(Node::m_minIterations), 9, &Values::iterations),
    numeric(Node::m_attrAlongNormals, Node::m_nameAlongNormals, Node::m_snameAlongNormals, Numeric::kBoolean,
            Node::m_defAlongNormals, kNoLimits, 10, &Values::alongNormals),
    numeric(Node::m_attrAmplitude, Node::m_nameAmplitude, Node::m_snameAmplitude, Numeric::kFloat, Node::m_defAmplitude,
            kNoLimits, 11, &Values::amplitude),
    numeric(Node::m_attrAmplitudeX, Node::m_nameAmplitudeX, Node::m_snameAmplitudeX, Numeric::kFloat,
            Node::m_defAmplitudeX, kNoLimits, 12, &Values::amplitudeX),
    numeric(Node::m_attrAmplitudeY, Node::m_nameAmplitudeY, Node::m_snameAmplitudeY, Numeric::kFloat,
            Node::m_defAmplitudeY, kNoLimits, 13, &Values::amplitudeY),
    numeric(Node::m_attrAmplitudeZ, Node::m_nameAmplitudeZ, Node::m_snameAmplitudeZ, Numeric::kFloat,
            Node::m_defAmplitudeZ, kNoLimits, 14, &Values::amplitudeZ),
    numeric(Node::m_attrBoundingBoxState, Node::m_nameBoundingBoxState, Node::m_snameBoundingBoxState,
            Numeric::kBoolean, Node::m_defBoundingBoxState, kNoLimits, 15, &Values::boundingBoxState),
    numeric(Node::m_attrFalloff, Node::m_nameFalloff, Node::m_snameFalloff, Numeric::kFloat, Node::m_defFalloff,
            between(Node::m_minFalloff, Node::m_maxFalloff), 16, &Values::falloff),
    numeric(Node::m_attrAnimationState, Node::m_nameAnimationState, Node::m_snameAnimationState, Numeric::kBoolean,
            Node::m_defAnimationState, kNoLimits, 17, &Values::animationState),
    numeric(Node::m_attrFrequency, Node::m_nameFrequency, Node::m_snameFrequency, Numeric::kFloat, Node::m_defFrequency,
            atLeast(Node::m_minFrequency), 18, &Values::frequency),
    numeric(Node::m_attrPhase, Node::m_namePhase, Node::m_snamePhase, Numeric::kFloat, Node::m_defPhase, kNoLimits, 19,
            &Values::phase),
    // Keyable, storable, used as a colour, readable, writable. The pass
    // samples what feeds it rather than reading it through the table.
    {Node::m_attrDisplacement,
     Node::m_nameDisplacement,
     Node::m_snameDisplacement,
     Row::Kind::colour,
     Numeric::k3Float,
     {Node::m_defDisplacementX, Node::m_defDisplacementY, Node::m_defDisplacementZ},
     kNoLimits,
     true,
     true,
     {},
     0,
     {}},
    {Node::m_attrTime,
     Node::m_nameTime,
     Node::m_snameTime,
     Row::Kind::time,
     Numeric::kInvalid,
     {Node::m_defTime, 0.0, 0.0},
     kNoLimits,
     false,
     false,
     {},
     kTimeRead,
     &Values::time},
    // Not storable: only the handle's connection drives it.
    {Node::m_attrHandleSpace,
     Node::m_nameHandleSpace,
     Node::m_snameHandleSpace,
     Row::Kind::matrix,
     Numeric::kInvalid,
     {0.0, 0.0, 0.0},
     kNoLimits,
     false,
     true,
     {},
     kLastRead,
     &Values::handleSpace},
}};

// ---------------------------------------------------------------------------
// Creation

MStatus NoiseDeformerNode::formatErrorMessage(const char* format, const char* name, MStatus& status)
{
    std::string message = format;
    const std::string::size_type slot = message.find("%s");
    if (slot != std::string::npos)
        message.replace(slot, 2, name);
    kavo::McheckErr(status, MString(message.c_str()));
    return status;
}

MStatus NoiseDeformerNode::addAttrAndCheck(MObject& attribute, const char* name, MStatus& status)
{
    status = addAttribute(attribute);
    if (formatErrorMessage(m_errAddAttr, name, status) != MStatus::kSuccess)
        return MStatus::kFailure;
    status = attributeAffects(attribute, outputGeom);
    if (formatErrorMessage(m_errConnectAttr, name, status) != MStatus::kSuccess)
        return MStatus::kFailure;
    return status;
}

namespace {

// Creates the row's attribute into its handle and sets what the row gives;
// answers the creation's status, which status also receives.
MStatus createAttribute(const Row& row, MStatus& status)
{
    switch (row.kind) {
    case Row::Kind::enumeration: {
        MFnEnumAttribute enumeration;
        row.handle = enumeration.create(row.name, row.shortName, static_cast<short>(row.defaultValue[0]), &status);
        if (status != MStatus::kSuccess)
            return status;
        short value = 0;
        for (const char* const* field = row.fields; *field != nullptr; ++field)
            enumeration.addField(*field, value++);
        enumeration.setStorable(row.storable);
        enumeration.setKeyable(row.keyable);
        return status;
    }
    case Row::Kind::numeric: {
        MFnNumericAttribute numeric;
        row.handle = numeric.create(row.name, row.shortName, row.numericType, row.defaultValue[0], &status);
        if (status != MStatus::kSuccess)
            return status;
        numeric.setStorable(row.storable);
        numeric.setKeyable(row.keyable);
        if (row.limits.hasMin)
            numeric.setMin(row.limits.minimum);
        if (row.limits.hasMax)
            numeric.setMax(row.limits.maximum);
        return status;
    }
    case Row::Kind::colour: {
        MFnNumericAttribute numeric;
        row.handle = numeric.createColor(row.name, row.shortName, &status);
        if (status != MStatus::kSuccess)
            return status;
        numeric.setDefault(row.defaultValue[0], row.defaultValue[1], row.defaultValue[2]);
        numeric.setKeyable(row.keyable);
        numeric.setStorable(row.storable);
        numeric.setUsedAsColor(true);
        numeric.setReadable(true);
        numeric.setWritable(true);
        return status;
    }
    case Row::Kind::time: {
        MFnUnitAttribute unit;
        row.handle = unit.create(row.name, row.shortName, MFnUnitAttribute::kTime, row.defaultValue[0], &status);
        return status;
    }
    case Row::Kind::matrix: {
        MFnMatrixAttribute matrix;
        row.handle = matrix.create(row.name, row.shortName, MFnMatrixAttribute::kDouble, &status);
        if (status != MStatus::kSuccess)
            return status;
        matrix.setStorable(row.storable);
        matrix.setKeyable(row.keyable);
        return status;
    }
    }
    return status;
}

} // namespace

MStatus NoiseDeformerNode::initialize()
{
    MStatus status;
    for (const NoiseDeformerAttribute& row : kNoiseDeformerAttributes) {
        createAttribute(row, status);
        if (formatErrorMessage(m_errCreateAttr, row.name, status) != MStatus::kSuccess)
            return MStatus::kFailure;
        if (addAttrAndCheck(row.handle, row.name, status) != MStatus::kSuccess)
            return MStatus::kFailure;
    }
    return MStatus::kSuccess;
}

MStatus NoiseDeformerNode::setDependentsDirty(const MPlug& plug, MPlugArray&)
{
    if (plug != inputGeom)
        return MStatus::kSuccess;

    if (plug.isElement()) {
        m_dirtyGeometry.insert(static_cast<int>(plug.logicalIndex()));
        return MStatus::kSuccess;
    }
    // Which geometry changed is not known: every one is rebuilt.
    const MPlug outputs(thisMObject(), outputGeom);
    const unsigned int count = outputs.numElements();
    for (unsigned int i = 0; i < count; ++i)
        m_dirtyGeometry.insert(static_cast<int>(outputs.elementByPhysicalIndex(i).logicalIndex()));
    return MStatus::kSuccess;
}

// ---------------------------------------------------------------------------
// Reading for a pass

MStatus readAttribute(MDataBlock& block, const MObject& attribute, const char* name, MDataHandle& handle)
{
    MStatus status;
    handle = block.inputValue(attribute, &status);
    return NoiseDeformerNode::formatErrorMessage(NoiseDeformerNode::m_errGetDataHandle, name, status);
}

namespace {

// One callable of the calls for each type.
template <class... Calls>
struct Overloaded : Calls...
{
    using Calls::operator()...;
};
template <class... Calls>
Overloaded(Calls...) -> Overloaded<Calls...>;

} // namespace

MStatus readAttributes(MDataBlock& block, int first, int last, DeformerAttributeValues& values)
{
    MDataHandle handle;
    for (int order = first; order <= last; ++order) {
        for (const NoiseDeformerAttribute& row : kNoiseDeformerAttributes) {
            if (row.readOrder != order)
                continue;
            if (readAttribute(block, row.handle, row.name, handle) != MStatus::kSuccess)
                return MStatus::kFailure;
            std::visit(Overloaded{[](std::monostate) {},
                                  [&](short Values::*field) { values.*field = handle.asShort(); },
                                  [&](int Values::*field) { values.*field = handle.asInt(); },
                                  [&](float Values::*field) { values.*field = handle.asFloat(); },
                                  [&](bool Values::*field) { values.*field = handle.asBool(); },
                                  [&](MTime Values::*field) { values.*field = handle.asTime(); },
                                  [&](MMatrix Values::*field) { values.*field = handle.asMatrix(); }},
                       row.field);
        }
    }
    return MStatus::kSuccess;
}
