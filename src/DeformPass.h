#ifndef KAVO_DEFORMPASS_H
#define KAVO_DEFORMPASS_H

#include "DeformKernel.h"

#include <cstddef>

// Runs a pass's kernel over all its points, [0, count), as ranges of
// DeformKernel::deformRange. One signature, one file per backend: the serial
// one is always built (DeformPassSerial.cpp), the oneTBB one when the build
// has it (DeformPassTbb.cpp, KAVO_HAS_TBB). The results are the same either
// way, whatever the number of threads.
namespace DeformPass {

// On the calling thread: deformRange(0, count).
void runSerial(const DeformKernel& kernel, std::size_t count);

#ifdef KAVO_HAS_TBB
// Ranges on oneTBB's threads, as many as the process allows
// (tbb::global_control); the calling thread works too and waits for the
// rest. Only the pass's own ranges run meanwhile on the calling thread, so
// a pass never runs inside another pass's lock.
void runParallel(const DeformKernel& kernel, std::size_t count);
#endif

// What the deform pass uses.
inline void run(const DeformKernel& kernel, std::size_t count)
{
#ifdef KAVO_HAS_TBB
    runParallel(kernel, count);
#else
    runSerial(kernel, count);
#endif
}

} // namespace DeformPass

#endif
