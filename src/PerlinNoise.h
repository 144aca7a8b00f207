#pragma once

#include "INoise.h"
#include "SimdTarget.h"

#include <maya/MPoint.h>

#include <array>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

// Improved gradient noise carried to four dimensions: the fourth coordinate is
// a lattice axis like the other three, with its own cell, fade weight and
// gradient component. The permutation table can be reshuffled by a seed.
//
// The working table is class-wide: every object made without a table of its
// own, and so every evaluation through the statics, reads one and the same
// table. Evaluation only reads it and may run on several threads at once;
// re-seeding rewrites it in place and must not overlap with any evaluation
// of it or another re-seeding. An object made with a table of its own (a
// copy of the working table taken for one seed) reads that one only, so it
// may evaluate while the working table is re-seeded for another seed.
class PerlinNoise : public INoise
{
public:
    static constexpr int m_permutationsInitialSize = 256;
    // A whole working table: a permutation, stored twice.
    using Permutations = std::array<int, 2 * m_permutationsInitialSize>;

    // Reads the class-wide working table.
    PerlinNoise() = default;
    // Reads the given table, which must outlive the object.
    explicit PerlinNoise(const Permutations& permutations) : m_table(permutations.data()) {}

    MPoint noise(float x, float y, float z, float w, ...) override;
    // The argument list is accepted and never read: this source takes no
    // extra parameters.
    MPoint vaNoise(float x, float y, float z, float w, va_list args) override;
    void setRandomSeed(int seed) override;

    // The noise value n at (x, y, z, w) as the point (n, n, n, 1). Computed
    // in single precision; allocates nothing. This is the reference every
    // faster evaluation is compared against.
    static MPoint calcNoise(float x, float y, float z, float w);
    // calcNoise reading the given working table instead of the class-wide one.
    static MPoint calcNoise(const int* permutations, float x, float y, float z, float w);

    // n[i] = calcNoise(x[i], y[i], z[i], w[i]).x rounded to single precision,
    // for i below count: bit-identical to calcNoise for every input, NaN and
    // the infinities included (checked by PerlinNoiseBatchTest for every
    // instruction set the processor runs). Several lanes at once with the
    // instruction set target, which must be one that SimdTarget::runs; the
    // lanes left over go through calcNoise. Reads the table only, so it may
    // run on several threads at once.
    static void calcNoiseBatch(const float* x, const float* y, const float* z, const float* w, float* n,
                               std::size_t count, SimdTarget::Id target = SimdTarget::chosen());
    // calcNoiseBatch reading the given working table.
    static void calcNoiseBatch(const int* permutations, const float* x, const float* y, const float* z, const float* w,
                               float* n, std::size_t count, SimdTarget::Id target = SimdTarget::chosen());

    // 6t^5 - 15t^4 + 10t^3: zero first and second derivatives at 0 and 1.
    static float fade(float t) { return t * t * t * ((t * 6.0f - 15.0f) * t + 10.0f); }
    static float lerp(float t, float a, float b) { return (b - a) * t + a; }
    // The dot product of the fraction with one of 32 gradients picked by the
    // five low bits of hash; every gradient has three components of magnitude
    // 1 and one of 0.
    static float grad(int hash, float x, float y, float z, float w);

    // The working table, 2 * m_permutationsInitialSize entries: the current
    // seed's permutation, stored twice.
    static const int* permutations();

    // The reference permutation of improved noise; seed 0 stands for it.
    static const int m_permutationsInitial[m_permutationsInitialSize];

private:
    // Doubled so that a hash chain of up to three additions (at most
    // 255 + 255 + 1) indexes it without wrapping.
    static int m_permutations[2 * m_permutationsInitialSize];
    // The seed the working table was last built for.
    static int m_seed;

    // The table this object evaluates with.
    const int* m_table = m_permutations;
};

// Branch-free: the selector picks the three components from a table and the
// signs are flipped by their sign bits, which is exactly what negation does.
// A branch per component here mispredicts on scattered inputs and used to
// cost most of an evaluation.
inline float PerlinNoise::grad(int hash, float x, float y, float z, float w)
{
    // Selector (h >> 3): 1 takes (w, x, y), 2 takes (z, w, x); 0 and 3 both
    // take (y, z, w), so no gradient leaves out w.
    static constexpr unsigned char kComponents[4][3] = {{1, 2, 3}, {3, 0, 1}, {2, 3, 0}, {1, 2, 3}};
    const unsigned int h = static_cast<unsigned int>(hash) & 31u;
    const float coordinates[4] = {x, y, z, w};
    const unsigned char* picked = kComponents[h >> 3];
    const auto signedBy = [](float value, unsigned int positive) {
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        bits ^= static_cast<std::uint32_t>(positive ^ 1u) << 31;
        std::memcpy(&value, &bits, sizeof bits);
        return value;
    };
    const float a = signedBy(coordinates[picked[0]], (h >> 2) & 1u);
    const float b = signedBy(coordinates[picked[1]], (h >> 1) & 1u);
    const float c = signedBy(coordinates[picked[2]], h & 1u);
    return (a + b) + c;
}
