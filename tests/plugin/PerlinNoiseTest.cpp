#include "PerlinNoise.h"
#include "support/SameBits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr int kSize = PerlinNoise::m_permutationsInitialSize;

float noiseAt(float x, float y, float z, float w)
{
    const MPoint value = PerlinNoise::calcNoise(x, y, z, w);
    EXPECT_EQ(value.x, value.y);
    EXPECT_EQ(value.x, value.z);
    EXPECT_EQ(value.w, 1.0);
    return static_cast<float>(value.x);
}

using kavo::test::sameBits;

std::vector<int> workingTable()
{
    return std::vector<int>(PerlinNoise::permutations(), PerlinNoise::permutations() + 2 * kSize);
}

std::vector<int> referenceTwice()
{
    std::vector<int> table(PerlinNoise::m_permutationsInitial, PerlinNoise::m_permutationsInitial + kSize);
    table.insert(table.end(), table.begin(), table.end());
    return table;
}

// The table is class-wide: every test starts and leaves it at the reference.
class PerlinNoiseTest : public testing::Test
{
protected:
    void SetUp() override { PerlinNoise().setRandomSeed(0); }
    void TearDown() override { PerlinNoise().setRandomSeed(0); }
};

TEST_F(PerlinNoiseTest, ReferenceTableIsThePublishedPermutation)
{
    const int* reference = PerlinNoise::m_permutationsInitial;
    const std::vector<int> head(reference, reference + 6), tail(reference + kSize - 3, reference + kSize);
    EXPECT_EQ(head, (std::vector<int>{151, 160, 137, 91, 90, 15}));
    EXPECT_EQ(tail, (std::vector<int>{61, 156, 180}));

    std::vector<int> sorted(reference, reference + kSize);
    std::sort(sorted.begin(), sorted.end());
    for (int k = 0; k < kSize; ++k)
        ASSERT_EQ(sorted[k], k);

    EXPECT_EQ(workingTable(), referenceTwice());
}

// Values worked by hand from the reference table, at points where a single
// coordinate is fractional: every other fade weight is 0, so the noise is one
// lerp between the two corners along that axis. All numbers are exact in
// single precision.
TEST_F(PerlinNoiseTest, MatchesHandWorkedValues)
{
    // (2.25, 0, 0, 0): X = 2, fx = 0.25, u = fade(0.25) = 1/64 * 6.625
    //   = 0.103515625.
    //   Corner 0000: p[2] = 137, p[137] = 147, p[147] = 227, p[227] = 176;
    //   176 & 31 = 16, selector 2 picks (z, w, x), bit 1 clear: -x = -0.25.
    //   Corner 1000: p[3] = 91, p[91] = 40, p[40] = 94, p[94] = 143;
    //   143 & 31 = 15, selector 1 picks (w, x, y), bit 2 set: +(fx - 1)
    //   = -0.75.
    //   n = (-0.75 + 0.25) * 0.103515625 - 0.25 = -0.3017578125.
    EXPECT_EQ(noiseAt(2.25f, 0.0f, 0.0f, 0.0f), -0.3017578125f);

    // (0, -0.25, 0, 0): Y = 255, fy = 0.75, v = fade(0.75) = 27/64 * 2.125
    //   = 0.896484375.
    //   Corner 0000: p[0] + 255 = 406, p[406] = 58, p[58] = 125,
    //   p[125] = 186; 186 & 31 = 26, selector 3 picks (y, z, w), bit 4 clear:
    //   -y = -0.75.
    //   Corner 0100: p[407] = 17, p[17] = 36, p[36] = 0; selector 0 picks
    //   (y, z, w), bit 4 clear: -(fy - 1) = 0.25.
    //   n = (0.25 + 0.75) * 0.896484375 - 0.75 = 0.146484375.
    EXPECT_EQ(noiseAt(0.0f, -0.25f, 0.0f, 0.0f), 0.146484375f);

    // (0, 0, 0, 0.25): W = 0, fw = 0.25, t = 0.103515625. The fourth axis has
    //   its own corners. Hash chain p[0] = 151, p[151] = 17, p[17] = 36.
    //   Corner 0000: p[36] = 0; selector 0, bit 1 clear: -w = -0.25.
    //   Corner 0001: p[37] = 26; selector 3, bit 1 clear: -(fw - 1) = 0.75.
    //   n = (0.75 + 0.25) * 0.103515625 - 0.25 = -0.146484375.
    EXPECT_EQ(noiseAt(0.0f, 0.0f, 0.0f, 0.25f), -0.146484375f);
}

TEST_F(PerlinNoiseTest, VanishesAtLatticePoints)
{
    const float coordinates[] = {0.0f, 1.0f, -1.0f, 7.0f, -255.0f, 256.0f, 1000.0f, -65536.0f};
    for (int seed : {0, 99}) {
        PerlinNoise().setRandomSeed(seed);
        for (float x : coordinates)
            for (float y : coordinates)
                for (float w : coordinates)
                    EXPECT_EQ(noiseAt(x, y, -x, w), 0.0f) << x << " " << y << " " << w;
    }
}

