#include "DeformKernel.h"

#include "NoiseCalculation.h"
#include "PerlinNoise.h"
#include "PointArithmetic.h"

#include <maya/MFloatVector.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// A point in homogeneous coordinates, as plain numbers.
struct Homogeneous
{
    double x, y, z, w;
};

// MPoint * MMatrix as the host defines it: the row vector [x y z w] times
// the matrix, every component summed from x to w.
[[gnu::always_inline]] inline Homogeneous times(const Homogeneous& p, const double (&m)[4][4])
{
    return {p.x * m[0][0] + p.y * m[1][0] + p.z * m[2][0] + p.w * m[3][0],
            p.x * m[0][1] + p.y * m[1][1] + p.z * m[2][1] + p.w * m[3][1],
            p.x * m[0][2] + p.y * m[1][2] + p.z * m[2][2] + p.w * m[3][2],
            p.x * m[0][3] + p.y * m[1][3] + p.z * m[2][3] + p.w * m[3][3]};
}

void copyMatrix(const MMatrix& from, double (&to)[4][4])
{
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            to[row][column] = from.matrix[row][column];
}

} // namespace

// The points of one range that get displaced, a few at a time: enough for
// the noise to fill whole vectors, few enough to stay in the first-level
// cache. Lives on the stack of one deformRange call.
struct DeformKernel::Block
{
    static constexpr std::size_t kCapacity = 64;

    std::size_t count = 0;
    MVector normal;               // the adapter's answer for the point at hand
    std::size_t point[kCapacity]; // the point's position in the pass's arrays
    // In the handle's frame divided by the deformer's scales.
    double qx[kCapacity], qy[kCapacity], qz[kCapacity];
    double falloff[kCapacity], weight[kCapacity];
    // The direction, then amplitude x direction x falloff x weight, per axis,
    // in that order.
    double sx[kCapacity], sy[kCapacity], sz[kCapacity];
    double nx[kCapacity], ny[kCapacity], nz[kCapacity];
    // One octave's coordinates and values at a time.
    float x[kCapacity], y[kCapacity], z[kCapacity], w[kCapacity], value[kCapacity];
};

DeformKernel::DeformKernel(const DeformSettings& settings, const Points& points)
    : m_settings(settings)
    , m_points(points)
    , m_unitBox(PointArithmetic::handleRegion())
    , m_handleCenter(0.0, 0.0, 0.0, 1.0)
{
    copyMatrix(settings.worldMatrix, m_world);
    copyMatrix(settings.handleInverseMatrix, m_handleInverse);
    copyMatrix(settings.scaleMatrix, m_scale);
    const int last = NoiseCalculation::lastOctave(settings.iterations);
    for (int i = 1; i <= last; ++i)
        m_octaves.push_back({NoiseCalculation::octaveFrequency(i),
                             NoiseCalculation::octaveWeight(i, settings.iterations, settings.roughness)});
}

// The per-point path's tests for one point; a point that passes joins the
// block with its noise position and its scale. Always inlined into
// deformRange's loop: a call per point slows the batch path measurably.
[[gnu::always_inline]] inline void DeformKernel::select(std::size_t i, Block& block) const
{
    const DeformSettings& s = m_settings;
    const DeformerAttributeValues& a = s.attributes;
    const MPoint& position = m_points.positions[i];
    const Homogeneous objectPoint{position.x, position.y, position.z, position.w};
    const Homogeneous samplePoint = s.worldSpace() ? times(objectPoint, m_world) : objectPoint;
    const Homogeneous h = times(samplePoint, m_handleInverse);

    float falloff = 1.0f;
    if (a.boundingBoxState) {
        const MPoint handlePoint(h.x, h.y, h.z, h.w);
        if (!PointArithmetic::inRegion(a.boundingBoxState, m_unitBox, handlePoint))
            return;
        // Worked out before the weight test here, after it in the per-point
        // path: it depends on neither.
        falloff =
            PointArithmetic::falloffFactor(a.falloff, handlePoint, m_handleCenter, PointArithmetic::kFalloffRadius);
    }
    const float weight = PointArithmetic::pointWeight(s.envelope, m_points.paintedWeights[i]);
    if (!PointArithmetic::isWeighted(weight))
        return;

    const std::size_t k = block.count++;
    block.point[k] = i;
    if (a.alongNormals) {
        const int index = m_points.indices ? m_points.indices[i] : static_cast<int>(i);
        if (s.wrapper->getNormal(index, block.normal, s.space) != MStatus::kSuccess)
            m_normalFailed.store(true);
        block.sx[k] = block.normal.x, block.sy[k] = block.normal.y, block.sz[k] = block.normal.z;
    } else {
        block.sx[k] = block.sy[k] = block.sz[k] = 1.0;
    }
    const Homogeneous q = times(h, m_scale);
    block.qx[k] = q.x;
    block.qy[k] = q.y;
    block.qz[k] = q.z;
    block.falloff[k] = falloff;
    block.weight[k] = weight;
}

