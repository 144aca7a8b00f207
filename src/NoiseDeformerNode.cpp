#include "NoiseDeformerNode.h"

#include "DeformKernel.h"
#include "DeformPass.h"
#include "MAYA_General.h"
#include "MeshGeomNoiseWrapper.h"
#include "NcurveGeomNoiseWrapper.h"
#include "NoiseCalculation.h"
#include "NsurfGeomNoiseWrapper.h"
#include "ParticleGeomNoiseWrapper.h"
#include "SubdGeomNoiseWrapper.h"

#include <maya/M3dView.h>
#include <maya/MArrayDataHandle.h>
#include <maya/MBoundingBox.h>
#include <maya/MDGContext.h>
#include <maya/MDagPath.h>
#include <maya/MDataHandle.h>
#include <maya/MFloatMatrix.h>
#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MFn.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MGlobal.h>
#include <maya/MRenderUtil.h>
#include <maya/MString.h>
#include <maya/MTransformationMatrix.h>

#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>
#include <iostream>
#include <mutex>
#include <string>
#include <vector>

namespace {

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

// A pass skips everything below this envelope.
constexpr double kSmallestEnvelope = 0.001;
// The handle's region: its unit cube, centred on its origin.
constexpr double kHandleHalfExtent = 0.5;
constexpr float kFalloffRadius = 0.5f;

// Scheduling kinds for the host's parallel evaluation.
#if MAYA_API_VERSION >= 201600
constexpr MPxNode::SchedulingType kParallelScheduling = MPxNode::kParallel;
constexpr MPxNode::SchedulingType kUntrustedScheduling = MPxNode::kUntrusted;
#else
// The host declares no names for them yet; these are the values of its later
// enumeration (kParallel, kUntrusted).
constexpr int kParallelScheduling = 0;
constexpr int kUntrustedScheduling = 3;
#endif

// The attribute values one pass works with.
struct PassSettings
{
    short noiseType = kPerlin;
    short space = kLocalSpace;
    int seed = 0;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    float scaleZ = 1.0f;
    bool fractalState = false;
    float roughness = 0.0f;
    float iterations = 1.0f;
    bool alongNormals = true;
    float amplitude = 0.0f;
    float amplitudeX = 0.0f;
    float amplitudeY = 0.0f;
    float amplitudeZ = 0.0f;
    bool boundingBoxState = false;
    float falloff = 0.0f;
    bool animationState = false;
    float frequency = 0.0f;
    float phase = 0.0f;
    MTime time;
    MMatrix handleMatrix;
};

// Reads one attribute for the pass and reports a failed read with its name.
MStatus readInput(MDataBlock& block, const MObject& attribute, const char* name, MDataHandle& handle)
{
    MStatus status;
    handle = block.inputValue(attribute, &status);
    return NoiseDeformerNode::formatErrorMessage(NoiseDeformerNode::m_errGetDataHandle, name, status);
}

// The deformer's own attributes that every pass reads, in reading order. The
// first read that fails ends the pass.
MStatus readAttributes(MDataBlock& block, PassSettings& settings)
{
    using Node = NoiseDeformerNode;
    struct Input
    {
        const MObject& attribute;
        const char* name;
        std::function<void(MDataHandle&)> take;
    };
    PassSettings& s = settings;
    const Input inputs[] = {
        {Node::m_attrNoiseType, Node::m_nameNoiseType, [&s](MDataHandle& h) { s.noiseType = h.asShort(); }},
        {Node::m_space, "space", [&s](MDataHandle& h) { s.space = h.asShort(); }},
        {Node::m_attrSeed, Node::m_nameSeed, [&s](MDataHandle& h) { s.seed = h.asInt(); }},
        {Node::m_attrScaleX, Node::m_nameScaleX, [&s](MDataHandle& h) { s.scaleX = h.asFloat(); }},
        {Node::m_attrScaleY, Node::m_nameScaleY, [&s](MDataHandle& h) { s.scaleY = h.asFloat(); }},
        {Node::m_attrScaleZ, Node::m_nameScaleZ, [&s](MDataHandle& h) { s.scaleZ = h.asFloat(); }},
        {Node::m_attrFractalState, Node::m_nameFractalState, [&s](MDataHandle& h) { s.fractalState = h.asBool(); }},
        {Node::m_attrRoughness, Node::m_nameRoughness, [&s](MDataHandle& h) { s.roughness = h.asFloat(); }},
        {Node::m_attrIterations, Node::m_nameIterations, [&s](MDataHandle& h) { s.iterations = h.asFloat(); }},
        {Node::m_attrAlongNormals, Node::m_nameAlongNormals, [&s](MDataHandle& h) { s.alongNormals = h.asBool(); }},
        {Node::m_attrAmplitude, Node::m_nameAmplitude, [&s](MDataHandle& h) { s.amplitude = h.asFloat(); }},
        {Node::m_attrAmplitudeX, Node::m_nameAmplitudeX, [&s](MDataHandle& h) { s.amplitudeX = h.asFloat(); }},
        {Node::m_attrAmplitudeY, Node::m_nameAmplitudeY, [&s](MDataHandle& h) { s.amplitudeY = h.asFloat(); }},
        {Node::m_attrAmplitudeZ, Node::m_nameAmplitudeZ, [&s](MDataHandle& h) { s.amplitudeZ = h.asFloat(); }},
        {Node::m_attrBoundingBoxState, Node::m_nameBoundingBoxState,
         [&s](MDataHandle& h) { s.boundingBoxState = h.asBool(); }},
        {Node::m_attrFalloff, Node::m_nameFalloff, [&s](MDataHandle& h) { s.falloff = h.asFloat(); }},
        {Node::m_attrAnimationState, Node::m_nameAnimationState,
         [&s](MDataHandle& h) { s.animationState = h.asBool(); }},
        {Node::m_attrFrequency, Node::m_nameFrequency, [&s](MDataHandle& h) { s.frequency = h.asFloat(); }},
        {Node::m_attrPhase, Node::m_namePhase, [&s](MDataHandle& h) { s.phase = h.asFloat(); }},
    };
    MDataHandle handle;
    for (const Input& input : inputs) {
        if (readInput(block, input.attribute, input.name, handle) != MStatus::kSuccess)
            return MStatus::kFailure;
        input.take(handle);
    }
    return MStatus::kSuccess;
}

// The scene time (only while animated) and the handle's matrix.
MStatus readTimeAndHandle(MDataBlock& block, PassSettings& settings)
{
    using Node = NoiseDeformerNode;
    MDataHandle handle;
    if (settings.animationState) {
        if (readInput(block, Node::m_attrTime, Node::m_nameTime, handle) != MStatus::kSuccess)
            return MStatus::kFailure;
        settings.time = handle.asTime();
    }
    if (readInput(block, Node::m_attrHandleSpace, Node::m_nameHandleSpace, handle) != MStatus::kSuccess)
        return MStatus::kFailure;
    settings.handleMatrix = handle.asMatrix();
    return MStatus::kSuccess;
}

// A new, unbound adapter for the host data type, or null when the deformer
// cannot handle it.
std::shared_ptr<IGeomNoiseWrapper> createWrapper(MFn::Type dataType)
{
    switch (dataType) {
    case MFn::kMeshData: return std::make_shared<MeshGeomNoiseWrapper>();
    case MFn::kNurbsSurfaceData: return std::make_shared<NsurfGeomNoiseWrapper>();
    case MFn::kNurbsCurveData: return std::make_shared<NcurveGeomNoiseWrapper>();
    case MFn::kSubdivData: return std::make_shared<SubdGeomNoiseWrapper>();
    case MFn::kVectorArrayData: return std::make_shared<ParticleGeomNoiseWrapper>();
    default: return nullptr;
    }
}

// The transformation of the camera the active view looks through, eye to
// world. Without a view (batch work) it is whatever the host's calls leave.
MFloatMatrix activeCameraMatrix(MStatus& status)
{
    M3dView view = M3dView::active3dView(&status);
    MDagPath camera;
    status = view.getCamera(camera);
    const MMatrix cameraToWorld = camera.inclusiveMatrix(&status);
    float table[4][4] = {};
    status = cameraToWorld.get(table);
    return MFloatMatrix(table);
}

// The kernel walks the elements of a point array through one pointer. That
// holds for the host's arrays; it is checked here rather than assumed.
bool isContiguous(MPointArray& points)
{
    const unsigned int count = points.length();
    return count == 0 || &points[count - 1] == &points[0] + (count - 1);
}

void writeUnknownGeometryMessage()
{
    std::cerr << "ERROR NoiseDeformerNode geometry is neither polygon, nurbs surfaces, nurbs curve, subdiv, or "
                 "particle.\n"
              << std::flush;
}

} // namespace

