// DeformLanes: DeformKernel's steps over several points at once. Each lane
// does the IEEE operations of the scalar step (multiply, add, compare,
// divide, square root, conversions between single and double precision) in
// its order; they round the same in every lane of every instruction set, and
// nothing is fused (the build keeps -ffp-contract=off and no multiply-add is
// written), so every lane gets the bits of the scalar step. Where the
// scalar step compares, the lanes compare the same way: ordered (false for
// NaN), and "not equal" is written as the negation of "equal", which C++'s
// != is and Highway's != is not on every target.
//
// Compiled once per instruction set like PerlinNoise::calcNoiseBatch (see
// HighwayHeadersOnly.h for why Highway is used from its headers only); a
// pass runs every step on the SimdTarget it read when it started.

#include "HighwayHeadersOnly.h"

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "DeformKernelBatch.cpp"
#include <hwy/foreach_target.h> // IWYU pragma: keep

#include <hwy/highway.h>

#include "DeformLanes.h"
#include "PointArithmetic.h"

#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <cstddef>
#include <cstdint>

HWY_BEFORE_NAMESPACE();
namespace kavo_deform_lanes {
namespace HWY_NAMESPACE {

namespace hn = hwy::HWY_NAMESPACE;

using DeformLanes::Octave;
using DeformLanes::PassConstants;

using DoubleTag = hn::ScalableTag<double>;
using FloatTag = hn::Rebind<float, DoubleTag>; // as many lanes, single precision
using IndexTag = hn::RebindToUnsigned<DoubleTag>;
using DoubleVec = hn::Vec<DoubleTag>;
using FloatVec = hn::Vec<FloatTag>;
using DoubleMask = hn::Mask<DoubleTag>;

// Points in homogeneous coordinates, one per lane.
struct Homogeneous
{
    DoubleVec x, y, z, w;
};

// The points stored as the host's MPoint (x, y, z, w in double) from
// positions[0], one per lane.
HWY_INLINE Homogeneous loadPoints(const MPoint* positions)
{
    const DoubleTag d;
    Homogeneous p;
    hn::LoadInterleaved4(d, &positions->x, p.x, p.y, p.z, p.w);
    return p;
}

// Column c of the row vectors p times m: the sum from x to w.
HWY_INLINE DoubleVec column(const Homogeneous& p, const double (&m)[4][4], int c)
{
    const DoubleTag d;
    return p.x * hn::Set(d, m[0][c]) + p.y * hn::Set(d, m[1][c]) + p.z * hn::Set(d, m[2][c]) +
           p.w * hn::Set(d, m[3][c]);
}

HWY_INLINE Homogeneous times(const Homogeneous& p, const double (&m)[4][4])
{
    return {column(p, m, 0), column(p, m, 1), column(p, m, 2), column(p, m, 3)};
}

// static_cast<float> in every lane. The portable targets' DemoteTo clamps
// what single precision cannot hold to its largest value; the conversion
// of the scalar code and of the vector instructions rounds it to infinity.
HWY_INLINE FloatVec toFloat(DoubleVec wide)
{
    const FloatTag df;
#if HWY_TARGET == HWY_EMU128 || HWY_TARGET == HWY_SCALAR
    const DoubleTag d;
    constexpr std::size_t kMaxLanes = HWY_MAX_BYTES / sizeof(double);
    double from[kMaxLanes];
    float to[kMaxLanes];
    hn::StoreU(wide, d, from);
    for (std::size_t i = 0; i < hn::Lanes(d); ++i)
        to[i] = static_cast<float>(from[i]);
    return hn::LoadU(df, to);
#else
    return hn::DemoteTo(df, wide);
#endif
}

// The points divided by w where w is neither 0 nor 1, as the host makes a
// point cartesian; w itself is not needed after.
HWY_INLINE void cartesian(const Homogeneous& p, DoubleVec& x, DoubleVec& y, DoubleVec& z)
{
    const DoubleTag d;
    const DoubleMask divides = hn::Not(hn::Or(p.w == hn::Zero(d), p.w == hn::Set(d, 1.0)));
    x = hn::IfThenElse(divides, p.x / p.w, p.x);
    y = hn::IfThenElse(divides, p.y / p.w, p.y);
    z = hn::IfThenElse(divides, p.z / p.w, p.z);
}

HWY_INLINE DoubleMask inRegion(const PassConstants& c, DoubleVec x, DoubleVec y, DoubleVec z)
{
    const DoubleTag d;
    const auto within = [&](DoubleVec v, int axis) {
        return hn::And(v >= hn::Set(d, c.regionMin[axis]), v <= hn::Set(d, c.regionMax[axis]));
    };
    return hn::And(hn::And(within(x, 0), within(y, 1)), within(z, 2));
}

// PointArithmetic::falloffAtDistance of the ramp, the distance from the
// handle's origin taken in double precision and rounded to single.
HWY_INLINE DoubleVec falloffRamp(const PassConstants& c, DoubleVec x, DoubleVec y, DoubleVec z)
{
    const DoubleTag d;
    const FloatTag df;
    const DoubleVec dx = x - hn::Set(d, c.center[0]);
    const DoubleVec dy = y - hn::Set(d, c.center[1]);
    const DoubleVec dz = z - hn::Set(d, c.center[2]);
    const FloatVec distance = toFloat(hn::Sqrt((dx * dx + dy * dy) + dz * dz));
    const FloatVec radius = hn::Set(df, c.falloffRadius);
    const FloatVec ramp = hn::Set(df, c.falloff.slope) * (radius - distance);
    // std::min(ramp, radius): radius only when it is less.
    const FloatVec plateau = hn::IfThenElse(radius < ramp, radius, ramp);
    return hn::PromoteTo(d, hn::IfThenZeroElse(distance > radius, plateau / radius));
}

// The falloff factor of points in the handle's unscaled frame.
HWY_INLINE DoubleVec falloffOf(const PassConstants& c, DoubleVec x, DoubleVec y, DoubleVec z)
{
    const DoubleTag d;
    switch (c.falloff.kind) {
    case PointArithmetic::FalloffShape::none: return hn::Zero(d);
    case PointArithmetic::FalloffShape::full: return hn::Set(d, 1.0);
    default: return falloffRamp(c, x, y, z);
    }
}

// The lanes of v whose points move, stored in their order from to. A
// vector where every point moves is stored as it is: compressing costs a
// table look-up or a slow store, depending on the processor, so only
// vectors where some points move and some do not pay for it. The
// compressing store may write the whole vector; each vector adds at most as
// many points as it looked at, so that stays within the block.
template <class Tag>
HWY_INLINE void appendMoving(Tag d, hn::Vec<Tag> v, DoubleMask moves, bool allMove, hn::TFromD<Tag>* to)
{
    if (allMove)
        hn::StoreU(v, d, to);
    else
        hn::CompressStore(v, hn::RebindMask(d, moves), d, to);
}

std::size_t selectLanes(const PassConstants& c, const MPoint* positions, const float* paintedWeights, std::size_t first,
                        std::size_t count, DeformBlock& block)
{
    const DoubleTag d;
    const FloatTag df;
    const IndexTag di;
    const std::size_t lanes = hn::Lanes(d);
    std::size_t i = 0;
    for (; i + lanes <= count; i += lanes) {
        Homogeneous p = loadPoints(positions + first + i);
        if (c.worldSpace)
            p = times(p, c.world);
        const Homogeneous h = times(p, c.handleInverse);

        const FloatVec weight = hn::Set(df, c.envelope) * hn::LoadU(df, paintedWeights + i);
        const DoubleVec wideWeight = hn::PromoteTo(d, weight);
        DoubleMask moves = wideWeight > hn::Zero(d);
        DoubleVec falloff = hn::Set(d, 1.0);
        if (c.inRegionOnly) {
            DoubleVec x, y, z;
            cartesian(h, x, y, z);
            moves = hn::And(moves, inRegion(c, x, y, z));
            falloff = falloffOf(c, x, y, z);
        }

        if (hn::AllFalse(d, moves))
            continue;
        const bool all = hn::AllTrue(d, moves);
        const std::size_t at = block.count;
        appendMoving(d, column(h, c.scale, 0), moves, all, block.qx + at);
        appendMoving(d, column(h, c.scale, 1), moves, all, block.qy + at);
        appendMoving(d, column(h, c.scale, 2), moves, all, block.qz + at);
        appendMoving(d, falloff, moves, all, block.falloff + at);
        appendMoving(d, wideWeight, moves, all, block.weight + at);
        appendMoving(di, hn::Iota(di, first + i), moves, all, block.point + at);
        block.count += hn::CountTrue(d, moves);
    }
    return i;
}

std::size_t normalizeLanes(double* x, double* y, double* z, std::size_t count)
{
    const DoubleTag d;
    const std::size_t lanes = hn::Lanes(d);
    const auto shortest = hn::Set(d, PointArithmetic::kShortestSquaredLength);
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

std::size_t scaleLanes(const double (&amplitude)[3], DeformBlock& b)
{
    const DoubleTag d;
    const std::size_t lanes = hn::Lanes(d);
    std::size_t k = 0;
    for (; k + lanes <= b.count; k += lanes) {
        const DoubleVec falloff = hn::LoadU(d, b.falloff + k), weight = hn::LoadU(d, b.weight + k);
        const auto scaled = [&](double* direction, double axisAmplitude) {
            hn::StoreU(((hn::Set(d, axisAmplitude) * hn::LoadU(d, direction + k)) * falloff) * weight, d,
                       direction + k);
        };
        scaled(b.sx, amplitude[0]);
        scaled(b.sy, amplitude[1]);
        scaled(b.sz, amplitude[2]);
    }
    return k;
}

std::size_t coordinateLanes(DeformBlock& b, const Octave* octave)
{
    const DoubleTag d;
    const FloatTag df;
    const std::size_t lanes = hn::Lanes(d);
    std::size_t k = 0;
    for (; k + lanes <= b.count; k += lanes) {
        const auto coordinate = [&](const double* q, float* to) {
            const DoubleVec v = hn::LoadU(d, q + k);
            hn::StoreU(toFloat(octave ? v * hn::Set(d, octave->frequency) : v), df, to + k);
        };
        coordinate(b.qx, b.x);
        coordinate(b.qy, b.y);
        coordinate(b.qz, b.z);
    }
    return k;
}

std::size_t addOctaveLanes(DeformBlock& b, const Octave* octave, bool absolute)
{
    const DoubleTag d;
    const FloatTag df;
    const std::size_t lanes = hn::Lanes(d);
    std::size_t k = 0;
    for (; k + lanes <= b.count; k += lanes) {
        DoubleVec value = hn::PromoteTo(d, hn::LoadU(df, b.value + k));
        if (absolute)
            value = hn::Abs(value);
        if (octave)
            value = hn::LoadU(d, b.nx + k) + value * hn::Set(d, octave->weight);
        hn::StoreU(value, d, b.nx + k);
    }
    return k;
}

// Every point of the chunk moves: the block's k-th point is first + k.
std::size_t displaceLanes(const DeformBlock& b, std::size_t first, const MPoint* positions, MPoint* results)
{
    const DoubleTag d;
    const std::size_t lanes = hn::Lanes(d);
    std::size_t k = 0;
    for (; k + lanes <= b.count; k += lanes) {
        const Homogeneous p = loadPoints(positions + first + k);
        const DoubleVec x = hn::LoadU(d, b.sx + k) * hn::LoadU(d, b.nx + k) + p.x;
        const DoubleVec y = hn::LoadU(d, b.sy + k) * hn::LoadU(d, b.ny + k) + p.y;
        const DoubleVec z = hn::LoadU(d, b.sz + k) * hn::LoadU(d, b.nz + k) + p.z;
        hn::StoreInterleaved4(x, y, z, p.w, d, &results[first + k].x);
    }
    return k;
}

} // namespace HWY_NAMESPACE
} // namespace kavo_deform_lanes
HWY_AFTER_NAMESPACE();

#if HWY_ONCE

static_assert(sizeof(MPoint) == 4 * sizeof(double), "the lanes read and write MPoint as four doubles");

namespace kavo_deform_lanes {
namespace {

struct Kernels
{
    std::size_t (*select)(const DeformLanes::PassConstants&, const MPoint*, const float*, std::size_t, std::size_t,
                          DeformBlock&);
    std::size_t (*normalize)(double*, double*, double*, std::size_t);
    std::size_t (*scale)(const double (&)[3], DeformBlock&);
    std::size_t (*coordinates)(DeformBlock&, const DeformLanes::Octave*);
    std::size_t (*addOctave)(DeformBlock&, const DeformLanes::Octave*, bool);
    std::size_t (*displace)(const DeformBlock&, std::size_t, const MPoint*, MPoint*);
};

#define KAVO_LANE_KERNELS(CHOOSE)                                                                                      \
    {                                                                                                                  \
        CHOOSE(selectLanes), CHOOSE(normalizeLanes), CHOOSE(scaleLanes), CHOOSE(coordinateLanes),                      \
            CHOOSE(addOctaveLanes), CHOOSE(displaceLanes)                                                              \
    }
#define KAVO_STATIC_LANES(name) &HWY_STATIC_DISPATCH(name)

// Indexed by SimdTarget::Id, as PerlinNoiseBatch.cpp's kernels; null for an
// instruction set this build did not compile, which SimdTarget never
// chooses.
constexpr Kernels kKernels[] = {KAVO_LANE_KERNELS(HWY_CHOOSE_AVX3), KAVO_LANE_KERNELS(HWY_CHOOSE_AVX2),
                                KAVO_LANE_KERNELS(HWY_CHOOSE_SSE4), KAVO_LANE_KERNELS(KAVO_STATIC_LANES)};
static_assert(sizeof(kKernels) / sizeof(kKernels[0]) == SimdTarget::count, "one set of kernels per target");

#undef KAVO_LANE_KERNELS
#undef KAVO_STATIC_LANES

} // namespace
} // namespace kavo_deform_lanes

namespace DeformLanes {

using kavo_deform_lanes::kKernels;

std::size_t select(const PassConstants& constants, const MPoint* positions, const float* paintedWeights,
                   std::size_t first, std::size_t count, DeformBlock& block, SimdTarget::Id target)
{
    return kKernels[target].select(constants, positions, paintedWeights, first, count, block);
}

void normalizeDirections(double* x, double* y, double* z, std::size_t count, SimdTarget::Id target)
{
    for (std::size_t i = kKernels[target].normalize(x, y, z, count); i < count; ++i) {
        MVector direction(x[i], y[i], z[i]);
        PointArithmetic::normalizeDirection(direction);
        x[i] = direction.x, y[i] = direction.y, z[i] = direction.z;
    }
}

void scale(const double (&amplitude)[3], DeformBlock& b, SimdTarget::Id target)
{
    for (std::size_t k = kKernels[target].scale(amplitude, b); k < b.count; ++k) {
        b.sx[k] = PointArithmetic::displacementScale(amplitude[0], b.sx[k], b.falloff[k], b.weight[k]);
        b.sy[k] = PointArithmetic::displacementScale(amplitude[1], b.sy[k], b.falloff[k], b.weight[k]);
        b.sz[k] = PointArithmetic::displacementScale(amplitude[2], b.sz[k], b.falloff[k], b.weight[k]);
    }
}

void octaveCoordinates(DeformBlock& b, const Octave* octave, SimdTarget::Id target)
{
    const auto coordinate = [&](double q) {
        return static_cast<float>(octave ? PointArithmetic::octaveCoordinate(q, octave->frequency) : q);
    };
    for (std::size_t k = kKernels[target].coordinates(b, octave); k < b.count; ++k) {
        b.x[k] = coordinate(b.qx[k]);
        b.y[k] = coordinate(b.qy[k]);
        b.z[k] = coordinate(b.qz[k]);
    }
}

void addOctave(DeformBlock& b, const Octave* octave, bool absolute, SimdTarget::Id target)
{
    for (std::size_t k = kKernels[target].addOctave(b, octave, absolute); k < b.count; ++k) {
        const double value = PointArithmetic::octaveValue(b.value[k], absolute);
        b.nx[k] = octave ? PointArithmetic::addOctave(b.nx[k], value, octave->weight) : value;
    }
}

void displace(const DeformBlock& b, std::size_t first, std::size_t chunkCount, const MPoint* positions, MPoint* results,
              SimdTarget::Id target)
{
    const bool wholeChunk = b.count == chunkCount;
    for (std::size_t k = wholeChunk ? kKernels[target].displace(b, first, positions, results) : 0; k < b.count; ++k) {
        const std::size_t p = b.point[k];
        results[p].x = PointArithmetic::displacedCoordinate(b.sx[k], b.nx[k], positions[p].x);
        results[p].y = PointArithmetic::displacedCoordinate(b.sy[k], b.ny[k], positions[p].y);
        results[p].z = PointArithmetic::displacedCoordinate(b.sz[k], b.nz[k], positions[p].z);
    }
}

} // namespace DeformLanes

#endif // HWY_ONCE
