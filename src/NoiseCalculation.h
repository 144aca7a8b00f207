#pragma once

#include "INoise.h"

#include <maya/MPoint.h>

#include <cstdarg>

// Composes a noise source into the value that displaces a point. The functions
// keep no state and work with any source; they may run on several threads at
// once as far as the source allows.
namespace NoiseCalculation {

// The fractal sum of the source's octaves at p and time; with sine set, each
// axis of the sum is added to the position and passed through sine. Extra
// arguments are handed unchanged to every evaluation of the source.
MPoint calculateNoise(INoise& noise, float iterations, float roughness, bool absolute, bool sine, MPoint p, float time,
                      ...);

// Octave i (counting from 0) evaluates the source at (2^i p, 2^i time) and
// weighs it 2^(i (roughness - 1)). There are iterations octaves rounded up,
// the last one weighed down by the fraction of a fractional count; any count
// up to 1 gives the first octave alone.
MPoint fractalNoise(INoise& noise, float iterations, float roughness, bool absolute, MPoint p, float time,
                    va_list args);

// One evaluation of the source at (p.x, p.y, p.z, time) in single precision,
// each axis made non-negative when absolute is set.
MPoint absNoise(INoise& noise, bool absolute, MPoint p, float time, va_list args);

void setRandomSeed(INoise& noise, int seed);

// The octaves fractalNoise evaluates for iterations: 0 to lastOctave, where
// lastOctave is iterations rounded up, less one, at least 0 and at most the
// last octave whose frequency is finite in single precision.
int lastOctave(float iterations);
// Octave i's frequency, 2^i rounded to single precision.
float octaveFrequency(int octave);
// Octave i's weight (i from 1): 2^(i (roughness - 1)) rounded to single
// precision, times the fraction of a fractional iterations for the last one.
// Depends on nothing per point, so a pass can work it out once.
float octaveWeight(int octave, float iterations, float roughness);

} // namespace NoiseCalculation
