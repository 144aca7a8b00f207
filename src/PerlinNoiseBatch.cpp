// PerlinNoise::calcNoiseBatch: calcNoise over many points, several lanes at
// once. Each lane does the operations of calcNoise in the same order, with
// single-precision add, subtract, multiply and compare, which IEEE arithmetic
// rounds the same in every lane of every instruction set; nothing is fused
// (the build keeps -ffp-contract=off and no multiply-add is written), so
// every instruction set gives the bits of calcNoise.
//
// The kernel is compiled once per instruction set here; SimdTarget says
// which one runs (see HighwayHeadersOnly.h for why not Highway's own
// dispatch).

#include "HighwayHeadersOnly.h"

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "PerlinNoiseBatch.cpp"
#include <hwy/foreach_target.h> // IWYU pragma: keep

#include <hwy/highway.h>

#include "PerlinNoise.h"

#include <cstddef>
#include <cstdint>

HWY_BEFORE_NAMESPACE();
namespace kavo_noise_batch {
namespace HWY_NAMESPACE {

namespace hn = hwy::HWY_NAMESPACE;

using FloatTag = hn::ScalableTag<float>;
using IntTag = hn::RebindToSigned<FloatTag>;
using FloatVec = hn::Vec<FloatTag>;
using IntVec = hn::Vec<IntTag>;

// The lanes' cells (low 8 bits of the coordinate rounded down) and their
// fractions, as latticePosition in PerlinNoise.cpp: a coordinate outside the
// range of a 32-bit integer (NaN among them) lies on the lattice point of
// cell 0.
HWY_INLINE void latticePosition(FloatVec coordinate, IntVec& cell, FloatVec& fraction)
{
    const FloatTag df;
    const IntTag di;
    const auto fits = hn::And(coordinate >= hn::Set(df, -2147483648.0f), coordinate < hn::Set(df, 2147483648.0f));
    // Such a coordinate becomes +0 before it is converted: the portable
    // kernels convert lane by lane in C++, where converting it is undefined.
    // +0 gives cell 0 and fraction +0, as calcNoise does for it.
    const FloatVec placed = hn::IfThenElseZero(fits, coordinate);
    IntVec roundedDown = hn::ConvertTo(di, placed); // toward zero
    const auto above = hn::RebindMask(di, hn::ConvertTo(df, roundedDown) > placed);
    roundedDown = hn::IfThenElse(above, roundedDown - hn::Set(di, 1), roundedDown);
    cell = hn::And(roundedDown, hn::Set(di, 255));
    fraction = placed - hn::ConvertTo(df, roundedDown);
}

HWY_INLINE FloatVec fade(FloatVec t)
{
    const FloatTag df;
    return t * t * t * ((t * hn::Set(df, 6.0f) - hn::Set(df, 15.0f)) * t + hn::Set(df, 10.0f));
}

HWY_INLINE FloatVec lerp(FloatVec t, FloatVec a, FloatVec b)
{
    return (b - a) * t + a;
}

// PerlinNoise::grad per lane: the same components, signs flipped by their
// sign bits, summed (a + b) + c.
HWY_INLINE FloatVec grad(IntVec hash, FloatVec x, FloatVec y, FloatVec z, FloatVec w)
{
    const FloatTag df;
    const IntTag di;
    const IntVec h = hn::And(hash, hn::Set(di, 31));
    const IntVec selector = hn::ShiftRight<3>(h);
    const auto takesWxy = hn::RebindMask(df, selector == hn::Set(di, 1));
    const auto takesZwx = hn::RebindMask(df, selector == hn::Set(di, 2));
    const FloatVec a = hn::IfThenElse(takesWxy, w, hn::IfThenElse(takesZwx, z, y));
    const FloatVec b = hn::IfThenElse(takesWxy, x, hn::IfThenElse(takesZwx, w, z));
    const FloatVec c = hn::IfThenElse(takesWxy, y, hn::IfThenElse(takesZwx, x, w));
    // A clear bit of h (4 for a, 2 for b, 1 for c) negates: moved to the sign
    // bit, it flips the sign as negation does.
    const FloatVec signedA = hn::Xor(a, hn::BitCast(df, hn::ShiftLeft<29>(hn::AndNot(h, hn::Set(di, 4)))));
    const FloatVec signedB = hn::Xor(b, hn::BitCast(df, hn::ShiftLeft<30>(hn::AndNot(h, hn::Set(di, 2)))));
    const FloatVec signedC = hn::Xor(c, hn::BitCast(df, hn::ShiftLeft<31>(hn::AndNot(h, hn::Set(di, 1)))));
    return (signedA + signedB) + signedC;
}

// table[index] and table[index + 1] for every lane. Where lanes come in
// pairs, one 8-byte load per lane fetches both (half the loads of two
// gathers); a single lane reads them one by one.
HWY_INLINE void tablePair(const int32_t* table, IntVec index, IntVec& first, IntVec& second)
{
    const IntTag di;
#if HWY_TARGET == HWY_SCALAR
    first = hn::GatherIndex(di, table, index);
    second = hn::GatherIndex(di, table, index + hn::Set(di, 1));
#else
    const hn::Repartition<int64_t, IntTag> dw;
    const hn::Half<IntTag> dh;
    const auto* pairs = reinterpret_cast<const int64_t*>(table);
    const auto lower = hn::GatherOffset(dw, pairs, hn::ShiftLeft<2>(hn::PromoteTo(dw, hn::LowerHalf(dh, index))));
    const auto upper = hn::GatherOffset(dw, pairs, hn::ShiftLeft<2>(hn::PromoteTo(dw, hn::UpperHalf(dh, index))));
    // Little-endian: the entry at index is the low half of each 8 bytes.
    first = hn::ConcatEven(di, hn::BitCast(di, upper), hn::BitCast(di, lower));
    second = hn::ConcatOdd(di, hn::BitCast(di, upper), hn::BitCast(di, lower));
#endif
}

// calcNoise for one vector of lanes; table is the doubled working table.
HWY_INLINE FloatVec noiseLanes(FloatVec x, FloatVec y, FloatVec z, FloatVec w, const int32_t* table)
{
    const FloatTag df;
    IntVec X, Y, Z, W;
    FloatVec fx, fy, fz, fw;
    latticePosition(x, X, fx);
    latticePosition(y, Y, fy);
    latticePosition(z, Z, fz);
    latticePosition(w, W, fw);
    const FloatVec one = hn::Set(df, 1.0f);
    const FloatVec fx1 = fx - one, fy1 = fy - one, fz1 = fz - one;
    const FloatVec u = fade(fx), v = fade(fy), s = fade(fz), t = fade(fw);

    IntVec pX, pX1;
    tablePair(table, X, pX, pX1);
    const IntVec A = pX + Y, B = pX1 + Y;
    IntVec pA, pA1, pB, pB1;
    tablePair(table, A, pA, pA1);
    tablePair(table, B, pB, pB1);
    const IntVec AA = pA + Z, AB = pA1 + Z, BA = pB + Z, BB = pB1 + Z;
    IntVec pAA, pAA1, pAB, pAB1, pBA, pBA1, pBB, pBB1;
    tablePair(table, AA, pAA, pAA1);
    tablePair(table, AB, pAB, pAB1);
    tablePair(table, BA, pBA, pBA1);
    tablePair(table, BB, pBB, pBB1);
    const IntVec AAA = pAA + W, AAB = pAA1 + W, ABA = pAB + W, ABB = pAB1 + W;
    const IntVec BAA = pBA + W, BAB = pBA1 + W, BBA = pBB + W, BBB = pBB1 + W;

    // The corners' hashes: [0] for the cube at the lower w, [1] the upper.
    IntVec hAAA[2], hBAA[2], hABA[2], hBBA[2], hAAB[2], hBAB[2], hABB[2], hBBB[2];
    tablePair(table, AAA, hAAA[0], hAAA[1]);
    tablePair(table, BAA, hBAA[0], hBAA[1]);
    tablePair(table, ABA, hABA[0], hABA[1]);
    tablePair(table, BBA, hBBA[0], hBBA[1]);
    tablePair(table, AAB, hAAB[0], hAAB[1]);
    tablePair(table, BAB, hBAB[0], hBAB[1]);
    tablePair(table, ABB, hABB[0], hABB[1]);
    tablePair(table, BBB, hBBB[0], hBBB[1]);

    // Inlined: as a call it passes its vectors through memory, which costs
    // the pass several per cent with four octaves.
    const auto blendCube = [&](int l, FloatVec gw) __attribute__((always_inline))
    {
        return lerp(s,
                    lerp(v, lerp(u, grad(hAAA[l], fx, fy, fz, gw), grad(hBAA[l], fx1, fy, fz, gw)),
                         lerp(u, grad(hABA[l], fx, fy1, fz, gw), grad(hBBA[l], fx1, fy1, fz, gw))),
                    lerp(v, lerp(u, grad(hAAB[l], fx, fy, fz1, gw), grad(hBAB[l], fx1, fy, fz1, gw)),
                         lerp(u, grad(hABB[l], fx, fy1, fz1, gw), grad(hBBB[l], fx1, fy1, fz1, gw))));
    };
    return lerp(t, blendCube(0, fw), blendCube(1, fw - one));
}

// Fills n for whole vectors of lanes and answers how many lanes that was.
std::size_t noiseBatch(const float* x, const float* y, const float* z, const float* w, float* n, std::size_t count,
                       const int32_t* table)
{
    const FloatTag df;
    const std::size_t lanes = hn::Lanes(df);
    std::size_t i = 0;
    for (; i + lanes <= count; i += lanes) {
        const FloatVec value =
            noiseLanes(hn::LoadU(df, x + i), hn::LoadU(df, y + i), hn::LoadU(df, z + i), hn::LoadU(df, w + i), table);
        hn::StoreU(value, df, n + i);
    }
    return i;
}

} // namespace HWY_NAMESPACE
} // namespace kavo_noise_batch
HWY_AFTER_NAMESPACE();

