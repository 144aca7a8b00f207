#pragma once

#include "DeformBlock.h"
#include "DeformLanes.h"
#include "DeformSettings.h"
#include "IGeomNoiseWrapper.h"
#include "PerlinNoise.h"
#include "SimdTarget.h"

#include <maya/MPoint.h>

#include <atomic>
#include <cstddef>
#include <vector>

// The arithmetic of one deform pass over points gathered into plain arrays:
// per point the region test, the weight test, the direction, the falloff,
// the noise (several points at once, PerlinNoise::calcNoiseBatch) and the
// displacement of the literal per-point path (NoiseDeformerNode::deform
// point by point, then deformPoint), to the bit. Checked against it by
// DeformKernelTest and DeformLanesTest and, for whole passes,
// DeformPassPathsTest.
//
// The points go in chunks through DeformLanes, several at a time on the
// instruction set the pass chose. The point-times-matrix products, the
// region test and the distance the falloff needs are written out here (and
// there, lane by lane) as the host defines them, so the loop makes no call
// into the host for them; agreesWithHost checks that the host computes
// them to the same bits. The painted weights and the normals are asked for
// chunk by chunk, the sampled colours point by point.
//
// deformRange touches nothing but the points of its range, reads the noise
// table, and allocates nothing shared: ranges may run on several threads at
// once, and how the points are split does not change any result. The caller
// keeps the noise table it names unchanged meanwhile.
class DeformKernel
{
public:
    // The painted weight of each point, asked for chunk by chunk from the
    // ranges, on several threads at once.
    class PaintedWeights
    {
    public:
        virtual ~PaintedWeights() = default;
        // weights[k] becomes the painted weight of the pass's point first + k,
        // for k below count.
        virtual void gather(std::size_t first, std::size_t count, float* weights) const = 0;
    };

    // The pass's points, one entry per point of the host's iterator.
    struct Points
    {
        const MPoint* positions = nullptr; // object space
        const int* indices = nullptr;      // the iterator's index of each point; null: the point's position
        const PaintedWeights* weights = nullptr;
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
    // itself (a point times a matrix; whether the handle's region holds a
    // point, and the point's distance from the handle's origin; a direction
    // divided by its length, on the instruction set the noise uses) to the
    // same bits, on values where the order of the operations and the special
    // values show: random, huge, tiny, subnormal, signed zeros, NaN,
    // infinities. A host built with other rounding than this plug-in
    // (contracted multiply-adds, reordered sums, a reciprocal for the
    // division) would otherwise get other points from the batch path than
    // from its literal path.
    static bool agreesWithHost();

private:
    void select(std::size_t point, float paintedWeight, DeformBlock& block) const;
    void directionsOf(DeformBlock& block) const;
    void noiseOf(DeformBlock& block) const;
    int indexOf(std::size_t point) const;

    DeformSettings m_settings;
    DeformLanes::PassConstants m_constants;
    Points m_points;
    // The octaves after the first, worked out once for the pass.
    std::vector<DeformLanes::Octave> m_octaves;
    mutable std::atomic<bool> m_normalFailed{false};
    // Read once for the pass: every step of every chunk runs on it.
    SimdTarget::Id m_simdTarget = SimdTarget::chosen();
};
