#pragma once

#include "DeformSettings.h"
#include "IGeomNoiseWrapper.h"
#include "INoise.h"
#include "PerlinNoise.h"

#include <maya/MDagModifier.h>
#include <maya/MDataBlock.h>
#include <maya/MFloatArray.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MItGeometry.h>
#include <maya/MMatrix.h>
#include <maya/MMessage.h>
#include <maya/MNodeMessage.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>
#include <maya/MPxDeformerNode.h>
#include <maya/MStatus.h>
#include <maya/MTime.h>
#include <maya/MTypeId.h>
#include <maya/MVector.h>

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

// Keeps a member exported from a plug-in built with hidden visibility.
#if defined(__GNUC__)
#define KAVO_EXPORTED_BY_NAME __attribute__((visibility("default")))
#else
#define KAVO_EXPORTED_BY_NAME
#endif

// What one deform pass has worked out, handed to deformPoint for every point.
// The record owns nothing: each reference points at a value of the pass (or
// at the class-wide noise source) and is valid for that pass only. point,
// direction, falloff, weight and index change from point to point; the rest
// is set once per pass.
struct DEFORMPOINT
{
    MPoint& point;        // object-space position that gets displaced; its w is passed through
    MVector& direction;   // unit normal along normals, else (1, 1, 1)
    MMatrix& scaleMatrix; // divides handle-space positions by the deformer's scales
    INoise& noiseSource;
    float iterations;
    float roughness;
    bool absolute;
    bool sine;
    float seconds;     // the noise's fourth coordinate
    bool alongNormals; // already folded into direction and amplitude
    MVector& amplitude;
    MMatrix& handleMatrix; // the handle's matrix with its scale set to 1
    MMatrix& handleInverseMatrix;
    float falloff;
    float weight; // envelope times painted weight
    bool texture; // take the sampled colour instead of computing noise
    int index;    // the point's index, which selects its sampled colour
};

// The attribute-changed callback of every deformer: a change of "noiseType"
// asks the host, at idle time, to rebuild its evaluation graph, since the
// scheduling kind the node reports depends on it.
void userCB(MNodeMessage::AttributeMessage message, MPlug& plug, MPlug& otherPlug, void* clientData);

// Sets element i of target to source[i], rounded to single precision, for
// every element of source. target is not resized; it must be long enough.
void pointArrayToMFloatPointArray(MPointArray& source, MFloatPointArray& target);

// The "noiseDeformer" node: displaces the points of its input geometries by
// four-dimensional noise taken in the frame of its handle (a "noiseLocator"
// whose world matrix drives "handleSpace"), or by a colour sampled from the
// shading network connected to "displacement".
class NoiseDeformerNode : public MPxDeformerNode
{
public:
    NoiseDeformerNode();
    ~NoiseDeformerNode() override;

    static void* creator();
    static MStatus initialize();
    // Adds the attribute to the node type and makes outputGeom depend on it;
    // reports a failure with the attribute's name and returns kFailure.
    static MStatus addAttrAndCheck(MObject& attribute, const char* name, MStatus& status);
    // Reports a failed status with the template's "%s" replaced by name.
    // Returns status as it came in.
    static MStatus formatErrorMessage(const char* format, const char* name, MStatus& status);

    void postConstructor() override;
    MStatus setDependentsDirty(const MPlug& plug, MPlugArray& plugArray) override;
    MStatus deform(MDataBlock& block, MItGeometry& iter, const MMatrix& worldMatrix, unsigned int multiIndex) override;
    MObject& accessoryAttribute() const override;
    MStatus accessoryNodeSetup(MDagModifier& modifier) override;

    // Sets (never clears) the flags the "noiseType" value calls for.
    virtual void calculateNoiseType(int noiseType, bool& absolute, bool& sine, bool& texture);
    // The noise's time: scene time shifted by phase frames when animated,
    // else the time of frame phase + 1; either one multiplied by frequency.
    virtual float calculateSeconds(MTime& time, bool animated, float phase, float frequency, float secondsPerFrame);
    // Per-axis amplitude: the same on every axis along normals, else the
    // per-axis factors times the amplitude.
    virtual MVector calculateAmplitude(bool alongNormals, float amplitude, float amplitudeX, float amplitudeY,
                                       float amplitudeZ);
    // Untrusted while the node samples a shading network through the host's
    // renderer ("Texture Displacement"), parallel otherwise.
#if MAYA_API_VERSION >= 201600
    SchedulingType schedulingType() const override;
#else
    // No base class of this API version declares it, so no virtual call
    // reaches it; a host that knows it looks it up by its mangled name, which
    // therefore stays exported while everything else of the plug-in is hidden.
    KAVO_EXPORTED_BY_NAME virtual int schedulingType() const;
#endif

