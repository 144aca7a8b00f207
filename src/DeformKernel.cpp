#include "DeformKernel.h"

#include "NoiseCalculation.h"
#include "PerlinNoise.h"
#include "PointArithmetic.h"

#include <maya/MBoundingBox.h>
#include <maya/MFloatVector.h>
#include <maya/MVector.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace {

using DeformLanes::PassConstants;

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

// The point divided by w where w is neither 0 nor 1, as the host makes a
// point cartesian (MBoundingBox::contains and MPoint::distanceTo do).
[[gnu::always_inline]] inline Homogeneous cartesian(const Homogeneous& p)
{
    if (p.w != 0.0 && p.w != 1.0)
        return {p.x / p.w, p.y / p.w, p.z / p.w, 1.0};
    return p;
}

// MBoundingBox::contains for the handle's region, of a cartesian point.
[[gnu::always_inline]] inline bool inRegion(const PassConstants& c, const Homogeneous& p)
{
    return p.x >= c.regionMin[0] && p.x <= c.regionMax[0] && p.y >= c.regionMin[1] && p.y <= c.regionMax[1] &&
           p.z >= c.regionMin[2] && p.z <= c.regionMax[2];
}

// MPoint::distanceTo the handle's origin, of a cartesian point.
[[gnu::always_inline]] inline double distanceToCenter(const PassConstants& c, const Homogeneous& p)
{
    const double dx = p.x - c.center[0], dy = p.y - c.center[1], dz = p.z - c.center[2];
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// PointArithmetic::falloffFactor of a cartesian point in the handle's frame.
[[gnu::always_inline]] inline float falloffOf(const PassConstants& c, const Homogeneous& p)
{
    switch (c.falloff.kind) {
    case PointArithmetic::FalloffShape::none: return 0.0f;
    case PointArithmetic::FalloffShape::full: return 1.0f;
    default:
        return PointArithmetic::falloffAtDistance(static_cast<float>(distanceToCenter(c, p)), c.falloff.slope,
                                                  c.falloffRadius);
    }
}

void copyMatrix(const MMatrix& from, double (&to)[4][4])
{
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            to[row][column] = from.matrix[row][column];
}

// The handle's region and origin, as PointArithmetic places them.
void placeRegion(PassConstants& c)
{
    const MBoundingBox region = PointArithmetic::handleRegion();
    const MPoint lowest = region.min(), highest = region.max();
    for (int axis = 0; axis < 3; ++axis) {
        c.regionMin[axis] = lowest[axis];
        c.regionMax[axis] = highest[axis];
        c.center[axis] = 0.0;
    }
}

PassConstants passConstants(const DeformSettings& s)
{
    PassConstants c;
    copyMatrix(s.worldMatrix, c.world);
    copyMatrix(s.handleInverseMatrix, c.handleInverse);
    copyMatrix(s.scaleMatrix, c.scale);
    c.worldSpace = s.worldSpace();
    c.inRegionOnly = s.attributes.boundingBoxState;
    placeRegion(c);
    c.falloff = PointArithmetic::falloffShape(s.attributes.falloff, c.falloffRadius);
    c.envelope = s.envelope;
    for (int axis = 0; axis < 3; ++axis)
        c.amplitude[axis] = s.amplitude[axis];
    return c;
}

} // namespace

DeformKernel::DeformKernel(const DeformSettings& settings, const Points& points)
    : m_settings(settings)
    , m_constants(passConstants(settings))
    , m_points(points)
{
    const int last = NoiseCalculation::lastOctave(settings.iterations);
    for (int i = 1; i <= last; ++i)
        m_octaves.push_back({NoiseCalculation::octaveFrequency(i),
                             NoiseCalculation::octaveWeight(i, settings.iterations, settings.roughness)});
}

int DeformKernel::indexOf(std::size_t point) const
{
    return m_points.indices ? m_points.indices[point] : static_cast<int>(point);
}

// What DeformLanes::select does for one point, for the points of a chunk
// that do not fill a whole vector. Always inlined into deformRange's loop:
// a call per point slows the batch path measurably.
[[gnu::always_inline]] inline void DeformKernel::select(std::size_t i, float paintedWeight, DeformBlock& block) const
{
    const PassConstants& c = m_constants;
    const MPoint& position = m_points.positions[i];
    const Homogeneous objectPoint{position.x, position.y, position.z, position.w};
    const Homogeneous samplePoint = c.worldSpace ? times(objectPoint, c.world) : objectPoint;
    const Homogeneous h = times(samplePoint, c.handleInverse);

    float falloff = 1.0f;
    if (c.inRegionOnly) {
        const Homogeneous handlePoint = cartesian(h);
        if (!inRegion(c, handlePoint))
            return;
        // Worked out before the weight test here, after it in the per-point
        // path: it depends on neither.
        falloff = falloffOf(c, handlePoint);
    }
    const float weight = PointArithmetic::pointWeight(c.envelope, paintedWeight);
    if (!PointArithmetic::isWeighted(weight))
        return;

    const std::size_t k = block.count++;
    block.point[k] = i;
    const Homogeneous q = times(h, c.scale);
    block.qx[k] = q.x;
    block.qy[k] = q.y;
    block.qz[k] = q.z;
    block.falloff[k] = falloff;
    block.weight[k] = weight;
}

