#include "NoiseCalculation.h"
#include "PerlinNoise.h"
#include "RecordingNoise.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

const MPoint kPosition(1.5, -2.0, 3.0, 7.0);
constexpr float kTime = 0.25f;

// Every call of the recorded source at the position and time of octave i.
void expectOctaves(const RecordingNoise& source, int count)
{
    ASSERT_EQ(static_cast<int>(source.calls.size()), count);
    for (int i = 0; i < count; ++i) {
        const float f = std::ldexp(1.0f, i);
        const NoiseCall& call = source.calls[i];
        EXPECT_EQ(call.x, static_cast<float>(kPosition.x * f)) << i;
        EXPECT_EQ(call.y, static_cast<float>(kPosition.y * f)) << i;
        EXPECT_EQ(call.z, static_cast<float>(kPosition.z * f)) << i;
        EXPECT_EQ(call.w, kTime * f) << i;
    }
}

// The weighted sum for a source that answers (1, 2, -3, 0.5) everywhere.
MPoint fractal(RecordingNoise& source, float iterations, float roughness)
{
    return NoiseCalculation::calculateNoise(source, iterations, roughness, false, false, kPosition, kTime);
}

void expectSum(const MPoint& result, double sum)
{
    EXPECT_DOUBLE_EQ(result.x, sum);
    EXPECT_DOUBLE_EQ(result.y, 2.0 * sum);
    EXPECT_DOUBLE_EQ(result.z, -3.0 * sum);
    EXPECT_EQ(result.w, 0.5); // from the first evaluation, never summed
}

const MPoint kReply(1.0, 2.0, -3.0, 0.5);

TEST(FractalNoise, CountsUpToOneOrUnrepresentableGiveTheFirstOctaveOnly)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (float iterations : {1.0f, 0.5f, 0.0f, -3.0f, nan, inf, -inf, 3.0e9f, -3.0e9f, -2147483648.0f}) {
        RecordingNoise source(kReply);
        expectSum(fractal(source, iterations, 0.5f), 1.0);
        expectOctaves(source, 1);
    }
}

TEST(FractalNoise, OctavesDoubleFrequencyAndTimeAndWeighByRoughness)
{
    // Weights 2^(i (r - 1)): roughness 0 halves, 1 keeps, 2 doubles.
    const std::pair<float, double> cases[] = {
        {0.0f, 1.75}, {1.0f, 3.0}, {2.0f, 7.0}, {0.5f, 1.0 + std::sqrt(0.5) + 0.5}};
    for (const auto& [roughness, sum] : cases) {
        RecordingNoise source(kReply);
        const MPoint result = fractal(source, 3.0f, roughness);
        EXPECT_NEAR(result.x, sum, 1e-7) << roughness;
        EXPECT_NEAR(result.z, -3.0 * sum, 3e-7) << roughness;
        expectOctaves(source, 3);
    }
}

TEST(FractalNoise, FractionalCountFadesTheLastOctaveIn)
{
    RecordingNoise quarter(kReply);
    expectSum(fractal(quarter, 2.25f, 0.0f), 1.0 + 0.5 + 0.25 * 0.25);
    expectOctaves(quarter, 3);

    RecordingNoise almostTwo(kReply);
    expectSum(fractal(almostTwo, 1.99f, 0.0f), 1.0 + 0.5 * static_cast<double>(1.99f - 1.0f));
    expectOctaves(almostTwo, 2);

    // A whole count gives the last octave its full weight, not none.
    RecordingNoise two(kReply);
    expectSum(fractal(two, 2.0f, 0.0f), 1.5);
    expectOctaves(two, 2);
}

TEST(FractalNoise, HugeCountStopsAtTheLastFiniteFrequency)
{
    for (float iterations : {1.0e9f, 2147483520.0f}) {
        RecordingNoise source(kReply);
        const MPoint result = fractal(source, iterations, 0.0f);
        ASSERT_EQ(source.calls.size(), 128u);
        EXPECT_EQ(source.calls.back().x, std::ldexp(1.5f, 127));
        EXPECT_DOUBLE_EQ(result.x, 2.0 - std::ldexp(1.0, -127));
    }
}

TEST(FractalNoise, EverySourceCallSeesTheArgumentListFromTheStart)
{
    RecordingNoise source(kReply, true);
    NoiseCalculation::calculateNoise(source, 4.0f, 0.5f, false, false, kPosition, kTime, 42, 7);
    ASSERT_EQ(source.calls.size(), 4u);
    for (const NoiseCall& call : source.calls)
        EXPECT_EQ(call.tag, 42);
}

TEST(AbsNoise, AbsoluteTakesEachOctaveBeforeWeighting)
{
    RecordingNoise source(MPoint(-0.5, 1.0, -0.25, -1.0));
    const MPoint result = NoiseCalculation::calculateNoise(source, 3.0f, 0.0f, true, false, kPosition, kTime);
    EXPECT_EQ(result.x, 0.875);
    EXPECT_EQ(result.y, 1.75);
    EXPECT_EQ(result.z, 0.4375);
    EXPECT_EQ(result.w, -1.0); // w is not made absolute

    std::mt19937 random(3);
    std::uniform_real_distribution<double> coordinate(-50.0, 50.0);
    PerlinNoise perlin;
    for (int k = 0; k < 2000; ++k) {
        const MPoint p(coordinate(random), coordinate(random), coordinate(random));
        const MPoint value = NoiseCalculation::calculateNoise(perlin, 4.5f, 0.8f, true, false, p, 1.7f);
        ASSERT_GE(value.x, 0.0) << k;
    }
}

TEST(CalculateNoise, SineWherePerlinNoiseVanishesGivesTheSineOfThePosition)
{
    // Whole coordinates and time stay whole in every octave.
    PerlinNoise perlin;
    const MPoint p(2.0, -3.0, 5.0);
    for (bool absolute : {false, true}) {
        const MPoint result = NoiseCalculation::calculateNoise(perlin, 3.0f, 0.5f, absolute, true, p, 4.0f);
        EXPECT_EQ(result.x, std::sin(2.0));
        EXPECT_EQ(result.y, std::sin(-3.0));
        EXPECT_EQ(result.z, std::sin(5.0));
    }
}

TEST(CalculateNoise, SineAddsTheSummedNoiseToTheUnscaledPosition)
{
    RecordingNoise source(MPoint(0.25, 0.5, -0.75, 1.0));
    const MPoint p(1.0, 2.0, 3.0);
    const MPoint result = NoiseCalculation::calculateNoise(source, 2.0f, 1.0f, false, true, p, kTime);
    EXPECT_EQ(result.x, std::sin(1.5));
    EXPECT_EQ(result.y, std::sin(3.0));
    EXPECT_EQ(result.z, std::sin(1.5));
}

TEST(CalculateNoise, ExtraArgumentsChangeNothingForPerlinNoise)
{
    PerlinNoise perlin;
    const MPoint p(0.3, -4.7, 12.9);
    const MPoint plain = NoiseCalculation::calculateNoise(perlin, 3.5f, 0.6f, true, true, p, 2.2f);
    const MPoint extra = NoiseCalculation::calculateNoise(perlin, 3.5f, 0.6f, true, true, p, 2.2f, 1, 2.5, "x");
    EXPECT_EQ(std::memcmp(&plain, &extra, sizeof plain), 0);
}

} // namespace