    MPoint deformPoint(DEFORMPOINT& dp, const MPoint& samplePoint);
    // 1 at the centre, 0 beyond radius; falloff shapes the curve in between.
    float calculateFalloff(float falloff, MPoint& point, MPoint& center, float radius);

    static const MTypeId m_id;

    // The noise source whose class-wide table every seed is applied to;
    // each pass evaluates a copy of the table made for its own seed.
    static PerlinNoise m_perlinNoise;

    // How deform moves the points: in ranges of plain arrays, vectorised and
    // on every core (batch), or point by point through the host's iterator
    // and deformPoint (literal), the reference the batch path gives the bits
    // of. The batch path hands over to the literal one wherever that would
    // write a report. Loading the plug-in chooses the literal path for good
    // in a host whose arithmetic disagrees with the batch path's
    // (DeformKernel::agreesWithHost); tests and benchmarks that link the
    // objects change it to compare the two.
    enum class PassPath
    {
        batch,
        literal
    };
    static PassPath m_passPath;

private:
    // What one pass hands its per-point steps.
    struct Pass
    {
        MDataBlock& block;
        MItGeometry& iter;
        unsigned int multiIndex;
        DeformSettings& settings;
        INoise& noise;  // the literal path's source, on the pass's table
        MStatus status; // the running status as the points' loop starts
    };
    // The literal path's record, bound to the pass's settings and to point
    // and direction, which the caller rewrites for every point.
    static DEFORMPOINT pointRecord(Pass& pass, MPoint& point, MVector& direction);
    void deformPointByPoint(Pass& pass);
    bool deformInRanges(Pass& pass);
    bool deformGathered(Pass& pass);
    static std::vector<int> iteratorIndices(Pass& pass, unsigned int count);

    // Samples the shading network feeding "displacement" at every point, in
    // the handle's scaled frame, into m_sampleColors. Answers whether the
    // sampling succeeded; status receives the host's answers.
    bool sampleTexture(IGeomNoiseWrapper& wrapper, const MPlug& source, const MPointArray& points,
                       const MMatrix& toHandle, MStatus& status);

    // The pass from its first attribute read to its last point; deform
    // itself only keeps exceptions from reaching the host.
    MStatus deformPass(MDataBlock& block, MItGeometry& iter, const MMatrix& worldMatrix, unsigned int multiIndex);
    // A copy of the working table re-seeded for seed.
    static PerlinNoise::Permutations seededPermutations(int seed);

    // The noise table is class-wide and a seed rewrites it: held while a
    // pass applies its seed and copies the table, and no longer, so that no
    // lock is held across the host's calls or the pass's threads.
    static std::mutex m_noiseSeedMutex;

protected:
    std::map<int, std::shared_ptr<IGeomNoiseWrapper>> m_geometryWrappers;
    std::set<int> m_dirtyGeometry;
    MFloatVectorArray m_sampleColors;
    MFloatVectorArray m_sampleTransparencies;
    MFloatPointArray m_samplePoints;
    MFloatArray m_sampleU;
    MFloatArray m_sampleV;
    int m_sampleCount;
    MCallbackId m_callbackId;

public:
    // -----------------------------------------------------------------------
    // The attributes: handles, names, labels, message templates, defaults
    // and limits. kNoiseDeformerAttributes (NoiseDeformerAttributes.h) puts
    // them together, one row per attribute, in creation order.

    static MObject m_attrNoiseType;
    static MObject m_attrSeed;
    static MObject m_attrScaleX;
    static MObject m_attrScaleY;
    static MObject m_attrScaleZ;
    static MObject m_attrFractalState;
    static MObject m_attrRoughness;
    static MObject m_attrIterations;
    static MObject m_attrAlongNormals;
    static MObject m_attrAmplitude;
    static MObject m_attrAmplitudeX;
    static MObject m_attrAmplitudeY;
    static MObject m_attrAmplitudeZ;
    static MObject m_attrBoundingBoxState;
    static MObject m_attrFalloff;
    static MObject m_attrAnimationState;
    static MObject m_attrFrequency;
    static MObject m_attrPhase;
    static MObject m_attrDisplacement;
    static MObject m_space;
    static MObject m_attrTime;
    static MObject m_attrHandleSpace;

