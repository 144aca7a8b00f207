#pragma once

#include "DeformSettings.h"
#include "IGeomNoiseWrapper.h"
#include "PerlinNoise.h"
#include "SimdTarget.h"

#include <maya/MBoundingBox.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <atomic>
#include <cstddef>
#include <vector>

// The arithmetic of one deform pass over points gathered into plain arrays:
// per point the region test, the weight test, the direction, the falloff,
// the noise (several points at once, PerlinNoise::calcNoiseBatch) and the
// displacement of the literal per-point path (NoiseDeformerNode::deform
// point by point, then deformPoint), to the bit. Checked against it by
// DeformKernelTest and, for whole passes, DeformPassPathsTest.
//
// The point-times-matrix products are written out here as the host defines
// them (the row vector [x y z w] times the matrix, each sum from x to w), so
// the loop makes no call into the host for them; the region test, the
// falloff distance and the sampled colours still go through the host.
//
// deformRange touches nothing but the points of its range, reads the noise
// table, and allocates nothing shared: ranges may run on several threads at once, and how the
// points are split does not change any result. The caller keeps the noise
// table it names unchanged meanwhile.
class DeformKernel
{
public:
    // The pass's points, one entry per point of the host's iterator.
    struct Points
    {
        const MPoint* positions = nullptr; // object space
        const int* indices = nullptr;      // the iterator's index of each point; null: the point's position
        const float* paintedWeights = nullptr;
        // Holds the positions (it may be the positions array itself: each
        // point is read before it is written); deformRange overwrites x, y, z
        // of displaced ones.
        MPoint* results = nullptr;
    };

    DeformKernel(const DeformSettings& settings, const Points& points);

    // Displaces points [begin, end).
    void deformRange(std::size_t begin, std::size_t end) const;
    // Whether a normal query failed in any range so far: the per-point path
    // would have reported it, so the pass runs that path instead.
    bool normalFailed() const { return m_normalFailed.load(); }

    // Whether the host this runs in computes what this class writes out
    // itself (a point times a matrix; a direction divided by its length, on
    // the instruction set the noise uses) to the same bits, on values where
    // the order of the operations and the special values show: random,
    // huge, tiny, subnormal, signed zeros, NaN, infinities. A host built
    // with other rounding than this plug-in (contracted multiply-adds,
    // reordered sums, a reciprocal for the division) would otherwise get
    // other points from the batch path than from its literal path.
    static bool agreesWithHost();

    // PointArithmetic::normalizeDirection for each (x[i], y[i], z[i]), several at once on the
    // instruction set target (one that SimdTarget::runs).
    static void normalizeDirections(double* x, double* y, double* z, std::size_t count, SimdTarget::Id target);

private:
    struct Octave
    {
        float frequency;
        float weight;
    };
    struct Block;

    void select(std::size_t point, Block& block) const;
    void scaleOf(Block& block) const;
    void noiseOf(Block& block) const;

    DeformSettings m_settings;
    double m_world[4][4];
    double m_handleInverse[4][4];
    double m_scale[4][4];
    Points m_points;
    // The handle's region, built once rather than for every point tested.
    MBoundingBox m_unitBox;
    MPoint m_handleCenter;
    // The octaves after the first, worked out once for the pass.
    std::vector<Octave> m_octaves;
    mutable std::atomic<bool> m_normalFailed{false};
    // Read once for the pass: the noise and the directions of every block
    // run on it.
    SimdTarget::Id m_simdTarget = SimdTarget::chosen();
};
