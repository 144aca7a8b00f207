// The deformer's per-point arithmetic pinned to the bit on many random
// inputs: the order of every operation and the precision of every
// intermediate are part of the result. A changed order or a wider
// intermediate moves the last bit of a few per cent of the results, which
// hand-picked round values never show. Expected values are formed here, one
// named operation at a time.
#include "NoiseDeformerNode.h"
#include "RecordingNoise.h"
#include "support/DeformPointSetup.h"
#include "support/SameBits.h"

#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MTime.h>
#include <maya/MVector.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace {

constexpr int kCases = 4000;

// Uniform values from the raw bits of a fixed-seed generator, so every
// platform draws the same inputs (the standard distributions may differ).
class Inputs
{
public:
    float single(float low, float high)
    {
        const float unit = static_cast<float>(m_bits() >> 8) * 0x1p-24f;
        return low + (high - low) * unit;
    }

    double wide(double low, double high)
    {
        const std::uint64_t upper = m_bits();
        const std::uint64_t bits = (upper << 21) ^ m_bits();
        const double unit = static_cast<double>(bits & ((std::uint64_t(1) << 53) - 1)) * 0x1p-53;
        return low + (high - low) * unit;
    }

private:
    std::mt19937 m_bits{20150};
};

using kavo::test::DeformPointSetup;
using kavo::test::sameBits;

TEST(PointArithmeticBits, DisplacementIsAmplitudeDirectionFalloffWeightNoiseMultipliedInTurnInDouble)
{
    NoiseDeformerNode node;
    Inputs inputs;
    int mismatches = 0;
    for (int n = 0; n < kCases; ++n) {
        const MPoint noiseValue(inputs.wide(-1.0, 1.0), inputs.wide(-1.0, 1.0), inputs.wide(-1.0, 1.0));
        RecordingNoise noise(noiseValue);
        DeformPointSetup setup(noise);
        const MPoint point(inputs.wide(-10.0, 10.0), inputs.wide(-10.0, 10.0), inputs.wide(-10.0, 10.0), 1.0);
        const MVector direction(inputs.wide(-1.0, 1.0), inputs.wide(-1.0, 1.0), inputs.wide(-1.0, 1.0));
        const MVector amplitude(inputs.wide(0.0, 3.0), inputs.wide(0.0, 3.0), inputs.wide(0.0, 3.0));
        const float falloff = inputs.single(0.0f, 1.0f);
        const float weight = inputs.single(0.0f, 1.0f);
        setup.point = point;
        setup.direction = direction;
        setup.amplitude = amplitude;
        setup.falloff = falloff;
        setup.weight = weight;
        DEFORMPOINT record = setup.bind();

        const MPoint result = node.deformPoint(record, point);
        for (unsigned int axis = 0; axis < 3; ++axis) {
            double moved = amplitude[axis];
            for (double factor : {direction[axis], double(falloff), double(weight), noiseValue[axis]})
                moved *= factor;
            const double expected = moved + point[axis];
            mismatches += sameBits(result[axis], expected) ? 0 : 1;
            EXPECT_TRUE(sameBits(result[axis], expected)) << "case " << n << " axis " << axis;
        }
        if (mismatches > 5)
            FAIL() << "stopped after " << mismatches << " mismatches";
    }
}

TEST(PointArithmeticBits, SecondsAreFormedInSinglePrecisionInTheirOrder)
{
    NoiseDeformerNode node;
    Inputs inputs;
    const float frame = NoiseDeformerNode::m_defTimeUnit;
    int mismatches = 0;
    for (int n = 0; n < kCases; ++n) {
        MTime time(inputs.wide(-100.0, 1000.0), MTime::kSeconds);
        const float phase = inputs.single(-48.0f, 48.0f);
        const float frequency = inputs.single(0.0f, 10.0f);

        const float seconds = static_cast<float>(time.as(MTime::kSeconds));
        const float phaseShift = frame * phase;
        const float shifted = seconds + phaseShift;
        const float animated = shifted * frequency;
        const float perFrame = frame * frequency;
        const float frames = phase + 1.0f;
        const float still = perFrame * frames;

        const bool animatedOk = sameBits(node.calculateSeconds(time, true, phase, frequency, frame), animated);
        const bool stillOk = sameBits(node.calculateSeconds(time, false, phase, frequency, frame), still);
        EXPECT_TRUE(animatedOk) << "case " << n;
        EXPECT_TRUE(stillOk) << "case " << n;
        mismatches += (animatedOk ? 0 : 1) + (stillOk ? 0 : 1);
        if (mismatches > 5)
            FAIL() << "stopped after " << mismatches << " mismatches";
    }
}

// The falloff curve at radius 0.5 as the pass asks for it, in single
// precision from the distance on.
float expectedFalloff(float falloff, float distance)
{
    const float radius = 0.5f;
    if (distance > radius)
        return 0.0f;
    float slope;
    if (falloff > 0.5f) {
        const float rest = 1.0f - falloff;
        slope = rest / radius;
    } else {
        slope = radius / falloff;
    }
    const float reach = radius - distance;
    const float ramp = slope * reach;
    const float capped = ramp < radius ? ramp : radius;
    return capped / radius;
}

TEST(PointArithmeticBits, FalloffIsFormedInSinglePrecision)
{
    NoiseDeformerNode node;
    Inputs inputs;
    MPoint center(0.0, 0.0, 0.0, 1.0);
    int mismatches = 0;
    for (int n = 0; n < kCases; ++n) {
        float falloff = inputs.single(0.0f, 1.0f);
        if (falloff == 0.0f)
            continue;
        MPoint point(inputs.wide(-0.35, 0.35), inputs.wide(-0.35, 0.35), inputs.wide(-0.35, 0.35), 1.0);
        // The host's distance, rounded once: the part this plug-in takes over.
        const float distance = static_cast<float>(point.distanceTo(center));

        const float result = node.calculateFalloff(falloff, point, center, 0.5f);
        const bool same = sameBits(result, expectedFalloff(falloff, distance));
        EXPECT_TRUE(same) << "case " << n << ": falloff " << falloff << " distance " << distance;
        mismatches += same ? 0 : 1;
        if (mismatches > 5)
            FAIL() << "stopped after " << mismatches << " mismatches";
    }
}

} // namespace