void DeformKernel::deformRange(std::size_t begin, std::size_t end) const
{
    Block block;
    std::size_t i = begin;
    while (i < end) {
        block.count = 0;
        for (; i < end && block.count < Block::kCapacity; ++i)
            select(i, block);
        scaleOf(block);
        noiseOf(block);
        for (std::size_t k = 0; k < block.count; ++k) {
            const std::size_t p = block.point[k];
            const MPoint& position = m_points.positions[p];
            MPoint& result = m_points.results[p];
            result.x = PointArithmetic::displacedCoordinate(block.sx[k], block.nx[k], position.x);
            result.y = PointArithmetic::displacedCoordinate(block.sy[k], block.ny[k], position.y);
            result.z = PointArithmetic::displacedCoordinate(block.sz[k], block.nz[k], position.z);
        }
    }
}

// The block's directions normalised (along normals), then scaled by
// amplitude, falloff and weight.
void DeformKernel::scaleOf(Block& block) const
{
    const DeformSettings& s = m_settings;
    if (s.attributes.alongNormals)
        normalizeDirections(block.sx, block.sy, block.sz, block.count, m_simdTarget);
    for (std::size_t k = 0; k < block.count; ++k) {
        const double f = block.falloff[k];
        const double w = block.weight[k];
        block.sx[k] = PointArithmetic::displacementScale(s.amplitude.x, block.sx[k], f, w);
        block.sy[k] = PointArithmetic::displacementScale(s.amplitude.y, block.sy[k], f, w);
        block.sz[k] = PointArithmetic::displacementScale(s.amplitude.z, block.sz[k], f, w);
    }
}

// NoiseCalculation::calculateNoise with PerlinNoise for every point of the
// block, one octave of all of them at a time; or the sampled colours.
void DeformKernel::noiseOf(Block& block) const
{
    const DeformSettings& s = m_settings;
    const std::size_t count = block.count;
    if (s.textureColors) {
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t p = block.point[k];
            const MPoint color = PointArithmetic::sampledColor(
                *s.textureColors, m_points.indices ? m_points.indices[p] : static_cast<int>(p));
            block.nx[k] = color.x;
            block.ny[k] = color.y;
            block.nz[k] = color.z;
        }
        return;
    }

    const auto octaveValue = [&](std::size_t k) { return PointArithmetic::octaveValue(block.value[k], s.absolute); };
    double* sum = block.nx;
    for (std::size_t k = 0; k < count; ++k) {
        block.x[k] = static_cast<float>(block.qx[k]);
        block.y[k] = static_cast<float>(block.qy[k]);
        block.z[k] = static_cast<float>(block.qz[k]);
        block.w[k] = s.seconds;
    }
    PerlinNoise::calcNoiseBatch(s.permutations, block.x, block.y, block.z, block.w, block.value, count, m_simdTarget);
    for (std::size_t k = 0; k < count; ++k)
        sum[k] = octaveValue(k);

    for (const Octave& octave : m_octaves) {
        const float frequency = octave.frequency;
        for (std::size_t k = 0; k < count; ++k) {
            block.x[k] = static_cast<float>(PointArithmetic::octaveCoordinate(block.qx[k], frequency));
            block.y[k] = static_cast<float>(PointArithmetic::octaveCoordinate(block.qy[k], frequency));
            block.z[k] = static_cast<float>(PointArithmetic::octaveCoordinate(block.qz[k], frequency));
            block.w[k] = PointArithmetic::octaveTime(s.seconds, frequency);
        }
        PerlinNoise::calcNoiseBatch(s.permutations, block.x, block.y, block.z, block.w, block.value, count,
                                    m_simdTarget);
        for (std::size_t k = 0; k < count; ++k)
            sum[k] = PointArithmetic::addOctave(sum[k], octaveValue(k), octave.weight);
    }

    // The sum is the same on every axis; the sine adds each axis's own
    // coordinate first.
    for (std::size_t k = 0; k < count; ++k) {
        const double n = sum[k];
        block.nx[k] = s.sine ? PointArithmetic::sinePattern(n, block.qx[k]) : n;
        block.ny[k] = s.sine ? PointArithmetic::sinePattern(n, block.qy[k]) : n;
        block.nz[k] = s.sine ? PointArithmetic::sinePattern(n, block.qz[k]) : n;
    }
}