void DeformKernel::deformRange(std::size_t begin, std::size_t end) const
{
    DeformBlock block;
    float paintedWeights[DeformBlock::kCapacity];
    for (std::size_t first = begin; first < end; first += DeformBlock::kCapacity) {
        const std::size_t count = std::min(DeformBlock::kCapacity, end - first);
        m_points.weights->gather(first, count, paintedWeights);
        block.count = 0;
        std::size_t i =
            DeformLanes::select(m_constants, m_points.positions, paintedWeights, first, count, block, m_simdTarget);
        for (; i < count; ++i)
            select(first + i, paintedWeights[i], block);
        if (block.count == 0)
            continue;
        directionsOf(block);
        DeformLanes::scale(m_constants.amplitude, block, m_simdTarget);
        noiseOf(block);
        DeformLanes::displace(block, first, count, m_points.positions, m_points.results, m_simdTarget);
    }
}

// The block's directions: the adapter's normals, normalised, along normals;
// else (1, 1, 1).
void DeformKernel::directionsOf(DeformBlock& block) const
{
    const std::size_t count = block.count;
    if (!m_settings.attributes.alongNormals) {
        std::fill_n(block.sx, count, 1.0);
        std::fill_n(block.sy, count, 1.0);
        std::fill_n(block.sz, count, 1.0);
        return;
    }
    int indices[DeformBlock::kCapacity];
    for (std::size_t k = 0; k < count; ++k)
        indices[k] = indexOf(block.point[k]);
    if (m_settings.wrapper->getNormals(indices, count, block.sx, block.sy, block.sz, m_settings.space) !=
        MStatus::kSuccess)
        m_normalFailed.store(true);
    DeformLanes::normalizeDirections(block.sx, block.sy, block.sz, count, m_simdTarget);
}

// NoiseCalculation::calculateNoise with PerlinNoise for every point of the
// block, one octave of all of them at a time; or the sampled colours.
void DeformKernel::noiseOf(DeformBlock& block) const
{
    const DeformSettings& s = m_settings;
    const std::size_t count = block.count;
    if (s.textureColors) {
        for (std::size_t k = 0; k < count; ++k) {
            const MPoint color = PointArithmetic::sampledColor(*s.textureColors, indexOf(block.point[k]));
            block.nx[k] = color.x;
            block.ny[k] = color.y;
            block.nz[k] = color.z;
        }
        return;
    }

    const auto octaveOf = [&](const DeformLanes::Octave* octave) {
        DeformLanes::octaveCoordinates(block, octave, m_simdTarget);
        std::fill_n(block.w, count, octave ? PointArithmetic::octaveTime(s.seconds, octave->frequency) : s.seconds);
        PerlinNoise::calcNoiseBatch(s.permutations, block.x, block.y, block.z, block.w, block.value, count,
                                    m_simdTarget);
        DeformLanes::addOctave(block, octave, s.absolute, m_simdTarget);
    };
    octaveOf(nullptr);
    for (const DeformLanes::Octave& octave : m_octaves)
        octaveOf(&octave);

    // The sum is the same on every axis; the sine adds each axis's own
    // coordinate first.
    for (std::size_t k = 0; k < count; ++k) {
        const double n = block.nx[k];
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

// The probe points, and the centres of the region's faces and its corners,
// where a comparison shows whether it takes the face in.
std::vector<MPoint> regionProbes(const std::vector<double>& values)
{
    std::vector<MPoint> points;
    for (std::size_t i = 0; i < values.size(); ++i)
        points.push_back(probePoint(values, i));
    const double half = PointArithmetic::kHandleHalfExtent;
    for (int axis = 0; axis < 3; ++axis)
        for (double side : {-half, half}) {
            MPoint face(0.0, 0.0, 0.0);
            face[axis] = side;
            points.push_back(face);
        }
    for (int corner = 0; corner < 8; ++corner)
        points.emplace_back(corner & 1 ? half : -half, corner & 2 ? half : -half, corner & 4 ? half : -half);
    return points;
}

// Whether each probe point lies in the handle's region, and its distance
// from the handle's origin, as the host works them out.
bool regionAgrees(const std::vector<double>& values)
{
    PassConstants constants;
    placeRegion(constants);
    const MBoundingBox region = PointArithmetic::handleRegion();
    const MPoint center(constants.center[0], constants.center[1], constants.center[2], 1.0);
    for (const MPoint& p : regionProbes(values)) {
        const Homogeneous own = cartesian({p.x, p.y, p.z, p.w});
        if (region.contains(p) != inRegion(constants, own) ||
            !sameValue(p.distanceTo(center), distanceToCenter(constants, own)))
            return false;
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
    DeformLanes::normalizeDirections(x.data(), y.data(), z.data(), n, SimdTarget::chosen());
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
    return productsAgree(values) && regionAgrees(values) && normalisationAgrees(values);
}
