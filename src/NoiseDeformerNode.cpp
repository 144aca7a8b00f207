#include "NoiseDeformerNode.h"

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
// Deform pass

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

    DeformSettings settings;
    DeformerAttributeValues& attributes = settings.attributes;
    if (readAttributes(block, kFirstRead, kLastSettingRead, attributes) != MStatus::kSuccess)
        return MStatus::kFailure;
    const MObject thisNode = thisMObject();
    // Brings the displacement and what feeds it up to date; the value itself
    // is not used, the network is sampled instead.
    block.inputValue(m_attrDisplacement).asFloatVector();
    const MPlug displacement(thisNode, m_attrDisplacement);
    if (readAttributes(block, attributes.animationState ? kTimeRead : kLastRead, kLastRead, attributes) !=
        MStatus::kSuccess)
        return MStatus::kFailure;

    settings.envelope = envelopeValue;
    settings.worldMatrix = worldMatrix;
    const MSpace::Space space = attributes.space == kLocalSpace ? MSpace::kObject : MSpace::kWorld;
    settings.space = space;

    // The handle's frame without its scale: the deformer's own scales take
    // its place.
    MTransformationMatrix handleTransform(attributes.handleSpace);
    const double unitScale[3] = {1.0, 1.0, 1.0};
    status = handleTransform.setScale(unitScale, space);
    kavo::McheckErr(status, "ERROR NoiseDeformerNode setting scale for handle matrix");
    settings.handleMatrix = handleTransform.asMatrix();
    settings.handleInverseMatrix = settings.handleMatrix.inverse();

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
    settings.wrapper = &wrapper;

    MMatrix geometryMatrix = worldMatrix;
    status = wrapper.makeScaleMatrix(geometryMatrix, settings.scaleMatrix, attributes.scaleX, attributes.scaleY,
                                     attributes.scaleZ, space, settings.handleInverseMatrix);
    kavo::McheckErr(status, "ERROR NoiseDeformerNode creating scale matrix.\n");
    {
        // The adapter's copy of the points serves the texture sampling only;
        // it is gone before the points move, so that a pass never holds it
        // beside the copy the batch path works on.
        MPointArray points;
        status = wrapper.getPoints(points, space);
        kavo::McheckErr(status, "ERROR NoiseDeformerNode getting points.\n");

        MPlugArray sources;
        const bool asDestination = true;
        const bool asSource = false;
        displacement.connectedTo(sources, asDestination, asSource);

        bool texture = false;
        calculateNoiseType(attributes.noiseType, settings.absolute, settings.sine, texture);
        if (texture && sources.length() > 0 &&
            sampleTexture(wrapper, sources[0], points, settings.handleInverseMatrix * settings.scaleMatrix, status))
            settings.textureColors = &m_sampleColors;
    }

    settings.seconds = calculateSeconds(attributes.time, attributes.animationState, attributes.phase,
                                        attributes.frequency, m_defTimeUnit);
    if (attributes.fractalState) {
        settings.iterations = attributes.iterations;
        settings.roughness = attributes.roughness;
    }
    settings.amplitude = calculateAmplitude(attributes.alongNormals, attributes.amplitude, attributes.amplitudeX,
                                            attributes.amplitudeY, attributes.amplitudeZ);

    const PerlinNoise::Permutations permutations = seededPermutations(attributes.seed);
    settings.permutations = permutations.data();
    PerlinNoise noise(permutations);

    Pass pass{block, iter, multiIndex, settings, noise, status};
    if (m_passPath == PassPath::literal || !deformInRanges(pass))
        deformPointByPoint(pass);
    return MStatus::kSuccess;
}
