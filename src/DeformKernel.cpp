#include "DeformKernel.h"

#include "NoiseCalculation.h"
#include "PerlinNoise.h"

#include <maya/MBoundingBox.h>
#include <maya/MFloatVector.h>

#include <algorithm>
#include <cmath>

namespace {

// The handle's region: its unit cube, centred on its origin.
constexpr double kHandleHalfExtent = 0.5;
constexpr float kFalloffRadius = 0.5f;

} // namespace

// The points of one range that get displaced, a few at a time: enough for
// the noise to fill whole vectors, few enough to stay in the first-level
// cache. Lives on the stack of one deformRange call.
struct DeformKernel::Block
{
    static constexpr std::size_t kCapacity = 64;

    std::size_t count = 0;
    std::size_t point[kCapacity];    // the point's position in the pass's arrays
    MPoint noisePoint[kCapacity];    // in the handle's frame divided by the deformer's scales
    MVector direction[kCapacity];
    float falloff[kCapacity];
    float weight[kCapacity];
    MPoint noise[kCapacity];
    // One octave's coordinates and values at a time.
    float x[kCapacity], y[kCapacity], z[kCapacity], w[kCapacity], value[kCapacity];
};

DeformKernel::DeformKernel(const Settings& settings, const Points& points)
    : m_settings(settings)
    , m_points(points)
{
    const int last = NoiseCalculation::lastOctave(settings.iterations);
    for (int i = 1; i <= last; ++i)
        m_octaves.push_back({NoiseCalculation::octaveFrequency(i),
                             NoiseCalculation::octaveWeight(i, settings.iterations, settings.roughness)});
}

void DeformKernel::deformRange(std::size_t begin, std::size_t end) const
{
    const Settings& s = m_settings;
    const MBoundingBox unitBox(MPoint(-kHandleHalfExtent, -kHandleHalfExtent, -kHandleHalfExtent),
                               MPoint(kHandleHalfExtent, kHandleHalfExtent, kHandleHalfExtent));
    const MPoint center(0.0, 0.0, 0.0, 1.0);
    Block block;
    std::size_t i = begin;
    while (i < end) {
        // The tests of the per-point path pick the points to displace.
        block.count = 0;
        for (; i < end && block.count < Block::kCapacity; ++i) {
            const MPoint& position = m_points.positions[i];
            const MPoint samplePoint = s.worldSpace ? position * s.worldMatrix : position;
            const MPoint handlePoint = samplePoint * s.handleInverseMatrix;
            if (s.boundingBoxState && !unitBox.contains(handlePoint))
                continue;
            const float weight = s.envelope * m_points.paintedWeights[i];
            if (!(weight > 0.0f))
                continue;

            const std::size_t k = block.count++;
            block.point[k] = i;
            block.weight[k] = weight;
            block.direction[k] = MVector::one;
            if (s.alongNormals) {
                block.direction[k] = m_points.normals[i];
                normalizeDirection(block.direction[k]);
            }
            block.falloff[k] = s.boundingBoxState ? falloffFactor(s.falloff, handlePoint, center, kFalloffRadius)
                                                  : 1.0f;
            block.noisePoint[k] = handlePoint * s.scaleMatrix;
        }
        noiseOf(block);
        for (std::size_t k = 0; k < block.count; ++k) {
            const std::size_t p = block.point[k];
            m_points.results[p] = displaced(m_points.positions[p], s.amplitude, block.direction[k], block.falloff[k],
                                            block.weight[k], block.noise[k]);
        }
    }
}

// NoiseCalculation::calculateNoise with PerlinNoise for every point of the
// block, one octave of all of them at a time; or the sampled colours.
void DeformKernel::noiseOf(Block& block) const
{
    const Settings& s = m_settings;
    const std::size_t count = block.count;
    if (s.textureColors) {
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t p = block.point[k];
            const int index = m_points.indices ? m_points.indices[p] : static_cast<int>(p);
            block.noise[k] = sampledColor(*s.textureColors, index);
        }
        return;
    }

    // absNoise widens the value to double before taking its absolute value;
    // so does this.
    const auto octaveValue = [&](std::size_t k) {
        const double value = block.value[k];
        return s.absolute ? std::fabs(value) : value;
    };
    double sum[Block::kCapacity];
    for (std::size_t k = 0; k < count; ++k) {
        block.x[k] = static_cast<float>(block.noisePoint[k].x);
        block.y[k] = static_cast<float>(block.noisePoint[k].y);
        block.z[k] = static_cast<float>(block.noisePoint[k].z);
        block.w[k] = s.seconds;
    }
    PerlinNoise::calcNoiseBatch(block.x, block.y, block.z, block.w, block.value, count);
    for (std::size_t k = 0; k < count; ++k)
        sum[k] = octaveValue(k);

    for (const Octave& octave : m_octaves) {
        const double frequency = octave.frequency;
        for (std::size_t k = 0; k < count; ++k) {
            block.x[k] = static_cast<float>(block.noisePoint[k].x * frequency);
            block.y[k] = static_cast<float>(block.noisePoint[k].y * frequency);
            block.z[k] = static_cast<float>(block.noisePoint[k].z * frequency);
            block.w[k] = s.seconds * octave.frequency;
        }
        PerlinNoise::calcNoiseBatch(block.x, block.y, block.z, block.w, block.value, count);
        const double weight = octave.weight;
        for (std::size_t k = 0; k < count; ++k)
            sum[k] += octaveValue(k) * weight;
    }

    for (std::size_t k = 0; k < count; ++k) {
        const MPoint& q = block.noisePoint[k];
        block.noise[k] = s.sine ? MPoint(std::sin(sum[k] + q.x), std::sin(sum[k] + q.y), std::sin(sum[k] + q.z))
                                : MPoint(sum[k], sum[k], sum[k]);
    }
}

float DeformKernel::falloffFactor(float falloff, const MPoint& point, const MPoint& center, float radius)
{
    if (falloff == 1.0f || std::isnan(falloff))
        return 0.0f;
    if (falloff <= 0.0f)
        return 1.0f;

    const float distance = static_cast<float>(point.distanceTo(center));
    if (distance > radius)
        return 0.0f;
    // A plateau with a ramp of width falloff up to one half, a sinking cone
    // beyond; the two meet at one half.
    const float slope = falloff > 0.5f ? (1.0f - falloff) / radius : radius / falloff;
    return std::min(slope * (radius - distance), radius) / radius;
}

void DeformKernel::normalizeDirection(MVector& direction)
{
    const double lengthSquared = direction.x * direction.x + direction.y * direction.y + direction.z * direction.z;
    if (lengthSquared > 1e-20)
        direction /= std::sqrt(lengthSquared);
}

MPoint DeformKernel::sampledColor(const MFloatVectorArray& colors, int index)
{
    if (index < 0 || static_cast<unsigned int>(index) >= colors.length())
        return MPoint(0.0, 0.0, 0.0);
    const MFloatVector& color = colors[static_cast<unsigned int>(index)];
    return MPoint(color.x, color.y, color.z);
}

MPoint DeformKernel::displaced(const MPoint& point, const MVector& amplitude, const MVector& direction, float falloff,
                               float weight, const MPoint& noise)
{
    const double f = falloff;
    const double w = weight;
    MPoint result = point;
    result.x = ((((amplitude.x * direction.x) * f) * w) * noise.x) + point.x;
    result.y = ((((amplitude.y * direction.y) * f) * w) * noise.y) + point.y;
    result.z = ((((amplitude.z * direction.z) * f) * w) * noise.z) + point.z;
    return result;
}