const MTypeId NoiseDeformerNode::m_id(0x114F60);

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

PerlinNoise NoiseDeformerNode::m_perlinNoise;
NoiseDeformerNode::PassPath NoiseDeformerNode::m_passPath = NoiseDeformerNode::PassPath::batch;
std::mutex NoiseDeformerNode::m_noiseSeedMutex;

// ---------------------------------------------------------------------------
// Life cycle and host hooks

NoiseDeformerNode::NoiseDeformerNode() : m_sampleCount(0), m_callbackId(0) {}

NoiseDeformerNode::~NoiseDeformerNode()
{
    // Only a registered callback is handed back: id 0 means registration
    // failed or never happened, and must not touch another node's callback.
    if (m_callbackId != 0)
        MMessage::removeCallback(m_callbackId);
}

void* NoiseDeformerNode::creator()
{
    return new NoiseDeformerNode();
}

void NoiseDeformerNode::postConstructor()
{
    MObject node = thisMObject();
    MStatus status;
    const MCallbackId id = MNodeMessage::addAttributeChangedCallback(node, userCB, NULL, &status);
    KAVO_CHECK_MSTATUS(status);
    if (status == MStatus::kSuccess)
        m_callbackId = id;
}

void userCB(MNodeMessage::AttributeMessage, MPlug& plug, MPlug&, void*)
{
    const bool useLongNames = true;
    const MString name = plug.partialName(false, false, false, false, false, useLongNames);
    if (name == NoiseDeformerNode::m_nameNoiseType)
        MGlobal::executeCommandOnIdle("evaluationManager  -invalidate 1", false);
}

