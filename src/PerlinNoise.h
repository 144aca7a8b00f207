#ifndef KAVO_PERLINNOISE_H
#define KAVO_PERLINNOISE_H

#include "INoise.h"

#include <maya/MPoint.h>

#include <cstdarg>

// Improved gradient noise carried to four dimensions: the fourth coordinate is
// a lattice axis like the other three, with its own cell, fade weight and
// gradient component. The permutation table can be reshuffled by a seed.
//
// All state is class-wide: every object, and so every deformer in the
// process, reads one and the same table. Evaluation only reads it and may run
// on several threads at once; re-seeding rewrites it in place and must not
// overlap with any evaluation or another re-seeding.
class PerlinNoise : public INoise
{
public:
    MPoint noise(float x, float y, float z, float w, ...) override;
    // The argument list is accepted and never read: this source takes no
    // extra parameters.
    MPoint vaNoise(float x, float y, float z, float w, va_list args) override;
    void setRandomSeed(int seed) override;

    // The noise value n at (x, y, z, w) as the point (n, n, n, 1). Computed
    // in single precision; allocates nothing.
    static MPoint calcNoise(float x, float y, float z, float w);

    // 6t^5 - 15t^4 + 10t^3: zero first and second derivatives at 0 and 1.
    static float fade(float t);
    static float lerp(float t, float a, float b);
    // The dot product of the fraction with one of 32 gradients picked by the
    // five low bits of hash; every gradient has three components of magnitude
    // 1 and one of 0.
    static float grad(int hash, float x, float y, float z, float w);

    // The working table, 2 * m_permutationsInitialSize entries: the current
    // seed's permutation, stored twice.
    static const int* permutations();

    static constexpr int m_permutationsInitialSize = 256;
    // The reference permutation of improved noise; seed 0 stands for it.
    static const int m_permutationsInitial[m_permutationsInitialSize];

private:
    // Doubled so that a hash chain of up to three additions (at most
    // 255 + 255 + 1) indexes it without wrapping.
    static int m_permutations[2 * m_permutationsInitialSize];
    // The seed the working table was last built for.
    static int m_seed;
};

#endif
