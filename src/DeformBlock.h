#pragma once

#include <cstddef>
#include <cstdint>

// The points of one chunk of a range that get displaced, and what a pass
// works out for each on its way: enough points for the noise to fill whole
// vectors, few enough to stay in the first-level cache. Lives on the stack
// of one DeformKernel::deformRange call; its arrays are filled from the
// front, the selected points in their order in the pass.
struct DeformBlock
{
    static constexpr std::size_t kCapacity = 64;

    std::size_t count = 0;
    std::uint64_t point[kCapacity]; // the point's position in the pass's arrays
    // In the handle's frame divided by the deformer's scales.
    double qx[kCapacity], qy[kCapacity], qz[kCapacity];
    double falloff[kCapacity], weight[kCapacity];
    // The direction, then amplitude x direction x falloff x weight, per axis,
    // in that order.
    double sx[kCapacity], sy[kCapacity], sz[kCapacity];
    // The noise (its sum over the octaves), then the pattern, per axis.
    double nx[kCapacity], ny[kCapacity], nz[kCapacity];
    // One octave's coordinates and values at a time.
    float x[kCapacity], y[kCapacity], z[kCapacity], w[kCapacity], value[kCapacity];
};