MObject& NoiseDeformerNode::accessoryAttribute() const
{
    return m_attrHandleSpace;
}

MStatus NoiseDeformerNode::accessoryNodeSetup(MDagModifier& modifier)
{
    MStatus status = MStatus::kSuccess;
    MObject handle = modifier.createNode("noiseLocator", MObject::kNullObj, &status);
    kavo::McheckErr(status, "ERROR NoiseDeformerNode creating locator node\n");
    if (status != MStatus::kSuccess)
        return status;

    modifier.renameNode(handle, "noiseHandle1");
    const MFnDependencyNode handleNode(handle);
    const MObject worldMatrix = handleNode.attribute("worldMatrix");
    status = modifier.connect(handle, worldMatrix, thisMObject(), m_attrHandleSpace);
    kavo::McheckErr(status, "ERROR NoiseDeformerNode connecting matrix attribute handleSpace to locator node\n");
    return status;
}

#if MAYA_API_VERSION >= 201600
MPxNode::SchedulingType NoiseDeformerNode::schedulingType() const
#else
int NoiseDeformerNode::schedulingType() const
#endif
{
    const MPlug noiseType(thisMObject(), m_attrNoiseType);
    return noiseType.asShort(MDGContext::fsNormal) == kTextureDisplacement ? kUntrustedScheduling : kParallelScheduling;
}

// ---------------------------------------------------------------------------
// Attributes

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

// An enumeration attribute with its fields, storable and keyable.
struct EnumAttributeRow
{
    MObject& handle;
    const char* name;
    const char* shortName;
    short defaultValue;
    std::vector<const char*> fields; // in value order from 0
};

// A numeric attribute, storable and keyable, with optional hard limits.
struct NumericAttributeRow
{
    MObject& handle;
    const char* name;
    const char* shortName;
    MFnNumericData::Type type;
    double defaultValue;
    bool hasMin;
    double minimum;
    bool hasMax;
    double maximum;
};

MStatus createEnumAttribute(const EnumAttributeRow& row, MStatus& status)
{
    MFnEnumAttribute enumeration;
    row.handle = enumeration.create(row.name, row.shortName, row.defaultValue, &status);
    if (NoiseDeformerNode::formatErrorMessage(NoiseDeformerNode::m_errCreateAttr, row.name, status) !=
        MStatus::kSuccess)
        return MStatus::kFailure;
    short value = 0;
    for (const char* field : row.fields)
        enumeration.addField(field, value++);
    enumeration.setStorable(true);
    enumeration.setKeyable(true);
    return NoiseDeformerNode::addAttrAndCheck(row.handle, row.name, status);
}

MStatus createNumericAttribute(const NumericAttributeRow& row, MStatus& status)
{
    MFnNumericAttribute numeric;
    row.handle = numeric.create(row.name, row.shortName, row.type, row.defaultValue, &status);
    if (NoiseDeformerNode::formatErrorMessage(NoiseDeformerNode::m_errCreateAttr, row.name, status) !=
        MStatus::kSuccess)
        return MStatus::kFailure;
    numeric.setStorable(true);
    numeric.setKeyable(true);
    if (row.hasMin)
        numeric.setMin(row.minimum);
    if (row.hasMax)
        numeric.setMax(row.maximum);
    return NoiseDeformerNode::addAttrAndCheck(row.handle, row.name, status);
}

