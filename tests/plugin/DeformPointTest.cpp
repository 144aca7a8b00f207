#include "NoiseDeformerNode.h"
#include "RecordingNoise.h"
#include "support/DeformPointSetup.h"
#include "support/Matrices.h"

#include <maya/MFloatVector.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MTime.h>
#include <maya/MVector.h>

#include <gtest/gtest.h>

#include <limits>

namespace {

using kavo::test::scaling;
using kavo::test::translation;

// A deformer whose sampled colours a test can set, as a texture pass would.
class TextureDeformer : public NoiseDeformerNode
{
public:
    void setSampledColors(const MFloatVectorArray& colors) { m_sampleColors = colors; }
};

// The per-pass values a record refers to, with the record built over them.
struct Pass : kavo::test::DeformPointSetup
{
    explicit Pass(INoise& noise) : DeformPointSetup(noise)
    {
        point = MPoint(1.0, 2.0, 3.0, 2.5);
        direction = MVector(0.0, 0.0, 1.0);
        amplitude = MVector(0.5, 0.5, 0.5);
    }

    DEFORMPOINT record = bind();
};

const MPoint kNoiseOfTwo(2.0, 2.0, 2.0, 1.0);

TEST(DeformPoint, NoAmplitudeWeightOrFalloffLeavesThePointWithItsW)
{
    NoiseDeformerNode node;
    RecordingNoise noise(kNoiseOfTwo);
    for (int zeroed = 0; zeroed < 3; ++zeroed) {
        Pass pass(noise);
        if (zeroed == 0)
            pass.amplitude = MVector::zero;
        if (zeroed == 1)
            pass.record.weight = 0.0f;
        if (zeroed == 2)
            pass.record.falloff = 0.0f;
        const MPoint result = node.deformPoint(pass.record, pass.point);
        EXPECT_EQ(result, pass.point) << zeroed;
    }
}

TEST(DeformPoint, MovesAlongTheDirectionByAmplitudeFalloffWeightAndNoise)
{
    NoiseDeformerNode node;
    RecordingNoise noise(kNoiseOfTwo);
    Pass pass(noise);
    pass.direction = MVector(0.6, 0.0, 0.8);
    pass.record.falloff = 0.5f;
    pass.record.weight = 0.25f;

    const MPoint result = node.deformPoint(pass.record, pass.point);
    // 0.5 amplitude * 0.5 falloff * 0.25 weight * 2 noise = 0.125 along the direction.
    EXPECT_DOUBLE_EQ(result.x, 1.0 + 0.125 * 0.6);
    EXPECT_DOUBLE_EQ(result.y, 2.0);
    EXPECT_DOUBLE_EQ(result.z, 3.0 + 0.125 * 0.8);
    EXPECT_EQ(result.w, 2.5);
}

TEST(DeformPoint, SamplesNoiseInTheScaledHandleFrameWithThePassSettings)
{
    NoiseDeformerNode node;
    RecordingNoise noise(kNoiseOfTwo);
    Pass pass(noise);
    pass.handleInverseMatrix = translation(-1.0, 0.0, 0.0);
    pass.scaleMatrix = scaling(0.5, 0.25, 2.0);
    pass.record.iterations = 3.0f;
    pass.record.roughness = 1.0f;
    pass.record.seconds = 0.75f;

    node.deformPoint(pass.record, MPoint(5.0, 4.0, -1.0));
    // Three octaves at (((5, 4, -1) - (1, 0, 0)) scaled) times 1, 2, 4.
    ASSERT_EQ(noise.calls.size(), 3u);
    EXPECT_EQ(noise.calls[0].x, 2.0f);
    EXPECT_EQ(noise.calls[0].y, 1.0f);
    EXPECT_EQ(noise.calls[0].z, -2.0f);
    EXPECT_EQ(noise.calls[0].w, 0.75f);
    EXPECT_EQ(noise.calls[2].x, 8.0f);
    EXPECT_EQ(noise.calls[2].w, 3.0f);
}

TEST(DeformPoint, PerAxisAmplitudeMovesEachAxisOnItsOwn)
{
    NoiseDeformerNode node;
    RecordingNoise noise(kNoiseOfTwo);
    Pass pass(noise);
    pass.amplitude = node.calculateAmplitude(false, 2.0f, 1.0f, 0.0f, 0.5f);
    pass.direction = MVector::one;

    const MPoint result = node.deformPoint(pass.record, pass.point);
    EXPECT_EQ(result, MPoint(1.0 + 4.0, 2.0, 3.0 + 2.0, 2.5));
}

TEST(DeformPoint, TextureTakesTheSampledColourAndNoNoise)
{
    TextureDeformer node;
    node.setSampledColors(MFloatVectorArray(3, MFloatVector(1.0f, 0.5f, 0.0f)));
    RecordingNoise noise(kNoiseOfTwo);
    Pass pass(noise);
    pass.amplitude = MVector::one;
    pass.direction = MVector::one;
    pass.record.texture = true;
    pass.record.index = 2;

    const MPoint result = node.deformPoint(pass.record, MPoint(100.0, 100.0, 100.0));
    EXPECT_EQ(result, MPoint(2.0, 2.5, 3.0, 2.5));
    EXPECT_TRUE(noise.calls.empty());
}

TEST(DeformPoint, TextureWithoutAColourForThePointLeavesItInPlace)
{
    TextureDeformer node;
    node.setSampledColors(MFloatVectorArray(2, MFloatVector(1.0f, 1.0f, 1.0f)));
    RecordingNoise noise(kNoiseOfTwo);
    Pass pass(noise);
    pass.record.texture = true;
    for (int index : {2, 1000, -1}) {
        pass.record.index = index;
        EXPECT_EQ(node.deformPoint(pass.record, pass.point), pass.point) << index;
    }
}

TEST(CalculateNoiseType, SetsTheFlagsOfEachTypeAndNeverClearsOne)
{
    NoiseDeformerNode node;
    struct Expected
    {
        int type;
        bool absolute, sine, texture;
    };
    for (const Expected& e :
         {Expected{0, false, false, false}, Expected{1, true, false, false}, Expected{2, false, true, false},
          Expected{3, true, true, false}, Expected{4, false, false, true}, Expected{5, false, false, false},
          Expected{-1, false, false, false}}) {
        bool absolute = false, sine = false, texture = false;
        node.calculateNoiseType(e.type, absolute, sine, texture);
        EXPECT_EQ(absolute, e.absolute) << e.type;
        EXPECT_EQ(sine, e.sine) << e.type;
        EXPECT_EQ(texture, e.texture) << e.type;

        bool allSet[3] = {true, true, true};
        node.calculateNoiseType(e.type, allSet[0], allSet[1], allSet[2]);
        EXPECT_TRUE(allSet[0] && allSet[1] && allSet[2]) << e.type;
    }
}

TEST(CalculateAmplitude, AlongNormalsIgnoresThePerAxisFactors)
{
    NoiseDeformerNode node;
    EXPECT_EQ(node.calculateAmplitude(true, 0.5f, 7.0f, -3.0f, 100.0f), MVector(0.5, 0.5, 0.5));
    EXPECT_EQ(node.calculateAmplitude(false, 2.0f, 1.0f, 0.0f, 0.5f), MVector(2.0, 0.0, 1.0));
    // Widened before multiplying: 0.2f * 0.2f in double, not rounded to float.
    EXPECT_EQ(node.calculateAmplitude(false, 0.2f, 0.2f, 1.0f, 1.0f).x, double(0.2f) * double(0.2f));
}

TEST(CalculateSeconds, AnimatedFollowsSceneTimeOtherwiseStandsAtFramePhasePlusOne)
{
    NoiseDeformerNode node;
    const float frame = NoiseDeformerNode::m_defTimeUnit;
    MTime twoSeconds(48.0, MTime::kFilm);
    EXPECT_FLOAT_EQ(node.calculateSeconds(twoSeconds, true, 12.0f, 0.5f, frame), 1.25f);
    EXPECT_EQ(node.calculateSeconds(twoSeconds, false, 0.0f, 4.0f, frame), frame * 4.0f);
    MTime later(1000.0, MTime::kFilm);
    EXPECT_EQ(node.calculateSeconds(later, false, 0.0f, 4.0f, frame), frame * 4.0f);
    EXPECT_FLOAT_EQ(node.calculateSeconds(later, false, 2.0f, 1.0f, frame), 3.0f / 24.0f);
    EXPECT_EQ(frame, 0.041666668f);
}

class CalculateFalloff : public testing::Test
{
protected:
    float at(float falloff, double distance)
    {
        MPoint point(distance, 0.0, 0.0);
        MPoint center(0.0, 0.0, 0.0);
        return node.calculateFalloff(falloff, point, center, 0.5f);
    }