    static constexpr const char* m_nameNoiseType = "noiseType";
    static constexpr const char* m_snameNoiseType = "nt";
    static constexpr const char* m_nameSeed = "seed";
    static constexpr const char* m_snameSeed = "sd";
    static constexpr const char* m_nameScaleX = "scaleX";
    static constexpr const char* m_snameScaleX = "fsx";
    static constexpr const char* m_nameScaleY = "scaleY";
    static constexpr const char* m_snameScaleY = "fsy";
    static constexpr const char* m_nameScaleZ = "scaleZ";
    static constexpr const char* m_snameScaleZ = "fsz";
    static constexpr const char* m_nameFractalState = "fractalState";
    static constexpr const char* m_snameFractalState = "fon";
    static constexpr const char* m_nameRoughness = "roughness";
    static constexpr const char* m_snameRoughness = "rh";
    static constexpr const char* m_nameIterations = "iterations";
    static constexpr const char* m_snameIterations = "it";
    static constexpr const char* m_nameAlongNormals = "alongNormals";
    static constexpr const char* m_snameAlongNormals = "aln";
    static constexpr const char* m_nameAmplitude = "amplitude";
    static constexpr const char* m_snameAmplitude = "amp";
    static constexpr const char* m_nameAmplitudeX = "amplitudeX";
    static constexpr const char* m_snameAmplitudeX = "ampX";
    static constexpr const char* m_nameAmplitudeY = "amplitudeY";
    static constexpr const char* m_snameAmplitudeY = "ampY";
    static constexpr const char* m_nameAmplitudeZ = "amplitudeZ";
    static constexpr const char* m_snameAmplitudeZ = "ampZ";
    static constexpr const char* m_nameBoundingBoxState = "boundingBoxState";
    static constexpr const char* m_snameBoundingBoxState = "hBb";
    static constexpr const char* m_nameFalloff = "falloff";
    static constexpr const char* m_snameFalloff = "foff";
    static constexpr const char* m_nameAnimationState = "animationState";
    static constexpr const char* m_snameAnimationState = "aon";
    static constexpr const char* m_nameFrequency = "frequency";
    static constexpr const char* m_snameFrequency = "fq";
    static constexpr const char* m_namePhase = "phase";
    static constexpr const char* m_snamePhase = "ph";
    static constexpr const char* m_nameDisplacement = "displacement";
    static constexpr const char* m_snameDisplacement = "disp";
    static constexpr const char* m_nameTime = "time";
    static constexpr const char* m_snameTime = "tm";
    static constexpr const char* m_nameHandleSpace = "handleSpace";
    static constexpr const char* m_snameHandleSpace = "hSp";

    static constexpr const char* m_enum0NoiseType = "Perlin";
    static constexpr const char* m_enum1NoiseType = "Absolute Value";
    static constexpr const char* m_enum2NoiseType = "Sine";
    static constexpr const char* m_enum3NoiseType = "Sine Absolute Value";
    static constexpr const char* m_enum4NoiseType = "Texture Displacement";

    static constexpr const char* m_errCreateAttr = "ERROR NoiseDeformerNode creating %s attribute\n";
    static constexpr const char* m_errAddAttr = "ERROR NoiseDeformerNode adding %s attribute\n";
    static constexpr const char* m_errConnectAttr = "ERROR NoiseDeformerNode in connecting %s to outputGeom\n";
    static constexpr const char* m_errGetDataHandle = "ERROR NoiseDeformerNode getting %s data handle\n";

    static constexpr short m_defNoiseType = 0;
    static constexpr int m_defSeed = 0;
    static constexpr int m_minSeed = 0;
    static constexpr float m_defScaleX = 1.0f;
    static constexpr float m_minScaleX = 1e-9f;
    static constexpr float m_defScaleY = 1.0f;
    static constexpr float m_minScaleY = 1e-9f;
    static constexpr float m_defScaleZ = 1.0f;
    static constexpr float m_minScaleZ = 1e-9f;
    static constexpr bool m_defFractalState = false;
    static constexpr float m_defRoughness = 1.0f;
    static constexpr float m_minRoughness = 0.0f;
    static constexpr float m_maxRoughness = 1.0f;
    static constexpr float m_defIterations = 2.0f;
    static constexpr float m_minIterations = 1.0f;
    static constexpr bool m_defAlongNormals = true;
    static constexpr float m_defAmplitude = 0.2f;
    static constexpr float m_defAmplitudeX = 0.2f;
    static constexpr float m_defAmplitudeY = 0.2f;
    static constexpr float m_defAmplitudeZ = 0.2f;
    static constexpr bool m_defBoundingBoxState = false;
    static constexpr float m_defFalloff = 0.0f;
    static constexpr float m_minFalloff = 0.0f;
    static constexpr float m_maxFalloff = 1.0f;
    static constexpr bool m_defAnimationState = true;
    static constexpr float m_defFrequency = 4.0f;
    static constexpr float m_minFrequency = 0.0f;
    static constexpr float m_defPhase = 0.0f;
    static constexpr float m_defDisplacementX = 1.0f;
    static constexpr float m_defDisplacementY = 1.0f;
    static constexpr float m_defDisplacementZ = 1.0f;
    static constexpr double m_defTime = 0.0;
    // The length of a frame in seconds (1/24), the unit of "phase".
    static constexpr float m_defTimeUnit = 1.0f / 24.0f;
};