#if HWY_ONCE

namespace kavo_noise_batch {
namespace {

using Kernel = std::size_t (*)(const float*, const float*, const float*, const float*, float*, std::size_t,
                               const int32_t*);

// Indexed by SimdTarget::Id; null for an instruction set this build did not
// compile, which SimdTarget never chooses. (HWY_CHOOSE_* and
// HWY_STATIC_DISPATCH only name a target's function: nothing of libhwy.)
constexpr Kernel kKernels[] = {HWY_CHOOSE_AVX3(noiseBatch), HWY_CHOOSE_AVX2(noiseBatch), HWY_CHOOSE_SSE4(noiseBatch),
                               &HWY_STATIC_DISPATCH(noiseBatch)};
static_assert(sizeof(kKernels) / sizeof(kKernels[0]) == SimdTarget::count, "one kernel per target");

} // namespace
} // namespace kavo_noise_batch

void PerlinNoise::calcNoiseBatch(const float* x, const float* y, const float* z, const float* w, float* n,
                                 std::size_t count, SimdTarget::Id target)
{
    calcNoiseBatch(m_permutations, x, y, z, w, n, count, target);
}

void PerlinNoise::calcNoiseBatch(const int* permutations, const float* x, const float* y, const float* z,
                                 const float* w, float* n, std::size_t count, SimdTarget::Id target)
{
    const std::size_t done = kavo_noise_batch::kKernels[target](x, y, z, w, n, count, permutations);
    for (std::size_t i = done; i < count; ++i)
        n[i] = static_cast<float>(calcNoise(permutations, x[i], y[i], z[i], w[i]).x);
}

#endif // HWY_ONCE
