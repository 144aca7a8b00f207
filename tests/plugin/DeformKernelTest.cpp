#include "DeformKernel.h"
#include "DeformPass.h"
#include "NoiseDeformerNode.h"
#include "PointArithmetic.h"
#include "support/DeformPointSetup.h"
#include "support/Matrices.h"
#include "support/SameBits.h"

#include <maya/MBoundingBox.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using kavo::test::sameBits;

// Normals from a table; one index can be made to fail.
class TableAdapter : public IGeomNoiseWrapper
{
public:
    std::vector<MVector> normals;
    int failingIndex = -1;

    MStatus setGeometry(MObject&, MDataHandle&, MSpace::Space) override { return MStatus::kSuccess; }
    int numPoints(MStatus& status) override
    {
        status = MStatus::kSuccess;
        return static_cast<int>(normals.size());
    }
    MStatus getPoints(MPointArray&, MSpace::Space) override { return MStatus::kSuccess; }
    MStatus getNormal(int index, MVector& normal, MSpace::Space) override
    {
        normal = normals[static_cast<std::size_t>(index)];
        return index == failingIndex ? MStatus::kFailure : MStatus::kSuccess;
    }
    MStatus getUVs(MFloatArray&, MFloatArray&) override { return MStatus::kSuccess; }
};

// Painted weights from a table.
class TableWeights : public DeformKernel::PaintedWeights
{
public:
    explicit TableWeights(const std::vector<float>& weights) : m_weights(weights) {}
    void gather(std::size_t first, std::size_t count, float* weights) const override
    {
        std::copy_n(m_weights.begin() + static_cast<std::ptrdiff_t>(first), count, weights);
    }

private:
    const std::vector<float>& m_weights;
};

// Points scattered around the handle's region, edge cases among them, with
// weights and normals of every kind.
struct Scene
{
    std::vector<MPoint> positions;
    std::vector<float> weights;
    TableAdapter adapter;

    Scene()
    {
        const double inf = std::numeric_limits<double>::infinity();
        const double nan = std::numeric_limits<double>::quiet_NaN();
        for (const MPoint& p : {MPoint(0.5, 0.0, 0.0), MPoint(-0.5, -0.5, 0.5), MPoint(0.0, 0.0, 0.0),
                                MPoint(-0.0, 1.0, -2.0), MPoint(1e30, 0.0, 0.1), MPoint(inf, 0.2, 0.0),
                                MPoint(nan, 0.1, 0.1), MPoint(0.2, 0.1, 0.3, 2.0), MPoint(3e9, -0.1, 0.0)})
            positions.push_back(p);
        std::mt19937 random(99);
        std::uniform_real_distribution<double> around(-0.9, 0.9);
        while (positions.size() < 3001)
            positions.emplace_back(around(random), around(random), around(random));
        std::uniform_real_distribution<float> weight(-0.2f, 1.5f);
        for (std::size_t i = 0; i < positions.size(); ++i) {
            weights.push_back(i % 7 == 0 ? 0.0f : weight(random));
            adapter.normals.emplace_back(i % 11 == 0 ? MVector(0.0, 1e-11, 0.0)
                                                     : MVector(around(random), around(random) + 2.0, around(random)));
        }
    }

    DeformSettings settings() { return settingsWith(true, true, 3.5f); }

    DeformSettings settingsWith(bool alongNormals, bool region, float iterations)
    {
        DeformSettings s;
        s.worldMatrix = kavo::test::placement(0.4, 0.1, -0.2, 0.05, 1.2);
        s.space = MSpace::kWorld;
        s.handleInverseMatrix = kavo::test::placement(-0.3, 0.05, 0.0, -0.1, 0.9);
        s.scaleMatrix = kavo::test::placement(0.0, 0.0, 0.0, 0.0, 2.5);
        s.envelope = 0.8f;
        s.attributes.boundingBoxState = region;
        s.attributes.falloff = 0.3f;
        s.attributes.alongNormals = alongNormals;
        s.wrapper = &adapter;
        s.amplitude = alongNormals ? MVector(0.7, 0.7, 0.7) : MVector(0.5, -0.25, 1.5);
        s.iterations = iterations;
        s.roughness = 0.6f;
        s.absolute = true;
        s.sine = true;
        s.seconds = 1.3f;
        return s;
    }

    // The kernel over copies of the positions, ranges run by run(kernel, n).
    template <class Run>
    std::vector<MPoint> deformed(const DeformSettings& settings, Run run, bool* normalFailed = nullptr)
    {
        std::vector<MPoint> results = positions;
        const TableWeights tableWeights(weights);
        DeformKernel::Points points;
        points.positions = positions.data();
        points.weights = &tableWeights;
        points.results = results.data();
        const DeformKernel kernel(settings, points);
        run(kernel, positions.size());
        if (normalFailed)
            *normalFailed = kernel.normalFailed();
        return results;
    }

