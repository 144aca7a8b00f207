#pragma once

#include "DeformKernel.h"

#include <cstddef>

// Runs a pass's kernel over all its points, [0, count), as ranges of
// DeformKernel::deformRange. One signature, one file per backend: the serial
// one is always built (DeformPassSerial.cpp), the TBB one when the build
// has it (DeformPassTbb.cpp, KAVO_HAS_TBB). The results are the same either
// way, whatever the number of threads.
namespace DeformPass {

// Each answers whether every range ran; when one did not, the caller must
// not use the results.

// On the calling thread: deformRange(0, count).
bool runSerial(const DeformKernel& kernel, std::size_t count);

#ifdef KAVO_HAS_TBB
// Ranges on the host's TBB threads, as many as the host allows; the calling
// thread works too and waits for the rest. The ranges see the calling
// thread's floating-point control state, and nothing the host cancels stops
// them. An exception in a range (an allocation failing) reaches the caller.
bool runParallel(const DeformKernel& kernel, std::size_t count);
#endif

// What the deform pass uses.
inline bool run(const DeformKernel& kernel, std::size_t count)
{
#ifdef KAVO_HAS_TBB
    return runParallel(kernel, count);
#else
    return runSerial(kernel, count);
#endif
}

} // namespace DeformPass