MStatus createDisplacementAttribute(MStatus& status)
{
    using Node = NoiseDeformerNode;
    MFnNumericAttribute numeric;
    Node::m_attrDisplacement = numeric.createColor(Node::m_nameDisplacement, Node::m_snameDisplacement, &status);
    if (Node::formatErrorMessage(Node::m_errCreateAttr, Node::m_nameDisplacement, status) != MStatus::kSuccess)
        return MStatus::kFailure;
    numeric.setDefault(Node::m_defDisplacementX, Node::m_defDisplacementY, Node::m_defDisplacementZ);
    numeric.setKeyable(true);
    numeric.setStorable(true);
    numeric.setUsedAsColor(true);
    numeric.setReadable(true);
    numeric.setWritable(true);
    return Node::addAttrAndCheck(Node::m_attrDisplacement, Node::m_nameDisplacement, status);
}

MStatus createTimeAttribute(MStatus& status)
{
    using Node = NoiseDeformerNode;
    MFnUnitAttribute unit;
    Node::m_attrTime =
        unit.create(Node::m_nameTime, Node::m_snameTime, MFnUnitAttribute::kTime, Node::m_defTime, &status);
    if (Node::formatErrorMessage(Node::m_errCreateAttr, Node::m_nameTime, status) != MStatus::kSuccess)
        return MStatus::kFailure;
    return Node::addAttrAndCheck(Node::m_attrTime, Node::m_nameTime, status);
}

MStatus createHandleSpaceAttribute(MStatus& status)
{
    using Node = NoiseDeformerNode;
    MFnMatrixAttribute matrix;
    Node::m_attrHandleSpace =
        matrix.create(Node::m_nameHandleSpace, Node::m_snameHandleSpace, MFnMatrixAttribute::kDouble, &status);
    if (Node::formatErrorMessage(Node::m_errCreateAttr, Node::m_nameHandleSpace, status) != MStatus::kSuccess)
        return MStatus::kFailure;
    matrix.setStorable(false);
    matrix.setKeyable(true);
    return Node::addAttrAndCheck(Node::m_attrHandleSpace, Node::m_nameHandleSpace, status);
}

} // namespace

