#include "PerlinNoise.h"

#include <cstdlib>
#include <utility>

// The reference permutation of improved noise (Ken Perlin, 2002). Listed once
// and used for both the reference table and the two halves of the working
// table, which must hold the reference state from load on, before any code
// runs.
#define KAVO_REFERENCE_PERMUTATION                                                                                     \
    151, 160, 137, 91, 90, 15, 131, 13, 201, 95, 96, 53, 194, 233, 7, 225, 140, 36, 103, 30, 69, 142, 8, 99, 37, 240,  \
        21, 10, 23, 190, 6, 148, 247, 120, 234, 75, 0, 26, 197, 62, 94, 252, 219, 203, 117, 35, 11, 32, 57, 177, 33,   \
        88, 237, 149, 56, 87, 174, 20, 125, 136, 171, 168, 68, 175, 74, 165, 71, 134, 139, 48, 27, 166, 77, 146, 158,  \
        231, 83, 111, 229, 122, 60, 211, 133, 230, 220, 105, 92, 41, 55, 46, 245, 40, 244, 102, 143, 54, 65, 25, 63,   \
        161, 1, 216, 80, 73, 209, 76, 132, 187, 208, 89, 18, 169, 200, 196, 135, 130, 116, 188, 159, 86, 164, 100,     \
        109, 198, 173, 186, 3, 64, 52, 217, 226, 250, 124, 123, 5, 202, 38, 147, 118, 126, 255, 82, 85, 212, 207, 206, \
        59, 227, 47, 16, 58, 17, 182, 189, 28, 42, 223, 183, 170, 213, 119, 248, 152, 2, 44, 154, 163, 70, 221, 153,   \
        101, 155, 167, 43, 172, 9, 129, 22, 39, 253, 19, 98, 108, 110, 79, 113, 224, 232, 178, 185, 112, 104, 218,     \
        246, 97, 228, 251, 34, 242, 193, 238, 210, 144, 12, 191, 179, 162, 241, 81, 51, 145, 235, 249, 14, 239, 107,   \
        49, 192, 214, 31, 181, 199, 106, 157, 184, 84, 204, 176, 115, 121, 50, 45, 127, 4, 150, 254, 138, 236, 205,    \
        93, 222, 114, 67, 29, 24, 72, 243, 141, 128, 195, 78, 66, 215, 61, 156, 180

const int PerlinNoise::m_permutationsInitial[m_permutationsInitialSize] = {KAVO_REFERENCE_PERMUTATION};
int PerlinNoise::m_permutations[2 * m_permutationsInitialSize] = {KAVO_REFERENCE_PERMUTATION,
                                                                  KAVO_REFERENCE_PERMUTATION};
int PerlinNoise::m_seed = 0;

#undef KAVO_REFERENCE_PERMUTATION

namespace {

// Where a coordinate lies on the lattice: the low 8 bits of the coordinate
// rounded down, and the coordinate's fraction within that cell.
struct LatticePosition
{
    int cell;
    float fraction;
};

// Only a value in the range of a 32-bit integer may be converted to one; the
// comparisons are false for NaN.
bool fitsInt32(float value)
{
    return value >= -2147483648.0f && value < 2147483648.0f;
}

// A coordinate that cannot be rounded to a 32-bit integer (NaN, an infinity
// or a value too large) is taken to lie on the lattice point of cell 0, where
// the noise is 0.
LatticePosition latticePosition(float coordinate)
{
    if (!fitsInt32(coordinate))
        return {0, 0.0f};

    int roundedDown = static_cast<int>(coordinate); // toward zero
    if (static_cast<float>(roundedDown) > coordinate)
        --roundedDown;
    return {roundedDown & 255, coordinate - static_cast<float>(roundedDown)};
}

} // namespace

