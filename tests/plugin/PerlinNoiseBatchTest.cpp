#include "PerlinNoise.h"
#include "SimdTarget.h"
#include "support/SameBits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using kavo::test::sameBits;

// Coordinates for the four axes, one point per index.
struct Points
{
    std::vector<float> x, y, z, w;

    void add(float px, float py, float pz, float pw)
    {
        x.push_back(px);
        y.push_back(py);
        z.push_back(pz);
        w.push_back(pw);
    }
    std::size_t size() const { return x.size(); }
};

// Values where rounding down, the fraction or the cell are easy to get wrong,
// and values the lattice cannot place.
std::vector<float> edgeValues()
{
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    return {0.0f,           -0.0f,      1.0f,        -1.0f,         255.0f,        256.0f,
            -256.0f,        0.5f,       -0.25f,      -1e-8f,        1e-8f,         0.99999994f,
            -0.99999994f,   1e-40f,     -1e-40f,     1e30f,         -1e30f,        inf,
            -inf,           nan,        -nan,        2147483520.0f, 2147483648.0f, -2147483648.0f,
            -2147483904.0f, 8388607.5f, -8388607.5f, 16777217.0f};
}

// Every edge value on every axis against ordinary values on the others, then
// scattered points over a wide and a narrow range.
Points testPoints()
{
    Points points;
    const std::vector<float> edges = edgeValues();
    for (float edge : edges) {
        points.add(edge, 0.3f, -1.7f, 2.2f);
        points.add(-4.6f, edge, 0.8f, 0.1f);
        points.add(7.25f, -3.5f, edge, 5.9f);
        points.add(0.6f, 12.1f, -0.4f, edge);
        points.add(edge, edge, edge, edge);
    }
    std::mt19937 random(20240611);
    std::uniform_real_distribution<float> wide(-1000.0f, 1000.0f);
    std::uniform_real_distribution<float> narrow(-3.0f, 3.0f);
    for (int i = 0; i < 4000; ++i) {
        std::uniform_real_distribution<float>& range = i % 2 ? wide : narrow;
        points.add(range(random), range(random), range(random), range(random));
    }
    return points;
}

float reference(const Points& points, std::size_t i)
{
    return static_cast<float>(PerlinNoise::calcNoise(points.x[i], points.y[i], points.z[i], points.w[i]).x);
}

// Compares calcNoiseBatch over the first count points with calcNoise, and
// names the first few points that differ.
void expectBatchMatchesReference(const Points& points, std::size_t count, const std::string& context)
{
    std::vector<float> batch(count, 12345.0f);
    PerlinNoise::calcNoiseBatch(points.x.data(), points.y.data(), points.z.data(), points.w.data(), batch.data(),
                                count);
    int mismatches = 0;
    for (std::size_t i = 0; i < count; ++i)
        if (!sameBits(batch[i], reference(points, i)) && ++mismatches <= 5)
            ADD_FAILURE() << context << ": point " << i << " (" << points.x[i] << ", " << points.y[i] << ", "
                          << points.z[i] << ", " << points.w[i] << ") gives " << batch[i] << ", calcNoise "
                          << reference(points, i);
    EXPECT_EQ(mismatches, 0) << context;
}

// The table is class-wide and every target is chosen class-wide: each test
// leaves both as it found them.
class PerlinNoiseBatchTest : public testing::Test
{
protected:
    void TearDown() override
    {
        SimdTarget::choose(nullptr);
        PerlinNoise().setRandomSeed(0);
    }
};

TEST_F(PerlinNoiseBatchTest, EveryInstructionSetGivesTheBitsOfCalcNoise)
{
    const Points points = testPoints();
    const std::vector<const char*> targets = SimdTarget::runnableNames();
    ASSERT_FALSE(targets.empty());
    EXPECT_STREQ(targets.back(), "portable");
    for (const char* target : targets) {
        ASSERT_TRUE(SimdTarget::choose(target)) << target;
        EXPECT_STREQ(SimdTarget::name(SimdTarget::chosen()), target);
        for (int seed : {0, 7919})
            for (std::size_t count : {points.size(), std::size_t{1}, std::size_t{7}, std::size_t{19}}) {
                PerlinNoise().setRandomSeed(seed);
                expectBatchMatchesReference(points, count,
                                            std::string(target) + ", seed " + std::to_string(seed) + ", " +
                                                std::to_string(count) + " points");
            }
    }
}

TEST_F(PerlinNoiseBatchTest, TheBestInstructionSetIsTheDefaultAndUnknownOnesAreRefused)
{
    EXPECT_STREQ(SimdTarget::name(SimdTarget::chosen()), SimdTarget::runnableNames().front());
    EXPECT_FALSE(SimdTarget::choose("no such instruction set"));
    EXPECT_STREQ(SimdTarget::name(SimdTarget::chosen()), SimdTarget::runnableNames().front());
}

} // namespace
