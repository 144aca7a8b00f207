// Every large allocation of a pass failed in turn: the pass never lets the
// exception reach the host, and either gives the literal points (the batch
// path handing over to the literal one, which needs no arrays of its own) or
// reports a failure with the geometry as it came in.
#include "pass/PassPathsFixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

namespace {

// Counting starts when armed; the allocation numbered failAt throws.
constexpr std::size_t kLargeAllocation = 16 * 1024;
std::atomic<bool> g_armed{false};
std::atomic<long> g_largeAllocations{0};
std::atomic<long> g_failAt{-1};

void arm(long failAt)
{
    g_largeAllocations = 0;
    g_failAt = failAt;
    g_armed = true;
}

long disarm()
{
    g_armed = false;
    return g_largeAllocations;
}

} // namespace

// The program's allocation functions, replaced (malloc and free underneath,
// for new and delete alike) so that a chosen allocation can fail; but not
// under AddressSanitizer, which needs its own to check them.
#ifndef __SANITIZE_ADDRESS__
void* operator new(std::size_t size)
{
    if (size >= kLargeAllocation && g_armed && g_largeAllocations++ == g_failAt)
        throw std::bad_alloc();
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

// GCC takes the free here for a mismatch with operator new; the new above
// allocates with malloc.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* block) noexcept
{
    std::free(block);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}
#endif

namespace {

using namespace kavo::test::pass;
using Path = NoiseDeformerNode::PassPath;

class AllocationFailureTest : public DeformPassPathsTest
{};

TEST_F(AllocationFailureTest, AFailedAllocationGivesTheLiteralPointsOrAFailureNeverAnException)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer keeps its own allocation functions";
#endif
    const MObject data = meshData(90);
    const MObject deformer = deformerWith({"fractal", {{"fractalState", 1}, {"iterations", 2.0}}});
    connectInput(deformer, data);
    MPointArray input;
    MObject copy = data;
    MItGeometry(copy).allPositions(input);
    const MPointArray literal = deform(deformer, data, Path::literal);

    NoiseDeformerNode::m_passPath = Path::batch;
    arm(-1);
    runPass(deformer, data);
    // The last one is the test's own read of the points after the pass.
    const long passAllocations = disarm() - 1;
    ASSERT_GT(passAllocations, 2);

    testing::internal::CaptureStderr();
    int literalAfterFailure = 0;
    for (long failAt = 0; failAt < passAllocations; ++failAt) {
        MStatus status;
        arm(failAt);
        MPointArray points;
        EXPECT_NO_THROW(points = runPass(deformer, data, status)) << "allocation " << failAt;
        disarm();
        const std::string context = "allocation " + std::to_string(failAt) + " failed";
        if (status == MStatus::kSuccess) {
            expectSameBits(literal, points, context);
            ++literalAfterFailure;
        } else {
            expectSameBits(input, points, context);
        }
    }
    testing::internal::GetCapturedStderr();
    EXPECT_GT(literalAfterFailure, 0) << "no failure reached the batch path";
}

} // namespace