MPoint PerlinNoise::noise(float x, float y, float z, float w, ...)
{
    // The interface fixes a float before the ellipsis. The language leaves
    // va_start on a promoted parameter undefined, but the supported compilers
    // locate the variable arguments by the calling convention alone.
    va_list args;
    va_start(args, w);
    const MPoint value = vaNoise(x, y, z, w, args);
    va_end(args);
    return value;
}

MPoint PerlinNoise::vaNoise(float x, float y, float z, float w, va_list)
{
    return calcNoise(m_table, x, y, z, w);
}

void PerlinNoise::setRandomSeed(int seed)
{
    // Callers apply their seed on every pass; the current one costs nothing.
    if (seed == m_seed)
        return;
    m_seed = seed;

    // Start from the reference table, so the result depends on this seed
    // only, never on the seeds before it.
    const int size = m_permutationsInitialSize;
    for (int k = 0; k < size; ++k)
        m_permutations[k] = m_permutations[k + size] = m_permutationsInitial[k];
    if (seed == 0)
        return;

    // Sattolo's shuffle: j is drawn strictly below i, so the permutation
    // becomes one cycle through all entries and no entry keeps its place.
    std::srand(static_cast<unsigned>(seed));
    for (int i = size - 1; i >= 1; --i) {
        const int j = std::rand() % i;
        std::swap(m_permutations[i], m_permutations[j]);
        m_permutations[i + size] = m_permutations[i];
        m_permutations[j + size] = m_permutations[j];
    }
}

MPoint PerlinNoise::calcNoise(float x, float y, float z, float w)
{
    return calcNoise(m_permutations, x, y, z, w);
}

MPoint PerlinNoise::calcNoise(const int* permutations, float x, float y, float z, float w)
{
    const LatticePosition px = latticePosition(x);
    const LatticePosition py = latticePosition(y);
    const LatticePosition pz = latticePosition(z);
    const LatticePosition pw = latticePosition(w);
    const int X = px.cell, Y = py.cell, Z = pz.cell, W = pw.cell;
    const float fx = px.fraction, fy = py.fraction, fz = pz.fraction, fw = pw.fraction;
    const float fx1 = fx - 1.0f, fy1 = fy - 1.0f, fz1 = fz - 1.0f;

    const float u = fade(fx), v = fade(fy), s = fade(fz), t = fade(fw);

    // Hash the corners, one axis at a time. The letters name the corner's x,
    // y and z side (A lower, B upper); the w side is added on reading.
    const int* p = permutations;
    const int A = p[X] + Y, B = p[X + 1] + Y;
    const int AA = p[A] + Z, AB = p[A + 1] + Z, BA = p[B] + Z, BB = p[B + 1] + Z;
    const int AAA = p[AA] + W, AAB = p[AA + 1] + W, ABA = p[AB] + W, ABB = p[AB + 1] + W;
    const int BAA = p[BA] + W, BAB = p[BA + 1] + W, BBA = p[BB] + W, BBB = p[BB + 1] + W;

    // The eight corners on the lower (l = 0) or upper (l = 1) w side,
    // blended along x, then y, then z.
    const auto blendCube = [&](int l, float gw) {
        return lerp(s,
                    lerp(v, lerp(u, grad(p[AAA + l], fx, fy, fz, gw), grad(p[BAA + l], fx1, fy, fz, gw)),
                         lerp(u, grad(p[ABA + l], fx, fy1, fz, gw), grad(p[BBA + l], fx1, fy1, fz, gw))),
                    lerp(v, lerp(u, grad(p[AAB + l], fx, fy, fz1, gw), grad(p[BAB + l], fx1, fy, fz1, gw)),
                         lerp(u, grad(p[ABB + l], fx, fy1, fz1, gw), grad(p[BBB + l], fx1, fy1, fz1, gw))));
    };
    const float n = lerp(t, blendCube(0, fw), blendCube(1, fw - 1.0f));
    return MPoint(n, n, n, 1.0);
}

const int* PerlinNoise::permutations()
{
    return m_permutations;
}
