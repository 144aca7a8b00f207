// The batch pass under what a real host does around it, against the literal
// pass bit for bit: the host cancelling the work it evaluates in, the
// caller's floating-point control state changed between passes, and
// deformers with different seeds evaluated at the same time.
#include "pass/PassPathsFixture.h"

#include "PerlinNoise.h"
#include "SimdTarget.h"

#include <maya/MFnVectorArrayData.h>
#include <maya/MVectorArray.h>

#include <gtest/gtest.h>
#ifdef KAVO_HAS_TBB
#include <tbb/blocked_range.h>
#include <tbb/global_control.h>
#include <tbb/parallel_for.h>
#include <tbb/task_arena.h>
#include <tbb/task_group.h>
#endif
#if defined(__x86_64__) || defined(_M_X64)
#include <xmmintrin.h>
#define KAVO_HAS_MXCSR 1
#endif

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace kavo::test::pass;
using Path = NoiseDeformerNode::PassPath;

class PassHostConditionsTest : public DeformPassPathsTest
{};

#ifdef KAVO_HAS_TBB
TEST_F(PassHostConditionsTest, AHostCancellingItsWorkDoesNotCutThePassShort)
{
    const MObject data = meshData(300);
    const MObject deformer = deformerWith({"fractal", {{"fractalState", 1}, {"iterations", 4.0}}});
    connectInput(deformer, data);
    const MPointArray literal = deform(deformer, data, Path::literal);

    // The host's work, cancelled (by the user, by a newer evaluation) at
    // some moment while the pass runs in it.
    for (int delay : {0, 2, 5, 10, 20}) {
        tbb::task_group_context hostWork;
        MPointArray batch;
        tbb::parallel_for(
            tbb::blocked_range<int>(0, 1),
            [&](const tbb::blocked_range<int>&) {
                std::thread canceller([&] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(delay));
                    hostWork.cancel_group_execution();
                });
                batch = deform(deformer, data, Path::batch);
                canceller.join();
            },
            hostWork);
        expectSameBits(literal, batch, "host work cancelled after " + std::to_string(delay) + " ms");
    }
}
#endif

#ifdef KAVO_HAS_MXCSR
// Flush-to-zero and denormals-are-zero in the calling thread's SSE control.
constexpr unsigned int kFlushToZero = 0x8000u;
constexpr unsigned int kDenormalsAreZero = 0x0040u;

void setFlushingSubnormals(bool on)
{
    const unsigned int bits = kFlushToZero | kDenormalsAreZero;
    _mm_setcsr(on ? (_mm_getcsr() | bits) : (_mm_getcsr() & ~bits));
}

// Points at and below the smallest normal numbers of single and double
// precision, and a few ordinary ones, so that flushing changes some results
// and not others.
MObject nearZeroParticles()
{
    MVectorArray positions;
    for (int k = 0; k < 120; ++k) {
        const double scale = k % 3 == 0 ? 1e-39 : k % 3 == 1 ? 1e-310 : 0.3;
        positions.append(MVector(scale * (k % 7 - 3), scale * (k % 5 - 2) * 0.5, scale * (k % 11 - 5) * 0.25));
    }
    return MFnVectorArrayData().create(positions);
}

// Settings whose arithmetic lands on subnormal numbers: a small envelope
// times tiny painted weights, huge scales (noise coordinates near zero).
std::vector<Setting> subnormalSettings()
{
    return {
        {"small envelope", {{"envelope", 0.01}}},
        {"huge scales", {{"scaleX", 3e37}, {"scaleY", 1e38}, {"scaleZ", 2e37}}},
        {"fractal, per axis", {{"fractalState", 1}, {"iterations", 3.0}, {"alongNormals", 0}, {"amplitude", 1e-30}}}};
}

void paintTinyWeights(const MObject& deformer, unsigned int count)
{
    MPlug weights =
        MPlug(deformer, MPxDeformerNode::weightList).elementByLogicalIndex(0).child(MPxDeformerNode::weights);
    for (unsigned int i = 0; i < count; i += 2)
        weights.elementByLogicalIndex(i).setValue(i % 4 == 0 ? 1e-37 : 1.0);
}

// The host sets flush-to-zero between two passes, on a thread whose arena
// (and so its workers) was set up before; each pass must see the state its
// caller has at that moment.
TEST_F(PassHostConditionsTest, EveryPassSeesItsCallersFloatingPointState)
{
    for (const Kind& kind : {Kind{"near-zero particles", nearZeroParticles()}, Kind{"mesh", meshData(40)}}) {
        for (const Setting& setting : subnormalSettings()) {
            const MObject deformer = deformerWith(setting);
            paintTinyWeights(deformer, 2000);
            connectInput(deformer, kind.data);
            for (int threads : {1, 2, 7}) {
                const tbb::global_control limit(tbb::global_control::max_allowed_parallelism, threads);
                tbb::task_arena arena(threads);
                arena.initialize();
                arena.execute([&] {
                    for (bool flushing : {true, false, true}) {
                        setFlushingSubnormals(flushing);
                        const MPointArray literal = deform(deformer, kind.data, Path::literal);
                        for (const char* target : SimdTarget::runnableNames()) {
                            ASSERT_TRUE(SimdTarget::choose(target));
                            expectSameBits(literal, deform(deformer, kind.data, Path::batch),
                                           std::string(kind.name) + ", " + setting.name + ", " + target + ", " +
                                               std::to_string(threads) + " threads" + (flushing ? ", flushing" : ""));
                        }
                        SimdTarget::choose(nullptr);
                    }
                    setFlushingSubnormals(false);
                });
            }
            kavo::host::session::Host::resetScene();
        }
    }
}
#endif

// Deformers with different seeds, each pulled over and over on a thread of
// its own: every pass gets its own seed's points, never the other's table.
TEST_F(PassHostConditionsTest, DeformersWithOtherSeedsAtOnceEachGetTheirOwnSeed)
{
    const MObject data = meshData(60);
    std::vector<MObject> deformers;
    std::vector<MPointArray> alone;
    for (int seed : {7, 1234}) {
        deformers.push_back(deformerWith({"seed", {{"seed", seed}}}));
        connectInput(deformers.back(), data);
        alone.push_back(deform(deformers.back(), data, Path::literal));
    }
    ASSERT_NE(alone[0][100].y, alone[1][100].y) << "the seeds give the same points";

    for (Path path : {Path::batch, Path::literal}) {
        NoiseDeformerNode::m_passPath = path;
        std::vector<std::vector<MPointArray>> together(deformers.size());
        std::vector<std::thread> threads;
        for (std::size_t d = 0; d < deformers.size(); ++d)
            threads.emplace_back([&, d] {
                for (int pass = 0; pass < 20; ++pass)
                    together[d].push_back(runPass(deformers[d], data));
            });
        for (std::thread& thread : threads)
            thread.join();
        for (std::size_t d = 0; d < deformers.size(); ++d)
            for (const MPointArray& points : together[d])
                expectSameBits(alone[d], points, "seed of deformer " + std::to_string(d));
    }
}

} // namespace
