// The literal path of the deform pass: the host's iterator walked point by
// point, each point through deformPoint, and the small operations that turn
// the attributes into the values of its record.

#include "NoiseDeformerNode.h"

#include "DeformKernel.h"
#include "MAYA_General.h"
#include "NoiseCalculation.h"
#include "NoiseDeformerAttributes.h"

#include <maya/MBoundingBox.h>
#include <maya/MFloatPointArray.h>
#include <maya/MPointArray.h>

namespace {

// The handle's region: its unit cube, centred on its origin.
constexpr double kHandleHalfExtent = 0.5;
constexpr float kFalloffRadius = 0.5f;

} // namespace

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
