#pragma once

#include <maya/MBoundingBox.h>
#include <maya/MFloatVector.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <algorithm>
#include <cmath>

// The arithmetic that moves one point, in the order a pass applies it:
// which points move (the handle's region, the weight), the falloff, the
// direction, the fractal sum of the noise, the displacement. Both paths of
// the pass call these: the literal one (NoiseDeformerNode::deformPoint and
// its loop, NoiseCalculation) and the scalar loops of the batch one
// (DeformKernel). Only the vector kernels (PerlinNoiseBatch.cpp,
// DeformKernelBatch.cpp) are written a second time, and are checked against
// these to the bit. Every operation, its order, its precision and its
// conversions are part of the result: change none of them.
//
// Everything here depends on its arguments only and may run on several
// threads at once.
namespace PointArithmetic {

// ---------------------------------------------------------------------------
// Which points move

// The handle's region: its unit cube, centred on its origin.
constexpr double kHandleHalfExtent = 0.5;

inline MBoundingBox handleRegion()
{
    return MBoundingBox(MPoint(-kHandleHalfExtent, -kHandleHalfExtent, -kHandleHalfExtent),
                        MPoint(kHandleHalfExtent, kHandleHalfExtent, kHandleHalfExtent));
}

// Whether a point, in the handle's unscaled frame, may move: anywhere
// without the bounding box, else inside the handle's region.
[[gnu::always_inline]] inline bool inRegion(bool boundingBoxState, const MBoundingBox& region,
                                            const MPoint& handlePoint)
{
    return !boundingBoxState || region.contains(handlePoint);
}

// The envelope times the painted weight; a point moves only when it is
// above zero (NaN is not).
[[gnu::always_inline]] inline float pointWeight(float envelope, float paintedWeight)
{
    return envelope * paintedWeight;
}

[[gnu::always_inline]] inline bool isWeighted(float weight)
{
    return weight > 0.0f;
}

// ---------------------------------------------------------------------------
// Falloff

// The radius of the falloff around the handle's origin.
constexpr float kFalloffRadius = 0.5f;

// How the falloff shapes a pass's factors: 0 everywhere, 1 everywhere, or
// a ramp of a slope that depends on the falloff only, worked out once.
struct FalloffShape
{
    enum Kind
    {
        none,
        full,
        ramp
    };
    Kind kind;
    float slope;
};

inline FalloffShape falloffShape(float falloff, float radius)
{
    if (falloff == 1.0f || std::isnan(falloff))
        return {FalloffShape::none, 0.0f};
    if (falloff <= 0.0f)
        return {FalloffShape::full, 0.0f};
    return {FalloffShape::ramp, falloff > 0.5f ? (1.0f - falloff) / radius : radius / falloff};
}

// The ramp's factor at distance from the centre: a plateau up to where
// slope x (radius - distance) reaches radius, 0 beyond radius.
[[gnu::always_inline]] inline float falloffAtDistance(float distance, float slope, float radius)
{
    if (distance > radius)
        return 0.0f;
    return std::min(slope * (radius - distance), radius) / radius;
}

// 1 at the centre, 0 beyond radius; falloff shapes the curve in between: a
// plateau with a ramp of width falloff up to one half, a sinking cone
// beyond; the two meet at one half.
inline float falloffFactor(float falloff, const MPoint& point, const MPoint& center, float radius)
{
    const FalloffShape shape = falloffShape(falloff, radius);
    if (shape.kind != FalloffShape::ramp)
        return shape.kind == FalloffShape::full ? 1.0f : 0.0f;
    return falloffAtDistance(static_cast<float>(point.distanceTo(center)), shape.slope, radius);
}

// ---------------------------------------------------------------------------
// Direction

// Directions shorter than this keep the length they have.
constexpr double kShortestSquaredLength = 1e-20;

// The direction scaled to unit length, unless it is too short to have one.
[[gnu::always_inline]] inline void normalizeDirection(MVector& direction)
{
    const double lengthSquared = direction.x * direction.x + direction.y * direction.y + direction.z * direction.z;
    if (lengthSquared > kShortestSquaredLength)
        direction /= std::sqrt(lengthSquared);
}

// ---------------------------------------------------------------------------
// The fractal sum of the noise

// Octave i samples at (2^i p, 2^i time): a coordinate in double precision
// (the source then takes it in single precision), the time in single.
[[gnu::always_inline]] inline double octaveCoordinate(double coordinate, float frequency)
{
    return coordinate * frequency;
}

[[gnu::always_inline]] inline float octaveTime(float time, float frequency)
{
    return time * frequency;
}

// One octave's value, widened to double first, made non-negative when
// absolute is set.
[[gnu::always_inline]] inline double octaveValue(double value, bool absolute)
{
    return absolute ? std::fabs(value) : value;
}

// The sum so far plus an octave after the first, weighed.
[[gnu::always_inline]] inline double addOctave(double sum, double value, float weight)
{
    return sum + value * weight;
}

// The sine pattern of one axis: the sum added to the axis's own coordinate.
inline double sinePattern(double sum, double coordinate)
{
    return std::sin(sum + coordinate);
}

// The colour sampled for a point stands in for the noise; a point the
// sampling returned no colour for gets none.
inline MPoint sampledColor(const MFloatVectorArray& colors, int index)
{
    if (index < 0 || static_cast<unsigned int>(index) >= colors.length())
        return MPoint(0.0, 0.0, 0.0);
    const MFloatVector& color = colors[static_cast<unsigned int>(index)];
    return MPoint(color.x, color.y, color.z);
}

// ---------------------------------------------------------------------------
// Displacement

// ((amplitude x direction) x falloff) x weight on one axis, in double.
[[gnu::always_inline]] inline double displacementScale(double amplitude, double direction, double falloff,
                                                       double weight)
{
    return ((amplitude * direction) * falloff) * weight;
}

// The position moved by scale x noise on one axis.
[[gnu::always_inline]] inline double displacedCoordinate(double scale, double noise, double position)
{
    return scale * noise + position;
}

// The point moved by amplitude x direction x falloff x weight x noise, per
// axis, in that order; w is the point's.
inline MPoint displaced(const MPoint& point, const MVector& amplitude, const MVector& direction, float falloff,
                        float weight, const MPoint& noise)
{
    MPoint result = point;
    result.x = displacedCoordinate(displacementScale(amplitude.x, direction.x, falloff, weight), noise.x, point.x);
    result.y = displacedCoordinate(displacementScale(amplitude.y, direction.y, falloff, weight), noise.y, point.y);
    result.z = displacedCoordinate(displacementScale(amplitude.z, direction.z, falloff, weight), noise.z, point.z);
    return result;
}

} // namespace PointArithmetic