namespace {

// Equal to the bit, but any NaN equals any other: which NaN an operation on
// two of them gives depends on the order of its operands, which a compiler
// may swap in a product or a sum, here and in the host alike.
bool sameValue(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

// The numbers the host's arithmetic is checked on: the special ones, then
// pseudo-random ones of every size, the same on every run.
std::vector<double> probeValues()
{
    using Limits = std::numeric_limits<double>;
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  -1.0,
                                  0.1,
                                  1.0 / 3.0,
                                  1e300,
                                  -1e300,
                                  Limits::max(),
                                  -Limits::max(),
                                  1e-300,
                                  Limits::min(),
                                  Limits::denorm_min(),
                                  -1e-310,
                                  1e-10,
                                  Limits::infinity(),
                                  -Limits::infinity(),
                                  Limits::quiet_NaN()};
    std::uint64_t state = 0x2545F4914F6CDD1DULL;
    for (int k = 0; k < 46; ++k) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const double unit = static_cast<double>(state >> 11) / 9007199254740992.0; // [0, 1)
        const int exponent = static_cast<int>((state >> 3) % 40) - 20;
        values.push_back((unit - 0.5) * std::ldexp(1.0, exponent));
    }
    return values;
}

// Point i of the probes: four consecutive values, so every value stands in
// every coordinate somewhere.
MPoint probePoint(const std::vector<double>& values, std::size_t i)
{
    const std::size_t n = values.size();
    return MPoint(values[i % n], values[(i + 1) % n], values[(i + 2) % n], values[(i + 3) % n]);
}

bool productsAgree(const std::vector<double>& values)
{
    const std::size_t n = values.size();
    for (std::size_t m = 0; m < n; m += 8) {
        double table[4][4];
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 4; ++column)
                table[row][column] = values[(m + 5 * row + column) % n];
        const MMatrix matrix(table);
        for (std::size_t i = 0; i < n; ++i) {
            const MPoint p = probePoint(values, i);
            const MPoint host = p * matrix;
            const Homogeneous own = times({p.x, p.y, p.z, p.w}, table);
            if (!sameValue(host.x, own.x) || !sameValue(host.y, own.y) || !sameValue(host.z, own.z) ||
                !sameValue(host.w, own.w))
                return false;
        }
    }
    return true;
}

bool normalisationAgrees(const std::vector<double>& values)
{
    const std::size_t n = values.size();
    std::vector<double> x(n), y(n), z(n);
    for (std::size_t i = 0; i < n; ++i) {
        const MPoint p = probePoint(values, i);
        x[i] = p.x, y[i] = p.y, z[i] = p.z;
    }
    DeformKernel::normalizeDirections(x.data(), y.data(), z.data(), n, SimdTarget::chosen());
    for (std::size_t i = 0; i < n; ++i) {
        const MPoint p = probePoint(values, i);
        MVector host(p.x, p.y, p.z);
        PointArithmetic::normalizeDirection(host);
        if (!sameValue(host.x, x[i]) || !sameValue(host.y, y[i]) || !sameValue(host.z, z[i]))
            return false;
    }
    return true;
}

} // namespace

bool DeformKernel::agreesWithHost()
{
    const std::vector<double> values = probeValues();
    return productsAgree(values) && normalisationAgrees(values);
}
