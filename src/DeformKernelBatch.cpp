// DeformKernel::normalizeDirections: normalizeDirection over many directions,
// several lanes at once, in double precision. Each lane computes the squared
// length as (x * x + y * y) + z * z, compares it with the same bound, and
// divides by the square root: IEEE multiply, add, compare, square root and
// divide round the same in every lane of every instruction set, and nothing
// is fused, so every lane gets the bits of normalizeDirection.
//
// Compiled once per instruction set like PerlinNoise::calcNoiseBatch (see
// HighwayHeadersOnly.h for why Highway is used from its headers only); a
// pass runs both on the SimdTarget it read when it started.

#include "HighwayHeadersOnly.h"

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "DeformKernelBatch.cpp"
#include <hwy/foreach_target.h> // IWYU pragma: keep

#include <hwy/highway.h>

#include "DeformKernel.h"
#include "PointArithmetic.h"

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

namespace kavo_direction_batch {
namespace {

using Kernel = std::size_t (*)(double*, double*, double*, std::size_t);

// Indexed by SimdTarget::Id, as PerlinNoiseBatch.cpp's kernels.
constexpr Kernel kKernels[] = {HWY_CHOOSE_AVX3(normalizeLanes), HWY_CHOOSE_AVX2(normalizeLanes),
                               HWY_CHOOSE_SSE4(normalizeLanes), &HWY_STATIC_DISPATCH(normalizeLanes)};
static_assert(sizeof(kKernels) / sizeof(kKernels[0]) == SimdTarget::count, "one kernel per target");

} // namespace
} // namespace kavo_direction_batch

void DeformKernel::normalizeDirections(double* x, double* y, double* z, std::size_t count, SimdTarget::Id target)
{
    const std::size_t done = kavo_direction_batch::kKernels[target](x, y, z, count);
    for (std::size_t i = done; i < count; ++i) {
        MVector direction(x[i], y[i], z[i]);
        PointArithmetic::normalizeDirection(direction);
        x[i] = direction.x, y[i] = direction.y, z[i] = direction.z;
    }
}

#endif // HWY_ONCE
