#include "NoiseCalculation.h"

#include "PointArithmetic.h"

#include <algorithm>
#include <cmath>

namespace {

// The highest octave whose frequency 2^i is finite in single precision. A
// huge iteration count stops here instead of keeping the host busy with
// octaves that cannot add anything meaningful.
constexpr int kLastFiniteOctave = 127;

// Computed in double and rounded once, so that a non-integer exponent rounds
// the same way wherever the single-precision pow differs.
float powerOfTwo(float exponent)
{
    return static_cast<float>(std::pow(2.0, static_cast<double>(exponent)));
}

// The number of octaves asked for: iterations rounded up, and never fewer
// than the first. A value that does not fit a 32-bit integer (NaN and the
// infinities among them) cannot be converted to one and asks for the first
// octave only.
int octaveCount(float iterations)
{
    const bool fitsInt32 = iterations >= -2147483648.0f && iterations < 2147483648.0f;
    return fitsInt32 ? std::max(1, static_cast<int>(std::ceil(iterations))) : 1;
}

// Every octave gets its own copy of the argument list: a source that reads the
// list consumes it, and the next octave must see it from the start again.
MPoint evaluateOctave(INoise& noise, bool absolute, const MPoint& p, float time, va_list args)
{
    va_list octaveArgs;
    va_copy(octaveArgs, args);
    const MPoint value = NoiseCalculation::absNoise(noise, absolute, p, time, octaveArgs);
    va_end(octaveArgs);
    return value;
}

} // namespace

namespace NoiseCalculation {

MPoint calculateNoise(INoise& noise, float iterations, float roughness, bool absolute, bool sine, MPoint p, float time,
                      ...)
{
    // va_start after a float: see PerlinNoise::noise, which shares the shape.
    va_list args;
    va_start(args, time);
    MPoint result = fractalNoise(noise, iterations, roughness, absolute, p, time, args);
    va_end(args);

    if (sine) {
        result.x = PointArithmetic::sinePattern(result.x, p.x);
        result.y = PointArithmetic::sinePattern(result.y, p.y);
        result.z = PointArithmetic::sinePattern(result.z, p.z);
    }
    return result;
}

MPoint fractalNoise(INoise& noise, float iterations, float roughness, bool absolute, MPoint p, float time, va_list args)
{
    MPoint result = evaluateOctave(noise, absolute, p, time, args);

    const int last = lastOctave(iterations);
    for (int i = 1; i <= last; ++i) {
        // Time scales with the frequency too, so higher octaves also change
        // faster.
        const float frequency = octaveFrequency(i);
        const MPoint octavePoint(PointArithmetic::octaveCoordinate(p.x, frequency),
                                 PointArithmetic::octaveCoordinate(p.y, frequency),
                                 PointArithmetic::octaveCoordinate(p.z, frequency), p.w);
        const MPoint value =
            evaluateOctave(noise, absolute, octavePoint, PointArithmetic::octaveTime(time, frequency), args);

        const float amplitude = octaveWeight(i, iterations, roughness);
        result.x = PointArithmetic::addOctave(result.x, value.x, amplitude);
        result.y = PointArithmetic::addOctave(result.y, value.y, amplitude);
        result.z = PointArithmetic::addOctave(result.z, value.z, amplitude);
    }
    return result;
}

int lastOctave(float iterations)
{
    return std::min(octaveCount(iterations) - 1, kLastFiniteOctave);
}

float octaveFrequency(int octave)
{
    return powerOfTwo(static_cast<float>(octave));
}

float octaveWeight(int octave, float iterations, float roughness)
{
    const float weight = powerOfTwo(static_cast<float>(octave) * (roughness - 1.0f));
    // A fractional count fades the last octave in; a whole one gives it full
    // weight. The last octave asked for, not the last one evaluated: beyond
    // the finite ones nothing is faded.
    const float fraction = iterations - std::floor(iterations);
    if (octave == octaveCount(iterations) - 1 && fraction != 0.0f)
        return weight * fraction;
    return weight;
}

MPoint absNoise(INoise& noise, bool absolute, MPoint p, float time, va_list args)
{
    MPoint value = noise.vaNoise(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z), time, args);
    value.x = PointArithmetic::octaveValue(value.x, absolute);
    value.y = PointArithmetic::octaveValue(value.y, absolute);
    value.z = PointArithmetic::octaveValue(value.z, absolute);
    return value;
}

void setRandomSeed(INoise& noise, int seed)
{
    noise.setRandomSeed(seed);
}

} // namespace NoiseCalculation
