#pragma once

// Included first by the files that compile a kernel once per instruction set
// with Highway (PerlinNoiseBatch.cpp, DeformKernelBatch.cpp), before
// hwy/foreach_target.h, and by SimdTarget.cpp, which must see the same
// targets compiled.
//
// Highway is used from its headers only. Its own run-time dispatch needs
// libhwy.so, which a plug-in must not require of the host (installing it is
// copying one file), so SimdTarget picks the instruction set and those files
// keep a table of their kernels per SimdTarget.
// Nothing there may call into libhwy: no HWY_ASSERT, no
// HWY_EXPORT/HWY_DYNAMIC_DISPATCH, no AllocateAligned.

// Debug checks in Highway's headers call hwy::Abort in libhwy; keep them out
// of every build type.
#ifndef HWY_IS_DEBUG_BUILD
#define HWY_IS_DEBUG_BUILD 0
#endif
// SSSE3 adds nothing over the portable code for these kernels that SSE4 does
// not; compiling it only costs build time.
#ifndef HWY_DISABLED_TARGETS
#define HWY_DISABLED_TARGETS HWY_SSSE3
#endif