    NoiseDeformerNode node;
};

TEST_F(CalculateFalloff, OneOrNaNGivesNothingAndZeroOrLessGivesFullStrengthEverywhere)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (double d : {0.0, 0.3, 0.6}) {
        EXPECT_EQ(at(1.0f, d), 0.0f) << d;
        EXPECT_EQ(at(nan, d), 0.0f) << d;
        EXPECT_EQ(at(0.0f, d), 1.0f) << d;
        EXPECT_EQ(at(-0.5f, d), 1.0f) << d;
    }
}

TEST_F(CalculateFalloff, PlateauAndRampUpToOneHalfThenASinkingCone)
{
    EXPECT_FLOAT_EQ(at(0.25f, 0.1), 1.0f);
    EXPECT_FLOAT_EQ(at(0.25f, 0.4), 0.4f);
    EXPECT_FLOAT_EQ(at(0.75f, 0.0), 0.5f);
    EXPECT_FLOAT_EQ(at(0.5f, 0.2), 1.0f - 2.0f * 0.2f);
    for (float falloff : {0.1f, 0.5f, 0.9f}) {
        EXPECT_EQ(at(falloff, 0.5), 0.0f) << falloff;
        EXPECT_EQ(at(falloff, 0.51), 0.0f) << falloff;
    }
}

TEST_F(CalculateFalloff, MeasuresAHomogeneousPointDividedThroughByItsW)
{
    MPoint point(1.0, 0.0, 0.0, 2.0);
    MPoint center(0.0, 0.0, 0.0);
    EXPECT_EQ(node.calculateFalloff(0.25f, point, center, 0.5f), 0.0f);
    MPoint inside(0.5, 0.0, 0.0, 2.0);
    EXPECT_FLOAT_EQ(node.calculateFalloff(0.25f, inside, center, 0.5f), 1.0f);
}

} // namespace
