// DeformKernel::normalizeDirections: normalizeDirection over many directions,
// several lanes at once, in double precision. Each lane computes the squared
// length as (x * x + y * y) + z * z, compares it with the same bound, and
// divides by the square root: IEEE multiply, add, compare, square root and
// divide round the same in every lane of every instruction set, and nothing
// is fused, so every lane gets the bits of normalizeDirection.
//
// Compiled once per instruction set like PerlinNoise::calcNoiseBatch (see
// HighwayHeadersOnly.h for why Highway is used from its headers only), and
// run on the instruction set the noise uses: tests and benchmarks choose it
// there, for both.

#include "HighwayHeadersOnly.h"

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "DeformKernelBatch.cpp"
#include <hwy/foreach_target.h>  // IWYU pragma: keep

#include <hwy/highway.h>

#include "DeformKernel.h"

#include <cstddef>

HWY_BEFORE_NAMESPACE();
namespace kavo_direction_batch {
namespace HWY_NAMESPACE {

namespace hn = hwy::HWY_NAMESPACE;

// Normalises whole vectors of lanes and answers how many lanes that was.
std::size_t normalizeLanes(double* x, double* y, double* z, std::size_t count)
{
    const hn::ScalableTag<double> d;
    const std::size_t lanes = hn::Lanes(d);
    const auto shortest = hn::Set(d, 1e-20);
    std::size_t i = 0;
    for (; i + lanes <= count; i += lanes) {
        const auto dx = hn::LoadU(d, x + i), dy = hn::LoadU(d, y + i), dz = hn::LoadU(d, z + i);
        const auto lengthSquared = (dx * dx + dy * dy) + dz * dz;
        const auto hasLength = lengthSquared > shortest;
        const auto length = hn::Sqrt(lengthSquared);
        hn::StoreU(hn::IfThenElse(hasLength, dx / length, dx), d, x + i);
        hn::StoreU(hn::IfThenElse(hasLength, dy / length, dy), d, y + i);
        hn::StoreU(hn::IfThenElse(hasLength, dz / length, dz), d, z + i);
    }
    return i;
}

} // namespace HWY_NAMESPACE
} // namespace kavo_direction_batch
HWY_AFTER_NAMESPACE();

#if HWY_ONCE

#include "PerlinNoise.h"

#include <cstring>

namespace kavo_direction_batch {
namespace {

using Kernel = std::size_t (*)(double*, double*, double*, std::size_t);

struct Target
{
    const char* name;
    Kernel kernel;
};

// The names and order of PerlinNoiseBatch.cpp's targets.
constexpr Target kTargets[] = {
#if HWY_TARGETS & HWY_AVX3
    {"AVX-512", &N_AVX3::normalizeLanes},
#endif
#if HWY_TARGETS & HWY_AVX2
    {"AVX2", &N_AVX2::normalizeLanes},
#endif
#if HWY_TARGETS & HWY_SSE4
    {"SSE4", &N_SSE4::normalizeLanes},
#endif
    {"portable", &HWY_NAMESPACE::normalizeLanes},
};

Kernel kernelFor(const char* name)
{
    for (const Target& target : kTargets)
        if (std::strcmp(target.name, name) == 0)
            return target.kernel;
    return &HWY_NAMESPACE::normalizeLanes;
}

} // namespace
} // namespace kavo_direction_batch

void DeformKernel::normalizeDirections(double* x, double* y, double* z, std::size_t count)
{
    using namespace kavo_direction_batch;
    const std::size_t done = kernelFor(PerlinNoise::simdTarget())(x, y, z, count);
    for (std::size_t i = done; i < count; ++i) {
        MVector direction(x[i], y[i], z[i]);
        normalizeDirection(direction);
        x[i] = direction.x, y[i] = direction.y, z[i] = direction.z;
    }
}

#endif // HWY_ONCE