MStatus NoiseDeformerNode::initialize()
{
    MStatus status;

    const EnumAttributeRow enumerations[] = {
        {m_space, "space", "space", kLocalSpace, {"Local", "World"}},
        {m_attrNoiseType,
         m_nameNoiseType,
         m_snameNoiseType,
         m_defNoiseType,
         {m_enum0NoiseType, m_enum1NoiseType, m_enum2NoiseType, m_enum3NoiseType, m_enum4NoiseType}},
    };
    for (const EnumAttributeRow& row : enumerations)
        if (createEnumAttribute(row, status) != MStatus::kSuccess)
            return MStatus::kFailure;

    using Numeric = MFnNumericData;
    const NumericAttributeRow numerics[] = {
        {m_attrSeed, m_nameSeed, m_snameSeed, Numeric::kInt, m_defSeed, true, m_minSeed, false, 0.0},
        {m_attrScaleX, m_nameScaleX, m_snameScaleX, Numeric::kFloat, m_defScaleX, true, m_minScaleX, false, 0.0},
        {m_attrScaleY, m_nameScaleY, m_snameScaleY, Numeric::kFloat, m_defScaleY, true, m_minScaleY, false, 0.0},
        {m_attrScaleZ, m_nameScaleZ, m_snameScaleZ, Numeric::kFloat, m_defScaleZ, true, m_minScaleZ, false, 0.0},
        {m_attrFractalState, m_nameFractalState, m_snameFractalState, Numeric::kBoolean, m_defFractalState, false, 0.0,
         false, 0.0},
        {m_attrRoughness, m_nameRoughness, m_snameRoughness, Numeric::kFloat, m_defRoughness, true, m_minRoughness,
         true, m_maxRoughness},
        {m_attrIterations, m_nameIterations, m_snameIterations, Numeric::kFloat, m_defIterations, true, m_minIterations,
         false, 0.0},
        {m_attrAlongNormals, m_nameAlongNormals, m_snameAlongNormals, Numeric::kBoolean, m_defAlongNormals, false, 0.0,
         false, 0.0},
        {m_attrAmplitude, m_nameAmplitude, m_snameAmplitude, Numeric::kFloat, m_defAmplitude, false, 0.0, false, 0.0},
        {m_attrAmplitudeX, m_nameAmplitudeX, m_snameAmplitudeX, Numeric::kFloat, m_defAmplitudeX, false, 0.0, false,
         0.0},
        {m_attrAmplitudeY, m_nameAmplitudeY, m_snameAmplitudeY, Numeric::kFloat, m_defAmplitudeY, false, 0.0, false,
         0.0},
        {m_attrAmplitudeZ, m_nameAmplitudeZ, m_snameAmplitudeZ, Numeric::kFloat, m_defAmplitudeZ, false, 0.0, false,
         0.0},
        {m_attrBoundingBoxState, m_nameBoundingBoxState, m_snameBoundingBoxState, Numeric::kBoolean,
         m_defBoundingBoxState, false, 0.0, false, 0.0},
        {m_attrFalloff, m_nameFalloff, m_snameFalloff, Numeric::kFloat, m_defFalloff, true, m_minFalloff, true,
         m_maxFalloff},
        {m_attrAnimationState, m_nameAnimationState, m_snameAnimationState, Numeric::kBoolean, m_defAnimationState,
         false, 0.0, false, 0.0},
        {m_attrFrequency, m_nameFrequency, m_snameFrequency, Numeric::kFloat, m_defFrequency, true, m_minFrequency,
         false, 0.0},
        {m_attrPhase, m_namePhase, m_snamePhase, Numeric::kFloat, m_defPhase, false, 0.0, false, 0.0},
    };
    for (const NumericAttributeRow& row : numerics)
        if (createNumericAttribute(row, status) != MStatus::kSuccess)
            return MStatus::kFailure;

    if (createDisplacementAttribute(status) != MStatus::kSuccess)
        return MStatus::kFailure;
    if (createTimeAttribute(status) != MStatus::kSuccess)
        return MStatus::kFailure;
    if (createHandleSpaceAttribute(status) != MStatus::kSuccess)
        return MStatus::kFailure;
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
// Point arithmetic

MPoint NoiseDeformerNode::deformPoint(DEFORMPOINT& dp, const MPoint& samplePoint)
{
    MPoint n;
    if (dp.texture) {
        n = DeformKernel::sampledColor(m_sampleColors, dp.index);
    } else {
        const MPoint q = (samplePoint * dp.handleInverseMatrix) * dp.scaleMatrix;
        n = NoiseCalculation::calculateNoise(dp.noiseSource, dp.iterations, dp.roughness, dp.absolute, dp.sine, q,
                                             dp.seconds);
    }
    return DeformKernel::displaced(dp.point, dp.amplitude, dp.direction, dp.falloff, dp.weight, n);
}

void NoiseDeformerNode::calculateNoiseType(int noiseType, bool& absolute, bool& sine, bool& texture)
{
    switch (noiseType) {
    case kAbsoluteValue: absolute = true; break;
    case kSine: sine = true; break;
    case kSineAbsoluteValue:
        absolute = true;
        sine = true;
        break;
    case kTextureDisplacement: texture = true; break;
    default: break;
    }
}

float NoiseDeformerNode::calculateSeconds(MTime& time, bool animated, float phase, float frequency,
                                          float secondsPerFrame)
{
    if (animated) {
        const float seconds = static_cast<float>(time.as(MTime::kSeconds));
        return (seconds + secondsPerFrame * phase) * frequency;
    }
    return (secondsPerFrame * frequency) * (phase + 1.0f);
}

MVector NoiseDeformerNode::calculateAmplitude(bool alongNormals, float amplitude, float amplitudeX, float amplitudeY,
                                              float amplitudeZ)
{
    const double scale = amplitude;
    if (alongNormals)
        return MVector(scale, scale, scale);
    return MVector(amplitudeX * scale, amplitudeY * scale, amplitudeZ * scale);
}

float NoiseDeformerNode::calculateFalloff(float falloff, MPoint& point, MPoint& center, float radius)
{
    return DeformKernel::falloffFactor(falloff, point, center, radius);
}

void pointArrayToMFloatPointArray(MPointArray& source, MFloatPointArray& target)
{
    const unsigned int count = source.length();
    for (unsigned int i = 0; i < count; ++i) {
        const MPoint& point = source[i];
        target.set(i, static_cast<float>(point.x), static_cast<float>(point.y), static_cast<float>(point.z),
                   static_cast<float>(point.w));
    }
}

// ---------------------------------------------------------------------------
// Deform pass

struct NoiseDeformerNode::Pass
{
    MDataBlock& block;
    MItGeometry& iter;
    unsigned int multiIndex;
    IGeomNoiseWrapper& wrapper;
    MSpace::Space space;
    DeformKernel::Settings settings;
    MStatus status; // the running status as the points' loop starts
};

bool NoiseDeformerNode::sampleTexture(IGeomNoiseWrapper& wrapper, const MPlug& source, const MPointArray& points,
                                      const MMatrix& toHandle, MStatus& status)
{
    const unsigned int count = points.length();
    if (m_sampleCount != static_cast<int>(count)) {
        m_sampleColors = MFloatVectorArray(count, MFloatVector::zero);
        m_sampleTransparencies = MFloatVectorArray(count, MFloatVector::zero);
        m_samplePoints = MFloatPointArray(count, MFloatPoint::origin);
        m_sampleU = MFloatArray(count, 0.0f);
        m_sampleV = MFloatArray(count, 0.0f);
        m_sampleCount = static_cast<int>(count);
    }
    MFloatMatrix cameraMatrix = activeCameraMatrix(status);

    MPointArray handlePoints(count);
    for (unsigned int i = 0; i < count; ++i)
        handlePoints[i] = points[i] * toHandle;
    wrapper.getUVs(m_sampleU, m_sampleV);
    pointArrayToMFloatPointArray(handlePoints, m_samplePoints);

    status = MRenderUtil::sampleShadingNetwork(source.name(), static_cast<int>(count), false, false, cameraMatrix,
                                               &m_samplePoints, &m_sampleU, &m_sampleV, NULL, &m_samplePoints, NULL,
                                               NULL, NULL, m_sampleColors, m_sampleTransparencies);
    return status == MStatus::kSuccess;
}

MStatus NoiseDeformerNode::deform(MDataBlock& block, MItGeometry& iter, const MMatrix& worldMatrix,
                                  unsigned int multiIndex)
{
    // The host calls in through C++ but expects no exception back; the only
    // one expected here is an allocation failing.
    try {
        return deformPass(block, iter, worldMatrix, multiIndex);
    } catch (const std::exception& error) {
        std::cerr << "ERROR NoiseDeformerNode deform pass stopped: " << error.what() << ".\n" << std::flush;
        return MStatus::kFailure;
    }
}

PerlinNoise::Permutations NoiseDeformerNode::seededPermutations(int seed)
{
    PerlinNoise::Permutations permutations;
    const std::lock_guard<std::mutex> seedLock(m_noiseSeedMutex);
    NoiseCalculation::setRandomSeed(m_perlinNoise, seed);
    std::copy_n(PerlinNoise::permutations(), permutations.size(), permutations.begin());
    return permutations;
}

MStatus NoiseDeformerNode::deformPass(MDataBlock& block, MItGeometry& iter, const MMatrix& worldMatrix,
                                      unsigned int multiIndex)
{
    MStatus status;
    MDataHandle handle;
    if (readInput(block, envelope, "envelope", handle) != MStatus::kSuccess)
        return MStatus::kFailure;
    const float envelopeValue = handle.asFloat();
    if (kSmallestEnvelope > static_cast<double>(envelopeValue))
        return MStatus::kSuccess;

    PassSettings settings;
    if (readAttributes(block, settings) != MStatus::kSuccess)
        return MStatus::kFailure;
    const MObject thisNode = thisMObject();
    // Brings the displacement and what feeds it up to date; the value itself
    // is not used, the network is sampled instead.
    block.inputValue(m_attrDisplacement).asFloatVector();
    const MPlug displacement(thisNode, m_attrDisplacement);
    if (readTimeAndHandle(block, settings) != MStatus::kSuccess)
        return MStatus::kFailure;

    const MSpace::Space space = settings.space == kLocalSpace ? MSpace::kObject : MSpace::kWorld;

    // The handle's frame without its scale: the deformer's own scales take
    // its place.
    MTransformationMatrix handleTransform(settings.handleMatrix);
    const double unitScale[3] = {1.0, 1.0, 1.0};
    status = handleTransform.setScale(unitScale, space);
    kavo::McheckErr(status, "ERROR NoiseDeformerNode setting scale for handle matrix");
    MMatrix handleMatrix = handleTransform.asMatrix();
    MMatrix handleInverseMatrix = handleMatrix.inverse();

    MArrayDataHandle inputs = block.inputArrayValue(input, &status);
    KAVO_CHECK_MSTATUS(status);
    status = inputs.jumpToElement(multiIndex);
    KAVO_CHECK_MSTATUS(status);
    MObject inputGeometry = inputs.inputValue().child(inputGeom).data();
    MDataHandle output = block.outputValue(outputGeom, &status);
    KAVO_CHECK_MSTATUS(status);

    const int key = static_cast<int>(multiIndex);
    if (m_dirtyGeometry.count(key) != 0 || m_geometryWrappers.count(key) == 0) {
        std::shared_ptr<IGeomNoiseWrapper> wrapper = createWrapper(inputGeometry.apiType());
        if (wrapper)
            status = wrapper->setGeometry(inputGeometry, output, space);
        else
            writeUnknownGeometryMessage();
        kavo::McheckErr(status, "ERROR NoiseDeformerNode setting geometry.\n");
        m_dirtyGeometry.erase(key);
        if (!wrapper) {
            // Nothing here can move these points: the geometry stays as the
            // host copied it, and no adapter is kept for the index.
            m_geometryWrappers.erase(key);
            return MStatus::kFailure;
        }
        m_geometryWrappers[key] = wrapper;
    }
    IGeomNoiseWrapper& wrapper = *m_geometryWrappers[key];

    MMatrix scaleMatrix;
    MMatrix geometryMatrix = worldMatrix;
    status = wrapper.makeScaleMatrix(geometryMatrix, scaleMatrix, settings.scaleX, settings.scaleY, settings.scaleZ,
                                     space, handleInverseMatrix);
    kavo::McheckErr(status, "ERROR NoiseDeformerNode creating scale matrix.\n");
    MPointArray points;
    status = wrapper.getPoints(points, space);
    kavo::McheckErr(status, "ERROR NoiseDeformerNode getting points.\n");

    MPlugArray sources;
    const bool asDestination = true;
    const bool asSource = false;
    displacement.connectedTo(sources, asDestination, asSource);

    bool absolute = false;
    bool sine = false;
    bool texture = false;
    calculateNoiseType(settings.noiseType, absolute, sine, texture);
    bool sampled = false;
    if (texture && sources.length() > 0)
        sampled = sampleTexture(wrapper, sources[0], points, handleInverseMatrix * scaleMatrix, status);

    const float seconds =
        calculateSeconds(settings.time, settings.animationState, settings.phase, settings.frequency, m_defTimeUnit);
    if (!settings.fractalState) {
        settings.iterations = 1.0f;
        settings.roughness = 0.0f;
    }
    MVector amplitude = calculateAmplitude(settings.alongNormals, settings.amplitude, settings.amplitudeX,
                                           settings.amplitudeY, settings.amplitudeZ);

    const PerlinNoise::Permutations permutations = seededPermutations(settings.seed);
    PerlinNoise noise(permutations);
    MPoint point(0.0, 0.0, 0.0, 1.0);
    MVector direction(0.0, 0.0, 0.0);
    DEFORMPOINT record{point,
                       direction,
                       scaleMatrix,
                       noise,
                       settings.iterations,
                       settings.roughness,
                       absolute,
                       sine,
                       seconds,
                       settings.alongNormals,
                       amplitude,
                       handleMatrix,
                       handleInverseMatrix,
                       /*falloff=*/0.0f,
                       /*weight=*/0.0f,
                       /*texture=*/texture && sampled,
                       /*index=*/0};

    Pass pass{block, iter, multiIndex, wrapper, space, {}, status};
    DeformKernel::Settings& kernel = pass.settings;
    kernel.worldMatrix = worldMatrix;
    kernel.worldSpace = space != MSpace::kObject;
    kernel.handleInverseMatrix = handleInverseMatrix;
    kernel.scaleMatrix = scaleMatrix;
    kernel.envelope = envelopeValue;
    kernel.boundingBoxState = settings.boundingBoxState;
    kernel.falloff = settings.falloff;
    kernel.alongNormals = settings.alongNormals;
    kernel.wrapper = &wrapper;
    kernel.space = space;
    kernel.amplitude = amplitude;
    kernel.iterations = settings.iterations;
    kernel.roughness = settings.roughness;
    kernel.absolute = absolute;
    kernel.sine = sine;
    kernel.seconds = seconds;
    kernel.textureColors = record.texture ? &m_sampleColors : nullptr;
    kernel.permutations = permutations.data();

    if (m_passPath == PassPath::literal || !deformInRanges(pass))
        deformPointByPoint(pass, record);
    return MStatus::kSuccess;
}

// The reference: the host's iterator walked point by point, each point
// through deformPoint. The batch path must give exactly its results.
void NoiseDeformerNode::deformPointByPoint(Pass& pass, DEFORMPOINT& record)
{
    const DeformKernel::Settings& settings = pass.settings;
    const MBoundingBox unitBox(MPoint(-kHandleHalfExtent, -kHandleHalfExtent, -kHandleHalfExtent),
                               MPoint(kHandleHalfExtent, kHandleHalfExtent, kHandleHalfExtent));
    MPoint center(0.0, 0.0, 0.0, 1.0);
    MStatus& status = pass.status;
    MItGeometry& iter = pass.iter;
    for (iter.reset(); !iter.isDone(); iter.next()) {
        const int index = iter.index();
        const MPoint position = iter.position(MSpace::kObject);
        const MPoint samplePoint = settings.worldSpace ? position * settings.worldMatrix : position;
        MPoint handlePoint = samplePoint * settings.handleInverseMatrix;
        if (settings.boundingBoxState && !unitBox.contains(handlePoint))
            continue;
        const float weight =
            settings.envelope * weightValue(pass.block, pass.multiIndex, static_cast<unsigned int>(index));
        if (!(weight > 0.0f))
            continue;

        if (settings.alongNormals) {
            status = pass.wrapper.getNormal(index, record.direction, pass.space);
            kavo::McheckErr(status, "ERROR NoiseDeformerNode getting normal.\n");
            DeformKernel::normalizeDirection(record.direction);
        } else {
            record.direction = MVector::one;
        }
        record.falloff =
            settings.boundingBoxState ? calculateFalloff(settings.falloff, handlePoint, center, kFalloffRadius) : 1.0f;
        record.weight = weight;
        record.point = position;
        record.index = index;

        const MPoint result = deformPoint(record, samplePoint);
        // The running status: the normal query along normals, else the
        // texture sampling's or the points' status from before the loop.
        kavo::McheckErr(status, "ERROR NoiseDeformerNode deforming point.\n");
        iter.setPosition(result, MSpace::kObject);
    }
}

// Gather, deformRange over the points on every core, scatter. Wherever the
// per-point path would write a report (a failed status before the loop, a
// failed normal) this writes no point and answers false, so that the
// per-point path runs and the reports come as they always did. So does an
// allocation failing: the per-point path needs no arrays of its own.
bool NoiseDeformerNode::deformInRanges(Pass& pass)
{
    try {
        return deformGathered(pass);
    } catch (const std::exception&) {
        return false;
    }
}

bool NoiseDeformerNode::deformGathered(Pass& pass)
{
    const bool alongNormals = pass.settings.alongNormals;
    if (!alongNormals && pass.status != MStatus::kSuccess)
        return false;

    MPointArray positions;
    if (pass.iter.allPositions(positions, MSpace::kObject) != MStatus::kSuccess)
        return false;
    const unsigned int count = positions.length();
    if (count == 0)
        return true;
    // The kernel reads and writes the array's elements in place.
    if (!isContiguous(positions))
        return false;

    const std::vector<int> indices = iteratorIndices(pass, count);
    if (!indices.empty() && indices.size() != count)
        return false;
    const auto indexOf = [&](unsigned int k) { return indices.empty() ? static_cast<int>(k) : indices[k]; };
    std::vector<float> weights(count);
    for (unsigned int k = 0; k < count; ++k)
        weights[k] = weightValue(pass.block, pass.multiIndex, static_cast<unsigned int>(indexOf(k)));

    DeformKernel::Points points;
    points.positions = &positions[0];
    points.indices = indices.empty() ? nullptr : indices.data();
    points.paintedWeights = weights.data();
    points.results = &positions[0];
    const DeformKernel kernel(pass.settings, points);
    if (!DeformPass::run(kernel, count) || kernel.normalFailed())
        return false;

    pass.iter.setAllPositions(positions, MSpace::kObject);
    return true;
}

// The iterator's index of each of its points, or nothing when the iterator
// walks the whole geometry, where the k-th point has index k.
std::vector<int> NoiseDeformerNode::iteratorIndices(Pass& pass, unsigned int count)
{
    MStatus status;
    if (static_cast<int>(count) == pass.wrapper.numPoints(status) && status == MStatus::kSuccess)
        return {};
    std::vector<int> indices;
    indices.reserve(count);
    for (pass.iter.reset(); !pass.iter.isDone(); pass.iter.next())
        indices.push_back(pass.iter.index());
    return indices;
}
