// Seeded permutation tables, pinned entry by entry against a second shuffle
// written here: all of the C library's draws first, then the exchanges
// counted by step rather than by position.
#include "PerlinNoise.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <utility>

namespace {

constexpr int kSize = PerlinNoise::m_permutationsInitialSize;

// Step s exchanges position kSize - 1 - s with a position drawn below it.
std::array<int, kSize> shuffledReference(int seed)
{
    std::srand(static_cast<unsigned>(seed));
    std::array<int, kSize - 1> draws{};
    for (int& draw : draws)
        draw = std::rand();

    std::array<int, kSize> table{};
    std::copy(PerlinNoise::m_permutationsInitial, PerlinNoise::m_permutationsInitial + kSize, table.begin());
    for (int step = 0; step < kSize - 1; ++step) {
        const int position = kSize - 1 - step;
        std::swap(table[position], table[draws[step] % position]);
    }
    return table;
}

class PerlinNoiseSeedTest : public testing::Test
{
protected:
    void SetUp() override { PerlinNoise().setRandomSeed(0); }
    void TearDown() override { PerlinNoise().setRandomSeed(0); }
};

TEST_F(PerlinNoiseSeedTest, EachSeedGivesTheShuffleOfItsOwnDrawsInBothHalves)
{
    for (int seed : {1, 7, 17, -4, 12345, INT_MAX, INT_MIN}) {
        const std::array<int, kSize> expected = shuffledReference(seed);
        PerlinNoise().setRandomSeed(seed);
        const int* table = PerlinNoise::permutations();
        for (int k = 0; k < kSize; ++k) {
            ASSERT_EQ(table[k], expected[k]) << "seed " << seed << " entry " << k;
            ASSERT_EQ(table[k + kSize], expected[k]) << "seed " << seed << " entry " << k + kSize;
        }
    }
}

} // namespace
