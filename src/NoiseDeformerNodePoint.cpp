// The literal path of the deform pass: the host's iterator walked point by
// point, each point through deformPoint, and the small operations that turn
// the attributes into the values of its record.

#include "NoiseDeformerNode.h"

#include "MAYA_General.h"
#include "NoiseCalculation.h"
#include "NoiseDeformerAttributes.h"
#include "PointArithmetic.h"

#include <maya/MBoundingBox.h>
#include <maya/MFloatPointArray.h>
#include <maya/MPointArray.h>

MPoint NoiseDeformerNode::deformPoint(DEFORMPOINT& dp, const MPoint& samplePoint)
{
    MPoint n;
    if (dp.texture) {
        n = PointArithmetic::sampledColor(m_sampleColors, dp.index);
    } else {
        const MPoint q = (samplePoint * dp.handleInverseMatrix) * dp.scaleMatrix;
        n = NoiseCalculation::calculateNoise(dp.noiseSource, dp.iterations, dp.roughness, dp.absolute, dp.sine, q,
                                             dp.seconds);
    }
    return PointArithmetic::displaced(dp.point, dp.amplitude, dp.direction, dp.falloff, dp.weight, n);
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
    return PointArithmetic::falloffFactor(falloff, point, center, radius);
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

DEFORMPOINT NoiseDeformerNode::pointRecord(Pass& pass, MPoint& point, MVector& direction)
{
    DeformSettings& s = pass.settings;
    return {point,
            direction,
            s.scaleMatrix,
            pass.noise,
            s.iterations,
            s.roughness,
            s.absolute,
            s.sine,
            s.seconds,
            s.attributes.alongNormals,
            s.amplitude,
            s.handleMatrix,
            s.handleInverseMatrix,
            /*falloff=*/0.0f,
            /*weight=*/0.0f,
            /*texture=*/s.textureColors != nullptr,
            /*index=*/0};
}

// The reference: the host's iterator walked point by point, each point
// through deformPoint. The batch path must give exactly its results.
void NoiseDeformerNode::deformPointByPoint(Pass& pass)
{
    const DeformSettings& settings = pass.settings;
    const DeformerAttributeValues& attributes = settings.attributes;
    MPoint point(0.0, 0.0, 0.0, 1.0);
    MVector direction(0.0, 0.0, 0.0);
    DEFORMPOINT record = pointRecord(pass, point, direction);
    const MBoundingBox region = PointArithmetic::handleRegion();
    MPoint center(0.0, 0.0, 0.0, 1.0);
    MStatus& status = pass.status;
    MItGeometry& iter = pass.iter;
    for (iter.reset(); !iter.isDone(); iter.next()) {
        const int index = iter.index();
        const MPoint position = iter.position(MSpace::kObject);
        const MPoint samplePoint = settings.worldSpace() ? position * settings.worldMatrix : position;
        MPoint handlePoint = samplePoint * settings.handleInverseMatrix;
        if (!PointArithmetic::inRegion(attributes.boundingBoxState, region, handlePoint))
            continue;
        const float weight = PointArithmetic::pointWeight(
            settings.envelope, weightValue(pass.block, pass.multiIndex, static_cast<unsigned int>(index)));
        if (!PointArithmetic::isWeighted(weight))
            continue;

        if (attributes.alongNormals) {
            status = settings.wrapper->getNormal(index, record.direction, settings.space);
            kavo::McheckErr(status, "ERROR NoiseDeformerNode getting normal.\n");
            PointArithmetic::normalizeDirection(record.direction);
        } else {
            record.direction = MVector::one;
        }
        record.falloff = attributes.boundingBoxState ? calculateFalloff(attributes.falloff, handlePoint, center,
                                                                        PointArithmetic::kFalloffRadius)
                                                     : 1.0f;
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
