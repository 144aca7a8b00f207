#include "DeformPass.h"

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>
#include <tbb/task_group.h>

namespace {

// Large enough that handing out a range costs little next to deforming it,
// small enough to balance a mesh of a few thousand points over the cores.
constexpr std::size_t kPointsPerRange = 1024;

} // namespace

namespace DeformPass {

bool runParallel(const DeformKernel& kernel, std::size_t count)
{
    // The pass's own context, apart from the work the host runs this
    // evaluation in: cancelling that work must not cut the pass short, and
    // the ranges run with the caller's floating-point control (flush to
    // zero, denormals as zero, rounding) rather than what each thread had
    // when the host's pool was set up.
    tbb::task_group_context context(tbb::task_group_context::isolated);
    context.capture_fp_settings();
    tbb::parallel_for(
        tbb::blocked_range<std::size_t>(0, count, kPointsPerRange),
        [&](const tbb::blocked_range<std::size_t>& range) { kernel.deformRange(range.begin(), range.end()); }, context);
    return !context.is_group_execution_cancelled();
}

} // namespace DeformPass
