#include "DeformPass.h"

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>
#include <tbb/task_arena.h>

namespace {

// Large enough that handing out a range costs little next to deforming it,
// small enough to balance a mesh of a few thousand points over the cores.
constexpr std::size_t kPointsPerRange = 1024;

} // namespace

namespace DeformPass {

void runParallel(const DeformKernel& kernel, std::size_t count)
{
    // Isolated: while it waits, this thread takes no other work of the host,
    // which could be another deformer's pass waiting for the seed lock this
    // pass holds.
    tbb::this_task_arena::isolate([&] {
        tbb::parallel_for(tbb::blocked_range<std::size_t>(0, count, kPointsPerRange),
                          [&](const tbb::blocked_range<std::size_t>& range) {
                              kernel.deformRange(range.begin(), range.end());
                          });
    });
}

} // namespace DeformPass
