#include "NoiseDeformerNode.h"

#include "DeformKernel.h"
#include "DeformPass.h"
#include "MAYA_General.h"
#include "MeshGeomNoiseWrapper.h"
#include "NcurveGeomNoiseWrapper.h"
#include "NoiseCalculation.h"
#include "NoiseDeformerAttributes.h"
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
#include <maya/MGlobal.h>
#include <maya/MRenderUtil.h>
#include <maya/MString.h>
#include <maya/MTransformationMatrix.h>

#include <algorithm>
#include <cmath>
#include <exception>
#include <iostream>
#include <mutex>
#include <vector>

namespace {

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
    if (readAttribute(block, envelope, "envelope", handle) != MStatus::kSuccess)
        return MStatus::kFailure;
    const float envelopeValue = handle.asFloat();
    if (kSmallestEnvelope > static_cast<double>(envelopeValue))
        return MStatus::kSuccess;

    DeformerAttributeValues settings;
    if (readAttributes(block, kFirstRead, kLastSettingRead, settings) != MStatus::kSuccess)
        return MStatus::kFailure;
    const MObject thisNode = thisMObject();
    // Brings the displacement and what feeds it up to date; the value itself
    // is not used, the network is sampled instead.
    block.inputValue(m_attrDisplacement).asFloatVector();
    const MPlug displacement(thisNode, m_attrDisplacement);
    if (readAttributes(block, settings.animationState ? kTimeRead : kLastRead, kLastRead, settings) !=
        MStatus::kSuccess)
        return MStatus::kFailure;

    const MSpace::Space space = settings.space == kLocalSpace ? MSpace::kObject : MSpace::kWorld;

    // The handle's frame without its scale: the deformer's own scales take
    // its place.
    MTransformationMatrix handleTransform(settings.handleSpace);
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
