#include "DeformLanes.h"
#include "PointArithmetic.h"
#include "SimdTarget.h"
#include "support/Matrices.h"
#include "support/SameBits.h"

#include <maya/MBoundingBox.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

namespace {

using kavo::test::sameBits;

// Equal to the bit, but any NaN equals any other: which of two NaNs a sum or
// a product gives depends on the order of its operands, which the compiler
// may swap, in the host's arithmetic as in the lanes.
bool sameValue(double a, double b)
{
    return sameBits(a, b) || (std::isnan(a) && std::isnan(b));
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<SimdTarget::Id> runnableTargets()
{
    std::vector<SimdTarget::Id> targets;
    for (int id = 0; id < SimdTarget::count; ++id)
        if (SimdTarget::runs(static_cast<SimdTarget::Id>(id)))
            targets.push_back(static_cast<SimdTarget::Id>(id));
    return targets;
}

// Values where a comparison, a division by w or a conversion to single
// precision is easy to get wrong.
const std::vector<double> kEdges = {0.0,   -0.0,  0.5,    -0.5, 0.49999999, 1.0,  2.0,  0.3, -0.2,
                                    1e300, -1e40, 1e-310, kInf, -kInf,      kNaN, 3e38, 1e-8};

void copy(const MMatrix& from, double (&to)[4][4])
{
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            to[row][column] = from[row][column];
}

struct SelectCase
{
    bool worldSpace;
    bool inRegionOnly;
    float falloff;
};

// The points that move and what they carry, worked out with the host's own
// arithmetic, as the literal path does.
DeformBlock expectedSelection(const SelectCase& test, const std::vector<MPoint>& positions,
                              const std::vector<float>& weights, const MMatrix& world, const MMatrix& handleInverse,
                              const MMatrix& scale, float envelope, std::size_t first, std::size_t count)
{
    const MBoundingBox region = PointArithmetic::handleRegion();
    const MPoint center(0.0, 0.0, 0.0, 1.0);
    DeformBlock block;
    for (std::size_t i = first; i < first + count; ++i) {
        const MPoint sample = test.worldSpace ? positions[i] * world : positions[i];
        const MPoint h = sample * handleInverse;
        if (test.inRegionOnly && !region.contains(h))
            continue;
        const float weight = envelope * weights[i - first];
        if (!(weight > 0.0f))
            continue;
        const MPoint q = h * scale;
        const std::size_t k = block.count++;
        block.point[k] = i;
        block.qx[k] = q.x, block.qy[k] = q.y, block.qz[k] = q.z;
        block.falloff[k] = test.inRegionOnly ? PointArithmetic::falloffFactor(test.falloff, h, center, 0.5f) : 1.0f;
        block.weight[k] = weight;
    }
    return block;
}

void expectSameEntries(const DeformBlock& expected, const DeformBlock& actual, const std::string& context)
{
    ASSERT_EQ(actual.count, expected.count) << context;
    for (std::size_t k = 0; k < expected.count; ++k) {
        EXPECT_EQ(actual.point[k], expected.point[k]) << context << ", entry " << k;
        const double* fields[][2] = {{expected.qx, actual.qx},
                                     {expected.qy, actual.qy},
                                     {expected.qz, actual.qz},
                                     {expected.falloff, actual.falloff},
                                     {expected.weight, actual.weight}};
        for (const auto& field : fields)
            EXPECT_TRUE(sameValue(field[0][k], field[1][k]))
                << context << ", point " << expected.point[k] << ": " << field[0][k] << " against " << field[1][k];
    }
}

// Every edge value on every axis and as w, against ordinary values; painted
// weights of every sign, zero, subnormal, infinite and not a number.
TEST(DeformLanes, SelectsWhatTheHostsArithmeticMovesOnEveryInstructionSet)
{
    std::vector<MPoint> positions;
    for (double edge : kEdges)
        for (double w : {1.0, 0.0, 2.0, -0.5, kNaN, edge}) {
            positions.emplace_back(edge, 0.1, -0.2, w);
            positions.emplace_back(0.2, edge, 0.3, w);
            positions.emplace_back(-0.1, 0.25, edge, w);
        }
    const float paintedCycle[] = {1.0f,
                                  0.0f,
                                  -0.0f,
                                  0.5f,
                                  std::numeric_limits<float>::quiet_NaN(),
                                  1e-45f,
                                  -1.0f,
                                  std::numeric_limits<float>::infinity(),
                                  2.0f};
    const MMatrix world = kavo::test::placement(0.4, 0.1, -0.2, 0.05, 1.2);
    const MMatrix handleInverse = kavo::test::placement(-0.3, 0.05, 0.0, -0.1, 0.9);
    const MMatrix scale = kavo::test::placement(0.0, 0.0, 0.0, 0.0, 2.5);
    const float envelope = 0.8f;

    const SelectCase cases[] = {{false, false, 0.0f}, {true, false, 0.0f}, {false, true, 0.0f}, {true, true, 0.3f},
                                {false, true, 0.75f}, {false, true, 1.0f}, {true, true, 0.5f}};
    for (SimdTarget::Id target : runnableTargets())
        for (const SelectCase& test : cases) {
            DeformLanes::PassConstants constants;
            copy(world, constants.world);
            copy(handleInverse, constants.handleInverse);
            copy(scale, constants.scale);
            constants.worldSpace = test.worldSpace;
            constants.inRegionOnly = test.inRegionOnly;
            for (int axis = 0; axis < 3; ++axis) {
                constants.regionMin[axis] = -0.5;
                constants.regionMax[axis] = 0.5;
                constants.center[axis] = 0.0;
            }
            constants.falloff = PointArithmetic::falloffShape(test.falloff, constants.falloffRadius);
            constants.envelope = envelope;

            int moved = 0;
            for (std::size_t first = 0; first < positions.size(); first += DeformBlock::kCapacity) {
                const std::size_t count = std::min(DeformBlock::kCapacity, positions.size() - first);
                std::vector<float> weights(count);
                for (std::size_t k = 0; k < count; ++k)
                    weights[k] = paintedCycle[(first + k) % std::size(paintedCycle)];
                DeformBlock actual;
                const std::size_t done =
                    DeformLanes::select(constants, positions.data(), weights.data(), first, count, actual, target);
                const DeformBlock expected =
                    expectedSelection(test, positions, weights, world, handleInverse, scale, envelope, first, done);
                const std::string context =
                    std::string(SimdTarget::name(target)) + ", chunk " + std::to_string(first) +
                    (test.worldSpace ? ", world" : "") +
                    (test.inRegionOnly ? ", region, falloff " + std::to_string(test.falloff) : "");
                expectSameEntries(expected, actual, context);
                moved += static_cast<int>(expected.count);
            }
            EXPECT_GT(moved, 20) << SimdTarget::name(target);
        }
}

// A block of edge values: its scales, the noise coordinates of a first and a
// later octave, the octave sums and the displaced points, each against the
// scalar operations written out here. 61 points leave some over for the
// scalar steps on every instruction set.
TEST(DeformLanes, LaterStepsGiveTheScalarBitsOnEveryInstructionSet)
{
    const std::size_t count = 61;
    const auto edge = [](std::size_t k, std::size_t shift) { return kEdges[(k * 7 + shift) % kEdges.size()]; };
    DeformBlock filled;
    filled.count = count;
    std::vector<MPoint> positions(count);
    for (std::size_t k = 0; k < count; ++k) {
        filled.point[k] = k;
        filled.qx[k] = edge(k, 0), filled.qy[k] = edge(k, 1), filled.qz[k] = edge(k, 2);
        filled.falloff[k] = static_cast<float>(edge(k, 3));
        filled.weight[k] = static_cast<float>(edge(k, 4));
        filled.sx[k] = edge(k, 5), filled.sy[k] = edge(k, 6), filled.sz[k] = edge(k, 7);
        filled.nx[k] = edge(k, 8), filled.ny[k] = edge(k, 9), filled.nz[k] = edge(k, 10);
        filled.value[k] = static_cast<float>(edge(k, 11));
        positions[k] = MPoint(edge(k, 12), edge(k, 13), edge(k, 14), edge(k, 15));
    }
    const double amplitude[3] = {0.7, -1.5, 3e200};
    const DeformLanes::Octave octave{4.0f, 0.35f};

    for (SimdTarget::Id target : runnableTargets()) {
        const std::string name = SimdTarget::name(target);
        DeformBlock b = filled;
        DeformLanes::scale(amplitude, b, target);
        for (std::size_t k = 0; k < count; ++k) {
            const double f = filled.falloff[k], w = filled.weight[k];
            EXPECT_TRUE(sameValue(b.sx[k], ((amplitude[0] * filled.sx[k]) * f) * w)) << name << " scale " << k;
            EXPECT_TRUE(sameValue(b.sz[k], ((amplitude[2] * filled.sz[k]) * f) * w)) << name << " scale " << k;
        }

        for (const DeformLanes::Octave* which : {static_cast<const DeformLanes::Octave*>(nullptr), &octave}) {
            b = filled;
            DeformLanes::octaveCoordinates(b, which, target);
            const double frequency = which ? which->frequency : 1.0;
            for (std::size_t k = 0; k < count; ++k) {
                EXPECT_TRUE(sameBits(b.x[k], static_cast<float>(which ? filled.qx[k] * frequency : filled.qx[k])))
                    << name << " coordinate " << k << " of " << filled.qx[k];
                EXPECT_TRUE(sameBits(b.z[k], static_cast<float>(which ? filled.qz[k] * frequency : filled.qz[k])))
                    << name << " coordinate " << k << " of " << filled.qz[k];
            }
            for (bool absolute : {false, true}) {
                b = filled;
                DeformLanes::addOctave(b, which, absolute, target);
                for (std::size_t k = 0; k < count; ++k) {
                    const double value = absolute ? std::fabs(double{filled.value[k]}) : double{filled.value[k]};
                    const double sum = which ? filled.nx[k] + value * double{which->weight} : value;
                    EXPECT_TRUE(sameValue(b.nx[k], sum)) << name << " octave sum " << k;
                }
            }
        }

        // The whole chunk moving, and every third point left out.
        for (std::size_t step : {1u, 3u}) {
            b = filled;
            b.count = 0;
            for (std::size_t k = 0; k < count; k += step)
                b.point[b.count++] = k;
            std::vector<MPoint> results = positions;
            DeformLanes::displace(b, 0, count, positions.data(), results.data(), target);
            std::size_t entry = 0;
            for (std::size_t k = 0; k < count; ++k) {
                const MPoint& p = positions[k];
                const bool moves = k % step == 0;
                const double x = moves ? b.sx[entry] * b.nx[entry] + p.x : p.x;
                const double z = moves ? b.sz[entry] * b.nz[entry] + p.z : p.z;
                EXPECT_TRUE(sameValue(results[k].x, x)) << name << " displaced " << k << " step " << step;
                EXPECT_TRUE(sameValue(results[k].z, z)) << name << " displaced " << k << " step " << step;
                EXPECT_TRUE(sameBits(results[k].w, p.w)) << name << " displaced " << k << " step " << step;
                entry += moves ? 1 : 0;
            }
        }
    }
}

} // namespace