TEST_F(PerlinNoiseTest, NegativeCoordinateLiesInTheCellBelow)
{
    // -0.25 is cell 255 with fraction 0.75, as are 255.75 and -256.25.
    for (int axis = 0; axis < 4; ++axis) {
        float negative[4] = {0.5f, 1.25f, 2.75f, 3.5f};
        float positive[4] = {0.5f, 1.25f, 2.75f, 3.5f};
        float wrapped[4] = {0.5f, 1.25f, 2.75f, 3.5f};
        negative[axis] = -0.25f;
        positive[axis] = 255.75f;
        wrapped[axis] = -256.25f;
        const float n = noiseAt(negative[0], negative[1], negative[2], negative[3]);
        EXPECT_TRUE(sameBits(n, noiseAt(positive[0], positive[1], positive[2], positive[3]))) << axis;
        EXPECT_TRUE(sameBits(n, noiseAt(wrapped[0], wrapped[1], wrapped[2], wrapped[3]))) << axis;
        EXPECT_NE(n, 0.0f) << axis;
    }
}

TEST_F(PerlinNoiseTest, RepeatsEvery256AlongEachAxis)
{
    // Fractions in 1/64 steps stay exact when the coordinate moves by 256.
    for (int k = 0; k < 200; ++k) {
        const float base[4] = {(k * 37 % 640 - 320) / 64.0f, (k * 11 % 512) / 64.0f, -(k * 5 % 300) / 64.0f,
                               (k * 23 % 128) / 64.0f};
        const float n = noiseAt(base[0], base[1], base[2], base[3]);
        for (int axis = 0; axis < 4; ++axis) {
            float moved[4] = {base[0], base[1], base[2], base[3]};
            moved[axis] += (k % 2 ? 256.0f : -512.0f);
            EXPECT_TRUE(sameBits(n, noiseAt(moved[0], moved[1], moved[2], moved[3]))) << k << " " << axis;
        }
    }
}

// Coordinates that do not fit a 32-bit integer lie on the lattice point of
// cell 0; the largest ones that do fit are ordinary lattice points.
TEST_F(PerlinNoiseTest, UnrepresentableCoordinatesLieOnCellZero)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const float outside[] = {nan, inf, -inf, 2147483648.0f, -2147483904.0f, 3.0e38f, -1.0e20f};
    for (float bad : outside) {
        EXPECT_TRUE(sameBits(noiseAt(bad, 0.5f, 0.25f, 0.75f), noiseAt(0.0f, 0.5f, 0.25f, 0.75f))) << bad;
        EXPECT_TRUE(sameBits(noiseAt(0.5f, 0.25f, 0.75f, bad), noiseAt(0.5f, 0.25f, 0.75f, 0.0f))) << bad;
    }
    // 2147483520 = 0x7fffff80 lies in cell 128; -2^31 in cell 0.
    EXPECT_TRUE(sameBits(noiseAt(2147483520.0f, 0.5f, 0.25f, 0.75f), noiseAt(128.0f, 0.5f, 0.25f, 0.75f)));
    EXPECT_TRUE(sameBits(noiseAt(-2147483648.0f, 0.5f, 0.25f, 0.75f), noiseAt(0.0f, 0.5f, 0.25f, 0.75f)));
}

TEST_F(PerlinNoiseTest, SeedingDependsOnTheLastSeedOnly)
{
    PerlinNoise noise;
    noise.setRandomSeed(17);
    const std::vector<int> seventeen = workingTable();
    EXPECT_NE(seventeen, referenceTwice());

    noise.setRandomSeed(17);
    EXPECT_EQ(workingTable(), seventeen);

    noise.setRandomSeed(-4);
    noise.setRandomSeed(17);
    EXPECT_EQ(workingTable(), seventeen);

    noise.setRandomSeed(0);
    EXPECT_EQ(workingTable(), referenceTwice());
}

TEST_F(PerlinNoiseTest, EverySeedGivesADoubledPermutationWithoutFixedPoints)
{
    const std::vector<int> reference = referenceTwice();
    for (int seed : {1, 2, -7, 12345, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        PerlinNoise().setRandomSeed(seed);
        const std::vector<int> table = workingTable();
        EXPECT_TRUE(std::equal(table.begin(), table.begin() + kSize, table.begin() + kSize)) << seed;

        std::vector<int> sorted(table.begin(), table.begin() + kSize);
        std::sort(sorted.begin(), sorted.end());
        for (int k = 0; k < kSize; ++k)
            ASSERT_EQ(sorted[k], k) << seed;

        for (int k = 0; k < 2 * kSize; ++k)
            EXPECT_NE(table[k], reference[k]) << "seed " << seed << " entry " << k;
    }
}

// A source derived from this one that changes only vaNoise.
class ShiftedNoise : public PerlinNoise
{
public:
    MPoint vaNoise(float x, float y, float z, float w, va_list args) override
    {
        return PerlinNoise::vaNoise(x + 0.5f, y, z, w, args);
    }
};

TEST_F(PerlinNoiseTest, NoiseIgnoresExtraArgumentsAndGoesThroughVaNoise)
{
    PerlinNoise noise;
    const MPoint plain = noise.noise(1.3f, -2.6f, 0.7f, 5.1f);
    const MPoint withArguments = noise.noise(1.3f, -2.6f, 0.7f, 5.1f, 42, 3.5, "text");
    const MPoint direct = PerlinNoise::calcNoise(1.3f, -2.6f, 0.7f, 5.1f);
    EXPECT_EQ(std::memcmp(&plain, &direct, sizeof plain), 0);
    EXPECT_EQ(std::memcmp(&withArguments, &direct, sizeof plain), 0);

    ShiftedNoise shifted;
    EXPECT_EQ(shifted.noise(0.75f, 0.0f, 0.0f, 0.0f).x, PerlinNoise::calcNoise(1.25f, 0.0f, 0.0f, 0.0f).x);
}

} // namespace
