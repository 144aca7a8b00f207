#pragma once

#include "DeformBlock.h"
#include "PointArithmetic.h"
#include "SimdTarget.h"

#include <cstddef>

class MPoint;

// The steps of DeformKernel over several points at once, one vector of lanes
// at a time, on the instruction set a pass chose (DeformKernelBatch.cpp
// compiles them once per SimdTarget). Each lane does the operations of the
// scalar step (PointArithmetic, and the products and tests written out in
// DeformKernel.cpp) in the same order and precision, and nothing is fused,
// so every lane gets the bits of the scalar step; a lane whose point does
// not move is left out as the scalar step leaves it. Where a step covers
// more points than fill whole vectors, the rest go through the scalar step.
//
// All of them touch only what they are given and may run on several
// threads at once.
namespace DeformLanes {

// What every point of a pass is tested and moved with, as plain numbers.
struct PassConstants
{
    // Rows and columns as the host's matrices: a point is the row vector
    // [x y z w] times the matrix.
    double world[4][4];
    double handleInverse[4][4];
    double scale[4][4];
    // Whether the noise sees world-space positions: the point times world.
    bool worldSpace = false;
    // "boundingBoxState": only points inside the region move, and the
    // falloff applies.
    bool inRegionOnly = false;
    double regionMin[3];
    double regionMax[3];
    // The handle's origin, where the falloff is 1, and its radius.
    double center[3];
    float falloffRadius = PointArithmetic::kFalloffRadius;
    PointArithmetic::FalloffShape falloff{PointArithmetic::FalloffShape::full, 0.0f};
    float envelope = 1.0f;
    double amplitude[3];
};

// An octave after the first, worked out once for the pass.
struct Octave
{
    float frequency;
    float weight;
};

// The points [first, first + count) (count at most DeformBlock::kCapacity)
// that move, into block (empty before), with their noise position, falloff
// and weight; paintedWeights[k] is point first + k's. Looks at whole
// vectors of points from first and answers how many points that was: the
// caller selects the rest one by one.
std::size_t select(const PassConstants& constants, const MPoint* positions, const float* paintedWeights,
                   std::size_t first, std::size_t count, DeformBlock& block, SimdTarget::Id target);

// PointArithmetic::normalizeDirection for each (x[i], y[i], z[i]).
void normalizeDirections(double* x, double* y, double* z, std::size_t count, SimdTarget::Id target);

// The block's directions become PointArithmetic::displacementScale of the
// amplitude, the direction, the falloff and the weight, per axis.
void scale(const double (&amplitude)[3], DeformBlock& block, SimdTarget::Id target);

// The block's noise coordinates for one octave (null: the first): its noise
// position, times the octave's frequency after the first, in single
// precision.
void octaveCoordinates(DeformBlock& block, const Octave* octave, SimdTarget::Id target);

// The block's octave values (block.value) into its sums (block.nx),
// made non-negative when absolute: the first octave's (octave null) as
// they are, each later one weighed and added.
void addOctave(DeformBlock& block, const Octave* octave, bool absolute, SimdTarget::Id target);

// x, y, z of each of the block's points in results become
// PointArithmetic::displacedCoordinate of its scale, its pattern and its
// position; w is written back as the position's, which results holds
// already. chunkCount is the number of points [first, first + chunkCount)
// the block was selected from.
void displace(const DeformBlock& block, std::size_t first, std::size_t chunkCount, const MPoint* positions,
              MPoint* results, SimdTarget::Id target);

} // namespace DeformLanes