    // The per-point path written out: the pass's tests, then deformPoint.
    std::vector<MPoint> deformedPointByPoint(const DeformSettings& s)
    {
        NoiseDeformerNode node;
        const MBoundingBox unitBox(MPoint(-0.5, -0.5, -0.5), MPoint(0.5, 0.5, 0.5));
        MPoint center(0.0, 0.0, 0.0, 1.0);
        kavo::test::DeformPointSetup setup(NoiseDeformerNode::m_perlinNoise);
        setup.scaleMatrix = s.scaleMatrix;
        setup.handleInverseMatrix = s.handleInverseMatrix;
        setup.amplitude = s.amplitude;
        setup.iterations = s.iterations;
        setup.roughness = s.roughness;
        setup.absolute = s.absolute;
        setup.sine = s.sine;
        setup.seconds = s.seconds;
        setup.alongNormals = s.attributes.alongNormals;
        DEFORMPOINT record = setup.bind();
        MPoint& point = setup.point;
        MVector& direction = setup.direction;
        const MMatrix& handleInverse = setup.handleInverseMatrix;
        std::vector<MPoint> results = positions;
        for (std::size_t i = 0; i < positions.size(); ++i) {
            const MPoint samplePoint = s.worldSpace() ? positions[i] * s.worldMatrix : positions[i];
            MPoint handlePoint = samplePoint * handleInverse;
            if (s.attributes.boundingBoxState && !unitBox.contains(handlePoint))
                continue;
            const float weight = s.envelope * weights[i];
            if (!(weight > 0.0f))
                continue;
            direction = MVector::one;
            if (s.attributes.alongNormals) {
                adapter.getNormal(static_cast<int>(i), direction, MSpace::kWorld);
                PointArithmetic::normalizeDirection(direction);
            }
            record.falloff = s.attributes.boundingBoxState
                                 ? node.calculateFalloff(s.attributes.falloff, handlePoint, center, 0.5f)
                                 : 1.0f;
            record.weight = weight;
            point = positions[i];
            results[i] = node.deformPoint(record, samplePoint);
        }
        return results;
    }
};

void expectSameBits(const std::vector<MPoint>& expected, const std::vector<MPoint>& actual, const std::string& context)
{
    ASSERT_EQ(actual.size(), expected.size());
    int mismatches = 0;
    for (std::size_t i = 0; i < expected.size(); ++i)
        for (unsigned int axis = 0; axis < 4; ++axis)
            if (!sameBits(expected[i][axis], actual[i][axis]) && ++mismatches <= 5)
                ADD_FAILURE() << context << ": point " << i << " axis " << axis << ": " << expected[i][axis]
                              << " against " << actual[i][axis];
    EXPECT_EQ(mismatches, 0) << context;
}

const auto kSerial = [](const DeformKernel& kernel, std::size_t count) { DeformPass::runSerial(kernel, count); };

TEST(DeformKernel, GivesTheBitsOfDeformPointForEverySetting)
{
    Scene scene;
    for (bool alongNormals : {true, false})
        for (bool region : {true, false})
            for (float iterations : {1.0f, 3.5f}) {
                const DeformSettings settings = scene.settingsWith(alongNormals, region, iterations);
                const std::string context = std::string(alongNormals ? "along normals" : "per axis") +
                                            (region ? ", region" : "") + ", " + std::to_string(iterations);
                const std::vector<MPoint> expected = scene.deformedPointByPoint(settings);
                int moved = 0;
                for (std::size_t i = 0; i < expected.size(); ++i)
                    moved += expected[i] != scene.positions[i] ? 1 : 0;
                EXPECT_GT(moved, 300) << context;
                expectSameBits(expected, scene.deformed(settings, kSerial), context);
            }
}

TEST(DeformKernel, AnySplitIntoRangesAndThreadsGivesTheSameBits)
{
    Scene scene;
    const DeformSettings settings = scene.settings();
    const std::vector<MPoint> serial = scene.deformed(settings, kSerial);
    // Ranges of uneven sizes, done last to first.
    expectSameBits(serial,
                   scene.deformed(settings,
                                  [](const DeformKernel& kernel, std::size_t count) {
                                      std::size_t end = count;
                                      for (std::size_t size = 1; end > 0; size = size * 3 + 1) {
                                          const std::size_t begin = end > size ? end - size : 0;
                                          kernel.deformRange(begin, end);
                                          end = begin;
                                      }
                                  }),
                   "uneven ranges");
    // Three threads, interleaved ranges of 5.
    expectSameBits(serial,
                   scene.deformed(settings,
                                  [](const DeformKernel& kernel, std::size_t count) {
                                      std::vector<std::thread> threads;
                                      for (std::size_t t = 0; t < 3; ++t)
                                          threads.emplace_back([&kernel, count, t] {
                                              for (std::size_t b = 5 * t; b < count; b += 15)
                                                  kernel.deformRange(b, std::min(count, b + 5));
                                          });
                                      for (std::thread& thread : threads)
                                          thread.join();
                                  }),
                   "three threads");
#ifdef KAVO_HAS_TBB
    const auto parallel = [](const DeformKernel& kernel, std::size_t count) { DeformPass::runParallel(kernel, count); };
    expectSameBits(serial, scene.deformed(settings, parallel), "oneTBB");
#endif
}

TEST(DeformKernel, AFailedNormalOfADisplacedPointIsReported)
{
    Scene scene;
    bool failed = true;
    scene.deformed(scene.settings(), kSerial, &failed);
    EXPECT_FALSE(failed);
    // Outside the region a point's normal is never asked for; inside it is.
    const std::vector<MPoint> moved = scene.deformedPointByPoint(scene.settings());
    int kept = -1, displaced = -1;
    for (std::size_t i = 0; i < moved.size(); ++i)
        (moved[i] == scene.positions[i] ? kept : displaced) = static_cast<int>(i);
    ASSERT_GE(kept, 0);
    ASSERT_GE(displaced, 0);
    scene.adapter.failingIndex = kept;
    scene.deformed(scene.settings(), kSerial, &failed);
    EXPECT_FALSE(failed);
    scene.adapter.failingIndex = displaced;
    scene.deformed(scene.settings(), kSerial, &failed);
    EXPECT_TRUE(failed);
    // Not asked for at all without normals.
    scene.deformed(scene.settingsWith(false, false, 1.0f), kSerial, &failed);
    EXPECT_FALSE(failed);
}

} // namespace
